<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
    <context>
        <name>CompareModel</name>
        <message>
            <source>Change</source>
            <translation>Änderung</translation>
        </message>
        <message>
            <source>Then</source>
            <translation>Vorher</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>Jetzt</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Unterschied</translation>
        </message>
        <message>
            <source>%</source>
            <translation>%</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Pfad</translation>
        </message>
    </context>
    <context>
        <name>CompareView</name>
        <message>
            <source>Changes among the listed files since the scan of %1, %2.</source>
            <translation>Änderungen unter den aufgeführten Dateien seit der Suche vom %1, %2.</translation>
        </message>
        <message>
            <source>A scan was stopped before its end (partial): files it did not reach may show as new or gone.</source>
            <translation>Eine Suche wurde vor ihrem Ende angehalten (unvollständig): Dateien, die sie nicht erreicht hat, können als neu oder verschwunden erscheinen.</translation>
        </message>
        <message>
            <source>No listed file changed.</source>
            <translation>Keine aufgeführte Datei hat sich geändert.</translation>
        </message>
        <message>
            <source>Folders: these scans hold no folder totals to compare.</source>
            <translation>Ordner: diese Suchen enthalten keine Ordnersummen zum Vergleichen.</translation>
        </message>
        <message>
            <source>Folders that changed most:</source>
            <translation>Ordner mit den größten Änderungen:</translation>
        </message>
    </context>
    <context>
        <name>Config</name>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Closes the settings window</source>
            <translation>Schließt das Einstellungsfenster</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Basic</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>The number of large files you want to find out</source>
            <translation>Anzahl der großen Dateien, die aufgeführt werden</translation>
        </message>
        <message>
            <source>Number of files to list</source>
            <translation>Anzahl aufgeführter Dateien</translation>
        </message>
        <message>
            <source>How many of the largest files a scan lists, 1 to 10000</source>
            <translation>Wie viele der größten Dateien eine Suche aufführt, 1 bis 10000</translation>
        </message>
        <message>
            <source>Asks the update server for a new version when Vastrel starts</source>
            <translation>Fragt beim Start von Vastrel den Aktualisierungsserver nach einer neuen Version</translation>
        </message>
        <message>
            <source>Check update when start up</source>
            <translation>Beim Start nach Aktualisierungen suchen</translation>
        </message>
        <message>
            <source>Saves the settings of this tab</source>
            <translation>Speichert die Einstellungen dieser Seite</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>About Vastrel</source>
            <translation>Über Vastrel</translation>
        </message>
        <message>
            <source>What Vastrel is for</source>
            <translation>Wofür Vastrel da ist</translation>
        </message>
        <message>
            <source>This tool can help you to find out the large file on you disk. It's very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!

Enjoy!

</source>
            <translation>Dieses Programm findet die großen Dateien auf Ihrer Festplatte. Es hilft, wenn Sie Platz schaffen wollen, aber nicht wissen, welche Dateien ihn belegen. Genau das richtige Werkzeug dafür!

Viel Spaß!

</translation>
        </message>
        <message>
            <source>Fedback</source>
            <translation>Feedback</translation>
        </message>
        <message>
            <source>You can mail to:</source>
            <translation>Schreiben Sie an:</translation>
        </message>
        <message>
            <source>OR,You can send a message:</source>
            <translation>Oder senden Sie eine Nachricht:</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>Nachricht</translation>
        </message>
        <message>
            <source>Your Mail:</source>
            <translation>Ihre E-Mail:</translation>
        </message>
        <message>
            <source>Your mail address</source>
            <translation>Ihre E-Mail-Adresse</translation>
        </message>
        <message>
            <source>Where an answer to your message can be sent</source>
            <translation>Wohin eine Antwort auf Ihre Nachricht gehen kann</translation>
        </message>
        <message>
            <source>Your msg: </source>
            <translation>Ihre Nachricht: </translation>
        </message>
        <message>
            <source>Your message</source>
            <translation>Ihre Nachricht</translation>
        </message>
        <message>
            <source>The message sent to the developers</source>
            <translation>Die Nachricht an die Entwickler</translation>
        </message>
        <message>
            <source>Sends the message to the developers</source>
            <translation>Sendet die Nachricht an die Entwickler</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Senden</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Updates</translation>
        </message>
        <message>
            <source>Current Version</source>
            <translation>Installierte Version</translation>
        </message>
        <message>
            <source>Asks the update server whether a new version exists</source>
            <translation>Fragt den Aktualisierungsserver, ob es eine neue Version gibt</translation>
        </message>
        <message>
            <source>Check Update</source>
            <translation>Nach Aktualisierung suchen</translation>
        </message>
        <message>
            <source>Update Information</source>
            <translation>Aktualisierungsinformationen</translation>
        </message>
        <message>
            <source>Opens the download page of the new version</source>
            <translation>Öffnet die Download-Seite der neuen Version</translation>
        </message>
        <message>
            <source>Update Now</source>
            <translation>Jetzt aktualisieren</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>How to use Vastrel</source>
            <translation>So wird Vastrel benutzt</translation>
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
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;span style=" color:#0000ff;"&gt;SUCHEN&lt;/span&gt;:&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Alles steht in der Auswahlliste: wählen Sie, was Sie möchten, klicken Sie auf „Suchen“ und warten Sie, bis das Programm Ihnen zeigt, welche Dateien Ihren Platz belegen.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Klicken Sie mit der rechten Maustaste auf eine aufgeführte Datei und öffnen Sie ihren Ordner, um zu entscheiden, ob Sie sie löschen möchten.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Viel Spaß!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Not a web address, so it is not opened: %1</source>
            <translation>Keine Webadresse, daher nicht geöffnet: %1</translation>
        </message>
        <message>
            <source>Config</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Version:</source>
            <translation>Version:</translation>
        </message>
        <message>
            <source>1 character left</source>
            <translation>Noch 1 Zeichen</translation>
        </message>
        <message numerus="yes">
            <source>%1 characters left</source>
            <translation>
                <numerusform>Noch %1 Zeichen</numerusform>
                <numerusform>Noch %1 Zeichen</numerusform>
            </translation>
        </message>
        <message>
            <source>Already The Latest Version!</source>
            <translation>Das ist bereits die neueste Version!</translation>
        </message>
        <message>
            <source>Latest Version:</source>
            <translation>Neueste Version:</translation>
        </message>
        <message>
            <source>Sorry.update server maintain.</source>
            <translation>Der Aktualisierungsserver wird gerade gewartet.</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>Gesendet!</translation>
        </message>
        <message>
            <source>The download page could not be opened: %1</source>
            <translation>Die Download-Seite konnte nicht geöffnet werden: %1</translation>
        </message>
        <message>
            <source>Keeps the results of past scans to show at start and to compare with</source>
            <translation>Bewahrt die Ergebnisse früherer Suchen auf, um sie beim Start zu zeigen und mit ihnen zu vergleichen</translation>
        </message>
        <message>
            <source>Keep scan history</source>
            <translation>Suchverlauf aufbewahren</translation>
        </message>
        <message>
            <source>Scans kept</source>
            <translation>Aufbewahrte Suchen</translation>
        </message>
        <message>
            <source>How many scans of each target the history keeps</source>
            <translation>Wie viele Suchen je Ziel der Verlauf aufbewahrt</translation>
        </message>
        <message>
            <source> scans of each target</source>
            <translation> Suchen je Ziel</translation>
        </message>
        <message>
            <source>Settings - Vastrel</source>
            <translation>Einstellungen – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>CopyFinder</name>
        <message>
            <source>changed since the scan</source>
            <translation>seit der Suche geändert</translation>
        </message>
        <message>
            <source>changed while it was read</source>
            <translation>beim Lesen geändert</translation>
        </message>
    </context>
    <context>
        <name>CopyLookup</name>
        <message>
            <source>Find Copies</source>
            <translation>Kopien finden</translation>
        </message>
        <message>
            <source>Compare the listed files and mark identical copies</source>
            <translation>Vergleicht die aufgeführten Dateien und markiert identische Kopien</translation>
        </message>
        <message>
            <source>Select Extra Copies</source>
            <translation>Überzählige Kopien auswählen</translation>
        </message>
        <message>
            <source>Select every copy but one in each set: the one with the shortest path is kept, of those the oldest</source>
            <translation>Wählt in jeder Gruppe alle Kopien bis auf eine aus: behalten wird die mit dem kürzesten Pfad, unter diesen die älteste</translation>
        </message>
        <message>
            <source>Looking for copies stopped.</source>
            <translation>Suche nach Kopien angehalten.</translation>
        </message>
        <message>
            <source>Looking for copies: %1 of %2 read</source>
            <translation>Suche nach Kopien: %1 von %2 gelesen</translation>
        </message>
        <message>
            <source>; %1 file left out of the comparison</source>
            <translation>; %1 Datei beim Vergleich ausgelassen</translation>
        </message>
        <message>
            <source>; %1 files left out of the comparison</source>
            <translation>; %1 Dateien beim Vergleich ausgelassen</translation>
        </message>
    </context>
    <context>
        <name>CopyMarks</name>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation type="vanished">Die Kopie, die „Überzählige Kopien auswählen“ behält. Die anderen:</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation type="vanished">Eine überzählige Kopie. Die anderen:</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation type="vanished">… und %1 weitere</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation type="vanished">Sie teilt sich ihren Platz auf dem Datenträger mit einer anderen Kopie, statt ihn zu verschwenden: eine davon in den Papierkorb zu verschieben, gibt nichts frei.</translation>
        </message>
    </context>
    <context>
        <name>CustomDir</name>
        <message>
            <source>CustomDirectorySelect</source>
            <translation>Ordner auswählen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Closes the dialog without choosing folders</source>
            <translation>Schließt den Dialog, ohne Ordner zu wählen</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>Tick the folders to scan</source>
            <translation>Die zu durchsuchenden Ordner ankreuzen</translation>
        </message>
        <message>
            <source>Adds a folder to the list</source>
            <translation>Fügt der Liste einen Ordner hinzu</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Ordner öffnen</translation>
        </message>
        <message>
            <source>Custom Scan - Vastrel</source>
            <translation>Eigene Auswahl – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>FilterField</name>
        <message>
            <source>Filter by path (Ctrl+F)</source>
            <translation>Nach Pfad filtern (Strg+F)</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filter</translation>
        </message>
        <message>
            <source>Shows only the results whose path holds the typed text</source>
            <translation>Zeigt nur die Ergebnisse, deren Pfad den eingegebenen Text enthält</translation>
        </message>
    </context>
    <context>
        <name>HistoryDialog</name>
        <message>
            <source>Scan History</source>
            <translation>Suchverlauf</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Duration</source>
            <translation>Dauer</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Dateien</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Vollständig</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Stored scans of %1</source>
            <translation>Gespeicherte Suchen in %1</translation>
        </message>
        <message>
            <source>stopped (partial)</source>
            <translation>angehalten (unvollständig)</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>vollständig</translation>
        </message>
    </context>
    <context>
        <name>HistoryViews</name>
        <message>
            <source>Compare</source>
            <translation>Vergleich</translation>
        </message>
        <message>
            <source>Compare with previous scan</source>
            <translation>Mit vorheriger Suche vergleichen</translation>
        </message>
        <message>
            <source>History…</source>
            <translation>Verlauf …</translation>
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
                <numerusform>%1 Byte</numerusform>
                <numerusform>%1 Bytes</numerusform>
            </translation>
        </message>
        <message>
            <source>The server's answer was too large (more than %1); it was cut off.</source>
            <translation>Die Antwort des Servers war zu groß (mehr als %1); sie wurde abgeschnitten.</translation>
        </message>
        <message>
            <source>The request timed out: no complete answer within %1 seconds.</source>
            <translation>Zeitüberschreitung der Anfrage: keine vollständige Antwort innerhalb von %1 Sekunden.</translation>
        </message>
        <message>
            <source>The server's answer is not HTTP.</source>
            <translation>Die Antwort des Servers ist kein HTTP.</translation>
        </message>
        <message>
            <source>The server closed the connection without answering.</source>
            <translation>Der Server hat die Verbindung ohne Antwort geschlossen.</translation>
        </message>
        <message>
            <source>The server closed the connection before the answer was complete.</source>
            <translation>Der Server hat die Verbindung geschlossen, bevor die Antwort vollständig war.</translation>
        </message>
    </context>
    <context>
        <name>Platform</name>
        <message>
            <source>it is no longer there</source>
            <translation>sie ist nicht mehr vorhanden</translation>
        </message>
        <message>
            <source>it is no longer a regular file</source>
            <translation>sie ist keine gewöhnliche Datei mehr</translation>
        </message>
        <message>
            <source>its size changed since the scan</source>
            <translation>ihre Größe hat sich seit der Suche geändert</translation>
        </message>
        <message>
            <source>it was modified after the scan started</source>
            <translation>sie wurde nach Beginn der Suche geändert</translation>
        </message>
        <message>
            <source>it changed since the scan: another file is at its path now</source>
            <translation>sie hat sich seit der Suche geändert: unter ihrem Pfad liegt jetzt eine andere Datei</translation>
        </message>
        <message>
            <source>its size changed since the scan (%1 bytes, was %2)</source>
            <translation>ihre Größe hat sich seit der Suche geändert (%1 Bytes, vorher %2)</translation>
        </message>
        <message>
            <source>it is not a plain absolute path</source>
            <translation>es ist kein einfacher absoluter Pfad</translation>
        </message>
        <message>
            <source>%1 cannot be opened (%2)</source>
            <translation>%1 kann nicht geöffnet werden (%2)</translation>
        </message>
        <message>
            <source>it changed since the scan: %1 is no longer the folder the scan went through</source>
            <translation>sie hat sich seit der Suche geändert: %1 ist nicht mehr der Ordner, den die Suche durchlaufen hat</translation>
        </message>
        <message>
            <source>the trash would not take it (the home trash cannot be made)</source>
            <translation>der Papierkorb nimmt sie nicht an (der Papierkorb im Benutzerordner kann nicht angelegt werden)</translation>
        </message>
        <message>
            <source>the trash would not take it (there is no trash of yours on %1)</source>
            <translation>der Papierkorb nimmt sie nicht an (auf %1 gibt es keinen Papierkorb für Sie)</translation>
        </message>
        <message>
            <source>the trash would not take it (its folders cannot be made)</source>
            <translation>der Papierkorb nimmt sie nicht an (seine Ordner können nicht angelegt werden)</translation>
        </message>
        <message>
            <source>the trash would not take it (%1)</source>
            <translation>der Papierkorb nimmt sie nicht an (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it (the trash is on another file system)</source>
            <translation>der Papierkorb nimmt sie nicht an (der Papierkorb liegt auf einem anderen Dateisystem)</translation>
        </message>
        <message>
            <source>the trash would not take it (no free name in the trash)</source>
            <translation>der Papierkorb nimmt sie nicht an (im Papierkorb ist kein Name mehr frei)</translation>
        </message>
        <message>
            <source>no application is set up to open it</source>
            <translation>kein Programm ist zum Öffnen eingerichtet</translation>
        </message>
        <message>
            <source>it does not exist</source>
            <translation>sie existiert nicht</translation>
        </message>
        <message>
            <source>the application for it could not open it</source>
            <translation>das zuständige Programm konnte sie nicht öffnen</translation>
        </message>
        <message>
            <source>the opener (xdg-open) ended with status %1</source>
            <translation>das Öffnungsprogramm (xdg-open) endete mit Status %1</translation>
        </message>
        <message>
            <source>the opener (xdg-open) crashed</source>
            <translation>das Öffnungsprogramm (xdg-open) ist abgestürzt</translation>
        </message>
        <message>
            <source>the opener (xdg-open) could not be started</source>
            <translation>das Öffnungsprogramm (xdg-open) konnte nicht gestartet werden</translation>
        </message>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>sein Pfad ist zu lang, als dass Windows ihn öffnen könnte</translation>
        </message>
        <message>
            <source>it is no longer a folder</source>
            <translation>es ist kein Ordner mehr</translation>
        </message>
        <message>
            <source>its entries changed after the scan started</source>
            <translation>sein Inhalt hat sich nach Beginn der Suche geändert</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>darauf ist ein anderes Dateisystem eingehängt</translation>
        </message>
        <message>
            <source>a file system is mounted inside it, at %1</source>
            <translation>darin ist ein Dateisystem eingehängt, unter %1</translation>
        </message>
        <message>
            <source>the trash would not take it: there is no trash of yours for its file system (%1)</source>
            <translation>der Papierkorb nimmt es nicht an: für sein Dateisystem gibt es keinen Papierkorb von Ihnen (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it: %1 is in the trash without its information file and would be replaced</source>
            <translation>der Papierkorb nimmt es nicht an: %1 liegt ohne Informationsdatei im Papierkorb und würde ersetzt</translation>
        </message>
        <message>
            <source>the trash said it took it, but something is still at its path</source>
            <translation>der Papierkorb meldet es als aufgenommen, aber unter seinem Pfad liegt noch etwas</translation>
        </message>
        <message>
            <source>it changed since the scan: another folder is at its path now</source>
            <translation>es hat sich seit der Suche geändert: unter seinem Pfad liegt jetzt ein anderer Ordner</translation>
        </message>
    </context>
    <context>
        <name>ResultActions</name>
        <message>
            <source>1 file</source>
            <translation>1 Datei</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 Datei</numerusform>
                <numerusform>%1 Dateien</numerusform>
            </translation>
        </message>
        <message>
            <source>1 byte</source>
            <translation>1 Byte</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 Byte</numerusform>
                <numerusform>%1 Bytes</numerusform>
            </translation>
        </message>
        <message>
            <source>Move 1 file, %1, to the trash?</source>
            <translation>1 Datei (%1) in den Papierkorb verschieben?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, to the trash?</source>
            <translation>%1 mit insgesamt %2 in den Papierkorb verschieben?</translation>
        </message>
        <message numerus="yes">
            <source>and %1 more</source>
            <translation>
                <numerusform>und %1 weitere</numerusform>
                <numerusform>und %1 weitere</numerusform>
            </translation>
        </message>
        <message>
            <source>Nothing was moved to the trash</source>
            <translation>Nichts wurde in den Papierkorb verschoben</translation>
        </message>
        <message>
            <source>Moved %1, %2, to the trash</source>
            <translation>%1 (%2) in den Papierkorb verschoben</translation>
        </message>
        <message>
            <source>; 1 file was left where it is</source>
            <translation>; 1 Datei blieb, wo sie ist</translation>
        </message>
        <message>
            <source>; %1 were left where they are</source>
            <translation>; %1 blieben, wo sie sind</translation>
        </message>
        <message>
            <source>This file was left where it is:</source>
            <translation>Diese Datei blieb, wo sie ist:</translation>
        </message>
        <message>
            <source>These files were left where they are:</source>
            <translation>Diese Dateien blieben, wo sie sind:</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>%1 konnte nicht geöffnet werden: %2</translation>
        </message>
        <message>
            <source>Could not show %1 in a file manager: %2</source>
            <translation>%1 konnte nicht im Dateimanager angezeigt werden: %2</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation>der Papierkorb nimmt sie nicht an; Windows hätte sie endgültig gelöscht</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation>der Papierkorb nimmt sie nicht an (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation>der Papierkorb hat sie nicht angenommen</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation>sie liegt auf einem Netzlaufwerk, das keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation>ihr Laufwerk ist nicht zu finden</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation>sie liegt auf einem Wechseldatenträger, der keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation>sie liegt auf einem optischen Laufwerk, das keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation>sie liegt auf einer RAM-Disk, die keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation>ihr Laufwerk hat keinen Papierkorb</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation>der Papierkorb ist nicht erreichbar (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation>ihr Pfad ist zu lang für den Papierkorb</translation>
        </message>
        <message>
            <source>1 other name remains: frees nothing</source>
            <translation>1 weiterer Name bleibt: gibt nichts frei</translation>
        </message>
        <message>
            <source>%1 other names remain: frees nothing</source>
            <translation>%1 weitere Namen bleiben: gibt nichts frei</translation>
        </message>
        <message>
            <source>frees %1</source>
            <translation>gibt %1 frei</translation>
        </message>
        <message>
            <source>This frees %1 on disk once the trash is emptied.</source>
            <translation>Das gibt %1 auf dem Datenträger frei, sobald der Papierkorb geleert wird.</translation>
        </message>
        <message>
            <source>; the space comes back when the trash is emptied</source>
            <translation>; der Platz wird frei, wenn der Papierkorb geleert wird</translation>
        </message>
        <message>
            <source>1 folder</source>
            <translation>1 Ordner</translation>
        </message>
        <message numerus="yes">
            <source>%1 folders</source>
            <translation>
                <numerusform>%1 Ordner</numerusform>
                <numerusform>%1 Ordner</numerusform>
            </translation>
        </message>
        <message>
            <source>it is a folder the scan started from</source>
            <translation>die Suche hat in diesem Ordner begonnen</translation>
        </message>
        <message>
            <source>it holds %1, a folder the scan started from</source>
            <translation>er enthält %1, einen Ordner, in dem die Suche begonnen hat</translation>
        </message>
        <message>
            <source>about %1 on disk</source>
            <translation>etwa %1 auf dem Datenträger</translation>
        </message>
        <message>
            <source>more in parts the scan could not read</source>
            <translation>mehr in Teilen, die die Suche nicht lesen konnte</translation>
        </message>
        <message>
            <source>Move 1 folder, %1, with everything in it to the trash?</source>
            <translation>1 Ordner (%1) mit seinem gesamten Inhalt in den Papierkorb verschieben?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, with everything in them to the trash?</source>
            <translation>%1 mit insgesamt %2 samt Inhalt in den Papierkorb verschieben?</translation>
        </message>
        <message>
            <source>This frees about %1 on disk once the trash is emptied, as the scan counted it.</source>
            <translation>Das gibt nach dem Leeren des Papierkorbs etwa %1 auf dem Datenträger frei, wie die Suche gezählt hat.</translation>
        </message>
        <message>
            <source>; 1 folder was left where it is</source>
            <translation>; 1 Ordner blieb, wo er ist</translation>
        </message>
        <message>
            <source>This folder was left where it is:</source>
            <translation>Dieser Ordner blieb, wo er ist:</translation>
        </message>
        <message>
            <source>These folders were left where they are:</source>
            <translation>Diese Ordner blieben, wo sie sind:</translation>
        </message>
    </context>
    <context>
        <name>ResultsArea</name>
        <message>
            <source>Files</source>
            <translation>Dateien</translation>
        </message>
        <message>
            <source>Views</source>
            <translation>Ansichten</translation>
        </message>
        <message>
            <source>Switches between the views of the same scan: files, folders, changes</source>
            <translation>Wechselt zwischen den Ansichten derselben Suche: Dateien, Ordner, Änderungen</translation>
        </message>
        <message>
            <source>The largest files of the scan</source>
            <translation>Die größten Dateien der Suche</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>The largest folders of the scan</source>
            <translation>Die größten Ordner der Suche</translation>
        </message>
    </context>
    <context>
        <name>ResultsMenu</name>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Copy Path</source>
            <translation>Pfad kopieren</translation>
        </message>
        <message>
            <source>Move to Trash…</source>
            <translation>In den Papierkorb verschieben …</translation>
        </message>
        <message>
            <source>Save List…</source>
            <translation>Liste speichern …</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>In den Papierkorb verschieben</translation>
        </message>
        <message>
            <source>Save List</source>
            <translation>Liste speichern</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Saved the list to %1</source>
            <translation>Liste in %1 gespeichert</translation>
        </message>
        <message>
            <source>The list could not be saved to %1: %2</source>
            <translation>Die Liste konnte nicht in %1 gespeichert werden: %2</translation>
        </message>
        <message>
            <source>This folder cannot be moved to the trash:</source>
            <translation>Dieser Ordner kann nicht in den Papierkorb verschoben werden:</translation>
        </message>
        <message>
            <source>These folders cannot be moved to the trash:</source>
            <translation>Diese Ordner können nicht in den Papierkorb verschoben werden:</translation>
        </message>
    </context>
    <context>
        <name>ScanGroup</name>
        <message>
            <source>Scan</source>
            <translation>Suche</translation>
        </message>
        <message>
            <source>Include hidden files and folders</source>
            <translation>Versteckte Dateien und Ordner einbeziehen</translation>
        </message>
        <message>
            <source>Stay on one file system</source>
            <translation>Auf einem Dateisystem bleiben</translation>
        </message>
        <message>
            <source>Skip network file systems</source>
            <translation>Netzwerk-Dateisysteme überspringen</translation>
        </message>
        <message>
            <source>Exclude folders</source>
            <translation>Ordner ausschließen</translation>
        </message>
        <message>
            <source>Excluded folders</source>
            <translation>Ausgeschlossene Ordner</translation>
        </message>
        <message>
            <source>Folders that scans leave out</source>
            <translation>Ordner, die bei der Suche ausgelassen werden</translation>
        </message>
        <message>
            <source>Adds a folder that scans leave out</source>
            <translation>Fügt einen Ordner hinzu, der ausgelassen wird</translation>
        </message>
        <message>
            <source>Add…</source>
            <translation>Hinzufügen …</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list</source>
            <translation>Entfernt den gewählten Ordner aus der Liste</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Entfernen</translation>
        </message>
        <message>
            <source>Only files larger than</source>
            <translation>Nur Dateien größer als</translation>
        </message>
        <message>
            <source>Smallest size</source>
            <translation>Mindestgröße</translation>
        </message>
        <message>
            <source>Files below this size are not listed</source>
            <translation>Kleinere Dateien werden nicht aufgeführt</translation>
        </message>
        <message>
            <source>Size unit</source>
            <translation>Größeneinheit</translation>
        </message>
        <message>
            <source>bytes</source>
            <translation>Bytes</translation>
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
            <translation>Nur diese Typen</translation>
        </message>
        <message>
            <source>File types</source>
            <translation>Dateitypen</translation>
        </message>
        <message>
            <source>File name extensions to list, separated by blanks</source>
            <translation>Aufzuführende Dateiendungen, durch Leerzeichen getrennt</translation>
        </message>
        <message>
            <source>mkv mp4 iso</source>
            <translation>mkv mp4 iso</translation>
        </message>
        <message>
            <source>Not modified for</source>
            <translation>Nicht geändert seit</translation>
        </message>
        <message>
            <source>Days without change</source>
            <translation>Tage ohne Änderung</translation>
        </message>
        <message>
            <source>Only files not modified for this many days are listed</source>
            <translation>Nur Dateien, die so viele Tage nicht geändert wurden, werden aufgeführt</translation>
        </message>
        <message>
            <source> days</source>
            <translation> Tagen</translation>
        </message>
        <message>
            <source>Exclude folder</source>
            <translation>Ordner ausschließen</translation>
        </message>
        <message>
            <source>Not file types, left out: %1</source>
            <translation>Keine Dateitypen, ausgelassen: %1</translation>
        </message>
        <message>
            <source>Rank by</source>
            <translation>Ordnen nach</translation>
        </message>
        <message>
            <source>file size</source>
            <translation>Dateigröße</translation>
        </message>
        <message>
            <source>space on disk</source>
            <translation>Platz auf dem Datenträger</translation>
        </message>
    </context>
    <context>
        <name>ScanHistory</name>
        <message>
            <source>Scan history off: %1.</source>
            <translation>Suchverlauf aus: %1.</translation>
        </message>
        <message>
            <source>Scan history: %1; the results shown are not affected.</source>
            <translation>Suchverlauf: %1; die angezeigten Ergebnisse sind davon nicht betroffen.</translation>
        </message>
    </context>
    <context>
        <name>StatusLine</name>
        <message>
            <source>Click for the list of folders that could not be read.</source>
            <translation>Klicken für die Liste der nicht lesbaren Ordner.</translation>
        </message>
        <message>
            <source>Folders that could not be read</source>
            <translation>Nicht lesbare Ordner</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Click for the list of files left out of the comparison.</source>
            <translation>Klicken für die Liste der beim Vergleich ausgelassenen Dateien.</translation>
        </message>
        <message>
            <source>Folders that could not be read:</source>
            <translation>Nicht lesbare Ordner:</translation>
        </message>
        <message>
            <source>Files left out of the comparison:</source>
            <translation>Beim Vergleich ausgelassene Dateien:</translation>
        </message>
        <message>
            <source>Click for the full lists.</source>
            <translation>Klicken für die vollständigen Listen.</translation>
        </message>
        <message>
            <source>Files left out of the comparison</source>
            <translation>Beim Vergleich ausgelassene Dateien</translation>
        </message>
        <message>
            <source>Folders and files that could not be read</source>
            <translation>Nicht lesbare Ordner und Dateien</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Opens the settings window</source>
            <translation>Öffnet das Einstellungsfenster</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Minimieren</translation>
        </message>
        <message>
            <source>Hides the window into the system tray</source>
            <translation>Blendet das Fenster in den Systemabschnitt der Kontrollleiste aus</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Quits Vastrel</source>
            <translation>Beendet Vastrel</translation>
        </message>
        <message>
            <source>Scan target</source>
            <translation>Suchziel</translation>
        </message>
        <message>
            <source>What the next scan walks: all disks, one disk or a list of folders</source>
            <translation>Was die nächste Suche durchläuft: alle Laufwerke, ein Laufwerk oder eine Ordnerliste</translation>
        </message>
        <message>
            <source>Starts a scan of the chosen target, or stops the running one</source>
            <translation>Startet die Suche im gewählten Ziel oder hält die laufende an</translation>
        </message>
        <message>
            <source>Scan</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Files and bytes counted so far</source>
            <translation>Bisher gezählte Dateien und Bytes</translation>
        </message>
        <message>
            <source>The file being examined, or what the last scan found</source>
            <translation>Die gerade untersuchte Datei oder das Ergebnis der letzten Suche</translation>
        </message>
        <message>
            <source>Largest files</source>
            <translation>Größte Dateien</translation>
        </message>
        <message>
            <source>The largest files found, biggest first: size and path</source>
            <translation>Die größten gefundenen Dateien, die größte zuerst: Größe und Pfad</translation>
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
            <translation>Im Ordner anzeigen</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Anzeigen</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>exit the app</source>
            <translation>Programm beenden</translation>
        </message>
        <message>
            <source>%1 bytes</source>
            <translation>%1 Bytes</translation>
        </message>
        <message>
            <source>Size(Mb)</source>
            <translation>Größe (MB)</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Pfad</translation>
        </message>
        <message>
            <source>There is NO file in your selected Dir!</source>
            <translation>Im gewählten Ordner gibt es KEINE Datei!</translation>
        </message>
        <message>
            <source>; %1 folder could not be read</source>
            <translation>; %1 Ordner konnte nicht gelesen werden</translation>
        </message>
        <message numerus="yes">
            <source>; %1 folders could not be read</source>
            <translation>
                <numerusform>; %1 Ordner konnte nicht gelesen werden</numerusform>
                <numerusform>; %1 Ordner konnten nicht gelesen werden</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 file</source>
            <translation>%1 Datei</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 Datei</numerusform>
                <numerusform>%1 Dateien</numerusform>
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
            <translation>Suche angehalten.</translation>
        </message>
        <message>
            <source>Scan Complete!</source>
            <translation>Suche abgeschlossen!</translation>
        </message>
        <message>
            <source> in </source>
            <translation> in </translation>
        </message>
        <message>
            <source>All Disks</source>
            <translation>Alle Laufwerke</translation>
        </message>
        <message>
            <source>Custom Scan</source>
            <translation>Eigene Auswahl</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Ordner öffnen</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation>… und %1 weitere</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Größe ändern</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Anhalten</translation>
        </message>
        <message>
            <source>Out of memory. </source>
            <translation>Kein Speicher mehr. </translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>The Scan is complete</source>
            <translation>Die Suche ist abgeschlossen</translation>
        </message>
        <message>
            <source>Vastrel</source>
            <translation>Vastrel</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 von %2</translation>
        </message>
        <message>
            <source>No copies among the listed files</source>
            <translation>Keine Kopien unter den aufgeführten Dateien</translation>
        </message>
        <message>
            <source>%1 set of copies; %2 could be freed by keeping one of each</source>
            <translation>%1 Gruppe von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird</translation>
        </message>
        <message numerus="yes">
            <source>%1 sets of copies; %2 could be freed by keeping one of each</source>
            <translation>
                <numerusform>%1 Gruppe von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird</numerusform>
                <numerusform>%1 Gruppen von Kopien; %2 ließen sich freigeben, wenn je eine behalten wird</numerusform>
            </translation>
        </message>
        <message>
            <source>Folder list</source>
            <translation>Ordnerliste</translation>
        </message>
        <message>
            <source>A list of folders kept aside; scans do not read it</source>
            <translation>Eine beiseitegelegte Ordnerliste; die Suche liest sie nicht</translation>
        </message>
        <message>
            <source>Add folder</source>
            <translation>Ordner hinzufügen</translation>
        </message>
        <message>
            <source>Adds a folder to the list kept aside</source>
            <translation>Fügt der beiseitegelegten Liste einen Ordner hinzu</translation>
        </message>
        <message>
            <source>Remove folder</source>
            <translation>Ordner entfernen</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list kept aside</source>
            <translation>Entfernt den gewählten Ordner aus der beiseitegelegten Liste</translation>
        </message>
        <message>
            <source>Hide results</source>
            <translation>Ergebnisse ausblenden</translation>
        </message>
        <message>
            <source>Shrinks the window back to its compact size</source>
            <translation>Verkleinert das Fenster wieder auf die kompakte Größe</translation>
        </message>
        <message>
            <source>%1 of %2 shown</source>
            <translation>%1 von %2 angezeigt</translation>
        </message>
        <message>
            <source>Copies</source>
            <translation>Kopien</translation>
        </message>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation>Die Kopie, die „Überzählige Kopien auswählen“ behält. Die anderen:</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation>Eine überzählige Kopie. Die anderen:</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation>Sie teilt sich ihren Platz auf dem Datenträger mit einer anderen Kopie, statt ihn zu verschwenden: eine davon in den Papierkorb zu verschieben, gibt nichts frei.</translation>
        </message>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation>Nichts zu durchsuchen: nur Ordner auf diesem Computer können abgelegt werden</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation>Eine Suche läuft: halten Sie sie an, bevor Sie einen Ordner ablegen</translation>
        </message>
        <message>
            <source>just now</source>
            <translation>gerade eben</translation>
        </message>
        <message>
            <source>1 minute ago</source>
            <translation>vor 1 Minute</translation>
        </message>
        <message>
            <source>%1 minutes ago</source>
            <translation>vor %1 Minuten</translation>
        </message>
        <message>
            <source>1 hour ago</source>
            <translation>vor 1 Stunde</translation>
        </message>
        <message>
            <source>%1 hours ago</source>
            <translation>vor %1 Stunden</translation>
        </message>
        <message>
            <source>yesterday</source>
            <translation>gestern</translation>
        </message>
        <message>
            <source>%1 days ago</source>
            <translation>vor %1 Tagen</translation>
        </message>
        <message>
            <source>1 month ago</source>
            <translation>vor 1 Monat</translation>
        </message>
        <message>
            <source>%1 months ago</source>
            <translation>vor %1 Monaten</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation>(vor dem Ende angehalten)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation>Ergebnisse vom %1: %2 Dateien, %3</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Anteil</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Dateien</translation>
        </message>
        <message>
            <source>Not known yet</source>
            <translation>Noch nicht bekannt</translation>
        </message>
        <message>
            <source>On disk</source>
            <translation>Belegt</translation>
        </message>
        <message>
            <source>Frees</source>
            <translation>Gibt frei</translation>
        </message>
    </context>
    <context>
        <name>folderdrop</name>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation type="vanished">Nichts zu durchsuchen: nur Ordner auf diesem Computer können abgelegt werden</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation type="vanished">Eine Suche läuft: halten Sie sie an, bevor Sie einen Ordner ablegen</translation>
        </message>
    </context>
    <context>
        <name>historytext</name>
        <message>
            <source>just now</source>
            <translation type="vanished">gerade eben</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation type="vanished">(vor dem Ende angehalten)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation type="vanished">Ergebnisse vom %1: %2 Dateien, %3</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>ihr Pfad ist zu lang, als dass Windows sie öffnen könnte</translation>
        </message>
    </context>
    <context>
        <name>recyclebin</name>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation type="vanished">der Papierkorb nimmt sie nicht an; Windows hätte sie endgültig gelöscht</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation type="vanished">der Papierkorb nimmt sie nicht an (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation type="vanished">der Papierkorb hat sie nicht angenommen</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation type="vanished">sie liegt auf einem Netzlaufwerk, das keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation type="vanished">ihr Laufwerk ist nicht zu finden</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation type="vanished">sie liegt auf einem Wechseldatenträger, der keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation type="vanished">sie liegt auf einem optischen Laufwerk, das keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation type="vanished">sie liegt auf einer RAM-Disk, die keinen Papierkorb hat</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation type="vanished">ihr Laufwerk hat keinen Papierkorb</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation type="vanished">der Papierkorb ist nicht erreichbar (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation type="vanished">ihr Pfad ist zu lang für den Papierkorb</translation>
        </message>
    </context>
</TS>
