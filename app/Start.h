#pragma once
// The start of the program: the one place that knows every window. It
// creates the windows, runs the start-up sequence over the data core and the
// subsystems, and enters the message loop.
#include <QSize>

class QApplication;
class QWidget;

// Creates every form, main window first, and installs the message window.
// Called once at start.
void Erzeuge_Formulare();

// On a small screen (less than 1024 wide or at most 767 high) the window
// becomes sizeable and maximisable; at most 800 high it also takes the
// screen height less 40.
void Passe_an_Bildschirm_an(QWidget *fenster, const QSize &bildschirm);

// Takes over the delivered files of PRGDATA\ENG\ in order: ingredient
// databases, the units list (only in place of a missing one, through the
// release tool's copy routine), the verb list, the dictionary, the unit
// entries and the comments.
void Uebernehme_Neue_Dateien();

// Everything of the start that comes after the defaults: dictionary and tips,
// delivered files taken over, installation check, version check, the update
// question (only with a server configured), news, options, ingredient
// database, units list, verb lists, recipe index and recipes, the index
// written back. Needs no window. Returns whether the program may go on
// (ProgrammOK).
bool TWS_Programmstart_Daten();

// Runs the whole program on an existing application object; returns the
// exit code of the message loop.
int TWS_Hauptprogramm(QApplication &app);
