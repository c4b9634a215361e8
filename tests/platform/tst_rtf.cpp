#include "testing/Testing.h"

#include <QtGui>

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

// Lines with their spacing evened out and empty lines dropped: readers agree
// on the text, not on how they lay out paragraphs and tab stops.
QStringList lines(const QString &text)
{
    QStringList out;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.replace(space, QStringLiteral(" ")).trimmed();
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Alignment, spacing and indents of each paragraph.
QStringList paragraphs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(f.topMargin())
                   .arg(f.bottomMargin())
                   .arg(f.leftMargin())
                   .arg(f.rightMargin())
                   .arg(f.textIndent());
    }
    return out;
}

// Loaded and saved, loaded and saved again: the second save gives the bytes
// of the first.
void checkStableRoundTrip(const QByteArray &rtf)
{
    QTextDocument first;
    platform::rtfToDocument(rtf, &first);
    const QByteArray saved = platform::documentToRtf(&first);
    QTextDocument second;
    QVERIFY(platform::rtfToDocument(saved, &second));
    QCOMPARE(second.toPlainText(), first.toPlainText());
    QCOMPARE(paragraphs(second), paragraphs(first));
    QCOMPARE(platform::documentToRtf(&second), saved);
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
        QVERIFY(rtf.contains("\\'c4pfel"));   // Ä as \'xx
        QVERIFY(rtf.contains("\\u10003?"));   // ✓ is beyond the code page
        for (char c : rtf)
            QVERIFY(static_cast<unsigned char>(c) < 0x80);

        QTextDocument back;
        QVERIFY(platform::rtfToDocument(rtf, &back));
        QCOMPARE(spans(back), spans(doc));
        QCOMPARE(platform::documentToRtf(&back), rtf);
    }

    void readsWhatOthersWrite_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown destinations")
            << QByteArray("{\\rtf1{\\*\\generator Foo 1.0;}{\\info{\\title Titel}{\\author Jemand}}"
                          "{\\stylesheet{\\s0 Normal;}}Vor{\\*\\unbekannt geheim {\\b tief}}her"
                          "{\\pict\\pngblip 89504e470d0a}nach{\\*\\bkmkstart m}{\\field{\\*\\fldinst HYPERLINK x}"
                          "{\\fldrslt Link}}.}")
            << QStringLiteral("VorhernachLink.");
        QTest::newRow("unicode with fallback")
            << QByteArray("{\\rtf1\\ansi\\uc1 a\\u8364?b\\uc2\\u-10179\\'3f\\'3f\\u-8704??c\\uc0\\u252 d}")
            << QStringLiteral("a€b😀cüd");
        QTest::newRow("symbols")
            << QByteArray("{\\rtf1 a\\{b\\}c\\\\d\\tab e\\line f\\~g\\-h\\emdash\\endash\\bullet"
                          "\\lquote\\rquote\\ldblquote\\rdblquote}")
            << QStringLiteral("a{b}c\\d\te\u2028f\u00a0gh—–•‘’“”");
        QTest::newRow("binary skipped") << QByteArray("{\\rtf1 a{\\*\\blob\\bin4 }}{x}b}") << QStringLiteral("ab");
        QTest::newRow("font charset over document code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset238 A;}{\\f1 B;}{\\f2\\fcharset1 C;}}"
                          "\\f0\\'a3\\f1\\'a3\\f2\\'a3}")
            << QStringLiteral("ŁЈЈ");
        QTest::newRow("double-byte split by a line end")
            << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'82\r\n\\'a0x\\'82}") << QStringLiteral("あx\uFFFD");
        QTest::newRow("symbol fonts in the private use area")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset2 Wingdings;}}"
                          "{\\listtext\\f1\\u-3913?\\tab}a{\\f2\\u-3929?\\'a7}{\\f1 m}}")
            << QStringLiteral("•\ta▪▪μ");
        QTest::newRow("hidden text")
            << QByteArray("{\\rtf1 a{\\v b\\v0 c\\v d}e\\v f\\plain g\\v\\u8364?h}") << QStringLiteral("aceg");
    }
    void readsWhatOthersWrite()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(plain(rtf), text);
    }

    // Files written by other programs, and files in the style of the old
    // editor: we read the text an independent reader reads.
    void readsFilesOfOtherPrograms_data()
    {
        QTest::addColumn<QString>("name");
        const QDir dir(QStringLiteral(TW_FIXTURES_DIR "/rtf"));
        const QStringList files = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 9);
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << dir.filePath(f.chopped(4));
    }
    void readsFilesOfOtherPrograms()
    {
        QFETCH(QString, name);
        const QByteArray rtf = fileBytes(name + QStringLiteral(".rtf"));
        QTextDocument doc;
        QVERIFY(platform::rtfToDocument(rtf, &doc));
        QCOMPARE(lines(doc.toPlainText()), lines(QString::fromUtf8(fileBytes(name + QStringLiteral(".txt")))));
        checkStableRoundTrip(rtf);
    }

    void readsPlainTextSideFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF" "Cr\xC3\xA8me\r\n") << QStringLiteral("Crème");
        QTest::newRow("UTF-8") << QByteArray("\xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x8D\xB0") << QStringLiteral("Łódź 🍰");
        QTest::newRow("Windows-1252") << QByteArray("Cr\xE8me \x80 5") << QStringLiteral("Crème € 5");
        QTest::newRow("UTF-16 with byte-order mark")
            << QByteArray("\xFF\xFE" "C\0r\0\xE8\0m\0e\0", 12) << QStringLiteral("Crème");
        // control characters RTF cannot hold are gone on reading, not on the first save
        QTest::newRow("control characters") << QByteArray("a\x0B" "b\x01\x1F" "c\x0C" "d\te\x00" "f\n\x0B\xEF\xBF\xBC" "g", 18)
                                            << QStringLiteral("abcd\tef\ng");
    }
    void readsPlainTextSideFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTextDocument doc;
        QVERIFY(!platform::rtfToDocument(bytes, &doc));
        QCOMPARE(doc.toPlainText(), text);
        checkStableRoundTrip(bytes);
    }

    // The shipped files space their paragraphs and indent their lists; a
    // save keeps that, and saving what was loaded again changes nothing.
    void keepsParagraphSpacing()
    {
        QTextDocument doc;
        platform::rtfToDocument("{\\rtf1\\pard\\sb240\\sa120 a\\par\\pard\\li360\\ri200\\fi-360\\sa40\\qc b\\par"
                                "\\pard c\\par}",
                                &doc);
        const QTextBlock a = doc.begin();
        const QTextBlock b = a.next();
        QCOMPARE(a.blockFormat().topMargin(), 16.0); // 240 twips at 96 dpi
        QCOMPARE(b.blockFormat().textIndent(), -24.0);
        QCOMPARE(b.next().blockFormat().bottomMargin(), 0.0);
        const QByteArray rtf = platform::documentToRtf(&doc);
        QVERIFY(rtf.contains("\\pard\\sb240\\sa120 "));
        QVERIFY(rtf.contains("\\pard\\qc\\fi-360\\li360\\ri200\\sa40 "));

        // Every rich-text file the installation ships.
        QDirIterator it(QStringLiteral(TW_FIXTURES_DIR "/../../data"), QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            const QByteArray bytes = fileBytes(it.next());
            if (!bytes.startsWith("{\\rtf"))
                continue;
            ++files;
            checkStableRoundTrip(bytes);
        }
        QVERIFY(files > 20);
    }

    // A tab in a font name was written as \\tab, which the font table
    // ignores, so the name changed with every save.
    void fontNameWithTab()
    {
        const QByteArray rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Old\tStyle;}{\\f2 New\\tab Style;}}\\f1 a\\f2 b}");
        QTextDocument doc;
        platform::rtfToDocument(rtf, &doc);
        QCOMPARE(spans(doc), QStringList({"a//Old Style/12/", "b//New Style/12/", "|1"}));
        checkStableRoundTrip(rtf);

        QTextDocument made;
        QTextCursor(&made).insertText(QStringLiteral("x"),
                                      format(false, false, false, QStringLiteral("Tab\tbed;Font\u2028"), 10));
        checkStableRoundTrip(platform::documentToRtf(&made));
    }

    // Formats as read: \plain is 12 pt; converted symbol-font text takes
    // the text's own font, so that it shows and is written back as itself.
    void readsFormats_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("formats")
            << QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss{\\*\\panose 0}Arial;}}"
                          "{\\colortbl;\\red255\\green0\\blue0;}\\pard\\qc\\fs17 a{\\b\\i\\ul\\cf1\\f0\\fs30 b}c\\b d\\b0\\ulnone e"
                          "\\plain f\\par}")
            << QStringList({"a//Arial/8.5/", "b/BIU/Times/15/#ff0000", "c//Arial/8.5/", "d/B/Arial/8.5/",
                            "e//Arial/8.5/", "f//Arial/12/", "|4"});
        QTest::newRow("symbol bullet")
            << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}x}")
            << QStringList({"•\tx//Arial/12/", "|1"});
    }
    void readsFormats()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, erwartet);
        QTextDocument doc;
        QVERIFY(platform::rtfToDocument(rtf, &doc));
        QCOMPARE(spans(doc), erwartet);
    }

    void survivesGarbage_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari");
        QTest::newRow("truncated escape") << QByteArray("{\\rtf1 a\\'");
        QTest::newRow("too many closing") << QByteArray("{\\rtf1 a}}}}b}");
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999999999\\f-99999999999999999\\cf2147483648"
                                                    "\\uc99999999999\\u99999999999999 x\\bin99999999999999}");
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "x" + QByteArray(100, '}');
        QTest::newRow("long control word") << QByteArray("{\\rtf1\\") + QByteArray(100000, 'a') + " x}";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0\0b}", 12);
        QTest::newRow("control characters") << QByteArray("{\\rtf1 a\\'01\\u1?\\u65532?\\u8233?\\u-560?b}");
        QTest::newRow("cut-off double-byte characters")
            << QByteArray("{\\rtf1\\ansicpg932{\\fonttbl{\\f0\\fcharset128 \\'82;}}\\'82{\\'81}\\'82");
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
        checkStableRoundTrip(rtf);
    }

    void files()
    {
        testing::BaseFolder base;
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("Anleitung 🍰\nSchritt 2: Łódź, Ελλάδα"));
        QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
        QVERIFY(platform::saveRtfFile(QStringLiteral("Recipes\\Suppe.RRT"), &doc));
        QTextDocument back;
        QVERIFY(platform::loadRtfFile(QStringLiteral("recipes\\suppe.rrt"), &back));
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QVERIFY(!platform::loadRtfFile(QStringLiteral("Recipes\\fehlt.RRT"), &back));
        QVERIFY(!platform::saveRtfFile(QStringLiteral("Fehlt\\x.RRT"), &doc));
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
