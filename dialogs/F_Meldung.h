#pragma once
// The shared message window. Every message of every window goes through here.
#include <QString>
#include <QWidget>

#include "core/Meldung.h"

class QKeyEvent;
class QLabel;
class QPushButton;

class TFMeldung : public QWidget
{
    Q_OBJECT
public:
    explicit TFMeldung(QWidget *parent = nullptr);

    // buttons: 0 = OK, 4 = Yes and No. Returns 1 (OK), 6 (Yes) or 7 (No).
    // The close box and Escape count as OK when there is only OK; a Yes/No
    // question stays open until Yes or No is pressed.
    int Zeige(const QString &text, const QString &heading, int buttons);

    QLabel *LUeberschrift;
    QLabel *LText;
    QPushButton *BOK;
    QPushButton *BJa;
    QPushButton *BNein;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Beantworte(int result);
    int m_result = 0;
    int m_buttons = 0;
};

extern TFMeldung *FMeldung;

// The message window behind Zeige_Meldung (core/Meldung.h), installed by
// Installiere_Meldungsfenster: (text, heading, buttons 0 or 4) -> 1, 6 or 7.
// Modal: waits in an event loop until answered. Heading and text are shown
// as plain text.
int Zeige_Meldungsfenster(const QString &text, const QString &heading, int buttons);
void Installiere_Meldungsfenster();

// The windows are no QDialogs, so Enter and Escape do nothing by themselves:
// Enter clicks the focused button, else the visible default one; Escape
// closes the window (its close handler decides what that means). True when
// the key was used.
bool Dialogtaste(QWidget *fenster, QKeyEvent *event);
