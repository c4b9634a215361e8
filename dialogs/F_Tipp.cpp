#include "dialogs/F_Tipp.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/Fensterlage.h"

TFTipp *FTipp = nullptr;

namespace {
constexpr int MaxTipps = 999;

QString tippdatei(int n)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\FIRSTTIPP\\Tipp%1.hbr").arg(n);
}

QString tippgrafik(int n)
{
    return Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\FirstTipp\\Tipp%1.png").arg(n);
}

bool gezeigt(int n)
{
    return n >= 1 && n <= Optionen.TippsGezeigt.size() && Optionen.TippsGezeigt.at(n - 1) == QLatin1Char('1');
}

void merke_gezeigt(int n)
{
    QString &s = Optionen.TippsGezeigt;
    while (s.size() < n)
        s.append(QLatin1Char('0'));
    s[n - 1] = QLatin1Char('1');
    if (n <= GlobalFirstTipp.size())
        GlobalFirstTipp[n - 1].Gezeigt = 1;
}
} // namespace

TFTipp::TFTipp(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FTipp"));
    setWindowTitle(QStringLiteral("Tip"));
    Setze_Fensterfarbe(this);
    resize(560, 300);

    ITipp = new QLabel(this);
    ITipp->setObjectName(QStringLiteral("ITipp"));
    ITipp->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    ITipp->setFixedWidth(140);
    RETipp = new QTextBrowser(this);
    RETipp->setObjectName(QStringLiteral("RETipp"));
    RETipp->setReadOnly(true);
    RETipp->setOpenLinks(false);
    CBKeineTipps = new QCheckBox(QStringLiteral("Don't show tips"), this);
    CBKeineTipps->setObjectName(QStringLiteral("CBKeineTipps"));
    BNaechster = new QPushButton(QStringLiteral("Next tip"), this);
    BNaechster->setObjectName(QStringLiteral("BNaechster"));
    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setMinimumWidth(88);
    BOK->setDefault(true);

    auto *oben = new QHBoxLayout;
    oben->addWidget(ITipp);
    oben->addWidget(RETipp, 1);
    auto *unten = new QHBoxLayout;
    unten->addWidget(CBKeineTipps);
    unten->addStretch();
    unten->addWidget(BNaechster);
    unten->addWidget(BOK);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(unten);

    connect(BOK, &QPushButton::clicked, this, &TFTipp::BOKClick);
    connect(BNaechster, &QPushButton::clicked, this, &TFTipp::BNaechsterClick);

    Registriere_Tooltipps(this, {
        {QStringLiteral("CBKeineTipps"), QStringLiteral("Show no more tips while working")},
        {QStringLiteral("BNaechster"), QStringLiteral("Read the next tip")},
        {QStringLiteral("BOK"), QStringLiteral("Close the tip")},
    });
}

bool TFTipp::Lade_Tipp(int n)
{
    if (n < 1 || n > GlobalFirstTipp.size() || GlobalFirstTipp[n - 1].Tippdatei.isEmpty())
        return false;
    if (!platform::loadRtfFile(GlobalFirstTipp[n - 1].Tippdatei, RETipp->document()))
        return false;
    const QPixmap bild = platform::loadPixmap(GlobalFirstTipp[n - 1].Grafik);
    ITipp->setPixmap(bild.isNull() ? QPixmap() : bild.scaled(ITipp->width(), 220, Qt::KeepAspectRatio,
                                                             Qt::SmoothTransformation));
    ITipp->setVisible(!bild.isNull());
    setWindowTitle(QStringLiteral("Tip %1").arg(n));
    m_tipp = n;
    return true;
}

void TFTipp::BOKClick()
{
    close();
}

void TFTipp::BNaechsterClick()
{
    const int anzahl = GlobalFirstTipp.size();
    for (int schritt = 1; schritt <= anzahl; ++schritt) {
        const int n = (m_tipp - 1 + schritt) % anzahl + 1;
        if (Lade_Tipp(n)) {
            merke_gezeigt(n);
            return;
        }
    }
}

void TFTipp::closeEvent(QCloseEvent *event)
{
    // The close box counts as OK: the switch is taken over either way.
    Optionen.Tipps = CBKeineTipps->isChecked() ? 0 : 1;
    event->accept();
}

void TFTipp::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void Lade_FirstTipp()
{
    TGlobalFirstTipp tipps;
    for (int n = 1; n <= MaxTipps && platform::fileExists(tippdatei(n)); ++n) {
        TTGlobalFirstTipp t;
        t.Tippdatei = tippdatei(n);
        t.Grafik = tippgrafik(n);
        t.Gezeigt = gezeigt(n) ? 1 : 0;
        tipps.append(t);
    }
    GlobalFirstTipp = tipps;
}

namespace {
void zeige(int n)
{
    if (!FTipp)
        FTipp = new TFTipp;
    FTipp->CBKeineTipps->setChecked(Optionen.Tipps == 0);
    merke_gezeigt(n);
    Zeige_vorne(FTipp);
}
} // namespace

qint32 Zeige_Tipp()
{
    const int n = AktuellerTipp;
    if (Optionen.Tipps != 1 || gezeigt(n))
        return -1;
    if (!FTipp)
        FTipp = new TFTipp;
    if (!FTipp->Lade_Tipp(n))
        return -1;
    zeige(n);
    return 0;
}

void Zeige_Tipp_immer(int n)
{
    if (!FTipp)
        FTipp = new TFTipp;
    if (!FTipp->Lade_Tipp(n) && !FTipp->Lade_Tipp(1))
        return;
    zeige(FTipp->Tippnummer());
}
