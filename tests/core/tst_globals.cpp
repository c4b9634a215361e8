#include <QDir>
#include <cmath>
#include <optional>

#include "core/Globals.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "testing/Testing.h"

class TestGlobals : public QObject
{
    Q_OBJECT
    std::optional<testing::BaseFolder> base;
    const QDateTime jetzt{QDate(2025, 3, 1), QTime(12, 0)};

private slots:
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        platform::setClock([this] { return jetzt; });
    }
    void cleanup() { base.reset(); }

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

    void dayNumbersFromBadFiles()
    {
        QCOMPARE(TWSToDateTime(1e300).date(), QDate(9999, 12, 31));
        QCOMPARE(TWSToDateTime(-1e300).date(), QDate(1, 1, 1));
        QCOMPARE(TWSToDateTime(std::nan("")), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    }

    void startValues()
    {
        ProgrammOK = 0;
        GlobalSystemInit();
        QCOMPARE(Programmverzeichnis, QDir::currentPath() + QLatin1Char('/'));
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(int(ProgrammOK), 1);
        QCOMPARE(Startzeit, DateTimeToTWS(jetzt));
        QCOMPARE(Standardschrift.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(Standardschrift.pointSize(), 8);

        GlobalVARInit();
        QCOMPARE((QList<qsizetype>{RezepteTotal.size(), Zutatentotal.size(), VariablenTotal.size(), IAVERBEN.size(),
                                   IAVerbPuffer.size(), GlobalLexikon.size()}),
                 QList<qsizetype>(6, 1));
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
        QCOMPARE((QList<int>{IAStatus.AlleVerben, IAStatus.Tooltipps, IAStatus.TooltippsVerbeditor,
                             IAStatus.VTotalSpeichern, IAStatus.VerbenSpeichern}),
                 (QList<int>{1, 1, 1, 0, 1}));
    }

    void recordInitialisers()
    {
        RezepteTotal = TRezepteTotal(2);
        TTRezepteTotal &r = RezepteTotal[1];
        r.Rezeptname = QStringLiteral("x");
        r.Kategorie = 3;
        r.Listenposition = 7;
        r.Zutaten = TTARezeptzutat(5);
        r.IAZutaten = TTAIAZutatenliste(3);
        Initialisiere_Rezept(1);
        QVERIFY(r.Rezeptname.isEmpty());
        QCOMPARE((QList<int>{r.Kategorie, r.Listenposition}), (QList<int>{-1, -1}));
        QCOMPARE(r.Kochdatum, DateTimeToTWS(jetzt));
        QCOMPARE((QList<qsizetype>{r.Zutaten.size(), r.Zutatenliste.size(), r.Rezeptliste.size(), r.IAZutaten.size()}),
                 QList<qsizetype>(4, 1));
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
        QCOMPARE(item.Geraete, (std::array<qint32, 5>{{-1, -1, -1, -1, -1}}));
        QCOMPARE((QList<int>{item.Gewuerz, item.Auswahl, item.Ort, item.DBIndex, item.Kategorie, item.Gruppe,
                             item.Anzeigeplatz}),
                 (QList<int>{0, 0, -1, -1, -1, -1, -1}));
        Initialisiere_IAZutatenzeile(1, 1);
        Initialisiere_IAZutatenzeile(5, 0);

        Zutatentotal = TZutatentotal(1);
        TTZutatentotal &z = Zutatentotal[0];
        z.Zutatname = QStringLiteral("Salt");
        z.Grafik() = QStringLiteral("salt.png");
        z.Kategorie = 8;
        z.Status = 1;
        z.Listenposition = 3;
        z.Suchlistenposition = -2;
        Initialisiere_Zutat(0);
        QVERIFY(z.Zutatname.isEmpty() && z.Grafik().isEmpty());
        QCOMPARE((QList<int>{z.Kategorie, z.Status, z.Listenposition, z.Suchlistenposition}), (QList<int>{-1, 0, -1, -1}));
        Initialisiere_Zutat(1);
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
