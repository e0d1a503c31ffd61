<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>sms::CInfoDlg</name>
    <message>
        <source>信息内容</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>信息内容不能超过%1个字符（现有%2个）</source>
        <translation>A message holds at most %1 characters (this one has %2)</translation>
    </message>
</context>
<context>
    <name>sms::CInputMsg</name>
    <message>
        <source>请输入电话号码</source>
        <translation>Enter a phone number</translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>电话号码不能超过%1位</source>
        <translation>A phone number has at most %1 digits</translation>
    </message>
</context>
<context>
    <name>sms::CSmsconfDlg</name>
    <message>
        <source>电话号码表或信息表中有修改尚未写入模块，关闭后这些修改将丢失。
确定要关闭吗？</source>
        <translation>The phone table or the message table holds changes that have not been written to the module; they will be lost when the program closes.
Close anyway?</translation>
    </message>
    <message>
        <source>组态短信设置软件-V1.0</source>
        <translation>SMS Configuration Software - V1.0</translation>
    </message>
    <message>
        <source>串口已断开，请检查连接后重新打开串口</source>
        <translation>The serial port went away; check the connection, then open the port again</translation>
    </message>
    <message>
        <source>请选择需要写入的编号</source>
        <translation>Choose the position to write</translation>
    </message>
</context>
<context>
    <name>sms::CommandLine</name>
    <message>
        <source>短信模块的号码表、信息表和串口参数设置工具。</source>
        <translation>Sets the phone table, the message table and the serial parameters of an SMS module.</translation>
    </message>
    <message>
        <source>串口编号框里预先填好的串口：COMn、编号 n 或设备路径（如 /dev/ttyUSB0）。</source>
        <translation>The port put into the port box at start: COMn, a number n or a device path (such as /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>本次运行勾选“通讯记录”，把串口收发的数据记到文件里。</source>
        <translation>Ticks “Traffic log” for this run: what goes over the port is recorded in a file.</translation>
    </message>
</context>
<context>
    <name>sms::CommandProtocol</name>
    <message>
        <source>号码表写入成功</source>
        <translation>Phone table written</translation>
    </message>
    <message>
        <source>号码表写入失败</source>
        <translation>Writing the phone table failed</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>信息表清除成功</source>
        <translation>Message table cleared</translation>
    </message>
    <message>
        <source>单次写入成功</source>
        <translation>Message written</translation>
    </message>
    <message>
        <source>读取信息失败</source>
        <translation>Reading the messages failed</translation>
    </message>
    <message>
        <source>读取信息成功</source>
        <translation>Messages read</translation>
    </message>
    <message>
        <source>写信息失败</source>
        <translation>Writing the messages failed</translation>
    </message>
    <message>
        <source>写信息成功</source>
        <translation>Messages written</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>sms::Dialog</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>sms::FileDialogs</name>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>sms::MessageSide</name>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>把信息表存为 CSV 文件（位置,信息内容）</source>
        <translation>Saves the message table as a CSV file (position,text)</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>从 CSV 文件读入信息表；写入模块仍需按“写信息表”</source>
        <translation>Reads the message table from a CSV file; writing it to the module still takes “Write message table”</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>读信息表</source>
        <translation>Read message table</translation>
    </message>
    <message>
        <source>中断读取</source>
        <translation>Stop reading</translation>
    </message>
    <message>
        <source>写信息表</source>
        <translation>Write message table</translation>
    </message>
    <message>
        <source>中断写入</source>
        <translation>Stop writing</translation>
    </message>
    <message>
        <source>单次写入</source>
        <translation>Write one</translation>
    </message>
    <message>
        <source>清空信息表</source>
        <translation>Clear message table</translation>
    </message>
    <message>
        <source>寄存器位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>信息内容</source>
        <translation>Message text</translation>
    </message>
</context>
<context>
    <name>sms::ModuleSettingsGroup</name>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>设备地址</source>
        <translation>Device address</translation>
    </message>
    <message>
        <source>寄存器地址</source>
        <translation>Register address</translation>
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
        <source>8位</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>9位</source>
        <translation>9 bits</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>您输入的设备地址错误</source>
        <translation>The device address you entered is not correct</translation>
    </message>
    <message>
        <source>请从列表中选择模块的波特率、数据位、校验位和停止位</source>
        <translation>Choose the module&apos;s baud rate, data bits, parity and stop bits from the lists</translation>
    </message>
</context>
<context>
    <name>sms::PhoneSide</name>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>把电话号码表存为 CSV 文件（序号,电话号码）</source>
        <translation>Saves the phone table as a CSV file (row,number)</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>从 CSV 文件读入电话号码表；写入模块仍需按“写入号码表”</source>
        <translation>Reads the phone table from a CSV file; writing it to the module still takes “Write phone table”</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>写入号码表</source>
        <translation>Write phone table</translation>
    </message>
    <message>
        <source>读取号码表</source>
        <translation>Read phone table</translation>
    </message>
</context>
<context>
    <name>sms::PortPanel</name>
    <message>
        <source>串口编号 n（即 COMn）、COMn 或设备路径，如 /dev/ttyUSB0</source>
        <translation>Port number n (COMn), COMn or a device path such as /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>通讯记录</source>
        <translation>Traffic log</translation>
    </message>
    <message>
        <source>打开串口后把收发的每一块数据连同时间记到 CSV 文件里</source>
        <translation>While the port is open, records every block sent and received, with its time, in a CSV file</translation>
    </message>
    <message>
        <source>串口编号</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>串口打开失败</source>
        <translation>The serial port could not be opened</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close port</translation>
    </message>
</context>
<context>
    <name>sms::TableCsv</name>
    <message>
        <source>信息内容不能超过%1个字符（现有%2个）</source>
        <translation>a message holds at most %1 characters (this one has %2)</translation>
    </message>
    <message>
        <source>电话号码只能是数字，最多%1位（现为“%2”）</source>
        <translation>a phone number is digits only, at most %1 (here “%2”)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 编码，表格没有改动。请在电子表格程序里把它另存为“CSV UTF-8”后再导入。</source>
        <translation>The file is not in UTF-8; the table was left as it was. Save it as “CSV UTF-8” in the spreadsheet program and import it again.</translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>格式不对，应为“序号,电话号码”</source>
        <translation>not in the form “row,number”</translation>
    </message>
    <message>
        <source>格式不对，应为“位置,信息内容”</source>
        <translation>not in the form “position,text”</translation>
    </message>
    <message>
        <source>序号 %1 超出范围（%2–%3）</source>
        <translation>row %1 is outside %2–%3</translation>
    </message>
    <message>
        <source>位置 %1 超出范围（%2–%3）</source>
        <translation>position %1 is outside %2–%3</translation>
    </message>
    <message>
        <source>序号 %1 与第 %2 行重复</source>
        <translation>row %1 was already given on line %2</translation>
    </message>
    <message>
        <source>位置 %1 与第 %2 行重复</source>
        <translation>position %1 was already given on line %2</translation>
    </message>
    <message>
        <source>……另有 %1 行不正确</source>
        <translation>… and %1 more bad lines</translation>
    </message>
    <message>
        <source>文件中有 %1 行不正确，表格没有改动：</source>
        <translation>%1 lines of the file are not right; the table was left as it was:</translation>
    </message>
</context>
<context>
    <name>sms::TableFiles</name>
    <message>
        <source>导出电话号码表</source>
        <translation>Export the phone table</translation>
    </message>
    <message>
        <source>导出信息表</source>
        <translation>Export the message table</translation>
    </message>
    <message>
        <source>电话号码表.csv</source>
        <translation>phone-table.csv</translation>
    </message>
    <message>
        <source>信息表.csv</source>
        <translation>message-table.csv</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>导入电话号码表</source>
        <translation>Import the phone table</translation>
    </message>
    <message>
        <source>导入信息表</source>
        <translation>Import the message table</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>电话号码表中有修改尚未写入模块，导入后这些修改将被文件内容替换。
确定要导入吗？</source>
        <translation>The phone table has changes not yet written to the module; importing replaces them with the file.
Import anyway?</translation>
    </message>
    <message>
        <source>信息表中有修改尚未写入模块，导入后这些修改将被文件内容替换。
确定要导入吗？</source>
        <translation>The message table has changes not yet written to the module; importing replaces them with the file.
Import anyway?</translation>
    </message>
</context>
<context>
    <name>sms::TextEntryDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
</TS>
