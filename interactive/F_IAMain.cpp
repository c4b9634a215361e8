#include "interactive/F_IAMain.h"
#include "interactive/F_IAVDB.h"

#include "interactive/F_IAZutat.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "interactive/F_IAMSG.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/F_IARezepttext.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IASaetze.h"
#include "interactive/IASchliessen.h"
#include "interactive/IATabellen.h"
#include "platform/Colors.h"
#include "platform/Pictures.h"
#include "dialogs/Dienste.h"
#include "dialogs/Fensterlage.h"

TFIAMain *FIAMain = nullptr;

namespace {

constexpr quint32 Bildrahmen = 0x000200;   // around item pictures
constexpr quint32 Symbolrahmen = 0x000255; // around icons and sliders
constexpr int Breite = 1000;
constexpr int Hoehe = 720;

// The panels' places and sizes as the window was designed.
const QRect RegalRechteck(48, 2, 910, 200);
const QRect VerbRechteck(48, 2, 910, 162);
const QRect KuechenRechteck(140, 380, 660, 330);

const std::array<int, 5> Regallinks = {1, 185, 369, 553, 737};
const std::array<int, 3> Kuechenlinks = {152, 332, 512};
const std::array<int, 3> Kuechenbeschriftunglinks = {112, 292, 472};
const std::array<int, 5> Verbspalten = {2, 184, 368, 552, 736};
const std::array<int, 5> Verbzeilen = {2, 34, 66, 98, 130};

template <typename T>
T *benannt(QWidget *eltern, const QString &name)
{
    auto *w = new T(eltern);
    w->setObjectName(name);
    return w;
}

QLabel *bild(QWidget *eltern, const QString &name, const QRect &r)
{
    auto *l = benannt<QLabel>(eltern, name);
    l->setGeometry(r);
    l->hide();
    return l;
}

QLabel *beschriftung(QWidget *eltern, const QString &name, const QRect &r)
{
    auto *l = benannt<QLabel>(eltern, name);
    l->setGeometry(r);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QFrame *panel(QWidget *eltern, const QString &name, const QRect &r)
{
    auto *p = benannt<QFrame>(eltern, name);
    p->setGeometry(r);
    p->hide();
    return p;
}

void leere(QLabel *l)
{
    l->clear();
    l->hide();
}

QRect rechteck(const QWidget *w)
{
    return w->geometry();
}

TTRechteck alsRechteck(const QRect &r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

// The item's quantity and unit, or the unit alone.
QString mengentext(const TTIAZutatenliste &z)
{
    return z.Menge.isEmpty() ? z.Einheit : z.Menge + QLatin1Char(' ') + z.Einheit;
}

void setzeSchriftfarbe(QLabel *l, quint32 farbe)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, platform::fromTColor(farbe));
    l->setPalette(pal);
}

} // namespace

// --- frames ---------------------------------------------------------------

void Rahme_Bild(QImage &bild, quint32 farbe)
{
    if (bild.isNull())
        return;
    if (bild.format() != QImage::Format_ARGB32 && bild.format() != QImage::Format_RGB32)
        bild = bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb c = platform::fromTColor(farbe).rgb();
    const int w = bild.width(), h = bild.height();
    for (int x = 0; x < w; ++x) {
        bild.setPixel(x, 0, c);
        bild.setPixel(x, h - 1, c);
    }
    for (int y = 0; y < h; ++y) {
        bild.setPixel(w - 1, y, c);
        bild.setPixel(0, y, c);
    }
}

void Zeichne_Rahmen(QImage &bild, int x, int y, quint32 farbe, int h, int w)
{
    if (bild.isNull())
        return;
    QPainter p(&bild);
    p.setPen(platform::fromTColor(farbe));
    p.drawLine(x, y, x + w, y);
    p.drawLine(x, y + h, x + w, y + h);
    p.drawLine(x + w, y, x + w, y + h);
    p.drawLine(x, y, x, y + h);
}

// --- building -------------------------------------------------------------

TFIAMain::TFIAMain(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FIAMain"));
    setWindowTitle(QStringLiteral("Interaktives Kochen"));
    setFixedSize(Breite, Hoehe);
    Setze_Fensterfarbe(this);
    Baue_Fenster();
    Baue_Regal();
    Baue_Verbleiste();
    Baue_Kueche();
    Baue_Waage();
    Baue_Symbole();
    Baue_Traeger();
    Baue_Kochen();
}

void TFIAMain::Baue_Fenster()
{
    IBack = bild(this, QStringLiteral("IBack"), QRect(0, 0, Breite, Hoehe));
    IFront = benannt<QWidget>(this, QStringLiteral("IFront"));
    IFront->setGeometry(0, 0, Breite, Hoehe);
}

void TFIAMain::Baue_Regal()
{
    P0 = panel(this, QStringLiteral("P0"), RegalRechteck);
    IZBack = bild(P0, QStringLiteral("IZBack"), QRect(QPoint(), RegalRechteck.size()));
    IZFront = benannt<QWidget>(P0, QStringLiteral("IZFront"));
    for (int k = 0; k < 5; ++k) {
        const int x = Regallinks[k];
        const QString n = QString::number(k + 1);
        IZ[k] = bild(P0, QStringLiteral("IZ") + n, QRect(x, 0, 150, 140));
        IZ[k]->setScaledContents(true);
        LMenge[k] = beschriftung(P0, QStringLiteral("L") + n + QLatin1Char('0'), QRect(x, 146, 169, 13));
        LName[k] = beschriftung(P0, QStringLiteral("L") + n + QLatin1Char('1'), QRect(x, 160, 169, 26));
        LName[k]->setWordWrap(true);
        for (int j = 0; j < 5; ++j)
            IZVerlauf[k][j] = bild(P0, QStringLiteral("IZ") + n + QString::number(j), QRect(x + 152, j * 28, 20, 20));
    }
}

void TFIAMain::Baue_Verbleiste()
{
    P1 = panel(this, QStringLiteral("P1"), VerbRechteck);
    IVBack = bild(P1, QStringLiteral("IVBack"), QRect(QPoint(), VerbRechteck.size()));
    IVFront = benannt<QWidget>(P1, QStringLiteral("IVFront"));
    for (int k = 0; k < 25; ++k) {
        const int x = Verbspalten[k / 5], y = Verbzeilen[k % 5];
        const QString n = QString::number(k + 1);
        IV[k] = bild(P1, QStringLiteral("IV") + n, QRect(x, y, 28, 28));
        // A caption of up to 40 characters shows whole, on two lines if need be.
        LV[k] = beschriftung(P1, QStringLiteral("LV") + n, QRect(x + 30, y, 150, 30));
        LV[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        LV[k]->setWordWrap(true);
        QFont f = LV[k]->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        LV[k]->setFont(f);
    }
}

void TFIAMain::Baue_Kueche()
{
    P2 = panel(this, QStringLiteral("P2"), KuechenRechteck);
    IKBack = bild(P2, QStringLiteral("IKBack"), QRect(QPoint(), KuechenRechteck.size()));
    IKFront = benannt<QWidget>(P2, QStringLiteral("IKFront"));
    for (int k = 0; k < 6; ++k) {
        const int x = Kuechenlinks[k % 3], y = k < 3 ? 4 : 154;
        const QString n = QString::number(k + 1);
        IZK[k] = bild(P2, QStringLiteral("IZK") + n, QRect(x, y, 75, 70));
        // The item pictures are drawn for the shelf; the kitchen shows them at half size.
        IZK[k]->setScaledContents(true);
        LK[k] = beschriftung(P2, QStringLiteral("LK") + n,
                             QRect(Kuechenbeschriftunglinks[k % 3], k < 3 ? 75 : 225, 169, 48));
        LK[k]->setWordWrap(true);
        LK[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        for (int j = 0; j < 3; ++j)
            IZKVerlauf[k][j] = bild(P2, QStringLiteral("IZK") + n + QString::number(j),
                                    QRect(x + 80, y + 24 * j, 20, 20));
    }
    IZKPfeiloben = bild(P2, QStringLiteral("IZKPfeiloben"), QRect(10, 4, 28, 28));
    IZKGruppe = bild(P2, QStringLiteral("IZKGruppe"), QRect(10, 36, 28, 28));
    IZKPfeilunten = bild(P2, QStringLiteral("IZKPfeilunten"), QRect(10, 193, 28, 28));
    IZKLeeren = bild(P2, QStringLiteral("IZKLeeren"), QRect(8, 297, 32, 32));
    const auto regler = [this](const QString &name, const QRect &r, int von, int bis, int schritt) {
        auto *s = benannt<QSlider>(P2, name);
        s->setOrientation(Qt::Vertical);
        s->setGeometry(r);
        s->setRange(von, bis);
        s->setSingleStep(schritt);
        s->setPageStep(schritt);
        // The lowest value at the top, as the kitchen's sliders always ran.
        s->setInvertedAppearance(true);
        s->hide();
        return s;
    };
    TBZeit = regler(QStringLiteral("TBZeit"), QRect(9, 82, 30, 107), 0, 120, 1);
    TBGrad = regler(QStringLiteral("TBGrad"), QRect(9, 238, 30, 55), 50, 250, 5);
    LZeit = beschriftung(P2, QStringLiteral("LZeit"), QRect(5, 67, 60, 14));
    LGrad = beschriftung(P2, QStringLiteral("LGrad"), QRect(5, 223, 60, 14));
    LZeit->hide();
    LGrad->hide();
    for (int k = 0; k < 3; ++k)
        LRK[k] = beschriftung(P2, QStringLiteral("LRK") + QString::number(k + 1), QRect(112, 280 + 16 * k, 500, 16));
}

void TFIAMain::Baue_Waage()
{
    P3 = panel(this, QStringLiteral("P3"), KuechenRechteck);
    IWBack = bild(P3, QStringLiteral("IWBack"), QRect(QPoint(), KuechenRechteck.size()));
    IWFront = benannt<QWidget>(P3, QStringLiteral("IWFront"));
    LTitel = beschriftung(P3, QStringLiteral("LTitel"), QRect(60, 16, 300, 20));
    QFont f = LTitel->font();
    f.setBold(true);
    LTitel->setFont(f);
    IZW1 = bild(P3, QStringLiteral("IZW1"), QRect(60, 44, 150, 140));
    IZW1->setScaledContents(true);
    for (int j = 0; j < 5; ++j)
        IZWVerlauf[j] = bild(P3, QStringLiteral("IZW1") + QString::number(j), QRect(215, 44 + 28 * j, 20, 20));
    LW10 = beschriftung(P3, QStringLiteral("LW10"), QRect(60, 190, 170, 16));
    LW11 = beschriftung(P3, QStringLiteral("LW11"), QRect(60, 208, 170, 32));
    LW11->setWordWrap(true);
    EZutatName = benannt<QLineEdit>(P3, QStringLiteral("EZutatName"));
    EZutatName->setGeometry(260, 44, 230, 24);
    LBEinheit = benannt<QListWidget>(P3, QStringLiteral("LBEinheit"));
    LBEinheit->setGeometry(260, 74, 150, 170);
    CBMenge = benannt<QComboBox>(P3, QStringLiteral("CBMenge"));
    CBMenge->setEditable(true);
    CBMenge->setGeometry(420, 74, 110, 24);
    BBOK = benannt<QPushButton>(P3, QStringLiteral("BBOK"));
    BBOK->setText(QStringLiteral("Fertig"));
    BBOK->setGeometry(420, 216, 110, 28);
    for (QWidget *w : std::initializer_list<QWidget *>{EZutatName, LBEinheit, CBMenge, BBOK})
        w->hide();
}

void TFIAMain::Baue_Symbole()
{
    const auto symbol = [this](const QString &name, int top) { return bild(this, name, QRect(12, top, 28, 28)); };
    IZPfeilOben = symbol(QStringLiteral("IZPfeilOben"), 4);
    IGewuerz = symbol(QStringLiteral("IGewuerz"), 32);
    IZutat = symbol(QStringLiteral("IZutat"), 60);
    IVariable = symbol(QStringLiteral("IVariable"), 88);
    IZPfeilUnten = symbol(QStringLiteral("IZPfeilUnten"), 116);
    for (int n = 0; n < 17; ++n)
        IC[n] = bild(this, QStringLiteral("IC") + QString::number(n), QRect(10, 152 + 32 * n, 32, 32));
}

void TFIAMain::Baue_Traeger()
{
    P4 = panel(this, QStringLiteral("P4"), QRect(Breite, Hoehe, 150, 158));
    IZDummy = bild(P4, QStringLiteral("IZDummy"), QRect(0, 0, 150, 140));
    IZDummy->setScaledContents(true);
    IZDummyL = beschriftung(P4, QStringLiteral("IZDummyL"), QRect(0, 142, 150, 16));
    P5 = panel(this, QStringLiteral("P5"), QRect(Breite, Hoehe, 200, 20));
    LDummy = beschriftung(P5, QStringLiteral("LDummy"), QRect(2, 2, 196, 16));
    P6 = panel(this, QStringLiteral("P6"), QRect(Breite, Hoehe, 28, 28));
    IVDummy = bild(P6, QStringLiteral("IVDummy"), QRect(0, 0, 28, 28));
    P7 = panel(this, QStringLiteral("P7"), QRect(Breite, Hoehe, 420, 20));
    LDummyVerb = beschriftung(P7, QStringLiteral("LDummyVerb"), QRect(2, 2, 416, 16));
    P8 = panel(this, QStringLiteral("P8"), QRect(Breite, Hoehe, 420, 20));
    LWuerze = beschriftung(P8, QStringLiteral("LWuerze"), QRect(2, 2, 416, 16));
    // The parts of the seasoning sentence are kept for writing the line.
    LZuwuerzen = beschriftung(P8, QStringLiteral("LZuwuerzen"), QRect());
    LWuerzeAnzahl = beschriftung(P8, QStringLiteral("LWuerzeAnzahl"), QRect());
    LWuerzeEinheit = beschriftung(P8, QStringLiteral("LWuerzeEinheit"), QRect());
    LWuerzeGewuerz = beschriftung(P8, QStringLiteral("LWuerzeGewuerz"), QRect());
    for (QFrame *p : {P5, P7, P8})
        Setze_Fensterfarbe(p);
}

// --- pictures -------------------------------------------------------------

const QImage &TFIAMain::Bild(const QString &datei, bool transparent)
{
    return Bilddatei(Programmverzeichnis + datei, transparent);
}

const QImage &TFIAMain::Bilddatei(const QString &pfad, bool transparent)
{
    const QString schluessel = (transparent ? QStringLiteral("T:") : QStringLiteral("O:")) + pfad;
    auto it = m_bilder.constFind(schluessel);
    if (it == m_bilder.constEnd())
        it = m_bilder.insert(schluessel, platform::loadImage(pfad, transparent));
    return *it;
}

QPixmap TFIAMain::Gerahmt(const QImage &bild, quint32 farbe) const
{
    QImage b = bild;
    Rahme_Bild(b, farbe);
    return QPixmap::fromImage(b);
}

QPixmap TFIAMain::Bildpixmap(const QString &pfad, quint32 farbe, bool gerahmt)
{
    const QString schluessel = QString::number(gerahmt ? farbe : 0xFFFFFFFFu) + QLatin1Char(':') + pfad;
    auto it = m_pixmaps.constFind(schluessel);
    if (it == m_pixmaps.constEnd()) {
        const QImage &b = Bilddatei(pfad);
        it = m_pixmaps.insert(schluessel, gerahmt ? Gerahmt(b, farbe) : QPixmap::fromImage(b));
    }
    return *it;
}

// --- opening ----------------------------------------------------------------

void TFIAMain::Oeffne_InteraktivesKochen()
{
    m_bilder.clear();
    m_pixmaps.clear();
    m_kuechengeraet = -1;
    IZBack->setGeometry(QRect(QPoint(), P0->size()));
    IZFront->setGeometry(QRect(QPoint(), P0->size()));
    IZBack->show();
    IZFront->show();
    P0->move(RegalRechteck.topLeft());
    P0->hide();
    Leere_Regal();
    P1->move(VerbRechteck.topLeft());
    IVBack->setGeometry(QRect(QPoint(), P1->size()));
    IVFront->setGeometry(QRect(QPoint(), P1->size()));
    IVBack->show();
    IVFront->show();
    P1->hide();
    IKBack->setGeometry(QRect(QPoint(), P2->size()));
    IKFront->setGeometry(QRect(QPoint(), P2->size()));
    IKBack->show();
    IKFront->show();
    P2->hide();

    for (QSlider *s : {TBGrad, TBZeit}) {
        QPalette pal = s->palette();
        pal.setColor(QPalette::Button, platform::fromTColor(Fensterfarbe));
        pal.setColor(QPalette::Window, platform::fromTColor(Fensterfarbe));
        s->setPalette(pal);
        s->setAutoFillBackground(true);
        s->hide();
    }
    Setze_Temperatur(IAStatus.Temperatur);
    Setze_Kochzeit(IAStatus.Zeit);
    Leere_Verbleiste();

    IZKPfeiloben->setPixmap(Gerahmt(Bild(IAGrafikordner + QStringLiteral("IPfeilO.png")), Symbolrahmen));
    IZKPfeilunten->setPixmap(Gerahmt(Bild(IAGrafikordner + QStringLiteral("IPfeilU.png")), Symbolrahmen));
    Leere_Kochgeraet();
    Zeige_Geraetebedienung(false, false, false, false, false, false);

    P3->move(KuechenRechteck.topLeft());
    IWBack->setGeometry(QRect(QPoint(), P3->size()));
    IWFront->setGeometry(QRect(QPoint(), P3->size()));
    IWBack->setPixmap(QPixmap::fromImage(Bild(IAGrafikordner + IAWaageBild)));
    IWBack->show();
    IWFront->show();
    P3->hide();
    EZutatName->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{EZutatName, LBEinheit, CBMenge}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, platform::fromTColor(Fensterfarbe));
        w->setPalette(pal);
    }
    Leere_Waage();

    // The shelf and the verb board lie on the light form of the background.
    IBack->setGeometry(rect());
    IFront->setGeometry(rect());
    IBack->show();
    IFront->show();
    const QImage hell = Bild(IAGrafikordner + QStringLiteral("Hintergrund_Hell.png"));
    IZBack->setPixmap(QPixmap::fromImage(hell.copy(P0->geometry())));
    IVBack->setPixmap(QPixmap::fromImage(hell.copy(P1->geometry())));
    IBack->setPixmap(QPixmap::fromImage(Bild(IAGrafikordner + QStringLiteral("Hintergrund.png"))));

    const auto symbol = [this](QLabel *l, const QString &datei) {
        l->setPixmap(Gerahmt(Bild(IAGrafikordner + datei, true), Symbolrahmen));
    };
    symbol(IGewuerz, QStringLiteral("IGewürz.png"));
    symbol(IZutat, QStringLiteral("IZutat.png"));
    symbol(IVariable, QStringLiteral("IVariable.png"));
    symbol(IZPfeilOben, QStringLiteral("IPfeilO.png"));
    symbol(IZPfeilUnten, QStringLiteral("IPfeilU.png"));
    IC[0]->setPixmap(Gerahmt(Bild(IAGrafikordner + IAWaageIcon), Symbolrahmen));
    int frei = 1;
    for (int i = 0; i < AnzahlGeraete; ++i)
        if (IAGeraete[i].Schalter == 0)
            symbol(IC[frei++], IAGeraete[i].Icon);

    Zeige_Regalsymbole(false, false, false, false, false);
    Zeige_Geraetesymbole({});

    IAMausX = -1;
    IAMausY = -1;
    IAStatus.Panel = 0;
    IAStatus.Geraet = 0;
    IAStatus.Bild = std::make_shared<QImage>();

    Lege_Zutat_ab();
    Verberge_Hinweis();
    Lege_Verb_ab();
    Verberge_Wuerzvorschau();
    // Everything the handlers move or show lies above the pictures.
    for (QWidget *w : std::initializer_list<QWidget *>{P0, P1, P2, P3, IZPfeilOben, IGewuerz, IZutat, IVariable,
                                                       IZPfeilUnten, P4, P5, P6, P7, P8})
        w->raise();
    for (QLabel *ic : IC)
        ic->raise();

    if (FIAVDB) {
        FIAVDB->resize(240, 495);
        FIAVDB->ESuche->clear();
        Platziere_Verbliste();
        Fuelle_Verbliste();
    }
}

void TFIAMain::Platziere_Verbliste()
{
    // The whole verb list stays on top. Beside the kitchen's lower right
    // corner it covers neither the tutorial page nor a dialog over the
    // kitchen; on a screen too narrow for that it goes to the left of the
    // kitchen, and only failing both into the kitchen's lower right corner.
    const QMargins rahmen = Fensterrahmen(this);
    const QRect kueche(pos(), size().grownBy(QMargins(0, 0, rahmen.left() + rahmen.right(),
                                                        rahmen.top() + rahmen.bottom())));
    const QMargins r = Fensterrahmen(FIAVDB);
    const QSize liste = FIAVDB->size().grownBy(r);
    const QRect bereich = Fensterbereich();
    QPoint ecke(kueche.right() + 1, kueche.bottom() + 1 - liste.height());
    if (ecke.x() + liste.width() > bereich.right() + 1) {
        if (kueche.left() - liste.width() >= bereich.left())
            ecke.setX(kueche.left() - liste.width());
        else
            ecke = geometry().bottomRight() + QPoint(1, 1) - QPoint(liste.width(), liste.height());
    }
    Platziere_Fenster(FIAVDB, ecke);
}

void TFIAMain::Starte_IASitzung(bool neu)
{
    const qint32 geraet = IAStatus.Geraet;
    const qint32 panel = IAStatus.Panel;
    Oeffne_InteraktivesKochen();
    show();
    setEnabled(false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    show();

    // A new recipe gets its first items from the ingredient selection window
    // (below); the kitchen behind it shows its empty shelf and the chopping
    // board, as that window leaves the kitchen when it closes.
    IAStatus.Geraet = neu ? 0 : geraet;
    IAStatus.Panel = neu ? 0 : panel;
    // An item that lies on the scale is weighed first, whatever device the
    // run was saved on; otherwise no device would take anything.
    if (!neu && Waagenzutat() >= 0)
        IAStatus.Geraet = IAWaage;
    std::array<bool, 17> alle;
    alle.fill(true);
    Zeige_Geraetesymbole(alle);
    Zeige_Regalsymbole(true, true, true, true, true);
    Aktualisiere();
    if (IAStatus.Geraet < IAWaage) {
        P2->show();
        P3->hide();
        Zeige_Kochgeraet();
    } else {
        Zeige_Waage_mit_Zutat();
    }
    Aktualisiere();
    if (IAStatus.Panel == 2) {
        Zeige_Verbleiste();
        P1->show();
        P0->hide();
    } else {
        if (IAStatus.Panel == 1)
            Zeige_Gewuerzregal();
        else
            Zeige_Zutatenregal();
        P0->show();
        P1->hide();
    }

    if (TutorialSchritt > 0) {
        IAStatus.Panel = 0;
        IAStatus.Geraet = IAWaage;
        std::array<bool, 17> nurWaage{};
        nurWaage[0] = true;
        Zeige_Geraetesymbole(nurWaage);
        Zeige_Regalsymbole(true, true, true, false, true);
        Zeige_Geraetebedienung(false, false, false, false, false, false);
        Setze_Tutorialschalter();
        Setze_Tooltipps({this});
        Aktualisiere();
        Zeige_Zutatenregal();
        P0->show();
        P1->hide();
        P2->hide();
        P3->show();
        setEnabled(true);
        if (FIAMSG) {
            // Its frame is not known before it shows; it is taken to be the kitchen's.
            const int rahmen = frameGeometry().width() - width();
            FIAMSG->move(x() + frameGeometry().width() - (FIAMSG->width() + rahmen), y() + 200);
            const quint32 sitzung = m_sitzung;
            FIAMSG->Zeige_Tutorialschritt(1, true, false);
            // "Abbrechen" on the first page has left the kitchen meanwhile.
            if (sitzung != m_sitzung)
                return;
        }
    }
    Merke_IAStand();
    setWindowFlag(Qt::WindowCloseButtonHint, true);
    show();
    if (neu && TutorialSchritt == 0 && FIAZutat) {
        // A new recipe first fills its shelf: the kitchen waits, disabled,
        // until the ingredient selection closes and hands it back.
        setEnabled(false);
        Zeige_IAZutatenauswahl();
        return;
    }
    setEnabled(true);
}

// --- drawing ----------------------------------------------------------------

void TFIAMain::Leere_Regal()
{
    for (int k = 0; k < 5; ++k) {
        leere(IZ[k]);
        for (QLabel *v : IZVerlauf[k])
            leere(v);
        LMenge[k]->clear();
        LName[k]->clear();
    }
}

void TFIAMain::Zeige_Zutatenregal()
{
    IAStatus.Panel = 0;
    IARegalZaehler = IAZutatenregalOffset;
    Zeige_Regal(0);
}

void TFIAMain::Zeige_Gewuerzregal()
{
    IAStatus.Panel = 1;
    IARegalZaehler = IAGewuerzregalOffset;
    Zeige_Regal(1);
}

void TFIAMain::Zeige_Regal(qint32 gewuerz)
{
    Leere_Regal();
    const TTAIAZutatenliste &zutaten = IAZutaten();
    for (const TTIAZutatenliste &z : zutaten) {
        if (z.Ort != 0 || z.Gewuerz != gewuerz)
            continue;
        const int k = z.Anzeigeplatz - IARegalZaehler;
        if (k < 0 || k > 4)
            continue;
        IZ[k]->setPixmap(Bildpixmap(z.Grafik, Bildrahmen, true));
        IZ[k]->show();
        LMenge[k]->setText(z.Menge + QLatin1Char(' ') + z.Einheit);
        LName[k]->setText(z.Anzeigename);
        for (int j = 0; j < 5; ++j)
            if (z.Geraete[j] >= 0) {
                IZVerlauf[k][j]->setPixmap(Bildpixmap(Verlaufsgrafik(z.Geraete[j])));
                IZVerlauf[k][j]->show();
            }
    }
}

void TFIAMain::Leere_Kochgeraet()
{
    P2->move(KuechenRechteck.topLeft());
    for (int k = 0; k < 6; ++k) {
        leere(IZK[k]);
        for (QLabel *v : IZKVerlauf[k])
            leere(v);
        LK[k]->clear();
    }
    for (QLabel *l : LRK)
        l->clear();
}

void TFIAMain::Zeige_Kochgeraet()
{
    Leere_Kochgeraet();
    const qint32 g = IAStatus.Geraet;
    if (g < 0 || g >= AnzahlGeraete)
        return;
    if (m_kuechengeraet != g) {
        m_kueche = Bild(IAGrafikordner + IAGeraete[g].Kueche).convertToFormat(QImage::Format_RGB32);
        m_kuechengeraet = g;
    }
    QImage kueche = m_kueche;
    IZKPfeiloben->setPixmap(Gerahmt(Bild(IAGrafikordner + QStringLiteral("IPfeilO.png"), true), Symbolrahmen));
    Zeige_Geraetebedienung(true, true, IAGeraete[g].Zeit, true, IAGeraete[g].Grad, true);
    if (!TBGrad->isHidden()) {
        TBGrad->setValue(TBGrad->minimum() + TBGrad->maximum() - IAStatus.Temperatur);
        Setze_Temperatur(IAStatus.Temperatur);
    }
    if (!TBZeit->isHidden()) {
        TBZeit->setValue(TBZeit->minimum() + TBZeit->maximum() - IAStatus.Zeit);
        Setze_Kochzeit(IAStatus.Zeit);
    }
    IZKPfeilunten->setPixmap(Gerahmt(Bild(IAGrafikordner + QStringLiteral("IPfeilu.png"), true), Symbolrahmen));
    IZKGruppe->setPixmap(Gerahmt(Bild(IAGrafikordner + (IAStatus.Auswahlmodus != 0 ? QStringLiteral("Gruppeaus_ICon.png")
                                                                                    : QStringLiteral("Gruppean_ICon.png")),
                                      true),
                                 Symbolrahmen));
    IZKLeeren->setPixmap(Gerahmt(Bild(IAGrafikordner + IAGeraete[g].Icon, true), Symbolrahmen));
    for (QSlider *s : {TBGrad, TBZeit})
        if (!s->isHidden())
            Zeichne_Rahmen(kueche, s->x() - 1, s->y() - 1, Symbolrahmen, s->height() + 2, s->width() + 2);

    bool alle = false;
    const TTAIAZutatenliste &zutaten = IAZutaten();
    for (const TTIAZutatenliste &z : zutaten) {
        if (z.Ort != 1 || z.Gewuerz != 0)
            continue;
        const int k = z.Anzeigeplatz - IAGeraeteOffset;
        if (k < 0 || k > 5)
            continue;
        QFont f = LK[k]->font();
        f.setUnderline(z.Auswahl == 2);
        LK[k]->setFont(f);
        IZK[k]->setPixmap(Bildpixmap(z.Grafik));
        Zeichne_Rahmen(kueche, IZK[k]->x() - 1, IZK[k]->y() - 1, Bildrahmen, IZK[k]->height() + 1,
                       IZK[k]->width() + 1);
        IZK[k]->show();
        LK[k]->setText(Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Anzeigename));
        alle = alle || z.Auswahl == 1;
        for (int j = 0; j < 3; ++j)
            if (z.Geraete[2 + j] >= 0) {
                IZKVerlauf[k][j]->setPixmap(Bildpixmap(Verlaufsgrafik(z.Geraete[2 + j])));
                IZKVerlauf[k][j]->show();
            }
    }
    if (alle) {
        // One caption stands for the whole selection.
        LK[0]->setText(QStringLiteral("Alle Zutaten..."));
        for (int j = 1; j < 6; ++j)
            LK[j]->clear();
    }
    IKBack->setPixmap(QPixmap::fromImage(kueche));
    Zeige_Rezeptzeilen();
}

void TFIAMain::Leere_Verbleiste()
{
    for (int k = 0; k < 25; ++k) {
        leere(IV[k]);
        LV[k]->clear();
        IAVerbFelder[k].Symbol = alsRechteck(rechteck(IV[k]));
        IAVerbFelder[k].Beschriftung = alsRechteck(rechteck(LV[k]));
        IAVerbFelder[k].Belegt = 0;
    }
}

void TFIAMain::Zeige_Verbleiste()
{
    Leere_Verbleiste();
    IAStatus.Panel = 2;
    if (IAVERBEN.isEmpty() || IAStatus.Geraet == IAWaage)
        return;
    for (const TTIAVERBEN &v : std::as_const(IAVERBEN)) {
        const int k = v.Anzeigeplatz - IAVerbOffset;
        if (v.Anzeigeplatz < 0 || k < 0 || k > 24)
            continue;
        IAVerbFelder[k].Belegt = 1;
        if (v.Symbol >= 0 && v.Symbol < AnzahlVerbsymbole)
            IV[k]->setPixmap(Bildpixmap(IAGrafik(IAVerbsymbole[v.Symbol].Bild), Symbolrahmen, true));
        else
            IV[k]->clear();
        IV[k]->show();
        LV[k]->setText(Erzeuge_Verbbeschriftung(v.Text));
    }
}

void TFIAMain::Zeige_Rezeptzeilen()
{
    const TTIARezeptzeilenanzeige a = ::Zeige_Rezeptzeilen();
    LRK[0]->setText(a.LRK1);
    LRK[1]->setText(a.LRK2);
    LRK[2]->setText(a.LRK3);
    if (FIARezepttext)
        FIARezepttext->Zeige(a.Titel, a.Saetze);
}

void TFIAMain::Aktualisiere()
{
    Aktualisiere_IAZustand(!TBGrad->isHidden(), !TBZeit->isHidden());
    Zeige_Rezeptzeilen();
}

void TFIAMain::Zeige_Zutat_in_Hand(const QPixmap &bild, qint32 zutat)
{
    if (!bild.isNull())
        IZDummy->setPixmap(bild);
    if (const TTIAZutatenliste *z = IAZutat(zutat)) {
        IZDummyL->setText(mengentext(*z));
        IZDummyL->show();
    }
    P4->move(IAMausX + 10, IAMausY + 10);
    IZDummy->show();
    P4->show();
    P4->raise();
}

void TFIAMain::Zeige_Verb_in_Hand(qint32 verb, qint32 symbol)
{
    if (symbol >= 0 && symbol < AnzahlVerbsymbole)
        IVDummy->setPixmap(Gerahmt(Bild(IAGrafikordner + IAVerbsymbole[symbol].Bild), Symbolrahmen));
    P6->move(IAMausX + 14, IAMausY + 26);
    P7->move(P6->x() + P6->width() + 1, P6->y() - 1);
    IVDummy->show();
    P6->show();
    LDummyVerb->setText(Erzeuge_Verbtext(IAStatus.Auswahlmodus, -1, verb));
    LDummyVerb->show();
    P7->show();
    P6->raise();
    P7->raise();
}

void TFIAMain::Zeige_Wuerzvorschau(qint32 ziel)
{
    if (P4->isHidden()) {
        Verberge_Wuerzvorschau();
        return;
    }
    const TTIAWuerzvorschau w = Erzeuge_Wuerztext(ziel);
    P8->move(P4->x(), P4->y() - 1 - P8->height());
    P8->show();
    P8->raise();
    LZuwuerzen->setText(w.Ziel);
    LWuerzeAnzahl->setText(w.Anzahl);
    LWuerzeEinheit->setText(w.Einheit);
    LWuerzeGewuerz->setText(w.Gewuerz);
    LWuerze->setText(w.Satz);
    LWuerze->show();
}

void TFIAMain::Verberge_Wuerzvorschau()
{
    P8->hide();
    LWuerze->clear();
    LWuerze->hide();
    Lege_weg(P8);
    for (QLabel *l : {LWuerzeAnzahl, LWuerzeEinheit, LWuerzeGewuerz, LZuwuerzen})
        l->clear();
}

void TFIAMain::Verberge_Hinweis()
{
    LDummy->clear();
    Lege_weg(P5);
    P5->hide();
    LDummy->hide();
}

void TFIAMain::Zeige_Regalsymbole(bool pfeilOben, bool gewuerz, bool zutat, bool variable, bool pfeilUnten)
{
    IZPfeilOben->setVisible(pfeilOben);
    IGewuerz->setVisible(gewuerz);
    IZutat->setVisible(zutat);
    IVariable->setVisible(variable);
    IZPfeilUnten->setVisible(pfeilUnten);
}

void TFIAMain::Zeige_Geraetesymbole(const std::array<bool, 17> &sichtbar)
{
    for (int n = 0; n < 17; ++n)
        IC[n]->setVisible(sichtbar[n]);
}

void TFIAMain::Zeige_Geraetebedienung(bool pfeilOben, bool gruppe, bool zeit, bool pfeilUnten, bool grad, bool leeren)
{
    IZKPfeiloben->setVisible(pfeilOben);
    IZKGruppe->setVisible(gruppe);
    TBZeit->setVisible(zeit);
    LZeit->setVisible(zeit);
    IZKPfeilunten->setVisible(pfeilUnten);
    TBGrad->setVisible(grad);
    LGrad->setVisible(grad);
    IZKLeeren->setVisible(leeren);
}

// --- the window's part of the model -------------------------------------

void TFIAMain::Setze_Temperatur(qint32 grad)
{
    ::Setze_Temperatur(grad);
    const TTIABeschriftung b = Temperaturbeschriftung(grad);
    LGrad->setText(b.Text);
    setzeSchriftfarbe(LGrad, b.Farbe);
}

void TFIAMain::Setze_Kochzeit(qint32 minuten)
{
    ::Setze_Kochzeit(minuten);
    const TTIABeschriftung b = Kochzeitbeschriftung(minuten);
    LZeit->setText(b.Text);
    setzeSchriftfarbe(LZeit, b.Farbe);
}

void TFIAMain::Lege_weg(QWidget *panel)
{
    // Outside the client area a panel covers nothing.
    panel->move(width(), height());
}

void TFIAMain::Wende_an(const TTIASteuerelemente &elemente)
{
    for (const QString &name : elemente.Leeren) {
        if (auto *l = findChild<QLabel *>(name))
            l->clear();
        else if (auto *e = findChild<QLineEdit *>(name))
            e->clear();
    }
    for (const QString &name : elemente.Verbergen)
        if (auto *w = findChild<QWidget *>(name))
            w->hide();
}

void TFIAMain::Lege_Zutat_ab()
{
    ::Lege_Zutat_ab();
    Wende_an(Lege_Zutat_ab_Elemente);
    Lege_weg(P4);
}

void TFIAMain::Lege_Verb_ab()
{
    ::Lege_Verb_ab();
    Wende_an(Lege_Verb_ab_Elemente);
    Lege_weg(P6);
    Lege_weg(P7);
}

void TFIAMain::Leere_Waage()
{
    Wende_an(Leere_Waage_Elemente);
}

void TFIAMain::Lege_auf_Waage()
{
    TTIAWaagenanzeige a;
    const TTIAZutatenliste *z = IAZutat(IAHandZutat);
    if (!z)
        return;
    const qint32 datensatz = z->DBIndex;
    P3->show();
    QImage zutatbild;
    Lade_Zutatengrafik(zutatbild, datensatz);
    IZW1->setPixmap(QPixmap::fromImage(zutatbild));
    IZW1->show();
    if (!::Lege_auf_Waage(&a))
        return;
    for (int j = 0; j < 5; ++j)
        if (!a.Verlauf[j].isEmpty()) {
            IZWVerlauf[j]->setPixmap(QPixmap::fromImage(Bilddatei(a.Verlauf[j])));
            IZWVerlauf[j]->show();
        }
    Wende_an(Lege_Zutat_ab_Elemente);
    Lege_weg(P4);
    Verberge_Wuerzvorschau();
    Fuelle_IAEinheitenliste(datensatz, a.Zutat, a.Standardeinheit);
    LBEinheit->show();
    EZutatName->show();
    LTitel->setText(a.Titel);
    CBMenge->setVisible(a.MengeZeigen);
}

void TFIAMain::Fuelle_IAEinheitenliste(qint32 datensatz, qint32 zutat, bool standard)
{
    Zeige_IAEinheitenliste(::Fuelle_IAEinheitenliste(datensatz, zutat, standard), LBEinheit, CBMenge, LW10, LW11,
                           EZutatName);
}

void TFIAMain::Zeige_Waage_mit_Zutat()
{
    P3->show();
    P2->hide();
    const qint32 w = Waagenzutat();
    if (w >= 0) {
        IARezept()->IAZutaten[w].Ort = -1;
        IAHandZutat = w;
        Lege_auf_Waage();
    }
}

void TFIAMain::Verlasse_Kueche(bool uebersichtNeu)
{
    ++m_sitzung;
    // No window of the kitchen stays behind, nor works without it.
    for (QWidget *w : std::initializer_list<QWidget *>{FIARezepttext, FIAMSG, FIAVDB, FIAVerb, FIAZutat})
        if (w)
            w->hide();
    TutorialSchritt = 0;
    Stelle_Tutorialschalter_zurueck();
    Setze_Tooltipps({this});
    IAStatus.Bild.reset();
    hide();
    // The working recipe goes wherever it stands in the list.
    Entferne_IAArbeitsrezept();
    if (uebersichtNeu)
        Starte_Uebersicht_neu(true);
    if (QWidget *haupt = Hauptfenster()) {
        haupt->show();
        Schalte_Werkzeugfenster(true);
    }
}

// --- the ways in ------------------------------------------------------------

void Oeffne_Kueche(const TTRezepteTotal &vorlage, const QString &name, bool laden, bool neu)
{
    if (!FIAMain || FIAMain->isVisible())
        return;
    Setze_IAStartwerte();
    Lege_IAArbeitsrezept_an(vorlage);
    IADateiname.clear();
    Merke_IAStand();
    // The overview would change the current recipe under the kitchen.
    if (QWidget *haupt = Hauptfenster()) {
        Schalte_Werkzeugfenster(false);
        haupt->hide();
    }
    // Centred first: the whole verb list is placed beside it.
    Zentriere_Fenster(FIAMain);
    FIAMain->Oeffne_InteraktivesKochen();
    FIAMain->setWindowFlag(Qt::WindowCloseButtonHint, false);
    FIAMain->show();
    FIAMain->setEnabled(false);
    Zeige_IARezeptauswahl(name, laden, neu);
}
