#pragma once
// Program tips: PRGDATA\ENG\FIRSTTIPP\Tipp<n>.hbr (RTF) with the picture
// Grafiken\ENG\PNG\FirstTipp\Tipp<n>.png. Tip n is GlobalFirstTipp[n - 1]; the
// options remember the tips shown (Optionen.TippsGezeigt, one "0"/"1" per
// tip) and whether tips show at all (Optionen.Tipps).
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextBrowser;

class TFTipp : public QWidget
{
    Q_OBJECT
public:
    explicit TFTipp(QWidget *parent = nullptr);

    // Fills the window with tip n (1-based); false when it cannot be read.
    bool Lade_Tipp(int n);
    int Tippnummer() const { return m_tipp; }

    QLabel *ITipp;
    QTextBrowser *RETipp;
    QCheckBox *CBKeineTipps; // "Don't show tips"
    QPushButton *BNaechster;
    QPushButton *BOK;

public slots:
    void BOKClick();
    void BNaechsterClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_tipp = 0;
};

extern TFTipp *FTipp;

// Rebuilds GlobalFirstTipp from the tip files found (Tipp1.hbr, Tipp2.hbr ...
// up to the first missing number).
void Lade_FirstTipp();
// Shows tip AktuellerTipp when tips are on and it was not shown before; marks
// it shown. 0 when the window was shown (callers wait while FTipp is
// visible), -1 when nothing is shown.
qint32 Zeige_Tipp();
// The Help menu's entry: shows a tip whether or not it is due.
void Zeige_Tipp_immer(int n);
