#include "platform/Rtf.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/CodePage.h"
#include "platform/TextFile.h"

namespace platform {

namespace {

constexpr int kDefaultHalfPoints = 24; // RTF's default size: 12 pt
constexpr int kMaxHalfPoints = 3276;   // what rich-edit fields accept
constexpr std::size_t kMaxDepth = 4096; // deeper groups share their parent's state

// ---------------------------------------------------------------- reader

enum class Dest { Text, FontTable, ColorTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1; // -1: the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // 0: automatic

    bool operator==(const CharState &) const = default;
};

struct GroupState {
    Dest dest = Dest::Text;
    CharState chars;
    Qt::Alignment align = Qt::AlignLeft;
    int uc = 1; // characters of fallback after \uN
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is no visible text of the document.
bool isSkippedDestination(const QByteArray &word)
{
    static const char *const kSkipped[] = {
        "annotation", "atnauthor", "atnid", "author", "bkmkend", "bkmkstart", "buptim",
        "colorschememapping", "comment", "company", "creatim", "datastore", "docvar",
        "doccomm", "falt", "fldinst", "filetbl", "footer", "footerf", "footerl",
        "footerr", "footnote", "generator", "header", "headerf", "headerl", "headerr",
        "info", "keywords", "latentstyles", "listoverridetable", "listtable", "mmathPr",
        "nonshppict", "object", "operator", "panose", "pgdsctbl", "pict", "printim",
        "private", "revtbl", "revtim", "rsidtbl", "shp", "shpinst", "sn", "sp",
        "stylesheet", "subject", "sv", "tc", "template", "themedata", "title", "txe",
        "userprops", "xe", "xmlnstbl"};
    for (const char *s : kSkipped)
        if (word == s)
            return true;
    return false;
}

class Reader
{
public:
    Reader(const QByteArray &data, QTextDocument *document)
        : m_p(data.constData()), m_end(data.constData() + data.size()), m_cursor(document)
    {
    }

    void run()
    {
        while (m_p < m_end) {
            const char c = *m_p++;
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (m_ended) {
                    // Text after the closing brace of a damaged file is kept.
                    if (c == ' ' || c == '\t' || c == '\0')
                        break;
                    m_ended = false;
                }
                if (consumeFallback())
                    break;
                if (c == '\t')
                    put(QChar(u'\t'));
                else if (static_cast<unsigned char>(c) >= 0x20)
                    emitByte(static_cast<unsigned char>(c));
                break;
            }
        }
        finish();
    }

private:
    const char *m_p;
    const char *m_end;
    QTextCursor m_cursor;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0; // groups beyond kMaxDepth
    bool m_ended = false;       // the outermost group was closed
    int m_fallback = 0;         // characters still to skip after \uN

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = -1;
    QString m_fontName;
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    QString m_run;
    CharState m_runChars;
    int m_pendingParagraphs = 0;

    void openGroup()
    {
        m_fallback = 0;
        if (m_ended)
            m_ended = false;
        if (m_stack.size() >= kMaxDepth) {
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_state);
    }

    void closeGroup()
    {
        m_fallback = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_state.dest == Dest::FontTable)
            commitFont();
        if (m_stack.empty()) {
            m_ended = true;
            return;
        }
        m_state = m_stack.back();
        m_stack.pop_back();
        if (m_stack.empty())
            m_ended = true;
    }

    // One character of \uN fallback is eaten; true when this one was.
    bool consumeFallback()
    {
        if (m_fallback <= 0)
            return false;
        --m_fallback;
        return true;
    }

    // Reads a signed parameter, saturating instead of overflowing.
    bool readNumber(int &value)
    {
        const char *q = m_p;
        bool negative = false;
        if (q < m_end && *q == '-' && q + 1 < m_end && isDigit(q[1])) {
            negative = true;
            ++q;
        }
        if (q >= m_end || !isDigit(*q))
            return false;
        long long v = 0;
        while (q < m_end && isDigit(*q)) {
            if (v < 1000000000000LL)
                v = v * 10 + (*q - '0');
            ++q;
        }
        if (negative)
            v = -v;
        value = int(std::clamp<long long>(v, -2147483647LL, 2147483647LL));
        m_p = q;
        return true;
    }

    void controlSequence()
    {
        if (m_p >= m_end)
            return;
        const char c = *m_p;
        if (!isLetter(c)) {
            ++m_p;
            controlSymbol(c);
            return;
        }
        const char *start = m_p;
        while (m_p < m_end && isLetter(*m_p))
            ++m_p;
        // Control words are at most 32 letters; a longer one is garbage.
        const QByteArray word(start, int(std::min<std::ptrdiff_t>(m_p - start, 32)));
        int param = 0;
        const bool hasParam = readNumber(param);
        if (m_p < m_end && *m_p == ' ')
            ++m_p;
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_p < m_end && hexValue(*m_p) >= 0) {
                value = value * 16 + hexValue(*m_p++);
                ++digits;
            }
            if (consumeFallback() || digits == 0)
                return;
            emitByte(static_cast<unsigned char>(value));
            return;
        }
        case '*':
            // An ignorable destination: this reader keeps none of them.
            m_state.dest = Dest::Skip;
            return;
        case '\r':
        case '\n':
            if (!consumeFallback())
                paragraph();
            return;
        default:
            break;
        }
        if (consumeFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            put(QChar(QLatin1Char(c)));
            break;
        case '~':
            put(QChar(char16_t(0x00A0)));
            break;
        case '_':
            put(QChar(char16_t(0x2011)));
            break;
        default: // \- optional hyphen, \| \: and unknown symbols
            break;
        }
    }

    void controlWord(const QByteArray &word, bool hasParam, int param)
    {
        if (word == "bin") {
            // Binary data: skipped byte for byte, never interpreted.
            const std::ptrdiff_t n = hasParam && param > 0 ? param : 0;
            m_p += std::min<std::ptrdiff_t>(n, m_end - m_p);
            return;
        }
        if (word == "u") {
            if (!hasParam)
                return;
            const int unit = ((param % 65536) + 65536) % 65536;
            if (unit != 0)
                put(QChar(char16_t(unit)));
            m_fallback = m_state.uc;
            return;
        }
        if (consumeFallback())
            return;
        if (word == "fonttbl") {
            m_state.dest = Dest::FontTable;
            m_fontNumber = -1;
            m_fontName.clear();
            return;
        }
        if (word == "colortbl") {
            m_state.dest = Dest::ColorTable;
            m_red = m_green = m_blue = -1;
            return;
        }
        if (isSkippedDestination(word)) {
            m_state.dest = Dest::Skip;
            return;
        }
        switch (m_state.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (word == "f" && hasParam) {
                commitFont();
                m_fontNumber = param;
            }
            return;
        case Dest::ColorTable: {
            const int v = std::clamp(param, 0, 255);
            if (word == "red")
                m_red = v;
            else if (word == "green")
                m_green = v;
            else if (word == "blue")
                m_blue = v;
            return;
        }
        case Dest::Text:
            break;
        }
        textControlWord(word, hasParam, param);
    }

    void textControlWord(const QByteArray &word, bool hasParam, int param)
    {
        CharState &ch = m_state.chars;
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "sect" || word == "page" || word == "row")
            paragraph();
        else if (word == "line")
            put(QChar(QChar::LineSeparator));
        else if (word == "tab" || word == "cell" || word == "nestcell")
            put(QChar(u'\t'));
        else if (word == "b")
            ch.bold = on;
        else if (word == "i")
            ch.italic = on;
        else if (word == "ulnone")
            ch.underline = false;
        else if (word.startsWith("ul") && word != "ulc")
            ch.underline = on; // \ul and its styles (\uld, \ulw ...)
        else if (word == "f")
            ch.font = hasParam ? param : -1;
        else if (word == "fs")
            ch.halfPoints = (hasParam && param > 0) ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints;
        else if (word == "cf")
            ch.color = hasParam ? std::max(param, 0) : 0;
        else if (word == "plain")
            ch = CharState();
        else if (word == "pard")
            m_state.align = Qt::AlignLeft;
        else if (word == "ql")
            m_state.align = Qt::AlignLeft;
        else if (word == "qr")
            m_state.align = Qt::AlignRight;
        else if (word == "qc")
            m_state.align = Qt::AlignHCenter;
        else if (word == "qj")
            m_state.align = Qt::AlignJustify;
        else if (word == "uc")
            m_state.uc = std::clamp(hasParam ? param : 1, 0, 16);
        else if (word == "deff")
            m_defaultFont = hasParam ? param : 0;
        else if (word == "emdash")
            put(QChar(char16_t(0x2014)));
        else if (word == "endash")
            put(QChar(char16_t(0x2013)));
        else if (word == "bullet")
            put(QChar(char16_t(0x2022)));
        else if (word == "lquote")
            put(QChar(char16_t(0x2018)));
        else if (word == "rquote")
            put(QChar(char16_t(0x2019)));
        else if (word == "ldblquote")
            put(QChar(char16_t(0x201C)));
        else if (word == "rdblquote")
            put(QChar(char16_t(0x201D)));
        else if (word == "emspace" || word == "enspace" || word == "qmspace")
            put(QChar(u' '));
    }

    void emitByte(unsigned char b)
    {
        QChar c;
        decodeCp1252Into(reinterpret_cast<const char *>(&b), 1, &c);
        put(c);
    }

    void put(QChar c)
    {
        // Control characters and the document's own structure marks
        // (paragraph, frame and object characters) are no text.
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || u == QChar::ParagraphSeparator || u == QChar::ObjectReplacementCharacter
            || u == 0xFDD0 || u == 0xFDD1)
            return;
        switch (m_state.dest) {
        case Dest::Text:
            if (m_pendingParagraphs > 0) {
                flushRun();
                m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
                m_pendingParagraphs = 0;
            }
            if (!m_run.isEmpty() && !(m_runChars == m_state.chars))
                flushRun();
            if (m_run.isEmpty())
                m_runChars = m_state.chars;
            m_run += c;
            break;
        case Dest::FontTable:
            if (c == QLatin1Char(';'))
                commitFont();
            else
                m_fontName += c;
            break;
        case Dest::ColorTable:
            if (c == QLatin1Char(';')) {
                if (m_red < 0 && m_green < 0 && m_blue < 0)
                    m_colors.append(QColor()); // automatic colour
                else
                    m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
                m_red = m_green = m_blue = -1;
            }
            break;
        case Dest::Skip:
            break;
        }
    }

    void commitFont()
    {
        const QString name = m_fontName.trimmed();
        if (m_fontNumber >= 0 && !name.isEmpty() && !m_fonts.contains(m_fontNumber))
            m_fonts.insert(m_fontNumber, name);
        m_fontName.clear();
        m_fontNumber = -1;
    }

    QTextCharFormat charFormat(const CharState &ch) const
    {
        QTextCharFormat f;
        f.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(ch.italic);
        f.setFontUnderline(ch.underline);
        f.setFontPointSize(ch.halfPoints / 2.0);
        const QString family = m_fonts.value(ch.font < 0 ? m_defaultFont : ch.font,
                                             m_fonts.value(m_defaultFont));
        if (!family.isEmpty())
            f.setFontFamilies(QStringList{family});
        if (ch.color > 0 && ch.color < m_colors.size() && m_colors[ch.color].isValid())
            f.setForeground(m_colors[ch.color]);
        return f;
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, charFormat(m_runChars));
        m_run.clear();
    }

    void setAlignment(Qt::Alignment align)
    {
        QTextBlockFormat f = m_cursor.blockFormat();
        if (f.alignment() != align) {
            f.setAlignment(align);
            m_cursor.setBlockFormat(f);
        }
    }

    // \par ends the paragraph with the paragraph properties in force now.
    // The new paragraph is only made when something follows, so the usual
    // final \par does not leave an empty paragraph behind.
    void paragraph()
    {
        if (m_state.dest != Dest::Text)
            return;
        flushRun();
        if (m_pendingParagraphs > 0)
            m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        setAlignment(m_state.align);
        m_pendingParagraphs = 1;
    }

    void finish()
    {
        flushRun();
        if (m_pendingParagraphs == 0)
            setAlignment(m_state.align);
    }
};

// ---------------------------------------------------------------- writer

struct WrittenChars {
    QString family;
    int halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color; // invalid: automatic
};

WrittenChars describe(const QTextCharFormat &format, const QFont &documentFont)
{
    const QFont f = format.font().resolve(documentFont);
    WrittenChars w;
    w.family = f.families().value(0, f.family());
    const double pt = f.pointSizeF() > 0 ? f.pointSizeF() : kDefaultHalfPoints / 2.0;
    w.halfPoints = std::clamp(int(pt * 2 + 0.5), 1, kMaxHalfPoints);
    w.bold = f.bold();
    w.italic = f.italic();
    w.underline = f.underline();
    if (format.foreground().style() != Qt::NoBrush)
        w.color = format.foreground().color();
    return w;
}

void appendEscaped(QByteArray &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u == QChar::ObjectReplacementCharacter || u == QChar::ParagraphSeparator || u < 0x20) {
            // Pictures and control characters have no place in the text.
        } else if (u < 0x80) {
            out += char(u);
        } else if (isCp1252Encodable(c)) {
            const QByteArray b = encodeCp1252(QString(c));
            out += "\\'";
            out += QByteArray::number(static_cast<unsigned char>(b[0]), 16).rightJustified(2, '0');
        } else {
            out += "\\u";
            out += QByteArray::number(int(qint16(u)));
            out += '?';
        }
    }
}

} // namespace

bool rtfToDocument(const QByteArray &rtf, QTextDocument *document)
{
    if (!document)
        return false;
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();

    qsizetype start = 0;
    if (rtf.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < rtf.size() && (rtf[start] == ' ' || rtf[start] == '\r' || rtf[start] == '\n' || rtf[start] == '\t'))
        ++start;
    const bool isRtf = QByteArrayView(rtf).sliced(start).startsWith("{\\rtf");
    if (isRtf) {
        const QByteArray body = rtf.mid(start);
        Reader reader(body, document);
        reader.run();
    } else {
        QString text = decodeCp1252(rtf);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        document->setPlainText(text);
    }
    document->setUndoRedoEnabled(undo);
    return isRtf;
}

QByteArray documentToRtf(const QTextDocument *document)
{
    QByteArray out;
    if (!document)
        return out;
    const QFont documentFont = document->defaultFont();

    // Tables first: every font and colour the text uses.
    QStringList fonts{documentFont.families().value(0, documentFont.family())};
    QList<QRgb> colors;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const WrittenChars w = describe(it.fragment().charFormat(), documentFont);
            if (!fonts.contains(w.family))
                fonts << w.family;
            if (w.color.isValid() && !colors.contains(w.color.rgb()))
                colors << w.color.rgb();
        }
    }

    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        QString name = fonts[i];
        name.remove(QLatin1Char(';'));
        appendEscaped(out, name);
        out += ";}";
    }
    out += "}{\\colortbl;";
    for (QRgb c : colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
               + QByteArray::number(qBlue(c)) + ";";
    out += "}\r\n\\viewkind4\\uc1\\pard";

    Qt::Alignment align = Qt::AlignLeft;
    bool first = true;
    WrittenChars cur;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        const Qt::Alignment blockAlign = (a & Qt::AlignHCenter)  ? Qt::AlignHCenter
                                         : (a & Qt::AlignRight)  ? Qt::AlignRight
                                         : (a & Qt::AlignJustify) ? Qt::AlignJustify
                                                                  : Qt::AlignLeft;
        if (blockAlign != align) {
            out += "\\pard";
            if (blockAlign == Qt::AlignHCenter)
                out += "\\qc";
            else if (blockAlign == Qt::AlignRight)
                out += "\\qr";
            else if (blockAlign == Qt::AlignJustify)
                out += "\\qj";
            // The delimiter: text that follows must not run into the word.
            out += ' ';
            align = blockAlign;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const WrittenChars w = describe(fragment.charFormat(), documentFont);
            QByteArray controls;
            if (first || w.family != cur.family)
                controls += "\\f" + QByteArray::number(fonts.indexOf(w.family));
            if (first || w.halfPoints != cur.halfPoints)
                controls += "\\fs" + QByteArray::number(w.halfPoints);
            if (first || w.bold != cur.bold)
                controls += w.bold ? "\\b" : "\\b0";
            if (first || w.italic != cur.italic)
                controls += w.italic ? "\\i" : "\\i0";
            if (first || w.underline != cur.underline)
                controls += w.underline ? "\\ul" : "\\ulnone";
            if (first || w.color != cur.color)
                controls += "\\cf" + QByteArray::number(w.color.isValid() ? colors.indexOf(w.color.rgb()) + 1 : 0);
            if (!controls.isEmpty())
                out += controls + ' ';
            cur = w;
            first = false;
            appendEscaped(out, fragment.text());
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

bool loadRtfFile(const QString &path, QTextDocument *document)
{
    QByteArray bytes;
    if (!document || !readBytes(path, bytes))
        return false;
    rtfToDocument(bytes, document);
    return true;
}

bool saveRtfFile(const QString &path, const QTextDocument *document)
{
    if (!document)
        return false;
    return writeBytes(path, documentToRtf(document));
}

} // namespace platform
