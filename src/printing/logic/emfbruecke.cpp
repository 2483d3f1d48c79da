#include "printing/logic/emfbruecke.h"

#include "printing/logic/emfschreiber.h"

#include <QFile>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>
#include <limits>

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

// Collects what a page draws as the metafile's drawing calls. Pages hold texts and rectangles
// only; other shapes are left out.
class Aufnahme : public QPaintEngine
{
public:
    Aufnahme() : QPaintEngine(QPaintEngine::AllFeatures) {}

    std::vector<emf::Befehl> befehle;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    // A recorded page replays its rectangles as paths.
    void drawPath(const QPainterPath& pfad) override
    {
        const QRectF rechteck = pfad.boundingRect();
        for (const QPointF& p : pfad.toFillPolygon())
            if ((p.x() != rechteck.left() && p.x() != rechteck.right()) ||
                (p.y() != rechteck.top() && p.y() != rechteck.bottom()))
                return;
        drawRects(&rechteck, 1);
    }

    void updateState(const QPaintEngineState& zustand) override
    {
        const QPaintEngine::DirtyFlags geaendert = zustand.state();
        if (geaendert & DirtyTransform)
            m_transform = zustand.transform();
        if (geaendert & DirtyPen)
            m_stift = zustand.pen();
        if (geaendert & DirtyBrush)
            m_pinsel = zustand.brush();
    }

    void drawTextItem(const QPointF& punkt, const QTextItem& item) override
    {
        const QFont schrift = item.font();
        const qreal em =
            schrift.pixelSize() > 0 ? schrift.pixelSize() : schrift.pointSizeF() * 96.0 / 72.0;
        const QPointF p = m_transform.map(punkt);
        emf::Text text;
        text.x = int(std::lround(p.x()));
        text.y = int(std::lround(p.y()));
        text.text = utf16(item.text());
        text.schrift = utf16(schrift.family());
        text.hoehe = int(std::lround(em * m_transform.m22()));
        text.fett = schrift.weight() >= QFont::DemiBold;
        text.kursiv = schrift.italic();
        text.farbe = farbe(m_stift.color());
        befehle.emplace_back(std::move(text));
    }

    void drawRects(const QRectF* rechtecke, int anzahl) override
    {
        for (int i = 0; i < anzahl; ++i) {
            const QRectF r = m_transform.mapRect(rechtecke[i]);
            // An outlined rectangle of the page runs through the middles of its edge pixels; the
            // metafile's rectangle holds the outline inside, right and bottom edges excluded.
            const qreal rand = m_stift.style() == Qt::NoPen ? 0.0 : 0.5;
            emf::Rechteck e;
            e.links = int(std::lround(r.left() - rand));
            e.oben = int(std::lround(r.top() - rand));
            e.rechts = int(std::lround(r.right() + rand));
            e.unten = int(std::lround(r.bottom() + rand));
            e.gefuellt = m_pinsel.style() != Qt::NoBrush;
            e.fuellung = farbe(m_pinsel.color());
            e.umrandet = m_stift.style() != Qt::NoPen;
            e.stift = farbe(m_stift.color());
            e.stiftbreite = std::max(1, int(std::lround(m_stift.widthF() * m_transform.m11())));
            befehle.emplace_back(e);
        }
    }

private:
    QTransform m_transform;
    QPen m_stift;
    QBrush m_pinsel;
};

class Aufnahmegeraet : public QPaintDevice
{
public:
    explicit Aufnahmegeraet(QSize groesse) : m_groesse(groesse) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    std::vector<emf::Befehl>& befehle() { return m_engine.befehle; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_groesse.width();
        case PdmHeight:
            return m_groesse.height();
        case PdmWidthMM:
            return int(std::lround(m_groesse.width() * 25.4 / 96));
        case PdmHeightMM:
            return int(std::lround(m_groesse.height() * 25.4 / 96));
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmNumColors:
            return std::numeric_limits<int>::max();
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
        }
    }

private:
    QSize m_groesse;
    mutable Aufnahme m_engine;
};

} // namespace

platform::WriteResult seiteAlsEmfSpeichern(const QPicture& seite, QSize groesse,
                                           const QString& pfad)
{
    Aufnahmegeraet geraet(groesse);
    {
        QPainter painter(&geraet);
        painter.drawPicture(0, 0, seite);
    }
    const int fehler = emf::schreiben(QFile::encodeName(pfad).toStdString(), groesse.width(),
                                      groesse.height(), geraet.befehle());
    platform::WriteResult ergebnis;
    ergebnis.action = platform::FileAction::Write;
    ergebnis.path = pfad;
    if (fehler != 0) {
        ergebnis.ok = false;
        ergebnis.errorCode = fehler;
        ergebnis.reason = platform::systemErrorText(fehler);
    }
    return ergebnis;
}
