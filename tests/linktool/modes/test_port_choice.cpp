#include "app/main_window.h"
#include "link/handshake.h"
#include "link/link.h"
#include "link/timing.h"
#include "modes/connect_windows.h"

#include "linktool_support.h"
#include "model.h"
#include "port_box.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace lt;

namespace {

const QString kMissing = QStringLiteral("本机没有这个串口，请选择其它串口重试");
const QString kNoAnswer = QStringLiteral("模块和计算机通信失败，请检查串口号、波特率");

void clearNumberedPorts()
{
    for (int n = 1; n <= 8; ++n)
        qunsetenv(("QXCOM" + QByteArray::number(n)).constData());
}

// A module on a pseudo-terminal no COMn names: reached only by its path.
std::unique_ptr<qxsim::Simulator> unnamedModule(const QString &model)
{
    auto sim = std::make_unique<qxsim::Simulator>(qxsim::makeModel(model));
    if (!sim->start())
        qFatal("cannot open a pseudo-terminal");
    return sim;
}

void typeInto(qx::PortBox *box, const QString &text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

// Combo1 of both connect windows: the devices of this computer, a path typed
// as it is, what is kept for the next start, and what the user is told.
class PortChoiceTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<test::MessageRecorder> messages;
    QTemporaryDir dir;

    QDialog *openWindow(const char *name)
    {
        if (QByteArray(name) == "frm3000MOD")
            openSmsConnect(*main);
        else
            openQx3200Connect(*main);
        return main->findChild<QDialog *>(QLatin1String(name));
    }
    static qx::PortBox *portList(QDialog *w) { return w->findChild<qx::PortBox *>(QStringLiteral("Combo1")); }
    static QComboBox *baudList(QDialog *w) { return w->findChild<QComboBox *>(QStringLiteral("Combo2")); }
    static QPushButton *button(QDialog *w, int n)
    {
        return w->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(n));
    }

private slots:
    void init()
    {
        test::resetProgramState();
        clearNumberedPorts();
        timing::setScale(0.25, 250);
        main = std::make_unique<MainWindow>();
        messages = std::make_unique<test::MessageRecorder>();
    }
    void cleanup()
    {
        main.reset();
        messages.reset();
        test::resetProgramState();
    }

    void aTypedPathConnects_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("moduleWindow");
        QTest::addColumn<int>("moduleType");
        QTest::newRow("qx3100") << QStringLiteral("qx3100") << QStringLiteral("frm3000MOD") << QStringLiteral("frm3100COM")
                                << 0x02;
        QTest::newRow("qx3200") << QStringLiteral("qx3200") << QStringLiteral("frmQX3200") << QStringLiteral("frm3200COM")
                                << int(code::kGprsModule);
    }
    // Nothing in QXCOM*: the path typed into the list reaches the module,
    // the handshake completes and the status panel names the path.
    void aTypedPathConnects()
    {
        QFETCH(QString, model);
        QFETCH(QString, window);
        QFETCH(QString, moduleWindow);
        QFETCH(int, moduleType);
        auto sim = unnamedModule(model);
        QSignalSpy told(&main->handshake(), &Handshake::moduleTypeKnown);
        QPointer<QDialog> w = openWindow(window.toLatin1().constData());
        QCOMPARE(portList(w)->value(), QStringLiteral("COM1"));
        QVERIFY(portList(w)->isEditable());
        typeInto(portList(w), sim->devicePath());
        button(w, 0)->click();
        // The QX3200's window waits for Enter once the module has answered.
        if (model == QLatin1String("qx3200")) {
            QTRY_VERIFY_WITH_TIMEOUT(button(w, 2)->isEnabled(), 8000);
            button(w, 2)->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_VERIFY(main->findChild<QWidget *>(moduleWindow));
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0][0].toInt(), moduleType);
        QCOMPARE(main->link().port().portName(), sim->devicePath());
        QTRY_COMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：%1--9600,n,8,1").arg(sim->devicePath()));
        QCOMPARE(messages->messages.size(), 1);   // the signal-lamp notice, nothing else
    }

    void aPathThatDoesNotExistIsMissing()
    {
        for (const char *name : {"frm3000MOD", "frmQX3200"}) {
            messages->messages.clear();
            QPointer<QDialog> w = openWindow(name);
            typeInto(portList(w), QStringLiteral("/dev/ttyUSB-none-qx"));
            button(w, 0)->click();
            QCOMPARE(messages->messages.size(), 1);
            QCOMPARE(messages->messages[0].text, kMissing);
            QCOMPARE(messages->messages[0].title, QStringLiteral("端口错误"));
            QCOMPARE(messages->messages[0].icon, QMessageBox::Warning);
            QVERIFY(!main->link().port().isOpen());
            QVERIFY(button(w, 0)->isEnabled() && portList(w)->isEnabled() && baudList(w)->isEnabled());
            w->close();
            QTRY_VERIFY(!w);
        }
    }

    // The list follows hot-plugging while the window is idle, keeps still
    // while Connect runs, and never changes what it holds; a picked device
    // that went away is still what Connect opens, and is missing.
    void followsTheDevicesWhileIdle()
    {
        timing::setScale(0.05, 100);   // a scan every 100 ms
        auto sim = unnamedModule(QStringLiteral("qx3100"));
        sim->faults().silent = true;
        const QString adapter = dir.filePath(QStringLiteral("ttyACM0"));
        QFile(adapter).open(QIODevice::WriteOnly);
        bool plugged = true;
        QList<qint64> scans;
        QElapsedTimer clock;
        clock.start();
        QPointer<QDialog> w = openWindow("frmQX3200");
        portList(w)->setScan([&] {
            scans << clock.elapsed();
            QList<qx::PortChoice> choices = qx::portChoices({}, {});
            if (plugged)
                choices.append({adapter + QStringLiteral(" — USB ACM (8D7A)"), adapter});
            choices.append({sim->devicePath(), sim->devicePath()});
            return choices;
        });
        QCOMPARE(portList(w)->count(), 10);
        QCOMPARE(portList(w)->labels().mid(0, 2), (QStringList{"COM1", "COM2"}));
        QCOMPARE(portList(w)->labels().at(8), adapter + QStringLiteral(" — USB ACM (8D7A)"));
        QCOMPARE(portList(w)->value(), QStringLiteral("COM1"));

        scans.clear();
        QTest::qWait(650);
        const int interval = timing::interval(qx::PortBox::kRescanMs);
        QCOMPARE(interval, 100);
        QVERIFY2(scans.size() >= 3, qPrintable(QString::number(scans.size())));
        for (int i = 1; i < scans.size(); ++i)
            QVERIFY2(scans.at(i) - scans.at(i - 1) >= interval * 8 / 10,
                     qPrintable(QString::number(scans.at(i) - scans.at(i - 1))));

        // Picked, then unplugged: the entry goes, the choice stays and is missing.
        portList(w)->setCurrentIndex(8);
        QCOMPARE(portList(w)->value(), adapter);
        plugged = false;
        QFile::remove(adapter);
        QTRY_COMPARE(portList(w)->count(), 9);
        QCOMPARE(portList(w)->value(), adapter);
        button(w, 0)->click();
        QCOMPARE(messages->messages.size(), 1);
        QCOMPARE(messages->messages[0].text, kMissing);

        // Connecting (the module stays silent until the time-out, at its
        // full two seconds now): no scans.
        timing::setScale(1.0, 0);
        portList(w)->setValue(sim->devicePath());
        button(w, 0)->click();
        QVERIFY(main->handshake().running());
        QVERIFY(!portList(w)->isEnabled());
        scans.clear();
        QTest::qWait(interval * 4);
        QCOMPARE(scans.size(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(messages->saw(kNoAnswer), 5000);
        QTRY_VERIFY(scans.size() > 0);   // idle again
        QCOMPARE(portList(w)->value(), sim->devicePath());

        // Opening the list scans at once.
        scans.clear();
        portList(w)->showPopup();
        QCOMPARE(scans.size(), 1);
        portList(w)->hidePopup();
    }

    // Port, rate and the QX3200's line written by one run are where the next
    // begins, per window; a port that is gone is not offered again.
    void rememberedAcrossRuns()
    {
        auto sim = unnamedModule(QStringLiteral("qx3200"));
        // Reached through a link, as an adapter is through its by-id name: a
        // pty's own number may be taken again by another test's pty at once.
        const QString device = dir.filePath(QStringLiteral("by-id-module"));
        QVERIFY(QFile::link(sim->devicePath(), device));
        QSettings settings(dir.filePath(QStringLiteral("linktool.conf")), QSettings::IniFormat);
        main->rememberIn(&settings);
        {
            QPointer<QDialog> w = openWindow("frmQX3200");
            QCOMPARE(portList(w)->value(), QStringLiteral("COM1"));   // nothing remembered yet
            portList(w)->setValue(device);
            baudList(w)->setCurrentText(QStringLiteral("19200bps"));
            w->findChild<QRadioButton *>(QStringLiteral("Option10"))->click();   // 2 stop bits
            button(w, 0)->click();
            QVERIFY(main->link().port().isOpen());
            button(w, 1)->click();   // Cancel
            QTRY_VERIFY(!w);
        }
        // Refused settings keep nothing: the last line that opened stays.
        {
            QPointer<QDialog> w = openWindow("frmQX3200");
            w->findChild<QRadioButton *>(QStringLiteral("Option9"))->click();   // even parity: a pty refuses it
            w->findChild<QRadioButton *>(QStringLiteral("Option3"))->click();   // 7 data bits
            button(w, 0)->click();
            QVERIFY(!main->link().port().isOpen());
            w->close();
            QTRY_VERIFY(!w);
        }
        main.reset();

        main = std::make_unique<MainWindow>();
        main->rememberIn(&settings);
        {
            QPointer<QDialog> w = openWindow("frmQX3200");
            QCOMPARE(portList(w)->value(), device);
            QCOMPARE(baudList(w)->currentText(), QStringLiteral("19200bps"));
            for (int checked : {4, 5, 10})
                QVERIFY2(w->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(checked))->isChecked(),
                         qPrintable(QString::number(checked)));
            QVERIFY(!main->link().port().isOpen());   // never opened by itself
            w->close();
            QTRY_VERIFY(!w);
            // The other window keeps its own.
            w = openWindow("frm3000MOD");
            QCOMPARE(portList(w)->value(), QStringLiteral("COM1"));
            QCOMPARE(baudList(w)->currentText(), QStringLiteral("9600bps"));
            w->close();
            QTRY_VERIFY(!w);
        }

        // --port is for this run, over what was remembered, and not stored.
        main->applyStartOptions({QStringLiteral("/dev/ttyUSB7"), StartOptions::Model::None, false});
        {
            QPointer<QDialog> w = openWindow("frmQX3200");
            QCOMPARE(portList(w)->value(), QStringLiteral("/dev/ttyUSB7"));
            w->close();
            QTRY_VERIFY(!w);
        }
        QCOMPARE(settings.value(QStringLiteral("frmQX3200/port")).toString(), device);
        main.reset();

        // The device is gone: the default again, nothing opened, nothing said.
        const auto said = messages->messages.size();
        sim.reset();
        QVERIFY(QFile::remove(device));   // unplugged: its link goes with it
        main = std::make_unique<MainWindow>();
        main->rememberIn(&settings);
        QPointer<QDialog> w = openWindow("frmQX3200");
        QCOMPARE(portList(w)->value(), QStringLiteral("COM1"));
        QCOMPARE(baudList(w)->currentText(), QStringLiteral("19200bps"));
        QVERIFY(!main->link().port().isOpen());
        QCOMPARE(messages->messages.size(), said);
    }

    // A module that does not answer while ModemManager runs: the time-out
    // says what may have the port and how to keep it away.
    void noAnswerNamesModemManager()
    {
        auto sim = unnamedModule(QStringLiteral("qx3100"));
        sim->faults().silent = true;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("proc/612"))));
        QFile comm(dir.filePath(QStringLiteral("proc/612/comm")));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write("ModemManager\n");
        comm.close();
        qx::PortSystem system;
        system.lockFolders.clear();
        system.procRoot = dir.filePath(QStringLiteral("proc"));
        main->link().port().setPortSystem(system);

        QPointer<QDialog> w = openWindow("frm3000MOD");
        portList(w)->setValue(sim->devicePath());
        button(w, 0)->click();
        const QString expected = kNoAnswer + QLatin1Char('\n') + qx::modemManagerNote();
        QTRY_VERIFY_WITH_TIMEOUT(messages->saw(expected), 5000);
        QCOMPARE(messages->messages.last().title, QStringLiteral("系统提示"));
        QVERIFY(qx::modemManagerNote().contains(QStringLiteral("ID_MM_DEVICE_IGNORE")));

        // Without it, the message as it always was.
        QVERIFY(QDir(dir.filePath(QStringLiteral("proc/612"))).removeRecursively());
        button(w, 0)->click();
        QTRY_COMPARE_WITH_TIMEOUT(messages->count(kNoAnswer), 1, 5000);
    }
};

QTEST_MAIN(PortChoiceTest)
#include "test_port_choice.moc"
