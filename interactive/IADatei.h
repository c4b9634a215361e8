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
