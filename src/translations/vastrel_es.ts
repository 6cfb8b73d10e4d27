<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
    <context>
        <name>CompareModel</name>
        <message>
            <source>Change</source>
            <translation>Cambio</translation>
        </message>
        <message>
            <source>Then</source>
            <translation>Antes</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>Ahora</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Diferencia</translation>
        </message>
        <message>
            <source>%</source>
            <translation>%</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Ruta</translation>
        </message>
    </context>
    <context>
        <name>CompareView</name>
        <message>
            <source>Changes among the listed files since the scan of %1, %2.</source>
            <translation>Cambios entre los archivos listados desde el análisis del %1, %2.</translation>
        </message>
        <message>
            <source>A scan was stopped before its end (partial): files it did not reach may show as new or gone.</source>
            <translation>Un análisis se detuvo antes de terminar (parcial): los archivos a los que no llegó pueden aparecer como nuevos o desaparecidos.</translation>
        </message>
        <message>
            <source>No listed file changed.</source>
            <translation>Ningún archivo listado ha cambiado.</translation>
        </message>
        <message>
            <source>Folders: these scans hold no folder totals to compare.</source>
            <translation>Carpetas: estos análisis no contienen totales por carpeta que comparar.</translation>
        </message>
        <message>
            <source>Folders that changed most:</source>
            <translation>Carpetas que más han cambiado:</translation>
        </message>
    </context>
    <context>
        <name>Config</name>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Closes the settings window</source>
            <translation>Cierra la ventana de configuración</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Ajustes</translation>
        </message>
        <message>
            <source>Basic</source>
            <translation>General</translation>
        </message>
        <message>
            <source>The number of large files you want to find out</source>
            <translation>Número de archivos grandes que desea encontrar</translation>
        </message>
        <message>
            <source>Number of files to list</source>
            <translation>Número de archivos que listar</translation>
        </message>
        <message>
            <source>How many of the largest files a scan lists, 1 to 10000</source>
            <translation>Cuántos de los archivos más grandes lista un análisis, de 1 a 10000</translation>
        </message>
        <message>
            <source>Asks the update server for a new version when Vastrel starts</source>
            <translation>Pregunta al servidor de actualizaciones por una versión nueva al iniciar Vastrel</translation>
        </message>
        <message>
            <source>Check update when start up</source>
            <translation>Buscar actualizaciones al iniciar</translation>
        </message>
        <message>
            <source>Saves the settings of this tab</source>
            <translation>Guarda la configuración de esta pestaña</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Aplicar</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>About Vastrel</source>
            <translation>Acerca de Vastrel</translation>
        </message>
        <message>
            <source>What Vastrel is for</source>
            <translation>Para qué sirve Vastrel</translation>
        </message>
        <message>
            <source>This tool can help you to find out the large file on you disk. It's very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!

Enjoy!

</source>
            <translation>Esta herramienta le ayuda a encontrar los archivos grandes de su disco. Es muy útil cuando quiere liberar espacio pero no sabe qué archivos lo ocupan. ¡Es justo lo que necesita!

¡Que la disfrute!

</translation>
        </message>
        <message>
            <source>Fedback</source>
            <translation>Comentarios</translation>
        </message>
        <message>
            <source>You can mail to:</source>
            <translation>Puede escribir a:</translation>
        </message>
        <message>
            <source>OR,You can send a message:</source>
            <translation>O envíe un mensaje:</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>Mensaje</translation>
        </message>
        <message>
            <source>Your Mail:</source>
            <translation>Su correo:</translation>
        </message>
        <message>
            <source>Your mail address</source>
            <translation>Su dirección de correo</translation>
        </message>
        <message>
            <source>Where an answer to your message can be sent</source>
            <translation>Adónde se puede enviar una respuesta a su mensaje</translation>
        </message>
        <message>
            <source>Your msg: </source>
            <translation>Su mensaje: </translation>
        </message>
        <message>
            <source>Your message</source>
            <translation>Su mensaje</translation>
        </message>
        <message>
            <source>The message sent to the developers</source>
            <translation>El mensaje que se envía a los desarrolladores</translation>
        </message>
        <message>
            <source>Sends the message to the developers</source>
            <translation>Envía el mensaje a los desarrolladores</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Enviar</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Actualización</translation>
        </message>
        <message>
            <source>Current Version</source>
            <translation>Versión actual</translation>
        </message>
        <message>
            <source>Asks the update server whether a new version exists</source>
            <translation>Pregunta al servidor de actualizaciones si hay una versión nueva</translation>
        </message>
        <message>
            <source>Check Update</source>
            <translation>Buscar actualización</translation>
        </message>
        <message>
            <source>Update Information</source>
            <translation>Información de actualización</translation>
        </message>
        <message>
            <source>Opens the download page of the new version</source>
            <translation>Abre la página de descarga de la versión nueva</translation>
        </message>
        <message>
            <source>Update Now</source>
            <translation>Actualizar ahora</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>How to use Vastrel</source>
            <translation>Cómo usar Vastrel</translation>
        </message>
        <message>
            <source>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd"&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name="qrichtext" content="1" /&gt;&lt;style type="text/css"&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=" font-family:'SimSun'; font-size:9pt; font-weight:400; font-style:normal;"&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;span style=" color:#0000ff;"&gt;SCAN&lt;/span&gt;:&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Everything is in the combobox.just select what you want,then push scan,wait the program tell you which file eats your space.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Right click the file listed, go to the folder, to see if you want to delete it or not.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;lol&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd"&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name="qrichtext" content="1" /&gt;&lt;style type="text/css"&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=" font-family:'SimSun'; font-size:9pt; font-weight:400; font-style:normal;"&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;span style=" color:#0000ff;"&gt;ANALIZAR&lt;/span&gt;:&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Todo está en la lista desplegable: elija lo que quiera, pulse «Analizar» y espere a que el programa le diga qué archivos ocupan su espacio.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Haga clic con el botón derecho en un archivo listado y abra su carpeta para decidir si quiere eliminarlo o no.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;¡Que lo disfrute!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Not a web address, so it is not opened: %1</source>
            <translation>No es una dirección web, así que no se abre: %1</translation>
        </message>
        <message>
            <source>Config</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>Version:</source>
            <translation>Versión:</translation>
        </message>
        <message>
            <source>1 character left</source>
            <translation>Queda 1 carácter</translation>
        </message>
        <message numerus="yes">
            <source>%1 characters left</source>
            <translation>
                <numerusform>Queda %1 carácter</numerusform>
                <numerusform>Quedan %1 caracteres</numerusform>
            </translation>
        </message>
        <message>
            <source>Already The Latest Version!</source>
            <translation>¡Ya tiene la versión más reciente!</translation>
        </message>
        <message>
            <source>Latest Version:</source>
            <translation>Última versión:</translation>
        </message>
        <message>
            <source>Sorry.update server maintain.</source>
            <translation>Lo sentimos, el servidor de actualizaciones está en mantenimiento.</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>¡Enviado!</translation>
        </message>
        <message>
            <source>The download page could not be opened: %1</source>
            <translation>No se pudo abrir la página de descarga: %1</translation>
        </message>
        <message>
            <source>Keeps the results of past scans to show at start and to compare with</source>
            <translation>Guarda los resultados de análisis anteriores para mostrarlos al iniciar y compararlos</translation>
        </message>
        <message>
            <source>Keep scan history</source>
            <translation>Guardar el historial de análisis</translation>
        </message>
        <message>
            <source>Scans kept</source>
            <translation>Análisis guardados</translation>
        </message>
        <message>
            <source>How many scans of each target the history keeps</source>
            <translation>Cuántos análisis de cada destino guarda el historial</translation>
        </message>
        <message>
            <source> scans of each target</source>
            <translation> análisis por destino</translation>
        </message>
        <message>
            <source>Settings - Vastrel</source>
            <translation>Configuración – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>CopyFinder</name>
        <message>
            <source>changed since the scan</source>
            <translation>modificado desde el análisis</translation>
        </message>
        <message>
            <source>changed while it was read</source>
            <translation>modificado mientras se leía</translation>
        </message>
    </context>
    <context>
        <name>CopyLookup</name>
        <message>
            <source>Find Copies</source>
            <translation>Buscar copias</translation>
        </message>
        <message>
            <source>Compare the listed files and mark identical copies</source>
            <translation>Compara los archivos listados y marca las copias idénticas</translation>
        </message>
        <message>
            <source>Select Extra Copies</source>
            <translation>Seleccionar copias sobrantes</translation>
        </message>
        <message>
            <source>Select every copy but one in each set: the one with the shortest path is kept, of those the oldest</source>
            <translation>Selecciona todas las copias menos una de cada grupo: se conserva la de ruta más corta y, entre ellas, la más antigua</translation>
        </message>
        <message>
            <source>Looking for copies stopped.</source>
            <translation>Búsqueda de copias detenida.</translation>
        </message>
        <message>
            <source>Looking for copies: %1 of %2 read</source>
            <translation>Buscando copias: %1 de %2 leídos</translation>
        </message>
        <message>
            <source>; %1 file left out of the comparison</source>
            <translation>; %1 archivo quedó fuera de la comparación</translation>
        </message>
        <message>
            <source>; %1 files left out of the comparison</source>
            <translation>; %1 archivos quedaron fuera de la comparación</translation>
        </message>
    </context>
    <context>
        <name>CopyMarks</name>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation type="vanished">La copia que conserva «Seleccionar copias sobrantes». Las demás:</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation type="vanished">Una copia sobrante. Las demás:</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation type="vanished">… y %1 más</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation type="vanished">Comparte su espacio en el disco con otra copia en lugar de desperdiciarlo: mover una de ellas a la papelera no libera nada.</translation>
        </message>
    </context>
    <context>
        <name>CustomDir</name>
        <message>
            <source>CustomDirectorySelect</source>
            <translation>Elegir carpetas</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Closes the dialog without choosing folders</source>
            <translation>Cierra el diálogo sin elegir carpetas</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Carpetas</translation>
        </message>
        <message>
            <source>Tick the folders to scan</source>
            <translation>Marque las carpetas que desea analizar</translation>
        </message>
        <message>
            <source>Adds a folder to the list</source>
            <translation>Añade una carpeta a la lista</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Añadir</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Abrir carpeta</translation>
        </message>
        <message>
            <source>Custom Scan - Vastrel</source>
            <translation>Análisis personalizado – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>FilterField</name>
        <message>
            <source>Filter by path (Ctrl+F)</source>
            <translation>Filtrar por ruta (Ctrl+F)</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtro</translation>
        </message>
        <message>
            <source>Shows only the results whose path holds the typed text</source>
            <translation>Muestra solo los resultados cuya ruta contiene el texto escrito</translation>
        </message>
    </context>
    <context>
        <name>HistoryDialog</name>
        <message>
            <source>Scan History</source>
            <translation>Historial de análisis</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Duration</source>
            <translation>Duración</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Archivos</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Completo</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Stored scans of %1</source>
            <translation>Análisis guardados de %1</translation>
        </message>
        <message>
            <source>stopped (partial)</source>
            <translation>detenido (parcial)</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>completo</translation>
        </message>
    </context>
    <context>
        <name>HistoryViews</name>
        <message>
            <source>Compare</source>
            <translation>Comparación</translation>
        </message>
        <message>
            <source>Compare with previous scan</source>
            <translation>Comparar con el análisis anterior</translation>
        </message>
        <message>
            <source>History…</source>
            <translation>Historial…</translation>
        </message>
    </context>
    <context>
        <name>HttpClient</name>
        <message>
            <source>%1 KiB</source>
            <translation>%1 KiB</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 byte</numerusform>
                <numerusform>%1 bytes</numerusform>
            </translation>
        </message>
        <message>
            <source>The server's answer was too large (more than %1); it was cut off.</source>
            <translation>La respuesta del servidor era demasiado grande (más de %1); se ha cortado.</translation>
        </message>
        <message>
            <source>The request timed out: no complete answer within %1 seconds.</source>
            <translation>La solicitud ha caducado: no hubo respuesta completa en %1 segundos.</translation>
        </message>
        <message>
            <source>The server's answer is not HTTP.</source>
            <translation>La respuesta del servidor no es HTTP.</translation>
        </message>
        <message>
            <source>The server closed the connection without answering.</source>
            <translation>El servidor cerró la conexión sin responder.</translation>
        </message>
        <message>
            <source>The server closed the connection before the answer was complete.</source>
            <translation>El servidor cerró la conexión antes de que la respuesta estuviera completa.</translation>
        </message>
    </context>
    <context>
        <name>Platform</name>
        <message>
            <source>it is no longer there</source>
            <translation>ya no existe</translation>
        </message>
        <message>
            <source>it is no longer a regular file</source>
            <translation>ya no es un archivo normal</translation>
        </message>
        <message>
            <source>its size changed since the scan</source>
            <translation>su tamaño ha cambiado desde el análisis</translation>
        </message>
        <message>
            <source>it was modified after the scan started</source>
            <translation>se modificó después de iniciarse el análisis</translation>
        </message>
        <message>
            <source>it changed since the scan: another file is at its path now</source>
            <translation>ha cambiado desde el análisis: ahora hay otro archivo en su ruta</translation>
        </message>
        <message>
            <source>its size changed since the scan (%1 bytes, was %2)</source>
            <translation>su tamaño ha cambiado desde el análisis (%1 bytes, antes %2)</translation>
        </message>
        <message>
            <source>it is not a plain absolute path</source>
            <translation>no es una ruta absoluta sencilla</translation>
        </message>
        <message>
            <source>%1 cannot be opened (%2)</source>
            <translation>no se puede abrir %1 (%2)</translation>
        </message>
        <message>
            <source>it changed since the scan: %1 is no longer the folder the scan went through</source>
            <translation>ha cambiado desde el análisis: %1 ya no es la carpeta que recorrió el análisis</translation>
        </message>
        <message>
            <source>the trash would not take it (the home trash cannot be made)</source>
            <translation>la papelera no lo acepta (no se puede crear la papelera de la carpeta personal)</translation>
        </message>
        <message>
            <source>the trash would not take it (there is no trash of yours on %1)</source>
            <translation>la papelera no lo acepta (no tiene papelera propia en %1)</translation>
        </message>
        <message>
            <source>the trash would not take it (its folders cannot be made)</source>
            <translation>la papelera no lo acepta (no se pueden crear sus carpetas)</translation>
        </message>
        <message>
            <source>the trash would not take it (%1)</source>
            <translation>la papelera no lo acepta (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it (the trash is on another file system)</source>
            <translation>la papelera no lo acepta (la papelera está en otro sistema de archivos)</translation>
        </message>
        <message>
            <source>the trash would not take it (no free name in the trash)</source>
            <translation>la papelera no lo acepta (no queda ningún nombre libre en la papelera)</translation>
        </message>
        <message>
            <source>no application is set up to open it</source>
            <translation>no hay ninguna aplicación configurada para abrirlo</translation>
        </message>
        <message>
            <source>it does not exist</source>
            <translation>no existe</translation>
        </message>
        <message>
            <source>the application for it could not open it</source>
            <translation>la aplicación asociada no pudo abrirlo</translation>
        </message>
        <message>
            <source>the opener (xdg-open) ended with status %1</source>
            <translation>el programa de apertura (xdg-open) terminó con el estado %1</translation>
        </message>
        <message>
            <source>the opener (xdg-open) crashed</source>
            <translation>el programa de apertura (xdg-open) se bloqueó</translation>
        </message>
        <message>
            <source>the opener (xdg-open) could not be started</source>
            <translation>no se pudo iniciar el programa de apertura (xdg-open)</translation>
        </message>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>su ruta es demasiado larga para que Windows la abra</translation>
        </message>
        <message>
            <source>it is no longer a folder</source>
            <translation>ya no es una carpeta</translation>
        </message>
        <message>
            <source>its entries changed after the scan started</source>
            <translation>su contenido cambió después de iniciar el análisis</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>hay otro sistema de archivos montado en ella</translation>
        </message>
        <message>
            <source>a file system is mounted inside it, at %1</source>
            <translation>hay un sistema de archivos montado dentro, en %1</translation>
        </message>
        <message>
            <source>the trash would not take it: there is no trash of yours for its file system (%1)</source>
            <translation>la papelera no lo acepta: no hay ninguna papelera suya para su sistema de archivos (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it: %1 is in the trash without its information file and would be replaced</source>
            <translation>la papelera no lo acepta: %1 está en la papelera sin su archivo de información y se reemplazaría</translation>
        </message>
        <message>
            <source>the trash said it took it, but something is still at its path</source>
            <translation>la papelera dice que lo tomó, pero todavía hay algo en su ruta</translation>
        </message>
        <message>
            <source>it changed since the scan: another folder is at its path now</source>
            <translation>cambió desde el análisis: ahora hay otra carpeta en su ruta</translation>
        </message>
    </context>
    <context>
        <name>ResultActions</name>
        <message>
            <source>1 file</source>
            <translation>1 archivo</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 archivo</numerusform>
                <numerusform>%1 archivos</numerusform>
            </translation>
        </message>
        <message>
            <source>1 byte</source>
            <translation>1 byte</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 byte</numerusform>
                <numerusform>%1 bytes</numerusform>
            </translation>
        </message>
        <message>
            <source>Move 1 file, %1, to the trash?</source>
            <translation>¿Mover 1 archivo (%1) a la papelera?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, to the trash?</source>
            <translation>¿Mover %1, %2 en total, a la papelera?</translation>
        </message>
        <message numerus="yes">
            <source>and %1 more</source>
            <translation>
                <numerusform>y %1 más</numerusform>
                <numerusform>y %1 más</numerusform>
            </translation>
        </message>
        <message>
            <source>Nothing was moved to the trash</source>
            <translation>No se movió nada a la papelera</translation>
        </message>
        <message>
            <source>Moved %1, %2, to the trash</source>
            <translation>%1 (%2) movidos a la papelera</translation>
        </message>
        <message>
            <source>; 1 file was left where it is</source>
            <translation>; 1 archivo se quedó donde estaba</translation>
        </message>
        <message>
            <source>; %1 were left where they are</source>
            <translation>; %1 se quedaron donde estaban</translation>
        </message>
        <message>
            <source>This file was left where it is:</source>
            <translation>Este archivo se quedó donde estaba:</translation>
        </message>
        <message>
            <source>These files were left where they are:</source>
            <translation>Estos archivos se quedaron donde estaban:</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>No se pudo abrir %1: %2</translation>
        </message>
        <message>
            <source>Could not show %1 in a file manager: %2</source>
            <translation>No se pudo mostrar %1 en un gestor de archivos: %2</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation>la Papelera de reciclaje no lo acepta; Windows lo habría eliminado definitivamente</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation>la Papelera de reciclaje no lo acepta (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation>la Papelera de reciclaje no lo aceptó</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation>está en una unidad de red, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation>no se encuentra su unidad</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation>está en una unidad extraíble, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation>está en una unidad óptica, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation>está en un disco RAM, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation>su unidad no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation>no se puede acceder a la Papelera de reciclaje (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation>su ruta es demasiado larga para la Papelera de reciclaje</translation>
        </message>
        <message>
            <source>1 other name remains: frees nothing</source>
            <translation>queda 1 nombre más: no libera nada</translation>
        </message>
        <message>
            <source>%1 other names remain: frees nothing</source>
            <translation>quedan %1 nombres más: no libera nada</translation>
        </message>
        <message>
            <source>frees %1</source>
            <translation>libera %1</translation>
        </message>
        <message>
            <source>This frees %1 on disk once the trash is emptied.</source>
            <translation>Esto libera %1 en el disco cuando se vacíe la papelera.</translation>
        </message>
        <message>
            <source>; the space comes back when the trash is emptied</source>
            <translation>; el espacio se recupera al vaciar la papelera</translation>
        </message>
        <message>
            <source>1 folder</source>
            <translation>1 carpeta</translation>
        </message>
        <message numerus="yes">
            <source>%1 folders</source>
            <translation>
                <numerusform>%1 carpeta</numerusform>
                <numerusform>%1 carpetas</numerusform>
            </translation>
        </message>
        <message>
            <source>it is a folder the scan started from</source>
            <translation>es una carpeta desde la que partió el análisis</translation>
        </message>
        <message>
            <source>it holds %1, a folder the scan started from</source>
            <translation>contiene %1, una carpeta desde la que partió el análisis</translation>
        </message>
        <message>
            <source>about %1 on disk</source>
            <translation>unos %1 en disco</translation>
        </message>
        <message>
            <source>more in parts the scan could not read</source>
            <translation>más en partes que el análisis no pudo leer</translation>
        </message>
        <message>
            <source>Move 1 folder, %1, with everything in it to the trash?</source>
            <translation>¿Mover 1 carpeta (%1) con todo su contenido a la papelera?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, with everything in them to the trash?</source>
            <translation>¿Mover %1, %2 en total, con todo su contenido a la papelera?</translation>
        </message>
        <message>
            <source>This frees about %1 on disk once the trash is emptied, as the scan counted it.</source>
            <translation>Esto libera unos %1 en disco al vaciar la papelera, según lo que contó el análisis.</translation>
        </message>
        <message>
            <source>; 1 folder was left where it is</source>
            <translation>; 1 carpeta se quedó donde estaba</translation>
        </message>
        <message>
            <source>This folder was left where it is:</source>
            <translation>Esta carpeta se quedó donde estaba:</translation>
        </message>
        <message>
            <source>These folders were left where they are:</source>
            <translation>Estas carpetas se quedaron donde estaban:</translation>
        </message>
    </context>
    <context>
        <name>ResultsArea</name>
        <message>
            <source>Files</source>
            <translation>Archivos</translation>
        </message>
        <message>
            <source>Views</source>
            <translation>Vistas</translation>
        </message>
        <message>
            <source>Switches between the views of the same scan: files, folders, changes</source>
            <translation>Cambia entre las vistas del mismo análisis: archivos, carpetas, cambios</translation>
        </message>
        <message>
            <source>The largest files of the scan</source>
            <translation>Los archivos más grandes del análisis</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Carpetas</translation>
        </message>
        <message>
            <source>The largest folders of the scan</source>
            <translation>Las carpetas más grandes del análisis</translation>
        </message>
    </context>
    <context>
        <name>ResultsMenu</name>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Copy Path</source>
            <translation>Copiar ruta</translation>
        </message>
        <message>
            <source>Move to Trash…</source>
            <translation>Mover a la papelera…</translation>
        </message>
        <message>
            <source>Save List…</source>
            <translation>Guardar lista…</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>Mover a la papelera</translation>
        </message>
        <message>
            <source>Save List</source>
            <translation>Guardar lista</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>Saved the list to %1</source>
            <translation>Lista guardada en %1</translation>
        </message>
        <message>
            <source>The list could not be saved to %1: %2</source>
            <translation>No se pudo guardar la lista en %1: %2</translation>
        </message>
        <message>
            <source>This folder cannot be moved to the trash:</source>
            <translation>Esta carpeta no se puede mover a la papelera:</translation>
        </message>
        <message>
            <source>These folders cannot be moved to the trash:</source>
            <translation>Estas carpetas no se pueden mover a la papelera:</translation>
        </message>
    </context>
    <context>
        <name>ScanGroup</name>
        <message>
            <source>Scan</source>
            <translation>Análisis</translation>
        </message>
        <message>
            <source>Include hidden files and folders</source>
            <translation>Incluir archivos y carpetas ocultos</translation>
        </message>
        <message>
            <source>Stay on one file system</source>
            <translation>Permanecer en un solo sistema de archivos</translation>
        </message>
        <message>
            <source>Skip network file systems</source>
            <translation>Omitir sistemas de archivos de red</translation>
        </message>
        <message>
            <source>Exclude folders</source>
            <translation>Excluir carpetas</translation>
        </message>
        <message>
            <source>Excluded folders</source>
            <translation>Carpetas excluidas</translation>
        </message>
        <message>
            <source>Folders that scans leave out</source>
            <translation>Carpetas que los análisis omiten</translation>
        </message>
        <message>
            <source>Adds a folder that scans leave out</source>
            <translation>Añade una carpeta que los análisis omiten</translation>
        </message>
        <message>
            <source>Add…</source>
            <translation>Añadir…</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list</source>
            <translation>Quita la carpeta elegida de la lista</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Quitar</translation>
        </message>
        <message>
            <source>Only files larger than</source>
            <translation>Solo archivos mayores de</translation>
        </message>
        <message>
            <source>Smallest size</source>
            <translation>Tamaño mínimo</translation>
        </message>
        <message>
            <source>Files below this size are not listed</source>
            <translation>Los archivos más pequeños no se listan</translation>
        </message>
        <message>
            <source>Size unit</source>
            <translation>Unidad de tamaño</translation>
        </message>
        <message>
            <source>bytes</source>
            <translation>bytes</translation>
        </message>
        <message>
            <source>KB</source>
            <translation>KB</translation>
        </message>
        <message>
            <source>MB</source>
            <translation>MB</translation>
        </message>
        <message>
            <source>GB</source>
            <translation>GB</translation>
        </message>
        <message>
            <source>TB</source>
            <translation>TB</translation>
        </message>
        <message>
            <source>Only these types</source>
            <translation>Solo estos tipos</translation>
        </message>
        <message>
            <source>File types</source>
            <translation>Tipos de archivo</translation>
        </message>
        <message>
            <source>File name extensions to list, separated by blanks</source>
            <translation>Extensiones que listar, separadas por espacios</translation>
        </message>
        <message>
            <source>mkv mp4 iso</source>
            <translation>mkv mp4 iso</translation>
        </message>
        <message>
            <source>Not modified for</source>
            <translation>Sin modificar desde hace</translation>
        </message>
        <message>
            <source>Days without change</source>
            <translation>Días sin cambios</translation>
        </message>
        <message>
            <source>Only files not modified for this many days are listed</source>
            <translation>Solo se listan los archivos sin modificar durante tantos días</translation>
        </message>
        <message>
            <source> days</source>
            <translation> días</translation>
        </message>
        <message>
            <source>Exclude folder</source>
            <translation>Excluir carpeta</translation>
        </message>
        <message>
            <source>Not file types, left out: %1</source>
            <translation>No son tipos de archivo, se omiten: %1</translation>
        </message>
        <message>
            <source>Rank by</source>
            <translation>Ordenar por</translation>
        </message>
        <message>
            <source>file size</source>
            <translation>tamaño del archivo</translation>
        </message>
        <message>
            <source>space on disk</source>
            <translation>espacio en disco</translation>
        </message>
    </context>
    <context>
        <name>ScanHistory</name>
        <message>
            <source>Scan history off: %1.</source>
            <translation>Historial de análisis desactivado: %1.</translation>
        </message>
        <message>
            <source>Scan history: %1; the results shown are not affected.</source>
            <translation>Historial de análisis: %1; los resultados mostrados no se ven afectados.</translation>
        </message>
    </context>
    <context>
        <name>StatusLine</name>
        <message>
            <source>Click for the list of folders that could not be read.</source>
            <translation>Pulse para ver la lista de carpetas que no se pudieron leer.</translation>
        </message>
        <message>
            <source>Folders that could not be read</source>
            <translation>Carpetas que no se pudieron leer</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>Click for the list of files left out of the comparison.</source>
            <translation>Pulse para ver la lista de archivos que quedaron fuera de la comparación.</translation>
        </message>
        <message>
            <source>Folders that could not be read:</source>
            <translation>Carpetas que no se pudieron leer:</translation>
        </message>
        <message>
            <source>Files left out of the comparison:</source>
            <translation>Archivos que quedaron fuera de la comparación:</translation>
        </message>
        <message>
            <source>Click for the full lists.</source>
            <translation>Pulse para ver las listas completas.</translation>
        </message>
        <message>
            <source>Files left out of the comparison</source>
            <translation>Archivos que quedaron fuera de la comparación</translation>
        </message>
        <message>
            <source>Folders and files that could not be read</source>
            <translation>Carpetas y archivos que no se pudieron leer</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>Settings</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>Opens the settings window</source>
            <translation>Abre la ventana de configuración</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Minimizar</translation>
        </message>
        <message>
            <source>Hides the window into the system tray</source>
            <translation>Oculta la ventana en la bandeja del sistema</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Quits Vastrel</source>
            <translation>Sale de Vastrel</translation>
        </message>
        <message>
            <source>Scan target</source>
            <translation>Destino del análisis</translation>
        </message>
        <message>
            <source>What the next scan walks: all disks, one disk or a list of folders</source>
            <translation>Lo que recorre el próximo análisis: todos los discos, un disco o una lista de carpetas</translation>
        </message>
        <message>
            <source>Starts a scan of the chosen target, or stops the running one</source>
            <translation>Inicia el análisis del destino elegido o detiene el que está en curso</translation>
        </message>
        <message>
            <source>Scan</source>
            <translation>Analizar</translation>
        </message>
        <message>
            <source>Files and bytes counted so far</source>
            <translation>Archivos y bytes contados hasta ahora</translation>
        </message>
        <message>
            <source>The file being examined, or what the last scan found</source>
            <translation>El archivo que se está examinando, o lo que encontró el último análisis</translation>
        </message>
        <message>
            <source>Largest files</source>
            <translation>Archivos más grandes</translation>
        </message>
        <message>
            <source>The largest files found, biggest first: size and path</source>
            <translation>Los archivos más grandes encontrados, de mayor a menor: tamaño y ruta</translation>
        </message>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>-</source>
            <translation>-</translation>
        </message>
        <message>
            <source>ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Show in folder</source>
            <translation>Mostrar en la carpeta</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Mostrar</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>exit the app</source>
            <translation>Salir de la aplicación</translation>
        </message>
        <message>
            <source>%1 bytes</source>
            <translation>%1 bytes</translation>
        </message>
        <message>
            <source>Size(Mb)</source>
            <translation>Tamaño (MB)</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Ruta</translation>
        </message>
        <message>
            <source>There is NO file in your selected Dir!</source>
            <translation>¡No hay NINGÚN archivo en la carpeta elegida!</translation>
        </message>
        <message>
            <source>; %1 folder could not be read</source>
            <translation>; no se pudo leer %1 carpeta</translation>
        </message>
        <message numerus="yes">
            <source>; %1 folders could not be read</source>
            <translation>
                <numerusform>; no se pudo leer %1 carpeta</numerusform>
                <numerusform>; no se pudieron leer %1 carpetas</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 file</source>
            <translation>%1 archivo</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 archivo</numerusform>
                <numerusform>%1 archivos</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 s</source>
            <translation>%1 s</translation>
        </message>
        <message>
            <source>%1 min %2 s</source>
            <translation>%1 min %2 s</translation>
        </message>
        <message>
            <source>Scan Stopped.</source>
            <translation>Análisis detenido.</translation>
        </message>
        <message>
            <source>Scan Complete!</source>
            <translation>¡Análisis completado!</translation>
        </message>
        <message>
            <source> in </source>
            <translation> en </translation>
        </message>
        <message>
            <source>All Disks</source>
            <translation>Todos los discos</translation>
        </message>
        <message>
            <source>Custom Scan</source>
            <translation>Análisis personalizado</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Abrir carpeta</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation>… y %1 más</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Cambiar tamaño</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Detener</translation>
        </message>
        <message>
            <source>Out of memory. </source>
            <translation>Sin memoria. </translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Completado</translation>
        </message>
        <message>
            <source>The Scan is complete</source>
            <translation>El análisis ha terminado</translation>
        </message>
        <message>
            <source>Vastrel</source>
            <translation>Vastrel</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 de %2</translation>
        </message>
        <message>
            <source>No copies among the listed files</source>
            <translation>No hay copias entre los archivos listados</translation>
        </message>
        <message>
            <source>%1 set of copies; %2 could be freed by keeping one of each</source>
            <translation>%1 grupo de copias; se podrían liberar %2 conservando una de cada</translation>
        </message>
        <message numerus="yes">
            <source>%1 sets of copies; %2 could be freed by keeping one of each</source>
            <translation>
                <numerusform>%1 grupo de copias; se podrían liberar %2 conservando una de cada</numerusform>
                <numerusform>%1 grupos de copias; se podrían liberar %2 conservando una de cada</numerusform>
            </translation>
        </message>
        <message>
            <source>Folder list</source>
            <translation>Lista de carpetas</translation>
        </message>
        <message>
            <source>A list of folders kept aside; scans do not read it</source>
            <translation>Una lista de carpetas aparte; los análisis no la leen</translation>
        </message>
        <message>
            <source>Add folder</source>
            <translation>Añadir carpeta</translation>
        </message>
        <message>
            <source>Adds a folder to the list kept aside</source>
            <translation>Añade una carpeta a la lista aparte</translation>
        </message>
        <message>
            <source>Remove folder</source>
            <translation>Quitar carpeta</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list kept aside</source>
            <translation>Quita la carpeta elegida de la lista aparte</translation>
        </message>
        <message>
            <source>Hide results</source>
            <translation>Ocultar resultados</translation>
        </message>
        <message>
            <source>Shrinks the window back to its compact size</source>
            <translation>Devuelve la ventana a su tamaño compacto</translation>
        </message>
        <message>
            <source>%1 of %2 shown</source>
            <translation>%1 de %2 mostrados</translation>
        </message>
        <message>
            <source>Copies</source>
            <translation>Copias</translation>
        </message>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation>La copia que conserva «Seleccionar copias sobrantes». Las demás:</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation>Una copia sobrante. Las demás:</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation>Comparte su espacio en el disco con otra copia en lugar de desperdiciarlo: mover una de ellas a la papelera no libera nada.</translation>
        </message>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation>Nada que analizar: solo se pueden soltar carpetas de este equipo</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation>Hay un análisis en curso: deténgalo antes de soltar una carpeta</translation>
        </message>
        <message>
            <source>just now</source>
            <translation>justo ahora</translation>
        </message>
        <message>
            <source>1 minute ago</source>
            <translation>hace 1 minuto</translation>
        </message>
        <message>
            <source>%1 minutes ago</source>
            <translation>hace %1 minutos</translation>
        </message>
        <message>
            <source>1 hour ago</source>
            <translation>hace 1 hora</translation>
        </message>
        <message>
            <source>%1 hours ago</source>
            <translation>hace %1 horas</translation>
        </message>
        <message>
            <source>yesterday</source>
            <translation>ayer</translation>
        </message>
        <message>
            <source>%1 days ago</source>
            <translation>hace %1 días</translation>
        </message>
        <message>
            <source>1 month ago</source>
            <translation>hace 1 mes</translation>
        </message>
        <message>
            <source>%1 months ago</source>
            <translation>hace %1 meses</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation>(detenido antes de terminar)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation>Resultados del %1: %2 archivos, %3</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Proporción</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Archivos</translation>
        </message>
        <message>
            <source>Not known yet</source>
            <translation>Aún no se sabe</translation>
        </message>
        <message>
            <source>On disk</source>
            <translation>En disco</translation>
        </message>
        <message>
            <source>Frees</source>
            <translation>Libera</translation>
        </message>
    </context>
    <context>
        <name>folderdrop</name>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation type="vanished">Nada que analizar: solo se pueden soltar carpetas de este equipo</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation type="vanished">Hay un análisis en curso: deténgalo antes de soltar una carpeta</translation>
        </message>
    </context>
    <context>
        <name>historytext</name>
        <message>
            <source>just now</source>
            <translation type="vanished">justo ahora</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation type="vanished">(detenido antes de terminar)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation type="vanished">Resultados del %1: %2 archivos, %3</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>su ruta es demasiado larga para que Windows lo abra</translation>
        </message>
    </context>
    <context>
        <name>recyclebin</name>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation type="vanished">la Papelera de reciclaje no lo acepta; Windows lo habría eliminado definitivamente</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation type="vanished">la Papelera de reciclaje no lo acepta (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation type="vanished">la Papelera de reciclaje no lo aceptó</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation type="vanished">está en una unidad de red, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation type="vanished">no se encuentra su unidad</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation type="vanished">está en una unidad extraíble, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation type="vanished">está en una unidad óptica, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation type="vanished">está en un disco RAM, que no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation type="vanished">su unidad no tiene Papelera de reciclaje</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation type="vanished">no se puede acceder a la Papelera de reciclaje (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation type="vanished">su ruta es demasiado larga para la Papelera de reciclaje</translation>
        </message>
    </context>
</TS>
