#include "form10.h"

#include "message_box.h"
#include "timing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace lt {

Form10::Form10(QWidget *parent) : QDialog(parent), m_label1(new QLabel(this)), m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("正在与数据中心联系......请稍候"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setMinimumWidth(320);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(timing::interval(500));
    connect(m_timer1, &QTimer::timeout, this, &Form10::tick);
    m_timer1->start();
}

void Form10::tick()
{
    m_text += QLatin1Char('>');
    m_label1->setText(m_text);
    if (m_text.size() > 29)
        m_text.clear();
    ++m_count;
    if (m_count > 179) {
        m_timer1->stop();
        message(this, QStringLiteral("连接超时，可能是网络忙。请少后再试"), QStringLiteral("网络出错！"));
        accept();
    }
}

void Form10::closeEvent(QCloseEvent *event)
{
    // Only the close box gets here: accept() ends the dialog without one.
    event->ignore();
}

} // namespace lt
