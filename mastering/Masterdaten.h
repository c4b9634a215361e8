#pragma once
// The release tool's work on the master copies of its data files: copying
// them into the program's own PRGDATA\ENG\ (the scratch area) and back, the
// check of the shipped and the all-ingredients database, and new ingredients
// made from a folder of pictures. Every step writes a protocol line; nothing
// asks, and a failed step is an ERROR line after which the run goes on with
// what does not depend on it.
#include <QString>
#include <array>

#include "core/Globals.h"

// <master root>Masterdaten\PRGDATA\ENG\<name> and <base>PRGDATA\ENG\<name>.
QString Masterdatei(const QString &masterpfad, const QString &name);
QString Lokale_Datei(const QString &name);

// The master root as typed, with its trailing backslash (added when missing);
// blanks around it removed, an empty text stays empty.
QString Normalisiere_Masterpfad(const QString &text);
// False, with an ERROR line, when the root is empty or holds no Masterdaten
// folder: the tools then touch no file.
bool Pruefe_Masterpfad(const QString &masterpfad);

// Copies the master copy of name over the local one. The local file is
// replaced only when the master copy was read, so a missing master leaves it
// as it was. OK "Copying " or ERROR "Copy-FAILURE " + local path.
bool Kopiere_Master_herein(const QString &masterpfad, const QString &name);
// Copies the local file to masterdatei (a whole path) with the given line
// texts + masterdatei (OK when written, ERROR when not).
bool Kopiere_zum_Master(const QString &lokal, const QString &masterdatei, const QString &okText,
                        const QString &fehlerText);
// ERROR "Copy-FAILURE (Length=0): " + path when the file is shorter than 128
// bytes (or missing).
void Pruefe_Dateilaenge(const QString &pfad);

// --- the database check -----------------------------------------------------

// Counters by Status: 0 inactive, 1 active, 2, 3, 4 kitchen-only, 5 wrong
// (every value above 4).
struct TZutatenzaehler {
    std::array<qint32, 6> Status{};
    qint32 Grafiken = 0; // records whose picture file exists
};

// Counts status and pictures; each missing picture gets a line: ERROR
// "Grafik fehlt: " + picture path, or WARNING "Grafik fehlt, Zutatname: "
// when the record names no picture.
TZutatenzaehler Zaehle_Zutaten(const TZutatentotal &liste);
// Removes a trailing "." from Zutatname, Rezepttextname and Suchname of every
// record whose status is not 4, with one ERROR line per change.
void Entferne_Endpunkte(TZutatentotal &liste);
// The picture line and the six counter lines; alle selects the expectations
// of the all-ingredients database instead of the shipped one.
void Schreibe_Zutatenzaehler(const TZutatenzaehler &z, qint32 anzahl, bool alle);
// Both passes of "Checke Lebensmittel". The all-ingredients database is saved
// with the corrected names.
void Checke_Lebensmittel(const QString &masterpfad);

// Making the shipped database, before the browser: the master copies of the
// shipped and the all-ingredients database copied in and loaded. False when
// either is missing or does not load; the program's own local copies are
// then put back, so that the browser never saves a failed load anywhere.
bool Hole_Lebensmitteldatenbanken(const QString &masterpfad);
// After the browser: the local shipped database back to its master copy
// ("Back-Copying "), then OK "Ready." and an empty OK line.
bool Bringe_Lebensmittel_zurueck(const QString &masterpfad);

// --- new ingredients from pictures ---------------------------------------------

// The picture file name with blank , ; : ? # + * \ @ - / each replaced by "_".
QString Bereinige_Grafikname(const QString &dateiname);
// One record per "*.png" of the folder (system path with its backslash),
// named by the file, its picture copied below GFXZUTAT\ENG\ (into the brand's
// sub-folder when the name carries a brand). A bare line per record.
TZutatentotal Erzeuge_Zutaten_aus_Grafiken(const QString &ordner, quint8 status);
// Appends the records of neu whose name (upper case) ziel does not hold yet;
// each one skipped gets a WARNING line. Returns how many were appended.
qint32 Haenge_Zutaten_an(TZutatentotal &ziel, const TZutatentotal &neu);
// Loads the all-ingredients database from its master copy, appends neu,
// saves it and copies it to the master copy and to LM_Share.hbr. Nothing is
// saved or copied when the database did not load. Leaves Zutatentotal empty.
bool Uebernehme_neue_Zutaten(const QString &masterpfad, const TZutatentotal &neu);
