#include "mastering/F_TWSM.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "internet/Internet.h"
#include "mastering/F_MIAVerb.h"
#include "mastering/Edition.h"
#include "mastering/F_MRezOn.h"
#include "mastering/F_TWSMNews.h"
#include "mastering/F_TWSMZu.h"
#include "mastering/Masterdaten.h"
#include "mastering/Mastering.h"
#include "mastering/Verblisten.h"
#include "mastering/Webseiten.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "platform/Wait.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_Lex.h"
#include "reference/Lexikon.h"
#include "core/Meldung.h"

QString Masterpfad;
qint32 Masterart = 0;
qint32 Masterupdate = -1;
TFTWSM *FTWSM = nullptr;

namespace {
// The editions and update packages the makers build; the run itself picks
// its folders by their index.
const QStringList Editionen{
    QStringLiteral("Vollversion A"),           QStringLiteral("Vollversion B"),
    QStringLiteral("Markengrafiken"),          QStringLiteral("Vollversion C"),
    QStringLiteral("Lexikon-Edition"),         QStringLiteral("Lexikon-Edition mit Update"),
    QStringLiteral("Vollversion D"),           QStringLiteral("Vollversion E"),
    QStringLiteral("Vollversion F"),           QStringLiteral("Grafikpaket 1"),
    QStringLiteral("Grafikpaket 2"),           QStringLiteral("Programmdaten"),
    QStringLiteral("Englische Edition"),       QStringLiteral("Englische Edition (nur Daten)"),
};
const QStringList Updatepakete{
    QStringLiteral("Kein Update"),  QStringLiteral("Update A"),  QStringLiteral("Programmdaten-Update"),
    QStringLiteral("Update (frei)"), QStringLiteral("Update B"), QStringLiteral("Update C"),
};

// The tools load master copies into Zutatentotal; afterwards the program
// gets its own database back instead of an empty one that a later save
// would write over the file.
void Lade_Programmzutaten()
{
    Zutatentotal.clear();
    Lade_Zutaten(Load);
}
} // namespace

TUpdatewahl Update_fuer_Edition(int edition, TUpdatewahl jetzt)
{
    switch (edition) {
    case 0:
    case 1:
        if (jetzt.Index != 0)
            jetzt.Index = 5;
        break;
    case 2:
        break;
    case 3:
    case 5:
        jetzt.Aktiv = true;
        if (jetzt.Index < 0)
            jetzt.Index = 0;
        break;
    case 6:
        jetzt.Index = 0;
        break;
    default: // 4, 7 to 13
        jetzt.Aktiv = false;
        jetzt.Index = -1;
        break;
    }
    return jetzt;
}

qint32 Masterupdate_aus(TUpdatewahl wahl)
{
    return wahl.Aktiv ? wahl.Index - 1 : -1;
}

TFTWSM::TFTWSM(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FTWSM"));
    setWindowTitle(QStringLiteral("Mastering Tafelwerkstatt:"));
    Setze_Fensterfarbe(this);
    resize(820, 600);
    Baue_Felder();
    Baue_Knoepfe();
    Baue_Layout();
    Verbinde();
    // A run before any choice builds what the lists show.
    Masterart = CBArt->currentIndex();
    Masterupdate = Masterupdate_aus({CBUpdate->isEnabled(), CBUpdate->currentIndex()});
}

TFTWSM::~TFTWSM()
{
    Setze_Protokollempfaenger({});
}

void TFTWSM::Baue_Felder()
{
    CBArt = new QComboBox(this);
    CBArt->setObjectName(QStringLiteral("CBArt"));
    CBArt->addItems(Editionen);
    CBArt->setMaxVisibleItems(20);
    CBArt->setCurrentIndex(0);

    CBMP = new QComboBox(this);
    CBMP->setObjectName(QStringLiteral("CBMP"));
    CBMP->setEditable(true);
    CBMP->setEditText(QStringLiteral("CBMP"));
    CBMP->setMinimumContentsLength(40);

    CBUpdate = new QComboBox(this);
    CBUpdate->setObjectName(QStringLiteral("CBUpdate"));
    CBUpdate->addItems(Updatepakete);
    // "Kein Update": the first edition chosen then builds what the window shows.
    CBUpdate->setCurrentIndex(0);

    MProto = new QPlainTextEdit(this);
    MProto->setObjectName(QStringLiteral("MProto"));
    MProto->setReadOnly(true);
    MProto->setLineWrapMode(QPlainTextEdit::NoWrap);
    MProto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines written before the window existed (start-up) stand under the
    // memo's own first line.
    MProto->setPlainText((TString{QStringLiteral("MProto")} + Protokoll).join(QLatin1Char('\n')));
}

QPushButton *TFTWSM::Knopf(const char *name, const QString &text, bool gebaut)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    // The tools of the later release steps come with their own windows.
    b->setEnabled(gebaut);
    return b;
}

void TFTWSM::Baue_Knoepfe()
{
    BMastern = Knopf("BMastern", QStringLiteral("Mastern"), true);
    BZutat = Knopf("BZutat", QStringLiteral("Checke Lebensmittel"), true);
    BMakeLebensmittel = Knopf("BMakeLebensmittel", QStringLiteral("Make %1").arg(QStringLiteral("Lebensmittel.hbr")), true);
    BZutatErweitern = Knopf("BZutatErweitern", QStringLiteral("Zutaten erweitern"), true);
    BFTPKeys = Knopf("BFTPKeys", QStringLiteral("Make FTP keys"), true);
    BStatistik = Knopf("BStatistik", QStringLiteral("Web-Statistik"), true);
    BRezepteonline = Knopf("BRezepteonline", QStringLiteral("Rezepte-Online"), true);
    BLexikon = Knopf("BLexikon", QStringLiteral("Lexikon erweitern"), true);
    BGrafikschneiden = Knopf("BGrafikschneiden", QStringLiteral("Grafiken schneiden"), true);
    BIAVerbeneditor = Knopf("BIAVerbeneditor", QStringLiteral("IA Verbeneditor"), true);
    RTXTRTF = Knopf("RTXTRTF", QStringLiteral("Rezepte TXT to RTF"), true);
    BNews = Knopf("BNews", QStringLiteral("News generieren"), true);
    BLMEng = Knopf("BLMEng", QStringLiteral("LM Eng"), false);
}

void TFTWSM::Baue_Layout()
{
    auto *wahl = new QFormLayout;
    wahl->addRow(QStringLiteral("Masterpfad:"), CBMP);
    wahl->addRow(QStringLiteral("Edition:"), CBArt);
    wahl->addRow(QStringLiteral("Update:"), CBUpdate);

    auto *werkzeuge = new QGridLayout;
    const QList<QPushButton *> knoepfe{BZutat,          BMakeLebensmittel, BZutatErweitern, BLMEng,
                                       BStatistik,      BIAVerbeneditor,   BLexikon,        BNews,
                                       BRezepteonline,  RTXTRTF,           BGrafikschneiden, BFTPKeys};
    for (int i = 0; i < knoepfe.size(); ++i)
        werkzeuge->addWidget(knoepfe[i], i / 4, i % 4);

    auto *oben = new QHBoxLayout;
    oben->addLayout(wahl, 1);
    oben->addWidget(BMastern, 0, Qt::AlignTop);

    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addLayout(werkzeuge);
    haupt->addWidget(MProto, 1);
}

void TFTWSM::Verbinde()
{
    // Only the operator's choices count as changes; the window setting a
    // selection itself does not run the handlers again.
    connect(CBArt, &QComboBox::activated, this, &TFTWSM::CBArtChange);
    connect(CBUpdate, &QComboBox::activated, this, &TFTWSM::CBUpdateChange);
    connect(CBMP, &QComboBox::activated, this, &TFTWSM::CBMPChange);
    connect(CBMP, &QComboBox::editTextChanged, this, &TFTWSM::CBMPChange);
    connect(BMastern, &QPushButton::clicked, this, &TFTWSM::BMasternClick);
    connect(BZutat, &QPushButton::clicked, this, &TFTWSM::BZutatClick);
    connect(BMakeLebensmittel, &QPushButton::clicked, this, &TFTWSM::BMakeLebensmittelClick);
    connect(BZutatErweitern, &QPushButton::clicked, this, &TFTWSM::BZutatErweiternClick);
    connect(BStatistik, &QPushButton::clicked, this, &TFTWSM::BStatistikClick);
    connect(BIAVerbeneditor, &QPushButton::clicked, this, &TFTWSM::BIAVerbeneditorClick);
    connect(BRezepteonline, &QPushButton::clicked, this, &TFTWSM::BRezepteonlineClick);
    connect(BNews, &QPushButton::clicked, this, &TFTWSM::BNewsClick);
    connect(RTXTRTF, &QPushButton::clicked, this, &TFTWSM::RTXTRTFClick);
    connect(BLexikon, &QPushButton::clicked, this, &TFTWSM::BLexikonClick);
    connect(BGrafikschneiden, &QPushButton::clicked, this, &TFTWSM::BGrafikschneidenClick);
    connect(BFTPKeys, &QPushButton::clicked, this, &TFTWSM::BFTPKeysClick);
    Setze_Protokollempfaenger([this](const QString &zeile) {
        MProto->appendPlainText(zeile);
        MProto->verticalScrollBar()->setValue(MProto->verticalScrollBar()->maximum());
    });
}

void TFTWSM::Leere_Protokoll()
{
    Protokoll.clear();
    MProto->clear();
}

void TFTWSM::CBArtChange()
{
    Masterart = CBArt->currentIndex();
    Leere_Protokoll();
    Schreibe_Protokoll(ProtokollOK, CBArt->currentText() + QStringLiteral(":"));
    const TUpdatewahl wahl = Update_fuer_Edition(Masterart, {CBUpdate->isEnabled(), CBUpdate->currentIndex()});
    CBUpdate->setEnabled(wahl.Aktiv);
    CBUpdate->setCurrentIndex(wahl.Index);
    Masterupdate = Masterupdate_aus(wahl);
}

void TFTWSM::CBUpdateChange()
{
    CBArtChange();
}

void TFTWSM::CBMPChange()
{
    Masterpfad = Normalisiere_Masterpfad(CBMP->currentText());
}

void TFTWSM::BZutatClick()
{
    if (Pruefe_Masterpfad(Masterpfad))
        Checke_Lebensmittel(Masterpfad);
    Lade_Programmzutaten();
}

void TFTWSM::BMakeLebensmittelClick()
{
    Leere_Protokoll();
    if (Pruefe_Masterpfad(Masterpfad) && Hole_Lebensmitteldatenbanken(Masterpfad)) {
        setEnabled(false);
        Zeige_Gesamtzutatendatenbank();
        platform::waitWhileVisible(FGeAllZuDa);
        setEnabled(true);
        Bringe_Lebensmittel_zurueck(Masterpfad);
    }
    Lade_Programmzutaten();
}

void TFTWSM::BZutatErweiternClick()
{
    Leere_Protokoll();
    if (!Pruefe_Masterpfad(Masterpfad))
        return;
    const QString datei = platform::openFileName(this, QStringLiteral("Zutaten per Grafikimport erweitern:"),
                                                 Programmverzeichnis, QStringLiteral("PNG (*.png);;* (*)"));
    if (datei.isEmpty())
        return;
    const QString ordner = Ermittle_Verzeichnis(datei);
    const int antwort = Zeige_Meldung(QStringLiteral("Zutaten aktiv aufnehmen?"), QStringLiteral("Frage:"), Knoepfe_Ja_Nein);
    Zutatentotal = Erzeuge_Zutaten_aus_Grafiken(ordner, antwort == Antwort_Ja ? 1 : 0);
    const QString neueDatei = QStringLiteral("New_Lebensmittel.hbr");
    Lade_Zutaten(Save, neueDatei);
    if (!Zutatentotal.isEmpty()) {
        Zeige_Zutatenkategorieauswahl();
        ZuDaIndex = -1;
    }
    Lade_Zutaten(Save, neueDatei);
    const TZutatentotal neu = Zutatentotal;
    Uebernehme_neue_Zutaten(Masterpfad, neu);
    Schreibe_Protokoll(ProtokollOK, QStringLiteral("Ready..."));
    Lade_Programmzutaten();
}

void TFTWSM::BStatistikClick()
{
    Leere_Protokoll();
    const QString datei = platform::openFileName(this, QStringLiteral("Verzeichnis für Statistikdaten UPLOAD"),
                                                 Programmverzeichnis, QStringLiteral("VIA (*.VIA *.via);;* (*)"));
    if (datei.isEmpty())
        return;
    Werte_Verbuploads_aus(Masterpfad, Ermittle_Verzeichnis(datei));
}

void TFTWSM::BIAVerbeneditorClick()
{
    if (!Lade_Verbeditordaten(Masterpfad))
        return;
    FMIAVerb->Oeffne(Masterpfad);
    showMinimized();
}

void TFTWSM::BMasternClick()
{
    // The copy loops let window messages through; nothing else of this
    // window may start (or close it) while a run goes on.
    if (m_laeuft)
        return;
    m_laeuft = true;
    QList<QWidget *> gesperrt;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w != MProto && w->isEnabled() && (qobject_cast<QPushButton *>(w) || qobject_cast<QComboBox *>(w))) {
            w->setEnabled(false);
            gesperrt << w;
        }
    }
    Leere_Protokoll();
    Masterpfad = Normalisiere_Masterpfad(Masterpfad);
    if (Masterart < 0)
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Keine Edition gewählt."));
    else
        Mastere_Edition(Masterpfad, Masterart, Masterupdate, CBArt->itemText(Masterart),
                        CBUpdate->currentIndex() >= 0 ? CBUpdate->currentText() : QString());
    Lade_Programmzutaten();
    for (QWidget *w : std::as_const(gesperrt))
        w->setEnabled(true);
    m_laeuft = false;
}

bool TFTWSM::Laeuft() const
{
    return m_laeuft;
}

void TFTWSM::BRezepteonlineClick()
{
    Zeige_RezepteOnline();
}

void TFTWSM::BNewsClick()
{
    Zeige_Newseditor(true);
}

void TFTWSM::RTXTRTFClick()
{
    Leere_Protokoll();
    const QString datei = platform::openFileName(this, QStringLiteral("Rezepte txt to rtf konvertieren"),
                                                 Programmverzeichnis, QStringLiteral("TXT (*.txt *.TXT);;* (*)"));
    if (datei.isEmpty())
        return;
    Konvertiere_Texte_und_Webseiten(Ermittle_Verzeichnis(datei), Interneteinstellungen.Webseite);
}

void TFTWSM::BLexikonClick()
{
    Leere_Protokoll();
    if (!Pruefe_Masterpfad(Masterpfad))
        return;
    const QString master = Masterpfad + QStringLiteral("Masterdaten\\PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");
    const QString lokal = Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");
    // Only a master dictionary that arrived and loads is edited and copied
    // back; one that does not load gives the program its own file back.
    QByteArray eigenes;
    const bool hatteEigenes = platform::readBytes(lokal, eigenes);
    if (!Kopiere_Datei(master, lokal)) {
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + master + QStringLiteral("->") + lokal);
        return;
    }
    Schreibe_Protokoll(3, QStringLiteral("Kopiere: ") + master + QStringLiteral("->") + lokal);
    if (!Lade_Lexikon(Load, -1, QString())) {
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Lexikon nicht lesbar: ") + master);
        if (hatteEigenes && platform::writeBytes(lokal, eigenes))
            Lade_Lexikon(Load, -1, QString());
        return;
    }
    setEnabled(false);
    Zeige_Lexikon(true, -1, QString());
    platform::waitWhileVisible(FLex);
    setEnabled(true);
    GlobalLexikon.clear();
    if (Kopiere_Datei(lokal, master))
        Schreibe_Protokoll(3, QStringLiteral("Kopiere: ") + lokal + QStringLiteral("->") + master);
    else
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Copy-FAILURE ") + lokal + QStringLiteral("->") + master);
    // The program keeps a dictionary: the one just edited, now its own.
    Lade_Lexikon(Load, -1, QString());
    Schreibe_Protokoll(ProtokollOK, QStringLiteral("Ready..."));
}

void TFTWSM::BGrafikschneidenClick()
{
    QString filter = QStringLiteral("*.") + platform::pictureExtensions().join(QStringLiteral(" *."));
    const QString datei = platform::openFileName(this, QStringLiteral("Grafiken schneiden"), Programmverzeichnis,
                                                 QStringLiteral("Grafiken (") + filter + QStringLiteral(");;* (*)"));
    if (datei.isEmpty() || !platform::fileExists(datei))
        return;
    if (Schneide_Grafikdatei(datei))
        Schreibe_Protokoll(ProtokollOK, QStringLiteral("Geschnitten: ") + datei);
    else
        Zeige_Meldung(QStringLiteral("Grafik nicht geschnitten: ") + datei, QStringLiteral("Error:"), Knopf_OK);
}

void TFTWSM::BFTPKeysClick()
{
    if (!Pruefe_Masterpfad(Masterpfad))
        return;
    const QString ori = Masterpfad + QStringLiteral("Masterdaten\\FTP_KEYs\\ORI\\");
    const QString ready = Masterpfad + QStringLiteral("Masterdaten\\FTP_KEYs\\READY\\");
    const struct {
        QString wert, name, meldung;
    } schluessel[] = {
        {Interneteinstellungen.FTPPasswort, QStringLiteral("Pfirsich__.png"), QStringLiteral("Key generated: PW")},
        {Interneteinstellungen.FTPBenutzer, QStringLiteral("Sossenbinder__.png"), QStringLiteral("Key generated: UID")},
    };
    for (const auto &s : schluessel) {
        // An empty login would ship a key picture that opens nothing.
        if (s.wert.isEmpty()) {
            Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Kein Zugang eingestellt (INTERNET.HRB): ") + s.name);
            continue;
        }
        if (Verberge_Wert_in_Datei(s.wert, ori, s.name, ready, s.name))
            Zeige_Meldung(s.meldung, QStringLiteral("Hinweis:"), Knopf_OK);
    }
}

void TFTWSM::FormClose()
{
    // The rest of the program goes on with its own databases, not with the
    // master copies a tool left in memory.
    Lade_Programmzutaten();
    GlobalLexikon.clear();
    Lade_Lexikon(Load, -1, QString());
    hide();
}

void TFTWSM::closeEvent(QCloseEvent *event)
{
    if (m_laeuft) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void Zeige_TWSM()
{
    if (!FTWSM)
        return;
    FTWSM->showNormal();
    FTWSM->raise();
    FTWSM->activateWindow();
}
