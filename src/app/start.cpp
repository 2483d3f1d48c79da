#include "start.h"

#include "bilder.h"
#include "core/programm.h"
#include "hauptfenster.h"
#include "platform/random.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

std::function<void(const QString& stilName)> stil_aktivieren;

namespace
{

// The program's own colours, in force while no window style is active.
void eigeneFarbenSetzen()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette farben = QApplication::palette();
    farben.setColor(QPalette::Window, QColor(0xe9, 0xef, 0xee));
    farben.setColor(QPalette::Button, QColor(0xf4, 0xf7, 0xf6));
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::AlternateBase, QColor(0xee, 0xf5, 0xf2));
    farben.setColor(QPalette::Highlight, QColor(0x1f, 0x8f, 0x63));
    farben.setColor(QPalette::HighlightedText, Qt::white);
    farben.setColor(QPalette::WindowText, QColor(0x23, 0x30, 0x3b));
    farben.setColor(QPalette::ButtonText, QColor(0x23, 0x30, 0x3b));
    farben.setColor(QPalette::Text, QColor(0x1b, 0x24, 0x2c));
    farben.setColor(QPalette::ToolTipBase, QColor(0xff, 0xfb, 0xe6));
    farben.setColor(QPalette::ToolTipText, QColor(0x23, 0x30, 0x3b));
    QApplication::setPalette(farben);
}

void startStilAktivieren()
{
    if (stil_aktivieren)
        stil_aktivieren(QStringLiteral("Emerald Light Slate"));
    else
        eigeneFarbenSetzen();
}

} // namespace

int programm_starten()
{
    programm_initialisieren();
    platform::randomize();

    QApplication::setWindowIcon(bild_icon(QStringLiteral("zorbel-master")));
    startStilAktivieren();

    TForm1 Form1;
    QObject::connect(&Form1, &TForm1::programmEnde, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // The other windows, each created once for the whole run, are made here and wired to the
    // main window's commands and hooks (befehlVerbinden, style_lesen, automatischeSicherung).

    Form1.FormCreate();
    Form1.show();
    return QApplication::exec();
}
