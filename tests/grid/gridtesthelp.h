#pragma once

#include "grid/logic/filtergridmodel.h"
#include "grid/logic/gridlocale.h"

#include "platform/ui/messages.h"

#include <QStringList>

// Pins the grid's conventions to German for the life of a test object.
class GermanConventions
{
public:
    GermanConventions() : m_before(grid::setLocaleConventions(grid::LocaleConventions{})) {}
    ~GermanConventions() { grid::setLocaleConventions(m_before); }
    GermanConventions(const GermanConventions&) = delete;
    GermanConventions& operator=(const GermanConventions&) = delete;

private:
    grid::LocaleConventions m_before;
};

// Fills a grid with one title row and the given data rows ("|" between cells).
inline void fillGrid(grid::FilterGridModel& g, const QStringList& titles,
                     const QStringList& dataRows)
{
    g.SetColCount(int(titles.size()));
    g.SetRowCount(int(dataRows.size()) + 1);
    for (int c = 0; c < titles.size(); ++c)
        g.SetCells(c, 0, titles[c]);
    for (int r = 0; r < dataRows.size(); ++r) {
        const QStringList cells = dataRows[r].split(QLatin1Char('|'));
        for (int c = 0; c < cells.size(); ++c)
            g.SetCells(c, r + 1, cells[c]);
    }
}

// Column c of the data rows, top to bottom.
inline QStringList dataColumn(const grid::FilterGridModel& g, int c)
{
    QStringList cells;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        cells.append(g.Cells(c, r));
    return cells;
}

// Shows the grid's messages as the view does, so a MessageRecorder sees them.
inline void meldungenZeigen(grid::FilterGridModel& g)
{
    QObject::connect(&g, &grid::FilterGridModel::meldung,
                     [](const platform::Message& message) { platform::showMessage(message); });
}
