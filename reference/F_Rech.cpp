#include "reference/F_Rech.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "dialogs/Dienste.h"
#include "dialogs/Hintergrund.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"

TFRech *FRech = nullptr;
QString RechPortionentext;
double RechPreis = 0;
double RechPortionen = 1;
double RechFaktor = 1;
QString RechLabel1Text;
QString RechLabel2Text;
QString RechEAnzahlText;

namespace {
constexpr int Hilfethema = 9;

QString Zahltext(qint32 breite, double wert)
{
    QString s;
    Wandle_Kommazahl_in_Text(breite, 2, s, wert);
    return s;
}

QStringList Zeilen(const QListWidget *liste)
{
    QStringList l;
    for (int i = 0; i < liste->count(); ++i)
        l << liste->item(i)->text();
    return l;
}
} // namespace

double Lies_Portionenzahl(const QString &eingabe)
{
    QString s = eingabe;
    Entferne_doppelte_Leerzeichen(s);
    Entferne_doppelte_Kommas(s);
    Entferne_alle_Leerzeichen(s);
    Normalisiere_Dezimaltrenner(s);
    const double wert = std::fabs(Wandle_Text_in_Kommazahl(s));
    return std::isfinite(wert) ? wert : 0;
}

QStringList Berechne_Zutatenzeilen(const QStringList &zeilen, double faktor)
{
    QStringList neu;
    for (const QString &zeile : zeilen) {
        QString menge, einheit, name;
        Zerlege_Zutatenstring(zeile, menge, einheit, true, name);
        if (!menge.isEmpty())
            Multipliziere_Menge(menge, faktor);
        neu << Verbinde_Zutatenstring(menge, einheit, name);
    }
    return neu;
}

QString Formatiere_Portionentext(double portionen, const QString &wort)
{
    QString s = Zahltext(5, portionen);
    qsizetype p = s.indexOf(QLatin1String(".00"));
    if (p >= 0)
        s.remove(p, 3);
    p = s.indexOf(QLatin1String(",00"));
    if (p >= 0)
        s.remove(p, 3);
    return wort.isEmpty() ? s : s + QLatin1Char(' ') + wort;
}

TFRech::TFRech(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FRech"));
    setWindowTitle(QStringLiteral("Calculate servings:"));
    resize(640, 420);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(this, {{QStringLiteral("EAnzahl"), QStringLiteral("The new number of servings")},
                                 {QStringLiteral("LBOri"), QStringLiteral("The ingredients as they are now")},
                                 {QStringLiteral("LBNeu"), QStringLiteral("The recalculated ingredients")},
                                 {QStringLiteral("BBerechnen"), QStringLiteral("Recalculate the quantities")},
                                 {QStringLiteral("BUebernehmen"), QStringLiteral("Write the new quantities into the recipe")},
                                 {QStringLiteral("BAbbrechen"), QStringLiteral("Close without changing the recipe")},
                                 {QStringLiteral("BBInfo"), QStringLiteral("Help")}});
}

void TFRech::Baue_Felder()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    IBack = new QLabel(this);
    name(IBack, "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    Label1 = new QLabel(this);
    name(Label1, "Label1");
    Label2 = new QLabel(this);
    name(Label2, "Label2");
    LBOri = new QListWidget(this);
    name(LBOri, "LBOri");
    LBNeu = new QListWidget(this);
    name(LBNeu, "LBNeu");
    EAnzahl = new QLineEdit(this);
    name(EAnzahl, "EAnzahl");
    BBerechnen = new QPushButton(QStringLiteral("Calculate"), this);
    name(BBerechnen, "BBerechnen");
    BBerechnen->setDefault(true);
    BUebernehmen = new QPushButton(QStringLiteral("Take over"), this);
    name(BUebernehmen, "BUebernehmen");
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    name(BAbbrechen, "BAbbrechen");
    BBInfo = new QPushButton(this);
    name(BBInfo, "BBInfo");
}

void TFRech::Baue_Layout()
{
    auto *listen = new QGridLayout;
    listen->addWidget(Label2, 0, 0);
    listen->addWidget(new QLabel(QStringLiteral("New ingredients:"), this), 0, 1);
    listen->addWidget(LBOri, 1, 0);
    listen->addWidget(LBNeu, 1, 1);
    auto *anzahl = new QHBoxLayout;
    anzahl->addWidget(new QLabel(QStringLiteral("New number of servings:"), this));
    anzahl->addWidget(EAnzahl);
    anzahl->addWidget(Label1, 1);
    anzahl->addWidget(BBerechnen);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BUebernehmen);
    knoepfe->addWidget(BAbbrechen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(listen, 1);
    haupt->addLayout(anzahl);
    haupt->addLayout(knoepfe);
}

void TFRech::Verbinde()
{
    connect(BBerechnen, &QPushButton::clicked, this, &TFRech::BBerechnenClick);
    connect(EAnzahl, &QLineEdit::returnPressed, this, &TFRech::BBerechnenClick);
    connect(BUebernehmen, &QPushButton::clicked, this, &TFRech::BUebernehmenClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFRech::BAbbrechenClick);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(Hilfethema); });
}

void TFRech::BBerechnenClick()
{
    const double wert = Lies_Portionenzahl(EAnzahl->text());
    if (wert == 0 || RechPortionen <= 0) {
        Zeige_Meldung(QStringLiteral("Incorrect number!"), QStringLiteral("Error:"), Knopf_OK);
        if (EAnzahl->isEnabled() && EAnzahl->isVisible()) {
            EAnzahl->setFocus();
            EAnzahl->selectAll();
        }
        return;
    }
    RechFaktor = wert;
    const QStringList neu = Berechne_Zutatenzeilen(Zeilen(LBOri), wert / RechPortionen);
    LBNeu->clear();
    LBNeu->addItems(neu);
    EAnzahl->setText(Zahltext(5, wert));
}

void TFRech::BUebernehmenClick()
{
    // closed meanwhile (the editor took another recipe): nothing to take over
    if (!isVisible())
        return;
    if (RechPortionen <= 0) {
        BAbbrechenClick();
        return;
    }
    const QString portionen = Formatiere_Portionentext(RechFaktor, Label1->text());
    const double faktor = RechFaktor / RechPortionen;
    const double preis = RechPreis * faktor;
    // the editor changes the recipe it shows; without one, nothing changes
    if (!Uebernimm_Portionen(Zeilen(LBNeu), portionen, Zahltext(10, preis), faktor)) {
        BAbbrechenClick();
        return;
    }
    RechPreis = preis;
    hide();
    Zeige_Meldung(QStringLiteral("Please change the cooking time, if necessary! New servings: ") + portionen,
                  QStringLiteral("Hint:"), Knopf_OK);
    Zurueck_zum_Editor();
    Zeige_Editorzutaten();
}

void TFRech::BAbbrechenClick()
{
    hide();
    Zurueck_zum_Editor();
}

void TFRech::Zurueck_zum_Editor()
{
    QWidget *editor = Rezepteditor();
    if (!editor)
        return;
    editor->setEnabled(true);
    if (editor->isVisible()) {
        editor->raise();
        editor->activateWindow();
    }
}

void TFRech::closeEvent(QCloseEvent *event)
{
    event->ignore();
    BAbbrechenClick();
}

void TFRech::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        BAbbrechenClick();
    else if (event->key() == Qt::Key_F1)
        Zeige_Hilfe(Hilfethema);
    else
        QWidget::keyPressEvent(event);
}

void TFRech::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

void Zeige_Mengenberechnung()
{
    QWidget *editor = Rezepteditor();
    if (!FRech || !editor)
        return;
    editor->setEnabled(false);
    FRech->setWindowTitle(QStringLiteral("Calculate servings:"));
    FRech->BBInfo->setIcon(
        QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    FRech->BBInfo->setText(FRech->BBInfo->icon().isNull() ? QStringLiteral("Help") : QString());
    FRech->IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    FRech->Label1->setText(RechLabel1Text);
    FRech->Label2->setText(RechLabel2Text);
    FRech->EAnzahl->setText(RechEAnzahlText);
    FRech->LBOri->clear();
    FRech->LBNeu->clear();
    const QStringList zeilen = Editorzutaten();
    FRech->LBOri->addItems(zeilen);
    FRech->LBNeu->addItems(zeilen);
    FRech->show();
    FRech->raise();
    FRech->activateWindow();
    FRech->EAnzahl->setFocus();
    FRech->EAnzahl->selectAll();
}
