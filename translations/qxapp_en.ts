<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>qx::CommandLine</name>
    <message>
        <source>显示本帮助后退出。</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>显示版本号后退出。</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>界面语言：zh 中文，en 英文。不写时用菜单里选定的语言（起初是中文）。</source>
        <translation>Language of the windows: zh Chinese, en English. Without it, the language chosen in the menu (Chinese at first).</translation>
    </message>
    <message>
        <source>选项 --%1 不接受“%2”。</source>
        <translation>Option --%1 does not take &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
</context>
<context>
    <name>qx::LanguageMenu</name>
    <message>
        <source>语言 / Language</source>
        <translation>语言 / Language</translation>
    </message>
    <message>
        <source>下次启动程序时使用所选的语言。</source>
        <translation>The chosen language is used from the next start of the program.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>qx::PortRefusal</name>
    <message>
        <source>本机没有这个串口，请选择其它串口重试</source>
        <translation>This computer has no such serial port; choose another one and try again</translation>
    </message>
    <message>
        <source>串口已经打开，请关闭其它程序重试</source>
        <translation>The serial port is already open; close the other program and try again</translation>
    </message>
    <message>
        <source>正在使用它的是 %1（进程号 %2）</source>
        <translation>It is in use by %1 (process %2)</translation>
    </message>
    <message>
        <source>正在使用它的是进程 %1</source>
        <translation>It is in use by process %1</translation>
    </message>
    <message>
        <source>没有权限访问 %1：请把用户加入 %2 组（sudo usermod -aG %2 $USER）后重新登录</source>
        <translation>No permission to open %1: add your user to the %2 group (sudo usermod -aG %2 $USER), then log in again</translation>
    </message>
    <message>
        <source>串口参数设置失败，请选择其它参数重试</source>
        <translation>The line settings were refused; choose other settings and try again</translation>
    </message>
    <message>
        <source>端口错误</source>
        <translation>Port error</translation>
    </message>
    <message>
        <source>ModemManager 正在运行，它会占用新插入的串口约 10 秒。请用 udev 规则 ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; 让它不碰这个适配器（见 README 的“Using a real adapter”一节），或先执行 sudo systemctl stop ModemManager。</source>
        <translation>ModemManager is running and takes every newly plugged serial port for about 10 s. Keep it off the adapter with the udev rule ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; (see “Using a real adapter” in the README), or run sudo systemctl stop ModemManager first.</translation>
    </message>
</context>
<context>
    <name>qx::TrafficLog</name>
    <message>
        <source>无法建立通讯记录文件夹 %1，通讯记录已关闭。</source>
        <translation>Cannot make the traffic log folder %1; the traffic log is off.</translation>
    </message>
    <message>
        <source>无法建立通讯记录文件 %1（%2），通讯记录已关闭。</source>
        <translation>Cannot make the traffic log file %1 (%2); the traffic log is off.</translation>
    </message>
    <message>
        <source>无法写入通讯记录文件 %1，通讯记录已关闭。</source>
        <translation>Cannot write the traffic log file %1; the traffic log is off.</translation>
    </message>
</context>
</TS>
