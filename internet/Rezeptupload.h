#pragma once
// Sending one of the user's recipes to the makers: the recipe file, a small
// information file and the two rich-text side files, each copied under a
// cleaned name into DRUCKTEMP\ and put into the account's UPLOAD folder.
#include <QString>

#include "core/Globals.h"

// The example address the e-mail field starts with; it is never accepted.
extern const QString Upload_Beispieladresse;

// The name with each of blank , ; : ? # + * \ @ - / and the double quote
// replaced by "_".
QString Bereinige_Uploadname(const QString &name);

// Refused: no "@", no ".", or still the example address.
bool Pruefe_Emailadresse(const QString &adresse);

// The lines of the information file <cleaned recipe file name>.inh.
TString Upload_Informationszeilen(const QString &email, bool veroeffentlichen);

struct TUploadzaehler {
    qint32 Versucht = 0;
    qint32 Erledigt = 0;
    // An upload that sent nothing is no success.
    bool Erfolgreich() const { return Versucht > 0 && Erledigt == Versucht; }
};

// Puts the recipe file and its information file, then the remarks and the
// instructions side files (when named and present beside the recipe file),
// counting every put tried and done; a recipe whose file is missing sends
// nothing (and so is no success). The
// first recipe file that arrives deletes NoOut.hbr in the base folder. The
// staging copies are deleted in every case. A side-file name with a folder in
// it is not sent and counts as failed.
TUploadzaehler Lade_Rezept_hoch(const TTRezepteTotal &rezept, const QString &email, bool veroeffentlichen);
