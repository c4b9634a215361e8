#pragma once
// The news file PRGDATA\ENG\NEWS.HRB (and the server's NEWSS.HBR): the
// header "[TWSNEWS]", the item count, then per item "**NEWSSTART**", ID,
// date, product tag, type tag, language, read flag ("-1" unread), subject,
// the number of text lines and the lines; an empty line ends the file.
#include <QString>

#include "core/Globals.h"

// Load (32) fills the global News from the file, Save (64) writes it (only
// items with a subject) and loads it back; with both the load runs first and
// a failed load skips the save. pfad empty = the default NEWS.HRB. False
// when a load finds no file or a wrong header, or a save cannot write.
bool Lade_News(int flags, const QString &pfad);

// The date as the file holds it: 23 characters, " 4.53217500000000E+0004".
QString Formatiere_Newsdatum(double datum);

// Loads NEWS.HRB and, when it holds items, enables the main window's update
// menu and its "Read news" entry. 0 when at least one item is unread, else -1.
qint32 Zaehle_UngeleseneNews();
