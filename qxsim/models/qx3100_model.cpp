#include "qx3100_model.h"

namespace qxsim {

Qx3100Model::Qx3100Model() : HandshakeModel(2)
{
}

} // namespace qxsim
