#pragma once
// The ingredient list search: the incremental search behind every window
// that lists ingredients of an ingredient array as the user types (the
// ingredient editor, the ingredient management, the global database browser,
// the recipe editor, the digital import, the kitchen's ingredient
// selection). The windows list it through TZutatenfilter (Zutatenmodell.h).
//
// The rule: the text is split at blanks into words, accent-folded and upper
// case (a leading blank or two blanks in a row give an empty word, which no
// name contains). A record is a hit when every word occurs in its folded,
// upper-cased Zutatname; with no words every candidate is a hit. Records with
// Status 4 or an empty Zutatname are never listed; a window may exclude more.
// Hits are listed in array order. The line selected is the first hit whose
// listed text (upper case, not folded) begins with the first word, else the
// first line.
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "core/Globals.h"

// The search words of a typed text.
TString Ermittle_Zutatensuchwoerter(const QString &text);
// The form of a name the words are looked for in: folded, then upper case.
QString Ermittle_Zutatensuchform(const QString &name);
// True when every word occurs in the search form; an empty word never does.
bool Zutat_passt(const QString &suchform, const TString &woerter);

// What a window adds to the rule.
struct TZutatensuchart {
    // Further exclusions (filters of the window); empty = none.
    std::function<bool(const TTZutatentotal &)> Ausgeschlossen;
    // The listed text; empty = the Zutatname.
    std::function<QString(const TTZutatentotal &)> Anzeigetext;
};

struct TZutatentreffer {
    QStringList Zeilen;     // listed texts, in array order
    QVector<qint32> Indexe; // the record of each line
    qint32 Auswahl = -1;    // the line to select; -1 with no hit
};

struct TZutatensuchform;

// One run of the search over an array, asked record by record: the list
// model's filter asks it for each row. It holds the array by reference; the
// array must not change size while the run is asked.
class TZutatensuchlauf
{
public:
    TZutatensuchlauf(const TZutatentotal &zutaten, const QString &text, const TZutatensuchart &art);
    // Never listed: Status 4, no name, or a filter of the window.
    bool Ausgeschlossen(qint32 i) const;
    // Every word in the name, exclusions aside.
    bool Passt(qint32 i) const;
    // Listed: not excluded, and every word in the name.
    bool Treffer(qint32 i) const;
    // A listed record whose name begins with the first word: the first of
    // them is the line to select.
    bool Beginnt_mit_Suchtext(qint32 i) const;
    QString Anzeigetext(qint32 i) const;

private:
    const TZutatentotal &m_zutaten;
    TZutatensuchart m_art;
    TString m_woerter;
    QString m_erstes;
    QVector<TZutatensuchform> *m_formen;
};

// Runs the search over the whole array at once.
TZutatentreffer Ermittle_Zutatensuche(const TZutatentotal &zutaten, const QString &text, const TZutatensuchart &art);
