#include "mastering/F_TWSMNews.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "internet/News.h"
#include "mastering/F_TWSM.h"
#include "mastering/Newseditor.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "core/Meldung.h"

TFTWSMNews *FTWSMNews = nullptr;

namespace {
void Releasefenster_freigeben(bool frei)
{
    if (FTWSM)
        FTWSM->setEnabled(frei);
}

QButtonGroup *Knopfgruppe(QGroupBox *gruppe)
{
    return gruppe->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
}

bool Betreff_fehlt()
{
    if (!FTWSMNews->EBetreff->text().isEmpty())
        return false;
    // The file leaves items without a subject out: such an item would be lost.
    Zeige_Meldung(QStringLiteral("Bitte einen Betreff eingeben!"), QStringLiteral("Hinweis:"), Knopf_OK);
    return true;
}
} // namespace

TFTWSMNews::TFTWSMNews(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FTWSMNews"));
    setWindowTitle(QStringLiteral("News generieren"));
    Setze_Fensterfarbe(this);
    resize(760, 560);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
}

QGroupBox *TFTWSMNews::Radiogruppe(const char *name, const QString &titel, const QStringList &eintraege)
{
    auto *gruppe = new QGroupBox(titel, this);
    gruppe->setObjectName(QString::fromLatin1(name));
    auto *knoepfe = new QButtonGroup(gruppe);
    auto *layout = new QVBoxLayout(gruppe);
    for (int i = 0; i < eintraege.size(); ++i) {
        auto *r = new QRadioButton(eintraege[i], gruppe);
        knoepfe->addButton(r, i);
        layout->addWidget(r);
    }
    knoepfe->button(0)->setChecked(true);
    return gruppe;
}

void TFTWSMNews::Baue_Felder()
{
    CHLB = new QListWidget(this);
    CHLB->setObjectName(QStringLiteral("CHLB"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    DateTimePicker1->setDate(platform::now().date());
    EID = new QLineEdit(this);
    EID->setObjectName(QStringLiteral("EID"));
    EID->setReadOnly(true);
    EBetreff = new QLineEdit(this);
    EBetreff->setObjectName(QStringLiteral("EBetreff"));
    RGPRG = Radiogruppe("RGPRG", QStringLiteral("Programm"),
                        {QStringLiteral("TWS/TCW"), QStringLiteral("HFB"), QStringLiteral("RGK"), QStringLiteral("PQ")});
    RGTyp = Radiogruppe("RGTyp", QStringLiteral("Typ"),
                        {QStringLiteral("Alle Editionen"), QStringLiteral("Vollversion"), QStringLiteral("Testversion")});
    RGL = Radiogruppe("RGL", QStringLiteral("Sprache"), {QStringLiteral("ENG"), QStringLiteral("GER")});
    const auto knopf = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    BNeu = knopf("BNeu", QStringLiteral("Neu"));
    BSpeichern = knopf("BSpeichern", QStringLiteral("Speichern"));
    BLoeschen = knopf("BLoeschen", QStringLiteral("Löschen"));
}

void TFTWSMNews::Baue_Layout()
{
    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("Datum:"), DateTimePicker1);
    felder->addRow(QStringLiteral("ID:"), EID);
    felder->addRow(QStringLiteral("Betreff:"), EBetreff);

    auto *gruppen = new QHBoxLayout;
    gruppen->addWidget(RGPRG);
    gruppen->addWidget(RGTyp);
    gruppen->addWidget(RGL);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BNeu);
    knoepfe->addWidget(BSpeichern);
    knoepfe->addWidget(BLoeschen);
    knoepfe->addStretch(1);

    auto *rechts = new QVBoxLayout;
    rechts->addLayout(felder);
    rechts->addLayout(gruppen);
    rechts->addWidget(Memo1, 1);
    rechts->addLayout(knoepfe);

    auto *haupt = new QHBoxLayout(this);
    haupt->addWidget(CHLB, 1);
    haupt->addLayout(rechts, 1);
}

void TFTWSMNews::Verbinde()
{
    connect(CHLB, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0)
            CHLBClick();
    });
    connect(BNeu, &QPushButton::clicked, this, &TFTWSMNews::BNeuClick);
    connect(BSpeichern, &QPushButton::clicked, this, &TFTWSMNews::BSpeichernClick);
    connect(BLoeschen, &QPushButton::clicked, this, &TFTWSMNews::BLoeschenClick);
}

int TFTWSMNews::Auswahl(QGroupBox *gruppe) const
{
    const QButtonGroup *knoepfe = Knopfgruppe(gruppe);
    return knoepfe ? knoepfe->checkedId() : -1;
}

void TFTWSMNews::Setze_Auswahl(QGroupBox *gruppe, int index)
{
    QButtonGroup *knoepfe = Knopfgruppe(gruppe);
    if (!knoepfe || !knoepfe->button(index))
        return;
    knoepfe->button(index)->setChecked(true);
}

void TFTWSMNews::CHLBClick()
{
    Zeige_Newseditor(false);
}

void TFTWSMNews::Speichere_und_zeige()
{
    if (!Newsdatei.isEmpty())
        Lade_News(Save, Newsdatei);
    Zeige_Newseditor(false);
}

void TFTWSMNews::BNeuClick()
{
    if (Newsdatei.isEmpty() || Betreff_fehlt())
        return;
    News.Inhalt.append(TTNewsInhalt());
    News.Anzahl = qint32(News.Inhalt.size());
    Erstelle_Newseintrag(int(News.Inhalt.size()) - 1);
    Speichere_und_zeige();
}

void TFTWSMNews::BSpeichernClick()
{
    const int zeile = CHLB->currentRow();
    if (Newsdatei.isEmpty() || zeile < 0 || zeile >= News.Inhalt.size() || Betreff_fehlt())
        return;
    Erstelle_Newseintrag(zeile);
    Speichere_und_zeige();
}

void TFTWSMNews::BLoeschenClick()
{
    if (Newsdatei.isEmpty())
        return;
    const QSignalBlocker sperre(CHLB);
    for (int zeile = 0; zeile < CHLB->count() && zeile < News.Inhalt.size(); ++zeile) {
        QListWidgetItem *item = CHLB->item(zeile);
        if (item->checkState() != Qt::Checked)
            continue;
        News.Inhalt[zeile].Betreff.clear();
        // The ticked items go; the lines that move up were not ticked.
        item->setCheckState(Qt::Unchecked);
    }
    Speichere_und_zeige();
}

void TFTWSMNews::FormClose()
{
    Releasefenster_freigeben(true);
    if (!Newsdatei.isEmpty())
        Lade_News(Save, Newsdatei);
    Newsdatei.clear();
    hide();
}

void TFTWSMNews::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void Erstelle_Newseintrag(int index)
{
    if (!FTWSMNews || index < 0 || index >= News.Inhalt.size())
        return;
    TFTWSMNews *f = FTWSMNews;
    TTNewsInhalt &n = News.Inhalt[index];
    n.ID = Erzeuge_NewsID();
    f->EID->setText(n.ID);
    n.Datum = DateTimeToTWS(QDateTime(f->DateTimePicker1->date(), QTime(0, 0)));
    n.Ziel = Newstag(Newsprodukte, f->Auswahl(f->RGPRG));
    n.Edition = Newstag(Newstypen, f->Auswahl(f->RGTyp));
    n.Sprache = Newstag(Newssprachen, f->Auswahl(f->RGL));
    n.Gelesen = 0;
    n.Betreff = f->EBetreff->text();
    const QString text = f->Memo1->toPlainText();
    n.Text = text.isEmpty() ? TString() : text.split(QLatin1Char('\n'));
    n.Listenindex = -1;
}

void Zeige_Newseditor(bool erstesMal)
{
    if (!FTWSMNews)
        return;
    TFTWSMNews *f = FTWSMNews;
    if (erstesMal) {
        const QString datei = platform::openFileName(
            f, QStringLiteral("Newsdatei öffnen"),
            Masterpfad + QStringLiteral("Masterdaten\\Upload_FTP\\TWS\\Download\\") + QStringLiteral("NewsS.hbr"),
            QStringLiteral("News (*.hbr *.HBR *.hrb *.HRB);;* (*)"));
        // Without a file of its own the editor must not save over the
        // program's news.
        if (datei.isEmpty())
            return;
        const bool vorhanden = platform::fileExists(datei);
        const TTNewstype vorher = News;
        if (!Lade_News(Load, datei) && vorhanden) {
            News = vorher;
            Zeige_Meldung(QStringLiteral("Keine Newsdatei: ") + datei, QStringLiteral("Error:"), Knopf_OK);
            return;
        }
        f->Newsdatei = datei;
        Releasefenster_freigeben(false);
    }

    const int anzahl = int(News.Inhalt.size());
    int zeile = f->CHLB->currentRow();
    {
        // The lines are updated in place, so every line keeps its check mark.
        const QSignalBlocker sperre(f->CHLB);
        if (erstesMal)
            f->CHLB->clear();
        while (f->CHLB->count() > anzahl)
            delete f->CHLB->takeItem(f->CHLB->count() - 1);
        for (int i = 0; i < anzahl; ++i) {
            TTNewsInhalt &n = News.Inhalt[i];
            QListWidgetItem *item = i < f->CHLB->count() ? f->CHLB->item(i) : nullptr;
            if (!item) {
                item = new QListWidgetItem(f->CHLB);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
            }
            item->setText(Newseditorzeile(n));
            n.Listenindex = i;
        }
        if (erstesMal || zeile >= anzahl)
            zeile = anzahl > 0 ? 0 : -1;
        f->CHLB->setCurrentRow(zeile);
    }

    if (zeile >= 0) {
        const TTNewsInhalt &n = News.Inhalt[zeile];
        f->DateTimePicker1->setDate(TWSToDateTime(n.Datum).date());
        f->EID->setText(n.ID);
        f->EBetreff->setText(n.Betreff);
        f->Memo1->setPlainText(n.Text.join(QLatin1Char('\n')));
        f->Setze_Auswahl(f->RGPRG, Newstagindex(Newsprodukte, n.Ziel));
        f->Setze_Auswahl(f->RGTyp, Newstagindex(Newstypen, n.Edition));
        f->Setze_Auswahl(f->RGL, Newstagindex(Newssprachen, n.Sprache));
    }

    if (erstesMal) {
        f->showNormal();
        f->raise();
        f->activateWindow();
    }
}
