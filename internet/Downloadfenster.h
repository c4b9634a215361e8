#pragma once
// What the recipe and the graphics download windows share: the main window
// waits, disabled, while one is open, and is rebuilt with what arrived when
// it closes; neither closes while it installs.
class QCloseEvent;
class QKeyEvent;
class QWidget;

// Rebuilds the overview with the files that arrived and brings the main
// window back.
void Kehre_zur_Uebersicht_zurueck();

// For closeEvent: false (the event ignored) while the window is disabled,
// that is while it installs.
bool Downloadfenster_darf_schliessen(QWidget *fenster, QCloseEvent *event);

// F1 opens the help chapter; Enter and Escape as in every small window. True
// when the key was used.
bool Downloadfenster_Taste(QWidget *fenster, QKeyEvent *event, int hilfethema);
