#pragma once
// The small dialog that asks the category of each new ingredient made from a
// picture ("Zutaten erweitern"). It has no close button: OK is the way on.
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

class TFTWSMZu : public QWidget
{
    Q_OBJECT
public:
    explicit TFTWSMZu(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *IZutat;
    QComboBox *CBZutat;
    QPushButton *BOK;

    // Zutatentotal[ZuDaIndex].Kategorie := the chosen category, a bare
    // protocol line, and the dialog hides.
    void BOKClick();
};

extern TFTWSMZu *FTWSMZu;

// Shows the dialog once for every record of Zutatentotal (ZuDaIndex = the
// record) and returns when each has been given a category. The category
// chosen last is offered again for the next picture.
void Zeige_Zutatenkategorieauswahl();
