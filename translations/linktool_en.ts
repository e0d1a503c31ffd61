<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>lt::AddressCalculator</name>
    <message>
        <source>计算地址（地址隐含在数据中）</source>
        <translation>Calculate address (the address is hidden in the data)</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>对方站号</source>
        <translation>Remote station</translation>
    </message>
    <message>
        <source>组内模块数</source>
        <translation>Modules in group</translation>
    </message>
    <message>
        <source>编码方式</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>可以利用的号码</source>
        <translation>Usable numbers</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>为用户计算地址K</source>
        <translation>Calculate addresses K for users</translation>
    </message>
    <message>
        <source>为用户计算地址</source>
        <translation>Calculate addresses for users</translation>
    </message>
</context>
<context>
    <name>lt::Chooser</name>
    <message>
        <source>QX3000系列测试程序</source>
        <translation>QX3000 Series Test Program</translation>
    </message>
    <message>
        <source>单击进入 QX3200 测试，用户不需要固定IP地址</source>
        <translation>Click to test a QX3200; no fixed IP address needed</translation>
    </message>
    <message>
        <source>短信 测试程序</source>
        <translation>SMS test program</translation>
    </message>
    <message>
        <source>单击进入 QX3210 测试，需要固定IP地址</source>
        <translation>Click to test a QX3210; a fixed IP address is needed</translation>
    </message>
    <message>
        <source>GPRS 测试程序</source>
        <translation>GPRS test program</translation>
    </message>
    <message>
        <source>单击进入 有省电功能QX3100/QX3200 测试，用户不需要固定IP地址</source>
        <translation>Click to test a QX3100/QX3200 with power saving; no fixed IP address needed</translation>
    </message>
    <message>
        <source>技术支持：请与您的供应商联系</source>
        <translation>Technical support: contact your supplier</translation>
    </message>
    <message>
        <source>使用前请阅读模块说明书</source>
        <translation>Read the module&apos;s manual before use</translation>
    </message>
    <message>
        <source>测试程序仅用于模块的设置和检测</source>
        <translation>This program only sets up and tests modules</translation>
    </message>
</context>
<context>
    <name>lt::CommandLine</name>
    <message>
        <source>QX3000 系列无线串口模块的设置与测试工具。</source>
        <translation>Sets up and tests QX3000 series wireless serial modules.</translation>
    </message>
    <message>
        <source>连接窗口里预先选好的串口：COM1 到 COM8 或设备路径（如 /dev/ttyUSB0）。</source>
        <translation>The port chosen in the connect windows: COM1 to COM8 or a device path (such as /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>启动后直接打开这种模块的连接窗口。</source>
        <translation>Opens the connect window of this module at start.</translation>
    </message>
    <message>
        <source>本次运行打开“通讯记录”，把串口收发的数据记到文件里。</source>
        <translation>Turns on “Traffic log” for this run: what goes over the serial port is recorded in a file.</translation>
    </message>
</context>
<context>
    <name>lt::ComparisonDialog</name>
    <message>
        <source>（未读）</source>
        <translation>(not read)</translation>
    </message>
    <message>
        <source>参数文件与模块的比较</source>
        <translation>Settings file compared with the module</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>文件中的值</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>模块中的值</source>
        <translation>In the module</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>改变</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>相同</source>
        <translation>same</translation>
    </message>
    <message>
        <source>写入模块</source>
        <translation>Write to module</translation>
    </message>
    <message>
        <source>不写入</source>
        <translation>not written</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>write failed</translation>
    </message>
    <message>
        <source>已写入</source>
        <translation>written</translation>
    </message>
</context>
<context>
    <name>lt::ConnectWindow</name>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>工作方式选择</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>模块和计算机通信失败，请检查串口号、波特率</source>
        <translation>The module and the computer could not talk: check the serial port and the baud rate</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>lt::DataTestPage</name>
    <message>
        <source>发送方地址</source>
        <translation>Sender address</translation>
    </message>
    <message>
        <source>模块地址</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>接收方地址</source>
        <translation>Receiver address</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Send data</translation>
    </message>
    <message>
        <source>读取数据</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>判断内存</source>
        <translation>Check memory</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Send area</translation>
    </message>
    <message>
        <source>接收区</source>
        <translation>Receive area</translation>
    </message>
    <message>
        <source>源码区</source>
        <translation>Raw codes</translation>
    </message>
    <message>
        <source>发送指令 </source>
        <translation>TX command </translation>
    </message>
    <message>
        <source>发射数据：  </source>
        <translation>TX data:  </translation>
    </message>
    <message>
        <source>发射数据</source>
        <translation>Sending data</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>您还没有输入模块地址</source>
        <translation>You have not entered the module address yet</translation>
    </message>
    <message>
        <source>您输入的模块地址错误，模块地址是 2 个字节</source>
        <translation>The module address you entered is wrong: a module address is 2 bytes</translation>
    </message>
    <message>
        <source>您还没有输入接收方地址</source>
        <translation>You have not entered the receiver address yet</translation>
    </message>
    <message>
        <source>您输入的接收方地址错误，接收方地址是 2 个字节</source>
        <translation>The receiver address you entered is wrong: a receiver address is 2 bytes</translation>
    </message>
    <message>
        <source>发送区没有数据</source>
        <translation>The send area holds no data</translation>
    </message>
    <message>
        <source>发送区数据太长，一次最多发送 %1 个字节</source>
        <translation>Too much data in the send area: at most %1 bytes go at a time</translation>
    </message>
    <message>
        <source>接收数据</source>
        <translation>Receiving data</translation>
    </message>
</context>
<context>
    <name>lt::IdentityPage</name>
    <message>
        <source>身份地址设置</source>
        <translation>Identity address</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>工程号：</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>站点号：</source>
        <translation>Site:</translation>
    </message>
</context>
<context>
    <name>lt::InfoPanel</name>
    <message>
        <source>工作形式：</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>传输方式：</source>
        <translation>Transfer form:</translation>
    </message>
    <message>
        <source>短信密码：</source>
        <translation>SMS password:</translation>
    </message>
    <message>
        <source>接收方号码：</source>
        <translation>Receiver number:</translation>
    </message>
    <message>
        <source>串口波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>被动方式地址：</source>
        <translation>Passive address:</translation>
    </message>
    <message>
        <source>有无密码：</source>
        <translation>Password use:</translation>
    </message>
    <message>
        <source>重起时间：</source>
        <translation>Restart time:</translation>
    </message>
    <message>
        <source>地址开始位置：</source>
        <translation>Address start:</translation>
    </message>
    <message>
        <source>地址长度：</source>
        <translation>Address length:</translation>
    </message>
    <message>
        <source>组内最大数：</source>
        <translation>Max in group:</translation>
    </message>
    <message>
        <source>地址类型：</source>
        <translation>Address type:</translation>
    </message>
    <message>
        <source>模块省电：</source>
        <translation>Power saving:</translation>
    </message>
    <message>
        <source>醒后延时：</source>
        <translation>Wake-up delays:</translation>
    </message>
    <message>
        <source>醒后模式：</source>
        <translation>Wake-up mode:</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>BCD码</source>
        <translation>BCD</translation>
    </message>
    <message>
        <source>R50模式</source>
        <translation>R50 mode</translation>
    </message>
    <message>
        <source>参数信息</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>被动方式</source>
        <translation>Passive</translation>
    </message>
    <message>
        <source>主动方式</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>透明传输</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>格式传输</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>有密码</source>
        <translation>With password</translation>
    </message>
    <message>
        <source>无密码</source>
        <translation>No password</translation>
    </message>
    <message>
        <source>透明方式2</source>
        <translation>Transparent 2</translation>
    </message>
    <message>
        <source>透明方式1</source>
        <translation>Transparent 1</translation>
    </message>
    <message>
        <source>有省电</source>
        <translation>On</translation>
    </message>
    <message>
        <source>无省电</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Mode 2</translation>
    </message>
</context>
<context>
    <name>lt::MainWindow</name>
    <message>
        <source>通讯记录</source>
        <translation>Traffic log</translation>
    </message>
    <message>
        <source>连接模块后把收发的每一块数据连同时间记到 CSV 文件里</source>
        <translation>Once a module is connected, record every block sent and received, with its time, in a CSV file</translation>
    </message>
    <message>
        <source>打开记录文件夹</source>
        <translation>Open log folder</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>无法打开文件夹 %1</source>
        <translation>Cannot open the folder %1</translation>
    </message>
    <message>
        <source>GPRS短信模块 测试程序</source>
        <translation>GPRS SMS Module Test Program</translation>
    </message>
    <message>
        <source>未使用</source>
        <translation>not in use</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>清空接收区</source>
        <translation>Clear receive area</translation>
    </message>
    <message>
        <source>清空发射区</source>
        <translation>Clear send area</translation>
    </message>
    <message>
        <source>清空源码区</source>
        <translation>Clear source area</translation>
    </message>
    <message>
        <source>短信发送方式</source>
        <translation>SMS encoding</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Chinese characters</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>计算地址</source>
        <translation>Calculate address</translation>
    </message>
    <message>
        <source>计算地址K</source>
        <translation>Calculate address K</translation>
    </message>
    <message>
        <source>Unicode码转换</source>
        <translation>Unicode conversion</translation>
    </message>
    <message>
        <source>窗口</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>串口已断开，请检查连接</source>
        <translation>The serial port went away; check the connection</translation>
    </message>
    <message>
        <source>端口错误</source>
        <translation>Port error</translation>
    </message>
</context>
<context>
    <name>lt::ModuleModelGroup</name>
    <message>
        <source>设置模块型号</source>
        <translation>Module model</translation>
    </message>
    <message>
        <source>T100 短信</source>
        <translation>T100 SMS</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>lt::NetworkWaitNotice</name>
    <message>
        <source>正在与数据中心联系......请稍候</source>
        <translation>Contacting the data centre... please wait</translation>
    </message>
    <message>
        <source>连接超时，可能是网络忙。请少后再试</source>
        <translation>The connection timed out; the network may be busy. Try again later</translation>
    </message>
    <message>
        <source>网络出错！</source>
        <translation>Network error!</translation>
    </message>
</context>
<context>
    <name>lt::OpenLink</name>
    <message>
        <source>请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。</source>
        <translation>Make sure the module&apos;s signal lamp has stopped flashing; otherwise the module and the computer cannot talk properly.</translation>
    </message>
    <message>
        <source>注意：系统提示！！！</source>
        <translation>Attention: notice!</translation>
    </message>
    <message>
        <source>串口没有打开，请先连接模块</source>
        <translation>The serial port is not open: connect the module first</translation>
    </message>
    <message>
        <source>端口错误</source>
        <translation>Port error</translation>
    </message>
</context>
<context>
    <name>lt::ParamDisplay</name>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>主动方式</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>被动方式</source>
        <translation>Passive</translation>
    </message>
    <message>
        <source>格式传输</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>透明传输</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>方式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>方式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>16进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>BCD码</source>
        <translation>BCD</translation>
    </message>
    <message>
        <source>R50模式</source>
        <translation>R50 mode</translation>
    </message>
    <message>
        <source>有省电</source>
        <translation>On</translation>
    </message>
    <message>
        <source>无省电</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>系统参数显示</source>
        <translation>Settings read</translation>
    </message>
    <message>
        <source>模块身份地址</source>
        <translation>Identity address</translation>
    </message>
    <message>
        <source>模块目标地址</source>
        <translation>Target address</translation>
    </message>
    <message>
        <source>心跳时间</source>
        <translation>Heartbeat</translation>
    </message>
    <message>
        <source>串口数据格式</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>透明模式</source>
        <translation>Transparent mode</translation>
    </message>
    <message>
        <source>工作方式</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>地址开始位置</source>
        <translation>Address start</translation>
    </message>
    <message>
        <source>被动方式地址</source>
        <translation>Passive address</translation>
    </message>
    <message>
        <source>地址类型</source>
        <translation>Address type</translation>
    </message>
    <message>
        <source>组内最大数</source>
        <translation>Max in group</translation>
    </message>
    <message>
        <source>模块重起</source>
        <translation>Restarts</translation>
    </message>
    <message>
        <source>地址长度</source>
        <translation>Address length</translation>
    </message>
    <message>
        <source>模块省电</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>醒后模式</source>
        <translation>Wake-up mode</translation>
    </message>
    <message>
        <source>睡醒延时</source>
        <translation>Wake-up delays</translation>
    </message>
    <message>
        <source>模块内码</source>
        <translation>Internal code</translation>
    </message>
    <message>
        <source>参数刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>lt::ParamPage</name>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>不省电</source>
        <translation>No power saving</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>醒后空闲时间(ms)</source>
        <translation>Idle after wake-up (ms)</translation>
    </message>
    <message>
        <source>醒后数据时间(ms)</source>
        <translation>Data after wake-up (ms)</translation>
    </message>
    <message>
        <source>目标地址设置</source>
        <translation>Target address</translation>
    </message>
    <message>
        <source>工程号：</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>站点号：</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>心跳时间设置</source>
        <translation>Heartbeat</translation>
    </message>
    <message>
        <source>时间选择：</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>模块重起：</source>
        <translation>Restarts:</translation>
    </message>
    <message>
        <source>次</source>
        <translation>times</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>Serial line</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>  参数设置完成后请重新启动程序！！</source>
        <translation>  Restart the program after setting these!</translation>
    </message>
    <message>
        <source>被动方式地址</source>
        <translation>Passive address</translation>
    </message>
    <message>
        <source>  被动方式下地址是两字节，以ASCII表示</source>
        <translation>  In passive mode the address is two bytes, in ASCII</translation>
    </message>
    <message>
        <source>地址：</source>
        <translation>Address:</translation>
    </message>
</context>
<context>
    <name>lt::ParameterPage</name>
    <message>
        <source>透明2</source>
        <translation>Transparent 2</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>工作方式选择</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>主动形式</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>被动形式</source>
        <translation>Passive</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>格式传输</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>透明1</source>
        <translation>Transparent 1</translation>
    </message>
    <message>
        <source>16进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>BCD码</source>
        <translation>BCD</translation>
    </message>
    <message>
        <source>R50模式</source>
        <translation>R50 mode</translation>
    </message>
    <message>
        <source>工作形式</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>传输方式</source>
        <translation>Transfer form</translation>
    </message>
    <message>
        <source>地址类型</source>
        <translation>Address type</translation>
    </message>
    <message>
        <source>地址开始位置</source>
        <translation>Address start</translation>
    </message>
    <message>
        <source>地址长度</source>
        <translation>Address length</translation>
    </message>
    <message>
        <source>组内最大数</source>
        <translation>Max in group</translation>
    </message>
    <message>
        <source>省电</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>不省电</source>
        <translation>No power saving</translation>
    </message>
    <message>
        <source>模式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>模式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>醒后空闲延时(ms)</source>
        <translation>Idle after wake-up (ms)</translation>
    </message>
    <message>
        <source>醒后数据延时(ms)</source>
        <translation>Data after wake-up (ms)</translation>
    </message>
    <message>
        <source>密码设置</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>需要</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>不需要</source>
        <translation>Not required</translation>
    </message>
    <message>
        <source>短信密码：</source>
        <translation>SMS password:</translation>
    </message>
    <message>
        <source>接收方号码设置</source>
        <translation>Receiver number</translation>
    </message>
    <message>
        <source>接收号码：</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>设置没有收到短信重起时间</source>
        <translation>Restart when no SMS arrives</translation>
    </message>
    <message>
        <source>时间(s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>串口波特率设置</source>
        <translation>Serial baud rate</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>被动模式下模块地址</source>
        <translation>Module address in passive form</translation>
    </message>
    <message>
        <source>模块地址：</source>
        <translation>Address:</translation>
    </message>
</context>
<context>
    <name>lt::PhoneTableGroup</name>
    <message>
        <source>透明方式2设置</source>
        <translation>Transparent mode 2</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>读电话号码</source>
        <translation>Read number</translation>
    </message>
    <message>
        <source>开始读取</source>
        <translation>Start reading</translation>
    </message>
    <message>
        <source>身份地址</source>
        <translation>Identity address</translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>开始位置</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止位置</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>读%1</source>
        <translation>Read %1</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>电话号码数据库无法打开，不能保存电话号码</source>
        <translation>The phone number database cannot be opened, so phone numbers cannot be saved</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>电话号码没有保存到数据库：%1 %2</source>
        <translation>The phone number was not saved in the database: %1 %2</translation>
    </message>
    <message>
        <source>您输入的地址不正确</source>
        <translation>The address you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入地址</source>
        <translation>Enter the address again</translation>
    </message>
    <message>
        <source>您输入的电话号码不正确</source>
        <translation>The telephone number you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入电话号码</source>
        <translation>Enter the phone number again</translation>
    </message>
    <message>
        <source>电话号码有重复，请检查电话号码</source>
        <translation>The telephone number is a duplicate, please check it</translation>
    </message>
    <message>
        <source>您输入的开始位置不正确</source>
        <translation>The start position you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入开始位置</source>
        <translation>Enter the start position again</translation>
    </message>
    <message>
        <source>您输入的读取位置不正确</source>
        <translation>The positions to read you entered are not correct</translation>
    </message>
    <message>
        <source>请重新输入读取位置</source>
        <translation>Enter the positions to read again</translation>
    </message>
    <message>
        <source>暂停读取</source>
        <translation>Pause reading</translation>
    </message>
    <message>
        <source>电话号码数据库无法清空</source>
        <translation>The phone number database cannot be emptied</translation>
    </message>
    <message>
        <source>模块的电话号码与地址配置错误</source>
        <translation>The module&apos;s telephone number and address are configured wrongly</translation>
    </message>
    <message>
        <source>正确提示！！</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>模块的电话号码与地址配置正确</source>
        <translation>The module&apos;s telephone number and address are configured correctly</translation>
    </message>
</context>
<context>
    <name>lt::Qx3100Window</name>
    <message>
        <source>正在与模块通信，请等这次操作结束后再写入模块</source>
        <translation>Talking to the module: wait until this operation ends, then write to the module</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>短信模块参数设置</source>
        <translation>SMS module settings</translation>
    </message>
    <message>
        <source>    基本设置    </source>
        <translation>    Settings    </translation>
    </message>
    <message>
        <source>    短信测试    </source>
        <translation>    SMS test    </translation>
    </message>
    <message>
        <source>短信模块通信测试</source>
        <translation>SMS module test</translation>
    </message>
    <message>
        <source>模块初始化已经完成，您可以设置参数了</source>
        <translation>The module is initialised; you can set its parameters now</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>lt::Qx3200ConnectWindow</name>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>数据通信</source>
        <translation>Data communication</translation>
    </message>
    <message>
        <source>地址设置</source>
        <translation>Address setting</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>串口号</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>您的模块与测试软件不一样，请与厂家联系</source>
        <translation>Your module does not match this test program; contact the manufacturer</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间</source>
        <translation>You set the QX3200 module&apos;s communication mode; the module has restarted, so wait a moment</translation>
    </message>
</context>
<context>
    <name>lt::Qx3200Window</name>
    <message>
        <source>正在与模块通信，请等这次操作结束后再写入模块</source>
        <translation>Talking to the module: wait until this operation ends, then write to the module</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>模块设置</source>
        <translation>Module settings</translation>
    </message>
    <message>
        <source>    参数设置    </source>
        <translation>    Settings    </translation>
    </message>
    <message>
        <source>    通信测试    </source>
        <translation>    Data test    </translation>
    </message>
    <message>
        <source>身份地址设置</source>
        <translation>Identity address</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>模块初始化已经完成，您可以接收和发射数据了</source>
        <translation>The module is ready: you can receive and send data</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>模块身份地址设置成功</source>
        <translation>The module's identity address is set</translation>
    </message>
    <message>
        <source>对不起，模块身份地址设置失败</source>
        <translation>Sorry, setting the module's identity address failed</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>对不起，您的模块没有上网</source>
        <translation>Sorry, your module is not online</translation>
    </message>
    <message>
        <source>您设置的身份地址已经被占用，要替换它吗？</source>
        <translation>The identity address you set is already taken. Replace it?</translation>
    </message>
</context>
<context>
    <name>lt::SettingsFiles</name>
    <message>
        <source>保存参数…</source>
        <translation>Save settings…</translation>
    </message>
    <message>
        <source>载入参数…</source>
        <translation>Load settings…</translation>
    </message>
    <message>
        <source>把最近一次从模块读到的参数保存到文件</source>
        <translation>Save the settings last read from the module to a file</translation>
    </message>
    <message>
        <source>把文件中的参数填入窗口，并与模块中的参数比较；不会写入模块</source>
        <translation>Put a file&apos;s settings into the window and compare them with the module&apos;s; nothing is written to the module</translation>
    </message>
    <message>
        <source>模块参数文件 (*.json)</source>
        <translation>Module settings files (*.json)</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>载入参数</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>还没有从模块读到参数，请先刷新</source>
        <translation>No settings have been read from the module yet; refresh first</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>参数 %1：%2</source>
        <translation>Parameter %1: %2</translation>
    </message>
</context>
<context>
    <name>lt::SmsConnectWindow</name>
    <message>
        <source>串口号</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>您的模块与测试软件不一样，请与厂家联系</source>
        <translation>Your module does not match this test program; contact the manufacturer</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>lt::SmsTestTab</name>
    <message>
        <source>模块地址</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>源码区</source>
        <translation>Raw codes</translation>
    </message>
    <message>
        <source>发送区</source>
        <translation>Send area</translation>
    </message>
    <message>
        <source>接收区</source>
        <translation>Receive area</translation>
    </message>
    <message>
        <source>发送方电话号码</source>
        <translation>Sender&apos;s number</translation>
    </message>
    <message>
        <source>接收方电话号码</source>
        <translation>Receiver&apos;s number</translation>
    </message>
    <message>
        <source>读取短信</source>
        <translation>Read SMS</translation>
    </message>
    <message>
        <source>发送状态</source>
        <translation>Send status</translation>
    </message>
    <message>
        <source>发送短信</source>
        <translation>Send SMS</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>您输入的模块地址不正确，请重新输入</source>
        <translation>The module address you entered is not correct; enter it again</translation>
    </message>
    <message>
        <source>您所发射的内容不符合要求， 请输入要发射的内容</source>
        <translation>What you want to send does not fit; enter what to send</translation>
    </message>
    <message>
        <source>英文方式只能发射ASCII字符，请修改要发射的内容</source>
        <translation>English mode sends ASCII characters only; change what to send</translation>
    </message>
    <message>
        <source>您所发射的内容太长，最多32767个字节，请减少要发射的内容</source>
        <translation>What you want to send is too long (at most 32767 bytes); send less</translation>
    </message>
    <message>
        <source>您接收方地址不符合要求， 请输入接收方地址</source>
        <translation>The receiver&apos;s number does not fit; enter the receiver&apos;s number</translation>
    </message>
</context>
<context>
    <name>lt::StatusBar</name>
    <message>
        <source>串口：</source>
        <translation>Port: </translation>
    </message>
    <message>
        <source>网络：</source>
        <translation>Network: </translation>
    </message>
    <message>
        <source>模块状态：</source>
        <translation>Module: </translation>
    </message>
    <message>
        <source>发射区字节数：</source>
        <translation>Bytes to send: </translation>
    </message>
</context>
<context>
    <name>lt::UnicodeTool</name>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>请输入文本</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>UniCode编码</source>
        <translation>Unicode codes</translation>
    </message>
</context>
<context>
    <name>lt::WorkModeGroup</name>
    <message>
        <source>工作方式选择</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>主动方式</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>被动方式</source>
        <translation>Passive</translation>
    </message>
    <message>
        <source>格式传输</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>透明传输</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>方式1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>方式2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>16进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>BCD码</source>
        <translation>BCD</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>串口数据格式：</source>
        <translation>Data format:</translation>
    </message>
    <message>
        <source>地址隐含方式：</source>
        <translation>Address in data:</translation>
    </message>
    <message>
        <source>地址类型：</source>
        <translation>Address type:</translation>
    </message>
    <message>
        <source>地址开始位置：</source>
        <translation>Address start:</translation>
    </message>
    <message>
        <source>地址长度：</source>
        <translation>Address length:</translation>
    </message>
    <message>
        <source>组内最大数：</source>
        <translation>Max in group:</translation>
    </message>
    <message>
        <source>工作方式：</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>您必须选择地址的类型才可以选择地址的长度</source>
        <translation>Choose the address type before the address length</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>lt::choice</name>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
</context>
</TS>
