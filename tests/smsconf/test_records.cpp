#include "fake_port_device.h"
#include "frames.h"
#include "smsconf_dlg.h"
#include "smsconf_support.h"
#include "table_csv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace sms;

namespace {

struct LogLine {
    QDateTime time;
    QString dir;
    QByteArray bytes;
};

// The events of the one log file in folder.
QList<LogLine> readLog(const QString &folder, QByteArray *head = nullptr)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files);
    if (files.size() != 1)
        return {};
    QFile f(QDir(folder).filePath(files.first()));
    f.open(QIODevice::ReadOnly);
    QList<LogLine> lines;
    bool past = false;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith('#') && head)
            *head += line + '\n';
        if (past && !line.isEmpty() && !line.startsWith('#')) {
            const QList<QByteArray> cells = line.split(',');
            lines.append({QDateTime::fromString(QString::fromLatin1(cells.at(0)), "yyyy-MM-dd'T'HH:mm:ss.zzz"),
                          QString::fromLatin1(cells.at(1)), QByteArray::fromHex(cells.at(2))});
        }
        past = past || line == "time,dir,bytes,text";
    }
    return lines;
}

// Every kind of text a record holds: empty, the longest, Chinese, and what a CSV must quote.
QStringList awkwardTexts()
{
    QStringList texts;
    for (int i = 0; i < kMessageCount; ++i) {
        switch (i % 6) {
        case 0: texts << QString(); break;
        case 1: texts << QString(kMaxTextUnits, QChar(i % 2 ? u'温' : u'Z')); break;
        case 2: texts << QStringLiteral("水位超限，报警%1号").arg(i); break;
        case 3: texts << QStringLiteral("say \"%1\", then stop").arg(i); break;
        case 4: texts << QStringLiteral(" lead and trail, ") + QString::number(i) + ' '; break;
        default: texts << QStringLiteral("a,b,\"c\"\"\",%1").arg(i); break;
        }
    }
    return texts;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<smstest::Messages> msgs;
    QTemporaryDir dir;
    QString answerFile;   // what the file dialogs answer

    void setTexts(CSmsconfDlg &dlg, const QStringList &texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            dlg.messageList()->item(i, 1)->setText(texts.at(i));
    }
    QStringList texts(const CSmsconfDlg &dlg) const
    {
        QStringList out;
        for (int i = 0; i < kMessageCount; ++i)
            out << dlg.messageList()->item(i, 1)->text();
        return out;
    }
    void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void init()
    {
        msgs = std::make_unique<smstest::Messages>();
        setFileHook([this](bool, const QString &) { return answerFile; });
    }
    void cleanup()
    {
        setFileHook({});
        msgs.reset();
        timing::setScale(1.0);
    }

    // A read against the simulator: each request, then its reply as the
    // dialog took it, in order; a block the module sent in bursts is one
    // reply; the reply is logged once it was taken, after the quiet gap.
    void logOfARead()
    {
        timing::setScale(0.25);
        test::SimModule module(QStringLiteral("smsconf"), 4);
        for (int i = 0; i < kMessageCount; ++i)
            module.modelAs<qxsim::SmsconfModel>().setMessageRecord(i, encodeRecord(QString::number(i)));
        module.set("split-block", 3);
        module.set("split-gap-ms", 30);
        const QString folder = dir.filePath("read-log");
        CSmsconfDlg dlg;
        dlg.setReplyRule(ReplyRule::QuietGap);
        dlg.setLogFolder(folder);
        dlg.show();
        dlg.logBox()->click();
        dlg.button("openPort")->click();
        dlg.button("readMessages")->click();
        QTRY_VERIFY_WITH_TIMEOUT(msgs->count("读取信息成功") == 1, 60000);
        dlg.button("openPort")->click();   // closing the port closes the log

        QByteArray head;
        const QList<LogLine> log = readLog(folder, &head);
        QVERIFY2(head.contains("# port: 4\n") && head.contains("# line: 9600,n,8,1\n"), head.constData());
        QVERIFY(head.contains("# device: " + module.sim().devicePath().toUtf8() + '\n'));
        QCOMPARE(log.size(), 2 * kBlockCount);
        // Replies become whole after six quiet ticks of the reply timer: more
        // than five ticks after the last byte (four here, for timers that fire a
        // little early), where a reply logged as it arrived would follow at once.
        const int quietGap = 4 * timing::interval(50);
        for (int b = 0; b < kBlockCount; ++b) {
            const LogLine &asked = log.at(2 * b);
            const LogLine &answer = log.at(2 * b + 1);
            QCOMPARE(asked.dir, QString("TX"));
            QCOMPARE(asked.bytes, messageBlockRequest(b));
            QCOMPARE(answer.dir, QString("RX"));
            QCOMPARE(answer.bytes.size(), kBlockReplyLen);   // three bursts, one reply
            QCOMPARE(quint8(answer.bytes.at(10)), quint8(b));
            QVERIFY2(asked.time.msecsTo(answer.time) >= quietGap,
                     qPrintable(QStringLiteral("block %1 answered after %2 ms").arg(b).arg(asked.time.msecsTo(answer.time))));
            if (b > 0)
                QVERIFY(log.at(2 * b - 1).time <= asked.time);
        }
    }

    // A log folder that cannot be made: one message, the box cleared, and the exchange goes on.
    void anUnwritableLogFolder()
    {
        test::SimModule module(QStringLiteral("smsconf"), 4);
        module.set("device-address", 12);
        writeFile(dir.filePath("blocker"), "a file where the folder should be");
        CSmsconfDlg dlg;
        dlg.setLogFolder(dir.filePath("blocker/logs"));
        dlg.show();
        dlg.logBox()->click();
        dlg.button("openPort")->click();
        QVERIFY(dlg.port().isOpen());
        QCOMPARE(msgs->seen.size(), 1);
        QVERIFY(msgs->seen.first().first.startsWith(QStringLiteral("无法建立通讯记录文件夹")));
        QVERIFY(!dlg.logBox()->isChecked());
        dlg.button("queryDeviceAddress")->click();
        QTRY_COMPARE(dlg.deviceAddressBox()->text(), QString("12"));
        QCOMPARE(msgs->seen.size(), 1);
    }

    void csvRoundTripOfEveryText()
    {
        const QStringList sample = awkwardTexts();
        answerFile = dir.filePath("messages.csv");
        {
            CSmsconfDlg dlg;
            setTexts(dlg, sample);
            dlg.button("exportMessages")->click();
        }
        QFile file(answerFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFposition,text\r\n0,\r\n1," + QStringLiteral("温温").toUtf8()));

        CSmsconfDlg dlg;
        setTexts(dlg, QStringList(kMessageCount, QStringLiteral("stale")));
        dlg.button("importMessages")->click();
        QCOMPARE(texts(dlg), sample);
        QVERIFY(msgs->seen.isEmpty());
        // Filled in the list only: the module gets it when the user writes the table.
        QVERIFY(dlg.hasUnsavedEdits());
        QVERIFY(msgs->questions.isEmpty());

        // Phones likewise.
        answerFile = dir.filePath("phones.csv");
        for (int r = 0; r < kPhoneSlots; ++r)
            dlg.phoneList()->item(r, 1)->setText(r % 4 ? QString("1380013%1").arg(r, 4, 10, QChar('0')) : QString());
        dlg.phoneList()->item(19, 1)->setText(QString(20, '9'));
        dlg.button("exportPhones")->click();
        CSmsconfDlg other;
        other.button("importPhones")->click();
        for (int r = 0; r < kPhoneSlots; ++r)
            QCOMPARE(other.phoneList()->item(r, 1)->text(), dlg.phoneList()->item(r, 1)->text());
    }

    // Every bad line named in one message; nothing changes.
    void badLinesAreAllNamedAndNothingChanges()
    {
        answerFile = dir.filePath("bad.csv");
        writeFile(answerFile, QByteArray("\xEF\xBB\xBFposition,text\r\n0,fine\r\n")
                                  + "320,past the end\r\n"
                                  + "5,ok\r\n"
                                  + "7," + QString(60, QChar(u'长')).toUtf8() + "\r\n");
        CSmsconfDlg dlg;
        setTexts(dlg, QStringList(kMessageCount, QStringLiteral("kept")));
        dlg.button("importMessages")->click();
        QCOMPARE(msgs->seen.size(), 1);
        QCOMPARE(msgs->seen.first().first, QStringLiteral("文件中有 2 行不正确，表格没有改动：\n"
                                                          "第 3 行：位置 320 超出范围（0–319）\n"
                                                          "第 5 行：信息内容不能超过59个字符（现有60个）"));
        QCOMPARE(texts(dlg), QStringList(kMessageCount, QStringLiteral("kept")));
        QVERIFY(!dlg.hasUnsavedEdits());
    }

    // The checks on their own, line by line.
    void everyKindOfBadLine()
    {
        const TableImport phones = importTable(TableKind::Phones,
                                               "row,number\n"
                                               "1,13800138000\n"
                                               "2,123456789012345678901\n"   // 21 digits
                                               "3,1.38001E+10\n"             // what a spreadsheet made of it
                                               "1,139\n"                     // twice
                                               "21,1\n"                      // no such row
                                               "x,1\n"
                                               "4,1,2\n"
                                               "5,\"13\"9\n"
                                               "6,\"139\n");
        QVERIFY(!phones.ok());
        QCOMPARE(phones.problems, QStringList({
                                      "第 3 行：电话号码只能是数字，最多20位（现为“123456789012345678901”）",
                                      "第 4 行：电话号码只能是数字，最多20位（现为“1.38001E+10”）",
                                      "第 5 行：序号 1 与第 2 行重复",
                                      "第 6 行：序号 21 超出范围（1–20）",
                                      "第 7 行：格式不对，应为“序号,电话号码”",
                                      "第 8 行：格式不对，应为“序号,电话号码”",
                                      "第 9 行：格式不对，应为“序号,电话号码”",
                                      "第 10 行：引号没有结束",
                                  }));
        QVERIFY(phones.values.isEmpty());

        // Rows left out are empty; blank lines and a missing head are fine; a quoted text may span lines.
        const TableImport messages = importTable(TableKind::Messages, "\n3,\"two\nlines\"\n\n 319 ,last\n");
        QVERIFY(messages.ok());
        QCOMPARE(messages.values.size(), kMessageCount);
        QCOMPARE(messages.values.at(3), QString("two\nlines"));
        QCOMPARE(messages.values.at(319), QString("last"));
        QCOMPARE(messages.values.at(0), QString());

        // Saved by a spreadsheet in the system's Chinese code page, not UTF-8.
        QStringEncoder gbk("GB18030");
        if (gbk.isValid()) {
            const TableImport legacy = importTable(TableKind::Messages, "0," + QByteArray(gbk.encode(QStringLiteral("水位报警"))));
            QVERIFY(!legacy.ok());
            QVERIFY(legacy.refusal().contains("UTF-8"));
        }

        // A long list of problems is cut, with the rest counted.
        QByteArray many;
        for (int i = 0; i < 40; ++i)
            many += "400,x\n";
        QVERIFY(importTable(TableKind::Messages, many).refusal().endsWith("……另有 25 行不正确"));
    }

    // Edits not yet written are only replaced when the user says so.
    void importAsksBeforeReplacingEdits()
    {
        answerFile = dir.filePath("phones-ask.csv");
        writeFile(answerFile, "row,number\n1,100\n");
        CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        smstest::doubleClickRow(dlg.phoneList(), 4);
        dlg.phoneInput()->edit()->setText("555");
        dlg.phoneInput()->okButton()->click();
        msgs->answerYes = false;
        dlg.button("importPhones")->click();
        QCOMPARE(msgs->questions.size(), 1);
        QCOMPARE(dlg.phoneList()->item(4, 1)->text(), QString("555"));
        QCOMPARE(dlg.phoneList()->item(0, 1)->text(), QString());
        msgs->answerYes = true;
        dlg.button("importPhones")->click();
        QCOMPARE(dlg.phoneList()->item(4, 1)->text(), QString());
        QCOMPARE(dlg.phoneList()->item(0, 1)->text(), QString("100"));
        // Importing messages asks nothing: only the phone list held edits.
        answerFile = dir.filePath("m.csv");
        writeFile(answerFile, "position,text\n");
        dlg.button("importMessages")->click();
        QCOMPARE(msgs->questions.size(), 2);
    }

    // ModemManager takes new adapters for a while: a module that stopped
    // answering gets a word about it when it runs.
    void modemManagerNamedWhenTheModuleIsSilent()
    {
        timing::setScale(0.01);
        QVERIFY(QDir().mkpath(dir.filePath("proc/700")));
        QFile comm(dir.filePath("proc/700/comm"));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write("ModemManager\n");
        comm.close();
        // No lock folders: the port's name may be one another test's pseudo-terminal has now.
        qx::PortSystem system;
        system.lockFolders.clear();
        system.procRoot = dir.filePath("no-proc");

        smstest::FakeLine line;   // a module that never answers
        CSmsconfDlg dlg(line.factory());
        dlg.setPortSystem(system);
        dlg.show();
        dlg.button("openPort")->click();
        dlg.button("readMessages")->click();
        QTRY_COMPARE_WITH_TIMEOUT(msgs->seen.size(), 1, 20000);
        QCOMPARE(msgs->seen.first().first, QStringLiteral("读取信息失败"));

        system.procRoot = dir.filePath("proc");
        dlg.setPortSystem(system);
        dlg.button("writeMessages")->click();
        QTRY_COMPARE_WITH_TIMEOUT(msgs->seen.size(), 2, 30000);
        QCOMPARE(msgs->seen.last().first, QStringLiteral("写信息失败\n") + qx::modemManagerNote());
    }
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"
