#pragma once

#include "connect_window.h"

namespace lt {

// frm3000MOD, the connect window of the SMS module: port and baud, 8N1, the
// handshake; a QX3100 opens the QX3100 window.
class SmsConnectWindow : public ConnectWindow
{
    Q_OBJECT
public:
    explicit SmsConnectWindow(Shell &shell);

protected:
    QString lineTail() const override { return QStringLiteral("n,8,1"); }
    void verdict(quint8 moduleType) override;
};

} // namespace lt
