#include "printing/logic/emfbruecke.h"

#include "printing/logic/emfschreiber.h"
#include "printing/logic/seitenaufnahme.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace
{

emf::Farbe farbe(const QColor& c)
{
    return {static_cast<unsigned char>(c.red()), static_cast<unsigned char>(c.green()),
            static_cast<unsigned char>(c.blue())};
}

std::u16string utf16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
}

emf::Text emfText(const AufgenommenerText& t)
{
    const qreal em =
        t.schrift.pixelSize() > 0 ? t.schrift.pixelSize() : t.schrift.pointSizeF() * 96.0 / 72.0;
    emf::Text text;
    text.x = int(std::lround(t.grundlinie.x()));
    text.y = int(std::lround(t.grundlinie.y()));
    text.text = utf16(t.text);
    text.schrift = utf16(t.schrift.family());
    text.hoehe = int(std::lround(em * t.hoehenfaktor));
    text.fett = t.schrift.weight() >= QFont::DemiBold;
    text.kursiv = t.schrift.italic();
    text.farbe = farbe(t.stift.color());
    return text;
}

emf::Rechteck emfRechteck(const AufgenommenesRechteck& a)
{
    const QRectF& r = a.rechteck;
    // An outlined rectangle of the page runs through the middles of its edge pixels; the
    // metafile's rectangle holds the outline inside, right and bottom edges excluded.
    const bool umrandet = a.stift.style() != Qt::NoPen;
    const qreal rand = umrandet ? 0.5 : 0.0;
    emf::Rechteck e;
    e.links = int(std::lround(r.left() - rand));
    e.oben = int(std::lround(r.top() - rand));
    e.rechts = int(std::lround(r.right() + rand));
    e.unten = int(std::lround(r.bottom() + rand));
    e.gefuellt = a.pinsel.style() != Qt::NoBrush;
    e.fuellung = farbe(a.pinsel.color());
    e.umrandet = umrandet;
    e.stift = farbe(a.stift.color());
    e.stiftbreite = std::max(1, int(std::lround(a.stift.widthF() * a.breitenfaktor)));
    return e;
}

std::vector<emf::Befehl> emfBefehle(const SeitenAufnahme& aufnahme)
{
    std::vector<emf::Befehl> befehle;
    befehle.reserve(size_t(aufnahme.reihenfolge().size()));
    for (const SeitenAufnahme::Eintrag& eintrag : aufnahme.reihenfolge()) {
        if (eintrag.istText)
            befehle.emplace_back(emfText(aufnahme.texte().at(eintrag.index)));
        else
            befehle.emplace_back(emfRechteck(aufnahme.rechtecke().at(eintrag.index)));
    }
    return befehle;
}

} // namespace

platform::WriteResult seiteAlsEmfSpeichern(const QPicture& seite, QSize groesse,
                                           const QString& pfad)
{
    const SeitenAufnahme aufnahme(seite, groesse);
    const int fehler = emf::schreiben(QFile::encodeName(pfad).toStdString(), groesse.width(),
                                      groesse.height(), emfBefehle(aufnahme));
    platform::WriteResult ergebnis;
    ergebnis.action = platform::FileAction::Write;
    ergebnis.path = pfad;
    if (fehler != 0)
        ergebnis.fail(fehler);
    return ergebnis;
}
