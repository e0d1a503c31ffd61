// Full message-table write (10 pages) and read (40 blocks) of the configurator
// against the simulated module behind a paced pseudo-terminal, so that bytes
// take their real time on the line. Each transfer runs with replies taken by
// the quiet gap (how the program always did it) and taken whole, beside the
// time its bytes need on the wire (bytes x 10 / baud).
//
// usage: build/bench/transfer [baud ...]     (after ./run.sh build; 115200 and 9600 by default)
#include "frames.h"
#include "message_box.h"
#include "port_box.h"
#include "reply_shape.h"
#include "smsconf_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace sms;

namespace {

constexpr int kPort = 4;

QStringList sampleTexts()
{
    QStringList texts;
    for (int i = 0; i < kMessageCount; ++i)
        texts << (i % 3 == 2 ? QString() : QStringLiteral("水位超限报警 %1 号").arg(i));
    return texts;
}

// Bytes on the wire for a clean transfer: every request and its answer.
qint64 writeBytes()
{
    qint64 n = 0;
    for (int page = 0; page < kPageCount; ++page)
        n += messagePageWrite(page, {}).size() + kAckLen;
    return n;
}

qint64 readBytes()
{
    qint64 n = 0;
    for (int block = 0; block < kBlockCount; ++block)
        n += messageBlockRequest(block).size() + kBlockReplyLen;
    return n;
}

class Bench
{
public:
    Bench()
    {
        setMessageHook([this](const QString &text, const QString &) { m_said << text; });
    }

    struct Times
    {
        double write = -1;
        double read = -1;
    };

    // Both transfers with a fresh module; nullopt when the simulator did not start.
    std::optional<Times> run(int baud, ReplyRule rule)
    {
        QProcess sim;
        sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../qxsim/qxsim"),
                  {QStringLiteral("--model"), QStringLiteral("smsconf"), QStringLiteral("--pace")});
        if (!sim.waitForStarted() || !sim.waitForReadyRead(5000))
            return std::nullopt;
        const QByteArray device = sim.readLine().trimmed();
        qputenv(("QXCOM" + QByteArray::number(kPort)).constData(), device);

        Times times;
        {
            CSmsconfDlg dlg;
            dlg.setReplyRule(rule);
            dlg.show();
            dlg.portBox()->setValue(QString::number(kPort));
            dlg.pcBaudList()->setCurrentText(QString::number(baud));
            dlg.button(QStringLiteral("openPort"))->click();
            const QStringList texts = sampleTexts();
            for (int i = 0; i < kMessageCount; ++i)
                dlg.messageList()->item(i, 1)->setText(texts.at(i));
            times.write = timed(dlg, QStringLiteral("writeMessages"), QStringLiteral("写信息成功"));
            times.read = timed(dlg, QStringLiteral("readMessages"), QStringLiteral("读取信息成功"));
            for (int i = 0; i < kMessageCount && times.read >= 0; ++i) {
                if (dlg.messageList()->item(i, 1)->text() != texts.at(i))
                    times.read = -1;
            }
            dlg.button(QStringLiteral("openPort"))->click();
        }
        sim.terminate();
        sim.waitForFinished();
        return times;
    }

private:
    // Seconds from the click to the message that the transfer succeeded; -1 when it did not.
    double timed(CSmsconfDlg &dlg, const QString &button, const QString &success)
    {
        m_said.clear();
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (!m_said.isEmpty())
                loop.quit();
        });
        check.start(1);
        QElapsedTimer clock;
        clock.start();
        dlg.button(button)->click();
        loop.exec();
        const double seconds = clock.nsecsElapsed() / 1e9;
        return m_said.value(0) == success ? seconds : -1;
    }

    QStringList m_said;
};

QString seconds(double s)
{
    return s < 0 ? QStringLiteral("failed") : QString::number(s, 'f', 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> rates;
    for (const QString &arg : app.arguments().mid(1))
        rates << arg.toInt();
    if (rates.isEmpty())
        rates = {115200, 9600};

    Bench bench;
    std::printf("%-26s %10s %12s %10s %11s\n", "seconds", "quiet gap", "whole reply", "wire", "whole/wire");
    for (int baud : rates) {
        const auto before = bench.run(baud, ReplyRule::QuietGap);
        const auto now = bench.run(baud, ReplyRule::WholeReply);
        if (!before || !now) {
            std::fprintf(stderr, "transfer: cannot start the simulator (build it first: ./run.sh build)\n");
            return 1;
        }
        const double wireWrite = writeBytes() * 10.0 / baud;
        const double wireRead = readBytes() * 10.0 / baud;
        const auto row = [](const char *what, int rate, double old, double whole, double wire) {
            std::printf("%-13s %6d baud %10s %12s %10.2f %11s\n", what, rate, qPrintable(seconds(old)),
                        qPrintable(seconds(whole)), wire,
                        qPrintable(whole < 0 ? QStringLiteral("-") : QString::number(whole / wire, 'f', 2)));
        };
        row("full write", baud, before->write, now->write, wireWrite);
        row("full read", baud, before->read, now->read, wireRead);
        std::fflush(stdout);
    }
    return 0;
}
