#include "tischbild.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

namespace
{

// Drawn for this program: 300 x 180 units, the goals at the left and right ends, the red team
// playing from the top side, the blue team from the bottom side.
constexpr char kTischkickerSvg[] =
    R"SVG(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="300" height="180" viewBox="0 0 300 180">
<defs>
<linearGradient id="holz" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#8a5a2e"/><stop offset="0.5" stop-color="#6b4020"/><stop offset="1" stop-color="#4e2c12"/></linearGradient>
<linearGradient id="rasen" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#35a85a"/><stop offset="1" stop-color="#1f7a3c"/></linearGradient>
<linearGradient id="stange" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#8d949c"/><stop offset="0.45" stop-color="#f4f6f8"/><stop offset="1" stop-color="#7c838b"/></linearGradient>
<radialGradient id="rot" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#ff6b6b"/><stop offset="0.6" stop-color="#e03131"/><stop offset="1" stop-color="#a61e1e"/></radialGradient>
<radialGradient id="blau" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#5c9bff"/><stop offset="0.6" stop-color="#1c64d6"/><stop offset="1" stop-color="#113f8c"/></radialGradient>
<radialGradient id="ball" cx="0.35" cy="0.35" r="0.7"><stop offset="0" stop-color="#ffffff"/><stop offset="0.7" stop-color="#f1f1f1"/><stop offset="1" stop-color="#b9b9b9"/></radialGradient>
<radialGradient id="kopf" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#ffe2bd"/><stop offset="1" stop-color="#d9a066"/></radialGradient>
</defs>
<rect x="0" y="0" width="300" height="180" rx="12" fill="url(#holz)" stroke="#2f1a09" stroke-width="1.5"/>
<rect x="4" y="4" width="292" height="172" rx="9" fill="none" stroke="#a7773f" stroke-width="1" stroke-opacity="0.6"/>
<circle cx="9" cy="9" r="2.3" fill="#d4d4d4" stroke="#6e6e6e" stroke-width="0.6"/>
<circle cx="291" cy="9" r="2.3" fill="#d4d4d4" stroke="#6e6e6e" stroke-width="0.6"/>
<circle cx="9" cy="171" r="2.3" fill="#d4d4d4" stroke="#6e6e6e" stroke-width="0.6"/>
<circle cx="291" cy="171" r="2.3" fill="#d4d4d4" stroke="#6e6e6e" stroke-width="0.6"/>
<rect x="6" y="68" width="10" height="44" rx="2" fill="#151515" stroke="#c8c8c8" stroke-width="1"/>
<line x1="7" y1="76.8" x2="15" y2="76.8" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="7" y1="85.6" x2="15" y2="85.6" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="7" y1="94.4" x2="15" y2="94.4" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="7" y1="103.2" x2="15" y2="103.2" stroke="#5a5a5a" stroke-width="0.5"/>
<rect x="284" y="68" width="10" height="44" rx="2" fill="#151515" stroke="#c8c8c8" stroke-width="1"/>
<line x1="285" y1="76.8" x2="293" y2="76.8" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="285" y1="85.6" x2="293" y2="85.6" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="285" y1="94.4" x2="293" y2="94.4" stroke="#5a5a5a" stroke-width="0.5"/>
<line x1="285" y1="103.2" x2="293" y2="103.2" stroke="#5a5a5a" stroke-width="0.5"/>
<rect x="16" y="20" width="268" height="140" fill="url(#rasen)"/>
<rect x="16.0" y="20" width="33.5" height="140" fill="#ffffff" fill-opacity="0.06"/>
<rect x="83.0" y="20" width="33.5" height="140" fill="#ffffff" fill-opacity="0.06"/>
<rect x="150.0" y="20" width="33.5" height="140" fill="#ffffff" fill-opacity="0.06"/>
<rect x="217.0" y="20" width="33.5" height="140" fill="#ffffff" fill-opacity="0.06"/>
<rect x="16" y="20" width="268" height="140" fill="none" stroke="#000000" stroke-opacity="0.35" stroke-width="3"/>
<rect x="21" y="25" width="258" height="130" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<line x1="150" y1="25" x2="150" y2="155" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<circle cx="150" cy="90" r="19" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<circle cx="150" cy="90" r="1.8" fill="#ffffff" fill-opacity="0.9"/>
<rect x="21" y="50" width="36" height="80" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<rect x="21" y="68" width="14" height="44" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<rect x="243" y="50" width="36" height="80" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<rect x="265" y="68" width="14" height="44" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<path d="M 57 76 A 16 16 0 0 1 57 104" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<path d="M 243 76 A 16 16 0 0 0 243 104" stroke="#ffffff" stroke-opacity="0.85" stroke-width="1.2" fill="none"/>
<rect x="31.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="30.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="30.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="29" y="1" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="30" y="3" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="29" y="12" width="8" height="2.2" fill="#e03131"/>
<rect x="64.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="63.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="63.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="62" y="1" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="63" y="3" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="62" y="12" width="8" height="2.2" fill="#e03131"/>
<rect x="98.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="97.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="97.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="96" y="165" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="97" y="167" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="96" y="166" width="8" height="2.2" fill="#1c64d6"/>
<rect x="131.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="130.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="130.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="129" y="1" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="130" y="3" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="129" y="12" width="8" height="2.2" fill="#e03131"/>
<rect x="165.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="164.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="164.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="163" y="165" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="164" y="167" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="163" y="166" width="8" height="2.2" fill="#1c64d6"/>
<rect x="198.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="197.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="197.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="196" y="1" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="197" y="3" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="196" y="12" width="8" height="2.2" fill="#e03131"/>
<rect x="232.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="231.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="231.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="230" y="165" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="231" y="167" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="230" y="166" width="8" height="2.2" fill="#1c64d6"/>
<rect x="265.6" y="2" width="2.8" height="176" fill="url(#stange)"/>
<rect x="264.4" y="18" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="264.4" y="159" width="5.2" height="3" rx="1" fill="#2a2a2a"/>
<rect x="263" y="165" width="8" height="15" rx="3.5" fill="#1c1c1c" stroke="#000000" stroke-width="0.6"/>
<rect x="264" y="167" width="1.6" height="11" rx="0.8" fill="#ffffff" fill-opacity="0.25"/>
<rect x="263" y="166" width="8" height="2.2" fill="#1c64d6"/>
<rect x="26" y="88.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="33" cy="90" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="33" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="59" y="60.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="66" cy="62" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="66" cy="62" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="59" y="116.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="66" cy="118" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="66" cy="118" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="93" y="46.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="100" cy="48" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="100" cy="48" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="93" y="88.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="100" cy="90" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="100" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="93" y="130.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="100" cy="132" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="100" cy="132" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="126" y="32.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="133" cy="34" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="133" cy="34" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="126" y="60.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="133" cy="62" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="133" cy="62" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="126" y="88.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="133" cy="90" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="133" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="126" y="116.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="133" cy="118" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="133" cy="118" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="126" y="144.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="133" cy="146" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="133" cy="146" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="160" y="32.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="167" cy="34" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="167" cy="34" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="160" y="60.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="167" cy="62" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="167" cy="62" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="160" y="88.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="167" cy="90" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="167" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="160" y="116.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="167" cy="118" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="167" cy="118" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="160" y="144.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="167" cy="146" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="167" cy="146" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="193" y="46.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="200" cy="48" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="200" cy="48" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="193" y="88.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="200" cy="90" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="200" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="193" y="130.2" width="14" height="3.6" rx="1.8" fill="#a61e1e"/>
<ellipse cx="200" cy="132" rx="4.6" ry="7" fill="url(#rot)" stroke="#a61e1e" stroke-width="0.8"/>
<circle cx="200" cy="132" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="227" y="60.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="234" cy="62" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="234" cy="62" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="227" y="116.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="234" cy="118" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="234" cy="118" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<rect x="260" y="88.2" width="14" height="3.6" rx="1.8" fill="#113f8c"/>
<ellipse cx="267" cy="90" rx="4.6" ry="7" fill="url(#blau)" stroke="#113f8c" stroke-width="0.8"/>
<circle cx="267" cy="90" r="2.9" fill="url(#kopf)" stroke="#7a4b22" stroke-width="0.5"/>
<ellipse cx="158.5" cy="105.5" rx="4" ry="3.2" fill="#000000" fill-opacity="0.25"/>
<circle cx="157" cy="103.5" r="3.8" fill="url(#ball)" stroke="#8a8a8a" stroke-width="0.5"/>
</svg>)SVG";

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
    static const QByteArray bytes(kTischkickerSvg);
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
