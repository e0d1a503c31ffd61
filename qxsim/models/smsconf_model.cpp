#include "smsconf_model.h"

namespace qxsim {

void SmsconfModel::handle(const QByteArray &, ModuleLink &)
{
}

} // namespace qxsim
