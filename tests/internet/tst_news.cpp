#include "testing/Testing.h"

#include <QFile>

#include "core/Globals.h"
#include "internet/News.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\NEWS.HRB");

TTNewsInhalt Nachricht(const QString &id, const QString &betreff, quint8 gelesen, const TString &text, double datum = 45321.75)
{
    TTNewsInhalt n;
    n.ID = id;
    n.Datum = datum;
    n.Ziel = QStringLiteral("*TWSTCW*");
    n.Edition = QStringLiteral("*FULL*");
    n.Sprache = QStringLiteral("ENG");
    n.Gelesen = gelesen;
    n.Betreff = betreff;
    n.Text = text;
    return n;
}

QStringList Item(const QString &id, const QString &flag, const QString &betreff, const QStringList &text,
                 const QString &anzahl = QString())
{
    return QStringList{"**NEWSSTART**", id, " 4.53217500000000E+0004", "*TWSTCW*", "", "ENG", flag, betreff,
                       anzahl.isEmpty() ? QString::number(text.size()) : anzahl}
           + text;
}

QStringList Betreffs()
{
    QStringList out;
    for (const TTNewsInhalt &n : std::as_const(News.Inhalt))
        out << n.Betreff;
    return out;
}
} // namespace

class TestNews : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
    }

    void roundTrip()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines("PRGDATA\\ENG\\x", {});
        News.Inhalt = {Nachricht("12345678901234567890", "New recipes", 0, {"Forty new recipes.", "", "Enjoy!"}),
                       Nachricht("2", "Deleted", 0, {"gone"}),
                       Nachricht("3", "Old news", 1, {}, 36526.0)};
        News.Inhalt[1].Betreff.clear();
        News.Anzahl = 3;
        QVERIFY(Lade_News(Save, QString()));

        const QStringList erwartet = QStringList{"[TWSNEWS]", "2", "**NEWSSTART**", "12345678901234567890",
                                                 " 4.53217500000000E+0004", "*TWSTCW*", "*FULL*", "ENG", "-1",
                                                 "New recipes", "3", "Forty new recipes.", "", "Enjoy!",
                                                 "**NEWSSTART**", "3", " 3.65260000000000E+0004", "*TWSTCW*", "*FULL*",
                                                 "ENG", "0", "Old news", "0", ""};
        QCOMPARE(base.readLines(Datei), erwartet);
        QVERIFY(base.readBytes(Datei).endsWith("Old news\r\n0\r\n\r\n"));

        // The save loads the file back: the list holds what was written.
        QCOMPARE(News.Anzahl, 2);
        QCOMPARE(Betreffs(), QStringList({"New recipes", "Old news"}));
        const TTNewsInhalt &a = News.Inhalt[0];
        QCOMPARE(a.ID, QStringLiteral("12345678901234567890"));
        QCOMPARE(a.Datum, 45321.75);
        QCOMPARE(a.Ziel, QStringLiteral("*TWSTCW*"));
        QCOMPARE(a.Edition, QStringLiteral("*FULL*"));
        QCOMPARE(a.Sprache, QStringLiteral("ENG"));
        QCOMPARE(a.Gelesen, quint8(0));
        QCOMPARE(a.Text, TString({"Forty new recipes.", "", "Enjoy!"}));
        QCOMPARE(a.Listenindex, -1);
        QCOMPARE(News.Inhalt[1].Gelesen, quint8(1));
        QCOMPARE(News.Inhalt[1].Datum, 36526.0);
        QVERIFY(News.Inhalt[1].Text.isEmpty());
    }

    void dateFormat_data()
    {
        QTest::addColumn<double>("datum");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << " 0.00000000000000E+0000";
        QTest::newRow("day with time") << 45321.75 << " 4.53217500000000E+0004";
        QTest::newRow("small") << 0.001 << " 1.00000000000000E-0003";
        QTest::newRow("negative") << -2.25 << "-2.25000000000000E+0000";
        QTest::newRow("a third") << 45000.0 + 1.0 / 3.0 << " 4.50003333333333E+0004";
    }
    void dateFormat()
    {
        QFETCH(double, datum);
        QFETCH(QString, text);
        QCOMPARE(Formatiere_Newsdatum(datum), text);
        QCOMPARE(text.size(), 23);
        testing::BaseFolder base;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1", "**NEWSSTART**", "1", text, "", "", "", "-1", "S", "0", ""});
        QVERIFY(Lade_News(Load, QString()));
        QCOMPARE(News.Inhalt.size(), 1);
        QVERIFY(qAbs(News.Inhalt[0].Datum - datum) < 1e-9);
    }

    void readFlag_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("gelesen");
        QTest::newRow("-1 unread") << "-1" << 0;
        QTest::newRow("0 read") << "0" << 1;
        QTest::newRow("1 read") << "1" << 1;
        QTest::newRow("empty read") << "" << 1;
        QTest::newRow("-1 with blank read") << "-1 " << 1;
    }
    void readFlag()
    {
        QFETCH(QString, flag);
        QFETCH(int, gelesen);
        testing::BaseFolder base;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1"} + Item("1", flag, "Subject", {"t"}) + QStringList{""});
        QVERIFY(Lade_News(Load, QString()));
        QCOMPARE(News.Inhalt.size(), 1);
        QCOMPARE(int(News.Inhalt[0].Gelesen), gelesen);
    }

    void counts_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("betreffs");
        const QStringList zwei = Item("1", "-1", "Eins", {"a"}) + Item("2", "0", "Zwei", {"b", "c"}) + QStringList{""};
        QTest::newRow("announces 3, holds 2") << QStringList{"[TWSNEWS]", "3"} + zwei << QStringList({"Eins", "Zwei"});
        QTest::newRow("negative count") << QStringList{"[TWSNEWS]", "-4"} + zwei << QStringList({"Eins", "Zwei"});
        QTest::newRow("huge count") << QStringList{"[TWSNEWS]", "2147483647"} + zwei << QStringList({"Eins", "Zwei"});
        QTest::newRow("count not a number") << QStringList{"[TWSNEWS]", "zwei"} + zwei << QStringList({"Eins", "Zwei"});
        QTest::newRow("count 1 reads one") << QStringList{"[TWSNEWS]", "1"} + zwei << QStringList({"Eins"});
        QTest::newRow("count 0") << QStringList{"[TWSNEWS]", "0"} + zwei << QStringList();
        QTest::newRow("only the header") << QStringList{"[TWSNEWS]"} << QStringList();
        QTest::newRow("text count beyond the file") << QStringList{"[TWSNEWS]", "2"} + Item("1", "-1", "Eins", {"a"}, "900")
                                                    << QStringList({"Eins"});
        QTest::newRow("negative text count") << QStringList{"[TWSNEWS]", "2"} + Item("1", "-1", "Eins", {}, "-3")
                                                        + Item("2", "-1", "Zwei", {})
                                             << QStringList({"Eins", "Zwei"});
        QTest::newRow("cut inside an item") << QStringList{"[TWSNEWS]", "2", "**NEWSSTART**", "1", " 4.5E+0004", "*TWSTCW*"}
                                            << QStringList();
        QTest::newRow("item without subject") << QStringList{"[TWSNEWS]", "2"} + Item("1", "-1", "", {"a"}) + Item("2", "-1", "Zwei", {})
                                              << QStringList({"Zwei"});
    }
    void counts()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, betreffs);
        testing::BaseFolder base;
        base.writeLines(Datei, zeilen);
        QVERIFY(Lade_News(Load, QString()));
        QCOMPARE(Betreffs(), betreffs);
        QCOMPARE(News.Anzahl, qint32(betreffs.size()));
        // Nothing without a subject is left to be counted as unread.
        for (const TTNewsInhalt &n : std::as_const(News.Inhalt))
            QVERIFY(!n.Betreff.isEmpty());
    }

    void badFile_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("wrong header") << QByteArray("[TWSNEWS] \r\n1\r\n");
        QTest::newRow("error page") << QByteArray("<html></html>\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void badFile()
    {
        QFETCH(QByteArray, inhalt);
        testing::BaseFolder base;
        base.writeBytes(Datei, inhalt);
        News.Inhalt = {Nachricht("1", "Alt", 0, {})};
        QVERIFY(!Lade_News(Load | Save, QString()));
        QVERIFY(News.Inhalt.isEmpty());
        QCOMPARE(News.Anzahl, 0);
        // A file that did not load is not overwritten.
        QCOMPARE(base.readBytes(Datei), inhalt);
    }

    void otherPath()
    {
        testing::BaseFolder base;
        QVERIFY(!Lade_News(Load, QString()));
        base.writeLines("PRGDATA\\ENG\\NEWSS.hbr", QStringList{"[TWSNEWS]", "1"} + Item("7", "-1", "Server", {}));
        QVERIFY(Lade_News(Load, Programmverzeichnis + "PRGDATA\\ENG\\NEWSS.HBR"));
        QCOMPARE(Betreffs(), QStringList({"Server"}));
    }

    void saveFailureIsReported()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        messages.expect("NEWS.HRB");
        base.writeLines("PRGDATA\\ENG\\x", {});
        QVERIFY(QFile::link("/proc/version", base.root() + "PRGDATA/ENG/NEWS.HRB"));
        News.Inhalt = {Nachricht("1", "Neu", 0, {})};
        QVERIFY(!Lade_News(Save, QString()));
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(Betreffs(), QStringList({"Neu"}));
    }
};

QTEST_MAIN(TestNews)
#include "tst_news.moc"
