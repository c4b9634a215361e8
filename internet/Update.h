#pragma once
// The version check at start-up, the internet check that switches the
// entries of the update menu, the set-up download and its start when the
// program closes, the ingredient database update and the news merge. Also
// the small helpers that the recipe and graphics downloads share.
#include <QString>

#include "core/Globals.h"
#include "dialogs/Dienste.h"

// The program's own version; shown as 4.00.
constexpr qint32 Programmversion = 400;

// PRGDATA\ENG\<name> below the base folder.
QString Datenpfad(const QString &name);
// The download server's address followed by path ("/TWS/ENG/..."); the
// part after the last "/" is a file name and is percent-encoded.
QString Serveradresse(const QString &pfad);

// Names that come from the server (the set-up, recipe files) are taken only
// as plain names inside their folder: no folder part, no "..", no drive.
bool Ist_einfacher_Dateiname(const QString &name);
// Tells the user that the server named a file in a way that is refused.
void Melde_ungueltigen_Namen(const QString &name);

// Enables the update menu and one of the main window's entries, with a new caption when
// text is not empty.
void Schalte_Updateeintrag(TMenueeintrag eintrag, const QString &text);

// The progress window with the bar set to 0..maximum KB, shown in front;
// and hidden again.
void Oeffne_Fortschritt(qint32 maximumKB);
void Schliesse_Fortschritt();

// Start-up: writes the program's version into VERSION.HRB. A downloaded
// set-up that the server's version file still calls newer is offered; on Yes
// the main window closes (which starts the set-up) and ProgrammOK is
// cleared. A set-up that the server's version equals is installed: its file
// is deleted and SETUPNAME emptied.
void TWS_Versionscheck();

// Start-up, after the version check: with a server configured, asks whether
// to look for updates; Yes runs the internet check, No leaves the manual
// entry of the update menu enabled. Without a server nothing is asked and
// the manual entry is enabled too, to say that no server is set.
void Frage_nach_Updates();

// Downloads the server's version file and compares it with VERSION.HRB:
// newer server versions enable their update entries (and set NeueVersion,
// NeueRezepte, NeueGrafiken, NeueZutaten), older ones are copied into
// VERSION.HRB. A recipe index left by an earlier download that still names
// recipes not installed enables the recipe download. Newer news are fetched
// and merged into NEWS.HRB. True when the version file was downloaded.
bool Internetupdate_Starten();

// The news merge: the items of neu that are meant for this program in
// English and are not already held (same ID and subject) are appended to
// alt, dated heute. Items for other products, languages, or without subject
// are dropped.
TNewsInhalt Mische_News(const TNewsInhalt &alt, const TNewsInhalt &neu, double heute);

// The start-up's closing notice: one text by priority (program version,
// recipes, data, ingredient database); empty when there is nothing new.
QString Updatehinweis();
void Zeige_Updatehinweis();

// Update > Download program update: loads the set-up the server's version
// file names into PRGDATA\ENG\ and records it in VERSION.HRB.
void Lade_Programmupdate();

// Update > Download database update: loads the global ingredient database,
// checks it and installs it as PRGDATA\ENG\LM_Share.hbr.
void Aktualisiere_Datenbank();

// Update > Download update information: the internet check run by hand,
// with a message about its result; with no server set, only the message
// saying so and how to set one.
void Lade_Updateinformationen();

// Update > Updates on the internet: the maker's web site in the browser.
void Oeffne_Updateseite();

// At every real close of the program: a downloaded set-up that VERSION.HRB
// names is opened through the shell.
void Starte_Update();
