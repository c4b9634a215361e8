#pragma once
// The shared message window. Every message of every window goes through here.
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

class TFMeldung : public QWidget
{
    Q_OBJECT
public:
    explicit TFMeldung(QWidget *parent = nullptr);

    // buttons: 0 = OK, 4 = Yes and No. Returns 1 (OK), 6 (Yes) or 7 (No).
    // The close box and Escape count as No, or OK when there is only OK.
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

// (text, heading, buttons 0 or 4) -> 1, 6 or 7. Modal: waits in an event loop
// until answered. Heading and text are shown as plain text. A test's
// scripted answerer takes the place of the window.
int Zeige_Meldung(const QString &text, const QString &heading, int buttons);
