#include "core/Hauptprogramm.h"

#include <QApplication>
#include <QDir>

#include "platform/Paths.h"
#include "recipes/F_Main.h"
#include "recipes/F_Meldung.h"

void Erzeuge_Formulare()
{
    FMain = new TFMain;
    FMeldung = new TFMeldung;
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
