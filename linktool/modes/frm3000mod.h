#pragma once

#include "connect_window.h"

namespace lt {

// Connect window of the SMS module: port and baud, 8N1, handshake with
// parse_mode 100; a QX3100 opens the QX3100 window.
class Frm3000MOD : public ConnectWindow
{
    Q_OBJECT
public:
    explicit Frm3000MOD(MainWindow &main);

protected:
    QString lineTail() const override { return QStringLiteral("n,8,1"); }
    void verdict(quint8 moduleType) override;
};

} // namespace lt
