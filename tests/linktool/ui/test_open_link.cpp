#include "link/link.h"
#include "ui/open_link.h"

#include "linktool_support.h"
#include "pty.h"

#include <QSerialPort>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace lt;

// The first steps of Connect over a real pseudo-terminal: what the user is
// told when the port cannot be had, and that the port is then left closed.
class OpenLinkTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<qxsim::Pty> pty;
    Link link;
    QWidget window;

private slots:
    void init()
    {
        test::resetProgramState();
        pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
        qputenv("QXCOM2", pty->slavePath().toLocal8Bit());
    }

    void cleanup()
    {
        link.port().close();
        pty.reset();
    }

    void portErrors()
    {
        test::MessageRecorder messages;
        qputenv("QXCOM5", "/dev/does-not-exist-qx");
        QVERIFY(!open_link(link, &window, QStringLiteral("COM5"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("本机没有这个串口，请选择其它串口重试"));
        QCOMPARE(messages.messages[0].title, QStringLiteral("端口错误"));
        QCOMPARE(messages.messages[0].icon, QMessageBox::Warning);

        QSerialPort other(pty->slavePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(!open_link(link, &window, QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[1].text, QStringLiteral("串口已经打开，请关闭其它程序重试"));
        QVERIFY(!link.port().isOpen());
    }

    void refusedLineSettingsLeaveNoOpenPort()
    {
        // A pseudo-terminal refuses 7 data bits and parity, as some adapters do.
        test::MessageRecorder messages;
        QVERIFY(!open_link(link, &window, QStringLiteral("COM2"), QStringLiteral("4800bps"), QStringLiteral("E,7,2")));
        QCOMPARE(link.port().settings(), QStringLiteral("4800,E,7,2"));
        QVERIFY(!link.port().isOpen());
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("串口参数设置失败，请选择其它参数重试"));
    }

    void openedPortStartsWithDtrOff()
    {
        test::MessageRecorder messages;
        QList<bool> dtr;
        connect(&link.port(), &ModulePort::dtrSet, this, [&](bool on) { dtr << on; });
        QVERIFY(open_link(link, &window, QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QVERIFY(link.port().isOpen());
        QCOMPARE(link.port().settings(), QStringLiteral("9600,n,8,1"));
        QCOMPARE(dtr, QList<bool>{false});
        QVERIFY(messages.messages.isEmpty());
    }
};

QTEST_MAIN(OpenLinkTest)
#include "test_open_link.moc"
