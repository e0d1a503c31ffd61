#include "qx3100_smstest.h"

namespace qxsim {

bool Qx3100SmsTest::handle(const QByteArray &, ModuleLink &, int, int)
{
    return false;
}

bool Qx3100SmsTest::setOption(const QString &, const QString &)
{
    return false;
}

QStringList Qx3100SmsTest::optionHelp() const
{
    return {};
}

} // namespace qxsim
