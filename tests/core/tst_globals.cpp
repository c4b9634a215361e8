#include <cmath>

#include "core/Globals.h"
#include "testing/Testing.h"

class TestGlobals : public QObject
{
    Q_OBJECT

private slots:
    void init() { testing::failOnWarnings(); }

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
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "tst_globals.moc"
