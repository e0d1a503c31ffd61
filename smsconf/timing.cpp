#include "timing.h"

#include <algorithm>
#include <cmath>

namespace sms::timing {

namespace {
double g_factor = 1.0;
}

int interval(int ms)
{
    return std::max(1, int(std::lround(ms * g_factor)));
}

void setScale(double factor)
{
    g_factor = factor;
}

} // namespace sms::timing
