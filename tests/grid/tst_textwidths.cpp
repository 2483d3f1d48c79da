// The widest width of many texts must be exactly what measuring every text gives, whatever
// the font, the suffix and the characters.
#include "grid/logic/textwidths.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using grid::TextWidths;

namespace
{

QFont font(const QString& family, int pointSize, bool bold, bool italic)
{
    QFont f(family, pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

int plainWidest(const QFont& f, const std::vector<QString>& texts, const QString& suffix)
{
    const QFontMetrics fm(f);
    int widest = 0;
    for (const QString& t : texts)
        widest = std::max(widest, fm.horizontalAdvance(t + suffix));
    return widest;
}

// Names and numbers as a club's lists hold them: umlauts, Turkish letters, blanks, long
// double names, kerning pairs (AV, Te, Yo) and ligatures (ffi, fl).
std::vector<QString> names(quint32 seed, int count)
{
    const QStringList first{"Meier",   "Müller", "Ağaoğlu", "Weiß",   "Özdemir", "AVATAR",
                            "Tekin",   "Yo",     "Jäger",   "Łukasz", "Ærø",     "Kaffi",
                            "Flößer",  "WAWA",   "ii",      "MM",     "Çelik",   "Şahin",
                            "Schäfer", "Wolff",  "Tŕnava",  "LTAVYV", "r.",      "1"};
    QRandomGenerator random(seed);
    std::vector<QString> texts;
    for (int i = 0; i < count; ++i) {
        QString t;
        const int parts = 1 + int(random.bounded(5));
        for (int p = 0; p < parts; ++p) {
            if (p > 0)
                t += random.bounded(3) == 0 ? QStringLiteral("  ") : QStringLiteral(" ");
            t += first[random.bounded(first.size())];
        }
        if (random.bounded(2) == 0)
            t += QString::number(random.bounded(100000));
        texts.push_back(t.left(50));
    }
    return texts;
}

// Lines as the selected players view writes them: a name and a number, padded with blanks to
// 30 characters. Many of them tie on their estimate: digits share one advance in most fonts.
std::vector<QString> paddedLines(const QStringList& stems, int count)
{
    std::vector<QString> texts;
    for (int i = 0; i < count; ++i) {
        const QString stem = stems[i % stems.size()];
        texts.push_back(QStringLiteral("%1 %2").arg(stem).arg(i * 7919 % 100000).leftJustified(30));
    }
    return texts;
}

} // namespace

class TstTextWidths : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void widestIsExact_data();
    void widestIsExact();
    void widestWithTextsTheShaperMustSee_data();
    void widestWithTextsTheShaperMustSee();
    void widestWithLigatures_data();
    void widestWithLigatures();
    void widestAgainAfterWidthsAreKnown();
    void widestAmongTies_data();
    void widestAmongTies();
    void widestWithFontsOneAfterAnother_data();
    void widestWithFontsOneAfterAnother();
};

void TstTextWidths::widestIsExact_data()
{
    QTest::addColumn<QFont>("f");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("sans 9, one blank") << font("DejaVu Sans", 9, false, false) << " " << 1u;
    QTest::newRow("sans 9 bold, no suffix") << font("DejaVu Sans", 9, true, false) << "" << 2u;
    QTest::newRow("sans 7 italic, three blanks")
        << font("DejaVu Sans", 7, false, true) << "   " << 3u;
    QTest::newRow("serif 12") << font("DejaVu Serif", 12, false, false) << " " << 4u;
    QTest::newRow("serif 20 bold italic") << font("DejaVu Serif", 20, true, true) << " " << 5u;
    QTest::newRow("mono 10") << font("DejaVu Sans Mono", 10, false, false) << " " << 6u;
    QTest::newRow("nimbus sans 11") << font("Nimbus Sans", 11, false, false) << " " << 7u;
    QTest::newRow("nimbus roman 13") << font("Nimbus Roman", 13, false, true) << " " << 8u;
    QTest::newRow("default font 8") << QFont(QString(), 8) << "  " << 9u;
}

void TstTextWidths::widestIsExact()
{
    QFETCH(QFont, f);
    QFETCH(QString, suffix);
    QFETCH(quint32, seed);
    // Many small lists, so that the widest text and its rivals change from list to list.
    const std::vector<QString> all = names(seed, 6000);
    for (size_t start = 0; start < all.size(); start += 300) {
        const std::vector<QString> texts(all.begin() + qsizetype(start),
                                         all.begin() + qsizetype(start + 300));
        TextWidths widths(f, suffix);
        QCOMPARE(widths.widest(texts), plainWidest(f, texts, suffix));
    }
    TextWidths widths(f, suffix);
    QCOMPARE(widths.widest(all), plainWidest(f, all, suffix));
    // Digits only: many texts of nearly the same width.
    std::vector<QString> numbers;
    for (int i = 0; i < 3000; ++i)
        numbers.push_back(QString::number(i * 7919 % 100000));
    QCOMPARE(widths.widest(numbers), plainWidest(f, numbers, suffix));
}

void TstTextWidths::widestWithTextsTheShaperMustSee_data()
{
    QTest::addColumn<QString>("odd");
    QTest::newRow("arabic") << QStringLiteral(u"محمد عبد الله الحسن");
    QTest::newRow("combining breve") << QStringLiteral(u"Ag\u0306aog\u0306lu Ag\u0306aog\u0306lu");
    QTest::newRow("tab") << QStringLiteral("Meier\tMüller\tSchulz");
    QTest::newRow("string terminator") << QStringLiteral(u"Meier\u009cMüllerMüllerMüller");
    QTest::newRow("soft hyphens") << QStringLiteral(u"Mei\u00ader\u00adMül\u00adler");
    QTest::newRow("emoji") << QStringLiteral(u"Kicker \U0001F3C6\U0001F3C6\U0001F3C6");
    QTest::newRow("han") << QStringLiteral(u"王小明 李华");
    QTest::newRow("empty") << QString();
}

void TstTextWidths::widestWithTextsTheShaperMustSee()
{
    QFETCH(QString, odd);
    const QFont f("DejaVu Sans", 9);
    for (const int at : {0, 170, 299}) {
        std::vector<QString> texts = names(11, 300);
        texts[size_t(at)] = odd;
        TextWidths widths(f, " ");
        QCOMPARE(widths.widest(texts), plainWidest(f, texts, " "));
    }
}

void TstTextWidths::widestWithLigatures_data()
{
    QTest::addColumn<QFont>("f");
    QTest::newRow("serif 20 bold italic") << font("DejaVu Serif", 20, true, true);
    QTest::newRow("serif 12") << font("DejaVu Serif", 12, false, false);
    QTest::newRow("sans 9") << font("DejaVu Sans", 9, false, false);
}

void TstTextWidths::widestWithLigatures()
{
    // The widest text is full of "ffi" and "ffl", the others fall just short of it: adding up
    // pairs ("ff", "fi") misjudges such a text by more than a pixel in some fonts.
    QFETCH(QFont, f);
    const QFontMetrics fm(f);
    const QString ligatures = QStringLiteral("Kaffi Waffl Affi Raffi Baffle");
    const int target = fm.horizontalAdvance(ligatures + QLatin1Char(' '));
    std::vector<QString> texts{ligatures};
    for (int m = 0; m < 40; ++m)
        for (int i = 0; i < 12; ++i)
            for (int dots = 0; dots < 4; ++dots) {
                const QString rival = QString(m, QLatin1Char('M')) + QString(i, QLatin1Char('i')) +
                                      QString(dots, QLatin1Char('.'));
                const int w = fm.horizontalAdvance(rival + QLatin1Char(' '));
                if (w < target && w >= target - 6)
                    texts.push_back(rival);
            }
    QVERIFY(texts.size() > 1);
    while (texts.size() < 300)
        texts.push_back(QStringLiteral("Ute"));
    TextWidths widths(f, " ");
    QCOMPARE(widths.widest(texts), target);
}

void TstTextWidths::widestAgainAfterWidthsAreKnown()
{
    // The second fit meets remembered widths beside estimated ones.
    const QFont f("DejaVu Sans", 9);
    const std::vector<QString> texts = names(12, 2000);
    TextWidths widths(f, " ");
    const int expected = plainWidest(f, texts, " ");
    QCOMPARE(widths.widest(texts), expected);
    std::vector<QString> more = texts;
    more.push_back(QStringLiteral("Kurz"));
    QCOMPARE(widths.widest({texts.begin(), texts.begin() + 10}),
             plainWidest(f, {texts.begin(), texts.begin() + 10}, " "));
    QCOMPARE(widths.widest(more), expected);
    more.push_back(texts.front() + QStringLiteral(" Ağaoğlu-Schäfferlein"));
    QCOMPARE(widths.widest(more), plainWidest(f, more, " "));
    QCOMPARE(widths.width(QStringLiteral("Weiß")),
             QFontMetrics(f).horizontalAdvance(QStringLiteral("Weiß ")));
}

void TstTextWidths::widestAmongTies_data()
{
    QTest::addColumn<QFont>("f");
    QTest::addColumn<QStringList>("stems");
    QTest::addColumn<QString>("suffix");
    const QList<QFont> fonts{
        font("DejaVu Sans", 9, false, false),       font("DejaVu Serif", 20, true, true),
        font("DejaVu Sans Mono", 10, false, false), font("Nimbus Sans", 11, true, false),
        font("Nimbus Roman", 13, false, true),      QFont(QString(), 8)};
    const QList<std::pair<const char*, QStringList>> lists{
        {"ligature names",
         {"Hoffmann", "Kaffi", "Waffler", "Öffner", "Schiff", "Raffl", "Müller", "Meier"}},
        {"umlauts and Turkish letters", {"Ağaoğlu", "Özdemir", "Jäger", "Weiß", "Şahin", "Çelik"}},
        {"kerning pairs",
         {"AVATAR", "WAVE", "Tekin", "Yo", "LTAVYV", "VAWA", "AWAV", "To Te", "r. P."}},
        {"joined pieces beside kerning", {"AffA", "Vffi", "Tffl", "ffT", "fiV", "flY", "fT"}},
        {"one stem", {"Hoffmann"}},
    };
    for (const QFont& f : fonts)
        for (const auto& [name, stems] : lists)
            for (const QString& suffix : {QStringLiteral(" "), QString()})
                QTest::addRow("%s %s%d%s, %s, %s", qPrintable(f.family()), f.bold() ? "bold " : "",
                              f.pointSize(), f.italic() ? " italic" : "", name,
                              suffix.isEmpty() ? "no suffix" : "blank")
                    << f << stems << suffix;
}

void TstTextWidths::widestAmongTies()
{
    // Hundreds of texts share the highest estimate; only some of them are as wide as it.
    QFETCH(QFont, f);
    QFETCH(QStringList, stems);
    QFETCH(QString, suffix);
    for (const int count : {300, 5000}) {
        std::vector<QString> texts = paddedLines(stems, count);
        TextWidths widths(f, suffix);
        QCOMPARE(widths.widest(texts), plainWidest(f, texts, suffix));
        // Without the padding the number's digits end the text and meet the suffix.
        for (QString& t : texts)
            t = t.trimmed();
        QCOMPARE(widths.widest(texts), plainWidest(f, texts, suffix));
    }
}

void TstTextWidths::widestWithFontsOneAfterAnother_data()
{
    // Each case in a family no other test uses, so that only its first font went before.
    QTest::addColumn<QFont>("learned");
    QTest::addColumn<QFont>("used");
    const auto spaced = [](QFont f) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        return f;
    };
    QTest::newRow("smaller, then larger")
        << font("URW Gothic", 7, false, false) << font("URW Gothic", 20, false, false);
    QTest::newRow("larger, then smaller")
        << font("C059", 20, false, false) << font("C059", 9, false, false);
    QTest::newRow("plain, then bold")
        << font("P052", 9, false, false) << font("P052", 9, true, false);
    QTest::newRow("bold, then plain")
        << font("URW Bookman", 12, true, false) << font("URW Bookman", 12, false, false);
    QTest::newRow("upright, then italic") << font("Nimbus Sans Narrow", 9, false, false)
                                          << font("Nimbus Sans Narrow", 9, false, true);
    QTest::newRow("letter spacing, then none")
        << spaced(font("DejaVu Serif Condensed", 9, false, false))
        << font("DejaVu Serif Condensed", 9, false, false);
    QTest::newRow("no letter spacing, then some")
        << font("DejaVu Sans Condensed", 9, false, false)
        << spaced(font("DejaVu Sans Condensed", 9, false, false));
}

void TstTextWidths::widestWithFontsOneAfterAnother()
{
    // What one font taught about digits must not be taken for another font of the same family:
    // the widest text is a number, its rivals are letters just short of it. Digits taken from
    // the wrong font misjudge the number while the rivals, of characters not seen before, are
    // judged right.
    QFETCH(QFont, learned);
    QFETCH(QFont, used);
    std::vector<QString> numbers;
    for (int i = 0; i < 400; ++i)
        numbers.push_back(QString::number(i * 7919 % 100000));
    TextWidths first(learned, " ");
    QCOMPARE(first.widest(numbers), plainWidest(learned, numbers, " "));

    const QFontMetrics fm(used);
    const QString number = QStringLiteral("90817263544536271809");
    const int target = fm.horizontalAdvance(number);
    std::vector<QString> texts{number};
    for (int m = 0; m < 40; ++m)
        for (int i = 0; i < 12; ++i) {
            const QString rival = QString(m, QLatin1Char('M')) + QString(i, QLatin1Char('i'));
            const int w = fm.horizontalAdvance(rival);
            if (w < target && w >= target - 8)
                texts.push_back(rival);
        }
    QVERIFY(texts.size() > 1);
    while (texts.size() < 300)
        texts.push_back(QStringLiteral("Ute"));
    TextWidths second(used, QString());
    QCOMPARE(second.widest(texts), target);
}

QTEST_MAIN(TstTextWidths)
#include "tst_textwidths.moc"
