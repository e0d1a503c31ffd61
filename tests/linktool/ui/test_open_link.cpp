#include "link/link.h"
#include "ui/open_link.h"

#include "linktool_support.h"
#include "pty.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cerrno>

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
        // No lock folder: the pseudo-terminal's name may be one another test
        // held a moment ago.
        qx::PortSystem quiet;
        quiet.lockFolders.clear();
        quiet.procRoot = QStringLiteral("/nonexistent");
        link.port().setPortSystem(quiet);
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

    // Typed into the list: a path is opened as typed; a text that is neither
    // COM1..COM8 nor a path names no port here and opens nothing, COM1 least of all.
    void typedPorts()
    {
        test::MessageRecorder messages;
        qunsetenv("QXCOM2");
        QVERIFY(open_link(link, &window, pty->slavePath(), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(link.port().portName(), pty->slavePath());
        QVERIFY(messages.messages.isEmpty());

        qputenv("QXCOM1", pty->slavePath().toLocal8Bit());
        qputenv("QXCOM9", pty->slavePath().toLocal8Bit());
        for (const QString &typed : {QStringLiteral("COM9"), QStringLiteral("ttyUSB0"), QStringLiteral("9600"), QString(),
                                     QStringLiteral("/dev/ttyUSB-none-qx")}) {
            messages.messages.clear();
            QVERIFY(!open_link(link, &window, typed, QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
            QVERIFY(!link.port().isOpen());
            QCOMPARE(messages.messages.size(), 1);
            QCOMPARE(messages.messages[0].text, QStringLiteral("本机没有这个串口，请选择其它串口重试"));
            QCOMPARE(messages.messages[0].title, QStringLiteral("端口错误"));
        }
        qunsetenv("QXCOM1");
        qunsetenv("QXCOM9");

        // COMn typed as n or in small letters is COMn.
        qputenv("QXCOM2", pty->slavePath().toLocal8Bit());
        messages.messages.clear();
        QVERIFY(open_link(link, &window, QStringLiteral(" com2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(link.port().portNumber(), 2);
        QVERIFY(open_link(link, &window, QStringLiteral("2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(link.port().portNumber(), 2);
        QVERIFY(messages.messages.isEmpty());
    }

    // Every refusal says what is wrong and what to do, under one title.
    void refusalsInTheirOwnWords()
    {
        test::MessageRecorder messages;
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
        QFile(device).open(QIODevice::WriteOnly);
        qx::PortSystem system;
        system.lockFolders.clear();
        system.procRoot = QStringLiteral("/nonexistent");
        system.accessError = [&](const QString &path) { return path == device ? EACCES : 0; };
        link.port().setPortSystem(system);
        QVERIFY(!open_link(link, &window, device, QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text,
                 QStringLiteral("没有权限访问 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录").arg(device));
        QCOMPARE(messages.messages[0].title, QStringLiteral("端口错误"));
        QCOMPARE(messages.messages[0].icon, QMessageBox::Warning);

        // The holder named by its lock file.
        system.accessError = {};
        system.lockFolders = {dir.filePath(QStringLiteral("lock"))};
        system.procRoot = dir.filePath(QStringLiteral("proc"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("proc/777"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("lock"))));
        QFile comm(dir.filePath(QStringLiteral("proc/777/comm")));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write("termwatch\n");
        comm.close();
        QFile lock(dir.filePath(QStringLiteral("lock/LCK..")) + pty->slavePath().mid(5).replace('/', '_'));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("777\n");
        lock.close();
        link.port().setPortSystem(system);
        QSerialPort other(pty->slavePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(!open_link(link, &window, QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[1].text, QStringLiteral("串口已经打开，请关闭其它程序重试\n正在使用它的是 termwatch（进程号 777）"));
        QCOMPARE(messages.messages[1].title, QStringLiteral("端口错误"));
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
