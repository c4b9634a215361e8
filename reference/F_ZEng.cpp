#include "reference/F_ZEng.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "core/Meldung.h"

TZutatentotal ZEngListe;
qint32 ZEngIndex = 0;
qint32 ZEngQuelle = 0;
const QString ZEngQuelldatei = QStringLiteral("ENG\\Lebensmittel.hbr");
const QString ZEngZieldatei = QStringLiteral("ENG\\Lebensmittel_E.hbr");
TFZEng *FZEng = nullptr;

TTZutatentotal Uebersetze_Zutat(const TTZutatentotal &quelle, const QString &name, const QString &plural,
                                bool mitGrafik)
{
    TTZutatentotal z = quelle;
    z.Zutatname = z.Rezepttextname = z.Suchname = name;
    z.Plural() = plural;
    z.Standardeinheit().clear();
    z.Status = 1;
    z.Quellgrafik() = quelle.Grafik();
    z.Grafik() = mitGrafik && !quelle.Grafik().isEmpty() ? name + QStringLiteral(".bmp") : QString();
    z.Listenposition = z.Suchlistenposition = -1;
    return z;
}

TFZEng::TFZEng(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FZEng"));
    setWindowTitle(QStringLiteral("Zutaten übersetzen und bearbeiten"));
    Setze_Fensterfarbe(this);
    auto neu = [](auto *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    EZNO = neu(new QLineEdit(this), "EZNO");
    EZNO->setReadOnly(true);
    EZNEng = neu(new QLineEdit(this), "EZNEng");
    EZNEngPlural = neu(new QLineEdit(this), "EZNEngPlural");
    IZO = neu(new QLabel(this), "IZO");
    IZEng = neu(new QLabel(this), "IZEng");
    for (QLabel *b : {IZO, IZEng}) {
        b->setFixedSize(96, 96);
        b->setScaledContents(true);
        b->setFrameShape(QFrame::Box);
    }
    Label1 = neu(new QLabel(this), "Label1");
    BYes = neu(new QPushButton(QStringLiteral("Übernehmen"), this), "BYes");
    BNo = neu(new QPushButton(QStringLiteral("Überspringen"), this), "BNo");
    BGFXDelete = neu(new QPushButton(QStringLiteral("Grafik löschen"), this), "BGFXDelete");

    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("Original:"), EZNO);
    felder->addRow(QStringLiteral("Name:"), EZNEng);
    felder->addRow(QStringLiteral("Plural:"), EZNEngPlural);
    auto *bilder = new QHBoxLayout;
    bilder->addWidget(IZO);
    bilder->addWidget(IZEng);
    bilder->addWidget(BGFXDelete, 0, Qt::AlignBottom);
    bilder->addStretch(1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Label1, 1);
    knoepfe->addWidget(BYes);
    knoepfe->addWidget(BNo);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(felder);
    haupt->addLayout(bilder);
    haupt->addLayout(knoepfe);

    connect(BYes, &QPushButton::clicked, this, &TFZEng::BYesClick);
    connect(BNo, &QPushButton::clicked, this, &TFZEng::BNoClick);
    connect(BGFXDelete, &QPushButton::clicked, this, &TFZEng::BGFXDeleteClick);
}

void TFZEng::Zeige_Eintrag()
{
    EZNO->clear();
    EZNEng->clear();
    EZNEngPlural->clear();
    IZO->clear();
    IZEng->clear();
    if (ZEngQuelle < 0 || ZEngQuelle >= Zutatentotal.size())
        return;
    EZNO->setText(Zutatentotal[ZEngQuelle].Zutatname);
    EZNEng->setText(Zutatentotal[ZEngQuelle].Zutatname);
    Lade_Zutatengrafik(IZO, ZEngQuelle);
    Lade_Zutatengrafik(IZEng, ZEngQuelle);
    Label1->setText(QStringLiteral("Anzahl Zutaten Rest: ") + QString::number(Zutatentotal.size() - 1));
}

void TFZEng::BYesClick()
{
    if (ZEngQuelle < 0 || ZEngQuelle >= Zutatentotal.size() || ZEngIndex < 0 || ZEngIndex >= ZEngListe.size())
        return;
    // without a translated name the source record would be lost
    if (EZNEng->text().trimmed().isEmpty())
        return;
    const TTZutatentotal &quelle = Zutatentotal[ZEngQuelle];
    const bool bild = !quelle.Grafik().isEmpty() && !IZEng->pixmap().isNull();
    TTZutatentotal z = Uebersetze_Zutat(quelle, EZNEng->text().trimmed(), EZNEngPlural->text().trimmed(), bild);
    if (bild) {
        const QString ziel = platform::nativePath(Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\ENG\\")
                                                  + z.Grafik());
        platform::makeFolder(Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\ENG"));
        if (ziel.isEmpty() || !IZEng->pixmap().save(ziel, "BMP"))
            z.Grafik().clear();
    }
    ZEngListe[ZEngIndex] = z;
    Zutatentotal[ZEngQuelle].Zutatname.clear();
    Weiter();
}

void TFZEng::BNoClick()
{
    if (ZEngQuelle < 0 || ZEngQuelle >= Zutatentotal.size())
        return;
    Zutatentotal[ZEngQuelle].Zutatname.clear();
    Weiter();
}

void TFZEng::Weiter()
{
    // the source database loses the record handled (records without a name
    // are not written)
    Lade_Zutaten(Save, ZEngQuelldatei);
    Lade_Zutaten(Load | Alle, ZEngQuelldatei);
    if (Zutatentotal.isEmpty()) {
        close();
        return;
    }
    ZEngQuelle = 0;
    ZEngListe.append(TTZutatentotal());
    ZEngIndex = qint32(ZEngListe.size() - 1);
    Zeige_Eintrag();
}

void TFZEng::BGFXDeleteClick()
{
    if (Zeige_Meldung(QStringLiteral("Grafik löschen?"), QStringLiteral("Frage:"), Knoepfe_Ja_Nein) == Antwort_Ja)
        IZEng->clear();
}

void TFZEng::FormClose()
{
    bool ok = true;
    if (!ZEngListe.isEmpty()) {
        Zutatentotal = ZEngListe;
        ok = Lade_Zutaten(Save, ZEngZieldatei);
    }
    if (!ok)
        Zeige_Meldung(QStringLiteral("The translated list could not be saved!"), QStringLiteral("Fehler:"), Knopf_OK);
    ZEngListe.clear();
    ZEngIndex = ZEngQuelle = 0;
    Lade_Zutaten(Load);
    hide();
}

void TFZEng::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

bool Zeige_Zutatenuebersetzung()
{
    if (!FZEng)
        return false;
    if (!Lade_Zutaten(Load | Alle, ZEngQuelldatei) || Zutatentotal.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No ingredients found!"), QStringLiteral("Note:"), Knopf_OK);
        Lade_Zutaten(Load);
        return false;
    }
    ZEngListe = TZutatentotal(1);
    ZEngIndex = 0;
    ZEngQuelle = 0;
    FZEng->Zeige_Eintrag();
    FZEng->show();
    FZEng->raise();
    return true;
}
