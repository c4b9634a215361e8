#include <QApplication>

#include "app/Start.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return TWS_Hauptprogramm(app);
}
