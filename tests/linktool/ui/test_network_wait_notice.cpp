#include "link/timing.h"
#include "ui/network_wait_notice.h"

#include "linktool_support.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace lt;

class NetworkWaitNoticeTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { test::resetProgramState(); }

    void rowGrowsToThirtyThenTimesOut()
    {
        test::MessageRecorder messages;
        timing::setScale(0.01, 5);
        QPointer<NetworkWaitNotice> notice = new NetworkWaitNotice;
        notice->show();
        QCOMPARE(notice->windowTitle(), QStringLiteral("正在与数据中心联系......请稍候"));
        QStringList shown;
        connect(notice->findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout, this,
                [&] { shown.append(notice->findChild<QLabel *>(QStringLiteral("Label1"))->text()); });
        QTRY_VERIFY_WITH_TIMEOUT(!notice, 5000);
        QCOMPARE(shown.size(), 180);
        QCOMPARE(shown[29], QString(30, QLatin1Char('>')));
        QCOMPARE(shown[30], QStringLiteral(">"));
        QCOMPARE(shown[179], QString(30, QLatin1Char('>')));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("连接超时，可能是网络忙。请少后再试"));
        QCOMPARE(messages.messages[0].title, QStringLiteral("网络出错！"));
    }

    void closedEarlyShowsNothing()
    {
        test::MessageRecorder messages;
        timing::setScale(0.01, 5);
        QPointer<NetworkWaitNotice> notice = new NetworkWaitNotice;
        notice->show();
        QTRY_VERIFY(notice->ticks() >= 10);
        notice->accept();   // the caller's wait is over
        QTRY_VERIFY(!notice);
        QTest::qWait(1200);
        QVERIFY(messages.messages.isEmpty());
    }

    void escapeAndCloseBoxDoNotEndTheWait()
    {
        test::MessageRecorder messages;
        timing::setScale(0.01, 5);
        QPointer<NetworkWaitNotice> notice = new NetworkWaitNotice;
        notice->show();
        QTest::keyClick(notice, Qt::Key_Escape);
        notice->close();   // what the close box asks
        QTest::qWait(50);
        QVERIFY(notice && notice->isVisible());
        const int ticks = notice->ticks();
        QTRY_VERIFY(notice->ticks() > ticks);
        // It still ends the one way it can on its own: the time-out.
        QTRY_VERIFY_WITH_TIMEOUT(!notice, 5000);
        QCOMPARE(messages.count(QStringLiteral("连接超时，可能是网络忙。请少后再试")), 1);
    }
};

QTEST_MAIN(NetworkWaitNoticeTest)
#include "test_network_wait_notice.moc"
