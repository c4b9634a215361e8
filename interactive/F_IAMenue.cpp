// The kitchen's popup menu, its commands and its keys.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "core/Meldung.h"
#include "interactive/F_IAMSG.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IAKochen_p.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/F_IARezepttext.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IAZutat.h"
#include "interactive/IAExportdialog.h"
#include "interactive/IAHandlung.h"
#include "interactive/IASaetze.h"
#include "interactive/IASchliessen.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/F_Tipp.h"
#include "reference/F_Lex.h"


using namespace kochen;

// --- the popup menu ---------------------------------------------------------------

void TFIAMain::contextMenuEvent(QContextMenuEvent *event)
{
    PMIAPopup(event->globalPos());
    event->accept();
}

void TFIAMain::PMIAPopup(const QPoint &global)
{
    const QPoint p = mapFromGlobal(global);
    IAMausX = p.x();
    IAMausY = p.y();
    qint32 slot = -1;
    if (!P0->isHidden())
        for (int k = 0; k < 5; ++k)
            if (Unter_Zeiger(IZ[k]))
                slot = k;
    const TTIAPopup m = Ermittle_IAPopup(!LRK[0]->text().isEmpty(), !P2->isHidden() || !P3->isHidden(), slot);
    for (QAction *a : PMIA->actions())
        if (!a->isSeparator() && a != MDatenbankreseten)
            a->setVisible(!m.Leer);
    if (m.Leer)
        return;
    MVariablenanzeige->setText(m.Variablenanzeige);
    MZutatenzurueckholen->setEnabled(m.Zurueckholen);
    MTooltippsallgemeinanzeigen->setChecked(IAStatus.Tooltipps);
    MTooltippsimVerbeneditoranzeigen->setChecked(IAStatus.TooltippsVerbeditor);
    MKochverbenspeichern->setChecked(IAStatus.VerbenSpeichern == 1);
    MKochverbendatenbankspeichern->setChecked(IAStatus.VTotalSpeichern == 1);
    MRezepttextanzeigen->setVisible(m.Rezepttext);
    MLetzteRezeptzeileloeschen->setVisible(m.Rezepttext);
    MRezeptspeichern->setEnabled(m.Rezeptspeichern);
    MZutatoderGewuerzloeschen->setVisible(!m.Wegwerfen.isEmpty());
    MZutatoderGewuerzloeschen->setText(m.Wegwerfen);
    MZutatzumGewuerz->setVisible(!m.Umwandeln.isEmpty());
    MZutatzumGewuerz->setText(m.Umwandeln);
    PMIA->popup(global);
}

void TFIAMain::MZutatoderGewuerzloeschenClick()
{
    const qint32 i = IAPopupZutat;
    const TTIAZutatenliste *z = IAZutat(i);
    IAPopupZutat = -1;
    if (!z)
        return;
    const bool gewuerz = z->Gewuerz == 1;
    bool weg = false;
    {
        const Gesperrt sperre(this);
        weg = Wirf_Zutat_weg(i);
    }
    if (!weg)
        return;
    Aktualisiere();
    if (gewuerz)
        Zeige_Gewuerzregal();
    else
        Zeige_Zutatenregal();
}

void TFIAMain::MZutatzumGewuerzClick()
{
    const qint32 i = IAPopupZutat;
    const TTIAZutatenliste *z = IAZutat(i);
    IAPopupZutat = -1;
    if (!z || !Waage_ist_leer())
        return;
    const bool warGewuerz = z->Gewuerz == 1;
    bool gewandelt = false;
    {
        const Gesperrt sperre(this);
        gewandelt = Wandle_Zutat_um(i);
    }
    if (!gewandelt)
        return;
    P3->show();
    P2->hide();
    Aktualisiere();
    if (warGewuerz)
        Zeige_Gewuerzregal();
    else
        Zeige_Zutatenregal();
    Lege_auf_Waage();
}

void TFIAMain::MZutatenzurueckholenClick()
{
    bool geholt = false;
    {
        const Gesperrt sperre(this);
        geholt = Hole_Zutaten_zurueck();
    }
    if (!geholt)
        return;
    Aktualisiere();
    if (!P0->isHidden())
        Zeige_linkes_Panel();
}

void TFIAMain::MZutatoderGewuerzneuaufnehmenClick()
{
    // The selection hands the kitchen back when it closes.
    setEnabled(false);
    Zeige_IAZutatenauswahl();
}

void TFIAMain::MLetzteRezeptzeileloeschenClick()
{
    if (!P3->isHidden() || LRK[0]->text().isEmpty())
        return;
    bool geloescht = false;
    {
        const Gesperrt sperre(this);
        geloescht = Loesche_letzte_Rezeptzeile();
    }
    if (geloescht)
        Zeige_Rezeptzeilen();
}

void TFIAMain::MRezepttextanzeigenClick()
{
    Zeige_Rezeptzeilen();
    if (FIARezepttext)
        FIARezepttext->show();
}

void TFIAMain::Zwischenspeichern1Click()
{
    const Gesperrt sperre(this);
    Zwischenspeichern();
}

void TFIAMain::ExportzumTafelwerkstatt1Click()
{
    const Gesperrt sperre(this);
    Exportiere_zur_Tafelwerkstatt(this);
}

void TFIAMain::MRezeptladenClick()
{
    // The running recipe stays until another one is loaded or a new one
    // started; closing the chooser returns to it unchanged.
    setEnabled(false);
    Zeige_IARezeptauswahl(QString(), true, false);
}

void TFIAMain::MDatenbankresetenClick()
{
    const Gesperrt sperre(this);
    if (Zeige_Meldung(QStringLiteral("Möchten Sie die Verbendatenbank reseten? Dies ist sinnvoll, wenn Sie zu viele "
                                     "Verben in der Anzeigetafel haben."),
                      QStringLiteral("Wichtiger Hinweis:"), Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    const QString hinweis = QStringLiteral("Hinweis:");
    switch (Setze_IAVerben_zurueck()) {
    case TIAVerbreset::Nicht_zurueckgesetzt:
        Zeige_Meldung(QStringLiteral("Die Verben wurden nicht zurückgesetzt: Die Sicherung IAVariablenlisteBAK.hbr "
                                     "fehlt oder kann nicht gelesen werden."),
                      hinweis, Knopf_OK);
        return;
    case TIAVerbreset::Geladen:
        Zeige_Meldung(QStringLiteral("Die Verben wurden neu geladen!"), hinweis, Knopf_OK);
        break;
    case TIAVerbreset::Nicht_geladen:
        Zeige_Meldung(QStringLiteral("Die Verben wurden NICHT KORREKT geladen! Bitte beenden Sie das Programm!"), hinweis,
                      Knopf_OK);
        break;
    }
    Aktualisiere();
    if (!P1->isHidden())
        Zeige_Verbleiste();
}

void TFIAMain::MVerbeneditierenClick()
{
    if (!Darf_Verbeditor_oeffnen() || (FIAVerb && FIAVerb->isVisible()))
        return;
    setEnabled(false);
    Zeige_Verbeditor();
}

void TFIAMain::MVerbendatenbankanzeigenClick()
{
    if (FIAVDB)
        FIAVDB->Umschalten();
}

void TFIAMain::Zeige_Rezepttextfenster()
{
    if (!FIARezepttext)
        return;
    if (FIARezepttext->isVisible()) {
        FIARezepttext->hide();
        return;
    }
    Zeige_Rezeptzeilen();
    FIARezepttext->show();
}

// --- keys ---------------------------------------------------------------------------

void TFIAMain::keyPressEvent(QKeyEvent *event)
{
    const int taste = event->key();
    const bool tutorial = TutorialSchritt > 0;
    if (taste == Qt::Key_Escape) {
        if ((!tutorial || TutorialSchritt >= 5) && FIAVDB)
            FIAVDB->Umschalten();
        event->accept();
        return;
    }
    const bool kuerzel = (event->modifiers() & Qt::ControlModifier) || taste == Qt::Key_Delete || taste == Qt::Key_F2
        || taste == Qt::Key_F4;
    if (kuerzel) {
        event->accept();
        // During the tour the short-cuts do nothing; its recipe file is never
        // written over.
        if (tutorial)
            return;
        if (taste == Qt::Key_S && (event->modifiers() & Qt::ControlModifier))
            Zwischenspeichern1Click();
        else if (taste == Qt::Key_E && (event->modifiers() & Qt::ControlModifier))
            ExportzumTafelwerkstatt1Click();
        else if (taste == Qt::Key_Delete)
            MLetzteRezeptzeileloeschenClick();
        else if (taste == Qt::Key_F2)
            Zeige_Lexikon(true, -1, QString());
        else if (taste == Qt::Key_F4 && IAHandZutat < 0 && IAVerbInHand < 0 && P8->isHidden()) {
            if (LRK[0]->text().isEmpty()) {
                const Gesperrt sperre(this);
                Zeige_Meldung(QStringLiteral("Es ist noch kein Rezepttext erfasst worden, der angezeigt werden kann."),
                              QStringLiteral("Hinweis:"), Knopf_OK);
            } else {
                Zeige_Rezepttextfenster();
            }
        }
        return;
    }
    if (tippeVerb(this, event->text()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TFIAMain::keyReleaseEvent(QKeyEvent *event)
{
    const int taste = event->key();
    if (taste != Qt::Key_F1 && taste != Qt::Key_F3) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (TutorialSchritt > 0)
        return;
    if (taste == Qt::Key_F3)
        MVerbeneditierenClick();
    else
        Zeige_Hilfe(Hilfethema);
}

