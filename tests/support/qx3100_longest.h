#pragma once

#include <utility>

namespace test {

// The longest value each box of the QX3100 window takes, as a user types it
// or the module reports it: a box is measured for it.
inline constexpr std::pair<const char *, const char *> kQx3100LongestValues[] = {
    {"Text1", "DD:DD:DD:DD:"}, {"Text2", "13888888888"}, {"Text3", "DD:DD:"}, {"Text4", "-10737418.24"},
    {"Text11", "26214000"},    {"Text13", "26214000"},   {"Text5", "255"},    {"Text6", "255"},
    {"Text7", "255"},          {"Text8", "DD:DD:"},
    // Hex digits may be typed as the number (the eleven F erase an entry).
    {"Text9", "DDDDDDDDDDD"},  {"Text10", "65535"},      {"Text12", "65535"}, {"Text22", "DD:DD:"},
    {"Text21_3", "DDDDDDDDDDDD"}, {"Text21_4", "13888888888"}};

// An entry of the phone table as a read lists it: its address, and the
// number of an erased one.
inline constexpr const char *kQx3100GridAddress = "DD:DD:";
inline constexpr const char *kQx3100GridNumber = "DDDDDDDDDDDD";

} // namespace test
