// Reading a file by the exact name a folder listing gave.
#include <QtTest>

#include "platform/ExactRead.h"
#include "testing/Testing.h"

class TestExactRead : public QObject
{
    Q_OBJECT

private slots:
    void init() { testing::failOnWarnings(); }

    // A file by the exact name is read whole; anything else is false and
    // hands nothing back.
    void lesen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("gelesen");
        QTest::newRow("empty") << "Recipe.TRP" << QByteArray() << true;
        QTest::newRow("larger than a buffer") << "Recipe.TRP" << QByteArray(300000, 'x') << true;
        QTest::newRow("folder") << "Sub" << QByteArray("x") << false;
        QTest::newRow("missing") << "Gone.TRP" << QByteArray("x") << false;
        QTest::newRow("other letter case") << "recipe.trp" << QByteArray("x") << false;
    }
    void lesen()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, gelesen);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Sub"));
        QFile f(dir.filePath("Recipe.TRP"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        QByteArray ergebnis("old");
        QCOMPARE(platform::readExactFile(dir.filePath(name), ergebnis), gelesen);
        QCOMPARE(ergebnis, gelesen ? inhalt : QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestExactRead)
#include "tst_exactread.moc"
