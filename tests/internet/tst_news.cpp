#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Globals.h"
#include "internet/F_News.h"
#include "internet/News.h"
#include "recipes/F_Main.h"

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
// Check marks in the window and read flags in the file, one "+"/"-" per item.
QString Marken()
{
    QString out;
    for (int i = 0; i < FNews->CLBNews->count(); ++i)
        out += FNews->CLBNews->item(i)->checkState() == Qt::Checked ? '+' : '-';
    return out;
}
QString Flags(const testing::BaseFolder &base)
{
    const QStringList z = base.readLines(Datei);
    QString out;
    for (int i = 0; i + 6 < z.size(); ++i)
        if (z[i] == "**NEWSSTART**")
            out += z[i + 6] == "-1" ? '-' : '+';
    return out;
}
} // namespace

class TestNews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FMain = new TFMain;
        FNews = new TFNews;
        // Shown once here: the first show of the main window may make the
        // offscreen platform complain, which is no concern of these tests.
        FMain->show();
    }
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        FNews->hide();
        FMain->setEnabled(true);
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
        // The save loads the file back: the list holds exactly what was written
        // (reading dates and texts is the date and window tests').
        QCOMPARE(Gelesen(), QStringList({"New recipes-", "Old news+"}));

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

    // Without news the window does not open; the start-up's count switches
    // the menu entry that opens it.
    void noNewsAndUnreadCount()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        FMain->MUpdate->setEnabled(false);
        FMain->MNachrichtenlesen->setEnabled(false);
        Zeige_News(true);
        base.writeLines(Datei, {"[TWSNEWS]", "0", ""});
        Zeige_News(true);
        QVERIFY(FNews->isHidden());
        QCOMPARE(Zaehle_UngeleseneNews(), -1);
        QVERIFY(!FMain->MNachrichtenlesen->isEnabled());
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1"} + Item("0", "Read", {"Old"}) + QStringList{""});
        QCOMPARE(Zaehle_UngeleseneNews(), -1);
        QVERIFY(FMain->MNachrichtenlesen->isEnabled());
        QVERIFY(FMain->MUpdate->isEnabled());
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1"} + Item("-1", "New", {"Fresh"}) + QStringList{""});
        QCOMPARE(Zaehle_UngeleseneNews(), 0);
    }

    void readingMarksAndSaves()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "3"} + Item("-1", "First", {"Text one"}) + Item("-1", "Second", {"Text two"})
                                   + Item("0", "Third", {"Text three"}) + QStringList{""});
        Zeige_News(true);
        QVERIFY(!FMain->isEnabled());
        // Showing the list reads nothing yet.
        QCOMPARE(Marken(), QStringLiteral("--+"));

        QListWidget *liste = FNews->CLBNews;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
        QCOMPARE(Flags(base), QStringLiteral("+-+"));

        const QRect zeile = liste->visualItemRect(liste->item(1));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center() + QPoint(zeile.width() / 4, 0));
        QCOMPARE(Marken(), QStringLiteral("+++"));
        QCOMPARE(Flags(base), QStringLiteral("+++"));
        QCOMPARE(FNews->MNews->toPlainText(), QStringLiteral("Text two"));

        // Escape in the list closes the window like its button.
        QTest::keyClick(liste, Qt::Key_Escape);
        QVERIFY(FNews->isHidden());
        QVERIFY(FMain->isEnabled());
    }

    void checkMarksCannotBeChangedByHand()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "2"} + Item("0", "Read", {"r"}) + Item("-1", "Unread", {"u"}));
        Zeige_News(true);
        QListWidget *liste = FNews->CLBNews;
        const QByteArray vorher = base.readBytes(Datei);
        QSignalSpy umgeschaltet(liste, &QListWidget::itemChanged);

        QTest::keyClick(liste, Qt::Key_Space);
        QStyleOptionViewItem option;
        option.initFrom(liste);
        option.rect = liste->visualItemRect(liste->item(1));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect kaestchen = liste->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, liste);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, kaestchen.center());

        QCOMPARE(umgeschaltet.count(), 2);
        QCOMPARE(Marken(), QStringLiteral("+-"));
        QCOMPARE(base.readBytes(Datei), vorher);
    }
};

QTEST_MAIN(TestNews)
#include "tst_news.moc"
