#include "printing/ui/nicepreview.h"

#include "printing/logic/emfbruecke.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>

namespace
{

QPixmap cursorBild()
{
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    return bild;
}

// An open hand seen from the palm side.
QCursor handCursor()
{
    QPixmap bild = cursorBild();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 13, 16, 14), 5, 5);
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(8.5 + i * 4, 4 + (i == 0 || i == 3 ? 3 : 0), 3.5, 14), 1.7, 1.7);
    hand.addRoundedRect(QRectF(3, 14, 8, 3.5), 1.7, 1.7); // thumb
    p.drawPath(hand.simplified());
    return QCursor(bild, 16, 16);
}

// A magnifying glass with a plus or a minus.
QCursor lupenCursor(bool plus)
{
    QPixmap bild = cursorBild();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    if (plus)
        p.drawLine(QPointF(12, 8), QPointF(12, 16));
    return QCursor(bild, 12, 12);
}

} // namespace

QCursor vorschauCursor(int nummer)
{
    switch (nummer) {
    case TNicePreview::crHandDrag:
        return handCursor();
    case TNicePreview::crZoomIn:
        return lupenCursor(true);
    case TNicePreview::crZoomOut:
        return lupenCursor(false);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

TNicePreview::TNicePreview(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("NicePreview"));
    setAccessibleName(QStringLiteral("Druckvorschau"));
    m_farbe = palette().color(QPalette::Dark);
    setFrameShape(QFrame::Box);
    resize(200, 200);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    horizontalScrollBar()->setSingleStep(m.SmallChange);
    horizontalScrollBar()->setPageStep(m.LargeChange);
    verticalScrollBar()->setSingleStep(m.SmallChange);
    verticalScrollBar()->setPageStep(m.LargeChange);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TNicePreview::horzGescrollt);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TNicePreview::vertGescrollt);
    ShowScrollBars(false, false);
}

TNicePreview::~TNicePreview() = default;

void TNicePreview::setColor(const QColor& farbe)
{
    m_farbe = farbe;
    viewport()->update();
}

int TNicePreview::PageCount() const
{
    return m_seiten.PageCount() + (m_seiten.PageOpen() ? 1 : 0);
}

void TNicePreview::Clear()
{
    m_seiten.Clear();
    m.FPageIndex = -1;
    ResetScroll();
    UpdateLayout();
    viewport()->update();
}

QPainter* TNicePreview::BeginPage()
{
    m_seiten.setPageSize(QSize(m.FPageWidth, m.FPageHeight));
    QPainter* painter = m_seiten.BeginPage();
    UpdateLayout();
    return painter;
}

void TNicePreview::EndPage()
{
    m_seiten.EndPage();
    viewport()->update();
}

void TNicePreview::setPageIndex(int index)
{
    if (index == m.FPageIndex || index < -1 || index >= PageCount())
        return;
    m.FPageIndex = index;
    viewport()->update();
    Q_EMIT OnChange();
}

void TNicePreview::setMagnification(float v)
{
    m.ClientWidth = viewport()->width();
    m.ClientHeight = viewport()->height();
    m.PageCount = PageCount();
    if (!m.SetMagnification(v))
        return;
    UpdateLayout();
    viewport()->update();
}

void TNicePreview::setPreviewMode(TPreviewMode modus)
{
    if (modus == m.FPreviewMode)
        return;
    m.FPreviewMode = modus;
    switch (modus) {
    case pmNormal:
        viewport()->unsetCursor();
        break;
    case pmDrag:
        viewport()->setCursor(vorschauCursor(crHandDrag));
        break;
    case pmZoomIn:
        viewport()->setCursor(vorschauCursor(crZoomIn));
        m.LastZoom = zmCustom;
        break;
    case pmZoomOut:
        viewport()->setCursor(vorschauCursor(crZoomOut));
        m.LastZoom = zmCustom;
        break;
    }
    Q_EMIT OnChange();
}

void TNicePreview::zoomWaehlen(TZoomMode modus, bool ganzeSeite)
{
    m.IsWholePage = ganzeSeite;
    m.LastZoom = modus;
    m.ClientWidth = viewport()->width();
    m.ClientHeight = viewport()->height();
    setMagnification(m.GetZoomFactor(modus));
}

void TNicePreview::ViewFitToWidth()
{
    zoomWaehlen(zmFitToWidth, false);
}

void TNicePreview::ViewActualSize()
{
    zoomWaehlen(zmActualSize, false);
}

void TNicePreview::ViewWholePage()
{
    zoomWaehlen(zmWholePage, true);
}

void TNicePreview::ViewTwoPage()
{
    zoomWaehlen(zmTwoPages, false);
}

void TNicePreview::ViewFourPage()
{
    zoomWaehlen(zmFourPages, false);
}

void TNicePreview::ShowScrollBars(bool horz, bool vert)
{
    setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TNicePreview::ResetScroll()
{
    m.ResetScroll();
    const QSignalBlocker h(horizontalScrollBar());
    const QSignalBlocker v(verticalScrollBar());
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TNicePreview::UpdateScrollBars()
{
    const QSignalBlocker h(horizontalScrollBar());
    const QSignalBlocker v(verticalScrollBar());
    horizontalScrollBar()->setRange(0, m.MaxHScroll);
    horizontalScrollBar()->setValue(m.HorzOffset);
    verticalScrollBar()->setRange(0, m.MaxVScroll);
    verticalScrollBar()->setValue(m.VertOffset);
}

void TNicePreview::UpdateLayout()
{
    // Showing or hiding a scroll bar resizes the client, which asks for a layout again; that
    // one is done here, after the first, instead of inside it.
    if (m_imLayout) {
        m_layoutErneut = true;
        return;
    }
    m_imLayout = true;
    for (int durchgang = 0; durchgang < 3; ++durchgang) {
        m_layoutErneut = false;
        m.ClientWidth = viewport()->width();
        m.ClientHeight = viewport()->height();
        m.VScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        m.HScrollBarHeight = m.VScrollBarWidth;
        m.PageCount = PageCount();
        m.UpdateLayout();
        ShowScrollBars(m.HorzBarVisible, m.VertBarVisible);
        if (!m_layoutErneut)
            break;
    }
    UpdateScrollBars();
    m_imLayout = false;
    Q_EMIT OnChange();
}

void TNicePreview::DrawPages(QPainter& painter)
{
    const QRect client(QPoint(0, 0), Buffer.size());
    painter.fillRect(client, m_farbe);
    const QSize seite(m.FPageWidth, m.FPageHeight);
    for (int i = 0; i < m_seiten.PageCount(); ++i) {
        const QRect r = m.GetPageRect(i);
        if (!r.intersects(client))
            continue;
        painter.fillRect(r, Qt::white);
        painter.setPen(QPen(i == m.FPageIndex ? Qt::red : Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        const int rechts = r.left() + r.width();
        const int unten = r.top() + r.height();
        painter.fillRect(QRect(rechts, r.top() + 4, 4, r.height()), Qt::black);
        painter.fillRect(QRect(r.left() + 4, unten, r.width() - 4, 4), Qt::black);
        painter.save();
        painter.setClipRect(r);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        seiteAbspielen(painter, m_seiten.page(i), seite, QRectF(r));
        painter.restore();
    }
}

void TNicePreview::paintEvent(QPaintEvent*)
{
    if (Buffer.size() != viewport()->size())
        Buffer = QPixmap(viewport()->size());
    {
        QPainter puffer(&Buffer);
        DrawPages(puffer);
    }
    QPainter bildschirm(viewport());
    bildschirm.drawPixmap(0, 0, Buffer);
}

void TNicePreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateLayout();
}

void TNicePreview::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    m.FindPageAt(pos.x(), pos.y());
    if (m.FPageAnchor.Page == -1)
        return;
    setPageIndex(m.FPageAnchor.Page);
    switch (m.FPreviewMode) {
    case pmDrag:
        LastX = pos.x();
        LastY = pos.y();
        LastOffX = m.HorzOffset;
        LastOffY = m.VertOffset;
        IsDragging = true;
        break;
    case pmZoomIn:
        m.IsWholePage = false;
        setMagnification(std::min(m.FMagnification + 0.1f, kMaxMagnification));
        break;
    case pmZoomOut:
        m.IsWholePage = false;
        setMagnification(std::max(m.FMagnification - 0.1f, kMinMagnification));
        break;
    case pmNormal:
        break;
    }
}

void TNicePreview::mouseMoveEvent(QMouseEvent* event)
{
    if (!IsDragging)
        return;
    const QPoint pos = event->position().toPoint();
    const bool h = m.ScrollHorz(LastOffX + LastX - pos.x());
    const bool v = m.ScrollVert(LastOffY + LastY - pos.y());
    if (h || v) {
        UpdateScrollBars();
        viewport()->update();
    }
}

void TNicePreview::mouseReleaseEvent(QMouseEvent*)
{
    IsDragging = false;
}

void TNicePreview::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (m.ScrollVert(m.VertOffset - event->angleDelta().y())) {
        UpdateScrollBars();
        viewport()->update();
    }
}

void TNicePreview::horzGescrollt(int wert)
{
    if (m.ScrollHorz(wert))
        viewport()->update();
}

void TNicePreview::vertGescrollt(int wert)
{
    if (m.ScrollVert(wert))
        viewport()->update();
}

void TNicePreview::ReadPrinterConfig(QPrinter& drucker)
{
    const QRect papier = drucker.paperRect(QPrinter::DevicePixel).toRect();
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QSize groesse = seitengroesseVomDrucker(
        drucker.logicalDpiX(), drucker.logicalDpiY(), papier.width(), papier.height(),
        bildschirm ? bildschirm->logicalDotsPerInchX() : 96.0,
        bildschirm ? bildschirm->logicalDotsPerInchY() : 96.0);
    m.FPageWidth = groesse.width();
    m.FPageHeight = groesse.height();
}

DruckUrsache TNicePreview::PrintAll(QPrinter& drucker)
{
    if (m_seiten.PageCount() == 0)
        return DruckUrsache::KeineSeiten;
    drucker.setDocName(m_titel);
    return seitenDrucken(drucker, m_seiten, 0, m_seiten.PageCount() - 1);
}

DruckUrsache TNicePreview::PrintPage(QPrinter& drucker, int page)
{
    if (page < 0 || page >= m_seiten.PageCount())
        return DruckUrsache::SeiteFehlt;
    drucker.setDocName(m_titel + QStringLiteral(" - Page ") + QString::number(page + 1));
    return seitenDrucken(drucker, m_seiten, page, page);
}

platform::WriteResult TNicePreview::SaveToMetafile(const QString& dateiname, int page)
{
    if (page < 0 || page >= m_seiten.PageCount()) {
        platform::WriteResult fehlt;
        fehlt.ok = false;
        fehlt.action = platform::FileAction::Write;
        fehlt.path = dateiname;
        fehlt.reason = QStringLiteral("Die Seite %1 gibt es nicht.").arg(page + 1);
        return fehlt;
    }
    return seiteAlsEmfSpeichern(m_seiten.page(page), m_seiten.pageSize(), dateiname);
}

TNicePreview::Ansicht TNicePreview::ansicht() const
{
    return {m.FMagnification, m.LastZoom,   m.IsWholePage, m.HorzOffset,
            m.VertOffset,     m.FPageIndex, m.FPageAnchor};
}

void TNicePreview::ansichtSetzen(const Ansicht& a)
{
    m.FMagnification = a.magnification;
    m.LastZoom = a.lastZoom;
    m.IsWholePage = a.wholePage;
    m.FPageAnchor = a.anchor;
    UpdateLayout();
    m.ScrollHorz(a.horzOffset);
    m.ScrollVert(a.vertOffset);
    UpdateScrollBars();
    if (a.pageIndex < PageCount())
        m.FPageIndex = a.pageIndex;
    viewport()->update();
    Q_EMIT OnChange();
}
