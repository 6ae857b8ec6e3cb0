<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Table</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>变化</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>从打开的映像到 %1，按偏移量匹配记录：%n 处差异。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>从打开的映像到 %1，按服务ID、频率和极化匹配记录，再按名称匹配：%n 处差异。</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>CTavrelDlg</name>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>Sat: %1</source>
        <translation>卫星: %1</translation>
    </message>
    <message>
        <source>TP: %1</source>
        <translation>转发器: %1</translation>
    </message>
    <message>
        <source>TV: %1</source>
        <translation>电视: %1</translation>
    </message>
    <message>
        <source>Radio: %1</source>
        <translation>广播: %1</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin 文件不正确！</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>请先打开文件或读取！</translation>
    </message>
    <message>
        <source>Save Success!</source>
        <translation>保存成功！</translation>
    </message>
    <message>
        <source>Save changes to the image?</source>
        <translation>保存对映像的更改？</translation>
    </message>
    <message>
        <source>Find rows by number, name or service id (Ctrl+F)</source>
        <translation>按编号、名称或服务ID查找行 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>The transponder belongs to no satellite, so no list shows it.</source>
        <translation>该转发器不属于任何卫星，因此没有列表显示它。</translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message>
        <source>Remove duplicates</source>
        <translation>删除重复项</translation>
    </message>
    <message>
        <source>Remove orphans</source>
        <translation>删除孤立项</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>检查列表</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1 is &quot;3 errors&quot;, %2 is &quot;1 warning&quot;.</extracomment>
        <translation>未发现问题。</translation>
    </message>
    <message>
        <source>%1 (error): %2</source>
        <translation>%1（错误）：%2</translation>
    </message>
    <message>
        <source>%1 (warning): %2</source>
        <translation>%1（警告）：%2</translation>
    </message>
    <message>
        <source>%1 and %2. Double-click a finding to show its record.</source>
        <translation>%1，%2。双击某项可显示其记录。</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>SatNO.</source>
        <translation>卫星号</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>卫星名</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>节目号</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>节目名</translation>
    </message>
    <message>
        <source>VideoPID</source>
        <translation>视频PID</translation>
    </message>
    <message>
        <source>AudioPID</source>
        <translation>音频PID</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>服务ID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>童锁</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>电影</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>卡通</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>体育</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>News</source>
        <translation>新闻</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>成人</translation>
    </message>
    <message>
        <source>BissKey(Hex)</source>
        <translation>BISS密钥(十六进制)</translation>
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
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>本振低</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>本振高</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Lnb Type</source>
        <translation>LNB类型</translation>
    </message>
    <message>
        <source>Lnb Power</source>
        <translation>LNB电源</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC1.0</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22K</translation>
    </message>
    <message>
        <source>DiSEqC1.2</source>
        <translation>DiSEqC1.2</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>TPIndex</source>
        <translation>转发器号</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>喜爱</translation>
    </message>
    <message>
        <source>A box left grey keeps each program&apos;s own setting.</source>
        <translation>灰色的复选框保留各节目原有的设置。</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>转发器</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Close Com</source>
        <translation>关闭串口</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Dump</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>服务类型</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>传输进度</translation>
    </message>
    <message>
        <source>Xtal</source>
        <translation>晶振</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>About Tavrel</source>
        <translation>关于 Tavrel</translation>
    </message>
    <message>
        <source>The password shows as it is typed.</source>
        <translation>输入的密码以明文显示。</translation>
    </message>
</context>
<context>
    <name>DiffText</name>
    <message>
        <source>satellites</source>
        <comment>table</comment>
        <translation>卫星</translation>
    </message>
    <message>
        <source>transponders</source>
        <comment>table</comment>
        <translation>转发器</translation>
    </message>
    <message>
        <source>tv</source>
        <comment>table</comment>
        <translation>电视</translation>
    </message>
    <message>
        <source>radio</source>
        <comment>table</comment>
        <translation>广播</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>added</source>
        <translation>已添加</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>已移动</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>%1 polarization %2 on %3</source>
        <extracomment>A transponder: %1 its frequency, %2 its polarization, %3 its satellite&apos;s name.</extracomment>
        <translation>%3 上的 %1 极化 %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4</source>
        <extracomment>%1 table, %2 what happened, %3 the position, %4 the record.</extracomment>
        <translation>%1：%2 %3 %4</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4: %5</source>
        <extracomment>%1 table, %2 what happened, %3 the position, %4 the record, %5 its changed fields.</extracomment>
        <translation>%1：%2 %3 %4：%5</translation>
    </message>
    <message>
        <source>%1, in %2:</source>
        <extracomment>%1 is &quot;3 bytes differ&quot;, %2 is &quot;2 ranges&quot;.</extracomment>
        <translation>%1，分布在 %2 中：</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n 个字节不同</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>%n 个区间</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>另有 %n 个区间</numerusform>
        </translation>
    </message>
    <message>
        <source>Records not compared: the image or the flash does not decode.</source>
        <translation>未比较记录：映像或闪存无法解码。</translation>
    </message>
    <message>
        <source>The records are the same; the bytes differ outside them.</source>
        <translation>记录相同；不同的字节位于记录之外。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>%n 条记录不同：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>另有 %n 条记录</numerusform>
        </translation>
    </message>
    <message>
        <source>table</source>
        <comment>field</comment>
        <translation>表</translation>
    </message>
    <message>
        <source>position</source>
        <comment>field</comment>
        <translation>位置</translation>
    </message>
    <message>
        <source>offset</source>
        <comment>field</comment>
        <translation>偏移</translation>
    </message>
    <message>
        <source>name</source>
        <comment>field</comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>sat_id</source>
        <comment>field</comment>
        <translation>卫星ID</translation>
    </message>
    <message>
        <source>tp_id</source>
        <comment>field</comment>
        <translation>转发器ID</translation>
    </message>
    <message>
        <source>satellite_position</source>
        <comment>field</comment>
        <translation>卫星位置</translation>
    </message>
    <message>
        <source>satellite_name</source>
        <comment>field</comment>
        <translation>卫星名称</translation>
    </message>
    <message>
        <source>transponder_position</source>
        <comment>field</comment>
        <translation>转发器位置</translation>
    </message>
    <message>
        <source>frequency</source>
        <comment>field</comment>
        <translation>频率</translation>
    </message>
    <message>
        <source>polarization</source>
        <comment>field</comment>
        <translation>极化</translation>
    </message>
    <message>
        <source>symbol_rate</source>
        <comment>field</comment>
        <translation>符号率</translation>
    </message>
    <message>
        <source>longitude</source>
        <comment>field</comment>
        <translation>经度</translation>
    </message>
    <message>
        <source>lnb_low</source>
        <comment>field</comment>
        <translation>本振低</translation>
    </message>
    <message>
        <source>lnb_high</source>
        <comment>field</comment>
        <translation>本振高</translation>
    </message>
    <message>
        <source>lnb_type</source>
        <comment>field</comment>
        <translation>LNB类型</translation>
    </message>
    <message>
        <source>lnb_power</source>
        <comment>field</comment>
        <translation>LNB电源</translation>
    </message>
    <message>
        <source>tone_22k</source>
        <comment>field</comment>
        <translation>22K</translation>
    </message>
    <message>
        <source>power_0_12v</source>
        <comment>field</comment>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>diseqc_10</source>
        <comment>field</comment>
        <translation>DiSEqC1.0</translation>
    </message>
    <message>
        <source>diseqc_12</source>
        <comment>field</comment>
        <translation>DiSEqC1.2</translation>
    </message>
    <message>
        <source>motor_position</source>
        <comment>field</comment>
        <translation>马达位置</translation>
    </message>
    <message>
        <source>service_id</source>
        <comment>field</comment>
        <translation>服务ID</translation>
    </message>
    <message>
        <source>video_pid</source>
        <comment>field</comment>
        <translation>视频PID</translation>
    </message>
    <message>
        <source>audio_pid</source>
        <comment>field</comment>
        <translation>音频PID</translation>
    </message>
    <message>
        <source>pcr_pid</source>
        <comment>field</comment>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>scramble</source>
        <comment>field</comment>
        <translation>加密</translation>
    </message>
    <message>
        <source>track</source>
        <comment>field</comment>
        <translation>声道</translation>
    </message>
    <message>
        <source>child_lock</source>
        <comment>field</comment>
        <translation>童锁</translation>
    </message>
    <message>
        <source>favorites</source>
        <comment>field</comment>
        <translation>喜爱</translation>
    </message>
    <message>
        <source>biss_key</source>
        <comment>field</comment>
        <translation>BISS密钥</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A field that changed: %1 the field, %2 its value before, %3 after.</extracomment>
        <translation>%1：%2 → %3</translation>
    </message>
</context>
<context>
    <name>EditorFields</name>
    <message>
        <source>0 to %1</source>
        <translation>0 到 %1</translation>
    </message>
    <message>
        <source>At most %1 bytes in code page %2</source>
        <translation>代码页 %2 中最多 %1 个字节</translation>
    </message>
    <message>
        <source>Up to %1 hex digits, blanks allowed</source>
        <translation>最多 %1 位十六进制数字，允许空格</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>请先打开文件或读取！</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin 文件不正确！</translation>
    </message>
    <message>
        <source>The CSV is not imported; nothing changed.

%1</source>
        <translation>CSV 未导入；没有任何更改。

%1</translation>
    </message>
    <message>
        <source>The CSV could not be applied; nothing changed.</source>
        <translation>无法应用 CSV；没有任何更改。</translation>
    </message>
    <message>
        <source>The CSV changes nothing.</source>
        <translation>CSV 没有任何更改。</translation>
    </message>
    <message>
        <source>The CSV lists another image&apos;s programs; they were matched by service id, frequency and polarization, then by name.</source>
        <translation>CSV 列出的是另一个映像的节目；已按服务ID、频率和极化匹配，再按名称匹配。</translation>
    </message>
    <message>
        <source>These rows were not applied:
%1</source>
        <translation>以下行未应用：
%1</translation>
    </message>
    <message>
        <source>The two images hold the same channel list.</source>
        <translation>两个映像的频道列表相同。</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>文件大于 %1。</translation>
    </message>
    <message>
        <source>import CSV</source>
        <comment>undo step</comment>
        <translation>导入 CSV</translation>
    </message>
</context>
<context>
    <name>FileReasonText</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>这是命名管道，不是文件</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>这是设备，不是文件</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>这是套接字，不是文件</translation>
    </message>
    <message>
        <source>There is nothing to write</source>
        <translation>没有可写入的内容</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>satellite %1</source>
        <translation>卫星 %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>转发器 %1</translation>
    </message>
    <message>
        <source>TV program %1</source>
        <translation>电视节目 %1</translation>
    </message>
    <message>
        <source>radio program %1</source>
        <translation>广播节目 %1</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>卫星 %1“%2”</translation>
    </message>
    <message>
        <source>transponder %1 (id %2, %3 %4)</source>
        <extracomment>%1 is the transponder&apos;s number in the list; then its id, frequency and polarisation.</extracomment>
        <translation>转发器 %1（ID %2，%3 %4）</translation>
    </message>
    <message>
        <source>TV program %1 &quot;%2&quot;</source>
        <translation>电视节目 %1“%2”</translation>
    </message>
    <message>
        <source>radio program %1 &quot;%2&quot;</source>
        <translation>广播节目 %1“%2”</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>卫星表</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>转发器表</translation>
    </message>
    <message>
        <source>TV table</source>
        <translation>电视表</translation>
    </message>
    <message>
        <source>radio table</source>
        <translation>广播表</translation>
    </message>
    <message>
        <source>%1: satellite id %2 names no satellite</source>
        <translation>%1：卫星 ID %2 不指向任何卫星</translation>
    </message>
    <message>
        <source>%1: transponder id %2 names no transponder</source>
        <translation>%1：转发器 ID %2 不指向任何转发器</translation>
    </message>
    <message>
        <source>%1: its id %2 is also that of %3</source>
        <translation>%1：其 ID %2 与 %3 相同</translation>
    </message>
    <message>
        <source>%1: its id is also that of %2</source>
        <translation>%1：其 ID 与 %2 相同</translation>
    </message>
    <message>
        <source>%1: same satellite, transponder and service id %2 as %3</source>
        <translation>%1：卫星、转发器和服务ID %2 与 %3 相同</translation>
    </message>
    <message>
        <source>%1: same satellite, frequency and polarisation as %2</source>
        <translation>%1：卫星、频率和极化与 %2 相同</translation>
    </message>
    <message>
        <source>%1: its record at %2 runs past the end of the image</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1：位于 %2 的记录超出映像末尾</translation>
    </message>
    <message>
        <source>%1: its record at %2 lies inside the directory block</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1：位于 %2 的记录位于目录块内</translation>
    </message>
    <message>
        <source>the TV and radio tables list %1 programs together; the receiver holds %2</source>
        <translation>电视和广播表共列出 %1 个节目；接收机最多容纳 %2 个</translation>
    </message>
    <message>
        <source>the %1 runs past the end of the directory block</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 超出目录块末尾</translation>
    </message>
    <message>
        <source>the %1 lists %2 records; it holds %3</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 列出 %2 条记录；容量为 %3</translation>
    </message>
    <message>
        <source>%1: the name holds a control byte</source>
        <translation>%1：名称含有控制字节</translation>
    </message>
    <message>
        <source>%1: the name holds bytes that code page %2 cannot show</source>
        <translation>%1：名称含有代码页 %2 无法显示的字节</translation>
    </message>
    <message>
        <source>%1 has no transponders</source>
        <translation>%1 没有转发器</translation>
    </message>
    <message>
        <source>%1 carries no programs</source>
        <translation>%1 没有节目</translation>
    </message>
    <message>
        <source>programs of no satellite</source>
        <translation>无卫星的节目</translation>
    </message>
    <message>
        <source>programs of no transponder</source>
        <translation>无转发器的节目</translation>
    </message>
    <message>
        <source>transponders of no satellite</source>
        <translation>无卫星的转发器</translation>
    </message>
    <message>
        <source>satellite ids used twice</source>
        <translation>重复使用的卫星 ID</translation>
    </message>
    <message>
        <source>transponder ids used twice</source>
        <translation>重复使用的转发器 ID</translation>
    </message>
    <message>
        <source>duplicate programs</source>
        <translation>重复的节目</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>重复的转发器</translation>
    </message>
    <message>
        <source>entries past the end of the image</source>
        <translation>超出映像末尾的条目</translation>
    </message>
    <message>
        <source>entries inside the directory block</source>
        <translation>位于目录块内的条目</translation>
    </message>
    <message>
        <source>tables over their capacity</source>
        <translation>超出容量的表</translation>
    </message>
    <message>
        <source>names with a control byte</source>
        <translation>含控制字节的名称</translation>
    </message>
    <message>
        <source>names the code page cannot show</source>
        <translation>代码页无法显示的名称</translation>
    </message>
    <message>
        <source>satellites with no transponders</source>
        <translation>没有转发器的卫星</translation>
    </message>
    <message>
        <source>transponders with no programs</source>
        <translation>没有节目的转发器</translation>
    </message>
    <message>
        <source>files shorter than their flash</source>
        <translation>短于其闪存的文件</translation>
    </message>
    <message>
        <source>%1; kept: another transponder has its id</source>
        <translation>%1；已保留：另一转发器使用相同 ID</translation>
    </message>
</context>
<context>
    <name>ImportProblemText</name>
    <message>
        <source>UTF-16 big-endian</source>
        <translation>UTF-16 大端序</translation>
    </message>
    <message>
        <source>UTF-16 little-endian</source>
        <translation>UTF-16 小端序</translation>
    </message>
    <message>
        <source>UTF-16 without a byte order mark</source>
        <translation>不带字节顺序标记的 UTF-16</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>代码页 %1</translation>
    </message>
    <message>
        <source>the file is %1 and ends in the middle of a character</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;.</extracomment>
        <translation>文件为 %1，且在字符中间结束</translation>
    </message>
    <message>
        <source>the file is %1 and has a broken character at byte %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;; %2 the byte&apos;s offset in the file.</extracomment>
        <translation>文件为 %1，在字节 %2 处有损坏的字符</translation>
    </message>
    <message>
        <source>the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, and %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-32&quot;; %2 a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>文件编码为 %1，导入不读取此编码；导入可读取 UTF-8、带字节顺序标记的 UTF-16 和 %2</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order mark; save it as UTF-8 again</source>
        <translation>第 %1 行第 %2 列：一个不是 UTF-8 的字节，而文件以 UTF-8 字节顺序标记开头；请重新保存为 UTF-8</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; save it as UTF-8 again</source>
        <translation>第 %1 行第 %2 列：一个不是 UTF-8 的字节，而文件其他位置含有 UTF-8 字符；请重新保存为 UTF-8</translation>
    </message>
    <message>
        <source>read as %1: the file is not UTF-8</source>
        <extracomment>%1 is a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>按 %1 读取：文件不是 UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field is not closed</source>
        <translation>第 %1 行：带引号的字段没有闭合</translation>
    </message>
    <message>
        <source>row %1: text follows a closing quote</source>
        <translation>第 %1 行：右引号后面还有文本</translation>
    </message>
    <message>
        <source>the CSV is empty</source>
        <translation>CSV 为空</translation>
    </message>
    <message>
        <source>row %1: unknown column %2</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>第 %1 行：未知的列 %2</translation>
    </message>
    <message>
        <source>row %1: the column %2 stands twice</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>第 %1 行：列 %2 出现了两次</translation>
    </message>
    <message>
        <source>row %1: the column &quot;table&quot; is missing</source>
        <extracomment>&quot;table&quot; is the heading the CSV file needs: keep it in English.</extracomment>
        <translation>第 %1 行：缺少列 &quot;table&quot;</translation>
    </message>
    <message>
        <source>row %1: more fields than the header has columns</source>
        <translation>第 %1 行：字段数多于标题行的列数</translation>
    </message>
    <message>
        <source>row %1: unknown table %2</source>
        <extracomment>%2 is the CSV row&apos;s &quot;table&quot; field, in quotes.</extracomment>
        <translation>第 %1 行：未知的表 %2</translation>
    </message>
    <message>
        <source>row %1: the offset %2 is not a number</source>
        <translation>第 %1 行：偏移 %2 不是数字</translation>
    </message>
    <message>
        <source>the CSV lists no TV or radio program, and --delete-missing would delete them all</source>
        <extracomment>--delete-missing is an option of tavrel-cli: keep it as it is.</extracomment>
        <translation>CSV 中没有任何电视或广播节目，--delete-missing 会把它们全部删除</translation>
    </message>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>%n 行卫星和转发器数据未应用；只应用电视和广播行</numerusform>
        </translation>
    </message>
    <message>
        <source>the column &quot;offset&quot; is missing; a list of another image is matched by reference</source>
        <extracomment>&quot;offset&quot; is a heading of the CSV file: keep it in English.</extracomment>
        <translation>缺少列 &quot;offset&quot;；另一个映像的列表按参考匹配</translation>
    </message>
    <message>
        <source>matching by reference needs the columns service_id, frequency and polarization, or name</source>
        <extracomment>service_id, frequency, polarization and name are headings of the CSV file: keep them in English.</extracomment>
        <translation>按参考匹配需要列 service_id、frequency 和 polarization，或者 name</translation>
    </message>
    <message>
        <source>row %1 %2: no radio program at offset %3</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an offset such as 0x0A1200.</extracomment>
        <translation>第 %1 行 %2：偏移 %3 处没有广播节目</translation>
    </message>
    <message>
        <source>row %1 %2: no tv program at offset %3</source>
        <translation>第 %1 行 %2：偏移 %3 处没有电视节目</translation>
    </message>
    <message>
        <source>row %1 %2: no such program in the image</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>第 %1 行 %2：映像中没有此节目</translation>
    </message>
    <message>
        <source>row %1 %2: several programs fit it; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>第 %1 行 %2：有多个节目符合；未应用</translation>
    </message>
    <message>
        <source>row %1 %2: the same program as row %3; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an earlier row of the CSV.</extracomment>
        <translation>第 %1 行 %2：与第 %3 行是同一节目；未应用</translation>
    </message>
    <message>
        <source>row %1: the offset %2 stands twice (also in row %3)</source>
        <extracomment>%3 is an earlier row of the CSV.</extracomment>
        <translation>第 %1 行：偏移 %2 出现了两次（第 %3 行也有）</translation>
    </message>
    <message>
        <source>row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched by reference</source>
        <translation>第 %1 行：偏移 %2 处节目的服务ID是 %3，不是 %4；另一个映像的列表按参考匹配</translation>
    </message>
    <message>
        <source>row %1: the name %2 holds the control character %3; a name holds printable characters only</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>第 %1 行：名称 %2 含有控制字符 %3；名称只能含有可打印字符</translation>
    </message>
    <message>
        <source>row %1: the name %2 has characters that code page %3 lacks</source>
        <translation>第 %1 行：名称 %2 含有代码页 %3 中没有的字符</translation>
    </message>
    <message>
        <source>row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit</source>
        <extracomment>%3 is the name&apos;s length in bytes, %4 a code page&apos;s number, %5 the bytes a name may take.</extracomment>
        <translation>第 %1 行：名称 %2 在代码页 %4 中占 %3 字节，超过可容纳的 %5 字节</translation>
    </message>
    <message>
        <source>row %1: child_lock is %2; it is 1 for locked or 0</source>
        <extracomment>child_lock is a heading of the CSV file: keep it in English.</extracomment>
        <translation>第 %1 行：child_lock 为 %2；应为 1（加锁）或 0</translation>
    </message>
    <message>
        <source>row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult</source>
        <extracomment>&quot;favorites&quot; and the group names are what the CSV file holds: keep them in English.</extracomment>
        <translation>第 %1 行：favorites %2 指定的组不是 Movies、Music、Cartoons、News、Sport 或 Adult</translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1 在 %n 行中不同；只应用 table、offset、name、child_lock 和 favorites</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 is not number;name;ONID-TSID-SID</source>
        <extracomment>A line of a text list; number;name;ONID-TSID-SID is the form each line has.</extracomment>
        <translation>第 %1 行：%2 不是 number;name;ONID-TSID-SID 格式</translation>
    </message>
    <message>
        <source>line %1: the number %2 is not a number</source>
        <translation>第 %1 行：编号 %2 不是数字</translation>
    </message>
    <message>
        <source>line %1: the name %2 holds the control character %3</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>第 %1 行：名称 %2 含有控制字符 %3</translation>
    </message>
    <message>
        <source>line %1: %2 is not ONID-TSID-SID, three numbers joined by &apos;-&apos;</source>
        <translation>第 %1 行：%2 不是 ONID-TSID-SID，即用 &apos;-&apos; 连接的三个数字</translation>
    </message>
    <message>
        <source>not a flash image: %1</source>
        <extracomment>%1 says why the image does not decode.</extracomment>
        <translation>不是闪存映像：%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... 还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>the image signature 6CGHLSWZ is missing</source>
        <translation>缺少映像签名 6CGHLSWZ</translation>
    </message>
    <message>
        <source>the image signature stands at offset 4</source>
        <translation>映像签名位于偏移 4 处</translation>
    </message>
    <message>
        <source>no directory magic 77 02 AB CD follows the signature</source>
        <translation>签名后面没有目录标志 77 02 AB CD</translation>
    </message>
    <message>
        <source>no directory block ends in the block marker 19 85 10 19</source>
        <translation>没有以块标记 19 85 10 19 结尾的目录块</translation>
    </message>
    <message>
        <source>the table lists more records than it holds</source>
        <translation>表中列出的记录多于其容量</translation>
    </message>
    <message>
        <source>the table runs past the end of the directory block</source>
        <translation>表超出了目录块的末尾</translation>
    </message>
    <message>
        <source>the table lists a record that leaves the image</source>
        <translation>表中列出的记录超出了映像</translation>
    </message>
    <message>
        <source>TV and radio tables together list more than %1 programs</source>
        <extracomment>%1 is the most programs a receiver holds.</extracomment>
        <translation>电视和广播表共列出超过 %1 个节目</translation>
    </message>
    <message>
        <source>no problem</source>
        <translation>没有问题</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <extracomment>%1 is a table, such as &quot;tv&quot;; %2 what is wrong with it.</extracomment>
        <translation>表 %1：%2</translation>
    </message>
</context>
<context>
    <name>KeptDumpsDlg</name>
    <message>
        <source>Open</source>
        <comment>a kept dump, as an image</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Show folder</source>
        <translation>显示文件夹</translation>
    </message>
    <message>
        <source>Kept dumps</source>
        <translation>保存的备份</translation>
    </message>
    <message>
        <source>No dumps are kept in %1 yet.</source>
        <translation>%1 中还没有保存的备份。</translation>
    </message>
    <message>
        <source>Every dump is kept in %1.</source>
        <translation>每个备份都保存在 %1。</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.</extracomment>
        <translation>保存时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Decodes</source>
        <translation>可解码</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Apply as reference</source>
        <translation>作为参考应用</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The locale&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>新语言将在下次启动时生效。</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>请先打开文件或读取！</translation>
    </message>
    <message>
        <source>The channel list could not be rewritten; nothing was removed.</source>
        <translation>无法重写频道列表；没有删除任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>频道列表有 %n 个问题。仍要升级吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>没有最近的文件</translation>
    </message>
    <message>
        <source>%1
The file is no longer there. It was removed from the recent files.</source>
        <translation>%1
该文件已不存在，已从最近的文件中移除。</translation>
    </message>
    <message>
        <source>remove duplicates</source>
        <comment>undo step</comment>
        <translation>删除重复项</translation>
    </message>
    <message>
        <source>remove orphans</source>
        <comment>undo step</comment>
        <translation>删除孤立项</translation>
    </message>
</context>
<context>
    <name>LoadersDlg</name>
    <message>
        <source>Loader blocks</source>
        <translation>引导块</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>块</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>占位</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>内置</translation>
    </message>
    <message>
        <source>These blocks cannot be used: %1</source>
        <translation>这些块无法使用：%1</translation>
    </message>
    <message>
        <source>Placeholders are sent only to a pseudo-terminal, such as the virtual receiver&apos;s. Put the receiver maker&apos;s blocks in %1.</source>
        <translation>占位块只发送到伪终端（例如虚拟接收机的）。请把接收机厂商的块放到 %1。</translation>
    </message>
    <message>
        <source>%1: not a folder of loader blocks</source>
        <extracomment>%1 is the folder given for the loader blocks.</extracomment>
        <translation>%1：不是引导块文件夹</translation>
    </message>
    <message>
        <source>%1: more than %2 bytes, the receiver expects %2</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it must hold.</extracomment>
        <translation>%1：超过 %2 字节，接收机需要 %2 字节</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the receiver expects %3</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it holds, %3 the bytes it must hold.</extracomment>
        <translation>%1：%2 字节，接收机需要 %3 字节</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a loader block&apos;s file or folder; %2 why it cannot be read.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>MenuTemplate</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>recent files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>kept dumps...</source>
        <translation>保存的备份...</translation>
    </message>
    <message>
        <source>export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>import CSV...</source>
        <translation>导入 CSV...</translation>
    </message>
    <message>
        <source>compare with...</source>
        <translation>与...比较</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>dump</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>ports...</source>
        <translation>串口...</translation>
    </message>
    <message>
        <source>check list...</source>
        <translation>检查列表...</translation>
    </message>
    <message>
        <source>loader blocks...</source>
        <translation>引导块...</translation>
    </message>
    <message>
        <source>advance</source>
        <translation>高级模式</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>about</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move to position...</source>
        <translation>移动到位置...</translation>
    </message>
    <message>
        <source>Set favourites...</source>
        <translation>设置喜爱...</translation>
    </message>
    <message>
        <source>Set child lock...</source>
        <translation>设置童锁...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>按服务ID排序</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>apply reference list...</source>
        <translation>应用参考列表...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>reference list</source>
        <translation>参考列表</translation>
    </message>
</context>
<context>
    <name>PassWord</name>
    <message>
        <source>Name or PassWord is error!</source>
        <translation>用户名或密码错误！</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>open in this program</source>
        <translation>已在本程序中打开</translation>
    </message>
    <message>
        <source>Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>您的用户必须属于设备所属的组（%1）：sudo usermod -aG %1 $USER，然后重新登录。</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login session is not yet: log out and in again.</source>
        <translation>您的用户已在 %1 组中，但本次登录会话尚未生效：请注销后重新登录。</translation>
    </message>
    <message>
        <source>Another program is using the port.</source>
        <translation>另一个程序正在使用该端口。</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it, then try again.</source>
        <extracomment>%1 names the programs, such as &quot;minicom (pid 4242)&quot;.</extracomment>
        <translation>另一个程序正在使用该端口：%1。请关闭它后重试。</translation>
    </message>
    <message>
        <source>This is not a serial device.</source>
        <translation>这不是串口设备。</translation>
    </message>
</context>
<context>
    <name>PortsDlg</name>
    <message>
        <source>Serial ports</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>串口设备</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>Choose the device this port opens. USB adapters are listed by their stable names, which stay the same on any socket.</source>
        <translation>选择此端口打开的设备。USB 适配器以固定名称列出，插在任何插口上都不变。</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.</source>
        <translation>已设置 TAVREL_COM%1：无论此处选择什么，%2 都打开 %3。</translation>
    </message>
    <message>
        <source>%1 opens %2.</source>
        <extracomment>%1 is a port (COM1), %2 a device file.</extracomment>
        <translation>%1 打开 %2。</translation>
    </message>
    <message>
        <source>ready</source>
        <comment>a serial device this user can open</comment>
        <translation>就绪</translation>
    </message>
</context>
<context>
    <name>ProgEditDlg</name>
    <message>
        <source>Locked</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>未锁定</translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>编辑 %n 个节目</numerusform>
        </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>未锁定</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>不变</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>The list type is not right!</source>
        <translation>列表类型不正确！</translation>
    </message>
    <message>
        <source>Move sat index is wrong!</source>
        <translation>移动卫星的索引错误！</translation>
    </message>
    <message>
        <source>Move TP index is wrong!</source>
        <translation>移动转发器的索引错误！</translation>
    </message>
    <message>
        <source>Move Radio index is wrong!</source>
        <translation>移动广播的索引错误！</translation>
    </message>
    <message>
        <source>Move Tv index is wrong!</source>
        <translation>移动电视的索引错误！</translation>
    </message>
    <message>
        <source>Move radio under tp index is wrong!</source>
        <translation>移动转发器下广播的索引错误！</translation>
    </message>
    <message>
        <source>Move tv under tp index is wrong!</source>
        <translation>移动转发器下电视的索引错误！</translation>
    </message>
    <message>
        <source>Are you sure to delete!</source>
        <translation>确定要删除吗？</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>Move the selected rows to position (1 to %1):</source>
        <translation>将所选行移动到位置（1 到 %1）：</translation>
    </message>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>删除 %n 个卫星</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>删除 %n 个转发器</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>删除 %n 个节目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>移动 %n 个卫星</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>移动 %n 个转发器</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>移动 %n 个节目</numerusform>
        </translation>
    </message>
    <message>
        <source>edit satellite %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the satellite&apos;s name.</extracomment>
        <translation>编辑卫星 %1</translation>
    </message>
    <message>
        <source>edit transponder %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the transponder&apos;s frequency in MHz.</extracomment>
        <translation>编辑转发器 %1</translation>
    </message>
    <message>
        <source>edit program %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the program&apos;s name.</extracomment>
        <translation>编辑节目 %1</translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>设置 %n 个节目的喜爱和童锁</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>设置 %n 个节目的喜爱</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>设置 %n 个节目的童锁</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>按名称排序 %n 个节目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>按服务ID排序 %n 个节目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>SatNO.</source>
        <translation>卫星号</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>卫星名</translation>
    </message>
    <message>
        <source>Longitude(E)</source>
        <translation>经度(东)</translation>
    </message>
    <message>
        <source>LnbType</source>
        <translation>LNB类型</translation>
    </message>
    <message>
        <source>LnbPower</source>
        <translation>LNB电源</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>本振低</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>本振高</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22K</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC1.0</translation>
    </message>
    <message>
        <source>DiSEqC1.2En</source>
        <translation>DiSEqC1.2</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>TpNO.</source>
        <translation>转发器号</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>节目号</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>节目名</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>服务ID</translation>
    </message>
    <message>
        <source>VideoPid</source>
        <translation>视频PID</translation>
    </message>
    <message>
        <source>AudioPid</source>
        <translation>音频PID</translation>
    </message>
    <message>
        <source>PcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>童锁</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>喜爱</translation>
    </message>
    <message>
        <source>LNB Type is error!</source>
        <translation>LNB类型错误！</translation>
    </message>
    <message>
        <source>LNB Power is error!</source>
        <translation>LNB电源错误！</translation>
    </message>
    <message>
        <source>Tv number under sat is wrong!</source>
        <translation>卫星下的电视节目数错误！</translation>
    </message>
    <message>
        <source>Radio number under sat is wrong!</source>
        <translation>卫星下的广播节目数错误！</translation>
    </message>
</context>
<context>
    <name>ReferenceCommands</name>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin 文件不正确！</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>请先打开文件或读取！</translation>
    </message>
    <message>
        <source>Apply reference list %1</source>
        <translation>应用参考列表 %1</translation>
    </message>
    <message>
        <source>The reference list could not be applied; nothing changed.</source>
        <translation>无法应用参考列表；未做任何更改。</translation>
    </message>
</context>
<context>
    <name>ReferenceListWnd</name>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>找到</translation>
    </message>
    <message>
        <source>Reference list %1</source>
        <translation>参考列表 %1</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>参考列表行</translation>
    </message>
</context>
<context>
    <name>ReferencePreviewDlg</name>
    <message>
        <source>File...</source>
        <translation>文件...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>喜爱</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>加锁</translation>
    </message>
    <message>
        <source>Delete the programs the reference does not list</source>
        <translation>删除参考中未列出的节目</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Show beside the list</source>
        <translation>在列表旁显示</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>应用参考列表</translation>
    </message>
    <message>
        <source>Choose a kept dump or a file</source>
        <translation>选择保存的转储或文件</translation>
    </message>
    <message>
        <source>Kept dump of %1 (%2 TV, %3 radio)</source>
        <translation>%1 的转储（%2 个电视，%3 个广播）</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>服务 ID</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>找到</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>参考：</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>卫星：</translation>
    </message>
    <message>
        <source>Carry:</source>
        <translation>带入：</translation>
    </message>
    <message>
        <source>Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)</source>
        <translation>映像、CSV 或文本列表 (*.bin *.csv *.txt) (*.bin *.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The reference cannot be used:</source>
        <translation>无法使用该参考：</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>文件大于 %1。</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>参考列表行</translation>
    </message>
</context>
<context>
    <name>ReferenceTexts</name>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>电视或广播</translation>
    </message>
    <message>
        <source>fits several programs</source>
        <translation>匹配多个节目</translation>
    </message>
    <message>
        <source>the program of No. %1</source>
        <translation>与编号 %1 为同一节目</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>%1: %2 not found, %3 fit several programs, %4 repeated</source>
        <translation>%1：%2 个未找到，%3 个匹配多个节目，%4 个重复</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the reference: %6</source>
        <translation>%1：%2 个已匹配，%3 个未找到，%4 个匹配多个节目，%5 个重复；不在参考中：%6</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>AllPrograms</source>
        <translation>全部节目</translation>
    </message>
    <message>
        <source>Satellite(%1)</source>
        <translation>卫星(%1)</translation>
    </message>
</context>
<context>
    <name>TpEditDlg</name>
    <message>
        <source>Can&apos;t find the current sat no.!</source>
        <translation>找不到当前卫星号！</translation>
    </message>
</context>
<context>
    <name>TransferControl</name>
    <message>
        <source>idle...</source>
        <translation>空闲...</translation>
    </message>
    <message>
        <source>The transfer trace is not written: %1</source>
        <translation>未写入传输跟踪：%1</translation>
    </message>
    <message>
        <source>Can&apos;t open port %1!</source>
        <translation>无法打开串口 %1！</translation>
    </message>
    <message>
        <source>Open Com</source>
        <comment>opens the serial port</comment>
        <translation>打开串口</translation>
    </message>
    <message>
        <source>Please reset the STB!</source>
        <translation>请重启机顶盒！</translation>
    </message>
    <message>
        <source>Reading...Please wait!</source>
        <translation>读取中…请稍候！</translation>
    </message>
    <message>
        <source>Please open file first!</source>
        <translation>请先打开文件！</translation>
    </message>
    <message>
        <source>The receiver link was lost: %1</source>
        <translation>与接收机的连接已断开：%1</translation>
    </message>
    <message>
        <source>The receiver link was lost.
%1</source>
        <translation>与接收机的连接已断开。
%1</translation>
    </message>
    <message>
        <source>Dump kept in %1</source>
        <translation>读取的数据已保存在 %1</translation>
    </message>
    <message>
        <source>The dump was not kept</source>
        <translation>读取的数据未保存</translation>
    </message>
    <message>
        <source>The dump could not be kept in %1.
%2</source>
        <translation>无法将读取的数据保存在 %1。
%2</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>button: read the receiver&apos;s flash now</comment>
        <translation>开始读取</translation>
    </message>
    <message>
        <source>Read to read!</source>
        <translation>准备读取！</translation>
    </message>
    <message>
        <source>Upgrading,Please wait!</source>
        <translation>升级中，请稍候！</translation>
    </message>
    <message>
        <source>Verify: press Read when the receiver is ready.</source>
        <extracomment>&quot;Read&quot; is the caption the Dump button takes when the receiver is ready.</extracomment>
        <translation>校验：接收机就绪后按“开始读取”。</translation>
    </message>
    <message>
        <source>The receiver holds this image.</source>
        <translation>接收机中的正是此映像。</translation>
    </message>
    <message>
        <source>The receiver does not hold this image.</source>
        <translation>接收机中的不是此映像。</translation>
    </message>
    <message>
        <source>Upgrade finished. To check it, choose Tools &quot;verify&quot; and reset the receiver again.</source>
        <extracomment>&quot;Tools&quot; and &quot;verify&quot; are the menu and its item as the menu bar names them.</extracomment>
        <translation>升级完成。要检查，请选择 工具“校验”，然后再次重启接收机。</translation>
    </message>
    <message>
        <source>Can&apos;t open the port!</source>
        <translation>无法打开串口！</translation>
    </message>
    <message>
        <source>Can&apos;t open port!</source>
        <translation>无法打开端口！</translation>
    </message>
    <message>
        <source>dump loader</source>
        <translation>读取加载器</translation>
    </message>
    <message>
        <source>upgrade loader for 4M</source>
        <translation>4M 升级加载器</translation>
    </message>
    <message>
        <source>upgrade loader for 8M</source>
        <translation>8M 升级加载器</translation>
    </message>
    <message>
        <source>upgrade loader for 13.5M</source>
        <translation>13.5M 升级加载器</translation>
    </message>
    <message>
        <source>upgrade loader for 16M</source>
        <translation>16M 升级加载器</translation>
    </message>
    <message>
        <source>upgrade loader for 27M</source>
        <translation>27M 升级加载器</translation>
    </message>
    <message>
        <source>stage-two image</source>
        <translation>第二阶段映像</translation>
    </message>
    <message>
        <source>the one built in</source>
        <translation>内置的</translation>
    </message>
    <message>
        <source>The %1 (%2) is a placeholder, not the receiver maker&apos;s block, and a receiver cannot run it. Put the maker&apos;s %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.</source>
        <extracomment>%1 is a block such as &quot;dump loader&quot;, %2 where it came from, %3 its file name, %4 and %5 where to put it.</extracomment>
        <translation>%1（%2）是占位块，不是接收机厂商的块，接收机无法运行它。请将厂商的 %3 放到 %4 或 /usr/share/tavrel/loaders，或在 %5 中指定其文件夹。</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>save</source>
        <extracomment>The title of the question whether to save changes.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>bin file (*.bin) (*.bin *.s);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>Bin文件(*.bin) (*.bin *.s);;所有文件(*.*) (*)</translation>
    </message>
    <message>
        <source>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv) (*.csv);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>CSV 文件(*.csv) (*.csv);;所有文件(*.*) (*)</translation>
    </message>
</context>
<context>
    <name>ValueNames</name>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单本振</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>18V</source>
        <translation>18V</translation>
    </message>
    <message>
        <source>13V</source>
        <translation>13V</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>电影</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>卡通</translation>
    </message>
    <message>
        <source>News</source>
        <translation>新闻</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>体育</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>成人</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>DiSEqC1</source>
        <translation>DiSEqC1</translation>
    </message>
    <message>
        <source>DiSEqC2</source>
        <translation>DiSEqC2</translation>
    </message>
    <message>
        <source>DiSEqC3</source>
        <translation>DiSEqC3</translation>
    </message>
    <message>
        <source>DiSEqC4</source>
        <translation>DiSEqC4</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Polarisation: horizontal.</extracomment>
        <translation>水平</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Polarisation: vertical.</extracomment>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Audio track.</extracomment>
        <translation>左声道</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>Tavrel Version %1</source>
        <translation>Tavrel 版本 %1</translation>
    </message>
</context>
</TS>
