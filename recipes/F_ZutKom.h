#pragma once
// The ingredient comment picker: the user picks a stored comment or types a
// new one; OK (or Enter in the field) stores it in the comment file and
// inserts it as the line "*** text ***" above the editor's selected
// ingredient line (in the deluxe layout: above the caret's row of the
// columns). Text the files cannot hold is settled or refused first. F3
// deletes the chosen stored comment (never the last one).
#include <QString>
#include <QWidget>

#include "core/Globals.h"

class QComboBox;
class QLabel;
class QPushButton;

// Stores a comment in the list: the first entry equal to it in upper case
// is replaced by it (its new letter case), otherwise it is appended.
void Merke_Kommentar(TString &liste, const QString &text);
// Inserts the line into the recipe's ingredient lines at row zeile: the
// rows from there on move down by one.
void Fuege_Kommentarzeile_ein(TTRezepteTotal &rezept, qint32 zeile, const QString &text);

class TFZutKom : public QWidget
{
    Q_OBJECT
public:
    explicit TFZutKom(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *CBZutatKommentar; // editable
    QPushButton *BOK;
    QPushButton *BBInfo;

    // Fills the combo from the comment file; false (after a message) when
    // there is no comment.
    bool Fuelle();

public slots:
    void BOKClick();
    void Loesche_Kommentar(); // F3

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool Taste(QKeyEvent *event, bool losgelassen);
};

extern TFZutKom *FZutKom;

// Opens the picker over the recipe editor.
void Zeige_Zutatkommentare();
