#pragma once

#include "model.h"

#include <QList>

namespace qxsim {

class Simulator;

// How a QX3200 answers data-test traffic (format frames led by 0xD7,
// passive "$" commands, transparent bytes) and sends data on its own.
class Qx3200DataTest
{
public:
    // False when the request is not data-test traffic.
    bool handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm);
    bool setOption(const QString &key, const QString &value);
    QStringList optionHelp() const;

    // Data from the data centre. An active module passes it on at once, a
    // format module inside a D7 01 head from the sender address, cut into
    // `bursts` pieces gapMs apart; a passive module keeps it until it is read.
    void receiveFromCentre(Simulator &sim, const QByteArray &data, int workForm, int transForm,
                           int bursts = 1, int gapMs = 50);
    // The pieces an active module sends for such data (none for a passive one,
    // which keeps the data instead).
    QList<QByteArray> incoming(const QByteArray &data, int workForm, int transForm, int bursts = 1);

    // The passive-mode address the module answers to; by default it answers any.
    void setAddress(quint8 a1, quint8 a2);
    // Messages a passive module holds for reading.
    int waiting() const { return int(m_inbox.size()); }

private:
    struct Message {
        QByteArray data;
        QByteArray sender;   // two bytes
    };
    enum Reply { Loop = -1, Quiet = -2 };

    bool handlePassive(const QByteArray &request, ModuleLink &link, int transForm);
    bool handleFormat(const QByteArray &request, ModuleLink &link);
    void handleTransparent(const QByteArray &request, ModuleLink &link);
    QByteArray statusReply() const;

    QByteArray m_address;                 // empty: any address
    QByteArray m_sender = QByteArray("\x00\x01", 2);
    QList<Message> m_inbox;
    int m_reply = Loop;                   // Loop, Quiet or a status byte
    bool m_statusThenLoop = false;        // the status byte, then the data back, in one burst
    int m_writeAck = 0x00;                // byte of the passive write acknowledgement
};

} // namespace qxsim
