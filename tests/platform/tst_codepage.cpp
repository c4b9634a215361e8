#include "testing/Testing.h"

#include "platform/CodePage.h"

class TestCodePage : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    // Upper and lower case of the Windows code page: the length never
    // changes, and characters the code page has no case pair for stay.
    void upperAndLowerCase_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ascii") << QStringLiteral("rezept 12") << QStringLiteral("REZEPT 12");
        QTest::newRow("latin letters") << QStringLiteral("äöüéèçñþ") << QStringLiteral("ÄÖÜÉÈÇÑÞ");
        QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("0x8A..0x9E pairs") << QStringLiteral("šœž") << QStringLiteral("ŠŒŽ");
        // Qt's Unicode upper case would grow "ß" into "SS"
        QTest::newRow("sharp s stays") << QStringLiteral("soße straße") << QStringLiteral("SOßE STRAßE");
        QTest::newRow("no case") << QStringLiteral("÷×µ§ª") << QStringLiteral("÷×µ§ª");
    }
    void upperAndLowerCase()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(platform::upperCase(lower), upper);
        QCOMPARE(platform::lowerCase(upper), lower);
        QVERIFY(platform::sameIgnoringCase(lower, upper));
        QVERIFY(!platform::sameIgnoringCase(QStringLiteral("sosse"), QStringLiteral("SOßE")));
    }

    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = platform::decodeCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        QCOMPARE(text[0xE4], QChar(0x00E4));
        QCOMPARE(platform::encodeCp1252(text), all);
    }

    void unencodableBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro and quotes") << QStringLiteral("€ „x“") << QByteArray("\x80 \x84x\x93");
        QTest::newRow("polish l, cyrillic") << QStringLiteral("łЖa") << QByteArray("??a");
        QTest::newRow("emoji is one character") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void unencodableBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(platform::encodeCp1252(text), bytes);
    }
};

QTEST_MAIN(TestCodePage)
#include "tst_codepage.moc"
