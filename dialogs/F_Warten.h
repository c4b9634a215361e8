#pragma once
// The wait window: shown while a long operation runs on the GUI thread.
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;

// Flags of Aufbereitungsfenster_Auf: what happens to the given window.
constexpr int AF_Deaktivieren = 0x0001; // disable it
constexpr int AF_Aktivieren = 0x0002;   // enable it (also a flag of _Zu)
constexpr int AF_Verstecken = 0x0004;   // hide it
// Flags of Aufbereitungsfenster_Zu: what happens to the window given at _Auf.
constexpr int AF_Zeigen = 0x0010;       // show it
constexpr int AF_NachVorne = 0x0020;    // bring it to the top
// Leaves the window alone (the version check passes it); any value without
// the bits above does the same.
constexpr int AF_Nichts = 0x2000;

class TFWarten : public QWidget
{
    Q_OBJECT
public:
    explicit TFWarten(QWidget *parent = nullptr);

    QLabel *LText;
    // The window given to Aufbereitungsfenster_Auf, for _Zu.
    QPointer<QWidget> Aufrufer;
};

extern TFWarten *FWarten;

// Shows the wait window with the text (lines split by "\n") and treats the
// given window (may be null) by the flags.
void Aufbereitungsfenster_Auf(QWidget *window, int flags, const QString &text);
// Hides the wait window, clears its text and treats the window given at _Auf
// by the flags.
void Aufbereitungsfenster_Zu(int flags);
