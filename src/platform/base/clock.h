#pragma once

#include <QDateTime>
#include <functional>

namespace platform
{

// The program's idea of "now"; tests fix it.
QDateTime now();
QDate today();

using ClockFunction = std::function<QDateTime()>;
// Installs a clock and returns the one before; an empty function restores the real clock.
ClockFunction setClock(ClockFunction clock);

} // namespace platform
