#include "reference/F_VAR.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/F_Meldung.h"
#include "reference/Einheiten.h"

TFVAR *FVAR = nullptr;

namespace {
QListWidgetItem *Ankreuzzeile(QListWidget *liste, const QString &text, bool an)
{
    auto *item = new QListWidgetItem(text, liste);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(an ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool Irgendeine_angekreuzt(const QListWidget *liste)
{
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->checkState() == Qt::Checked)
            return true;
    return false;
}
} // namespace

TFVAR::TFVAR(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FVAR"));
    setWindowTitle(QStringLiteral("Edit units and assignments:"));
    resize(760, 500);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
}

void TFVAR::Baue_Felder()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    IBack = new QLabel(this);
    name(IBack, "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    CBKategorie = new QComboBox(this);
    name(CBKategorie, "CBKategorie");
    CLBEinheit = new QListWidget(this);
    name(CLBEinheit, "CLBEinheit");
    CLBEinheit->setToolTip(QStringLiteral("Ticked units are offered in this category"));
    CLBZZuordnung = new QListWidget(this);
    name(CLBZZuordnung, "CLBZZuordnung");
    CLBZZuordnung->setToolTip(QStringLiteral("Ingredient groups the unit is offered for"));
    CLBInhalt = new QListWidget(this);
    name(CLBInhalt, "CLBInhalt");
    CLBInhalt->setToolTip(QStringLiteral("Proposed quantities; right-click to delete marked ones"));
    CLBInhalt->setContextMenuPolicy(Qt::CustomContextMenu);
    PMVar = new QMenu(this);
    name(PMVar, "PMVar");
    PMVAlleMarkieren = PMVar->addAction(QStringLiteral("Mark all"));
    name(PMVAlleMarkieren, "PMVAlleMarkieren");
    PMVMarkierteloeschen = PMVar->addAction(QStringLiteral("Delete marked quantities"));
    name(PMVMarkierteloeschen, "PMVMarkierteloeschen");

    RGZEinkauf = new QGroupBox(QStringLiteral("Shopping list"), this);
    name(RGZEinkauf, "RGZEinkauf");
    RBEinkaufen = new QRadioButton(QStringLiteral("Put on the shopping list"), RGZEinkauf);
    name(RBEinkaufen, "RBEinkaufen");
    RBNichtEinkaufen = new QRadioButton(QStringLiteral("Not on the shopping list"), RGZEinkauf);
    name(RBNichtEinkaufen, "RBNichtEinkaufen");
    m_einkauf = new QButtonGroup(this);
    m_einkauf->addButton(RBEinkaufen, 0);
    m_einkauf->addButton(RBNichtEinkaufen, 1);
    auto *einkauf = new QVBoxLayout(RGZEinkauf);
    einkauf->addWidget(RBEinkaufen);
    einkauf->addWidget(RBNichtEinkaufen);

    CBAll = new QCheckBox(QStringLiteral("Apply to all categories"), this);
    name(CBAll, "CBAll");
    BSpeichern = new QPushButton(QStringLiteral("Save"), this);
    name(BSpeichern, "BSpeichern");
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    name(BAbbrechen, "BAbbrechen");
    BBInfo = new QPushButton(this);
    name(BBInfo, "BBInfo");
    BBInfo->setToolTip(QStringLiteral("Help"));
}

void TFVAR::Baue_Layout()
{
    auto *gitter = new QGridLayout;
    gitter->addWidget(new QLabel(QStringLiteral("Units:"), this), 0, 0);
    gitter->addWidget(new QLabel(QStringLiteral("Ingredient groups:"), this), 0, 1);
    gitter->addWidget(new QLabel(QStringLiteral("Quantities:"), this), 0, 2);
    gitter->addWidget(CLBEinheit, 1, 0);
    gitter->addWidget(CLBZZuordnung, 1, 1);
    gitter->addWidget(CLBInhalt, 1, 2);
    gitter->addWidget(RGZEinkauf, 2, 1);
    gitter->setRowStretch(1, 1);
    auto *oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Category:"), this));
    oben->addWidget(CBKategorie, 1);
    oben->addWidget(CBAll);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BSpeichern);
    knoepfe->addWidget(BAbbrechen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addLayout(gitter, 1);
    haupt->addLayout(knoepfe);
    // "Apply to all categories" stands beside the category: Tab reaches it
    // before the lists.
    setTabOrder(CBKategorie, CBAll);
    setTabOrder(CBAll, CLBEinheit);
}

void TFVAR::Verbinde()
{
    connect(CBKategorie, &QComboBox::currentIndexChanged, this, &TFVAR::CBKategorieChange);
    connect(CLBEinheit, &QListWidget::currentRowChanged, this, &TFVAR::CLBEinheitClick);
    connect(CLBZZuordnung, &QListWidget::currentRowChanged, this, &TFVAR::CLBZZuordnungClick);
    connect(CLBEinheit, &QListWidget::itemChanged, this, &TFVAR::CLBEinheitClickCheck);
    connect(CLBZZuordnung, &QListWidget::itemChanged, this, &TFVAR::CLBZZuordnungClickCheck);
    connect(m_einkauf, &QButtonGroup::idClicked, this, &TFVAR::RGZEinkaufExit);
    connect(CLBInhalt, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        PMVarPopup();
        PMVar->popup(CLBInhalt->viewport()->mapToGlobal(p));
    });
    connect(PMVAlleMarkieren, &QAction::triggered, this, &TFVAR::PMVAlleMarkierenClick);
    connect(PMVMarkierteloeschen, &QAction::triggered, this, &TFVAR::PMVMarkierteloeschenClick);
    connect(BSpeichern, &QPushButton::clicked, this, &TFVAR::BSpeichernClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFVAR::BAbbrechenClick);
    connect(BBInfo, &QPushButton::clicked, this, &TFVAR::BBInfoClick);
}

int TFVAR::Kategorie() const
{
    const int k = Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    return k >= 0 && k < AnzahlKategorien ? k : -1;
}

QString TFVAR::Gewaehlte_Einheit() const
{
    const QListWidgetItem *item = CLBEinheit->currentItem();
    return item ? item->text() : QString();
}

bool TFVAR::Einheit_angeboten() const
{
    const QListWidgetItem *item = CLBEinheit->currentItem();
    return item && item->checkState() == Qt::Checked;
}

QVector<int> TFVAR::Bereich() const
{
    return Einheitenbereich(CBAll->isChecked(), Kategorie());
}

int TFVAR::Markierte_Mengen() const
{
    int n = 0;
    for (int i = 0; i < CLBInhalt->count(); ++i)
        n += CLBInhalt->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return n;
}

void TFVAR::Oeffne()
{
    m_vorher = VariablenTotal[0];
    CBAll->setChecked(false);
    Setze_Fensterfarbe(CBAll);
    Setze_Fensterfarbe(RGZEinkauf);
    BBInfo->setIcon(QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    BBInfo->setText(BBInfo->icon().isNull() ? QStringLiteral("Help") : QString());
    IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    setWindowTitle(QStringLiteral("Edit units and assignments:"));
    {
        const QSignalBlocker s1(CBKategorie), s2(CLBEinheit), s3(CLBZZuordnung), s4(CLBInhalt);
        CLBEinheit->clear();
        CLBZZuordnung->clear();
        CLBInhalt->clear();
        CBKategorie->clear();
        for (const QString &k : Kategorienamen)
            CBKategorie->addItem(k);
        int zeile = 0;
        if (AktuellesRezept >= 0 && AktuellesRezept < RezepteTotal.size()) {
            const int p = Ermittle_Anzeigeposition_aus_Kategorie(RezepteTotal[AktuellesRezept].Kategorie);
            if (p >= 0 && p < AnzahlKategorien)
                zeile = p;
        }
        CBKategorie->setCurrentIndex(zeile);
        for (const QString &e : VariablenTotal[0].Einheiten)
            Ankreuzzeile(CLBEinheit, e.size() >= 2 ? e.mid(1, e.size() - 2) : e, false);
        CLBEinheit->setCurrentRow(0);
    }
    Anzeigen();
    show();
    raise();
    activateWindow();
}

void TFVAR::Anzeigen()
{
    const QSignalBlocker s1(CLBEinheit), s2(CLBZZuordnung), s3(CLBInhalt);
    const int gruppenzeile = CLBZZuordnung->currentRow();
    const int mengenzeile = CLBInhalt->currentRow();
    CLBZZuordnung->clear();
    CLBInhalt->clear();
    m_einkauf->setExclusive(false);
    RBEinkaufen->setChecked(false);
    RBNichtEinkaufen->setChecked(false);
    m_einkauf->setExclusive(true);
    RGZEinkauf->setEnabled(false);
    const int k = Kategorie();
    if (k < 0 || VariablenTotal.isEmpty())
        return;
    TTAEinheit &liste = VariablenTotal[0].Kategorien[k];
    for (int i = 0; i < CLBEinheit->count(); ++i) {
        QListWidgetItem *item = CLBEinheit->item(i);
        item->setCheckState(Einheit_nach_Name(liste, item->text()) ? Qt::Checked : Qt::Unchecked);
    }
    if (!Einheit_angeboten())
        return;
    const TTEinheit *e = Einheit_nach_Name(liste, Gewaehlte_Einheit());
    for (int g = 0; g < AnzahlZutatengruppen; ++g)
        Ankreuzzeile(CLBZZuordnung, Zutatengruppen[g], e->Zuordnung[g]);
    CLBZZuordnung->setCurrentRow(gruppenzeile >= 0 ? gruppenzeile : 0);
    RGZEinkauf->setEnabled(true);
    (e->NichtEinkaufen ? RBNichtEinkaufen : RBEinkaufen)->setChecked(true);
    if (CLBZZuordnung->currentItem()->checkState() != Qt::Checked)
        return;
    for (const QString &m : e->Mengentabelle)
        Ankreuzzeile(CLBInhalt, m, false);
    if (CLBInhalt->count() > 0)
        CLBInhalt->setCurrentRow(mengenzeile >= 0 && mengenzeile < CLBInhalt->count() ? mengenzeile : 0);
}

void TFVAR::CBKategorieChange()
{
    Anzeigen();
}

void TFVAR::CLBEinheitClick()
{
    Anzeigen();
}

void TFVAR::CLBZZuordnungClick()
{
    Anzeigen();
}

void TFVAR::CLBEinheitClickCheck(QListWidgetItem *item)
{
    if (!item)
        return;
    {
        const QSignalBlocker sperre(CLBEinheit);
        CLBEinheit->setCurrentItem(item);
    }
    // The last offered unit of a category stays: the display checks it again.
    if (Irgendeine_angekreuzt(CLBEinheit))
        Biete_Einheit_an(VariablenTotal[0], Bereich(), item->text(), item->checkState() == Qt::Checked);
    Anzeigen();
}

void TFVAR::CLBZZuordnungClickCheck(QListWidgetItem *item)
{
    if (!item)
        return;
    {
        const QSignalBlocker sperre(CLBZZuordnung);
        CLBZZuordnung->setCurrentItem(item);
    }
    if (Irgendeine_angekreuzt(CLBZZuordnung))
        Ordne_Gruppe_zu(VariablenTotal[0], Bereich(), Gewaehlte_Einheit(), CLBZZuordnung->row(item),
                        item->checkState() == Qt::Checked);
    Anzeigen();
}

void TFVAR::RGZEinkaufExit()
{
    if (!RGZEinkauf->isEnabled() || !Einheit_angeboten() || m_einkauf->checkedId() < 0)
        return;
    Setze_Einkauf(VariablenTotal[0], Bereich(), Gewaehlte_Einheit(), quint8(m_einkauf->checkedId()));
    Anzeigen();
}

void TFVAR::PMVarPopup()
{
    PMVAlleMarkieren->setEnabled(false);
    PMVMarkierteloeschen->setEnabled(false);
    if (CLBInhalt->currentRow() < 0)
        return;
    PMVAlleMarkieren->setEnabled(CLBInhalt->count() > 2);
    PMVMarkierteloeschen->setEnabled(Mengen_loeschbar(CLBInhalt->count(), Markierte_Mengen()));
}

void TFVAR::PMVAlleMarkierenClick()
{
    if (CLBInhalt->currentRow() < 0 || CLBInhalt->count() < 3)
        return;
    for (int i = 0; i < CLBInhalt->count(); ++i)
        CLBInhalt->item(i)->setCheckState(i >= 2 ? Qt::Checked : Qt::Unchecked);
}

void TFVAR::PMVMarkierteloeschenClick()
{
    const int k = Kategorie();
    if (k < 0 || CLBInhalt->currentRow() < 0 || CLBEinheit->currentRow() < 0 || CLBZZuordnung->currentRow() < 0
        || !Mengen_loeschbar(CLBInhalt->count(), Markierte_Mengen()))
        return;
    TTEinheit *e = Einheit_nach_Name(VariablenTotal[0].Kategorien[k], Gewaehlte_Einheit());
    if (!e)
        return;
    QVector<int> markiert;
    for (int i = 0; i < CLBInhalt->count(); ++i)
        if (CLBInhalt->item(i)->checkState() == Qt::Checked)
            markiert << i;
    Loesche_Mengen(*e, markiert);
    Anzeigen();
}

void TFVAR::BSpeichernClick()
{
    const QList<TEinheitenmeldung> meldungen = Pruefe_Einheiten(VariablenTotal[0]);
    if (!meldungen.isEmpty()) {
        setEnabled(false);
        for (const TEinheitenmeldung &m : meldungen)
            Zeige_Meldung(m.Text, m.Ueberschrift, Knopf_OK);
        setEnabled(true);
        return;
    }
    // A failed write has been reported; the window stays open with the edits.
    if (!Lade_Variablenlisten(Save))
        return;
    Lade_Variablenlisten(Load);
    m_vorher.reset();
    setEnabled(false);
    Zeige_Meldung(QStringLiteral("Data were saved successfully!"), QStringLiteral("Note:"), Knopf_OK);
    setEnabled(true);
    close();
}

void TFVAR::BAbbrechenClick()
{
    close();
}

void TFVAR::BBInfoClick()
{
    Zeige_Hilfe(10);
}

void TFVAR::FormClose()
{
    // Edits that were not saved are undone, so that neither the recipe
    // editor nor a later save sees a list that never passed the checks.
    if (m_vorher && !VariablenTotal.isEmpty())
        VariablenTotal[0] = *m_vorher;
    m_vorher.reset();
    hide();
}

void TFVAR::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

void TFVAR::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        BBInfoClick();
    else if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFVAR::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

void Zeige_Einheiten()
{
    if (!FVAR || VariablenTotal.isEmpty())
        return;
    // A second call while it is open must not forget the list to go back to.
    if (FVAR->isVisible()) {
        FVAR->raise();
        FVAR->activateWindow();
        return;
    }
    FVAR->Oeffne();
}
