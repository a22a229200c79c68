<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BrowserLayer</name>
    <message>
        <source>The browser cannot be started: %1</source>
        <translation>无法启动浏览器：%1</translation>
    </message>
</context>
<context>
    <name>CategoryTree</name>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>System Category</source>
        <translation>系统类别</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>深青色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>亮绿色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Media Files (%1)</source>
        <translation>媒体文件 (%1)</translation>
    </message>
    <message>
        <source>Playlist(*.m3u) (*.m3u)</source>
        <translation>播放列表(*.m3u) (*.m3u)</translation>
    </message>
    <message>
        <source>All Files(*.*) (*)</source>
        <translation>所有文件(*.*) (*)</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>GeneralOptionsPage</name>
    <message>
        <source>Always Ontop</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>AutoPlay when start</source>
        <translation>启动时自动播放</translation>
    </message>
    <message>
        <source>Check File Associate</source>
        <translation>检查文件关联</translation>
    </message>
    <message>
        <source>AutoPlay when Add File</source>
        <translation>添加文件时自动播放</translation>
    </message>
    <message>
        <source>Prompt Download lyrics</source>
        <translation>提示下载歌词</translation>
    </message>
    <message>
        <source>Tell the desktop when a new song starts</source>
        <translation>新歌曲开始播放时通知桌面</translation>
    </message>
    <message>
        <source> File Associate </source>
        <translation> 文件关联 </translation>
    </message>
    <message>
        <source>Change Associate</source>
        <translation>更改关联</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>These file types could not be changed: %1</source>
        <translation>无法更改以下文件类型：%1</translation>
    </message>
</context>
<context>
    <name>HotKeyEditor</name>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hotkey:</source>
        <translation>热键：</translation>
    </message>
</context>
<context>
    <name>HotkeyOptionsPage</name>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Hotkey:</source>
        <translation>热键：</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>%1 cannot be used as a hot key.</source>
        <translation>%1 不能用作热键。</translation>
    </message>
</context>
<context>
    <name>LrclibClient</name>
    <message>
        <source>The lyrics service address is not valid.</source>
        <translation>歌词服务的地址无效。</translation>
    </message>
    <message>
        <source>No lyrics found.</source>
        <translation>没有找到歌词。</translation>
    </message>
    <message>
        <source>The lyrics service sent an answer that cannot be read.</source>
        <translation>歌词服务返回的应答无法读取。</translation>
    </message>
</context>
<context>
    <name>LyricsOptionsPage</name>
    <message>
        <source>All (*.jpg *.jpeg *.bmp *.png *.ico)</source>
        <translation>全部 (*.jpg *.jpeg *.bmp *.png *.ico)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg *.jpeg)</source>
        <translation>JPEG 图像文件 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>位图 (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Image File (*.png)</source>
        <translation>PNG 图像文件 (*.png)</translation>
    </message>
    <message>
        <source>Icons (*.ico)</source>
        <translation>图标 (*.ico)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>&amp;Explorer</source>
        <translation>浏览(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>普通：</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>当前：</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>轮廓：</translation>
    </message>
    <message>
        <source> Line by line </source>
        <translation> 逐句显示 </translation>
    </message>
    <message>
        <source> Word by word </source>
        <translation> 逐字显示 </translation>
    </message>
    <message>
        <source>Fetch missing lyrics from the lyrics site</source>
        <translation>从歌词网站获取缺少的歌词</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>PlayFailure</name>
    <message>
        <source>cannot play: no plug-in plays this file type</source>
        <translation>无法播放：没有插件能播放此文件类型</translation>
    </message>
    <message>
        <source>cannot play: its plug-in cannot be loaded</source>
        <translation>无法播放：无法加载相应的插件</translation>
    </message>
    <message>
        <source>cannot play: its plug-in takes no requests</source>
        <translation>无法播放：相应的插件不接受请求</translation>
    </message>
</context>
<context>
    <name>PlayerActions</name>
    <message>
        <source>File Management</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Show Lyrics</source>
        <translation>显示歌词</translation>
    </message>
    <message>
        <source>Edit Lyrics</source>
        <translation>编辑歌词</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Play&amp;Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Single Play</source>
        <translation>单曲播放</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>ID3 Info</source>
        <translation>ID3 信息</translation>
    </message>
    <message>
        <source>Download Lyrics</source>
        <translation>下载歌词</translation>
    </message>
    <message>
        <source>Upload Lyrics</source>
        <translation>上传歌词</translation>
    </message>
    <message>
        <source>EQ</source>
        <translation>均衡器</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help Online</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>随机播放</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>循环播放</translation>
    </message>
    <message>
        <source>Play Interval</source>
        <translation>播放间隔</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Video Window</source>
        <translation>视频窗口</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>外壳</translation>
    </message>
    <message>
        <source>Search File</source>
        <translation>搜索文件</translation>
    </message>
    <message>
        <source>Add PlayUrl</source>
        <translation>添加播放网址</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
<context>
    <name>PlayerApplication</name>
    <message>
        <source>The lyrics service, lyrics downloads and the update check are not available: %1</source>
        <translation>歌词服务、歌词下载和更新检查不可用：%1</translation>
    </message>
</context>
<context>
    <name>PlayerPopupMenu</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>PlayerQApplication</name>
    <message>
        <source>Unknown exception.</source>
        <translation>未知异常。</translation>
    </message>
</context>
<context>
    <name>ResourceFiles</name>
    <message>
        <source>The program carries no file &quot;%1&quot;.</source>
        <translation>程序中没有文件“%1”。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
</context>
<context>
    <name>SearchResultList</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Datetime</source>
        <translation>日期时间</translation>
    </message>
</context>
<context>
    <name>SitePages</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>外壳</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Plays the current song or resumes it; with a file, plays that file.</source>
        <translation>播放或继续播放当前歌曲；带文件参数时播放该文件。</translation>
    </message>
    <message>
        <source>Pauses or resumes playback.</source>
        <translation>暂停或继续播放。</translation>
    </message>
    <message>
        <source>Pauses while playing, plays otherwise.</source>
        <translation>正在播放时暂停，否则开始播放。</translation>
    </message>
    <message>
        <source>Stops playback.</source>
        <translation>停止播放。</translation>
    </message>
    <message>
        <source>Stops while playing, plays otherwise.</source>
        <translation>正在播放时停止，否则开始播放。</translation>
    </message>
    <message>
        <source>Plays the next song.</source>
        <translation>播放下一首歌曲。</translation>
    </message>
    <message>
        <source>Plays the previous song.</source>
        <translation>播放上一首歌曲。</translation>
    </message>
    <message>
        <source>Seeks forward (5 seconds without argument).</source>
        <translation>快进（不带参数时为 5 秒）。</translation>
    </message>
    <message>
        <source>Seeks back (5 seconds without argument).</source>
        <translation>快退（不带参数时为 5 秒）。</translation>
    </message>
    <message>
        <source>Raises the volume one step.</source>
        <translation>将音量调高一级。</translation>
    </message>
    <message>
        <source>Lowers the volume one step.</source>
        <translation>将音量调低一级。</translation>
    </message>
    <message>
        <source>Mutes or unmutes.</source>
        <translation>静音或取消静音。</translation>
    </message>
    <message>
        <source>Shuffle mode: toggles, or sets off (0) or on (1).</source>
        <translation>随机播放模式：切换开关，或设为关闭 (0) 或打开 (1)。</translation>
    </message>
    <message>
        <source>Repeat mode, like #Shuffle.</source>
        <translation>循环播放模式，用法同 #Shuffle。</translation>
    </message>
    <message>
        <source>Shows elapsed or remaining time, like #Shuffle.</source>
        <translation>显示已播放时间或剩余时间，用法同 #Shuffle。</translation>
    </message>
    <message>
        <source>Keeps the player above other windows, like #Shuffle.</source>
        <translation>使播放器总在其他窗口之上，用法同 #Shuffle。</translation>
    </message>
    <message>
        <source>Stops after the current song, like #Shuffle.</source>
        <translation>当前歌曲播放完后停止，用法同 #Shuffle。</translation>
    </message>
    <message>
        <source>Adds files to the play list and plays the first; without argument, asks for files. Giving files to the program (sorvi a.mp3 b.mp3) does the same.</source>
        <translation>将文件添加到播放列表并播放第一个；不带参数时询问要添加的文件。把文件交给程序（sorvi a.mp3 b.mp3）效果相同。</translation>
    </message>
    <message>
        <source>Opens the window for adding a stream address.</source>
        <translation>打开添加流地址的窗口。</translation>
    </message>
    <message>
        <source>Shows or hides the play list.</source>
        <translation>显示或隐藏播放列表。</translation>
    </message>
    <message>
        <source>Shows the lyrics window.</source>
        <translation>显示歌词窗口。</translation>
    </message>
    <message>
        <source>Opens the tag window of a file, or of the current song.</source>
        <translation>打开某个文件或当前歌曲的标签窗口。</translation>
    </message>
    <message>
        <source>Opens the lyrics editor, optionally on a lyrics file.</source>
        <translation>打开歌词编辑器，可指定要编辑的歌词文件。</translation>
    </message>
    <message>
        <source>Shows or hides the display window.</source>
        <translation>显示或隐藏视频窗口。</translation>
    </message>
    <message>
        <source>Opens the skin manager, or loads the given skin file.</source>
        <translation>打开外壳管理，或载入指定的外壳文件。</translation>
    </message>
    <message>
        <source>Switches between the full and the small skin.</source>
        <translation>在完整外壳和迷你外壳之间切换。</translation>
    </message>
    <message>
        <source>Opens or closes the skin&apos;s sliding panel.</source>
        <translation>打开或关闭外壳的滑动面板。</translation>
    </message>
    <message>
        <source>Opens the player&apos;s menu.</source>
        <translation>打开播放器的菜单。</translation>
    </message>
    <message>
        <source>Opens the tool window.</source>
        <translation>打开工具窗口。</translation>
    </message>
    <message>
        <source>Opens the file manager.</source>
        <translation>打开文件管理。</translation>
    </message>
    <message>
        <source>Opens the song search.</source>
        <translation>打开歌曲搜索。</translation>
    </message>
    <message>
        <source>Opens the options.</source>
        <translation>打开选项。</translation>
    </message>
    <message>
        <source>Minimises the player.</source>
        <translation>最小化播放器。</translation>
    </message>
    <message>
        <source>Restores the player and brings it to the front.</source>
        <translation>还原播放器并将其置于最前。</translation>
    </message>
    <message>
        <source>Searches lyrics for the key in the browser; without key, the lyrics search form.</source>
        <translation>在浏览器中按关键字搜索歌词；不带关键字时打开歌词搜索表单。</translation>
    </message>
    <message>
        <source>Opens the browser on an address, or on the site&apos;s home page.</source>
        <translation>在浏览器中打开指定地址，或打开网站主页。</translation>
    </message>
    <message>
        <source>Shows the About page.</source>
        <translation>显示“关于”页面。</translation>
    </message>
    <message>
        <source>Shows this manual.</source>
        <translation>显示本手册。</translation>
    </message>
    <message>
        <source>Checks the player&apos;s file associations.</source>
        <translation>检查播放器的文件关联。</translation>
    </message>
    <message>
        <source>Checks for a newer version.</source>
        <translation>检查是否有新版本。</translation>
    </message>
    <message>
        <source>Puts the player in the applications menu and on the desktop.</source>
        <translation>将播放器添加到应用程序菜单和桌面。</translation>
    </message>
    <message>
        <source>Closes the player.</source>
        <translation>关闭播放器。</translation>
    </message>
    <message>
        <source>Sorvi Audio Player</source>
        <translation>Sorvi Audio Player</translation>
    </message>
    <message>
        <source>Find the lyrics of your songs: type an artist or a title.</source>
        <translation>查找歌曲的歌词：请输入艺术家或标题。</translation>
    </message>
    <message>
        <source>How to use the player</source>
        <translation>如何使用播放器</translation>
    </message>
    <message>
        <source>Show the lyrics window</source>
        <translation>显示歌词窗口</translation>
    </message>
    <message>
        <source>Lyrics search</source>
        <translation>歌词搜索</translation>
    </message>
    <message>
        <source>Search the open lyrics database LRCLIB.</source>
        <translation>搜索开放歌词数据库 LRCLIB。</translation>
    </message>
    <message>
        <source>No lyrics found.</source>
        <translation>没有找到歌词。</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>synced</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>text only</source>
        <translation>纯文本</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>The lyrics service could not be asked:</source>
        <translation>无法查询歌词服务：</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later.</source>
        <translation>许可证：GNU 通用公共许可证第 3 版或更高版本。</translation>
    </message>
    <message>
        <source>It uses these libraries:</source>
        <translation>本程序使用了以下库：</translation>
    </message>
    <message>
        <source>Lyrics come from</source>
        <translation>歌词来自</translation>
    </message>
    <message>
        <source>Using the player</source>
        <translation>使用播放器</translation>
    </message>
    <message>
        <source>Drop songs or folders on the player, or open them from its menu (right click). The skin&apos;s buttons play, pause, stop and step through the play list; the lyrics window shows the current song&apos;s lyrics and scrolls them in time.</source>
        <translation>将歌曲或文件夹拖放到播放器上，或从播放器的菜单（右键单击）中打开。外壳上的按钮用于播放、暂停、停止以及在播放列表中逐首切换；歌词窗口显示当前歌曲的歌词，并随播放同步滚动。</translation>
    </message>
    <message>
        <source>Lyrics are looked up in the folder Lyrics/: a file named like the song with &quot;.lrc&quot;, the name bound in the song&apos;s tag, artist-album-title.lrc, album-title.lrc, artist-title.lrc or title.lrc. The lyrics window&apos;s Download button searches this site; a downloaded file can be bound to the playing song.</source>
        <translation>歌词在 Lyrics/ 文件夹中查找：与歌曲同名、扩展名为“.lrc”的文件，歌曲标签中绑定的文件名，artist-album-title.lrc、album-title.lrc、artist-title.lrc 或 title.lrc。歌词窗口的“下载”按钮在本网站中搜索；下载的文件可以绑定到正在播放的歌曲。</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Every action is a command. Run one from a shell or a desktop shortcut with &lt;code&gt;sorvi --command &quot;#Next&quot;&lt;/code&gt;; an argument follows a comma: &lt;code&gt;sorvi --command &quot;#Forward,30&quot;&lt;/code&gt;.</source>
        <translation>每个操作都是一条命令。可以在命令行或桌面快捷方式中用 &lt;code&gt;sorvi --command &quot;#Next&quot;&lt;/code&gt; 运行命令；参数跟在逗号后面：&lt;code&gt;sorvi --command &quot;#Forward,30&quot;&lt;/code&gt;。</translation>
    </message>
    <message>
        <source>The program folder</source>
        <translation>程序文件夹</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>the play list and your categories</source>
        <translation>播放列表和您的类别</translation>
    </message>
    <message>
        <source>play counts for the top ten</source>
        <translation>播放次数（用于 TopTen）</translation>
    </message>
    <message>
        <source>lyrics files (.lrc)</source>
        <translation>歌词文件 (.lrc)</translation>
    </message>
    <message>
        <source>skins (.eks)</source>
        <translation>外壳 (.eks)</translation>
    </message>
    <message>
        <source>plug-ins (.so)</source>
        <translation>插件 (.so)</translation>
    </message>
    <message>
        <source>the decoder, written out again when missing</source>
        <translation>解码器，缺失时重新写出</translation>
    </message>
    <message>
        <source>Making skins</source>
        <translation>制作外壳</translation>
    </message>
    <message>
        <source>A skin is one .eks file: pictures for the main window, the small window, the play list and the lyrics window, and a text that places buttons, sliders, text fields and indicators on them and names the command each button runs. Build one with the skin compiler from a folder of pictures and a layout file (see the skins folder of the source for an example), put it into Skins/ and choose it in the skin manager.</source>
        <translation>一个外壳就是一个 .eks 文件：其中有主窗口、迷你窗口、播放列表和歌词窗口的图片，以及一段文本，用来在图片上放置按钮、滑块、文本框和指示器，并指定每个按钮运行的命令。用外壳编译器从一个图片文件夹和一个布局文件生成外壳（示例见源代码中的 skins 文件夹），然后把它放进 Skins/，并在外壳管理中选择它。</translation>
    </message>
    <message>
        <source>No skins ship with this player.</source>
        <translation>本播放器未附带任何外壳。</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>The file cannot be downloaded.</source>
        <translation>文件无法下载。</translation>
    </message>
    <message>
        <source>No such lyrics.</source>
        <translation>没有这个歌词。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Lyrics are shared through the open lyrics database</source>
        <translation>歌词共享平台为开放歌词数据库</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>There is no page</source>
        <translation>找不到页面</translation>
    </message>
</context>
<context>
    <name>SkinHint</name>
    <message>
        <source>Always on Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>平衡</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Elapsed / Remaining Time</source>
        <translation>已播放 / 剩余时间</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>More Controls</source>
        <translation>更多控制</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>普通模式</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>打开网址</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>播放 / 暂停</translation>
    </message>
    <message>
        <source>Play / Stop</source>
        <translation>播放 / 停止</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放进度</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>循环播放</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>随机播放</translation>
    </message>
    <message>
        <source>Song Information</source>
        <translation>歌曲信息</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Video Mode</source>
        <translation>视频模式</translation>
    </message>
    <message>
        <source>Video window (double-click)</source>
        <translation>视频窗口（双击打开）</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Window Mode</source>
        <translation>窗口模式</translation>
    </message>
</context>
<context>
    <name>SkinReadout</name>
    <message>
        <source>Volume : </source>
        <translation>音量 : </translation>
    </message>
    <message>
        <source>Left </source>
        <translation>左 </translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right </source>
        <translation>右 </translation>
    </message>
    <message>
        <source>Balance : </source>
        <translation>平衡 : </translation>
    </message>
</context>
<context>
    <name>SongList</name>
    <message>
        <source>Title&amp;FileName</source>
        <translation>标题/文件名</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
</context>
<context>
    <name>SongSearchBox</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>搜索：</translation>
    </message>
</context>
<context>
    <name>TFileForm</name>
    <message>
        <source>&amp;New Category</source>
        <translation>新建类别(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>添加文件(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Explorer Category</source>
        <translation>浏览类别(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>保存列表(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy Addr</source>
        <translation>复制地址(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;opy File</source>
        <translation>复制文件(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Scroll &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Scroll &amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>P&amp;roperty</source>
        <translation>属性(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear TopTen</source>
        <translation>清除 TopTen(&amp;C)</translation>
    </message>
    <message>
        <source>Add &amp;Url</source>
        <translation>添加网址(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>查看(&amp;W)</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新建类别</translation>
    </message>
    <message>
        <source>Are you sure, Delete the Category?</source>
        <translation>确定要删除该类别吗？</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>保存播放列表</translation>
    </message>
    <message>
        <source>Playlist(*.m3u) (*.m3u)</source>
        <translation>播放列表(*.m3u) (*.m3u)</translation>
    </message>
    <message>
        <source>The play list could not be saved: </source>
        <translation>无法保存播放列表：</translation>
    </message>
    <message>
        <source>Are you sure, Clear TopTen?</source>
        <translation>确定要清除 TopTen 吗？</translation>
    </message>
</context>
<context>
    <name>TFrameForm</name>
    <message>
        <source>Video Window</source>
        <translation>视频窗口</translation>
    </message>
</context>
<context>
    <name>TID3Form</name>
    <message>
        <source>TAG Information</source>
        <translation>标签信息</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Lyrics File:</source>
        <translation>歌词文件：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>%1 - ID3 Tag</source>
        <translation>%1 - ID3 标签</translation>
    </message>
    <message>
        <source>Select Lyrics</source>
        <translation>选择歌词</translation>
    </message>
    <message>
        <source>LyricsFiles(*.lrc)</source>
        <translation>歌词文件(*.lrc)</translation>
    </message>
</context>
<context>
    <name>TKvMp3PlayForm</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Previous song</source>
        <translation>上一首歌曲</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>播放或暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Next song</source>
        <translation>下一首歌曲</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Show the lyrics</source>
        <translation>显示歌词</translation>
    </message>
</context>
<context>
    <name>TLrcEditForm</name>
    <message>
        <source>Lyrics Editor</source>
        <translation>歌词编辑器</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>新建文件(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>测试(&amp;T)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>So&amp;rt By Time</source>
        <translation>按时间排序(&amp;R)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>&amp;Insert TimeLabel</source>
        <translation>插入时间标签(&amp;I)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Modify TimeLabel</source>
        <translation>修改时间标签</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Save change to File?</source>
        <translation>是否将更改保存到文件？</translation>
    </message>
    <message>
        <source>Lyrics Files(*.lrc)</source>
        <translation>歌词文件(*.lrc)</translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation>文本文件(*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Can&apos;t open lyrics file &quot;%1&quot;.</source>
        <translation>无法打开歌词文件“%1”。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Can&apos;t save lyrics file &quot;%1&quot;.</source>
        <translation>无法保存歌词文件“%1”。</translation>
    </message>
    <message>
        <source>Can&apos;t write the test lyrics file.</source>
        <translation>无法写入测试用的歌词文件。</translation>
    </message>
</context>
<context>
    <name>TLrcForm</name>
    <message>
        <source>Lyrics Shower</source>
        <translation>歌词显示</translation>
    </message>
    <message>
        <source>&amp;Lyrics</source>
        <translation>歌词(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Local Lyrics</source>
        <translation>本地歌词(&amp;L)</translation>
    </message>
    <message>
        <source>Local Lrc</source>
        <translation>本地歌词</translation>
    </message>
    <message>
        <source>&amp;Download Lyrics</source>
        <translation>下载歌词(&amp;D)</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>can&apos;t locate lyrics file, search in server?</source>
        <translation>找不到歌词文件，要在服务器上搜索吗？</translation>
    </message>
    <message>
        <source>Always Ask</source>
        <translation>总是询问</translation>
    </message>
    <message>
        <source>no lyrics</source>
        <translation>没有歌词</translation>
    </message>
</context>
<context>
    <name>TOption</name>
    <message>
        <source>Lyrics Shower</source>
        <translation>歌词显示</translation>
    </message>
    <message>
        <source>%1 - Lyrics Shower</source>
        <translation>%1 - 歌词显示</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Hotkey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Lrc Shower</source>
        <translation>歌词显示</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Check &amp;Update</source>
        <translation>检查更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Create Shortcut</source>
        <translation>创建快捷方式(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset Hotkey</source>
        <translation>重置热键(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>查看(&amp;W)</translation>
    </message>
</context>
<context>
    <name>TPlay</name>
    <message>
        <source>Invalid File.</source>
        <translation>无效的文件。</translation>
    </message>
    <message>
        <source>The current Category disallows the user modification.</source>
        <translation>当前类别不允许用户修改。</translation>
    </message>
    <message>
        <source>File was processing, was unable to respond. please try again soon.</source>
        <translation>正在处理文件，无法响应，请稍后再试。</translation>
    </message>
    <message>
        <source>The play list could not be saved: </source>
        <translation>无法保存播放列表：</translation>
    </message>
</context>
<context>
    <name>TPlayControl</name>
    <message>
        <source>None of the songs could be played: they are missing or cannot be opened.</source>
        <translation>没有可以播放的歌曲：文件不存在或无法打开。</translation>
    </message>
    <message>
        <source>The sound server does not answer. Playback starts again when it is back.</source>
        <translation>声音服务器没有响应。恢复后将重新开始播放。</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>File Search</source>
        <translation>文件搜索</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add to Playlist</source>
        <translation>添加到播放列表(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;All Media</source>
        <translation>所有媒体(&amp;A)</translation>
    </message>
    <message>
        <source>Search on &amp;Net</source>
        <translation>在网上搜索(&amp;N)</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>目录：</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>Please choose on the left side to want the folder to clip.</source>
        <translation>请在左侧选择要搜索的文件夹。</translation>
    </message>
</context>
<context>
    <name>TShortKey</name>
    <message>
        <source>Play&amp;Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Shuffle Mode</source>
        <translation>随机播放模式</translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation>循环播放模式</translation>
    </message>
    <message>
        <source>Single Play</source>
        <translation>单曲播放</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Select Window</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>Show Lyrics</source>
        <translation>显示歌词</translation>
    </message>
    <message>
        <source>Edit Lyrics</source>
        <translation>编辑歌词</translation>
    </message>
    <message>
        <source>ID3</source>
        <translation>ID3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>外壳</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Increase Volume</source>
        <translation>增大音量</translation>
    </message>
    <message>
        <source>Decrease Volume</source>
        <translation>减小音量</translation>
    </message>
    <message>
        <source>Hotkey</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Video Window</source>
        <translation>视频窗口</translation>
    </message>
</context>
<context>
    <name>TSkin</name>
    <message>
        <source>Invalid file format!</source>
        <translation>文件格式无效！</translation>
    </message>
    <message>
        <source>Could not use this Texture.</source>
        <translation>无法使用此外壳。</translation>
    </message>
    <message>
        <source>Could not open the skin file.</source>
        <translation>无法打开外壳文件.</translation>
    </message>
</context>
<context>
    <name>TSkinForm</name>
    <message>
        <source>Texture Management</source>
        <translation>外壳管理</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>载入(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>上传(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Manage</source>
        <translation>管理(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Resource</source>
        <translation>资源(&amp;R)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>ICQ:</source>
        <translation>ICQ：</translation>
    </message>
    <message>
        <source>QQ:</source>
        <translation>QQ：</translation>
    </message>
    <message>
        <source>Home:</source>
        <translation>主页：</translation>
    </message>
    <message>
        <source>No Preview</source>
        <translation>无预览</translation>
    </message>
    <message>
        <source>Invalid File</source>
        <translation>无效的文件</translation>
    </message>
    <message>
        <source>Cannot Load file, please download newest skin.</source>
        <translation>无法载入文件，请下载最新的外壳。</translation>
    </message>
    <message>
        <source>Could not Found SkinEditor.</source>
        <translation>找不到外壳编辑器。</translation>
    </message>
</context>
<context>
    <name>TUrlForm</name>
    <message>
        <source>&amp;Url:</source>
        <translation>网址(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Please Input url.</source>
        <translation>请输入网址。</translation>
    </message>
</context>
<context>
    <name>TWebForm</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在载入...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The page cannot be shown.</source>
        <translation>无法显示该页面。</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
</context>
<context>
    <name>TWorkForm</name>
    <message>
        <source>File Management</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Edit Lyrics</source>
        <translation>编辑歌词</translation>
    </message>
    <message>
        <source>Texture Management</source>
        <translation>外壳管理</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Search File</source>
        <translation>搜索文件</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
</TS>
