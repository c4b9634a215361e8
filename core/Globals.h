#pragma once
// The global data of the recipe book: record types, the globals every window
// reads and writes in place, and their initialisers.
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>

class QImage;

// File routine flags; a routine takes them or-ed together.
constexpr int Update = 8;  // check picture files
constexpr int Load = 32;
constexpr int Save = 64;
constexpr int Alle = 128;  // keep inactive records

using TString = QStringList;
using TBoolean = QVector<quint8>;

// --- recipes -----------------------------------------------------------

struct TTRezeptzutat {
    QString Name;
    qint32 Kategorie = -1; // the ingredient's database group, -1 when not in the database
    QString Menge;
    QString Einheit;
};
using TTARezeptzutat = QVector<TTRezeptzutat>;

struct TTZutatenliste {
    QString Menge;
    QString Einheit;
    QString Name;
    qint32 Listenindex = -1; // row in the editor's list, -1 for a deleted line
};
using TTAZutatenliste = QVector<TTZutatenliste>;

struct TTIAZutatenliste {
    QString WaageMenge;
    QString WaageEinheit;
    QString Menge;
    QString Einheit;
    QString Zutatname;
    qint32 Kategorie = -1;
    quint8 Gewuerz = 0;
    QString Anzeigename;
    qint32 Ort = -1; // 0 shelf, 1 kitchen, 2 scale, -1 in hand or used up
    QString Grafik;
    std::array<qint32, 5> Geraete{{-1, -1, -1, -1, -1}}; // newest at index 4
    qint32 DBIndex = -1;
    qint32 Auswahl = 0;
    qint32 Gruppe = -1;
    qint32 Anzeigeplatz = -1;
};
using TTAIAZutatenliste = QVector<TTIAZutatenliste>;

struct TTDeluxeliste {
    TString Menge;
    TString Einheit;
    TString Name;
    TString Zubereitung;
};

struct TTRezepteTotal {
    QString Dateiname;      // full path of the recipe file
    QString Dateiendung;    // upper-case extension with the dot
    QString Kategoriezeile; // the category's section tag
    QString Dateikopf;      // "[TAFELWERKSTATT 2.0]"
    qint32 Kategorie = -1;
    quint8 Deluxe = 0;
    QString Rezeptname;
    double Kochdatum = 0;
    qint32 Schwierigkeit = -1;
    QString Portionen;
    QString Zubereitungszeit;
    QString Kochgeraete;
    QString Rezeptgrafik;
    QString Unterkategorien;
    double Preis = 0;
    TString Reservezeilen; // 29 lines kept through load and save
    TTARezeptzutat Zutaten;
    TTAZutatenliste Zutatenliste;
    TString Rezeptliste;
    TString Einkaufsliste;
    TTDeluxeliste Deluxeliste;
    TString Bemerkungsliste;
    QString Bemerkungsdatei;
    QString Anleitungsdatei;
    qint32 Listenposition = -1; // row in the overview (run time)
    QString Stammverzeichnis;   // run time
    TTAIAZutatenliste IAZutaten;
    TString Rezeptkurzinfo;
};
using TRezepteTotal = QVector<TTRezepteTotal>;

// --- ingredients and units ------------------------------------------

struct TTZutatentotal {
    QString Zutatname; // key; empty deletes the record on save
    QString Rezepttextname;
    QString Suchname;
    qint32 Kategorie = -1; // ingredient group 0..18
    qint32 Status = 0;     // 0 inactive, 1 active, 4 never listed; another value is kept
    // S1..S12; S2 = Grafik, S3 = Standardeinheit, S4 = Quellgrafik, S5 = Plural.
    std::array<QString, 12> S;
    // Run time, never stored, -1 on a new or copied record. No list maps its
    // lines through them: each list has its own model (reference/Zutatenmodell).
    qint32 Listenposition = -1;
    qint32 Suchlistenposition = -1;

    QString &Grafik() { return S[1]; }
    const QString &Grafik() const { return S[1]; }
    QString &Standardeinheit() { return S[2]; }
    const QString &Standardeinheit() const { return S[2]; }
    QString &Quellgrafik() { return S[3]; }
    const QString &Quellgrafik() const { return S[3]; }
    QString &Plural() { return S[4]; }
    const QString &Plural() const { return S[4]; }
};
using TZutatentotal = QVector<TTZutatentotal>;

constexpr int AnzahlZutatengruppen = 19;
constexpr int AnzahlKategorien = 21;

struct TTEinheit {
    QString Schluessel; // "[unit]"
    QString Name;       // empty: not offered in this category
    std::array<quint8, AnzahlZutatengruppen> Zuordnung{};
    quint8 NichtEinkaufen = 0;
    std::array<QString, 5> Reserve;
    TString Mengentabelle;
};
using TTAEinheit = QVector<TTEinheit>;

struct TTRICDATA {
    QString Text;    // "word=unit"
    double Faktor = 1;
};

struct TTVariablenTotal {
    TString Einheiten; // "[unit]", longer units before their prefixes
    TString RICWerte;  // "from=to"
    QVector<TTRICDATA> RICDATA;
    std::array<TTAEinheit, AnzahlKategorien> Kategorien;
};
using TVariablenTotal = QVector<TTVariablenTotal>;

// --- the kitchen -----------------------------------------------------

constexpr int AnzahlGeraete = 16;

struct TTIAVERBEN {
    QString Text; // template: " ... " ingredients, " ZZZ " minutes, " GGG " degrees
    qint32 Symbol = 0;
    std::array<quint8, AnzahlGeraete> Geraete{};
    std::array<quint8, AnzahlGeraete> Zulassung{};
    qint32 Zaehler = 0;
    qint32 Typ = 0; // 0 plain, 1 degrees, 2 time, 3 both
    qint32 Anzeigeplatz = -1;
    qint32 Listenindex = -1;
};
using TIAVERBEN = QVector<TTIAVERBEN>;

struct TTIAVTotalliste {
    QString Text;
    qint32 Treffer = 0;
};
using TIAVTotalliste = QVector<TTIAVTotalliste>;

struct TTIARezepttext {
    quint8 Art = 0; // 1 seasoning line, 0 verb line
    QString Ziel;
    QString Einheit;
    QString Menge;
    QString Gewuerz;
    QString Satz;
};
using TIARezepttext = QVector<TTIARezepttext>;

struct TTIAStatus {
    qint32 Panel = 0;
    qint32 Geraet = 16;
    qint32 Auswahlmodus = 0;
    quint8 AlleVerben = 1;
    quint8 Tooltipps = 1;
    quint8 TooltippsVerbeditor = 1;
    qint32 Temperatur = 50;
    qint32 Zeit = 0;
    qint32 VTotalSpeichern = 0;
    qint32 VerbenSpeichern = 1;
    std::shared_ptr<QImage> Bild; // created by the kitchen's layout, freed on close
};

struct TTRechteck {
    qint32 Left = 0, Top = 0, Width = 0, Height = 0;
};
struct TTVerbFeld {
    TTRechteck Symbol;
    TTRechteck Beschriftung;
    quint8 Belegt = 0;
};

// --- dictionary, news, tips ----------------------------------------

struct TTLexikon {
    qint32 Gruppe = 0;
    QString Begriff;
    QString Grafik;
    TString Text;   // at most 100 lines
    TString Divers; // at most 10 lines
    qint32 Listenindex = -1;
};
using TGlobalLexikon = QVector<TTLexikon>;

struct TTNewsInhalt {
    QString ID;
    double Datum = 0;
    QString Ziel;
    QString Edition;
    QString Sprache;
    quint8 Gelesen = 0;
    QString Betreff;
    TString Text;
    qint32 Listenindex = -1;
};
using TNewsInhalt = QVector<TTNewsInhalt>;

struct TTNewstype {
    qint32 Anzahl = 0;
    TNewsInhalt Inhalt;
};

struct TTGlobalFirstTipp {
    quint8 Gezeigt = 0;
    QString Grafik;
    QString Tippdatei;
};
using TGlobalFirstTipp = QVector<TTGlobalFirstTipp>;

// --- options -----------------------------------------------------------

struct TOptionen {
    // [FMAIN]: the overview
    qint32 Ansicht = 0;            // view of the recipe list
    qint32 Sortierung = 0;         // sort of the recipe list
    qint32 Kategoriefilter = -1;   // chosen category (display row), -1 all
    QString Unterkategoriefilter;  // chosen sub-category, empty all
    quint8 Zutatbildzeigen = 1;    // preview tool windows
    quint8 Textanzeigezeigen = 1;
    quint8 Rezeptbildzeigen = 1;
    QFont Schrift1, Schrift2, Schrift3, Schrift4; // the four option fonts
    // [FREZ]: the editor
    quint8 Rezeptautospeichern = 0;
    qint32 Einkaufslistensortierung = 0;
    // [FSYS]: folders, switches, background
    QString Rezeptverzeichnis;
    QString Exportverzeichnis;
    QString Zutatgrafikverzeichnis;
    QString Rezeptgrafikverzeichnis;
    quint8 Tooltipps = 1;
    quint8 Tipps = 1;
    QString TippsGezeigt; // one "0"/"1" per program tip
    qint32 Hintergrundmodus = 0;
    quint8 Zutatengrafiken = 1;
    quint8 Zutatengruppengrafiken = 1;
    quint8 AutoMengenergaenzung = 1;
    quint8 TooltippsFDigI = 1;
    // [FLEX]
    QFont Lexikonschrift;
    // What QFont does not hold, per font (0..3 = Schrift1..4, 4 =
    // Lexikonschrift): colour as TColor and the character set, both kept
    // through load and save.
    std::array<quint32, 5> Schriftfarbe{};
    std::array<qint32, 5> Schriftzeichensatz{{1, 1, 1, 1, 1}};
};

// --- the globals ------------------------------------------------------

extern QString Programmverzeichnis; // base folder, ends with a separator
extern quint8 ProgrammOK;
extern quint8 SetupStarten;
extern quint8 NeueRezepte;
extern quint8 NeueGrafiken;
extern quint8 NeueZutaten;
extern quint8 NeueVersion;
extern quint8 NewsLaden;
extern double Startzeit;
extern QFont Standardschrift;

extern TTNewstype News;
extern QString Hintergrundgrafik;

extern TRezepteTotal RezepteTotal;
extern qint32 AktuellesRezept;
extern TZutatentotal Zutatentotal;
extern TVariablenTotal VariablenTotal;
extern TString Zutatenkommentare;
extern TOptionen Optionen;

extern TTIAStatus IAStatus;
extern TIAVERBEN IAVERBEN;
extern TIAVTotalliste IAVTotalliste;
extern TIARezepttext IARezepttext;
extern TIAVERBEN IAVerbPuffer;
extern qint32 IAHandZutat, IAVerbInHand, IAWaageZutat, IAPopupZutat, IARegalZaehler;
extern qint32 IAZutatenregalOffset, IAGewuerzregalOffset, IAGeraeteOffset, IAVerbOffset;
extern qint32 IAMausX, IAMausY;
extern std::array<TTVerbFeld, 25> IAVerbFelder;
extern qint32 TutorialSchritt;
extern qint32 AktuellerTipp;
extern TGlobalFirstTipp GlobalFirstTipp;

extern qint32 ZuDaIndex;
extern quint8 ZuDaNeu;
extern quint8 ZuDaFertig;
extern class QWidget *ZuDaAufruferfenster;

extern TGlobalLexikon GlobalLexikon;
extern qint32 LexikonGruppenanzahl;
extern TString LexikonGruppen;

// --- initialisers ----------------------------------------------------

// Base folder (the current folder + separator), start time, no current
// recipe, default font.
void GlobalSystemInit();
// Every global array back to its start, option fonts created.
void GlobalVARInit();
// Option defaults and the recipe folders.
void Setze_GlobalOptionen();
void Initialisiere_Rezept(qint32 index);
void Initialisiere_Zutat(qint32 index);
void Initialisiere_IAZutatenzeile(qint32 rezept, qint32 zeile);

// Dates: days since 30 December 1899, time of day as fraction.
double DateTimeToTWS(const QDateTime &dt);
QDateTime TWSToDateTime(double days);
double Jetzt(); // now, through the clock seam
