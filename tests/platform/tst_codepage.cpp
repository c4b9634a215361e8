#include "testing/Testing.h"

#include "platform/CodePage.h"

class TestCodePage : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void upperAndLowerCase_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ascii") << QStringLiteral("rezept 12") << QStringLiteral("REZEPT 12");
        QTest::newRow("umlauts") << QStringLiteral("äöüéèçñ") << QStringLiteral("ÄÖÜÉÈÇÑ");
        QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("s caron") << QStringLiteral("š") << QStringLiteral("Š");
        QTest::newRow("oe ligature") << QStringLiteral("œ") << QStringLiteral("Œ");
        QTest::newRow("z caron") << QStringLiteral("ž") << QStringLiteral("Ž");
        QTest::newRow("thorn") << QStringLiteral("þ") << QStringLiteral("Þ");
    }
    void upperAndLowerCase()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(platform::upperCase(lower), upper);
        QCOMPARE(platform::lowerCase(upper), lower);
    }

    void caseKeepsLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("sharp s") << QStringLiteral("Soße straße") << QStringLiteral("SOßE STRAßE");
        QTest::newRow("no case") << QStringLiteral("÷×µ§ª") << QStringLiteral("÷×µ§ª");
    }
    void caseKeepsLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(platform::upperCase(text), upper);
        QCOMPARE(platform::upperCase(text).size(), text.size());
        QCOMPARE(platform::lowerCase(text).size(), text.size());
    }

    void sharpSDiffersFromQtUpperCase()
    {
        // The reason the helper exists: Qt's Unicode upper case grows "ß".
        const QString word = QStringLiteral("Soße");
        QCOMPARE(word.toUpper(), QStringLiteral("SOSSE"));
        QCOMPARE(platform::upperCase(word), QStringLiteral("SOßE"));
        QVERIFY(platform::sameIgnoringCase(QStringLiteral("soße"), QStringLiteral("SOßE")));
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
        QTest::newRow("polish l") << QStringLiteral("ł") << QByteArray("?");
        QTest::newRow("cyrillic") << QStringLiteral("Жa") << QByteArray("?a");
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
