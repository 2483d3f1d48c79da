#include "grid/ui/filtergrid.h"

#include "platform/ui/messages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace grid
{

// The fixed rows above the scrolling ones.
class TitleStrip : public QWidget
{
public:
    explicit TitleStrip(TFilterGrid* view) : QWidget(view), m_view(view)
    {
        setAccessibleName(QStringLiteral("Spaltentitel"));
        setMouseTracking(true);
    }

    QPoint hot{-1, -1};
    QPoint pressed{-1, -1};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_view->paintFixedRows(painter);
        m_view->paintDone();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        m_view->titlePressed(event->button(), event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        m_view->titleReleased(event->button(), event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint before = hot;
        hot = cellAt(event->position().toPoint());
        if (hot != before)
            update();
    }
    void leaveEvent(QEvent*) override
    {
        if (hot != QPoint(-1, -1)) {
            hot = QPoint(-1, -1);
            update();
        }
    }

private:
    QPoint cellAt(const QPoint& pos) const { return m_view->stripCellAt(pos); }

    TFilterGrid* m_view;
};

namespace
{

const char* const kGeholt = "zorbelEditTextFetched";

// Every cell is drawn by the grid; the in-place editor hands each keystroke to the grid.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(TFilterGrid* view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        m_view->paintCell(*painter, option.palette, index.column(), index.row(), option.rect);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAccessibleName(QStringLiteral("Zelle bearbeiten"));
        const int col = index.column();
        const int row = index.row();
        FilterGridModel* g = &m_view->Grid();
        connect(editor, &QLineEdit::textEdited, editor,
                [g, col, row](const QString& text) { g->SetEditText(col, row, text); });
        return editor;
    }

    // The editor fetches the cell once; the view asks again after every stored keystroke,
    // which would move the text editing began with.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line || line->property(kGeholt).toBool())
            return;
        line->setText(m_view->Grid().GetEditText(index.column(), index.row()));
        line->setProperty(kGeholt, true);
    }

    // Every keystroke is stored already.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    TFilterGrid* m_view;
};

} // namespace

TFilterGrid::TFilterGrid(QWidget* parent)
    : QTableView(parent), m_grid(new FilterGridModel(this)), m_drawer(*m_grid),
      m_interaction(*m_grid), m_strip(new TitleStrip(this))
{
    setModel(m_grid);
    setItemDelegate(new GridDelegate(this));
    setAccessibleName(QStringLiteral("Tabelle"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    // The grid keeps the selection; the view only shows it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_grid, &FilterGridModel::meldung, this,
            [](const platform::Message& message) { platform::showMessage(message); });
    connect(m_grid, &TStringGrid::colWidthsChanged, this, &TFilterGrid::applyColWidths);
    connect(m_grid, &TStringGrid::rowHeightsChanged, this, &TFilterGrid::applyRowHeights);
    connect(m_grid, &QAbstractItemModel::modelReset, this, [this] {
        applyColWidths();
        applyRowHeights();
        showCurrentCell();
    });
    connect(m_grid, &TStringGrid::currentCellChanged, this, &TFilterGrid::showCurrentCell);
    connect(m_grid, &TStringGrid::selectionChanged, viewport(), qOverload<>(&QWidget::update));
    connect(m_grid, &TStringGrid::appearanceChanged, this, [this] {
        applyOptions();
        applyFixedRows();
        viewport()->update();
        m_strip->update();
    });
    verticalScrollBar()->installEventFilter(this);
    applyOptions();
    applyColWidths();
    applyRowHeights();
    showCurrentCell();
}

TFilterGrid::~TFilterGrid() = default;

QWidget* TFilterGrid::titleStrip() const
{
    return m_strip;
}

void TFilterGrid::applyOptions()
{
    const GridOptions o = m_grid->Options();
    setShowGrid(o & (goVertLine | goHorzLine));
    setEditTriggers((o & goEditing)
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void TFilterGrid::applyColWidths()
{
    for (int c = 0; c < m_grid->ColCount(); ++c)
        setColumnWidth(c, std::max(m_grid->ColWidths(c), 0) + m_grid->GridLineWidth());
    m_strip->update();
}

void TFilterGrid::applyRowHeights()
{
    const int standard = m_grid->DefaultRowHeight();
    verticalHeader()->setDefaultSectionSize(standard + m_grid->GridLineWidth());
    for (int r = 0; r < m_grid->RowCount(); ++r)
        if (m_grid->RowHeights(r) != standard)
            setRowHeight(r, m_grid->RowHeights(r) + m_grid->GridLineWidth());
    applyFixedRows();
}

int TFilterGrid::fixedRowsHeight() const
{
    int height = 0;
    for (int r = 0; r < m_grid->FixedRows(); ++r)
        height += m_grid->RowHeights(r) + m_grid->GridLineWidth();
    return height;
}

void TFilterGrid::applyFixedRows()
{
    // Only the first rows can change between hidden and shown.
    const int fixedRows = m_grid->FixedRows();
    for (int r = 0; r < std::min(m_grid->RowCount(), fixedRows + 1); ++r)
        if (isRowHidden(r) != (r < fixedRows))
            setRowHidden(r, r < fixedRows);
    const int height = fixedRowsHeight();
    if (viewportMargins().top() != height)
        setViewportMargins(0, height, 0, 0);
    const QRect area = viewport()->geometry();
    m_strip->setGeometry(area.left(), area.top() - height, area.width(), height);
    m_strip->setVisible(height > 0);
    m_strip->update();
}

GridDrawState TFilterGrid::drawState(int aCol, int aRow) const
{
    if (aCol < m_grid->FixedCols() || aRow < m_grid->FixedRows()) {
        GridDrawState state = gdFixed;
        if (QPoint(aCol, aRow) == m_strip->hot)
            state |= gdHotTrack;
        if (QPoint(aCol, aRow) == m_strip->pressed)
            state |= gdPressed;
        return state;
    }
    GridDrawState state = 0;
    const GridRect sel = m_grid->Selection();
    if (aCol >= sel.Left && aCol <= sel.Right && aRow >= sel.Top && aRow <= sel.Bottom)
        state |= gdSelected;
    if (aCol == m_grid->Col() && aRow == m_grid->Row() && hasFocus())
        state |= gdFocused;
    return state;
}

bool TFilterGrid::viewportToGrid(const QPoint& viewportPos, QPoint& gridPos) const
{
    const int col = columnAt(viewportPos.x());
    const int row = rowAt(viewportPos.y());
    if (col < 0 || row < 0)
        return false;
    const QRect cell = m_grid->CellRect(col, row);
    if (cell.isEmpty())
        return false;
    gridPos = cell.topLeft() + viewportPos -
              QPoint(columnViewportPosition(col), rowViewportPosition(row));
    return true;
}

bool TFilterGrid::stripToGrid(const QPoint& stripPos, QPoint& gridPos) const
{
    const int col = columnAt(stripPos.x());
    if (col < 0 || stripPos.y() < 0)
        return false;
    int top = 0;
    for (int r = 0; r < m_grid->FixedRows(); ++r) {
        const int h = m_grid->RowHeights(r) + m_grid->GridLineWidth();
        if (stripPos.y() < top + h) {
            const QRect cell = m_grid->CellRect(col, r);
            if (cell.isEmpty())
                return false;
            gridPos = cell.topLeft() + stripPos - QPoint(columnViewportPosition(col), top);
            return true;
        }
        top += h;
    }
    return false;
}

void TFilterGrid::paintCell(QPainter& painter, const QPalette& palette, int aCol, int aRow,
                            const QRect& rect)
{
    const GridDrawState state = drawState(aCol, aRow);
    painter.save();
    painter.setClipRect(rect);
    painter.setBrush(m_drawer.BaseBrushColor(aCol, aRow, state, palette));
    m_drawer.DrawCell(painter, palette, aCol, aRow, rect, state);
    painter.restore();
}

void TFilterGrid::paintFixedRows(QPainter& painter)
{
    ++m_paints;
    const QPalette pal = palette();
    const QColor lineColor =
        QColor::fromRgba(uint(style()->styleHint(QStyle::SH_Table_GridLineColor, nullptr, this)));
    int y = 0;
    for (int r = 0; r < m_grid->FixedRows(); ++r) {
        const int h = m_grid->RowHeights(r);
        for (int c = 0; c < m_grid->ColCount(); ++c) {
            if (isColumnHidden(c))
                continue;
            const int x = columnViewportPosition(c);
            const QRect rect(x, y, m_grid->ColWidths(c), h);
            if (rect.right() < 0 || rect.left() > m_strip->width())
                continue;
            paintCell(painter, pal, c, r, rect);
            painter.setPen(lineColor);
            if (m_grid->Options() & goFixedVertLine)
                painter.drawLine(rect.right() + 1, y, rect.right() + 1, y + h);
        }
        if (m_grid->Options() & goFixedHorzLine) {
            painter.setPen(lineColor);
            painter.drawLine(0, y + h, m_strip->width(), y + h);
        }
        y += h + m_grid->GridLineWidth();
    }
}

void TFilterGrid::paintEvent(QPaintEvent* event)
{
    ++m_paints;
    QTableView::paintEvent(event);
    paintDone();
}

void TFilterGrid::paintDone()
{
    // Sizes asked for while painting are applied once the paint is over; a real change
    // repaints once more, no change repaints nothing.
    if (!m_drawer.HasPendingSizes() || m_sizesQueued)
        return;
    m_sizesQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_sizesQueued = false;
        m_drawer.ApplyPendingSizes();
    });
}

QPoint TFilterGrid::stripCellAt(const QPoint& stripPos) const
{
    QPoint gridPos;
    int c = -1;
    int r = -1;
    if (stripToGrid(stripPos, gridPos))
        m_interaction.CellAt(gridPos.x(), gridPos.y(), c, r);
    return QPoint(c, r);
}

void TFilterGrid::titlePressed(Qt::MouseButton button, const QPoint& stripPos)
{
    setFocus(Qt::MouseFocusReason);
    QPoint gridPos;
    if (!stripToGrid(stripPos, gridPos))
        return;
    m_strip->pressed = stripCellAt(stripPos);
    m_strip->update();
    m_interaction.MouseDown(button, gridPos.x(), gridPos.y());
}

void TFilterGrid::titleReleased(Qt::MouseButton button, const QPoint& stripPos)
{
    m_strip->pressed = QPoint(-1, -1);
    m_strip->update();
    QPoint gridPos;
    if (stripToGrid(stripPos, gridPos))
        m_interaction.MouseUp(button, gridPos.x(), gridPos.y());
    showLeftCol();
}

void TFilterGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    // A fixed column is no place for the current cell.
    if (index.isValid() && index.column() < m_grid->FixedCols())
        setFocus(Qt::MouseFocusReason);
    else
        QTableView::mousePressEvent(event);
    QPoint gridPos;
    if (viewportToGrid(pos, gridPos))
        m_interaction.MouseDown(event->button(), gridPos.x(), gridPos.y());
}

void TFilterGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QPoint gridPos;
    if (viewportToGrid(event->position().toPoint(), gridPos))
        m_interaction.MouseUp(event->button(), gridPos.x(), gridPos.y());
    showLeftCol();
    QTableView::mouseReleaseEvent(event);
}

void TFilterGrid::showLeftCol()
{
    // Scrolling goes by whole columns; the fixed columns scroll with the others.
    const int value = m_grid->LeftCol() - m_grid->FixedCols();
    if (horizontalScrollBar()->value() != value)
        horizontalScrollBar()->setValue(value);
}

void TFilterGrid::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    m_interaction.KeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex TFilterGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex to = QTableView::moveCursor(cursorAction, modifiers);
    if (!to.isValid() || (to.column() >= m_grid->FixedCols() && to.row() >= m_grid->FixedRows()))
        return to;
    return m_grid->index(std::max(to.row(), m_grid->FixedRows()),
                         std::max(to.column(), m_grid->FixedCols()));
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
    viewport()->update();
}

void TFilterGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid())
        return;
    m_syncing = true;
    const bool moved = m_grid->MoveTo(current.column(), current.row());
    m_syncing = false;
    if (!moved)
        QTimer::singleShot(0, this, &TFilterGrid::showCurrentCell);
}

void TFilterGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int left = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (m_grid->Options() & goRowSelect)
        horizontalScrollBar()->setValue(left);
}

void TFilterGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        m_strip->scroll(dx, 0);
    followScrolling();
}

void TFilterGrid::followScrolling()
{
    const int top = rowAt(0);
    const int left = columnAt(0);
    if (top >= 0)
        m_grid->SetTopRow(top);
    if (left >= 0)
        m_grid->SetLeftCol(std::max(left, m_grid->FixedCols()));
}

void TFilterGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    applyFixedRows();
    tellGeometry();
}

void TFilterGrid::tellGeometry()
{
    const int w = width();
    const int h = viewport()->height();
    const bool bar = verticalScrollBar()->isVisible();
    if (w == m_grid->Width() && h == m_grid->ClientHeight() &&
        bar == m_grid->ShowsVerticalScrollBar())
        return;
    m_grid->SetViewGeometry(w, h, bar);
    Q_EMIT geometrieGeaendert();
}

bool TFilterGrid::eventFilter(QObject* watched, QEvent* event)
{
    // The vertical scroll bar comes and goes without the grid changing its size.
    if (watched == verticalScrollBar() &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        QTimer::singleShot(0, this, &TFilterGrid::tellGeometry);
    return QTableView::eventFilter(watched, event);
}

} // namespace grid
