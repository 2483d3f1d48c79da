#pragma once

#include <QRect>
#include <QSize>

// What a left click in the preview does.
enum TPreviewMode { pmNormal, pmDrag, pmZoomIn, pmZoomOut };

// The zoom mode that every layout applies again; zmCustom keeps the magnification as it is.
enum TZoomMode { zmFitToWidth, zmActualSize, zmWholePage, zmTwoPages, zmFourPages, zmCustom };

// A point on a page in page units; -1/-1/-1 for none.
struct TPageAnchor {
    int Page = 0;
    int X = 0;
    int Y = 0;
    bool operator==(const TPageAnchor&) const = default;
};

// Rounds to the nearest integer, halves to the even neighbour.
int rnd(double x);

// Bounds of the magnification (screen pixels per page unit).
inline constexpr float kMinMagnification = 0.1f;
inline constexpr float kMaxMagnification = 5.0f;

// The geometry of the preview without the control: page grid, zoom factors, scroll ranges and
// the hit test. The control feeds it its client size and the scroll-bar extents and shows
// what it computes.
class VorschauModell
{
public:
    // Input of the control.
    int ClientWidth = 200;
    int ClientHeight = 200;
    int VScrollBarWidth = 17;  // width of a vertical scroll bar
    int HScrollBarHeight = 17; // height of a horizontal one
    int PageCount = 0;

    TZoomMode LastZoom = zmFitToWidth;
    bool IsWholePage = false;
    int HorzOffset = 0;
    int VertOffset = 0;
    int MaxHScroll = 0;
    int MaxVScroll = 0;
    int SmallChange = 5;
    int LargeChange = 20;
    int PageCol = 1;
    int PageRow = 0;
    int DeltaX = 0;
    int FPageIndex = -1;
    int FPageWidth = 816;
    int FPageHeight = 1056;
    int FMarginLeft = 96;
    int FMarginTop = 96;
    int FMarginRight = 96;
    int FMarginBottom = 96;
    float FMagnification = 1.0f;
    TPageAnchor FPageAnchor;
    TPreviewMode FPreviewMode = pmNormal;

    // Output of UpdateLayout: which scroll bars are to be shown.
    bool HorzBarVisible = false;
    bool VertBarVisible = false;

    float GetZoomFactor(TZoomMode mode) const;
    void UpdateLayout();
    QRect GetPageRect(int index) const;
    // Hit test: sets the anchor to the page point under (x, y), or to -1/-1/-1.
    void FindPageAt(int x, int y);

    // Stores v when 0.1 < v < 5 and it differs from the current value; an anchor without a
    // page becomes the middle of the current page's top edge; then lays out. False when
    // nothing changed.
    bool SetMagnification(float v);

    // Sets one offset, clamped to its scroll range; true when it changed.
    bool ScrollHorz(int offset);
    bool ScrollVert(int offset);

    // Offsets 0 (the control also resets the bars' positions).
    void ResetScroll();

    int ScaledPageWidth() const;
    int ScaledPageHeight() const;
};

// The page size in page units (one screen pixel at magnification 1) from the printer's
// resolution and physical page size in dots; a failed or meaningless query (any value <= 0)
// gives the 360-dpi letter-size fallback.
QSize seitengroesseVomDrucker(int druckerDpiX, int druckerDpiY, int breitePunkte, int hoehePunkte,
                              double bildschirmDpiX, double bildschirmDpiY);
