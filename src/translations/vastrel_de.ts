<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Config</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the settings window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of large files you want to find out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of files to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of the largest files a scan lists, 1 to 10000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks the update server for a new version when Vastrel starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check update when start up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the settings of this tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vastrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Vastrel is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This tool can help you to find out the large file on you disk. It&apos;s very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!

Enjoy!

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can mail to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR,You can send a message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where an answer to your message can be sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your msg: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message sent to the developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the message to the developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks the update server whether a new version exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the download page of the new version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use Vastrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;SimSun&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#0000ff;&quot;&gt;SCAN&lt;/span&gt;:&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Everything is in the combobox.just select what you want,then push scan,wait the program tell you which file eats your space.&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Right click the file listed, go to the folder, to see if you want to delete it or not.&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;lol&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a web address, so it is not opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 characters left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Already The Latest Version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry.update server maintain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download page could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyFinder</name>
    <message>
        <source>changed since the scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomDir</name>
    <message>
        <source>CustomDirectorySelect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the dialog without choosing folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the folders to scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a folder to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>%1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large (more than %1); it was cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request timed out: no complete answer within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server closed the connection before the answer was complete.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>it is no longer there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its size changed since the scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was modified after the scan started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Recycle Bin would not take it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed since the scan: another file is at its path now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its size changed since the scan (%1 bytes, was %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed since the scan: %1 is no longer the folder the scan went through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (the home trash cannot be made)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (there is no trash of yours on %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (its folders cannot be made)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (the trash is on another file system)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash would not take it (no free name in the trash)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no application is set up to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the application for it could not open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the opener (xdg-open) ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the opener (xdg-open) crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the opener (xdg-open) could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultActions</name>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 file, %1, to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1, %2 in all, to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was moved to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved %1, %2, to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; 1 file was left where it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 were left where they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file was left where it is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left where they are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not show %1 in a file manager: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsMenu</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save List…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the list to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanGroup</name>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include hidden files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay on one file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip network file systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders that scans leave out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a folder that scans leave out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the chosen folder from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only files larger than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files below this size are not listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only these types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name extensions to list, separated by blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mkv mp4 iso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not modified for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days without change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only files not modified for this many days are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not file types, left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Click for the list of folders that could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders that could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the settings window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the window into the system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quits Vastrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the next scan walks: all disks, one disk or a list of folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts a scan of the chosen target, or stops the running one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and bytes counted so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file being examined, or what the last scan found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest files found, biggest first: size and path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit the app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size(Mb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is NO file in your selected Dir!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 folder could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; %1 folders could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %1 more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Scan is complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vastrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No copies among the listed files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 set of copies; %2 could be freed by keeping one of each</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 sets of copies; %2 could be freed by keeping one of each</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
