#include "core/Hauptprogramm.h"

#include <QApplication>
#include <QDir>

#include "platform/Paths.h"
#include "recipes/F_Main.h"
#include "recipes/F_Meldung.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"

void Erzeuge_Formulare()
{
    FMain = new TFMain;
    FMeldung = new TFMeldung;
    FRez = new TFRez;
    FWiz01 = new TFWiz01;
    FWiz02 = new TFWiz02;
    FWiz03 = new TFWiz03;
    FWiz04 = new TFWiz04;
    FWiz05 = new TFWiz05;
    FWiz06 = new TFWiz06;
}

int TWS_Hauptprogramm(QApplication &app)
{
    platform::setBaseFolder(QDir::currentPath());
    app.setApplicationName(QStringLiteral("Tablecraft Works"));
    app.setApplicationDisplayName(QStringLiteral("Tablecraft Works"));
    Erzeuge_Formulare();
    FMain->show();
    return app.exec();
}
