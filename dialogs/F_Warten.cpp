#include "dialogs/F_Warten.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Tabellen.h"
#include "dialogs/Fensterlage.h"

TFWarten *FWarten = nullptr;

TFWarten::TFWarten(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FWarten"));
    setWindowTitle(QStringLiteral("Tablecraft Works"));
    Setze_Fensterfarbe(this);

    auto *rahmen = new QFrame(this);
    rahmen->setFrameShape(QFrame::Box);
    rahmen->setLineWidth(2);
    LText = new QLabel(rahmen);
    LText->setObjectName(QStringLiteral("LText"));
    LText->setTextFormat(Qt::PlainText);
    LText->setAlignment(Qt::AlignCenter);
    LText->setWordWrap(true);
    LText->setMinimumWidth(300);
    QFont f = LText->font();
    f.setBold(true);
    LText->setFont(f);
    auto *inner = new QVBoxLayout(rahmen);
    inner->setContentsMargins(24, 20, 24, 20);
    inner->addWidget(LText);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(rahmen);
}

void Aufbereitungsfenster_Auf(QWidget *window, int flags, const QString &text)
{
    if (!FWarten)
        FWarten = new TFWarten;
    FWarten->Aufrufer = window;
    if (window) {
        if (flags & AF_Deaktivieren)
            window->setEnabled(false);
        if (flags & AF_Aktivieren)
            window->setEnabled(true);
        if (flags & AF_Verstecken)
            window->hide();
    }
    FWarten->LText->setText(text);
    FWarten->adjustSize();
    Zentriere_Fenster(FWarten);
    FWarten->show();
    FWarten->raise();
    // The work that follows blocks the event loop: paint the text now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Aufbereitungsfenster_Zu(int flags)
{
    if (!FWarten)
        return;
    FWarten->hide();
    FWarten->LText->clear();
    QWidget *window = FWarten->Aufrufer;
    FWarten->Aufrufer = nullptr;
    if (!window)
        return;
    if (flags & AF_Zeigen)
        window->show();
    if (flags & AF_Aktivieren)
        window->setEnabled(true);
    if (flags & AF_NachVorne) {
        window->raise();
        window->activateWindow();
    }
}
