#include "qx3200_model.h"

namespace qxsim {

namespace {

constexpr quint8 kRead = 0x03;
constexpr quint8 kWrite = 0x01;
constexpr quint8 kReplace = 0x02;

} // namespace

Qx3200Model::Qx3200Model() : HandshakeModel(1)
{
    addIntOption(QStringLiteral("restart-ms"), &m_restartMs, QStringLiteral("time the module is silent after a working-mode change"));
    // Working mode: 0x00 switches to data communication, 0x01 to address setting; the module restarts.
    addRow(0xDA, [this](const Frame &f, ModuleLink &link) {
        if (f.operation != 0x01 || f.data.isEmpty())
            return;
        m_workingMode = f.data.at(0) == 0 ? 0x80 : 0x00;
        link.goSilent(m_restartMs);
    });

    addIntOption(QStringLiteral("identity"), &m_identity, QStringLiteral("identity address F4, project and site digits (0x1234)"));
    addIntOption(QStringLiteral("internal"), &m_internalCode, QStringLiteral("module internal code, bytes 12-13 of the F4 answer"));
    addIntOption(QStringLiteral("target"), &m_target, QStringLiteral("target address F3"));
    addIntOption(QStringLiteral("passive"), &m_passiveAddress, QStringLiteral("passive-mode address E2, two character codes (0x3031 is \"01\")"));
    addIntOption(QStringLiteral("heartbeat"), &m_heartbeat, QStringLiteral("heartbeat seconds F6"));
    addIntOption(QStringLiteral("restarts"), &m_restartCount, QStringLiteral("restart count E4"));
    addIntOption(QStringLiteral("submode"), &m_subMode, QStringLiteral("transparent sub-mode FB (1 方式1, 0 方式2)"));
    addIntOption(QStringLiteral("addr-start"), &m_addrStart, QStringLiteral("address start position, E1 byte 10"));
    addIntOption(QStringLiteral("addr-length"), &m_addrLength, QStringLiteral("address length, E1 byte 11"));
    addIntOption(QStringLiteral("group-max"), &m_groupMax, QStringLiteral("group maximum, E1 byte 12"));
    addIntOption(QStringLiteral("addr-type"), &m_addrType, QStringLiteral("address type, E1 byte 13 (0 ASCII, 1 hex, 2 BCD)"));
    addIntOption(QStringLiteral("power"), &m_powerSaving, QStringLiteral("power saving D3"));
    addIntOption(QStringLiteral("wake-mode"), &m_wakeMode, QStringLiteral("mode after waking DB"));
    addIntOption(QStringLiteral("idle-units"), &m_idleUnits, QStringLiteral("idle time after waking, D2, units of 400 ms"));
    addIntOption(QStringLiteral("data-units"), &m_dataUnits, QStringLiteral("data time after waking, D2, units of 400 ms"));
    addIntOption(QStringLiteral("baud-code"), &m_baudCode, QStringLiteral("serial line baud code F2 (3 1200 .. 11 115200)"));
    addIntOption(QStringLiteral("line"), &m_lineByte, QStringLiteral("serial line control byte F2"));
    addIntOption(QStringLiteral("slave-result"), &m_slaveResult,
                 QStringLiteral("identity write outcome: 0 accepted, 1 refused, 2 taken then replaced, 3 not on line, 4 status FD/3 then accepted"));
    addIntOption(QStringLiteral("slave-delay-ms"), &m_slaveDelayMs, QStringLiteral("time the network takes to answer an identity write"));

    addParam(0xF3, {{&m_target, 2}});
    addParam(0xE2, {{&m_passiveAddress, 2}});
    addParam(0xF6, {{&m_heartbeat, 2}});
    addParam(0xE4, {{&m_restartCount, 1}});
    addParam(0xF8, {{&m_f8, 1}});
    addParam(0xF9, {{&m_f9, 1}});
    addParam(0xFB, {{&m_subMode, 1}});
    addParam(0xE1, {{&m_addrStart, 1}, {&m_addrLength, 1}, {&m_groupMax, 1}, {&m_addrType, 1}});
    addParam(0xD3, {{&m_powerSaving, 1}});
    addParam(0xDB, {{&m_wakeMode, 1}});
    addParam(0xD2, {{&m_idleUnits, 2}, {&m_dataUnits, 2}});

    // The serial line: the answer carries the baud code in byte 9.
    addRow(0xF2, [this](const Frame &f, ModuleLink &link) {
        if (f.operation == kWrite && f.data.size() >= 3) {
            m_baudCode = quint8(f.data.at(0));
            m_lineByte = quint8(f.data.at(1));
        } else if (f.operation != kRead) {
            return;
        }
        link.reply(frame(0xF2, quint8(m_baudCode), QByteArray(2, char(m_lineByte))));
    });

    addRow(0xF4, [this](const Frame &f, ModuleLink &link) {
        if (f.operation == kRead) {
            QByteArray value;
            for (int v : {m_identity, m_internalCode})
                value.append(char(v >> 8)).append(char(v));
            link.reply(frame(0xF4, kRead, value));
        } else if ((f.operation == kWrite || f.operation == kReplace) && f.data.size() >= 2) {
            identityWrite(f, link);
        }
    });
}

void Qx3200Model::addParam(quint8 code, QList<Field> fields)
{
    addRow(code, [code, fields](const Frame &f, ModuleLink &link) {
        int need = 0;
        for (const Field &field : fields)
            need += field.width;
        if (f.operation == kWrite) {
            if (f.data.size() < need)
                return;
            int at = 0;
            for (const Field &field : fields) {
                int v = 0;
                for (int i = 0; i < field.width; ++i)
                    v = v * 256 + quint8(f.data.at(at++));
                *field.value = v;
            }
        } else if (f.operation != kRead) {
            return;
        }
        QByteArray value;
        for (const Field &field : fields)
            for (int i = field.width - 1; i >= 0; --i)
                value.append(char(*field.value >> (8 * i)));
        link.reply(frame(code, f.operation, value));
    });
}

void Qx3200Model::identityWrite(const Frame &f, ModuleLink &link)
{
    auto result = [&](quint8 status) { link.reply(frame(0xF4, status), m_slaveDelayMs); };
    switch (m_slaveResult) {
    case 0:
        acceptIdentity(f.data);
        result(0xFA);
        break;
    case 1:
        result(0xFC);
        break;
    case 2:
        if (f.operation == kReplace) {
            acceptIdentity(f.data);
            result(0xFA);
        } else {
            result(0x08);
        }
        break;
    case 3:
        result(0x0A);
        break;
    case 4:
        if (!m_statusSent) {
            m_statusSent = true;
            link.reply(frame(0xFD, 0x03), m_slaveDelayMs);
        } else {
            m_statusSent = false;
            acceptIdentity(f.data);
            result(0xFA);
        }
        break;
    default:
        break;
    }
}

void Qx3200Model::acceptIdentity(const QByteArray &data)
{
    m_identity = quint8(data.at(0)) * 256 + quint8(data.at(1));
}

void Qx3200Model::unknown(const QByteArray &request, ModuleLink &link)
{
    m_dataTest.handle(request, link, m_f8, m_f9);
}

bool Qx3200Model::setOption(const QString &key, const QString &value)
{
    return HandshakeModel::setOption(key, value) || m_dataTest.setOption(key, value);
}

QStringList Qx3200Model::optionHelp() const
{
    return HandshakeModel::optionHelp() + m_dataTest.optionHelp();
}

} // namespace qxsim
