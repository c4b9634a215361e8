#include "reference/F_GeAllZuDa.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>

#include "core/Dateioperationen.h"
#include "platform/CodePage.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "core/Meldung.h"
#include "dialogs/F_Warten.h"
#include "reference/F_Lex.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"

TZutatentotal GesamtZutaten;
TFGeAllZuDa *FGeAllZuDa = nullptr;

namespace {

QSet<QString> Namen(const TZutatentotal &zutaten)
{
    QSet<QString> namen;
    for (const TTZutatentotal &z : zutaten)
        if (!z.Zutatname.isEmpty())
            namen.insert(platform::upperCase(z.Zutatname));
    return namen;
}

} // namespace

qint32 Entferne_vorhandene_Zutaten(TZutatentotal &gesamt, const TZutatentotal &eigene)
{
    const QSet<QString> vorhanden = Namen(eigene);
    qint32 uebrig = 0;
    for (TTZutatentotal &z : gesamt) {
        if (vorhanden.contains(platform::upperCase(z.Zutatname)))
            z.Zutatname.clear();
        if (!z.Zutatname.isEmpty())
            ++uebrig;
    }
    return uebrig;
}

qint32 Uebernimm_Zutaten(TZutatentotal &eigene, TZutatentotal &gesamt, const QVector<qint32> &indexe)
{
    QSet<QString> vorhanden = Namen(eigene);
    qint32 n = 0;
    for (qint32 i : indexe) {
        if (i < 0 || i >= gesamt.size() || gesamt[i].Zutatname.isEmpty())
            continue;
        const QString gross = platform::upperCase(gesamt[i].Zutatname);
        if (!vorhanden.contains(gross)) {
            TTZutatentotal neu = gesamt[i];
            neu.Status = 1;
            neu.Listenposition = -1;
            neu.Suchlistenposition = -1;
            eigene.append(neu);
            vorhanden.insert(gross);
            ++n;
        }
        gesamt[i].Zutatname.clear();
    }
    return n;
}

TFGeAllZuDa::TFGeAllZuDa(QWidget *parent)
    : TZutatenlistenfenster(QStringLiteral("FGeAllZuDa"),
                            QStringLiteral("Import ingredients from the global ingredient database:"), 5,
                            GesamtZutaten, parent)
{
    CBMarke = Neue_Auswahl("CBMarke");
    BImportieren = Neuer_Knopf("BImportieren", QStringLiteral("Import"));
    BAlle = Neuer_Knopf("BAlle", QStringLiteral("Mark all"));
    Baue_Menue();
    Baue_Layout(CBMarke, {BImportieren, BAlle});
    Verbinde();
    Registriere_Tooltipps(this, {
        {QStringLiteral("ESuche"), QStringLiteral("Search ingredients")},
        {QStringLiteral("CBZart"), QStringLiteral("Show one ingredient group")},
        {QStringLiteral("BImportieren"), QStringLiteral("Take the ticked ingredients into your database")},
        {QStringLiteral("BAlle"), QStringLiteral("Tick every ingredient")},
        {QStringLiteral("BZurueck"), QStringLiteral("Save and close")},
        {QStringLiteral("BBInfo"), QStringLiteral("Help")},
    });
}

void TFGeAllZuDa::Baue_Menue()
{
    PMFGE = Neues_Popup("PMFGE");
    PMMarkierteimportieren = Eintrag("PMMarkierteimportieren", QStringLiteral("Import selected ingredients"));
    PMAlleMarkieren = Eintrag("PMAlleMarkieren", QStringLiteral("Select all"));
    PMAuswahlaufheben = Eintrag("PMAuswahlaufheben", QStringLiteral("Clear selection"));
    PMFGE->addSeparator();
    PMSucheingabenzuruecksetzen = Eintrag("PMSucheingabenzuruecksetzen", QStringLiteral("Reset search"));
    PMHerdfibel = Eintrag("PMHerdfibel", QStringLiteral("Cooking dictionary..."));
    PMHilfe = Eintrag("PMHilfe", QStringLiteral("Help"));
    PMImportbeenden = Eintrag("PMImportbeenden", QStringLiteral("Close"));
}

void TFGeAllZuDa::Verbinde()
{
    connect(PMFGE, &QMenu::aboutToShow, this, &TFGeAllZuDa::PMFGEPopup);
    connect(BImportieren, &QPushButton::clicked, this, &TFGeAllZuDa::BImportierenClick);
    connect(BAlle, &QPushButton::clicked, this, &TFGeAllZuDa::BAlleClick);
    connect(PMMarkierteimportieren, &QAction::triggered, this, &TFGeAllZuDa::BImportierenClick);
    connect(PMAlleMarkieren, &QAction::triggered, this, &TFGeAllZuDa::BAlleClick);
    connect(PMAuswahlaufheben, &QAction::triggered, this, &TFGeAllZuDa::PMAuswahlaufhebenClick);
    connect(PMSucheingabenzuruecksetzen, &QAction::triggered, this, &TFGeAllZuDa::PMSucheingabenzuruecksetzenClick);
    connect(PMHerdfibel, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });
    connect(PMHilfe, &QAction::triggered, this, [this] { Zeige_Hilfe(Hilfethema); });
    connect(PMImportbeenden, &QAction::triggered, this, &QWidget::close);
}

void TFGeAllZuDa::Vorbereiten()
{
    Lade_Bilder();
    {
        const QSignalBlocker m(CBMarke);
        CBMarke->clear();
        CBMarke->addItem(QStringLiteral("Ingredients of all makes"));
        CBMarke->setCurrentIndex(0);
    }
    Fuelle_Gruppen(QStringLiteral("All ingredients"));
    Suche();
}

void TFGeAllZuDa::Suche()
{
    TZutatensuchart art;
    const int gruppe = CBZart->currentIndex() - 1;
    art.Ausgeschlossen = [gruppe](const TTZutatentotal &z) { return gruppe >= 0 && z.Kategorie != gruppe; };
    CLBZutat->Suche(ESuche->text(), art);
    CLBZutatClick();
}

void TFGeAllZuDa::CLBZutatClick()
{
    const qint32 i = CLBZutat->Aktuelle_Zutat();
    if (i < 0 || !Lade_Zutatengrafik(IZutat, GesamtZutaten[i]))
        IZutat->clear();
}

void TFGeAllZuDa::BAlleClick()
{
    Markiere_alle(true);
}

void TFGeAllZuDa::PMAuswahlaufhebenClick()
{
    Markiere_alle(false);
}

void TFGeAllZuDa::BImportierenClick()
{
    const QVector<qint32> indexe = CLBZutat->Filter()->Angekreuzte();
    if (indexe.isEmpty())
        return;
    Uebernimm_Zutaten(Zutatentotal, GesamtZutaten, indexe);
    Suche();
}

void TFGeAllZuDa::PMSucheingabenzuruecksetzenClick()
{
    Setze_Suche_zurueck(CBMarke);
}

void TFGeAllZuDa::PMFGEPopup()
{
    const qint32 markiert = Markierte();
    const bool gefuellt = CLBZutat->count() > 0;
    PMMarkierteimportieren->setEnabled(gefuellt && markiert > 0);
    PMAuswahlaufheben->setEnabled(gefuellt && markiert > 0);
    PMAlleMarkieren->setEnabled(gefuellt && markiert != CLBZutat->count());
    PMSucheingabenzuruecksetzen->setEnabled(true);
    PMImportbeenden->setEnabled(true);
    PMHerdfibel->setEnabled(true);
}

void TFGeAllZuDa::FormClose()
{
    GesamtZutaten.clear();
    Lade_Zutaten(Save);
    Lade_Zutaten(Load);
    hide();
    Gib_Aufrufer_frei();
}

void Zeige_Gesamtzutatendatenbank()
{
    if (!FGeAllZuDa || !Pruefe_Zutateneditor_geschlossen())
        return;
    Aufbereitungsfenster_Auf(Hauptfenster(), 0, QStringLiteral("Loading whole ingredient database..."));
    GesamtZutaten.clear();
    auto abbrechen = [](const QString &text, const QString &ueberschrift) {
        GesamtZutaten.clear();
        Aufbereitungsfenster_Zu(0);
        Zeige_Meldung(text, ueberschrift, Knopf_OK);
    };
    // The user's database first: a complete copy to fall back on, so that
    // Zutatentotal never keeps the global database after a failed load.
    if (!Lade_Zutaten(Load | Alle))
        return abbrechen(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"));
    const TZutatentotal eigene = Zutatentotal;
    if (!Lade_Zutaten(Load | Alle, QStringLiteral("Lebensmittel_ALL.hbr"))) {
        Lade_Zutaten(Load);
        return abbrechen(QStringLiteral("The global ingredient database could not be read!"),
                         QStringLiteral("Error:"));
    }
    GesamtZutaten = Zutatentotal;
    if (!Lade_Zutaten(Load | Alle)) {
        Zutatentotal = eigene;
        return abbrechen(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"));
    }
    if (Entferne_vorhandene_Zutaten(GesamtZutaten, Zutatentotal) == 0) {
        Lade_Zutaten(Load);
        return abbrechen(QStringLiteral("No new ingredients found!"), QStringLiteral("Note:"));
    }
    FGeAllZuDa->Vorbereiten();
    FGeAllZuDa->Sperre_Aufrufer();
    Aufbereitungsfenster_Zu(0);
    FGeAllZuDa->show();
    FGeAllZuDa->raise();
    FGeAllZuDa->activateWindow();
}
