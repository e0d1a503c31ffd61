<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>sms::CSmsconfDlg</name>
    <message>
        <source>电话号码表或信息表中有修改尚未写入模块，关闭后这些修改将丢失。
确定要关闭吗？</source>
        <translation>The phone table or the message table holds changes that have not been written to the module; they will be lost when the program closes.
Close anyway?</translation>
    </message>
</context>
<context>
    <name>sms::CommandLine</name>
    <message>
        <source>短信模块的号码表、信息表和串口参数设置工具。</source>
        <translation>Sets the phone table, the message table and the serial parameters of an SMS module.</translation>
    </message>
</context>
</TS>
