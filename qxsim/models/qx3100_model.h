#pragma once

#include "handshake_model.h"
#include "qx3100_smstest.h"

#include <QMap>

namespace qxsim {

// The QX3100 SMS module: its parameters (queried with 3, the restart time
// with 2, set with 1, each set answered like a query), the phone table of
// identity addresses (0xD4) and, for anything that is not a parameter frame,
// the SMS test.
class Qx3100Model : public HandshakeModel
{
public:
    Qx3100Model();

    void handle(const QByteArray &request, ModuleLink &link) override;
    bool setOption(const QString &key, const QString &value) override;
    QStringList optionHelp() const override;

    // The raw value bytes of a parameter (tests look at what a set stored).
    QByteArray param(quint8 code) const { return m_params.value(code); }
    // The six number bytes of a phone-table entry (six 0xFF when erased).
    QByteArray phoneEntry(int entry) const;
    int moduleType() const { return m_d1; }
    int baudCode() const { return m_baudCode; }

    // The frame the module sends when it has finished initialising.
    static QByteArray initFinishedFrame() { return frame(0xFD, 0x01); }

protected:
    void unknown(const QByteArray &request, ModuleLink &link) override;

private:
    struct Param {
        quint8 code;
        const char *key;
        int size;
        const char *initial;   // hex
        const char *help;
    };
    void addParam(const Param &p);
    void addByteParam(quint8 code, int *value);
    void addPhoneTable();

    QMap<quint8, QByteArray> m_params;
    QMap<QString, Param> m_paramKeys;
    QStringList m_paramHelp;
    QMap<int, QByteArray> m_phones;   // entry (= identity address) -> six number bytes
    int m_baudCode = 6;
    int m_badCrcEntry = -1;    // a read of this entry answers with a broken CRC (0: every entry)
    int m_wrongAck = 0;        // 1: a write is answered with another address
    int m_announceInitMs = -1; // >= 0: "initialisation finished" this long after the next request
    Qx3100SmsTest m_smsTest;
};

} // namespace qxsim
