#include "mastering/F_TWSMZu.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "core/Protokoll.h"
#include "platform/Pictures.h"
#include "platform/Wait.h"

TFTWSMZu *FTWSMZu = nullptr;

TFTWSMZu::TFTWSMZu(QWidget *parent) : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FTWSMZu"));
    setWindowTitle(QStringLiteral("Neue Zutaten:"));
    Setze_Fensterfarbe(this);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    IZutat = new QLabel(this);
    IZutat->setObjectName(QStringLiteral("IZutat"));
    IZutat->setFixedSize(160, 160);
    IZutat->setAlignment(Qt::AlignCenter);
    CBZutat = new QComboBox(this);
    CBZutat->setObjectName(QStringLiteral("CBZutat"));
    CBZutat->setMaxVisibleItems(22);
    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(IZutat, 0, Qt::AlignHCenter);
    layout->addWidget(CBZutat);
    layout->addWidget(BOK, 0, Qt::AlignRight);

    connect(BOK, &QPushButton::clicked, this, &TFTWSMZu::BOKClick);
}

void TFTWSMZu::BOKClick()
{
    const int kategorie = CBZutat->currentIndex();
    if (ZuDaIndex >= 0 && ZuDaIndex < Zutatentotal.size() && kategorie >= 0) {
        TTZutatentotal &r = Zutatentotal[ZuDaIndex];
        r.Kategorie = kategorie;
        Schreibe_Protokoll(3, r.Zutatname + QStringLiteral(": ") + Zutatengruppen[size_t(kategorie)]);
    }
    hide();
}

void Zeige_Zutatenkategorieauswahl()
{
    if (!FTWSMZu)
        return;
    FTWSMZu->CBZutat->clear();
    for (const QString &gruppe : Zutatengruppen)
        FTWSMZu->CBZutat->addItem(gruppe);
    FTWSMZu->CBZutat->setCurrentIndex(0);
    for (qint32 i = 0; i < Zutatentotal.size(); ++i) {
        ZuDaIndex = i;
        const TTZutatentotal &r = Zutatentotal[i];
        FTWSMZu->Label1->setText(r.Zutatname);
        QString grafik = r.Grafik();
        if (grafik.startsWith(QLatin1Char('\\')))
            grafik.remove(0, 1);
        const QPixmap bild = platform::loadPixmap(Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\") + grafik);
        FTWSMZu->IZutat->setPixmap(bild.isNull() ? QPixmap()
                                                 : bild.scaled(FTWSMZu->IZutat->size(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation));
        FTWSMZu->show();
        FTWSMZu->raise();
        platform::waitWhileVisible(FTWSMZu);
        if (FTWSMZu->isVisible())
            break; // the program is closing
    }
}
