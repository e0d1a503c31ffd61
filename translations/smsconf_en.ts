<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>sms::CommandLine</name>
    <message>
        <source>短信模块的号码表、信息表和串口参数设置工具。</source>
        <translation>Sets the phone table, the message table and the serial parameters of an SMS module.</translation>
    </message>
</context>
</TS>
