#include "link/module_port.h"

#include "pty.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace lt;

namespace {

// Lock files and processes looked up nowhere: a pseudo-terminal's name is
// reused, and another test may hold the one this test was given a moment ago.
qx::PortSystem quietSystem()
{
    qx::PortSystem system;
    system.lockFolders.clear();
    system.procRoot = QStringLiteral("/nonexistent");
    return system;
}

} // namespace

// The port reached by a device path as well as by COMn, and why it did not
// open, in the words the user is given.
class ModulePortTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<qxsim::Pty> pty;
    QTemporaryDir dir;

    void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

private slots:
    void init()
    {
        for (int n = 1; n <= 8; ++n)
            qunsetenv(("QXCOM" + QByteArray::number(n)).constData());
        pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
    }
    void cleanup() { pty.reset(); }

    // Nothing in QXCOM*: the path alone reaches the device.
    void opensByPathAndTellsOpenAndClose()
    {
        ModulePort port;
        port.setPortSystem(quietSystem());
        QSignalSpy opened(&port, &ModulePort::opened);
        QSignalSpy closed(&port, &ModulePort::closed);
        port.select(pty->slavePath(), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.portName(), pty->slavePath());
        QCOMPARE(port.open(), ModulePort::Opened);
        QVERIFY(port.isOpen());
        QCOMPARE(port.serialPort().portName(), pty->slavePath().mid(5));   // below /dev, as QSerialPort names it
        QCOMPARE(opened.size(), 1);
        QCOMPARE(closed.size(), 0);
        port.close();
        port.close();
        QCOMPARE(closed.size(), 1);

        // Refused line settings: the port never counted as open.
        port.select(pty->slavePath(), QStringLiteral("9600bps"), QStringLiteral("E,7,1"));
        QCOMPARE(port.open(), ModulePort::SettingsRefused);
        QCOMPARE(port.refusal().kind, qx::PortRefusal::LineSettings);
        QCOMPARE(port.refusal().text(), QStringLiteral("串口参数设置失败，请选择其它参数重试"));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(closed.size(), 1);
    }

    void aVanishedDeviceClosesBeforeItIsSaidGone()
    {
        ModulePort port;
        QStringList said;
        connect(&port, &ModulePort::closed, this, [&] { said << QStringLiteral("closed"); });
        connect(&port, &ModulePort::vanished, this, [&] { said << QStringLiteral("vanished"); });
        port.select(pty->slavePath(), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.open(), ModulePort::Opened);
        pty.reset();
        QTRY_COMPARE(said, (QStringList{"closed", "vanished"}));
    }

    void missingDevice()
    {
        ModulePort port;
        port.setPortSystem(quietSystem());
        const QString nowhere = dir.filePath(QStringLiteral("ttyUSB-gone"));
        port.select(nowhere, QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.open(), ModulePort::NoSuchPort);
        QCOMPARE(port.refusal().text(), QStringLiteral("本机没有这个串口，请选择其它串口重试"));
        QCOMPARE(qx::PortRefusal::title(), QStringLiteral("端口错误"));
        // COMn behind a device that is gone says the same.
        qputenv("QXCOM3", nowhere.toLocal8Bit());
        port.select(QStringLiteral("COM3"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.open(), ModulePort::NoSuchPort);
        QVERIFY(!port.isOpen());
    }

    // Held by another program: its lock file names it when the process lives.
    void heldByAnotherProgram()
    {
        QSerialPort other(pty->slavePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        ModulePort port;
        port.setPortSystem(quietSystem());
        port.select(pty->slavePath(), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.open(), ModulePort::PortInUse);
        QCOMPARE(port.refusal().text(), QStringLiteral("串口已经打开，请关闭其它程序重试"));

        qx::PortSystem system;
        system.lockFolders = {dir.filePath(QStringLiteral("lock"))};
        system.procRoot = dir.filePath(QStringLiteral("proc"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("proc/4321"))));
        writeFile(dir.filePath(QStringLiteral("proc/4321/comm")), "minicom\n");
        writeFile(dir.filePath(QStringLiteral("lock/LCK..")) + pty->slavePath().mid(5).replace('/', '_'),
                  "      4321\n");
        port.setPortSystem(system);
        QCOMPARE(port.open(), ModulePort::PortInUse);
        QCOMPARE(port.refusal().text(),
                 QStringLiteral("串口已经打开，请关闭其它程序重试\n正在使用它的是 minicom（进程号 4321）"));
        QVERIFY(!port.isOpen());
    }

    // Root is never refused a device, so the refusal a user outside the
    // device's group meets is shown through the access seam.
    void noPermission()
    {
        const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
        writeFile(device, {});
        qx::PortSystem system = quietSystem();
        system.accessError = [&](const QString &path) { return path == device ? EACCES : 0; };
        ModulePort port;
        port.setPortSystem(system);
        port.select(device, QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(port.open(), ModulePort::NoPermission);
        QCOMPARE(port.refusal().text(),
                 QStringLiteral("没有权限访问 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录").arg(device));
        QVERIFY(!port.isOpen());

        // Allowed, but still no serial line: nothing to explain, nothing said.
        system.accessError = [](const QString &) { return 0; };
        port.setPortSystem(system);
        QCOMPARE(port.open(), ModulePort::OtherFailure);
        QVERIFY(port.refusal().text().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ModulePortTest)
#include "test_module_port.moc"
