#include "internet/Downloadfenster.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>

#include "recipes/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "recipes/F_Meldung.h"

void Kehre_zur_Uebersicht_zurueck()
{
    if (FMain) {
        FMain->hide();
        FMain->setEnabled(true);
    }
    Programmstart(true);
    if (FMain) {
        FMain->show();
        FMain->raise();
        FMain->activateWindow();
    }
}

bool Downloadfenster_darf_schliessen(QWidget *fenster, QCloseEvent *event)
{
    if (!fenster->isEnabled()) {
        event->ignore();
        return false;
    }
    event->accept();
    return true;
}

bool Downloadfenster_Taste(QWidget *fenster, QKeyEvent *event, int hilfethema)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Zeige_Hilfe(hilfethema);
        return true;
    }
    return Dialogtaste(fenster, event);
}
