#include "qx3200_datatest.h"

namespace qxsim {

bool Qx3200DataTest::handle(const QByteArray &, ModuleLink &, int, int)
{
    return false;
}

bool Qx3200DataTest::setOption(const QString &, const QString &)
{
    return false;
}

QStringList Qx3200DataTest::optionHelp() const
{
    return {};
}

} // namespace qxsim
