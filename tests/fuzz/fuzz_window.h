#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

// Helpers for targets that drive a real window without an event loop.

// Fontconfig keeps its caches for the life of the process; the first text a
// widget measures would otherwise be reported as the input's leak.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace fuzzwin {

// The pause that closes a received message has run out: its timer fires now
// instead of 200 ms later.
inline void endMessageGap(QWidget *window)
{
    if (auto *gap = window->findChild<QTimer *>(QStringLiteral("rTimer")); gap && gap->isActive())
        QMetaObject::invokeMethod(gap, "timeout", Qt::DirectConnection);
}

// Whatever a reply started (a write sequence, a retry) does not carry over
// into the next input.
inline void stopTimers(QWidget *window)
{
    for (QTimer *t : window->findChildren<QTimer *>())
        t->stop();
}

// Hands the bursts to the window's parser as the receive tick would, ending
// the message gap after each when asked, and leaves nothing running after.
template<class MainWindow>
void feedBursts(MainWindow &main, QWidget *window, const QList<QByteArray> &bursts, bool gapAfterEach)
{
    for (const QByteArray &burst : bursts) {
        main.link().dispatch(burst);
        if (gapAfterEach)
            endMessageGap(window);
    }
    endMessageGap(window);
    // Without an event loop, what the widgets post to themselves (queued
    // signals of the scroll bars among them, the messages of the parsers)
    // would pile up from input to input.
    QCoreApplication::sendPostedEvents();
    stopTimers(window);
}

} // namespace fuzzwin
