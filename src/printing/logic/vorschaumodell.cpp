#include "printing/logic/vorschaumodell.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kAbstand = 30; // between pages and to the grid's edges

int begrenzt(int wert, int hoechstens)
{
    return std::clamp(wert, 0, std::max(0, hoechstens));
}

float zoomBegrenzt(float v)
{
    if (!std::isfinite(v))
        return 1.0f;
    return std::clamp(v, kMinMagnification, kMaxMagnification);
}

} // namespace

int rnd(double x)
{
    return int(std::nearbyint(x)); // the default rounding mode rounds halves to even
}

int VorschauModell::ScaledPageWidth() const
{
    return rnd(double(FPageWidth) * double(FMagnification));
}

int VorschauModell::ScaledPageHeight() const
{
    return rnd(double(FPageHeight) * double(FMagnification));
}

float VorschauModell::GetZoomFactor(TZoomMode mode) const
{
    const double breite = std::max(FPageWidth, 1);
    const double hoehe = std::max(FPageHeight, 1);
    const double w = ClientWidth - VScrollBarWidth;
    switch (mode) {
    case zmFitToWidth:
        return float((w - 60) / breite);
    case zmWholePage:
        return float(
            std::min((w - 60) / breite, double(ClientHeight - HScrollBarHeight - 60) / hoehe));
    case zmTwoPages:
        return float((w - 90) / 2 / breite);
    case zmFourPages:
        return float((w - 150) / 4 / breite);
    default:
        return 1.0f;
    }
}

void VorschauModell::ResetScroll()
{
    HorzOffset = 0;
    VertOffset = 0;
}

void VorschauModell::UpdateLayout()
{
    if (PageCount <= 0) {
        FPageIndex = -1;
        ResetScroll();
        HorzBarVisible = false;
        VertBarVisible = false;
        return;
    }
    // A client too small for the page (or a stored value out of range) must not give a
    // magnification at or below zero: the column count below would never stop growing.
    FMagnification = zoomBegrenzt(LastZoom == zmCustom ? FMagnification : GetZoomFactor(LastZoom));

    const int pw = ScaledPageWidth();
    const int ph = ScaledPageHeight();
    const int W = ClientWidth;
    const int H = ClientHeight;
    PageCol = 1;
    if (pw + kAbstand > 0) {
        int w = W - (pw + 60);
        while (pw + kAbstand < w) {
            ++PageCol;
            w -= pw + kAbstand;
        }
    }
    if (IsWholePage)
        PageCol = 1;
    PageRow = (PageCount + PageCol - 1) / PageCol;

    const int gw = PageCol * pw + (PageCol + 1) * kAbstand;
    const int gh = PageRow * ph + (PageRow + 1) * kAbstand;
    HorzBarVisible = W < gw;
    VertBarVisible = H < gh;
    if (!HorzBarVisible)
        HorzOffset = 0;
    if (!VertBarVisible)
        VertOffset = 0;
    DeltaX = std::max(0, (W - gw) / 2);
    MaxHScroll = std::max(0, gw - W);
    MaxVScroll = std::max(0, gh - H);

    if (HorzBarVisible)
        HorzOffset = begrenzt(rnd(FPageAnchor.X * double(FMagnification)) +
                                  (pw + kAbstand) * (FPageAnchor.Page % PageCol) - W / 2 + kAbstand,
                              MaxHScroll);
    if (VertBarVisible)
        VertOffset = begrenzt(rnd(FPageAnchor.Y * double(FMagnification)) +
                                  (ph + kAbstand) * (FPageAnchor.Page / PageCol) - H / 2 + kAbstand,
                              MaxVScroll);
}

QRect VorschauModell::GetPageRect(int index) const
{
    const int pw = ScaledPageWidth();
    const int ph = ScaledPageHeight();
    const int spalten = std::max(PageCol, 1);
    return QRect((index % spalten) * (pw + kAbstand) + DeltaX - HorzOffset + kAbstand,
                 (index / spalten) * (ph + kAbstand) - VertOffset + kAbstand, pw, ph);
}

void VorschauModell::FindPageAt(int x, int y)
{
    const int pw = ScaledPageWidth();
    const int ph = ScaledPageHeight();
    const TPageAnchor keiner{-1, -1, -1};
    if (pw + kAbstand <= 0 || ph + kAbstand <= 0 || FMagnification <= 0) {
        FPageAnchor = keiner;
        return;
    }
    const int xs = HorzOffset + x - DeltaX;
    const int ys = VertOffset + y;
    const int spalte = xs / (pw + kAbstand);
    const int zeile = ys / (ph + kAbstand);
    TPageAnchor anker;
    anker.Page = zeile * PageCol + spalte;
    anker.X = rnd((xs % (pw + kAbstand) - kAbstand) / double(FMagnification));
    anker.Y = rnd((ys % (ph + kAbstand) - kAbstand) / double(FMagnification));
    const bool getroffen = spalte < PageCol && anker.Page < PageCount && anker.X >= 0 &&
                           anker.Y >= 0 && anker.X < FPageWidth && anker.Y < FPageHeight;
    FPageAnchor = getroffen ? anker : keiner;
}

bool VorschauModell::SetMagnification(float v)
{
    if (!(v > kMinMagnification && v < kMaxMagnification) || v == FMagnification)
        return false;
    FMagnification = v;
    if (FPageAnchor.Page == -1)
        FPageAnchor = {FPageIndex, FPageWidth / 2, 0};
    UpdateLayout();
    return true;
}

bool VorschauModell::ScrollHorz(int offset)
{
    const int neu = begrenzt(offset, MaxHScroll);
    if (neu == HorzOffset)
        return false;
    HorzOffset = neu;
    return true;
}

bool VorschauModell::ScrollVert(int offset)
{
    const int neu = begrenzt(offset, MaxVScroll);
    if (neu == VertOffset)
        return false;
    VertOffset = neu;
    return true;
}

QSize seitengroesseVomDrucker(int druckerDpiX, int druckerDpiY, int breitePunkte, int hoehePunkte,
                              double bildschirmDpiX, double bildschirmDpiY)
{
    if (druckerDpiX <= 0 || druckerDpiY <= 0 || breitePunkte <= 0 || hoehePunkte <= 0) {
        druckerDpiX = druckerDpiY = 360;
        breitePunkte = 3060;
        hoehePunkte = 3960;
    }
    if (bildschirmDpiX <= 0 || bildschirmDpiY <= 0)
        bildschirmDpiX = bildschirmDpiY = 96;
    return {rnd(double(breitePunkte) / druckerDpiX * bildschirmDpiX),
            rnd(double(hoehePunkte) / druckerDpiY * bildschirmDpiY)};
}
