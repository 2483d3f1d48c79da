#pragma once

#include "grid/logic/gridfont.h"

#include <QDateTime>
#include <QRect>
#include <QString>

namespace grid
{

// A date-time value counts days since 30.12.1899 with the time of day as fraction.
using TDateTime = double;

// The date-time value that means "no date".
inline constexpr TDateTime NoDateValue = -2147483647.0;

// Characters U+0000 … U+00FF; a character above U+00FF is never a member.
class CharSet
{
public:
    CharSet() = default;
    explicit CharSet(const QString& members);
    bool contains(QChar c) const;

private:
    bool m_member[256] = {};
};

QChar ThousandSep();
QString RemoveChars(const QString& s, const CharSet& set);
QString ReplaceChars(const QString& s, const CharSet& set, QChar ch);
QString ReplaceText(const QString& s, const QString& oldText, const QString& newText,
                    bool caseSensitive = false);
// The text before the first `sep`; `s` keeps the rest (or becomes empty when sep is missing).
QString CutToken(QChar sep, QString& s);

QString NormalizeNumber(const QString& s, int decimals);
double StrToFloatTolerant(const QString& s);
// The text without blanks and thousand separators read as a decimal integer, with a sign and
// leading zeros as it comes; 0 when it is no such number or does not fit in an int.
int StrToIntTolerant(const QString& s);
TDateTime StrToDateOnly(const QString& s);
QString CurrToStrFmt(double v);
double StrToCurrTolerant(const QString& s);
bool IsYesWord(const QString& s);
bool StrToFont(const QString& text, GridFont& font);
QString FontToStr(const GridFont* font);
bool PointInRect(int x, int y, const QRect& r);

// "¯" stands for a line break inside one-line texts.
QString EncodeLineBreaks(const QString& s);
QString DecodeLineBreaks(const QString& s);

// Numbers in the conventions' form, always fixed-point (never with an exponent):
// the shortest text that reads back as v, or exactly `decimals` decimals.
QString FormatNumber(double v);
QString FormatFixed(double v, int decimals);
// A whole text read as a number with the conventions' decimal separator.
bool ReadNumber(const QString& s, double& v);

// Date-time values and their texts: dates dd.MM.yyyy, times HH:mm:ss. Reading takes
// day.month.year with a two- or four-digit year (two digits: within 50 years of today),
// optionally followed by H:mm or H:mm:ss; a time alone reads as a time on day 0.
TDateTime DateTimeValue(const QDateTime& dt);
QDateTime DateTimeOf(TDateTime v);
bool ParseDateTime(const QString& s, TDateTime& v);
bool ParseDate(const QString& s, TDateTime& v);
bool ParseTime(const QString& s, TDateTime& v);
QString DateTimeToText(TDateTime v); // time only added when there is one
QString DateToText(TDateTime v);
QString TimeToText(TDateTime v);

} // namespace grid
