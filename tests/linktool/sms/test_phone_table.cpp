#include "sms3100_fixture.h"

#include "qx3100/requests.h"
#include "sms/phone_db.h"

#include "crc16.h"
#include "crc_framing.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

using namespace lt;

class PhoneTableTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;

    QLineEdit *edit(const char *name) { return f.control<QLineEdit>(QLatin1String(name)); }
    QTableWidget *grid() { return f.control<QTableWidget>(QStringLiteral("Grid")); }
    QString label28() { return f.control<QLabel>(QStringLiteral("Label28"))->text(); }
    PhoneDb &db() { return f.window()->findChild<PhoneTableGroup *>()->db(); }

    QStringList rows()
    {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r) {
            auto *a = grid()->item(r, 1);
            auto *n = grid()->item(r, 2);
            out << (a ? a->text() : QString()) + QLatin1Char(' ') + (n ? n->text() : QString());
        }
        return out;
    }

    QStringList records()
    {
        QStringList out;
        for (const auto &[slave, number] : db().records())
            out << slave + QLatin1Char(' ') + number;
        return out;
    }

    void openOnTab1()
    {
        f.openQuick();
        f.control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        QCOMPARE(f.window()->repliesTo(), Qx3100Window::RepliesTo::SmsTest);
        QVERIFY(db().isOpen());
        QVERIFY(db().clear());
    }

    void waitLoopOver()
    {
        QTRY_COMPARE_WITH_TIMEOUT(f.command(13)->text(), QStringLiteral("开始读取"), 10000);
        QTest::qWait(250);
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void writeEntry()
    {
        openOnTab1();
        struct Refused {
            const char *address;
            const char *number;
            const char *message;
            const char *title;
        } refused[] = {
            {"**:**:", "13912345678", "您输入的地址不正确", "请重新输入地址"},
            {"00:05", "13912345678", "您输入的地址不正确", "请重新输入地址"},
            {"00:05:", "1391234567", "您输入的电话号码不正确", "请重新输入电话号码"},
            {"00:05:", "***********", "您输入的电话号码不正确", "请重新输入电话号码"},
        };
        for (const Refused &r : refused) {
            edit("Text8")->setText(QString::fromUtf8(r.address));
            edit("Text9")->setText(QString::fromUtf8(r.number));
            f.command(11)->click();
            QCOMPARE(f.messages->messages.last().text, QString::fromUtf8(r.message));
            QCOMPARE(f.messages->messages.last().title, QString::fromUtf8(r.title));
        }
        QTest::qWait(100);
        QCOMPARE(f.heard(), QStringList{});

        // A good entry: 22 bytes, CRC low byte first; the echo confirms it and it lands in row 1.
        edit("Text8")->setText(QStringLiteral("00:05:"));
        edit("Text9")->setText(QStringLiteral("13912345678"));
        f.command(11)->click();
        QTRY_VERIFY(f.messages->saw(QStringLiteral("模块的电话号码与地址配置正确")));
        QCOMPARE(f.messages->messages.last().title, QStringLiteral("正确提示！！"));
        const QByteArray sent = (*f.sim)->requests().value(0);
        QCOMPARE(sent.size(), 22);
        QCOMPARE(sent.mid(8, 12), QByteArray::fromHex("D40200050005013912345678"));
        QCOMPARE(qx::crc16(reinterpret_cast<const std::uint8_t *>(sent.constData()), 22), 0);
        QCOMPARE(f.model().phoneEntry(5), QByteArray::fromHex("013912345678"));
        QCOMPARE(rows(), QStringList{"00:05: 13912345678"});
        QCOMPARE(records(), QStringList{"00:05: 13912345678"});

        // The same number again, or one already stored with a quote in it: refused, nothing sent.
        f.forget();
        f.command(11)->click();
        QCOMPARE(f.messages->messages.last().text, QStringLiteral("电话号码有重复，请检查电话号码"));
        QVERIFY(db().add(QStringLiteral("00:09:"), QStringLiteral("1'3' or '1")));
        edit("Text9")->setText(QStringLiteral("1'3' or '1"));
        QCOMPARE(edit("Text9")->text().size(), 10);
        edit("Text9")->setText(QStringLiteral("1'3' or '1'"));
        QVERIFY(db().add(QStringLiteral("00:0A:"), QStringLiteral("1'3' or '1'")));
        f.command(11)->click();
        QCOMPARE(f.messages->messages.last().text, QStringLiteral("电话号码有重复，请检查电话号码"));
        QTest::qWait(100);
        QCOMPARE(f.heard(), QStringList{});

        // Erasing: six 0xFF and a matching CRC.
        edit("Text8")->setText(QStringLiteral("00:03:"));
        edit("Text9")->setText(QStringLiteral("FFFFFFFFFFF"));
        f.command(11)->click();
        QTRY_COMPARE(f.model().phoneEntry(3), QByteArray(6, '\xFF'));
        QCOMPARE((*f.sim)->requests().value(0).mid(14, 6), QByteArray(6, '\xFF'));
        QTRY_COMPARE(rows().size(), 2);

        // An echo of another address: reported wrong, nothing stored.
        f.sim->set(QStringLiteral("wrong-ack"), QStringLiteral("1"));
        edit("Text8")->setText(QStringLiteral("00:07:"));
        edit("Text9")->setText(QStringLiteral("13700000007"));
        const int before = records().size();
        f.command(11)->click();
        QTRY_VERIFY(f.messages->saw(QStringLiteral("模块的电话号码与地址配置错误")));
        QCOMPARE(records().size(), before);
        QCOMPARE(rows().size(), 2);
    }

    void eraseAndRewriteKeepOneRowPerAddress()
    {
        openOnTab1();
        const QString duplicate = QStringLiteral("电话号码有重复，请检查电话号码");
        const QString confirmed = QStringLiteral("模块的电话号码与地址配置正确");
        auto write = [&](const char *address, const char *number) {
            const int before = f.messages->count(confirmed);
            edit("Text8")->setText(QString::fromLatin1(address));
            edit("Text9")->setText(QString::fromLatin1(number));
            f.command(11)->click();
            QVERIFY2(!f.messages->saw(duplicate), address);
            QTRY_COMPARE(f.messages->count(confirmed), before + 1);
        };
        auto sortedRecords = [&] {
            QStringList r = records();
            r.sort();
            return r;
        };

        write("00:05:", "13912345678");
        // Erasing is never a duplicate, however many entries have been erased.
        write("00:05:", "FFFFFFFFFFF");
        QCOMPARE(sortedRecords(), QStringList{"00:05: FFFFFFFFFFF"});
        write("00:06:", "FFFFFFFFFFF");
        QCOMPARE(f.model().phoneEntry(6), QByteArray(6, '\xFF'));
        QCOMPARE(sortedRecords(), (QStringList{"00:05: FFFFFFFFFFF", "00:06: FFFFFFFFFFF"}));
        // The number erased from one address may go to another, and a new
        // number for an address replaces the old one.
        write("00:07:", "13912345678");
        write("00:07:", "13700000007");
        QCOMPARE(sortedRecords(), (QStringList{"00:05: FFFFFFFFFFF", "00:06: FFFFFFFFFFF", "00:07: 13700000007"}));
        QCOMPARE(f.model().phoneEntry(7), QByteArray::fromHex("013700000007"));
    }

    void closedPortClearsNothing()
    {
        openOnTab1();
        QVERIFY(db().add(QStringLiteral("00:01:"), QStringLiteral("13900000001")));
        const QString progress = label28();
        f.main->link().port().close();   // the module is gone
        const QString closed = QStringLiteral("串口没有打开，请先连接模块");
        edit("Text8")->setText(QStringLiteral("00:05:"));
        edit("Text9")->setText(QStringLiteral("13912345678"));
        edit("Text10")->setText(QStringLiteral("1"));
        for (int i : {11, 12, 13}) {
            const int before = f.messages->count(closed);
            f.command(i)->click();
            QVERIFY2(f.messages->count(closed) == before + 1, qPrintable(QString::number(i)));
        }
        QCOMPARE(f.command(13)->text(), QStringLiteral("开始读取"));
        QVERIFY(!f.control<QTimer>(QStringLiteral("Timer4"))->isActive());
        QCOMPARE(records(), QStringList{"00:01: 13900000001"});
        QCOMPARE(label28(), progress);
        QVERIFY(f.command(11)->isEnabled() && f.command(13)->isEnabled());
    }

    void readLoop()
    {
        openOnTab1();
        QElapsedTimer clock;
        QList<qint64> times;
        connect(&f.sim->sim(), &qxsim::Simulator::requestReceived, this, [&] { times << clock.elapsed(); });
        edit("Text10")->setText(QStringLiteral("1"));
        edit("Text12")->setText(QStringLiteral("3"));
        clock.start();
        f.command(13)->click();
        QCOMPARE(f.command(13)->text(), QStringLiteral("暂停读取"));
        // Locked, but the pause button stays usable.
        QVERIFY(!f.command(11)->isEnabled());
        QVERIFY(!f.command(8)->isEnabled());
        QVERIFY(f.command(13)->isEnabled());
        QVERIFY(!f.control<QTabWidget>(QStringLiteral("SSTab1"))->tabBar()->isEnabled());
        QTRY_COMPARE(label28(), QStringLiteral("读1"));
        QTRY_COMPARE(label28(), QStringLiteral("读2"));
        QTRY_COMPARE(label28(), QStringLiteral("读3"));
        waitLoopOver();
        QCOMPARE(f.heard(), (QStringList{"D40100010001", "D40100020002", "D40100030003"}));
        QCOMPARE(times.size(), 3);
        for (int i = 1; i < 3; ++i)
            QVERIFY2(times[i] - times[i - 1] >= 150 && times[i] - times[i - 1] < 400, qPrintable(QString::number(times[i] - times[i - 1])));
        QCOMPARE(rows(), (QStringList{"00:01: 13900000001", "00:03: 13900000003"}));
        QCOMPARE(records(), (QStringList{"00:01: 13900000001", "00:03: 13900000003"}));
        QVERIFY(f.command(8)->isEnabled());
        QVERIFY(f.control<QTabWidget>(QStringLiteral("SSTab1"))->tabBar()->isEnabled());

        // A broken CRC drops that entry silently and the loop goes on.
        f.sim->set(QStringLiteral("bad-crc-entry"), QStringLiteral("1"));
        f.forget();
        f.command(13)->click();
        waitLoopOver();
        QCOMPARE(f.heard().size(), 3);
        QCOMPARE(rows(), QStringList{"00:03: 13900000003"});
        QCOMPARE(records(), QStringList{"00:03: 13900000003"});
        QVERIFY(!f.messages->saw(QStringLiteral("电话号码没有保存到数据库：")));
    }

    void answersSharingABurstAreAllKept()
    {
        openOnTab1();
        edit("Text10")->setText(QStringLiteral("1"));
        edit("Text12")->setText(QStringLiteral("1"));
        f.command(13)->click();
        waitLoopOver();
        QCOMPARE(records().size(), 1);
        // Two answers of the loop that reach the program as one burst: both kept.
        auto answer = [](int entry, const char *number) {
            const QByteArray a = qx3100::be16(quint16(entry));
            QByteArray frame = sms3100::head() + QByteArray::fromHex("D401") + a + a + QByteArray::fromHex(number);
            qx::appendCrc(frame);
            return frame;
        };
        f.sim->sim().send(answer(7, "013700000007") + answer(8, "013700000008"));
        QTRY_COMPARE(records().size(), 3);
        QCOMPARE(rows(), (QStringList{"00:01: 13900000001", "00:07: 13700000007", "00:08: 13700000008"}));
    }

    void pauseRestartAndSingleReads()
    {
        openOnTab1();
        edit("Text10")->setText(QStringLiteral("1"));
        edit("Text12")->setText(QStringLiteral("500"));
        f.command(13)->click();
        QTRY_COMPARE(label28(), QStringLiteral("读4"));
        f.command(13)->click();
        QCOMPARE(f.command(13)->text(), QStringLiteral("开始读取"));
        QVERIFY(!f.control<QTimer>(QStringLiteral("Timer4"))->isActive());
        QVERIFY(f.command(11)->isEnabled());
        QTest::qWait(250);
        QVERIFY(!rows().isEmpty());
        // Restarting empties table and grid first.
        f.command(13)->click();
        QCOMPARE(rows(), QStringList{});
        QCOMPARE(records(), QStringList{});
        f.command(13)->click();
        QTest::qWait(250);

        // One entry, decimal or colon text; an erased one is shown and stored as it is.
        edit("Text10")->setText(QStringLiteral("2"));
        f.forget();
        f.command(12)->click();
        QTRY_COMPARE(rows(), QStringList{"00:02: FFFFFFFFFFFF"});
        QVERIFY(records().contains(QStringLiteral("00:02: FFFFFFFFFFFF")));
        edit("Text10")->setText(QStringLiteral("00:03:"));
        f.command(12)->click();
        QTRY_COMPARE(rows(), QStringList{"00:03: 13900000003"});
        QCOMPARE(f.heard(), (QStringList{"D40100020002", "D40100030003"}));
        edit("Text10")->setText(QStringLiteral("0"));
        edit("Text10")->setText(QStringLiteral("abc"));
        f.forget();
        f.command(12)->click();
        QCOMPARE(f.messages->messages.last().text, QStringLiteral("您输入的开始位置不正确"));
        QTest::qWait(100);
        QCOMPARE(f.heard(), QStringList{});
    }

    void databaseSurvivesReopening()
    {
        {
            PhoneDb first;
            QVERIFY(first.isOpen());
            QVERIFY(first.fileName().contains(QStringLiteral(".qttest")));
            QVERIFY(first.clear());
            QVERIFY(first.add(QStringLiteral("00:01:"), QStringLiteral("13900000001")));
        }
        PhoneDb second;
        QCOMPARE(second.records(), (QList<QPair<QString, QString>>{{QStringLiteral("00:01:"), QStringLiteral("13900000001")}}));
        QVERIFY(second.hasNumber(QStringLiteral("13900000001")));
        QVERIFY(!second.hasNumber(QStringLiteral("13900000001' or '1'='1")));
    }
};

QTEST_MAIN(PhoneTableTest)
#include "test_phone_table.moc"
