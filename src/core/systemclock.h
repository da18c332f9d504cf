#pragma once

#include <QDateTime>

namespace kvidrel {

// The machine's clock as the program sees it. Reading the time goes through
// here so that tests can fix it; setting it goes through here so that no test
// ever changes the machine's time (tests run as root, where it would succeed).
class SystemClock
{
public:
    virtual ~SystemClock() = default;

    virtual QDateTime localNow() const;
    // Sets the machine's clock. The production clock refuses: a quiz program
    // has no business changing the system time.
    virtual bool setUtc(const QDateTime &utc);
};

SystemClock &systemClock();

// Puts clock in place of the current one and returns the one it replaced;
// nullptr puts back the production clock. The caller keeps ownership.
SystemClock *replaceSystemClock(SystemClock *clock);

} // namespace kvidrel
