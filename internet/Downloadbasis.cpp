#include "internet/Downloadbasis.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Meldung.h"

void Kehre_zur_Uebersicht_zurueck()
{
    if (QWidget *haupt = Hauptfenster()) {
        haupt->hide();
        haupt->setEnabled(true);
    }
    Starte_Uebersicht_neu(true);
    if (QWidget *haupt = Hauptfenster()) {
        haupt->show();
        haupt->raise();
        haupt->activateWindow();
    }
}

TDownloadfenster::TDownloadfenster(QWidget *parent) : QWidget(parent, Qt::Window)
{
    IBack = new QLabel(this);
    IBack->setObjectName(QStringLiteral("IBack"));
    IBack->setScaledContents(true);
    IBack->lower();
}

void TDownloadfenster::closeEvent(QCloseEvent *event)
{
    // Disabled while it installs.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void TDownloadfenster::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier)
        Zeige_Hilfe(Hilfethema);
    else if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TDownloadfenster::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}
