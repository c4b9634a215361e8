#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Globals.h"
#include "internet/F_News.h"
#include "internet/News.h"
#include "recipes/F_Main.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\NEWS.HRB");

QStringList Item(const QString &flag, const QString &betreff, const QString &text)
{
    return {"**NEWSSTART**", "1", " 4.53217500000000E+0004", "*TWSTCW*", "", "ENG", flag, betreff, "1", text};
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

class TestNewsWindow : public QObject
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
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1"} + Item("0", "Read", "Old") + QStringList{""});
        QCOMPARE(Zaehle_UngeleseneNews(), -1);
        QVERIFY(FMain->MNachrichtenlesen->isEnabled());
        QVERIFY(FMain->MUpdate->isEnabled());
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "1"} + Item("-1", "New", "Fresh") + QStringList{""});
        QCOMPARE(Zaehle_UngeleseneNews(), 0);
    }

    void readingMarksAndSaves()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "3"} + Item("-1", "First", "Text one") + Item("-1", "Second", "Text two")
                                   + Item("0", "Third", "Text three") + QStringList{""});
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
        base.writeLines(Datei, QStringList{"[TWSNEWS]", "2"} + Item("0", "Read", "r") + Item("-1", "Unread", "u"));
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

QTEST_MAIN(TestNewsWindow)
#include "tst_newswindow.moc"
