#include "reference/F_ZuDa.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Rezeptzeichen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/PathNames.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "platform/Wait.h"
#include "dialogs/F_Meldung.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"

TFZuDa *FZuDa = nullptr;

namespace {

std::function<void(const TTZutatentotal &)> g_rueckgabe;

const QString Zutatgrafikordner = QStringLiteral("GFXZUTAT\\ENG\\");

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

bool Gueltiger_Index(qint32 i)
{
    return i >= 0 && i < Zutatentotal.size();
}

} // namespace

QString Bereinige_Zutatname(const QString &text, bool ende)
{
    // spaces of every kind become blanks first, invisible characters go
    QString s = Bereinige_Rezeptzeichen(text);
    // tabs first, so that a tab beside a blank is collapsed too
    Ersetze_Tabulatoren(s);
    Entferne_doppelte_Leerzeichen(s);
    Entferne_doppelte_Kommas(s);
    Entferne_fuehrende_Leerzeichen(s);
    if (ende)
        Entferne_endende_Leerzeichen(s);
    return s;
}

TZuDaPruefung Pruefe_Zutat(const TZutatentotal &zutaten, const QString &name, const QString &rezeptname, bool neu,
                           qint32 index)
{
    const QString gesucht = platform::upperCase(Bereinige_Zutatname(name, true));
    if (neu && !gesucht.isEmpty())
        for (qint32 i = 0; i < zutaten.size(); ++i)
            if (i != index && platform::upperCase(zutaten[i].Zutatname) == gesucht)
                return {QStringLiteral("Ingredient already exists! Please select an other name!"),
                        QStringLiteral("Error:")};
    if (Bereinige_Zutatname(name, true).isEmpty() || Bereinige_Zutatname(rezeptname, true).isEmpty())
        return {QStringLiteral("Please enter an ingredient name and a name for the description!"),
                QStringLiteral("Note:")};
    // The database file would keep a "?" in their place.
    const QString fremd = Nicht_speicherbare_Zeichen(Bereinige_Zutatname(name, true) + Bereinige_Zutatname(rezeptname, true));
    if (!fremd.isEmpty())
        return {QStringLiteral("The ingredient database cannot hold these characters: ") + fremd
                    + QStringLiteral("\nPlease remove or replace them."),
                QStringLiteral("Note:")};
    return {};
}

void Setze_Zutatenrueckgabe(std::function<void(const TTZutatentotal &)> rueckgabe)
{
    g_rueckgabe = std::move(rueckgabe);
}

// --- window -------------------------------------------------------------------

TFZuDa::TFZuDa(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FZuDa"));
    setWindowTitle(QStringLiteral("Ingredient editor"));
    resize(620, 460);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(this, {
        {QStringLiteral("Ezutatname"), QStringLiteral("Name of the ingredient in your database")},
        {QStringLiteral("EZutatRezeptname"), QStringLiteral("Name of the ingredient in recipe texts")},
        {QStringLiteral("CBKategorie"), QStringLiteral("Ingredient group")},
        {QStringLiteral("IZutatneu"), QStringLiteral("Click to choose a picture")},
        {QStringLiteral("Ezutatsuche"), QStringLiteral("Search the ingredients you already have")},
        {QStringLiteral("BUebernehmen"), QStringLiteral("Take over the ingredient")},
        {QStringLiteral("BAbbrechen"), QStringLiteral("Leave without taking over")},
    });
}

void TFZuDa::Baue_Felder()
{
    IBack = benannt(new QLabel(this), "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    Ezutatname = benannt(new QLineEdit(this), "Ezutatname");
    EZutatRezeptname = benannt(new QLineEdit(this), "EZutatRezeptname");
    CBKategorie = benannt(new QComboBox(this), "CBKategorie");
    RGAktiv = benannt(new QGroupBox(QStringLiteral("State"), this), "RGAktiv");
    Setze_Fensterfarbe(RGAktiv);
    RGAktivKnoepfe = new QButtonGroup(this);
    auto *reihe = new QHBoxLayout(RGAktiv);
    const char *namen[] = {"Aktiv", "Inaktiv"};
    for (int i = 0; i < 2; ++i) {
        auto *k = benannt(new QRadioButton(QLatin1String(namen[i]), RGAktiv), namen[i]);
        RGAktivKnoepfe->addButton(k, i);
        reihe->addWidget(k);
    }
    IZutatneu = benannt(new QLabel(this), "IZutatneu");
    IZutatneu->setFixedSize(96, 96);
    IZutatneu->setScaledContents(true);
    IZutatneu->setFrameShape(QFrame::Box);
    IZutatneu->installEventFilter(this);
    BRezeptgrafik = benannt(new QPushButton(QStringLiteral("Picture..."), this), "BRezeptgrafik");
    Ezutatsuche = benannt(new QLineEdit(this), "Ezutatsuche");
    LBZutatsuche = benannt(new TZutatenliste(Zutatentotal, false, this), "LBZutatsuche");
    IZutatsuche = benannt(new QLabel(this), "IZutatsuche");
    IZutatsuche->setFixedSize(64, 64);
    IZutatsuche->setScaledContents(true);
    BUebernehmen = benannt(new QPushButton(QStringLiteral("Take over"), this), "BUebernehmen");
    BUebernehmen->setDefault(true);
    BAbbrechen = benannt(new QPushButton(QStringLiteral("Cancel"), this), "BAbbrechen");
}

void TFZuDa::Baue_Layout()
{
    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("Ingredient name:"), Ezutatname);
    felder->addRow(QStringLiteral("Name in recipe texts:"), EZutatRezeptname);
    felder->addRow(QStringLiteral("Ingredient group:"), CBKategorie);
    felder->addRow(RGAktiv);
    auto *bild = new QVBoxLayout;
    bild->addWidget(IZutatneu);
    bild->addWidget(BRezeptgrafik);
    bild->addStretch(1);
    auto *oben = new QHBoxLayout;
    oben->addLayout(felder, 1);
    oben->addLayout(bild);

    auto *suche = new QGroupBox(QStringLiteral("Ingredients in your database"), this);
    Setze_Fensterfarbe(suche);
    auto *suchfeld = new QGridLayout(suche);
    suchfeld->addWidget(Ezutatsuche, 0, 0);
    suchfeld->addWidget(LBZutatsuche, 1, 0);
    suchfeld->addWidget(IZutatsuche, 1, 1, Qt::AlignTop);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BUebernehmen);
    knoepfe->addWidget(BAbbrechen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addWidget(suche, 1);
    haupt->addLayout(knoepfe);
}

void TFZuDa::Verbinde()
{
    connect(Ezutatsuche, &QLineEdit::textChanged, this, &TFZuDa::EzutatsucheChange);
    connect(LBZutatsuche, &TZutatenliste::currentRowChanged, this, &TFZuDa::LBZutatsucheClick);
    connect(BRezeptgrafik, &QPushButton::clicked, this, &TFZuDa::BRezeptgrafikClick);
    connect(Ezutatname, &QLineEdit::editingFinished, this, &TFZuDa::EzutatnameExit);
    connect(EZutatRezeptname, &QLineEdit::editingFinished, this, &TFZuDa::EZutatRezeptnameExit);
    connect(BUebernehmen, &QPushButton::clicked, this, &TFZuDa::BUebernehmenClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFZuDa::BAbbrechenClick);
}

void TFZuDa::Fuelle(const QString &name, const QString &rezeptname, const QString &suchtext, qint32 statusindex,
                    qint32 kategorie)
{
    m_uebernommen = false;
    m_grafik = Zutatentotal[ZuDaIndex].Grafik();
    {
        const QSignalBlocker sperre(Ezutatsuche);
        Ezutatsuche->setText(suchtext);
    }
    Ezutatname->setText(name);
    EZutatRezeptname->setText(rezeptname);
    RGAktivKnoepfe->button(statusindex == 1 ? 1 : 0)->setChecked(true);
    IBack->setPixmap(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\")
                                          + Hintergrundgrafik));
    LBZutatsuche->Leere();
    CBKategorie->clear();
    for (const QString &g : Zutatengruppen)
        CBKategorie->addItem(g);
    CBKategorie->setCurrentIndex(kategorie >= 0 && kategorie < AnzahlZutatengruppen ? kategorie : 0);
    Zeige_Grafik();
    EzutatsucheChange();
}

void TFZuDa::Zeige_Grafik()
{
    const QString pfad = Programmverzeichnis + Zutatgrafikordner + m_grafik;
    if (!m_grafik.isEmpty() && platform::isSafeRelativePath(Zutatgrafikordner + m_grafik)
        && platform::fileExists(pfad))
        IZutatneu->setPixmap(platform::loadPixmap(pfad));
    else
        IZutatneu->clear();
}

void TFZuDa::EzutatsucheChange()
{
    if (Zutatentotal.isEmpty())
        return;
    LBZutatsuche->Suche(Ezutatsuche->text());
    LBZutatsucheClick();
}

void TFZuDa::LBZutatsucheClick()
{
    const qint32 zeile = LBZutatsuche->currentRow();
    const qint32 i = LBZutatsuche->Zutat(zeile);
    if (i < 0 || !Lade_Zutatengrafik(IZutatsuche, i))
        IZutatsuche->clear();
    if (zeile < 0)
        return;
    // the group of the first ingredient of that name
    const qint32 k = Suche_Zutat(LBZutatsuche->Text(zeile), -1);
    if (k >= 0 && Zutatentotal[k].Kategorie >= 0 && Zutatentotal[k].Kategorie < AnzahlZutatengruppen)
        CBKategorie->setCurrentIndex(Zutatentotal[k].Kategorie);
}

void TFZuDa::BRezeptgrafikClick()
{
    QStringList muster;
    for (const QString &e : platform::pictureExtensions())
        muster << QStringLiteral("*.") + e;
    const QString gewaehlt = platform::openFileName(
        this, QStringLiteral("Rezeptgrafik laden"), Optionen.Zutatgrafikverzeichnis,
        QStringLiteral("Pictures (") + muster.join(QLatin1Char(' ')) + QStringLiteral(")"));
    if (gewaehlt.isEmpty() || !platform::fileExists(gewaehlt))
        return;
    Optionen.Zutatgrafikverzeichnis = Ermittle_Verzeichnis(gewaehlt);
    m_grafik = Ermittle_Dateiname(gewaehlt);
    const QString ziel = Programmverzeichnis + Zutatgrafikordner + m_grafik;
    if (!platform::samePath(gewaehlt, ziel)) {
        if (!platform::fileExists(ziel)) {
            Kopiere_Datei(gewaehlt, ziel);
        } else if (Zeige_Meldung(QStringLiteral("The file already exists! Overwrite?"), QStringLiteral("Note:"), Knoepfe_Ja_Nein)
                   == Antwort_Ja) {
            Kopiere_Datei(gewaehlt, ziel);
        } else {
            m_grafik.clear();
        }
    }
    Zeige_Grafik();
}

void TFZuDa::EzutatnameExit()
{
    const QString s = Bereinige_Zutatname(Ezutatname->text(), false);
    if (s != Ezutatname->text())
        Ezutatname->setText(s);
}

void TFZuDa::EZutatRezeptnameExit()
{
    const QString s = Bereinige_Zutatname(EZutatRezeptname->text(), false);
    if (s != EZutatRezeptname->text())
        EZutatRezeptname->setText(s);
}

void TFZuDa::BUebernehmenClick()
{
    if (!Gueltiger_Index(ZuDaIndex))
        return;
    const TZuDaPruefung p =
        Pruefe_Zutat(Zutatentotal, Ezutatname->text(), EZutatRezeptname->text(), ZuDaNeu == 1, ZuDaIndex);
    if (!p.Meldung.isEmpty()) {
        Zeige_Meldung(p.Meldung, p.Ueberschrift, Knopf_OK);
        return;
    }
    TTZutatentotal &z = Zutatentotal[ZuDaIndex];
    z.Zutatname = Bereinige_Zutatname(Ezutatname->text(), true);
    z.Rezepttextname = Bereinige_Zutatname(EZutatRezeptname->text(), true);
    // the fields show what is stored
    Ezutatname->setText(z.Zutatname);
    EZutatRezeptname->setText(z.Rezepttextname);
    z.Suchname = z.Zutatname;
    z.Status = RGAktivKnoepfe->checkedId() == 1 ? 0 : 1;
    const int k = CBKategorie->currentIndex();
    z.Kategorie = k >= 0 && k < AnzahlZutatengruppen ? k : 0;
    z.Grafik() = m_grafik;
    if (z.Grafik().isEmpty() || !platform::isSafeRelativePath(Zutatgrafikordner + z.Grafik())
        || !platform::fileExists(Programmverzeichnis + Zutatgrafikordner + z.Grafik()))
        z.Grafik().clear();
    m_uebernommen = true;
    hide();
    Zurueck_zum_Aufrufer();
    if (g_rueckgabe)
        g_rueckgabe(z);
    ZuDaFertig = 1;
}

void TFZuDa::Verwerfe_neue_Zutat()
{
    if (ZuDaNeu != 1 || m_uebernommen || !Gueltiger_Index(ZuDaIndex))
        return;
    if (ZuDaIndex == Zutatentotal.size() - 1)
        Zutatentotal.removeLast();
    else
        Zutatentotal[ZuDaIndex].Zutatname.clear();
    ZuDaIndex = -1;
    ZuDaNeu = 0;
}

void TFZuDa::BAbbrechenClick()
{
    close();
}

void TFZuDa::Zurueck_zum_Aufrufer()
{
    m_sperre.Gib_frei();
    if (QWidget *a = ZuDaAufruferfenster) {
        a->show();
        a->setEnabled(true);
        a->raise();
        a->activateWindow();
    }
}

void TFZuDa::closeEvent(QCloseEvent *event)
{
    if (isHidden() || m_uebernommen) {
        event->accept();
        return;
    }
    if (ProgrammOK
        && Zeige_Meldung(QStringLiteral("Exit edit mode?"), QStringLiteral("Question:"), Knoepfe_Ja_Nein) != Antwort_Ja) {
        event->ignore();
        return;
    }
    event->accept();
    // the new record leaves only once leaving is confirmed
    Verwerfe_neue_Zutat();
    hide();
    Zurueck_zum_Aufrufer();
    ZuDaFertig = 1;
}

void TFZuDa::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFZuDa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

bool TFZuDa::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == IZutatneu && event->type() == QEvent::MouseButtonRelease) {
        BRezeptgrafikClick();
        return true;
    }
    return QWidget::eventFilter(objekt, event);
}

// --- opening ------------------------------------------------------------------

bool Zeige_Zutateneditor(const QString &name, const QString &rezeptname, const QString &suchtext,
                         bool aufruferSperren, QWidget *aufrufer, qint32 statusindex, qint32 kategorie)
{
    ZuDaFertig = 0;
    if (!FZuDa)
        return false;
    if (ZuDaNeu == 1) {
        Zutatentotal.append(TTZutatentotal());
        ZuDaIndex = qint32(Zutatentotal.size() - 1);
        Initialisiere_Zutat(ZuDaIndex);
    }
    if (!Gueltiger_Index(ZuDaIndex))
        return false;
    ZuDaAufruferfenster = aufrufer;
    if (aufruferSperren && aufrufer)
        aufrufer->setEnabled(false);
    FZuDa->Sperre_Aufrufer();
    FZuDa->Fuelle(name, rezeptname, suchtext, statusindex, kategorie);
    FZuDa->show();
    FZuDa->raise();
    FZuDa->activateWindow();
    return true;
}

bool Pruefe_Zutateneditor_geschlossen()
{
    if (!FZuDa || !FZuDa->isVisible())
        return true;
    Zeige_Meldung(QStringLiteral("Please finish the ingredient editor first!"), QStringLiteral("Note:"), Knopf_OK);
    return false;
}

bool Bearbeite_Zutat(qint32 index, bool aufruferSperren, QWidget *aufrufer, bool mitInaktiven)
{
    if (!Zutaten_mit_Inaktiven_geladen() && !Lade_Zutaten(Load | Alle)) {
        Zeige_Meldung(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    const bool neu = index < 0;
    ZuDaNeu = neu ? 1 : 0;
    ZuDaIndex = neu ? -1 : index;
    bool gezeigt;
    if (neu) {
        gezeigt = Zeige_Zutateneditor(QString(), QString(), QString(), aufruferSperren, aufrufer, 0, 0);
    } else if (index < Zutatentotal.size()) {
        const TTZutatentotal z = Zutatentotal[index];
        gezeigt = Zeige_Zutateneditor(z.Zutatname, z.Rezepttextname, z.Suchname, aufruferSperren, aufrufer, 0,
                                      z.Kategorie);
    } else {
        gezeigt = false;
    }
    if (gezeigt)
        platform::waitUntil([] { return ZuDaFertig == 1; });
    ZuDaNeu = 0;
    ZuDaIndex = -1;
    if (!gezeigt)
        return false;
    Lade_Zutaten(Save);
    Lade_Zutaten(mitInaktiven ? Load | Alle : Load);
    return true;
}
