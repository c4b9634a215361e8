#pragma once
// Which recipes the overview lists and in what order; no windows here.
#include <QString>
#include <QStringList>
#include <QVector>

#include "core/Globals.h"

struct TUebersichtFilter {
    qint32 Kategorie = -1;   // category index 0..20, -1 all
    QString Unterkategorie;  // one sub-category, empty all
    QString Suchtext;        // search words as typed
};

// A record the overview can list: a recipe file of one of the 21 categories
// (not the kitchen's working recipe or a placeholder).
bool Ist_Uebersichtsrezept(const TTRezepteTotal &rezept);
// The record's category: Kategorie, or the one its extension names.
qint32 Ermittle_Rezeptkategorie(const TTRezepteTotal &rezept);
// Sub-categories of a comma list, blanks trimmed, empty entries left out.
QStringList Zerlege_Unterkategorien(const QString &liste);
// Every sub-category of the listable recipes of a category (-1 all), each
// once (compared in upper case), sorted.
QStringList Ermittle_Unterkategorien(const TRezepteTotal &rezepte, qint32 kategorie);
// The text the search words are looked for in: name, ingredient lines,
// instruction and remark lines; folded and upper-cased like the words.
QString Erzeuge_Suchtext(const TTRezepteTotal &rezept);
// Indexes of the matching recipes, sorted by name (then file name). Every
// search word must occur in the recipe's text; the spellings "sauce",
// "sosse" and "soße" count as one word of which any may occur.
QVector<qint32> Ermittle_Uebersicht(const TRezepteTotal &rezepte, const TUebersichtFilter &filter);
