#include "handshake.h"

#include "frame.h"
#include "helpers.h"
#include "main_window.h"
#include "message_box.h"
#include "ms_comm.h"
#include "shared_state.h"
#include "timing.h"

namespace lt {

Handshake::Handshake(MainWindow &main) : QObject(&main), m_main(main)
{
    timer8.setObjectName(QStringLiteral("Timer8"));
    timer9.setObjectName(QStringLiteral("Timer9"));
    timer11.setObjectName(QStringLiteral("Timer11"));
    timer8.setInterval(100);
    timer9.setInterval(timing::interval(2000));
    timer11.setInterval(100);
    connect(&timer8, &QTimer::timeout, this, &Handshake::identify);
    connect(&timer9, &QTimer::timeout, this, &Handshake::timeout);
    connect(&timer11, &QTimer::timeout, this, &Handshake::queryTick);
    main.registerParser(100, this, [this] { parse(); });
    main.registerParser(110, this, [this] { parse(); });
}

void Handshake::start(int mode, QObject *window, HandshakeClient *client)
{
    // A ticker or time-out of an earlier exchange would drive this one.
    stop();
    m_window = window;
    m_client = client;
    auto &s = shared();
    s.parse_mode = qint16(mode);
    s.parse_state = 0;
    s.step_no = 0;
    timer8.setInterval(100);
    timer8.start();
}

void Handshake::stop()
{
    timer8.stop();
    timer9.stop();
    timer11.stop();
    m_window = nullptr;
    m_client = nullptr;
}

void Handshake::linkLost()
{
    HandshakeClient *c = client();
    stop();
    if (c)
        c->restoreControls();
}

bool Handshake::running() const
{
    return timer8.isActive() || timer9.isActive() || timer11.isActive();
}

HandshakeClient *Handshake::client() const
{
    return m_window ? m_client : nullptr;
}

void Handshake::identify()
{
    timer8.stop();
    shared().send_buf = frame::read_request(0xFE);
    m_main.send();
    timer9.setInterval(timing::interval(2000));
    timer9.start();
}

void Handshake::timeout()
{
    timer9.stop();
    m_main.comm().input();
    shared().parse_state = 0;
    message(&m_main, QStringLiteral("模块和计算机通信失败，请检查串口号、波特率"), QStringLiteral("系统提示"));
    m_main.comm().close();
    if (auto *c = client())
        c->restoreControls();
}

void Handshake::queryTick()
{
    timer11.stop();
    timer11.setInterval(timing::interval(1000));
    timer11.start();
    auto &s = shared();
    if (auto *c = client())
        c->showStep(s.step_no);
    static const quint8 reads[] = {0xF8, 0xF9, 0xEC, 0xD6, 0xD1};
    if (s.step_no >= 0 && s.step_no < 5) {
        s.send_buf = frame::read_request(reads[s.step_no]);
        m_main.send();
        ++s.step_no;
        return;
    }
    s.step_no = 0;
    timer11.stop();
    if (auto *c = client())
        c->noVerdict();
}

void Handshake::parse()
{
    auto &s = shared();
    const QByteArray block = s.rece_buf.left(s.rece_len);
    do {
        if (!runState(block)) {
            s.parse_state = 0;
            return;
        }
    } while (s.parse_state != 0);
}

bool Handshake::runState(const QByteArray &b)
{
    auto &s = shared();
    auto need = [&b](int last) { return last < b.size(); };
    switch (s.parse_state) {
    case 0:
        if (!frame::startByteAt(b, 0))
            return false;
        s.parse_state = 1;
        return true;
    case 1:
        s.parse_state = frame::signatureAt(b, 0) ? 2 : 0;
        return s.parse_state == 2;
    case 2:
        if (!need(8))
            return false;
        switch (quint8(b[8])) {
        case 0xFD: s.parse_state = timer9.isActive() ? 3 : 9; break;
        case 0xF8: s.parse_state = 4; break;
        case 0xF9: s.parse_state = 5; break;
        case 0xEC: s.parse_state = 6; break;
        case 0xD6: s.parse_state = 7; break;
        case 0xD1: s.parse_state = 8; break;
        default: s.parse_state = 0; break;
        }
        return true;
    case 3:
        if (!need(11))
            return false;
        timer9.stop();
        s.hello_val[2] = quint8(b[11]);
        s.hello_val[1] = quint8(b[10]);
        timer11.start();
        break;
    case 4:
        if (!need(10))
            return false;
        s.val_f8 = quint8(b[10]);
        break;
    case 5:
        if (!need(10))
            return false;
        s.val_f9 = quint8(b[10]);
        break;
    case 6:
        if (!need(20))
            return false;
        s.val_ec_text.clear();
        for (int k = 1; k <= 11; ++k) {
            s.val_ec_text.append(QChar(quint8(b[9 + k])));
            s.val_ec[k - 1] = quint8(b[9 + k]);
        }
        break;
    case 7:
        if (!need(10))
            return false;
        s.val_d6 = quint8(b[10]);
        break;
    case 8: {
        if (!need(10))
            return false;
        m_main.comm().setDTREnable(true);
        s.parse_state = 0;
        timer11.stop();
        const quint8 type = quint8(b[10]);
        if (s.parse_mode == 100)
            s.val_d1 = type;
        HandshakeClient *c = client();
        QObject *window = m_window;
        m_window = nullptr;
        m_client = nullptr;
        // What the window makes of the verdict shows messages and opens
        // windows: that runs after this pass, never inside it.
        if (c)
            QMetaObject::invokeMethod(window, [c, type] { c->verdict(type); }, Qt::QueuedConnection);
        return false;
    }
    default:   // 9: an identification answer after the time-out
        break;
    }
    s.parse_state = 0;
    return true;
}

} // namespace lt
