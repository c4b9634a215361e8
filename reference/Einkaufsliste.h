#pragma once
// The ingredient lines of a recipe as the editor and the kitchen both read
// them, and the shopping list made from them.
#include <QString>

#include "core/Globals.h"

// Deleted lines (Listenindex -1) go; the rest keep their order and are
// numbered from 0 again.
void Ordne_Zutatenliste(TTAZutatenliste &liste);
// The units of a category (the first for an unknown one); null before the
// units list is loaded.
const TTAEinheit *Einheitenliste(qint32 kategorie);
// The unit of the category by name or by its key "[...]"; null for none.
const TTEinheit *Finde_Einheit(qint32 kategorie, const QString &einheit);
// A comment line: no quantity, no unit, the name starting with "***".
bool Ist_Kommentarzeile(const TTZutatenliste &z);

// A recipe's Einkaufsliste from its ingredient lines; comment lines and
// units marked NichtEinkaufen stay off.
void Erstelle_Einkaufsliste(TTRezepteTotal &r);
// The same for the current recipe.
void Erstelle_Einkaufsliste();
