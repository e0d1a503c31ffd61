#pragma once

#include <QString>

namespace lt {

// The program's string table.
enum StringId { kPortPrefix = 101, kNetPrefix = 102, kModulePrefix = 103, kSendCountPrefix = 104 };
QString res_string(int id);

// Window sizes are given in twips; 15 twips make a pixel at the usual 96 dpi.
constexpr int twips(int t)
{
    return t / 15;
}

} // namespace lt
