#pragma once
// Text, number and quantity utilities of the data core: ingredient lines,
// quantities and ranges, blank clean-up, search words, paths, categories,
// brands. None of them touches a file; all are safe on empty or odd text.
#include <QString>
#include <QVector>
#include <utility>

#include "core/Globals.h"

// --- numbers ---------------------------------------------------------------

// Reads a number the way the data files and the user write it: optional
// blanks around it, a sign, digits with "." or "," as decimal separator, an
// optional exponent. Never depends on the locale. False (and 0) for anything
// else, including values too large for a double.
bool Lies_Zahl(const QString &text, double &wert);

// One value of a quantity: a number as Lies_Zahl reads it (decimal comma
// allowed), a fraction ("1/2", "½") or a whole number with a fraction
// ("1 1/2", "1½", "1 ½", "1 and 1/2"). Blanks around it are ignored.
bool Lies_Mengenwert(const QString &text, double &wert);
// The quantity that text begins with: one value as above, or two joined by
// "-", an en dash, "to" or "bis" (blanks around the joint or not). menge
// gets its stored form: a range "a-b", a mixed number "1 1/2". The result is
// the length of text it covers; 0 (and menge empty) when text begins with
// none.
qsizetype Lies_Mengenangabe(const QString &text, QString &menge);

// Text to number: decimal separator normalised, everything from the first
// "-" cut off, 0 when the rest is not a number.
double Wandle_Text_in_Kommazahl(const QString &text);
// The value with that many decimals ("." always), right-aligned to width,
// then leading blanks removed. A value that is not finite is written as 0.
void Wandle_Kommazahl_in_Text(qint32 breite, qint32 stellen, QString &text, double wert);
QString Wandle_Zahl_in_Text(qint32 zahl);
// 401 -> "4.01".
QString Formatiere_Versionsnummer(qint32 nummer);
// With a "." present every "," is deleted, else every "," becomes ".".
void Normalisiere_Dezimaltrenner(QString &text);

// --- quantities ------------------------------------------------------------

// Sum of two quantity texts; ranges "a-b" are added end by end. Quantities
// below read each end with Lies_Mengenwert.
QString Addiere_Mengen(const QString &menge1, const QString &menge2);
// Scales a quantity (or each end of a range) by the factor; a part that is
// not a number stays as it was.
void Multipliziere_Menge(QString &menge, double faktor);
// One number or "a-b"; low <= high; a single number gives both; an
// unreadable part counts 0.
void Zerlege_Mengenbereich(const QString &menge, double &von, double &bis);
// "2" when both are equal, else "1.5-2".
QString Formatiere_Mengenbereich(double von, double bis);

// --- ingredient lines ------------------------------------------------------

// Index of the first Zutatentotal record whose Zutatname equals name in code
// page upper case (and whose Kategorie matches unless kategorie is -1); -1
// when none.
qint32 Suche_Zutat(const QString &name, qint32 kategorie);
// Splits an ingredient line into quantity, unit and name with the units of
// VariablenTotal[0].Einheiten; ohneGross compares units ignoring case. The
// quantity is what Lies_Mengenangabe reads, in its stored form ("2 to 3"
// gives "2-3"); else a first word that reads as a number or a range as a
// whole. A unit may be followed by a full stop ("lb.").
void Zerlege_Zutatenstring(const QString &zeile, QString &menge, QString &einheit, bool ohneGross,
                           QString &name);
// Quantity, unit and name joined by one blank each, empty parts left out.
QString Verbinde_Zutatenstring(const QString &menge, const QString &einheit, const QString &name);
// Like Verbinde_Zutatenstring, with the plural markers "(e)", "(en)", "(n)"
// resolved by the quantity.
QString Setze_Pluralformen(const QString &menge, const QString &einheit, const QString &name);
// The recipe-text normaliser: rezepttext set resolves markers, strips a
// leading brand word, "(Glas)" and "(Dose)"; clear turns " - " into "-".
QString Formatiere_Zutatenname(bool rezepttext, const QString &text);

// --- text clean-up -------------------------------------------------------------

void Entferne_doppelte_Leerzeichen(QString &text);
void Entferne_doppelte_Kommas(QString &text);
void Ersetze_Tabulatoren(QString &text);
void Entferne_alle_Leerzeichen(QString &text);
void Entferne_fuehrende_Leerzeichen(QString &text);
void Entferne_endende_Leerzeichen(QString &text);
// Folds letters for searching: sharp s -> "ss", accented vowels -> plain;
// umlauts stay.
void Ersetze_Sonderbuchstaben(QString &text);
// Appends the text folded as Ersetze_Sonderbuchstaben does and then in upper
// case (platform::upperCase), in one pass: the search texts of many recipes
// are made this way.
void Haenge_Suchform_an(QString &ziel, QStringView text);
// Splits a search text at blanks. modus becomes 2 when a "sauce" spelling was
// expanded, else 0.
void Zerlege_Suchbegriffe(const QString &text, bool sossen, qint32 &modus, TString &woerter,
                          bool gross, bool falten);
// "200g flour" -> "200 g flour"; nurErste: only the first place.
void Trenne_Ziffer_und_Buchstabe(QString &text, bool nurErste);
// The same for the first number of the line only: the quantity that begins
// it ("1½cups" -> "1½ cups"), else the number at the first digit when a
// letter follows it ("approx. 200g" -> "approx. 200 g"); the rest of the
// line stays as it was written.
void Trenne_Menge_und_Einheit(QString &text);
// A quantity typed together with the unit chosen beside it, without that
// unit: "200 g", "200g" or "200 g." with the unit "g" give "200". Any other
// text comes back with its blanks trimmed.
QString Menge_ohne_Einheit(const QString &menge, const QString &einheit);
QString Setze_ersten_Buchstaben_gross(const QString &text);
// The characters of text that a recipe file (Windows-1252) cannot hold, each
// once, in their order ("" when every character can be stored). A character
// outside the basic plane (an emoji) is one entry.
QString Nicht_speicherbare_Zeichen(const QString &text);

// --- paths, categories, brands, geometry ------------------------------------

// Split at the last "\" or "/".
QString Ermittle_Dateiname(const QString &pfad);
QString Ermittle_Verzeichnis(const QString &pfad);

// Row of the category list as shown (Kategorienamen) <-> category index
// (Kategoriebezeichnungen); values outside 0..20 come back unchanged.
qint32 Ermittle_Kategorie_aus_Anzeigeposition(qint32 position);
qint32 Ermittle_Anzeigeposition_aus_Kategorie(qint32 kategorie);

// True when the name holds "(" followed by a brand of Markennamen; marke gets
// the brand's index (-1 when none).
bool Finde_Markenzutatzusatz(const QString &name, qint32 &marke);
// Deletes that "(" and everything after it.
void Entferne_MArkenzutatzusatz(QString &name);

// Sets the 16 Zulassung flags of verben[verb] from a list like "1,3,11,".
void Setze_Verbflaechen_aus_Liste(const QString &liste, qint32 verb, TIAVERBEN &verben);

bool Ist_Punkt_im_Rechteck(qint32 x, qint32 y, qint32 left, qint32 top, qint32 width, qint32 height);

// --- arrays ----------------------------------------------------------------

// Puts the elements into a new order in place: afterwards liste[pos] is the
// element that was at reihenfolge[pos] (reihenfolge a permutation of the
// indexes). Moves element by element, so a large array is not held twice.
template <typename T, typename Index> void Ordne_um(QVector<T> &liste, const QVector<Index> &reihenfolge)
{
    QVector<Index> ziel(liste.size()); // where the element now at i goes
    for (qsizetype pos = 0; pos < reihenfolge.size(); ++pos)
        ziel[reihenfolge[pos]] = Index(pos);
    for (qsizetype i = 0; i < ziel.size(); ++i)
        while (ziel[i] != Index(i)) {
            const qsizetype j = ziel[i];
            std::swap(liste[i], liste[j]);
            std::swap(ziel[i], ziel[j]);
        }
}
