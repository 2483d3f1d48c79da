// The grid file with 1 000, 10 000 and 100 000 rows of five columns: SaveToFile beside writing
// the same bytes with the same atomic save, and LoadFromFile beside reading those bytes, each
// floor measured in turns with its operation.
// The load is measured with the stored column widths (as a grid saved with its column part
// reads) and without them, where the load fits every column to its widest cell and so has to
// decode every cell. Both are also shown beside reading, decoding and cutting the bytes into
// one string per line, which is what a load that makes every cell a string costs at least.
#include "grid/logic/filtergridmodel.h"

#include "platform/base/cp1252.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"

#include "medianzeit.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace
{

using grid::TFilterGridModel;

const QStringList kNamen{"Meier", "Müller", "Schulz", "Özdemir", "adler",
                         "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};

std::unique_ptr<TFilterGridModel> filledGrid(int rows)
{
    auto g = std::make_unique<TFilterGridModel>();
    g->SetColCount(5);
    g->SetRowCount(rows + 1);
    const QStringList titles{"Nr.", "Name", "Punkte", "Ort", "Datum"};
    for (int c = 0; c < 5; ++c)
        g->SetCells(c, 0, titles[c]);
    for (int i = 0; i < rows; ++i) {
        const int r = i + 1;
        g->SetCells(0, r, QString::number(r));
        g->SetCells(1, r, kNamen[i % kNamen.size()] + QString::number(i * 7919 % 100003));
        g->SetCells(2, r, QString::number((qint64(i) * 104729) % 2001 - 1000));
        g->SetCells(3, r, QStringLiteral("Ort %1").arg(i % 97));
        g->SetCells(4, r, QStringLiteral("%1.%2.2023").arg(i % 28 + 1).arg(i % 12 + 1));
    }
    g->FileParam() = QStringList{QStringLiteral("Zeit=45000"), QStringLiteral("Quelle=bench")};
    return g;
}

QByteArray fileBytes(const QString& path)
{
    return platform::readFile(path).bytes;
}

// The least a loader holding its cells as strings must do: read, decode, cut into lines.
qsizetype decodedLines(const QString& path)
{
    return platform::fromCp1252(fileBytes(path)).split(QLatin1Char('\n')).size();
}

void measure(const QTemporaryDir& dir, int rows)
{
    const int runs = rows >= 100000 ? 5 : 9;
    const std::unique_ptr<TFilterGridModel> g = filledGrid(rows);

    g->SetFileName(dir.filePath(QStringLiteral("mit.grd")));
    g->SaveToFile(true, 0);
    const QByteArray bytesWithWidths = fileBytes(g->FileName());
    g->SetFileName(dir.filePath(QStringLiteral("ohne.grd")));
    g->SaveToFile(false, 0);
    const QByteArray bytes = fileBytes(g->FileName());
    const QString floorPath = dir.filePath(QStringLiteral("boden.grd"));
    const auto [save, writeFloor] = medianPairMs(
        runs, [&] { g->SaveToFile(false, 0); },
        [&] { platform::writeFileAtomic(floorPath, bytes); });

    std::unique_ptr<TFilterGridModel> h;
    bool ok = true;
    auto fresh = [&](const QString& name) {
        return [&, name] {
            h = std::make_unique<TFilterGridModel>();
            h->SetFileName(dir.filePath(name));
        };
    };
    const QString withWidths = dir.filePath(QStringLiteral("mit.grd"));
    const QString without = dir.filePath(QStringLiteral("ohne.grd"));
    qsizetype lines = 0;
    const auto [loadWidths, decodeWidths] = medianPairMs(
        runs, [&] { ok = bool(h->LoadFromFile(true, false, -1, 0)) && ok; },
        [&] { lines = decodedLines(withWidths); }, fresh(QStringLiteral("mit.grd")));
    const auto [loadWidthsAgain, readWidths] = medianPairMs(
        runs, [&] { ok = bool(h->LoadFromFile(true, false, -1, 0)) && ok; },
        [&] { fileBytes(withWidths); }, fresh(QStringLiteral("mit.grd")));
    bool sameKept = h->RowCount() == rows + 1;
    for (int r : {0, 1, rows / 2, rows})
        sameKept = sameKept && h->Rows(r) == g->Rows(r);
    const auto [loadFit, decodeFloor] = medianPairMs(
        runs, [&] { ok = bool(h->LoadFromFile(false, false, -1, 0)) && ok; },
        [&] { lines = decodedLines(without); }, fresh(QStringLiteral("ohne.grd")));
    const bool same = h->RowCount() == rows + 1 && h->Cells(1, rows) == g->Cells(1, rows);

    std::printf("%7d rows, %5.1f MB | save %8.3f ms vs write %8.3f ms: %5.2fx | load with "
                "widths %8.3f ms vs read %8.3f ms: %5.2fx | load with widths %8.3f ms vs "
                "read, decode, split %8.3f ms: %5.2fx | load fitting widths %8.3f ms vs read, "
                "decode, split %8.3f ms: %6.2fx | %lld lines, %s\n",
                rows, double(bytes.size()) / 1e6, save, writeFloor, save / writeFloor,
                loadWidthsAgain, readWidths, loadWidthsAgain / readWidths, loadWidths, decodeWidths,
                loadWidths / decodeWidths, loadFit, decodeFloor, loadFit / decodeFloor,
                static_cast<long long>(lines),
                ok && same && sameKept && bytesWithWidths.startsWith(bytes) ? "content checked"
                                                                            : "CONTENT DIFFERS");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    for (int rows : {1000, 10000, 100000})
        measure(dir, rows);
    return 0;
}
