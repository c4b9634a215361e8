#pragma once
// The dictionary entry editor: group, term, text lines and picture of one
// entry of GlobalLexikon. A take-over changes memory only; the dictionary
// window saves.
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Where a chosen picture goes. A picture below the base folder's
// GFXZUTAT\ENG\ is referenced where it lies ("-\GFXZUTAT\ENG\..."); any other
// picture is copied into Grafiken\ENG\PNG\LEXIKON\ and referenced by its
// file name (no copy when it lies there already).
struct TLexikongrafik {
    QString Grafik; // the reference to store
    QString Quelle; // copy from ... (empty: nothing to copy)
    QString Ziel;   // ... to
};
TLexikongrafik Ermittle_Lexikongrafik(const QString &bildpfad);

class TFTWSMLex : public QWidget
{
    Q_OBJECT
public:
    explicit TFTWSMLex(QWidget *parent = nullptr);

    QComboBox *CBSuchart;
    QLineEdit *EBegriff;
    QPlainTextEdit *MLex; // memo: the text lines
    QLabel *Panel1;
    QLabel *ILex;
    QLabel *Label2; // never shown: full path of the picture, empty for none
    QPushButton *BGrafikladen;
    QPushButton *BUebernehmen;
    QPushButton *BAbbrechen;

    void BUebernehmenClick();
    void BAbbrechenClick();
    void ILexClick();
    void BGrafikladenClick();
    void FormClose();

    // Fills the editor for an entry (-1 = a new one).
    void Oeffne(qint32 index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Zeige_Bild(const QString &pfad);

    qint32 m_index = -1;          // the entry; -1 = new, appended on take-over
    bool m_bildGewaehlt = false;  // a picture was chosen in this session
};

extern TFTWSMLex *FTWSMLex;

// Opens the editor on an entry of GlobalLexikon, or on a new one (-1); the
// dictionary window is hidden meanwhile.
void Zeige_Lexikoneditor(qint32 index);
