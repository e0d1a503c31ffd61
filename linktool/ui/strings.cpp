#include "strings.h"

namespace lt {

QString res_string(int id)
{
    switch (id) {
    case kPortPrefix: return QStringLiteral("串口：");
    case kNetPrefix: return QStringLiteral("网络：");
    case kModulePrefix: return QStringLiteral("模块状态：");
    case kSendCountPrefix: return QStringLiteral("发射区字节数：");
    default: return {};
    }
}

} // namespace lt
