#pragma once
// The rules behind the kitchen's satellite windows, without the windows: the
// scale's unit and quantity lists, taking an ingredient or a spice from the
// database onto the scale, the whole verb list's search and take-over, and the
// verb editor's buffer. Everything works on the working recipe and the
// kitchen globals of core/Globals.h.
//
// The windows reach the kitchen window only through IAKuechenanbindung, which
// the kitchen window fills when it is created; every hook left empty does
// nothing (and the kitchen counts as ready).
#include <QString>
#include <QStringList>
#include <functional>

#include "core/Globals.h"

class QKeyEvent;

// --- the scale's unit and quantity lists ---------------------------------------

// What LBEinheit, CBMenge, LW10, LW11 and EZutatName show for one item.
struct TTIAEinheitenanzeige {
    QStringList Einheiten;  // LBEinheit
    qint32 Einheit = -1;    // selected row, -1 none
    QStringList Mengen;     // CBMenge's entries (the unit's quantity table without entry 0)
    qint32 Menge = -1;      // selected entry, -1 none
    QString Mengentext;     // CBMenge's text
    QString LW10;           // "250 g", "??? g" for an unweighed ingredient
    QString LW11;           // the display name, also EZutatName
};

// Group whose units an ingredient group offers: 0..18, anything else reads
// group 16 ("Other ingredients").
qint32 IAEinheitengruppe(qint32 kategorie);

// Fills the lists for item `zutat` from database record `db` (its group and
// default unit) in the working recipe's category; with `standard` the
// database's default unit is preselected for an item without a unit. The
// item takes the shown quantity, and the selected unit when it has none.
TTIAEinheitenanzeige Fuelle_IAEinheitenliste(qint32 db, qint32 zutat, bool standard);

// --- taking an ingredient or a spice onto the scale ---------------------------

// True when an item of the working recipe names database record db.
bool IAZutat_im_Rezept(qint32 db);
// The question asked before taking db a second time.
QString IAAufnahmefrage(bool gewuerz);

// What the kitchen shows after the take-over.
struct TTIAWaagenaufnahme {
    qint32 Zutat = -1;
    bool Gewuerz = false;
    QString Titel;            // LTitel
    bool MengeZeigen = false; // CBMenge shown (ingredients only)
    QString Grafik;           // the item's picture for IZW1
    TTIAEinheitenanzeige Einheiten;
};

// Appends an item for database record db to the working recipe, puts it on
// the scale (IAWaageZutat), fills its unit lists and refreshes the kitchen
// model. Zutat -1 when there is no working recipe or db names no record.
TTIAWaagenaufnahme Nimm_IAZutat_auf(qint32 db, bool gewuerz);

// Leaving the selection: nothing weighed any more, the ingredient shelf of
// device 0 is shown, or the scale while an item still lies on it.
void Beende_IAZutatenauswahl();

// --- the whole verb list -----------------------------------------------------

// A verb text as the list shows it: " ZZZ " as the minutes ("5 Minuten"),
// " GGG " as the temperature caption.
QString IAVerbanzeige(const QString &text);
// True when the kitchen's time and temperature let the list show the verb.
bool IAVerb_zeigbar(const QString &text);

// Searches and orders the whole list (entries beginning with the first word,
// then the other hits, each in text order; without words the whole list in
// text order) and sets every entry's Treffer: its row when listed, else
// negative. Returns the rows' texts.
QStringList Ermittle_Verbliste(TIAVTotalliste &liste, const QString &suchtext);

// The icon a verb taken for device d gets: the knife on the board, the wooden
// spoon on the pot, else the device's own vessel.
qint32 IAVerbsymbol_fuer_Geraet(qint32 geraet);

// Enables the verb of that text for the current device (appending it to
// IAVERBEN first when it is new) and writes the verb list. Returns the
// verb's index; -1 on the scale or for an empty text.
qint32 Uebernimm_IAVerb(const QString &text);

// --- the verb editor ---------------------------------------------------------

// Buffer (IAVerbPuffer[0]) <-> verb i; nothing for an index out of range.
void Lade_Verbpuffer(qint32 verb);
void Speichere_Verbpuffer(qint32 verb);
// The verb whose Listenindex is the row; -1 for none.
qint32 Finde_Verb_zu_Zeile(qint32 zeile);
// Index of the verb with exactly this text; -1 for none.
qint32 Finde_Verbtext(const QString &text);
// The typed text as it is stored: leading blanks removed, except the one
// blank of a marker (" ... ", " GGG ", " ZZZ ") the text begins with.
QString Bereinige_Verbtext(const QString &text);
// The radio group's item: 0 none, 1 "Gradverb ( GGG )", 2 "Zeitverb ( ZZZ )"
// (the time wins when both markers occur).
qint32 Verbart_aus_Text(const QString &text);
// Writes IAVERBEN to its file and reads it back; false when the write failed
// (the core has said why; memory keeps the change).
bool Speichere_IAVerben();

// --- the kitchen window's side ------------------------------------------------

struct TTIAKuechenanbindung {
    // After a take-over: only the scale's device icon and the shelf icon of
    // the kind, the shelf of the kind redrawn, the scale panel in browser mode
    // (its OK button restores and enables FIAZutat).
    std::function<void(const TTIAWaagenaufnahme &)> Waage_oeffnen;
    // After the selection closed: shelf panel shown, verb board, scale panel
    // hidden, device and shelf redrawn, every icon shown.
    std::function<void()> Zutatenauswahl_beendet;
    // Enable FIAMain and bring it to the front.
    std::function<void()> Kueche_nach_vorn;
    // Disable (true) or enable FIAMain around a message of a satellite window.
    std::function<void(bool)> Kueche_sperren;
    // FIAMain is enabled and neither P5 nor P8 is shown.
    std::function<bool()> Kueche_bereit;
    // FIAMain is open (shown) with a working recipe.
    std::function<bool()> Kueche_offen;
    // P4, P6 or P8 is shown (Escape in the whole list does nothing then).
    std::function<bool()> Kueche_ueberlagert;
    // The verb is in hand now: verb board redrawn when shown, the verb's icon
    // and sentence preview shown.
    std::function<void(qint32)> Verb_in_Hand;
    // After the verb editor: device redrawn, verb board P1 shown, shelf P0
    // hidden, board redrawn.
    std::function<void()> Verbleiste_zeigen;
    // The kitchen's key handler (type-ahead on verbs).
    std::function<void(QKeyEvent *)> Taste;
};
extern TTIAKuechenanbindung IAKuechenanbindung;
