#include "interactive/F_IAVerb.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "interactive/F_IAVDB.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "platform/Colors.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Fensterlage.h"

TFIAVerb *FIAVerb = nullptr;

namespace {

template <typename T> T *benannt(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

constexpr int Symbolgroesse = 32;
constexpr quint32 Rahmenfarbe = 0x000255;
const QString Ueberschrift = QStringLiteral("Verbeneditor:");

// A picture of the kitchen folder with a one-pixel frame.
QIcon gerahmt(const QString &name, bool transparent = false)
{
    QPixmap bild = platform::loadPixmap(IAGrafik(name), transparent);
    if (bild.isNull())
        return QIcon();
    QPainter maler(&bild);
    maler.setPen(platform::fromTColor(Rahmenfarbe));
    maler.drawRect(bild.rect().adjusted(0, 0, -1, -1));
    return QIcon(bild);
}

QToolButton *bildknopf(QWidget *eltern, const QString &name)
{
    auto *k = benannt(new QToolButton(eltern), name);
    k->setAutoRaise(true);
    k->setIconSize(QSize(Symbolgroesse, Symbolgroesse));
    return k;
}

TTIAVERBEN &puffer()
{
    if (IAVerbPuffer.isEmpty())
        IAVerbPuffer.resize(1);
    return IAVerbPuffer[0];
}

QString inAnfuehrung(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

TFIAVerb::TFIAVerb(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FIAVerb"));
    setWindowTitle(QStringLiteral("Tafelwerkstatt - Verbeneditor"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    // The list, the fields and the panels share the window's colour.
    for (QWidget *w : std::initializer_list<QWidget *>{Panel1, RGVerb})
        Setze_Fensterfarbe(w);
    for (QWidget *w : std::initializer_list<QWidget *>{EVerb, LBVerb}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, platform::fromTColor(Fensterfarbe));
        w->setPalette(pal);
    }
    Verbinde();
    QHash<QString, QString> hinweise{
        {QStringLiteral("EVerb"), QStringLiteral("Geben Sie ein neues Verb ein")},
        {QStringLiteral("BBOK"), QStringLiteral("Änderungen und Neuerungen übernehmen")},
        {QStringLiteral("LBVerb"), QStringLiteral("Ein vorhandenes Verb wählen")},
        {QStringLiteral("IVerb"), QStringLiteral("Das aktuelle Symbol zum Verb")},
        {QStringLiteral("IPFeiloben"), QStringLiteral("In der Symbolliste nach oben scrollen")},
        {QStringLiteral("IPfeilunten"), QStringLiteral("In der Symbolliste nach unten scrollen")},
        {QStringLiteral("BBInfo"), QStringLiteral("Die Hilfe zum Verbeneditor anzeigen")},
        {QStringLiteral("BFertig"), QStringLiteral("Verbeneditor beenden")},
        {QStringLiteral("Label1"), QStringLiteral("Freigeschaltete Kochflächen sind grün, gesperrte rot")},
        {QStringLiteral("RGVerb"), QStringLiteral("Verben können für Zeit- und Gradeinstellungen definiert werden.")},
    };
    for (int n = 0; n < AnzahlGeraete; ++n)
        hinweise.insert(IK[n]->objectName(),
                        IAGeraete[n].Hinweis + QStringLiteral(" als Kochfläche zuordnen oder sperren"));
    Registriere_Tooltipps(this, hinweise, &IAStatus.TooltippsVerbeditor);
}

void TFIAVerb::Baue_Felder()
{
    Panel1 = benannt(new QWidget(this), QStringLiteral("Panel1"));
    Panel1->setMinimumWidth(320);
    EVerb = benannt(new QLineEdit(Panel1), QStringLiteral("EVerb"));
    LBVerb = benannt(new QListWidget(Panel1), QStringLiteral("LBVerb"));
    LBVerb->setContextMenuPolicy(Qt::CustomContextMenu);
    PMVerb = benannt(new QMenu(this), QStringLiteral("PMVerb"));
    Verblschen1 = benannt(PMVerb->addAction(QStringLiteral("Verb löschen")), QStringLiteral("Verblschen1"));
    IVerb = benannt(new QLabel(this), QStringLiteral("IVerb"));
    IVerb->setFixedSize(48, 48);
    IVerb->setScaledContents(true);
    for (int k = 0; k < IAVerbSymbolAnzahl; ++k) {
        IV[k] = bildknopf(this, QStringLiteral("IV%1").arg(k + 1));
        IV[k]->setToolTip(QStringLiteral("Dem Verb ein neues Symbol zuordnen"));
    }
    IPFeiloben = bildknopf(this, QStringLiteral("IPFeiloben"));
    IPfeilunten = bildknopf(this, QStringLiteral("IPfeilunten"));
    Label1 = benannt(new QLabel(QStringLiteral("Kochflächen zuordnen:"), this), QStringLiteral("Label1"));
    for (int n = 0; n < AnzahlGeraete; ++n)
        IK[n] = bildknopf(this, QStringLiteral("IK%1").arg(n + 1));
    RGVerb = benannt(new QGroupBox(this), QStringLiteral("RGVerb"));
    RGZeit = benannt(new QRadioButton(QStringLiteral("Zeitverb ( ZZZ )"), RGVerb), QStringLiteral("RGZeit"));
    RGGrad = benannt(new QRadioButton(QStringLiteral("Gradverb ( GGG )"), RGVerb), QStringLiteral("RGGrad"));
    RGZeit->setAutoExclusive(false);
    RGGrad->setAutoExclusive(false);
    RGVerb->setEnabled(false);
    BBOK = benannt(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("BBOK"));
    BFertig = benannt(new QPushButton(QStringLiteral("Editor beenden"), this), QStringLiteral("BFertig"));
    BBInfo = benannt(new QPushButton(QStringLiteral("Hilfe"), this), QStringLiteral("BBInfo"));
}

void TFIAVerb::Baue_Layout()
{
    auto *liste = new QVBoxLayout(Panel1);
    liste->setContentsMargins(0, 0, 0, 0);
    liste->addWidget(EVerb);
    liste->addWidget(LBVerb, 1);

    auto *streifen = new QHBoxLayout;
    streifen->addWidget(IPFeiloben);
    for (QToolButton *k : IV)
        streifen->addWidget(k);
    streifen->addWidget(IPfeilunten);
    streifen->addStretch(1);

    auto *geraete = new QGridLayout;
    for (int n = 0; n < AnzahlGeraete; ++n)
        geraete->addWidget(IK[n], n / 8, n % 8);

    auto *art = new QVBoxLayout(RGVerb);
    art->addWidget(RGZeit);
    art->addWidget(RGGrad);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBOK);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BBInfo);
    knoepfe->addWidget(BFertig);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(IVerb);
    rechts->addLayout(streifen);
    rechts->addWidget(Label1);
    rechts->addLayout(geraete);
    rechts->addWidget(RGVerb);
    rechts->addStretch(1);
    rechts->addLayout(knoepfe);

    auto *haupt = new QHBoxLayout(this);
    haupt->addWidget(Panel1, 1);
    haupt->addLayout(rechts);
    resize(860, 440);
}

void TFIAVerb::Verbinde()
{
    connect(EVerb, &QLineEdit::textChanged, this, &TFIAVerb::EVerbChange);
    connect(LBVerb, &QListWidget::currentRowChanged, this, &TFIAVerb::LBVerbClick);
    connect(LBVerb, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PMVerb->popup(LBVerb->viewport()->mapToGlobal(p)); });
    connect(Verblschen1, &QAction::triggered, this, &TFIAVerb::Verblschen1Click);
    connect(IPFeiloben, &QToolButton::clicked, this, &TFIAVerb::IPFeilobenClick);
    connect(IPfeilunten, &QToolButton::clicked, this, &TFIAVerb::IPfeiluntenClick);
    for (int k = 0; k < IAVerbSymbolAnzahl; ++k)
        connect(IV[k], &QToolButton::clicked, this, [this, k] { Waehle_Verbsymbol(k); });
    for (int n = 0; n < AnzahlGeraete; ++n)
        connect(IK[n], &QToolButton::clicked, this, [this, n] { Schalte_Verbflaeche(n); });
    connect(BBOK, &QPushButton::clicked, this, &TFIAVerb::BBOKClick);
    connect(BFertig, &QPushButton::clicked, this, &TFIAVerb::BFertigClick);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(15); });
}

void TFIAVerb::Setze_Radiogruppe(qint32 art)
{
    RGZeit->setChecked(art == 2);
    RGGrad->setChecked(art == 1);
}

qint32 TFIAVerb::Radiogruppe() const
{
    return RGZeit->isChecked() ? 2 : RGGrad->isChecked() ? 1 : 0;
}

void TFIAVerb::Oeffne()
{
    IAVerbPuffer = TIAVERBEN(1);
    const QString knoepfe = Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\");
    BBOK->setIcon(QIcon(platform::loadPixmap(knoepfe + QStringLiteral("Haken_gruen.bmp"))));
    BBInfo->setIcon(QIcon(platform::loadPixmap(knoepfe + QStringLiteral("Hilfe_blau.bmp"))));
    IPFeiloben->setIcon(gerahmt(QStringLiteral("IPfeilO.png"), true));
    IPfeilunten->setIcon(gerahmt(QStringLiteral("IPfeilU.png"), true));
    {
        const QSignalBlocker sperre(EVerb);
        EVerb->clear();
    }
    IAVerbSymbolOffset = 0;
    {
        const QSignalBlocker sperre(LBVerb);
        LBVerb->clear();
        for (qint32 i = 0; i < IAVERBEN.size(); ++i) {
            IAVERBEN[i].Listenindex = i;
            LBVerb->addItem(IAVERBEN[i].Text);
        }
        LBVerb->setCurrentRow(0);
        LBVerb->scrollToTop();
    }
    Zeige_Verb(Finde_Verb_zu_Zeile(0));
}

void TFIAVerb::Zeige_Verb(qint32 v)
{
    if (v < 0)
        return;
    Lade_Verbpuffer(v);
    IAVerbSymbolOffset = puffer().Symbol;
    EVerb->setText(puffer().Text);
    m_verbGetippt = false;
    Zeichne_Verbeditor();
    const QSignalBlocker sperre(LBVerb);
    LBVerb->setCurrentRow(v);
}

void TFIAVerb::Zeichne_Verbeditor()
{
    const TTIAVERBEN &p = puffer();
    {
        const QSignalBlocker sperre(LBVerb);
        int gewaehlt = LBVerb->currentRow();
        int oben = LBVerb->indexAt(QPoint(1, 1)).row();
        LBVerb->clear();
        for (qint32 i = 0; i < IAVERBEN.size(); ++i) {
            IAVERBEN[i].Listenindex = i;
            LBVerb->addItem(IAVERBEN[i].Text);
        }
        const int letzte = LBVerb->count() - 1;
        if (letzte >= 0) {
            gewaehlt = gewaehlt < 0 ? 0 : std::min(gewaehlt, letzte);
            oben = oben < 0 ? 0 : std::min(oben, letzte);
            LBVerb->setCurrentRow(gewaehlt);
            LBVerb->scrollToItem(LBVerb->item(oben), QAbstractItemView::PositionAtTop);
        }
    }
    Setze_Radiogruppe(p.Typ == 1 ? 1 : (p.Typ == 2 || p.Typ == 3) ? 2 : 0);
    const qint32 symbol = std::clamp(p.Symbol, 0, AnzahlVerbsymbole - 1);
    IVerb->setPixmap(platform::loadPixmap(IAGrafik(IAVerbsymbole[symbol].Hervorgehoben)));
    IAVerbSymbolOffset = std::clamp(IAVerbSymbolOffset, 0, AnzahlVerbsymbole - IAVerbSymbolAnzahl);
    for (int k = 0; k < IAVerbSymbolAnzahl; ++k) {
        const qint32 s = IAVerbSymbolOffset + k;
        const TTIAVerbsymbol &v = IAVerbsymbole[s];
        IV[k]->setIcon(s == p.Symbol ? QIcon(platform::loadPixmap(IAGrafik(v.Hervorgehoben))) : gerahmt(v.Bild));
        IV[k]->setToolTip(v.Hinweis);
    }
    for (int n = 0; n < AnzahlGeraete; ++n)
        IK[n]->setIcon(gerahmt(p.Zulassung[n] ? IAGeraete[n].Gruen : IAGeraete[n].Rot));
}

void TFIAVerb::LBVerbClick()
{
    Zeige_Verb(Finde_Verb_zu_Zeile(LBVerb->currentRow()));
}

void TFIAVerb::EVerbChange()
{
    const QString text = EVerb->text();
    if (!text.isEmpty() && LBVerb->count() > 0) {
        int zeile = LBVerb->count() - 1;
        for (int i = 0; i < LBVerb->count(); ++i)
            if (LBVerb->item(i)->text().startsWith(text)) {
                zeile = i;
                break;
            }
        if (LBVerb->item(zeile)->text().startsWith(text) && m_verbGetippt)
            LBVerb->scrollToItem(LBVerb->item(zeile), QAbstractItemView::PositionAtTop);
    }
    Setze_Radiogruppe(Verbart_aus_Text(text));
    m_verbGetippt = true;
}

void TFIAVerb::IPFeilobenClick()
{
    IAVerbSymbolOffset = std::max(0, IAVerbSymbolOffset - IAVerbSymbolAnzahl);
    Zeichne_Verbeditor();
}

void TFIAVerb::IPfeiluntenClick()
{
    IAVerbSymbolOffset = std::min(AnzahlVerbsymbole - IAVerbSymbolAnzahl, IAVerbSymbolOffset + IAVerbSymbolAnzahl);
    Zeichne_Verbeditor();
}

void TFIAVerb::Waehle_Verbsymbol(int slot)
{
    puffer().Symbol = IAVerbSymbolOffset + slot;
    Zeichne_Verbeditor();
}

void TFIAVerb::Schalte_Verbflaeche(int geraet)
{
    if (geraet < 0 || geraet >= AnzahlGeraete)
        return;
    quint8 &flag = puffer().Zulassung[geraet];
    flag = flag ? 0 : 1;
    Zeichne_Verbeditor();
}

void TFIAVerb::BBOKClick()
{
    const QString text = Bereinige_Verbtext(EVerb->text());
    if (text.isEmpty())
        return;
    TTIAVERBEN &p = puffer();
    p.Typ = Radiogruppe();
    const qint32 gleich = Finde_Verbtext(text);
    if (gleich >= 0) {
        // the verb of that text takes the icon and devices; its text stays
        if (Zeige_Meldung(QStringLiteral("Für ") + inAnfuehrung(text) + QStringLiteral(" Änderungen übernehmen?"),
                          Ueberschrift, Knoepfe_Ja_Nein) == Antwort_Ja) {
            p.Text = text;
            Speichere_Verbpuffer(gleich);
            Speichere_IAVerben();
        }
        Zeige_Verb(Finde_Verbtext(text));
        return;
    }
    // No leaves every verb as it is.
    if (Zeige_Meldung(inAnfuehrung(text) + QStringLiteral(" neu aufnehmen?"), Ueberschrift, Knoepfe_Ja_Nein) != Antwort_Ja)
        return;
    TTIAVERBEN neu = p;
    neu.Text = text;
    neu.Zaehler = 0;
    neu.Anzeigeplatz = -1;
    IAVERBEN.append(neu);
    Speichere_IAVerben();
    Zeige_Verb(Finde_Verbtext(text));
}

void TFIAVerb::Verblschen1Click()
{
    const qint32 v = Finde_Verb_zu_Zeile(LBVerb->currentRow());
    if (v < 0 || LBVerb->count() < 2)
        return;
    const QString text = IAVERBEN[v].Text;
    if (Zeige_Meldung(inAnfuehrung(text) + QStringLiteral(" wirklich löschen?"), QStringLiteral("Sicherheitsabfrage:"),
                      Knoepfe_Ja_Nein) != Antwort_Ja)
        return;
    IAVERBEN[v].Text.clear(); // a verb without text is not written
    if (!Speichere_IAVerben()) {
        IAVERBEN[v].Text = text;
        return;
    }
    Zeichne_Verbeditor();
    Zeige_Verb(Finde_Verb_zu_Zeile(LBVerb->currentRow()));
}

void TFIAVerb::BFertigClick()
{
    if (Zeige_Meldung(QStringLiteral("Verbeneditor beenden und zurück in die Küche?"), QStringLiteral("Hinweis:"),
                      Knoepfe_Ja_Nein)
        == Antwort_Ja) {
        Speichere_IAVerben();
        hide();
        if (IAKuechenanbindung.Kueche_nach_vorn)
            IAKuechenanbindung.Kueche_nach_vorn();
        IAVerbPuffer.clear();
    }
    Aktualisiere_IAZustand();
    if (IAKuechenanbindung.Verbleiste_zeigen)
        IAKuechenanbindung.Verbleiste_zeigen();
    Fuelle_Verbliste();
}

void TFIAVerb::closeEvent(QCloseEvent *event)
{
    // leaving goes through "Editor beenden" and its question, unless the
    // program is ending
    if (!ProgrammOK) {
        event->accept();
        return;
    }
    event->ignore();
    if (isVisible())
        BFertigClick();
}

void TFIAVerb::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_F2) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Zeige_Verbeditor()
{
    if (!FIAVerb)
        return;
    FIAVerb->Oeffne();
    Zentriere_Fenster(FIAVerb);
    FIAVerb->show();
    FIAVerb->raise();
    FIAVerb->activateWindow();
}
