#!/usr/bin/env python3
"""Writes the translations below into src/translations/vastrel_LANG.ts.

The .ts files are made and refreshed by lupdate (cmake --build build --target
update_translations); this fills in the texts it found. A text without an entry
here keeps what the catalogue has, or stays unfinished.
    tools/fill-translations.py
"""
import pathlib
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent / "src" / "translations"

# (context, source): {language: text, or a list of plural forms}
T = {}


def add(context, source, de=None, fr=None, es=None, zh=None):
    T[(context, source)] = {"de": de, "fr": fr, "es": es, "zh_CN": zh}


W = "Widget"
add(W, "Settings", "Einstellungen", "Paramètres", "Configuración", "设置")
add(W, "Opens the settings window", "Öffnet das Einstellungsfenster", "Ouvre la fenêtre des paramètres",
    "Abre la ventana de configuración", "打开设置窗口")
add(W, "Minimize", "Minimieren", "Réduire", "Minimizar", "最小化")
add(W, "Hides the window into the system tray", "Blendet das Fenster in den Systemabschnitt der Kontrollleiste aus",
    "Masque la fenêtre dans la zone de notification", "Oculta la ventana en la bandeja del sistema", "将窗口隐藏到系统托盘")
add(W, "Close", "Schließen", "Fermer", "Cerrar", "关闭")
add(W, "Quits Vastrel", "Beendet Vastrel", "Quitte Vastrel", "Sale de Vastrel", "退出 Vastrel")
add(W, "Scan target", "Suchziel", "Cible de l’analyse", "Destino del análisis", "扫描目标")
add(W, "What the next scan walks: all disks, one disk or a list of folders",
    "Was die nächste Suche durchläuft: alle Laufwerke, ein Laufwerk oder eine Ordnerliste",
    "Ce que la prochaine analyse parcourt : tous les disques, un disque ou une liste de dossiers",
    "Lo que recorre el próximo análisis: todos los discos, un disco o una lista de carpetas",
    "下次扫描的范围：所有磁盘、单个磁盘或文件夹列表")
add(W, "Starts a scan of the chosen target, or stops the running one",
    "Startet die Suche im gewählten Ziel oder hält die laufende an",
    "Lance l’analyse de la cible choisie ou arrête celle en cours",
    "Inicia el análisis del destino elegido o detiene el que está en curso",
    "开始扫描所选目标，或停止正在进行的扫描")
add(W, "Scan", "Suchen", "Analyser", "Analizar", "扫描")
add(W, "Stop", "Anhalten", "Arrêter", "Detener", "停止")
add(W, "Files and bytes counted so far", "Bisher gezählte Dateien und Bytes", "Fichiers et octets comptés jusqu’ici",
    "Archivos y bytes contados hasta ahora", "目前已统计的文件数和字节数")
add(W, "The file being examined, or what the last scan found", "Die gerade untersuchte Datei oder das Ergebnis der letzten Suche",
    "Le fichier en cours d’examen, ou le résultat de la dernière analyse",
    "El archivo que se está examinando, o lo que encontró el último análisis", "正在检查的文件，或上次扫描的结果")
add(W, "Largest files", "Größte Dateien", "Plus gros fichiers", "Archivos más grandes", "最大的文件")
add(W, "The largest files found, biggest first: size and path",
    "Die größten gefundenen Dateien, die größte zuerst: Größe und Pfad",
    "Les plus gros fichiers trouvés, du plus gros au plus petit : taille et chemin",
    "Los archivos más grandes encontrados, de mayor a menor: tamaño y ruta",
    "找到的最大文件，从大到小排列：大小和路径")
add(W, "Show in folder", "Im Ordner anzeigen", "Afficher dans le dossier", "Mostrar en la carpeta", "在文件夹中显示")
add(W, "Show", "Anzeigen", "Afficher", "Mostrar", "显示")
add(W, "Exit", "Beenden", "Quitter", "Salir", "退出")
add(W, "exit the app", "Programm beenden", "Quitter l’application", "Salir de la aplicación", "退出程序")
add(W, "%1 bytes", "%1 Bytes", "%1 octets", "%1 bytes", "%1 字节")
add(W, "Size(Mb)", "Größe (MB)", "Taille (Mo)", "Tamaño (MB)", "大小(MB)")
add(W, "Path", "Pfad", "Chemin", "Ruta", "路径")
add(W, "There is NO file in your selected Dir!", "Im gewählten Ordner gibt es KEINE Datei!",
    "Il n’y a AUCUN fichier dans le dossier choisi !", "¡No hay NINGÚN archivo en la carpeta elegida!",
    "所选目录中没有任何文件！")
add(W, "; %1 folder could not be read", "; %1 Ordner konnte nicht gelesen werden",
    " ; %1 dossier n’a pas pu être lu", "; no se pudo leer %1 carpeta", "；%1 个文件夹无法读取")
add(W, "; %1 folders could not be read",
    ["; %1 Ordner konnte nicht gelesen werden", "; %1 Ordner konnten nicht gelesen werden"],
    [" ; %1 dossier n’a pas pu être lu", " ; %1 dossiers n’ont pas pu être lus"],
    ["; no se pudo leer %1 carpeta", "; no se pudieron leer %1 carpetas"],
    ["；%1 个文件夹无法读取"])
add(W, "%1 file", "%1 Datei", "%1 fichier", "%1 archivo", "%1 个文件")
add(W, "%1 files", ["%1 Datei", "%1 Dateien"], ["%1 fichier", "%1 fichiers"], ["%1 archivo", "%1 archivos"],
    ["%1 个文件"])
add(W, "%1 s", "%1 s", "%1 s", "%1 s", "%1 秒")
add(W, "%1 min %2 s", "%1 min %2 s", "%1 min %2 s", "%1 min %2 s", "%1 分 %2 秒")
add(W, "Scan Stopped.", "Suche angehalten.", "Analyse arrêtée.", "Análisis detenido.", "扫描已停止。")
add(W, "Scan Complete!", "Suche abgeschlossen!", "Analyse terminée !", "¡Análisis completado!", "扫描完成！")
add(W, " in ", " in ", " en ", " en ", "，用时 ")
add(W, "All Disks", "Alle Laufwerke", "Tous les disques", "Todos los discos", "所有磁盘")
add(W, "Custom Scan", "Eigene Auswahl", "Analyse personnalisée", "Análisis personalizado", "自定义扫描")
add(W, "Open Directory", "Ordner öffnen", "Ouvrir un dossier", "Abrir carpeta", "打开目录")
add(W, "… and %1 more", ["… und %1 weiterer", "… und %1 weitere"], ["… et %1 autre", "… et %1 autres"],
    ["… y %1 más", "… y %1 más"], ["……还有 %1 个"])
add(W, "Resize", "Größe ändern", "Redimensionner", "Cambiar tamaño", "调整大小")
add(W, "Out of memory. ", "Kein Speicher mehr. ", "Mémoire épuisée. ", "Sin memoria. ", "内存不足。")
add(W, "Complete", "Fertig", "Terminé", "Completado", "完成")
add(W, "The Scan is complete", "Die Suche ist abgeschlossen", "L’analyse est terminée", "El análisis ha terminado",
    "扫描已完成")
add(W, "%1 of %2", "%1 von %2", "%1 sur %2", "%1 de %2", "第 %1 个，共 %2 个")
add(W, "No copies among the listed files", "Keine Kopien unter den aufgeführten Dateien",
    "Aucune copie parmi les fichiers listés", "No hay copias entre los archivos listados", "列出的文件中没有副本")
add(W, "%1 set of copies; %2 could be freed by keeping one of each",
    "%1 Gruppe von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird",
    "%1 groupe de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun",
    "%1 grupo de copias; se podrían liberar %2 conservando una de cada",
    "%1 组副本；每组只保留一份可释放 %2")
add(W, "%1 sets of copies; %2 could be freed by keeping one of each",
    ["%1 Gruppe von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird",
     "%1 Gruppen von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird"],
    ["%1 groupe de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun",
     "%1 groupes de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun"],
    ["%1 grupo de copias; se podrían liberar %2 conservando una de cada",
     "%1 grupos de copias; se podrían liberar %2 conservando una de cada"],
    ["%1 组副本；每组只保留一份可释放 %2"])

add(W, "Folder list", "Ordnerliste", "Liste de dossiers", "Lista de carpetas", "文件夹列表")
add(W, "A list of folders kept aside; scans do not read it",
    "Eine beiseitegelegte Ordnerliste; die Suche liest sie nicht",
    "Une liste de dossiers mise de côté ; les analyses ne la lisent pas",
    "Una lista de carpetas aparte; los análisis no la leen", "另存的文件夹列表；扫描不会读取它")
add(W, "Add folder", "Ordner hinzufügen", "Ajouter un dossier", "Añadir carpeta", "添加文件夹")
add(W, "Adds a folder to the list kept aside", "Fügt der beiseitegelegten Liste einen Ordner hinzu",
    "Ajoute un dossier à la liste mise de côté", "Añade una carpeta a la lista aparte", "向另存的列表添加文件夹")
add(W, "Remove folder", "Ordner entfernen", "Retirer le dossier", "Quitar carpeta", "移除文件夹")
add(W, "Removes the chosen folder from the list kept aside",
    "Entfernt den gewählten Ordner aus der beiseitegelegten Liste",
    "Retire le dossier choisi de la liste mise de côté", "Quita la carpeta elegida de la lista aparte",
    "从另存的列表中移除所选文件夹")
add(W, "Hide results", "Ergebnisse ausblenden", "Masquer les résultats", "Ocultar resultados", "隐藏结果")
add(W, "Shrinks the window back to its compact size", "Verkleinert das Fenster wieder auf die kompakte Größe",
    "Ramène la fenêtre à sa taille compacte", "Devuelve la ventana a su tamaño compacto", "将窗口缩回紧凑尺寸")

C = "CustomDir"
add(C, "CustomDirectorySelect", "Ordner auswählen", "Choisir les dossiers", "Elegir carpetas", "选择目录")
add(C, "Close", "Schließen", "Fermer", "Cerrar", "关闭")
add(C, "Closes the dialog without choosing folders", "Schließt den Dialog, ohne Ordner zu wählen",
    "Ferme la boîte de dialogue sans choisir de dossier", "Cierra el diálogo sin elegir carpetas",
    "关闭对话框，不选择文件夹")
add(C, "Folders", "Ordner", "Dossiers", "Carpetas", "文件夹")
add(C, "Tick the folders to scan", "Die zu durchsuchenden Ordner ankreuzen", "Cochez les dossiers à analyser",
    "Marque las carpetas que desea analizar", "勾选要扫描的文件夹")
add(C, "Adds a folder to the list", "Fügt der Liste einen Ordner hinzu", "Ajoute un dossier à la liste",
    "Añade una carpeta a la lista", "向列表添加文件夹")
add(C, "Add", "Hinzufügen", "Ajouter", "Añadir", "添加")
add(C, "Open Directory", "Ordner öffnen", "Ouvrir un dossier", "Abrir carpeta", "打开目录")

G = "Config"
add(G, "Close", "Schließen", "Fermer", "Cerrar", "关闭")
add(G, "Closes the settings window", "Schließt das Einstellungsfenster", "Ferme la fenêtre des paramètres",
    "Cierra la ventana de configuración", "关闭设置窗口")
add(G, "Settings", "Einstellungen", "Paramètres", "Configuración", "设置")
add(G, "Setting", "Einstellungen", "Paramètres", "Ajustes", "设置")
add(G, "Basic", "Allgemein", "Général", "General", "基本")
add(G, "The number of large files you want to find out", "Anzahl der großen Dateien, die aufgeführt werden",
    "Nombre de gros fichiers à rechercher", "Número de archivos grandes que desea encontrar", "要找出的大文件数量")
add(G, "Number of files to list", "Anzahl aufgeführter Dateien", "Nombre de fichiers à lister",
    "Número de archivos que listar", "列出的文件数")
add(G, "How many of the largest files a scan lists, 1 to 10000",
    "Wie viele der größten Dateien eine Suche aufführt, 1 bis 10000",
    "Combien des plus gros fichiers une analyse liste, de 1 à 10000",
    "Cuántos de los archivos más grandes lista un análisis, de 1 a 10000", "扫描列出的最大文件数，1 到 10000")
add(G, "Asks the update server for a new version when Vastrel starts",
    "Fragt beim Start von Vastrel den Aktualisierungsserver nach einer neuen Version",
    "Demande au serveur de mises à jour s’il existe une nouvelle version au démarrage de Vastrel",
    "Pregunta al servidor de actualizaciones por una versión nueva al iniciar Vastrel",
    "Vastrel 启动时向更新服务器查询新版本")
add(G, "Check update when start up", "Beim Start nach Aktualisierungen suchen",
    "Rechercher les mises à jour au démarrage", "Buscar actualizaciones al iniciar", "启动时检查更新")
add(G, "Saves the settings of this tab", "Speichert die Einstellungen dieser Seite",
    "Enregistre les paramètres de cet onglet", "Guarda la configuración de esta pestaña", "保存此页的设置")
add(G, "Apply", "Übernehmen", "Appliquer", "Aplicar", "应用")
add(G, "About", "Über", "À propos", "Acerca de", "关于")
add(G, "About Vastrel", "Über Vastrel", "À propos de Vastrel", "Acerca de Vastrel", "关于 Vastrel")
add(G, "What Vastrel is for", "Wofür Vastrel da ist", "À quoi sert Vastrel", "Para qué sirve Vastrel", "Vastrel 的用途")
add(G, "This tool can help you to find out the large file on you disk. It's very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!\n\nEnjoy!\n\n",
    "Dieses Programm findet die großen Dateien auf Ihrer Festplatte. Es hilft, wenn Sie Platz schaffen wollen, aber nicht wissen, welche Dateien ihn belegen. Genau das richtige Werkzeug dafür!\n\nViel Spaß!\n\n",
    "Cet outil vous aide à trouver les gros fichiers de votre disque. Il est très utile quand vous voulez libérer de la place sans savoir quels fichiers l’occupent. C’est l’outil qu’il vous faut !\n\nBonne utilisation !\n\n",
    "Esta herramienta le ayuda a encontrar los archivos grandes de su disco. Es muy útil cuando quiere liberar espacio pero no sabe qué archivos lo ocupan. ¡Es justo lo que necesita!\n\n¡Que la disfrute!\n\n",
    "本工具帮助您找出磁盘上的大文件。当您想释放空间却不知道是哪些文件占用了空间时，它非常有用。这正是您需要的工具！\n\n祝您使用愉快！\n\n")
add(G, "Fedback", "Feedback", "Votre avis", "Comentarios", "反馈")
add(G, "You can mail to:", "Schreiben Sie an:", "Écrivez à :", "Puede escribir a:", "您可以发邮件至：")
add(G, "OR,You can send a message:", "Oder senden Sie eine Nachricht:", "Ou envoyez un message :",
    "O envíe un mensaje:", "或者发送留言：")
add(G, "Message", "Nachricht", "Message", "Mensaje", "留言")
add(G, "Your Mail:", "Ihre E-Mail:", "Votre adresse :", "Su correo:", "您的邮箱：")
add(G, "Your mail address", "Ihre E-Mail-Adresse", "Votre adresse électronique", "Su dirección de correo",
    "您的邮箱地址")
add(G, "Where an answer to your message can be sent", "Wohin eine Antwort auf Ihre Nachricht gehen kann",
    "Où envoyer une réponse à votre message", "Adónde se puede enviar una respuesta a su mensaje",
    "回复您留言的地址")
add(G, "Your msg: ", "Ihre Nachricht: ", "Votre message : ", "Su mensaje: ", "您的留言：")
add(G, "Your message", "Ihre Nachricht", "Votre message", "Su mensaje", "您的留言")
add(G, "The message sent to the developers", "Die Nachricht an die Entwickler", "Le message envoyé aux développeurs",
    "El mensaje que se envía a los desarrolladores", "发送给开发者的留言")
add(G, "Sends the message to the developers", "Sendet die Nachricht an die Entwickler",
    "Envoie le message aux développeurs", "Envía el mensaje a los desarrolladores", "将留言发送给开发者")
add(G, "Send", "Senden", "Envoyer", "Enviar", "发送")
add(G, "Update", "Updates", "Mise à jour", "Actualización", "更新")
add(G, "Current Version", "Installierte Version", "Version actuelle", "Versión actual", "当前版本")
add(G, "Asks the update server whether a new version exists",
    "Fragt den Aktualisierungsserver, ob es eine neue Version gibt",
    "Demande au serveur de mises à jour s’il existe une nouvelle version",
    "Pregunta al servidor de actualizaciones si hay una versión nueva", "向更新服务器查询是否有新版本")
add(G, "Check Update", "Nach Aktualisierung suchen", "Rechercher", "Buscar actualización", "检查更新")
add(G, "Update Information", "Aktualisierungsinformationen", "Informations de mise à jour",
    "Información de actualización", "更新信息")
add(G, "Opens the download page of the new version", "Öffnet die Download-Seite der neuen Version",
    "Ouvre la page de téléchargement de la nouvelle version", "Abre la página de descarga de la versión nueva",
    "打开新版本的下载页面")
add(G, "Update Now", "Jetzt aktualisieren", "Mettre à jour", "Actualizar ahora", "立即更新")
add(G, "Help", "Hilfe", "Aide", "Ayuda", "帮助")
add(G, "How to use Vastrel", "So wird Vastrel benutzt", "Comment utiliser Vastrel", "Cómo usar Vastrel",
    "Vastrel 使用方法")
add(G, "Not a web address, so it is not opened: %1", "Keine Webadresse, daher nicht geöffnet: %1",
    "Ce n’est pas une adresse web, elle n’est donc pas ouverte : %1", "No es una dirección web, así que no se abre: %1",
    "不是网址，因此不会打开：%1")
add(G, "Config", "Einstellungen", "Paramètres", "Configuración", "设置")
add(G, "Version:", "Version:", "Version :", "Versión:", "版本：")
add(G, "1 character left", "Noch 1 Zeichen", "1 caractère restant", "Queda 1 carácter", "还可输入 1 个字符")
add(G, "%1 characters left", ["Noch %1 Zeichen", "Noch %1 Zeichen"], ["%1 caractère restant", "%1 caractères restants"],
    ["Queda %1 carácter", "Quedan %1 caracteres"], ["还可输入 %1 个字符"])
add(G, "Already The Latest Version!", "Das ist bereits die neueste Version!", "Vous avez déjà la dernière version !",
    "¡Ya tiene la versión más reciente!", "已是最新版本！")
add(G, "Latest Version:", "Neueste Version:", "Dernière version :", "Última versión:", "最新版本：")
add(G, "Sorry.update server maintain.", "Der Aktualisierungsserver wird gerade gewartet.",
    "Désolé, le serveur de mises à jour est en maintenance.", "Lo sentimos, el servidor de actualizaciones está en mantenimiento.",
    "抱歉，更新服务器正在维护。")
add(G, "Success!", "Gesendet!", "Envoyé !", "¡Enviado!", "发送成功！")
add(G, "The download page could not be opened: %1", "Die Download-Seite konnte nicht geöffnet werden: %1",
    "Impossible d’ouvrir la page de téléchargement : %1", "No se pudo abrir la página de descarga: %1",
    "无法打开下载页面：%1")

S = "ScanGroup"
add(S, "Scan", "Suche", "Analyse", "Análisis", "扫描")
add(S, "Include hidden files and folders", "Versteckte Dateien und Ordner einbeziehen",
    "Inclure les fichiers et dossiers cachés", "Incluir archivos y carpetas ocultos", "包括隐藏的文件和文件夹")
add(S, "Stay on one file system", "Auf einem Dateisystem bleiben", "Rester sur un seul système de fichiers",
    "Permanecer en un solo sistema de archivos", "不跨越文件系统")
add(S, "Skip network file systems", "Netzwerk-Dateisysteme überspringen", "Ignorer les systèmes de fichiers réseau",
    "Omitir sistemas de archivos de red", "跳过网络文件系统")
add(S, "Exclude folders", "Ordner ausschließen", "Exclure des dossiers", "Excluir carpetas", "排除文件夹")
add(S, "Excluded folders", "Ausgeschlossene Ordner", "Dossiers exclus", "Carpetas excluidas", "已排除的文件夹")
add(S, "Folders that scans leave out", "Ordner, die bei der Suche ausgelassen werden",
    "Dossiers que les analyses ignorent", "Carpetas que los análisis omiten", "扫描时跳过的文件夹")
add(S, "Adds a folder that scans leave out", "Fügt einen Ordner hinzu, der ausgelassen wird",
    "Ajoute un dossier que les analyses ignorent", "Añade una carpeta que los análisis omiten", "添加扫描时跳过的文件夹")
add(S, "Add…", "Hinzufügen …", "Ajouter…", "Añadir…", "添加…")
add(S, "Removes the chosen folder from the list", "Entfernt den gewählten Ordner aus der Liste",
    "Retire le dossier choisi de la liste", "Quita la carpeta elegida de la lista", "从列表中移除所选文件夹")
add(S, "Remove", "Entfernen", "Retirer", "Quitar", "移除")
add(S, "Only files larger than", "Nur Dateien größer als", "Seulement les fichiers de plus de",
    "Solo archivos mayores de", "仅限大于此大小的文件")
add(S, "Smallest size", "Mindestgröße", "Taille minimale", "Tamaño mínimo", "最小大小")
add(S, "Files below this size are not listed", "Kleinere Dateien werden nicht aufgeführt",
    "Les fichiers plus petits ne sont pas listés", "Los archivos más pequeños no se listan", "小于此大小的文件不会列出")
add(S, "Size unit", "Größeneinheit", "Unité de taille", "Unidad de tamaño", "大小单位")
add(S, "bytes", "Bytes", "octets", "bytes", "字节")
add(S, "KB", "KB", "Ko", "KB", "KB")
add(S, "MB", "MB", "Mo", "MB", "MB")
add(S, "GB", "GB", "Go", "GB", "GB")
add(S, "TB", "TB", "To", "TB", "TB")
add(S, "Only these types", "Nur diese Typen", "Seulement ces types", "Solo estos tipos", "仅限这些类型")
add(S, "File types", "Dateitypen", "Types de fichiers", "Tipos de archivo", "文件类型")
add(S, "File name extensions to list, separated by blanks", "Aufzuführende Dateiendungen, durch Leerzeichen getrennt",
    "Extensions à lister, séparées par des espaces", "Extensiones que listar, separadas por espacios",
    "要列出的文件扩展名，以空格分隔")
add(S, "mkv mp4 iso", "mkv mp4 iso", "mkv mp4 iso", "mkv mp4 iso", "mkv mp4 iso")
add(S, "Not modified for", "Nicht geändert seit", "Non modifiés depuis", "Sin modificar desde hace", "未修改天数至少")
add(S, "Days without change", "Tage ohne Änderung", "Jours sans modification", "Días sin cambios", "未修改的天数")
add(S, "Only files not modified for this many days are listed",
    "Nur Dateien, die so viele Tage nicht geändert wurden, werden aufgeführt",
    "Seuls les fichiers non modifiés depuis ce nombre de jours sont listés",
    "Solo se listan los archivos sin modificar durante tantos días", "仅列出在这么多天内未修改的文件")
add(S, " days", " Tagen", " jours", " días", " 天")
add(S, "Exclude folder", "Ordner ausschließen", "Exclure un dossier", "Excluir carpeta", "排除文件夹")
add(S, "Not file types, left out: %1", "Keine Dateitypen, ausgelassen: %1", "Pas des types de fichiers, ignorés : %1",
    "No son tipos de archivo, se omiten: %1", "不是文件类型，已忽略：%1")

L = "StatusLine"
add(L, "Click for the list of folders that could not be read.", "Klicken für die Liste der nicht lesbaren Ordner.",
    "Cliquez pour voir la liste des dossiers illisibles.", "Pulse para ver la lista de carpetas que no se pudieron leer.",
    "点击查看无法读取的文件夹列表。")
add(L, "Folders that could not be read", "Nicht lesbare Ordner", "Dossiers illisibles", "Carpetas que no se pudieron leer",
    "无法读取的文件夹")
add(L, "Copy", "Kopieren", "Copier", "Copiar", "复制")

M = "ResultsMenu"
add(M, "Open", "Öffnen", "Ouvrir", "Abrir", "打开")
add(M, "Copy Path", "Pfad kopieren", "Copier le chemin", "Copiar ruta", "复制路径")
add(M, "Move to Trash…", "In den Papierkorb verschieben …", "Mettre à la corbeille…", "Mover a la papelera…", "移到回收站…")
add(M, "Save List…", "Liste speichern …", "Enregistrer la liste…", "Guardar lista…", "保存列表…")
add(M, "Move to Trash", "In den Papierkorb verschieben", "Mettre à la corbeille", "Mover a la papelera", "移到回收站")
add(M, "Save List", "Liste speichern", "Enregistrer la liste", "Guardar lista", "保存列表")
add(M, "CSV files (*.csv);;All files (*)", "CSV-Dateien (*.csv);;Alle Dateien (*)",
    "Fichiers CSV (*.csv);;Tous les fichiers (*)", "Archivos CSV (*.csv);;Todos los archivos (*)",
    "CSV 文件 (*.csv);;所有文件 (*)")
add(M, "Saved the list to %1", "Liste in %1 gespeichert", "Liste enregistrée dans %1", "Lista guardada en %1",
    "列表已保存到 %1")
add(M, "The list could not be saved to %1: %2", "Die Liste konnte nicht in %1 gespeichert werden: %2",
    "Impossible d’enregistrer la liste dans %1 : %2", "No se pudo guardar la lista en %1: %2", "无法将列表保存到 %1：%2")

add(W, "+", "+", "+", "+", "+")
add(W, "-", "-", "-", "-", "-")
add(W, "ok", "OK", "OK", "OK", "OK")
add(W, "Vastrel", "Vastrel", "Vastrel", "Vastrel", "Vastrel")
add(W, "%1 of %2 shown", "%1 von %2 angezeigt", "%1 sur %2 affichés", "%1 de %2 mostrados", "显示 %1 个，共 %2 个")
add(W, "Copies", "Kopien", "Copies", "Copias", "副本")

add(C, "Custom Scan - Vastrel", "Eigene Auswahl – Vastrel", "Analyse personnalisée – Vastrel",
    "Análisis personalizado – Vastrel", "自定义扫描 - Vastrel")

add(G, "Settings - Vastrel", "Einstellungen – Vastrel", "Paramètres – Vastrel", "Configuración – Vastrel",
    "设置 - Vastrel")
add(G, "Keeps the results of past scans to show at start and to compare with",
    "Bewahrt die Ergebnisse früherer Suchen auf, um sie beim Start zu zeigen und mit ihnen zu vergleichen",
    "Conserve les résultats des analyses passées pour les afficher au démarrage et les comparer",
    "Guarda los resultados de análisis anteriores para mostrarlos al iniciar y compararlos",
    "保留以往扫描的结果，用于启动时显示和比较")
add(G, "Keep scan history", "Suchverlauf aufbewahren", "Conserver l’historique des analyses",
    "Guardar el historial de análisis", "保留扫描历史")
add(G, "Scans kept", "Aufbewahrte Suchen", "Analyses conservées", "Análisis guardados", "保留的扫描数")
add(G, "How many scans of each target the history keeps",
    "Wie viele Suchen je Ziel der Verlauf aufbewahrt",
    "Nombre d’analyses de chaque cible que l’historique conserve",
    "Cuántos análisis de cada destino guarda el historial", "历史记录为每个目标保留的扫描次数")
add(G, " scans of each target", " Suchen je Ziel", " analyses par cible", " análisis por destino", " 次扫描（每个目标）")

F = "FilterField"
add(F, "Filter by path (Ctrl+F)", "Nach Pfad filtern (Strg+F)", "Filtrer par chemin (Ctrl+F)",
    "Filtrar por ruta (Ctrl+F)", "按路径筛选 (Ctrl+F)")
add(F, "Filter", "Filter", "Filtre", "Filtro", "筛选")
add(F, "Shows only the results whose path holds the typed text",
    "Zeigt nur die Ergebnisse, deren Pfad den eingegebenen Text enthält",
    "N’affiche que les résultats dont le chemin contient le texte saisi",
    "Muestra solo los resultados cuya ruta contiene el texto escrito",
    "只显示路径中包含所输入文字的结果")

K = "CopyLookup"
add(K, "Find Copies", "Kopien finden", "Trouver les copies", "Buscar copias", "查找副本")
add(K, "Compare the listed files and mark identical copies",
    "Vergleicht die aufgeführten Dateien und markiert identische Kopien",
    "Compare les fichiers listés et marque les copies identiques",
    "Compara los archivos listados y marca las copias idénticas",
    "比较列出的文件并标记完全相同的副本")
add(K, "Select Extra Copies", "Überzählige Kopien auswählen", "Sélectionner les copies en trop",
    "Seleccionar copias sobrantes", "选择多余副本")
add(K, "Select every copy but one in each set: the one with the shortest path is kept, of those the oldest",
    "Wählt in jeder Gruppe alle Kopien bis auf eine aus: behalten wird die mit dem kürzesten Pfad, "
    "unter diesen die älteste",
    "Sélectionne toutes les copies sauf une dans chaque groupe : celle au chemin le plus court est gardée, "
    "et parmi elles la plus ancienne",
    "Selecciona todas las copias menos una de cada grupo: se conserva la de ruta más corta y, entre ellas, "
    "la más antigua",
    "在每组中选中除一份以外的所有副本：保留路径最短的一份，路径同样短时保留最旧的")
add(K, "Looking for copies stopped.", "Suche nach Kopien angehalten.", "Recherche de copies arrêtée.",
    "Búsqueda de copias detenida.", "副本查找已停止。")
add(K, "Looking for copies: %1 of %2 read", "Suche nach Kopien: %1 von %2 gelesen",
    "Recherche de copies : %1 sur %2 lus", "Buscando copias: %1 de %2 leídos", "正在查找副本：已读取 %1，共 %2")
add(K, "; %1 file left out of the comparison", "; %1 Datei beim Vergleich ausgelassen",
    " ; %1 fichier laissé hors de la comparaison", "; %1 archivo quedó fuera de la comparación",
    "；%1 个文件未参与比较")
add(K, "; %1 files left out of the comparison", "; %1 Dateien beim Vergleich ausgelassen",
    " ; %1 fichiers laissés hors de la comparaison", "; %1 archivos quedaron fuera de la comparación",
    "；%1 个文件未参与比较")

X = "Widget"  # copymarks.cpp
add(X, "The copy kept by \"Select Extra Copies\". The others:",
    "Die Kopie, die „Überzählige Kopien auswählen“ behält. Die anderen:",
    "La copie gardée par « Sélectionner les copies en trop ». Les autres :",
    "La copia que conserva «Seleccionar copias sobrantes». Las demás:",
    "“选择多余副本”保留的副本。其他副本：")
add(X, "An extra copy. The others:", "Eine überzählige Kopie. Die anderen:", "Une copie en trop. Les autres :",
    "Una copia sobrante. Las demás:", "多余的副本。其他副本：")
add(X, "… and %1 more", "… und %1 weitere", "… et %1 autres", "… y %1 más", "……还有 %1 个")
add(X, "It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.",
    "Sie teilt sich ihren Platz auf dem Datenträger mit einer anderen Kopie, statt ihn zu verschwenden: "
    "eine davon in den Papierkorb zu verschieben, gibt nichts frei.",
    "Elle partage son espace disque avec une autre copie au lieu de le gaspiller : mettre l’une d’elles "
    "à la corbeille ne libère rien.",
    "Comparte su espacio en el disco con otra copia en lugar de desperdiciarlo: mover una de ellas a la "
    "papelera no libera nada.",
    "它与另一份副本共用磁盘空间，并未浪费空间：将其中一份移到回收站不会释放任何空间。")

add(L, "Click for the list of files left out of the comparison.",
    "Klicken für die Liste der beim Vergleich ausgelassenen Dateien.",
    "Cliquez pour voir la liste des fichiers laissés hors de la comparaison.",
    "Pulse para ver la lista de archivos que quedaron fuera de la comparación.",
    "点击查看未参与比较的文件列表。")
add(L, "Folders that could not be read:", "Nicht lesbare Ordner:", "Dossiers illisibles :",
    "Carpetas que no se pudieron leer:", "无法读取的文件夹：")
add(L, "Files left out of the comparison:", "Beim Vergleich ausgelassene Dateien:",
    "Fichiers laissés hors de la comparaison :", "Archivos que quedaron fuera de la comparación:",
    "未参与比较的文件：")
add(L, "Click for the full lists.", "Klicken für die vollständigen Listen.", "Cliquez pour voir les listes complètes.",
    "Pulse para ver las listas completas.", "点击查看完整列表。")
add(L, "Files left out of the comparison", "Beim Vergleich ausgelassene Dateien",
    "Fichiers laissés hors de la comparaison", "Archivos que quedaron fuera de la comparación", "未参与比较的文件")
add(L, "Folders and files that could not be read", "Nicht lesbare Ordner und Dateien",
    "Dossiers et fichiers illisibles", "Carpetas y archivos que no se pudieron leer", "无法读取的文件夹和文件")

A = "ResultActions"
add(A, "1 file", "1 Datei", "1 fichier", "1 archivo", "1 个文件")
add(A, "%1 files", ["%1 Datei", "%1 Dateien"], ["%1 fichier", "%1 fichiers"], ["%1 archivo", "%1 archivos"],
    ["%1 个文件"])
add(A, "1 byte", "1 Byte", "1 octet", "1 byte", "1 字节")
add(A, "%1 bytes", ["%1 Byte", "%1 Bytes"], ["%1 octet", "%1 octets"], ["%1 byte", "%1 bytes"], ["%1 字节"])
add(A, "Move 1 file, %1, to the trash?", "1 Datei (%1) in den Papierkorb verschieben?",
    "Mettre 1 fichier (%1) à la corbeille ?", "¿Mover 1 archivo (%1) a la papelera?", "将 1 个文件（%1）移到回收站？")
add(A, "Move %1, %2 in all, to the trash?", "%1 mit insgesamt %2 in den Papierkorb verschieben?",
    "Mettre %1, %2 au total, à la corbeille ?", "¿Mover %1, %2 en total, a la papelera?",
    "将 %1（共 %2）移到回收站？")
add(A, "and %1 more", ["und %1 weitere", "und %1 weitere"], ["et %1 autre", "et %1 autres"],
    ["y %1 más", "y %1 más"], ["还有 %1 个"])
add(A, "Nothing was moved to the trash", "Nichts wurde in den Papierkorb verschoben",
    "Rien n’a été mis à la corbeille", "No se movió nada a la papelera", "没有文件被移到回收站")
add(A, "Moved %1, %2, to the trash", "%1 (%2) in den Papierkorb verschoben", "%1 (%2) mis à la corbeille",
    "%1 (%2) movidos a la papelera", "已将 %1（%2）移到回收站")
add(A, "; 1 file was left where it is", "; 1 Datei blieb, wo sie ist", " ; 1 fichier est resté à sa place",
    "; 1 archivo se quedó donde estaba", "；1 个文件留在原处")
add(A, "; %1 were left where they are", "; %1 blieben, wo sie sind", " ; %1 sont restés à leur place",
    "; %1 se quedaron donde estaban", "；%1 留在原处")
add(A, "This file was left where it is:", "Diese Datei blieb, wo sie ist:", "Ce fichier est resté à sa place :",
    "Este archivo se quedó donde estaba:", "此文件留在原处：")
add(A, "These files were left where they are:", "Diese Dateien blieben, wo sie sind:",
    "Ces fichiers sont restés à leur place :", "Estos archivos se quedaron donde estaban:", "这些文件留在原处：")
add(A, "Could not open %1: %2", "%1 konnte nicht geöffnet werden: %2", "Impossible d’ouvrir %1 : %2",
    "No se pudo abrir %1: %2", "无法打开 %1：%2")
add(A, "Could not show %1 in a file manager: %2", "%1 konnte nicht im Dateimanager angezeigt werden: %2",
    "Impossible d’afficher %1 dans un gestionnaire de fichiers : %2",
    "No se pudo mostrar %1 en un gestor de archivos: %2", "无法在文件管理器中显示 %1：%2")

# Folders of the "Folders" view sent to the trash.
add(A, "1 folder", "1 Ordner", "1 dossier", "1 carpeta", "1 个文件夹")
add(A, "%1 folders", ["%1 Ordner", "%1 Ordner"], ["%1 dossier", "%1 dossiers"], ["%1 carpeta", "%1 carpetas"],
    ["%1 个文件夹"])
add(A, "it is a folder the scan started from", "die Suche hat in diesem Ordner begonnen",
    "c’est un dossier d’où l’analyse est partie", "es una carpeta desde la que partió el análisis",
    "这是扫描的起始文件夹")
add(A, "it holds %1, a folder the scan started from", "er enthält %1, einen Ordner, in dem die Suche begonnen hat",
    "il contient %1, un dossier d’où l’analyse est partie", "contiene %1, una carpeta desde la que partió el análisis",
    "其中包含扫描的起始文件夹 %1")
add(A, "about %1 on disk", "etwa %1 auf dem Datenträger", "environ %1 sur le disque", "unos %1 en disco",
    "磁盘占用约 %1")
add(A, "more in parts the scan could not read", "mehr in Teilen, die die Suche nicht lesen konnte",
    "davantage dans des parties que l’analyse n’a pas pu lire", "más en partes que el análisis no pudo leer",
    "扫描无法读取的部分还有更多")
add(A, "Move 1 folder, %1, with everything in it to the trash?",
    "1 Ordner (%1) mit seinem gesamten Inhalt in den Papierkorb verschieben?",
    "Mettre 1 dossier (%1) et tout son contenu à la corbeille ?",
    "¿Mover 1 carpeta (%1) con todo su contenido a la papelera?", "将 1 个文件夹（%1）及其全部内容移到回收站？")
add(A, "Move %1, %2 in all, with everything in them to the trash?",
    "%1 mit insgesamt %2 samt Inhalt in den Papierkorb verschieben?",
    "Mettre %1, %2 au total, et tout leur contenu à la corbeille ?",
    "¿Mover %1, %2 en total, con todo su contenido a la papelera?", "将 %1（共 %2）及其全部内容移到回收站？")
add(A, "This frees about %1 on disk once the trash is emptied, as the scan counted it.",
    "Das gibt nach dem Leeren des Papierkorbs etwa %1 auf dem Datenträger frei, wie die Suche gezählt hat.",
    "Cela libère environ %1 sur le disque une fois la corbeille vidée, selon le décompte de l’analyse.",
    "Esto libera unos %1 en disco al vaciar la papelera, según lo que contó el análisis.",
    "按扫描的统计，清空回收站后约可释放 %1 磁盘空间。")
add(A, "; 1 folder was left where it is", "; 1 Ordner blieb, wo er ist", " ; 1 dossier est resté à sa place",
    "; 1 carpeta se quedó donde estaba", "；1 个文件夹留在原处")
add(A, "This folder was left where it is:", "Dieser Ordner blieb, wo er ist:", "Ce dossier est resté à sa place :",
    "Esta carpeta se quedó donde estaba:", "此文件夹留在原处：")
add(A, "These folders were left where they are:", "Diese Ordner blieben, wo sie sind:",
    "Ces dossiers sont restés à leur place :", "Estas carpetas se quedaron donde estaban:", "这些文件夹留在原处：")
add(M, "This folder cannot be moved to the trash:", "Dieser Ordner kann nicht in den Papierkorb verschoben werden:",
    "Ce dossier ne peut pas être mis à la corbeille :", "Esta carpeta no se puede mover a la papelera:",
    "此文件夹无法移到回收站：")
add(M, "These folders cannot be moved to the trash:", "Diese Ordner können nicht in den Papierkorb verschoben werden:",
    "Ces dossiers ne peuvent pas être mis à la corbeille :", "Estas carpetas no se pueden mover a la papelera:",
    "这些文件夹无法移到回收站：")

add("ResultsArea", "Files", "Dateien", "Fichiers", "Archivos", "文件")

V = "HistoryViews"
add(V, "Compare", "Vergleich", "Comparaison", "Comparación", "比较")
add(V, "Compare with previous scan", "Mit vorheriger Suche vergleichen", "Comparer avec l’analyse précédente",
    "Comparar con el análisis anterior", "与上次扫描比较")
add(V, "History…", "Verlauf …", "Historique…", "Historial…", "历史记录…")

H = "HistoryDialog"
add(H, "Scan History", "Suchverlauf", "Historique des analyses", "Historial de análisis", "扫描历史")
add(H, "Date", "Datum", "Date", "Fecha", "日期")
add(H, "Duration", "Dauer", "Durée", "Duración", "用时")
add(H, "Files", "Dateien", "Fichiers", "Archivos", "文件")
add(H, "Size", "Größe", "Taille", "Tamaño", "大小")
add(H, "Complete", "Vollständig", "Complète", "Completo", "完整性")
add(H, "Open", "Öffnen", "Ouvrir", "Abrir", "打开")
add(H, "Delete", "Löschen", "Supprimer", "Eliminar", "删除")
add(H, "Close", "Schließen", "Fermer", "Cerrar", "关闭")
add(H, "Stored scans of %1", "Gespeicherte Suchen in %1", "Analyses enregistrées de %1",
    "Análisis guardados de %1", "%1 的已保存扫描")
add(H, "stopped (partial)", "angehalten (unvollständig)", "arrêtée (partielle)", "detenido (parcial)",
    "已停止（不完整）")
add(H, "complete", "vollständig", "complète", "completo", "完整")

D = "Widget"  # folderdrop.cpp
add(D, "Nothing to scan: only folders on this computer can be dropped",
    "Nichts zu durchsuchen: nur Ordner auf diesem Computer können abgelegt werden",
    "Rien à analyser : seuls des dossiers de cet ordinateur peuvent être déposés",
    "Nada que analizar: solo se pueden soltar carpetas de este equipo",
    "没有可扫描的内容：只能拖放本机上的文件夹")
add(D, "A scan is running: stop it before dropping a folder",
    "Eine Suche läuft: halten Sie sie an, bevor Sie einen Ordner ablegen",
    "Une analyse est en cours : arrêtez-la avant de déposer un dossier",
    "Hay un análisis en curso: deténgalo antes de soltar una carpeta",
    "正在扫描：请先停止扫描，再拖放文件夹")

Q = "CompareModel"
add(Q, "Change", "Änderung", "Changement", "Cambio", "变化")
add(Q, "Then", "Vorher", "Avant", "Antes", "之前")
add(Q, "Now", "Jetzt", "Maintenant", "Ahora", "现在")
add(Q, "Difference", "Unterschied", "Différence", "Diferencia", "差值")
add(Q, "%", "%", "%", "%", "%")
add(Q, "Path", "Pfad", "Chemin", "Ruta", "路径")

E = "CompareView"
add(E, "Changes among the listed files since the scan of %1, %2.",
    "Änderungen unter den aufgeführten Dateien seit der Suche vom %1, %2.",
    "Changements parmi les fichiers listés depuis l’analyse du %1, %2.",
    "Cambios entre los archivos listados desde el análisis del %1, %2.",
    "自 %1（%2）的扫描以来，列出的文件中的变化。")
add(E, "A scan was stopped before its end (partial): files it did not reach may show as new or gone.",
    "Eine Suche wurde vor ihrem Ende angehalten (unvollständig): Dateien, die sie nicht erreicht hat, "
    "können als neu oder verschwunden erscheinen.",
    "Une analyse a été arrêtée avant la fin (partielle) : les fichiers qu’elle n’a pas atteints peuvent "
    "apparaître comme nouveaux ou disparus.",
    "Un análisis se detuvo antes de terminar (parcial): los archivos a los que no llegó pueden aparecer "
    "como nuevos o desaparecidos.",
    "有一次扫描在结束前被停止（不完整）：它未扫描到的文件可能显示为新增或已消失。")
add(E, "No listed file changed.", "Keine aufgeführte Datei hat sich geändert.", "Aucun fichier listé n’a changé.",
    "Ningún archivo listado ha cambiado.", "列出的文件均无变化。")
add(E, "Folders: these scans hold no folder totals to compare.",
    "Ordner: diese Suchen enthalten keine Ordnersummen zum Vergleichen.",
    "Dossiers : ces analyses ne contiennent pas de totaux par dossier à comparer.",
    "Carpetas: estos análisis no contienen totales por carpeta que comparar.",
    "文件夹：这些扫描没有可供比较的文件夹总计。")
add(E, "Folders that changed most:", "Ordner mit den größten Änderungen:", "Dossiers qui ont le plus changé :",
    "Carpetas que más han cambiado:", "变化最大的文件夹：")

add("CopyFinder", "changed since the scan", "seit der Suche geändert", "modifié depuis l’analyse",
    "modificado desde el análisis", "扫描后已更改")
add("CopyFinder", "changed while it was read", "beim Lesen geändert", "modifié pendant sa lecture",
    "modificado mientras se leía", "读取时发生了更改")

N = "HttpClient"
add(N, "%1 KiB", "%1 KiB", "%1 Kio", "%1 KiB", "%1 KiB")
add(N, "%1 bytes", ["%1 Byte", "%1 Bytes"], ["%1 octet", "%1 octets"], ["%1 byte", "%1 bytes"], ["%1 字节"])
add(N, "The server's answer was too large (more than %1); it was cut off.",
    "Die Antwort des Servers war zu groß (mehr als %1); sie wurde abgeschnitten.",
    "La réponse du serveur était trop volumineuse (plus de %1) ; elle a été tronquée.",
    "La respuesta del servidor era demasiado grande (más de %1); se ha cortado.",
    "服务器的响应过大（超过 %1），已被截断。")
add(N, "The request timed out: no complete answer within %1 seconds.",
    "Zeitüberschreitung der Anfrage: keine vollständige Antwort innerhalb von %1 Sekunden.",
    "La requête a expiré : aucune réponse complète en %1 secondes.",
    "La solicitud ha caducado: no hubo respuesta completa en %1 segundos.",
    "请求超时：%1 秒内未收到完整的响应。")
add(N, "The server's answer is not HTTP.", "Die Antwort des Servers ist kein HTTP.",
    "La réponse du serveur n’est pas du HTTP.", "La respuesta del servidor no es HTTP.", "服务器的响应不是 HTTP。")
add(N, "The server closed the connection without answering.",
    "Der Server hat die Verbindung ohne Antwort geschlossen.",
    "Le serveur a fermé la connexion sans répondre.", "El servidor cerró la conexión sin responder.",
    "服务器未响应就关闭了连接。")
add(N, "The server closed the connection before the answer was complete.",
    "Der Server hat die Verbindung geschlossen, bevor die Antwort vollständig war.",
    "Le serveur a fermé la connexion avant la fin de la réponse.",
    "El servidor cerró la conexión antes de que la respuesta estuviera completa.",
    "服务器在响应完成前关闭了连接。")

P = "Platform"
add(P, "it is no longer a folder", "es ist kein Ordner mehr", "ce n’est plus un dossier", "ya no es una carpeta",
    "它已不再是文件夹")
add(P, "its entries changed after the scan started", "sein Inhalt hat sich nach Beginn der Suche geändert",
    "son contenu a changé après le début de l’analyse", "su contenido cambió después de iniciar el análisis",
    "扫描开始后其中的条目已有变化")
add(P, "another file system is mounted on it", "darauf ist ein anderes Dateisystem eingehängt",
    "un autre système de fichiers y est monté", "hay otro sistema de archivos montado en ella",
    "其上挂载了另一个文件系统")
add(P, "a file system is mounted inside it, at %1", "darin ist ein Dateisystem eingehängt, unter %1",
    "un système de fichiers y est monté, sur %1", "hay un sistema de archivos montado dentro, en %1",
    "其中挂载了一个文件系统，位于 %1")
add(P, "the trash would not take it: there is no trash of yours for its file system (%1)",
    "der Papierkorb nimmt es nicht an: für sein Dateisystem gibt es keinen Papierkorb von Ihnen (%1)",
    "la corbeille ne l’accepte pas : aucune corbeille à vous pour son système de fichiers (%1)",
    "la papelera no lo acepta: no hay ninguna papelera suya para su sistema de archivos (%1)",
    "回收站无法接收：其文件系统上没有属于您的回收站（%1）")
add(P, "the trash would not take it: %1 is in the trash without its information file and would be replaced",
    "der Papierkorb nimmt es nicht an: %1 liegt ohne Informationsdatei im Papierkorb und würde ersetzt",
    "la corbeille ne l’accepte pas : %1 s’y trouve sans son fichier d’informations et serait remplacé",
    "la papelera no lo acepta: %1 está en la papelera sin su archivo de información y se reemplazaría",
    "回收站无法接收：回收站中的 %1 缺少信息文件，会被替换")
add(P, "the trash said it took it, but something is still at its path",
    "der Papierkorb meldet es als aufgenommen, aber unter seinem Pfad liegt noch etwas",
    "la corbeille dit l’avoir pris, mais quelque chose se trouve encore à son emplacement",
    "la papelera dice que lo tomó, pero todavía hay algo en su ruta",
    "回收站称已接收，但其路径上仍有内容")
add(P, "it changed since the scan: another folder is at its path now",
    "es hat sich seit der Suche geändert: unter seinem Pfad liegt jetzt ein anderer Ordner",
    "il a changé depuis l’analyse : un autre dossier se trouve maintenant à son emplacement",
    "cambió desde el análisis: ahora hay otra carpeta en su ruta",
    "自扫描以来已有变化：其路径上现在是另一个文件夹")
add(P, "it is no longer there", "sie ist nicht mehr vorhanden", "il n’existe plus", "ya no existe", "它已不存在")
add(P, "it is no longer a regular file", "sie ist keine gewöhnliche Datei mehr", "ce n’est plus un fichier ordinaire",
    "ya no es un archivo normal", "它已不是普通文件")
add(P, "its size changed since the scan", "ihre Größe hat sich seit der Suche geändert",
    "sa taille a changé depuis l’analyse", "su tamaño ha cambiado desde el análisis", "扫描后其大小已改变")
add(P, "it was modified after the scan started", "sie wurde nach Beginn der Suche geändert",
    "il a été modifié après le début de l’analyse", "se modificó después de iniciarse el análisis",
    "扫描开始后它被修改过")
add(P, "it changed since the scan: another file is at its path now",
    "sie hat sich seit der Suche geändert: unter ihrem Pfad liegt jetzt eine andere Datei",
    "il a changé depuis l’analyse : un autre fichier se trouve maintenant à son emplacement",
    "ha cambiado desde el análisis: ahora hay otro archivo en su ruta",
    "扫描后它已改变：其路径上现在是另一个文件")
add(P, "its size changed since the scan (%1 bytes, was %2)",
    "ihre Größe hat sich seit der Suche geändert (%1 Bytes, vorher %2)",
    "sa taille a changé depuis l’analyse (%1 octets, contre %2 avant)",
    "su tamaño ha cambiado desde el análisis (%1 bytes, antes %2)",
    "扫描后其大小已改变（现为 %1 字节，原为 %2）")
add(P, "it is not a plain absolute path", "es ist kein einfacher absoluter Pfad",
    "ce n’est pas un simple chemin absolu", "no es una ruta absoluta sencilla", "它不是普通的绝对路径")
add(P, "%1 cannot be opened (%2)", "%1 kann nicht geöffnet werden (%2)", "impossible d’ouvrir %1 (%2)",
    "no se puede abrir %1 (%2)", "无法打开 %1（%2）")
add(P, "it changed since the scan: %1 is no longer the folder the scan went through",
    "sie hat sich seit der Suche geändert: %1 ist nicht mehr der Ordner, den die Suche durchlaufen hat",
    "il a changé depuis l’analyse : %1 n’est plus le dossier que l’analyse a parcouru",
    "ha cambiado desde el análisis: %1 ya no es la carpeta que recorrió el análisis",
    "扫描后它已改变：%1 已不是扫描时经过的那个文件夹")
add(P, "the trash would not take it (the home trash cannot be made)",
    "der Papierkorb nimmt sie nicht an (der Papierkorb im Benutzerordner kann nicht angelegt werden)",
    "la corbeille ne l’accepte pas (impossible de créer la corbeille du dossier personnel)",
    "la papelera no lo acepta (no se puede crear la papelera de la carpeta personal)",
    "回收站无法接收它（无法创建主目录中的回收站）")
add(P, "the trash would not take it (there is no trash of yours on %1)",
    "der Papierkorb nimmt sie nicht an (auf %1 gibt es keinen Papierkorb für Sie)",
    "la corbeille ne l’accepte pas (vous n’avez pas de corbeille sur %1)",
    "la papelera no lo acepta (no tiene papelera propia en %1)",
    "回收站无法接收它（%1 上没有您的回收站）")
add(P, "the trash would not take it (its folders cannot be made)",
    "der Papierkorb nimmt sie nicht an (seine Ordner können nicht angelegt werden)",
    "la corbeille ne l’accepte pas (impossible de créer ses dossiers)",
    "la papelera no lo acepta (no se pueden crear sus carpetas)",
    "回收站无法接收它（无法创建回收站的文件夹）")
add(P, "the trash would not take it (%1)", "der Papierkorb nimmt sie nicht an (%1)",
    "la corbeille ne l’accepte pas (%1)", "la papelera no lo acepta (%1)", "回收站无法接收它（%1）")
add(P, "the trash would not take it (the trash is on another file system)",
    "der Papierkorb nimmt sie nicht an (der Papierkorb liegt auf einem anderen Dateisystem)",
    "la corbeille ne l’accepte pas (la corbeille est sur un autre système de fichiers)",
    "la papelera no lo acepta (la papelera está en otro sistema de archivos)",
    "回收站无法接收它（回收站位于另一个文件系统上）")
add(P, "the trash would not take it (no free name in the trash)",
    "der Papierkorb nimmt sie nicht an (im Papierkorb ist kein Name mehr frei)",
    "la corbeille ne l’accepte pas (aucun nom libre dans la corbeille)",
    "la papelera no lo acepta (no queda ningún nombre libre en la papelera)",
    "回收站无法接收它（回收站中没有可用的名称）")
add(P, "no application is set up to open it", "kein Programm ist zum Öffnen eingerichtet",
    "aucune application n’est configurée pour l’ouvrir", "no hay ninguna aplicación configurada para abrirlo",
    "没有设置用于打开它的应用程序")
add(P, "it does not exist", "sie existiert nicht", "il n’existe pas", "no existe", "它不存在")
add(P, "the application for it could not open it", "das zuständige Programm konnte sie nicht öffnen",
    "l’application associée n’a pas pu l’ouvrir", "la aplicación asociada no pudo abrirlo",
    "对应的应用程序无法打开它")
add(P, "the opener (xdg-open) ended with status %1", "das Öffnungsprogramm (xdg-open) endete mit Status %1",
    "l’ouvreur (xdg-open) s’est terminé avec le code %1", "el programa de apertura (xdg-open) terminó con el estado %1",
    "打开程序 (xdg-open) 以状态 %1 退出")
add(P, "the opener (xdg-open) crashed", "das Öffnungsprogramm (xdg-open) ist abgestürzt",
    "l’ouvreur (xdg-open) a planté", "el programa de apertura (xdg-open) se bloqueó",
    "打开程序 (xdg-open) 崩溃了")
add(P, "the opener (xdg-open) could not be started", "das Öffnungsprogramm (xdg-open) konnte nicht gestartet werden",
    "impossible de lancer l’ouvreur (xdg-open)", "no se pudo iniciar el programa de apertura (xdg-open)",
    "无法启动打开程序 (xdg-open)")

add("platform", "its path is too long for Windows to open", "ihr Pfad ist zu lang, als dass Windows sie öffnen könnte",
    "son chemin est trop long pour que Windows l’ouvre", "su ruta es demasiado larga para que Windows lo abra",
    "其路径太长，Windows 无法打开")

R = "ResultActions"  # recyclebin_windows.cpp
add(R, "the Recycle Bin would not take it; Windows would have deleted it for good",
    "der Papierkorb nimmt sie nicht an; Windows hätte sie endgültig gelöscht",
    "la Corbeille ne l’accepte pas ; Windows l’aurait supprimé définitivement",
    "la Papelera de reciclaje no lo acepta; Windows lo habría eliminado definitivamente",
    "回收站无法接收它；Windows 会将其永久删除")
add(R, "the Recycle Bin would not take it (%1)", "der Papierkorb nimmt sie nicht an (%1)",
    "la Corbeille ne l’accepte pas (%1)", "la Papelera de reciclaje no lo acepta (%1)", "回收站无法接收它（%1）")
add(R, "the Recycle Bin did not take it", "der Papierkorb hat sie nicht angenommen",
    "la Corbeille ne l’a pas accepté", "la Papelera de reciclaje no lo aceptó", "回收站未接收它")
add(R, "it is on a network drive, which has no Recycle Bin",
    "sie liegt auf einem Netzlaufwerk, das keinen Papierkorb hat",
    "il se trouve sur un lecteur réseau, qui n’a pas de Corbeille",
    "está en una unidad de red, que no tiene Papelera de reciclaje", "它位于网络驱动器上，该驱动器没有回收站")
add(R, "its drive cannot be found", "ihr Laufwerk ist nicht zu finden", "son lecteur est introuvable",
    "no se encuentra su unidad", "找不到它所在的驱动器")
add(R, "it is on a removable drive, which has no Recycle Bin",
    "sie liegt auf einem Wechseldatenträger, der keinen Papierkorb hat",
    "il se trouve sur un lecteur amovible, qui n’a pas de Corbeille",
    "está en una unidad extraíble, que no tiene Papelera de reciclaje", "它位于可移动驱动器上，该驱动器没有回收站")
add(R, "it is on an optical drive, which has no Recycle Bin",
    "sie liegt auf einem optischen Laufwerk, das keinen Papierkorb hat",
    "il se trouve sur un lecteur optique, qui n’a pas de Corbeille",
    "está en una unidad óptica, que no tiene Papelera de reciclaje", "它位于光驱上，光驱没有回收站")
add(R, "it is on a RAM disk, which has no Recycle Bin",
    "sie liegt auf einer RAM-Disk, die keinen Papierkorb hat",
    "il se trouve sur un disque RAM, qui n’a pas de Corbeille",
    "está en un disco RAM, que no tiene Papelera de reciclaje", "它位于内存盘上，内存盘没有回收站")
add(R, "its drive has no Recycle Bin", "ihr Laufwerk hat keinen Papierkorb", "son lecteur n’a pas de Corbeille",
    "su unidad no tiene Papelera de reciclaje", "它所在的驱动器没有回收站")
add(R, "the Recycle Bin cannot be reached (%1)", "der Papierkorb ist nicht erreichbar (%1)",
    "la Corbeille est inaccessible (%1)", "no se puede acceder a la Papelera de reciclaje (%1)",
    "无法访问回收站（%1）")
add(R, "its path is too long for the Recycle Bin", "ihr Pfad ist zu lang für den Papierkorb",
    "son chemin est trop long pour la Corbeille", "su ruta es demasiado larga para la Papelera de reciclaje",
    "其路径对回收站来说太长")

Y = "Widget"  # historytext.cpp
add(Y, "just now", "gerade eben", "à l’instant", "justo ahora", "刚刚")
add(Y, "(stopped before its end)", "(vor dem Ende angehalten)", "(arrêtée avant la fin)",
    "(detenido antes de terminar)", "（在结束前停止）")
add(Y, "Results of %1: %2 files, %3", "Ergebnisse vom %1: %2 Dateien, %3", "Résultats du %1 : %2 fichiers, %3",
    "Resultados del %1: %2 archivos, %3", "%1 的结果：%2 个文件，%3")

Z = "ScanHistory"
add(Z, "Scan history off: %1.", "Suchverlauf aus: %1.", "Historique des analyses désactivé : %1.",
    "Historial de análisis desactivado: %1.", "扫描历史已关闭：%1。")
add(Z, "Scan history: %1; the results shown are not affected.",
    "Suchverlauf: %1; die angezeigten Ergebnisse sind davon nicht betroffen.",
    "Historique des analyses : %1 ; les résultats affichés n’en sont pas affectés.",
    "Historial de análisis: %1; los resultados mostrados no se ven afectados.",
    "扫描历史：%1；不影响显示的结果。")


def help_page(heading, choose, right_click, farewell):
    """The Help tab's page with its texts put in; the markup stays as the form has it."""
    para = ('<p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;'
            ' -qt-block-indent:0; text-indent:0px;">')
    empty = ('<p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px;'
             ' margin-right:0px; -qt-block-indent:0; text-indent:0px;"><br /></p>')
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">\n'
            '<html><head><meta name="qrichtext" content="1" /><style type="text/css">\n'
            'p, li { white-space: pre-wrap; }\n'
            "</style></head><body style=\" font-family:'SimSun'; font-size:9pt; font-weight:400;"
            ' font-style:normal;">\n'
            f'{para}<span style=" color:#0000ff;">{heading}</span>:</p>\n'
            f'{para}{choose}</p>\n'
            f'{empty}\n'
            f'{para}{right_click}</p>\n'
            f'{empty}\n'
            f'{para}{farewell}</p></body></html>')


add(G, help_page("SCAN",
                 "Everything is in the combobox.just select what you want,then push scan,wait the program tell you "
                 "which file eats your space.",
                 "Right click the file listed, go to the folder, to see if you want to delete it or not.",
                 "lol"),
    help_page("SUCHEN",
              "Alles steht in der Auswahlliste: wählen Sie, was Sie möchten, klicken Sie auf „Suchen“ und warten "
              "Sie, bis das Programm Ihnen zeigt, welche Dateien Ihren Platz belegen.",
              "Klicken Sie mit der rechten Maustaste auf eine aufgeführte Datei und öffnen Sie ihren Ordner, um "
              "zu entscheiden, ob Sie sie löschen möchten.",
              "Viel Spaß!"),
    help_page("ANALYSER",
              "Tout se trouve dans la liste déroulante : choisissez ce que vous voulez, cliquez sur « Analyser » "
              "et attendez que le programme vous indique quels fichiers occupent votre espace.",
              "Faites un clic droit sur un fichier listé et ouvrez son dossier pour décider si vous voulez le "
              "supprimer ou non.",
              "Bonne utilisation !"),
    help_page("ANALIZAR",
              "Todo está en la lista desplegable: elija lo que quiera, pulse «Analizar» y espere a que el programa "
              "le diga qué archivos ocupan su espacio.",
              "Haga clic con el botón derecho en un archivo listado y abra su carpeta para decidir si quiere "
              "eliminarlo o no.",
              "¡Que lo disfrute!"),
    help_page("扫描",
              "所有选项都在下拉列表中：选择您想要的范围，点击“扫描”，然后等待程序告诉您是哪些文件占用了空间。",
              "右键单击列出的文件，打开其所在文件夹，再决定是否删除它。",
              "祝您使用愉快！"))


# How long ago a stored scan was made (historytext.cpp).
add(W, "1 minute ago", "vor 1 Minute", "il y a 1 minute", "hace 1 minuto", "1 分钟前")
add(W, "%1 minutes ago", "vor %1 Minuten", "il y a %1 minutes", "hace %1 minutos", "%1 分钟前")
add(W, "1 hour ago", "vor 1 Stunde", "il y a 1 heure", "hace 1 hora", "1 小时前")
add(W, "%1 hours ago", "vor %1 Stunden", "il y a %1 heures", "hace %1 horas", "%1 小时前")
add(W, "yesterday", "gestern", "hier", "ayer", "昨天")
add(W, "%1 days ago", "vor %1 Tagen", "il y a %1 jours", "hace %1 días", "%1 天前")
add(W, "1 month ago", "vor 1 Monat", "il y a 1 mois", "hace 1 mes", "1 个月前")
add(W, "%1 months ago", "vor %1 Monaten", "il y a %1 mois", "hace %1 meses", "%1 个月前")
add("Platform", "its path is too long for Windows to open",
    "sein Pfad ist zu lang, als dass Windows ihn öffnen könnte",
    "son chemin est trop long pour que Windows l’ouvre",
    "su ruta es demasiado larga para que Windows la abra",
    "其路径太长，Windows 无法打开")


# What removing files frees, the folders view and ranking by space on disk.
RA = "ResultActions"
add(RA, "1 other name remains: frees nothing", "1 weiterer Name bleibt: gibt nichts frei",
    "1 autre nom reste : ne libère rien", "queda 1 nombre más: no libera nada", "还剩 1 个其他名称：不释放空间")
add(RA, "%1 other names remain: frees nothing", "%1 weitere Namen bleiben: gibt nichts frei",
    "%1 autres noms restent : ne libère rien", "quedan %1 nombres más: no libera nada",
    "还剩 %1 个其他名称：不释放空间")
add(RA, "frees %1", "gibt %1 frei", "libère %1", "libera %1", "释放 %1")
add(RA, "This frees %1 on disk once the trash is emptied.",
    "Das gibt %1 auf dem Datenträger frei, sobald der Papierkorb geleert wird.",
    "Cela libère %1 sur le disque une fois la corbeille vidée.",
    "Esto libera %1 en el disco cuando se vacíe la papelera.",
    "清空回收站后将释放 %1 磁盘空间。")
add(RA, "; the space comes back when the trash is emptied",
    "; der Platz wird frei, wenn der Papierkorb geleert wird",
    " ; l’espace revient une fois la corbeille vidée",
    "; el espacio se recupera al vaciar la papelera",
    "；清空回收站后空间才会释放")
AR = "ResultsArea"
add(AR, "Views", "Ansichten", "Vues", "Vistas", "视图")
add(AR, "Switches between the views of the same scan: files, folders, changes",
    "Wechselt zwischen den Ansichten derselben Suche: Dateien, Ordner, Änderungen",
    "Passe d’une vue à l’autre de la même analyse : fichiers, dossiers, changements",
    "Cambia entre las vistas del mismo análisis: archivos, carpetas, cambios",
    "在同一次扫描的视图之间切换：文件、文件夹、变化")
add(AR, "The largest files of the scan", "Die größten Dateien der Suche",
    "Les plus gros fichiers de l’analyse", "Los archivos más grandes del análisis", "本次扫描中最大的文件")
add(AR, "Folders", "Ordner", "Dossiers", "Carpetas", "文件夹")
add(AR, "The largest folders of the scan", "Die größten Ordner der Suche",
    "Les plus gros dossiers de l’analyse", "Las carpetas más grandes del análisis", "本次扫描中最大的文件夹")
SG = "ScanGroup"
add(SG, "Rank by", "Ordnen nach", "Classer par", "Ordenar por", "排序依据")
add(SG, "file size", "Dateigröße", "taille du fichier", "tamaño del archivo", "文件大小")
add(SG, "space on disk", "Platz auf dem Datenträger", "espace sur le disque", "espacio en disco", "占用磁盘空间")
add(W, "Share", "Anteil", "Part", "Proporción", "占比")
add(W, "Files", "Dateien", "Fichiers", "Archivos", "文件")
add(W, "Not known yet", "Noch nicht bekannt", "Pas encore connu", "Aún no se sabe", "尚不清楚")
add(W, "On disk", "Belegt", "Sur le disque", "En disco", "占用空间")
add(W, "Frees", "Gibt frei", "Libère", "Libera", "可释放")


def fill(language):
    path = ROOT / f"vastrel_{language}.ts"
    tree = ET.parse(path)
    tree.getroot().set("language", language)
    for context in tree.getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            entry = T.get((name, message.find("source").text))
            if not entry or entry[language] is None:
                continue
            text = entry[language]
            translation = message.find("translation")
            translation.attrib.pop("type", None)
            for child in list(translation):
                translation.remove(child)
            if message.get("numerus") == "yes":
                forms = text if isinstance(text, list) else [text]
                translation.text = None
                for form in forms:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = text if isinstance(text, str) else text[-1]
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")


for lang in ("de", "fr", "es", "zh_CN"):
    fill(lang)
