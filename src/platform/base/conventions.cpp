#include "platform/base/conventions.h"

#include <optional>

namespace platform
{

namespace
{
LocaleConventions& current()
{
    static LocaleConventions conventions;
    return conventions;
}

// Opening a collator costs more than ordering a thousand texts: keep the one made last.
std::optional<QCollator>& cachedCollator()
{
    static std::optional<QCollator> collator;
    return collator;
}
} // namespace

const LocaleConventions& localeConventions()
{
    return current();
}

LocaleConventions setLocaleConventions(const LocaleConventions& conventions)
{
    LocaleConventions before = current();
    current() = conventions;
    cachedCollator().reset();
    return before;
}

QCollator textCollator()
{
    std::optional<QCollator>& cached = cachedCollator();
    if (!cached) {
        cached.emplace(current().locale);
        cached->setCaseSensitivity(Qt::CaseInsensitive);
        cached->setNumericMode(false);
    }
    return *cached;
}

QString weekdayName(int dayOfWeek)
{
    return current().locale.dayName(dayOfWeek, QLocale::LongFormat);
}

} // namespace platform
