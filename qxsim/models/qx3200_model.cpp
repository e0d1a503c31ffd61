#include "qx3200_model.h"

namespace qxsim {

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
}

} // namespace qxsim
