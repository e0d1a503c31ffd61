#pragma once

#include "model.h"

namespace qxsim {

// How a QX3200 answers data-test traffic (format frames led by 0xD7,
// passive "$" commands, transparent bytes) and sends data on its own.
class Qx3200DataTest
{
public:
    // False when the request is not data-test traffic.
    bool handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm);
    bool setOption(const QString &key, const QString &value);
    QStringList optionHelp() const;
};

} // namespace qxsim
