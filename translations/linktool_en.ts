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
</TS>
