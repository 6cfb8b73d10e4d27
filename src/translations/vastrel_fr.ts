<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
    <context>
        <name>CompareModel</name>
        <message>
            <source>Change</source>
            <translation>Changement</translation>
        </message>
        <message>
            <source>Then</source>
            <translation>Avant</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>Maintenant</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Différence</translation>
        </message>
        <message>
            <source>%</source>
            <translation>%</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Chemin</translation>
        </message>
    </context>
    <context>
        <name>CompareView</name>
        <message>
            <source>Changes among the listed files since the scan of %1, %2.</source>
            <translation>Changements parmi les fichiers listés depuis l’analyse du %1, %2.</translation>
        </message>
        <message>
            <source>A scan was stopped before its end (partial): files it did not reach may show as new or gone.</source>
            <translation>Une analyse a été arrêtée avant la fin (partielle) : les fichiers qu’elle n’a pas atteints peuvent apparaître comme nouveaux ou disparus.</translation>
        </message>
        <message>
            <source>No listed file changed.</source>
            <translation>Aucun fichier listé n’a changé.</translation>
        </message>
        <message>
            <source>Folders: these scans hold no folder totals to compare.</source>
            <translation>Dossiers : ces analyses ne contiennent pas de totaux par dossier à comparer.</translation>
        </message>
        <message>
            <source>Folders that changed most:</source>
            <translation>Dossiers qui ont le plus changé :</translation>
        </message>
    </context>
    <context>
        <name>Config</name>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Closes the settings window</source>
            <translation>Ferme la fenêtre des paramètres</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Basic</source>
            <translation>Général</translation>
        </message>
        <message>
            <source>The number of large files you want to find out</source>
            <translation>Nombre de gros fichiers à rechercher</translation>
        </message>
        <message>
            <source>Number of files to list</source>
            <translation>Nombre de fichiers à lister</translation>
        </message>
        <message>
            <source>How many of the largest files a scan lists, 1 to 10000</source>
            <translation>Combien des plus gros fichiers une analyse liste, de 1 à 10000</translation>
        </message>
        <message>
            <source>Asks the update server for a new version when Vastrel starts</source>
            <translation>Demande au serveur de mises à jour s’il existe une nouvelle version au démarrage de Vastrel</translation>
        </message>
        <message>
            <source>Check update when start up</source>
            <translation>Rechercher les mises à jour au démarrage</translation>
        </message>
        <message>
            <source>Saves the settings of this tab</source>
            <translation>Enregistre les paramètres de cet onglet</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>About Vastrel</source>
            <translation>À propos de Vastrel</translation>
        </message>
        <message>
            <source>What Vastrel is for</source>
            <translation>À quoi sert Vastrel</translation>
        </message>
        <message>
            <source>This tool can help you to find out the large file on you disk. It's very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!

Enjoy!

</source>
            <translation>Cet outil vous aide à trouver les gros fichiers de votre disque. Il est très utile quand vous voulez libérer de la place sans savoir quels fichiers l’occupent. C’est l’outil qu’il vous faut !

Bonne utilisation !

</translation>
        </message>
        <message>
            <source>Fedback</source>
            <translation>Votre avis</translation>
        </message>
        <message>
            <source>You can mail to:</source>
            <translation>Écrivez à :</translation>
        </message>
        <message>
            <source>OR,You can send a message:</source>
            <translation>Ou envoyez un message :</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>Message</translation>
        </message>
        <message>
            <source>Your Mail:</source>
            <translation>Votre adresse :</translation>
        </message>
        <message>
            <source>Your mail address</source>
            <translation>Votre adresse électronique</translation>
        </message>
        <message>
            <source>Where an answer to your message can be sent</source>
            <translation>Où envoyer une réponse à votre message</translation>
        </message>
        <message>
            <source>Your msg: </source>
            <translation>Votre message : </translation>
        </message>
        <message>
            <source>Your message</source>
            <translation>Votre message</translation>
        </message>
        <message>
            <source>The message sent to the developers</source>
            <translation>Le message envoyé aux développeurs</translation>
        </message>
        <message>
            <source>Sends the message to the developers</source>
            <translation>Envoie le message aux développeurs</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Envoyer</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Mise à jour</translation>
        </message>
        <message>
            <source>Current Version</source>
            <translation>Version actuelle</translation>
        </message>
        <message>
            <source>Asks the update server whether a new version exists</source>
            <translation>Demande au serveur de mises à jour s’il existe une nouvelle version</translation>
        </message>
        <message>
            <source>Check Update</source>
            <translation>Rechercher</translation>
        </message>
        <message>
            <source>Update Information</source>
            <translation>Informations de mise à jour</translation>
        </message>
        <message>
            <source>Opens the download page of the new version</source>
            <translation>Ouvre la page de téléchargement de la nouvelle version</translation>
        </message>
        <message>
            <source>Update Now</source>
            <translation>Mettre à jour</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>How to use Vastrel</source>
            <translation>Comment utiliser Vastrel</translation>
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
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;span style=" color:#0000ff;"&gt;ANALYSER&lt;/span&gt;:&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Tout se trouve dans la liste déroulante : choisissez ce que vous voulez, cliquez sur « Analyser » et attendez que le programme vous indique quels fichiers occupent votre espace.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Faites un clic droit sur un fichier listé et ouvrez son dossier pour décider si vous voulez le supprimer ou non.&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;Bonne utilisation !&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Not a web address, so it is not opened: %1</source>
            <translation>Ce n’est pas une adresse web, elle n’est donc pas ouverte : %1</translation>
        </message>
        <message>
            <source>Config</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Version:</source>
            <translation>Version :</translation>
        </message>
        <message>
            <source>1 character left</source>
            <translation>1 caractère restant</translation>
        </message>
        <message numerus="yes">
            <source>%1 characters left</source>
            <translation>
                <numerusform>%1 caractère restant</numerusform>
                <numerusform>%1 caractères restants</numerusform>
            </translation>
        </message>
        <message>
            <source>Already The Latest Version!</source>
            <translation>Vous avez déjà la dernière version !</translation>
        </message>
        <message>
            <source>Latest Version:</source>
            <translation>Dernière version :</translation>
        </message>
        <message>
            <source>Sorry.update server maintain.</source>
            <translation>Désolé, le serveur de mises à jour est en maintenance.</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>Envoyé !</translation>
        </message>
        <message>
            <source>The download page could not be opened: %1</source>
            <translation>Impossible d’ouvrir la page de téléchargement : %1</translation>
        </message>
        <message>
            <source>Keeps the results of past scans to show at start and to compare with</source>
            <translation>Conserve les résultats des analyses passées pour les afficher au démarrage et les comparer</translation>
        </message>
        <message>
            <source>Keep scan history</source>
            <translation>Conserver l’historique des analyses</translation>
        </message>
        <message>
            <source>Scans kept</source>
            <translation>Analyses conservées</translation>
        </message>
        <message>
            <source>How many scans of each target the history keeps</source>
            <translation>Nombre d’analyses de chaque cible que l’historique conserve</translation>
        </message>
        <message>
            <source> scans of each target</source>
            <translation> analyses par cible</translation>
        </message>
        <message>
            <source>Settings - Vastrel</source>
            <translation>Paramètres – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>CopyFinder</name>
        <message>
            <source>changed since the scan</source>
            <translation>modifié depuis l’analyse</translation>
        </message>
        <message>
            <source>changed while it was read</source>
            <translation>modifié pendant sa lecture</translation>
        </message>
    </context>
    <context>
        <name>CopyLookup</name>
        <message>
            <source>Find Copies</source>
            <translation>Trouver les copies</translation>
        </message>
        <message>
            <source>Compare the listed files and mark identical copies</source>
            <translation>Compare les fichiers listés et marque les copies identiques</translation>
        </message>
        <message>
            <source>Select Extra Copies</source>
            <translation>Sélectionner les copies en trop</translation>
        </message>
        <message>
            <source>Select every copy but one in each set: the one with the shortest path is kept, of those the oldest</source>
            <translation>Sélectionne toutes les copies sauf une dans chaque groupe : celle au chemin le plus court est gardée, et parmi elles la plus ancienne</translation>
        </message>
        <message>
            <source>Looking for copies stopped.</source>
            <translation>Recherche de copies arrêtée.</translation>
        </message>
        <message>
            <source>Looking for copies: %1 of %2 read</source>
            <translation>Recherche de copies : %1 sur %2 lus</translation>
        </message>
        <message>
            <source>; %1 file left out of the comparison</source>
            <translation> ; %1 fichier laissé hors de la comparaison</translation>
        </message>
        <message>
            <source>; %1 files left out of the comparison</source>
            <translation> ; %1 fichiers laissés hors de la comparaison</translation>
        </message>
    </context>
    <context>
        <name>CopyMarks</name>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation type="vanished">La copie gardée par « Sélectionner les copies en trop ». Les autres :</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation type="vanished">Une copie en trop. Les autres :</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation type="vanished">… et %1 autres</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation type="vanished">Elle partage son espace disque avec une autre copie au lieu de le gaspiller : mettre l’une d’elles à la corbeille ne libère rien.</translation>
        </message>
    </context>
    <context>
        <name>CustomDir</name>
        <message>
            <source>CustomDirectorySelect</source>
            <translation>Choisir les dossiers</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Closes the dialog without choosing folders</source>
            <translation>Ferme la boîte de dialogue sans choisir de dossier</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Dossiers</translation>
        </message>
        <message>
            <source>Tick the folders to scan</source>
            <translation>Cochez les dossiers à analyser</translation>
        </message>
        <message>
            <source>Adds a folder to the list</source>
            <translation>Ajoute un dossier à la liste</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Ouvrir un dossier</translation>
        </message>
        <message>
            <source>Custom Scan - Vastrel</source>
            <translation>Analyse personnalisée – Vastrel</translation>
        </message>
    </context>
    <context>
        <name>FilterField</name>
        <message>
            <source>Filter by path (Ctrl+F)</source>
            <translation>Filtrer par chemin (Ctrl+F)</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtre</translation>
        </message>
        <message>
            <source>Shows only the results whose path holds the typed text</source>
            <translation>N’affiche que les résultats dont le chemin contient le texte saisi</translation>
        </message>
    </context>
    <context>
        <name>HistoryDialog</name>
        <message>
            <source>Scan History</source>
            <translation>Historique des analyses</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Duration</source>
            <translation>Durée</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Fichiers</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Complète</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Stored scans of %1</source>
            <translation>Analyses enregistrées de %1</translation>
        </message>
        <message>
            <source>stopped (partial)</source>
            <translation>arrêtée (partielle)</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>complète</translation>
        </message>
    </context>
    <context>
        <name>HistoryViews</name>
        <message>
            <source>Compare</source>
            <translation>Comparaison</translation>
        </message>
        <message>
            <source>Compare with previous scan</source>
            <translation>Comparer avec l’analyse précédente</translation>
        </message>
        <message>
            <source>History…</source>
            <translation>Historique…</translation>
        </message>
    </context>
    <context>
        <name>HttpClient</name>
        <message>
            <source>%1 KiB</source>
            <translation>%1 Kio</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 octet</numerusform>
                <numerusform>%1 octets</numerusform>
            </translation>
        </message>
        <message>
            <source>The server's answer was too large (more than %1); it was cut off.</source>
            <translation>La réponse du serveur était trop volumineuse (plus de %1) ; elle a été tronquée.</translation>
        </message>
        <message>
            <source>The request timed out: no complete answer within %1 seconds.</source>
            <translation>La requête a expiré : aucune réponse complète en %1 secondes.</translation>
        </message>
        <message>
            <source>The server's answer is not HTTP.</source>
            <translation>La réponse du serveur n’est pas du HTTP.</translation>
        </message>
        <message>
            <source>The server closed the connection without answering.</source>
            <translation>Le serveur a fermé la connexion sans répondre.</translation>
        </message>
        <message>
            <source>The server closed the connection before the answer was complete.</source>
            <translation>Le serveur a fermé la connexion avant la fin de la réponse.</translation>
        </message>
    </context>
    <context>
        <name>Platform</name>
        <message>
            <source>it is no longer there</source>
            <translation>il n’existe plus</translation>
        </message>
        <message>
            <source>it is no longer a regular file</source>
            <translation>ce n’est plus un fichier ordinaire</translation>
        </message>
        <message>
            <source>its size changed since the scan</source>
            <translation>sa taille a changé depuis l’analyse</translation>
        </message>
        <message>
            <source>it was modified after the scan started</source>
            <translation>il a été modifié après le début de l’analyse</translation>
        </message>
        <message>
            <source>it changed since the scan: another file is at its path now</source>
            <translation>il a changé depuis l’analyse : un autre fichier se trouve maintenant à son emplacement</translation>
        </message>
        <message>
            <source>its size changed since the scan (%1 bytes, was %2)</source>
            <translation>sa taille a changé depuis l’analyse (%1 octets, contre %2 avant)</translation>
        </message>
        <message>
            <source>it is not a plain absolute path</source>
            <translation>ce n’est pas un simple chemin absolu</translation>
        </message>
        <message>
            <source>%1 cannot be opened (%2)</source>
            <translation>impossible d’ouvrir %1 (%2)</translation>
        </message>
        <message>
            <source>it changed since the scan: %1 is no longer the folder the scan went through</source>
            <translation>il a changé depuis l’analyse : %1 n’est plus le dossier que l’analyse a parcouru</translation>
        </message>
        <message>
            <source>the trash would not take it (the home trash cannot be made)</source>
            <translation>la corbeille ne l’accepte pas (impossible de créer la corbeille du dossier personnel)</translation>
        </message>
        <message>
            <source>the trash would not take it (there is no trash of yours on %1)</source>
            <translation>la corbeille ne l’accepte pas (vous n’avez pas de corbeille sur %1)</translation>
        </message>
        <message>
            <source>the trash would not take it (its folders cannot be made)</source>
            <translation>la corbeille ne l’accepte pas (impossible de créer ses dossiers)</translation>
        </message>
        <message>
            <source>the trash would not take it (%1)</source>
            <translation>la corbeille ne l’accepte pas (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it (the trash is on another file system)</source>
            <translation>la corbeille ne l’accepte pas (la corbeille est sur un autre système de fichiers)</translation>
        </message>
        <message>
            <source>the trash would not take it (no free name in the trash)</source>
            <translation>la corbeille ne l’accepte pas (aucun nom libre dans la corbeille)</translation>
        </message>
        <message>
            <source>no application is set up to open it</source>
            <translation>aucune application n’est configurée pour l’ouvrir</translation>
        </message>
        <message>
            <source>it does not exist</source>
            <translation>il n’existe pas</translation>
        </message>
        <message>
            <source>the application for it could not open it</source>
            <translation>l’application associée n’a pas pu l’ouvrir</translation>
        </message>
        <message>
            <source>the opener (xdg-open) ended with status %1</source>
            <translation>l’ouvreur (xdg-open) s’est terminé avec le code %1</translation>
        </message>
        <message>
            <source>the opener (xdg-open) crashed</source>
            <translation>l’ouvreur (xdg-open) a planté</translation>
        </message>
        <message>
            <source>the opener (xdg-open) could not be started</source>
            <translation>impossible de lancer l’ouvreur (xdg-open)</translation>
        </message>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>son chemin est trop long pour que Windows l’ouvre</translation>
        </message>
        <message>
            <source>it is no longer a folder</source>
            <translation>ce n’est plus un dossier</translation>
        </message>
        <message>
            <source>its entries changed after the scan started</source>
            <translation>son contenu a changé après le début de l’analyse</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>un autre système de fichiers y est monté</translation>
        </message>
        <message>
            <source>a file system is mounted inside it, at %1</source>
            <translation>un système de fichiers y est monté, sur %1</translation>
        </message>
        <message>
            <source>the trash would not take it: there is no trash of yours for its file system (%1)</source>
            <translation>la corbeille ne l’accepte pas : aucune corbeille à vous pour son système de fichiers (%1)</translation>
        </message>
        <message>
            <source>the trash would not take it: %1 is in the trash without its information file and would be replaced</source>
            <translation>la corbeille ne l’accepte pas : %1 s’y trouve sans son fichier d’informations et serait remplacé</translation>
        </message>
        <message>
            <source>the trash said it took it, but something is still at its path</source>
            <translation>la corbeille dit l’avoir pris, mais quelque chose se trouve encore à son emplacement</translation>
        </message>
        <message>
            <source>it changed since the scan: another folder is at its path now</source>
            <translation>il a changé depuis l’analyse : un autre dossier se trouve maintenant à son emplacement</translation>
        </message>
    </context>
    <context>
        <name>ResultActions</name>
        <message>
            <source>1 file</source>
            <translation>1 fichier</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 fichier</numerusform>
                <numerusform>%1 fichiers</numerusform>
            </translation>
        </message>
        <message>
            <source>1 byte</source>
            <translation>1 octet</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 octet</numerusform>
                <numerusform>%1 octets</numerusform>
            </translation>
        </message>
        <message>
            <source>Move 1 file, %1, to the trash?</source>
            <translation>Mettre 1 fichier (%1) à la corbeille ?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, to the trash?</source>
            <translation>Mettre %1, %2 au total, à la corbeille ?</translation>
        </message>
        <message numerus="yes">
            <source>and %1 more</source>
            <translation>
                <numerusform>et %1 autre</numerusform>
                <numerusform>et %1 autres</numerusform>
            </translation>
        </message>
        <message>
            <source>Nothing was moved to the trash</source>
            <translation>Rien n’a été mis à la corbeille</translation>
        </message>
        <message>
            <source>Moved %1, %2, to the trash</source>
            <translation>%1 (%2) mis à la corbeille</translation>
        </message>
        <message>
            <source>; 1 file was left where it is</source>
            <translation> ; 1 fichier est resté à sa place</translation>
        </message>
        <message>
            <source>; %1 were left where they are</source>
            <translation> ; %1 sont restés à leur place</translation>
        </message>
        <message>
            <source>This file was left where it is:</source>
            <translation>Ce fichier est resté à sa place :</translation>
        </message>
        <message>
            <source>These files were left where they are:</source>
            <translation>Ces fichiers sont restés à leur place :</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>Impossible d’ouvrir %1 : %2</translation>
        </message>
        <message>
            <source>Could not show %1 in a file manager: %2</source>
            <translation>Impossible d’afficher %1 dans un gestionnaire de fichiers : %2</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation>la Corbeille ne l’accepte pas ; Windows l’aurait supprimé définitivement</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation>la Corbeille ne l’accepte pas (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation>la Corbeille ne l’a pas accepté</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation>il se trouve sur un lecteur réseau, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation>son lecteur est introuvable</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation>il se trouve sur un lecteur amovible, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation>il se trouve sur un lecteur optique, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation>il se trouve sur un disque RAM, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation>son lecteur n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation>la Corbeille est inaccessible (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation>son chemin est trop long pour la Corbeille</translation>
        </message>
        <message>
            <source>1 other name remains: frees nothing</source>
            <translation>1 autre nom reste : ne libère rien</translation>
        </message>
        <message>
            <source>%1 other names remain: frees nothing</source>
            <translation>%1 autres noms restent : ne libère rien</translation>
        </message>
        <message>
            <source>frees %1</source>
            <translation>libère %1</translation>
        </message>
        <message>
            <source>This frees %1 on disk once the trash is emptied.</source>
            <translation>Cela libère %1 sur le disque une fois la corbeille vidée.</translation>
        </message>
        <message>
            <source>; the space comes back when the trash is emptied</source>
            <translation> ; l’espace revient une fois la corbeille vidée</translation>
        </message>
        <message>
            <source>1 folder</source>
            <translation>1 dossier</translation>
        </message>
        <message numerus="yes">
            <source>%1 folders</source>
            <translation>
                <numerusform>%1 dossier</numerusform>
                <numerusform>%1 dossiers</numerusform>
            </translation>
        </message>
        <message>
            <source>it is a folder the scan started from</source>
            <translation>c’est un dossier d’où l’analyse est partie</translation>
        </message>
        <message>
            <source>it holds %1, a folder the scan started from</source>
            <translation>il contient %1, un dossier d’où l’analyse est partie</translation>
        </message>
        <message>
            <source>about %1 on disk</source>
            <translation>environ %1 sur le disque</translation>
        </message>
        <message>
            <source>more in parts the scan could not read</source>
            <translation>davantage dans des parties que l’analyse n’a pas pu lire</translation>
        </message>
        <message>
            <source>Move 1 folder, %1, with everything in it to the trash?</source>
            <translation>Mettre 1 dossier (%1) et tout son contenu à la corbeille ?</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, with everything in them to the trash?</source>
            <translation>Mettre %1, %2 au total, et tout leur contenu à la corbeille ?</translation>
        </message>
        <message>
            <source>This frees about %1 on disk once the trash is emptied, as the scan counted it.</source>
            <translation>Cela libère environ %1 sur le disque une fois la corbeille vidée, selon le décompte de l’analyse.</translation>
        </message>
        <message>
            <source>; 1 folder was left where it is</source>
            <translation> ; 1 dossier est resté à sa place</translation>
        </message>
        <message>
            <source>This folder was left where it is:</source>
            <translation>Ce dossier est resté à sa place :</translation>
        </message>
        <message>
            <source>These folders were left where they are:</source>
            <translation>Ces dossiers sont restés à leur place :</translation>
        </message>
    </context>
    <context>
        <name>ResultsArea</name>
        <message>
            <source>Files</source>
            <translation>Fichiers</translation>
        </message>
        <message>
            <source>Views</source>
            <translation>Vues</translation>
        </message>
        <message>
            <source>Switches between the views of the same scan: files, folders, changes</source>
            <translation>Passe d’une vue à l’autre de la même analyse : fichiers, dossiers, changements</translation>
        </message>
        <message>
            <source>The largest files of the scan</source>
            <translation>Les plus gros fichiers de l’analyse</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Dossiers</translation>
        </message>
        <message>
            <source>The largest folders of the scan</source>
            <translation>Les plus gros dossiers de l’analyse</translation>
        </message>
    </context>
    <context>
        <name>ResultsMenu</name>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Copy Path</source>
            <translation>Copier le chemin</translation>
        </message>
        <message>
            <source>Move to Trash…</source>
            <translation>Mettre à la corbeille…</translation>
        </message>
        <message>
            <source>Save List…</source>
            <translation>Enregistrer la liste…</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>Mettre à la corbeille</translation>
        </message>
        <message>
            <source>Save List</source>
            <translation>Enregistrer la liste</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Saved the list to %1</source>
            <translation>Liste enregistrée dans %1</translation>
        </message>
        <message>
            <source>The list could not be saved to %1: %2</source>
            <translation>Impossible d’enregistrer la liste dans %1 : %2</translation>
        </message>
        <message>
            <source>This folder cannot be moved to the trash:</source>
            <translation>Ce dossier ne peut pas être mis à la corbeille :</translation>
        </message>
        <message>
            <source>These folders cannot be moved to the trash:</source>
            <translation>Ces dossiers ne peuvent pas être mis à la corbeille :</translation>
        </message>
    </context>
    <context>
        <name>ScanGroup</name>
        <message>
            <source>Scan</source>
            <translation>Analyse</translation>
        </message>
        <message>
            <source>Include hidden files and folders</source>
            <translation>Inclure les fichiers et dossiers cachés</translation>
        </message>
        <message>
            <source>Stay on one file system</source>
            <translation>Rester sur un seul système de fichiers</translation>
        </message>
        <message>
            <source>Skip network file systems</source>
            <translation>Ignorer les systèmes de fichiers réseau</translation>
        </message>
        <message>
            <source>Exclude folders</source>
            <translation>Exclure des dossiers</translation>
        </message>
        <message>
            <source>Excluded folders</source>
            <translation>Dossiers exclus</translation>
        </message>
        <message>
            <source>Folders that scans leave out</source>
            <translation>Dossiers que les analyses ignorent</translation>
        </message>
        <message>
            <source>Adds a folder that scans leave out</source>
            <translation>Ajoute un dossier que les analyses ignorent</translation>
        </message>
        <message>
            <source>Add…</source>
            <translation>Ajouter…</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list</source>
            <translation>Retire le dossier choisi de la liste</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Retirer</translation>
        </message>
        <message>
            <source>Only files larger than</source>
            <translation>Seulement les fichiers de plus de</translation>
        </message>
        <message>
            <source>Smallest size</source>
            <translation>Taille minimale</translation>
        </message>
        <message>
            <source>Files below this size are not listed</source>
            <translation>Les fichiers plus petits ne sont pas listés</translation>
        </message>
        <message>
            <source>Size unit</source>
            <translation>Unité de taille</translation>
        </message>
        <message>
            <source>bytes</source>
            <translation>octets</translation>
        </message>
        <message>
            <source>KB</source>
            <translation>Ko</translation>
        </message>
        <message>
            <source>MB</source>
            <translation>Mo</translation>
        </message>
        <message>
            <source>GB</source>
            <translation>Go</translation>
        </message>
        <message>
            <source>TB</source>
            <translation>To</translation>
        </message>
        <message>
            <source>Only these types</source>
            <translation>Seulement ces types</translation>
        </message>
        <message>
            <source>File types</source>
            <translation>Types de fichiers</translation>
        </message>
        <message>
            <source>File name extensions to list, separated by blanks</source>
            <translation>Extensions à lister, séparées par des espaces</translation>
        </message>
        <message>
            <source>mkv mp4 iso</source>
            <translation>mkv mp4 iso</translation>
        </message>
        <message>
            <source>Not modified for</source>
            <translation>Non modifiés depuis</translation>
        </message>
        <message>
            <source>Days without change</source>
            <translation>Jours sans modification</translation>
        </message>
        <message>
            <source>Only files not modified for this many days are listed</source>
            <translation>Seuls les fichiers non modifiés depuis ce nombre de jours sont listés</translation>
        </message>
        <message>
            <source> days</source>
            <translation> jours</translation>
        </message>
        <message>
            <source>Exclude folder</source>
            <translation>Exclure un dossier</translation>
        </message>
        <message>
            <source>Not file types, left out: %1</source>
            <translation>Pas des types de fichiers, ignorés : %1</translation>
        </message>
        <message>
            <source>Rank by</source>
            <translation>Classer par</translation>
        </message>
        <message>
            <source>file size</source>
            <translation>taille du fichier</translation>
        </message>
        <message>
            <source>space on disk</source>
            <translation>espace sur le disque</translation>
        </message>
    </context>
    <context>
        <name>ScanHistory</name>
        <message>
            <source>Scan history off: %1.</source>
            <translation>Historique des analyses désactivé : %1.</translation>
        </message>
        <message>
            <source>Scan history: %1; the results shown are not affected.</source>
            <translation>Historique des analyses : %1 ; les résultats affichés n’en sont pas affectés.</translation>
        </message>
    </context>
    <context>
        <name>StatusLine</name>
        <message>
            <source>Click for the list of folders that could not be read.</source>
            <translation>Cliquez pour voir la liste des dossiers illisibles.</translation>
        </message>
        <message>
            <source>Folders that could not be read</source>
            <translation>Dossiers illisibles</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>Click for the list of files left out of the comparison.</source>
            <translation>Cliquez pour voir la liste des fichiers laissés hors de la comparaison.</translation>
        </message>
        <message>
            <source>Folders that could not be read:</source>
            <translation>Dossiers illisibles :</translation>
        </message>
        <message>
            <source>Files left out of the comparison:</source>
            <translation>Fichiers laissés hors de la comparaison :</translation>
        </message>
        <message>
            <source>Click for the full lists.</source>
            <translation>Cliquez pour voir les listes complètes.</translation>
        </message>
        <message>
            <source>Files left out of the comparison</source>
            <translation>Fichiers laissés hors de la comparaison</translation>
        </message>
        <message>
            <source>Folders and files that could not be read</source>
            <translation>Dossiers et fichiers illisibles</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>Settings</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Opens the settings window</source>
            <translation>Ouvre la fenêtre des paramètres</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Réduire</translation>
        </message>
        <message>
            <source>Hides the window into the system tray</source>
            <translation>Masque la fenêtre dans la zone de notification</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Quits Vastrel</source>
            <translation>Quitte Vastrel</translation>
        </message>
        <message>
            <source>Scan target</source>
            <translation>Cible de l’analyse</translation>
        </message>
        <message>
            <source>What the next scan walks: all disks, one disk or a list of folders</source>
            <translation>Ce que la prochaine analyse parcourt : tous les disques, un disque ou une liste de dossiers</translation>
        </message>
        <message>
            <source>Starts a scan of the chosen target, or stops the running one</source>
            <translation>Lance l’analyse de la cible choisie ou arrête celle en cours</translation>
        </message>
        <message>
            <source>Scan</source>
            <translation>Analyser</translation>
        </message>
        <message>
            <source>Files and bytes counted so far</source>
            <translation>Fichiers et octets comptés jusqu’ici</translation>
        </message>
        <message>
            <source>The file being examined, or what the last scan found</source>
            <translation>Le fichier en cours d’examen, ou le résultat de la dernière analyse</translation>
        </message>
        <message>
            <source>Largest files</source>
            <translation>Plus gros fichiers</translation>
        </message>
        <message>
            <source>The largest files found, biggest first: size and path</source>
            <translation>Les plus gros fichiers trouvés, du plus gros au plus petit : taille et chemin</translation>
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
            <translation>Afficher dans le dossier</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Afficher</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>exit the app</source>
            <translation>Quitter l’application</translation>
        </message>
        <message>
            <source>%1 bytes</source>
            <translation>%1 octets</translation>
        </message>
        <message>
            <source>Size(Mb)</source>
            <translation>Taille (Mo)</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Chemin</translation>
        </message>
        <message>
            <source>There is NO file in your selected Dir!</source>
            <translation>Il n’y a AUCUN fichier dans le dossier choisi !</translation>
        </message>
        <message>
            <source>; %1 folder could not be read</source>
            <translation> ; %1 dossier n’a pas pu être lu</translation>
        </message>
        <message numerus="yes">
            <source>; %1 folders could not be read</source>
            <translation>
                <numerusform> ; %1 dossier n’a pas pu être lu</numerusform>
                <numerusform> ; %1 dossiers n’ont pas pu être lus</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 file</source>
            <translation>%1 fichier</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 fichier</numerusform>
                <numerusform>%1 fichiers</numerusform>
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
            <translation>Analyse arrêtée.</translation>
        </message>
        <message>
            <source>Scan Complete!</source>
            <translation>Analyse terminée !</translation>
        </message>
        <message>
            <source> in </source>
            <translation> en </translation>
        </message>
        <message>
            <source>All Disks</source>
            <translation>Tous les disques</translation>
        </message>
        <message>
            <source>Custom Scan</source>
            <translation>Analyse personnalisée</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Ouvrir un dossier</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation>… et %1 autres</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Redimensionner</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>Out of memory. </source>
            <translation>Mémoire épuisée. </translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>The Scan is complete</source>
            <translation>L’analyse est terminée</translation>
        </message>
        <message>
            <source>Vastrel</source>
            <translation>Vastrel</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 sur %2</translation>
        </message>
        <message>
            <source>No copies among the listed files</source>
            <translation>Aucune copie parmi les fichiers listés</translation>
        </message>
        <message>
            <source>%1 set of copies; %2 could be freed by keeping one of each</source>
            <translation>%1 groupe de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun</translation>
        </message>
        <message numerus="yes">
            <source>%1 sets of copies; %2 could be freed by keeping one of each</source>
            <translation>
                <numerusform>%1 groupe de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun</numerusform>
                <numerusform>%1 groupes de copies ; %2 pourraient être libérés en gardant un exemplaire de chacun</numerusform>
            </translation>
        </message>
        <message>
            <source>Folder list</source>
            <translation>Liste de dossiers</translation>
        </message>
        <message>
            <source>A list of folders kept aside; scans do not read it</source>
            <translation>Une liste de dossiers mise de côté ; les analyses ne la lisent pas</translation>
        </message>
        <message>
            <source>Add folder</source>
            <translation>Ajouter un dossier</translation>
        </message>
        <message>
            <source>Adds a folder to the list kept aside</source>
            <translation>Ajoute un dossier à la liste mise de côté</translation>
        </message>
        <message>
            <source>Remove folder</source>
            <translation>Retirer le dossier</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list kept aside</source>
            <translation>Retire le dossier choisi de la liste mise de côté</translation>
        </message>
        <message>
            <source>Hide results</source>
            <translation>Masquer les résultats</translation>
        </message>
        <message>
            <source>Shrinks the window back to its compact size</source>
            <translation>Ramène la fenêtre à sa taille compacte</translation>
        </message>
        <message>
            <source>%1 of %2 shown</source>
            <translation>%1 sur %2 affichés</translation>
        </message>
        <message>
            <source>Copies</source>
            <translation>Copies</translation>
        </message>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation>La copie gardée par « Sélectionner les copies en trop ». Les autres :</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation>Une copie en trop. Les autres :</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation>Elle partage son espace disque avec une autre copie au lieu de le gaspiller : mettre l’une d’elles à la corbeille ne libère rien.</translation>
        </message>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation>Rien à analyser : seuls des dossiers de cet ordinateur peuvent être déposés</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation>Une analyse est en cours : arrêtez-la avant de déposer un dossier</translation>
        </message>
        <message>
            <source>just now</source>
            <translation>à l’instant</translation>
        </message>
        <message>
            <source>1 minute ago</source>
            <translation>il y a 1 minute</translation>
        </message>
        <message>
            <source>%1 minutes ago</source>
            <translation>il y a %1 minutes</translation>
        </message>
        <message>
            <source>1 hour ago</source>
            <translation>il y a 1 heure</translation>
        </message>
        <message>
            <source>%1 hours ago</source>
            <translation>il y a %1 heures</translation>
        </message>
        <message>
            <source>yesterday</source>
            <translation>hier</translation>
        </message>
        <message>
            <source>%1 days ago</source>
            <translation>il y a %1 jours</translation>
        </message>
        <message>
            <source>1 month ago</source>
            <translation>il y a 1 mois</translation>
        </message>
        <message>
            <source>%1 months ago</source>
            <translation>il y a %1 mois</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation>(arrêtée avant la fin)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation>Résultats du %1 : %2 fichiers, %3</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Part</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>Fichiers</translation>
        </message>
        <message>
            <source>Not known yet</source>
            <translation>Pas encore connu</translation>
        </message>
        <message>
            <source>On disk</source>
            <translation>Sur le disque</translation>
        </message>
        <message>
            <source>Frees</source>
            <translation>Libère</translation>
        </message>
    </context>
    <context>
        <name>folderdrop</name>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation type="vanished">Rien à analyser : seuls des dossiers de cet ordinateur peuvent être déposés</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation type="vanished">Une analyse est en cours : arrêtez-la avant de déposer un dossier</translation>
        </message>
    </context>
    <context>
        <name>historytext</name>
        <message>
            <source>just now</source>
            <translation type="vanished">à l’instant</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation type="vanished">(arrêtée avant la fin)</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation type="vanished">Résultats du %1 : %2 fichiers, %3</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>son chemin est trop long pour que Windows l’ouvre</translation>
        </message>
    </context>
    <context>
        <name>recyclebin</name>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation type="vanished">la Corbeille ne l’accepte pas ; Windows l’aurait supprimé définitivement</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation type="vanished">la Corbeille ne l’accepte pas (%1)</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation type="vanished">la Corbeille ne l’a pas accepté</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation type="vanished">il se trouve sur un lecteur réseau, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation type="vanished">son lecteur est introuvable</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation type="vanished">il se trouve sur un lecteur amovible, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation type="vanished">il se trouve sur un lecteur optique, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation type="vanished">il se trouve sur un disque RAM, qui n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation type="vanished">son lecteur n’a pas de Corbeille</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation type="vanished">la Corbeille est inaccessible (%1)</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation type="vanished">son chemin est trop long pour la Corbeille</translation>
        </message>
    </context>
</TS>
