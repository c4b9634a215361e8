#pragma once
// The release window: the makers' own tool. It is created hidden at start-up
// and opened only with a key combination in the main window. It holds the
// master root, the edition and update choices, the protocol memo and the
// tool buttons (checks and extensions of the master ingredient databases,
// the merge of uploaded verb files, the whole verb list, the recipe download
// index, the server's news, recipe texts and web pages, the master
// dictionary, the picture crop and the upload key pictures).
#include <QString>
#include <QWidget>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// The master root (ends with a backslash), the chosen edition (-1 none) and
// update package (-1 none). They keep their values between runs.
extern QString Masterpfad;
extern qint32 Masterart;
extern qint32 Masterupdate;

// What choosing an edition does to the update list: whether it is enabled
// and which entry is selected (-1 none).
struct TUpdatewahl {
    bool Aktiv = true;
    int Index = -1;
};
TUpdatewahl Update_fuer_Edition(int edition, TUpdatewahl jetzt);
// The package a run builds: the selected entry - 1, or -1 while the list is
// disabled.
qint32 Masterupdate_aus(TUpdatewahl wahl);

class TFTWSM : public QWidget
{
    Q_OBJECT
public:
    explicit TFTWSM(QWidget *parent = nullptr);
    ~TFTWSM() override;

    QComboBox *CBArt;
    QComboBox *CBMP;
    QComboBox *CBUpdate;
    QPlainTextEdit *MProto; // memo
    QPushButton *BMastern;
    QPushButton *BZutat;
    QPushButton *BMakeLebensmittel;
    QPushButton *BZutatErweitern;
    QPushButton *BFTPKeys;
    QPushButton *BStatistik;
    QPushButton *BRezepteonline;
    QPushButton *BLexikon;
    QPushButton *BGrafikschneiden;
    QPushButton *BIAVerbeneditor;
    QPushButton *RTXTRTF;
    QPushButton *BNews;
    QPushButton *BLMEng;

    void CBArtChange();
    void CBUpdateChange();
    void CBMPChange();
    // The edition run of the chosen edition and update package.
    void BMasternClick();
    // True while a run goes on.
    bool Laeuft() const;
    void BZutatClick();
    void BMakeLebensmittelClick();
    void BZutatErweiternClick();
    void BStatistikClick();
    void BIAVerbeneditorClick();
    void BRezepteonlineClick();
    void BNewsClick();
    void RTXTRTFClick();
    void BLexikonClick();
    void BGrafikschneidenClick();
    void BFTPKeysClick();
    void FormClose();

    // Clears the memo and the protocol lines behind it.
    void Leere_Protokoll();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Knoepfe();
    void Baue_Layout();
    void Verbinde();
    QPushButton *Knopf(const char *name, const QString &text, bool gebaut);
    bool m_laeuft = false;
};

extern TFTWSM *FTWSM;

// Shows the release window (the main window's key combination).
void Zeige_TWSM();
