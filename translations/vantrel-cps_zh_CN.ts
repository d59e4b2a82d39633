<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>信道 %1，%2</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>The report could not be printed: no printer is available.</source>
        <translation>无法打印报告：没有可用的打印机。</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>无法在 &quot;%1&quot; 上打印报告。</translation>
    </message>
    <message>
        <source>The print preview could not be made: %1</source>
        <translation>无法生成打印预览：%1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Time Option value is Invalid</source>
        <translation>时间选项值无效</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>密码无效</translation>
    </message>
    <message>
        <source>Invalid Serial Number</source>
        <translation>序列号无效</translation>
    </message>
    <message>
        <source>Region Code is not valid...</source>
        <translation>区域代码无效...</translation>
    </message>
    <message>
        <source>Input TPL Frequency</source>
        <translation>输入 TPL 频率</translation>
    </message>
    <message>
        <source>Error! invalid data type</source>
        <translation>错误！数据类型无效</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No. not in active scan list</source>
        <translation>优先扫描信道号不在当前扫描列表中</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>频率无效</translation>
    </message>
    <message>
        <source>Out of Frequency Range</source>
        <translation>超出频率范围</translation>
    </message>
    <message>
        <source>Frequency is not valid</source>
        <translation>频率无效</translation>
    </message>
    <message>
        <source>Not Allowed To Delete Priority Channel Frequency</source>
        <translation>不允许删除优先信道的频率</translation>
    </message>
    <message>
        <source>Empty Channel</source>
        <translation>空信道</translation>
    </message>
    <message>
        <source>Not Allowed To Remove Priority Channel</source>
        <translation>不允许移除优先信道</translation>
    </message>
    <message>
        <source>The editor is locked.</source>
        <translation>编辑器已锁定。</translation>
    </message>
    <message>
        <source>not a value this cell can take</source>
        <translation>此单元格不接受该值</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>扫描速度 (msec)</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>扫描停留时间 (msec)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>扫描间隔时间 (msec)</translation>
    </message>
    <message>
        <source>Tx Time Out Time (sec)</source>
        <translation>发射限时时间 (sec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>TOT 预警时间 (sec)</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>扫描速度</translation>
    </message>
    <message>
        <source>Scan Hang Time</source>
        <translation>扫描停留时间</translation>
    </message>
    <message>
        <source>Scan Interval Time</source>
        <translation>扫描间隔时间</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>发射限时时间</translation>
    </message>
    <message>
        <source>TOT Warning Time</source>
        <translation>TOT 预警时间</translation>
    </message>
    <message>
        <source>channel names are not kept: the radio has no channel names</source>
        <translation>未保留信道名称：对讲机没有信道名称</translation>
    </message>
    <message>
        <source>Hi/Low Power</source>
        <translation>高/低功率</translation>
    </message>
    <message>
        <source>Volume Set</source>
        <translation>音量设置</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Sticky Monitor</source>
        <translation>持续监听</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>中继/脱网</translation>
    </message>
    <message>
        <source>PL/DPL</source>
        <translation>PL/DPL</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>未分配</translation>
    </message>
    <message>
        <source>Battery Save Mode</source>
        <translation>省电模式</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>静噪</translation>
    </message>
    <message>
        <source>Nuisance Channel Delete</source>
        <translation>删除干扰信道</translation>
    </message>
    <message>
        <source>Button Lock</source>
        <translation>按键锁定</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>中继 / 脱网</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Codeplug is protected.</source>
        <translation>编程数据受密码保护。</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>请输入密码。</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>密码无效。</translation>
    </message>
    <message>
        <source>Please enter correct password.</source>
        <translation>请输入正确的密码。</translation>
    </message>
    <message>
        <source>Codeplug is password protected.</source>
        <translation>编程数据受密码保护。</translation>
    </message>
    <message>
        <source>Communication Error. Please check Programming mode.</source>
        <translation>通信错误。请检查编程模式。</translation>
    </message>
    <message>
        <source>Communication Error. Unsupported radio codeplug region.</source>
        <translation>通信错误。不支持该对讲机编程数据的地区。</translation>
    </message>
    <message>
        <source>Communication Error. Please check codeplug version.</source>
        <translation>通信错误。请检查编程数据版本。</translation>
    </message>
    <message>
        <source>Communication Error.</source>
        <translation>通信错误。</translation>
    </message>
    <message>
        <source>Please wait a moment......</source>
        <translation>请稍候......</translation>
    </message>
    <message>
        <source>Please wait a moment.......</source>
        <translation>请稍候.......</translation>
    </message>
    <message>
        <source>Successfully Reading End.</source>
        <translation>读取成功完成。</translation>
    </message>
    <message>
        <source>Successfully Writing End.</source>
        <translation>写入成功完成。</translation>
    </message>
    <message>
        <source>Writing End, but an answer from the radio was not clear. Please read the radio back to verify.</source>
        <translation>写入结束，但对讲机的一个应答不明确。请回读对讲机以校验。</translation>
    </message>
    <message>
        <source>the radio holds every byte written</source>
        <translation>对讲机中的每个字节都与写入一致</translation>
    </message>
    <message>
        <source>Invalid password. Codeplug is password protected.</source>
        <translation>密码无效。编程数据受密码保护。</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>写频线已断开。</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte written.</source>
        <translation>校验通过：对讲机中的每个字节都与写入一致。</translation>
    </message>
    <message>
        <source>Comm. Port Unavailable !</source>
        <translation>通信端口不可用！</translation>
    </message>
    <message>
        <source>Please Change the Port selection.</source>
        <translation>请更换端口选择。</translation>
    </message>
    <message>
        <source>Choose the port of the programming cable.</source>
        <translation>请选择写频线所在的端口。</translation>
    </message>
    <message>
        <source>Only its owner may use it; ask the administrator for access.</source>
        <translation>只有其所有者可以使用；请向管理员申请访问权限。</translation>
    </message>
    <message>
        <source>then log out and in again.</source>
        <translation>然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>No serial device was found for this port.</source>
        <translation>未找到此端口对应的串口设备。</translation>
    </message>
    <message>
        <source>Is the programming cable plugged in?</source>
        <translation>写频线是否已插好？</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>一个文件</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>一个管道</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>一个设备</translation>
    </message>
    <message>
        <source>not a character device</source>
        <translation>非字符设备</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>另一个程序</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a Vantrel programmer data file</source>
        <translation>%1 不是 Vantrel 编程器数据文件</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 codeplug bytes</source>
        <translation>%1 仅包含 %3 个编程数据字节中的 %2 个</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is outside 0 to 255</source>
        <translation>%1：第 %2 个值 (%3) 超出 0 到 255</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a number</source>
        <translation>%1：第 %2 个值 (%3) 不是数字</translation>
    </message>
    <message>
        <source>%1: value %2 is not text</source>
        <translation>%1：第 %2 个值不是文本</translation>
    </message>
    <message>
        <source>%1 is too long for a data file (over 1 MiB)</source>
        <translation>%1 作为数据文件过大（超过 1 MiB）</translation>
    </message>
    <message>
        <source>Channel %1: this radio has %2 channels</source>
        <translation>信道 %1：此对讲机只有 %2 个信道</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 个字节不一致</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 个字节不一致</translation>
    </message>
    <message>
        <source>byte %1 written %2, read back %3</source>
        <translation>字节 %1 写入 %2，回读 %3</translation>
    </message>
    <message>
        <source>imported %1 row; %2 left out</source>
        <translation>已导入 %1 行；%2 行未导入</translation>
    </message>
    <message>
        <source>imported %1 rows; %2 left out</source>
        <translation>已导入 %1 行；%2 行未导入</translation>
    </message>
    <message>
        <source>imported %1 row into channel %2; %3 left out</source>
        <translation>已导入 %1 行到信道 %2；%3 行未导入</translation>
    </message>
    <message>
        <source>imported %1 rows into channels %2–%3; %4 left out</source>
        <translation>已导入 %1 行到信道 %2–%3；%4 行未导入</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>location %1: %2</source>
        <translation>位置 %1：%2</translation>
    </message>
    <message>
        <source>not a CHIRP channel list: %1</source>
        <translation>不是 CHIRP 信道列表：%1</translation>
    </message>
    <message>
        <source>%1 is %2, not a serial device.</source>
        <translation>%1 是%2，不是串口设备。</translation>
    </message>
    <message>
        <source>%1: permission denied.</source>
        <translation>%1：权限被拒绝。</translation>
    </message>
    <message>
        <source>You are in the group &quot;%1&quot;, but this login is older than that: log out and in again.</source>
        <translation>您已在组 &quot;%1&quot; 中，但本次登录早于加入该组：请注销后重新登录。</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;. Add yourself to it with</source>
        <translation>该设备属于组 &quot;%1&quot;。请用以下命令将自己加入该组：</translation>
    </message>
    <message>
        <source>%1 is busy: %2 is using it.</source>
        <translation>%1 正忙：%2 正在使用它。</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1：没有此设备。</translation>
    </message>
    <message>
        <source>%1: no such device (it is gone).</source>
        <translation>%1：没有此设备（已被移除）。</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>%1 Verified: the radio holds every byte written.</source>
        <translation>%1 已校验：对讲机中的每个字节都与写入一致。</translation>
    </message>
    <message>
        <source>%1 The cable was disconnected.</source>
        <translation>%1 写频线已断开。</translation>
    </message>
    <message>
        <source>Stopped during the %1, before its data blocks.</source>
        <translation>在%1过程中停止，尚未传输数据块。</translation>
    </message>
    <message>
        <source>Stopped during the %1 at block %2 of %3.</source>
        <translation>在%1过程中停止，位于第 %2 块（共 %3 块）。</translation>
    </message>
    <message>
        <source>the codeplug would give every radio the serial number &apos;%1&apos; (its serial write enable is set): write one radio at a time</source>
        <translation>该编程数据会使每台对讲机获得相同的序列号 &apos;%1&apos;（已启用序列号写入）：请一次只写一台对讲机</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</source>
        <translation>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</translation>
    </message>
    <message>
        <source>1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting</source>
        <translation>1:标准解除静音,标准静音; 2:“与”解除静音,标准静音; 3:“与”解除静音,“或”静音</translation>
    </message>
    <message>
        <source>Ch No</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>Rx Freq.</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Channel Rx Frequency Edit</source>
        <translation>编辑信道接收频率</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>PL 选项</translation>
    </message>
    <message>
        <source>Channel Rx PL Option Setting</source>
        <translation>信道接收 PL 选项设置</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>静噪</translation>
    </message>
    <message>
        <source>Squelch Setting</source>
        <translation>静噪设置</translation>
    </message>
    <message>
        <source>Normal or Tight</source>
        <translation>常规或严格</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Tx Freq.</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Channel Tx Frequency Edit</source>
        <translation>编辑信道发射频率</translation>
    </message>
    <message>
        <source>Channel Tx PL Option Setting</source>
        <translation>信道发射 PL 选项设置</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>PWR</translation>
    </message>
    <message>
        <source>Power Level Setting</source>
        <translation>功率等级设置</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Setting</source>
        <translation>DPL 关闭码设置</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Enable or Disable</source>
        <translation>DPL 关闭码启用或禁用</translation>
    </message>
    <message>
        <source>Rx Only</source>
        <translation>仅接收</translation>
    </message>
    <message>
        <source>Rx Only Setting</source>
        <translation>仅接收设置</translation>
    </message>
    <message>
        <source> Rx Only Enable or Disable</source>
        <translation> 仅接收启用或禁用</translation>
    </message>
    <message>
        <source>Rev Burst</source>
        <translation>反向突发</translation>
    </message>
    <message>
        <source>TPL Reverse Burst Setting</source>
        <translation>TPL 反向突发设置</translation>
    </message>
    <message>
        <source>None / 180 / 240</source>
        <translation>无 / 180 / 240</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Busy Channel Lock Out Setting</source>
        <translation>繁忙信道锁定设置</translation>
    </message>
    <message>
        <source>BCLO Enable or Disable</source>
        <translation>BCLO 启用或禁用</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Channel Bandwidth Setting</source>
        <translation>信道带宽设置</translation>
    </message>
    <message>
        <source>12.5KHz / 25KHz</source>
        <translation>12.5KHz / 25KHz</translation>
    </message>
    <message>
        <source>TA</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Talkaround Setting</source>
        <translation>脱网设置</translation>
    </message>
    <message>
        <source>Repeater/Talkaround Set</source>
        <translation>中继/脱网设置</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>Invalid number</source>
        <translation>数字无效</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>User Defined TPL </source>
        <translation>自定义 TPL </translation>
    </message>
    <message>
        <source>Programmable Button Selection</source>
        <translation>可编程按键选择</translation>
    </message>
    <message>
        <source>Scan Type Selection</source>
        <translation>扫描类型选择</translation>
    </message>
    <message>
        <source>Time Out Timer (TOT) Selection</source>
        <translation>发射限时 (TOT) 选择</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Input Password 8 Characters</source>
        <translation>输入密码（8 个字符）</translation>
    </message>
    <message>
        <source>Codeplug Version (Read Only)</source>
        <translation>编程数据版本（只读）</translation>
    </message>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>可编程按键 1 短按</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>可编程按键 1 长按</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>可编程按键 2 短按</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>可编程按键 2 长按</translation>
    </message>
    <message>
        <source>Firmware Version (Read Only)</source>
        <translation>固件版本（只读）</translation>
    </message>
    <message>
        <source>Frequency Range [MHz] (Read Only)</source>
        <translation>频率范围 [MHz]（只读）</translation>
    </message>
    <message>
        <source>Model Number (Read Only)</source>
        <translation>型号（只读）</translation>
    </message>
    <message>
        <source>Serial Number (Read Only)</source>
        <translation>序列号（只读）</translation>
    </message>
    <message>
        <source>Input Regional Super Velmar Number 16 Characters</source>
        <translation>输入区域超级 Velmar 号码（16 个字符）</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>扫描间隔时间 (msec)</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>优先扫描信道号</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>扫描停留时间 (msec)</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>扫描速度 (msec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>TOT 预警时间 (sec)</translation>
    </message>
    <message>
        <source>TX Time Out Time (sec)</source>
        <translation>发射限时时间 (sec)</translation>
    </message>
    <message>
        <source>TPL1 (Hz)</source>
        <translation>TPL1 (Hz)</translation>
    </message>
    <message>
        <source>TPL2 (Hz)</source>
        <translation>TPL2 (Hz)</translation>
    </message>
    <message>
        <source>TPL3 (Hz)</source>
        <translation>TPL3 (Hz)</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>信道列表</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>扫描列表信道</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>扫描列表“添加”按钮</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>扫描列表“移除”按钮</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable Option</source>
        <translation>省电模式启用选项</translation>
    </message>
    <message>
        <source>Priority Scan Enable Option</source>
        <translation>优先扫描启用选项</translation>
    </message>
    <message>
        <source>Quick Key Override Enable Option</source>
        <translation>快捷键优先启用选项</translation>
    </message>
    <message>
        <source>Normal Scan Enable Option</source>
        <translation>常规扫描启用选项</translation>
    </message>
    <message>
        <source>TOT (Time Out Timer) Enable Option</source>
        <translation>TOT（发射限时）启用选项</translation>
    </message>
    <message>
        <source>Talkback Scan Enable Option </source>
        <translation>回话扫描启用选项 </translation>
    </message>
    <message>
        <source>Scan Interval Time : 250 to 5000msec</source>
        <translation>扫描间隔时间：250 至 5000msec</translation>
    </message>
    <message>
        <source>Scan Hang Time : 500 to 9500msec</source>
        <translation>扫描停留时间：500 至 9500msec</translation>
    </message>
    <message>
        <source>Scan Speed Time : 50 to 500msec</source>
        <translation>扫描速度时间：50 至 500msec</translation>
    </message>
    <message>
        <source>TOT Warning Time : 1 to 10sec</source>
        <translation>TOT 预警时间：1 至 10sec</translation>
    </message>
    <message>
        <source>TX Time Out Time : 10 to 600sec</source>
        <translation>发射限时时间：10 至 600sec</translation>
    </message>
    <message>
        <source>TPL Frequency : 67 to 255Hz</source>
        <translation>TPL 频率：67 至 255Hz</translation>
    </message>
</context>
<context>
    <name>UndoStepNames</name>
    <message>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>PL 选项</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>优先扫描信道号</translation>
    </message>
    <message>
        <source>User TPL Frequency</source>
        <translation>自定义 TPL 频率</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Super Number</source>
        <translation>超级号码</translation>
    </message>
    <message>
        <source>Button 1 Short Press</source>
        <translation>按键 1 短按</translation>
    </message>
    <message>
        <source>Button 1 Long Press</source>
        <translation>按键 1 长按</translation>
    </message>
    <message>
        <source>Button 2 Short Press</source>
        <translation>按键 2 短按</translation>
    </message>
    <message>
        <source>Button 2 Long Press</source>
        <translation>按键 2 长按</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>vantrel::ButtonFrame</name>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>可编程按键 1 短按</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>可编程按键 1 长按</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>可编程按键 2 短按</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>可编程按键 2 长按</translation>
    </message>
    <message>
        <source>Programmable Button</source>
        <translation>可编程按键</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelCsvCommands</name>
    <message>
        <source>CHIRP channel list</source>
        <translation>CHIRP 信道列表</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>&amp;Export Channels..</source>
        <translation>导出信道(&amp;E)..</translation>
    </message>
    <message>
        <source>&amp;Import Channels..</source>
        <translation>导入信道(&amp;I)..</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>未导入：</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelGrid</name>
    <message>
        <source>Ch No : %1</source>
        <translation>信道号：%1</translation>
    </message>
    <message>
        <source>High or Low</source>
        <translation>高或低</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
</context>
<context>
    <name>vantrel::EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Nothing is loaded yet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Read a radio: &lt;b&gt;Device &amp;gt; Read&lt;/b&gt; (Ctrl+R).&lt;br&gt;Open a data file: &lt;b&gt;File &amp;gt; Open..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Program a blank radio: &lt;a href=&quot;super&quot;&gt;enter its regional super number&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;尚未加载任何数据。&lt;/b&gt;&lt;/p&gt;&lt;p&gt;读取对讲机：&lt;b&gt;设备 &amp;gt; 读取&lt;/b&gt; (Ctrl+R)。&lt;br&gt;打开数据文件：&lt;b&gt;文件 &amp;gt; 打开..&lt;/b&gt; (Ctrl+O)。&lt;br&gt;为空白对讲机编程：&lt;a href=&quot;super&quot;&gt;输入其区域超级号码&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vantrel::FileCommands</name>
    <message>
        <source>Programmer data file</source>
        <translation>编程器数据文件</translation>
    </message>
    <message>
        <source>Save Current Data to File ?</source>
        <translation>将当前数据保存到文件？</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>保存？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The path you entered,<byte value="xd"/>
&apos;%1&apos; is too long, Enter a shorter path.</source>
        <translation>您输入的路径<byte value="xd"/>
&apos;%1&apos; 太长，请输入较短的路径。</translation>
    </message>
    <message>
        <source>   The file name, location, or format is not valid. Type the file name and location in the correct format.</source>
        <translation>   文件名、位置或格式无效。请按正确格式输入文件名和位置。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>vantrel::GridClipboard</name>
    <message>
        <source>Nothing was pasted:</source>
        <translation>未粘贴任何内容：</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel CPS Help</source>
        <translation>Vantrel CPS 帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportNumberingDialog</name>
    <message>
        <source>&amp;Keep the list&apos;s channel numbers</source>
        <translation>保留列表中的信道号(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Fill channels from</source>
        <translation>从信道(&amp;F)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>起始信道</translation>
    </message>
    <message>
        <source>in the list&apos;s order, skipping rows the radio cannot take</source>
        <translation>起按列表顺序填入，跳过对讲机无法接受的行</translation>
    </message>
</context>
<context>
    <name>vantrel::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The language changes when Vantrel CPS starts again.</source>
        <translation>语言将在 Vantrel CPS 下次启动时更改。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open..</source>
        <translation>打开(&amp;O)..</translation>
    </message>
    <message>
        <source>Radio &amp;Archive...</source>
        <translation>对讲机存档(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print..</source>
        <translation>打印(&amp;P)..</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认设置</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
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
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读取(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>批量编程对讲机(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>通信端口(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Vantrel CPS...</source>
        <translation>关于 Vantrel CPS(&amp;A)...</translation>
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
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
</context>
<context>
    <name>vantrel::PasswordForm</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>vantrel::ProgramCommands</name>
    <message>
        <source>Verifying...</source>
        <translation>正在校验...</translation>
    </message>
    <message>
        <source>Verify after write: </source>
        <translation>写入后校验： </translation>
    </message>
    <message>
        <source>the radio could not be read back (%1)</source>
        <translation>无法从对讲机读回数据 (%1)</translation>
    </message>
    <message>
        <source>Please close your window before programming the radio.</source>
        <translation>编程对讲机前请先关闭您打开的窗口。</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioInfoFrame</name>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Regional Super Velmar</source>
        <translation>区域超级 Velmar</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>对讲机信息</translation>
    </message>
    <message>
        <source>POP Enable</source>
        <translation>POP 启用</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>编程数据版本</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Please Press the &apos;Enter&apos; Key</source>
        <translation>请按“Enter”键</translation>
    </message>
    <message>
        <source>Enter Current Serial Number to Radio ?</source>
        <translation>将当前序列号写入对讲机？</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>保存？</translation>
    </message>
    <message>
        <source>Enter Current Regional Super Velmar Number to Radio ?</source>
        <translation>将当前区域超级 Velmar 号码写入对讲机？</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>密码无效</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioLink</name>
    <message>
        <source>Archive: %1</source>
        <translation>存档：%1</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioSettings</name>
    <message>
        <source>Talkback Scan Enable</source>
        <translation>回话扫描启用</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable</source>
        <translation>省电模式启用</translation>
    </message>
    <message>
        <source>TOT Enable</source>
        <translation>TOT 启用</translation>
    </message>
    <message>
        <source>Priority Scan Enable</source>
        <translation>优先扫描启用</translation>
    </message>
    <message>
        <source>Normal Scan Enable</source>
        <translation>常规扫描启用</translation>
    </message>
    <message>
        <source>Quick Key Override Enable</source>
        <translation>快捷键优先启用</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Time Out Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source> Prio. Scan Ch. No.</source>
        <translation> 优先扫描信道号</translation>
    </message>
</context>
<context>
    <name>vantrel::ReadNotice</name>
    <message>
        <source>1 field differs</source>
        <translation>1 个字段不同</translation>
    </message>
    <message>
        <source>%1 fields differ</source>
        <translation>%1 个字段不同</translation>
    </message>
    <message>
        <source>Radio %1 no longer holds its last write, of %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Compare the radio with that write?</source>
        <translation>对讲机 %1 已不再保存其最后一次写入（%2 UTC）：%3。<byte value="xd"/>
<byte value="xd"/>
将对讲机与该次写入进行比较？</translation>
    </message>
    <message>
        <source>Radio Archive</source>
        <translation>对讲机存档</translation>
    </message>
</context>
<context>
    <name>vantrel::ScanListPanel</name>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>添加 &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; 移除</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>信道列表</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>扫描列表信道</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>扫描列表“添加”按钮</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>扫描列表“移除”按钮</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>优先扫描信道号：1 至 %1Ch</translation>
    </message>
</context>
<context>
    <name>vantrel::UserTplFrame</name>
    <message>
        <source>  User Defined TPL </source>
        <translation>  自定义 TPL </translation>
    </message>
    <message>
        <source> RX</source>
        <translation> 接收</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> 发射</translation>
    </message>
    <message>
        <source> TPL%1 (Hz)</source>
        <translation> TPL%1 (Hz)</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>频率无效</translation>
    </message>
</context>
<context>
    <name>vantrel::frmAbout</name>
    <message>
        <source>Customer programming software for Vantrel two-way radios</source>
        <translation>Vantrel 对讲机客户编程软件</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>版本： </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>vantrel::frmArchive</name>
    <message>
        <source>Radio Archive</source>
        <translation>对讲机存档</translation>
    </message>
    <message>
        <source>Programmer data file</source>
        <translation>编程器数据文件</translation>
    </message>
    <message>
        <source>Radio without serial number</source>
        <translation>无序列号的对讲机</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>对讲机 %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3 UTC</source>
        <translation>%1，%3 UTC 的 %2</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Last Entry</source>
        <translation>最近记录</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>时间 (UTC)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比较(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F)：</translation>
    </message>
    <message>
        <source>The radio archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is &quot;off&quot;).</source>
        <translation>对讲机存档已关闭（VANTREL_ARCHIVE 或设置项 Archive/Location 为 &quot;off&quot;）。</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be opened: %2</source>
        <translation>无法打开对讲机存档 %1：%2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>存档：%1</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be read: %2</source>
        <translation>无法读取对讲机存档 %1：%2</translation>
    </message>
    <message>
        <source>This entry is no longer in the archive.</source>
        <translation>存档中已没有此记录。</translation>
    </message>
    <message>
        <source>This %1 did not complete: the archive holds no image of it.</source>
        <translation>此次 %1 未完成：存档中没有它的数据映像。</translation>
    </message>
    <message>
        <source>This entry&apos;s image does not match its checksum and is not used.</source>
        <translation>此记录的数据映像与校验和不符，不予使用。</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>没有不同的字段。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>vantrel::frmChannelToneOption</name>
    <message>
        <source>Channel Tone Option</source>
        <translation>信道亚音选项</translation>
    </message>
    <message>
        <source>TPL Frequency Table</source>
        <translation>TPL 频率表</translation>
    </message>
    <message>
        <source>DPL Code Table</source>
        <translation>DPL 码表</translation>
    </message>
</context>
<context>
    <name>vantrel::frmFleet</name>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>批量编程对讲机</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Radio password, if the radios ask</source>
        <translation>对讲机密码（如对讲机要求）</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>保存汇总...</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>无串口设备</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to program.</source>
        <translation>请勾选要编程的对讲机所在端口。</translation>
    </message>
    <message>
        <source>%1 of %2 radios programmed.</source>
        <translation>已编程 %1/%2 台对讲机。</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>保存汇总</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV 文件</translation>
    </message>
    <message>
        <source>Cannot save the summary: </source>
        <translation>无法保存汇总： </translation>
    </message>
</context>
<context>
    <name>vantrel::frmMain</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>优先扫描信道号：1 至 %1Ch</translation>
    </message>
    <message>
        <source>&amp;Radio Configuration</source>
        <translation>对讲机配置(&amp;R)</translation>
    </message>
    <message>
        <source>Conventional Personality</source>
        <translation>常规信道</translation>
    </message>
</context>
<context>
    <name>vantrel::frmProgram</name>
    <message>
        <source>Program</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Click Write Button</source>
        <translation>请单击“写入”按钮</translation>
    </message>
    <message>
        <source>Click Read Button</source>
        <translation>请单击“读取”按钮</translation>
    </message>
    <message>
        <source>  To write codeplug data to radio:</source>
        <translation>  向对讲机写入编程数据：</translation>
    </message>
    <message>
        <source>  To read codeplug data from radio:</source>
        <translation>  从对讲机读取编程数据：</translation>
    </message>
    <message>
        <source>  1. Turn off radio.</source>
        <translation>  1. 关闭对讲机。</translation>
    </message>
    <message>
        <source>  2. Connect programming cable to radio.</source>
        <translation>  2. 将写频线连接到对讲机。</translation>
    </message>
    <message>
        <source>  3. Press and hold Programmable Button 1 while turning on radio.</source>
        <translation>  3. 按住可编程按键 1 的同时打开对讲机。</translation>
    </message>
    <message>
        <source>  4. Radio will beep once. Release Programmable Button 1.</source>
        <translation>  4. 对讲机鸣响一声后，松开可编程按键 1。</translation>
    </message>
    <message>
        <source> ORANGE LED will be shown on radio.</source>
        <translation> 对讲机上的橙色 LED 灯亮起。</translation>
    </message>
    <message>
        <source>  5. Click Write button on CPS.</source>
        <translation>  5. 单击 CPS 上的“写入”按钮。</translation>
    </message>
    <message>
        <source>  5. Click Read button on CPS.</source>
        <translation>  5. 单击 CPS 上的“读取”按钮。</translation>
    </message>
    <message>
        <source>  6. CPS will show reading progress bar. Once completed, it will close by itself.</source>
        <translation>  6. CPS 将显示进度条，完成后窗口自动关闭。</translation>
    </message>
    <message>
        <source>Waiting for radio...</source>
        <translation>正在等待对讲机...</translation>
    </message>
    <message>
        <source>Close Program</source>
        <translation>关闭编程窗口</translation>
    </message>
    <message>
        <source>Read Codeplug Data From Radio To PC</source>
        <translation>从对讲机读取编程数据到电脑</translation>
    </message>
    <message>
        <source>Write Radio Codeplug Data PC To Radio</source>
        <translation>将编程数据从电脑写入对讲机</translation>
    </message>
</context>
<context>
    <name>vantrel::frmSpla</name>
    <message>
        <source>Customer Programming Software</source>
        <translation>客户编程软件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>vantrel::report::frmMultiPgPreview</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>打印选项</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适应</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适应页面</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
</context>
</TS>
