#pragma once

#include "handshake_model.h"

namespace qxsim {

// The QX3100 SMS module.
class Qx3100Model : public HandshakeModel
{
public:
    Qx3100Model();
};

} // namespace qxsim
