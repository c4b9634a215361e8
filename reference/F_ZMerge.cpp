#include "reference/F_ZMerge.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"
#include "reference/F_ZEng.h"

TFZMerge *FZMerge = nullptr;

namespace {
const QString Grafikordner = QStringLiteral("GFXZUTAT\\ENG\\ENG\\");

bool Offener_Eintrag()
{
    return ZEngIndex >= 0 && ZEngIndex < ZEngListe.size();
}

// The next entry with a name from the current one on; false at the end.
bool Naechster_Eintrag()
{
    while (Offener_Eintrag() && ZEngListe[ZEngIndex].Zutatname.isEmpty())
        ++ZEngIndex;
    return Offener_Eintrag();
}
} // namespace

qint32 Fuege_uebersetzte_Zutat_an(TZutatentotal &zutaten, const QString &name, qint32 gruppe, const QString &grafik)
{
    TTZutatentotal z;
    z.Zutatname = z.Rezepttextname = z.Suchname = name;
    z.Status = 1;
    z.Kategorie = gruppe >= 0 && gruppe < AnzahlZutatengruppen ? gruppe : 0;
    if (!grafik.isEmpty() && platform::isSafeRelativePath(Grafikordner + grafik)
        && platform::fileExists(Programmverzeichnis + Grafikordner + grafik))
        z.Grafik() = grafik;
    zutaten.append(z);
    return qint32(zutaten.size() - 1);
}

TFZMerge::TFZMerge(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FZMerge"));
    setWindowTitle(QStringLiteral("Merge ingredients"));
    Setze_Fensterfarbe(this);
    EName = new QLineEdit(this);
    EName->setObjectName(QStringLiteral("EName"));
    LBKat = new QListWidget(this);
    LBKat->setObjectName(QStringLiteral("LBKat"));
    for (const QString &g : Zutatengruppen)
        LBKat->addItem(g);
    LBKat->setCurrentRow(0);
    IZutat = new QLabel(this);
    IZutat->setObjectName(QStringLiteral("IZutat"));
    IZutat->setFixedSize(96, 96);
    IZutat->setScaledContents(true);
    IZutat->setFrameShape(QFrame::Box);
    IZutat->installEventFilter(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));

    auto *links = new QVBoxLayout;
    links->addWidget(EName);
    links->addWidget(LBKat, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(IZutat);
    rechts->addStretch(1);
    rechts->addWidget(Label1);
    rechts->addWidget(BOK);
    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(rechts);

    connect(BOK, &QPushButton::clicked, this, &TFZMerge::BOKClick);
}

void TFZMerge::Zeige_Eintrag()
{
    IZutat->clear();
    EName->setText(Offener_Eintrag() ? ZEngListe[ZEngIndex].Zutatname : QString());
    EName->setFocus();
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setText(EName->text());
    qint32 n = 0;
    for (const TTZutatentotal &z : std::as_const(ZEngListe))
        if (!z.Zutatname.isEmpty())
            ++n;
    Label1->setText(QString::number(n));
}

void TFZMerge::BOKClick()
{
    if (!Offener_Eintrag() || EName->text().trimmed().isEmpty())
        return;
    Fuege_uebersetzte_Zutat_an(Zutatentotal, EName->text().trimmed(), LBKat->currentRow(),
                               ZEngListe[ZEngIndex].Grafik());
    ZEngListe[ZEngIndex].Zutatname.clear();
    ++ZEngIndex;
    if (!Naechster_Eintrag()) {
        close();
        return;
    }
    Zeige_Eintrag();
}

void TFZMerge::IZutatClick()
{
    if (!Offener_Eintrag())
        return;
    const QString gewaehlt = platform::openFileName(this, QStringLiteral("Load ingredient graphic"),
                                                    Programmverzeichnis + Grafikordner, QString());
    if (gewaehlt.isEmpty())
        return;
    const QPixmap bild = platform::loadPixmap(gewaehlt);
    if (bild.isNull())
        return;
    const QString name = EName->text().trimmed() + QStringLiteral(".bmp");
    platform::makeFolder(Programmverzeichnis + Grafikordner);
    const QString ziel = platform::nativePath(Programmverzeichnis + Grafikordner + name);
    IZutat->setPixmap(bild);
    if (!ziel.isEmpty() && bild.save(ziel, "BMP"))
        ZEngListe[ZEngIndex].Grafik() = name;
}

void TFZMerge::FormClose()
{
    Lade_Zutaten(Save, ZEngQuelldatei);
    QStringList rest;
    for (const TTZutatentotal &z : std::as_const(ZEngListe))
        if (!z.Zutatname.isEmpty())
            rest << z.Zutatname;
    if (!ZEngListe.isEmpty())
        platform::writeLines(Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\ENG\\food.txt"), rest);
    ZEngListe.clear();
    ZEngIndex = ZEngQuelle = 0;
    Lade_Zutaten(Load);
    hide();
}

void TFZMerge::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

bool TFZMerge::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == IZutat && event->type() == QEvent::MouseButtonRelease) {
        IZutatClick();
        return true;
    }
    return QWidget::eventFilter(objekt, event);
}

bool Zeige_Zutatenzusammenfuehrung()
{
    if (!FZMerge)
        return false;
    // the translated list, then the database the names join
    bool ok = Lade_Zutaten(Load | Alle, ZEngZieldatei);
    ZEngListe = ok ? Zutatentotal : TZutatentotal();
    ZEngIndex = 0;
    ok = ok && Naechster_Eintrag() && Lade_Zutaten(Load | Alle, ZEngQuelldatei);
    if (!ok) {
        ZEngListe.clear();
        Zeige_Meldung(QStringLiteral("No ingredients found!"), QStringLiteral("Note:"), Knopf_OK);
        Lade_Zutaten(Load);
        return false;
    }
    FZMerge->Zeige_Eintrag();
    FZMerge->show();
    FZMerge->raise();
    return true;
}
