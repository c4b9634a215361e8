#pragma once
// The interactive recipe file Recipes\IAKochen\<name>.IAK: the working
// recipe's name, category and items, the recipe lines and five fields of the
// kitchen state.
#include <QString>

#include "core/Globals.h"

extern const QString IAKopf;       // "[IATAFELWERKSTATT 3.00]"
extern const QString IAOrdner;     // "Recipes\\IAKochen\\"

// The bare name of the working recipe's .IAK file (no folder). It is kept
// apart from the working record's Dateiname, which an export points at the
// exported recipe file.
extern QString IADateiname;

// Writes the working recipe, IARezepttext and IAStatus to IAOrdner +
// IADateiname. False when there is no working recipe or file name, when the
// write fails (the old file stays), or when the file is one whose load failed
// and is still there (it is not written over).
bool Speichere_IARezept();

// Reads IAOrdner + IADateiname into the working recipe's Rezeptname,
// Kategorie and IAZutaten, into IARezepttext and the stored IAStatus fields.
// False, with nothing changed, for a missing file, a wrong header (silently),
// or a short or garbled file (with a message). Items whose ingredient the
// database no longer holds (inactive ones count as present) are dropped, and
// the file is written again once without them.
bool Lade_IARezept();

// The file name (without ".IAK") for a recipe name: the characters
// , ; : ? # + * \ @ - / " [ ] ( ) and every character no file name may hold
// (< > | and control characters) are deleted.
QString Erzeuge_IARezeptdateiname(const QString &rezeptname);

// One interactive recipe offered by the chooser.
struct TTIARLadeliste {
    QString Dateiname;   // the file name as found in the folder
    QString Dateiendung; // ".IAK"
    QString Rezeptname;  // line 2
    qint32 Kategorie = 0; // line 3 (0 when it does not read as a number)
    qint32 Listenindex = -1; // row in the chooser's list
};
using TIARLadeliste = QVector<TTIARLadeliste>;

// The .IAK files of IAOrdner whose first line is the header, sorted by name.
// Files that cannot be read or carry another header are left out.
TIARLadeliste Lies_IARezeptliste();
// True when an entry has that file name (code-page upper case on both sides).
bool Ist_IARezeptdatei_vorhanden(const TIARLadeliste &liste, const QString &dateiname);
