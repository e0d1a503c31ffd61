#pragma once

#include "handshake_model.h"
#include "qx3200_datatest.h"

#include <QList>

namespace qxsim {

// The QX3200 GPRS module: the handshake, the working-mode change, every
// parameter read and written back, the identity-address outcomes of the
// network, and the data test.
class Qx3200Model : public HandshakeModel
{
public:
    Qx3200Model();

    bool setOption(const QString &key, const QString &value) override;
    QStringList optionHelp() const override;

protected:
    void unknown(const QByteArray &request, ModuleLink &link) override;

private:
    // One field of a parameter: a value of width bytes, big-endian on the line.
    struct Field
    {
        int *value;
        int width;
    };
    // A parameter read with operation 3 and written with operation 1; both
    // are answered with the value, the write with its new value.
    void addParam(quint8 code, QList<Field> fields);
    void identityWrite(const Frame &f, ModuleLink &link);
    void acceptIdentity(const QByteArray &data);

    int m_restartMs = 3000;   // how long the module is deaf after a working-mode change

    int m_identity = 0x1234;
    int m_internalCode = 0x5678;
    int m_target = 0x0000;
    int m_passiveAddress = 0x3031;   // "01"
    int m_heartbeat = 300;
    int m_restartCount = 5;
    int m_subMode = 1;               // 1 "方式1", 0 "方式2"
    int m_addrStart = 0;
    int m_addrLength = 2;
    int m_groupMax = 10;
    int m_addrType = 0;
    int m_powerSaving = 0;
    int m_wakeMode = 0;
    int m_idleUnits = 3;
    int m_dataUnits = 25;
    int m_baudCode = 6;
    int m_lineByte = 0x03;

    // What the network says to an identity write: 0 accepted, 1 refused,
    // 2 taken (a replace is then accepted), 3 not on line, 4 a status 0xFD/3
    // first (the next write is accepted).
    int m_slaveResult = 0;
    int m_slaveDelayMs = 300;
    bool m_statusSent = false;

    Qx3200DataTest m_dataTest;
};

} // namespace qxsim
