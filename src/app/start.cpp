#include "app/start.h"

#include "app/bilder.h"
#include "app/hauptfenster.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/base/savefile.h"
#include "platform/ui/messages.h"

#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "appearance/ui/stilwahl.h"
#include "backup/ui/back5.h"
#include "backup/ui/datensicherung.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "players/ui/adressen.h"
#include "players/ui/ausgewaehltespieler.h"
#include "players/ui/auswahldialog.h"
#include "printing/ui/druckfenster.h"
#include "printing/ui/tischdruckfenster.h"

#include <QListWidget>

#include <QApplication>

namespace
{

// The other windows are made when first needed (fensterVon); the main window owns them.
void fensterVerbinden(TForm1& Form1)
{
    setTischdruck(tischbelegungDrucken);
    Form1.befehlVerbinden(Befehl::Erfassen, [&Form1] { fensterVon<TAdressen>(Form1).oeffnen(); });
    Form1.befehlVerbinden(Befehl::Auswahl, [&Form1] { fensterVon<TDualListDlg>(Form1).oeffnen(); });
    Form1.befehlVerbinden(Befehl::Anwesend, [&Form1] { fensterVon<TForm3>(Form1).oeffnen(); });
    for (int anzahl = 2; anzahl <= 6; ++anzahl)
        Form1.befehlVerbinden(Befehl(int(Befehl::Tische2) + anzahl - 2),
                              [anzahl] { tischeAnzeigen(anzahl); });
    Form1.befehlVerbinden(Befehl::Sicherung, [] { sicherungOeffnen(); });
    Form1.befehlVerbinden(Befehl::Farben, [&Form1] { fensterVon<TFarbe>(Form1).anzeigen(); });
    Form1.befehlVerbinden(Befehl::Drucken, [&Form1] { druckfensterOeffnen(&Form1); });
    Form1.style_lesen = [] { style_lesen(); };
    Form1.automatischeSicherung = [&Form1] {
        return fensterVon<TDatensicherung>(Form1).ausfuehren();
    };

    // The hidden list of the main window mirrors the numbers drawn in the last draw.
    QObject::connect(&Ziehungsmelder::instanz(), &Ziehungsmelder::ziehungBeendet, &Form1,
                     [&Form1](const Ziehungsergebnis& ergebnis) {
                         QStringList nummern;
                         nummern.reserve(ergebnis.nummern.size());
                         for (int nummer : ergebnis.nummern)
                             nummern.append(QString::number(nummer));
                         Form1.ListBox1->clear();
                         Form1.ListBox1->addItems(nummern);
                     });
}

} // namespace

std::unique_ptr<TForm1> programmAufbauen()
{
    // The stored style goes into force before the windows are built, so that they are polished
    // once; where it is damaged or unknown the design's style stays and style_lesen tells so.
    if (!gespeichertenStilVorabSetzen())
        appearance::StyleManager::setStyle(QStringLiteral("Emerald Light Slate"));

    auto Form1 = std::make_unique<TForm1>();
    fensterVerbinden(*Form1);
    Form1->FormCreate();
    return Form1;
}

bool startFreigeben()
{
    if (datenordnerSperren() != platform::InstanceLockState::HeldElsewhere)
        return true;
    platform::showMessage(zweiterStartMeldung(), platform::Buttons::Ok, platform::Icon::Warning);
    return false;
}

int programmStarten()
{
    // The data folder first: two copies on one data folder would each save their whole
    // settings over the other's, so the lock comes before the settings are read.
    platform::setDataFolderFromProgram();
    if (!startFreigeben())
        return 1;
    platform::showFileError(optionen_lesen());
    platform::removeTemporarySaveFiles(Datenordner);
    platform::randomize();
    QApplication::setWindowIcon(bildIcon(QStringLiteral("zorbel-master")));

    const std::unique_ptr<TForm1> Form1 = programmAufbauen();
    QObject::connect(Form1.get(), &TForm1::programmEnde, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    Form1->show();
    return QApplication::exec();
}
