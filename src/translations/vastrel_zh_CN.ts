<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CompareModel</name>
        <message>
            <source>Change</source>
            <translation>变化</translation>
        </message>
        <message>
            <source>Then</source>
            <translation>之前</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>现在</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>差值</translation>
        </message>
        <message>
            <source>%</source>
            <translation>%</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>路径</translation>
        </message>
    </context>
    <context>
        <name>CompareView</name>
        <message>
            <source>Changes among the listed files since the scan of %1, %2.</source>
            <translation>自 %1（%2）的扫描以来，列出的文件中的变化。</translation>
        </message>
        <message>
            <source>A scan was stopped before its end (partial): files it did not reach may show as new or gone.</source>
            <translation>有一次扫描在结束前被停止（不完整）：它未扫描到的文件可能显示为新增或已消失。</translation>
        </message>
        <message>
            <source>No listed file changed.</source>
            <translation>列出的文件均无变化。</translation>
        </message>
        <message>
            <source>Folders: these scans hold no folder totals to compare.</source>
            <translation>文件夹：这些扫描没有可供比较的文件夹总计。</translation>
        </message>
        <message>
            <source>Folders that changed most:</source>
            <translation>变化最大的文件夹：</translation>
        </message>
    </context>
    <context>
        <name>Config</name>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Closes the settings window</source>
            <translation>关闭设置窗口</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Basic</source>
            <translation>基本</translation>
        </message>
        <message>
            <source>The number of large files you want to find out</source>
            <translation>要找出的大文件数量</translation>
        </message>
        <message>
            <source>Number of files to list</source>
            <translation>列出的文件数</translation>
        </message>
        <message>
            <source>How many of the largest files a scan lists, 1 to 10000</source>
            <translation>扫描列出的最大文件数，1 到 10000</translation>
        </message>
        <message>
            <source>Asks the update server for a new version when Vastrel starts</source>
            <translation>Vastrel 启动时向更新服务器查询新版本</translation>
        </message>
        <message>
            <source>Check update when start up</source>
            <translation>启动时检查更新</translation>
        </message>
        <message>
            <source>Saves the settings of this tab</source>
            <translation>保存此页的设置</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>About Vastrel</source>
            <translation>关于 Vastrel</translation>
        </message>
        <message>
            <source>What Vastrel is for</source>
            <translation>Vastrel 的用途</translation>
        </message>
        <message>
            <source>This tool can help you to find out the large file on you disk. It's very useful when you want to free some space but do not know which file eats you space.This tool is what you really want!

Enjoy!

</source>
            <translation>本工具帮助您找出磁盘上的大文件。当您想释放空间却不知道是哪些文件占用了空间时，它非常有用。这正是您需要的工具！

祝您使用愉快！

</translation>
        </message>
        <message>
            <source>Fedback</source>
            <translation>反馈</translation>
        </message>
        <message>
            <source>You can mail to:</source>
            <translation>您可以发邮件至：</translation>
        </message>
        <message>
            <source>OR,You can send a message:</source>
            <translation>或者发送留言：</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>留言</translation>
        </message>
        <message>
            <source>Your Mail:</source>
            <translation>您的邮箱：</translation>
        </message>
        <message>
            <source>Your mail address</source>
            <translation>您的邮箱地址</translation>
        </message>
        <message>
            <source>Where an answer to your message can be sent</source>
            <translation>回复您留言的地址</translation>
        </message>
        <message>
            <source>Your msg: </source>
            <translation>您的留言：</translation>
        </message>
        <message>
            <source>Your message</source>
            <translation>您的留言</translation>
        </message>
        <message>
            <source>The message sent to the developers</source>
            <translation>发送给开发者的留言</translation>
        </message>
        <message>
            <source>Sends the message to the developers</source>
            <translation>将留言发送给开发者</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>发送</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>更新</translation>
        </message>
        <message>
            <source>Current Version</source>
            <translation>当前版本</translation>
        </message>
        <message>
            <source>Asks the update server whether a new version exists</source>
            <translation>向更新服务器查询是否有新版本</translation>
        </message>
        <message>
            <source>Check Update</source>
            <translation>检查更新</translation>
        </message>
        <message>
            <source>Update Information</source>
            <translation>更新信息</translation>
        </message>
        <message>
            <source>Opens the download page of the new version</source>
            <translation>打开新版本的下载页面</translation>
        </message>
        <message>
            <source>Update Now</source>
            <translation>立即更新</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>帮助</translation>
        </message>
        <message>
            <source>How to use Vastrel</source>
            <translation>Vastrel 使用方法</translation>
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
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;span style=" color:#0000ff;"&gt;扫描&lt;/span&gt;:&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;所有选项都在下拉列表中：选择您想要的范围，点击“扫描”，然后等待程序告诉您是哪些文件占用了空间。&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;右键单击列出的文件，打开其所在文件夹，再决定是否删除它。&lt;/p&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;祝您使用愉快！&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Not a web address, so it is not opened: %1</source>
            <translation>不是网址，因此不会打开：%1</translation>
        </message>
        <message>
            <source>Config</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Version:</source>
            <translation>版本：</translation>
        </message>
        <message>
            <source>1 character left</source>
            <translation>还可输入 1 个字符</translation>
        </message>
        <message numerus="yes">
            <source>%1 characters left</source>
            <translation>
                <numerusform>还可输入 %1 个字符</numerusform>
            </translation>
        </message>
        <message>
            <source>Already The Latest Version!</source>
            <translation>已是最新版本！</translation>
        </message>
        <message>
            <source>Latest Version:</source>
            <translation>最新版本：</translation>
        </message>
        <message>
            <source>Sorry.update server maintain.</source>
            <translation>抱歉，更新服务器正在维护。</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>发送成功！</translation>
        </message>
        <message>
            <source>The download page could not be opened: %1</source>
            <translation>无法打开下载页面：%1</translation>
        </message>
        <message>
            <source>Keeps the results of past scans to show at start and to compare with</source>
            <translation>保留以往扫描的结果，用于启动时显示和比较</translation>
        </message>
        <message>
            <source>Keep scan history</source>
            <translation>保留扫描历史</translation>
        </message>
        <message>
            <source>Scans kept</source>
            <translation>保留的扫描数</translation>
        </message>
        <message>
            <source>How many scans of each target the history keeps</source>
            <translation>历史记录为每个目标保留的扫描次数</translation>
        </message>
        <message>
            <source> scans of each target</source>
            <translation> 次扫描（每个目标）</translation>
        </message>
        <message>
            <source>Settings - Vastrel</source>
            <translation>设置 - Vastrel</translation>
        </message>
    </context>
    <context>
        <name>CopyFinder</name>
        <message>
            <source>changed since the scan</source>
            <translation>扫描后已更改</translation>
        </message>
        <message>
            <source>changed while it was read</source>
            <translation>读取时发生了更改</translation>
        </message>
    </context>
    <context>
        <name>CopyLookup</name>
        <message>
            <source>Find Copies</source>
            <translation>查找副本</translation>
        </message>
        <message>
            <source>Compare the listed files and mark identical copies</source>
            <translation>比较列出的文件并标记完全相同的副本</translation>
        </message>
        <message>
            <source>Select Extra Copies</source>
            <translation>选择多余副本</translation>
        </message>
        <message>
            <source>Select every copy but one in each set: the one with the shortest path is kept, of those the oldest</source>
            <translation>在每组中选中除一份以外的所有副本：保留路径最短的一份，路径同样短时保留最旧的</translation>
        </message>
        <message>
            <source>Looking for copies stopped.</source>
            <translation>副本查找已停止。</translation>
        </message>
        <message>
            <source>Looking for copies: %1 of %2 read</source>
            <translation>正在查找副本：已读取 %1，共 %2</translation>
        </message>
        <message>
            <source>; %1 file left out of the comparison</source>
            <translation>；%1 个文件未参与比较</translation>
        </message>
        <message>
            <source>; %1 files left out of the comparison</source>
            <translation>；%1 个文件未参与比较</translation>
        </message>
    </context>
    <context>
        <name>CopyMarks</name>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation type="vanished">“选择多余副本”保留的副本。其他副本：</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation type="vanished">多余的副本。其他副本：</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation type="vanished">……还有 %1 个</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation type="vanished">它与另一份副本共用磁盘空间，并未浪费空间：将其中一份移到回收站不会释放任何空间。</translation>
        </message>
    </context>
    <context>
        <name>CustomDir</name>
        <message>
            <source>CustomDirectorySelect</source>
            <translation>选择目录</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Closes the dialog without choosing folders</source>
            <translation>关闭对话框，不选择文件夹</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>文件夹</translation>
        </message>
        <message>
            <source>Tick the folders to scan</source>
            <translation>勾选要扫描的文件夹</translation>
        </message>
        <message>
            <source>Adds a folder to the list</source>
            <translation>向列表添加文件夹</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>添加</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>打开目录</translation>
        </message>
        <message>
            <source>Custom Scan - Vastrel</source>
            <translation>自定义扫描 - Vastrel</translation>
        </message>
    </context>
    <context>
        <name>FilterField</name>
        <message>
            <source>Filter by path (Ctrl+F)</source>
            <translation>按路径筛选 (Ctrl+F)</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>筛选</translation>
        </message>
        <message>
            <source>Shows only the results whose path holds the typed text</source>
            <translation>只显示路径中包含所输入文字的结果</translation>
        </message>
    </context>
    <context>
        <name>HistoryDialog</name>
        <message>
            <source>Scan History</source>
            <translation>扫描历史</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日期</translation>
        </message>
        <message>
            <source>Duration</source>
            <translation>用时</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>大小</translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>完整性</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>打开</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Stored scans of %1</source>
            <translation>%1 的已保存扫描</translation>
        </message>
        <message>
            <source>stopped (partial)</source>
            <translation>已停止（不完整）</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>完整</translation>
        </message>
    </context>
    <context>
        <name>HistoryViews</name>
        <message>
            <source>Compare</source>
            <translation>比较</translation>
        </message>
        <message>
            <source>Compare with previous scan</source>
            <translation>与上次扫描比较</translation>
        </message>
        <message>
            <source>History…</source>
            <translation>历史记录…</translation>
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
                <numerusform>%1 字节</numerusform>
            </translation>
        </message>
        <message>
            <source>The server's answer was too large (more than %1); it was cut off.</source>
            <translation>服务器的响应过大（超过 %1），已被截断。</translation>
        </message>
        <message>
            <source>The request timed out: no complete answer within %1 seconds.</source>
            <translation>请求超时：%1 秒内未收到完整的响应。</translation>
        </message>
        <message>
            <source>The server's answer is not HTTP.</source>
            <translation>服务器的响应不是 HTTP。</translation>
        </message>
        <message>
            <source>The server closed the connection without answering.</source>
            <translation>服务器未响应就关闭了连接。</translation>
        </message>
        <message>
            <source>The server closed the connection before the answer was complete.</source>
            <translation>服务器在响应完成前关闭了连接。</translation>
        </message>
    </context>
    <context>
        <name>Platform</name>
        <message>
            <source>it is no longer there</source>
            <translation>它已不存在</translation>
        </message>
        <message>
            <source>it is no longer a regular file</source>
            <translation>它已不是普通文件</translation>
        </message>
        <message>
            <source>its size changed since the scan</source>
            <translation>扫描后其大小已改变</translation>
        </message>
        <message>
            <source>it was modified after the scan started</source>
            <translation>扫描开始后它被修改过</translation>
        </message>
        <message>
            <source>it changed since the scan: another file is at its path now</source>
            <translation>扫描后它已改变：其路径上现在是另一个文件</translation>
        </message>
        <message>
            <source>its size changed since the scan (%1 bytes, was %2)</source>
            <translation>扫描后其大小已改变（现为 %1 字节，原为 %2）</translation>
        </message>
        <message>
            <source>it is not a plain absolute path</source>
            <translation>它不是普通的绝对路径</translation>
        </message>
        <message>
            <source>%1 cannot be opened (%2)</source>
            <translation>无法打开 %1（%2）</translation>
        </message>
        <message>
            <source>it changed since the scan: %1 is no longer the folder the scan went through</source>
            <translation>扫描后它已改变：%1 已不是扫描时经过的那个文件夹</translation>
        </message>
        <message>
            <source>the trash would not take it (the home trash cannot be made)</source>
            <translation>回收站无法接收它（无法创建主目录中的回收站）</translation>
        </message>
        <message>
            <source>the trash would not take it (there is no trash of yours on %1)</source>
            <translation>回收站无法接收它（%1 上没有您的回收站）</translation>
        </message>
        <message>
            <source>the trash would not take it (its folders cannot be made)</source>
            <translation>回收站无法接收它（无法创建回收站的文件夹）</translation>
        </message>
        <message>
            <source>the trash would not take it (%1)</source>
            <translation>回收站无法接收它（%1）</translation>
        </message>
        <message>
            <source>the trash would not take it (the trash is on another file system)</source>
            <translation>回收站无法接收它（回收站位于另一个文件系统上）</translation>
        </message>
        <message>
            <source>the trash would not take it (no free name in the trash)</source>
            <translation>回收站无法接收它（回收站中没有可用的名称）</translation>
        </message>
        <message>
            <source>no application is set up to open it</source>
            <translation>没有设置用于打开它的应用程序</translation>
        </message>
        <message>
            <source>it does not exist</source>
            <translation>它不存在</translation>
        </message>
        <message>
            <source>the application for it could not open it</source>
            <translation>对应的应用程序无法打开它</translation>
        </message>
        <message>
            <source>the opener (xdg-open) ended with status %1</source>
            <translation>打开程序 (xdg-open) 以状态 %1 退出</translation>
        </message>
        <message>
            <source>the opener (xdg-open) crashed</source>
            <translation>打开程序 (xdg-open) 崩溃了</translation>
        </message>
        <message>
            <source>the opener (xdg-open) could not be started</source>
            <translation>无法启动打开程序 (xdg-open)</translation>
        </message>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>其路径太长，Windows 无法打开</translation>
        </message>
        <message>
            <source>it is no longer a folder</source>
            <translation>它已不再是文件夹</translation>
        </message>
        <message>
            <source>its entries changed after the scan started</source>
            <translation>扫描开始后其中的条目已有变化</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>其上挂载了另一个文件系统</translation>
        </message>
        <message>
            <source>a file system is mounted inside it, at %1</source>
            <translation>其中挂载了一个文件系统，位于 %1</translation>
        </message>
        <message>
            <source>the trash would not take it: there is no trash of yours for its file system (%1)</source>
            <translation>回收站无法接收：其文件系统上没有属于您的回收站（%1）</translation>
        </message>
        <message>
            <source>the trash would not take it: %1 is in the trash without its information file and would be replaced</source>
            <translation>回收站无法接收：回收站中的 %1 缺少信息文件，会被替换</translation>
        </message>
        <message>
            <source>the trash said it took it, but something is still at its path</source>
            <translation>回收站称已接收，但其路径上仍有内容</translation>
        </message>
        <message>
            <source>it changed since the scan: another folder is at its path now</source>
            <translation>自扫描以来已有变化：其路径上现在是另一个文件夹</translation>
        </message>
    </context>
    <context>
        <name>ResultActions</name>
        <message>
            <source>1 file</source>
            <translation>1 个文件</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 个文件</numerusform>
            </translation>
        </message>
        <message>
            <source>1 byte</source>
            <translation>1 字节</translation>
        </message>
        <message numerus="yes">
            <source>%1 bytes</source>
            <translation>
                <numerusform>%1 字节</numerusform>
            </translation>
        </message>
        <message>
            <source>Move 1 file, %1, to the trash?</source>
            <translation>将 1 个文件（%1）移到回收站？</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, to the trash?</source>
            <translation>将 %1（共 %2）移到回收站？</translation>
        </message>
        <message numerus="yes">
            <source>and %1 more</source>
            <translation>
                <numerusform>还有 %1 个</numerusform>
            </translation>
        </message>
        <message>
            <source>Nothing was moved to the trash</source>
            <translation>没有文件被移到回收站</translation>
        </message>
        <message>
            <source>Moved %1, %2, to the trash</source>
            <translation>已将 %1（%2）移到回收站</translation>
        </message>
        <message>
            <source>; 1 file was left where it is</source>
            <translation>；1 个文件留在原处</translation>
        </message>
        <message>
            <source>; %1 were left where they are</source>
            <translation>；%1 留在原处</translation>
        </message>
        <message>
            <source>This file was left where it is:</source>
            <translation>此文件留在原处：</translation>
        </message>
        <message>
            <source>These files were left where they are:</source>
            <translation>这些文件留在原处：</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>无法打开 %1：%2</translation>
        </message>
        <message>
            <source>Could not show %1 in a file manager: %2</source>
            <translation>无法在文件管理器中显示 %1：%2</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation>回收站无法接收它；Windows 会将其永久删除</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation>回收站无法接收它（%1）</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation>回收站未接收它</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation>它位于网络驱动器上，该驱动器没有回收站</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation>找不到它所在的驱动器</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation>它位于可移动驱动器上，该驱动器没有回收站</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation>它位于光驱上，光驱没有回收站</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation>它位于内存盘上，内存盘没有回收站</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation>它所在的驱动器没有回收站</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation>无法访问回收站（%1）</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation>其路径对回收站来说太长</translation>
        </message>
        <message>
            <source>1 other name remains: frees nothing</source>
            <translation>还剩 1 个其他名称：不释放空间</translation>
        </message>
        <message>
            <source>%1 other names remain: frees nothing</source>
            <translation>还剩 %1 个其他名称：不释放空间</translation>
        </message>
        <message>
            <source>frees %1</source>
            <translation>释放 %1</translation>
        </message>
        <message>
            <source>This frees %1 on disk once the trash is emptied.</source>
            <translation>清空回收站后将释放 %1 磁盘空间。</translation>
        </message>
        <message>
            <source>; the space comes back when the trash is emptied</source>
            <translation>；清空回收站后空间才会释放</translation>
        </message>
        <message>
            <source>1 folder</source>
            <translation>1 个文件夹</translation>
        </message>
        <message numerus="yes">
            <source>%1 folders</source>
            <translation>
                <numerusform>%1 个文件夹</numerusform>
            </translation>
        </message>
        <message>
            <source>it is a folder the scan started from</source>
            <translation>这是扫描的起始文件夹</translation>
        </message>
        <message>
            <source>it holds %1, a folder the scan started from</source>
            <translation>其中包含扫描的起始文件夹 %1</translation>
        </message>
        <message>
            <source>about %1 on disk</source>
            <translation>磁盘占用约 %1</translation>
        </message>
        <message>
            <source>more in parts the scan could not read</source>
            <translation>扫描无法读取的部分还有更多</translation>
        </message>
        <message>
            <source>Move 1 folder, %1, with everything in it to the trash?</source>
            <translation>将 1 个文件夹（%1）及其全部内容移到回收站？</translation>
        </message>
        <message>
            <source>Move %1, %2 in all, with everything in them to the trash?</source>
            <translation>将 %1（共 %2）及其全部内容移到回收站？</translation>
        </message>
        <message>
            <source>This frees about %1 on disk once the trash is emptied, as the scan counted it.</source>
            <translation>按扫描的统计，清空回收站后约可释放 %1 磁盘空间。</translation>
        </message>
        <message>
            <source>; 1 folder was left where it is</source>
            <translation>；1 个文件夹留在原处</translation>
        </message>
        <message>
            <source>This folder was left where it is:</source>
            <translation>此文件夹留在原处：</translation>
        </message>
        <message>
            <source>These folders were left where they are:</source>
            <translation>这些文件夹留在原处：</translation>
        </message>
    </context>
    <context>
        <name>ResultsArea</name>
        <message>
            <source>Files</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>Views</source>
            <translation>视图</translation>
        </message>
        <message>
            <source>Switches between the views of the same scan: files, folders, changes</source>
            <translation>在同一次扫描的视图之间切换：文件、文件夹、变化</translation>
        </message>
        <message>
            <source>The largest files of the scan</source>
            <translation>本次扫描中最大的文件</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>文件夹</translation>
        </message>
        <message>
            <source>The largest folders of the scan</source>
            <translation>本次扫描中最大的文件夹</translation>
        </message>
    </context>
    <context>
        <name>ResultsMenu</name>
        <message>
            <source>Open</source>
            <translation>打开</translation>
        </message>
        <message>
            <source>Copy Path</source>
            <translation>复制路径</translation>
        </message>
        <message>
            <source>Move to Trash…</source>
            <translation>移到回收站…</translation>
        </message>
        <message>
            <source>Save List…</source>
            <translation>保存列表…</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>移到回收站</translation>
        </message>
        <message>
            <source>Save List</source>
            <translation>保存列表</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
        </message>
        <message>
            <source>Saved the list to %1</source>
            <translation>列表已保存到 %1</translation>
        </message>
        <message>
            <source>The list could not be saved to %1: %2</source>
            <translation>无法将列表保存到 %1：%2</translation>
        </message>
        <message>
            <source>This folder cannot be moved to the trash:</source>
            <translation>此文件夹无法移到回收站：</translation>
        </message>
        <message>
            <source>These folders cannot be moved to the trash:</source>
            <translation>这些文件夹无法移到回收站：</translation>
        </message>
    </context>
    <context>
        <name>ScanGroup</name>
        <message>
            <source>Scan</source>
            <translation>扫描</translation>
        </message>
        <message>
            <source>Include hidden files and folders</source>
            <translation>包括隐藏的文件和文件夹</translation>
        </message>
        <message>
            <source>Stay on one file system</source>
            <translation>不跨越文件系统</translation>
        </message>
        <message>
            <source>Skip network file systems</source>
            <translation>跳过网络文件系统</translation>
        </message>
        <message>
            <source>Exclude folders</source>
            <translation>排除文件夹</translation>
        </message>
        <message>
            <source>Excluded folders</source>
            <translation>已排除的文件夹</translation>
        </message>
        <message>
            <source>Folders that scans leave out</source>
            <translation>扫描时跳过的文件夹</translation>
        </message>
        <message>
            <source>Adds a folder that scans leave out</source>
            <translation>添加扫描时跳过的文件夹</translation>
        </message>
        <message>
            <source>Add…</source>
            <translation>添加…</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list</source>
            <translation>从列表中移除所选文件夹</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>移除</translation>
        </message>
        <message>
            <source>Only files larger than</source>
            <translation>仅限大于此大小的文件</translation>
        </message>
        <message>
            <source>Smallest size</source>
            <translation>最小大小</translation>
        </message>
        <message>
            <source>Files below this size are not listed</source>
            <translation>小于此大小的文件不会列出</translation>
        </message>
        <message>
            <source>Size unit</source>
            <translation>大小单位</translation>
        </message>
        <message>
            <source>bytes</source>
            <translation>字节</translation>
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
            <translation>仅限这些类型</translation>
        </message>
        <message>
            <source>File types</source>
            <translation>文件类型</translation>
        </message>
        <message>
            <source>File name extensions to list, separated by blanks</source>
            <translation>要列出的文件扩展名，以空格分隔</translation>
        </message>
        <message>
            <source>mkv mp4 iso</source>
            <translation>mkv mp4 iso</translation>
        </message>
        <message>
            <source>Not modified for</source>
            <translation>未修改天数至少</translation>
        </message>
        <message>
            <source>Days without change</source>
            <translation>未修改的天数</translation>
        </message>
        <message>
            <source>Only files not modified for this many days are listed</source>
            <translation>仅列出在这么多天内未修改的文件</translation>
        </message>
        <message>
            <source> days</source>
            <translation> 天</translation>
        </message>
        <message>
            <source>Exclude folder</source>
            <translation>排除文件夹</translation>
        </message>
        <message>
            <source>Not file types, left out: %1</source>
            <translation>不是文件类型，已忽略：%1</translation>
        </message>
        <message>
            <source>Rank by</source>
            <translation>排序依据</translation>
        </message>
        <message>
            <source>file size</source>
            <translation>文件大小</translation>
        </message>
        <message>
            <source>space on disk</source>
            <translation>占用磁盘空间</translation>
        </message>
    </context>
    <context>
        <name>ScanHistory</name>
        <message>
            <source>Scan history off: %1.</source>
            <translation>扫描历史已关闭：%1。</translation>
        </message>
        <message>
            <source>Scan history: %1; the results shown are not affected.</source>
            <translation>扫描历史：%1；不影响显示的结果。</translation>
        </message>
    </context>
    <context>
        <name>StatusLine</name>
        <message>
            <source>Click for the list of folders that could not be read.</source>
            <translation>点击查看无法读取的文件夹列表。</translation>
        </message>
        <message>
            <source>Folders that could not be read</source>
            <translation>无法读取的文件夹</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>复制</translation>
        </message>
        <message>
            <source>Click for the list of files left out of the comparison.</source>
            <translation>点击查看未参与比较的文件列表。</translation>
        </message>
        <message>
            <source>Folders that could not be read:</source>
            <translation>无法读取的文件夹：</translation>
        </message>
        <message>
            <source>Files left out of the comparison:</source>
            <translation>未参与比较的文件：</translation>
        </message>
        <message>
            <source>Click for the full lists.</source>
            <translation>点击查看完整列表。</translation>
        </message>
        <message>
            <source>Files left out of the comparison</source>
            <translation>未参与比较的文件</translation>
        </message>
        <message>
            <source>Folders and files that could not be read</source>
            <translation>无法读取的文件夹和文件</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>Settings</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Opens the settings window</source>
            <translation>打开设置窗口</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>最小化</translation>
        </message>
        <message>
            <source>Hides the window into the system tray</source>
            <translation>将窗口隐藏到系统托盘</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Quits Vastrel</source>
            <translation>退出 Vastrel</translation>
        </message>
        <message>
            <source>Scan target</source>
            <translation>扫描目标</translation>
        </message>
        <message>
            <source>What the next scan walks: all disks, one disk or a list of folders</source>
            <translation>下次扫描的范围：所有磁盘、单个磁盘或文件夹列表</translation>
        </message>
        <message>
            <source>Starts a scan of the chosen target, or stops the running one</source>
            <translation>开始扫描所选目标，或停止正在进行的扫描</translation>
        </message>
        <message>
            <source>Scan</source>
            <translation>扫描</translation>
        </message>
        <message>
            <source>Files and bytes counted so far</source>
            <translation>目前已统计的文件数和字节数</translation>
        </message>
        <message>
            <source>The file being examined, or what the last scan found</source>
            <translation>正在检查的文件，或上次扫描的结果</translation>
        </message>
        <message>
            <source>Largest files</source>
            <translation>最大的文件</translation>
        </message>
        <message>
            <source>The largest files found, biggest first: size and path</source>
            <translation>找到的最大文件，从大到小排列：大小和路径</translation>
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
            <translation>在文件夹中显示</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>显示</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>退出</translation>
        </message>
        <message>
            <source>exit the app</source>
            <translation>退出程序</translation>
        </message>
        <message>
            <source>%1 bytes</source>
            <translation>%1 字节</translation>
        </message>
        <message>
            <source>Size(Mb)</source>
            <translation>大小(MB)</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>路径</translation>
        </message>
        <message>
            <source>There is NO file in your selected Dir!</source>
            <translation>所选目录中没有任何文件！</translation>
        </message>
        <message>
            <source>; %1 folder could not be read</source>
            <translation>；%1 个文件夹无法读取</translation>
        </message>
        <message numerus="yes">
            <source>; %1 folders could not be read</source>
            <translation>
                <numerusform>；%1 个文件夹无法读取</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 file</source>
            <translation>%1 个文件</translation>
        </message>
        <message numerus="yes">
            <source>%1 files</source>
            <translation>
                <numerusform>%1 个文件</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 s</source>
            <translation>%1 秒</translation>
        </message>
        <message>
            <source>%1 min %2 s</source>
            <translation>%1 分 %2 秒</translation>
        </message>
        <message>
            <source>Scan Stopped.</source>
            <translation>扫描已停止。</translation>
        </message>
        <message>
            <source>Scan Complete!</source>
            <translation>扫描完成！</translation>
        </message>
        <message>
            <source> in </source>
            <translation>，用时 </translation>
        </message>
        <message>
            <source>All Disks</source>
            <translation>所有磁盘</translation>
        </message>
        <message>
            <source>Custom Scan</source>
            <translation>自定义扫描</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>打开目录</translation>
        </message>
        <message>
            <source>… and %1 more</source>
            <translation>……还有 %1 个</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>调整大小</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>Out of memory. </source>
            <translation>内存不足。</translation>
        </message>
        <message>
            <source>Complete</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>The Scan is complete</source>
            <translation>扫描已完成</translation>
        </message>
        <message>
            <source>Vastrel</source>
            <translation>Vastrel</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>第 %1 个，共 %2 个</translation>
        </message>
        <message>
            <source>No copies among the listed files</source>
            <translation>列出的文件中没有副本</translation>
        </message>
        <message>
            <source>%1 set of copies; %2 could be freed by keeping one of each</source>
            <translation>%1 组副本；每组只保留一份可释放 %2</translation>
        </message>
        <message numerus="yes">
            <source>%1 sets of copies; %2 could be freed by keeping one of each</source>
            <translation>
                <numerusform>%1 组副本；每组只保留一份可释放 %2</numerusform>
            </translation>
        </message>
        <message>
            <source>Folder list</source>
            <translation>文件夹列表</translation>
        </message>
        <message>
            <source>A list of folders kept aside; scans do not read it</source>
            <translation>另存的文件夹列表；扫描不会读取它</translation>
        </message>
        <message>
            <source>Add folder</source>
            <translation>添加文件夹</translation>
        </message>
        <message>
            <source>Adds a folder to the list kept aside</source>
            <translation>向另存的列表添加文件夹</translation>
        </message>
        <message>
            <source>Remove folder</source>
            <translation>移除文件夹</translation>
        </message>
        <message>
            <source>Removes the chosen folder from the list kept aside</source>
            <translation>从另存的列表中移除所选文件夹</translation>
        </message>
        <message>
            <source>Hide results</source>
            <translation>隐藏结果</translation>
        </message>
        <message>
            <source>Shrinks the window back to its compact size</source>
            <translation>将窗口缩回紧凑尺寸</translation>
        </message>
        <message>
            <source>%1 of %2 shown</source>
            <translation>显示 %1 个，共 %2 个</translation>
        </message>
        <message>
            <source>Copies</source>
            <translation>副本</translation>
        </message>
        <message>
            <source>The copy kept by "Select Extra Copies". The others:</source>
            <translation>“选择多余副本”保留的副本。其他副本：</translation>
        </message>
        <message>
            <source>An extra copy. The others:</source>
            <translation>多余的副本。其他副本：</translation>
        </message>
        <message>
            <source>It shares its space on the disk with another copy rather than wasting it: moving one of them to the trash frees nothing.</source>
            <translation>它与另一份副本共用磁盘空间，并未浪费空间：将其中一份移到回收站不会释放任何空间。</translation>
        </message>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation>没有可扫描的内容：只能拖放本机上的文件夹</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation>正在扫描：请先停止扫描，再拖放文件夹</translation>
        </message>
        <message>
            <source>just now</source>
            <translation>刚刚</translation>
        </message>
        <message>
            <source>1 minute ago</source>
            <translation>1 分钟前</translation>
        </message>
        <message>
            <source>%1 minutes ago</source>
            <translation>%1 分钟前</translation>
        </message>
        <message>
            <source>1 hour ago</source>
            <translation>1 小时前</translation>
        </message>
        <message>
            <source>%1 hours ago</source>
            <translation>%1 小时前</translation>
        </message>
        <message>
            <source>yesterday</source>
            <translation>昨天</translation>
        </message>
        <message>
            <source>%1 days ago</source>
            <translation>%1 天前</translation>
        </message>
        <message>
            <source>1 month ago</source>
            <translation>1 个月前</translation>
        </message>
        <message>
            <source>%1 months ago</source>
            <translation>%1 个月前</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation>（在结束前停止）</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation>%1 的结果：%2 个文件，%3</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>占比</translation>
        </message>
        <message>
            <source>Files</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>Not known yet</source>
            <translation>尚不清楚</translation>
        </message>
        <message>
            <source>On disk</source>
            <translation>占用空间</translation>
        </message>
        <message>
            <source>Frees</source>
            <translation>可释放</translation>
        </message>
    </context>
    <context>
        <name>folderdrop</name>
        <message>
            <source>Nothing to scan: only folders on this computer can be dropped</source>
            <translation type="vanished">没有可扫描的内容：只能拖放本机上的文件夹</translation>
        </message>
        <message>
            <source>A scan is running: stop it before dropping a folder</source>
            <translation type="vanished">正在扫描：请先停止扫描，再拖放文件夹</translation>
        </message>
    </context>
    <context>
        <name>historytext</name>
        <message>
            <source>just now</source>
            <translation type="vanished">刚刚</translation>
        </message>
        <message>
            <source>(stopped before its end)</source>
            <translation type="vanished">（在结束前停止）</translation>
        </message>
        <message>
            <source>Results of %1: %2 files, %3</source>
            <translation type="vanished">%1 的结果：%2 个文件，%3</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>its path is too long for Windows to open</source>
            <translation>其路径太长，Windows 无法打开</translation>
        </message>
    </context>
    <context>
        <name>recyclebin</name>
        <message>
            <source>the Recycle Bin would not take it; Windows would have deleted it for good</source>
            <translation type="vanished">回收站无法接收它；Windows 会将其永久删除</translation>
        </message>
        <message>
            <source>the Recycle Bin would not take it (%1)</source>
            <translation type="vanished">回收站无法接收它（%1）</translation>
        </message>
        <message>
            <source>the Recycle Bin did not take it</source>
            <translation type="vanished">回收站未接收它</translation>
        </message>
        <message>
            <source>it is on a network drive, which has no Recycle Bin</source>
            <translation type="vanished">它位于网络驱动器上，该驱动器没有回收站</translation>
        </message>
        <message>
            <source>its drive cannot be found</source>
            <translation type="vanished">找不到它所在的驱动器</translation>
        </message>
        <message>
            <source>it is on a removable drive, which has no Recycle Bin</source>
            <translation type="vanished">它位于可移动驱动器上，该驱动器没有回收站</translation>
        </message>
        <message>
            <source>it is on an optical drive, which has no Recycle Bin</source>
            <translation type="vanished">它位于光驱上，光驱没有回收站</translation>
        </message>
        <message>
            <source>it is on a RAM disk, which has no Recycle Bin</source>
            <translation type="vanished">它位于内存盘上，内存盘没有回收站</translation>
        </message>
        <message>
            <source>its drive has no Recycle Bin</source>
            <translation type="vanished">它所在的驱动器没有回收站</translation>
        </message>
        <message>
            <source>the Recycle Bin cannot be reached (%1)</source>
            <translation type="vanished">无法访问回收站（%1）</translation>
        </message>
        <message>
            <source>its path is too long for the Recycle Bin</source>
            <translation type="vanished">其路径对回收站来说太长</translation>
        </message>
    </context>
</TS>
