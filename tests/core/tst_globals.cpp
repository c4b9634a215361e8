#include <QDir>

#include "core/Globals.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "testing/Testing.h"

class TestGlobals : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        platform::resetSeams();
    }

    void dayNumbers_data()
    {
        QTest::addColumn<QDateTime>("zeit");
        QTest::addColumn<double>("tage");
        QTest::newRow("day zero") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
        QTest::newRow("evening") << QDateTime(QDate(2024, 1, 30), QTime(18, 0)) << 45321.75;
        QTest::newRow("before day zero") << QDateTime(QDate(1899, 12, 29), QTime(12, 0)) << -0.5;
        QTest::newRow("leap day") << QDateTime(QDate(2000, 2, 29), QTime(6, 0)) << 36585.25;
    }
    void dayNumbers()
    {
        QFETCH(QDateTime, zeit);
        QFETCH(double, tage);
        QCOMPARE(DateTimeToTWS(zeit), tage);
        QCOMPARE(TWSToDateTime(tage), zeit);
    }

    void startValues()
    {
        testing::BaseFolder base;
        const QDateTime jetzt(QDate(2025, 3, 1), QTime(12, 0));
        platform::setClock([&] { return jetzt; });
        ProgrammOK = 0;
        GlobalSystemInit();
        QCOMPARE(Programmverzeichnis, QDir::currentPath() + QLatin1Char('/'));
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(int(ProgrammOK), 1);
        QCOMPARE(Startzeit, DateTimeToTWS(jetzt));
        QCOMPARE(Standardschrift.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(Standardschrift.pointSize(), 8);

        GlobalVARInit();
        QCOMPARE(RezepteTotal.size(), 1);
        QCOMPARE(Zutatentotal.size(), 1);
        QCOMPARE(VariablenTotal.size(), 1);
        QCOMPARE(IAVERBEN.size(), 1);
        QCOMPARE(IAVerbPuffer.size(), 1);
        QCOMPARE(GlobalLexikon.size(), 1);
        QCOMPARE(Optionen.Schrift1, Standardschrift);
        QCOMPARE(Optionen.Lexikonschrift, Standardschrift);

        Optionen.Tooltipps = 0;
        IAStatus.AlleVerben = 0;
        Hintergrundgrafik.clear();
        Setze_GlobalOptionen();
        QCOMPARE(int(Optionen.Tooltipps), 1);
        QCOMPARE(Optionen.Rezeptverzeichnis, Programmverzeichnis + QStringLiteral("Recipes\\"));
        QCOMPARE(Optionen.Exportverzeichnis, Programmverzeichnis + QStringLiteral("PreparedRecipes\\"));
        QCOMPARE(Hintergrundgrafik, QStringLiteral("Hintergrund.png"));
        QCOMPARE(Optionen.Schrift2, Standardschrift); // the fonts stay
        QCOMPARE(int(IAStatus.AlleVerben), 1);
        QCOMPARE(int(IAStatus.Tooltipps), 1);
        QCOMPARE(int(IAStatus.TooltippsVerbeditor), 1);
        QCOMPARE(IAStatus.VTotalSpeichern, 0);
        QCOMPARE(IAStatus.VerbenSpeichern, 1);
    }

    void recordInitialisers()
    {
        testing::BaseFolder base;
        const QDateTime jetzt(QDate(2025, 3, 1), QTime(12, 0));
        platform::setClock([&] { return jetzt; });
        RezepteTotal = TRezepteTotal(2);
        TTRezepteTotal &r = RezepteTotal[1];
        r.Rezeptname = QStringLiteral("x");
        r.Kategorie = 3;
        r.Listenposition = 7;
        r.Zutaten = TTARezeptzutat(5);
        r.IAZutaten = TTAIAZutatenliste(3);
        Initialisiere_Rezept(1);
        QVERIFY(r.Rezeptname.isEmpty());
        QCOMPARE(r.Kategorie, -1);
        QCOMPARE(r.Listenposition, -1);
        QCOMPARE(r.Kochdatum, DateTimeToTWS(jetzt));
        QCOMPARE(r.Zutaten.size(), 1);
        QCOMPARE(r.Zutatenliste.size(), 1);
        QCOMPARE(r.Rezeptliste.size(), 1);
        QCOMPARE(r.IAZutaten.size(), 1);
        Initialisiere_Rezept(2);  // out of range: nothing
        Initialisiere_Rezept(-1);

        TTIAZutatenliste &item = r.IAZutaten[0];
        item.Zutatname = QStringLiteral("Salt");
        item.Gewuerz = 1;
        item.Auswahl = 1;
        item.Ort = 2;
        item.Geraete = {{1, 2, 3, 4, 5}};
        item.DBIndex = 9;
        Initialisiere_IAZutatenzeile(1, 0);
        QVERIFY(item.Zutatname.isEmpty());
        QCOMPARE(int(item.Gewuerz), 0);
        QCOMPARE(item.Auswahl, 0);
        QCOMPARE(item.Ort, -1);
        QCOMPARE(item.Geraete, (std::array<qint32, 5>{{-1, -1, -1, -1, -1}}));
        QCOMPARE(item.DBIndex, -1);
        QCOMPARE(item.Kategorie, -1);
        QCOMPARE(item.Gruppe, -1);
        QCOMPARE(item.Anzeigeplatz, -1);
        Initialisiere_IAZutatenzeile(1, 1);
        Initialisiere_IAZutatenzeile(5, 0);

        Zutatentotal = TZutatentotal(1);
        Zutatentotal[0].Zutatname = QStringLiteral("Salt");
        Zutatentotal[0].Kategorie = 8;
        Zutatentotal[0].Status = 1;
        Zutatentotal[0].Grafik() = QStringLiteral("salt.png");
        Zutatentotal[0].Listenposition = 3;
        Zutatentotal[0].Suchlistenposition = -2;
        Initialisiere_Zutat(0);
        QVERIFY(Zutatentotal[0].Zutatname.isEmpty());
        QVERIFY(Zutatentotal[0].Grafik().isEmpty());
        QCOMPARE(Zutatentotal[0].Kategorie, -1);
        QCOMPARE(int(Zutatentotal[0].Status), 0);
        QCOMPARE(Zutatentotal[0].Listenposition, -1);
        QCOMPARE(Zutatentotal[0].Suchlistenposition, -1);
        Initialisiere_Zutat(1);
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
