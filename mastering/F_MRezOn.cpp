#include "mastering/F_MRezOn.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "mastering/F_TWSM.h"
#include "mastering/Rezeptindex.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "dialogs/Dienste.h"
#include "core/Meldung.h"

TFMRezOn *FMRezOn = nullptr;

namespace {
QString Indexordner()
{
    return platform::nativePath(Masterpfad + QStringLiteral("Masterdaten\\") + QStringLiteral("Upload_FTP\\TWS\\RECIPES"));
}

const QString Indexfilter = QStringLiteral("HRB (*.hrb *.HRB);;* (*)");
} // namespace

TFMRezOn::TFMRezOn(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FMRezOn"));
    setWindowTitle(QStringLiteral("Rezepte Online stellen:"));
    Setze_Fensterfarbe(this);
    resize(900, 620);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
}

void TFMRezOn::Baue_Felder()
{
    MRecipe = new QPlainTextEdit(this);
    MRecipe->setObjectName(QStringLiteral("MRecipe"));
    MRecipe->setLineWrapMode(QPlainTextEdit::NoWrap);
    MRecipe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MRecipe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    CLBRecipe = new QListWidget(this);
    CLBRecipe->setObjectName(QStringLiteral("CLBRecipe"));

    CLBMemo = new QPlainTextEdit(this);
    CLBMemo->setObjectName(QStringLiteral("CLBMemo"));
    CLBMemo->setEnabled(false);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Rezeptkurzinfo:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    const auto knopf = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    BAufnehmen = knopf("BAufnehmen", QStringLiteral("Add Rezepte"));
    BDatenloeschen = knopf("BDatenloeschen", QStringLiteral("Dateninhalt löschen"));
    BSpeichern = knopf("BSpeichern", QStringLiteral("Speichern"));
    BSave = knopf("BSave", QStringLiteral("Save"));
    BSave->setEnabled(false);
}

void TFMRezOn::Baue_Layout()
{
    auto *links = new QVBoxLayout;
    links->addWidget(Label1);
    links->addWidget(MRecipe, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BAufnehmen);
    knoepfe->addWidget(BDatenloeschen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BSpeichern);
    links->addLayout(knoepfe);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(CLBRecipe, 3);
    rechts->addWidget(Label2);
    rechts->addWidget(CLBMemo, 1);
    rechts->addWidget(BSave, 0, Qt::AlignRight);

    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(rechts, 1);
}

void TFMRezOn::Verbinde()
{
    connect(BAufnehmen, &QPushButton::clicked, this, &TFMRezOn::BAufnehmenClick);
    connect(BDatenloeschen, &QPushButton::clicked, this, &TFMRezOn::BDatenloeschenClick);
    connect(BSpeichern, &QPushButton::clicked, this, &TFMRezOn::BSpeichernClick);
    connect(BSave, &QPushButton::clicked, this, &TFMRezOn::BSaveClick);
    connect(CLBRecipe, &QListWidget::itemClicked, this, &TFMRezOn::CLBRecipeClick);
    connect(CLBRecipe, &QListWidget::itemDoubleClicked, this, &TFMRezOn::CLBRecipeDblClick);
}

TString TFMRezOn::Memozeilen() const
{
    const QString text = MRecipe->toPlainText();
    return text.isEmpty() ? TString() : text.split(QLatin1Char('\n'));
}

void TFMRezOn::Setze_Memozeilen(const TString &zeilen)
{
    MRecipe->setPlainText(zeilen.join(QLatin1Char('\n')));
}

qint32 TFMRezOn::Rezept_in_Zeile(int zeile) const
{
    if (zeile < 0)
        return -1;
    for (qint32 i = 0; i < RezepteTotal.size(); ++i)
        if (RezepteTotal[i].Listenposition == zeile)
            return i;
    return -1;
}

void TFMRezOn::Fuelle_Rezeptliste()
{
    CLBRecipe->clear();
    for (TTRezepteTotal &r : RezepteTotal) {
        QString text = r.Rezeptname + QStringLiteral(" (") + r.Dateiname + QLatin1Char(')');
        if (r.Rezeptkurzinfo.isEmpty())
            text += QStringLiteral(" *");
        auto *item = new QListWidgetItem(text, CLBRecipe);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        r.Listenposition = CLBRecipe->row(item);
    }
}

void TFMRezOn::BAufnehmenClick()
{
    if (CLBRecipe->count() == 0)
        return;
    QList<TTRezepteTotal> gewaehlt;
    for (int zeile = 0; zeile < CLBRecipe->count(); ++zeile) {
        if (CLBRecipe->item(zeile)->checkState() != Qt::Checked)
            continue;
        const qint32 index = Rezept_in_Zeile(zeile);
        if (index >= 0)
            gewaehlt << RezepteTotal[index];
    }
    TString zeilen = Memozeilen();
    Fuege_Rezeptbloecke_an(zeilen, gewaehlt, Speicherliste);
    Setze_Memozeilen(zeilen);
}

void TFMRezOn::BDatenloeschenClick()
{
    TString zeilen = Memozeilen();
    Entferne_Rezeptbloecke(zeilen);
    Setze_Memozeilen(zeilen);
}

void TFMRezOn::BSpeichernClick()
{
    TString zeilen = Memozeilen();
    Erhoehe_Rezeptindexversion(zeilen);
    Setze_Memozeilen(zeilen);

    const QString datei = platform::saveFileName(this, QStringLiteral("Rezeptindex speichern"), Indexordner(), Indexfilter);
    if (datei.isEmpty())
        return;
    if (!platform::writeLines(datei, zeilen)) {
        Zeige_Meldung(QStringLiteral("Datei nicht gespeichert: ") + datei, QStringLiteral("Error:"), Knopf_OK);
        return;
    }
    if (Speicherliste.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Speicherliste ist leer!"), QStringLiteral("Warnung:"), Knopf_OK);
    } else {
        const QString ordner = Ermittle_Verzeichnis(datei);
        TString fehlend;
        for (const QString &quelle : std::as_const(Speicherliste))
            if (!Kopiere_Datei(quelle, ordner + Ermittle_Dateiname(quelle)))
                fehlend << quelle;
        // The index names these files; the server must not get it without them.
        if (!fehlend.isEmpty())
            Zeige_Meldung(QStringLiteral("Nicht kopiert:\n") + fehlend.join(QLatin1Char('\n')), QStringLiteral("Error:"), Knopf_OK);
    }
    Zeige_Meldung(QStringLiteral("Datei gespeichert: ") + datei, QStringLiteral("Ready:"), Knopf_OK);
    close();
}

void TFMRezOn::CLBRecipeClick()
{
    const qint32 index = Rezept_in_Zeile(CLBRecipe->currentRow());
    if (index < 0)
        return;
    AktuellesRezept = index;
    CLBMemo->setPlainText(RezepteTotal[index].Rezeptkurzinfo.join(QLatin1Char('\n')));
    CLBMemo->setReadOnly(true);
}

void TFMRezOn::CLBRecipeDblClick()
{
    CLBRecipeClick();
    if (AktuellesRezept < 0 || Rezept_in_Zeile(CLBRecipe->currentRow()) != AktuellesRezept)
        return;
    Bearbeitungsmodus(true);
}

void TFMRezOn::Bearbeitungsmodus(bool an)
{
    CLBMemo->setEnabled(an);
    CLBMemo->setReadOnly(!an);
    BSave->setEnabled(an);
    CLBRecipe->setEnabled(!an);
    BSpeichern->setEnabled(!an);
    if (an && isVisible())
        CLBMemo->setFocus();
}

void TFMRezOn::BSaveClick()
{
    const TString zeilen = CLBMemo->toPlainText().split(QLatin1Char('\n'));
    if (zeilen.isEmpty() || zeilen.first().isEmpty())
        return;
    if (AktuellesRezept < 0 || AktuellesRezept >= RezepteTotal.size())
        return;
    const TString vorher = RezepteTotal[AktuellesRezept].Rezeptkurzinfo;
    RezepteTotal[AktuellesRezept].Rezeptkurzinfo = zeilen;
    // A refused save has shown its message; the text stays in the memo.
    if (!Lade_Rezepte(Save, AktuellesRezept)) {
        RezepteTotal[AktuellesRezept].Rezeptkurzinfo = vorher;
        return;
    }
    AktuellesRezept = -1;
    CLBMemo->clear();
    Bearbeitungsmodus(false);
}

void TFMRezOn::FormClose()
{
    Speicherliste.clear();
    hide();
    AktuellesRezept = -1;
    // The list positions of the records are this window's rows now; the
    // overview numbers them again.
    Starte_Uebersicht_neu(true);
}

void TFMRezOn::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void Zeige_RezepteOnline()
{
    if (!FMRezOn)
        return;
    FMRezOn->Speicherliste.clear();
    Lade_RezeptdateiManager(Load);
    AktuellesRezept = -1;
    Lade_Rezepte(Load | Alle, -1);
    Lade_Zutaten(Load);

    FMRezOn->CLBRecipe->clear();
    FMRezOn->MRecipe->clear();
    FMRezOn->Label1->clear();
    FMRezOn->CLBMemo->clear();
    FMRezOn->Bearbeitungsmodus(false);
    const QString datei = platform::openFileName(FMRezOn, QStringLiteral("Rezeptindex laden"), Indexordner(), Indexfilter);
    if (!datei.isEmpty() && platform::fileExists(datei)) {
        TString zeilen;
        if (platform::readLines(datei, zeilen)) {
            FMRezOn->Label1->setText(datei);
            FMRezOn->MRecipe->setPlainText(zeilen.join(QLatin1Char('\n')));
        } else {
            Zeige_Meldung(QStringLiteral("Datei nicht lesbar: ") + datei, QStringLiteral("Error:"), Knopf_OK);
        }
    }
    FMRezOn->Fuelle_Rezeptliste();
    FMRezOn->showNormal();
    FMRezOn->raise();
    FMRezOn->activateWindow();
}
