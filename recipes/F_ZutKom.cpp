#include "recipes/F_ZutKom.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Meldung.h"
#include "core/Rezeptzeichen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Rez_p.h"
#include "reference/Zutatentext.h"

TFZutKom *FZutKom = nullptr;

namespace {
constexpr int Hilfethema = 18;

qint32 Finde_Kommentar(const TString &liste, const QString &text)
{
    const QString gross = platform::upperCase(text);
    for (qint32 i = 0; i < liste.size(); ++i)
        if (platform::upperCase(liste.at(i)) == gross)
            return i;
    return -1;
}
} // namespace

void Merke_Kommentar(TString &liste, const QString &text)
{
    const qint32 i = Finde_Kommentar(liste, text);
    if (i < 0)
        liste.append(text);
    else
        liste[i] = text;
}

void Fuege_Kommentarzeile_ein(TTRezepteTotal &rezept, qint32 zeile, const QString &text)
{
    for (TTZutatenliste &z : rezept.Zutatenliste)
        if (z.Listenindex >= zeile)
            ++z.Listenindex;
    TTZutatenliste neu;
    neu.Name = text;
    neu.Listenindex = zeile;
    rezept.Zutatenliste.append(neu);
}

TFZutKom::TFZutKom(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FZutKom"));
    setWindowTitle(QStringLiteral("Insert comment:"));
    resize(420, 110);
    Setze_Fensterfarbe(this);
    Label1 = new QLabel(QStringLiteral("Comment (F3 deletes the chosen stored comment):"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    CBZutatKommentar = new QComboBox(this);
    CBZutatKommentar->setObjectName(QStringLiteral("CBZutatKommentar"));
    CBZutatKommentar->setEditable(true);
    CBZutatKommentar->setInsertPolicy(QComboBox::NoInsert);
    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BBInfo = new QPushButton(this);
    BBInfo->setObjectName(QStringLiteral("BBInfo"));

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BOK);
    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(Label1);
    haupt->addWidget(CBZutatKommentar);
    haupt->addLayout(knoepfe);

    connect(BOK, &QPushButton::clicked, this, &TFZutKom::BOKClick);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(Hilfethema); });
    CBZutatKommentar->installEventFilter(this);
    CBZutatKommentar->lineEdit()->installEventFilter(this);
    Registriere_Tooltipps(this, {{QStringLiteral("CBZutatKommentar"),
                                  QStringLiteral("Choose a stored comment or type a new one; F3 deletes the chosen one")},
                                 {QStringLiteral("BOK"), QStringLiteral("Insert the comment above the selected line")},
                                 {QStringLiteral("BBInfo"), QStringLiteral("Help")}});
}

bool TFZutKom::Fuelle()
{
    TString liste;
    Lade_Zutatenkommentare(Load, liste);
    setWindowTitle(QStringLiteral("Insert comment:"));
    BBInfo->setIcon(
        QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    BBInfo->setText(BBInfo->icon().isNull() ? QStringLiteral("Help") : QString());
    CBZutatKommentar->clear();
    liste.removeAll(QString());
    if (liste.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No comments found!"), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    CBZutatKommentar->addItems(liste);
    CBZutatKommentar->setCurrentIndex(0);
    return true;
}

void TFZutKom::BOKClick()
{
    TString liste;
    const bool geladen = Lade_Zutatenkommentare(Load, liste);
    // settled as the ingredient editor and the import settle what comes in;
    // the user sees what is stored
    const QString text = Bereinige_Rezeptzeichen(CBZutatKommentar->currentText());
    if (text != CBZutatKommentar->currentText())
        CBZutatKommentar->setEditText(text);
    if (text.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter a comment first!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    // the comment file and the recipe file would keep a "?" in their place
    if (const QString fremd = Nicht_speicherbare_Zeichen(text); !fremd.isEmpty()) {
        Zeige_Meldung(QStringLiteral("The comment file cannot hold these characters: ") + fremd
                          + QStringLiteral("\nPlease remove or replace them."),
                      QStringLiteral("Note:"), Knopf_OK);
        CBZutatKommentar->setFocus();
        return;
    }
    const QString zeile = Kommentarzeile(text);
    if (Zeige_Meldung(QStringLiteral("Insert \"") + zeile + QStringLiteral("\" as comment?"), QStringLiteral("Note:"), Knoepfe_Ja_Nein)
        != Antwort_Ja) {
        hide();
        return;
    }
    // A comment file that exists but could not be read is not written over.
    if (geladen || !platform::fileExists(Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\Kommentare.hbr"))) {
        Merke_Kommentar(liste, text);
        Lade_Zutatenkommentare(Save, liste);
    }
    hide();
    // the recipe the editor shows, whatever another window made current
    if (TTRezepteTotal *r = rezeditor::Formularsatz()) {
        if (r->Deluxe) {
            // the deluxe columns are the recipe's lines in that layout
            FRez->Fuege_Deluxezeile_ein(FRez->Deluxezeile(), zeile);
            return;
        }
        const int p = FRez->LBZutatliste->currentRow();
        if (p >= 0) {
            Fuege_Kommentarzeile_ein(*r, p, zeile);
            FRez->Geaendert_setzen();
        }
    }
    Aktualisiere_Zutatenliste();
}

void TFZutKom::Loesche_Kommentar()
{
    if (CBZutatKommentar->currentIndex() < 0)
        return;
    TString liste;
    if (!Lade_Zutatenkommentare(Load, liste) || liste.size() < 2)
        return;
    const qint32 i = Finde_Kommentar(liste, CBZutatKommentar->currentText());
    if (i < 0
        || Zeige_Meldung(QStringLiteral("Do you want to delete this comment?"), QStringLiteral("Note:"), Knoepfe_Ja_Nein)
               != Antwort_Ja)
        return;
    liste[i].clear();
    Lade_Zutatenkommentare(Save, liste);
    if (!Fuelle())
        hide();
}

bool TFZutKom::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            // Enter in the comment field takes it over, and is taken here by
            // the first of the combo and its line edit that gets it: passed
            // on, it would reach the other one too and insert twice
            if (event->type() == QEvent::KeyPress)
                BOKClick();
            return true;
        }
        if (Taste(static_cast<QKeyEvent *>(event), event->type() == QEvent::KeyRelease))
            return true;
    }
    return QWidget::eventFilter(objekt, event);
}

void TFZutKom::keyPressEvent(QKeyEvent *event)
{
    if (!Taste(event, false))
        QWidget::keyPressEvent(event);
}

void TFZutKom::keyReleaseEvent(QKeyEvent *event)
{
    if (!Taste(event, true))
        QWidget::keyReleaseEvent(event);
}

// Escape hides the window, F1 opens the help, a released F3 deletes the
// chosen comment. True when the key was one of them.
bool TFZutKom::Taste(QKeyEvent *event, bool losgelassen)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!losgelassen)
            hide();
        return true;
    case Qt::Key_F1:
        if (!losgelassen)
            Zeige_Hilfe(Hilfethema);
        return true;
    case Qt::Key_F3:
        if (losgelassen)
            Loesche_Kommentar();
        return true;
    default:
        return false;
    }
}

void TFZutKom::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

void Zeige_Zutatkommentare()
{
    if (!FZutKom)
        return;
    if (!FZutKom->Fuelle()) {
        FZutKom->hide();
        return;
    }
    FZutKom->show();
    FZutKom->raise();
    FZutKom->activateWindow();
    FZutKom->CBZutatKommentar->setFocus();
}
