#pragma once

#include "model.h"

namespace qxsim {

// How a QX3100 answers the SMS-test requests (format frames led by 0xD7,
// passive "$" requests) and passes incoming messages on.
class Qx3100SmsTest
{
public:
    // False when the request is not an SMS-test request.
    bool handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm);
    bool setOption(const QString &key, const QString &value);
    QStringList optionHelp() const;
};

} // namespace qxsim
