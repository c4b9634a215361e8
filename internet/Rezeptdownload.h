#pragma once
// The recipe download: the server's index RECIPESS.HRB, its reader, and the
// install of the chosen recipes into Recipes\. The window is F_RezDown.
//
// The index is a key-value file: "[TWS 2.X]", TWSRECIPESVERSION=,
// COUNTRECIPES=, then one block per recipe, numbered from 0:
//   RECIPE=<i>
//   DOWNLOADSIZEKB=<KB>
//   RECIPENAME=<name>
//   RECIPEFILE=<recipe file>      the extension names the category
//   RECIPEFILE=<remarks file>     empty when the recipe has none
//   RECIPEFILE=<instructions file>
//   RECIPETEXTBEGIN=
//   <short description lines; one blank line when there are none>
//   RECIPETEXTEND=
//   RECIPEEND<i>=
// Every file lies on the server in /TWS/ENG/RECIPES/ under its name.
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

#include "core/Globals.h"

struct TTRecipetype {
    qint32 GroesseKB = 0;
    QString Name;
    TString Dateien; // first the recipe file; empty names allowed
    TString Text;    // short description
    qint32 Listenindex = -1;
};
using TRecipetype = QVector<TTRecipetype>;

// The entries of the open download window.
extern TRecipetype Rezeptdownloadliste;

// Reads blocks 0..anzahl-1 of the index lines (line 0 is the header). A
// block is found by its whole "RECIPE=<i>" line and taken only when the size
// line follows; its files end at RECIPETEXTBEGIN= or at the block's end. A
// size that is not a number reads as 0. With sortieren the entries are
// ordered by the Windows-1252 bytes of their names (equal names keep their
// order).
void Lies_Rezeptliste(qint32 anzahl, const TString &zeilen, TRecipetype &eintraege, bool sortieren);
// The same for a whole index file as it arrives: nothing for a wrong header.
TRecipetype Lies_Rezeptindex(const QByteArray &bytes);

// Recipes\<name> below the base folder.
QString Rezeptpfad(const QString &name);
// An entry that can be offered: its first file is a plain name that is not
// in Recipes\ yet.
bool Ist_Rezept_neu(const TTRecipetype &eintrag);
// The categories whose extension the file name holds.
QList<qint32> Kategorien_der_Datei(const QString &name);
// How many of the entries that are still offered fall into each category.
std::array<qint32, AnzahlKategorien> Zaehle_Kategorien(const TRecipetype &eintraege);

// Fetches the index, keeps its version, and prepares Rezeptdownloadliste:
// installed recipes are emptied, recipes under names that cannot be used are
// reported and emptied. Returns the number of entries left to offer; -1
// after a failure that has been reported.
qint32 Hole_Rezeptliste();

// Downloads the files of the given entries of Rezeptdownloadliste into
// Recipes\, with the progress window. Each file that does not arrive is
// reported ("Cannot find: <address>!") and leaves nothing behind; the next
// file is fetched all the same. A first file that arrives as something
// other than a recipe is removed and its side files are not fetched. True
// when every file arrived.
bool Installiere_Rezepte(const QList<qint32> &eintraege);
