#include "reference/Zutatenlistenfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Meldung.h"
#include "reference/Zutatenliste.h"

namespace {

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace

TZutatenlistenfenster::TZutatenlistenfenster(const QString &name, const QString &titel, qint32 hilfethema,
                                             TZutatentotal &zutaten, QWidget *parent)
    : QWidget(parent), Hilfethema(hilfethema)
{
    setObjectName(name);
    setWindowTitle(titel);
    resize(560, 520);
    Setze_Fensterfarbe(this);
    IBack = benannt(new QLabel(this), "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    ESuche = benannt(new QLineEdit(this), "ESuche");
    CBZart = Neue_Auswahl("CBZart");
    CLBZutat = benannt(new TZutatenliste(zutaten, true, this), "CLBZutat");
    CLBZutat->setContextMenuPolicy(Qt::CustomContextMenu);
    IZutat = benannt(new QLabel(this), "IZutat");
    IZutat->setFixedSize(96, 96);
    IZutat->setScaledContents(true);
    BZurueck = Neuer_Knopf("BZurueck", QStringLiteral("Back"));
    BBInfo = Neuer_Knopf("BBInfo", QStringLiteral("Help"));
}

QComboBox *TZutatenlistenfenster::Neue_Auswahl(const char *name)
{
    return benannt(new QComboBox(this), name);
}

QPushButton *TZutatenlistenfenster::Neuer_Knopf(const char *name, const QString &text)
{
    return benannt(new QPushButton(text, this), name);
}

QMenu *TZutatenlistenfenster::Neues_Popup(const char *name)
{
    Popup = benannt(new QMenu(this), name);
    return Popup;
}

QAction *TZutatenlistenfenster::Eintrag(const char *name, const QString &text)
{
    return benannt(Popup->addAction(text), name);
}

void TZutatenlistenfenster::Baue_Layout(QComboBox *filter, const QList<QPushButton *> &knoepfe)
{
    auto *filterzeile = new QHBoxLayout;
    filterzeile->addWidget(CBZart, 1);
    filterzeile->addWidget(filter, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(IZutat);
    for (QPushButton *k : knoepfe)
        rechts->addWidget(k);
    rechts->addStretch(1);
    rechts->addWidget(BBInfo);
    rechts->addWidget(BZurueck);
    auto *gitter = new QGridLayout(this);
    gitter->addWidget(ESuche, 0, 0);
    gitter->addLayout(filterzeile, 1, 0);
    gitter->addWidget(CLBZutat, 2, 0);
    gitter->addLayout(rechts, 0, 1, 3, 1);
    gitter->setRowStretch(2, 1);

    // Tab goes the way the eye does: search, filters, list, then the buttons
    // from the top.
    QList<QWidget *> folge = {ESuche, CBZart, filter, CLBZutat};
    for (QPushButton *k : knoepfe)
        folge.append(k);
    folge << BBInfo << BZurueck;
    for (int i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);

    connect(ESuche, &QLineEdit::textChanged, this, [this] { Suche(); });
    connect(CBZart, &QComboBox::currentIndexChanged, this, [this] { Suche(); });
    connect(filter, &QComboBox::currentIndexChanged, this, [this] { Suche(); });
    connect(CLBZutat, &TZutatenliste::currentRowChanged, this, [this] { CLBZutatClick(); });
    if (Popup)
        connect(CLBZutat, &QWidget::customContextMenuRequested, this,
                [this](const QPoint &p) { Popup->popup(CLBZutat->viewport()->mapToGlobal(p)); });
    connect(BZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(BBInfo, &QPushButton::clicked, this, [this] { Zeige_Hilfe(Hilfethema); });
}

void TZutatenlistenfenster::Lade_Bilder()
{
    IBack->setPixmap(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\")
                                          + Hintergrundgrafik));
    BBInfo->setIcon(QIcon(platform::loadPixmap(Programmverzeichnis
                                               + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
}

void TZutatenlistenfenster::Fuelle_Gruppen(const QString &erster)
{
    {
        const QSignalBlocker z(CBZart), s(ESuche);
        CBZart->clear();
        CBZart->addItem(erster);
        for (const QString &g : Zutatengruppen)
            CBZart->addItem(g);
        CBZart->setCurrentIndex(0);
        ESuche->clear();
    }
    IZutat->clear();
    CLBZutat->Leere();
}

qint32 TZutatenlistenfenster::Markierte() const
{
    return qint32(CLBZutat->Filter()->Angekreuzte().size());
}

void TZutatenlistenfenster::Markiere_alle(bool an)
{
    CLBZutat->Filter()->Kreuze_alle_an(an);
}

void TZutatenlistenfenster::Setze_Suche_zurueck(QComboBox *filter)
{
    {
        const QSignalBlocker f(filter), z(CBZart), s(ESuche);
        ESuche->clear();
        CBZart->setCurrentIndex(0);
        filter->setCurrentIndex(0);
    }
    Suche();
}

void TZutatenlistenfenster::Sperre_Aufrufer()
{
    m_sperre.Sperre();
}

void TZutatenlistenfenster::Gib_Aufrufer_frei()
{
    m_sperre.Gib_frei();
}

void TZutatenlistenfenster::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

void TZutatenlistenfenster::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        Zeige_Hilfe(Hilfethema);
    else if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TZutatenlistenfenster::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}
