#include "testing/Testing.h"

#include <QFile>

#include "core/Globals.h"
#include "internet/News.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\NEWS.HRB");

TTNewsInhalt Nachricht(const QString &id, const QString &betreff, quint8 gelesen, const TString &text, double datum)
{
    TTNewsInhalt n;
    n.ID = id;
    n.Datum = datum;
    n.Ziel = "*TWSTCW*";
    n.Edition = "*FULL*";
    n.Sprache = "ENG";
    n.Gelesen = gelesen;
    n.Betreff = betreff;
    n.Text = text;
    return n;
}

QStringList Item(const QString &flag, const QString &betreff, const QStringList &text, const QString &anzahl = QString())
{
    return QStringList{"**NEWSSTART**", "1", " 4.53217500000000E+0004", "*TWSTCW*", "", "ENG", flag, betreff,
                       anzahl.isEmpty() ? QString::number(text.size()) : anzahl}
           + text;
}

QStringList Gelesen()
{
    QStringList out;
    for (const TTNewsInhalt &n : std::as_const(News.Inhalt))
        out << n.Betreff + (n.Gelesen ? "+" : "-");
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
        News.Inhalt = {Nachricht("12345678901234567890", "New recipes", 0, {"Forty new recipes.", "", "Enjoy!"}, 45321.75),
                       Nachricht("2", QString(), 0, {"deleted"}, 1), Nachricht("3", "Old news", 1, {}, 36526.0)};
        QVERIFY(Lade_News(Save, QString()));
        QCOMPARE(base.readLines(Datei),
                 QStringList({"[TWSNEWS]", "2", "**NEWSSTART**", "12345678901234567890", " 4.53217500000000E+0004", "*TWSTCW*",
                              "*FULL*", "ENG", "-1", "New recipes", "3", "Forty new recipes.", "", "Enjoy!", "**NEWSSTART**",
                              "3", " 3.65260000000000E+0004", "*TWSTCW*", "*FULL*", "ENG", "0", "Old news", "0", ""}));
        // The save loads the file back: the list holds exactly what was written.
        QCOMPARE(Gelesen(), QStringList({"New recipes-", "Old news+"}));
        QCOMPARE(News.Inhalt[0].Datum, 45321.75);
        QCOMPARE(News.Inhalt[0].Text, TString({"Forty new recipes.", "", "Enjoy!"}));

        // A full disk: the failed save is reported, the list stays.
        messages.expect("NEWS.HRB");
        const testing::FileSizeLimit fullDisk(0);
        QVERIFY(!Lade_News(Save, QString()));
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(Gelesen(), QStringList({"New recipes-", "Old news+"}));
    }

    void dateFormat_data()
    {
        QTest::addColumn<double>("datum");
        QTest::addColumn<QString>("text");
        QTest::newRow("small") << 0.001 << " 1.00000000000000E-0003";
        QTest::newRow("negative") << -2.25 << "-2.25000000000000E+0000";
        QTest::newRow("a third") << 45000.0 + 1.0 / 3.0 << " 4.50003333333333E+0004";
    }
    void dateFormat()
    {
        QFETCH(double, datum);
        QFETCH(QString, text);
        QCOMPARE(Formatiere_Newsdatum(datum), text);
        testing::BaseFolder base;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1", "**NEWSSTART**", "1", text, "", "", "", "-1", "S", "0"});
        QVERIFY(Lade_News(Load, QString()));
        QVERIFY(qAbs(News.Inhalt.value(0).Datum - datum) < 1e-9);
    }

    void counts_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("geladen");
        const QStringList drei = Item("-1", "A", {"a"}) + Item("0", "B", {"b", "c"}) + Item("1", "C", {}) + QStringList{""};
        QTest::newRow("negative count") << QStringList{"[TWSNEWS]", "-4"} + drei << QStringList({"A-", "B+", "C+"});
        QTest::newRow("huge count") << QStringList{"[TWSNEWS]", "2147483647"} + drei << QStringList({"A-", "B+", "C+"});
        QTest::newRow("count 1 reads one") << QStringList{"[TWSNEWS]", "1"} + drei << QStringList({"A-"});
        QTest::newRow("text count beyond the file") << QStringList{"[TWSNEWS]", "2"} + Item("-1", "A", {"a"}, "900")
                                                    << QStringList({"A-"});
        QTest::newRow("negative text count") << QStringList{"[TWSNEWS]", "2"} + Item("-1", "A", {}, "-3") + Item("-1", "B", {})
                                             << QStringList({"A-", "B-"});
        QTest::newRow("cut inside an item") << QStringList{"[TWSNEWS]", "1", "**NEWSSTART**", "1", " 4.5E+0004"} << QStringList();
        // Items without a subject are deleted ones, never counted as unread.
        QTest::newRow("no subject") << QStringList{"[TWSNEWS]", "2"} + Item("-1", "", {"a"}) + Item("-1", "B", {})
                                    << QStringList({"B-"});
    }
    void counts()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, geladen);
        testing::BaseFolder base;
        base.writeLines(Datei, zeilen);
        QVERIFY(Lade_News(Load, QString()));
        QCOMPARE(Gelesen(), geladen);
        QCOMPARE(News.Anzahl, qint32(geladen.size()));
    }

    void badFile_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("wrong header") << QByteArray("[TWSNEWS] \r\n1\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void badFile()
    {
        QFETCH(QByteArray, inhalt);
        testing::BaseFolder base;
        base.writeBytes(Datei, inhalt);
        News.Inhalt = {Nachricht("1", "Alt", 0, {}, 1)};
        QVERIFY(!Lade_News(Load | Save, QString()));
        QVERIFY(News.Inhalt.isEmpty());
        // A file that did not load is not overwritten.
        QCOMPARE(base.readBytes(Datei), inhalt);
    }
};

QTEST_MAIN(TestNews)
#include "tst_news.moc"
