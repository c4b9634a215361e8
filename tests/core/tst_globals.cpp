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
        QCOMPARE((QStringList{Programmverzeichnis, Standardschrift.family()}),
                 (QStringList{QDir::currentPath() + QLatin1Char('/'), QStringLiteral("MS Sans Serif")}));
        QCOMPARE((QList<double>{double(AktuellesRezept), double(ProgrammOK), Startzeit, double(Standardschrift.pointSize())}),
                 (QList<double>{-1, 1, DateTimeToTWS(jetzt), 8}));

        GlobalVARInit();
        QCOMPARE((QList<qsizetype>{RezepteTotal.size(), Zutatentotal.size(), VariablenTotal.size(), IAVERBEN.size(),
                                   IAVerbPuffer.size(), GlobalLexikon.size()}),
                 QList<qsizetype>(6, 1));
        QVERIFY(Optionen.Schrift1 == Standardschrift && Optionen.Lexikonschrift == Standardschrift);

        Optionen.Tooltipps = 0;
        IAStatus.AlleVerben = 0;
        Hintergrundgrafik.clear();
        Setze_GlobalOptionen();
        QCOMPARE((QStringList{Optionen.Rezeptverzeichnis, Optionen.Exportverzeichnis, Hintergrundgrafik}),
                 (QStringList{Programmverzeichnis + QStringLiteral("Recipes\\"),
                              Programmverzeichnis + QStringLiteral("PreparedRecipes\\"), QStringLiteral("Hintergrund.png")}));
        QCOMPARE(Optionen.Schrift2, Standardschrift); // the fonts stay
        QCOMPARE((QList<int>{Optionen.Tooltipps, IAStatus.AlleVerben, IAStatus.Tooltipps, IAStatus.TooltippsVerbeditor,
                             IAStatus.VTotalSpeichern, IAStatus.VerbenSpeichern}),
                 (QList<int>{1, 1, 1, 1, 0, 1}));
    }

    // Each initialiser resets every field it owns; an index out of range
    // does nothing.
    void recordInitialisers()
    {
        RezepteTotal = TRezepteTotal(2);
        TTRezepteTotal &r = RezepteTotal[1];
        r.Rezeptname = QStringLiteral("x");
        r.Kategorie = r.Listenposition = 7;
        r.Zutaten = TTARezeptzutat(5);
        r.IAZutaten = TTAIAZutatenliste(3);
        Initialisiere_Rezept(1);
        Initialisiere_Rezept(2);
        Initialisiere_Rezept(-1);
        QVERIFY(r.Rezeptname.isEmpty());
        QCOMPARE((QList<double>{double(r.Kategorie), double(r.Listenposition), r.Kochdatum}),
                 (QList<double>{-1, -1, DateTimeToTWS(jetzt)}));
        QCOMPARE((QList<qsizetype>{r.Zutaten.size(), r.Zutatenliste.size(), r.Rezeptliste.size(), r.IAZutaten.size()}),
                 QList<qsizetype>(4, 1));

        TTIAZutatenliste &item = r.IAZutaten[0];
        item.Zutatname = QStringLiteral("Salt");
        item.Gewuerz = item.Auswahl = 1;
        item.Ort = item.DBIndex = 2;
        item.Geraete = {{1, 2, 3, 4, 5}};
        Initialisiere_IAZutatenzeile(1, 0);
        Initialisiere_IAZutatenzeile(1, 1);
        Initialisiere_IAZutatenzeile(5, 0);
        QVERIFY(item.Zutatname.isEmpty());
        QCOMPARE(item.Geraete, (std::array<qint32, 5>{{-1, -1, -1, -1, -1}}));
        QCOMPARE((QList<int>{item.Gewuerz, item.Auswahl, item.Ort, item.DBIndex, item.Kategorie, item.Gruppe,
                             item.Anzeigeplatz}),
                 (QList<int>{0, 0, -1, -1, -1, -1, -1}));

        Zutatentotal = TZutatentotal(1);
        Zutatentotal[0].Zutatname = Zutatentotal[0].Grafik() = QStringLiteral("salt.png");
        Zutatentotal[0].Kategorie = Zutatentotal[0].Listenposition = 8;
        Zutatentotal[0].Status = 1;
        Zutatentotal[0].Suchlistenposition = -2;
        Initialisiere_Zutat(0);
        Initialisiere_Zutat(1);
        const TTZutatentotal &z = Zutatentotal[0];
        QVERIFY(z.Zutatname.isEmpty() && z.Grafik().isEmpty());
        QCOMPARE((QList<int>{z.Kategorie, z.Status, z.Listenposition, z.Suchlistenposition}), (QList<int>{-1, 0, -1, -1}));
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
