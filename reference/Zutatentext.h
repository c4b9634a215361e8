#pragma once
// Ingredient text conversion: turns pasted free-text ingredient lines into
// lines of quantity, unit and ingredient name that a recipe file can hold.
// Two passes, both without a window: the check pass tidies every line,
// applies the units list's text replacements and synonyms and marks names
// the ingredient database lacks; the transfer pass moves every well-formed
// line into the list of lines still to be matched. The import window
// (recipes/F_DigI) shows the results.
#include <QString>
#include <QStringList>

// Appended to a line whose name the database does not hold.
extern const QString Nichtgefunden_Marke; // " (??)"

// The line without the first not-found marker.
QString Ohne_Nichtgefunden_Marke(const QString &zeile);
bool Hat_Nichtgefunden_Marke(const QString &zeile);

// Tabs to blanks, double blanks and double commas collapsed, leading and
// trailing blanks removed.
QString Bereinige_Zutatenzeile(const QString &zeile);

struct TZutatenpruefung {
    QStringList Zeilen;    // the checked lines (empty lines gone)
    int Gefunden = 0;      // names the database holds, "salt", "pepper", comments, lines without a name
    int Nichtgefunden = 0; // marked lines
};

// The check pass over the units list VariablenTotal[0] and Zutatentotal.
TZutatenpruefung Pruefe_Zutatenzeilen(const QStringList &zeilen);
// "7 of 10 ingredients found! Units converted!"
QString Pruefmeldung(const TZutatenpruefung &p);

struct TZutatenuebertragung {
    QStringList Registriert; // lines with quantity and unit, or with neither, in order
    QStringList Verblieben;  // lines with only a quantity or only a unit
    // The first line left behind with its reason ("... (unit is
    // incorrect!)"); empty when every line was registered.
    QString Meldung;
};

// The transfer pass.
TZutatenuebertragung Uebertrage_Zutatenzeilen(const QStringList &zeilen);

// The line that a matched line becomes: quantity, unit (when present) and the
// database name.
QString Zugeordnete_Zeile(const QString &zeile, const QString &zutatname);
// "*** text ***"
QString Kommentarzeile(const QString &text);
bool Ist_Kommentartext(const QString &zeile);
// The text between the asterisks of a comment line; any other line as it is.
QString Kommentarinhalt(const QString &zeile);
