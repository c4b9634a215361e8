#pragma once
// What the kitchen's clicks do to the model: items taken from and put on the
// shelves, the kitchen and back, devices chosen, the select-all group,
// preheating, seasoning, verbs applied (with the intermediate product), and
// the kitchen menu's item operations. The window finds what lies under the
// pointer, calls these, and redraws. Questions and notices go through
// Zeige_Meldung.
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// The item of that kind (gewuerz 0/1) on the shelf at slot 0..4 of the shown
// page, or in the kitchen at slot 0..5; -1 when none.
qint32 Regalzutat_an(qint32 slot, qint32 gewuerz);
qint32 Kuechenzutat_an(qint32 slot);

// The item takes the display slot of `slotZutat` on the shelf (its kind) or in
// the kitchen, the items from there on move one place on. Without a slot item
// it goes to the end.
void Stelle_ins_Regal(qint32 zutat, qint32 slotZutat, quint8 gewuerz);
void Stelle_in_Kueche(qint32 zutat, qint32 slotZutat);

// Takes an item into the hand; only with the scale and both hands empty for
// the shelf, with both hands empty for the kitchen. Returns the item, or -1.
qint32 Nimm_aus_Regal(qint32 slot);
qint32 Nimm_aus_Kueche(qint32 slot);
// Takes the verb shown at board slot 0..24 into the verb hand; -1 when none.
qint32 Nimm_Verb(qint32 slot);

// The item in hand goes back onto its shelf, at the end; the hand is emptied.
void Zurueck_ins_Regal();
// The ingredient in hand goes into the kitchen at the slot of `slotZutat`, or,
// with -1, into the free kitchen area (joining the select-all group while it is
// on). It must have been weighed; false leaves it in the hand. Spices never go
// into the kitchen.
bool Lege_in_Kueche(qint32 slotZutat);

// A device (0..15) or the scale (16) is chosen. While an item lies on the
// scale the notice asks to weigh it first and nothing changes (false).
bool Waehle_Geraet(qint32 geraet);

// The select-all switch of the kitchen.
void Gruppiere_Kueche();
// Every kitchen item back to the shelf, after asking. True when done.
bool Leere_Kueche();
// Preheating the current device at the set temperature, after asking (and
// asking for the fan on the oven). True when a line was written.
bool Heize_vor();

// Seasons `ziel` with the spice in hand: the line is written (merged with an
// equal line just before it) and the device recorded for the spice and for
// the target or its selection group. The spice stays in the hand.
bool Wuerze(qint32 ziel);

// Applies the verb in hand to `ziel`: the sentence, the verb's use count, and,
// for a verb that makes an intermediate product and a Yes to the question,
// the target (or its selection group) booked out and the product added. The
// verb hand is emptied. False when nothing was written.
bool Wende_Verb_an(qint32 ziel);

// Kitchen menu: throw away the shelf item (after asking), turn it into the
// other kind (its amounts cleared; it is then in the hand, for the caller to
// put on the scale and weigh again), and bring back every booked-out item.
// Each returns true when it changed something.
bool Wirf_Zutat_weg(qint32 zutat);
bool Wandle_Zutat_um(qint32 zutat);
bool Hole_Zutaten_zurueck();
// "Letzte Rezeptzeile löschen", after asking. True when a line went.
bool Loesche_letzte_Rezeptzeile();

// Type-ahead on the verb board: the first shown verb whose text starts with
// the character (case-insensitive) becomes the board's offset. False when the
// character is not one of the accepted ones or no verb matches.
bool Springe_zu_Verb(QChar zeichen);
// The first of texte that starts with zeichen, in the code page's upper case
// (type-ahead on the verb board and the whole verb list); -1 when none does.
qint32 Erster_Text_mit_Anfang(const QStringList &texte, QChar zeichen);

// A vertical track bar's value: the top is the largest.
constexpr qint32 Schieberwert(qint32 minimum, qint32 maximum, qint32 position)
{
    return minimum + maximum - position;
}

// What the kitchen's popup menu offers when it opens. Nothing while an item or
// a verb is in hand or the tutorial runs. `rezeptzeilen`: a recipe line is
// shown; `kuecheOderWaage`: the kitchen or the scale is shown; `regalSlot`:
// the shelf slot 0..4 under the pointer while the shelf is shown, else -1.
// Sets IAPopupZutat to the shelf item the item entries act on (-1 none).
struct TTIAPopup {
    bool Leer = true;
    QString Variablenanzeige;        // MVariablenanzeige's caption
    bool Zurueckholen = false;       // MZutatenzurueckholen enabled (shown unless Leer)
    bool Rezepttext = false;         // MRezepttextanzeigen and MLetzteRezeptzeileloeschen
    bool Rezeptspeichern = false;    // MRezeptspeichern enabled (shown unless Leer)
    QString Wegwerfen;               // MZutatoderGewuerzloeschen; empty = hidden
    QString Umwandeln;               // MZutatzumGewuerz; empty = hidden
};
TTIAPopup Ermittle_IAPopup(bool rezeptzeilen, bool kuecheOderWaage, qint32 regalSlot);

// The verb editor opens only with both hands empty and no tutorial running,
// so a carried verb never points at a verb the editor replaced.
bool Darf_Verbeditor_oeffnen();
