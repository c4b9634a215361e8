#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "reference/Einheiten.h"
#include "reference/F_VAR.h"

namespace {
// Every category offers g for every group and "pinch" for group 16 only; kg
// is known but offered nowhere.
TTVariablenTotal Liste()
{
    TTVariablenTotal v;
    v.Einheiten = {"[g]", "[kg]", "[pinch]"};
    for (TTAEinheit &k : v.Kategorien) {
        TTEinheit g;
        g.Schluessel = "[G]";
        g.Name = "g";
        g.Zuordnung.fill(1);
        g.Mengentabelle = {"not stated", "1", "100", "250"};
        TTEinheit prise;
        prise.Schluessel = "[PINCH]";
        prise.Name = "pinch";
        prise.Zuordnung[16] = 1;
        prise.NichtEinkaufen = 1;
        prise.Mengentabelle = {"not stated", "1"};
        k = {g, prise};
    }
    return v;
}

QListWidgetItem *Zeile(QListWidget *liste, const QString &text)
{
    const auto treffer = liste->findItems(text, Qt::MatchExactly);
    return treffer.isEmpty() ? nullptr : treffer.first();
}

QStringList Zeilen(const QListWidget *liste)
{
    QStringList out;
    for (int i = 0; i < liste->count(); ++i)
        out << liste->item(i)->text() + (liste->item(i)->checkState() == Qt::Checked ? "+" : "");
    return out;
}

TTEinheit &Einheit(int kategorie, const QString &schluessel)
{
    TTEinheit *e = Einheit_nach_Schluessel(VariablenTotal[0].Kategorien[kategorie], schluessel);
    if (!e)
        qFatal("no unit %s", qPrintable(schluessel));
    return *e;
}

bool Gleich(const TTEinheit &a, const TTEinheit &b)
{
    return a.Schluessel == b.Schluessel && a.Name == b.Name && a.Zuordnung == b.Zuordnung
           && a.NichtEinkaufen == b.NichtEinkaufen && a.Mengentabelle == b.Mengentabelle;
}
} // namespace

class TestEinheiten : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { FVAR = new TFVAR; }
    void cleanupTestCase() { delete FVAR; }
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        FVAR->hide();
        VariablenTotal = TVariablenTotal{Liste()};
        // The window opens on the current recipe's category: category 0.
        RezepteTotal.resize(1);
        RezepteTotal[0].Kategorie = 0;
        AktuellesRezept = 0;
    }

    // The delivered list can be saved as it is.
    void deliveredListPassesTheChecks()
    {
        testing::BaseFolder base;
        base.copyInstallation();
        QVERIFY(Lade_Variablenlisten(Load));
        QStringList out;
        for (const TEinheitenmeldung &m : Pruefe_Einheiten(VariablenTotal[0]))
            out << m.Ueberschrift + "|" + m.Text;
        QCOMPARE(out, QStringList());
    }

    void deleteQuantities_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QVector<int>>("markiert");
        QTest::addColumn<bool>("loeschbar");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("line 0 stays") << 4 << QVector<int>{0, 2} << true << QStringList{"not stated", "1", "250"};
        QTest::newRow("one unmarked left") << 4 << QVector<int>{1, 2, 3} << false << QStringList{"not stated"};
    }
    void deleteQuantities()
    {
        QFETCH(int, zeilen);
        QFETCH(QVector<int>, markiert);
        QFETCH(bool, loeschbar);
        QFETCH(QStringList, rest);
        QCOMPARE(Mengen_loeschbar(zeilen, int(markiert.size())), loeschbar);
        TTEinheit e = Liste().Kategorien[0][0];
        Loesche_Mengen(e, markiert);
        QCOMPARE(e.Mengentabelle, rest);
    }

    void saveChecks_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QStringList>("meldungen");
        const QString gruppe0 = Zutatengruppen[0];
        QTest::newRow("complete") << 0 << QStringList{};
        QTest::newRow("short table in two categories, group gap hidden")
            << 1
            << QStringList{"Category: " + Kategoriebezeichnungen[0]
                               + "|There is no input for the unit (quantity schedule): pinch",
                           "Category: " + Kategoriebezeichnungen[5]
                               + "|There is no input for the unit (quantity schedule): g"};
        QTest::newRow("group without unit")
            << 2
            << QStringList{"Category: " + Kategoriebezeichnungen[3] + "|Missing one or more assignments of the unit: \""
                           + gruppe0 + "\" has no unit!"};
        QTest::newRow("withdrawn unit does not count")
            << 3
            << QStringList{"Category: " + Kategoriebezeichnungen[7] + "|Missing one or more assignments of the unit: \""
                           + Zutatengruppen[16] + "\" has no unit!"};
    }
    void saveChecks()
    {
        QFETCH(int, fall);
        QFETCH(QStringList, meldungen);
        TTVariablenTotal v = Liste();
        if (fall == 1) {
            v.Kategorien[0][1].Mengentabelle = {"not stated"};
            v.Kategorien[5][0].Mengentabelle.clear();
            v.Kategorien[3][0].Zuordnung[0] = 0;
        } else if (fall == 2) {
            v.Kategorien[3][0].Zuordnung[0] = 0;
            // A withdrawn unit with a short table is no reason to refuse.
            v.Kategorien[3][1].Name.clear();
            v.Kategorien[3][1].Mengentabelle.clear();
            v.Kategorien[3][1].Zuordnung[0] = 1;
        } else if (fall == 3) {
            v.Kategorien[7][0].Zuordnung[16] = 0;
            v.Kategorien[7][1].Name.clear();
        }
        QStringList out;
        for (const TEinheitenmeldung &m : Pruefe_Einheiten(v))
            out << m.Ueberschrift + "|" + m.Text;
        QCOMPARE(out, meldungen);
    }

    // The window opens on the current recipe's category and shows the
    // selected unit's groups, shopping flag and table.
    void displayStep()
    {
        testing::BaseFolder base;
        RezepteTotal[0].Kategorie = 4;
        VariablenTotal[0].Kategorien[4][1].Mengentabelle << "2";
        Zeige_Einheiten();
        QCOMPARE(Ermittle_Kategorie_aus_Anzeigeposition(FVAR->CBKategorie->currentIndex()), 4);
        QCOMPARE(Zeilen(FVAR->CLBEinheit), QStringList({"g+", "kg", "pinch+"}));
        FVAR->CLBEinheit->setCurrentRow(2);
        QVERIFY(FVAR->RBNichtEinkaufen->isChecked());
        // The table shows only for a checked group line.
        QCOMPARE(FVAR->CLBInhalt->count(), 0);
        FVAR->CLBZZuordnung->setCurrentRow(16);
        QCOMPARE(Zeilen(FVAR->CLBInhalt), QStringList({"not stated", "1", "2"}));
        // A unit not offered shows nothing and cannot be flagged.
        FVAR->CLBEinheit->setCurrentRow(1);
        QCOMPARE(FVAR->CLBZZuordnung->count(), 0);
        QVERIFY(!FVAR->RGZEinkauf->isEnabled());
        FVAR->BAbbrechenClick();
    }

    void lastUnitAndLastGroupStay()
    {
        testing::BaseFolder base;
        const TTVariablenTotal vorher = VariablenTotal[0];
        Zeige_Einheiten();
        // Category 0 keeps only "pinch" offered.
        FVAR->CLBEinheit->setCurrentRow(0);
        Zeile(FVAR->CLBEinheit, "g")->setCheckState(Qt::Unchecked);
        QVERIFY(Einheit(0, "g").Name.isEmpty());
        Zeile(FVAR->CLBEinheit, "pinch")->setCheckState(Qt::Unchecked);
        QCOMPARE(Einheit(0, "pinch").Name, QString("pinch"));
        // Its only group cannot be taken away either.
        FVAR->CLBZZuordnung->item(16)->setCheckState(Qt::Unchecked);
        QCOMPARE(Einheit(0, "pinch").Zuordnung[16], quint8(1));
        FVAR->BAbbrechenClick();
        QVERIFY(Gleich(VariablenTotal[0].Kategorien[0][0], vorher.Kategorien[0][0]));
    }

    void uncheckRecheckAndAllCategories()
    {
        testing::BaseFolder base;
        Zeige_Einheiten();
        TTEinheit &g = VariablenTotal[0].Kategorien[0][0];
        g.Zuordnung[3] = 0;
        g.NichtEinkaufen = 1;
        const TTEinheit vorher = g;
        Zeile(FVAR->CLBEinheit, "g")->setCheckState(Qt::Unchecked);
        Zeile(FVAR->CLBEinheit, "g")->setCheckState(Qt::Checked);
        QCOMPARE(VariablenTotal[0].Kategorien[0].size(), 2);
        QVERIFY(Gleich(Einheit(0, "g"), vorher));

        // With all categories, a new unit reaches all 21, with no groups.
        FVAR->CBAll->setChecked(true);
        Zeile(FVAR->CLBEinheit, "kg")->setCheckState(Qt::Checked);
        for (int k = 0; k < AnzahlKategorien; ++k) {
            const TTEinheit &kg = Einheit(k, "kg");
            QCOMPARE(kg.Mengentabelle, QStringList({"not stated", "1"}));
            QVERIFY(std::all_of(kg.Zuordnung.begin(), kg.Zuordnung.end(), [](quint8 f) { return f == 0; }));
        }
        // A group checked for it goes to all categories; so does the
        // shopping flag.
        FVAR->CLBZZuordnung->item(5)->setCheckState(Qt::Checked);
        FVAR->RBNichtEinkaufen->click();
        for (int k = 0; k < AnzahlKategorien; ++k) {
            QCOMPARE(Einheit(k, "kg").Zuordnung[5], quint8(1));
            QCOMPARE(Einheit(k, "kg").NichtEinkaufen, quint8(1));
        }
        // An empty table gets "k.A." when a group is assigned.
        VariablenTotal[0].Kategorien[2].last().Mengentabelle.clear();
        FVAR->CLBZZuordnung->item(6)->setCheckState(Qt::Checked);
        QCOMPARE(Einheit(2, "kg").Mengentabelle, QStringList({"k.A.", "1"}));
        FVAR->BAbbrechenClick();
    }

    void saveAndCancel()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        QVERIFY(Lade_Variablenlisten(Save));
        const QByteArray datei = base.readBytes("PRGDATA/ENG/Variablen200.hbr");

        // Refused: every message shown, nothing written, the window stays.
        Zeige_Einheiten();
        FVAR->CLBEinheit->setCurrentRow(2);
        FVAR->CLBZZuordnung->setCurrentRow(16);
        Zeile(FVAR->CLBEinheit, "g")->setCheckState(Qt::Unchecked);
        messages.expect("\"" + Zutatengruppen[0] + "\" has no unit!");
        messages.allow("has no unit!");
        FVAR->BSpeichernClick();
        QCOMPARE(messages.seen.size(), AnzahlZutatengruppen - 1);
        QVERIFY(messages.pending().isEmpty());
        QVERIFY(FVAR->isVisible());
        QCOMPARE(base.readBytes("PRGDATA/ENG/Variablen200.hbr"), datei);

        // Cancel puts the list back as it was when the window opened.
        FVAR->BAbbrechenClick();
        QCOMPARE(Einheit(0, "g").Name, QString("g"));

        // The close box does the same; a second open keeps the first state.
        Zeige_Einheiten();
        Zeile(FVAR->CLBEinheit, "kg")->setCheckState(Qt::Checked);
        Zeige_Einheiten();
        FVAR->close();
        QVERIFY(!Einheit_nach_Schluessel(VariablenTotal[0].Kategorien[0], "kg"));

        // Saved: written, read back, reported, closed.
        messages.seen.clear();
        Zeige_Einheiten();
        FVAR->CLBEinheit->setCurrentRow(0);
        FVAR->CLBZZuordnung->setCurrentRow(0);
        FVAR->PMVarPopup();
        QVERIFY(!FVAR->PMVMarkierteloeschen->isEnabled());
        FVAR->CLBInhalt->item(3)->setCheckState(Qt::Checked);
        // with all categories on, only the chosen one loses the quantity
        FVAR->CBAll->setChecked(true);
        FVAR->PMVMarkierteloeschenClick();
        messages.expect("Data were saved successfully!");
        FVAR->BSpeichernClick();
        QVERIFY(messages.pending().isEmpty());
        VariablenTotal.clear();
        QVERIFY(Lade_Variablenlisten(Load));
        QCOMPARE(Einheit(0, "g").Mengentabelle, QStringList({"not stated", "1", "100"}));
        QCOMPARE(Einheit(1, "g").Mengentabelle.size(), 4);
    }
};

QTEST_MAIN(TestEinheiten)
#include "tst_einheiten.moc"
