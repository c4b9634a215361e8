#pragma once
// The recipe text window: every German sentence of the kitchen's recipe,
// oldest first. Closing only hides it; it stays filled while hidden.
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

class TFIARezepttext : public QWidget
{
    Q_OBJECT
public:
    explicit TFIARezepttext(QWidget *parent = nullptr);
    // Caption and sentences as the sentence generator gives them.
    void Zeige(const QString &titel, const QStringList &saetze);

    QPlainTextEdit *MRezepttext; // memo

protected:
    void closeEvent(class QCloseEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;
};

extern TFIARezepttext *FIARezepttext;
