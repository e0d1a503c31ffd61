#pragma once

namespace test {

// CPU time (user + system) of this process in milliseconds.
double cpuMillis();

// CPU time the process spends while its event loop runs for ms milliseconds:
// near zero when nothing spins.
double cpuMillisWhileWaiting(int ms);

} // namespace test
