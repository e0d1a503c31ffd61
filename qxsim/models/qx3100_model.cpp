#include "qx3100_model.h"

#include "crc_framing.h"

namespace qxsim {

namespace {

QByteArray withCrc(QByteArray frame)
{
    qx::appendCrc(frame);
    return frame;
}

// "13912345678" -> 01 39 12 34 56 78; twelve hex digits are taken as they stand.
QByteArray numberBytes(const QString &text)
{
    if (text.size() == 12)
        return QByteArray::fromHex(text.toLatin1());
    if (text.size() != 11)
        return {};
    return QByteArray(1, char(text.at(0).digitValue())) + QByteArray::fromHex(text.mid(1).toLatin1());
}

} // namespace

Qx3100Model::Qx3100Model() : HandshakeModel(2)
{
    static const Param params[] = {
        {0xA1, "a1", 1, "01", "password use (00 none, 01 required)"},
        {0xF1, "f1", 4, "12345678", "SMS password, four bytes"},
        {0xA2, "a2", 6, "013800138000", "receiver number, 01 and five digit pairs"},
        {0xE2, "e2", 2, "0001", "passive-mode module address"},
        {0xA3, "a3", 4, "00002EE0", "restart time, 32-bit count of 5 ms"},
        {0xFB, "fb", 1, "01", "transparent sub-mode (00 mode 2, other mode 1)"},
        {0xE1, "e1", 4, "01020A00", "address start, length, group maximum, type"},
        {0xD3, "d3", 1, "01", "power saving (00 off)"},
        {0xD2, "d2", 4, "00020019", "wake delays, two 16-bit counts of 400 ms"},
        {0xDB, "db", 1, "00", "wake mode (00 mode 1, other mode 2)"},
    };
    for (const Param &p : params)
        addParam(p);
    addByteParam(0xF8, &m_f8);
    addByteParam(0xF9, &m_f9);
    addIntOption(QStringLiteral("baud"), &m_baudCode, QStringLiteral("baud code last set with F2"));
    addIntOption(QStringLiteral("bad-crc-entry"), &m_badCrcEntry, QStringLiteral("phone entry read back with a broken CRC (0 every entry, -1 none)"));
    addIntOption(QStringLiteral("wrong-ack"), &m_wrongAck, QStringLiteral("1: answer a phone write with another address"));
    addIntOption(QStringLiteral("announce-init"), &m_announceInitMs, QStringLiteral("send \"initialisation finished\" this many ms after the next request (-1 never)"));

    addRow(0xF2, [this](const Frame &f, ModuleLink &link) {
        if (f.operation != 1 || f.data.isEmpty())
            return;
        m_baudCode = quint8(f.data.at(0));
        link.reply(frame(0xF2, f.operation));
    });
    addRow(0xD1, [this](const Frame &f, ModuleLink &link) {
        if (f.operation == 1 && !f.data.isEmpty())
            m_d1 = quint8(f.data.at(0));
        if (m_d1 >= 0)
            link.reply(frame(0xD1, f.operation, QByteArray(1, char(m_d1))));
    });
    addPhoneTable();
    // A few entries so that a first read shows something; entry 2 is erased.
    m_phones.insert(1, numberBytes(QStringLiteral("13900000001")));
    m_phones.insert(3, numberBytes(QStringLiteral("13900000003")));
}

void Qx3100Model::addParam(const Param &p)
{
    m_params.insert(p.code, QByteArray::fromHex(p.initial));
    m_paramKeys.insert(QLatin1String(p.key), p);
    m_paramHelp << QStringLiteral("%1=HEX  %2").arg(QLatin1String(p.key), QLatin1String(p.help));
    addRow(p.code, [this, p](const Frame &f, ModuleLink &link) {
        if (f.operation == 1) {
            if (f.data.size() < p.size)
                return;
            m_params[p.code] = f.data.left(p.size);
        }
        link.reply(frame(p.code, f.operation, m_params.value(p.code)));
    });
}

void Qx3100Model::addByteParam(quint8 code, int *value)
{
    addRow(code, [code, value](const Frame &f, ModuleLink &link) {
        if (f.operation == 1) {
            if (f.data.isEmpty())
                return;
            *value = quint8(f.data.at(0));
        }
        link.reply(frame(code, f.operation, QByteArray(1, char(*value))));
    });
}

void Qx3100Model::addPhoneTable()
{
    addRow(0xD4, [this](const Frame &f, ModuleLink &link) {
        if (f.data.size() < 2)
            return;
        const QByteArray address = f.data.left(2);
        const int entry = quint8(address.at(0)) * 256 + quint8(address.at(1));
        if (f.operation == 1) {
            QByteArray answer = withCrc(frame(0xD4, 1, address + address + phoneEntry(entry)));
            if (m_badCrcEntry == 0 || m_badCrcEntry == entry)
                answer[21] = char(answer.at(21) ^ 0x5A);
            link.reply(answer);
        } else if (f.operation == 2) {
            if (f.raw.size() != 22 || !qx::crcValid(f.raw))
                return;   // a damaged entry is not stored
            m_phones.insert(entry, f.data.mid(4, 6));
            QByteArray echoed = address;
            if (m_wrongAck)
                echoed[1] = char(echoed.at(1) + 1);
            link.reply(frame(0xD4, 2, echoed + echoed));
        }
    });
}

QByteArray Qx3100Model::phoneEntry(int entry) const
{
    return m_phones.value(entry, QByteArray(6, '\xFF'));
}

void Qx3100Model::handle(const QByteArray &request, ModuleLink &link)
{
    // Messages on a timer go out on this line, in the forms the module is in now.
    m_smsTest.attach(&link, m_f8, m_f9);
    HandshakeModel::handle(request, link);
    if (m_announceInitMs >= 0) {
        link.sendUnsolicited(initFinishedFrame(), m_announceInitMs);
        m_announceInitMs = -1;
    }
}

void Qx3100Model::unknown(const QByteArray &request, ModuleLink &link)
{
    m_smsTest.handle(request, link, m_f8, m_f9);
}

bool Qx3100Model::setOption(const QString &key, const QString &value)
{
    const auto p = m_paramKeys.constFind(key);
    if (p != m_paramKeys.constEnd()) {
        const QByteArray bytes = QByteArray::fromHex(value.toLatin1());
        if (bytes.size() != p->size)
            return false;
        m_params[p->code] = bytes;
        return true;
    }
    if (key == QLatin1String("phone")) {
        // phone=ENTRY:NUMBER, the entry in decimal
        const QStringList parts = value.split(QLatin1Char(':'));
        bool ok = false;
        const int entry = parts.value(0).toInt(&ok);
        const QByteArray number = numberBytes(parts.value(1));
        if (parts.size() != 2 || !ok || entry < 0 || entry > 0xFFFF || number.size() != 6)
            return false;
        m_phones.insert(entry, number);
        return true;
    }
    return HandshakeModel::setOption(key, value) || m_smsTest.setOption(key, value);
}

QStringList Qx3100Model::optionHelp() const
{
    return HandshakeModel::optionHelp() + m_paramHelp
           + QStringList{QStringLiteral("phone=N:NUMBER  phone-table entry N (11 digits, or 12 hex digits)")}
           + m_smsTest.optionHelp();
}

} // namespace qxsim
