#pragma once

#include "model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimer>

namespace qxsim {

// How a QX3100 answers the SMS-test requests (format frames led by 0xD7 or
// 0xD8, passive "$" requests, bare transparent data) and passes incoming
// messages on.
class Qx3100SmsTest
{
public:
    // A message that reaches the module from the network.
    struct Message
    {
        QByteArray body;
        quint8 type = 0xD7;                              // 0xD7 wide text or raw bytes, 0xD8 single-byte text
        QString sender = QStringLiteral("13800138000");   // 11 digits
    };

    Qx3100SmsTest();

    // False when the request is not an SMS-test request (a parameter frame, or
    // bytes that mean nothing in the module's work form).
    bool handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm);
    bool setOption(const QString &key, const QString &value);
    QStringList optionHelp() const;

    // Active form: the module passes the message on at once (in the configured
    // number of bursts); passive form: it holds the message for the next read.
    void deliver(ModuleLink &link, const Message &message, int workForm, int transForm);
    // The configured incoming message (sms_body, sms_type, sms_sender).
    Message configuredMessage() const;
    // Where timed deliveries go; handle() remembers its link and forms as well.
    void attach(ModuleLink *link, int workForm, int transForm);

    // The bytes the module sends for a message: in active form the message
    // itself, in passive form the read reply that carries it.
    QByteArray incomingBytes(const Message &message, int workForm, int transForm) const;

    bool holding() const { return m_holding; }
    // Messages the module was asked to send, as they would go out (body only).
    const QList<QByteArray> &sent() const { return m_sent; }

    // Passive-form module address this module answers to; -1 answers any.
    void setAddress(int address) { m_address = address; }

private:
    void handlePassive(const QByteArray &request, ModuleLink &link, int transForm);
    void handleActiveFormat(const QByteArray &request, ModuleLink &link);
    void accepted(const Message &message, ModuleLink &link, int workForm, int transForm);
    void sendInBursts(ModuleLink &link, const QByteArray &bytes, bool asReply, int delayMs);
    QByteArray formatted(const Message &message) const;
    QByteArray readReply(const QByteArray &address, const Message &message, int transForm) const;

    int m_status = 0;          // byte 4 of the passive status reply
    int m_ack = 0xFA;          // second byte of the active format acknowledgement
    int m_address = -1;
    QByteArray m_body = QByteArray::fromHex("4F60597D");
    int m_type = 0xD7;
    QString m_sender = QStringLiteral("13800138000");
    int m_bursts = 1;
    int m_burstGap = 150;
    int m_loopback = 0;
    int m_loopbackDelay = 500;
    int m_every = 0;

    bool m_holding = false;
    Message m_held;
    QList<QByteArray> m_sent;
    ModuleLink *m_link = nullptr;
    int m_workForm = 0;
    int m_transForm = 0;
    QTimer m_timer;
};

} // namespace qxsim
