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
