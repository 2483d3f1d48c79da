// The grid's file reader: LoadFromFile, ImportFromList and SaveToServerFile. The first byte
// picks which one reads the rest.
#include "fuzzsupport.h"

#include "grid/logic/filtergridmodel.h"
#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"

#include <QFile>

using grid::FilterGridModel;

namespace
{

void laden(const QString& pfad)
{
    FilterGridModel g;
    g.SetFileName(pfad);
    if (!g.LoadFromFile(true, true, -1, 0))
        return;
    // The cells as read from the file.
    QList<QStringList> gelesen;
    for (int r = 0; r < g.RowCount(); ++r)
        gelesen << g.Rows(r);
    // What was loaded is saved and loaded again unchanged.
    const QString kopie = platform::dataFile(QStringLiteral("kopie.grd"));
    g.SetFileName(kopie);
    fuzzPruefen(bool(g.SaveToFile(true, 0)), "a loaded grid can be saved");
    for (int r = 0; r < g.RowCount(); ++r)
        fuzzPruefen(g.Rows(r) == gelesen[r], "saving changes no cell");
    FilterGridModel wieder;
    wieder.SetFileName(kopie);
    fuzzPruefen(bool(wieder.LoadFromFile(true, true, -1, 0)), "a saved grid loads");
    fuzzPruefen(wieder.RowCount() == g.RowCount() && wieder.ColCount() == g.ColCount(),
                "the saved grid has the same size");
    for (int r = 0; r < g.RowCount(); ++r)
        fuzzPruefen(wieder.Rows(r) == g.Rows(r), "the saved grid has the same cells");
}

void importieren(const QByteArray& bytes)
{
    FilterGridModel g;
    g.ImportFromList(platform::fromCp1252(bytes).split(QLatin1Char('\n')), 1, 1);
    fuzzPruefen(g.RowCount() >= 1 && g.ColCount() >= 1, "the grid keeps a cell");
}

void zusammenfuehren(const QString& pfad)
{
    FilterGridModel g;
    g.SetFileName(pfad);
    g.SaveToServerFile(0, 2, 100.0, false, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzGuiAnwendung();
    fuzzDatenordner();
    if (size == 0)
        return 0;
    const QString pfad = platform::dataFile(QStringLiteral("daten.grd"));
    fuzzDateiSchreiben(QStringLiteral("daten.grd"), data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        laden(pfad);
        break;
    case 1:
        importieren(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
        break;
    default:
        zusammenfuehren(pfad);
        break;
    }
    return 0;
}
