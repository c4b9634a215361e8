#pragma once
// The main program block: start-up sequence, forms, message loop.
class QApplication;

// Creates every form, main window first. Called once at start.
void Erzeuge_Formulare();

// Runs the whole program on an existing application object; returns the
// exit code of the message loop.
int TWS_Hauptprogramm(QApplication &app);
