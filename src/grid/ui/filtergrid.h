#pragma once

#include "grid/logic/filtergridmodel.h"

#include <QTableView>

namespace grid
{

// The program's table component on screen: shows a TFilterGridModel cell by cell, fixed rows
// and columns inside the table, with the model's column widths, row heights and current cell.
class TFilterGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TFilterGrid(QWidget* parent = nullptr);

    TFilterGridModel& Grid() { return *m_grid; }
    const TFilterGridModel& Grid() const { return *m_grid; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void applyColWidths();
    void applyRowHeights();
    void showCurrentCell();
    void tellGeometry();

    TFilterGridModel* m_grid;
    bool m_syncing = false;
};

} // namespace grid
