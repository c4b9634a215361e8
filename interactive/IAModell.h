#pragma once
// The kitchen's working model: the working recipe RezepteTotal[AktuellesRezept]
// with its items IAZutaten, the kitchen state IAStatus and the hand and page
// globals (all declared in core/Globals.h). Items are addressed by their index
// in IAZutaten.
//
// These routines change the model only. Where an operation of the kitchen also
// sets captions or hides controls, the routine here gives the window what it
// needs (a caption, a list of control names) and the window applies it.
#include <QString>
#include <QStringList>
#include <array>

#include "core/Globals.h"

// The working recipe; nullptr when there is none.
TTRezepteTotal *IARezept();
// Its items; an empty list when there is no working recipe.
const TTAIAZutatenliste &IAZutaten();
// The item at index i; nullptr when i is out of range.
TTIAZutatenliste *IAZutat(qint32 i);

// A caption and its font colour (TColor).
struct TTIABeschriftung {
    QString Text;
    quint32 Farbe = 0;
};
constexpr quint32 IARot = 0x000000FF;
constexpr quint32 IASchwarz = 0x00000000;

// IAStatus.Temperatur := grad. The caption of LGrad is Temperaturbeschriftung.
void Setze_Temperatur(qint32 grad);
// "180°C"; red at 50 (off), else black.
TTIABeschriftung Temperaturbeschriftung(qint32 grad);
// IAStatus.Zeit := minuten. The caption of LZeit is Kochzeitbeschriftung.
void Setze_Kochzeit(qint32 minuten);
// "02:05"; red at 0 (off), else black.
TTIABeschriftung Kochzeitbeschriftung(qint32 minuten);

// True when another item (any place) has exactly the same Zutatname.
bool Ist_Zutatname_mehrfach(qint32 i);
// Records a device in the item's history: nothing when it is already the
// newest entry, else the oldest entry drops out and d becomes the newest.
void Merke_Kochgeraet(qint32 i, qint32 d);
// Resolves every item's DBIndex by its Zutatname (any category); an item whose
// ingredient is gone gets -1 and the database error message.
void Pruefe_IADatenbankindizes();

// What the scale panel shows for the item just put on it.
struct TTIAWaagenanzeige {
    qint32 Zutat = -1;
    std::array<QString, 5> Verlauf;   // picture paths of IZW10..IZW14, empty = hidden
    QString Titel;                    // LTitel
    bool MengeZeigen = false;         // CBMenge shown (ingredients only)
    bool Standardeinheit = false;     // preselect the database's default unit
};
// Puts the item in hand on the scale (Ort 2, its quantity and unit kept as the
// weighed ones) and empties the hand. False, with nothing changed, when the
// hand is empty or its index is out of range.
bool Lege_auf_Waage(TTIAWaagenanzeige *anzeige = nullptr);

// First item of that kind (gewuerz 0 or 1) on the shelf in display slot
// IARegalZaehler + slot; -1 when none.
qint32 Finde_Regalzutat(qint32 slot, qint32 gewuerz);
// The same in the kitchen, from IAGeraeteOffset.
qint32 Finde_Kuechenzutat(qint32 slot, qint32 gewuerz = 0);
// True when no item lies on the scale.
bool Waage_ist_leer();
// The first item on the scale; -1 when none.
qint32 Waagenzutat();

// Numbers the display slots of the items of that kind and place 0..n-1:
// gaps close with the order kept, new arrivals (-1) follow in index order.
// Returns n.
qint32 Ordne_Anzeigeplaetze(qint32 gewuerz, qint32 ort);

// Renumbers the shelves and the kitchen, pulls the page offsets back onto the
// items, clears the selection of an empty kitchen and numbers the verbs that
// the board offers. The window shows the recipe lines afterwards. The first
// form takes the sliders' visibility from the current device (on the scale
// both count as hidden); the second is for a window that knows better.
void Aktualisiere_IAZustand();
void Aktualisiere_IAZustand(bool gradSichtbar, bool zeitSichtbar);

// The selection part of a right click on the kitchen item `zutat` (the window
// finds the item with Finde_Kuechenslot): mode 0 selects it, mode 1 turns the
// all-items selection into an explicit one, mode 2 toggles it and falls back to
// 0 when nothing stays selected. Then Aktualisiere_IAZustand.
void Waehle_Kuechenzutat(qint32 zutat);

// A kitchen slot's picture and label (relative to the kitchen panel).
struct TTIAKuechenslot {
    bool Sichtbar = false;
    TTRechteck Bild;
    TTRechteck Beschriftung;
};
// The slot 0..5 under the point; a later slot wins; -1 when none.
qint32 Finde_Kuechenslot(qint32 x, qint32 y, const std::array<TTIAKuechenslot, 6> &flaechen);

// Paging of a panel of `schritt` slots holding `anzahl` entries: one page on
// (back when that is past the last entry) and one page back, never below 0.
qint32 Naechste_Seite(qint32 offset, qint32 schritt, qint32 anzahl);
qint32 Vorige_Seite(qint32 offset, qint32 schritt);
// Items of a kind on the shelf; verbs the board offers on the current device.
qint32 Anzahl_Regalzutaten(qint32 gewuerz);
qint32 Anzahl_angebotene_Verben();

// The hand is emptied (IAHandZutat := -1); the window clears and hides the
// carried picture and its label and moves the carrier panel away.
void Lege_Zutat_ab();
// The carried verb is dropped (IAVerbInHand := -1); the window clears the
// verb picture and sentence and hides their panels.
void Lege_Verb_ab();

// Controls the window hides and clears for the three operations above and for
// emptying the scale (which changes nothing in the model).
struct TTIASteuerelemente {
    QStringList Verbergen;
    QStringList Leeren;
};
extern const TTIASteuerelemente Lege_Zutat_ab_Elemente;
extern const TTIASteuerelemente Lege_Verb_ab_Elemente;
extern const TTIASteuerelemente Leere_Waage_Elemente;

// The hand, page and kitchen values every start of the kitchen begins with:
// tutorial off, nothing in hand or on the way to the scale, no selection,
// every page at its first slot, oven off, no time.
void Setze_IAStartwerte();

// Appends the kitchen's working recipe to RezepteTotal and makes it the
// current recipe; its item list and the recipe lines start empty, so no line
// of an earlier run comes along. Returns its index.
qint32 Lege_IAArbeitsrezept_an(const TTRezepteTotal &vorlage);

// The tutorial shows every hint and offers every verb. The user's own
// settings are remembered when it starts and come back when it ends, however
// it ends; ending without a start changes nothing.
void Setze_Tutorialschalter();
void Stelle_Tutorialschalter_zurueck();
