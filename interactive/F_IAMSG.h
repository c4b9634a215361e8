#pragma once
// The tutorial's page window: one rich-text page of PRGDATA\ENG\IAKOCHEN\ at
// a time. While a page is up the kitchen's tutorial waits for "Weiter".
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

class TFIAMSG : public QWidget
{
    Q_OBJECT
public:
    explicit TFIAMSG(QWidget *parent = nullptr);
    // Shows page n and waits until the window is hidden again.
    void Zeige_Tutorialschritt(int seite, bool abbrechen, bool weiter);
    void Setze_Tutorialknoepfe(bool abbrechen, bool weiter);

    QLabel *IBack;
    QTextBrowser *RETut;
    QPushButton *BWeiter;
    QPushButton *BEnde;

public slots:
    void BWeiterClick();
    void BEndeClick();

protected:
    void closeEvent(class QCloseEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;
};

extern TFIAMSG *FIAMSG;

// PRGDATA\ENG\IAKOCHEN\<n>.hbr below the base folder.
QString Tutorialseite(int seite);
