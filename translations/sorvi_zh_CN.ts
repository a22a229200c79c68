<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
</TS>
