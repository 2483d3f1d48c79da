#include "players/logic/adressverwaltung.h"

#include "platform/base/cp1252.h"
#include "platform/base/fileresult.h"
#include "platform/base/typedfile.h"

#include <QStringList>

namespace
{

template <int N> QByteArray alsGespeichert(const QString& text)
{
    platform::ShortString<N> feld;
    feld.set(text);
    return feld.bytes();
}

bool istRandzeichen(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// What of `text` its comparison form is made of: without blanks and control bytes at the ends.
QByteArrayView vergleichsbereich(QByteArrayView text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && istRandzeichen(text.at(anfang)))
        ++anfang;
    while (ende > anfang && istRandzeichen(text.at(ende - 1)))
        --ende;
    return text.sliced(anfang, ende - anfang);
}

char grossbuchstabe(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Whether `text` in its comparison form (adresseVergleichsform) is `form`, without building it.
bool gleicheVergleichsform(QByteArrayView text, QByteArrayView form)
{
    const QByteArrayView bereich = vergleichsbereich(text);
    if (bereich.size() != form.size())
        return false;
    for (qsizetype i = 0; i < form.size(); ++i)
        if (grossbuchstabe(bereich.at(i)) != form.at(i))
            return false;
    return true;
}

template <int N> QByteArrayView feldansicht(const platform::ShortString<N>& feld)
{
    return QByteArrayView(feld.text, feld.usedLength());
}

} // namespace

TAdressRec adresseAusFeldern(const AdressFelder& felder)
{
    TAdressRec adresse = leereAdresse();
    adresse.Name.set(felder.name);
    adresse.Vorname.set(felder.vorname);
    adresse.Strasse.set(felder.strasse);
    adresse.PlzOrt.set(felder.plzOrt);
    adresse.Telefon.set(felder.telefon);
    adresse.Fax.set(felder.fax);
    adresse.Mobil.set(felder.mobil);
    adresse.Email.set(felder.email);
    return adresse;
}

AdressFelder adresseFelder(const TAdressRec& adresse)
{
    return {adresse.Name.str(),   adresse.Vorname.str(), adresse.Strasse.str(),
            adresse.PlzOrt.str(), adresse.Telefon.str(), adresse.Fax.str(),
            adresse.Mobil.str(),  adresse.Email.str()};
}

bool adresseHatNamen(const AdressFelder& felder)
{
    return !platform::controlCharactersAsBlanks(felder.name).trimmed().isEmpty() ||
           !platform::controlCharactersAsBlanks(felder.vorname).trimmed().isEmpty();
}

AdressFelder adresseSpeicherbar(const AdressFelder& felder)
{
    const auto speicherbar = [](const QString& text) {
        return platform::nearestCp1252Text(platform::controlCharactersAsBlanks(text));
    };
    return {speicherbar(felder.name),   speicherbar(felder.vorname), speicherbar(felder.strasse),
            speicherbar(felder.plzOrt), speicherbar(felder.telefon), speicherbar(felder.fax),
            speicherbar(felder.mobil),  speicherbar(felder.email)};
}

QString adresseErsatzMeldung(const AdressFelder& eingabe, const AdressFelder& gespeichert)
{
    const struct {
        const char* beschriftung;
        QString AdressFelder::*feld;
    } felder[] = {{"Name", &AdressFelder::name},       {"Vorname", &AdressFelder::vorname},
                  {"Strasse", &AdressFelder::strasse}, {"Plz/Ort", &AdressFelder::plzOrt},
                  {"Telefon", &AdressFelder::telefon}, {"Fax", &AdressFelder::fax},
                  {"Mobil", &AdressFelder::mobil},     {"Email", &AdressFelder::email}};
    QStringList zeilen;
    for (const auto& f : felder) {
        if (eingabe.*f.feld != gespeichert.*f.feld)
            zeilen.append(QString::fromLatin1(f.beschriftung) + QStringLiteral(": ") +
                          gespeichert.*f.feld);
    }
    if (zeilen.isEmpty())
        return {};
    return QStringLiteral("Einige Buchstaben kann die Teilnehmerdatei nicht speichern; sie "
                          "werden durch die nächstliegenden ersetzt.\nGespeichert wird:\n") +
           zeilen.join(QLatin1Char('\n'));
}

QByteArray adresseVergleichsform(QByteArrayView text)
{
    QByteArray form = vergleichsbereich(text).toByteArray();
    for (char& c : form)
        c = grossbuchstabe(c);
    return form;
}

bool adresseOhneNamen(const TAdressRec& adresse)
{
    return vergleichsbereich(feldansicht(adresse.Name)).isEmpty() &&
           vergleichsbereich(feldansicht(adresse.Vorname)).isEmpty();
}

AdressFund adresse_pruefen(const QList<TAdressRec>& adressen, const QString& name,
                           const QString& vorname)
{
    const QByteArray gesuchterName = adresseVergleichsform(alsGespeichert<60>(name));
    const QByteArray gesuchterVorname = adresseVergleichsform(alsGespeichert<60>(vorname));
    for (qsizetype i = 0; i < adressen.size(); ++i) {
        const TAdressRec& adresse = adressen.at(i);
        if (gleicheVergleichsform(feldansicht(adresse.Name), gesuchterName) &&
            gleicheVergleichsform(feldansicht(adresse.Vorname), gesuchterVorname))
            return {true, int(i) + 1};
    }
    return {};
}

platform::Read<QList<TAdressRec>> adressenPruefendLesen()
{
    return platform::readRecordFile<TAdressRec>(adressdateiPfad());
}

QString adressFehlermeldung(const platform::FileResult& fehler)
{
    if (fehler.action == platform::FileAction::Read)
        return platform::fileErrorMessage(fehler, QStringLiteral("Die Datei bleibt unverändert."));
    return platform::fileErrorMessage(fehler);
}

platform::WriteResult adressenSchreiben(const QList<TAdressRec>& adressen)
{
    return platform::saveRecords(adressdateiPfad(), adressen);
}
