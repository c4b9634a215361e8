#include "testing/Testing.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/Paths.h"
#include "platform/Rtf.h"

namespace {
// Text and the formats the RTF files carry, fragment by fragment, as
// "text/BIU/family/points/colour"; blocks end with "|" and their alignment.
QStringList spans(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QFont font = f.font().resolve(doc.defaultFont());
            out << it.fragment().text() + QLatin1Char('/') + QLatin1String(font.bold() ? "B" : "")
                       + QLatin1String(font.italic() ? "I" : "") + QLatin1String(font.underline() ? "U" : "")
                       + QLatin1Char('/') + font.families().value(0, font.family()) + QLatin1Char('/')
                       + QString::number(font.pointSizeF()) + QLatin1Char('/')
                       + (f.foreground().style() == Qt::NoBrush ? QString() : f.foreground().color().name());
        }
        out << QStringLiteral("|%1").arg(int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
    }
    return out;
}

QTextCharFormat format(bool bold, bool italic, bool underline, const QString &family, double points,
                       const QColor &color = QColor())
{
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    if (color.isValid())
        f.setForeground(color);
    return f;
}

QString plain(const QByteArray &rtf)
{
    QTextDocument doc;
    platform::rtfToDocument(rtf, &doc);
    // The raw text keeps line breaks and no-break spaces as they are.
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}
} // namespace

class TestRtf : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void roundTripKeepsTextAndFormats()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        c.insertText(QStringLiteral("Zutaten: "), format(true, false, false, QStringLiteral("Arial"), 12));
        c.insertText(QStringLiteral("Äpfel, Crème brûlée {50 g} \\ 3€ „gut“"),
                     format(false, true, false, QStringLiteral("Times New Roman"), 8.5, QColor(200, 0, 0)));
        c.insertText(QStringLiteral("\tunterstrichen"), format(false, false, true, QStringLiteral("Arial"), 20));
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        c.insertBlock(centred);
        c.insertText(QStringLiteral("Łódź ✓ 😀") + QChar(QChar::LineSeparator) + QStringLiteral("zweite Zeile"),
                     format(true, true, true, QStringLiteral("Courier New"), 10, QColor(0, 128, 0)));
        c.insertBlock(QTextBlockFormat()); // an empty paragraph
        c.insertBlock(QTextBlockFormat());
        c.insertText(QStringLiteral("Ende"), format(false, false, false, QStringLiteral("Arial"), 12));
        // Only the alignment changes: the text must not run into its control word.
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        c.insertBlock(right);
        c.insertText(QStringLiteral("9 Schluss"), format(false, false, false, QStringLiteral("Arial"), 12));

        const QByteArray rtf = platform::documentToRtf(&doc);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"));
        QVERIFY(rtf.contains("}{\\colortbl;"));
        QVERIFY(rtf.contains("\\'c4pfel"));   // Ä as \'xx
        QVERIFY(rtf.contains("\\u10003?"));   // ✓ is beyond the code page
        for (char c : rtf)
            QVERIFY(static_cast<unsigned char>(c) < 0x80);

        QTextDocument back;
        QVERIFY(platform::rtfToDocument(rtf, &back));
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QCOMPARE(back.blockCount(), 5);
        QCOMPARE(spans(back), spans(doc));
        // Written again, the same bytes.
        QCOMPARE(platform::documentToRtf(&back), rtf);
    }

    void emptyDocumentRoundTrip()
    {
        QTextDocument doc;
        QTextDocument back;
        QVERIFY(platform::rtfToDocument(platform::documentToRtf(&doc), &back));
        QCOMPARE(back.blockCount(), 1);
        QCOMPARE(back.toPlainText(), QString());
    }

    void readsWhatOthersWrite_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("rich edit")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                          "\\viewkind4\\uc1\\pard\\f0\\fs20 Gem\\'fcse putzen\\par\r\nK\\'e4se reiben\\par\r\n}\r\n")
                   + QByteArray(1, '\0')
            << QStringLiteral("Gemüse putzen\nKäse reiben");
        QTest::newRow("unknown destinations")
            << QByteArray("{\\rtf1{\\*\\generator Foo 1.0;}{\\info{\\title Titel}{\\author Jemand}}"
                          "{\\stylesheet{\\s0 Normal;}}Vor{\\*\\unbekannt geheim {\\b tief}}her"
                          "{\\pict\\pngblip 89504e470d0a}nach{\\*\\bkmkstart m}{\\field{\\*\\fldinst HYPERLINK x}"
                          "{\\fldrslt Link}}.}")
            << QStringLiteral("VorhernachLink.");
        QTest::newRow("unicode with fallback")
            << QByteArray("{\\rtf1\\ansi\\uc1 a\\u8364?b\\uc2\\u-10179\\'3f\\'3f\\u-8704??c\\uc0\\u252 d}")
            << QStringLiteral("a€b😀cüd");
        QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1 Gr\xfc\xdf" "e \x80}") << QStringLiteral("Grüße €");
        QTest::newRow("symbols")
            << QByteArray("{\\rtf1 a\\{b\\}c\\\\d\\tab e\\line f\\~g\\-h\\emdash\\endash\\bullet"
                          "\\lquote\\rquote\\ldblquote\\rdblquote}")
            << QStringLiteral("a{b}c\\d\te\u2028f\u00a0gh—–•‘’“”");
        QTest::newRow("binary skipped") << QByteArray("{\\rtf1 a{\\*\\blob\\bin4 }}{x}b}") << QStringLiteral("ab");
        QTest::newRow("font table without groups")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fnil Arial;\\f1\\fnil Courier;}\\f1 x}") << QStringLiteral("x");
        QTest::newRow("text after a stray brace") << QByteArray("{\\rtf1 a}}b}") << QStringLiteral("ab");
        QTest::newRow("truncated in a group") << QByteArray("{\\rtf1 Anfang{\\b fett") << QStringLiteral("Anfangfett");
        QTest::newRow("plain text") << QByteArray("Kein RTF\r\nzweite Zeile\r\n") << QStringLiteral("Kein RTF\nzweite Zeile");
    }
    void readsWhatOthersWrite()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(plain(rtf), text);
    }

    void readsFormats()
    {
        QTextDocument doc;
        QVERIFY(platform::rtfToDocument(
            "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss{\\*\\panose 0}Arial;}}"
            "{\\colortbl;\\red255\\green0\\blue0;}\\pard\\qc\\fs17 a{\\b\\i\\ul\\cf1\\f0\\fs30 b}c\\b d\\b0\\ulnone e"
            "\\plain f\\par}",
            &doc));
        QCOMPARE(spans(doc), QStringList({"a//Arial/8.5/", "b/BIU/Times/15/#ff0000", "c//Arial/8.5/", "d/B/Arial/8.5/",
                                          "e//Arial/8.5/", "f//Arial/12/", "|4"})); // \\plain: 12 pt; centred
    }

    void survivesGarbage_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("truncated") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari");
        QTest::newRow("truncated escape") << QByteArray("{\\rtf1 a\\'");
        QTest::newRow("truncated word") << QByteArray("{\\rtf1 a\\u");
        QTest::newRow("too many closing") << QByteArray("{\\rtf1 a}}}}b}");
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999999999\\f-99999999999999999\\cf2147483648"
                                                    "\\uc99999999999\\u99999999999999 x\\bin99999999999999}");
        QTest::newRow("negative bin") << QByteArray("{\\rtf1\\bin-5 x}");
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "x" + QByteArray(100, '}');
        QTest::newRow("long control word") << QByteArray("{\\rtf1\\") + QByteArray(100000, 'a') + " x}";
        QTest::newRow("colour index out of range") << QByteArray("{\\rtf1{\\colortbl;}\\cf7 x}");
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0\0b}", 12);
        QTest::newRow("control characters") << QByteArray("{\\rtf1 a\\'01\\u1?\\u65532?\\u8233?\\u-560?b}");
    }
    void survivesGarbage()
    {
        QFETCH(QByteArray, rtf);
        QElapsedTimer timer;
        timer.start();
        QTextDocument doc;
        platform::rtfToDocument(rtf, &doc);
        QVERIFY(timer.elapsed() < 5000);
        // Whatever came in, what goes out reads back the same.
        QTextDocument back;
        QVERIFY(platform::rtfToDocument(platform::documentToRtf(&doc), &back));
        QCOMPARE(back.toPlainText(), doc.toPlainText());
    }

    void files()
    {
        testing::BaseFolder base;
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("Anleitung\nSchritt 2"));
        QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
        QVERIFY(platform::saveRtfFile(QStringLiteral("Recipes\\Suppe.RRT"), &doc));
        QTextDocument back;
        QVERIFY(platform::loadRtfFile(QStringLiteral("recipes\\suppe.rrt"), &back));
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QVERIFY(!platform::loadRtfFile(QStringLiteral("Recipes\\fehlt.RRT"), &back));
        QVERIFY(!platform::saveRtfFile(QStringLiteral("Fehlt\\x.RRT"), &doc));
    }
};

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
