#include "printing/logic/emfschreiber.h"

#define NOMINMAX
#include <libEMF/emf.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>

namespace emf
{
namespace
{

constexpr double kMillimeterJeEinheit = 25.4 / 96.0;

COLORREF farbwert(const Farbe& f)
{
    return RGB(f.rot, f.gruen, f.blau);
}

const WCHAR* breit(const std::u16string& text)
{
    static_assert(sizeof(WCHAR) == sizeof(char16_t));
    return reinterpret_cast<const WCHAR*>(text.c_str());
}

// Maps page units onto the reference device of the metafile, so that the page keeps its size
// in millimetres.
void seiteneinheitenSetzen(HDC dc, int breite, int hoehe)
{
    const double punkteJeMmX = double(GetDeviceCaps(dc, HORZRES)) / GetDeviceCaps(dc, HORZSIZE);
    const double punkteJeMmY = double(GetDeviceCaps(dc, VERTRES)) / GetDeviceCaps(dc, VERTSIZE);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, breite, hoehe, nullptr);
    SetViewportExtEx(dc, int(std::lround(breite * kMillimeterJeEinheit * punkteJeMmX)),
                     int(std::lround(hoehe * kMillimeterJeEinheit * punkteJeMmY)), nullptr);
}

void zeichnen(HDC dc, const Text& t)
{
    HFONT schrift = CreateFontW(-t.hoehe, 0, 0, 0, t.fett ? FW_BOLD : FW_NORMAL, t.kursiv, FALSE,
                                FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, breit(t.schrift));
    HGDIOBJ vorher = SelectObject(dc, schrift);
    SetTextColor(dc, farbwert(t.farbe));
    TextOutW(dc, t.x, t.y, breit(t.text), INT(t.text.size()));
    SelectObject(dc, vorher);
    DeleteObject(schrift);
}

void zeichnen(HDC dc, const Rechteck& r)
{
    HPEN stift = r.umrandet ? CreatePen(PS_SOLID, r.stiftbreite, farbwert(r.stift))
                            : static_cast<HPEN>(GetStockObject(NULL_PEN));
    HBRUSH pinsel = r.gefuellt ? CreateSolidBrush(farbwert(r.fuellung))
                               : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    HGDIOBJ alterStift = SelectObject(dc, stift);
    HGDIOBJ alterPinsel = SelectObject(dc, pinsel);
    Rectangle(dc, r.links, r.oben, r.rechts, r.unten);
    SelectObject(dc, alterStift);
    SelectObject(dc, alterPinsel);
    if (r.umrandet)
        DeleteObject(stift);
    if (r.gefuellt)
        DeleteObject(pinsel);
}

struct DateiSchliessen {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

int schreiben(const std::string& pfad, int breite, int hoehe, const std::vector<Befehl>& befehle)
{
    if (breite <= 0 || hoehe <= 0)
        return EINVAL;
    errno = 0;
    std::unique_ptr<std::FILE, DateiSchliessen> datei(std::fopen(pfad.c_str(), "wb"));
    if (!datei)
        return errno != 0 ? errno : EIO;
    // The frame in hundredths of a millimetre.
    const RECT rahmen{0, 0, LONG(std::lround(breite * kMillimeterJeEinheit * 100)),
                      LONG(std::lround(hoehe * kMillimeterJeEinheit * 100))};
    HDC dc = CreateEnhMetaFileWithFILEA(0, datei.get(), &rahmen, nullptr);
    if (!dc)
        return EIO;
    seiteneinheitenSetzen(dc, breite, hoehe);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    for (const Befehl& befehl : befehle)
        std::visit([dc](const auto& b) { zeichnen(dc, b); }, befehl);
    HENHMETAFILE fertig = CloseEnhMetaFileWithFILE(dc);
    if (!fertig)
        return EIO;
    DeleteEnhMetaFile(fertig);
    std::FILE* f = datei.release();
    errno = 0;
    const bool geschrieben = std::fflush(f) == 0 && !std::ferror(f);
    const bool geschlossen = std::fclose(f) == 0;
    if (geschrieben && geschlossen)
        return 0;
    return errno != 0 ? errno : EIO;
}

} // namespace emf
