#include "interactive/F_IARezepttext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/Tabellen.h"
#include "platform/Colors.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Fensterlage.h"

TFIARezepttext *FIARezepttext = nullptr;

TFIARezepttext::TFIARezepttext(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FIARezepttext"));
    // A fixed border: the sentences scroll, the window keeps its size.
    setFixedSize(560, 380);
    Setze_Fensterfarbe(this);
    MRezepttext = new QPlainTextEdit(this);
    MRezepttext->setObjectName(QStringLiteral("MRezepttext"));
    MRezepttext->setReadOnly(true);
    MRezepttext->setFrameShape(QFrame::NoFrame);
    MRezepttext->setLineWrapMode(QPlainTextEdit::NoWrap);
    MRezepttext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MRezepttext->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = MRezepttext->palette();
    pal.setColor(QPalette::Base, platform::fromTColor(Fensterfarbe));
    MRezepttext->setPalette(pal);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(MRezepttext);
    Zentriere_Fenster(this);
}

void TFIARezepttext::Zeige(const QString &titel, const QStringList &saetze)
{
    setWindowTitle(titel);
    MRezepttext->setPlainText(saetze.join(QLatin1Char('\n')));
}

void TFIARezepttext::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

void TFIARezepttext::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4) {
        hide();
        event->accept();
    } else if (event->key() == Qt::Key_F1) {
        Zeige_Hilfe(17);
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}
