#pragma once
// The progress window of the downloads that show one: a small window with
// one bar. The callers set the bar's range (Max = expected size in KB),
// show the window before and hide it after; GetInetFile moves the bar.
#include <QWidget>

class QProgressBar;

class TFDown : public QWidget
{
    Q_OBJECT
public:
    explicit TFDown(QWidget *parent = nullptr);

    QProgressBar *PBDown;
};

extern TFDown *FDown;
