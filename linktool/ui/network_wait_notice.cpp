#include "network_wait_notice.h"

#include "message_box.h"

#include "link/timing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace lt {

namespace {
constexpr int kTickMs = 500;
constexpr int kTicksBeforeTimeout = 180;   // 90 s
constexpr int kLongestRow = 30;
} // namespace

NetworkWaitNotice::NetworkWaitNotice(QWidget *parent)
    : QDialog(parent), m_row(new QLabel(this)), m_ticker(new QTimer(this))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(tr("正在与数据中心联系......请稍候"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_row->setObjectName(QStringLiteral("Label1"));
    // Wide enough for the longest row from the start, so the notice does not grow as it fills.
    m_row->setMinimumWidth(qMax(320, m_row->fontMetrics().horizontalAdvance(QString(kLongestRow, QLatin1Char('>')))));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_row);
    m_ticker->setObjectName(QStringLiteral("Timer1"));
    m_ticker->setInterval(timing::interval(kTickMs));
    connect(m_ticker, &QTimer::timeout, this, &NetworkWaitNotice::tick);
    m_ticker->start();
}

void NetworkWaitNotice::tick()
{
    m_text += QLatin1Char('>');
    m_row->setText(m_text);
    if (m_text.size() >= kLongestRow)
        m_text.clear();
    ++m_ticks;
    if (m_ticks >= kTicksBeforeTimeout) {
        m_ticker->stop();
        message(this, tr("连接超时，可能是网络忙。请少后再试"), tr("网络出错！"));
        accept();
    }
}

void NetworkWaitNotice::closeEvent(QCloseEvent *event)
{
    // Only the close box gets here: accept() ends the dialog without one.
    event->ignore();
}

} // namespace lt
