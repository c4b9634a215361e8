#pragma once
// The recipe download index (RECIPESS.HRB) as the release tool edits it: a
// key-value file with "TWSRECIPESVERSION=" and "COUNTRECIPES=" and one block
// per recipe, numbered from 0:
//   RECIPE=i, DOWNLOADSIZEKB=kb, RECIPENAME=name,
//   RECIPEFILE= recipe file name, remarks side file, instructions side file
//   (a side file the recipe lacks is written with an empty value),
//   RECIPETEXTBEGIN=, the short description (one blank line when there is
//   none), RECIPETEXTEND=, RECIPEEND<i>=
// The routines work on the index's lines only; the window loads and saves.
#include <QString>

#include "core/Globals.h"

// Size of a file as the download counts it: bytes div 1024 + 1, so a file
// that is empty, missing or unreadable counts 1.
qint32 Dateigroesse_KB(const QString &pfad);

// The files one recipe block names, as whole paths: the recipe file, then its
// remarks and instructions side files (they lie beside the recipe file). A
// side file counts when the record names it, or, while the field is empty,
// when the file of the default name exists. Empty entries stand for side
// files the recipe does not have, so the list always holds three paths.
QStringList Rezeptblockdateien(const TTRezepteTotal &rezept);

// The ten or more lines of block nummer for the recipe; groesseKB is the sum
// of the file sizes of its files.
TString Erstelle_Rezeptblock(qint32 nummer, const TTRezepteTotal &rezept, qint32 groesseKB);

// Appends one block per recipe, numbered on from the index's COUNTRECIPES,
// and writes the new count into every "COUNTRECIPES=" line; an index without
// one gets it below its header (an empty index gets the header first). The
// paths of every file the new blocks name are appended to speicherliste.
void Fuege_Rezeptbloecke_an(TString &index, const QList<TTRezepteTotal> &rezepte, TString &speicherliste);

// Removes every recipe block, whatever its number, and sets COUNTRECIPES to
// 0; every other non-empty line stays. A block whose end line is missing ends before
// the next block or key line, so the rest of the index is kept.
void Entferne_Rezeptbloecke(TString &index);

// Raises TWSRECIPESVERSION by one (the line is added when missing).
void Erhoehe_Rezeptindexversion(TString &index);
