#pragma once
// Saving and leaving the kitchen: Ctrl+S, and closing with the verb lists
// saved by their switches, the running recipe kept as the last recipe
// and the working recipe dropped again; the reset of the verb list.
#include <QString>

extern const QString IALetztesRezept; // "-Letztes Rezept-"

// Saves the working recipe's .IAK file and says whether that worked.
bool Zwischenspeichern();

// The question before closing; never while the tutorial runs or another
// kitchen window (browser, chooser) is open. True when the kitchen may close.
bool Frage_IAKochen_beenden(bool nebenfensterOffen);

// Leaving after a Yes: the verb list and the whole verb list are written when
// their switches say so, the working recipe (unless it is the tutorial, or
// nothing was cooked since it started) is written as the last recipe, the working recipe is dropped, and the options
// are saved and read back. False when a file could not be written; the kitchen
// is left all the same.
bool Schliesse_IASitzung();

// Remembers the run as it starts (items and recipe lines), so that closing
// can tell whether anything was cooked since.
void Merke_IAStand();
// True when the items or the recipe lines differ from the remembered start.
bool Ist_IAStand_geaendert();

// Removes the working recipe RezepteTotal[AktuellesRezept] and sets
// AktuellesRezept to -1. False when there is none.
bool Entferne_IAArbeitsrezept();

// The verb list reset from its backup, both in PRGDATA\ENG\.
enum class TIAVerbreset {
    Nicht_zurueckgesetzt, // no backup, or one that is no verb list: file and IAVERBEN unchanged
    Geladen,              // the backup is the verb list now, and IAVERBEN holds it
    Nicht_geladen,        // the backup was copied but the verb list did not load again
};
// Copies IAVariablenlisteBAK.hbr over IAVariablenliste.hbr and loads the
// verbs again. A backup that is missing or does not read as a verb list is
// not copied.
TIAVerbreset Setze_IAVerben_zurueck();
