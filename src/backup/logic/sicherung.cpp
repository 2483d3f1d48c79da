#include "backup/logic/sicherung.h"

#include "platform/base/cp1252.h"
#include "platform/base/filecopy.h"
#include "platform/base/folderlisting.h"
#include "platform/base/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

const QStringList& datendateiMasken()
{
    static const QStringList masken = {
        QStringLiteral("*.opt"), QStringLiteral("*.frb"), QStringLiteral("*.adr"),
        QStringLiteral("*.akt"), QStringLiteral("*.dat"), QStringLiteral("*.ti2"),
        QStringLiteral("*.ti3"), QStringLiteral("*.ti4"), QStringLiteral("*.ti5"),
        QStringLiteral("*.ti6"), QStringLiteral("*.txt")};
    return masken;
}

QString standardSicherungsordner()
{
    return QDir::homePath() + QStringLiteral("/Zorbel_Master_Backup");
}

QString datumsanhang(const QDate& datum)
{
    return QStringLiteral("%1_%2_%3")
        .arg(datum.day(), 2, 10, QLatin1Char('0'))
        .arg(datum.month(), 2, 10, QLatin1Char('0'))
        .arg(datum.year(), 4, 10, QLatin1Char('0'));
}

QString mitTrenner(const QString& ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

namespace
{

QString tildeErweitert(const QString& eingabe)
{
    if (eingabe == QLatin1String("~") || eingabe.startsWith(QLatin1String("~/")))
        return QDir::homePath() + eingabe.mid(1);
    return eingabe;
}

QString ohneTrennerAmEnde(QString ordner)
{
    while (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    return ordner;
}

// The first character (a whole code point) that Windows-1252 cannot hold; empty when none.
QString ersterFremderBuchstabe(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype laenge = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString zeichen = text.mid(i, laenge);
        if (platform::fromCp1252(platform::toCp1252(zeichen)) != zeichen)
            return zeichen;
        i += laenge - 1;
    }
    return {};
}

} // namespace

bool fremderOrdner(const QString& gespeichert)
{
    static const QRegularExpression laufwerksbuchstabe(QStringLiteral("^[A-Za-z]:"));
    return gespeichert.contains(QLatin1Char('\\')) ||
           laufwerksbuchstabe.match(gespeichert).hasMatch();
}

Ordnerpruefung ordnerPruefen(const QString& eingabe)
{
    Ordnerpruefung pruefung;
    pruefung.ordner = tildeErweitert(eingabe);
    if (fremderOrdner(pruefung.ordner) || QDir::isRelativePath(pruefung.ordner)) {
        pruefung.grund =
            QStringLiteral("„%1“ ist kein vollständiger Ordnerpfad auf diesem "
                           "Rechner.\nBitte geben Sie den Ordner mit seinem ganzen Pfad an: er "
                           "beginnt mit „/“ oder „~/“.")
                .arg(eingabe);
        return pruefung;
    }
    pruefung.brauchbar = true;
    const QString gespeichert = ohneTrennerAmEnde(pruefung.ordner);
    if (const QString zeichen = ersterFremderBuchstabe(gespeichert); !zeichen.isEmpty()) {
        pruefung.grund = QStringLiteral("Der Ordner „%1“ enthält das Zeichen "
                                        "„%2“, das die Einstellungsdatei nicht "
                                        "speichern kann.")
                             .arg(pruefung.ordner, zeichen);
        return pruefung;
    }
    const qsizetype laenge = platform::toCp1252(gespeichert).size();
    if (laenge > kOrdnerSpeicherBytes) {
        pruefung.grund = QStringLiteral("Der Ordner „%1“ ist zu lang für die "
                                        "Einstellungsdatei: er hat %2 Zeichen, gespeichert werden "
                                        "höchstens %3.")
                             .arg(pruefung.ordner, QString::number(laenge),
                                  QString::number(kOrdnerSpeicherBytes));
        return pruefung;
    }
    pruefung.speicherbar = true;
    return pruefung;
}

QString speicherform(const QString& ordner)
{
    const QString mit = mitTrenner(ordner);
    if (platform::toCp1252(mit).size() <= kOrdnerSpeicherBytes)
        return mit;
    return ohneTrennerAmEnde(ordner);
}

QString gespeicherterSicherungsordner(const QString& gespeichert)
{
    if (gespeichert.isEmpty() || fremderOrdner(gespeichert))
        return {};
    const QString ordner = tildeErweitert(gespeichert);
    return QDir::isRelativePath(ordner) ? QString() : ordner;
}

QString datumsordner(const QString& ordner, const QDate& datum)
{
    const QString anhang = datumsanhang(datum);
    const QString basis = ohneTrennerAmEnde(ordner);
    if (QFileInfo(basis).fileName() == anhang)
        return mitTrenner(basis);
    return mitTrenner(ordner) + anhang + QLatin1Char('/');
}

bool gleicherOrdner(const QString& a, const QString& b)
{
    const QFileInfo erster(a);
    const QFileInfo zweiter(b);
    if (a.isEmpty() || b.isEmpty() || !erster.isDir() || !zweiter.isDir())
        return false;
    return erster.canonicalFilePath() == zweiter.canonicalFilePath();
}

bool verz_anl(const QString& ordner)
{
    if (ordner.isEmpty())
        return false;
    return QDir().mkpath(ordner) && QFileInfo(ordner).isDir();
}

namespace
{

QRegularExpression maskenausdruck(const QString& maske)
{
    QString muster;
    for (const QChar c : maske) {
        if (c == QLatin1Char('*'))
            muster += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            muster += QLatin1Char('.');
        else
            muster += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(muster),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

// A mask compiled once, then tested against any number of names.
class Dateimaske
{
public:
    explicit Dateimaske(const QString& maske) : m_ausdruck(maskenausdruck(maske))
    {
        // "*.adr" and its kind, every data-file mask, need no expression: a plain comparison
        // of the name's end finds the same files.
        const QString rest = maske.mid(1);
        if (maske.startsWith(QLatin1Char('*')) && !rest.contains(QLatin1Char('*')) &&
            !rest.contains(QLatin1Char('?')) &&
            std::all_of(rest.cbegin(), rest.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            m_endung = rest;
        // "Tisch2.*" also finds a file "Tisch2" without any extension.
        if (maske.endsWith(QStringLiteral(".*")))
            m_ohneEndung = maskenausdruck(maske.chopped(2));
    }

    bool passt(const QString& name) const
    {
        if (m_endung)
            return name.endsWith(*m_endung, Qt::CaseInsensitive) ||
                   (m_ohneEndung && m_ohneEndung->match(name).hasMatch());
        return m_ausdruck.match(name).hasMatch() ||
               (m_ohneEndung && m_ohneEndung->match(name).hasMatch());
    }

private:
    QRegularExpression m_ausdruck;
    std::optional<QString> m_endung; // the end every matching name has, when that is all
    std::optional<QRegularExpression> m_ohneEndung;
};

// The names of the folder's files that can be copied, as the folder lists them: a save or copy
// cut off by a crash leaves its temporary file, which is never data.
QStringList kopierbareNamen(const QString& ordner)
{
    QStringList namen = platform::filesInFolder(ordner);
    namen.removeIf([](const QString& name) { return platform::isTemporarySaveName(name); });
    return namen;
}

// The names of a folder's files (kopierbareNamen) that match the mask, sorted by name ignoring
// case, as QDir sorts by Name | IgnoreCase.
QStringList treffer(const QStringList& namen, const QString& maske)
{
    const Dateimaske gesucht(maske);
    struct Treffer {
        QString klein;
        QString name;
    };
    std::vector<Treffer> gefunden;
    for (const QString& name : namen) {
        if (gesucht.passt(name))
            gefunden.push_back({name.toLower(), name});
    }
    std::stable_sort(gefunden.begin(), gefunden.end(),
                     [](const Treffer& a, const Treffer& b) { return a.klein < b.klein; });
    QStringList sortiert;
    sortiert.reserve(qsizetype(gefunden.size()));
    for (Treffer& t : gefunden)
        sortiert.append(std::move(t.name));
    return sortiert;
}

} // namespace

bool passtZurMaske(const QString& name, const QString& maske)
{
    return Dateimaske(maske).passt(name);
}

QStringList dateienDerMaske(const QString& ordner, const QString& maske)
{
    return treffer(kopierbareNamen(ordner), maske);
}

bool Kopierlauf::KopiereDatei(const QString& quelle, const QString& ziel)
{
    const platform::FileResult kopie = platform::copyFileReplacing(quelle, ziel);
    if (!kopie.ok) {
        m_meldungen.append(
            platform::errorMessage(platform::copyFailureReport(kopie, quelle, ziel)));
        return false;
    }
    m_kopiert = true;
    m_kopien.append(ziel);
    return true;
}

bool Kopierlauf::Dir_lesen(const QString& quellordner, const QString& zielordner,
                           const QString& maske)
{
    const QString von = mitTrenner(quellordner);
    const QString nach = mitTrenner(zielordner);
    // Copies cut off in an earlier run left their hidden temporary files in the target;
    // they go once per run and target, not once per mask.
    if (!m_bereinigteZiele.contains(nach)) {
        platform::removeTemporarySaveFiles(nach);
        m_bereinigteZiele.insert(nach);
    }
    // The source folder is listed once per run; each mask is tested against that listing.
    auto liste = m_quelllisten.find(von);
    if (liste == m_quelllisten.end())
        liste = m_quelllisten.insert(von, kopierbareNamen(von));
    for (const QString& name : treffer(*liste, maske)) {
        if (m_fortschritt)
            m_fortschritt(von + name, nach + name);
        if (!KopiereDatei(von + name, nach + name))
            return false;
    }
    return true;
}

bool Kopierlauf::verz_lesen(const QString& quellordner, const QString& zielordner)
{
    for (const QString& maske : datendateiMasken()) {
        if (!Dir_lesen(quellordner, zielordner, maske))
            return false;
    }
    return true;
}

int laufwerkPruefen(const QString& wurzel)
{
    const platform::FolderProbe befund = platform::probeFolder(wurzel);
    if (!befund.opened)
        return (befund.errorCode == ENOENT || befund.errorCode == ENOTDIR) ? 3 : befund.errorCode;
    if (befund.hasEntries)
        return 0;
    return befund.errorCode != 0 ? befund.errorCode : 18;
}

QString laufwerkswurzel(QChar lw)
{
    return QString(lw) + QStringLiteral(":/");
}

Laufwerksmeldung laufwerksmeldung(QChar lw, int befund)
{
    switch (befund) {
    case 0:
        return {QString(), true};
    case 2:
    case 18:
        return {QStringLiteral("Diskette im Laufwerk %1 ist leer !").arg(lw), true};
    case 3:
    case 21:
        return {QStringLiteral("Keine Diskette im Laufwerk %1").arg(lw), false};
    default:
        return {QStringLiteral("Diskette nicht formatiert!%1").arg(befund), false};
    }
}

bool brauchtLaufwerkspruefung(const QString& sicherungsordner)
{
    return sicherungsordner.size() >= 2 && sicherungsordner.at(0).toUpper() == QLatin1Char('A') &&
           sicherungsordner.at(1) == QLatin1Char(':');
}
