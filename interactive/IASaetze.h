#pragma once
// The kitchen's German sentences: a verb template filled with the selected
// items, the seasoning sentence, the preheat sentence, the recipe lines
// IARezepttext (newest at index 0) and the intermediate products.
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// The verb sentence for `zutat` (-1: the preview with "..." in place of the
// items) and the selection mode, with the set time and temperature filled in.
// The item's stored name is never changed.
QString Erzeuge_Verbtext(qint32 modus, qint32 zutat, qint32 verb);

// The seasoning preview for the spice in hand on `ziel` (-1: no target yet).
// Satz is empty when the hand holds nothing.
struct TTIAWuerzvorschau {
    QString Satz;    // LWuerze
    QString Ziel;    // LZuwuerzen
    QString Anzahl;  // LWuerzeAnzahl
    QString Einheit; // LWuerzeEinheit
    QString Gewuerz; // LWuerzeGewuerz
};
TTIAWuerzvorschau Erzeuge_Wuerztext(qint32 ziel);

// The caption of a verb on the board: markers filled in, cut at 37 characters.
QString Erzeuge_Verbbeschriftung(const QString &vorlage);

// Writes a line: with the spice in hand, the seasoning line for `zutat` (merged
// with the newest line when that seasoned the same target with the same spice
// and unit); with a verb, the verb sentence for `zutat`; with both negative the
// newest line is deleted. The window then shows the lines.
void Schreibe_Rezeptzeile(qint32 zutat, qint32 verb);
// Inserts an empty line at index 0; returns 0.
qint32 Neue_Rezeptzeile();

// The preheat question and line for the current device and temperature;
// empty when the device cannot be preheated or the oven is off.
QString Vorheizfrage();
QString Vorheiztext(bool umluft);
// Writes the preheat line as the newest line.
void Schreibe_Vorheizzeile(const QString &text);

// A line for the line labels: longer than 65 characters it is cut to 68
// (lang) or 62 characters followed by "...".
QString Kuerze_Rezeptzeile(bool lang, const QString &text);

// What the window shows of the recipe lines: the newest three (cut) and the
// recipe-text window with its caption and every sentence, oldest first.
struct TTIARezeptzeilenanzeige {
    QString LRK1, LRK2, LRK3;
    QString Titel;
    QStringList Saetze;
};
TTIARezeptzeilenanzeige Zeige_Rezeptzeilen();

// Appends product `produkt` (1..15) made on `geraet` as a new kitchen item and
// returns its index. When the database lacks the product's record nothing is
// added, a notice says why, and the result is -1.
qint32 Erzeuge_Zwischenprodukt(qint32 produkt, qint32 geraet);
