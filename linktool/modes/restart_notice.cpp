#include "restart_notice.h"

#include "link/link.h"
#include "link/timing.h"
#include "ui/shell.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lt {

namespace {
constexpr int kSeconds = 50;
constexpr int kClosePortAfterMs = 200;
} // namespace

RestartNotice::RestartNotice(Shell &shell, const QString &text, std::function<void()> onReset)
    : QDialog(&shell.frame()), m_shell(shell), m_onReset(std::move(onReset)), m_text(new QLabel(text, this)),
      m_progress(new QProgressBar(this)), m_seconds(new QTimer(this)), m_closePort(new QTimer(this))
{
    setObjectName(QStringLiteral("Form19"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    // One line: the dialog's smallest size does not follow a wrapped
    // label's height, and at that size the text was cut.
    m_text->setObjectName(QStringLiteral("Label1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, kSeconds);
    m_progress->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_progress);

    m_seconds->setObjectName(QStringLiteral("Timer1"));
    m_closePort->setObjectName(QStringLiteral("Timer2"));
    m_seconds->setInterval(timing::interval(1000));
    m_closePort->setInterval(kClosePortAfterMs);
    m_closePort->setSingleShot(true);
    connect(m_closePort, &QTimer::timeout, this, [this] { m_shell.link().port().close(); });
    connect(m_seconds, &QTimer::timeout, this, &RestartNotice::tick);
    m_seconds->start();
    m_closePort->start();
}

void RestartNotice::tick()
{
    if (m_count < kSeconds) {
        ++m_count;
        m_progress->setValue(m_count);
        return;
    }
    m_seconds->stop();
    if (m_onReset)
        m_onReset();
    accept();
}

void RestartNotice::closeEvent(QCloseEvent *event)
{
    // Only the close box gets here; the notice ends itself through accept().
    event->ignore();
}

} // namespace lt
