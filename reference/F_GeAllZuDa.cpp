#include "reference/F_GeAllZuDa.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Pictures.h"
#include "recipes/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "recipes/F_Meldung.h"
#include "recipes/F_Warten.h"
#include "reference/F_Lex.h"
#include "reference/Zutatensuche.h"

TZutatentotal GesamtZutaten;
TFGeAllZuDa *FGeAllZuDa = nullptr;

namespace {

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QSet<QString> Namen(const TZutatentotal &zutaten)
{
    QSet<QString> namen;
    for (const TTZutatentotal &z : zutaten)
        if (!z.Zutatname.isEmpty())
            namen.insert(platform::upperCase(z.Zutatname));
    return namen;
}

} // namespace

qint32 Entferne_vorhandene_Zutaten(TZutatentotal &gesamt, const TZutatentotal &eigene)
{
    const QSet<QString> vorhanden = Namen(eigene);
    qint32 uebrig = 0;
    for (TTZutatentotal &z : gesamt) {
        if (vorhanden.contains(platform::upperCase(z.Zutatname)))
            z.Zutatname.clear();
        if (!z.Zutatname.isEmpty())
            ++uebrig;
    }
    return uebrig;
}

qint32 Uebernimm_Zutaten(TZutatentotal &eigene, TZutatentotal &gesamt, const QVector<qint32> &indexe)
{
    QSet<QString> vorhanden = Namen(eigene);
    qint32 n = 0;
    for (qint32 i : indexe) {
        if (i < 0 || i >= gesamt.size() || gesamt[i].Zutatname.isEmpty())
            continue;
        const QString gross = platform::upperCase(gesamt[i].Zutatname);
        if (!vorhanden.contains(gross)) {
            TTZutatentotal neu = gesamt[i];
            neu.Status = 1;
            neu.Listenposition = -1;
            neu.Suchlistenposition = -1;
            eigene.append(neu);
            vorhanden.insert(gross);
            ++n;
        }
        gesamt[i].Zutatname.clear();
    }
    return n;
}

TFGeAllZuDa::TFGeAllZuDa(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FGeAllZuDa"));
    setWindowTitle(QStringLiteral("Import ingredients from the global ingredient database:"));
    resize(560, 520);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menue();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(this, {
        {QStringLiteral("ESuche"), QStringLiteral("Search ingredients")},
        {QStringLiteral("CBZart"), QStringLiteral("Show one ingredient group")},
        {QStringLiteral("BImportieren"), QStringLiteral("Take the ticked ingredients into your database")},
        {QStringLiteral("BAlle"), QStringLiteral("Tick every ingredient")},
        {QStringLiteral("BZurueck"), QStringLiteral("Save and close")},
        {QStringLiteral("BBInfo"), QStringLiteral("Help")},
    });
}

void TFGeAllZuDa::Baue_Felder()
{
    IBack = benannt(new QLabel(this), "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    ESuche = benannt(new QLineEdit(this), "ESuche");
    CBZart = benannt(new QComboBox(this), "CBZart");
    CBMarke = benannt(new QComboBox(this), "CBMarke");
    CLBZutat = benannt(new QListWidget(this), "CLBZutat");
    CLBZutat->setContextMenuPolicy(Qt::CustomContextMenu);
    IZutat = benannt(new QLabel(this), "IZutat");
    IZutat->setFixedSize(96, 96);
    IZutat->setScaledContents(true);
    BImportieren = benannt(new QPushButton(QStringLiteral("Import"), this), "BImportieren");
    BAlle = benannt(new QPushButton(QStringLiteral("Mark all"), this), "BAlle");
    BZurueck = benannt(new QPushButton(QStringLiteral("Back"), this), "BZurueck");
    BBInfo = benannt(new QPushButton(QStringLiteral("Help"), this), "BBInfo");
}

void TFGeAllZuDa::Baue_Menue()
{
    PMFGE = benannt(new QMenu(this), "PMFGE");
    auto eintrag = [this](const char *name, const QString &text) { return benannt(PMFGE->addAction(text), name); };
    PMMarkierteimportieren = eintrag("PMMarkierteimportieren", QStringLiteral("Import selected ingredients"));
    PMAlleMarkieren = eintrag("PMAlleMarkieren", QStringLiteral("Select all"));
    PMAuswahlaufheben = eintrag("PMAuswahlaufheben", QStringLiteral("Clear selection"));
    PMFGE->addSeparator();
    PMSucheingabenzuruecksetzen = eintrag("PMSucheingabenzuruecksetzen", QStringLiteral("Reset search"));
    PMHerdfibel = eintrag("PMHerdfibel", QStringLiteral("Cooking dictionary..."));
    PMHilfe = eintrag("PMHilfe", QStringLiteral("Help"));
    PMImportbeenden = eintrag("PMImportbeenden", QStringLiteral("Close"));
}

void TFGeAllZuDa::Baue_Layout()
{
    auto *filter = new QHBoxLayout;
    filter->addWidget(CBZart, 1);
    filter->addWidget(CBMarke, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(IZutat);
    rechts->addWidget(BImportieren);
    rechts->addWidget(BAlle);
    rechts->addStretch(1);
    rechts->addWidget(BBInfo);
    rechts->addWidget(BZurueck);
    auto *gitter = new QGridLayout(this);
    gitter->addWidget(ESuche, 0, 0);
    gitter->addLayout(filter, 1, 0);
    gitter->addWidget(CLBZutat, 2, 0);
    gitter->addLayout(rechts, 0, 1, 3, 1);
    gitter->setRowStretch(2, 1);
}

void TFGeAllZuDa::Verbinde()
{
    connect(ESuche, &QLineEdit::textChanged, this, &TFGeAllZuDa::Suche);
    connect(CBZart, &QComboBox::currentIndexChanged, this, &TFGeAllZuDa::Suche);
    connect(CBMarke, &QComboBox::currentIndexChanged, this, &TFGeAllZuDa::Suche);
    connect(CLBZutat, &QListWidget::currentRowChanged, this, &TFGeAllZuDa::CLBZutatClick);
    connect(CLBZutat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PMFGE->popup(CLBZutat->viewport()->mapToGlobal(p)); });
    connect(PMFGE, &QMenu::aboutToShow, this, &TFGeAllZuDa::PMFGEPopup);
    connect(BImportieren, &QPushButton::clicked, this, &TFGeAllZuDa::BImportierenClick);
    connect(BAlle, &QPushButton::clicked, this, &TFGeAllZuDa::BAlleClick);
    connect(BZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(5); });
    connect(PMMarkierteimportieren, &QAction::triggered, this, &TFGeAllZuDa::BImportierenClick);
    connect(PMAlleMarkieren, &QAction::triggered, this, &TFGeAllZuDa::BAlleClick);
    connect(PMAuswahlaufheben, &QAction::triggered, this, &TFGeAllZuDa::PMAuswahlaufhebenClick);
    connect(PMSucheingabenzuruecksetzen, &QAction::triggered, this, &TFGeAllZuDa::PMSucheingabenzuruecksetzenClick);
    connect(PMHerdfibel, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });
    connect(PMHilfe, &QAction::triggered, this, [] { Zeige_Hilfe(5); });
    connect(PMImportbeenden, &QAction::triggered, this, &QWidget::close);
}

void TFGeAllZuDa::Vorbereiten()
{
    IBack->setPixmap(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\")
                                          + Hintergrundgrafik));
    BBInfo->setIcon(QIcon(platform::loadPixmap(Programmverzeichnis
                                               + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    {
        const QSignalBlocker m(CBMarke), z(CBZart), s(ESuche);
        CBMarke->clear();
        CBMarke->addItem(QStringLiteral("Ingredients of all makes"));
        CBZart->clear();
        CBZart->addItem(QStringLiteral("All ingredients"));
        for (const QString &g : Zutatengruppen)
            CBZart->addItem(g);
        CBMarke->setCurrentIndex(0);
        CBZart->setCurrentIndex(0);
        ESuche->clear();
    }
    IZutat->clear();
    CLBZutat->clear();
    Suche();
}

void TFGeAllZuDa::Suche()
{
    TZutatensuchart art;
    const int gruppe = CBZart->currentIndex() - 1;
    art.Ausgeschlossen = [gruppe](const TTZutatentotal &z) { return gruppe >= 0 && z.Kategorie != gruppe; };
    Zeige_Zutatensuche(CLBZutat, GesamtZutaten, ESuche->text(), art, true);
    CLBZutatClick();
}

void TFGeAllZuDa::CLBZutatClick()
{
    const qint32 i = Zutat_in_Zeile(GesamtZutaten, CLBZutat->currentRow());
    if (i < 0 || !Lade_Zutatengrafik(IZutat, GesamtZutaten[i]))
        IZutat->clear();
}

qint32 TFGeAllZuDa::Markierte() const
{
    qint32 n = 0;
    for (int i = 0; i < CLBZutat->count(); ++i)
        if (CLBZutat->item(i)->checkState() == Qt::Checked)
            ++n;
    return n;
}

void TFGeAllZuDa::Markiere_alle(bool an)
{
    const QSignalBlocker sperre(CLBZutat);
    for (int i = 0; i < CLBZutat->count(); ++i)
        CLBZutat->item(i)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

void TFGeAllZuDa::BAlleClick()
{
    Markiere_alle(true);
}

void TFGeAllZuDa::PMAuswahlaufhebenClick()
{
    Markiere_alle(false);
}

void TFGeAllZuDa::BImportierenClick()
{
    QVector<qint32> indexe;
    for (int zeile = 0; zeile < CLBZutat->count(); ++zeile)
        if (CLBZutat->item(zeile)->checkState() == Qt::Checked)
            indexe.append(Zutat_in_Zeile(GesamtZutaten, zeile));
    if (indexe.isEmpty())
        return;
    Uebernimm_Zutaten(Zutatentotal, GesamtZutaten, indexe);
    Suche();
}

void TFGeAllZuDa::PMSucheingabenzuruecksetzenClick()
{
    {
        const QSignalBlocker m(CBMarke), z(CBZart), s(ESuche);
        ESuche->clear();
        CBZart->setCurrentIndex(0);
        CBMarke->setCurrentIndex(0);
    }
    Suche();
}

void TFGeAllZuDa::PMFGEPopup()
{
    const qint32 markiert = Markierte();
    const bool gefuellt = CLBZutat->count() > 0;
    PMMarkierteimportieren->setEnabled(gefuellt && markiert > 0);
    PMAuswahlaufheben->setEnabled(gefuellt && markiert > 0);
    PMAlleMarkieren->setEnabled(gefuellt && markiert != CLBZutat->count());
    PMSucheingabenzuruecksetzen->setEnabled(true);
    PMImportbeenden->setEnabled(true);
    PMHerdfibel->setEnabled(true);
}

void TFGeAllZuDa::FormClose()
{
    GesamtZutaten.clear();
    Lade_Zutaten(Save);
    Lade_Zutaten(Load);
    hide();
}

void TFGeAllZuDa::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

void TFGeAllZuDa::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFGeAllZuDa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

void Zeige_Gesamtzutatendatenbank()
{
    if (!FGeAllZuDa)
        return;
    Aufbereitungsfenster_Auf(FMain, 0, QStringLiteral("Loading whole ingredient database..."));
    GesamtZutaten.clear();
    auto abbrechen = [](const QString &text, const QString &ueberschrift) {
        GesamtZutaten.clear();
        Aufbereitungsfenster_Zu(0);
        Zeige_Meldung(text, ueberschrift, 0);
    };
    // The user's database first: a complete copy to fall back on, so that
    // Zutatentotal never keeps the global database after a failed load.
    if (!Lade_Zutaten(Load | Alle))
        return abbrechen(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"));
    const TZutatentotal eigene = Zutatentotal;
    if (!Lade_Zutaten(Load | Alle, QStringLiteral("Lebensmittel_ALL.hbr"))) {
        Lade_Zutaten(Load);
        return abbrechen(QStringLiteral("The global ingredient database could not be read!"),
                         QStringLiteral("Error:"));
    }
    GesamtZutaten = Zutatentotal;
    if (!Lade_Zutaten(Load | Alle)) {
        Zutatentotal = eigene;
        return abbrechen(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"));
    }
    if (Entferne_vorhandene_Zutaten(GesamtZutaten, Zutatentotal) == 0) {
        Lade_Zutaten(Load);
        return abbrechen(QStringLiteral("No new ingredients found!"), QStringLiteral("Note:"));
    }
    FGeAllZuDa->Vorbereiten();
    Aufbereitungsfenster_Zu(0);
    FGeAllZuDa->show();
    FGeAllZuDa->raise();
    FGeAllZuDa->activateWindow();
}
