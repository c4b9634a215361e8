#pragma once
// File routines of the release tool (copy, delete, empty a folder, hide a
// value in a file); each step writes to the protocol (core/Protokoll.h).
#include <QString>
#include <functional>

#include "core/Globals.h"
#include "core/Protokoll.h"

// Deletes the plain files of the folder (sub-folders stay). The folder
// carries its trailing backslash.
void Loesche_Verzeichnisdateien(const QString &verzeichnis);

// Copies the files of quellverzeichnis matching maske (when it holds "*")
// or the one file named maske into zielverzeichnis. With an empty mask both
// folder arguments are whole file paths. True when every copy was written.
bool Kopiere_Dateien(const QString &quellverzeichnis, const QString &maske, const QString &zielverzeichnis);

// Deletes the files of the folder matching maske (when it holds "*" or "?")
// or the one file named maske. True when every file is gone afterwards.
bool Loesche_Dateien(const QString &verzeichnis, const QString &maske);

// Writes ziel as a copy of quelle with wert hidden in it: byte 60 = start
// position p (100..249), byte 61 = length n, bytes p.. = each character's
// code + 10. Refuses a value longer than 255 characters or a source shorter
// than 249 + n bytes. True when the target was written.
bool Verberge_Wert_in_Datei(const QString &wert, const QString &quellverzeichnis, const QString &quellname,
                            const QString &zielverzeichnis, const QString &zielname);

// Kept for the release run's prelude; they do nothing.
void Erstelle_RMListe();
void Erstelle_Optionen();
