#pragma once

// Replays a recorded page into a device that notes every text and rectangle, so tests can
// check where the page puts what.

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QTextItem>
#include <limits>

struct AufgenommenerText {
    QString text;
    QPointF grundlinie; // start of the base line, page units
    QFont schrift;
    int oben() const { return qRound(grundlinie.y()) - QFontMetrics(schrift).ascent(); }
    int links() const { return qRound(grundlinie.x()); }
    int rechts() const { return links() + QFontMetrics(schrift).horizontalAdvance(text); }
};

struct AufgenommenesRechteck {
    QRectF rechteck;
    QBrush pinsel;
};

class AufnahmeEngine : public QPaintEngine
{
public:
    AufnahmeEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QList<AufgenommenerText> texte;
    QList<AufgenommenesRechteck> rechtecke;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    // A recorded page replays its rectangles as paths.
    void drawPath(const QPainterPath& pfad) override
    {
        const QRectF r = pfad.boundingRect();
        drawRects(&r, 1);
    }
    void updateState(const QPaintEngineState& s) override
    {
        if (s.state() & DirtyTransform)
            m_transform = s.transform();
        if (s.state() & DirtyBrush)
            m_pinsel = s.brush();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texte.append({item.text(), m_transform.map(p), item.font()});
    }
    void drawRects(const QRectF* r, int n) override
    {
        for (int i = 0; i < n; ++i)
            rechtecke.append({m_transform.mapRect(r[i]), m_pinsel});
    }

private:
    QTransform m_transform;
    QBrush m_pinsel;
};

class Aufnahme : public QPaintDevice
{
public:
    explicit Aufnahme(const QPicture& seite)
    {
        QPainter p(this);
        p.drawPicture(0, 0, seite);
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QList<AufgenommenerText>& texte() const { return m_engine.texte; }
    const QList<AufgenommenesRechteck>& rechtecke() const { return m_engine.rechtecke; }

    // The first text that is exactly `text`; nullptr when there is none.
    const AufgenommenerText* text(const QString& gesucht) const
    {
        for (const AufgenommenerText& t : m_engine.texte)
            if (t.text == gesucht)
                return &t;
        return nullptr;
    }
    QStringList alleTexte() const
    {
        QStringList l;
        for (const AufgenommenerText& t : m_engine.texte)
            l.append(t.text);
        return l;
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 816;
        case PdmHeight:
            return 1056;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return std::numeric_limits<int>::max();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
        }
    }

private:
    mutable AufnahmeEngine m_engine;
};
