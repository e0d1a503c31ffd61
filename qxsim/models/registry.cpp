#include "model.h"
#include "qx3100_model.h"
#include "qx3200_model.h"
#include "smsconf_model.h"

namespace qxsim {

std::unique_ptr<Model> makeModel(const QString &name)
{
    if (name == QLatin1String("qx3100"))
        return std::make_unique<Qx3100Model>();
    if (name == QLatin1String("qx3200"))
        return std::make_unique<Qx3200Model>();
    if (name == QLatin1String("smsconf"))
        return std::make_unique<SmsconfModel>();
    return nullptr;
}

} // namespace qxsim
