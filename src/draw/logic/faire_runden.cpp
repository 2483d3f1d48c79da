#include "draw/logic/faire_runden.h"

#include "draw/logic/ziehung.h"
#include "platform/base/random.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <utility>
#include <vector>

namespace
{

// Budgets count steps, not time, so that a fixed seed always gives the same seating.
constexpr long kSuchschritte = 200000;
constexpr long kVorausschritte = 300000;
constexpr int kTauschversuche = 20000;
constexpr int kVorausHoechstensSpieler = 12;
constexpr std::size_t kVorausKandidaten = 8;
constexpr int kFrei = -2;   // not yet placed in the search
constexpr int kAllein = -1; // alone in a group of one

constexpr std::array<Platz, 3> kObenPlaetze = {Platz::ObenLinks, Platz::ObenMitte,
                                               Platz::ObenRechts};
constexpr std::array<Platz, 3> kUntenPlaetze = {Platz::UntenLinks, Platz::UntenMitte,
                                                Platz::UntenRechts};

template <class T> void mischen(std::vector<T>& werte)
{
    for (int i = int(werte.size()) - 1; i > 0; --i)
        std::swap(werte[std::size_t(i)], werte[std::size_t(platform::random(i + 1))]);
}

// How often two players met, by player index.
class Zaehler
{
public:
    explicit Zaehler(int n) : m_n(n), m_werte(std::size_t(n) * std::size_t(n), 0) {}
    int operator()(int a, int b) const { return m_werte[index(a, b)]; }
    void dazu(int a, int b, int anzahl)
    {
        m_werte[index(a, b)] += anzahl;
        m_werte[index(b, a)] += anzahl;
    }

private:
    std::size_t index(int a, int b) const
    {
        return std::size_t(a) * std::size_t(m_n) + std::size_t(b);
    }
    int m_n;
    std::vector<int> m_werte;
};

// The filled places of the seating: seats are numbered side by side, top before bottom.
struct Aufbau {
    struct Seite {
        int tisch = 0;
        std::vector<int> sitze;
    };
    struct Tisch {
        int oben = -1; // side index or -1
        int unten = -1;
    };
    std::vector<Sitzplatz> plaetze; // seat -> place
    std::vector<QString> namen;     // seat -> name as found (player index = first seat)
    std::vector<Seite> seiten;
    std::vector<Tisch> tische; // by table number - 1
};

int seiteAnlegen(Aufbau& aufbau, const Tischbelegung& belegung, int tisch,
                 const std::array<Platz, 3>& reihe)
{
    Aufbau::Seite seite{tisch, {}};
    for (const Platz platz : reihe) {
        const QString name = belegung.name(tisch, platz);
        if (name.isEmpty())
            continue;
        seite.sitze.push_back(int(aufbau.plaetze.size()));
        aufbau.plaetze.push_back({tisch, platz});
        aufbau.namen.push_back(name);
    }
    if (seite.sitze.empty())
        return -1;
    aufbau.seiten.push_back(std::move(seite));
    return int(aufbau.seiten.size()) - 1;
}

Aufbau aufbauLesen(const Tischbelegung& belegung)
{
    Aufbau aufbau;
    for (int t = 1; t <= belegung.tische(); ++t) {
        Aufbau::Tisch tisch;
        tisch.oben = seiteAnlegen(aufbau, belegung, t, kObenPlaetze);
        tisch.unten = seiteAnlegen(aufbau, belegung, t, kUntenPlaetze);
        aufbau.tische.push_back(tisch);
    }
    return aufbau;
}

// Counts who was whose partner and opponent in the earlier rounds, for the players seated
// now. Players are told apart by their stored names.
void verlaufZaehlen(const std::vector<QString>& namen, const QList<Runde>& runden, Zaehler& partner,
                    Zaehler& gegner)
{
    QHash<QString, std::vector<int>> spieler;
    for (int i = 0; i < int(namen.size()); ++i)
        spieler[spielerName(namen[std::size_t(i)])].push_back(i);
    auto reihe = [&](const Tischbelegung& b, int t, const std::array<Platz, 3>& plaetze) {
        std::vector<const std::vector<int>*> gefunden;
        for (const Platz platz : plaetze) {
            const auto treffer = spieler.constFind(spielerName(b.name(t, platz)));
            if (treffer != spieler.cend() && !b.name(t, platz).isEmpty())
                gefunden.push_back(&*treffer);
        }
        return gefunden;
    };
    auto zaehlen = [](Zaehler& z, const std::vector<int>& a, const std::vector<int>& b) {
        for (const int i : a)
            for (const int j : b)
                if (i != j)
                    z.dazu(i, j, 1);
    };
    for (const Runde& runde : runden) {
        for (int t = 1; t <= runde.belegung.tische(); ++t) {
            const auto oben = reihe(runde.belegung, t, kObenPlaetze);
            const auto unten = reihe(runde.belegung, t, kUntenPlaetze);
            for (const auto& seite : {oben, unten})
                for (std::size_t p = 0; p < seite.size(); ++p)
                    for (std::size_t q = p + 1; q < seite.size(); ++q)
                        zaehlen(partner, *seite[p], *seite[q]);
            for (const auto* a : oben)
                for (const auto* b : unten)
                    zaehlen(gegner, *a, *b);
        }
    }
}

// Splits the players into pairs and players on their own, as many of each as the seating has
// groups of two and of one, with the cost of a pair from `kosten`. Calls `treffer` for every
// split whose cost stays within `grenze` (which `treffer` may lower) until it returns true
// or the steps run out. With `zufaellig` the choices are tried in a random order.
struct Aufteilung {
    const Zaehler& kosten;
    int paare = 0;
    int einzelne = 0;
    long& schritte;
    bool zufaellig = false;
    int grenze = INT_MAX;
    std::vector<int> reihe;
    std::vector<int> partner; // kAllein, kFrei or the partner's index
    std::function<bool(int)> treffer;

    Aufteilung(const Zaehler& k, int n, int zweier, int einer, long& budget, bool zufall)
        : kosten(k), paare(zweier), einzelne(einer), schritte(budget), zufaellig(zufall),
          partner(std::size_t(n), kFrei)
    {
        for (int i = 0; i < n; ++i)
            reihe.push_back(i);
        if (zufaellig)
            mischen(reihe);
    }

    bool suchen() { return weiter(0, 0); }

    bool weiter(std::size_t pos, int summe)
    {
        if (summe > grenze)
            return false;
        while (pos < reihe.size() && partner[std::size_t(reihe[pos])] != kFrei)
            ++pos;
        if (pos == reihe.size())
            return treffer(summe);
        if (--schritte < 0)
            return true;
        const int u = reihe[pos];
        std::vector<int> wahl;
        if (einzelne > 0)
            wahl.push_back(kAllein);
        if (paare > 0)
            for (std::size_t q = pos + 1; q < reihe.size(); ++q)
                if (partner[std::size_t(reihe[q])] == kFrei)
                    wahl.push_back(reihe[q]);
        if (zufaellig)
            mischen(wahl);
        for (const int v : wahl) {
            bool ende = false;
            if (v == kAllein) {
                partner[std::size_t(u)] = kAllein;
                --einzelne;
                ende = weiter(pos + 1, summe);
                ++einzelne;
                partner[std::size_t(u)] = kFrei;
            } else {
                const int neu = summe + kosten(u, v);
                if (neu > grenze)
                    continue;
                partner[std::size_t(u)] = v;
                partner[std::size_t(v)] = u;
                --paare;
                ende = weiter(pos + 1, neu);
                ++paare;
                partner[std::size_t(u)] = kFrei;
                partner[std::size_t(v)] = kFrei;
            }
            if (ende)
                return true;
        }
        return false;
    }
};

void paareEintragen(Zaehler& z, const std::vector<int>& partner, int anzahl)
{
    for (int u = 0; u < int(partner.size()); ++u)
        if (partner[std::size_t(u)] > u)
            z.dazu(u, partner[std::size_t(u)], anzahl);
}

// The fewest new pairs any player still has: no more rounds without a repeat can follow.
int hoechstensWeitere(const Zaehler& z, int n)
{
    int wenigste = INT_MAX;
    for (int u = 0; u < n; ++u) {
        int frei = 0;
        for (int v = 0; v < n; ++v)
            frei += (v != u && z(u, v) == 0) ? 1 : 0;
        wenigste = std::min(wenigste, frei);
    }
    return wenigste;
}

// How many more rounds (up to `rest`) can follow without a repeated pair.
int vorausTiefe(Zaehler& z, int n, int paare, int rest, long& schritte)
{
    if (rest <= 0 || schritte <= 0)
        return 0;
    int beste = 0;
    Aufteilung suche(z, n, paare, 0, schritte, false);
    suche.grenze = 0;
    suche.treffer = [&](int) {
        const std::vector<int> split = suche.partner;
        paareEintragen(z, split, 1);
        beste = std::max(beste, 1 + vorausTiefe(z, n, paare, rest - 1, schritte));
        paareEintragen(z, split, -1);
        return beste >= rest;
    };
    suche.suchen();
    return beste;
}

// Among all splits without a repeat, those after which the most further rounds can go without
// one; a few of them, picked at random.
std::vector<std::vector<int>> vorausWaehlen(Zaehler& z, int n, int paare)
{
    long schritte = kVorausschritte;
    std::vector<std::vector<int>> alle;
    {
        Aufteilung suche(z, n, paare, 0, schritte, false);
        suche.grenze = 0;
        suche.treffer = [&](int) {
            alle.push_back(suche.partner);
            return false;
        };
        suche.suchen();
    }
    mischen(alle);
    std::vector<std::vector<int>> beste;
    int besteTiefe = -1;
    for (const std::vector<int>& split : alle) {
        if (schritte <= 0 && !beste.empty())
            break;
        paareEintragen(z, split, 1);
        const int obergrenze = hoechstensWeitere(z, n);
        const int tiefe = vorausTiefe(z, n, paare, obergrenze, schritte);
        paareEintragen(z, split, -1);
        if (tiefe > besteTiefe) {
            besteTiefe = tiefe;
            beste.clear();
        }
        if (tiefe == besteTiefe)
            beste.push_back(split);
        if (tiefe == obergrenze && beste.size() >= kVorausKandidaten)
            break;
    }
    return beste;
}

struct Kosten {
    long long erst = 0;
    long long dann = 0;
    friend auto operator<=>(const Kosten&, const Kosten&) = default;
};

class Anordnung
{
public:
    Anordnung(const Aufbau& aufbau, const Zaehler& partner, const Zaehler& gegner, bool doppel)
        : m_aufbau(aufbau), m_partner(partner), m_gegner(gegner), m_doppel(doppel)
    {
    }

    // The groups the first aim splits the players into: the sides in doubles, the tables in
    // singles; as lists of seats.
    std::vector<std::vector<int>> gruppen() const
    {
        std::vector<std::vector<int>> liste;
        if (m_doppel) {
            for (const Aufbau::Seite& seite : m_aufbau.seiten)
                liste.push_back(seite.sitze);
            return liste;
        }
        for (const Aufbau::Tisch& tisch : m_aufbau.tische) {
            std::vector<int> sitze;
            for (const int s : {tisch.oben, tisch.unten})
                if (s >= 0)
                    sitze.insert(sitze.end(), m_aufbau.seiten[std::size_t(s)].sitze.begin(),
                                 m_aufbau.seiten[std::size_t(s)].sitze.end());
            if (!sitze.empty())
                liste.push_back(sitze);
        }
        return liste;
    }

    // Seats the pairs and the players on their own of a split in the groups, at random.
    std::vector<int> verteilen(const std::vector<int>& split,
                               const std::vector<std::vector<int>>& gruppen) const
    {
        std::vector<std::pair<int, int>> paare;
        std::vector<int> einzelne;
        for (int u = 0; u < int(split.size()); ++u) {
            if (split[std::size_t(u)] == kAllein)
                einzelne.push_back(u);
            else if (split[std::size_t(u)] > u)
                paare.emplace_back(u, split[std::size_t(u)]);
        }
        mischen(paare);
        mischen(einzelne);
        std::vector<int> sitz(m_aufbau.plaetze.size(), 0);
        for (const std::vector<int>& gruppe : gruppen) {
            if (gruppe.size() == 2) {
                sitz[std::size_t(gruppe[0])] = paare.back().first;
                sitz[std::size_t(gruppe[1])] = paare.back().second;
                paare.pop_back();
            } else {
                sitz[std::size_t(gruppe[0])] = einzelne.back();
                einzelne.pop_back();
            }
        }
        return sitz;
    }

    Kosten kosten(const std::vector<int>& sitz) const
    {
        long long partner = 0;
        long long gegner = 0;
        for (const Aufbau::Seite& seite : m_aufbau.seiten)
            for (std::size_t p = 0; p < seite.sitze.size(); ++p)
                for (std::size_t q = p + 1; q < seite.sitze.size(); ++q)
                    partner += m_partner(sitz[std::size_t(seite.sitze[p])],
                                         sitz[std::size_t(seite.sitze[q])]);
        for (const Aufbau::Tisch& tisch : m_aufbau.tische) {
            if (tisch.oben < 0 || tisch.unten < 0)
                continue;
            for (const int a : m_aufbau.seiten[std::size_t(tisch.oben)].sitze)
                for (const int b : m_aufbau.seiten[std::size_t(tisch.unten)].sitze)
                    gegner += m_gegner(sitz[std::size_t(a)], sitz[std::size_t(b)]);
        }
        return m_doppel ? Kosten{partner, gegner} : Kosten{gegner, 0};
    }

    // Fewer repeated opponents by swapping players or whole sides, never giving up anything
    // of the first aim. With `gruppenFest` the pairs stay together (only sides move).
    void verbessern(std::vector<int>& sitz, bool gruppenFest) const
    {
        const int seiten = int(m_aufbau.seiten.size());
        const int sitze = int(sitz.size());
        if (!m_doppel || seiten < 2)
            return;
        Kosten jetzt = kosten(sitz);
        // Tries end after a long run without a gain; moves that keep the cost still walk on,
        // so that seatings of equal cost are all reached.
        const int geduld = 300 + 30 * sitze;
        int ohneGewinn = 0;
        for (int versuch = 0; versuch < kTauschversuche && jetzt.dann > 0 && ohneGewinn < geduld;
             ++versuch) {
            ++ohneGewinn;
            std::vector<int> neu = sitz;
            if (gruppenFest || platform::random(2) == 0) {
                const auto& a = m_aufbau.seiten[std::size_t(platform::random(seiten))].sitze;
                const auto& b = m_aufbau.seiten[std::size_t(platform::random(seiten))].sitze;
                if (a.size() != b.size())
                    continue;
                for (std::size_t i = 0; i < a.size(); ++i)
                    std::swap(neu[std::size_t(a[i])], neu[std::size_t(b[i])]);
            } else {
                std::swap(neu[std::size_t(platform::random(sitze))],
                          neu[std::size_t(platform::random(sitze))]);
            }
            const Kosten k = kosten(neu);
            if (k < jetzt)
                ohneGewinn = 0;
            if (k <= jetzt) {
                sitz = std::move(neu);
                jetzt = k;
            }
        }
    }

private:
    const Aufbau& m_aufbau;
    const Zaehler& m_partner;
    const Zaehler& m_gegner;
    bool m_doppel;
};

// Player index per place: [table - 1][place], -1 for an empty place.
using Feld = std::vector<std::array<int, kPlaetzeJeTisch>>;

int form(const std::array<int, kPlaetzeJeTisch>& tisch)
{
    int bits = 0;
    for (int p = 0; p < kPlaetzeJeTisch; ++p)
        if (tisch[std::size_t(p)] >= 0)
            bits |= 1 << p;
    return bits;
}

// Moves players between places that are alike for partners and opponents: tables of the
// same shape change their players, the two sides of a table change when they have the same
// shape, and the players of one side change places among them.
void gleichwertigeMischen(Feld& feld)
{
    std::vector<int> formen;
    for (const auto& tisch : feld)
        formen.push_back(form(tisch));
    for (std::size_t t = 0; t < feld.size(); ++t) {
        if (std::find(formen.begin(), formen.begin() + std::ptrdiff_t(t), formen[t]) !=
            formen.begin() + std::ptrdiff_t(t))
            continue; // this shape was shuffled with its first table
        std::vector<std::size_t> gleiche;
        for (std::size_t u = t; u < feld.size(); ++u)
            if (formen[u] == formen[t])
                gleiche.push_back(u);
        for (int i = int(gleiche.size()) - 1; i > 0; --i)
            std::swap(feld[gleiche[std::size_t(i)]],
                      feld[gleiche[std::size_t(platform::random(i + 1))]]);
    }
    for (auto& tisch : feld) {
        const int bits = form(tisch);
        if ((bits & 7) == (bits >> 3) && platform::random(2) == 1)
            for (int p = 0; p < 3; ++p)
                std::swap(tisch[std::size_t(p)], tisch[std::size_t(p + 3)]);
        for (int reihe = 0; reihe < 2; ++reihe) {
            std::vector<int> belegt;
            for (int p = 3 * reihe; p < 3 * reihe + 3; ++p)
                if (tisch[std::size_t(p)] >= 0)
                    belegt.push_back(p);
            std::vector<int> spieler;
            for (const int p : belegt)
                spieler.push_back(tisch[std::size_t(p)]);
            mischen(spieler);
            for (std::size_t i = 0; i < belegt.size(); ++i)
                tisch[std::size_t(belegt[i])] = spieler[i];
        }
    }
}

int wiederholt(const Zaehler& z, const std::vector<int>& a, const std::vector<int>& b, bool innen)
{
    int anzahl = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = innen ? i + 1 : 0; j < b.size(); ++j)
            anzahl += z(a[i], b[j]) > 0 ? 1 : 0;
    return anzahl;
}

// The seating of `feld` on the tables of `gezogen`, every place set anew.
FaireRunde ergebnis(const Tischbelegung& gezogen, const Feld& feld, const Aufbau& aufbau,
                    const Zaehler& partner, const Zaehler& gegner, bool doppel)
{
    FaireRunde runde;
    runde.belegung = gezogen;
    int partnerWieder = 0;
    int gegnerWieder = 0;
    for (int t = 0; t < int(feld.size()); ++t) {
        std::vector<int> oben, unten;
        for (int p = 0; p < kPlaetzeJeTisch; ++p) {
            const int spieler = feld[std::size_t(t)][std::size_t(p)];
            if (spieler < 0) {
                runde.belegung.setName(t + 1, Platz(p), {});
                continue;
            }
            runde.belegung.setName(t + 1, Platz(p), aufbau.namen[std::size_t(spieler)]);
            (p < 3 ? oben : unten).push_back(spieler);
        }
        partnerWieder +=
            wiederholt(partner, oben, oben, true) + wiederholt(partner, unten, unten, true);
        gegnerWieder += wiederholt(gegner, oben, unten, false);
    }
    runde.wiederholtePaare = doppel ? partnerWieder : gegnerWieder;
    runde.wiederholteGegner = doppel ? gegnerWieder : 0;
    return runde;
}

} // namespace

FaireRunde faireBelegung(const Tischbelegung& belegung, std::int32_t spielmodus,
                         const QList<Runde>& runden)
{
    const Aufbau aufbau = aufbauLesen(belegung);
    const int n = int(aufbau.namen.size());
    const bool doppel = spielmodus == kDoppel;
    Zaehler partner(n);
    Zaehler gegner(n);
    verlaufZaehlen(aufbau.namen, runden, partner, gegner);

    // The seating as drawn, as a start and for the case nothing is to be chosen.
    Feld feld(aufbau.tische.size());
    for (auto& tisch : feld)
        tisch.fill(-1);
    std::vector<int> sitz(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s)
        sitz[std::size_t(s)] = s;

    const Anordnung anordnung(aufbau, partner, gegner, doppel);
    const std::vector<std::vector<int>> gruppen = anordnung.gruppen();
    const bool waehlbar = n >= 2 && std::all_of(gruppen.begin(), gruppen.end(),
                                                [](const auto& g) { return g.size() <= 2; });
    if (waehlbar) {
        const int paare = int(std::count_if(gruppen.begin(), gruppen.end(),
                                            [](const auto& g) { return g.size() == 2; }));
        const int einzelne = int(gruppen.size()) - paare;
        Zaehler& erstes = doppel ? partner : gegner;

        // The split with the fewest repeats; the first without any ends the search.
        long schritte = kSuchschritte;
        std::vector<int> bester;
        Aufteilung suche(erstes, n, paare, einzelne, schritte, true);
        suche.treffer = [&](int summe) {
            bester = suche.partner;
            suche.grenze = summe - 1;
            return summe == 0;
        };
        suche.suchen();

        std::vector<std::vector<int>> kandidaten;
        if (!bester.empty())
            kandidaten.push_back(bester);
        bool vorausGewaehlt = false;
        if (suche.grenze == -1 && einzelne == 0 && n <= kVorausHoechstensSpieler) {
            kandidaten = vorausWaehlen(erstes, n, paare);
            vorausGewaehlt = true;
        }

        Kosten besteKosten{LLONG_MAX, LLONG_MAX};
        for (const std::vector<int>& split : kandidaten) {
            std::vector<int> versuch = anordnung.verteilen(split, gruppen);
            anordnung.verbessern(versuch, vorausGewaehlt);
            if (const Kosten k = anordnung.kosten(versuch); k < besteKosten) {
                besteKosten = k;
                sitz = std::move(versuch);
            }
        }
    }

    for (int s = 0; s < n; ++s) {
        const Sitzplatz platz = aufbau.plaetze[std::size_t(s)];
        feld[std::size_t(platz.tisch - 1)][std::size_t(platz.platz)] = sitz[std::size_t(s)];
    }
    if (waehlbar)
        gleichwertigeMischen(feld);
    return ergebnis(belegung, feld, aufbau, partner, gegner, doppel);
}

QString wiederholungsMeldung(const FaireRunde& runde, std::int32_t spielmodus)
{
    const int n = runde.wiederholtePaare;
    if (n <= 0)
        return {};
    const bool doppel = spielmodus == kDoppel;
    const QString paare = n == 1 ? QStringLiteral("1 Paar") : QStringLiteral("%1 Paare").arg(n);
    const QString spielen = n == 1 ? QStringLiteral("spielt") : QStringLiteral("spielen");
    return QStringLiteral("Neue Partner: Ohne Wiederholung ging es nicht mehr; %1 %2 heute nicht "
                          "zum ersten Mal %3.")
        .arg(paare, spielen, doppel ? QStringLiteral("zusammen") : QStringLiteral("gegeneinander"));
}
