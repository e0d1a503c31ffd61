<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>lt::params</name>
    <message>
        <source>参数错误</source>
        <translation>Parameter error</translation>
    </message>
    <message>
        <source>没有这个参数</source>
        <translation>There is no such parameter</translation>
    </message>
    <message>
        <source>参数值不正确</source>
        <translation>The value of the parameter is not correct</translation>
    </message>
    <message>
        <source>缺少这个参数</source>
        <translation>This parameter is missing</translation>
    </message>
</context>
<context>
    <name>lt::params</name>
    <message>
        <source>参数错误</source>
        <translation>Parameter error</translation>
    </message>
    <message>
        <source>没有这个参数</source>
        <translation>There is no such parameter</translation>
    </message>
    <message>
        <source>参数值不正确</source>
        <translation>The value of the parameter is not correct</translation>
    </message>
    <message>
        <source>缺少这个参数</source>
        <translation>This parameter is missing</translation>
    </message>
</context>
</TS>
