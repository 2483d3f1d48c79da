#pragma once

#include <QChar>
#include <QCollator>
#include <QLocale>
#include <QString>

namespace platform
{

// The conventions the program reads and writes numbers, amounts and dates with, names weekdays
// and orders texts by. The program is German whatever the machine's locale: decimal comma, "."
// between thousands, dd.MM.yyyy, German weekdays and German order.
struct LocaleConventions {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandSeparator = QLatin1Char('.');
    QChar dateSeparator = QLatin1Char('.');
    QChar timeSeparator = QLatin1Char(':');
    QString currencySymbol = QStringLiteral("€");
    // Weekday names and the order of texts come from this locale.
    QLocale locale{QLocale::German, QLocale::Germany};
};

// The conventions in force; German unless replaced.
const LocaleConventions& localeConventions();

// Replaces the conventions and returns the ones in force before.
LocaleConventions setLocaleConventions(const LocaleConventions& conventions);

// Text order that ignores case, in the conventions' locale.
QCollator textCollator();

// Full weekday name (1 = Monday … 7 = Sunday) in the conventions' locale.
QString weekdayName(int dayOfWeek);

} // namespace platform
