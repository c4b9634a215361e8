#pragma once
// The changes the units editor makes to the units list, and its two checks
// before a save. Plain routines on a TTVariablenTotal, no window.
#include <QList>
#include <QString>
#include <QVector>

#include "core/Globals.h"

// A quantity table as a newly offered unit gets it, and as a unit whose
// table is empty gets it when a group is assigned.
extern const QString MengeNichtAngegeben; // "not stated"
extern const QString MengeKeineAngabe;    // "k.A."

// The categories a change applies to: all 21, or only kategorie.
QVector<int> Einheitenbereich(bool alleKategorien, int kategorie);

// The record of a category whose Name is name (case-sensitive), or whose
// Schluessel is "[" + einheit + "]" in code-page upper case; nullptr for none.
TTEinheit *Einheit_nach_Name(TTAEinheit &liste, const QString &name);
TTEinheit *Einheit_nach_Schluessel(TTAEinheit &liste, const QString &einheit);

// Offers the unit in every category of the range, or withdraws it (the record
// stays, with an empty Name). An offered unit without a record gets a new one
// with no groups and the table "not stated", "1"; one with an empty table
// gets that table.
void Biete_Einheit_an(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, bool angeboten);

// Sets or clears the unit's flag for an ingredient group in every category of
// the range that has a record for it; a set flag gives an empty table the
// lines "k.A.", "1".
void Ordne_Gruppe_zu(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, int gruppe,
                     bool zugeordnet);

// NichtEinkaufen of the offered unit in every category of the range.
void Setze_Einkauf(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, quint8 nichtEinkaufen);

// Whether marked lines may be deleted: at least one is marked and at least
// two stay unmarked.
bool Mengen_loeschbar(int zeilen, int markiert);
// Deletes the marked lines of the quantity table, keeping the order of the
// rest; line 0 ("not stated") is never deleted.
void Loesche_Mengen(TTEinheit &einheit, const QVector<int> &markiert);

// The messages that stop a save, each with its heading: first every offered
// unit whose table has fewer than two lines; only when there is none, every
// ingredient group without an offered unit, per category. Empty = the list
// may be saved.
struct TEinheitenmeldung {
    QString Text;
    QString Ueberschrift;
};
QList<TEinheitenmeldung> Pruefe_Einheiten(const TTVariablenTotal &v);
