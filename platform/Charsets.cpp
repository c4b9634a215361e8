#include "platform/Charsets.h"

#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

#include "platform/CodePage.h"

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The C library's converter for a code page. Only code pages whose bytes
// below 0x80 are ASCII are listed (no EBCDIC), so that RTF's own syntax never
// decodes to something else.
const char *converterName(int codePage)
{
    switch (codePage) {
    case 437: return "CP437";
    case 737: return "CP737";
    case 775: return "CP775";
    case 850: return "CP850";
    case 852: return "CP852";
    case 855: return "CP855";
    case 857: return "CP857";
    case 860: return "CP860";
    case 861: return "CP861";
    case 862: return "CP862";
    case 863: return "CP863";
    case 864: return "CP864";
    case 865: return "CP865";
    case 866: return "CP866";
    case 869: return "CP869";
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 1361: return "JOHAB";
    case 10000: return "MACINTOSH";
    case 10001: return "SHIFT_JIS";
    case 10003: return "EUC-KR";
    case 10007: return "MAC-CYRILLIC";
    case 10017: return "MACUKRAINIAN";
    case 10029: return "MAC-CENTRALEUROPE";
    case 10079: return "MAC-IS";
    case 20866: return "KOI8-R";
    case 20932: return "EUC-JP";
    case 21866: return "KOI8-U";
    case 28591: return "ISO-8859-1";
    case 28592: return "ISO-8859-2";
    case 28593: return "ISO-8859-3";
    case 28594: return "ISO-8859-4";
    case 28595: return "ISO-8859-5";
    case 28596: return "ISO-8859-6";
    case 28597: return "ISO-8859-7";
    case 28598: return "ISO-8859-8";
    case 28599: return "ISO-8859-9";
    case 28605: return "ISO-8859-15";
    case 51932: return "EUC-JP";
    case 51949: return "EUC-KR";
    case 54936: return "GB18030";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

class Converter
{
public:
    explicit Converter(const char *name)
        : m_cd(iconv_open(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE", name))
    {
    }
    ~Converter()
    {
        if (isValid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    QString decode(QByteArrayView bytes)
    {
        QString out;
        out.reserve(bytes.size());
        // Two UTF-16 units a byte is more than these code pages need; a
        // longer output would be taken in several steps.
        std::vector<char16_t> buffer(std::max<qsizetype>(bytes.size() * 2, 16));
        char *in = const_cast<char *>(bytes.data());
        std::size_t inLeft = std::size_t(bytes.size());
        const auto step = [&](char **input, std::size_t *left) {
            char *outPtr = reinterpret_cast<char *>(buffer.data());
            std::size_t outLeft = buffer.size() * sizeof(char16_t);
            const std::size_t r = iconv(m_cd, input, left, &outPtr, &outLeft);
            const int error = r == std::size_t(-1) ? errno : 0;
            out.append(reinterpret_cast<const QChar *>(buffer.data()),
                       qsizetype(reinterpret_cast<char16_t *>(outPtr) - buffer.data()));
            return error;
        };
        while (inLeft > 0) {
            const int error = step(&in, &inLeft);
            if (error == E2BIG)
                continue;
            if (error == EILSEQ) { // a byte the code page does not assign
                out.append(QChar(kReplacement));
                ++in;
                --inLeft;
                continue;
            }
            if (error == EINVAL) // a character cut off at the end
                out.append(QChar(kReplacement));
            break;
        }
        // What a converter that combines characters still holds back.
        step(nullptr, nullptr);
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

bool canDecodeCodePage(int codePage)
{
    if (codePage == 1252)
        return true;
    const char *name = converterName(codePage);
    return name && Converter(name).isValid();
}

QString decodeCodePage(int codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const char *name = codePage == 1252 ? nullptr : converterName(codePage);
    if (name) {
        Converter converter(name);
        if (converter.isValid())
            return converter.decode(bytes);
    }
    QString out(bytes.size(), Qt::Uninitialized);
    decodeCp1252Into(bytes.data(), bytes.size(), out.data());
    return out;
}

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;     // ANSI
    case 77: return 10000;   // Mac Roman
    case 78: return 10001;   // Mac Japanese
    case 79: return 10003;   // Mac Korean
    case 89: return 10007;   // Mac Cyrillic
    case 128: return 932;    // Shift-JIS
    case 129: return 949;    // Hangul
    case 130: return 1361;   // Johab
    case 134: return 936;    // GB2312
    case 136: return 950;    // Big5
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return 437;    // PC 437
    case 255: return 850;    // OEM
    default: return 0;
    }
}

SymbolFont symbolFontOf(QStringView fontName)
{
    if (fontName.compare(u"Wingdings", Qt::CaseInsensitive) == 0)
        return SymbolFont::Wingdings;
    if (fontName.compare(u"Symbol", Qt::CaseInsensitive) == 0)
        return SymbolFont::Symbol;
    return SymbolFont::Other;
}

QChar symbolFontChar(SymbolFont font, unsigned char byte)
{
    if (font == SymbolFont::Symbol) {
        // Greek letters on the Latin keys, in the order of the alphabet.
        static const char16_t kUpper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
                                            0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D,
                                            0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5,
                                            0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
        static const char16_t kLower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
                                            0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
                                            0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5,
                                            0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
        if (byte >= 'A' && byte <= 'Z')
            return QChar(kUpper[byte - 'A']);
        if (byte >= 'a' && byte <= 'z')
            return QChar(kLower[byte - 'a']);
        switch (byte) {
        case 0x22: return QChar(char16_t(0x2200)); // for all
        case 0x24: return QChar(char16_t(0x2203)); // there exists
        case 0x27: return QChar(char16_t(0x220B));
        case 0x2A: return QChar(char16_t(0x2217));
        case 0x2D: return QChar(char16_t(0x2212)); // minus
        case 0x40: return QChar(char16_t(0x2245));
        case 0x5C: return QChar(char16_t(0x2234));
        case 0x5E: return QChar(char16_t(0x22A5));
        case 0x7E: return QChar(char16_t(0x223C));
        case 0xA2: return QChar(char16_t(0x2032));
        case 0xA3: return QChar(char16_t(0x2264)); // ≤
        case 0xA5: return QChar(char16_t(0x221E)); // ∞
        case 0xA8: return QChar(char16_t(0x2663));
        case 0xA9: return QChar(char16_t(0x2666));
        case 0xAA: return QChar(char16_t(0x2665));
        case 0xAB: return QChar(char16_t(0x2660));
        case 0xAC: return QChar(char16_t(0x2190));
        case 0xAD: return QChar(char16_t(0x2191));
        case 0xAE: return QChar(char16_t(0x2192));
        case 0xAF: return QChar(char16_t(0x2193));
        case 0xB0: return QChar(char16_t(0x00B0)); // °
        case 0xB1: return QChar(char16_t(0x00B1)); // ±
        case 0xB2: return QChar(char16_t(0x2033));
        case 0xB3: return QChar(char16_t(0x2265)); // ≥
        case 0xB4: return QChar(char16_t(0x00D7)); // ×
        case 0xB6: return QChar(char16_t(0x2202));
        case 0xB7: return QChar(char16_t(0x2022)); // the bullet
        case 0xB8: return QChar(char16_t(0x00F7)); // ÷
        case 0xB9: return QChar(char16_t(0x2260)); // ≠
        case 0xBB: return QChar(char16_t(0x2248)); // ≈
        case 0xBC: return QChar(char16_t(0x2026));
        case 0xC6: return QChar(char16_t(0x2205));
        case 0xCE: return QChar(char16_t(0x2208));
        case 0xD2: case 0xE2: return QChar(char16_t(0x00AE));
        case 0xD3: case 0xE3: return QChar(char16_t(0x00A9));
        case 0xD4: case 0xE4: return QChar(char16_t(0x2122));
        case 0xD6: return QChar(char16_t(0x221A)); // √
        case 0xD7: return QChar(char16_t(0x22C5));
        case 0xDE: return QChar(char16_t(0x21D2));
        case 0xE0: return QChar(char16_t(0x25CA));
        case 0xE5: return QChar(char16_t(0x2211));
        default: break;
        }
        // Digits and most punctuation are the ASCII ones.
        if (byte >= 0x20 && byte < 0x7F)
            return QChar(char16_t(byte));
        return {};
    }
    if (font == SymbolFont::Wingdings) {
        // The list bullets word processors offer.
        switch (byte) {
        case 0x6C: return QChar(char16_t(0x25CF)); // ●
        case 0x6E: return QChar(char16_t(0x25A0)); // ■
        case 0x71: return QChar(char16_t(0x2751)); // ❑
        case 0x75: return QChar(char16_t(0x25C6)); // ◆
        case 0x76: return QChar(char16_t(0x2756)); // ❖
        case 0x9F: return QChar(char16_t(0x2022)); // •
        case 0xA7: return QChar(char16_t(0x25AA)); // ▪
        case 0xD8: return QChar(char16_t(0x27A2)); // ➢
        case 0xFC: return QChar(char16_t(0x2714)); // ✔
        default: break;
        }
        if (byte == ' ')
            return QChar(u' ');
        return {};
    }
    return {};
}

} // namespace platform
