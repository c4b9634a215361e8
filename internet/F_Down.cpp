#include "internet/F_Down.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include "core/Tabellen.h"
#include "dialogs/Fensterlage.h"

TFDown *FDown = nullptr;

TFDown::TFDown(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FDown"));
    setWindowTitle(QStringLiteral("Downloading..."));
    // A single border with a minimize button only: the download cannot be
    // closed from here.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    Setze_Fensterfarbe(this);

    PBDown = new QProgressBar(this);
    PBDown->setObjectName(QStringLiteral("PBDown"));
    PBDown->setRange(0, 10000);
    PBDown->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PBDown);
    setFixedSize(360, 60);
    Zentriere_Fenster(this);
}
