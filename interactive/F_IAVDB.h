#pragma once
// The whole verb list beside the kitchen: searchable; a double click enables
// the verb for the current device and puts it in the hand; "Neu" adds the
// search text as a new verb. Escape minimises it and brings it back.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

class TFIAVDB : public QWidget
{
    Q_OBJECT
public:
    explicit TFIAVDB(QWidget *parent = nullptr);

    QLineEdit *ESuche;
    QPushButton *BNeu;
    QListWidget *LBVerb;

    void LBVerbDblClick();
    void BNeuClick();
    // Escape: minimise the window and bring the kitchen forward, or show it
    // again with the focus in the search field.
    void Umschalten();
    // The window's short cuts (Escape toggles, F1 helps); also handed over
    // by the tutorial page. True when the key was one of them.
    bool Kurztaste(QKeyEvent *event);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Verbinde();
};

extern TFIAVDB *FIAVDB;

// Refills the list from IAVTotalliste by the search text, the kitchen's time
// and temperature, keeping the selected and the top row.
void Fuelle_Verbliste();
