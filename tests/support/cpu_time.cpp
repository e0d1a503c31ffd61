#include "cpu_time.h"

#include <QTest>

#include <sys/resource.h>

namespace test {

double cpuMillis()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

double cpuMillisWhileWaiting(int ms)
{
    const double before = cpuMillis();
    QTest::qWait(ms);
    return cpuMillis() - before;
}

} // namespace test
