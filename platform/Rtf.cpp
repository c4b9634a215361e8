#include "platform/Rtf.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/Charsets.h"
#include "platform/CodePage.h"
#include "platform/TextFile.h"

namespace platform {

namespace {

constexpr int kDefaultHalfPoints = 24; // RTF's default size: 12 pt
constexpr int kMaxHalfPoints = 3276;   // what rich-edit fields accept
constexpr std::size_t kMaxDepth = 4096; // deeper groups share their parent's state
constexpr int kMaxTwips = 31680;        // 22 inches: paragraph spacing and indents
constexpr double kTwipsPerPixel = 15.0; // a document pixel at 96 dpi

// A font name as it is stored: no control characters (a tab read from a
// font table would not survive being written as \tab), no ";" (it ends the
// name) and no spaces at either end.
QString canonicalFontName(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == QChar::LineSeparator || u == QChar::ParagraphSeparator)
            out += QLatin1Char(' ');
        else if (u != ';')
            out += c;
    }
    return out.trimmed();
}

// ---------------------------------------------------------------- reader

// Footnote: text of a footnote, shown after the document's own text.
enum class Dest { Text, Footnote, FontTable, ColorTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1; // -1: the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // 0: automatic
    bool hidden = false;

    bool operator==(const CharState &) const = default;
};

// Paragraph properties; spacing and indents in twips.
struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;

    bool operator==(const ParaState &) const = default;
};

ParaState paraStateOf(const QTextBlockFormat &f)
{
    ParaState p;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    p.align = (a & Qt::AlignHCenter)  ? Qt::AlignHCenter
              : (a & Qt::AlignRight)  ? Qt::AlignRight
              : (a & Qt::AlignJustify) ? Qt::AlignJustify
                                       : Qt::AlignLeft;
    const auto twips = [](qreal pixels) {
        return int(std::clamp<qreal>(std::round(pixels * kTwipsPerPixel), -kMaxTwips, kMaxTwips));
    };
    p.spaceBefore = twips(f.topMargin());
    p.spaceAfter = twips(f.bottomMargin());
    p.leftIndent = twips(f.leftMargin());
    p.rightIndent = twips(f.rightMargin());
    p.firstIndent = twips(f.textIndent());
    return p;
}

void applyParaState(QTextBlockFormat &f, const ParaState &p)
{
    f.setAlignment(p.align);
    f.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    f.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    f.setLeftMargin(p.leftIndent / kTwipsPerPixel);
    f.setRightMargin(p.rightIndent / kTwipsPerPixel);
    f.setTextIndent(p.firstIndent / kTwipsPerPixel);
}

struct GroupState {
    Dest dest = Dest::Text;
    CharState chars;
    ParaState para;
    int uc = 1; // characters of fallback after \uN
};

struct FontEntry {
    QString name;
    int charset = -1; // -1: none given
    int codePage = 0; // \cpg, 0: none given
    // A symbol font: one of character set 2, or one without a character
    // set that bears a symbol font's name.
    SymbolFont symbol = SymbolFont::Other;
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
        "footerr", "generator", "header", "headerf", "headerl", "headerr",
        "info", "keywords", "latentstyles", "listoverridetable", "listtable", "mmathPr",
        "nonshppict", "object", "operator", "panose", "pgdsctbl", "pict", "pn", "pntxta", "pntxtb", "printim",
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
        const qsizetype last = data.lastIndexOf('}');
        m_lastBrace = last < 0 ? m_p : m_p + last;
    }

    void run()
    {
        while (m_p < m_end) {
            // What follows the closing brace of the document belongs to no
            // document; only a brace further on shows that the document was
            // closed too early (a damaged file), and then reading goes on.
            if (m_ended && m_p > m_lastBrace)
                break;
            const char c = *m_p++;
            switch (c) {
            case '{':
                flushBytes(true);
                openGroup();
                break;
            case '}':
                flushBytes(true);
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
                else if (static_cast<unsigned char>(c) >= 0x20 && m_state.dest != Dest::Skip)
                    m_bytes += c;
                break;
            }
        }
        finish();
    }

private:
    const char *m_p;
    const char *m_end;
    const char *m_lastBrace; // the last "}" of the data
    QTextCursor m_cursor;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0; // groups beyond kMaxDepth
    bool m_ended = false;       // the outermost group was closed
    int m_fallback = 0;         // characters still to skip after \uN

    int m_codePage = 1252; // the document's (\ansicpg, \mac, \pc)
    QHash<int, FontEntry> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = -1;
    FontEntry m_font; // the font table entry being read
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    // Text bytes are collected and decoded together, so that a character of
    // a double-byte code page may come as two \'xx escapes.
    QByteArray m_bytes;
    // A lead byte of a double-byte character left at the end of a group:
    // its second byte may come in the next group.
    QByteArray m_lead;
    int m_leadCodePage = 0;
    CharState m_leadChars;

    QStringList m_footnotes; // their text, paragraphs separated by "\n"

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
        if (c != '\'')
            flushBytes();
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
            if (consumeFallback() || digits == 0 || m_state.dest == Dest::Skip)
                return;
            m_bytes += char(value);
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
                putUnicode(char16_t(unit));
            m_fallback = m_state.uc;
            return;
        }
        if (consumeFallback())
            return;
        if (word == "footnote") {
            // Also when starred: footnote text is the document's text.
            const bool imText = !m_stack.empty() && m_stack.back().dest == Dest::Text && m_overflow == 0;
            m_state.dest = imText ? Dest::Footnote : Dest::Skip;
            if (imText)
                m_footnotes.append(QString());
            return;
        }
        if (word == "fonttbl") {
            m_state.dest = Dest::FontTable;
            m_fontNumber = -1;
            m_font = FontEntry();
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
            } else if (word == "fcharset" && hasParam) {
                m_font.charset = param;
            } else if (word == "cpg" && hasParam) {
                m_font.codePage = param;
            } else if (word == "tab") {
                m_font.name += QLatin1Char(' ');
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
        case Dest::Footnote:
            break;
        }
        textControlWord(word, hasParam, param);
    }

    void textControlWord(const QByteArray &word, bool hasParam, int param)
    {
        CharState &ch = m_state.chars;
        ParaState &para = m_state.para;
        const bool on = !hasParam || param != 0;
        const int twips = hasParam ? std::clamp(param, -kMaxTwips, kMaxTwips) : 0;
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
        else if (word == "v")
            ch.hidden = on;
        else if (word == "f")
            ch.font = hasParam ? param : -1;
        else if (word == "fs")
            ch.halfPoints = (hasParam && param > 0) ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints;
        else if (word == "cf")
            ch.color = hasParam ? std::max(param, 0) : 0;
        else if (word == "plain")
            ch = CharState();
        else if (word == "pard")
            para = ParaState();
        else if (word == "ql")
            para.align = Qt::AlignLeft;
        else if (word == "qr")
            para.align = Qt::AlignRight;
        else if (word == "qc")
            para.align = Qt::AlignHCenter;
        else if (word == "qj")
            para.align = Qt::AlignJustify;
        else if (word == "sb")
            para.spaceBefore = twips;
        else if (word == "sa")
            para.spaceAfter = twips;
        else if (word == "li")
            para.leftIndent = twips;
        else if (word == "ri")
            para.rightIndent = twips;
        else if (word == "fi")
            para.firstIndent = twips;
        else if (word == "uc")
            m_state.uc = std::clamp(hasParam ? param : 1, 0, 16);
        else if (word == "deff")
            m_defaultFont = hasParam ? param : 0;
        else if (word == "ansicpg")
            m_codePage = hasParam && param > 0 ? param : 1252;
        else if (word == "mac")
            m_codePage = 10000;
        else if (word == "pc")
            m_codePage = 437;
        else if (word == "pca")
            m_codePage = 850;
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
        else if (word == "chftn")
            putText(footnoteMark(m_state.dest == Dest::Footnote ? m_footnotes.size() : m_footnotes.size() + 1));
    }

    const FontEntry *fontOf(const CharState &ch) const
    {
        const auto it = m_fonts.constFind(ch.font < 0 ? m_defaultFont : ch.font);
        if (it != m_fonts.constEnd())
            return &*it;
        const auto def = m_fonts.constFind(m_defaultFont);
        return def != m_fonts.constEnd() ? &*def : nullptr;
    }

    SymbolFont symbolFontNow() const
    {
        const FontEntry *f = fontOf(m_state.chars);
        return f ? f->symbol : SymbolFont::Other;
    }

    int codePageOf(const FontEntry *f) const
    {
        if (f && f->codePage > 0)
            return f->codePage;
        const int cp = f && f->charset >= 0 ? codePageOfCharset(f->charset) : 0;
        return cp > 0 ? cp : m_codePage;
    }

    static bool isDoubleByteCodePage(int cp) { return cp == 932 || cp == 936 || cp == 949 || cp == 950; }

    static bool isLeadByte(int cp, unsigned char b)
    {
        if (cp == 932)
            return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        return b >= 0x81 && b <= 0xFE;
    }

    // True when the bytes end in the lead byte of a double-byte character.
    static bool endsInLeadByte(int cp, const QByteArray &bytes)
    {
        qsizetype i = 0;
        while (i < bytes.size()) {
            if (!isLeadByte(cp, static_cast<unsigned char>(bytes[i])))
                ++i;
            else if (i + 1 == bytes.size())
                return true;
            else
                i += 2;
        }
        return false;
    }

    // A lead byte whose second byte did not come: what the code page makes
    // of it alone.
    void dropLeadByte()
    {
        if (m_lead.isEmpty())
            return;
        const QByteArray lead = std::exchange(m_lead, QByteArray());
        const Dest dest = std::exchange(m_state.dest, Dest::Text);
        for (QChar c : decodeCodePage(m_leadCodePage, lead))
            putChar(c, m_leadChars);
        m_state.dest = dest;
    }

    // Decodes the collected bytes by the character set of the font they are
    // in, or else by the document's code page. At a group's edge a lead byte
    // at the end waits for its second byte in the next group.
    void flushBytes(bool groupEdge = false)
    {
        if (m_bytes.isEmpty())
            return;
        QByteArray bytes = std::exchange(m_bytes, QByteArray());
        if (m_state.dest == Dest::Text || m_state.dest == Dest::Footnote) {
            const SymbolFont symbol = symbolFontNow();
            if (symbol != SymbolFont::Other) {
                dropLeadByte();
                for (char b : bytes) {
                    const QChar c = symbolFontChar(symbol, static_cast<unsigned char>(b));
                    if (c.isNull())
                        putChar(decodeCodePage(1252, QByteArrayView(&b, 1)).at(0), m_state.chars);
                    else
                        putChar(c, textFontChars());
                }
                return;
            }
        }
        const bool text = m_state.dest == Dest::Text || m_state.dest == Dest::Footnote;
        const int cp = text                              ? codePageOf(fontOf(m_state.chars))
                       : m_state.dest == Dest::FontTable ? codePageOf(&m_font)
                                                         : 1252;
        if (!m_lead.isEmpty()) {
            if (text && cp == m_leadCodePage)
                bytes.prepend(std::exchange(m_lead, QByteArray()));
            else
                dropLeadByte();
        }
        if (groupEdge && text && isDoubleByteCodePage(cp) && endsInLeadByte(cp, bytes)) {
            m_lead = bytes.right(1);
            m_leadCodePage = cp;
            m_leadChars = m_state.chars;
            bytes.chop(1);
        }
        const CharState chars = m_state.chars;
        for (QChar c : decodeCodePage(cp, bytes))
            putChar(c, chars);
    }

    // The current formats, but in the default font: for text that a symbol
    // font showed and that is now in Unicode.
    CharState textFontChars() const
    {
        CharState chars = m_state.chars;
        if (symbolFontNow() != SymbolFont::Other)
            chars.font = -1;
        return chars;
    }

    void putUnicode(char16_t unit)
    {
        // Word processors write a symbol font's characters in the private
        // use area at U+F000 + the byte.
        const SymbolFont symbol = symbolFontNow();
        if (symbol != SymbolFont::Other && unit >= 0xF020 && unit <= 0xF0FF) {
            const QChar c = symbolFontChar(symbol, static_cast<unsigned char>(unit & 0xFF));
            if (!c.isNull()) {
                putChar(c, textFontChars());
                return;
            }
        }
        put(QChar(unit));
    }

    void put(QChar c)
    {
        flushBytes();
        dropLeadByte();
        putChar(c, textFontChars());
    }

    void putText(const QString &text)
    {
        for (QChar c : text)
            put(c);
    }

    static QString footnoteMark(qsizetype number) { return QLatin1Char('[') + QString::number(number) + QLatin1Char(']'); }

    void putChar(QChar c, const CharState &chars)
    {
        // Control characters and the document's own structure marks
        // (paragraph, frame and object characters) are no text.
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || u == QChar::ParagraphSeparator || u == QChar::ObjectReplacementCharacter
            || u == 0xFDD0 || u == 0xFDD1)
            return;
        switch (m_state.dest) {
        case Dest::Footnote:
            if (!chars.hidden && !m_footnotes.isEmpty())
                m_footnotes.last() += c;
            break;
        case Dest::Text:
            if (chars.hidden)
                return;
            if (m_pendingParagraphs > 0) {
                flushRun();
                m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
                m_pendingParagraphs = 0;
            }
            if (!m_run.isEmpty() && !(m_runChars == chars))
                flushRun();
            if (m_run.isEmpty())
                m_runChars = chars;
            m_run += c;
            break;
        case Dest::FontTable:
            if (c == QLatin1Char(';'))
                commitFont();
            else
                m_font.name += c;
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
        m_font.name = canonicalFontName(m_font.name);
        if (m_font.charset == 2 || m_font.charset < 0)
            m_font.symbol = symbolFontOf(m_font.name);
        if (m_fontNumber >= 0 && !m_font.name.isEmpty() && !m_fonts.contains(m_fontNumber))
            m_fonts.insert(m_fontNumber, m_font);
        m_font = FontEntry();
        m_fontNumber = -1;
    }

    QTextCharFormat charFormat(const CharState &ch) const
    {
        QTextCharFormat f;
        f.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(ch.italic);
        f.setFontUnderline(ch.underline);
        f.setFontPointSize(ch.halfPoints / 2.0);
        if (const FontEntry *font = fontOf(ch))
            f.setFontFamilies(QStringList{font->name});
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

    void setParagraph(const ParaState &para)
    {
        QTextBlockFormat f = m_cursor.blockFormat();
        if (!(paraStateOf(f) == para)) {
            applyParaState(f, para);
            m_cursor.setBlockFormat(f);
        }
    }

    // \par ends the paragraph with the paragraph properties in force now.
    // The new paragraph is only made when something follows, so the usual
    // final \par does not leave an empty paragraph behind.
    void paragraph()
    {
        dropLeadByte();
        if (m_state.dest == Dest::Footnote && !m_footnotes.isEmpty() && !m_footnotes.last().isEmpty())
            m_footnotes.last() += QLatin1Char('\n');
        if (m_state.dest != Dest::Text)
            return;
        flushRun();
        if (m_pendingParagraphs > 0)
            m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        setParagraph(m_state.para);
        m_pendingParagraphs = 1;
    }

    void finish()
    {
        flushBytes();
        dropLeadByte();
        flushRun();
        if (m_pendingParagraphs == 0)
            setParagraph(m_state.para);
        // Footnotes follow the text, each with its mark, in plain paragraphs.
        bool first = m_cursor.document()->isEmpty();
        for (qsizetype i = 0; i < m_footnotes.size(); ++i) {
            QString note = m_footnotes[i].trimmed();
            const QString mark = footnoteMark(i + 1);
            if (note.startsWith(mark))
                note = note.mid(mark.size()).trimmed();
            if (note.isEmpty())
                continue;
            const QStringList lines = (mark + QLatin1Char(' ') + note).split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                if (!first)
                    m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
                first = false;
                m_cursor.insertText(line.trimmed(), QTextCharFormat());
            }
        }
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
    w.family = canonicalFontName(f.families().value(0, f.family()));
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

// A side file that is not RTF is plain text: UTF-8 when it is valid UTF-8
// or says so with a byte-order mark, UTF-16 when its byte-order mark says
// so, Windows-1252 otherwise.
QString decodePlainText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16)(bytes);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes).sliced(bom ? 3 : 0));
    if (!bom && utf8.hasError())
        return decodeCp1252(bytes);
    return text;
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
        // One change of the document: a field that shows it lays it out
        // once, instead of once per run of text (each time the whole
        // paragraph, which makes a long one cost the square of its length).
        QTextCursor edit(document);
        edit.beginEditBlock();
        Reader reader(body, document);
        reader.run();
        edit.endEditBlock();
    } else {
        QString text = decodePlainText(rtf);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        // What the RTF reader leaves out is no text here either: a character
        // the writer cannot keep would otherwise vanish only on the first save.
        text.removeIf([](QChar c) {
            const char16_t u = c.unicode();
            return (u < 0x20 && u != '\t' && u != '\n') || u == QChar::ObjectReplacementCharacter || u == 0xFDD0
                   || u == 0xFDD1;
        });
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
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
    QStringList fonts{canonicalFontName(documentFont.families().value(0, documentFont.family()))};
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
        appendEscaped(out, fonts[i]);
        out += ";}";
    }
    out += "}{\\colortbl;";
    for (QRgb c : colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
               + QByteArray::number(qBlue(c)) + ";";
    out += "}\r\n\\viewkind4\\uc1\\pard";

    ParaState para;
    bool first = true;
    WrittenChars cur;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const ParaState blockPara = paraStateOf(block.blockFormat());
        if (!(blockPara == para)) {
            out += "\\pard";
            if (blockPara.align == Qt::AlignHCenter)
                out += "\\qc";
            else if (blockPara.align == Qt::AlignRight)
                out += "\\qr";
            else if (blockPara.align == Qt::AlignJustify)
                out += "\\qj";
            const auto twips = [&out](const char *word, int value) {
                if (value != 0)
                    out += QByteArray("\\") + word + QByteArray::number(value);
            };
            twips("fi", blockPara.firstIndent);
            twips("li", blockPara.leftIndent);
            twips("ri", blockPara.rightIndent);
            twips("sb", blockPara.spaceBefore);
            twips("sa", blockPara.spaceAfter);
            // The delimiter: text that follows must not run into the word.
            out += ' ';
            para = blockPara;
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

bool saveRtfFile(const QString &path, const QTextDocument *document, int *error)
{
    if (!document) {
        if (error)
            *error = EINVAL;
        return false;
    }
    return writeBytes(path, documentToRtf(document), error);
}

} // namespace platform
