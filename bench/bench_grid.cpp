// The grid with 1 000, 10 000 and 100 000 rows of five columns: sorting by a whole-number
// column and by a text column, each beside std::stable_sort of the same precomputed keys, and
// a filter with two conditions beside a plain loop testing the same cells.
#include "grid/logic/filtergridmodel.h"
#include "grid/logic/gridlocale.h"
#include "grid/logic/texthelpers.h"

#include "medianzeit.h"

#include <QCollator>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace
{

using grid::TFilterGridModel;

const QStringList kNamen{"Meier", "Müller", "Schulz", "Özdemir", "adler",
                         "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};

QString name(int i)
{
    return kNamen[i % kNamen.size()] + QString::number(i * 7919 % 100003);
}

QString punkte(int i)
{
    return QString::number((qint64(i) * 104729) % 2001 - 1000);
}

std::unique_ptr<TFilterGridModel> filledGrid(int rows)
{
    auto g = std::make_unique<TFilterGridModel>();
    g->SetColCount(5);
    g->SetRowCount(rows + 1);
    const QStringList titles{"Nr.", "Name", "Punkte", "Ort", "Datum"};
    for (int c = 0; c < 5; ++c)
        g->SetCells(c, 0, titles[c]);
    g->ColInfo_Create(2)->Typ = QLatin1Char('I');
    for (int i = 0; i < rows; ++i) {
        const int r = i + 1;
        g->SetCells(0, r, QString::number(r));
        g->SetCells(1, r, name(i));
        g->SetCells(2, r, punkte(i));
        g->SetCells(3, r, QStringLiteral("Ort %1").arg(i % 97));
        g->SetCells(4, r, QStringLiteral("%1.%2.2023").arg(i % 28 + 1).arg(i % 12 + 1));
    }
    return g;
}

template <typename Less> void stableSortIndices(size_t n, Less less)
{
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), less);
}

void measure(int rows)
{
    const int runs = rows >= 100000 ? 5 : 9;
    std::unique_ptr<TFilterGridModel> g;
    auto fresh = [&] { g = filledGrid(rows); };

    // Keys made beforehand, exactly as the grid makes them.
    std::vector<std::pair<int, double>> numberKeys;
    std::vector<QCollatorSortKey> textKeys;
    const QCollator collator = grid::textCollator();
    for (int i = 0; i < rows; ++i) {
        const double v = grid::StrToFloatTolerant(punkte(i));
        numberKeys.emplace_back(v < 0 ? 0 : 1, std::round(v * 1e4) / 1e4);
        textKeys.push_back(collator.sortKey(name(i).leftJustified(15, QLatin1Char(' '))));
    }

    const auto [sortI, floorI] = medianPairMs(
        runs, [&] { g->Sortiere(QStringLiteral("2"), false, 0, true); },
        [&] {
            stableSortIndices(size_t(rows),
                              [&](size_t a, size_t b) { return numberKeys[a] < numberKeys[b]; });
        },
        fresh);
    const auto [sortText, floorText] = medianPairMs(
        runs, [&] { g->Sortiere(QStringLiteral("1"), false, 0, true); },
        [&] {
            stableSortIndices(size_t(rows), [&](size_t a, size_t b) {
                return textKeys[a].compare(textKeys[b]) < 0;
            });
        },
        fresh);

    const QString filter = QStringLiteral("Punkte>=500;Name~er");
    int looped = 0;
    std::unique_ptr<TFilterGridModel> plain = filledGrid(rows);
    const auto [filtered, loop] = medianPairMs(
        runs,
        [&] {
            g->SetFilter(filter);
            g->SetFilterEd(true);
        },
        [&] {
            looped = 0;
            for (int r = 1; r <= rows; ++r) {
                const bool holds = grid::StrToIntTolerant(plain->Cells(2, r).trimmed()) >= 500 &&
                                   plain->Cells(1, r).trimmed().contains(QStringLiteral("er"));
                looped += holds ? 1 : 0;
            }
        },
        fresh);
    const int kept = g->RowCount() - 1;

    std::printf(
        "%7d rows | sort \"I\" %8.2f ms vs stable_sort %7.2f ms: %5.2fx | sort text %8.2f ms "
        "vs stable_sort %7.2f ms: %5.2fx | filter %8.2f ms vs loop %7.2f ms: %5.2fx "
        "(%d = %d rows kept)\n",
        rows, sortI, floorI, sortI / floorI, sortText, floorText, sortText / floorText, filtered,
        loop, filtered / loop, kept, looped);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (int rows : {1000, 10000, 100000})
        measure(rows);
    return 0;
}
