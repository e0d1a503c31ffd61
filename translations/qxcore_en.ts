<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
    <name>lt::settings_file</name>
    <message>
        <source>这个文件不是模块参数文件</source>
        <translation>This file is not a module settings file</translation>
    </message>
    <message>
        <source>参数文件的格式（%1）比本程序的（%2）新，请用新版本的程序打开</source>
        <translation>The settings file has format %1, newer than this program&apos;s %2: open it with a newer version of the program</translation>
    </message>
    <message>
        <source>这是 %1 模块的参数文件，不能用于 %2 模块</source>
        <translation>This settings file is for a %1 module and cannot be used for a %2 module</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
</TS>
