#pragma once
// The release tool's editor of the whole verb list: a search field that
// filters the list while typing and adds its text with Enter or OK.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

class TFMIAVerb : public QWidget
{
    Q_OBJECT
public:
    explicit TFMIAVerb(QWidget *parent = nullptr);

    QLineEdit *EEingabe;
    QListWidget *LBVerb;
    QPushButton *Button1;

    // Fills the list from IAVTotalliste, empties the field and shows the
    // window (the release window loaded the list from this master root, and
    // closing copies it back there).
    void Oeffne(const QString &masterpfad);

    void EEingabeChange();
    void Button1Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_masterpfad;
};

extern TFMIAVerb *FMIAVerb;
