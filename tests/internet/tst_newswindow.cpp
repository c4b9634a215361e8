#include "testing/Testing.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>

#include "core/Globals.h"
#include "internet/F_News.h"
#include "internet/News.h"
#include "recipes/F_Main.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\NEWS.HRB");

QStringList Item(const QString &id, const QString &flag, const QString &betreff, const QStringList &text)
{
    return QStringList{"**NEWSSTART**", id, " 4.53217500000000E+0004", "*TWSTCW*", "", "ENG", flag, betreff,
                       QString::number(text.size())}
           + text;
}

QList<Qt::CheckState> Marken()
{
    QList<Qt::CheckState> out;
    for (int i = 0; i < FNews->CLBNews->count(); ++i)
        out << FNews->CLBNews->item(i)->checkState();
    return out;
}

// The read flags as the file holds them, in file order.
QStringList Flags_in_Datei(const testing::BaseFolder &base)
{
    const QStringList z = base.readLines(Datei);
    QStringList out;
    for (int i = 0; i + 6 < z.size(); ++i)
        if (z[i] == "**NEWSSTART**")
            out << z[i + 6];
    return out;
}
} // namespace

class TestNewsWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FMain = new TFMain;
        FNews = new TFNews;
    }
    void cleanupTestCase()
    {
        delete FNews;
        FNews = nullptr;
        delete FMain;
        FMain = nullptr;
    }
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        FNews->hide();
        FNews->CLBNews->clear();
        FMain->setEnabled(true);
        FMain->show();
    }

    void noNewsDoesNotOpen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("missing file") << QStringList();
        QTest::newRow("no items") << QStringList{"[TWSNEWS]", "0", ""};
        QTest::newRow("wrong header") << QStringList{"[NEWS]", "1"} + Item("1", "-1", "S", {});
    }
    void noNewsDoesNotOpen()
    {
        QFETCH(QStringList, zeilen);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (!zeilen.isEmpty())
            base.writeLines(Datei, zeilen);
        Zeige_News(true);
        QVERIFY(FNews->isHidden());
        QVERIFY(FMain->isEnabled());
        QVERIFY(FMain->isVisible());
    }

    void readingMarksAndSaves()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "3"} + Item("1", "-1", "First", {"Text one", "line two"})
                                   + Item("2", "-1", "Second", {"Text two"}) + Item("3", "0", "Third", {"Text three"})
                                   + QStringList{""});
        Zeige_News(true);
        QVERIFY(FNews->isVisible());
        QVERIFY(!FMain->isEnabled());
        QCOMPARE(FNews->windowTitle(), QStringLiteral("News"));
        QCOMPARE(FNews->BNews->text(), QStringLiteral("OK"));
        QCOMPARE(FNews->CLBNews->count(), 3);
        QVERIFY(FNews->CLBNews->item(1)->text().endsWith(" Second"));
        QCOMPARE(Marken(), QList<Qt::CheckState>({Qt::Unchecked, Qt::Unchecked, Qt::Checked}));
        // Showing the list reads nothing.
        QCOMPARE(FNews->CLBNews->currentRow(), 0);
        QCOMPARE(FNews->MNews->toPlainText(), QStringLiteral("Text one\nline two"));
        QCOMPARE(Flags_in_Datei(base), QStringList({"-1", "-1", "0"}));

        QListWidget *liste = FNews->CLBNews;
        // Clicking the line that is already selected reads it.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
        QCOMPARE(Flags_in_Datei(base), QStringList({"0", "-1", "0"}));
        QCOMPARE(Marken(), QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked, Qt::Checked}));

        const QRect zeile = liste->visualItemRect(liste->item(1));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center() + QPoint(zeile.width() / 4, 0));
        QCOMPARE(liste->currentRow(), 1);
        QCOMPARE(Marken(), QList<Qt::CheckState>({Qt::Checked, Qt::Checked, Qt::Checked}));
        QCOMPARE(FNews->MNews->toPlainText(), QStringLiteral("Text two"));
        QCOMPARE(Flags_in_Datei(base), QStringList({"0", "0", "0"}));
        QCOMPARE(News.Inhalt[1].Gelesen, quint8(1));

        FNews->BNews->click();
        QVERIFY(FNews->isHidden());
        QVERIFY(FMain->isEnabled());
    }

    void keysReadTheNextItem()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "2"} + Item("1", "-1", "First", {"one"}) + Item("2", "-1", "Second", {"two"}));
        Zeige_News(true);
        FNews->activateWindow();
        QTest::keyClick(FNews->CLBNews, Qt::Key_Down);
        QCOMPARE(FNews->CLBNews->currentRow(), 1);
        QCOMPARE(FNews->MNews->toPlainText(), QStringLiteral("two"));
        QCOMPARE(Flags_in_Datei(base), QStringList({"-1", "0"}));
        FNews->close();
        QVERIFY(FNews->isHidden());
        QVERIFY(FMain->isEnabled());
    }

    void checkMarksCannotBeChangedByHand()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "2"} + Item("1", "0", "Read", {"r"}) + Item("2", "-1", "Unread", {"u"}));
        Zeige_News(true);
        QListWidget *liste = FNews->CLBNews;
        const QByteArray vorher = base.readBytes(Datei);

        QSignalSpy umgeschaltet(liste, &QListWidget::itemChanged);
        // The space bar toggles a check box in a list; here it must not.
        QCOMPARE(liste->currentRow(), 0);
        QTest::keyClick(liste, Qt::Key_Space);
        QCOMPARE(umgeschaltet.count(), 1);
        QCOMPARE(Marken(), QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked}));

        // Nor does a click into the check box of the unread line.
        QStyleOptionViewItem option;
        option.initFrom(liste);
        option.rect = liste->visualItemRect(liste->item(1));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = liste->item(1)->text();
        const QRect kaestchen = liste->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, liste);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, kaestchen.center());
        QCOMPARE(umgeschaltet.count(), 2);
        QCOMPARE(umgeschaltet.last().first().value<QListWidgetItem *>(), liste->item(1));
        QCOMPARE(liste->item(1)->checkState(), Qt::Unchecked);

        // Toggling through the item (as the check box does) is set back.
        liste->item(1)->setCheckState(Qt::Checked);
        liste->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(Marken(), QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked}));
        QCOMPARE(base.readBytes(Datei), vorher);
        FNews->close();
    }
};

QTEST_MAIN(TestNewsWindow)
#include "tst_newswindow.moc"
