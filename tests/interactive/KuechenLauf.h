#pragma once
// Shared state of the window-driven kitchen tests: one copied installation
// for the whole run, scripted messages per test, and the closing check that
// leaving the kitchen drops its working recipe and shows the overview again.
#include <optional>

#include "app/Start.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/IADatei.h"
#include "recipes/F_Main.h"
#include "testing/Testing.h"
#include "KuecheFixtures.h"

class KuechenLauf
{
public:
    // An item with its database record and a picture, as the kitchen keeps it.
    static TTIAZutatenliste zutat(const QString &name, int ort, int gewuerz = 0, const QString &menge = {},
                                  const QString &einheit = {})
    {
        TTIAZutatenliste z = kueche::zutat(name, ort, gewuerz, menge, einheit);
        z.DBIndex = Suche_Zutat(name, -1);
        z.Grafik = Zutatengruppengrafik(2);
        return z;
    }

protected:
    void starteInstallation()
    {
        base.emplace();
        base->copyInstallation();
        TWS_Grundwerte();
        Erzeuge_Formulare();
        QVERIFY(TWS_Programmstart_Daten());
        Optionen.Tipps = 0;
        Programmstart(true);
    }
    void beginneTest()
    {
        testing::failOnWarnings();
        meldungen.emplace();
        m_rezepte = RezepteTotal.size();
        IAStatus = TTIAStatus();
        Programmstart(false);
        FMain->show();
    }
    // Closes the kitchen if it is open and checks the way back.
    void verlasseKueche()
    {
        if (FIAMain->isVisible()) {
            FIAMain->setEnabled(true);
            TutorialSchritt = 0;
            meldungen->allow(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
            FIAMain->close();
        }
        QVERIFY(!FIAMain->isVisible());
        QCOMPARE(RezepteTotal.size(), m_rezepte);
        QVERIFY(FMain->isVisible());
    }
    // The kitchen laid out over a fresh working recipe, as the chooser leaves it.
    void oeffneKueche()
    {
        Oeffne_Kueche(TTRezepteTotal(), QStringLiteral("Neues Rezept"), true, true);
        FIARezeptladen->hide();
        FIAMain->setEnabled(true);
        IARezepttext.clear();
        IADateiname.clear();
        IARezept()->Kategorie = 0;
    }
    void beendeTest()
    {
        QVERIFY2(meldungen->pending().isEmpty(), qPrintable(meldungen->pending().join(QLatin1Char('|'))));
        meldungen.reset();
    }

    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> meldungen;
    qsizetype m_rezepte = 0;
};
