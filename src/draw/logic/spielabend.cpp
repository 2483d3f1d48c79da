#include "draw/logic/spielabend.h"

#include "platform/base/clock.h"
#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"
#include "platform/base/savefile.h"

#include <QByteArrayList>
#include <cstdlib>
#include <optional>
#include <utility>

namespace
{

const QByteArray kOptionAn = "Neue Partner=1";
const QByteArray kOptionAus = "Neue Partner=0";
const QByteArray kEinzelText = "Einzel";
const QByteArray kDoppelText = "Doppel";
const QString kZeitformat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// More than any evening fills; the rest of a larger file is not read.
constexpr qsizetype kHoechstensBytes = 4 * 1024 * 1024;

QByteArray rundenZeile(const Runde& runde)
{
    QByteArrayList felder;
    felder << runde.zeit.toString(kZeitformat).toLatin1()
           << QByteArray::number(runde.belegung.tische())
           << (runde.spielmodus == 1 ? kDoppelText : kEinzelText);
    for (int t = 1; t <= runde.belegung.tische(); ++t)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            felder << platform::toCp1252(spielerName(runde.belegung.name(t, Platz(p))));
    return felder.join('\t');
}

bool enthaeltSteuerzeichen(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (platform::isControlCharacter(char32_t(static_cast<unsigned char>(c))))
            return true;
    return false;
}

// One round line, or nothing when any field is not as written.
std::optional<Runde> rundeAusZeile(const QByteArray& zeile)
{
    const QByteArrayList felder = zeile.split('\t');
    if (felder.size() < 3)
        return std::nullopt;
    Runde runde;
    runde.zeit = QDateTime::fromString(QString::fromLatin1(felder.at(0)), kZeitformat);
    // A field that is no number reads as 0, which is no table count either.
    const std::optional<Tischanzahl> tische = Tischanzahl::aus(felder.at(1).toInt());
    if (!runde.zeit.isValid() || !tische || felder.size() != 3 + kPlaetzeJeTisch * tische->zahl())
        return std::nullopt;
    if (felder.at(2) == kDoppelText)
        runde.spielmodus = 1;
    else if (felder.at(2) != kEinzelText)
        return std::nullopt;
    runde.belegung = Tischbelegung(*tische);
    for (int i = 0; i < kPlaetzeJeTisch * tische->zahl(); ++i) {
        const QByteArray& name = felder.at(3 + i);
        if (name.size() > TischSlot::capacity || enthaeltSteuerzeichen(name))
            return std::nullopt;
        runde.belegung.setName(1 + i / kPlaetzeJeTisch, Platz(i % kPlaetzeJeTisch),
                               platform::fromCp1252(name));
    }
    return runde;
}

QString anzahlText(int n, const char* einzahl, const char* mehrzahl)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

platform::Message hinweis(const QString& text)
{
    return {text, platform::Buttons::Ok, platform::Icon::Warning, {}, {}};
}

// Reads the file, adds what it has to say to `meldungen`, and writes back the evening as
// changed by `aendern`.
template <class Aenderung> QList<platform::Message> abendAendern(Aenderung aendern)
{
    platform::Read<Spielabend> lesung = spielabendLesen();
    QList<platform::Message> meldungen = lesung.messages;
    if (!lesung)
        return meldungen; // an unreadable file is left as it is
    aendern(lesung.value);
    if (const platform::WriteResult geschrieben = spielabendSpeichern(lesung.value); !geschrieben)
        meldungen.append(platform::errorMessage(spielabendSpeicherMeldung(geschrieben)));
    return meldungen;
}

} // namespace

QByteArray spielabendBytes(const Spielabend& abend)
{
    QByteArray bytes = (abend.neuePartner ? kOptionAn : kOptionAus) + "\r\n";
    for (const Runde& runde : abend.runden)
        bytes += rundenZeile(runde) + "\r\n";
    return bytes;
}

Spielabendinhalt spielabendAusBytes(const QByteArray& bytes)
{
    Spielabendinhalt inhalt;
    if (bytes.isEmpty())
        return inhalt;
    QByteArrayList zeilen = bytes.split('\n');
    for (QByteArray& zeile : zeilen)
        if (zeile.endsWith('\r'))
            zeile.chop(1);
    if (zeilen.last().isEmpty())
        zeilen.removeLast();
    const QByteArray erste = zeilen.value(0);
    if (erste != kOptionAn && erste != kOptionAus) {
        inhalt.fremd = true;
        return inhalt;
    }
    inhalt.abend.neuePartner = erste == kOptionAn;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        if (std::optional<Runde> runde = rundeAusZeile(zeilen.at(i)))
            inhalt.abend.runden.append(*runde);
        else
            ++inhalt.verworfeneZeilen;
    }
    return inhalt;
}

QString spielerName(const QString& name)
{
    TischSlot slot;
    slot.set(platform::controlCharactersAsBlanks(name));
    return slot.str();
}

QString spielabendPfad()
{
    return platform::dataFile(kSpielabendDatei);
}

QString spielabendInhaltMeldung(const Spielabendinhalt& inhalt)
{
    const QString datei = QStringLiteral("\"") + spielabendPfad() + QStringLiteral("\"");
    if (inhalt.fremd)
        return QStringLiteral("Die Datei %1 ist keine Spielabend-Datei dieses Programms. Ihr "
                              "Inhalt wird nicht berücksichtigt; die bisherigen Runden des "
                              "Abends zählen nicht.")
            .arg(datei);
    if (inhalt.verworfeneZeilen > 0)
        return QStringLiteral("Die Datei %1 enthält %2. Diese Runden werden nicht berücksichtigt.")
            .arg(datei,
                 anzahlText(inhalt.verworfeneZeilen, "beschädigte Zeile", "beschädigte Zeilen"));
    return {};
}

platform::Read<Spielabend> spielabendLesen()
{
    platform::Read<Spielabend> lesung;
    const platform::Read<QByteArray> gelesen =
        platform::readFile(spielabendPfad(), kHoechstensBytes + 1);
    lesung.file = gelesen.file;
    lesung.missing = gelesen.missing;
    if (!gelesen) {
        lesung.messages.append(platform::errorMessage(platform::fileErrorMessage(
            gelesen.file, QStringLiteral("Die Runden des Abends werden nicht berücksichtigt."))));
        return lesung;
    }
    Spielabendinhalt inhalt = spielabendAusBytes(gelesen.value.left(kHoechstensBytes));
    // A file cut off by the limit ends in a line that is counted as damaged, or in none at all.
    if (gelesen.value.size() > kHoechstensBytes && inhalt.verworfeneZeilen == 0)
        ++inhalt.verworfeneZeilen;
    lesung.value = std::move(inhalt.abend);
    if (const QString text = spielabendInhaltMeldung(inhalt); !text.isEmpty())
        lesung.messages.append(hinweis(text));
    return lesung;
}

platform::WriteResult spielabendSpeichern(const Spielabend& abend)
{
    return platform::writeFileAtomic(spielabendPfad(), spielabendBytes(abend));
}

QString spielabendSpeicherMeldung(const platform::WriteResult& geschrieben)
{
    return platform::fileErrorMessage(
        geschrieben, QStringLiteral("Die Runden des Abends sind nicht gespeichert."));
}

bool neuerAbendFaellig(const Spielabend& abend, const QDateTime& jetzt)
{
    if (abend.runden.isEmpty())
        return false;
    return std::llabs(abend.runden.last().zeit.secsTo(jetzt)) > kAbendPauseSekunden;
}

bool neuePartnerGespeichert()
{
    return spielabendLesen().value.neuePartner;
}

QList<platform::Message> neuePartnerSetzen(bool an)
{
    return abendAendern([an](Spielabend& abend) { abend.neuePartner = an; });
}

QList<platform::Message> neuenAbendBeginnen()
{
    return abendAendern([](Spielabend& abend) { abend.runden.clear(); });
}
