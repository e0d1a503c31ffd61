<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>lt::addr</name>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>BCD码</source>
        <translation>BCD</translation>
    </message>
    <message>
        <source>发射区没有需要发射的数据，请重新输入</source>
        <translation>The send area holds nothing to send; enter it again</translation>
    </message>
    <message>
        <source>对方站号只能是两个十六进制字节（如12:34:），请重新输入</source>
        <translation>The peer station can only be two hexadecimal bytes (such as 12:34:); enter it again</translation>
    </message>
    <message>
        <source>请先用箭头选择组内模块数</source>
        <translation>First choose the number of modules in a group with the arrows</translation>
    </message>
    <message>
        <source>请先用箭头选择编码方式</source>
        <translation>First choose the coding with the arrows</translation>
    </message>
    <message>
        <source>计算出的地址超出所选编码的范围（ASCII和十六进制为0000到FFFF，BCD码为0到9999），请减小对方站号或组内模块数</source>
        <translation>An address calculated is outside the range of the chosen coding (0000 to FFFF for ASCII and hex, 0 to 9999 for BCD); make the peer station or the number of modules in a group smaller</translation>
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
<context>
    <name>lt::qx3100</name>
    <message>
        <source>您输入的短信密码不正确</source>
        <translation>The SMS password you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入短信密码</source>
        <translation>Enter the SMS password again</translation>
    </message>
    <message>
        <source>您输入的接收方号码不正确</source>
        <translation>The receiver number you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入接收方号码</source>
        <translation>Enter the receiver number again</translation>
    </message>
    <message>
        <source>您输入的模块地址不正确</source>
        <translation>The module address you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入模块地址</source>
        <translation>Enter the module address again</translation>
    </message>
    <message>
        <source>您输入的重起时间不正确</source>
        <translation>The restart time you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入重起时间</source>
        <translation>Enter the restart time again</translation>
    </message>
    <message>
        <source>您输入的醒后延时不正确</source>
        <translation>The wake-up delay you entered is not correct</translation>
    </message>
    <message>
        <source>请重新输入醒后延时</source>
        <translation>Enter the wake-up delay again</translation>
    </message>
    <message>
        <source>你必须选择需要的工作方式</source>
        <translation>You must choose a work mode</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>你必须选择需要的传输方式</source>
        <translation>You must choose a transfer form</translation>
    </message>
</context>
<context>
    <name>lt::qx3200</name>
    <message>
        <source>模块设置时参数不全</source>
        <translation>Settings are missing for the module</translation>
    </message>
    <message>
        <source>您还没有输入工程号</source>
        <translation>You have not entered the project number yet</translation>
    </message>
    <message>
        <source>您输入站点号错误，站点号是 3 位</source>
        <translation>The site number you entered is wrong: a site number has 3 digits</translation>
    </message>
    <message>
        <source>您还没有输入被动方式地址</source>
        <translation>You have not entered the passive address yet</translation>
    </message>
    <message>
        <source>被动方式地址只能是 ASCII 字符</source>
        <translation>The passive address can only hold ASCII characters</translation>
    </message>
    <message>
        <source>心跳时间必须在 0 到 9999 秒之间</source>
        <translation>The heartbeat time must be between 0 and 9999 seconds</translation>
    </message>
    <message>
        <source>模块重起次数必须在 0 到 255 之间</source>
        <translation>The module&apos;s restart count must be between 0 and 255</translation>
    </message>
    <message>
        <source>醒后时间必须在 0 到 26214000 毫秒之间</source>
        <translation>The wake-up time must be between 0 and 26214000 ms</translation>
    </message>
    <message>
        <source>系统提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>lt::qx3200::datatest</name>
    <message>
        <source>接收  </source>
        <translation>RX  </translation>
    </message>
    <message>
        <source>接收数据：  </source>
        <translation>RX data:  </translation>
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
<context>
    <name>lt::smstest</name>
    <message>
        <source>发送成功</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>发送失败</source>
        <translation>Send failed</translation>
    </message>
    <message>
        <source>没有上网</source>
        <translation>Not online</translation>
    </message>
    <message>
        <source>正在发送</source>
        <translation>Sending</translation>
    </message>
    <message>
        <source>接收短信</source>
        <translation>Receiving SMS</translation>
    </message>
    <message>
        <source>读短信空</source>
        <translation>No SMS to read</translation>
    </message>
    <message>
        <source>格式正确</source>
        <translation>Format OK</translation>
    </message>
    <message>
        <source>格式错误</source>
        <translation>Format error</translation>
    </message>
    <message>
        <source>发射  </source>
        <translation>TX  </translation>
    </message>
    <message>
        <source>接收  </source>
        <translation>RX  </translation>
    </message>
</context>
</TS>
