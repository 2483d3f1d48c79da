#include "common/testsupport.h"
#include "grid/logic/texthelpers.h"
#include "gridtesthelp.h"

#include <QTest>
#include <limits>

using namespace grid;

class TestTextHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numbers_data();
    void numbers();
    void wholeNumbers_data();
    void wholeNumbers();
    void normalizeNumber_data();
    void normalizeNumber();
    void yesWords_data();
    void yesWords();
    void fonts();
    void cutToken();
    void dateTexts_data();
    void dateTexts();
    void numbersWrittenReadBack_data();
    void numbersWrittenReadBack();
    void conventionsAreReplaceable();
    void lineBreaks();

private:
    GermanConventions m_german;
};

void TestTextHelpers::numbers_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("thousands") << "float"
                               << "1.234,56" << 1234.56;
    QTest::newRow("unit after blank") << "float"
                                      << "12,50 EUR" << 12.5;
    QTest::newRow("price 12,-") << "float"
                                << "12,-" << 12.0;
    QTest::newRow("price -,50") << "float"
                                << "-,50" << 0.5;
    QTest::newRow("unit glued") << "float"
                                << "12,5kg" << 12.5;
    QTest::newRow("no number") << "float"
                               << "abc" << 0.0;
    QTest::newRow("empty") << "float"
                           << "" << 0.0;
    QTest::newRow("negative") << "float"
                              << "-3,25" << -3.25;
    QTest::newRow("thousands only") << "float"
                                    << "1.234" << 1234.0;
    QTest::newRow("plus sign") << "float"
                               << "+2,5" << 2.5;
    QTest::newRow("negative zero point") << "float"
                                         << "-0,5" << -0.5;
    QTest::newRow("many digits") << "float"
                                 << "12345678901234567,5" << 12345678901234567.5;
    QTest::newRow("curr euro") << "curr"
                               << "1.234,50 €" << 1234.5;
    QTest::newRow("curr text") << "curr"
                               << "EUR 7,25" << 7.25;
}

void TestTextHelpers::numbers()
{
    QFETCH(QString, function);
    QFETCH(QString, input);
    QFETCH(double, expected);
    double got = 0;
    if (function == QLatin1String("float"))
        got = StrToFloatTolerant(input);
    else
        got = StrToCurrTolerant(input);
    QCOMPARE(got, expected);
}

// A whole number is read from the text without its blanks and thousand separators: an
// optional sign and decimal digits, leading zeros as many as there are, and a value that
// fits in 32 bits; anything else reads as 0.
void TestTextHelpers::wholeNumbers_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("expected");
    QTest::newRow("blanks") << "1 000" << 1000;
    QTest::newRow("blanks everywhere") << " - 4 2 " << -42;
    QTest::newRow("only blanks") << "   " << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("thousand sep") << "1.000" << 1000;
    QTest::newRow("comma") << "12,5" << 0;
    QTest::newRow("negative") << "-42" << -42;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("sign twice") << "--1" << 0;
    QTest::newRow("plus and minus") << "+-1" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("sign after the digits") << "42-" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("11 digits with leading zeros") << "00000000001" << 1;
    QTest::newRow("30 digits with leading zeros") << "000000000000000000000000000042" << 42;
    QTest::newRow("negative with leading zeros") << "-00000000042" << -42;
    QTest::newRow("10 digits, largest") << "2147483647" << 2147483647;
    QTest::newRow("10 digits, one too many") << "2147483648" << 0;
    QTest::newRow("10 digits, smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("10 digits, one too few") << "-2147483649" << 0;
    QTest::newRow("11 digits") << "99999999999" << 0;
    QTest::newRow("past 64 bits") << "99999999999999999999" << 0;
    QTest::newRow("largest with thousand seps") << "2.147.483.647" << 2147483647;
    QTest::newRow("exponent") << "1e3" << 0;
    QTest::newRow("hexadecimal") << "0x10" << 0;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << 0;
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << 0;
}

void TestTextHelpers::wholeNumbers()
{
    QFETCH(QString, input);
    QFETCH(int, expected);
    QCOMPARE(StrToIntTolerant(input), expected);
}

void TestTextHelpers::normalizeNumber_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lone comma") << "," << 0 << "0";
    QTest::newRow("leading comma") << ",5" << 0 << "0,5";
    QTest::newRow("trailing comma") << "12," << 0 << "12";
    QTest::newRow("decimals written") << "3,1" << 3 << "3,100";
    QTest::newRow("unreadable with decimals") << "x,1" << 1 << "0";
    QTest::newRow("cut after digits") << "7,25abc" << 0 << "7,25";
}

void TestTextHelpers::normalizeNumber()
{
    QFETCH(QString, input);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(NormalizeNumber(input, decimals), expected);
}

void TestTextHelpers::yesWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("yes");
    for (const char* w : {"ja", "TRUE", "t", "1", " J ", "A", "UE", "RUE"})
        QTest::newRow(w) << QString::fromLatin1(w) << true;
    for (const char* w : {"N", "nein", "", "   ", "JAA"})
        QTest::newRow(qPrintable(QStringLiteral("no '%1'").arg(QLatin1String(w))))
            << QString::fromLatin1(w) << false;
}

void TestTextHelpers::yesWords()
{
    QFETCH(QString, word);
    QFETCH(bool, yes);
    QCOMPARE(IsYesWord(word), yes);
}

void TestTextHelpers::fonts()
{
    GridFont font;
    font.Underline = true;
    QVERIFY(StrToFont(QStringLiteral("Arial;10;255;BI;"), font));
    QCOMPARE(font.Name, QStringLiteral("Arial"));
    QCOMPARE(font.Size, 10);
    QCOMPARE(font.Color, 255); // red
    QVERIFY(font.Bold && font.Italic);
    QVERIFY(!font.Underline && !font.StrikeOut); // styles start cleared
    QCOMPARE(FontToStr(&font), QStringLiteral("Arial*10*255*BI*"));
    QCOMPARE(FontToStr(nullptr), QString());

    GridFont partial = font;
    QVERIFY(StrToFont(QStringLiteral("**16711680*S*"), partial));
    QCOMPARE(partial.Name, QStringLiteral("Arial")); // empty items keep what was set
    QCOMPARE(partial.Size, 10);
    QCOMPARE(partial.Color, 16711680);
    QVERIFY(partial.StrikeOut && !partial.Bold);
}

void TestTextHelpers::cutToken()
{
    QString s = QStringLiteral("a;b;");
    QCOMPARE(CutToken(QLatin1Char(';'), s), QStringLiteral("a"));
    QCOMPARE(s, QStringLiteral("b;"));
    QCOMPARE(CutToken(QLatin1Char(';'), s), QStringLiteral("b"));
    QCOMPARE(s, QString());
    s = QStringLiteral("rest");
    QCOMPARE(CutToken(QLatin1Char(';'), s), QStringLiteral("rest"));
    QVERIFY(s.isEmpty());
}

void TestTextHelpers::dateTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // invalid = does not read
    const QDateTime xmas(QDate(2023, 12, 24), QTime(0, 0));
    QTest::newRow("four-digit year") << "24.12.2023" << xmas;
    QTest::newRow("two-digit year this century") << "24.12.23" << xmas;
    QTest::newRow("two-digit year 50 ahead") << "1.1.74" << QDateTime(QDate(2074, 1, 1), QTime());
    QTest::newRow("two-digit year beyond 50") << "1.1.75" << QDateTime(QDate(1975, 1, 1), QTime());
    QTest::newRow("with H:mm") << "24.12.2023 18:30"
                               << QDateTime(QDate(2023, 12, 24), QTime(18, 30));
    QTest::newRow("with H:mm:ss") << " 24.12.2023 8:05:09 "
                                  << QDateTime(QDate(2023, 12, 24), QTime(8, 5, 9));
    QTest::newRow("no such day") << "31.02.2023" << QDateTime();
    QTest::newRow("bad hour") << "24.12.2023 25:00" << QDateTime();
    QTest::newRow("words") << "gestern" << QDateTime();
}

void TestTextHelpers::dateTexts()
{
    FixedClock clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    TDateTime v = 0;
    const bool read = ParseDateTime(text, v);
    QCOMPARE(read, expected.isValid());
    if (read) {
        QCOMPARE(DateTimeOf(v), expected);
        QCOMPARE(StrToDateOnly(text), std::trunc(DateTimeValue(expected)));
    } else {
        QCOMPARE(StrToDateOnly(text), NoDateValue);
    }
}

void TestTextHelpers::numbersWrittenReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("small") << 0.000015 << "0,000015";
    QTest::newRow("large") << 12345678901.5 << "12345678901,5";
    QTest::newRow("whole") << 42.0 << "42";
    QTest::newRow("negative") << -0.25 << "-0,25";
}

void TestTextHelpers::numbersWrittenReadBack()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatNumber(value), text);
    QCOMPARE(StrToFloatTolerant(FormatNumber(value)), value);
}

void TestTextHelpers::conventionsAreReplaceable()
{
    LocaleConventions english;
    english.decimalSeparator = QLatin1Char('.');
    english.thousandSeparator = QLatin1Char(',');
    english.dateSeparator = QLatin1Char('/');
    const LocaleConventions before = setLocaleConventions(english);
    const double read = StrToFloatTolerant(QStringLiteral("1,234.5"));
    const QChar sep = ThousandSep();
    TDateTime v = 0;
    const bool dateRead = ParseDate(QStringLiteral("24/12/2023"), v);
    setLocaleConventions(before);
    QCOMPARE(read, 1234.5);
    QCOMPARE(sep, QLatin1Char(','));
    QVERIFY(dateRead);
    QCOMPARE(DateToText(v), QStringLiteral("24.12.2023"));
    QCOMPARE(ThousandSep(), QLatin1Char('.'));
    QCOMPARE(weekdayName(1), QStringLiteral("Montag"));
}

void TestTextHelpers::lineBreaks()
{
    QCOMPARE(EncodeLineBreaks(QStringLiteral("a\r\nb\r\n")), QStringLiteral("a¯b¯"));
    QCOMPARE(DecodeLineBreaks(QStringLiteral("a¯b")), QStringLiteral("a\r\nb"));
    QCOMPARE(CurrToStrFmt(1234.5), QStringLiteral("1.234,50 €"));
    QCOMPARE(CurrToStrFmt(-0.5), QStringLiteral("-0,50 €"));
    QCOMPARE(DateTimeToText(NoDateValue), QString());
}

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_texthelpers.moc"
