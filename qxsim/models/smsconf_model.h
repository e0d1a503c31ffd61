#pragma once

#include "model.h"

namespace qxsim {

// The SMS module as the message-table configurator sees it.
class SmsconfModel : public Model
{
public:
    void handle(const QByteArray &request, ModuleLink &link) override;
};

} // namespace qxsim
