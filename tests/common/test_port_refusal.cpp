#include "port_refusal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using qx::OpenFault;
using qx::PortRefusal;

// Why a port did not open, found out from a made-up system: a device file,
// lock folders, a process table and the access() answer of a user outside
// the device's group (a test running as root is never refused).
class PortRefusalTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    qx::PortSystem m_system;
    QString m_device;

    void writeFile(const QString &path, const QByteArray &content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    void addProcess(qint64 pid, const QByteArray &name)
    {
        writeFile(QStringLiteral("%1/%2/comm").arg(m_system.procRoot).arg(pid), name + '\n');
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_system.lockFolders = {m_dir.filePath("var/lock"), m_dir.filePath("tmp")};
        m_system.procRoot = m_dir.filePath("proc");
        m_system.accessError = [](const QString &) { return 0; };
        QVERIFY(QDir().mkpath(m_system.procRoot));
        for (const QString &f : m_system.lockFolders)
            QVERIFY(QDir().mkpath(f));
        m_device = m_dir.filePath("dev/ttyUSB0");
        writeFile(m_device, {});
    }
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void aMissingDeviceIsMissingWhateverWasSaid()
    {
        for (auto said : {OpenFault::NotFound, OpenFault::PermissionOrBusy, OpenFault::Other}) {
            const PortRefusal r = qx::explainOpenFailure(m_dir.filePath("dev/ttyUSB7"), said, m_system);
            QCOMPARE(r.kind, PortRefusal::Missing);
            QCOMPARE(r.text(), QStringLiteral("本机没有这个串口，请选择其它串口重试"));
        }
        // A stable name whose adapter was pulled.
        QVERIFY(QFile::link(m_dir.filePath("dev/ttyUSB9"), m_dir.filePath("dev/by-id-link")));
        QCOMPARE(qx::explainOpenFailure(m_dir.filePath("dev/by-id-link"), OpenFault::Other, m_system).kind,
                 PortRefusal::Missing);
        QCOMPARE(PortRefusal::title(), QStringLiteral("端口错误"));
    }

    // QSerialPort says PermissionError for both: the device's access tells them apart.
    void permissionOrBusy()
    {
        PortRefusal r = qx::explainOpenFailure(m_device, OpenFault::PermissionOrBusy, m_system);
        QCOMPARE(r.kind, PortRefusal::Busy);
        QCOMPARE(r.text(), QStringLiteral("串口已经打开，请关闭其它程序重试"));

        m_system.accessError = [this](const QString &path) { return path == m_device ? EACCES : 0; };
        r = qx::explainOpenFailure(m_device, OpenFault::PermissionOrBusy, m_system);
        QCOMPARE(r.kind, PortRefusal::NoPermission);
        // The device's own group; a device of root's group gets dialout, the group of serial lines on Debian.
        const QString group = QFileInfo(m_device).group() == "root" ? QStringLiteral("dialout") : QFileInfo(m_device).group();
        QCOMPARE(r.text(), QStringLiteral("没有权限访问 %1：请把用户加入 %2 组（sudo usermod -aG %2 $USER）后重新登录")
                               .arg(m_device, group));
    }

    void aLiveLockNamesTheHolder()
    {
        addProcess(4321, "linktool");
        // Qt's lock file: the number, the program, the host.
        writeFile(m_system.lockFolders.at(0) + "/LCK..ttyUSB0", "4321\nlinktool\nbench\n");
        // Even as root, who may open the device, and whatever the open said.
        const PortRefusal r = qx::explainOpenFailure(m_device, OpenFault::Other, m_system);
        QCOMPARE(r.kind, PortRefusal::Busy);
        QVERIFY(r.holder);
        QCOMPARE(r.holder->pid, 4321);
        QCOMPARE(r.text(), QStringLiteral("串口已经打开，请关闭其它程序重试\n正在使用它的是 linktool（进程号 4321）"));
    }

    void lockFilesOfEveryKind()
    {
        // A UUCP tool's lock, padded to ten places, in the second folder, under the name the link leads to.
        addProcess(77, "term");
        writeFile(m_system.lockFolders.at(1) + "/LCK..ttyUSB0", "        77\n");
        QVERIFY(QFile::link(m_device, m_dir.filePath("dev/adapter")));
        auto holder = qx::portLockHolder(m_dir.filePath("dev/adapter"), m_system);
        QVERIFY(holder);
        QCOMPARE(holder->program, QString("term"));

        // A process that has ended holds nothing.
        QFile::remove(m_system.lockFolders.at(1) + "/LCK..ttyUSB0");
        writeFile(m_system.lockFolders.at(0) + "/LCK..ttyUSB0", "99999\n");
        QVERIFY(!qx::portLockHolder(m_device, m_system));
        QCOMPARE(qx::explainOpenFailure(m_device, OpenFault::Busy, m_system).text(),
                 QStringLiteral("串口已经打开，请关闭其它程序重试"));

        // A lock that does not say who holds it: not a holder.
        writeFile(m_system.lockFolders.at(0) + "/LCK..ttyUSB0", "\x01\x02\x00\x00");
        QVERIFY(!qx::portLockHolder(m_device, m_system));

        // A pseudo-terminal's lock in Qt's naming: the path below /dev with '_' for '/'.
        addProcess(55, "");
        writeFile(m_system.lockFolders.at(0) + "/LCK..pts_3", "55\n");
        holder = qx::portLockHolder("/dev/pts/3", m_system);
        QVERIFY(holder);
        QCOMPARE(holder->pid, 55);
        PortRefusal r;
        r.kind = PortRefusal::Busy;
        r.holder = holder;
        QCOMPARE(r.text(), QStringLiteral("串口已经打开，请关闭其它程序重试\n正在使用它的是进程 55"));
    }

    void errnoOfAPlainOpen()
    {
        QCOMPARE(qx::openFaultFromErrno(0), OpenFault::None);
        QCOMPARE(qx::openFaultFromErrno(ENOENT), OpenFault::NotFound);
        QCOMPARE(qx::openFaultFromErrno(EIO), OpenFault::NotFound);   // a node without hardware
        QCOMPARE(qx::openFaultFromErrno(EBUSY), OpenFault::Busy);
        QCOMPARE(qx::openFaultFromErrno(EACCES), OpenFault::NoPermission);
        QCOMPARE(qx::openFaultFromErrno(EINVAL), OpenFault::Other);

        // A node with no hardware behind it exists, but is no port of this computer.
        QCOMPARE(qx::explainOpenFailure(m_device, OpenFault::NotFound, m_system).kind, PortRefusal::Missing);
        QCOMPARE(qx::explainOpenFailure(m_device, OpenFault::Busy, m_system).kind, PortRefusal::Busy);
        QCOMPARE(qx::explainOpenFailure(m_device, OpenFault::Other, m_system).kind, PortRefusal::Other);
        QVERIFY(qx::explainOpenFailure(m_device, OpenFault::Other, m_system).text().isEmpty());
        const PortRefusal line = qx::explainOpenFailure(m_device, OpenFault::LineSettings, m_system);
        QCOMPARE(line.text(), QStringLiteral("串口参数设置失败，请选择其它参数重试"));
    }

    void modemManager()
    {
        addProcess(1, "systemd");
        addProcess(812, "NetworkManager");
        QVERIFY(!qx::modemManagerRunning(m_system.procRoot));
        addProcess(813, "ModemManager");
        QVERIFY(qx::modemManagerRunning(m_system.procRoot));
        QVERIFY(qx::modemManagerNote().contains("ID_MM_DEVICE_IGNORE"));
        // Only numbered folders are processes.
        QFile::remove(m_system.procRoot + "/813/comm");
        writeFile(m_system.procRoot + "/self/comm", "ModemManager\n");
        QVERIFY(!qx::modemManagerRunning(m_system.procRoot));
    }
};

QTEST_GUILESS_MAIN(PortRefusalTest)
#include "test_port_refusal.moc"
