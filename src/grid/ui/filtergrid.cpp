#include "grid/ui/filtergrid.h"

#include "platform/ui/messages.h"

#include <QHeaderView>
#include <QScrollBar>

namespace grid
{

TFilterGrid::TFilterGrid(QWidget* parent) : QTableView(parent), m_grid(new TFilterGridModel(this))
{
    setModel(m_grid);
    setAccessibleName(QStringLiteral("Tabelle"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_grid, &TFilterGridModel::meldung, this,
            [](const platform::Message& message) { platform::showMessage(message); });
    connect(m_grid, &TStringGrid::colWidthsChanged, this, &TFilterGrid::applyColWidths);
    connect(m_grid, &TStringGrid::rowHeightsChanged, this, &TFilterGrid::applyRowHeights);
    connect(m_grid, &QAbstractItemModel::modelReset, this, [this] {
        applyColWidths();
        applyRowHeights();
        showCurrentCell();
    });
    connect(m_grid, &TStringGrid::currentCellChanged, this, &TFilterGrid::showCurrentCell);
    connect(m_grid, &TStringGrid::appearanceChanged, viewport(), qOverload<>(&QWidget::update));
    applyColWidths();
    applyRowHeights();
    showCurrentCell();
}

void TFilterGrid::applyColWidths()
{
    for (int c = 0; c < m_grid->ColCount(); ++c)
        setColumnWidth(c, std::max(m_grid->ColWidths(c), 0) + m_grid->GridLineWidth());
}

void TFilterGrid::applyRowHeights()
{
    const int standard = m_grid->DefaultRowHeight();
    verticalHeader()->setDefaultSectionSize(standard + m_grid->GridLineWidth());
    for (int r = 0; r < m_grid->RowCount(); ++r)
        if (m_grid->RowHeights(r) != standard)
            setRowHeight(r, m_grid->RowHeights(r) + m_grid->GridLineWidth());
}

void TFilterGrid::showCurrentCell()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const QModelIndex cell = m_grid->index(m_grid->Row(), m_grid->Col());
    if (cell.isValid() && cell != currentIndex())
        setCurrentIndex(cell);
    m_syncing = false;
}

void TFilterGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid())
        return;
    m_syncing = true;
    m_grid->SetCol(current.column());
    m_grid->SetRow(current.row());
    m_syncing = false;
}

void TFilterGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    tellGeometry();
}

void TFilterGrid::tellGeometry()
{
    m_grid->SetViewGeometry(width(), viewport()->height(), verticalScrollBar()->isVisible());
}

} // namespace grid
