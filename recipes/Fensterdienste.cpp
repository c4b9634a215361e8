// The services that the main window and the editor give the windows below
// them (dialogs/Dienste.h).
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <utility>

#include "core/Grundoperationen.h"
#include "dialogs/Dienste.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Rez_p.h"

namespace {

QAction *Eintrag(TMenueeintrag eintrag)
{
    switch (eintrag) {
    case TMenueeintrag::Updatemenue:
        return nullptr;
    case TMenueeintrag::Programmupdate:
        return FMain->MPRGUpdatestarten;
    case TMenueeintrag::Rezeptdownload:
        return FMain->MRezeptedownloaden;
    case TMenueeintrag::Grafikdownload:
        return FMain->MGrafikendownloaden;
    case TMenueeintrag::Datenbankupdate:
        return FMain->MDatenbankenupdaten;
    case TMenueeintrag::Updateinformationen:
        return FMain->MUpdateinformationenmanuelldownloaden;
    case TMenueeintrag::Updateseite:
        return FMain->MUpdatesimInternet;
    case TMenueeintrag::Nachrichten:
        return FMain->MNachrichtenlesen;
    case TMenueeintrag::Email:
        return FMain->EmailansTafelwerkstatt1;
    }
    return nullptr;
}

void Schalte(TMenueeintrag eintrag, bool an)
{
    if (!FMain)
        return;
    if (eintrag == TMenueeintrag::Updatemenue)
        FMain->MUpdate->setEnabled(an);
    else if (QAction *a = Eintrag(eintrag))
        a->setEnabled(an);
}

void Beschrifte(TMenueeintrag eintrag, const QString &text)
{
    if (FMain)
        if (QAction *a = Eintrag(eintrag))
            a->setText(text);
}

// The calculator's take-over changes the recipe the editor shows (the one
// it was opened for: the editor closes it when it takes another), not the
// current one, which another window (the wizard, the kitchen) may have made
// its own meanwhile.
bool Neue_Portionen(const QStringList &zeilen, const QString &portionen, const QString &preis, double faktor)
{
    TTRezepteTotal *r = rezeditor::Formularsatz();
    if (!FRez || !r)
        return false;
    const int markiert = FRez->LBZutatliste->currentRow();
    FRez->LBZutatliste->clear();
    FRez->LBZutatliste->addItems(zeilen);
    if (markiert >= 0 && markiert < FRez->LBZutatliste->count())
        FRez->LBZutatliste->setCurrentRow(markiert);
    (r->Deluxe != 0 ? FRez->ERAnzahlportionen1 : FRez->ERAnzahlportionen)->setText(portionen);
    for (QLineEdit *feld : {FRez->ERPreis, FRez->ERPreis1})
        feld->setText(preis);
    for (TTRezeptzutat &z : r->Zutaten)
        if (!z.Menge.isEmpty())
            Multipliziere_Menge(z.Menge, faktor);
    for (TTZutatenliste &z : r->Zutatenliste)
        if (!z.Menge.isEmpty())
            Multipliziere_Menge(z.Menge, faktor);
    if (r->Deluxe == 1) {
        // The deluxe columns hold the recipe's lines in that layout; the
        // editor takes them back from the quantity column. The ingredient
        // choice holds database names, not quantities: it stays as it is.
        QStringList mengen = FRez->MMenge1->toPlainText().split(QLatin1Char('\n'));
        for (QString &m : mengen)
            if (!m.trimmed().isEmpty())
                Multipliziere_Menge(m, faktor);
        FRez->MMenge1->setPlainText(mengen.join(QLatin1Char('\n')));
    }
    return true;
}

// The list and the selected line again from the editor's own recipe.
void Zeige_Formularzutaten()
{
    Aktualisiere_Zutatenliste();
    Zeige_Zutatzeile();
}

} // namespace

void Installiere_Hauptfensterdienste()
{
    THauptfensterdienste d;
    d.fenster = []() -> QWidget * { return FMain; };
    d.programmstart = [](bool reload) { Programmstart(reload); };
    d.werkzeugfenster = [](bool zeigen) {
        if (FMain && zeigen)
            FMain->Zeige_Werkzeugfenster();
        else if (FMain)
            FMain->Verstecke_Werkzeugfenster();
    };
    d.ausgewaehltesRezept = [] { return FMain ? FMain->Ausgewaehltes_Rezept() : -1; };
    d.schalte = &Schalte;
    d.beschrifte = &Beschrifte;
    Setze_Hauptfensterdienste(std::move(d));
}

void Installiere_Editordienste()
{
    TEditordienste d;
    d.fenster = []() -> QWidget * { return FRez; };
    d.zutatenzeilen = [] {
        QStringList zeilen;
        for (int i = 0; FRez && i < FRez->LBZutatliste->count(); ++i)
            zeilen.append(FRez->LBZutatliste->item(i)->text());
        return zeilen;
    };
    d.neuePortionen = &Neue_Portionen;
    d.zeigeZutaten = &Zeige_Formularzutaten;
    d.leereKuechentexte = [] {
        if (FRez)
            FRez->Leere_Kuechentexte();
    };
    Setze_Editordienste(std::move(d));
}
