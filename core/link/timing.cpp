#include "timing.h"

#include <algorithm>
#include <cmath>

namespace lt::timing {

namespace {
double g_factor = 1.0;
int g_floor = 0;
}

int interval(int ms)
{
    if (g_factor == 1.0)
        return ms;
    const int scaled = int(std::lround(ms * g_factor));
    return std::max(scaled, std::min(ms, g_floor));
}

void setScale(double factor, int floorMs)
{
    g_factor = factor;
    g_floor = floorMs;
}

} // namespace lt::timing
