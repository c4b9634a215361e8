#include "recipes/F_Rez.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Colors.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "recipes/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatensuche.h"
#include "recipes/F_Meldung.h"
#include "recipes/F_Wiz.h"
#include "reference/F_DigI.h"
#include "reference/F_Lex.h"
#include "reference/F_Rech.h"
#include "reference/F_VAR.h"
#include "reference/F_ZutKom.h"

TFRez *FRez = nullptr;

QString RechPortionentext;
double RechPreis = 0;
double RechPortionen = 1;
double RechFaktor = 1;
QString RechLabel1Text;
QString RechLabel2Text;
QString RechEAnzahlText;

namespace {

const QString Dateikopf20 = QStringLiteral("[TAFELWERKSTATT 2.0]");

bool Gueltiger_Satz(qint32 index)
{
    return index >= 0 && index < RezepteTotal.size();
}

TTRezepteTotal *Aktuelles()
{
    if (AktuellesRezept < 0 || AktuellesRezept >= RezepteTotal.size())
        return nullptr;
    return &RezepteTotal[AktuellesRezept];
}

// Deleted lines (Listenindex -1, the initialiser's placeholder among them)
// go; the rest keep their order and are numbered from 0 again.
void Ordne_Zutatenliste(TTAZutatenliste &liste)
{
    TTAZutatenliste neu;
    for (const TTZutatenliste &z : liste)
        if (z.Listenindex >= 0)
            neu.append(z);
    std::stable_sort(neu.begin(), neu.end(),
                     [](const TTZutatenliste &a, const TTZutatenliste &b) { return a.Listenindex < b.Listenindex; });
    for (int i = 0; i < neu.size(); ++i)
        neu[i].Listenindex = i;
    liste = neu;
}

TTZutatenliste *Zeile_mit_Index(TTRezepteTotal &r, int index)
{
    for (TTZutatenliste &z : r.Zutatenliste)
        if (z.Listenindex == index)
            return &z;
    return nullptr;
}

// "Selected: ..." for the selected ingredient line as it is now.
void Zeige_Zeilenbeschriftung()
{
    TTRezepteTotal *r = Aktuelles();
    const int markiert = FRez->LBZutatliste->currentRow();
    const TTZutatenliste *z = r && markiert >= 0 ? Zeile_mit_Index(*r, markiert) : nullptr;
    if (z)
        FRez->LZutatzeile->setText(QStringLiteral("Selected: ") + Verbinde_Zutatenstring(z->Menge, z->Einheit, z->Name));
    else
        FRez->LZutatzeile->clear();
}

QStringList Ohne_Leerzeilen_am_Ende(QStringList zeilen)
{
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QStringList Dokumentzeilen(const QTextDocument *doc)
{
    if (doc->isEmpty())
        return {};
    return Ohne_Leerzeilen_am_Ende(doc->toPlainText().split(QLatin1Char('\n')));
}

QStringList Memozeilen(const QPlainTextEdit *memo)
{
    if (memo->document()->isEmpty())
        return {};
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// Lines as the recipe file holds them: a character the code page lacks
// reads back as "?" there, while the rich text keeps it.
QByteArray In_Codepage(const QStringList &zeilen)
{
    return platform::encodeCp1252(zeilen.join(QLatin1Char('\n')));
}

// The side file when it still matches the record's plain lines (another
// window may have rewritten the lines since), else the plain lines.
void Lade_Text(QTextEdit *feld, const QString &pfad, const TString &zeilen)
{
    const QStringList soll = Ohne_Leerzeilen_am_Ende(zeilen);
    if (!pfad.isEmpty() && platform::fileExists(pfad) && platform::loadRtfFile(pfad, feld->document())
        && In_Codepage(Dokumentzeilen(feld->document())) == In_Codepage(soll)) {
        feld->document()->setModified(false);
        return;
    }
    // the formats of the recipe shown before do not carry over
    feld->setCurrentCharFormat(QTextCharFormat());
    feld->setPlainText(soll.join(QLatin1Char('\n')));
    feld->document()->setModified(false);
}

const TTAEinheit *Einheitenliste(qint32 kategorie)
{
    if (VariablenTotal.isEmpty())
        return nullptr;
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        kategorie = 0;
    return &VariablenTotal[0].Kategorien[kategorie];
}

const TTEinheit *Finde_Einheit(qint32 kategorie, const QString &einheit)
{
    const TTAEinheit *liste = Einheitenliste(kategorie);
    if (!liste || einheit.trimmed().isEmpty())
        return nullptr;
    const QString gross = platform::upperCase(einheit.trimmed());
    for (const TTEinheit &e : *liste)
        if (platform::upperCase(e.Name) == gross
            || platform::upperCase(e.Schluessel) == QLatin1Char('[') + gross + QLatin1Char(']'))
            return &e;
    return nullptr;
}

qint32 Zutatengruppe(const QString &name)
{
    const qint32 k = Suche_Zutat(name, -1);
    if (k >= 0 && Zutatentotal[k].Kategorie >= 0 && Zutatentotal[k].Kategorie < AnzahlZutatengruppen)
        return Zutatentotal[k].Kategorie;
    return 16; // other ingredients
}

bool Ist_Kommentarzeile(const TTZutatenliste &z)
{
    return z.Menge.isEmpty() && z.Einheit.isEmpty() && z.Name.startsWith(QLatin1String("***"));
}

// The deluxe columns from the ingredient lines; a preparation stays with
// its line as long as the line keeps its place and name.
TTDeluxeliste Deluxe_aus_Zutaten(const TTRezepteTotal &r)
{
    TTAZutatenliste zeilen = r.Zutatenliste;
    Ordne_Zutatenliste(zeilen);
    TTDeluxeliste d;
    for (int i = 0; i < zeilen.size(); ++i) {
        d.Menge.append(zeilen[i].Menge);
        d.Einheit.append(zeilen[i].Einheit);
        d.Name.append(zeilen[i].Name);
        QString zubereitung;
        if (i < r.Deluxeliste.Name.size() && i < r.Deluxeliste.Zubereitung.size()
            && r.Deluxeliste.Name[i] == zeilen[i].Name)
            zubereitung = r.Deluxeliste.Zubereitung[i];
        d.Zubereitung.append(zubereitung);
    }
    return d;
}

bool Hat_Deluxezeilen(const TTDeluxeliste &d)
{
    for (const TString *l : {&d.Menge, &d.Einheit, &d.Name, &d.Zubereitung})
        for (const QString &s : *l)
            if (!s.trimmed().isEmpty())
                return true;
    return false;
}

// Each device once; "oven" is not a repeat of "baking oven".
QString Kochgeraeteliste(const QString &text)
{
    QStringList geraete;
    for (QString teil : text.split(QLatin1Char(','))) {
        teil = teil.trimmed();
        if (!teil.isEmpty() && !geraete.contains(teil))
            geraete << teil;
    }
    return geraete.isEmpty() ? QString() : geraete.join(QLatin1Char(',')) + QLatin1Char(',');
}

bool Gleiche_Datei(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QString::compare(platform::nativePath(a), platform::nativePath(b), Qt::CaseInsensitive) == 0;
}

bool Datei_vergeben(const QString &datei, qint32 ausser)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != ausser && Gleiche_Datei(RezepteTotal[i].Dateiname, datei))
            return true;
    return false;
}

// Any record's side file at pfad, the record ausser excepted.
bool Seitendatei_vergeben(const QString &pfad, qint32 ausser)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != ausser
            && (Gleiche_Datei(Rezept_Anleitungspfad(i), pfad) || Gleiche_Datei(Rezept_Bemerkungspfad(i), pfad)))
            return true;
    return false;
}

bool Schritt(int schritt)
{
    return !Rezeptspeichern_Schritt || Rezeptspeichern_Schritt(schritt);
}

QPlainTextEdit *Neue_Spalte(QWidget *parent, const char *name)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(name));
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

} // namespace

void Nach_vorne(QWidget *fenster)
{
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QString Freier_Rezeptdateiname(const QString &wunsch, qint32 ausser)
{
    int punkt = wunsch.lastIndexOf(QLatin1Char('.'));
    if (punkt < wunsch.lastIndexOf(QLatin1Char('\\')) || punkt < wunsch.lastIndexOf(QLatin1Char('/')))
        punkt = -1;
    const QString stamm = punkt > 0 ? wunsch.left(punkt) : wunsch;
    const QString endung = punkt > 0 ? wunsch.mid(punkt) : QString();
    for (int n = 1; n < 10000; ++n) {
        const QString kandidat = n == 1 ? wunsch : stamm + QStringLiteral(" (%1)").arg(n) + endung;
        if (!platform::fileExists(kandidat) && !Datei_vergeben(kandidat, ausser))
            return kandidat;
    }
    return QString();
}

// --- the window ---------------------------------------------------------

TFRez::TFRez(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FRez"));
    setWindowTitle(QStringLiteral("Recipe:"));
    resize(1000, 720);
    Setze_Fensterfarbe(this);

    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };

    // menu
    MMHauptmenue = new QMenuBar(this);
    name(MMHauptmenue, "MMHauptmenue");
    QMenu *mRezept = MMHauptmenue->addMenu(QStringLiteral("&Recipe"));
    MRezeptspeichern = mRezept->addAction(QStringLiteral("Save recipe"));
    name(MRezeptspeichern, "MRezeptspeichern");
    MRezeptspeichern->setShortcut(QKeySequence::Save);
    MRezeptmengenberechnen = mRezept->addAction(QStringLiteral("Calculate servings..."));
    name(MRezeptmengenberechnen, "MRezeptmengenberechnen");
    MDeluxe = mRezept->addAction(QStringLiteral("Deluxe layout"));
    name(MDeluxe, "MDeluxe");
    MDeluxe->setCheckable(true);
    mRezept->addSeparator();
    MSchliessen = mRezept->addAction(QStringLiteral("Close"));
    name(MSchliessen, "MSchliessen");
    QMenu *mZutaten = MMHauptmenue->addMenu(QStringLiteral("&Ingredients"));
    ZSNeueZutatinDatenbankaufnehmen = mZutaten->addAction(QStringLiteral("New ingredient into the database..."));
    name(ZSNeueZutatinDatenbankaufnehmen, "ZSNeueZutatinDatenbankaufnehmen");
    MZutatkommentar = mZutaten->addAction(QStringLiteral("Insert comment..."));
    name(MZutatkommentar, "MZutatkommentar");
    MGesamtzutatendatenbank = mZutaten->addAction(QStringLiteral("Global ingredient database..."));
    name(MGesamtzutatendatenbank, "MGesamtzutatendatenbank");
    MEinheiten = mZutaten->addAction(QStringLiteral("Units..."));
    name(MEinheiten, "MEinheiten");
    MLexikon = mZutaten->addAction(QStringLiteral("Cooking dictionary..."));
    name(MLexikon, "MLexikon");
    QMenu *mHilfe = MMHauptmenue->addMenu(QStringLiteral("&Help"));
    MHilfe = mHilfe->addAction(QStringLiteral("Help on the recipe editor"));
    name(MHilfe, "MHilfe");
    MHilfe->setShortcut(QKeySequence::HelpContents);
    connect(MHilfe, &QAction::triggered, this, [] { Zeige_Hilfe(2); });
    connect(MZutatkommentar, &QAction::triggered, this, [] { Zeige_Zutatkommentare(); });
    connect(MEinheiten, &QAction::triggered, this, [] { Zeige_Einheiten(); });
    connect(MLexikon, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });

    // header
    auto *kopf = new QGroupBox(QStringLiteral("Recipe"), this);
    name(kopf, "GBKopf");
    ERName = new QLineEdit(kopf);
    name(ERName, "ERName");
    CBKategorie = new QComboBox(kopf);
    name(CBKategorie, "CBKategorie");
    for (const QString &k : Kategorienamen)
        CBKategorie->addItem(k);
    EUnterkategorien = new QLineEdit(kopf);
    name(EUnterkategorien, "EUnterkategorien");
    EUnterkategorien->setPlaceholderText(QStringLiteral("comma list"));
    ERAnzahlportionen = new QLineEdit(kopf);
    name(ERAnzahlportionen, "ERAnzahlportionen");
    ERAnzahlportionen1 = new QLineEdit(kopf);
    name(ERAnzahlportionen1, "ERAnzahlportionen1");
    ERZubereitungszeit = new QLineEdit(kopf);
    name(ERZubereitungszeit, "ERZubereitungszeit");
    CBSchwierigkeit = new QComboBox(kopf);
    name(CBSchwierigkeit, "CBSchwierigkeit");
    CBSchwierigkeit->addItems({QStringLiteral("not stated"), QStringLiteral("1 (very easy)"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5 (demanding)")});
    DTPKochdatum = new QDateEdit(kopf);
    name(DTPKochdatum, "DTPKochdatum");
    DTPKochdatum->setCalendarPopup(true);
    DTPKochdatum->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    CBKochgeraete = new QComboBox(kopf);
    name(CBKochgeraete, "CBKochgeraete");
    for (const QString &g : Kochgeraetenamen)
        CBKochgeraete->addItem(g);
    EKochgeraete = new QLineEdit(kopf);
    name(EKochgeraete, "EKochgeraete");
    ERPreis = new QLineEdit(kopf);
    name(ERPreis, "ERPreis");
    ERPreis1 = new QLineEdit(kopf);
    name(ERPreis1, "ERPreis1");
    IRezeptgrafik = new QLabel(kopf);
    name(IRezeptgrafik, "IRezeptgrafik");
    IRezeptgrafik->setFixedSize(200, 150);
    IRezeptgrafik->setAlignment(Qt::AlignCenter);
    IRezeptgrafik->setFrameShape(QFrame::StyledPanel);
    BRezeptgrafik = new QPushButton(QStringLiteral("Picture..."), kopf);
    name(BRezeptgrafik, "BRezeptgrafik");
    BRezeptgrafikloeschen = new QPushButton(QStringLiteral("No picture"), kopf);
    name(BRezeptgrafikloeschen, "BRezeptgrafikloeschen");

    auto *raster = new QGridLayout;
    auto zeile = [&](int r, int c, const QString &text, QWidget *w) {
        raster->addWidget(new QLabel(text, kopf), r, c);
        raster->addWidget(w, r, c + 1);
    };
    zeile(0, 0, QStringLiteral("Name:"), ERName);
    zeile(0, 2, QStringLiteral("Category:"), CBKategorie);
    zeile(1, 0, QStringLiteral("Sub-categories:"), EUnterkategorien);
    zeile(1, 2, QStringLiteral("Cooked on:"), DTPKochdatum);
    {
        auto *h = new QHBoxLayout;
        h->addWidget(ERAnzahlportionen);
        h->addWidget(ERAnzahlportionen1);
        raster->addWidget(new QLabel(QStringLiteral("Servings:"), kopf), 2, 0);
        raster->addLayout(h, 2, 1);
    }
    zeile(2, 2, QStringLiteral("Preparation time:"), ERZubereitungszeit);
    zeile(3, 0, QStringLiteral("Difficulty:"), CBSchwierigkeit);
    {
        auto *h = new QHBoxLayout;
        h->addWidget(ERPreis);
        h->addWidget(ERPreis1);
        raster->addWidget(new QLabel(QStringLiteral("Price:"), kopf), 3, 2);
        raster->addLayout(h, 3, 3);
    }
    {
        auto *h = new QHBoxLayout;
        h->addWidget(CBKochgeraete, 1);
        h->addWidget(EKochgeraete, 3);
        raster->addWidget(new QLabel(QStringLiteral("Cooking devices:"), kopf), 4, 0);
        raster->addLayout(h, 4, 1, 1, 3);
    }
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(3, 1);
    auto *bildspalte = new QVBoxLayout;
    bildspalte->addWidget(IRezeptgrafik);
    auto *bildknoepfe = new QHBoxLayout;
    bildknoepfe->addWidget(BRezeptgrafik);
    bildknoepfe->addWidget(BRezeptgrafikloeschen);
    bildspalte->addLayout(bildknoepfe);
    auto *kopfLayout = new QHBoxLayout(kopf);
    kopfLayout->addLayout(raster, 1);
    kopfLayout->addLayout(bildspalte);

    // ingredients, normal layout
    SZutaten = new QStackedWidget(this);
    name(SZutaten, "SZutaten");
    auto *normal = new QGroupBox(QStringLiteral("Ingredients"), SZutaten);
    name(normal, "GBZutaten");
    EZutatSuchen = new QLineEdit(normal);
    name(EZutatSuchen, "EZutatSuchen");
    EZutatSuchen->setPlaceholderText(QStringLiteral("Search ingredient..."));
    EZutatSuchen->setClearButtonEnabled(true);
    LBZutatsuche = new QListWidget(normal);
    name(LBZutatsuche, "LBZutatsuche");
    LBZutatsuche->setMaximumHeight(130);
    ISuchbild = new QLabel(normal);
    name(ISuchbild, "ISuchbild");
    ISuchbild->setFixedSize(80, 80);
    ISuchbild->setScaledContents(true);
    CBMenge = new QComboBox(normal);
    name(CBMenge, "CBMenge");
    CBMenge->setEditable(true);
    CBEinheit = new QComboBox(normal);
    name(CBEinheit, "CBEinheit");
    CBEinheit->setEditable(true);
    EZutat = new QLineEdit(normal);
    name(EZutat, "EZutat");
    BZutathinzufuegen = new QPushButton(QStringLiteral("Add"), normal);
    name(BZutathinzufuegen, "BZutathinzufuegen");
    BZutataendern = new QPushButton(QStringLiteral("Change"), normal);
    name(BZutataendern, "BZutataendern");
    BZutatloeschen = new QPushButton(QStringLiteral("Delete"), normal);
    name(BZutatloeschen, "BZutatloeschen");
    BZutathoch = new QPushButton(QStringLiteral("Up"), normal);
    name(BZutathoch, "BZutathoch");
    BZutatrunter = new QPushButton(QStringLiteral("Down"), normal);
    name(BZutatrunter, "BZutatrunter");
    LZutatzeile = new QLabel(normal);
    name(LZutatzeile, "LZutatzeile");
    LBZutatliste = new QListWidget(normal);
    name(LBZutatliste, "LBZutatliste");

    auto *suche = new QHBoxLayout;
    auto *suchspalte = new QVBoxLayout;
    suchspalte->addWidget(EZutatSuchen);
    suchspalte->addWidget(LBZutatsuche);
    suche->addLayout(suchspalte, 1);
    suche->addWidget(ISuchbild, 0, Qt::AlignTop);
    auto *eingabe = new QGridLayout;
    eingabe->addWidget(new QLabel(QStringLiteral("Quantity:"), normal), 0, 0);
    eingabe->addWidget(new QLabel(QStringLiteral("Unit:"), normal), 0, 1);
    eingabe->addWidget(new QLabel(QStringLiteral("Ingredient:"), normal), 0, 2);
    eingabe->addWidget(CBMenge, 1, 0);
    eingabe->addWidget(CBEinheit, 1, 1);
    eingabe->addWidget(EZutat, 1, 2);
    eingabe->setColumnStretch(2, 2);
    eingabe->setColumnStretch(0, 1);
    eingabe->setColumnStretch(1, 1);
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {BZutathinzufuegen, BZutataendern, BZutatloeschen, BZutathoch, BZutatrunter})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    auto *normalLayout = new QVBoxLayout(normal);
    normalLayout->addLayout(suche);
    normalLayout->addLayout(eingabe);
    normalLayout->addLayout(knoepfe);
    normalLayout->addWidget(LZutatzeile);
    normalLayout->addWidget(LBZutatliste, 1);
    SZutaten->addWidget(normal);

    // ingredients, deluxe layout
    auto *deluxe = new QGroupBox(QStringLiteral("Ingredients (deluxe)"), SZutaten);
    name(deluxe, "GBDeluxe");
    CBZutatauswahl1 = new QComboBox(deluxe);
    name(CBZutatauswahl1, "CBZutatauswahl1");
    CBZutatauswahl1->setEditable(true);
    CBZutatauswahl1->setInsertPolicy(QComboBox::NoInsert);
    BZutateinfuegen1 = new QPushButton(QStringLiteral("Insert ingredient"), deluxe);
    name(BZutateinfuegen1, "BZutateinfuegen1");
    MMenge1 = Neue_Spalte(deluxe, "MMenge1");
    MEinheit1 = Neue_Spalte(deluxe, "MEinheit1");
    MZutat1 = Neue_Spalte(deluxe, "MZutat1");
    MZubereitung1 = Neue_Spalte(deluxe, "MZubereitung1");
    auto *deluxeLayout = new QGridLayout(deluxe);
    auto *auswahl = new QHBoxLayout;
    auswahl->addWidget(CBZutatauswahl1, 1);
    auswahl->addWidget(BZutateinfuegen1);
    deluxeLayout->addLayout(auswahl, 0, 0, 1, 4);
    deluxeLayout->addWidget(new QLabel(QStringLiteral("Quantity"), deluxe), 1, 0);
    deluxeLayout->addWidget(new QLabel(QStringLiteral("Unit"), deluxe), 1, 1);
    deluxeLayout->addWidget(new QLabel(QStringLiteral("Ingredient"), deluxe), 1, 2);
    deluxeLayout->addWidget(new QLabel(QStringLiteral("Preparation"), deluxe), 1, 3);
    deluxeLayout->addWidget(MMenge1, 2, 0);
    deluxeLayout->addWidget(MEinheit1, 2, 1);
    deluxeLayout->addWidget(MZutat1, 2, 2);
    deluxeLayout->addWidget(MZubereitung1, 2, 3);
    deluxeLayout->setColumnStretch(0, 1);
    deluxeLayout->setColumnStretch(1, 1);
    deluxeLayout->setColumnStretch(2, 3);
    deluxeLayout->setColumnStretch(3, 2);
    deluxeLayout->setRowStretch(2, 1);
    SZutaten->addWidget(deluxe);

    // texts
    auto *texte = new QWidget(this);
    REREingabe = new QTextEdit(texte);
    name(REREingabe, "REREingabe");
    RERBemerkungen = new QTextEdit(texte);
    name(RERBemerkungen, "RERBemerkungen");
    RERBemerkungen1 = new QTextEdit(texte);
    name(RERBemerkungen1, "RERBemerkungen1");
    auto *texteLayout = new QVBoxLayout(texte);
    texteLayout->setContentsMargins(0, 0, 0, 0);
    texteLayout->addWidget(new QLabel(QStringLiteral("Instructions:"), texte));
    texteLayout->addWidget(REREingabe, 3);
    texteLayout->addWidget(new QLabel(QStringLiteral("Remarks:"), texte));
    texteLayout->addWidget(RERBemerkungen, 1);
    texteLayout->addWidget(RERBemerkungen1, 1);

    auto *teiler = new QSplitter(Qt::Horizontal, this);
    name(teiler, "SPTeiler");
    teiler->addWidget(SZutaten);
    teiler->addWidget(texte);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({520, 480});

    LStatus = new QLabel(this);
    name(LStatus, "LStatus");

    auto *haupt = new QVBoxLayout(this);
    haupt->setMenuBar(MMHauptmenue);
    haupt->addWidget(kopf);
    haupt->addWidget(teiler, 1);
    haupt->addWidget(LStatus);

    ERAnzahlportionen1->hide();
    ERPreis1->hide();
    RERBemerkungen1->hide();

    // handlers
    connect(MRezeptspeichern, &QAction::triggered, this, &TFRez::MRezeptspeichernClick);
    connect(MRezeptmengenberechnen, &QAction::triggered, this, &TFRez::MRezeptmengenberechnenClick);
    connect(ZSNeueZutatinDatenbankaufnehmen, &QAction::triggered, this, &TFRez::ZSNeueZutatinDatenbankaufnehmenClick);
    connect(MGesamtzutatendatenbank, &QAction::triggered, this, [] { Zeige_Gesamtzutatendatenbank(); });
    connect(MDeluxe, &QAction::triggered, this, &TFRez::MDeluxeClick);
    connect(MSchliessen, &QAction::triggered, this, &TFRez::MSchliessenClick);
    connect(EZutatSuchen, &QLineEdit::textChanged, this, &TFRez::EZutatSuchenChange);
    connect(LBZutatsuche, &QListWidget::currentRowChanged, this, &TFRez::LBZutatsucheClick);
    // a double click, or Enter on the keyboard
    connect(LBZutatsuche, &QListWidget::itemActivated, this, &TFRez::LBZutatsucheDblClick);
    connect(LBZutatliste, &QListWidget::currentRowChanged, this, &TFRez::LBZutatlisteClick);
    connect(CBEinheit, &QComboBox::currentTextChanged, this, &TFRez::CBEinheitChange);
    connect(BZutathinzufuegen, &QPushButton::clicked, this, &TFRez::BZutathinzufuegenClick);
    connect(BZutataendern, &QPushButton::clicked, this, &TFRez::BZutataendernClick);
    connect(BZutatloeschen, &QPushButton::clicked, this, &TFRez::BZutatloeschenClick);
    connect(BZutathoch, &QPushButton::clicked, this, &TFRez::BZutathochClick);
    connect(BZutatrunter, &QPushButton::clicked, this, &TFRez::BZutatrunterClick);
    connect(BZutateinfuegen1, &QPushButton::clicked, this, &TFRez::BZutateinfuegen1Click);
    connect(CBKategorie, &QComboBox::currentIndexChanged, this, &TFRez::CBKategorieChange);
    connect(CBKochgeraete, &QComboBox::activated, this, &TFRez::CBKochgeraeteChange);
    connect(BRezeptgrafik, &QPushButton::clicked, this, &TFRez::BRezeptgrafikClick);
    connect(BRezeptgrafikloeschen, &QPushButton::clicked, this, &TFRez::BRezeptgrafikloeschenClick);

    for (QPlainTextEdit *m : {MMenge1, MEinheit1, MZutat1, MZubereitung1}) {
        connect(m, &QPlainTextEdit::textChanged, this, &TFRez::DeluxespaltenChange);
        // the four columns scroll as one table
        connect(m->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int wert) {
            for (QPlainTextEdit *n : {MMenge1, MEinheit1, MZutat1, MZubereitung1})
                if (n->verticalScrollBar()->value() != wert)
                    n->verticalScrollBar()->setValue(wert);
        });
    }
    for (QLineEdit *e : {ERName, EUnterkategorien, ERAnzahlportionen, ERAnzahlportionen1, ERZubereitungszeit,
                         EKochgeraete, ERPreis, ERPreis1})
        connect(e, &QLineEdit::textChanged, this, &TFRez::Geaendert_setzen);
    connect(CBSchwierigkeit, &QComboBox::activated, this, &TFRez::Geaendert_setzen);
    connect(DTPKochdatum, &QDateEdit::dateChanged, this, [this] {
        if (!m_fuellen)
            Geaendert_setzen();
    });
    for (QTextEdit *t : {REREingabe, RERBemerkungen, RERBemerkungen1})
        connect(t, &QTextEdit::textChanged, this, [this] {
            if (!m_fuellen)
                Geaendert_setzen();
        });

    Registriere_Tooltipps(this, {
        {QStringLiteral("ERName"), QStringLiteral("Name of the recipe")},
        {QStringLiteral("CBKategorie"), QStringLiteral("Category of the recipe")},
        {QStringLiteral("EUnterkategorien"), QStringLiteral("Sub-categories, separated by commas")},
        {QStringLiteral("ERAnzahlportionen"), QStringLiteral("Number of servings, e.g. 4 persons")},
        {QStringLiteral("ERAnzahlportionen1"), QStringLiteral("Number of servings, e.g. 4 persons")},
        {QStringLiteral("ERZubereitungszeit"), QStringLiteral("Preparation time")},
        {QStringLiteral("CBSchwierigkeit"), QStringLiteral("Difficulty from 1 to 5")},
        {QStringLiteral("DTPKochdatum"), QStringLiteral("When was the recipe cooked?")},
        {QStringLiteral("CBKochgeraete"), QStringLiteral("Add a cooking device to the list")},
        {QStringLiteral("EKochgeraete"), QStringLiteral("Cooking devices needed")},
        {QStringLiteral("ERPreis"), QStringLiteral("Price of the recipe")},
        {QStringLiteral("ERPreis1"), QStringLiteral("Price of the recipe")},
        {QStringLiteral("BRezeptgrafik"), QStringLiteral("Load a picture of the dish")},
        {QStringLiteral("BRezeptgrafikloeschen"), QStringLiteral("Remove the picture")},
        {QStringLiteral("EZutatSuchen"), QStringLiteral("Search the ingredient database")},
        {QStringLiteral("LBZutatsuche"), QStringLiteral("Ingredients found; a double click or Enter adds the ingredient")},
        {QStringLiteral("CBMenge"), QStringLiteral("Quantity")},
        {QStringLiteral("CBEinheit"), QStringLiteral("Unit")},
        {QStringLiteral("EZutat"), QStringLiteral("Ingredient or comment")},
        {QStringLiteral("BZutathinzufuegen"), QStringLiteral("Add the ingredient line")},
        {QStringLiteral("BZutataendern"), QStringLiteral("Change the selected ingredient line")},
        {QStringLiteral("BZutatloeschen"), QStringLiteral("Delete the selected ingredient line")},
        {QStringLiteral("BZutathoch"), QStringLiteral("Move the ingredient line up")},
        {QStringLiteral("BZutatrunter"), QStringLiteral("Move the ingredient line down")},
        {QStringLiteral("LBZutatliste"), QStringLiteral("Ingredients of the recipe")},
        {QStringLiteral("CBZutatauswahl1"), QStringLiteral("Choose an ingredient from the database")},
        {QStringLiteral("MMenge1"), QStringLiteral("Quantities, one a line")},
        {QStringLiteral("MEinheit1"), QStringLiteral("Units, one a line")},
        {QStringLiteral("MZutat1"), QStringLiteral("Ingredients, one a line")},
        {QStringLiteral("MZubereitung1"), QStringLiteral("Preparation of the ingredient")},
        {QStringLiteral("REREingabe"), QStringLiteral("Instructions of the recipe")},
        {QStringLiteral("RERBemerkungen"), QStringLiteral("Remarks on the recipe")},
        {QStringLiteral("RERBemerkungen1"), QStringLiteral("Remarks on the recipe")},
    });
}

void TFRez::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), platform::fromTColor(Fensterfarbe));
    if (!m_hintergrund.isNull())
        p.drawPixmap(rect(), m_hintergrund);
}

void TFRez::Leere_Kuechentexte()
{
    // A recipe still open here would lose its texts on its next save.
    if (isVisible() || m_geaendert)
        return;
    ++m_fuellen;
    for (QTextEdit *t : {REREingabe, RERBemerkungen, RERBemerkungen1})
        t->clear();
    --m_fuellen;
}

void TFRez::Geaendert_setzen()
{
    if (m_fuellen)
        return;
    m_geaendert = true;
    LStatus->setText(QStringLiteral("Changed"));
}

void TFRez::Fuelle_Formular()
{
    // the record of a recipe that is gone lives only as long as it is shown
    if (m_verwaist && m_rezept != AktuellesRezept) {
        m_verwaist = false;
        if (Gueltiger_Satz(m_rezept))
            Entferne_Rezeptsatz(m_rezept);
    }
    TTRezepteTotal *r = Aktuelles();
    ++m_fuellen;
    m_rezept = AktuellesRezept;
    if (r) {
        ERName->setText(r->Rezeptname);
        CBKategorie->setCurrentIndex(r->Kategorie >= 0 && r->Kategorie < AnzahlKategorien
                                         ? Ermittle_Anzeigeposition_aus_Kategorie(r->Kategorie)
                                         : -1);
        EUnterkategorien->setText(r->Unterkategorien);
        ERAnzahlportionen->setText(r->Portionen);
        ERAnzahlportionen1->setText(r->Portionen);
        ERZubereitungszeit->setText(r->Zubereitungszeit);
        CBSchwierigkeit->setCurrentIndex(r->Schwierigkeit >= 1 && r->Schwierigkeit <= 5 ? r->Schwierigkeit : 0);
        const double datum = r->Kochdatum > 0 ? r->Kochdatum : Jetzt();
        DTPKochdatum->setDate(TWSToDateTime(datum).date());
        EKochgeraete->setText(r->Kochgeraete);
        CBKochgeraete->setCurrentIndex(0);
        QString preis;
        Wandle_Kommazahl_in_Text(10, 2, preis, r->Preis);
        ERPreis->setText(preis);
        ERPreis1->setText(preis);
        m_rezeptgrafik = r->Rezeptgrafik;
        Zeige_Rezeptgrafik();

        Lade_Text(REREingabe, Rezept_Anleitungspfad(AktuellesRezept), r->Rezeptliste);
        const QString bemerkungen = Rezept_Bemerkungspfad(AktuellesRezept);
        Lade_Text(RERBemerkungen, bemerkungen, r->Bemerkungsliste);
        Lade_Text(RERBemerkungen1, bemerkungen, r->Bemerkungsliste);
    } else {
        for (QLineEdit *e : {ERName, EUnterkategorien, ERAnzahlportionen, ERAnzahlportionen1, ERZubereitungszeit,
                             EKochgeraete, ERPreis, ERPreis1})
            e->clear();
        for (QTextEdit *t : {REREingabe, RERBemerkungen, RERBemerkungen1})
            t->clear();
        m_rezeptgrafik.clear();
        Zeige_Rezeptgrafik();
    }
    // the deluxe ingredient choice offers the database
    {
        QSignalBlocker b(CBZutatauswahl1);
        CBZutatauswahl1->clear();
        for (const TTZutatentotal &z : Zutatentotal)
            if (!z.Zutatname.isEmpty() && z.Status != 4)
                CBZutatauswahl1->addItem(z.Zutatname);
        CBZutatauswahl1->setCurrentIndex(-1);
    }
    {
        QSignalBlocker b(EZutatSuchen);
        EZutatSuchen->clear();
    }
    LBZutatsuche->clear();
    Zeige_Zutatgrafik_DigI(0, -1);
    EZutat->clear();
    Fuelle_Deluxespalten();
    LBZutatliste->setCurrentRow(-1);
    Aktualisiere_Zutatenliste();
    Fuelle_Einheiten(16, QString(), QString());
    LZutatzeile->clear();
    Setze_Layout();
    Setze_Textschrift();
    --m_fuellen;
    m_geaendert = false;
    LStatus->clear();
}

void TFRez::Setze_Layout()
{
    TTRezepteTotal *r = Aktuelles();
    const bool deluxe = r && r->Deluxe;
    SZutaten->setCurrentIndex(deluxe ? 1 : 0);
    ERAnzahlportionen->setVisible(!deluxe);
    ERAnzahlportionen1->setVisible(deluxe);
    ERPreis->setVisible(!deluxe);
    ERPreis1->setVisible(deluxe);
    RERBemerkungen->setVisible(!deluxe);
    RERBemerkungen1->setVisible(deluxe);
    MDeluxe->setChecked(deluxe);
    setWindowTitle(r ? QStringLiteral("Recipe: ") + r->Rezeptname : QStringLiteral("Recipe:"));
    m_hintergrund = platform::loadPixmap(Hintergrunddatei());
    update();
}

void TFRez::Fuelle_Deluxespalten()
{
    TTRezepteTotal *r = Aktuelles();
    TTDeluxeliste d;
    if (r)
        d = Hat_Deluxezeilen(r->Deluxeliste) ? r->Deluxeliste : Deluxe_aus_Zutaten(*r);
    const int n = std::max({d.Menge.size(), d.Einheit.size(), d.Name.size(), d.Zubereitung.size()});
    auto spalte = [n](const TString &l) {
        QStringList z = l;
        while (z.size() < n)
            z.append(QString());
        return Ohne_Leerzeilen_am_Ende(z).size() ? z.join(QLatin1Char('\n')) : QString();
    };
    ++m_fuellen;
    MMenge1->setPlainText(spalte(d.Menge));
    MEinheit1->setPlainText(spalte(d.Einheit));
    MZutat1->setPlainText(spalte(d.Name));
    MZubereitung1->setPlainText(spalte(d.Zubereitung));
    --m_fuellen;
}

// The deluxe columns are the recipe's ingredient lines while that layout
// is shown.
void TFRez::DeluxespaltenChange()
{
    if (m_fuellen)
        return;
    TTRezepteTotal *r = Aktuelles();
    if (!r || !r->Deluxe)
        return;
    Geaendert_setzen();
    const QStringList m = Memozeilen(MMenge1), e = Memozeilen(MEinheit1), z = Memozeilen(MZutat1),
                      p = Memozeilen(MZubereitung1);
    int n = std::max({m.size(), e.size(), z.size(), p.size()});
    auto feld = [](const QStringList &l, int i) { return i < l.size() ? l[i].trimmed() : QString(); };
    while (n > 0 && (feld(m, n - 1) + feld(e, n - 1) + feld(z, n - 1) + feld(p, n - 1)).isEmpty())
        --n;
    TTDeluxeliste d;
    TTAZutatenliste zeilen;
    for (int i = 0; i < n; ++i) {
        d.Menge.append(feld(m, i));
        d.Einheit.append(feld(e, i));
        d.Name.append(feld(z, i));
        d.Zubereitung.append(feld(p, i));
        if (!(feld(m, i) + feld(e, i) + feld(z, i)).isEmpty())
            zeilen.append({feld(m, i), feld(e, i), feld(z, i), static_cast<qint32>(zeilen.size())});
    }
    r->Deluxeliste = d;
    r->Zutatenliste = zeilen;
    Aktualisiere_Zutatenliste();
}

void TFRez::Zeige_Rezeptgrafik()
{
    const QPixmap bild = Lade_Rezeptgrafik(m_rezeptgrafik);
    if (bild.isNull()) {
        IRezeptgrafik->clear();
        IRezeptgrafik->setText(QStringLiteral("(no picture)"));
    } else {
        IRezeptgrafik->setPixmap(bild.scaled(IRezeptgrafik->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

// The category chosen in the form, which the record takes only when saved.
qint32 TFRez::Formularkategorie() const
{
    const qint32 k = Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    if (CBKategorie->currentIndex() >= 0 && k >= 0 && k < AnzahlKategorien)
        return k;
    const TTRezepteTotal *r = Aktuelles();
    return r ? r->Kategorie : 0;
}

void TFRez::Fuelle_Einheiten(qint32 gruppe, const QString &einheit, const QString &menge)
{
    if (gruppe < 0 || gruppe >= AnzahlZutatengruppen)
        gruppe = 16;
    m_gruppe = gruppe;
    const TTAEinheit *liste = Einheitenliste(Formularkategorie());
    {
        QSignalBlocker b(CBEinheit);
        CBEinheit->clear();
        CBEinheit->addItem(QString());
        if (liste)
            for (const TTEinheit &e : *liste)
                if (!e.Name.isEmpty() && e.Zuordnung[gruppe])
                    CBEinheit->addItem(e.Name);
        CBEinheit->setCurrentText(einheit);
    }
    Fuelle_Mengen(menge);
}

void TFRez::Fuelle_Mengen(const QString &menge)
{
    const TTEinheit *e = Finde_Einheit(Formularkategorie(), CBEinheit->currentText());
    QSignalBlocker b(CBMenge);
    CBMenge->clear();
    CBMenge->addItem(QString());
    // entry 0 of a quantity table is "not stated": the empty entry above
    if (e)
        for (int i = 1; i < e->Mengentabelle.size(); ++i)
            if (!e->Mengentabelle[i].isEmpty())
                CBMenge->addItem(e->Mengentabelle[i]);
    CBMenge->setCurrentText(menge);
}

void TFRez::CBEinheitChange()
{
    Fuelle_Mengen(CBMenge->currentText());
}

// --- ingredient search ----------------------------------------------------

void TFRez::EZutatSuchenChange()
{
    QString text = EZutatSuchen->text();
    Entferne_fuehrende_Leerzeichen(text);
    // the shared ingredient list search; here stray blanks give no empty word
    QString woerter = text;
    Entferne_doppelte_Leerzeichen(woerter);
    Zeige_Zutatensuche(LBZutatsuche, Zutatentotal, woerter, TZutatensuchart());
    if (LBZutatsuche->count() > 0) {
        LBZutatsucheClick();
    } else {
        Zeige_Zutatgrafik_DigI(0, -1);
        // a name the database does not hold (or a comment) as typed
        EZutat->setText(text.trimmed());
        Fuelle_Einheiten(16, CBEinheit->currentText(), CBMenge->currentText());
    }
}

void TFRez::LBZutatsucheClick()
{
    const int zeile = LBZutatsuche->currentRow();
    Zeige_Zutatgrafik_DigI(LBZutatsuche->count(), zeile);
    if (zeile < 0)
        return;
    const QString name = LBZutatsuche->item(zeile)->text();
    // another ingredient starts without the quantity of the one before
    const bool neu = name != EZutat->text().trimmed();
    EZutat->setText(name);
    const qint32 k = Suche_Zutat(name, -1);
    QString einheit = CBEinheit->currentText();
    if (k >= 0 && !Zutatentotal[k].Standardeinheit().isEmpty())
        einheit = Zutatentotal[k].Standardeinheit();
    Fuelle_Einheiten(Zutatengruppe(name), einheit, neu ? QString() : CBMenge->currentText());
}

void TFRez::LBZutatsucheDblClick()
{
    BZutathinzufuegenClick();
}

// --- ingredient lines ------------------------------------------------------

void TFRez::LBZutatlisteClick()
{
    Zeige_Zutatzeile();
}

void TFRez::BZutathinzufuegenClick()
{
    TTRezepteTotal *r = Aktuelles();
    if (!r)
        return;
    const QString name = EZutat->text().trimmed();
    if (name.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter or choose an ingredient first!"), QStringLiteral("Note:"), 0);
        return;
    }
    if (!Pruefe_Zeichen(QStringLiteral("Ingredient line"), CBMenge->currentText() + CBEinheit->currentText() + name))
        return;
    Ordne_Zutatenliste(r->Zutatenliste);
    const int markiert = LBZutatliste->currentRow();
    const int pos = markiert >= 0 ? markiert + 1 : r->Zutatenliste.size();
    for (TTZutatenliste &z : r->Zutatenliste)
        if (z.Listenindex >= pos)
            ++z.Listenindex;
    r->Zutatenliste.append({CBMenge->currentText().trimmed(), CBEinheit->currentText().trimmed(), name, pos});
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(pos);
    Geaendert_setzen();
}

void TFRez::BZutataendernClick()
{
    TTRezepteTotal *r = Aktuelles();
    const int markiert = LBZutatliste->currentRow();
    if (!r || markiert < 0)
        return;
    const QString name = EZutat->text().trimmed();
    if (name.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter or choose an ingredient first!"), QStringLiteral("Note:"), 0);
        return;
    }
    if (!Pruefe_Zeichen(QStringLiteral("Ingredient line"), CBMenge->currentText() + CBEinheit->currentText() + name))
        return;
    TTZutatenliste *z = Zeile_mit_Index(*r, markiert);
    if (!z)
        return;
    z->Menge = CBMenge->currentText().trimmed();
    z->Einheit = CBEinheit->currentText().trimmed();
    z->Name = name;
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(markiert);
    Geaendert_setzen();
}

void TFRez::BZutatloeschenClick()
{
    TTRezepteTotal *r = Aktuelles();
    const int markiert = LBZutatliste->currentRow();
    if (!r || markiert < 0)
        return;
    TTZutatenliste *z = Zeile_mit_Index(*r, markiert);
    if (!z)
        return;
    if (Zeige_Meldung(QStringLiteral("Delete ingredient: ") + LBZutatliste->item(markiert)->text() + QLatin1Char('?'),
                      QStringLiteral("Question:"), 4)
        != 6)
        return;
    z->Listenindex = -1;
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(std::min(markiert, LBZutatliste->count() - 1));
    Zeige_Zutatzeile();
    Geaendert_setzen();
}

void TFRez::Verschiebe_Zutat(int richtung)
{
    TTRezepteTotal *r = Aktuelles();
    const int markiert = LBZutatliste->currentRow();
    const int ziel = markiert + richtung;
    if (!r || markiert < 0 || ziel < 0 || ziel >= LBZutatliste->count())
        return;
    TTZutatenliste *a = Zeile_mit_Index(*r, markiert);
    TTZutatenliste *b = Zeile_mit_Index(*r, ziel);
    if (!a || !b)
        return;
    std::swap(a->Listenindex, b->Listenindex);
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(ziel);
    Geaendert_setzen();
}

void TFRez::BZutathochClick()
{
    Verschiebe_Zutat(-1);
}

void TFRez::BZutatrunterClick()
{
    Verschiebe_Zutat(1);
}

void TFRez::BZutateinfuegen1Click()
{
    const QString name = CBZutatauswahl1->currentText().trimmed();
    if (name.isEmpty())
        return;
    // a new row in all four columns keeps them aligned
    const int zeilen = std::max({Memozeilen(MMenge1).size(), Memozeilen(MEinheit1).size(),
                                 Memozeilen(MZutat1).size(), Memozeilen(MZubereitung1).size()});
    auto anhaengen = [zeilen](QPlainTextEdit *m, const QString &text) {
        QStringList l = Memozeilen(m);
        while (l.size() < zeilen)
            l.append(QString());
        l.append(text);
        return l.join(QLatin1Char('\n'));
    };
    const QString m = anhaengen(MMenge1, QString()), e = anhaengen(MEinheit1, QString()),
                  z = anhaengen(MZutat1, name), p = anhaengen(MZubereitung1, QString());
    ++m_fuellen;
    MMenge1->setPlainText(m);
    MEinheit1->setPlainText(e);
    MZubereitung1->setPlainText(p);
    --m_fuellen;
    MZutat1->setPlainText(z); // one change notice for the whole row
}

// --- header -------------------------------------------------------------

void TFRez::CBKategorieChange()
{
    if (m_fuellen)
        return;
    Geaendert_setzen();
    // the units offered depend on the category
    Fuelle_Einheiten(m_gruppe, CBEinheit->currentText(), CBMenge->currentText());
}

void TFRez::CBKochgeraeteChange()
{
    const int i = CBKochgeraete->currentIndex();
    if (i <= 0 || i >= static_cast<int>(Kochgeraetenamen.size()))
        return;
    EKochgeraete->setText(Kochgeraeteliste(EKochgeraete->text() + QLatin1Char(',') + Kochgeraetenamen[i]));
    CBKochgeraete->setCurrentIndex(0);
    Geaendert_setzen();
}

void TFRez::BRezeptgrafikClick()
{
    QString eintrag;
    if (!Waehle_Rezeptgrafik(this, eintrag))
        return;
    m_rezeptgrafik = eintrag;
    Zeige_Rezeptgrafik();
    Geaendert_setzen();
}

void TFRez::BRezeptgrafikloeschenClick()
{
    if (m_rezeptgrafik.isEmpty())
        return;
    m_rezeptgrafik.clear();
    Zeige_Rezeptgrafik();
    Geaendert_setzen();
}

// --- layout switch ----------------------------------------------------------

void TFRez::MDeluxeClick()
{
    TTRezepteTotal *r = Aktuelles();
    if (!r) {
        MDeluxe->setChecked(false);
        return;
    }
    const bool deluxe = MDeluxe->isChecked();
    if (deluxe == (r->Deluxe != 0))
        return;
    ++m_fuellen;
    // the fields of the layout left hand their values to the other one
    if (deluxe) {
        ERAnzahlportionen1->setText(ERAnzahlportionen->text());
        ERPreis1->setText(ERPreis->text());
        RERBemerkungen1->setHtml(RERBemerkungen->toHtml());
        r->Deluxeliste = Deluxe_aus_Zutaten(*r);
    } else {
        ERAnzahlportionen->setText(ERAnzahlportionen1->text());
        ERPreis->setText(ERPreis1->text());
        RERBemerkungen->setHtml(RERBemerkungen1->toHtml());
    }
    r->Deluxe = deluxe ? 1 : 0;
    --m_fuellen;
    Fuelle_Deluxespalten();
    Aktualisiere_Zutatenliste();
    Setze_Layout();
    Geaendert_setzen();
}

// --- saving ---------------------------------------------------------------

bool TFRez::Pruefe_Zeichen(const QString &feld, const QString &text)
{
    const QString fremd = Nicht_speicherbare_Zeichen(text);
    if (fremd.isEmpty())
        return true;
    Zeige_Meldung(feld + QStringLiteral(": a recipe file cannot hold these characters: ") + fremd
                      + QStringLiteral("\nPlease remove or replace them."),
                  QStringLiteral("Error:"), 0);
    return false;
}

// The instructions and remarks are rich text, which keeps any character;
// every other field goes into the recipe file and the recipe index.
bool TFRez::Pruefe_Formularzeichen()
{
    const bool deluxe = MDeluxe->isChecked();
    const std::pair<QString, QString> felder[] = {
        {QStringLiteral("Recipe name"), ERName->text()},
        {QStringLiteral("Sub-categories"), EUnterkategorien->text()},
        {QStringLiteral("Servings"), (deluxe ? ERAnzahlportionen1 : ERAnzahlportionen)->text()},
        {QStringLiteral("Preparation time"), ERZubereitungszeit->text()},
        {QStringLiteral("Cooking devices"), EKochgeraete->text()},
        {QStringLiteral("Price"), (deluxe ? ERPreis1 : ERPreis)->text()},
    };
    for (const auto &[feld, text] : felder)
        if (!Pruefe_Zeichen(feld, text))
            return false;
    if (const TTRezepteTotal *r = Aktuelles()) {
        for (const TTZutatenliste &z : r->Zutatenliste)
            if (z.Listenindex >= 0 && !Pruefe_Zeichen(QStringLiteral("Ingredient line \"") + z.Name + QLatin1Char('"'),
                                                      z.Menge + z.Einheit + z.Name))
                return false;
        for (const QString &p : r->Deluxeliste.Zubereitung)
            if (!Pruefe_Zeichen(QStringLiteral("Preparation \"") + p + QLatin1Char('"'), p))
                return false;
    }
    return true;
}

bool TFRez::MRezeptspeichernClick()
{
    qint32 idx = AktuellesRezept;
    if (!Aktuelles())
        return false;
    if (m_rezept != idx) {
        // Another record is to be saved (import, wizard): edits of the
        // recipe open here are asked about before the fields take it.
        if (isVisible() && m_geaendert && Gueltiger_Satz(m_rezept)) {
            const bool geschlossen = close();
            idx = AktuellesRezept; // a discarded record may have left the array
            if (!geschlossen || !Aktuelles())
                return false;
        }
        // a record filled elsewhere is taken into the fields first
        Fuelle_Formular();
    }

    const QString name = ERName->text().trimmed();
    if (name.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter a name for the recipe!"), QStringLiteral("Error:"), 0);
        return false;
    }
    if (!Pruefe_Formularzeichen()) {
        LStatus->setText(QStringLiteral("Not saved"));
        return false;
    }
    if (m_verwaist
        && Zeige_Meldung(QStringLiteral("The recipe \"") + name
                             + QStringLiteral("\" is no longer in the recipe book: its file was removed or renamed "
                                              "while it was open here. Save it as a new recipe?"),
                         QStringLiteral("Question:"), 4)
               != 6) {
        LStatus->setText(QStringLiteral("Not saved"));
        return false;
    }
    const qint32 kategorie = Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    if (CBKategorie->currentIndex() < 0 || kategorie < 0 || kategorie >= AnzahlKategorien) {
        Zeige_Meldung(QStringLiteral("Please choose a category for the recipe!"), QStringLiteral("Error:"), 0);
        return false;
    }

    const QString altAnleitung = Rezept_Anleitungspfad(idx);
    const QString altBemerkung = Rezept_Bemerkungspfad(idx);
    const TTRezepteTotal alt = RezepteTotal[idx];
    TTRezepteTotal neu = alt;
    const bool deluxe = neu.Deluxe != 0;

    neu.Rezeptname = name;
    neu.Kategorie = kategorie;
    neu.Dateiendung = Dateiendung_aus_Kategorie(kategorie);
    neu.Kategoriezeile = Kategorieabschnitte[kategorie];
    neu.Dateikopf = Dateikopf20;
    neu.Unterkategorien = EUnterkategorien->text().trimmed();
    neu.Portionen = (deluxe ? ERAnzahlportionen1 : ERAnzahlportionen)->text().trimmed();
    neu.Zubereitungszeit = ERZubereitungszeit->text().trimmed();
    neu.Schwierigkeit = CBSchwierigkeit->currentIndex() >= 1 ? CBSchwierigkeit->currentIndex() : -1;
    {
        const QDateTime vorher = TWSToDateTime(alt.Kochdatum > 0 ? alt.Kochdatum : Jetzt());
        neu.Kochdatum = DateTimeToTWS(QDateTime(DTPKochdatum->date(), vorher.time()));
    }
    neu.Kochgeraete = Kochgeraeteliste(EKochgeraete->text());
    neu.Preis = Wandle_Text_in_Kommazahl((deluxe ? ERPreis1 : ERPreis)->text().trimmed());
    if (!std::isfinite(neu.Preis))
        neu.Preis = 0;
    neu.Rezeptgrafik = m_rezeptgrafik;
    QTextEdit *bemerkungen = deluxe ? RERBemerkungen1 : RERBemerkungen;
    neu.Rezeptliste = Dokumentzeilen(REREingabe->document());
    neu.Bemerkungsliste = Dokumentzeilen(bemerkungen->document());
    Ordne_Zutatenliste(neu.Zutatenliste);
    neu.Deluxeliste = deluxe ? neu.Deluxeliste : Deluxe_aus_Zutaten(neu);
    if (!Hat_Deluxezeilen(neu.Deluxeliste))
        neu.Deluxeliste = TTDeluxeliste();
    neu.Zutaten.clear();
    for (const TTZutatenliste &z : neu.Zutatenliste) {
        const qint32 k = Suche_Zutat(z.Name, -1);
        neu.Zutaten.append({z.Name, k >= 0 ? Zutatentotal[k].Kategorie : -1, z.Menge, z.Einheit});
    }

    // the file name: kept, but a new category is a new extension
    if (neu.Dateiname.isEmpty()) {
        neu.Dateiname = Freier_Rezeptdateiname(Rezept_Dateiname(name, kategorie), idx);
    } else if (platform::upperCase(neu.Dateiname).endsWith(neu.Dateiendung) == false) {
        QString stamm = neu.Dateiname;
        const int punkt = stamm.lastIndexOf(QLatin1Char('.'));
        if (punkt > stamm.lastIndexOf(QLatin1Char('\\')) && punkt > stamm.lastIndexOf(QLatin1Char('/')))
            stamm.truncate(punkt);
        neu.Dateiname = Freier_Rezeptdateiname(stamm + neu.Dateiendung, idx);
    }
    if (neu.Dateiname.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No file name could be made for this recipe! The recipe was not saved."),
                      QStringLiteral("Error:"), 0);
        return false;
    }
    if (Datei_vergeben(neu.Dateiname, idx)) {
        Zeige_Meldung(QStringLiteral("The file \"") + Ermittle_Dateiname(neu.Dateiname)
                          + QStringLiteral("\" belongs to another recipe! The recipe was not saved."),
                      QStringLiteral("Error:"), 0);
        return false;
    }
    // New side files under names nothing refers to yet; the recipe file's
    // own atomic write switches to them, and only then the old ones go.
    QStringList belegt{altAnleitung, altBemerkung};
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != idx)
            belegt << Rezept_Anleitungspfad(i) << Rezept_Bemerkungspfad(i);
    const QString ordner = Ermittle_Verzeichnis(neu.Dateiname);
    neu.Anleitungsdatei = Neue_Seitendatei(neu.Dateiname, QStringLiteral(".RRT"), belegt);
    belegt << ordner + neu.Anleitungsdatei;
    neu.Bemerkungsdatei = Neue_Seitendatei(neu.Dateiname, QStringLiteral(".BRT"), belegt);
    const QString neuAnleitung = ordner + neu.Anleitungsdatei;
    const QString neuBemerkung = ordner + neu.Bemerkungsdatei;

    RezepteTotal[idx] = neu;
    Erstelle_Einkaufsliste();
    platform::makeFolder(ordner);
    if (!Schritt(1))
        return false;
    bool ok = platform::saveRtfFile(neuAnleitung, REREingabe->document());
    if (ok && !Schritt(2))
        return false;
    ok = ok && platform::saveRtfFile(neuBemerkung, bemerkungen->document());
    if (ok && !Schritt(3))
        return false;
    ok = ok && Lade_Rezepte(Save, idx);
    if (!ok) {
        platform::removeFile(neuAnleitung);
        platform::removeFile(neuBemerkung);
        RezepteTotal[idx] = alt;
        Zeige_Meldung(QStringLiteral("The recipe could not be saved! The recipe file was not changed."),
                      QStringLiteral("Error:"), 0);
        LStatus->setText(QStringLiteral("Not saved"));
        return false;
    }
    if (!Schritt(4))
        return false;
    // a recipe that changed its category leaves its old file behind otherwise
    if (!alt.Dateiname.isEmpty() && !Gleiche_Datei(alt.Dateiname, neu.Dateiname))
        platform::removeFile(alt.Dateiname);
    for (const QString &vorher : {altAnleitung, altBemerkung})
        if (!vorher.isEmpty() && !Gleiche_Datei(vorher, neuAnleitung) && !Gleiche_Datei(vorher, neuBemerkung)
            && !Seitendatei_vergeben(vorher, idx))
            platform::removeFile(vorher);
    if (!Lade_RezeptdateiManager(Save))
        Zeige_Meldung(QStringLiteral("The recipe was saved, but the recipe index could not be written!"),
                      QStringLiteral("Error:"), 0);

    const QString datei = neu.Dateiname;
    REREingabe->document()->setModified(false);
    bemerkungen->document()->setModified(false);
    Programmstart(false);
    // the overview may have reordered the recipes
    if (!(AktuellesRezept >= 0 && AktuellesRezept < RezepteTotal.size()
          && Gleiche_Datei(RezepteTotal[AktuellesRezept].Dateiname, datei)))
        for (int i = 0; i < RezepteTotal.size(); ++i)
            if (Gleiche_Datei(RezepteTotal[i].Dateiname, datei)) {
                AktuellesRezept = i;
                break;
            }
    m_rezept = AktuellesRezept;
    m_geaendert = false;
    m_verwaist = false;
    setWindowTitle(QStringLiteral("Recipe: ") + name);
    LStatus->setText(QStringLiteral("Saved: ") + Ermittle_Dateiname(datei));
    return true;
}

void TFRez::Merke_vor_Neuladen()
{
    m_gemerkt = Gueltiger_Satz(m_rezept);
    if (m_gemerkt)
        m_vorNeuladen = RezepteTotal[m_rezept];
}

qint32 TFRez::Folge_nach_Neuladen()
{
    if (!m_gemerkt) {
        m_rezept = -1;
        return -1;
    }
    m_gemerkt = false;
    const TTRezepteTotal alt = std::exchange(m_vorNeuladen, TTRezepteTotal());
    qint32 neu = -1;
    for (int i = 0; i < RezepteTotal.size() && neu < 0 && !m_verwaist; ++i)
        if (Gleiche_Datei(RezepteTotal[i].Dateiname, alt.Dateiname))
            neu = i;
    if (!isVisible()) {
        m_rezept = neu;
        m_verwaist = false;
        return neu;
    }
    if (neu < 0) {
        // Gone while open here: the form and the record stay until the user
        // saves them as a new recipe or closes the editor.
        TTRezepteTotal satz = alt;
        satz.Dateiname.clear();
        satz.Anleitungsdatei.clear();
        satz.Bemerkungsdatei.clear();
        satz.Listenposition = -1;
        RezepteTotal.append(satz);
        m_rezept = RezepteTotal.size() - 1;
        m_verwaist = true;
        LStatus->setText(QStringLiteral("This recipe's file is gone. Save stores the recipe again."));
        return m_rezept;
    }
    m_rezept = neu;
    TTRezepteTotal &r = RezepteTotal[neu];
    if (m_geaendert) {
        // the ingredient lines are edited in the record, the rest in the fields
        r.Zutatenliste = alt.Zutatenliste;
        r.Deluxe = alt.Deluxe;
        r.Deluxeliste = alt.Deluxeliste;
        r.Einkaufsliste = alt.Einkaufsliste;
    } else {
        // nothing to keep: show the recipe as it was read
        const qint32 vorher = AktuellesRezept;
        AktuellesRezept = neu;
        Fuelle_Formular();
        AktuellesRezept = vorher;
    }
    return neu;
}

void TFRez::Rezept_entfernt(qint32 index)
{
    if (m_rezept == index) {
        m_rezept = -1;
        m_verwaist = false;
    } else if (m_rezept > index) {
        --m_rezept;
    }
}

void TFRez::MRezeptmengenberechnenClick()
{
    if (Bereite_Mengenberechnung_vor())
        Zeige_Mengenberechnung();
}

void TFRez::ZSNeueZutatinDatenbankaufnehmenClick()
{
    if (Bearbeite_Zutat(-1, true, this, false))
        EZutatSuchenChange();
}

bool TFRez::Verwerfe_Aenderungen()
{
    bool ok = true;
    if (m_verwaist) {
        // the record of a recipe that is gone has nothing to go back to
        m_verwaist = false;
        if (Gueltiger_Satz(m_rezept))
            Entferne_Rezeptsatz(m_rezept);
    } else if (Gueltiger_Satz(m_rezept)) {
        // lines were edited in the record itself: read it back from its file
        const TTRezepteTotal &r = RezepteTotal[m_rezept];
        if (!r.Dateiname.isEmpty() && platform::fileExists(r.Dateiname)) {
            const qint32 vorher = AktuellesRezept;
            AktuellesRezept = m_rezept;
            ok = Lade_Rezepte(Load, m_rezept);
            AktuellesRezept = vorher;
        }
    }
    m_rezept = -1;
    m_geaendert = false;
    return ok;
}

void TFRez::MSchliessenClick()
{
    close();
}

void TFRez::closeEvent(QCloseEvent *event)
{
    if (ProgrammOK && (m_geaendert || m_verwaist) && Gueltiger_Satz(m_rezept)) {
        // The question and the save are about the recipe open here, whatever
        // else is current; that stays current afterwards.
        const qint32 vorher = AktuellesRezept;
        const qint32 eigenes = m_rezept;
        const bool verwaist = m_verwaist;
        AktuellesRezept = m_rezept;
        const int antwort = m_geaendert ? Zeige_Meldung(QStringLiteral("Do you want to save the changes to the recipe?"),
                                                        QStringLiteral("Question:"), 4)
                                        : 7;
        bool offen = false;
        if (antwort == 6)
            offen = !MRezeptspeichernClick();
        else
            Verwerfe_Aenderungen(); // removes the record of a recipe that is gone
        if (vorher != eigenes)
            AktuellesRezept = verwaist && antwort != 6 && vorher > eigenes ? vorher - 1 : vorher;
        if (offen) {
            event->ignore();
            return;
        }
    }
    m_geaendert = false;
    event->accept();
    if (ProgrammOK && FMain && !FMain->isVisible())
        FMain->show();
}

// --- free routines ------------------------------------------------------------

std::function<bool(int)> Rezeptspeichern_Schritt;

QString Neue_Seitendatei(const QString &rezeptdatei, const QString &endung, const QStringList &belegt)
{
    const QString ordner = Ermittle_Verzeichnis(rezeptdatei);
    const QString stamm = Ermittle_Dateiname(rezeptdatei);
    QString name = stamm + endung;
    for (int n = 1; std::any_of(belegt.cbegin(), belegt.cend(),
                                [&](const QString &b) { return Gleiche_Datei(b, ordner + name); });
         ++n)
        name = stamm + QLatin1Char('.') + QString::number(n) + endung;
    return name;
}

void Zeige_Rezept()
{
    if (!FRez || !Aktuelles())
        return;
    // another recipe's unsaved edits are not dropped silently
    const qint32 offen = FRez->Formularrezept();
    if (FRez->isVisible() && FRez->Geaendert() && offen != AktuellesRezept && offen >= 0
        && offen < RezepteTotal.size()) {
        const QString gewuenscht = RezepteTotal[AktuellesRezept].Dateiname;
        const QString gewuenschterName = RezepteTotal[AktuellesRezept].Rezeptname;
        AktuellesRezept = offen;
        if (!FRez->close())
            return; // the open recipe stays current
        AktuellesRezept = -1;
        for (int i = 0; i < RezepteTotal.size() && AktuellesRezept < 0; ++i)
            if (gewuenscht.isEmpty() ? RezepteTotal[i].Rezeptname == gewuenschterName
                                     : Gleiche_Datei(RezepteTotal[i].Dateiname, gewuenscht))
                AktuellesRezept = i;
        if (!Aktuelles())
            return;
    }
    // the same recipe opened again keeps the edits made to it
    if (!(FRez->isVisible() && FRez->Geaendert() && offen == AktuellesRezept))
        FRez->Fuelle_Formular();
    Nach_vorne(FRez);
}

void Entferne_Rezeptsatz(qint32 index)
{
    if (index < 0 || index >= RezepteTotal.size())
        return;
    RezepteTotal.remove(index);
    for (qint32 *i : {&AktuellesRezept, &WizRezept})
        if (*i == index)
            *i = -1;
        else if (*i > index)
            --*i;
    if (FRez)
        FRez->Rezept_entfernt(index);
}

void Aktualisiere_Zutatenliste()
{
    if (!FRez)
        return;
    QListWidget *lb = FRez->LBZutatliste;
    const int markiert = lb->currentRow();
    {
        QSignalBlocker b(lb);
        lb->clear();
        if (TTRezepteTotal *r = Aktuelles()) {
            Ordne_Zutatenliste(r->Zutatenliste);
            for (const TTZutatenliste &z : r->Zutatenliste)
                lb->addItem(Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name));
        }
        if (markiert >= 0 && lb->count() > 0)
            lb->setCurrentRow(std::min(markiert, lb->count() - 1));
    }
    Zeige_Zeilenbeschriftung();
    Erstelle_Einkaufsliste();
}

void Zeige_Zutatzeile()
{
    if (!FRez)
        return;
    TTRezepteTotal *r = Aktuelles();
    const int markiert = FRez->LBZutatliste->currentRow();
    TTZutatenliste *z = r && markiert >= 0 ? Zeile_mit_Index(*r, markiert) : nullptr;
    Zeige_Zeilenbeschriftung();
    if (!z)
        return;
    const TTZutatenliste zeile = *z;
    FRez->EZutat->setText(zeile.Name);
    FRez->Fuelle_Einheiten(Zutatengruppe(zeile.Name), zeile.Einheit, zeile.Menge);
}

void Zeige_Zutatgrafik_DigI(qint32 count, qint32 row)
{
    if (!FRez)
        return;
    QLabel *import = FDigI ? FDigI->IZutat : nullptr;
    if (count < 1) {
        FRez->ISuchbild->clear();
        if (import && Optionen.Zutatengrafiken)
            import->clear();
        return;
    }
    if (row < 0)
        return;
    qint32 zutat = -1;
    for (int i = 0; i < Zutatentotal.size() && zutat < 0; ++i)
        if (Zutatentotal[i].Listenposition == row)
            zutat = i;
    if (zutat < 0 || !Lade_Zutatengrafik(FRez->ISuchbild, zutat))
        FRez->ISuchbild->clear();
    if (import)
        import->setPixmap(FRez->ISuchbild->pixmap());
}

void Setze_Hintergrund_FRez()
{
    if (!FRez)
        return;
    if (FRez->Formularrezept() != AktuellesRezept || !FRez->isVisible()) {
        // the fields take another record: the open one's edits are asked about
        if (FRez->isVisible() && (FRez->Geaendert() || FRez->Verwaist()) && !FRez->close())
            return;
        FRez->Fuelle_Formular();
    } else {
        FRez->Setze_Layout();
    }
}

void Erstelle_Einkaufsliste()
{
    TTRezepteTotal *r = Aktuelles();
    if (!r)
        return;
    TTAZutatenliste zeilen = r->Zutatenliste;
    Ordne_Zutatenliste(zeilen);
    TString liste;
    for (const TTZutatenliste &z : zeilen) {
        if (z.Name.trimmed().isEmpty() || Ist_Kommentarzeile(z))
            continue;
        const TTEinheit *e = Finde_Einheit(r->Kategorie, z.Einheit);
        if (e && e->NichtEinkaufen)
            continue;
        liste.append(Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name));
    }
    r->Einkaufsliste = liste;
}

QFont Anzeigeschrift(const QFont &option)
{
    // The options' default font names the system font of another platform:
    // the fields then use this system's font, like every other field.
    if (option.family() == Standardschrift.family())
        return QApplication::font();
    return option;
}

void Setze_Textschrift()
{
    if (!FRez)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{FRez->LBZutatliste, FRez->MMenge1, FRez->MEinheit1,
                                                        FRez->MZutat1, FRez->MZubereitung1})
        w->setFont(Anzeigeschrift(Optionen.Schrift1));
    // The widget's font, not only the document's: the document would take
    // the widget's font back on the next font change (the first show among
    // them), and a text saved before that would be written in another size.
    for (QTextEdit *t : {FRez->REREingabe, FRez->RERBemerkungen, FRez->RERBemerkungen1})
        t->setFont(Anzeigeschrift(Optionen.Schrift2));
    if (FDigI) {
        for (QWidget *w : std::initializer_list<QWidget *>{FDigI->MZutatenliste, FDigI->MOriginalzutaten,
                                                            FDigI->LBZutatliste, FDigI->LBZutatsuchen})
            w->setFont(Anzeigeschrift(Optionen.Schrift1));
        FDigI->MRezeptliste->setFont(Anzeigeschrift(Optionen.Schrift2));
    }
}

bool Bereite_Mengenberechnung_vor()
{
    TTRezepteTotal *r = Aktuelles();
    if (!FRez || !r || FRez->LBZutatliste->count() < 1 || FRez->LBZutatliste->currentRow() < 0)
        return false;
    const bool deluxe = r->Deluxe != 0;
    RechPortionentext = (deluxe ? FRez->ERAnzahlportionen1 : FRez->ERAnzahlportionen)->text().trimmed();
    RechPreis = Wandle_Text_in_Kommazahl((deluxe ? FRez->ERPreis1 : FRez->ERPreis)->text());
    RechLabel1Text.clear();

    // a base of 0 or below would make every factor meaningless
    auto zahl = [](const QString &text, double &wert) {
        return Lies_Zahl(text, wert) && std::isfinite(wert) && wert > 0;
    };
    double wert = 0;
    if (!zahl(RechPortionentext, wert)) {
        const int blank = RechPortionentext.indexOf(QLatin1Char(' '));
        if (blank >= 0) {
            RechLabel1Text = RechPortionentext.mid(blank + 1).left(200);
            RechPortionentext = RechPortionentext.left(blank);
        }
        if (!zahl(RechPortionentext, wert)) {
            static const char *const woerter[] = {"one", "two", "three", "four", "five",
                                                  "six", "seven", "eight", "nine", "ten"};
            const QString gross = platform::upperCase(RechPortionentext);
            wert = 0;
            for (int i = 0; i < 10; ++i)
                if (gross == platform::upperCase(QLatin1String(woerter[i]))) {
                    wert = i + 1;
                    break;
                }
            if (wert == 0) {
                wert = 1;
                Zeige_Meldung(QStringLiteral("No number found! Value is set to 1!"), QStringLiteral("Note:"), 0);
            }
        }
    }
    RechPortionen = wert;
    RechFaktor = RechPortionen;
    Wandle_Kommazahl_in_Text(3, 2, RechEAnzahlText, RechPortionen);
    RechLabel2Text = RechLabel1Text.isEmpty()
                         ? QStringLiteral("Original ingredients (") + RechEAnzahlText + QStringLiteral("):")
                         : QStringLiteral("Original ingredients (") + RechEAnzahlText + QLatin1Char(' ')
                               + RechLabel1Text + QStringLiteral("):");
    return true;
}

bool Waehle_Rezeptgrafik(QWidget *parent, QString &eintrag)
{
    QStringList muster;
    for (const QString &e : platform::pictureExtensions())
        muster << QStringLiteral("*.") + e;
    const QString ordner = Optionen.Rezeptgrafikverzeichnis.isEmpty() ? platform::baseFolder()
                                                                       : Optionen.Rezeptgrafikverzeichnis;
    const QString datei = platform::openFileName(parent, QStringLiteral("Load recipe picture"), ordner,
                                                 QStringLiteral("Pictures (") + muster.join(QLatin1Char(' '))
                                                     + QStringLiteral(");;All files (*)"));
    if (datei.isEmpty())
        return false;
    const QFileInfo info(datei);
    if (!info.isFile())
        return false;
    Optionen.Rezeptgrafikverzeichnis = info.absolutePath();
    if (platform::loadImage(info.absoluteFilePath()).isNull()) {
        Zeige_Meldung(QStringLiteral("The file is not a picture the program can read!"), QStringLiteral("Error:"), 0);
        return false;
    }
    const QString basis = platform::baseFolder();
    if (info.absoluteFilePath().startsWith(basis)) {
        eintrag = info.absoluteFilePath().mid(basis.size());
        eintrag.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return true;
    }
    const QString ordnerRel = QStringLiteral("Recipes\\Pictures\\");
    platform::makeFolder(Programmverzeichnis + ordnerRel);
    const QString name = Ermittle_Dateiname(Freier_Rezeptdateiname(Programmverzeichnis + ordnerRel + info.fileName(), -1));
    if (name.isEmpty() || !platform::copyFile(info.absoluteFilePath(), Programmverzeichnis + ordnerRel + name)) {
        Zeige_Meldung(QStringLiteral("The picture could not be copied into the recipe folder!"),
                      QStringLiteral("Error:"), 0);
        return false;
    }
    eintrag = ordnerRel + name;
    return true;
}

QPixmap Lade_Rezeptgrafik(const QString &eintrag)
{
    if (eintrag.isEmpty() || !platform::isSafeRelativePath(eintrag))
        return QPixmap();
    const QString pfad = platform::resolveInsideBase(eintrag);
    return pfad.isEmpty() ? QPixmap() : platform::loadPixmap(pfad);
}
