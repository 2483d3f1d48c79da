#include "grid/logic/texthelpers.h"

#include "grid/logic/gridlocale.h"
#include "platform/base/clock.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace grid
{

namespace
{

const QDate& dayZero()
{
    static const QDate zero(1899, 12, 30);
    return zero;
}

QChar decimalSep()
{
    return localeConventions().decimalSeparator;
}

int fourDigitYear(int year, int digits)
{
    if (digits != 2)
        return year;
    const int thisYear = platform::today().year();
    int full = thisYear - thisYear % 100 + year;
    if (full > thisYear + 50)
        full -= 100;
    else if (full < thisYear - 50)
        full += 100;
    return full;
}

bool timeFraction(int h, int m, int s, double& fraction)
{
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return false;
    fraction = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}

QString escaped(QChar c)
{
    return QRegularExpression::escape(QString(c));
}

// The patterns follow the separators in force; they are built again only when those change.
struct DatePatterns {
    QChar dateSep;
    QChar timeSep;
    QRegularExpression dateTime;
    QRegularExpression time;
};

const DatePatterns& datePatterns()
{
    static DatePatterns patterns;
    const LocaleConventions& lc = localeConventions();
    if (patterns.dateSep != lc.dateSeparator || patterns.timeSep != lc.timeSeparator ||
        patterns.dateTime.pattern().isEmpty()) {
        const QString d = escaped(lc.dateSeparator);
        const QString t = escaped(lc.timeSeparator);
        patterns.dateSep = lc.dateSeparator;
        patterns.timeSep = lc.timeSeparator;
        patterns.dateTime.setPattern(QStringLiteral("^(\\d{1,2})%1(\\d{1,2})%1(\\d{4}|\\d{2})"
                                                    "(?:\\s+(\\d{1,2})%2(\\d{2})(?:%2(\\d{2}))?)?$")
                                         .arg(d, t));
        patterns.time.setPattern(QStringLiteral("^(\\d{1,2})%1(\\d{2})(?:%1(\\d{2}))?$").arg(t));
    }
    return patterns;
}

bool parseTimeOnly(const QString& s, double& fraction)
{
    const QRegularExpressionMatch m = datePatterns().time.match(s);
    if (!m.hasMatch())
        return false;
    const int sec = m.capturedLength(3) > 0 ? m.captured(3).toInt() : 0;
    return timeFraction(m.captured(1).toInt(), m.captured(2).toInt(), sec, fraction);
}

// Date (with optional time) of a trimmed text.
bool parseDateAndTime(const QString& s, TDateTime& v, bool& hasTime)
{
    const QRegularExpressionMatch m = datePatterns().dateTime.match(s);
    if (!m.hasMatch())
        return false;
    const int year = fourDigitYear(m.captured(3).toInt(), int(m.capturedLength(3)));
    const QDate date(year, m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid())
        return false;
    double fraction = 0;
    hasTime = m.capturedLength(4) > 0;
    if (hasTime) {
        const int sec = m.capturedLength(6) > 0 ? m.captured(6).toInt() : 0;
        if (!timeFraction(m.captured(4).toInt(), m.captured(5).toInt(), sec, fraction))
            return false;
    }
    const qint64 days = dayZero().daysTo(date);
    v = days >= 0 ? double(days) + fraction : double(days) - fraction;
    return true;
}

} // namespace

CharSet::CharSet(const QString& members)
{
    for (QChar c : members)
        if (c.unicode() < 256)
            m_member[c.unicode()] = true;
}

bool CharSet::contains(QChar c) const
{
    return c.unicode() < 256 && m_member[c.unicode()];
}

QChar ThousandSep()
{
    return localeConventions().thousandSeparator;
}

QString RemoveChars(const QString& s, const CharSet& set)
{
    QString result;
    result.reserve(s.size());
    for (QChar c : s)
        if (!set.contains(c))
            result.append(c);
    return result;
}

QString ReplaceChars(const QString& s, const CharSet& set, QChar ch)
{
    QString result = s;
    for (QChar& c : result)
        if (set.contains(c))
            c = ch;
    return result;
}

QString ReplaceText(const QString& s, const QString& oldText, const QString& newText,
                    bool caseSensitive)
{
    if (oldText.isEmpty())
        return s;
    QString result = s;
    return result.replace(oldText, newText,
                          caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

QString CutToken(QChar sep, QString& s)
{
    const qsizetype at = s.indexOf(sep);
    if (at < 0) {
        QString all = s;
        s.clear();
        return all;
    }
    QString token = s.left(at);
    s.remove(0, at + 1);
    return token;
}

bool ReadNumber(const QString& s, double& v)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
    QString t = s.trimmed();
    t.replace(decimalSep(), QLatin1Char('.'));
    if (!pattern.match(t).hasMatch())
        return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    v = value;
    return true;
}

QString FormatNumber(double v)
{
    if (!std::isfinite(v))
        return QString();
    if (v == 0)
        v = 0; // no "-0"
    QString text = QLocale::c().toString(v, 'f', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), decimalSep());
    return text;
}

QString FormatFixed(double v, int decimals)
{
    if (!std::isfinite(v))
        return QString();
    QString text = QString::number(v, 'f', qBound(0, decimals, 60));
    text.replace(QLatin1Char('.'), decimalSep());
    return text;
}

QString NormalizeNumber(const QString& input, int decimals)
{
    const QChar comma = decimalSep();
    QString s = input.trimmed();
    s.remove(ThousandSep());
    s.replace(QString(QLatin1Char('-')) + comma, QString(QLatin1Char('0')) + comma);
    s.replace(QString(comma) + QLatin1Char('-'), QString(comma) + QLatin1Char('0'));
    if (s.isEmpty() || s == QString(comma))
        return QStringLiteral("0");
    const qsizetype blank = s.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        s.truncate(blank);
    const qsizetype commaAt = s.indexOf(comma);
    if (commaAt >= 0) {
        qsizetype end = commaAt + 1;
        while (end < s.size() && s.at(end) >= QLatin1Char('0') && s.at(end) <= QLatin1Char('9'))
            ++end;
        s.truncate(end);
    }
    s = s.trimmed();
    if (s.endsWith(comma))
        s.chop(1);
    if (s.startsWith(comma))
        s.prepend(QLatin1Char('0'));
    if (decimals > 0) {
        double v = 0;
        if (!ReadNumber(s, v))
            return QStringLiteral("0");
        s = FormatFixed(v, decimals).trimmed();
    }
    return s;
}

double StrToFloatTolerant(const QString& s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return 0;
    const qsizetype commaAt = t.indexOf(decimalSep());
    const int decimals = commaAt < 0 ? 0 : int(t.size() - commaAt - 1);
    double v = 0;
    return ReadNumber(NormalizeNumber(t, decimals), v) ? v : 0;
}

int StrToIntTolerant(const QString& s)
{
    QString t = s;
    t.remove(QLatin1Char(' '));
    t.remove(ThousandSep());
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d+$"));
    if (!pattern.match(t).hasMatch())
        return 0;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return 0;
    return int(v);
}

TDateTime StrToDateOnly(const QString& s)
{
    TDateTime v = 0;
    if (!ParseDateTime(s, v))
        return NoDateValue;
    return std::trunc(v);
}

QString CurrToStrFmt(double v)
{
    // The range of the currency type: 19 digits, four of them decimals.
    if (!std::isfinite(v) || std::fabs(v) > 922337203685477.0)
        return QString();
    const LocaleConventions& lc = localeConventions();
    const QString digits = QString::number(std::fabs(v), 'f', 2);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = digits.left(point);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, lc.thousandSeparator);
    const bool negative = v < 0 && digits != QLatin1String("0.00");
    return (negative ? QStringLiteral("-") : QString()) + whole + lc.decimalSeparator +
           digits.mid(point + 1) + QLatin1Char(' ') + lc.currencySymbol;
}

double StrToCurrTolerant(const QString& s)
{
    QString kept;
    for (QChar c : s)
        if (QStringLiteral("+,-.0123456789").contains(c))
            kept.append(c);
    return StrToFloatTolerant(kept);
}

bool IsYesWord(const QString& s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return false;
    return QStringLiteral("J;JA;T;TRUE;1;").contains(t + QLatin1Char(';'), Qt::CaseInsensitive);
}

bool StrToFont(const QString& text, GridFont& font)
{
    if (text.isEmpty())
        return true;
    QString s = text;
    s.replace(QLatin1Char(';'), QLatin1Char('*'));
    const QString name = CutToken(QLatin1Char('*'), s);
    if (!name.isEmpty())
        font.Name = name;
    const QString size = CutToken(QLatin1Char('*'), s);
    if (!size.isEmpty())
        font.Size = StrToIntTolerant(size);
    const QString color = CutToken(QLatin1Char('*'), s);
    if (!color.isEmpty())
        font.Color = StrToIntTolerant(color);
    const QString styles = CutToken(QLatin1Char('*'), s);
    font.Bold = styles.contains(QLatin1Char('B'));
    font.Italic = styles.contains(QLatin1Char('I'));
    font.Underline = styles.contains(QLatin1Char('U'));
    font.StrikeOut = styles.contains(QLatin1Char('S'));
    return true;
}

QString FontToStr(const GridFont* font)
{
    if (!font)
        return QString();
    QString styles;
    if (font->Bold)
        styles += QLatin1Char('B');
    if (font->Italic)
        styles += QLatin1Char('I');
    if (font->Underline)
        styles += QLatin1Char('U');
    if (font->StrikeOut)
        styles += QLatin1Char('S');
    return font->Name + QLatin1Char('*') + QString::number(font->Size) + QLatin1Char('*') +
           QString::number(font->Color) + QLatin1Char('*') + styles + QLatin1Char('*');
}

bool PointInRect(int x, int y, const QRect& r)
{
    return r.left() <= x && x <= r.right() && r.top() <= y && y <= r.bottom();
}

QString EncodeLineBreaks(const QString& s)
{
    return ReplaceText(s, QStringLiteral("\r\n"), QStringLiteral("¯"));
}

QString DecodeLineBreaks(const QString& s)
{
    return ReplaceText(s, QStringLiteral("¯"), QStringLiteral("\r\n"));
}

TDateTime DateTimeValue(const QDateTime& dt)
{
    const qint64 days = dayZero().daysTo(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime DateTimeOf(TDateTime v)
{
    const double days = std::trunc(v);
    const double fraction = std::fabs(v - days);
    qint64 ms = qint64(std::llround(fraction * 86400000.0));
    qint64 wholeDays = qint64(days);
    if (ms >= 86400000) {
        ms -= 86400000;
        wholeDays += 1;
    }
    return QDateTime(dayZero().addDays(wholeDays), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

bool ParseDateTime(const QString& s, TDateTime& v)
{
    const QString t = s.trimmed();
    bool hasTime = false;
    if (parseDateAndTime(t, v, hasTime))
        return true;
    double fraction = 0;
    if (!parseTimeOnly(t, fraction))
        return false;
    v = fraction;
    return true;
}

bool ParseDate(const QString& s, TDateTime& v)
{
    bool hasTime = false;
    TDateTime value = 0;
    if (!parseDateAndTime(s.trimmed(), value, hasTime))
        return false;
    v = std::trunc(value);
    return true;
}

bool ParseTime(const QString& s, TDateTime& v)
{
    return parseTimeOnly(s.trimmed(), v);
}

QString DateToText(TDateTime v)
{
    if (v == NoDateValue || !std::isfinite(v))
        return QString();
    const QChar sep = localeConventions().dateSeparator;
    return DateTimeOf(v).date().toString(QStringLiteral("dd%1MM%1yyyy").arg(sep));
}

QString TimeToText(TDateTime v)
{
    if (v == NoDateValue || !std::isfinite(v))
        return QString();
    const QChar sep = localeConventions().timeSeparator;
    return DateTimeOf(v).time().toString(QStringLiteral("HH%1mm%1ss").arg(sep));
}

QString DateTimeToText(TDateTime v)
{
    if (v == NoDateValue || !std::isfinite(v))
        return QString();
    if (DateTimeOf(v).time().msecsSinceStartOfDay() == 0)
        return DateToText(v);
    return DateToText(v) + QLatin1Char(' ') + TimeToText(v);
}

} // namespace grid
