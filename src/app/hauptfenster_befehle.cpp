// The main window's commands: each tool-bar button and menu item hides the main-screen panel
// where it belongs to the command and runs what the program wired to it.
#include "app/hauptfenster.h"

#include "app/weitereprogramme.h"
#include "core/base/hauptfensterwerte.h"
#include "core/base/optionen.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/spielabend.h"
#include "platform/base/datafolder.h"
#include "platform/base/shell.h"
#include "platform/ui/help.h"
#include "platform/ui/messages.h"
#include "platform/ui/placement.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>
#include <QUrl>

namespace
{

// The help's section on the main window.
constexpr int kHilfeProgramm = 150;

} // namespace

void TForm1::befehlZuordnen(Befehl befehl, QToolButton* knopf, QAction* punkt)
{
    Befehlsplatz& platz = m_befehle[befehl];
    if (knopf) {
        platz.knoepfe.append(knopf);
        knopf->setEnabled(static_cast<bool>(platz.aktion));
    }
    if (punkt) {
        platz.punkte.append(punkt);
        punkt->setEnabled(static_cast<bool>(platz.aktion));
    }
}

void TForm1::befehlVerbinden(Befehl befehl, std::function<void()> aktion)
{
    Befehlsplatz& platz = m_befehle[befehl];
    platz.aktion = std::move(aktion);
    const bool verbunden = static_cast<bool>(platz.aktion);
    for (QToolButton* knopf : platz.knoepfe)
        knopf->setEnabled(verbunden);
    for (QAction* punkt : platz.punkte)
        punkt->setEnabled(verbunden);
}

bool TForm1::befehlVerbunden(Befehl befehl) const
{
    const auto it = m_befehle.find(befehl);
    return it != m_befehle.end() && static_cast<bool>(it->second.aktion);
}

void TForm1::ausfuehren(Befehl befehl)
{
    const auto it = m_befehle.find(befehl);
    if (it != m_befehle.end() && it->second.aktion)
        it->second.aktion();
}

void TForm1::SpeedButton1Click()
{
    Namenerfassen1Click();
}

void TForm1::Namenerfassen1Click()
{
    if (!befehlVerbunden(Befehl::Erfassen))
        return;
    Panel5->hide();
    ausfuehren(Befehl::Erfassen);
}

void TForm1::SpeedButton3Click()
{
    if (!befehlVerbunden(Befehl::Auswahl))
        return;
    Panel5->hide();
    Personenfestlegen1Click();
}

void TForm1::Personenfestlegen1Click()
{
    ausfuehren(Befehl::Auswahl);
}

void TForm1::SpeedButton12Click()
{
    Namenzuordnen1Click();
}

void TForm1::Spieler1Click()
{
    Namenzuordnen1Click();
}

void TForm1::Namenzuordnen1Click()
{
    if (!befehlVerbunden(Befehl::Anwesend))
        return;
    Panel5->hide();
    ausfuehren(Befehl::Anwesend);
}

void TForm1::SpeedButton4Click()
{
    Spielerfr2Tische1Click();
}

void TForm1::Spielerfr2Tische1Click()
{
    ausfuehren(Befehl::Tische2);
}

void TForm1::SpeedButton5Click()
{
    Spielerfr3Tische1Click();
}

void TForm1::Spielerfr3Tische1Click()
{
    ausfuehren(Befehl::Tische3);
}

void TForm1::SpeedButton2Click()
{
    Spielerfr4Tische1Click();
}

void TForm1::Spielerfr4Tische1Click()
{
    ausfuehren(Befehl::Tische4);
}

void TForm1::SpeedButton8Click()
{
    Spielerfr5TischeClick();
}

void TForm1::Spielerfr5TischeClick()
{
    ausfuehren(Befehl::Tische5);
}

void TForm1::SpeedButton6Click()
{
    Spielerfr6Tische1Click();
}

void TForm1::Spielerfr6Tische1Click()
{
    ausfuehren(Befehl::Tische6);
}

void TForm1::SpeedButton7Click()
{
    DatensichernWiederherstellen1Click();
}

void TForm1::DatensichernWiederherstellen1Click()
{
    ausfuehren(Befehl::Sicherung);
}

void TForm1::SpeedButton10Click()
{
    ausfuehren(Befehl::Farben);
}

void TForm1::Adressendrucken1Click()
{
    ausfuehren(Befehl::Drucken);
}

void TForm1::SpeedButton11Click()
{
    platform::closeHelp();
    // A failed automatic backup keeps the program open, so the organiser can try again.
    if (Optionen.AutoSicherung == 1 && automatischeSicherung && !automatischeSicherung())
        return;
    close();
}

void TForm1::AufverfgbareUpdateprfen1Click()
{
    updateStarten();
}

void TForm1::Update1Click()
{
    updateStarten();
}

void TForm1::updateStarten()
{
    const QString programm = Datenordner + QStringLiteral("Update.Exe");
    const int ergebnis = platform::shellExecute(programm, Datenordner);
    // Only a started update program takes over; after a failed start the organiser goes on
    // with whatever was typed but not yet saved.
    if (ergebnis <= 32) {
        platform::showMessage(updateMeldung(ergebnis, programm), platform::Buttons::Ok,
                              platform::Icon::Error);
        return;
    }
    close();
}

void TForm1::WeitereProgramme1Click()
{
    weitereProgrammeZeigen();
}

void TForm1::WeitereProgramme2Click()
{
    weitereProgrammeZeigen();
}

void TForm1::weitereProgrammeZeigen()
{
    Panel5->hide();
    m_weitereProgramme->adjustSize();
    platform::placeDialog(*m_weitereProgramme);
    m_weitereProgramme->show();
    m_weitereProgramme->raise();
    m_weitereProgramme->activateWindow();
}

void TForm1::Websitebesuchen1Click()
{
    Panel5->hide();
    const platform::Answer antwort =
        platform::showMessage(websiteFrage(), platform::Buttons::YesNo, platform::Icon::Question);
    if (antwort == platform::Answer::Yes) {
        const QString adresse = websiteAdresse();
        if (!platform::openUrl(QUrl(adresse)))
            platform::showMessage(websiteFehler(adresse), platform::Buttons::Ok,
                                  platform::Icon::Warning);
    }
    Panel5->show();
}

// "Neuer Abend": the rounds so far no longer count for "Neue Partner".
void TForm1::NeuerAbend1Click()
{
    const platform::Answer antwort = platform::showMessage(
        {QStringLiteral("Einen neuen Spielabend beginnen?\nFür \"Neue Partner\" zählen die "
                        "bisherigen Runden dann nicht mehr."),
         platform::Buttons::YesNo,
         platform::Icon::Question,
         {},
         platform::Answer::No});
    if (antwort == platform::Answer::Yes)
        platform::showMessages(neuenAbendBeginnen());
}

void TForm1::Hilfe1Click()
{
    hilfeZeigen(kHilfeProgramm);
}
