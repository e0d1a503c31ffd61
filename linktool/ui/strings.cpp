#include "strings.h"

#include <QCoreApplication>

namespace lt {

QString res_string(int id)
{
    switch (id) {
    case kPortPrefix: return QCoreApplication::translate("lt::StatusBar", "串口：");
    case kNetPrefix: return QCoreApplication::translate("lt::StatusBar", "网络：");
    case kModulePrefix: return QCoreApplication::translate("lt::StatusBar", "模块状态：");
    case kSendCountPrefix: return QCoreApplication::translate("lt::StatusBar", "发射区字节数：");
    default: return {};
    }
}

} // namespace lt
