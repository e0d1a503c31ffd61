<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>lt::CommandLine</name>
    <message>
        <source>QX3000 系列无线串口模块的设置与测试工具。</source>
        <translation>Sets up and tests QX3000 series wireless serial modules.</translation>
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
