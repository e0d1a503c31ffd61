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
</TS>
