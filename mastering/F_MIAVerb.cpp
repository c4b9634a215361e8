#include "mastering/F_MIAVerb.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "mastering/F_TWSM.h"
#include "mastering/Verblisten.h"
#include "dialogs/Fensterlage.h"

TFMIAVerb *FMIAVerb = nullptr;

TFMIAVerb::TFMIAVerb(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FMIAVerb"));
    setWindowTitle(QStringLiteral("IA Verbeneditor"));
    Setze_Fensterfarbe(this);
    resize(460, 520);

    EEingabe = new QLineEdit(this);
    EEingabe->setObjectName(QStringLiteral("EEingabe"));
    LBVerb = new QListWidget(this);
    LBVerb->setObjectName(QStringLiteral("LBVerb"));
    LBVerb->setFocusPolicy(Qt::ClickFocus);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto *eingabe = new QHBoxLayout;
    eingabe->addWidget(EEingabe, 1);
    eingabe->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(eingabe);
    layout->addWidget(LBVerb, 1);

    connect(EEingabe, &QLineEdit::textChanged, this, &TFMIAVerb::EEingabeChange);
    connect(Button1, &QPushButton::clicked, this, &TFMIAVerb::Button1Click);
    EEingabe->installEventFilter(this);
}

void TFMIAVerb::Oeffne(const QString &masterpfad)
{
    m_masterpfad = masterpfad;
    LBVerb->clear();
    LBVerb->addItems(Suche_in_Totalliste(IAVTotalliste, QString()));
    LBVerb->setCurrentRow(LBVerb->count() > 0 ? 0 : -1);
    EEingabe->blockSignals(true);
    EEingabe->clear();
    EEingabe->blockSignals(false);
    Zentriere_Fenster(this);
    show();
    raise();
    activateWindow();
}

void TFMIAVerb::EEingabeChange()
{
    const int auswahl = LBVerb->currentRow();
    const int oben = LBVerb->verticalScrollBar()->value();
    const TString gezeigt = Suche_in_Totalliste(IAVTotalliste, EEingabe->text());
    LBVerb->clear();
    LBVerb->addItems(gezeigt);
    LBVerb->setCurrentRow(auswahl >= 0 && auswahl < LBVerb->count() ? auswahl : (LBVerb->count() > 0 ? 0 : -1));
    LBVerb->verticalScrollBar()->setValue(oben <= LBVerb->verticalScrollBar()->maximum() ? oben : 0);
}

void TFMIAVerb::Button1Click()
{
    const QString text = EEingabe->text();
    const bool neu = Fuege_Verbtext_hinzu(IAVTotalliste, text);
    Lade_IAVerbenTotal(Save | Load, IAVTotalliste, QStringLiteral("IAVTOTAL_Neu.hbr"));
    {
        const QSignalBlocker sperre(EEingabe);
        EEingabe->clear();
    }
    // The list is sorted: the whole list again, the new verb in its place,
    // selected and in view.
    LBVerb->clear();
    LBVerb->addItems(Suche_in_Totalliste(IAVTotalliste, QString()));
    const QList<QListWidgetItem *> treffer = LBVerb->findItems(text, Qt::MatchExactly);
    if (neu && !treffer.isEmpty()) {
        LBVerb->setCurrentItem(treffer.first());
        LBVerb->scrollToItem(treffer.first());
    } else {
        LBVerb->setCurrentRow(LBVerb->count() > 0 ? 0 : -1);
    }
    if (EEingabe->isEnabled() && EEingabe->isVisible())
        EEingabe->setFocus();
}

bool TFMIAVerb::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EEingabe) {
        if (event->type() == QEvent::KeyRelease) {
            const auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                Button1Click();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Backspace && (k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
                EEingabe->clear();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFMIAVerb::FormClose()
{
    hide();
    if (FTWSM) {
        FTWSM->showNormal();
        FTWSM->raise();
        FTWSM->activateWindow();
    }
    Speichere_Verbeditordaten(m_masterpfad);
}

void TFMIAVerb::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
