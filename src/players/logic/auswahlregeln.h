#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The rules of the selection dialog that need no window: the limit per table count and game
// mode, the hint texts, the list text of a participant and the order of the sorted lists.

inline constexpr int kEinzelspiele = 0;
inline constexpr int kDoppelspiele = 1;

// How many players may be picked for a table count (2 to 6) in a game mode.
struct AuswahlRegel {
    int tische = 0;
    int grenze = 0;
    QString hinweis; // "Für 2 Tische können 4 Spieler ausgewählt werden."
};

// The one rule for the table count and mode; none when the table count is not 2 to 6 or the
// mode is neither singles nor doubles (nothing chosen yet).
std::optional<AuswahlRegel> auswahlRegel(int tische, int modus);

// The dialog's caption once the right list has reached the limit of the chosen rule.
QString auswahlGrenzueberschrift(int grenze);
QString auswahlStandardueberschrift(); // "Gruppen zusammenstellen"

// The message shown when the window itself gets a key while "2 Tische" and singles are chosen.
QString auswahlTastenhinweis();

// Removes leading and trailing blanks and control characters (everything up to U+0020).
QString auswahlTrimmen(const QString& text);

// The left list's text for a participant: first name, a blank, the trimmed surname, the whole
// trimmed again. An empty first name gives the surname alone.
QString auswahlTeilnehmertext(const QString& vorname, const QString& name);

// The participants that are not picked yet: `teilnehmer` without one entry for each entry of
// `gewaehlt`, compared in the form the selection file stores them, so a name cut to 50 bytes
// is recognised. Two participants of the same name still both appear when only one is picked.
QStringList auswahlOhneGewaehlte(const QStringList& teilnehmer, const QStringList& gewaehlt);

// The order of the dialog's lists: alphabetical without regard to case.
bool auswahlVor(const QString& a, const QString& b);

// The sorted list `sortiert` with the entries of `neu` taken in: the same list as inserting
// them one by one, in the order given, each after every entry that does not sort after it (so
// equal entries keep the order in which they came), built in one merge.
// `stellen` holds, for each entry of `sortiert`, where it stands in the merged list.
struct AuswahlMischung {
    QStringList eintraege;
    QList<qsizetype> stellen;
};
AuswahlMischung auswahlEinsortieren(const QStringList& sortiert, const QStringList& neu);
