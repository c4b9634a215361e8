// Reading a file by the exact name a folder listing gave.
#include <QtTest>

#include "platform/ExactRead.h"
#include "testing/Testing.h"

class TestExactRead : public QObject
{
    Q_OBJECT

private slots:
    void init() { testing::failOnWarnings(); }

    void lesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("lines") << QByteArray("[TAFELWERKSTATT 2.0]\r\nName\r\n");
        QTest::newRow("larger than a buffer") << QByteArray(300000, 'x');
    }
    void lesen()
    {
        QFETCH(QByteArray, inhalt);
        QTemporaryDir dir;
        QFile f(dir.filePath("Recipe.TRP"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        QByteArray gelesen("old");
        QVERIFY(platform::readExactFile(f.fileName(), gelesen));
        QCOMPARE(gelesen, inhalt);
    }

    // Not a file by that exact name: false, and nothing is handed back.
    void keineDatei_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder") << "Sub";
        QTest::newRow("missing") << "Gone.TRP";
        QTest::newRow("other letter case") << "recipe.trp";
        QTest::newRow("empty name") << "";
    }
    void keineDatei()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Sub"));
        QFile f(dir.filePath("Recipe.TRP"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QByteArray gelesen("old");
        QVERIFY(!platform::readExactFile(name.isEmpty() ? QString() : dir.filePath(name), gelesen));
        QCOMPARE(gelesen, QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestExactRead)
#include "tst_exactread.moc"
