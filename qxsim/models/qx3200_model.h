#pragma once

#include "handshake_model.h"

namespace qxsim {

// The QX3200 GPRS module.
class Qx3200Model : public HandshakeModel
{
public:
    Qx3200Model();

private:
    int m_restartMs = 3000;   // how long the module is deaf after a working-mode change
};

} // namespace qxsim
