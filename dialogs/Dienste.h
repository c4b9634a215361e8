#pragma once
// What a window asks of a window above it in the folder order, without
// including it. The window that gives a service installs it when it is
// created; until then a service does nothing and answers null or -1.
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The main window's menu entries that the internet routines switch.
enum class TMenueeintrag {
    Updatemenue, // the Update menu as a whole
    Programmupdate,
    Rezeptdownload,
    Grafikdownload,
    Datenbankupdate,
    Updateinformationen, // download update information by hand
    Updateseite,
    Nachrichten,
    Email,
};

// The main window's services.
struct THauptfensterdienste {
    std::function<QWidget *()> fenster;
    std::function<void(bool reload)> programmstart;
    std::function<void(bool zeigen)> werkzeugfenster;
    std::function<qint32()> ausgewaehltesRezept;
    std::function<void(TMenueeintrag eintrag, bool an)> schalte;
    std::function<void(TMenueeintrag eintrag, const QString &text)> beschrifte;
};
void Setze_Hauptfensterdienste(THauptfensterdienste dienste);

// The main window as a plain window; null before it exists.
QWidget *Hauptfenster();
// Rebuilds the overview (Programmstart); with reload the recipes are read
// again first.
void Starte_Uebersicht_neu(bool reload);
// Shows the tool windows the options ask for, or hides all of them.
void Schalte_Werkzeugfenster(bool zeigen);
// The recipe selected in the overview (RezepteTotal index), -1 for none.
qint32 Rezept_der_Uebersicht();
void Schalte_Menueeintrag(TMenueeintrag eintrag, bool an);
void Beschrifte_Menueeintrag(TMenueeintrag eintrag, const QString &text);

// Keeps the main window and the recipe editor waiting (disabled) while a
// window works on data that their menus would reload under it: the
// ingredient database windows and the ingredient editor. Gib_frei enables
// only the windows Sperre disabled; one that waited already keeps waiting.
class TAufrufersperre
{
public:
    void Sperre();
    void Gib_frei();

private:
    QList<QPointer<QWidget>> m_gesperrt;
};

// The recipe editor's services.
struct TEditordienste {
    std::function<QWidget *()> fenster;
    // The ingredient lines as the editor lists them.
    std::function<QStringList()> zutatenzeilen;
    // The servings calculator's result: the new ingredient lines, the
    // servings and price texts, and the factor for the quantities of the
    // recipe the editor shows. False (nothing changed) when it shows none.
    std::function<bool(const QStringList &zeilen, const QString &portionen, const QString &preis, double faktor)>
        neuePortionen;
    // The list and the selected line again from the editor's recipe.
    std::function<void()> zeigeZutaten;
    std::function<void()> leereKuechentexte;
};
void Setze_Editordienste(TEditordienste dienste);

// The editor as a plain window; null before it exists.
QWidget *Rezepteditor();
QStringList Editorzutaten();
bool Uebernimm_Portionen(const QStringList &zeilen, const QString &portionen, const QString &preis, double faktor);
void Zeige_Editorzutaten();
// The kitchen opens: the editor forgets the texts it kept for it.
void Leere_Kuechentexte();
