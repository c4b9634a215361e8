#pragma once
// The graphics download window: how much new data the server offers, and
// the buttons that install it or go back.
#include <QWidget>

class QLabel;
class QPushButton;

class TFGraDown : public QWidget
{
    Q_OBJECT
public:
    explicit TFGraDown(QWidget *parent = nullptr);

    QLabel *IBack;
    QLabel *Label1;
    QPushButton *BInstallieren;
    QPushButton *BAbbrechen;
    QPushButton *BBInfo;

    void BInstallierenClick();
    void BAbbrechenClick();
    void BBInfoClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
};

extern TFGraDown *FGraDown;

// Fetches the list and opens the window with the amount to load; says so
// instead when everything is there already.
void Pruefe_Grafikupdate();
