#pragma once

#include "platform/base/savefile.h"
#include "printing/logic/seiten.h"
#include "printing/logic/vorschaumodell.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPixmap>
#include <QString>

class QPrinter;

// The print preview: collects pages as recorded vector drawings, shows them scaled in one of
// several zoom modes with scrolling, wheel, hand-drag and click-to-zoom, and prints them. The
// same recorded pages are shown and printed, so the printout matches the preview.
class TNicePreview : public QAbstractScrollArea, public Seitenziel
{
    Q_OBJECT
public:
    // The cursor numbers of the click modes.
    static constexpr int crHandDrag = 111;
    static constexpr int crZoomIn = 112;
    static constexpr int crZoomOut = 113;

    explicit TNicePreview(QWidget* parent = nullptr);
    ~TNicePreview() override;

    // Page target: BeginPage appends a page, lays out and hands out a painter that records
    // onto it; EndPage completes the page and repaints.
    void Clear() override;
    QPainter* BeginPage() override;
    void EndPage() override;
    int PageWidth() const override { return m.FPageWidth; }
    int PageHeight() const override { return m.FPageHeight; }
    int MarginLeft() const override { return m.FMarginLeft; }
    int MarginTop() const override { return m.FMarginTop; }
    int MarginRight() const override { return m.FMarginRight; }
    int MarginBottom() const override { return m.FMarginBottom; }

    void setMarginLeft(int v) { m.FMarginLeft = v; }
    void setMarginTop(int v) { m.FMarginTop = v; }
    void setMarginRight(int v) { m.FMarginRight = v; }
    void setMarginBottom(int v) { m.FMarginBottom = v; }

    QString Title() const { return m_titel; }
    void setTitle(const QString& titel) { m_titel = titel; }
    QColor Color() const { return m_farbe; }
    void setColor(const QColor& farbe);

    int PageCount() const;
    int PageIndex() const { return m.FPageIndex; }
    void setPageIndex(int index);
    float Magnification() const { return m.FMagnification; }
    void setMagnification(float v);
    TPreviewMode PreviewMode() const { return m.FPreviewMode; }
    void setPreviewMode(TPreviewMode modus);

    // The geometry as laid out last (offsets, columns, anchor ...).
    const VorschauModell& modell() const { return m; }
    const Seitenstapel& seiten() const { return m_seiten; }

    void ViewFitToWidth();
    void ViewActualSize();
    void ViewWholePage();
    void ViewTwoPage();
    void ViewFourPage();

    // The page size from the printer's page and resolution; no layout follows.
    void ReadPrinterConfig(QPrinter& drucker);
    // The page size in page units (96 per inch) for the pages drawn next; no layout follows.
    void setPageSize(QSize groesse)
    {
        m.FPageWidth = groesse.width();
        m.FPageHeight = groesse.height();
    }

    // Prints every page, one sheet each, with the job title Title.
    DruckUrsache PrintAll(QPrinter& drucker);
    // Prints page `page` (from 0) with the job title Title + " - Page " + its number.
    DruckUrsache PrintPage(QPrinter& drucker, int page);
    // Writes page `page` (from 0) as an Enhanced Metafile.
    platform::WriteResult SaveToMetafile(const QString& dateiname, int page);

    // What the view shows: kept across a rebuild of the pages.
    struct Ansicht {
        float magnification = 1.0f;
        TZoomMode lastZoom = zmFitToWidth;
        bool wholePage = false;
        int horzOffset = 0;
        int vertOffset = 0;
        int pageIndex = -1;
        TPageAnchor anchor;
    };
    Ansicht ansicht() const;
    void ansichtSetzen(const Ansicht& ansicht);

Q_SIGNALS:
    // After layout, page and mode changes.
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    void UpdateLayout();
    void DrawPages(QPainter& painter);
    void ShowScrollBars(bool horz, bool vert);
    void UpdateScrollBars();
    void ResetScroll();
    void zoomWaehlen(TZoomMode modus, bool ganzeSeite);
    void horzGescrollt(int wert);
    void vertGescrollt(int wert);

    VorschauModell m;
    Seitenstapel m_seiten;
    QString m_titel = QStringLiteral("Printing ...");
    QColor m_farbe;
    QPixmap Buffer;
    bool IsDragging = false;
    int LastX = 0;
    int LastY = 0;
    int LastOffX = 0;
    int LastOffY = 0;
    bool m_imLayout = false;
    bool m_layoutErneut = false;
};

// The cursor of a click mode (crHandDrag, crZoomIn, crZoomOut), drawn for this program.
QCursor vorschauCursor(int nummer);
