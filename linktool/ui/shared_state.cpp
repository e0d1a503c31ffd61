#include "shared_state.h"

namespace lt {

namespace {
SharedState g_state;
}

SharedState &shared()
{
    return g_state;
}

void resetShared()
{
    g_state = SharedState{};
}

} // namespace lt
