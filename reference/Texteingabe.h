#pragma once
// Text memos whose lines go into recipe files: what comes in (paste, a loaded
// file, typing) is settled at once by the rule of core/Rezeptzeichen, and
// every character still left that a recipe file cannot hold is marked where
// it stands, while the user can still edit it.
#include <QString>
#include <QStringList>

class QPlainTextEdit;

// From now on memo settles its text on every change and, with markieren,
// marks what is left.
void Pruefe_Eingabezeichen(QPlainTextEdit *memo, bool markieren = true);

// Checks memo's lines before work is done on them. True when every line can
// be stored; otherwise the message names the first line and its characters
// (heading "Note:"), and the caret stands on that character.
bool Zeilen_speicherbar(QPlainTextEdit *memo, const QStringList &zeilen);
