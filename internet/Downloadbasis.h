#pragma once
// What the recipe and the graphics download windows share: the background
// picture, F1 for the help chapter, Enter and Escape as in every small
// window; neither closes while it installs (it is disabled then), and on
// closing the overview is rebuilt with what arrived.
#include <QWidget>

class QLabel;

// Rebuilds the overview with the files that arrived and brings the main
// window back.
void Kehre_zur_Uebersicht_zurueck();

class TDownloadfenster : public QWidget
{
    Q_OBJECT
public:
    QLabel *IBack;

    // Clears the window's list, hides it and returns to the overview.
    virtual void FormClose() = 0;

protected:
    explicit TDownloadfenster(QWidget *parent);
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    static constexpr int Hilfethema = 6;
};
