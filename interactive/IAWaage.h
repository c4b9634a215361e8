#pragma once
// The scale: weighing an item of the working recipe, splitting a lot,
// changing its unit, the default unit written back to the ingredient database
// and the quantity table learning new amounts. The window reads the quantity
// box and the selected unit and hands them in; questions and notices go
// through Zeige_Meldung.
#include <QString>

#include "core/Globals.h"

// True when the item has a unit. Else the notice asks to weigh it first and
// the answer is false (also for an index out of range, without a notice).
bool Pruefe_Zutat_abgewogen(qint32 zutat);

// "Fertig" of the scale opened by the ingredient browser for `zutat`:
// `einheit` is the selected unit, `mengentext` the quantity box's text. False
// when the scale stays open (no amount, or a question answered No). True when
// the item went onto the shelf: its weighed values are set, the ingredient's
// default unit is saved in the database and the quantity may be learned.
bool Beende_Waegung(qint32 zutat, const QString &einheit, const QString &mengentext);

// A click on the item lying on the scale (kitchen mode): the quantity box's
// text and the selected unit are taken over, a smaller amount of the same unit
// may split the lot, a new unit may be kept or refused. Returns the item now
// in hand, or -1 when it stays on the scale (or none lies there).
qint32 Nimm_von_Waage(const QString &mengentext, const QString &einheit);

// Learning: appends the quantity text (blanks tidied) to the table of the
// unit `einheit` in the working recipe's category when it is new and the
// option is on, then sorts the numbers after the first entry. Memory only;
// nothing happens for a category outside 0..20 or an empty text. True when
// the table changed.
bool Lerne_Menge(const QString &einheit, const QString &mengentext);
