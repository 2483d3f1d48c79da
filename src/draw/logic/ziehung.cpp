#include "draw/logic/ziehung.h"

#include "core/base/optionen.h"
#include "draw/logic/faire_runden.h"
#include "draw/logic/pool.h"
#include "draw/logic/spielabend.h"
#include "platform/base/clock.h"
#include "platform/base/random.h"

#include <optional>
#include <vector>

namespace
{

QList<std::int32_t>& nummernDerLetztenZiehung()
{
    static QList<std::int32_t> nummern;
    return nummern;
}

bool spielmodusGueltig(std::int32_t spielmodus)
{
    return spielmodus == kEinzel || spielmodus == kDoppel;
}

// A partly filled last table in doubles still gets a playable line-up: a lone top-left player
// moves to the top centre, a top-right player without a bottom-right partner to the bottom
// centre. Tables before the last one are left as drawn.
void letztenDoppeltischReparieren(Tischbelegung& belegung)
{
    const int t = belegung.tische();
    belegung.setName(t, Platz::ObenMitte, {});
    belegung.setName(t, Platz::UntenMitte, {});
    if (belegung.name(t, Platz::UntenLinks).isEmpty()) {
        belegung.setName(t, Platz::ObenMitte, belegung.name(t, Platz::ObenLinks));
        belegung.setName(t, Platz::ObenLinks, {});
    }
    if (belegung.name(t, Platz::UntenRechts).isEmpty()) {
        belegung.setName(t, Platz::UntenMitte, belegung.name(t, Platz::ObenRechts));
        belegung.setName(t, Platz::ObenRechts, {});
    }
}

void belegungInRecord(Tischanzahl tische, const Tischbelegung& belegung)
{
    const std::span<const Sitzplatz> karte = tischSlotKarte(tische);
    const std::span<TischSlot> record = tischRecord(tische);
    for (std::size_t slot = 0; slot < karte.size(); ++slot)
        record[slot].set(belegung.name(karte[slot]));
}

Ziehungsergebnis abgebrochen(Tischanzahl tische)
{
    Ziehungsergebnis ergebnis;
    ergebnis.tische = tische.zahl();
    ergebnis.belegung = Tischbelegung(tische);
    return ergebnis;
}

// A draw that would seat nobody because nobody is picked must not overwrite the stored seating
// with empty places.
platform::Message niemandAusgewaehlt()
{
    return {QStringLiteral("Es wurden keine Spieler ausgelost: es sind keine Spieler "
                           "ausgewählt.\nBitte zuerst die Spieler auswählen und mit \"Auswahl "
                           "speichern\" übernehmen.\nDie gespeicherte Tischbelegung bleibt "
                           "unverändert."),
            platform::Buttons::Ok,
            platform::Icon::Warning,
            {},
            {}};
}

// The evening the draw continues, when "Neue Partner" is on: its earlier rounds, or none when
// the last one lies more than 12 hours back.
std::optional<Spielabend> abendDerZiehung(QList<platform::Message>& meldungen)
{
    platform::Read<Spielabend> lesung = spielabendLesen();
    if (!lesung)
        meldungen.append(lesung.messages);
    if (!lesung || !lesung.value.neuePartner)
        return std::nullopt;
    meldungen.append(lesung.messages);
    if (neuerAbendFaellig(lesung.value, platform::now()))
        lesung.value.runden.clear();
    return lesung.value;
}

// Arranges the drawn players (in the in-memory record) for new partners.
void partnerNeuVerteilen(Tischanzahl tische, Ziehungsergebnis& ergebnis, const Spielabend& abend,
                         QList<platform::Message>& meldungen)
{
    const FaireRunde runde =
        faireBelegung(tischbelegungAusRecord(tische), Optionen.Spielmodus, abend.runden);
    belegungInRecord(tische, runde.belegung);
    ergebnis.neuePartner = true;
    ergebnis.wiederholtePaare = runde.wiederholtePaare;
    if (const QString text = wiederholungsMeldung(runde, Optionen.Spielmodus); !text.isEmpty())
        meldungen.append({text, platform::Buttons::Ok, platform::Icon::Information, {}, {}});
}

void rundeAnhaengen(Spielabend abend, const Tischbelegung& belegung,
                    QList<platform::Message>& meldungen)
{
    if (belegung.istLeer())
        return;
    abend.runden.append({platform::now(), Optionen.Spielmodus, belegung});
    if (const platform::WriteResult geschrieben = spielabendSpeichern(abend); !geschrieben)
        meldungen.append(platform::errorMessage(spielabendSpeicherMeldung(geschrieben)));
}

// The pool of this draw: rebuilt from the selection file (when there is one), then loaded.
platform::Read<Poolzeilen> poolDerZiehung()
{
    const platform::Read<std::int32_t> neu = StrList();
    if (!neu) {
        platform::Read<Poolzeilen> nichts;
        nichts.file = neu.file;
        nichts.messages = neu.messages;
        return nichts;
    }
    platform::Read<Poolzeilen> pool = poolLaden();
    pool.messages = neu.messages + pool.messages;
    return pool;
}

Ziehungsergebnis melden(Ziehungsergebnis ergebnis)
{
    Q_EMIT Ziehungsmelder::instanz().ziehungBeendet(ergebnis);
    return ergebnis;
}

} // namespace

int sitzanzahl(Tischanzahl tische, std::int32_t spielmodus)
{
    if (spielmodus == kEinzel)
        return 2 * tische.zahl();
    if (spielmodus == kDoppel)
        return 4 * tische.zahl();
    return 0;
}

Sitzplatz sitzplatz(int k, std::int32_t spielmodus)
{
    if (spielmodus == kEinzel)
        return {k / 2 + 1, k % 2 == 0 ? Platz::ObenMitte : Platz::UntenMitte};
    static constexpr Platz kDoppelPlaetze[] = {Platz::ObenLinks, Platz::ObenRechts,
                                               Platz::UntenLinks, Platz::UntenRechts};
    return {k / 4 + 1, kDoppelPlaetze[k % 4]};
}

Nummernfolge nummernZiehen(std::uint32_t seed, std::int32_t spielmodus, std::int32_t sitze,
                           std::int32_t auswahlanzahl, std::int32_t poolanzahl)
{
    Nummernfolge folge;
    const std::int32_t f = auswahlanzahl;
    // random(f) gives 0 to f - 1 (0 when f is not positive): one flag per possible number.
    std::vector<bool> gezogen(size_t(std::max(f, 1)), false);
    std::int32_t p = 0;
    bool frisch = false;
    folge.nummern.reserve(std::max(0, std::min(f, poolanzahl)));
    platform::RandomRun zufall(seed);

    // One pass per pool line; each pass draws until a number comes up that was not drawn
    // before, so every pass consumes the generator exactly as the seating needs it.
    for (std::int32_t durchgang = 0; durchgang < poolanzahl; ++durchgang) {
        std::int32_t x = 0;
        do {
            x = zufall.random(f);
            if (!gezogen[size_t(x)]) {
                gezogen[size_t(x)] = true;
                folge.nummern.append(x);
                frisch = true;
            }
        } while (!frisch && p != f);
        if (p == f)
            continue;
        if (spielmodusGueltig(spielmodus)) {
            if (p < sitze)
                folge.sitzNummern.append(x);
            frisch = false;
            ++p;
        }
    }
    folge.seedDanach = zufall.seed();
    return folge;
}

Ziehungsergebnis ziehungBerechnen(Tischanzahl tische, std::int32_t spielmodus,
                                  std::int32_t auswahlanzahl, std::int32_t poolanzahl,
                                  const Poolzeilen& pool)
{
    Ziehungsergebnis ergebnis;
    ergebnis.tische = tische.zahl();
    ergebnis.belegung = Tischbelegung(tische);
    ergebnis.gezogen = true;
    const Nummernfolge folge =
        nummernZiehen(platform::randSeed(), spielmodus, sitzanzahl(tische, spielmodus),
                      auswahlanzahl, poolanzahl);
    platform::setRandSeed(folge.seedDanach);
    ergebnis.nummern = folge.nummern;
    for (int k = 0; k < folge.sitzNummern.size(); ++k) {
        const Sitzplatz sitz = sitzplatz(k, spielmodus);
        // A pool shorter than the selection it was counted from leaves the seat empty.
        ergebnis.belegung.setName(sitz.tisch, sitz.platz, pool.value(folge.sitzNummern[k]));
    }
    if (spielmodus == kDoppel)
        letztenDoppeltischReparieren(ergebnis.belegung);
    return ergebnis;
}

Ziehungsergebnis personen_zuweisen(Tischanzahl tische)
{
    nummernDerLetztenZiehung().clear();
    tischRecordLeeren(tische);

    const platform::Read<Poolzeilen> pool = poolDerZiehung();
    QList<platform::Message> meldungen = pool.messages;
    if (!pool) {
        Ziehungsergebnis ende = abgebrochen(tische);
        ende.meldungen = meldungen;
        return melden(ende);
    }
    // Without a selection file the counts of an earlier build in this run still seat players;
    // none (or an empty selection file) would seat nobody.
    if (Auswahlanzahl <= 0) {
        Ziehungsergebnis ende = abgebrochen(tische);
        ende.meldungen = meldungen;
        ende.meldungen.append(niemandAusgewaehlt());
        return melden(ende);
    }

    Ziehungsergebnis ergebnis =
        ziehungBerechnen(tische, Optionen.Spielmodus, Auswahlanzahl, Poolanzahl, pool.value);
    nummernDerLetztenZiehung() = ergebnis.nummern;

    belegungInRecord(tische, ergebnis.belegung);
    const std::optional<Spielabend> abend = abendDerZiehung(meldungen);
    if (abend)
        partnerNeuVerteilen(tische, ergebnis, *abend, meldungen);
    const platform::WriteResult gespeichert = tischSpeichern(tische);
    ergebnis.gespeichert = gespeichert.ok;
    if (gespeichert.ok)
        meldungen.append(tischLesen(tische).messages);
    else
        meldungen.append(platform::errorMessage(tischSpeicherMeldung(gespeichert)));
    ergebnis.belegung = tischbelegungAusRecord(tische);
    if (abend)
        rundeAnhaengen(*abend, ergebnis.belegung, meldungen);

    if (tische.zahl() <= 5) {
        if (const platform::WriteResult optionen = optionen_speichern(); !optionen.ok)
            meldungen.append(platform::errorMessage(platform::fileErrorMessage(optionen)));
    }
    ergebnis.meldungen = meldungen;
    return melden(ergebnis);
}

Ziehungsergebnis personen_zuweisen(int tische)
{
    if (const std::optional<Tischanzahl> anzahl = Tischanzahl::aus(tische))
        return personen_zuweisen(*anzahl);
    // No table count of the program: nothing is drawn, stored or announced.
    Ziehungsergebnis ergebnis;
    ergebnis.tische = tische;
    return ergebnis;
}

Ziehungsergebnis personen_zuweisen2t()
{
    return personen_zuweisen(Tischanzahl(2));
}
Ziehungsergebnis personen_zuweisen3t()
{
    return personen_zuweisen(Tischanzahl(3));
}
Ziehungsergebnis personen_zuweisen4t()
{
    return personen_zuweisen(Tischanzahl(4));
}
Ziehungsergebnis personen_zuweisen5t()
{
    return personen_zuweisen(Tischanzahl(5));
}
Ziehungsergebnis personen_zuweisen6t()
{
    return personen_zuweisen(Tischanzahl(6));
}

const QList<std::int32_t>& gezogeneNummern()
{
    return nummernDerLetztenZiehung();
}

Ziehungsmelder& Ziehungsmelder::instanz()
{
    static Ziehungsmelder melder;
    return melder;
}
