#pragma once
// The graphics download window: how much new data the server offers, and
// the buttons that install it or go back.
#include "internet/Downloadbasis.h"

class QLabel;
class QPushButton;

class TFGraDown : public TDownloadfenster
{
    Q_OBJECT
public:
    explicit TFGraDown(QWidget *parent = nullptr);

    QLabel *Label1;
    QPushButton *BInstallieren;
    QPushButton *BAbbrechen;
    QPushButton *BBInfo;

    void BInstallierenClick();
    void BAbbrechenClick();
    void BBInfoClick();
    void FormClose() override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
};

extern TFGraDown *FGraDown;

// Fetches the list and opens the window with the amount to load; says so
// instead when everything is there already.
void Pruefe_Grafikupdate();
