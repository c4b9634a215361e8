#pragma once
// Every message of every part of the program goes through Zeige_Meldung. The
// data core declares it; the message window installs itself when the windows
// are created, and a test's scripted answerer (platform/Seams) takes
// precedence over both.
#include <QString>
#include <functional>

// (text, heading, buttons 0 = OK or 4 = Yes and No) -> 1 (OK), 6 (Yes) or
// 7 (No). Modal while a window shows it. Without an answerer and a window
// (a program run without windows) it answers OK, or No to a question, so
// that nothing is done that was not agreed to.
int Zeige_Meldung(const QString &text, const QString &heading, int buttons);

using TMeldungsfenster = std::function<int(const QString &text, const QString &heading, int buttons)>;
// Installs the window that shows messages (empty = none).
void Setze_Meldungsfenster(TMeldungsfenster fenster);
