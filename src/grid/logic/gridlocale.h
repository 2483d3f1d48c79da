#pragma once

#include "platform/base/conventions.h"

// The grid reads and writes with the program's conventions.
namespace grid
{
using platform::LocaleConventions;
using platform::localeConventions;
using platform::setLocaleConventions;
using platform::textCollator;
using platform::weekdayName;
} // namespace grid
