#pragma once

namespace sms::timing {

// Every timer interval of the dialog goes through here (the 50 ms reply tick
// and the 100 ms loop ticks), so tests can run the loops faster. Waits are
// counted in ticks, so the loops keep their shape at any scale; the reader
// thread's 10 ms poll is not a timer of the dialog and is never scaled.
int interval(int ms);

// Scales every interval by factor, never below 1 ms.
void setScale(double factor);

} // namespace sms::timing
