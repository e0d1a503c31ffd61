#include "handshake_model.h"

namespace qxsim {

HandshakeModel::HandshakeModel(int moduleType) : m_d1(moduleType)
{
    addIntOption(QStringLiteral("hello"), &m_helloByte, QStringLiteral("byte 10 of the identification answer"));
    addIntOption(QStringLiteral("mode"), &m_workingMode, QStringLiteral("working mode, byte 11 of the identification answer (0x80 data communication)"));
    addIntOption(QStringLiteral("f8"), &m_f8, QStringLiteral("value of parameter F8"));
    addIntOption(QStringLiteral("f9"), &m_f9, QStringLiteral("value of parameter F9"));
    addIntOption(QStringLiteral("d6"), &m_d6, QStringLiteral("value of parameter D6"));
    addIntOption(QStringLiteral("d1"), &m_d1, QStringLiteral("module type answered to D1 (-1: no answer)"));

    addRow(0xFE, [this](const Frame &f, ModuleLink &link) {
        QByteArray value;
        value.append(char(m_helloByte)).append(char(m_workingMode));
        link.reply(frame(0xFD, f.operation, value));
    });
    auto byteRead = [this](quint8 code, const int *value) {
        addRow(code, [code, value](const Frame &f, ModuleLink &link) {
            if (*value >= 0)
                link.reply(frame(code, f.operation, QByteArray(1, char(*value))));
        });
    };
    byteRead(0xF8, &m_f8);
    byteRead(0xF9, &m_f9);
    byteRead(0xD6, &m_d6);
    byteRead(0xD1, &m_d1);
    addRow(0xEC, [this](const Frame &f, ModuleLink &link) {
        link.reply(frame(0xEC, f.operation, m_ec.leftJustified(11, '\0', true)));
    });
}

} // namespace qxsim
