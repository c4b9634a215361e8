#include "recipes/F_Main.h"

TFMain *FMain = nullptr;

TFMain::TFMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("Tablecraft Works"));
    resize(1000, 700);
}
