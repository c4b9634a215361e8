#pragma once
// The news items the makers write into the server's news file: the tag
// tables behind the editor's radio groups, the item IDs and the editor's
// list lines.
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// Product, type and language tags in the order of the radio groups. The
// first type tag addresses every edition.
extern const QStringList Newsprodukte;
extern const QStringList Newstypen;
extern const QStringList Newssprachen;

// The tag at the chosen entry; no choice (-1) or one out of range reads the
// first entry.
QString Newstag(const QStringList &tabelle, int auswahl);
// The entry whose tag equals the text exactly; -1 when there is none.
int Newstagindex(const QStringList &tabelle, const QString &tag);

// 20 decimal digits from the random numbers.
QString Erzeuge_NewsID();

// The editor's line of an item: short date + ": " + product + " " + type +
// " " + language + " / " + subject.
QString Newseditorzeile(const TTNewsInhalt &eintrag);
