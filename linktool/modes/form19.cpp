#include "form19.h"

#include "link/main_window.h"
#include "link/ms_comm.h"
#include "link/timing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lt {

Form19::Form19(MainWindow &main, const QString &notice_text, std::function<void()> onReset)
    : QDialog(&main), m_main(main), m_onReset(std::move(onReset)), m_label(new QLabel(notice_text, this)),
      m_progress(new QProgressBar(this)), m_timer1(new QTimer(this)), m_timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("Form19"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 50);
    m_progress->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_progress);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer1->setInterval(timing::interval(1000));
    m_timer2->setInterval(200);
    connect(m_timer2, &QTimer::timeout, this, [this] {
        m_timer2->stop();
        m_main.comm().close();
    });
    connect(m_timer1, &QTimer::timeout, this, &Form19::tick);
    m_timer1->start();
    m_timer2->start();
}

void Form19::tick()
{
    if (m_count < 50) {
        ++m_count;
        m_progress->setValue(m_count);
        return;
    }
    m_timer1->stop();
    if (m_onReset)
        m_onReset();
    accept();
}

void Form19::closeEvent(QCloseEvent *event)
{
    // Only the close box gets here; the notice ends itself through accept().
    event->ignore();
}

} // namespace lt
