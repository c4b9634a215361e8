#include "recipes/F_Wiz.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "interactive/F_IAMain.h"
#include "platform/Colors.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/Fensterlage.h"
#include "recipes/F_Rez.h"
#include "recipes/F_DigI.h"
#include "recipes/Rezeptspeicher.h"
#include "reference/Texteingabe.h"

TFWiz01 *FWiz01 = nullptr;
TFWiz02 *FWiz02 = nullptr;
TFWiz03 *FWiz03 = nullptr;
TFWiz04 *FWiz04 = nullptr;
TFWiz05 *FWiz05 = nullptr;
TFWiz06 *FWiz06 = nullptr;
qint32 WizRezept = -1;

namespace {

// The file name the wizard gave its record: WizRezept counts only while the
// record there still has it, so a stale index never reaches another recipe.
QString Wizarddatei;
bool WizardGemerkt = false;
TTRezepteTotal WizardVorNeuladen;

bool Gleiche_Datei(const QString &a, const QString &b)
{
    return !a.isEmpty() && platform::sameIgnoringCase(a, b);
}

TTRezepteTotal *Wizardrezept()
{
    if (WizRezept < 0 || WizRezept >= RezepteTotal.size()
        || !Gleiche_Datei(RezepteTotal[WizRezept].Dateiname, Wizarddatei))
        return nullptr;
    return &RezepteTotal[WizRezept];
}

void Setze_Wizarddatei(TTRezepteTotal &r, const QString &datei)
{
    r.Dateiname = datei;
    Wizarddatei = datei;
}

bool Speicherbar(const QString &feld, const QString &text)
{
    const QString fremd = Nicht_speicherbare_Zeichen(text);
    if (fremd.isEmpty())
        return true;
    Zeige_Meldung(Fremdzeichenmeldung(feld, fremd), QStringLiteral("Note:"), Knopf_OK);
    return false;
}

bool Kopf_vollstaendig(const QString &name, qint32 kategorie)
{
    switch (Pruefe_Rezeptkopf(name, kategorie)) {
    case TRezeptkopf::Vollstaendig:
        return true;
    case TRezeptkopf::Ohne_Name:
        Zeige_Meldung(QStringLiteral("Please enter a name for the recipe!"), QStringLiteral("Note:"), Knopf_OK);
        return false;
    case TRezeptkopf::Ohne_Kategorie:
        Zeige_Meldung(QStringLiteral("Please choose a category for the recipe!"), QStringLiteral("Note:"), Knopf_OK);
        return false;
    }
    return false;
}

// The record saved as the editor saves it from its fields; the other
// windows' messages on the way are the editor's, as they were.
bool Speichere_Wizardrezept()
{
    TTRezepteTotal neu = RezepteTotal[WizRezept];
    Bereinige_Rezeptfelder(neu);
    if (!Kopf_vollstaendig(neu.Rezeptname, neu.Kategorie))
        return false;
    if (const QString meldung = Pruefe_Rezeptzeichen(neu); !meldung.isEmpty()) {
        Zeige_Meldung(meldung, QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    const TSpeicherergebnis e = Speichere_Rezeptsatz(WizRezept, neu, Anzeigeschrift(Optionen.Schrift2));
    if (const QString meldung = Speichermeldung(e); !meldung.isEmpty())
        Zeige_Meldung(meldung, QStringLiteral("Error:"), Knopf_OK);
    if (!e.Gespeichert())
        return false;
    Programmstart(false);
    FRez->Rezept_gespeichert(WizRezept);
    return true;
}

QStringList Zeilen(const QPlainTextEdit *memo)
{
    QStringList l = memo->toPlainText().split(QLatin1Char('\n'));
    while (!l.isEmpty() && l.last().trimmed().isEmpty())
        l.removeLast();
    return l;
}

// Hint texts of a step: its own controls and the buttons every step has.
void Registriere_Hinweise(QWidget *schritt, QHash<QString, QString> hinweise)
{
    hinweise.insert(QStringLiteral("BZurueck"), QStringLiteral("Back to the previous step"));
    hinweise.insert(QStringLiteral("BWeiter"), QStringLiteral("On to the next step"));
    hinweise.insert(QStringLiteral("BAbbrechen"), QStringLiteral("Discard the new recipe"));
    Registriere_Tooltipps(schritt, hinweise);
}

QList<TFWizBasis *> Alle_Schritte()
{
    return {FWiz01, FWiz02, FWiz03, FWiz04, FWiz05, FWiz06};
}

} // namespace

// --- the shared frame --------------------------------------------------------

TFWizBasis::TFWizBasis(const QString &objektname, const QString &titel, const QString &erklaerung, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objektname);
    setWindowTitle(QStringLiteral("New recipe: ") + titel);
    setWindowModality(Qt::ApplicationModal);
    resize(640, 460);
    Setze_Fensterfarbe(this);

    LTitel = new QLabel(titel, this);
    LTitel->setObjectName(QStringLiteral("LTitel"));
    QFont f = LTitel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    LTitel->setFont(f);
    LErklaerung = new QLabel(erklaerung, this);
    LErklaerung->setObjectName(QStringLiteral("LErklaerung"));
    LErklaerung->setWordWrap(true);
    IWizard = new QLabel(this);
    IWizard->setObjectName(QStringLiteral("IWizard"));
    IWizard->setFixedSize(160, 160);
    IWizard->setAlignment(Qt::AlignCenter);
    BZurueck = new QPushButton(QStringLiteral("< Back"), this);
    BZurueck->setObjectName(QStringLiteral("BZurueck"));
    BWeiter = new QPushButton(QStringLiteral("Next >"), this);
    BWeiter->setObjectName(QStringLiteral("BWeiter"));
    BWeiter->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));

    Inhalt = new QVBoxLayout;
    auto *links = new QVBoxLayout;
    links->addWidget(IWizard);
    links->addStretch();
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(LTitel);
    rechts->addWidget(LErklaerung);
    rechts->addLayout(Inhalt, 1);
    auto *mitte = new QHBoxLayout;
    mitte->addLayout(links);
    mitte->addLayout(rechts, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BZurueck);
    knoepfe->addWidget(BWeiter);
    knoepfe->addSpacing(16);
    knoepfe->addWidget(BAbbrechen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(mitte, 1);
    haupt->addLayout(knoepfe);

    // the virtual handlers are the steps' own
    connect(BZurueck, &QPushButton::clicked, this, [this] { BZurueckClick(); });
    connect(BWeiter, &QPushButton::clicked, this, [this] { BWeiterClick(); });
    connect(BAbbrechen, &QPushButton::clicked, this, &TFWizBasis::BAbbrechenClick);
}

void TFWizBasis::Zeige_Schritt()
{
    Zeige_Kategoriegrafik();
    m_hintergrund = platform::loadPixmap(Hintergrunddatei());
    Nach_vorne(this);
}

void TFWizBasis::Zeige_Kategoriegrafik()
{
    qint32 kategorie = 0;
    if (const TTRezepteTotal *r = Wizardrezept())
        kategorie = r->Kategorie;
    if (this == FWiz01 && FWiz01->CBKategorie->currentIndex() >= 0)
        kategorie = Ermittle_Kategorie_aus_Anzeigeposition(FWiz01->CBKategorie->currentIndex());
    const QPixmap bild = platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\Wizard_")
                                              + QString::number(kategorie) + QStringLiteral(".PNG"));
    if (bild.isNull())
        IWizard->clear();
    else
        IWizard->setPixmap(bild.scaled(IWizard->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFWizBasis::Wechsle_zu(TFWizBasis *ziel)
{
    if (!ziel)
        return;
    ziel->setGeometry(geometry());
    ziel->Zeige_Schritt();
    hide();
}

void TFWizBasis::BZurueckClick() {}

void TFWizBasis::BWeiterClick() {}

void TFWizBasis::BAbbrechenClick()
{
    if (WizRezept >= 0
        && Zeige_Meldung(QStringLiteral("Do you want to cancel the new recipe? The data entered will be lost!"),
                         QStringLiteral("Question:"), Knoepfe_Ja_Nein)
               != Antwort_Ja)
        return;
    Breche_Rezeptassistent_ab();
}

void TFWizBasis::closeEvent(QCloseEvent *event)
{
    // the close box is Cancel
    if (ProgrammOK && isVisible()) {
        event->ignore();
        BAbbrechenClick();
        return;
    }
    event->accept();
}

// Enter is Next (Finish on the last step), Escape is Cancel, F1 help.
void TFWizBasis::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        Zeige_Hilfe(8);
    else if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFWizBasis::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), platform::fromTColor(Fensterfarbe));
    if (!m_hintergrund.isNull())
        p.drawPixmap(rect(), m_hintergrund);
}

// --- step 1 -----------------------------------------------------------

TFWiz01::TFWiz01(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz01"), QStringLiteral("Name and category"),
                 QStringLiteral("Step 1 of 6: Give the new recipe a name and choose its category."), parent)
{
    ERezeptname = new QLineEdit(this);
    ERezeptname->setObjectName(QStringLiteral("ERezeptname"));
    CBKategorie = new QComboBox(this);
    CBKategorie->setObjectName(QStringLiteral("CBKategorie"));
    for (const QString &k : Kategorienamen)
        CBKategorie->addItem(k);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Recipe name:"), ERezeptname);
    form->addRow(QStringLiteral("Category:"), CBKategorie);
    Inhalt->addLayout(form);
    Inhalt->addStretch();
    BZurueck->setEnabled(false);
    connect(CBKategorie, &QComboBox::currentIndexChanged, this, &TFWiz01::CBKategorieChange);
    Registriere_Hinweise(this, {{QStringLiteral("ERezeptname"), QStringLiteral("Name of the new recipe")},
                                {QStringLiteral("CBKategorie"), QStringLiteral("Category of the new recipe")}});
}

void TFWiz01::Zeige_Schritt()
{
    TFWizBasis::Zeige_Schritt();
    ERezeptname->setFocus();
}

void TFWiz01::CBKategorieChange()
{
    Zeige_Kategoriegrafik();
}

void TFWiz01::BWeiterClick()
{
    const QString name = ERezeptname->text().trimmed();
    const qint32 kategorie =
        CBKategorie->currentIndex() < 0 ? -1 : Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    if (!Kopf_vollstaendig(name, kategorie))
        return;
    if (!Speicherbar(QStringLiteral("Recipe name"), name))
        return;
    if (!Wizardrezept()) {
        RezepteTotal.append(TTRezepteTotal());
        WizRezept = RezepteTotal.size() - 1;
        Initialisiere_Rezept(WizRezept);
    }
    TTRezepteTotal &r = RezepteTotal[WizRezept];
    r.Rezeptname = name;
    Setze_Rezeptkategorie(r, kategorie);
    Setze_Wizarddatei(r, Freier_Rezeptdateiname(Rezept_Dateiname(name, kategorie), WizRezept));
    AktuellesRezept = WizRezept;
    Wechsle_zu(FWiz02);
}

// --- step 2 -----------------------------------------------------------

TFWiz02::TFWiz02(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz02"), QStringLiteral("Servings and time"),
                 QStringLiteral("Step 2 of 6: For how many servings is the recipe, how long does it take and how "
                                "difficult is it?"),
                 parent)
{
    EPortionen = new QLineEdit(this);
    EPortionen->setObjectName(QStringLiteral("EPortionen"));
    EPortionen->setPlaceholderText(QStringLiteral("e.g. 4 persons"));
    EZubereitungszeit = new QLineEdit(this);
    EZubereitungszeit->setObjectName(QStringLiteral("EZubereitungszeit"));
    EZubereitungszeit->setPlaceholderText(QStringLiteral("e.g. 45 minutes"));
    CBSchwierigkeit = new QComboBox(this);
    CBSchwierigkeit->setObjectName(QStringLiteral("CBSchwierigkeit"));
    CBSchwierigkeit->addItems({QStringLiteral("not stated"), QStringLiteral("1 (very easy)"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5 (demanding)")});
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Servings:"), EPortionen);
    form->addRow(QStringLiteral("Preparation time:"), EZubereitungszeit);
    form->addRow(QStringLiteral("Difficulty:"), CBSchwierigkeit);
    Inhalt->addLayout(form);
    Inhalt->addStretch();
    Registriere_Hinweise(this, {{QStringLiteral("EPortionen"), QStringLiteral("Number of servings, e.g. 4 persons")},
                                {QStringLiteral("EZubereitungszeit"), QStringLiteral("Preparation time")},
                                {QStringLiteral("CBSchwierigkeit"), QStringLiteral("Difficulty from 1 to 5")}});
}

void TFWiz02::Zeige_Schritt()
{
    if (const TTRezepteTotal *r = Wizardrezept()) {
        EPortionen->setText(r->Portionen);
        EZubereitungszeit->setText(r->Zubereitungszeit);
        CBSchwierigkeit->setCurrentIndex(r->Schwierigkeit >= 1 && r->Schwierigkeit <= 5 ? r->Schwierigkeit : 0);
    }
    TFWizBasis::Zeige_Schritt();
    EPortionen->setFocus();
}

void TFWiz02::Uebernehme()
{
    if (TTRezepteTotal *r = Wizardrezept()) {
        r->Portionen = EPortionen->text().trimmed();
        r->Zubereitungszeit = EZubereitungszeit->text().trimmed();
        r->Schwierigkeit = CBSchwierigkeit->currentIndex() >= 1 ? CBSchwierigkeit->currentIndex() : -1;
    }
}

void TFWiz02::BZurueckClick()
{
    Uebernehme();
    Wechsle_zu(FWiz01);
}

void TFWiz02::BWeiterClick()
{
    Uebernehme();
    Wechsle_zu(FWiz03);
}

// --- step 3 -----------------------------------------------------------

TFWiz03::TFWiz03(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz03"), QStringLiteral("Cooking devices and sub-categories"),
                 QStringLiteral("Step 3 of 6: Tick the cooking devices the recipe needs. Sub-categories are "
                                "optional words, separated by commas."),
                 parent)
{
    CLBKochgeraete = new QListWidget(this);
    CLBKochgeraete->setObjectName(QStringLiteral("CLBKochgeraete"));
    for (size_t i = 1; i < Kochgeraetenamen.size(); ++i) {
        auto *item = new QListWidgetItem(Kochgeraetenamen[i], CLBKochgeraete);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    EUnterkategorien = new QLineEdit(this);
    EUnterkategorien->setObjectName(QStringLiteral("EUnterkategorien"));
    Inhalt->addWidget(new QLabel(QStringLiteral("Cooking devices:"), this));
    Inhalt->addWidget(CLBKochgeraete, 1);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Sub-categories:"), EUnterkategorien);
    Inhalt->addLayout(form);
    Registriere_Hinweise(this, {{QStringLiteral("CLBKochgeraete"), QStringLiteral("Tick the cooking devices needed")},
                                {QStringLiteral("EUnterkategorien"), QStringLiteral("Sub-categories, separated by commas")}});
}

void TFWiz03::Zeige_Schritt()
{
    if (const TTRezepteTotal *r = Wizardrezept()) {
        const QStringList geraete = r->Kochgeraete.split(QLatin1Char(','));
        for (int i = 0; i < CLBKochgeraete->count(); ++i) {
            QListWidgetItem *item = CLBKochgeraete->item(i);
            item->setCheckState(geraete.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        }
        EUnterkategorien->setText(r->Unterkategorien);
    }
    TFWizBasis::Zeige_Schritt();
}

void TFWiz03::Uebernehme()
{
    TTRezepteTotal *r = Wizardrezept();
    if (!r)
        return;
    QString geraete;
    for (int i = 0; i < CLBKochgeraete->count(); ++i)
        if (CLBKochgeraete->item(i)->checkState() == Qt::Checked)
            geraete += CLBKochgeraete->item(i)->text() + QLatin1Char(',');
    r->Kochgeraete = geraete;
    r->Unterkategorien = EUnterkategorien->text().trimmed();
}

void TFWiz03::BZurueckClick()
{
    Uebernehme();
    Wechsle_zu(FWiz02);
}

void TFWiz03::BWeiterClick()
{
    Uebernehme();
    Wechsle_zu(FWiz04);
}

// --- step 4 -----------------------------------------------------------

TFWiz04::TFWiz04(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz04"), QStringLiteral("Recipe picture"),
                 QStringLiteral("Step 4 of 6: Choose a picture of the dish, if you have one."), parent)
{
    IRezeptgrafik = new QLabel(this);
    IRezeptgrafik->setObjectName(QStringLiteral("IRezeptgrafik"));
    IRezeptgrafik->setFixedSize(280, 210);
    IRezeptgrafik->setAlignment(Qt::AlignCenter);
    IRezeptgrafik->setFrameShape(QFrame::StyledPanel);
    BRezeptgrafik = new QPushButton(QStringLiteral("Choose picture..."), this);
    BRezeptgrafik->setObjectName(QStringLiteral("BRezeptgrafik"));
    BRezeptgrafikloeschen = new QPushButton(QStringLiteral("No picture"), this);
    BRezeptgrafikloeschen->setObjectName(QStringLiteral("BRezeptgrafikloeschen"));
    Inhalt->addWidget(IRezeptgrafik, 0, Qt::AlignHCenter);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BRezeptgrafik);
    knoepfe->addWidget(BRezeptgrafikloeschen);
    knoepfe->addStretch();
    Inhalt->addLayout(knoepfe);
    Inhalt->addStretch();
    connect(BRezeptgrafik, &QPushButton::clicked, this, &TFWiz04::BRezeptgrafikClick);
    connect(BRezeptgrafikloeschen, &QPushButton::clicked, this, &TFWiz04::BRezeptgrafikloeschenClick);
    Registriere_Hinweise(this, {{QStringLiteral("BRezeptgrafik"), QStringLiteral("Load a picture of the dish")},
                                {QStringLiteral("BRezeptgrafikloeschen"), QStringLiteral("Remove the picture")}});
}

void TFWiz04::Zeige_Grafik()
{
    const TTRezepteTotal *r = Wizardrezept();
    const QPixmap bild = r ? Lade_Rezeptgrafik(r->Rezeptgrafik) : QPixmap();
    if (bild.isNull()) {
        IRezeptgrafik->clear();
        IRezeptgrafik->setText(QStringLiteral("(no picture)"));
    } else {
        IRezeptgrafik->setPixmap(bild.scaled(IRezeptgrafik->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void TFWiz04::Zeige_Schritt()
{
    Zeige_Grafik();
    TFWizBasis::Zeige_Schritt();
}

void TFWiz04::BRezeptgrafikClick()
{
    QString eintrag;
    TTRezepteTotal *r = Wizardrezept();
    if (r && Waehle_Rezeptgrafik(this, eintrag)) {
        r->Rezeptgrafik = eintrag;
        Zeige_Grafik();
    }
}

void TFWiz04::BRezeptgrafikloeschenClick()
{
    if (TTRezepteTotal *r = Wizardrezept())
        r->Rezeptgrafik.clear();
    Zeige_Grafik();
}

void TFWiz04::BZurueckClick()
{
    Wechsle_zu(FWiz03);
}

void TFWiz04::BWeiterClick()
{
    Wechsle_zu(FWiz05);
}

// --- step 5 -----------------------------------------------------------

TFWiz05::TFWiz05(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz05"), QStringLiteral("Ingredients and instructions"),
                 QStringLiteral("Step 5 of 6: Type or paste the ingredients, one a line (for example \"200 g "
                                "flour\"), and the instructions."),
                 parent)
{
    MZutaten = new QPlainTextEdit(this);
    MZutaten->setObjectName(QStringLiteral("MZutaten"));
    MZutaten->setLineWrapMode(QPlainTextEdit::NoWrap);
    MAnleitung = new QPlainTextEdit(this);
    MAnleitung->setObjectName(QStringLiteral("MAnleitung"));
    Inhalt->addWidget(new QLabel(QStringLiteral("Ingredients:"), this));
    Inhalt->addWidget(MZutaten, 1);
    Inhalt->addWidget(new QLabel(QStringLiteral("Instructions:"), this));
    Inhalt->addWidget(MAnleitung, 1);
    // the same rule as the import's memos: settled as it comes in
    Pruefe_Eingabezeichen(MZutaten);
    Pruefe_Eingabezeichen(MAnleitung, false);
    Registriere_Hinweise(this, {{QStringLiteral("MZutaten"), QStringLiteral("Ingredients, one a line")},
                                {QStringLiteral("MAnleitung"), QStringLiteral("Instructions of the recipe")}});
}

void TFWiz05::Zeige_Schritt()
{
    TFWizBasis::Zeige_Schritt();
    MZutaten->setFocus();
}

void TFWiz05::BZurueckClick()
{
    Wechsle_zu(FWiz04);
}

void TFWiz05::BWeiterClick()
{
    const QStringList zeilen = Zeilen(MZutaten);
    if (!Zeilen_speicherbar(MZutaten, zeilen))
        return;
    // Typed or pasted ingredients go through the digital import; without
    // any, the last step offers finishing, the import and the kitchen.
    if (!Wizardrezept() || !FDigI || zeilen.isEmpty()) {
        Wechsle_zu(FWiz06);
        return;
    }
    Oeffne_Import();
}

void TFWiz05::Oeffne_Import()
{
    if (!Wizardrezept() || !FDigI)
        return;
    QStringList zutaten, anleitung;
    for (QString zeile : Zeilen(MZutaten)) {
        Ersetze_Tabulatoren(zeile);
        Entferne_doppelte_Leerzeichen(zeile);
        Entferne_doppelte_Kommas(zeile);
        zutaten << zeile.trimmed();
    }
    for (QString zeile : Zeilen(MAnleitung)) {
        Ersetze_Tabulatoren(zeile);
        Entferne_doppelte_Leerzeichen(zeile);
        Entferne_doppelte_Kommas(zeile);
        anleitung << zeile;
    }
    hide();
    FWiz06->hide();
    AktuellesRezept = WizRezept;
    Zeige_DigitalImport(zutaten, anleitung);
}

// --- step 6 -----------------------------------------------------------

TFWiz06::TFWiz06(QWidget *parent)
    : TFWizBasis(QStringLiteral("FWiz06"), QStringLiteral("Finish"),
                 QStringLiteral("Step 6 of 6: Finish saves the new recipe and opens it in the recipe editor."),
                 parent)
{
    LZusammenfassung = new QLabel(this);
    LZusammenfassung->setObjectName(QStringLiteral("LZusammenfassung"));
    LZusammenfassung->setWordWrap(true);
    LZusammenfassung->setTextFormat(Qt::PlainText);
    BBFertig = new QPushButton(QStringLiteral("Finish"), this);
    BBFertig->setObjectName(QStringLiteral("BBFertig"));
    BBFDigI = new QPushButton(QStringLiteral("Digital import..."), this);
    BBFDigI->setObjectName(QStringLiteral("BBFDigI"));
    BBIAKochen = new QPushButton(QStringLiteral("Interactive cooking..."), this);
    BBIAKochen->setObjectName(QStringLiteral("BBIAKochen"));
    Inhalt->addWidget(LZusammenfassung);
    Inhalt->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBFertig);
    knoepfe->addWidget(BBFDigI);
    knoepfe->addWidget(BBIAKochen);
    knoepfe->addStretch();
    Inhalt->addLayout(knoepfe);
    BWeiter->hide();
    BBFertig->setDefault(true);
    connect(BBFertig, &QPushButton::clicked, this, &TFWiz06::BBFertigClick);
    connect(BBFDigI, &QPushButton::clicked, this, &TFWiz06::BBFDigIClick);
    connect(BBIAKochen, &QPushButton::clicked, this, &TFWiz06::BBIAKochenClick);
    Registriere_Hinweise(this, {{QStringLiteral("BBFertig"), QStringLiteral("Save the recipe and open it in the editor")},
                                {QStringLiteral("BBFDigI"), QStringLiteral("Take the ingredients in with the digital import")},
                                {QStringLiteral("BBIAKochen"), QStringLiteral("Cook the recipe interactively")}});
}

void TFWiz06::Zeige_Schritt()
{
    QString text;
    if (const TTRezepteTotal *r = Wizardrezept()) {
        const qint32 k = r->Kategorie;
        text = QStringLiteral("Recipe: ") + r->Rezeptname + QLatin1Char('\n') + QStringLiteral("Category: ")
               + (k >= 0 && k < AnzahlKategorien ? Kategoriebezeichnungen[k] : QString()) + QLatin1Char('\n');
        if (!r->Portionen.isEmpty())
            text += QStringLiteral("Servings: ") + r->Portionen + QLatin1Char('\n');
        if (!r->Zubereitungszeit.isEmpty())
            text += QStringLiteral("Preparation time: ") + r->Zubereitungszeit + QLatin1Char('\n');
    }
    text += QStringLiteral("Ingredient lines: ") + QString::number(Zeilen(FWiz05->MZutaten).size());
    LZusammenfassung->setText(text);
    TFWizBasis::Zeige_Schritt();
}

void TFWiz06::BZurueckClick()
{
    Wechsle_zu(FWiz05);
}

void TFWiz06::BWeiterClick()
{
    BBFertigClick();
}

void TFWiz06::BBFertigClick()
{
    Beende_Rezeptassistent();
}

void TFWiz06::BBFDigIClick()
{
    // what step 5 holds goes with it, as from step 5's Next: the
    // instructions typed there are not lost
    FWiz05->Oeffne_Import();
}

void TFWiz06::BBIAKochenClick()
{
    // The kitchen cooks the new record instead of saving it: it takes a copy,
    // and the wizard lets its unsaved record go.
    const TTRezepteTotal *r = Wizardrezept();
    if (!r)
        return;
    const TTRezepteTotal neu = *r;
    Breche_Rezeptassistent_ab();
    Oeffne_Kueche(neu, neu.Rezeptname, false, true);
}

// --- the run ----------------------------------------------------------

void Starte_Rezeptassistent()
{
    if (!FWiz01)
        return;
    if (WizRezept >= 0)
        Breche_Rezeptassistent_ab();
    FWiz01->ERezeptname->clear();
    FWiz01->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(0));
    FWiz02->EPortionen->clear();
    FWiz02->EZubereitungszeit->clear();
    FWiz02->CBSchwierigkeit->setCurrentIndex(0);
    for (int i = 0; i < FWiz03->CLBKochgeraete->count(); ++i)
        FWiz03->CLBKochgeraete->item(i)->setCheckState(Qt::Unchecked);
    FWiz03->EUnterkategorien->clear();
    FWiz05->MZutaten->clear();
    FWiz05->MAnleitung->clear();
    Zentriere_Fenster(FWiz01);
    FWiz01->Zeige_Schritt();
}

void Breche_Rezeptassistent_ab()
{
    bool gelistet = false;
    // A record that another window saved meanwhile is a recipe of the book
    // now: cancelling forgets it here but does not remove it.
    if (const TTRezepteTotal *r = Wizardrezept()) {
        if (!platform::fileExists(r->Dateiname)) {
            gelistet = r->Listenposition > 0; // an editor save rebuilt the overview meanwhile
            Entferne_Rezeptsatz(WizRezept);
        }
    } else if (AktuellesRezept == WizRezept) {
        AktuellesRezept = -1;
    }
    WizRezept = -1;
    Wizarddatei.clear();
    // the recipe open in the editor is the current one again
    if (AktuellesRezept < 0 && FRez && FRez->isVisible() && FRez->Formularrezept() >= 0)
        AktuellesRezept = FRez->Formularrezept();
    if (gelistet)
        Programmstart(false);
    for (TFWizBasis *s : Alle_Schritte())
        if (s)
            s->hide();
}

void Merke_Rezeptassistent_vor_Neuladen()
{
    const TTRezepteTotal *r = Wizardrezept();
    WizardGemerkt = r != nullptr;
    if (r)
        WizardVorNeuladen = *r;
}

qint32 Folge_Rezeptassistent_nach_Neuladen()
{
    if (!WizardGemerkt) {
        // whatever the index pointed at, it is not the wizard's record
        WizRezept = -1;
        return -1;
    }
    WizardGemerkt = false;
    const TTRezepteTotal r = std::exchange(WizardVorNeuladen, TTRezepteTotal());
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (Gleiche_Datei(RezepteTotal[i].Dateiname, Wizarddatei)) {
            WizRezept = i; // saved by another window meanwhile
            return i;
        }
    // not written yet: the unfinished record goes on
    RezepteTotal.append(r);
    WizRezept = RezepteTotal.size() - 1;
    return WizRezept;
}

bool Beende_Rezeptassistent()
{
    if (!Wizardrezept() || !FRez)
        return false;
    // The editor is filled with the new recipe below: a recipe still open in
    // it is closed first, so that its unsaved changes are asked about.
    if (FRez->isVisible() && FRez->Formularrezept() != WizRezept) {
        AktuellesRezept = FRez->Formularrezept();
        const bool geschlossen = FRez->close();
        AktuellesRezept = WizRezept;
        if (!geschlossen)
            return false;
    }
    TTRezepteTotal *r = Wizardrezept();
    r->Zutatenliste.clear();
    for (const QString &zeile : Zeilen(FWiz05->MZutaten)) {
        QString text = zeile;
        Ersetze_Tabulatoren(text);
        Entferne_doppelte_Leerzeichen(text);
        text = text.trimmed();
        if (text.isEmpty())
            continue;
        TTZutatenliste z;
        Zerlege_Zutatenstring(text, z.Menge, z.Einheit, true, z.Name);
        z.Menge = z.Menge.trimmed();
        z.Einheit = z.Einheit.trimmed();
        z.Name = z.Name.trimmed();
        z.Listenindex = r->Zutatenliste.size();
        r->Zutatenliste.append(z);
    }
    r->Rezeptliste = Zeilen(FWiz05->MAnleitung);
    // nothing has been written for this record yet: its file name is still free to choose
    Setze_Wizarddatei(*r, Freier_Rezeptdateiname(Rezept_Dateiname(r->Rezeptname, r->Kategorie), WizRezept));
    AktuellesRezept = WizRezept;
    FRez->Fuelle_Formular();
    if (!Speichere_Wizardrezept())
        return false;
    WizRezept = -1;
    Wizarddatei.clear();
    for (TFWizBasis *s : Alle_Schritte())
        if (s)
            s->hide();
    Zeige_Rezept();
    return true;
}
