#pragma once
// Where the program's windows open and which of them stands in front.
//
// Every top-level window opens wholly on the screen that holds the main
// window: a filter on the application sees each window just before it is
// mapped and moves it there (and shrinks it when it is larger than the
// screen), so no window relies on the window manager to be put right. A
// window its code never placed opens centred.
//
// Questions, notices and tips open in front of every other window of the
// program: transient for the window that was shown or activated last (a
// window that stays on top comes first), and themselves on top while any
// window of the program stays on top.
#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

// The screen of the main window; the primary screen before there is one.
QScreen *Programmbildschirm();
// The room a window's frame may take there (the screen less panels).
QRect Fensterbereich();
// The frame the window manager puts round the window: the real one once the
// window was mapped, else the largest seen so far on another window, else a
// generous guess. None for frameless windows.
QMargins Fensterrahmen(const QWidget *fenster);

// Moves a top-level window (and shrinks it when it must) by the least
// distance so that its frame lies wholly in Fensterbereich().
void Halte_auf_Bildschirm(QWidget *fenster);
// Centres the window's frame in Fensterbereich().
void Zentriere_Fenster(QWidget *fenster);
// Puts the frame's top-left corner at the point, then keeps it on screen.
void Platziere_Fenster(QWidget *fenster, QPoint oben_links);

// The visible window of the program that a new question stands in front of,
// never `ausser`: the latest shown or activated window that stays on top,
// else the latest shown or activated window; null when none is visible.
QWidget *Vorderstes_Fenster(const QWidget *ausser = nullptr);
// Whether a visible window of the program other than `ausser` stays on top.
bool Fenster_bleibt_oben(const QWidget *ausser = nullptr);
// Shows a question, notice or tip in front of every window of the program
// and gives it the keys: transient for Vorderstes_Fenster, on top when a
// window of the program is, centred when it was hidden, raised, activated.
// Returns the window it stands in front of (null when none).
QWidget *Zeige_vorne(QWidget *fenster);
// After the question `frage` was answered and hidden, gives the keys back to
// the window that waited for it (the one Zeige_vorne returned) when it is
// still shown, enabled and not minimised; else to the window of the program
// shown or activated last that is. Done from the event loop, once the answer
// was acted upon (it may close the waiting window and enable another) and the
// window manager took the focus from the question: left alone, it hands the
// keys to any window, a disabled one too. A question open by then keeps them.
void Gib_Tasten_zurueck(QWidget *frage, QWidget *wartend);

// While one lives, a dialog that opens (a file dialog, which the function
// that asks for the file creates itself) stands in front like a question:
// transient for Vorderstes_Fenster and on top when a window of the program
// is, so that a window that stays on top does not cover it.
class Dialog_vorne
{
public:
    Dialog_vorne();
    ~Dialog_vorne();
    Dialog_vorne(const Dialog_vorne &) = delete;
    Dialog_vorne &operator=(const Dialog_vorne &) = delete;
};
