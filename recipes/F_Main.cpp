#include "recipes/F_Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Pictures.h"
#include "platform/Wait.h"
#include "dialogs/F_Hilfe.h"
#include "core/Meldung.h"
#include "dialogs/F_Tipp.h"
#include "dialogs/Fensterlage.h"
#include "recipes/Rezeptliste.h"
#include "recipes/Uebersicht.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"
#include "interactive/F_IAMain.h"
#include "internet/F_News.h"
#include "reference/F_AktivZuDa.h"
#include "reference/F_GeAllZuDa.h"
#include "internet/F_RezUpload.h"
#include "internet/Internet.h"
#include "internet/F_GraDown.h"
#include "internet/F_RezDown.h"
#include "internet/Update.h"
#include "mastering/F_TWSM.h"
#include "reference/F_Lex.h"
#include "reference/F_VAR.h"

TFMain *FMain = nullptr;
TFMainZutatbild *FMainZutatbild = nullptr;
TFMainTextanzeige *FMainTextanzeige = nullptr;
TFMainRezeptbild *FMainRezeptbild = nullptr;

namespace {
const QString Grafikpfad = QStringLiteral("Grafiken\\ENG\\");

QString geraeteliste(const QString &kochgeraete)
{
    QStringList out;
    for (const QString &g : kochgeraete.split(QLatin1Char(',')))
        if (!g.trimmed().isEmpty())
            out << g.trimmed();
    return out.join(QStringLiteral(", "));
}

bool gueltig(qint32 index)
{
    return index >= 0 && index < RezepteTotal.size();
}
} // namespace

// --- tool windows ---------------------------------------------------------

TFMainZutatbild::TFMainZutatbild(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("FMainZutatbild"));
    setWindowTitle(QStringLiteral("Ingredients"));
    Setze_Fensterfarbe(this);
    resize(300, 200);
    LVZutatbild = new QListWidget(this);
    LVZutatbild->setObjectName(QStringLiteral("LVZutatbild"));
    LVZutatbild->setViewMode(QListView::IconMode);
    LVZutatbild->setIconSize(QSize(48, 48));
    LVZutatbild->setGridSize(QSize(86, 84));
    LVZutatbild->setResizeMode(QListView::Adjust);
    LVZutatbild->setMovement(QListView::Static);
    LVZutatbild->setWordWrap(true);
    LVZutatbild->setSelectionMode(QAbstractItemView::NoSelection);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(LVZutatbild);
}

void TFMainZutatbild::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (FMain)
        FMain->Werkzeugfenster_geschlossen(this);
}

TFMainTextanzeige::TFMainTextanzeige(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("FMainTextanzeige"));
    setWindowTitle(QStringLiteral("Recipe details"));
    Setze_Fensterfarbe(this);
    resize(300, 320);
    MTextanzeige = new QTextBrowser(this);
    MTextanzeige->setObjectName(QStringLiteral("MTextanzeige"));
    MTextanzeige->setReadOnly(true);
    MTextanzeige->setOpenLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(MTextanzeige);
}

void TFMainTextanzeige::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (FMain)
        FMain->Werkzeugfenster_geschlossen(this);
}

TFMainRezeptbild::TFMainRezeptbild(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("FMainRezeptbild"));
    setWindowTitle(QStringLiteral("Recipe picture"));
    Setze_Fensterfarbe(this);
    resize(300, 260);
    LRezeptname = new QLabel(this);
    LRezeptname->setObjectName(QStringLiteral("LRezeptname"));
    LRezeptname->setTextFormat(Qt::PlainText);
    LRezeptname->setWordWrap(true);
    LRezeptname->setAlignment(Qt::AlignCenter);
    QFont f = LRezeptname->font();
    f.setBold(true);
    LRezeptname->setFont(f);
    IRezeptbild = new QLabel(this);
    IRezeptbild->setObjectName(QStringLiteral("IRezeptbild"));
    IRezeptbild->setAlignment(Qt::AlignCenter);
    IRezeptbild->setMinimumSize(200, 160);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(LRezeptname);
    layout->addWidget(IRezeptbild, 1);
}

void TFMainRezeptbild::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (FMain)
        FMain->Werkzeugfenster_geschlossen(this);
}

// --- the main window ----------------------------------------------------------

TFMain::TFMain(QWidget *parent) : QMainWindow(parent)
{
    Installiere_Hauptfensterdienste();
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("Tablecraft Works"));
    Setze_Fensterfarbe(this);
    resize(900, 640);
    Baue_Filter();
    Baue_Liste();
    Baue_Layout();
    Baue_Menues();
    Verbinde();
    Registriere_Tooltipps(this, {
        {QStringLiteral("LVRezepte"), QStringLiteral("Your recipes. A double click opens the recipe.")},
        {QStringLiteral("CBKategorie"), QStringLiteral("Show only recipes of this category")},
        {QStringLiteral("CBUnterkategorie"), QStringLiteral("Show only recipes of this sub-category")},
        {QStringLiteral("ESuche"), QStringLiteral("Search words: every word must occur in the recipe")},
    });

    Aktualisiere_Uebersicht();
}

// the background, the category and sub-category choices and the search
void TFMain::Baue_Filter()
{
    m_mitte = new QWidget(this);
    m_mitte->setObjectName(QStringLiteral("PHaupt"));
    setCentralWidget(m_mitte);
    IBack = new QLabel(m_mitte);
    IBack->setObjectName(QStringLiteral("IBack"));
    IBack->setScaledContents(true);
    IBack->lower();
    m_mitte->installEventFilter(this);

    CBKategorie = new QComboBox(m_mitte);
    CBKategorie->setObjectName(QStringLiteral("CBKategorie"));
    CBKategorie->setMinimumContentsLength(18);
    CBUnterkategorie = new QComboBox(m_mitte);
    CBUnterkategorie->setObjectName(QStringLiteral("CBUnterkategorie"));
    CBUnterkategorie->setMinimumContentsLength(14);
    ESuche = new QLineEdit(m_mitte);
    ESuche->setObjectName(QStringLiteral("ESuche"));
    ESuche->setPlaceholderText(QStringLiteral("Search words"));
    ESuche->setClearButtonEnabled(true);

    CBKategorie->addItem(QStringLiteral("All categories"));
    for (int pos = 0; pos < AnzahlKategorien; ++pos)
        CBKategorie->addItem(Kategorienamen[pos]);
}

void TFMain::Baue_Liste()
{
    m_suchtexte = new QTimer(this);
    m_suchtexte->setInterval(0);
    connect(m_suchtexte, &QTimer::timeout, this, [this] {
        // A slice short enough that typing meanwhile is not held up.
        if (m_uebersicht.Baue_Suchtexte(3000000))
            m_suchtexte->stop();
    });

    m_liste = new TRezeptliste(this);
    m_liste->Setze_Iconquelle([this](qint32 kategorie) { return Kategorieicon(kategorie); });
    LVRezepte = new QTreeView(m_mitte);
    LVRezepte->setObjectName(QStringLiteral("LVRezepte"));
    LVRezepte->setModel(m_liste);
    LVRezepte->setItemDelegate(new TRezeptzeilen(LVRezepte));
    LVRezepte->setRootIsDecorated(false);
    LVRezepte->setItemsExpandable(false);
    LVRezepte->setUniformRowHeights(true);
    LVRezepte->setAlternatingRowColors(true);
    LVRezepte->setSelectionMode(QAbstractItemView::SingleSelection);
    LVRezepte->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVRezepte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVRezepte->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    LVRezepte->header()->setStretchLastSection(false);
    LVRezepte->setColumnWidth(1, 150);
    LVRezepte->setColumnWidth(2, 150);
    LVRezepte->setColumnWidth(3, 90);
    LVRezepte->installEventFilter(this);

    LAnzahl = new QLabel(m_mitte);
    LAnzahl->setObjectName(QStringLiteral("LAnzahl"));
}

void TFMain::Baue_Layout()
{
    auto beschriftung = [this](const QString &text) {
        auto *l = new QLabel(text, m_mitte);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    auto *filter = new QHBoxLayout;
    filter->addWidget(beschriftung(QStringLiteral("Category:")));
    filter->addWidget(CBKategorie);
    filter->addSpacing(8);
    filter->addWidget(beschriftung(QStringLiteral("Sub-category:")));
    filter->addWidget(CBUnterkategorie);
    filter->addSpacing(8);
    filter->addWidget(beschriftung(QStringLiteral("Search:")));
    filter->addWidget(ESuche, 1);
    auto *layout = new QVBoxLayout(m_mitte);
    layout->setContentsMargins(14, 12, 14, 10);
    layout->addLayout(filter);
    layout->addWidget(LVRezepte, 1);
    layout->addWidget(LAnzahl);
}

void TFMain::Verbinde()
{
    // The makers' release window has no menu entry.
    auto *mastering = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_M), this);
    mastering->setObjectName(QStringLiteral("KMastering"));
    connect(mastering, &QShortcut::activated, this, [] { Zeige_TWSM(); });

    connect(CBKategorie, &QComboBox::currentIndexChanged, this, &TFMain::CBKategorieChange);
    connect(CBUnterkategorie, &QComboBox::currentIndexChanged, this, &TFMain::CBUnterkategorieChange);
    connect(ESuche, &QLineEdit::textChanged, this, &TFMain::ESucheChange);
    connect(LVRezepte->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TFMain::LVRezepteClick);
    connect(LVRezepte, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        LVRezepte->setCurrentIndex(index.siblingAtColumn(0));
        LVRezepteDblClick();
    });
}

void TFMain::Baue_Menues()
{
    auto eintrag = [this](QMenu *menu, const QString &name, const QString &text, void (TFMain::*slot)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    MDatei = menuBar()->addMenu(QStringLiteral("&File"));
    MDatei->setObjectName(QStringLiteral("MDatei"));
    MNeuesRezept = eintrag(MDatei, QStringLiteral("MNeuesRezept"), QStringLiteral("&New recipe..."),
                           &TFMain::MNeuesRezeptClick);
    MNeuesRezept->setShortcut(QKeySequence::New);
    MRezeptoeffnen = eintrag(MDatei, QStringLiteral("MRezeptoeffnen"), QStringLiteral("&Open recipe"),
                             &TFMain::MRezeptoeffnenClick);
    MRezeptoeffnen->setShortcut(QKeySequence::Open);
    MRezeptnachkochen = eintrag(MDatei, QStringLiteral("MRezeptnachkochen"),
                                QStringLiteral("&Cook interactively..."), &TFMain::MRezeptnachkochenClick);
    MRezeptUpload = eintrag(MDatei, QStringLiteral("MRezeptUpload"), QStringLiteral("&Upload recipe..."),
                            &TFMain::MRezeptUploadClick);
    MDatei->addSeparator();
    MBeenden = eintrag(MDatei, QStringLiteral("MBeenden"), QStringLiteral("E&xit"), &TFMain::MBeendenClick);

    MAnsicht = menuBar()->addMenu(QStringLiteral("&View"));
    MAnsicht->setObjectName(QStringLiteral("MAnsicht"));
    MRezeptbildanzeigen = eintrag(MAnsicht, QStringLiteral("MRezeptbildanzeigen"),
                                  QStringLiteral("Recipe &picture"), &TFMain::MRezeptbildanzeigenClick);
    MTextanzeigeanzeigen = eintrag(MAnsicht, QStringLiteral("MTextanzeigeanzeigen"),
                                   QStringLiteral("Recipe &details"), &TFMain::MTextanzeigeanzeigenClick);
    MZutatbildanzeigen = eintrag(MAnsicht, QStringLiteral("MZutatbildanzeigen"),
                                 QStringLiteral("&Ingredient pictures"), &TFMain::MZutatbildanzeigenClick);
    for (QAction *a : {MRezeptbildanzeigen, MTextanzeigeanzeigen, MZutatbildanzeigen})
        a->setCheckable(true);

    MExtras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    MExtras->setObjectName(QStringLiteral("MExtras"));
    MZutatenverwaltung = eintrag(MExtras, QStringLiteral("MZutatenverwaltung"),
                                 QStringLiteral("&Ingredient management..."), &TFMain::MZutatenverwaltungClick);
    MGesamtzutatendatenbank = eintrag(MExtras, QStringLiteral("MGesamtzutatendatenbank"),
                                      QStringLiteral("&Global ingredient database..."),
                                      &TFMain::MGesamtzutatendatenbankClick);
    MEinheiten = eintrag(MExtras, QStringLiteral("MEinheiten"), QStringLiteral("&Units..."),
                         &TFMain::MEinheitenClick);
    MLexikon = eintrag(MExtras, QStringLiteral("MLexikon"), QStringLiteral("Cooking &dictionary..."),
                       &TFMain::MLexikonClick);

    MUpdate = menuBar()->addMenu(QStringLiteral("&Update"));
    MUpdate->setObjectName(QStringLiteral("MUpdate"));
    MPRGUpdatestarten = eintrag(MUpdate, QStringLiteral("MPRGUpdatestarten"),
                                QStringLiteral("Download program update"), &TFMain::MPRGUpdatestartenClick);
    MRezeptedownloaden = eintrag(MUpdate, QStringLiteral("MRezeptedownloaden"),
                                 QStringLiteral("Download new recipes"), &TFMain::MRezeptedownloadenClick);
    MGrafikendownloaden = eintrag(MUpdate, QStringLiteral("MGrafikendownloaden"),
                                  QStringLiteral("Download new data"), &TFMain::MGrafikendownloadenClick);
    MDatenbankenupdaten = eintrag(MUpdate, QStringLiteral("MDatenbankenupdaten"),
                                  QStringLiteral("Download database update"), &TFMain::MDatenbankenupdatenClick);
    MNachrichtenlesen = eintrag(MUpdate, QStringLiteral("MNachrichtenlesen"), QStringLiteral("Read news"),
                                &TFMain::MNachrichtenlesenClick);
    MUpdate->addSeparator();
    MUpdateinformationenmanuelldownloaden =
        eintrag(MUpdate, QStringLiteral("MUpdateinformationenmanuelldownloaden"),
                QStringLiteral("Download update information"), &TFMain::MUpdateinformationenmanuelldownloadenClick);
    MUpdatesimInternet = eintrag(MUpdate, QStringLiteral("MUpdatesimInternet"),
                                 QStringLiteral("Updates on the internet"), &TFMain::MUpdatesimInternetClick);

    MHilfe = menuBar()->addMenu(QStringLiteral("&Help"));
    MHilfe->setObjectName(QStringLiteral("MHilfe"));
    MHilfeanzeigen = eintrag(MHilfe, QStringLiteral("MHilfeanzeigen"), QStringLiteral("Help &contents"),
                             &TFMain::MHilfeanzeigenClick);
    MHilfeanzeigen->setShortcut(QKeySequence::HelpContents);
    MTippsanzeigen = eintrag(MHilfe, QStringLiteral("MTippsanzeigen"), QStringLiteral("Show &tips"),
                             &TFMain::MTippsanzeigenClick);
    MHilfe->addSeparator();
    EmailansTafelwerkstatt1 = eintrag(MHilfe, QStringLiteral("EmailansTafelwerkstatt1"),
                                      QStringLiteral("&E-mail to Tablecraft Works"),
                                      &TFMain::EmailansTafelwerkstatt1Click);
    MInfo = eintrag(MHilfe, QStringLiteral("MInfo"), QStringLiteral("&About Tablecraft Works"),
                    &TFMain::MInfoClick);

    // The mail entry waits for a contact address in the internet settings.
    MRezeptnachkochen->setEnabled(false); // follows the selected recipe
    // The update entries wait for the start-up's internet check; only the
    // manual check is ready at once (its menu opens with a server).
    for (QAction *a : {MPRGUpdatestarten, MRezeptedownloaden, MGrafikendownloaden, MDatenbankenupdaten,
                       MNachrichtenlesen, MUpdatesimInternet,
                       EmailansTafelwerkstatt1})
        a->setEnabled(false);
    MUpdate->setEnabled(false);
}

QIcon TFMain::Kategorieicon(qint32 kategorie)
{
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        return QIcon();
    auto it = m_icons.constFind(kategorie);
    if (it != m_icons.constEnd())
        return it.value();
    const QPixmap bild = platform::loadPixmap(Programmverzeichnis + Grafikpfad + QStringLiteral("ICO\\") +
                                              Kategorieicons[kategorie] + QStringLiteral("16.png"));
    const QIcon icon = bild.isNull() ? QIcon() : QIcon(bild);
    m_icons.insert(kategorie, icon);
    return icon;
}

void TFMain::Vergiss_Bilder()
{
    m_icons.clear();
    IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
}

void TFMain::Fuelle_Unterkategorien()
{
    const qint32 kategorie = Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex() - 1);
    const QStringList liste = Ermittle_Unterkategorien(RezepteTotal, kategorie);
    CBUnterkategorie->clear();
    CBUnterkategorie->addItem(QStringLiteral("All sub-categories"));
    CBUnterkategorie->addItems(liste);
    int wahl = 0;
    const QString gesucht = platform::upperCase(Optionen.Unterkategoriefilter.trimmed());
    for (int i = 0; i < liste.size() && !gesucht.isEmpty(); ++i)
        if (platform::upperCase(liste[i]) == gesucht)
            wahl = i + 1;
    CBUnterkategorie->setCurrentIndex(wahl);
    // A sub-category no recipe of this category has any more is dropped.
    if (wahl == 0)
        Optionen.Unterkategoriefilter.clear();
}

void TFMain::Aktualisiere_Uebersicht()
{
    ++m_bauen;
    for (int pos = 0; pos < AnzahlKategorien; ++pos)
        CBKategorie->setItemIcon(pos + 1, Kategorieicon(Ermittle_Kategorie_aus_Anzeigeposition(pos)));
    int zeile = Optionen.Kategoriefilter + 1;
    if (zeile < 0 || zeile > AnzahlKategorien)
        zeile = 0;
    CBKategorie->setCurrentIndex(zeile);
    Optionen.Kategoriefilter = zeile - 1;
    Fuelle_Unterkategorien();
    --m_bauen;
    Zeige_Liste();
}

void TFMain::Zeige_Liste()
{
    ++m_bauen;
    const QString gewaehlteDatei = m_gewaehlteDatei;

    TUebersichtFilter filter;
    filter.Kategorie = Ermittle_Kategorie_aus_Anzeigeposition(Optionen.Kategoriefilter);
    filter.Unterkategorie = Optionen.Unterkategoriefilter;
    filter.Suchtext = ESuche->text();
    const QVector<qint32> &treffer = m_uebersicht.Filtere(RezepteTotal, filter);

    for (TTRezepteTotal &r : RezepteTotal)
        r.Listenposition = -1;
    qint32 wieder = -1;
    for (qint32 zeile = 0; zeile < treffer.size(); ++zeile) {
        TTRezepteTotal &r = RezepteTotal[treffer[zeile]];
        r.Listenposition = zeile + 1;
        if (!gewaehlteDatei.isEmpty() && r.Dateiname == gewaehlteDatei)
            wieder = treffer[zeile];
    }
    m_liste->Setze_Rezepte(treffer);

    LAnzahl->setText(treffer.size() == 1 ? QStringLiteral("1 recipe")
                                         : QStringLiteral("%1 recipes").arg(treffer.size()));
    m_suchtexte->start();
    --m_bauen;
    if (wieder < 0 || !Waehle_Rezept(wieder))
        LVRezepteClick();
}

void TFMain::Vergiss_Rezepte()
{
    m_uebersicht.Vergiss();
    m_suchtexte->stop();
    m_liste->Setze_Rezepte({});
}

bool TFMain::Suchtexte_bereit() const
{
    return !m_suchtexte->isActive();
}

qint32 TFMain::Ausgewaehltes_Rezept() const
{
    const QModelIndexList auswahl = LVRezepte->selectionModel()->selectedRows();
    if (auswahl.isEmpty())
        return -1;
    const int zeile = auswahl.first().row();
    const qint32 index = auswahl.first().data(TRezeptliste::RolleRezept).toInt();
    if (zeile < 1 || !gueltig(index) || RezepteTotal[index].Listenposition != zeile)
        return -1;
    return index;
}

bool TFMain::Waehle_Rezept(qint32 index)
{
    if (!gueltig(index) || RezepteTotal[index].Listenposition < 1
        || RezepteTotal[index].Listenposition >= m_liste->rowCount())
        return false;
    const QModelIndex zeile = m_liste->index(RezepteTotal[index].Listenposition, 0);
    LVRezepte->setCurrentIndex(zeile);
    LVRezepte->scrollTo(zeile);
    return true;
}

void TFMain::Zeige_Vorschau(qint32 index)
{
    const bool da = gueltig(index);
    const TTRezepteTotal leer;
    const TTRezepteTotal &r = da ? RezepteTotal[index] : leer;
    const qint32 kategorie = da ? Ermittle_Rezeptkategorie(r) : -1;

    if (FMainRezeptbild) {
        FMainRezeptbild->LRezeptname->setText(r.Rezeptname);
        QLabel *ziel = FMainRezeptbild->IRezeptbild;
        QPixmap bild = Lade_Rezeptgrafik(r.Rezeptgrafik);
        QSize rahmen = ziel->size().expandedTo(QSize(200, 160));
        if (bild.isNull() && kategorie >= 0) {
            // No picture of its own: the category's icon, not blown up.
            bild = platform::loadPixmap(Programmverzeichnis + Grafikpfad + QStringLiteral("ICO\\") +
                                        Kategorieicons[kategorie] + QStringLiteral("48.png"));
            rahmen = QSize(96, 96);
        }
        if (bild.isNull())
            ziel->clear();
        else
            ziel->setPixmap(bild.scaled(rahmen, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    if (FMainTextanzeige) {
        QTextBrowser *text = FMainTextanzeige->MTextanzeige;
        text->clear();
        if (da) {
            QTextCursor c(text->document());
            QTextCharFormat normal;
            QTextCharFormat fett;
            fett.setFontWeight(QFont::Bold);
            QTextCharFormat titel = fett;
            titel.setFontPointSize(text->font().pointSizeF() * 1.25);
            auto zeile = [&c](const QString &s, const QTextCharFormat &fmt) {
                if (!c.atStart())
                    c.insertBlock();
                c.insertText(s, fmt);
            };
            auto feld = [&](const QString &name, const QString &wert) {
                if (wert.trimmed().isEmpty())
                    return;
                zeile(name + QStringLiteral(": "), fett);
                c.insertText(wert, normal);
            };
            zeile(r.Rezeptname, titel);
            feld(QStringLiteral("Category"), kategorie >= 0 ? Kategoriebezeichnungen[kategorie] : QString());
            feld(QStringLiteral("Servings"), r.Portionen);
            feld(QStringLiteral("Preparation time"), r.Zubereitungszeit);
            if (r.Schwierigkeit >= 1 && r.Schwierigkeit <= 5)
                feld(QStringLiteral("Difficulty"), QStringLiteral("%1 of 5").arg(r.Schwierigkeit));
            feld(QStringLiteral("Cooking devices"), geraeteliste(r.Kochgeraete));
            QStringList zutaten;
            for (const TTZutatenliste &z : r.Zutatenliste)
                if (!z.Name.trimmed().isEmpty() || !z.Menge.trimmed().isEmpty())
                    zutaten << Setze_Pluralformen(z.Menge, z.Einheit, z.Name);
            if (!zutaten.isEmpty()) {
                zeile(QString(), normal);
                zeile(QStringLiteral("Ingredients"), fett);
                for (const QString &z : zutaten)
                    zeile(QStringLiteral("\u2022 ") + z, normal);
            }
            QStringList bemerkungen;
            for (const QString &b : r.Bemerkungsliste)
                if (!b.trimmed().isEmpty())
                    bemerkungen << b;
            if (!bemerkungen.isEmpty()) {
                zeile(QString(), normal);
                zeile(QStringLiteral("Remarks"), fett);
                for (const QString &b : bemerkungen)
                    zeile(b, normal);
            }
            text->moveCursor(QTextCursor::Start);
        }
    }

    if (FMainZutatbild) {
        QListWidget *liste = FMainZutatbild->LVZutatbild;
        liste->clear();
        if (da) {
            QSet<QString> gezeigt;
            for (const TTZutatenliste &z : r.Zutatenliste) {
                const QString name = z.Name.trimmed();
                if (name.isEmpty() || gezeigt.contains(platform::upperCase(name)))
                    continue;
                gezeigt.insert(platform::upperCase(name));
                const qint32 db = Suche_Zutat(name, -1);
                QImage bild;
                if (db >= 0)
                    Lade_Zutatengrafik(bild, db);
                auto *item = new QListWidgetItem(name, liste);
                if (!bild.isNull())
                    item->setIcon(QIcon(QPixmap::fromImage(bild)));
            }
        }
    }
}

QList<QPoint> Werkzeugfensterplaetze(const QRect &haupt, const QRect &bildschirm, const QList<QSize> &groessen)
{
    constexpr int Abstand = 8;
    int breite = 0;
    for (const QSize &g : groessen)
        breite = qMax(breite, g.width());
    // Right of the main window when they fit there, else left of it, else on
    // the side with more room (the screen is too small to avoid an overlap).
    const int rechts = bildschirm.right() - haupt.right() - Abstand;
    const int links = haupt.left() - bildschirm.left() - Abstand;
    int x;
    if (rechts >= breite)
        x = haupt.right() + 1 + Abstand;
    else if (links >= breite)
        x = haupt.left() - Abstand - breite;
    else if (rechts >= links)
        x = qMax(bildschirm.left(), bildschirm.right() + 1 - breite);
    else
        x = bildschirm.left();
    QList<QPoint> plaetze;
    // From the main window's top down; a column that would pass the screen's
    // bottom moves up as far as it must.
    int hoehe = 0;
    for (const QSize &g : groessen)
        hoehe += g.height() + Abstand;
    hoehe -= groessen.isEmpty() ? 0 : Abstand;
    int y = qMax(bildschirm.top(), qMin(haupt.top(), bildschirm.bottom() + 1 - hoehe));
    for (const QSize &g : groessen) {
        plaetze << QPoint(x, y);
        y += g.height() + Abstand;
    }
    return plaetze;
}

void TFMain::Platziere_Werkzeugfenster()
{
    if (!isVisible())
        return;
    const QRect bildschirm = Fensterbereich();
    QList<QWidget *> fenster;
    QList<QSize> groessen;
    for (QWidget *w : std::initializer_list<QWidget *>{FMainRezeptbild, FMainTextanzeige, FMainZutatbild})
        if (w && w->isVisible()) {
            fenster << w;
            groessen << w->frameGeometry().size();
        }
    const QList<QPoint> plaetze = Werkzeugfensterplaetze(frameGeometry(), bildschirm, groessen);
    for (int i = 0; i < fenster.size(); ++i)
        Platziere_Fenster(fenster[i], plaetze[i]);
}

void TFMain::Zeige_Werkzeugfenster()
{
    if (MRezeptbildanzeigen) {
        MRezeptbildanzeigen->setChecked(Optionen.Rezeptbildzeigen == 1);
        MTextanzeigeanzeigen->setChecked(Optionen.Textanzeigezeigen == 1);
        MZutatbildanzeigen->setChecked(Optionen.Zutatbildzeigen == 1);
    }
    if (!isVisible())
        return;
    const std::pair<QWidget *, quint8> fenster[] = {{FMainRezeptbild, Optionen.Rezeptbildzeigen},
                                                    {FMainTextanzeige, Optionen.Textanzeigezeigen},
                                                    {FMainZutatbild, Optionen.Zutatbildzeigen}};
    for (const auto &[w, zeigen] : fenster)
        if (w)
            w->setVisible(zeigen == 1);
    Platziere_Werkzeugfenster();
}

void TFMain::Verstecke_Werkzeugfenster()
{
    for (QWidget *w : std::initializer_list<QWidget *>{FMainRezeptbild, FMainTextanzeige, FMainZutatbild})
        if (w)
            w->hide();
}

void TFMain::Werkzeugfenster_geschlossen(QWidget *fenster)
{
    if (fenster == FMainRezeptbild)
        Optionen.Rezeptbildzeigen = 0;
    else if (fenster == FMainTextanzeige)
        Optionen.Textanzeigezeigen = 0;
    else if (fenster == FMainZutatbild)
        Optionen.Zutatbildzeigen = 0;
    Zeige_Werkzeugfenster();
}

// --- handlers -------------------------------------------------------------------

void TFMain::LVRezepteClick()
{
    if (m_bauen)
        return;
    const qint32 index = Ausgewaehltes_Rezept();
    // Kept by file name, which survives a reload; the index does not.
    m_gewaehlteDatei = index >= 0 ? RezepteTotal[index].Dateiname : QString();
    MRezeptoeffnen->setEnabled(index >= 0);
    MRezeptnachkochen->setEnabled(index >= 0);
    Zeige_Vorschau(index);
}

void TFMain::LVRezepteDblClick()
{
    const QModelIndex item = LVRezepte->currentIndex();
    if (!item.isValid())
        return;
    if (item.row() == 0) {
        // A fresh working recipe; the chooser offers new and stored ones.
        Oeffne_Kueche(TTRezepteTotal(), QStringLiteral("Neues Rezept"), true, true);
        return;
    }
    const qint32 index = Ausgewaehltes_Rezept();
    if (index < 0)
        return;
    AktuellesRezept = index;
    if (FRez)
        Zeige_Rezept();
}

void TFMain::CBKategorieChange()
{
    if (m_bauen)
        return;
    Optionen.Kategoriefilter = CBKategorie->currentIndex() - 1;
    Aktualisiere_Uebersicht();
}

void TFMain::CBUnterkategorieChange()
{
    if (m_bauen)
        return;
    Optionen.Unterkategoriefilter = CBUnterkategorie->currentIndex() > 0 ? CBUnterkategorie->currentText()
                                                                          : QString();
    Zeige_Liste();
}

void TFMain::ESucheChange()
{
    if (m_bauen)
        return;
    Zeige_Liste();
}

void TFMain::MNeuesRezeptClick()
{
    Starte_Rezeptassistent();
}

void TFMain::MRezeptoeffnenClick()
{
    if (Ausgewaehltes_Rezept() >= 0)
        LVRezepteDblClick();
}

void TFMain::MRezeptnachkochenClick()
{
    // Cooks a copy of the selected recipe under its own name at once.
    const qint32 index = Ausgewaehltes_Rezept();
    if (index < 0)
        return;
    const TTRezepteTotal vorlage = RezepteTotal[index];
    Oeffne_Kueche(vorlage, QString(), false, false);
}

// Wired when their windows exist.
void TFMain::MEinheitenClick()
{
    Zeige_Einheiten();
}

void TFMain::MLexikonClick()
{
    Zeige_Lexikon(true, -1, QString());
}

void TFMain::MPRGUpdatestartenClick()
{
    Lade_Programmupdate();
}
void TFMain::MRezeptedownloadenClick()
{
    Verstecke_Werkzeugfenster();
    Zeige_Rezeptdownload();
}
void TFMain::MGrafikendownloadenClick()
{
    Verstecke_Werkzeugfenster();
    Pruefe_Grafikupdate();
}
void TFMain::MDatenbankenupdatenClick()
{
    Verstecke_Werkzeugfenster();
    Aktualisiere_Datenbank();
}
void TFMain::MZutatenverwaltungClick()
{
    Zeige_Zutatenverwaltung();
}
void TFMain::MGesamtzutatendatenbankClick()
{
    Zeige_Gesamtzutatendatenbank();
}
void TFMain::MNachrichtenlesenClick()
{
    Zeige_News(true);
}
void TFMain::MUpdateinformationenmanuelldownloadenClick()
{
    Updateinformationendownloaden1Click();
}
void TFMain::Updateinformationendownloaden1Click()
{
    Lade_Updateinformationen();
}
void TFMain::MUpdatesimInternetClick()
{
    Oeffne_Updateseite();
}

void TFMain::MRezeptUploadClick()
{
    Verstecke_Werkzeugfenster();
    setEnabled(false);
    if (Zeige_Rezeptupload())
        platform::waitWhileVisible(FRezUpload);
    setEnabled(true);
    Zeige_Werkzeugfenster();
}

void TFMain::EmailansTafelwerkstatt1Click()
{
    const QString adresse = Mailadresse(Interneteinstellungen.Kontaktadresse);
    if (!adresse.isEmpty())
        Oeffne_Dokument(this, QStringLiteral("open"), adresse, QString(), QString(), 1);
}

void TFMain::MBeendenClick()
{
    close();
}

void TFMain::MZutatbildanzeigenClick()
{
    Optionen.Zutatbildzeigen = MZutatbildanzeigen->isChecked() ? 1 : 0;
    Zeige_Werkzeugfenster();
}

void TFMain::MTextanzeigeanzeigenClick()
{
    Optionen.Textanzeigezeigen = MTextanzeigeanzeigen->isChecked() ? 1 : 0;
    Zeige_Werkzeugfenster();
}

void TFMain::MRezeptbildanzeigenClick()
{
    Optionen.Rezeptbildzeigen = MRezeptbildanzeigen->isChecked() ? 1 : 0;
    Zeige_Werkzeugfenster();
}

void TFMain::MHilfeanzeigenClick()
{
    Zeige_Hilfe(1);
}

void TFMain::MTippsanzeigenClick()
{
    Zeige_Tipp_immer(AktuellerTipp);
}

void TFMain::MInfoClick()
{
    Zeige_Meldung(QStringLiteral("Tablecraft Works 4.00\n\nYour recipe book: keep, browse, search and edit your "
                                 "recipes, and cook them step by step."),
                  QStringLiteral("About Tablecraft Works"), Knopf_OK);
}

// --- closing ----------------------------------------------------------------------

void TFMain::FormClose(QCloseEvent *event)
{
    if (!ProgrammOK) {
        event->accept();
        return;
    }
    // A waiting set-up closes without the question.
    if (!SetupStarten
        && Zeige_Meldung(QStringLiteral("Exit Tablecraft Works?"), QStringLiteral("Question:"), Knoepfe_Ja_Nein) != Antwort_Ja) {
        Lade_Optionen(Save);
        event->ignore();
        return;
    }
    // The other windows close first, so that one with unsaved work can ask
    // and keep the program open.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w == FMainRezeptbild || w == FMainTextanzeige || w == FMainZutatbild)
            continue;
        QPointer<QWidget> fenster(w);
        w->close();
        if (fenster && fenster->isVisible()) {
            Lade_Optionen(Save);
            event->ignore();
            return;
        }
    }
    Lade_Optionen(Save);
    Verstecke_Werkzeugfenster();
    Starte_Update();
    event->accept();
}

void TFMain::closeEvent(QCloseEvent *event)
{
    FormClose(event);
}

void TFMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    Zeige_Werkzeugfenster();
}

// The tool windows stay beside the main window when it moves or grows.
void TFMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    Platziere_Werkzeugfenster();
}

void TFMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Platziere_Werkzeugfenster();
}

void TFMain::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    // Minimising keeps them (the window system hides tool windows itself).
    if (!event->spontaneous())
        Verstecke_Werkzeugfenster();
}

bool TFMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mitte && event->type() == QEvent::Resize) {
        IBack->setGeometry(m_mitte->rect());
        if (IBack->pixmap().isNull())
            IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    } else if (watched == LVRezepte && event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            LVRezepteDblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- the overview routine ----------------------------------------------------------

void Programmstart(bool reload)
{
    if (reload) {
        // The list shows no stale rows while the files are read.
        if (FMain)
            FMain->Vergiss_Rezepte();
        const QString aktuell = gueltig(AktuellesRezept) ? RezepteTotal[AktuellesRezept].Dateiname : QString();
        // The editor and the wizard hold records of their own; they follow
        // them, not their old positions.
        const bool imEditor = FRez && gueltig(AktuellesRezept) && FRez->Formularrezept() == AktuellesRezept;
        const bool imAssistenten = WizRezept >= 0 && AktuellesRezept == WizRezept;
        if (FRez)
            FRez->Merke_vor_Neuladen();
        Merke_Rezeptassistent_vor_Neuladen();
        if (!Lade_RezeptdateiManager(Load))
            Zeige_Meldung(QStringLiteral("Error in the recipe manager file!"), QStringLiteral("Error:"), Knopf_OK);
        // The list comes from the recipe folder even then; records left
        // unread would be saved over their files as empty recipes.
        Lade_Rezepte(Load, -1);
        AktuellesRezept = -1;
        if (!aktuell.isEmpty()) {
            const QString gesucht = platform::upperCase(aktuell);
            for (qint32 i = 0; i < RezepteTotal.size() && AktuellesRezept < 0; ++i)
                if (platform::upperCase(RezepteTotal[i].Dateiname) == gesucht)
                    AktuellesRezept = i;
        }
        const qint32 editor = FRez ? FRez->Folge_nach_Neuladen() : -1;
        const qint32 assistent = Folge_Rezeptassistent_nach_Neuladen();
        if (imEditor)
            AktuellesRezept = editor;
        else if (imAssistenten)
            AktuellesRezept = assistent;
    }
    if (!FMain)
        return;
    if (reload)
        FMain->Vergiss_Bilder();
    FMain->Aktualisiere_Uebersicht();
}
