#pragma once
// Turning the interactive recipe into an ordinary recipe of the recipe book:
// its ingredients become ingredient lines, the devices used its device list and
// the German sentences its instructions. The kitchen's own items and lines are
// not changed, so every export of the same state gives the same recipe.
#include <QString>

#include "core/Globals.h"

// What the save dialog offers.
struct TTIAExportdialog {
    QString Ordner;    // initial folder
    QString Dateiname; // proposed file name
    QString Endung;    // default extension, "*.KRP"
    QString Filter;    // "Cooking Recipes|*.KRP"
    QString Titel;     // "Rezept speichern:"
};

// Gives the working record the file name, extension, section tag and header of
// its category and fills the dialog's proposal, which is never the file of
// another recipe of the book (" 2", " 3" ... go before the extension then).
// False when there is no working recipe or its category is outside 0..20.
bool Bereite_IAExport_vor(TTIAExportdialog &dialog);

// Writes the working recipe as a recipe file to the chosen path (the
// category's extension appended when it is missing) and enters it into the
// recipe index. `ersetzen`: the user agreed to replace an existing file, which
// is then written even when another recipe names it. False when nothing or not
// everything could be written (the core has said why).
bool Exportiere_IARezept(const QString &gewaehlt, bool ersetzen);

// The English device list ("cooking pot,skillet,"): each device any item has
// been on, once, in item and history order.
QString Exportgeraeteliste(const TTAIAZutatenliste &zutaten);

// The recipe's ingredients from the items whose ingredient the database holds
// and does not hide; spices get the amounts of their seasoning lines added.
void Exportzutaten(const TTAIAZutatenliste &zutaten, const TIARezepttext &zeilen, TTARezeptzutat &rezeptzutaten,
                   TTAZutatenliste &zutatenliste);
