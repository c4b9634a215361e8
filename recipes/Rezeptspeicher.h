#pragma once
// Saving a recipe record without a window: the check of its head, the file
// names, and the writes that leave either the old files or the new ones
// whole. The editor, the wizard and the digital import save through it and
// tell the user in their own words.
#include <QString>
#include <QStringList>
#include <functional>

#include "core/Globals.h"

class QFont;
class QTextDocument;

enum class TRezeptkopf { Vollstaendig, Ohne_Name, Ohne_Kategorie };

// A recipe needs a name (trimmed) and one of the categories.
TRezeptkopf Pruefe_Rezeptkopf(const QString &name, qint32 kategorie);

// "<feld>: a recipe file cannot hold these characters: ..." for the
// characters fremd of a field.
QString Fremdzeichenmeldung(const QString &feld, const QString &fremd);
// The message for the first field of r that a recipe file cannot hold
// (the instructions and remarks are rich text and may hold any character);
// empty when r can be saved.
QString Pruefe_Rezeptzeichen(const TTRezepteTotal &r);

// A record filled without the editor's fields, made as those fields give it
// back: texts trimmed, a difficulty out of range unset, no cooking date
// today, each cooking device once, the price to two places.
void Bereinige_Rezeptfelder(TTRezepteTotal &r);

// The texts of record index for a save: the side file when it still matches
// the record's plain lines, else those lines as plain text.
void Lade_Rezepttext(QTextDocument &text, const QString &pfad, const TString &zeilen);

enum class TRezeptspeicherung {
    Gespeichert,
    Ohne_Index,     // saved, but the recipe index could not be written
    Ohne_Dateiname, // nothing written
    Datei_vergeben, // nothing written: the file belongs to another record
    Fehlgeschlagen, // nothing changed: new side files removed, record as it was
    Abgebrochen,    // cut short by Rezeptspeichern_Schritt, as a kill would
};

// What a save did, the recipe file name it chose (or refused), and why a
// write failed (an errno value, 0 when none did).
struct TSpeicherergebnis {
    TRezeptspeicherung Ergebnis = TRezeptspeicherung::Ohne_Dateiname;
    QString Dateiname;
    int Fehler = 0;
    bool Gespeichert() const
    {
        return Ergebnis == TRezeptspeicherung::Gespeichert || Ergebnis == TRezeptspeicherung::Ohne_Index;
    }
};

// Saves neu as RezepteTotal[index] (the fields a window gives: name,
// category, header, lines) with the instructions and remarks as rich text.
// It completes the record (file head and extension, ingredient lines in
// order, deluxe columns, Zutaten, shopping list, plain copies of the texts),
// keeps or finds its file name, writes the side files under new names, then
// the recipe file, then removes the old files and writes the recipe index.
// A failed write leaves the record and the files as they were, and is not
// reported on the way (Speichermeldung tells it once, with its cause); a
// record without a valid index or head is not written (Ohne_Dateiname).
TSpeicherergebnis Speichere_Rezeptsatz(qint32 index, TTRezepteTotal neu, const QTextDocument &anleitung,
                                       const QTextDocument &bemerkungen);
// The same for a record filled by another window than the editor: its texts
// are the record's side files while they match its lines, else the lines
// as plain text, in the font schrift (the editor's text font).
TSpeicherergebnis Speichere_Rezeptsatz(qint32 index, const TTRezepteTotal &neu, const QFont &schrift);
// The one message for a save that did not succeed whole, with the cause of
// a failed write (empty when it succeeded, and when the test seam cut it
// short).
QString Speichermeldung(const TSpeicherergebnis &e);

// Recipe file name "Name.KRP", else "Name (2).KRP", ...: never a file that
// exists, never another record's file (the record ausser excepted).
QString Freier_Rezeptdateiname(const QString &wunsch, qint32 ausser);

// The bare name a side file of a recipe is written under at a save, for the
// recipe file rezeptdatei and the extension endung (".RRT", ".BRT"): the
// recipe file name plus endung, or, when that path is among belegt (the side
// files the recipe file on disk still names, another record's), the recipe
// file name plus ".1", ".2", ... plus endung. A save that writes its side
// files under names nothing refers to yet and lets the recipe file switch to
// them leaves the old set or the new set whole, wherever it is cut short.
QString Neue_Seitendatei(const QString &rezeptdatei, const QString &endung, const QStringList &belegt);

// Test seam: asked before each step of a save (1 instructions, 2 remarks,
// 3 recipe file, 4 the old side files removed); false stops the save there
// as a kill would, leaving the files as they are.
extern std::function<bool(int schritt)> Rezeptspeichern_Schritt;
