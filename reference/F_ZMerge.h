#pragma once
// Makers' merge tool: walks through the translated list (see F_ZEng.h) and
// appends each name, with the group chosen, to PRGDATA\ENG\ENG\Lebensmittel.hbr.
// Closing saves that database and writes the names not merged to
// PRGDATA\ENG\ENG\food.txt.
#include <QWidget>

#include "core/Globals.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Appends a new active record named name in that group (0 when outside
// 0..18), with the picture name when that picture exists in
// GFXZUTAT\ENG\ENG\. Returns its index.
qint32 Fuege_uebersetzte_Zutat_an(TZutatentotal &zutaten, const QString &name, qint32 gruppe,
                                  const QString &grafik);

class TFZMerge : public QWidget
{
    Q_OBJECT
public:
    explicit TFZMerge(QWidget *parent = nullptr);

    QLineEdit *EName;
    QListWidget *LBKat;
    QLabel *IZutat; // a click chooses a picture
    QLabel *Label1;
    QPushButton *BOK;

    void Zeige_Eintrag();
    void BOKClick();
    void IZutatClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;
};

extern TFZMerge *FZMerge;

// Reads the translated list and the target database and opens the merge
// tool; false (with a message) when there is nothing to merge.
bool Zeige_Zutatenzusammenfuehrung();
