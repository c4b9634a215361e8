#pragma once
// The cooking dictionary file PRGDATA\ENG\LEXIKON\Lexikon.hbd and its
// globals GlobalLexikon, LexikonGruppenanzahl and LexikonGruppen (declared in
// core/Globals.h).
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// Load (32) empties GlobalLexikon and reads the file (gruppenfilter -1 = all
// groups, else only that group's entries; the group names are always all
// read), then sorts. Save (64) writes the three globals; with both flags a
// load that fails skips the save. dateiname empty = "Lexikon.hbd", else a
// file in the same folder. True when every requested step succeeded: the
// file existed with a valid header, or was written.
bool Lade_Lexikon(quint8 flags, qint32 gruppenfilter, const QString &dateiname);

// The file's lines to and from the three globals, without the file: what
// Lade_Lexikon reads and writes. False (dictionary empty) for a bad header.
bool Lies_Lexikon(QStringList zeilen, qint32 gruppenfilter);
QStringList Lexikonzeilen();

// The marker the line begins with ("{END}", "{TEXT}", ...) or ";;", which the
// file reads as its own rather than as a term or a line of text; empty when
// the line is kept as it stands.
QString Lexikon_Markenanfang(const QString &zeile);

// Stable sort by term with accents folded, in code-page byte order; one or two
// entries keep their order.
void Sortiere_Lexikon();

// Takes a delivered LEXIKON\Lexikon_NEU.hbd over at start-up: its entries are
// merged into Lexikon.hbd (a delivered entry replaces the user's entry of the
// same term; terms only the user has stay), the result saved, and the
// delivered file deleted. A delivered file that does not load is left alone
// and reported in the protocol; the user's dictionary stays as it was.
// Returns true when a file was taken over.
// speicherfehler (when given) tells a failed save from a bad delivery.
bool Uebernehme_Lexikon_Neu(bool *speicherfehler = nullptr);
