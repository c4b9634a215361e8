#include "recipes/F_DigI.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "platform/Charsets.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"
#include "platform/Wait.h"
#include "dialogs/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "dialogs/F_Tipp.h"
#include "recipes/F_Wiz.h"
#include "recipes/Rezeptspeicher.h"
#include "reference/F_Lex.h"
#include "reference/F_ZuDa.h"
#include "reference/Texteingabe.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"
#include "reference/Zutatentext.h"

TFDigI *FDigI = nullptr;

namespace {
constexpr int Hilfethema = 4;

TTRezepteTotal *Aktuelles()
{
    if (AktuellesRezept < 0 || AktuellesRezept >= RezepteTotal.size())
        return nullptr;
    return &RezepteTotal[AktuellesRezept];
}

// The current recipe saved as the editor saves it from its fields, with
// the messages the user had from the editor.
bool Speichere_Importrezept()
{
    TTRezepteTotal neu = RezepteTotal[AktuellesRezept];
    Bereinige_Rezeptfelder(neu);
    QString meldung;
    switch (Pruefe_Rezeptkopf(neu.Rezeptname, neu.Kategorie)) {
    case TRezeptkopf::Vollstaendig:
        meldung = Pruefe_Rezeptzeichen(neu);
        break;
    case TRezeptkopf::Ohne_Name:
        meldung = QStringLiteral("Please enter a name for the recipe!");
        break;
    case TRezeptkopf::Ohne_Kategorie:
        meldung = QStringLiteral("Please choose a category for the recipe!");
        break;
    }
    if (!meldung.isEmpty()) {
        Zeige_Meldung(meldung, QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    const TSpeicherergebnis e = Speichere_Rezeptsatz(AktuellesRezept, neu, Anzeigeschrift(Optionen.Schrift2));
    if (const QString fehler = Speichermeldung(e); !fehler.isEmpty())
        Zeige_Meldung(fehler, QStringLiteral("Error:"), Knopf_OK);
    if (!e.Gespeichert())
        return false;
    Programmstart(false);
    FRez->Rezept_gespeichert(AktuellesRezept);
    return true;
}

QPixmap Knopfbild(const char *datei)
{
    return platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\") + QLatin1String(datei));
}

} // namespace

QStringList Lies_Textdatei_Zeilen(const QByteArray &bytes)
{
    QByteArray daten = bytes;
    QString text;
    if (daten.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(daten.mid(3));
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(daten);
        if (utf8.hasError())
            text = platform::decodeCodePage(1252, daten);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QStringList TFDigI::Zeilen(const QPlainTextEdit *memo)
{
    if (memo->document()->isEmpty())
        return {};
    QStringList l = memo->toPlainText().split(QLatin1Char('\n'));
    while (!l.isEmpty() && l.last().trimmed().isEmpty())
        l.removeLast();
    return l;
}

TFDigI::TFDigI(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FDigI"));
    setWindowTitle(QStringLiteral("Import digital recipe:"));
    resize(980, 640);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menues();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(
        this,
        {{QStringLiteral("MZutatenliste"), QStringLiteral("Paste or type the ingredients here, one a line")},
         {QStringLiteral("MRezeptliste"), QStringLiteral("Paste or type the instructions here")},
         {QStringLiteral("MOriginalzutaten"), QStringLiteral("The ingredients as first entered; Reset brings them back")},
         {QStringLiteral("LBZutatliste"), QStringLiteral("Registered ingredients still to be matched")},
         {QStringLiteral("EZutatSuchen"), QStringLiteral("Search the ingredient database")},
         {QStringLiteral("LBZutatsuchen"), QStringLiteral("Ingredients of the database; a double click takes the line")},
         {QStringLiteral("BBHaken"), QStringLiteral("Check ingredients: tidy the lines and convert units")},
         {QStringLiteral("BBPfeilrechts"), QStringLiteral("Register ingredients for matching")},
         {QStringLiteral("BBPFeillinks"), QStringLiteral("Take the line with the selected ingredient (or as a comment)")},
         {QStringLiteral("BBNeu"), QStringLiteral("Make a new database ingredient from the marked line")},
         {QStringLiteral("BBPfeilOben"), QStringLiteral("Move the line up")},
         {QStringLiteral("BBPfeilunten"), QStringLiteral("Move the line down")},
         {QStringLiteral("BBZutatReset"), QStringLiteral("Reset the ingredients to the original text")},
         {QStringLiteral("BBSave"), QStringLiteral("Save the recipe")},
         {QStringLiteral("BBInfo"), QStringLiteral("Help")}},
        &Optionen.TooltippsFDigI);
    // Only an ingredient made for a line of this window resolves that line;
    // one made from the recipe editor meanwhile leaves the lines alone.
    Setze_Zutatenrueckgabe([this](const TTZutatentotal &z) {
        if (!m_neueZutat)
            return;
        const QString name = z.Zutatname; // the reload below replaces the record
        Uebernimm_neue_Zutat(name);
    });
}

void TFDigI::Baue_Felder()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    IBack = new QLabel(this);
    name(IBack, "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    auto memo = [this, &name](const char *n) {
        auto *m = new QPlainTextEdit(this);
        name(m, n);
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->setContextMenuPolicy(Qt::CustomContextMenu);
        return m;
    };
    MOriginalzutaten = memo("MOriginalzutaten");
    MOriginalzutaten->setReadOnly(true);
    MOriginalzutaten->setContextMenuPolicy(Qt::DefaultContextMenu);
    MZutatenliste = memo("MZutatenliste");
    MRezeptliste = memo("MRezeptliste");
    MRezeptliste->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    for (QPlainTextEdit *m : {MZutatenliste, MRezeptliste})
        m->installEventFilter(this);
    // The instructions are rich text in the end and may keep any character.
    Pruefe_Eingabezeichen(MZutatenliste);
    Pruefe_Eingabezeichen(MRezeptliste, false);
    LBZutatliste = new QListWidget(this);
    name(LBZutatliste, "LBZutatliste");
    LBZutatliste->setContextMenuPolicy(Qt::CustomContextMenu);
    EZutatSuchen = new QLineEdit(this);
    name(EZutatSuchen, "EZutatSuchen");
    LBZutatsuchen = new TZutatenliste(Zutatentotal, false, this);
    name(LBZutatsuchen, "LBZutatsuchen");
    IZutat = new QLabel(this);
    name(IZutat, "IZutat");
    IZutat->setFixedSize(96, 96);
    IZutat->setScaledContents(true);
    IRezeptgrafik = new QLabel(this);
    name(IRezeptgrafik, "IRezeptgrafik");
    IRezeptgrafik->setFixedSize(96, 96);
    IRezeptgrafik->setScaledContents(true);
    LRezeptname = new QLabel(this);
    name(LRezeptname, "LRezeptname");
    LRezeptname->setTextFormat(Qt::PlainText);
    LRezeptname->setWordWrap(true);
    QFont f = LRezeptname->font();
    f.setBold(true);
    LRezeptname->setFont(f);

    auto knopf = [this, &name](const char *n, const QString &text) {
        auto *b = new QPushButton(text, this);
        name(b, n);
        return b;
    };
    BBHaken = knopf("BBHaken", QStringLiteral("Check"));
    BBPfeilrechts = knopf("BBPfeilrechts", QStringLiteral("Register"));
    BBPFeillinks = knopf("BBPFeillinks", QStringLiteral("Take"));
    BBNeu = knopf("BBNeu", QStringLiteral("New"));
    BBPfeilOben = knopf("BBPfeilOben", QStringLiteral("Up"));
    BBPfeilunten = knopf("BBPfeilunten", QStringLiteral("Down"));
    BBZutatReset = knopf("BBZutatReset", QStringLiteral("Reset"));
    BBSave = knopf("BBSave", QStringLiteral("Save"));
    BBInfo = knopf("BBInfo", QString());
}

void TFDigI::Baue_Menues()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    MMenue = new QMenuBar(this);
    name(MMenue, "MMenue");
    QMenu *datei = MMenue->addMenu(QStringLiteral("&File"));
    name(datei, "MDatei");
    Rezeptspeichern1 = datei->addAction(QStringLiteral("Save recipe"));
    name(Rezeptspeichern1, "Rezeptspeichern1");
    Rezeptspeichern1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Datenreset1 = datei->addAction(QStringLiteral("Reset ingredients"));
    name(Datenreset1, "Datenreset1");
    Datenreset1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Importabbrechen1 = datei->addAction(QStringLiteral("Exit digital import"));
    name(Importabbrechen1, "Importabbrechen1");
    Importabbrechen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    QMenu *hilfe = MMenue->addMenu(QStringLiteral("&Help"));
    name(hilfe, "Hilfe1");
    Hilfeanzeigen1 = hilfe->addAction(QStringLiteral("Show help"));
    name(Hilfeanzeigen1, "Hilfeanzeigen1");
    Hilfeanzeigen1->setShortcut(QKeySequence(Qt::Key_F1));
    MHerdfibelDigi = hilfe->addAction(QStringLiteral("Cooking dictionary"));
    name(MHerdfibelDigi, "MHerdfibelDigi");
    MHerdfibelDigi->setShortcut(QKeySequence(Qt::Key_F2));
    MHerdfibelDigi->setVisible(false);

    PPDigi = new QMenu(this);
    name(PPDigi, "PPDigi");
    MZutatenueberpruefen = PPDigi->addAction(QStringLiteral("Check ingredients"));
    name(MZutatenueberpruefen, "MZutatenueberpruefen");
    MZutatenuebernehmen = PPDigi->addAction(QStringLiteral("Register ingredients"));
    name(MZutatenuebernehmen, "MZutatenuebernehmen");
    PPDigi->addSeparator();
    MEinfuegen = PPDigi->addAction(QStringLiteral("Paste"));
    name(MEinfuegen, "MEinfuegen");
    MEinfuegen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    MKopieren = PPDigi->addAction(QStringLiteral("Copy"));
    name(MKopieren, "MKopieren");
    MKopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    MAusschneiden = PPDigi->addAction(QStringLiteral("Cut"));
    name(MAusschneiden, "MAusschneiden");
    MAusschneiden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    PPDigi->addSeparator();
    MTextdateieinladen = PPDigi->addAction(QStringLiteral("Load text file"));
    name(MTextdateieinladen, "MTextdateieinladen");
    MTextdateieinladen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    MOriginalkopie = PPDigi->addAction(QStringLiteral("Set ingredients as original ingredients"));
    name(MOriginalkopie, "MOriginalkopie");
    // Ctrl+F works from either memo without opening the menu first; paste,
    // copy and cut are the memos' own keys.
    auto *laden = new QAction(this);
    laden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(laden);
    connect(laden, &QAction::triggered, this, [this] {
        PPDigiPopup();
        if (MTextdateieinladen->isEnabled())
            MTextdateieinladenClick();
    });

    PMZutatatenliste = new QMenu(this);
    name(PMZutatatenliste, "PMZutatatenliste");
    MZutatloeschen = PMZutatatenliste->addAction(QStringLiteral("Delete ingredient"));
    name(MZutatloeschen, "MZutatloeschen");
}

void TFDigI::Baue_Layout()
{
    auto beschriftet = [this](const QString &text, QWidget *w) {
        auto *l = new QVBoxLayout;
        l->addWidget(new QLabel(text, this));
        l->addWidget(w, 1);
        return l;
    };
    auto *links = new QVBoxLayout;
    links->addLayout(beschriftet(QStringLiteral("Original ingedients:"), MOriginalzutaten), 1);
    links->addLayout(beschriftet(QStringLiteral("Converted ingredients:"), MZutatenliste), 2);
    links->addLayout(beschriftet(QStringLiteral("Description:"), MRezeptliste), 2);

    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *b : {BBHaken, BBPfeilrechts, BBPFeillinks, BBNeu, BBPfeilOben, BBPfeilunten, BBZutatReset,
                           BBSave, BBInfo})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);

    auto *Panel1 = new QGroupBox(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    (new QVBoxLayout(Panel1))->addWidget(IZutat);
    auto *Panel2 = new QGroupBox(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *p2 = new QHBoxLayout(Panel2);
    p2->addWidget(IRezeptgrafik);
    p2->addWidget(LRezeptname, 1);
    auto *suche = new QHBoxLayout;
    suche->addWidget(LBZutatsuchen, 1);
    suche->addWidget(Panel1, 0, Qt::AlignTop);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(Panel2);
    rechts->addLayout(beschriftet(QStringLiteral("Registered ingredients:"), LBZutatliste), 1);
    rechts->addWidget(new QLabel(QStringLiteral("Search for ingredients"), this));
    rechts->addWidget(EZutatSuchen);
    rechts->addLayout(suche, 1);

    auto *mitte = new QHBoxLayout;
    mitte->addLayout(links, 3);
    mitte->addLayout(knoepfe);
    mitte->addLayout(rechts, 3);
    auto *haupt = new QVBoxLayout(this);
    haupt->setMenuBar(MMenue);
    haupt->addLayout(mitte, 1);
}

void TFDigI::Verbinde()
{
    connect(BBHaken, &QPushButton::clicked, this, &TFDigI::BBHakenClick);
    connect(BBPfeilrechts, &QPushButton::clicked, this, &TFDigI::BBPfeilrechtsClick);
    connect(BBPFeillinks, &QPushButton::clicked, this, &TFDigI::BBPFeillinksClick);
    connect(BBNeu, &QPushButton::clicked, this, &TFDigI::BBNeuClick);
    connect(BBPfeilOben, &QPushButton::clicked, this, &TFDigI::BBPfeilObenClick);
    connect(BBPfeilunten, &QPushButton::clicked, this, &TFDigI::BBPfeiluntenClick);
    connect(BBZutatReset, &QPushButton::clicked, this, &TFDigI::BBZutatResetClick);
    connect(BBSave, &QPushButton::clicked, this, &TFDigI::Rezeptspeichern1Click);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(Hilfethema); });
    connect(Rezeptspeichern1, &QAction::triggered, this, &TFDigI::Rezeptspeichern1Click);
    connect(Datenreset1, &QAction::triggered, this, &TFDigI::BBZutatResetClick);
    connect(Importabbrechen1, &QAction::triggered, this, [this] { close(); });
    connect(Hilfeanzeigen1, &QAction::triggered, this, [] { Zeige_Hilfe(Hilfethema); });
    const auto lexikon = [] { Zeige_Lexikon(true, -1, QString()); };
    connect(MHerdfibelDigi, &QAction::triggered, this, lexikon);
    // The menu item is hidden, and a hidden action takes no keys: its key
    // gets a shortcut of its own on the window.
    connect(new QShortcut(MHerdfibelDigi->shortcut(), this), &QShortcut::activated, this, lexikon);

    connect(EZutatSuchen, &QLineEdit::textChanged, this, &TFDigI::EZutatSuchenChange);
    connect(LBZutatliste, &QListWidget::itemClicked, this, &TFDigI::LBZutatlisteClick);
    // keys, typing and the program move the current line too
    connect(LBZutatliste, &QListWidget::currentRowChanged, this, [this] { Zeile_gewaehlt(false); });
    connect(LBZutatsuchen, &TZutatenliste::currentRowChanged, this, &TFDigI::LBZutatsuchenClick);
    connect(LBZutatsuchen, &TZutatenliste::Aufgefrischt, this, &TFDigI::LBZutatsuchenClick);
    connect(LBZutatliste, &QListWidget::itemDoubleClicked, this, &TFDigI::LBZutatlisteDblClick);
    connect(LBZutatsuchen, &QAbstractItemView::clicked, this, &TFDigI::LBZutatsuchenClick);
    connect(LBZutatsuchen, &QAbstractItemView::doubleClicked, this, &TFDigI::BBPFeillinksClick);
    connect(LBZutatliste, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        const bool an = LBZutatliste->currentRow() >= 0 && LBZutatliste->isVisible() && LBZutatliste->isEnabled();
        MZutatloeschen->setEnabled(an);
        MZutatloeschen->setVisible(an);
        PMZutatatenliste->popup(LBZutatliste->viewport()->mapToGlobal(p));
    });
    connect(MZutatloeschen, &QAction::triggered, this, &TFDigI::MZutatloeschenClick);

    for (QPlainTextEdit *m : {MZutatenliste, MRezeptliste})
        connect(m, &QWidget::customContextMenuRequested, this, [this, m](const QPoint &p) {
            if (m->focusPolicy() != Qt::NoFocus)
                m->setFocus();
            m_memo = m;
            PPDigiPopup();
            PPDigi->popup(m->viewport()->mapToGlobal(p));
        });
    connect(MZutatenueberpruefen, &QAction::triggered, this, &TFDigI::BBHakenClick);
    connect(MZutatenuebernehmen, &QAction::triggered, this, &TFDigI::BBPfeilrechtsClick);
    connect(MEinfuegen, &QAction::triggered, this, &TFDigI::MEinfuegenClick);
    connect(MKopieren, &QAction::triggered, this, &TFDigI::MKopierenClick);
    connect(MAusschneiden, &QAction::triggered, this, &TFDigI::MAusschneidenClick);
    connect(MTextdateieinladen, &QAction::triggered, this, &TFDigI::MTextdateieinladenClick);
    connect(MOriginalkopie, &QAction::triggered, this, &TFDigI::MOriginalkopieClick);
}

bool TFDigI::eventFilter(QObject *objekt, QEvent *event)
{
    // the text menu works on the memo the user was last in
    if (event->type() == QEvent::FocusIn)
        m_memo = qobject_cast<QPlainTextEdit *>(objekt);
    return QWidget::eventFilter(objekt, event);
}

void TFDigI::Zeige(QWidget *w, bool an)
{
    w->setEnabled(an);
    w->setVisible(an);
}

// --- phases ----------------------------------------------------------------

void TFDigI::Startzustand()
{
    m_fertig = false;
    Zeige(BBHaken, true);
    BBZutatReset->setEnabled(true);
    BBZutatReset->show();
    BBInfo->setEnabled(true);
    BBInfo->show();
    for (QPushButton *b : {BBPfeilrechts, BBPFeillinks, BBNeu, BBPfeilOben, BBPfeilunten, BBSave})
        Zeige(b, false);
    LBZutatliste->clear();
    LBZutatliste->setEnabled(false);
    LBZutatliste->show();
    m_restSchluessel.clear();
    m_memoSchluessel.clear();
    {
        const QSignalBlocker b(EZutatSuchen);
        EZutatSuchen->clear();
    }
    EZutatSuchen->setEnabled(false);
    LBZutatsuchen->Leere();
    LBZutatsuchen->setEnabled(false);
    Rezeptspeichern1->setEnabled(false);
    MZutatenliste->setReadOnly(false);
}

void TFDigI::Zuordnung_beginnen()
{
    MZutatenliste->clear();
    m_memoSchluessel.clear();
    MZutatenliste->setReadOnly(true);
    LBZutatliste->setEnabled(true);
    LBZutatsuchen->setEnabled(true);
    EZutatSuchen->setEnabled(true);
    Zeige(BBHaken, false);
    Zeige(BBPfeilrechts, false);
    if (LBZutatliste->count() == 0) {
        Abschliessen(QStringLiteral("You can save the recipe now"));
        return;
    }
    LBZutatlisteClick();
}

void TFDigI::Abschliessen(const QString &meldung)
{
    for (QPushButton *b : {BBPFeillinks, BBNeu, BBPfeilOben, BBPfeilunten})
        Zeige(b, false);
    LBZutatliste->hide();
    EZutatSuchen->setEnabled(false);
    LBZutatsuchen->setEnabled(false);
    Rezeptspeichern1->setEnabled(true);
    Zeige(BBSave, true);
    if (m_fertig)
        return;
    m_fertig = true;
    Zeige_Meldung(meldung, QStringLiteral("Note:"), Knopf_OK);
}

void TFDigI::Beginne(const QStringList &zutaten, const QStringList &anleitung)
{
    m_memo = nullptr;
    MZutatenliste->setPlainText(zutaten.join(QLatin1Char('\n')));
    MRezeptliste->setPlainText(anleitung.join(QLatin1Char('\n')));
    MOriginalzutaten->setPlainText(MZutatenliste->toPlainText());
    BBHaken->setIcon(QIcon(Knopfbild("Zutaten_pruefen.bmp")));
    BBInfo->setIcon(QIcon(Knopfbild("Hilfe_blau.bmp")));
    BBInfo->setText(BBInfo->icon().isNull() ? QStringLiteral("Help") : QString());
    BBSave->setIcon(QIcon(Knopfbild("Speichern.bmp")));
    BBPfeilrechts->setIcon(QIcon(Knopfbild("Zutaten_Uebertragen.bmp")));
    BBPFeillinks->setIcon(QIcon(Knopfbild("Zutaten_aufnehmen.bmp")));
    BBNeu->setIcon(QIcon(Knopfbild("Zutaten_neuaufnehmen.bmp")));
    BBPfeilOben->setIcon(QIcon(Knopfbild("Pfeil_Oben.bmp")));
    BBPfeilunten->setIcon(QIcon(Knopfbild("Pfeil_Unten.bmp")));
    BBZutatReset->setIcon(QIcon(Knopfbild("Zutaten_Reset.bmp")));
    IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    const TTRezepteTotal *r = Aktuelles();
    const qint32 kategorie = r ? r->Kategorie : 0;
    IRezeptgrafik->setPixmap(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\Wizard_")
                                                  + QString::number(kategorie) + QStringLiteral(".PNG")));
    LRezeptname->setText(r ? r->Rezeptname : QString());
    Startzustand();
    Lade_Zutaten(Load | Alle);
    IZutat->clear();
    EZutatSuchenChange();
    Setze_Textschrift();
}

// --- the two passes ------------------------------------------------------

void TFDigI::BBHakenClick()
{
    if (MZutatenliste->isReadOnly() || !BBHaken->isEnabled())
        return;
    const QStringList zeilen = Zeilen(MZutatenliste);
    if (zeilen.isEmpty() || !Zeilen_speicherbar(MZutatenliste, zeilen))
        return;
    const TZutatenpruefung p = Pruefe_Zutatenzeilen(zeilen);
    MZutatenliste->setPlainText(p.Zeilen.join(QLatin1Char('\n')));
    Zeige_Meldung(Pruefmeldung(p), QStringLiteral("Note:"), Knopf_OK);
    for (QPushButton *b : {BBPfeilrechts, BBPFeillinks, BBNeu, BBPfeilOben, BBPfeilunten})
        Zeige(b, true);
}

void TFDigI::BBPfeilrechtsClick()
{
    if (MZutatenliste->isReadOnly() || !BBPfeilrechts->isEnabled())
        return;
    const QStringList zeilen = Zeilen(MZutatenliste);
    if (!Zeilen_speicherbar(MZutatenliste, zeilen))
        return;
    // Line by line, so that each keeps its place: a line corrected after
    // "(unit is incorrect!)" joins the list where it stood, not at its end.
    QStringList verblieben;
    QList<double> restSchluessel;
    QString meldung;
    for (qsizetype j = 0; j < zeilen.size(); ++j) {
        double schluessel = double(j);
        if (!m_restSchluessel.isEmpty())
            schluessel = j < m_restSchluessel.size()
                             ? m_restSchluessel[j]
                             : m_restSchluessel.last() + double(j - m_restSchluessel.size() + 1) / 1024.0;
        const TZutatenuebertragung u = Uebertrage_Zutatenzeilen({zeilen[j]});
        for (const QString &z : u.Verblieben) {
            verblieben << z;
            restSchluessel << schluessel;
        }
        if (meldung.isEmpty())
            meldung = u.Meldung;
        for (const QString &z : u.Registriert) {
            int zeile = 0;
            while (zeile < LBZutatliste->count()
                   && LBZutatliste->item(zeile)->data(Qt::UserRole).toDouble() <= schluessel)
                ++zeile;
            auto *item = new QListWidgetItem(z);
            item->setData(Qt::UserRole, schluessel);
            LBZutatliste->insertItem(zeile, item);
        }
    }
    m_restSchluessel = restSchluessel;
    MZutatenliste->setPlainText(verblieben.join(QLatin1Char('\n')));
    if (LBZutatliste->count() > 0)
        LBZutatliste->setCurrentRow(0);
    if (verblieben.isEmpty()) {
        Zuordnung_beginnen();
        return;
    }
    Zeige_Meldung(meldung, QStringLiteral("Missing unit or quantity:"), Knopf_OK);
}

// --- matching --------------------------------------------------------------

void TFDigI::EZutatSuchenChange()
{
    QString text = EZutatSuchen->text();
    Entferne_fuehrende_Leerzeichen(text);
    // the list's signals stay quiet: the picture follows once, below
    const int zeile = LBZutatsuchen->Suche(text);
    Zeige_Zutatgrafik_DigI(LBZutatsuchen->count(), LBZutatsuchen->Zutat(zeile));
}

void TFDigI::LBZutatsuchenClick()
{
    Zeige_Zutatgrafik_DigI(LBZutatsuchen->count(), LBZutatsuchen->Aktuelle_Zutat());
}

void TFDigI::LBZutatlisteClick()
{
    Zeile_gewaehlt(true);
}

void TFDigI::Zeile_gewaehlt(bool fokus)
{
    if (LBZutatliste->count() == 0 || LBZutatliste->currentRow() < 0)
        return;
    QString menge, einheit, name;
    Zerlege_Zutatenstring(Ohne_Nichtgefunden_Marke(LBZutatliste->currentItem()->text()), menge, einheit, true, name);
    name = Kommentarinhalt(name);
    {
        const QSignalBlocker b(EZutatSuchen);
        EZutatSuchen->setText(name);
    }
    if (fokus && EZutatSuchen->isEnabled() && EZutatSuchen->isVisible())
        EZutatSuchen->setFocus();
    EZutatSuchen->setCursorPosition(EZutatSuchen->text().size());
    EZutatSuchenChange();
}

void TFDigI::LBZutatlisteDblClick()
{
    const QListWidgetItem *item = LBZutatliste->currentItem();
    if (item && !Hat_Nichtgefunden_Marke(item->text()) && LBZutatsuchen->currentRow() >= 0)
        BBPFeillinksClick();
}

void TFDigI::Waehle_Zeile(int zeile)
{
    if (LBZutatliste->count() == 0)
        return;
    LBZutatliste->setCurrentRow(std::clamp(zeile, 0, LBZutatliste->count() - 1));
    LBZutatlisteClick();
}

void TFDigI::Fuege_zugeordnet_ein(const QString &zeile, double schluessel)
{
    QStringList alle = Zeilen(MZutatenliste);
    // the memo holds only matched lines here, one key each
    while (m_memoSchluessel.size() < alle.size())
        m_memoSchluessel << (m_memoSchluessel.isEmpty() ? 0.0 : m_memoSchluessel.last());
    m_memoSchluessel.resize(alle.size());
    qsizetype stelle = 0;
    while (stelle < alle.size() && m_memoSchluessel[stelle] <= schluessel)
        ++stelle;
    alle.insert(stelle, zeile);
    m_memoSchluessel.insert(stelle, schluessel);
    MZutatenliste->setPlainText(alle.join(QLatin1Char('\n')));
}

void TFDigI::Haenge_an(QPlainTextEdit *memo, const QStringList &zeilen)
{
    QStringList alle = Zeilen(memo);
    alle << zeilen;
    memo->setPlainText(alle.join(QLatin1Char('\n')));
}

void TFDigI::BBPFeillinksClick()
{
    const int zeile = LBZutatliste->currentRow();
    if (zeile < 0 || !LBZutatliste->isEnabled())
        return;
    const int treffer = LBZutatsuchen->currentRow();
    const QString suchtext = EZutatSuchen->text();
    QString neu;
    if (treffer < 0) {
        if (suchtext.isEmpty())
            return;
        if (Zeige_Meldung(QStringLiteral("\"") + Kommentarzeile(suchtext) + QStringLiteral("\" inserting as comment?"),
                          QStringLiteral("Register as comment:"), Knoepfe_Ja_Nein)
            != Antwort_Ja)
            return;
        neu = Kommentarzeile(suchtext);
    } else {
        neu = Zugeordnete_Zeile(LBZutatliste->item(zeile)->text(), LBZutatsuchen->Text(treffer));
    }
    const double schluessel = LBZutatliste->item(zeile)->data(Qt::UserRole).toDouble();
    delete LBZutatliste->takeItem(zeile);
    Fuege_zugeordnet_ein(neu, schluessel);
    Waehle_Zeile(zeile);
    if (LBZutatliste->count() == 0)
        Abschliessen(QStringLiteral("You can save the recipe now"));
}

bool TFDigI::Uebernimm_neue_Zutat(const QString &zutatname)
{
    const int zeile = LBZutatliste->currentRow();
    if (!isVisible() || LBZutatliste->count() == 0 || zeile < 0)
        return false;
    const QString neu = Zugeordnete_Zeile(LBZutatliste->item(zeile)->text(), zutatname);
    const double schluessel = LBZutatliste->item(zeile)->data(Qt::UserRole).toDouble();
    delete LBZutatliste->takeItem(zeile);
    Fuege_zugeordnet_ein(neu, schluessel);
    if (LBZutatliste->count() > 0)
        LBZutatliste->setCurrentRow(std::min(zeile, LBZutatliste->count() - 1));
    Lade_Zutaten(Save);
    Lade_Zutaten(Load | Alle);
    EZutatSuchenChange();
    LBZutatlisteClick();
    if (LBZutatliste->count() == 0) {
        EZutatSuchen->setEnabled(false);
        Abschliessen(QStringLiteral("The recipe can be saved now!"));
    }
    return true;
}

void TFDigI::BBNeuClick()
{
    const QListWidgetItem *item = LBZutatliste->currentItem();
    if (!item)
        return;
    if (!Hat_Nichtgefunden_Marke(item->text())) {
        Zeige_Meldung(QStringLiteral("Ingredient exists on the database!"), QStringLiteral("Error:"), Knopf_OK);
        return;
    }
    QString menge, einheit, name;
    Zerlege_Zutatenstring(Ohne_Nichtgefunden_Marke(item->text()), menge, einheit, true, name);
    ZuDaIndex = -1;
    ZuDaNeu = 1;
    Lade_Zutaten(Load | Alle);
    // a take-over hands the line back through Uebernimm_neue_Zutat
    m_neueZutat = true;
    if (Zeige_Zutateneditor(name, name, name, true, this, 0, -1))
        platform::waitUntil([] { return ZuDaFertig == 1; });
    m_neueZutat = false;
    ZuDaNeu = 0;
    ZuDaIndex = -1;
    Lade_Zutaten(Save);
    Lade_Zutaten(Load | Alle);
    EZutatSuchenChange();
}

namespace {
// The two lines change places and keys: the keys stay in the list's order.
void Tausche(QListWidget *liste, int oben)
{
    QListWidgetItem *a = liste->item(oben);
    QListWidgetItem *b = liste->item(oben + 1);
    const QVariant k = a->data(Qt::UserRole);
    a->setData(Qt::UserRole, b->data(Qt::UserRole));
    b->setData(Qt::UserRole, k);
    liste->insertItem(oben + 1, liste->takeItem(oben));
}
} // namespace

void TFDigI::BBPfeilObenClick()
{
    const int zeile = LBZutatliste->currentRow();
    if (zeile < 1)
        return;
    Tausche(LBZutatliste, zeile - 1);
    LBZutatliste->setCurrentRow(zeile - 1);
}

void TFDigI::BBPfeiluntenClick()
{
    const int zeile = LBZutatliste->currentRow();
    if (zeile < 0 || zeile >= LBZutatliste->count() - 1)
        return;
    Tausche(LBZutatliste, zeile);
    LBZutatliste->setCurrentRow(zeile + 1);
}

void TFDigI::MZutatloeschenClick()
{
    const int zeile = LBZutatliste->currentRow();
    if (zeile < 0)
        return;
    if (Zeige_Meldung(QStringLiteral("Delete ingredient: ") + LBZutatliste->item(zeile)->text() + QStringLiteral("?"),
                      QStringLiteral("Question:"), Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    delete LBZutatliste->takeItem(zeile);
    Waehle_Zeile(zeile - 1);
    if (LBZutatliste->count() == 0)
        Abschliessen(QStringLiteral("You can save the recipe now"));
}

// --- reset, save, leave ------------------------------------------------------

void TFDigI::BBZutatResetClick()
{
    if (Zeige_Meldung(QStringLiteral("Do you want to replace the original ingredients?"), QStringLiteral("Question:"), Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    MZutatenliste->setPlainText(MOriginalzutaten->toPlainText());
    Startzustand();
}

bool TFDigI::Rezeptspeichern1Click()
{
    TTRezepteTotal *r = Aktuelles();
    if (!r || !FRez || !Rezeptspeichern1->isEnabled())
        return false;
    // The editor is filled with this recipe for its save: a recipe still
    // open in it is closed first, so that its unsaved changes are asked about.
    if (FRez->isVisible() && FRez->Formularrezept() != AktuellesRezept) {
        const qint32 eigenes = AktuellesRezept;
        AktuellesRezept = FRez->Formularrezept();
        const bool geschlossen = FRez->close();
        AktuellesRezept = eigenes;
        if (!geschlossen)
            return false;
        r = Aktuelles();
    }
    r->Zutaten.clear();
    r->Zutatenliste.clear();
    for (const QString &zeile : Zeilen(MZutatenliste)) {
        const QString text = zeile.trimmed();
        if (text.isEmpty())
            continue;
        TTZutatenliste z;
        if (Ist_Kommentartext(text))
            z.Name = text;
        else
            Zerlege_Zutatenstring(text, z.Menge, z.Einheit, true, z.Name);
        z.Listenindex = r->Zutatenliste.size();
        r->Zutatenliste.append(z);
    }
    const QStringList anleitung = Zeilen(MRezeptliste);
    if (!anleitung.isEmpty())
        r->Rezeptliste = anleitung;
    Setze_Hintergrund_FRez();
    if (!Speichere_Importrezept())
        return false;
    if (WizRezept == AktuellesRezept)
        WizRezept = -1;
    if (Zeige_Meldung(QStringLiteral("Do you want to exit?"), QStringLiteral("Question"), Knoepfe_Ja_Nein) == Antwort_Ja)
        Verlasse_Import();
    return true;
}

void TFDigI::Verlasse_Import()
{
    hide();
    if (FMain)
        FMain->setEnabled(true);
    // a recipe the wizard began and the import did not save is dropped
    if (WizRezept >= 0)
        Breche_Rezeptassistent_ab();
    Programmstart(true);
    if (FMain) {
        FMain->show();
        FMain->raise();
    }
}

void TFDigI::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!ProgrammOK || !isVisible()) {
        hide();
        if (FMain)
            FMain->setEnabled(true);
        return;
    }
    if (Zeige_Meldung(QStringLiteral("Back to recipe overwiew? Non-saved data will be lost!"), QStringLiteral("Question:"),
                      Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    Verlasse_Import();
}

void TFDigI::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

// --- the text menu -------------------------------------------------------

QPlainTextEdit *TFDigI::Textmemo() const
{
    if (MZutatenliste->hasFocus())
        return MZutatenliste;
    if (MRezeptliste->hasFocus())
        return MRezeptliste;
    return m_memo;
}

void TFDigI::PPDigiPopup()
{
    for (QAction *a : PPDigi->actions())
        a->setEnabled(false);
    QPlainTextEdit *memo = Textmemo();
    if (!memo || (memo == MZutatenliste && !BBHaken->isEnabled()))
        return;
    const QMimeData *daten = QApplication::clipboard()->mimeData();
    MEinfuegen->setEnabled(daten && daten->hasText() && !memo->isReadOnly());
    const bool auswahl = memo->textCursor().hasSelection();
    MKopieren->setEnabled(auswahl);
    MAusschneiden->setEnabled(auswahl && !memo->isReadOnly());
    MTextdateieinladen->setEnabled(!memo->isReadOnly());
    const bool zutaten = memo == MZutatenliste;
    MOriginalkopie->setEnabled(zutaten && !Zeilen(MZutatenliste).isEmpty());
    MZutatenueberpruefen->setEnabled(zutaten && BBHaken->isVisible() && BBHaken->isEnabled());
    MZutatenuebernehmen->setEnabled(zutaten && BBPfeilrechts->isVisible() && BBPfeilrechts->isEnabled());
}

void TFDigI::MEinfuegenClick()
{
    if (QPlainTextEdit *memo = Textmemo(); memo && !memo->isReadOnly())
        memo->paste();
}

void TFDigI::MKopierenClick()
{
    if (QPlainTextEdit *memo = Textmemo(); memo && memo->textCursor().hasSelection())
        memo->copy();
}

void TFDigI::MAusschneidenClick()
{
    if (QPlainTextEdit *memo = Textmemo(); memo && !memo->isReadOnly() && memo->textCursor().hasSelection())
        memo->cut();
}

void TFDigI::MOriginalkopieClick()
{
    if (Textmemo() == MZutatenliste)
        MOriginalzutaten->setPlainText(MZutatenliste->toPlainText());
}

void TFDigI::MTextdateieinladenClick()
{
    QPlainTextEdit *memo = Textmemo();
    if (!memo || memo->isReadOnly())
        return;
    const QString datei = platform::openFileName(this, QStringLiteral("Load text file:"), platform::baseFolder(),
                                                 QStringLiteral("Text files (*.rtf *.txt *.mm *.rk)"));
    if (datei.isEmpty() || !platform::fileExists(datei))
        return;
    if (platform::upperCase(datei.right(4)) == QLatin1String(".RTF")) {
        QTextDocument RE1;
        if (!platform::loadRtfFile(datei, &RE1)) {
            Zeige_Meldung(QStringLiteral("The file could not be read!"), QStringLiteral("Error:"), Knopf_OK);
            return;
        }
        Haenge_an(memo, RE1.toPlainText().split(QLatin1Char('\n')));
        return;
    }
    QFile f(platform::nativePath(datei));
    if (!f.open(QIODevice::ReadOnly)) {
        Zeige_Meldung(QStringLiteral("The file could not be read!"), QStringLiteral("Error:"), Knopf_OK);
        return;
    }
    memo->setPlainText(Lies_Textdatei_Zeilen(f.readAll()).join(QLatin1Char('\n')));
}

// --- opening -----------------------------------------------------------------

void Zeige_DigitalImport(const QStringList &zutaten, const QStringList &anleitung)
{
    TTRezepteTotal *r = Aktuelles();
    if (!FDigI || !r)
        return;
    r->Deluxeliste = TTDeluxeliste();
    r->Zutaten.clear();
    r->Einkaufsliste.clear();
    r->Zutatenliste.clear();
    FDigI->Beginne(zutaten, anleitung);
    // The overview could start another wizard or delete this recipe while the
    // import works on it: it waits until the import is left.
    if (FMain)
        FMain->setEnabled(false);
    FDigI->show();
    FDigI->raise();
    FDigI->activateWindow();
    AktuellerTipp = 2;
    if (Zeige_Tipp() == 0 && FTipp) {
        FDigI->setEnabled(false);
        platform::waitWhileVisible(FTipp);
        FDigI->setEnabled(true);
    }
}
