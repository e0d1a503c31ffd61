#include "fake_port_device.h"
#include "port_box.h"
#include "smsconf_dlg.h"
#include "smsconf_support.h"
#include "start_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace sms;

namespace {

const QString kPortError = QStringLiteral("端口错误");
const QString kMissing = QStringLiteral("本机没有这个串口，请选择其它串口重试");

void clearNumberedPorts()
{
    for (int n = 1; n <= 8; ++n)
        qunsetenv(("QXCOM" + QByteArray::number(n)).constData());
}

// A module on a pseudo-terminal that no COMn names: reached only by its path.
std::unique_ptr<qxsim::Simulator> unnamedModule()
{
    auto sim = std::make_unique<qxsim::Simulator>(std::make_unique<qxsim::SmsconfModel>());
    if (!sim->start())
        qFatal("cannot open a pseudo-terminal");
    return sim;
}

// A system without lock files or processes: what the tests' made-up devices
// are called may be locked by a real program on this computer.
qx::PortSystem quietSystem()
{
    qx::PortSystem system;
    system.lockFolders.clear();
    system.procRoot = QStringLiteral("/nonexistent");
    return system;
}

void typeInto(qx::PortBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

// The port box and what opening a port says: devices picked or typed, every
// refusal in its own words, and the port remembered for the next start.
class PortBoxTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<smstest::Messages> msgs;
    QTemporaryDir dir;

private slots:
    void init()
    {
        clearNumberedPorts();
        msgs = std::make_unique<smstest::Messages>();
    }
    void cleanup()
    {
        msgs.reset();
        timing::setScale(1.0);
    }

    // A path typed into the box opens and talks to the module, with nothing in QXCOM*.
    void aTypedPathTalksToTheModule()
    {
        auto sim = unnamedModule();
        static_cast<qxsim::SmsconfModel &>(sim->model()).setOption("device-address", "37");
        CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        typeInto(dlg.portBox(), sim->devicePath());
        QCOMPARE(dlg.portBox()->value(), sim->devicePath());
        dlg.button("openPort")->click();
        QCOMPARE(dlg.button("openPort")->text(), QString("关闭串口"));
        QVERIFY(msgs->seen.isEmpty());
        dlg.button("queryDeviceAddress")->click();
        QTRY_COMPARE(dlg.deviceAddressBox()->text(), QString("37"));
    }

    void aPathThatDoesNotExistIsMissing()
    {
        CSmsconfDlg dlg;
        dlg.show();
        for (const QString &typed : {QStringLiteral("/dev/ttyUSB-none"), QStringLiteral("COM7"), QString()}) {
            msgs->seen.clear();
            typeInto(dlg.portBox(), typed);
            dlg.button("openPort")->click();
            QCOMPARE(msgs->seen, (QList<QPair<QString, QString>>{{kMissing, kPortError}}));
            QCOMPARE(dlg.button("openPort")->text(), QString("打开串口"));
            QVERIFY(!dlg.port().isOpen());
        }
    }

    // Held by another program: its lock file names it, and the port is not
    // opened even by root, whom the system would let in.
    void aHeldPortNamesItsHolder()
    {
        auto sim = unnamedModule();
        qx::PortSystem system;
        system.lockFolders = {dir.filePath("lock")};
        system.procRoot = dir.filePath("proc");
        QVERIFY(QDir().mkpath(dir.filePath("proc/4321")));
        QVERIFY(QDir().mkpath(dir.filePath("lock")));
        QFile comm(dir.filePath("proc/4321/comm"));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write("linktool\n");
        comm.close();
        QFile lock(dir.filePath("lock/LCK..") + sim->devicePath().mid(5).replace('/', '_'));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4321\nlinktool\nbench\n");
        lock.close();

        CSmsconfDlg dlg;
        dlg.setPortSystem(system);
        dlg.show();
        dlg.portBox()->setValue(sim->devicePath());
        dlg.button("openPort")->click();
        QCOMPARE(msgs->seen.size(), 1);
        QCOMPARE(msgs->seen.first(),
                 qMakePair(QStringLiteral("串口已经打开，请关闭其它程序重试\n正在使用它的是 linktool（进程号 4321）"), kPortError));
        QVERIFY(!dlg.port().isOpen());

        // The holder ended: the lock is stale and the port opens.
        QVERIFY(QDir(dir.filePath("proc/4321")).removeRecursively());
        dlg.button("openPort")->click();
        QVERIFY(dlg.port().isOpen());
        QCOMPARE(msgs->seen.size(), 1);
    }

    // Root is never refused access, so the refusal a user outside dialout
    // meets comes through the device seam and the access() seam.
    void noPermission()
    {
        QFile device(dir.filePath("ttyUSB0"));
        QVERIFY(device.open(QIODevice::WriteOnly));
        device.close();
        const QString expected = QStringLiteral("没有权限访问 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录")
                                     .arg(device.fileName());

        smstest::FakeLine line;
        line.openFault = qx::OpenFault::NoPermission;   // open() said EACCES
        CSmsconfDlg dlg(line.factory());
        dlg.setPortSystem(quietSystem());
        dlg.portBox()->setValue(device.fileName());
        dlg.button("openPort")->click();
        QCOMPARE(msgs->seen, (QList<QPair<QString, QString>>{{expected, kPortError}}));

        // A refusal the system did not explain: the device's access tells.
        line.openFault = qx::OpenFault::Other;
        qx::PortSystem system = quietSystem();
        system.accessError = [&](const QString &path) { return path == device.fileName() ? EACCES : 0; };
        dlg.setPortSystem(system);
        msgs->seen.clear();
        dlg.button("openPort")->click();
        QCOMPARE(msgs->seen, (QList<QPair<QString, QString>>{{expected, kPortError}}));

        // Nothing to explain it: the dialog's own words.
        system.accessError = [](const QString &) { return 0; };
        dlg.setPortSystem(system);
        msgs->seen.clear();
        dlg.button("openPort")->click();
        QCOMPARE(msgs->seen, (QList<QPair<QString, QString>>{{QStringLiteral("串口打开失败"), QStringLiteral("提示")}}));
        QVERIFY(!dlg.port().isOpen());
    }

    // The list follows hot-plugging while the port is closed, never while it
    // is open, and never changes what the box holds.
    void rescansWhileClosed()
    {
        timing::setScale(0.05);   // a scan every 100 ms
        QList<qint64> scans;
        QElapsedTimer clock;
        clock.start();
        bool plugged = true;
        const QString adapter = dir.filePath("ttyACM0");
        QFile(adapter).open(QIODevice::WriteOnly);
        smstest::FakeLine line;
        CSmsconfDlg dlg(line.factory());
        dlg.setPortSystem(quietSystem());
        dlg.portBox()->setScan([&] {
            scans << clock.elapsed();
            QList<qx::PortChoice> choices = qx::portChoices({}, {});
            if (plugged)
                choices.append({adapter + QStringLiteral(" — USB ACM (8D7A)"), adapter});
            return choices;
        });
        dlg.show();
        QCOMPARE(dlg.portBox()->count(), 9);
        QCOMPARE(dlg.portBox()->labels().last(), adapter + QStringLiteral(" — USB ACM (8D7A)"));
        QCOMPARE(dlg.portBox()->itemText(8), adapter);

        // Picked from the list: the box holds the path.
        dlg.portBox()->setCurrentIndex(8);
        QCOMPARE(dlg.portBox()->value(), adapter);

        scans.clear();
        QTest::qWait(650);
        const int interval = timing::interval(qx::PortBox::kRescanMs);
        QVERIFY2(scans.size() >= 3, qPrintable(QString::number(scans.size())));
        for (int i = 1; i < scans.size(); ++i)
            QVERIFY2(scans.at(i) - scans.at(i - 1) >= interval * 8 / 10, qPrintable(QString::number(scans.at(i) - scans.at(i - 1))));

        // Unplugged: the entry goes, the box keeps the device, and opening it says it is missing.
        plugged = false;
        QFile::remove(adapter);
        QTRY_COMPARE(dlg.portBox()->count(), 8);
        QCOMPARE(dlg.portBox()->value(), adapter);
        line.openFault = qx::OpenFault::NotFound;
        dlg.button("openPort")->click();
        QCOMPARE(msgs->seen, (QList<QPair<QString, QString>>{{kMissing, kPortError}}));

        // Typing is never disturbed by a scan that finds something new.
        typeInto(dlg.portBox(), "/dev/ttyU");
        plugged = true;
        QFile(adapter).open(QIODevice::WriteOnly);
        QTRY_COMPARE(dlg.portBox()->count(), 9);
        QCOMPARE(dlg.portBox()->value(), QString("/dev/ttyU"));
        QCOMPARE(dlg.portBox()->lineEdit()->cursorPosition(), 9);

        // Open: no scans.
        line.openFault = qx::OpenFault::None;
        dlg.portBox()->setValue(adapter);
        dlg.button("openPort")->click();
        QVERIFY(dlg.port().isOpen());
        scans.clear();
        QTest::qWait(interval * 4);
        QCOMPARE(scans.size(), 0);

        // Opening the list scans at once.
        dlg.button("openPort")->click();
        scans.clear();
        dlg.portBox()->showPopup();
        QCOMPARE(scans.size(), 1);
        dlg.portBox()->hidePopup();
    }

    // Port, baud rate and the log choice written by one run are where the next begins.
    void rememberedAcrossRuns()
    {
        auto sim = unnamedModule();
        QSettings settings(dir.filePath("smsconf.conf"), QSettings::IniFormat);
        // Reached through a link, as an adapter is through its by-id name: a
        // pty's own number may be taken again by another test's pty at once.
        const QString device = dir.filePath("by-id-module");
        QVERIFY(QFile::link(sim->devicePath(), device));
        {
            CSmsconfDlg dlg;
            dlg.setLogFolder(dir.filePath("logs"));
            dlg.rememberIn(&settings);
            dlg.show();
            QCOMPARE(dlg.portBox()->value(), QString("4"));   // nothing remembered yet
            QVERIFY(!dlg.logBox()->isChecked());
            dlg.portBox()->setValue(device);
            dlg.pcBaudList()->setCurrentText("115200");
            dlg.logBox()->click();
            dlg.button("openPort")->click();
            QVERIFY(dlg.port().isOpen());
            dlg.button("openPort")->click();
            dlg.resize(dlg.width() + 40, dlg.height() + 30);
            dlg.close();
        }
        {
            CSmsconfDlg dlg;
            dlg.rememberIn(&settings);
            QCOMPARE(dlg.portBox()->value(), device);
            QCOMPARE(dlg.pcBaudList()->currentText(), QString("115200"));
            QVERIFY(dlg.logBox()->isChecked());
            QVERIFY(!dlg.port().isOpen());   // never opened by itself
            QVERIFY(!settings.value("geometry").toByteArray().isEmpty());

            // --port and --log are for this run: over what was remembered, not stored.
            dlg.logBox()->click();
            dlg.applyStartOptions({QStringLiteral("COM3"), true});
            QCOMPARE(dlg.portBox()->value(), QString("COM3"));
            QVERIFY(dlg.logBox()->isChecked());
            QCOMPARE(settings.value("trafficLog").toBool(), false);
            QCOMPARE(settings.value("port").toString(), device);
        }
        // The device is gone: the default again, and nothing opened.
        sim.reset();
        QVERIFY(QFile::remove(device));   // unplugged: its link goes with it
        CSmsconfDlg dlg;
        dlg.rememberIn(&settings);
        QCOMPARE(dlg.portBox()->value(), QString("4"));
        QVERIFY(!dlg.port().isOpen());
        QVERIFY(msgs->seen.isEmpty());
    }

    void commandLine()
    {
        StartOptions options;
        QVERIFY(parseCommandLine({"smsconf", "--port", "/dev/ttyUSB0", "--log"}, &options).run);
        QCOMPARE(options.port, QString("/dev/ttyUSB0"));
        QVERIFY(options.log);
        QVERIFY(parseCommandLine({"smsconf", "--port=COM2"}, &options).run);
        QCOMPARE(options.port, QString("COM2"));
        QVERIFY(!options.log);
        QCOMPARE(parseCommandLine({"smsconf", "--port", " "}, &options).exitCode, 2);
        QCOMPARE(parseCommandLine({"smsconf", "--port"}, &options).exitCode, 2);
        QCOMPARE(parseCommandLine({"smsconf", "--log=yes"}, &options).exitCode, 2);
    }
};

QTEST_MAIN(PortBoxTest)
#include "test_port_box.moc"
