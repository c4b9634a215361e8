// The recipe editor: its controls, layout, menus and connections.
#include "recipes/F_Rez.h"

#include <QAction>
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
#include "core/Tabellen.h"
#include "dialogs/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatenliste.h"
#include "recipes/F_Wiz.h"
#include "recipes/F_DigI.h"
#include "reference/F_Lex.h"
#include "reference/F_VAR.h"
#include "recipes/F_ZutKom.h"

namespace {

QPlainTextEdit *Neue_Spalte(QWidget *parent, const char *name)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(name));
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

void name(QObject *o, const char *n)
{
    o->setObjectName(QLatin1String(n));
}

QHash<QString, QString> Hinweise()
{
    return {
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
    };
}

} // namespace

// --- the window ---------------------------------------------------------

TFRez::TFRez(QWidget *parent) : QWidget(parent)
{
    Installiere_Editordienste();
    setObjectName(QStringLiteral("FRez"));
    setWindowTitle(QStringLiteral("Recipe:"));
    resize(1000, 720);
    Setze_Fensterfarbe(this);
    Baue_Menue();
    QWidget *kopf = Baue_Kopf();
    Baue_Zutaten_normal();
    Baue_Zutaten_deluxe();
    QWidget *texte = Baue_Texte();
    Baue_Layout(kopf, texte);
    Verbinde();
    Registriere_Tooltipps(this, Hinweise());
}

void TFRez::Baue_Menue()
{
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
}

QWidget *TFRez::Baue_Kopf()
{
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

    Baue_Kopflayout(kopf);
    return kopf;
}

void TFRez::Baue_Kopflayout(QWidget *kopf)
{
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
}

void TFRez::Baue_Zutaten_normal()
{
    SZutaten = new QStackedWidget(this);
    name(SZutaten, "SZutaten");
    auto *normal = new QGroupBox(QStringLiteral("Ingredients"), SZutaten);
    name(normal, "GBZutaten");
    EZutatSuchen = new QLineEdit(normal);
    name(EZutatSuchen, "EZutatSuchen");
    EZutatSuchen->setPlaceholderText(QStringLiteral("Search ingredient..."));
    EZutatSuchen->setClearButtonEnabled(true);
    LBZutatsuche = new TZutatenliste(Zutatentotal, false, normal);
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

    Baue_Zutatenlayout(normal);
}

void TFRez::Baue_Zutatenlayout(QWidget *normal)
{
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
}

void TFRez::Baue_Zutaten_deluxe()
{
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
}

QWidget *TFRez::Baue_Texte()
{
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
    return texte;
}

void TFRez::Baue_Layout(QWidget *kopf, QWidget *texte)
{
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
}

void TFRez::Verbinde()
{
    connect(MRezeptspeichern, &QAction::triggered, this, &TFRez::MRezeptspeichernClick);
    connect(MRezeptmengenberechnen, &QAction::triggered, this, &TFRez::MRezeptmengenberechnenClick);
    connect(ZSNeueZutatinDatenbankaufnehmen, &QAction::triggered, this, &TFRez::ZSNeueZutatinDatenbankaufnehmenClick);
    connect(MGesamtzutatendatenbank, &QAction::triggered, this, [] { Zeige_Gesamtzutatendatenbank(); });
    connect(MDeluxe, &QAction::triggered, this, &TFRez::MDeluxeClick);
    connect(MSchliessen, &QAction::triggered, this, &TFRez::MSchliessenClick);
    connect(EZutatSuchen, &QLineEdit::textChanged, this, &TFRez::EZutatSuchenChange);
    connect(LBZutatsuche, &TZutatenliste::currentRowChanged, this, &TFRez::LBZutatsucheClick);
    // listed anew after the database was reloaded: the picture follows, the
    // line being entered stays as it is
    connect(LBZutatsuche, &TZutatenliste::Aufgefrischt, this,
            [this] { Zeige_Zutatgrafik_DigI(LBZutatsuche->count(), LBZutatsuche->Aktuelle_Zutat()); });
    // a double click, or Enter on the keyboard
    connect(LBZutatsuche, &QAbstractItemView::activated, this, &TFRez::LBZutatsucheDblClick);
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
        connect(m, &QPlainTextEdit::cursorPositionChanged, this, [this, m] {
            if (!m_fuellen)
                m_deluxezeile = m->textCursor().blockNumber();
        });
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
}
