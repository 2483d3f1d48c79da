#include "grid/logic/gridlocale.h"

namespace grid
{

namespace
{
LocaleConventions& current()
{
    static LocaleConventions conventions;
    return conventions;
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
    return before;
}

QCollator textCollator()
{
    QCollator collator(current().locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    return collator;
}

QString weekdayName(int dayOfWeek)
{
    return current().locale.dayName(dayOfWeek, QLocale::LongFormat);
}

} // namespace grid
