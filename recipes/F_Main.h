#pragma once
#include <QMainWindow>

class TFMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFMain(QWidget *parent = nullptr);
};

extern TFMain *FMain;
