#include "printing/logic/seitenaufnahme.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>
#include <limits>

class SeitenAufnahme::Engine : public QPaintEngine
{
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QList<AufgenommenerText> texte;
    QList<AufgenommenesRechteck> rechtecke;
    QList<Eintrag> reihenfolge;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    // A recorded page replays its rectangles as paths; any other path is no rectangle.
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
        reihenfolge.append({true, texte.size()});
        texte.append(
            {item.text(), m_transform.map(punkt), item.font(), m_stift, m_transform.m22()});
    }

    void drawRects(const QRectF* rechteckListe, int anzahl) override
    {
        for (int i = 0; i < anzahl; ++i) {
            reihenfolge.append({false, rechtecke.size()});
            rechtecke.append(
                {m_transform.mapRect(rechteckListe[i]), m_stift, m_pinsel, m_transform.m11()});
        }
    }

private:
    QTransform m_transform;
    QPen m_stift;
    QBrush m_pinsel;
};

SeitenAufnahme::SeitenAufnahme(const QPicture& seite, QSize groesse)
    : m_groesse(groesse), m_engine(std::make_unique<Engine>())
{
    QPainter painter(this);
    painter.drawPicture(0, 0, seite);
}

SeitenAufnahme::~SeitenAufnahme() = default;

QPaintEngine* SeitenAufnahme::paintEngine() const
{
    return m_engine.get();
}

const QList<AufgenommenerText>& SeitenAufnahme::texte() const
{
    return m_engine->texte;
}

const QList<AufgenommenesRechteck>& SeitenAufnahme::rechtecke() const
{
    return m_engine->rechtecke;
}

const QList<SeitenAufnahme::Eintrag>& SeitenAufnahme::reihenfolge() const
{
    return m_engine->reihenfolge;
}

const AufgenommenerText* SeitenAufnahme::text(const QString& gesucht) const
{
    for (const AufgenommenerText& t : m_engine->texte)
        if (t.text == gesucht)
            return &t;
    return nullptr;
}

QStringList SeitenAufnahme::alleTexte() const
{
    QStringList l;
    for (const AufgenommenerText& t : m_engine->texte)
        l.append(t.text);
    return l;
}

int SeitenAufnahme::metric(PaintDeviceMetric m) const
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
