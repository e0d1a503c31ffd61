#pragma once

namespace lt::timing {

// Every protocol wait goes through here, so tests can run the long ones
// (1 s ticks, the 2 s time-out, the 51 s restart, the 90 s network wait) fast.
// The 100 ms quiet gap that frames replies is not a wait and is never scaled.
int interval(int ms);

// Scales every interval by factor, but never below floorMs (nor above the
// original): a floor above the quiet gap keeps request-per-tick sequences sound.
void setScale(double factor, int floorMs);

} // namespace lt::timing
