#pragma once
// The release tool's text and picture chores: recipe texts (*.txt) turned
// into rich-text twins, the pages of the recipe web site rebuilt with the
// common footer, a link back to the recipe search and advertisements picked
// at random, and the crop of a picture to the fixed region. Every step writes
// a protocol line.
//
// A conversion folder holds the texts and, below it, HTML\ (source pages
// *.html), HTMLNEU\ (the rebuilt pages *.htm), HTMLNEU\ADSTXT\ and
// HTMLNEU\ADSGFX\ (advertisements: HTML fragments named 1.htm, 2.htm ...).
#include <QImage>
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// The text in a page from which on the page is replaced by the footer.
extern const QString Seitenschnittmarke;

// "Suppe.txt" -> "Suppe.rtf": the last ".txt" (any letter case) becomes
// ".rtf"; a name without one just gets ".rtf".
QString RTF_Dateiname(const QString &name);

// Writes ziel as rich text holding the lines of the text file quelle, one
// paragraph a line. False when the text cannot be read or ziel not written.
bool Konvertiere_Text_nach_RTF(const QString &quelle, const QString &ziel);

// Every *.txt of the folder (ending in a separator) gets its twin; the texts
// stay. Two protocol lines per file.
void Konvertiere_Rezepttexte(const QString &ordner);

// The site address as the pages must not spell it: its last character
// replaced by "<". Empty for an empty address.
QString Falsche_Webadresse(const QString &webseite);

// The three footer lines for the site address ("http://host").
TString Seitenfuss(const QString &webseite);

// The numbered advertisements of a folder (1.htm, 2.htm ... whatever numbers
// are there), sorted by number.
QStringList Werbedateien(const QString &ordner);
// One of them, picked at random; empty when there is none.
QString Waehle_Werbung(const QStringList &dateien);

// A rebuilt page: the source up to the cut marker (the marker's line kept up
// to the marker; the whole page without one), the footer, the advertisement
// blocks in order, and "</html>".
TString Baue_Webseite(const TString &quelle, const QString &webseite, const QList<TString> &werbung);

// The whole command on a conversion folder: texts, the address check of the
// pages, the advertisement counts and the rebuilt pages. Without a site
// address only the texts are converted (an ERROR line says why).
void Konvertiere_Texte_und_Webseiten(const QString &ordner, const QString &webseite);

// Region of a picture that the crop keeps, and the result: a new 660 x 330
// picture (white) with the region drawn at (0, 0); what the source does not
// cover stays white.
constexpr int Schnitt_Links = 140;
constexpr int Schnitt_Oben = 380;
constexpr int Schnitt_Rechts = 800;
constexpr int Schnitt_Unten = 710;
QImage Schneide_Grafik(const QImage &bild);
// Crops the picture file in place, written in the format its extension names
// (BMP when it names none Qt writes). A picture that does not load is left
// as it is; false then, and when the write fails.
bool Schneide_Grafikdatei(const QString &pfad);
