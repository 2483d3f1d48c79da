#pragma once

#include <QStringList>

// The two lists "Auswahl laden" shows. The pair of selection files is saved one file after
// the other, so a save cut off between the two leaves them out of step.
struct AuswahlPaar {
    QStringList links;         // the participants not picked
    QStringList rechts;        // the players picked
    bool neuAufgebaut = false; // the files disagreed: the left side was rebuilt
};

// Checks the stored lists against the participants' list texts. When they agree (no name in
// both lists beyond the participants of that name, no participant in neither list) both
// lists stay as stored. Otherwise the right list, the one the draw uses, is the truth and the
// left side becomes every participant not on it. Names are compared in their stored, cut form.
AuswahlPaar auswahlPaarAbgleichen(const QStringList& links, const QStringList& rechts,
                                  const QStringList& teilnehmer);

// Reads "aktuelle_Liste1.akt", "aktuelle_Liste2.akt" and the participant file and matches
// them as auswahlPaarAbgleichen does. A participant file that cannot be read counts as empty.
AuswahlPaar auswahlPaarLaden();
