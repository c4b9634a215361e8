#pragma once
// Every message of every part of the program goes through Zeige_Meldung. The
// data core declares it; the message window installs itself when the windows
// are created, and a test's scripted answerer (platform/Seams) takes
// precedence over both.
#include <QString>
#include <functional>

// The buttons a message offers and the answers it gives, with the numbers the
// system has always used for them.
enum TKnoepfe : int { Knopf_OK = 0, Knoepfe_Ja_Nein = 4 };
enum TAntwort : int { Antwort_OK = 1, Antwort_Ja = 6, Antwort_Nein = 7 };

// (text, heading, buttons Knopf_OK or Knoepfe_Ja_Nein) -> Antwort_OK,
// Antwort_Ja or Antwort_Nein. Modal while a window shows it. Without an
// answerer and a window (a program run without windows) it answers OK, or No
// to a question, so that nothing is done that was not agreed to.
int Zeige_Meldung(const QString &text, const QString &heading, int buttons);

using TMeldungsfenster = std::function<int(const QString &text, const QString &heading, int buttons)>;
// Installs the window that shows messages (empty = none).
void Setze_Meldungsfenster(TMeldungsfenster fenster);
