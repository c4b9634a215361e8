#include "dialogs/Dienste.h"

#include <QWidget>
#include <utility>

namespace {
THauptfensterdienste g_haupt;
TEditordienste g_editor;
} // namespace

void Setze_Hauptfensterdienste(THauptfensterdienste dienste)
{
    g_haupt = std::move(dienste);
}

QWidget *Hauptfenster()
{
    return g_haupt.fenster ? g_haupt.fenster() : nullptr;
}

void Starte_Uebersicht_neu(bool reload)
{
    if (g_haupt.programmstart)
        g_haupt.programmstart(reload);
}

void Schalte_Werkzeugfenster(bool zeigen)
{
    if (g_haupt.werkzeugfenster)
        g_haupt.werkzeugfenster(zeigen);
}

qint32 Rezept_der_Uebersicht()
{
    return g_haupt.ausgewaehltesRezept ? g_haupt.ausgewaehltesRezept() : -1;
}

void Schalte_Menueeintrag(TMenueeintrag eintrag, bool an)
{
    if (g_haupt.schalte)
        g_haupt.schalte(eintrag, an);
}

void Beschrifte_Menueeintrag(TMenueeintrag eintrag, const QString &text)
{
    if (g_haupt.beschrifte)
        g_haupt.beschrifte(eintrag, text);
}

void TAufrufersperre::Sperre()
{
    for (QWidget *w : {Hauptfenster(), Rezepteditor()})
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            m_gesperrt.append(w);
        }
}

void TAufrufersperre::Gib_frei()
{
    for (const QPointer<QWidget> &w : std::as_const(m_gesperrt))
        if (w)
            w->setEnabled(true);
    m_gesperrt.clear();
}

void Setze_Editordienste(TEditordienste dienste)
{
    g_editor = std::move(dienste);
}

QWidget *Rezepteditor()
{
    return g_editor.fenster ? g_editor.fenster() : nullptr;
}

QStringList Editorzutaten()
{
    return g_editor.zutatenzeilen ? g_editor.zutatenzeilen() : QStringList();
}

bool Uebernimm_Portionen(const QStringList &zeilen, const QString &portionen, const QString &preis, double faktor)
{
    return g_editor.neuePortionen && g_editor.neuePortionen(zeilen, portionen, preis, faktor);
}

void Zeige_Editorzutaten()
{
    if (g_editor.zeigeZutaten)
        g_editor.zeigeZutaten();
}

void Leere_Kuechentexte()
{
    if (g_editor.leereKuechentexte)
        g_editor.leereKuechentexte();
}
