#include "testing/Testing.h"

#include "platform/CodePage.h"

class TestCodePage : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    // Upper and lower case of the Windows code page: the length never
    // changes, and characters the code page has no case pair for stay.
    // "ß" stays: Qt's Unicode upper case would grow it into "SS".
    void upperAndLowerCase()
    {
        const QString lower = QStringLiteral("rezept 12 äöüéèçñþ ÿ šœž soße ÷×µ§ª");
        const QString upper = QStringLiteral("REZEPT 12 ÄÖÜÉÈÇÑÞ Ÿ ŠŒŽ SOßE ÷×µ§ª");
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

    // An emoji is one character; a lone surrogate is one too.
    void unencodableBecomesQuestionMark()
    {
        QCOMPARE(platform::encodeCp1252(QStringLiteral("€ „x“ łЖa😀b") + QChar(0xD800)), QByteArray("\x80 \x84x\x93 ??a?b?"));
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
