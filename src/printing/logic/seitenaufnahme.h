#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPaintDevice>
#include <QPen>
#include <QPicture>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

// A text of a replayed page: where its base line starts (page units), its font and pen, and
// the page's vertical scale when it was drawn.
struct AufgenommenerText {
    QString text;
    QPointF grundlinie;
    QFont schrift;
    QPen stift;
    qreal hoehenfaktor = 1;

    int oben() const { return qRound(grundlinie.y()) - QFontMetrics(schrift).ascent(); }
    int links() const { return qRound(grundlinie.x()); }
    int rechts() const { return links() + QFontMetrics(schrift).horizontalAdvance(text); }
};

// A rectangle of a replayed page in page units, with the pen and brush it was drawn with and
// the page's horizontal scale then.
struct AufgenommenesRechteck {
    QRectF rechteck;
    QPen stift;
    QBrush pinsel;
    qreal breitenfaktor = 1;
};

// Replays a recorded page into a device of `groesse` page units (96 per inch) that notes
// every text and rectangle it draws, in drawing order. Pages hold texts and rectangles only;
// other shapes are left out.
class SeitenAufnahme : public QPaintDevice
{
public:
    explicit SeitenAufnahme(const QPicture& seite, QSize groesse = QSize(816, 1056));
    ~SeitenAufnahme() override;
    SeitenAufnahme(const SeitenAufnahme&) = delete;
    SeitenAufnahme& operator=(const SeitenAufnahme&) = delete;

    QPaintEngine* paintEngine() const override;

    const QList<AufgenommenerText>& texte() const;
    const QList<AufgenommenesRechteck>& rechtecke() const;
    // Drawing order: for each item whether it is a text, and its index in texte() or
    // rechtecke().
    struct Eintrag {
        bool istText = false;
        qsizetype index = 0;
    };
    const QList<Eintrag>& reihenfolge() const;

    // The first text that is exactly `gesucht`; nullptr when there is none.
    const AufgenommenerText* text(const QString& gesucht) const;
    QStringList alleTexte() const;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    class Engine;
    QSize m_groesse;
    std::unique_ptr<Engine> m_engine;
};
