<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>正在添加文件...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>正在添加文件...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>正在转换 %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>已转换 %1，失败 %2 个。</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>大约还剩 %1 秒</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>大约还剩 %1 分钟</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>大约还剩 %1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Please add media files you want to convert into the list.</source>
        <translation>请将要转换的媒体文件添加到列表中。</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>以下文件无法转换：

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

日志文件 log.txt 中记录了原因。</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>未知的输出类型“%1”（参见 --list-types）</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>未知的质量或配置“%1”（参见 --list-profiles）</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>没有可播放的音频或视频，或没有时长</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>该输出类型没有对应的编码器命令行</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>编码器没有写出输出文件</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli: %1
请尝试 &apos;clipwright-cli --help&apos;。
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli: 没有要转换的文件
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>用法：clipwright-cli [选项] 文件...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit: &quot;%1&quot; 不是大于 0 的 MB 数</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>选项 %1 需要一个文件夹</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1: &quot;%2&quot; 不是时间（hh:mm:ss 或秒数）</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>选项 --json 不接受值</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start 必须早于 --end</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>Converts video and audio files as the Clipwright window does, without a window.

  -t, --type TYPE        output type: its number in --list-types, or its short name;
                         default: the type the window starts with
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb, or a custom
                         profile&apos;s name; default normal
  -o, --output DIR       output folder; default: the window&apos;s saved output folder
      --start TIME       cut start, hh:mm:ss or seconds (default: the beginning)
      --end TIME         cut end, hh:mm:ss or seconds (default: the end)
      --size-limit MB    each output at most MB megabytes (1048576 bytes): lower
                         bitrates, H.264 and H.265 in two passes; a file that
                         cannot fit fails before converting
  -j, --jobs N           convert N files at the same time, or auto: as many as keep
                         the cores busy for the output type; default: the window&apos;s
                         &quot;Conversions at the same time&quot; (auto unless chosen)
      --json             progress and results as JSON lines on standard output
      --list-types       list the output types
      --list-profiles    list the quality levels and custom profiles
      --version          show the version
  -h, --help             show this help

A folder stands for the supported files inside it and its sub-folders.
Exit status: 0 all converted, 1 some failed, 2 usage error or nothing to start,
130 or 143 stopped by SIGINT or SIGTERM.
</source>
        <translation>像 Clipwright 窗口一样转换视频和音频文件，但不打开窗口。

  -t, --type TYPE        输出类型：--list-types 中的编号或简称；
                         默认：窗口启动时的类型
  -q, --quality LEVEL    low、acceptable、normal、excellent、superb 或自定义配置的名称；
                         默认 normal
  -o, --output DIR       输出文件夹；默认：窗口保存的输出文件夹
      --start TIME       剪辑开始，hh:mm:ss 或秒数（默认：开头）
      --end TIME         剪辑结束，hh:mm:ss 或秒数（默认：结尾）
      --size-limit MB    每个输出最多 MB 兆字节（1048576 字节）：降低码率，
                         H.264 和 H.265 两遍编码；无法满足的文件在转换前失败
  -j, --jobs N           同时转换 N 个文件，或 auto：按输出类型让各核心保持
                         忙碌所需的数量；默认：窗口中的“同时转换数”（未选择时为 auto）
      --json             以 JSON 行在标准输出上报告进度和结果
      --list-types       列出输出类型
      --list-profiles    列出质量级别和自定义配置
      --version          显示版本
  -h, --help             显示此帮助

文件夹代表其中及其子文件夹中所有支持的文件。
退出状态：0 全部转换，1 部分失败，2 用法错误或没有可开始的内容，
130 或 143 被 SIGINT 或 SIGTERM 停止。
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生了意外错误。</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>错误信息</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>读取文件出错！请检查文件或安装新的编解码器。可点击链接下载最新的编解码器。</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>请输入名称</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>没有程序能打开文件夹“%1”。请安装文件管理器，或自行打开。</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>没有程序能打开“%1”。请安装网页浏览器，或自行打开。</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>其剪辑从 %1 到 %2 没有可转换的内容；请将结束时间设在开始时间之后</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>文件名无法传给 RealMedia 读取器；请重命名该文件</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>关于 </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;主页：%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;支持：%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>帮助 (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>输出类型：</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>配置文件：</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>任务完成后关闭计算机。</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>完成后显示输出文件夹</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>点击此处下载编解码器</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>估计输出大小</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>Clipwright 未正常关闭。要恢复上次会话的 %1 个文件吗？</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>上次会话中的以下文件已不存在，已被略过：

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>大小上限：</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>每个输出文件都不超过此大小；较长的片段会使用较低的码率。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>为手机准备的视频和音频</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>将文件拖到此处或点击“添加文件”。勾选要转换的文件。</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>邮件支持</translation>
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
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>输出类型</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>浏览输出文件夹</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>剪辑范围</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>预览位置</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>源文件</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>无法预览：播放器无法启动。</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>无法预览：无法加载 libmpv 库。</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>无法预览此文件（%1）。</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>无法预览此文件。</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>此文件的部分内容无法解码，因此不予预览。</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>无法预览此文件：其所有轨道均无法解码。</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>自定义配置：</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>自定义配置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>高级选项</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>视频尺寸：</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>视频码率(kbps)：</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>帧率(fps)：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>音频码率(kbps)：</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>采样率(kHz)：</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>音量(%)：</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Conversions at the same time:</source>
        <translation>同时转换数：</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>同时转换数</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>此路径为只读。</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>路径无效。</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1，约 %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>无法预览此文件。</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>请稍候 . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>正在转换的文件：</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>全部文件：</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>当前文件：</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>当前：1，总计：...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>当前文件进度</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>批处理进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>全部文件</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>当前文件</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>正在转换的文件</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>速度：%1    本文件：剩余 %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>已用时间：%1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>确定要停止工作吗？</translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>确定要停止处理吗？</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>转换 %1 的文件</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>转换 %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>当前：%1，总计：%2。</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>正在准备转换  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>正在转换  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>当前：1，总计：%1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>正在播放预览</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 秒无法装入 %2：只剩 %3 kbit/s，低于%5所需的最低有效码率 %4 kbit/s</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>画面和声音</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>“%1”不是有效的大小上限。请输入大于 0 的 MB 数，例如 25，或选择“%2”。</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>以下内容无法添加：

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>不支持的文件类型</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>文件夹中没有受支持的文件</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>名称不是有效的 UTF-8</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 个。</translation>
    </message>
</context>
<context>
    <name>SourceListModel</name>
    <message>
        <source>Convert %1</source>
        <translation>转换 %1</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
</context>
<context>
    <name>SourceOpenDialog</name>
    <message>
        <source>Supported Files (%1)</source>
        <translation>支持的文件 (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>3GP 文件 (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>AVI 文件 (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>ASF 文件 (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Flash 文件 (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>MOV 文件 (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>WMV 文件 (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>MP4 文件 (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>MPEG 文件 (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>RM 文件 (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>音频文件 (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>剪辑时长</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>输出大小</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>为手机准备的视频和音频</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>&apos;%1&apos; is not found. Please reinstall this program.</source>
        <translation>找不到“%1”。请重新安装本程序。</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>VideoWindow</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
</TS>
