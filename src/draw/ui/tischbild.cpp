#include "draw/ui/tischbild.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

namespace
{

// Parsed once and owned by the application, so it goes before the application does.
QSvgRenderer& renderer()
{
    static QPointer<QSvgRenderer> r;
    if (!r)
        r = new QSvgRenderer(Tischbild::svg(), QCoreApplication::instance());
    return *r;
}

} // namespace

Tischbild::Tischbild(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

const QByteArray& Tischbild::svg()
{
    // Drawn for this program: 300 x 180 units, the goals at the left and right ends, the red
    // team playing from the top side, the blue team from the bottom side.
    static const QByteArray bytes = [] {
        QFile datei(QStringLiteral(":/draw/bilder/tischkicker.svg"));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }();
    return bytes;
}

void Tischbild::setTischnummer(int nummer)
{
    m_nummer = nummer;
    update();
}

void Tischbild::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer().render(&painter, QRectF(rect()));
    if (m_nummer <= 0)
        return;

    // The table number in a plate on the centre circle.
    const qreal h = height() * 0.2;
    const QRectF plakette(width() / 2.0 - h * 0.75, height() / 2.0 - h / 2.0, h * 1.5, h);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1.5));
    painter.setBrush(QColor(128, 0, 0, 215));
    painter.drawRoundedRect(plakette, h / 3.0, h / 3.0);
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(qMax(8, int(h * 0.72)));
    painter.setFont(schrift);
    painter.setPen(Qt::white);
    painter.drawText(plakette, Qt::AlignCenter, QString::number(m_nummer));
}
