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
    <name>lt::Qx3100Window</name>
    <message>
        <source>正在与模块通信，请等这次操作结束后再写入模块</source>
        <translation>Talking to the module: wait until this operation ends, then write to the module</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>System notice</translation>
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
        <translation>System notice</translation>
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
</TS>
