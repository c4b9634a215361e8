#pragma once
// What the ingredient management and the global database browser share: a
// search field, a group filter and a second filter above a check list of
// ingredients, the picture of the selected one and a column of buttons
// beside it, a popup on the list, Back and Help. Escape closes, F1 opens the
// window's help, and closing runs the window's FormClose.
#include <QList>
#include <QWidget>

#include "core/Globals.h"
#include "dialogs/Dienste.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TZutatenliste;

class TZutatenlistenfenster : public QWidget
{
    Q_OBJECT
public:
    QLabel *IBack;
    QLineEdit *ESuche;
    QComboBox *CBZart; // the first entry shows every group, then the 19 groups
    TZutatenliste *CLBZutat; // a check list over the window's array
    QLabel *IZutat;
    QPushButton *BZurueck;
    QPushButton *BBInfo;

    virtual void Suche() = 0;
    virtual void CLBZutatClick() = 0;
    virtual void FormClose() = 0;

    qint32 Markierte() const;

    // The window works on the database in memory and saves it on closing:
    // while it is open, the overview and the recipe editor (which open both
    // kinds) wait, so that neither window reloads the database under the
    // other. FormClose lets them go again. (The ingredient editor keeps them
    // waiting likewise, and neither kind opens while it is open.)
    void Sperre_Aufrufer();

protected:
    TZutatenlistenfenster(const QString &name, const QString &titel, qint32 hilfethema, TZutatentotal &zutaten,
                          QWidget *parent);

    // A combo box or button of this window with its object name.
    QComboBox *Neue_Auswahl(const char *name);
    QPushButton *Neuer_Knopf(const char *name, const QString &text);
    // Builds the popup menu of the list; Eintrag adds one named item to it.
    QMenu *Neues_Popup(const char *name);
    QAction *Eintrag(const char *name, const QString &text);
    // Lays the window out: the second filter beside CBZart, the buttons
    // under the picture; connects the search, the list and Back and Help.
    void Baue_Layout(QComboBox *filter, const QList<QPushButton *> &knoepfe);
    // Background and help glyph, on opening.
    void Lade_Bilder();
    // Fills CBZart with the first entry and the groups, and empties the
    // search field and the list (signals blocked).
    void Fuelle_Gruppen(const QString &erster);
    void Markiere_alle(bool an);
    // Empties the search field and puts both filters on their first entry,
    // then searches.
    void Setze_Suche_zurueck(QComboBox *filter);
    void Gib_Aufrufer_frei();

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    qint32 Hilfethema;
    QMenu *Popup = nullptr;

private:
    TAufrufersperre m_sperre;
};
