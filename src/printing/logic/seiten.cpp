#include "printing/logic/seiten.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

Seitenstapel::Seitenstapel() = default;

Seitenstapel::~Seitenstapel()
{
    if (m_painter)
        m_painter->end();
}

void Seitenstapel::Clear()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_seiten.clear();
}

QPainter* Seitenstapel::BeginPage()
{
    if (m_painter)
        EndPage();
    auto seite = std::make_unique<QPicture>();
    seite->setBoundingRect(QRect(QPoint(0, 0), m_groesse));
    m_painter = std::make_unique<QPainter>(seite.get());
    m_seiten.push_back(std::move(seite));
    return m_painter.get();
}

void Seitenstapel::EndPage()
{
    if (!m_painter)
        return;
    m_painter->end();
    m_painter.reset();
}

int Seitenstapel::PageCount() const
{
    return int(m_seiten.size()) - (m_painter ? 1 : 0);
}

const QPicture& Seitenstapel::page(int index) const
{
    return *m_seiten.at(size_t(index));
}

void seiteAbspielen(QPainter& painter, const QPicture& seite, QSize seitengroesse,
                    const QRectF& ziel)
{
    if (seitengroesse.width() <= 0 || seitengroesse.height() <= 0)
        return;
    painter.save();
    // What the page does not set itself is drawn as on a fresh page, not in the colours the
    // caller left behind.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QFont());
    painter.translate(ziel.topLeft());
    painter.scale(ziel.width() / seitengroesse.width(), ziel.height() / seitengroesse.height());
    // A picture replays itself enlarged by the device's resolution over its own; undone here,
    // so that one page unit stays one page unit on every device.
    const QPaintDevice* geraet = painter.device();
    if (geraet && geraet->logicalDpiX() > 0 && geraet->logicalDpiY() > 0)
        painter.scale(qreal(seite.logicalDpiX()) / geraet->logicalDpiX(),
                      qreal(seite.logicalDpiY()) / geraet->logicalDpiY());
    painter.drawPicture(0, 0, seite);
    painter.restore();
}

QRectF druckrechteck(QSize seitengroesse, QSizeF druckbar)
{
    if (seitengroesse.width() <= 0 || seitengroesse.height() <= 0)
        return {};
    const qreal faktor = std::min(druckbar.width() / seitengroesse.width(),
                                  druckbar.height() / seitengroesse.height());
    return {0, 0, seitengroesse.width() * faktor, seitengroesse.height() * faktor};
}

DruckUrsache seitenDrucken(QPagedPaintDevice& geraet, const Seitenstapel& seiten, int erste,
                           int letzte)
{
    if (seiten.PageCount() == 0)
        return DruckUrsache::KeineSeiten;
    if (erste < 0 || letzte >= seiten.PageCount() || erste > letzte)
        return DruckUrsache::SeiteFehlt;
    QPainter painter;
    if (!painter.begin(&geraet))
        return DruckUrsache::StartFehlgeschlagen;
    const QRectF ziel = druckrechteck(seiten.pageSize(), QSizeF(geraet.width(), geraet.height()));
    for (int i = erste; i <= letzte; ++i) {
        if (i > erste && !geraet.newPage()) {
            painter.end();
            return DruckUrsache::NeueSeiteFehlgeschlagen;
        }
        seiteAbspielen(painter, seiten.page(i), seiten.pageSize(), ziel);
    }
    return painter.end() ? DruckUrsache::Gedruckt : DruckUrsache::AbschlussFehlgeschlagen;
}
