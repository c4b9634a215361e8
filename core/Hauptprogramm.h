#pragma once
// The main program block: start-up sequence, forms, message loop.
#include <QSize>

class QApplication;
class QWidget;

// Creates every form, main window first. Called once at start.
void Erzeuge_Formulare();

// The first steps of the start: program-OK flag, base folder (the current
// folder), defaults, option defaults.
void TWS_Grundwerte();

// On a small screen (less than 1024 wide or at most 767 high) the window
// becomes sizeable and maximisable; at most 800 high it also takes the
// screen height less 40.
void Passe_an_Bildschirm_an(QWidget *fenster, const QSize &bildschirm);

// Everything of the start that comes after the forms exist: delivered files
// taken over, installation check, options, ingredient database, units list,
// verb lists, recipe index and recipes, the index written back. Returns
// whether the program may go on (ProgrammOK).
bool TWS_Programmstart_Daten();

// Runs the whole program on an existing application object; returns the
// exit code of the message loop.
int TWS_Hauptprogramm(QApplication &app);
