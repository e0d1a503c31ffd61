<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>qxbatch</name>
    <message>
        <source>ports 不带串口。</source>
        <translation>ports takes no port.</translation>
    </message>
    <message>
        <source>write 需要 --profile 文件。</source>
        <translation>write needs a --profile file.</translation>
    </message>
    <message>
        <source>phones read 需要 --from 和 --to（1 ≤ from ≤ to）。</source>
        <translation>phones read needs --from and --to (1 ≤ from ≤ to).</translation>
    </message>
    <message>
        <source>phones write 需要 --file 文件。</source>
        <translation>phones write needs a --file.</translation>
    </message>
    <message>
        <source>phones 一次只对一个串口。</source>
        <translation>phones works on one port at a time.</translation>
    </message>
    <message>
        <source>请给出至少一个串口（COMn 或设备路径）。</source>
        <translation>Give at least one port (COMn or a device path).</translation>
    </message>
    <message>
        <source>一次对多个模块读写参数、识别模块。每个串口完成时输出一行：串口 状态 详情。</source>
        <translation>Identifies modules and reads and writes their settings, many at once. Prints one line per port as it finishes: PORT STATUS details.</translation>
    </message>
    <message>
        <source>ports | identify 串口… | read 串口… | write 串口… | phones read 串口 | phones write 串口</source>
        <translation>ports | identify PORT... | read PORT... | write PORT... | phones read PORT | phones write PORT</translation>
    </message>
    <message>
        <source>命令 [串口…]</source>
        <translation>command [PORT...]</translation>
    </message>
    <message>
        <source>波特率（默认 9600）。</source>
        <translation>Baud rate (default 9600).</translation>
    </message>
    <message>
        <source>数据位、校验位、停止位，如 8N1、8E1、7E2（默认 8N1）。</source>
        <translation>Data bits, parity and stop bits, such as 8N1, 8E1, 7E2 (default 8N1).</translation>
    </message>
    <message>
        <source>每个模块输出一行 JSON。</source>
        <translation>One line of JSON per module.</translation>
    </message>
    <message>
        <source>read：参数文件或文件夹；phones read：CSV 文件。</source>
        <translation>read: settings file or folder; phones read: CSV file.</translation>
    </message>
    <message>
        <source>write：要写入的参数文件。</source>
        <translation>write: the settings file to write.</translation>
    </message>
    <message>
        <source>write：写完后读回并比较。</source>
        <translation>write: read back and compare after writing.</translation>
    </message>
    <message>
        <source>phones read：第一条。</source>
        <translation>phones read: first entry.</translation>
    </message>
    <message>
        <source>phones read：最后一条。</source>
        <translation>phones read: last entry.</translation>
    </message>
    <message>
        <source>phones write：CSV 文件。</source>
        <translation>phones write: CSV file.</translation>
    </message>
    <message>
        <source>握手前等待的秒数（默认 0）。</source>
        <translation>Seconds to wait before the handshake (default 0).</translation>
    </message>
    <message>
        <source>QX3200：工作方式不同时改为 data（数据通信）或 address（地址设置）。</source>
        <translation>QX3200: switch a module in the other working mode to data (data communication) or address (address setting).</translation>
    </message>
    <message>
        <source>请给出命令。</source>
        <translation>Give a command.</translation>
    </message>
    <message>
        <source>不认识的命令：%1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>同一个串口写了两次。</source>
        <translation>The same port is given twice.</translation>
    </message>
    <message>
        <source>模块和计算机通信失败，请检查串口号、波特率</source>
        <translation>The module and the computer cannot communicate: check the port and the baud rate</translation>
    </message>
    <message>
        <source>串口在通讯中断开了，请检查连接线。</source>
        <translation>The port went away during the exchange: check the cable.</translation>
    </message>
    <message>
        <source>模块没有说明它是哪种模块。</source>
        <translation>The module did not say which module it is.</translation>
    </message>
    <message>
        <source>不认识的串口：%1（请写 COM1…COM8 或设备路径）</source>
        <translation>Unknown port: %1 (write COM1...COM8 or a device path)</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>这是 %1 模块的参数文件，不能用于 %2 模块</source>
        <translation>This is a settings file of a %1 module and cannot be used for a %2 module</translation>
    </message>
    <message>
        <source>读回的参数与文件不同：%1</source>
        <translation>Read back, these settings differ from the file: %1</translation>
    </message>
    <message>
        <source>只有 QX3100 模块有电话号码表</source>
        <translation>Only a QX3100 module has a phone table</translation>
    </message>
    <message>
        <source>模块没有回答这些电话号码的读取</source>
        <translation>The module did not answer the reads of these phone entries</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>模块的电话号码与地址配置错误</source>
        <translation>The module&apos;s telephone number and address are configured wrongly</translation>
    </message>
    <message>
        <source>模块没有回答电话号码的写入</source>
        <translation>The module did not answer the phone entry write</translation>
    </message>
    <message>
        <source>模块没有回答全部参数的读取</source>
        <translation>The module did not answer every settings read</translation>
    </message>
    <message>
        <source>等待网络回答身份地址设置超时</source>
        <translation>No answer from the network to the identity address write in time</translation>
    </message>
    <message>
        <source>对不起，模块身份地址设置失败</source>
        <translation>Sorry, setting the module&apos;s identity address failed</translation>
    </message>
    <message>
        <source>您设置的身份地址已经被占用</source>
        <translation>The identity address you set is already taken</translation>
    </message>
    <message>
        <source>对不起，您的模块没有上网</source>
        <translation>Sorry, your module is not online</translation>
    </message>
    <message>
        <source>您输入的地址不正确</source>
        <translation>The address you entered is not correct</translation>
    </message>
    <message>
        <source>您输入的电话号码不正确</source>
        <translation>The telephone number you entered is not correct</translation>
    </message>
    <message>
        <source>电话号码有重复，请检查电话号码</source>
        <translation>The telephone number is a duplicate, please check it</translation>
    </message>
    <message>
        <source>每行应有地址和电话号码两项</source>
        <translation>Each line needs an address and a telephone number</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>模块在数据通信方式，身份地址只能在地址设置方式下设置（--set-mode address）</source>
        <translation>The module is in data communication; the identity address can only be set in address setting (--set-mode address)</translation>
    </message>
</context>
</TS>
