#pragma once
// Characters of pasted, loaded or typed text that the data files (Windows-1252)
// cannot hold, settled when the text comes in rather than refused at the end:
// every kind of space becomes a blank, invisible characters (byte-order mark,
// zero-width spaces and joiners, soft hyphen, direction marks, control
// characters) go, and vulgar fractions beyond the code page become "1/3",
// "2/3" ... (" 1/3" right after a digit, so that "1⅓" stays one amount). "½",
// "¼" and "¾" are in the code page and stay. What is left that a file cannot
// hold (Nicht_speicherbare_Zeichen) is for the user to mend.
#include <QString>
#include <QStringList>
#include <QStringView>

// The text settled; tabs and line breaks stay as they are.
QString Bereinige_Rezeptzeichen(const QString &text);

// The one step of that rule at position i of text: 0 when the character
// stays; otherwise the number of UTF-16 units (1 or 2) that ersatz replaces.
qsizetype Rezeptzeichen_Ersatz(QStringView text, qsizetype i, QString &ersatz);

// The first line holding a character a recipe file cannot hold, -1 for none;
// zeichen gets those characters.
qsizetype Erste_nicht_speicherbare_Zeile(const QStringList &zeilen, QString &zeichen);
