#include "platform/base/clock.h"

namespace platform
{

namespace
{
ClockFunction& currentClock()
{
    static ClockFunction clock;
    return clock;
}
} // namespace

QDateTime now()
{
    return currentClock() ? currentClock()() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

ClockFunction setClock(ClockFunction clock)
{
    ClockFunction previous = std::move(currentClock());
    currentClock() = std::move(clock);
    return previous;
}

} // namespace platform
