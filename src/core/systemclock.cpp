#include "systemclock.h"

namespace kvidrel {

namespace {

SystemClock productionClock;
SystemClock *current = &productionClock;

} // namespace

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

bool SystemClock::setUtc(const QDateTime &)
{
    return false;
}

SystemClock &systemClock()
{
    return *current;
}

SystemClock *replaceSystemClock(SystemClock *clock)
{
    SystemClock *previous = current;
    current = clock ? clock : &productionClock;
    return previous;
}

} // namespace kvidrel
