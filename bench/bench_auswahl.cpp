// The selection dialog with 200, 2 000 and 20 000 participants (other sizes as arguments):
// opening it beside reading the participant file; ">" and "<" with every entry of their list
// selected, each beside ">>" or "<<" reaching the same end state. Each step ends with the
// dialog painted; each floor is measured in turn with its step.
#include "core/base/optionen.h"
#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "platform/ui/messages.h"
#include "players/logic/adressverwaltung.h"
#include "players/ui/auswahldialog.h"

#include "medianzeit.h"

#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

QList<TAdressRec> teilnehmer(int anzahl)
{
    const QStringList namen{"Meier", "Müller", "Schulz", "Özdemir", "adler",
                            "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};
    QList<TAdressRec> adressen;
    adressen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        AdressFelder f;
        f.name = namen[i % namen.size()] + QString::number(i * 7919 % anzahl);
        f.vorname = QStringLiteral("Vorname%1").arg(i % 50);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> groessen;
    for (int i = 1; i < argc; ++i)
        groessen.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (groessen.isEmpty())
        groessen = {200, 2000, 20000};
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    platform::setMessageHandler([](const platform::Message& m) {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return platform::Answer::Ok;
    });
    optionenStandardwerte(Optionen);
    bool ok = true;

    for (const int anzahl : groessen) {
        if (!platform::writeFileAtomic(adressdateiPfad(),
                                       platform::recordsToBytes(teilnehmer(anzahl)))
                 .ok)
            return 1;
        TDualListDlg dialog;
        const int runs = anzahl >= 20000 ? 5 : 9;
        const auto gemalt = [] { QCoreApplication::processEvents(); };
        const auto klick = [&](void (TDualListDlg::*knopf)()) {
            return [&dialog, knopf, gemalt] {
                (dialog.*knopf)();
                gemalt();
            };
        };

        // Each opening starts from the closed dialog.
        const Paarzeit oeffnen = abwechselndMs(
            runs,
            [&] {
                dialog.oeffnen();
                gemalt();
            },
            [&] { ok = platform::readFile(adressdateiPfad()).file.ok && ok; },
            [&] {
                dialog.close();
                gemalt();
            });
        ok = dialog.linkeEintraege().size() == anzahl && ok;
        dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->setChecked(true);
        dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton8"))->setChecked(true);
        auto* links = dialog.findChild<QListWidget*>(QStringLiteral("SrcList"));
        auto* rechts = dialog.findChild<QListWidget*>(QStringLiteral("DstList"));

        // Each check in a `vorher` looks at the end state the step before it reached.
        dialog.Button5Click();
        const Paarzeit hin = abwechselndMs(
            runs, klick(&TDualListDlg::Button4Click), klick(&TDualListDlg::Button5Click),
            [&] {
                ok = rechts->count() == anzahl && ok;
                dialog.Button7Click();
                links->selectAll();
                gemalt();
            },
            [&] {
                ok = rechts->count() == anzahl && ok;
                dialog.Button7Click();
                gemalt();
            });
        dialog.Button7Click();
        const Paarzeit zurueck = abwechselndMs(
            runs, klick(&TDualListDlg::Button6Click), klick(&TDualListDlg::Button7Click),
            [&] {
                ok = links->count() == anzahl && ok;
                dialog.Button5Click();
                rechts->selectAll();
                gemalt();
            },
            [&] {
                ok = links->count() == anzahl && ok;
                dialog.Button5Click();
                gemalt();
            });
        tabellenzeile("bench_auswahl", QStringLiteral("open selection dialog"), anzahl, oeffnen,
                      QStringLiteral("read the file"));
        tabellenzeile("bench_auswahl", QStringLiteral("\">\" with every entry selected"), anzahl,
                      hin, QStringLiteral("\">>\" to the same end state"));
        tabellenzeile("bench_auswahl", QStringLiteral("\"<\" with every entry selected"), anzahl,
                      zurueck, QStringLiteral("\"<<\" to the same end state"));
    }
    if (!ok)
        std::printf("a move did not reach the expected end state\n");
    return ok ? 0 : 1;
}
