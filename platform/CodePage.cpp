#include "platform/CodePage.h"

#include <array>

namespace platform {

namespace {
// 0x80..0x9F of Windows-1252. The five unassigned bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the control characters of the same value, as Windows
// does, so that they survive a read and a write.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
    return t;
}
constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

// Byte for a character, -1 when the code page has none.
inline int encodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u >= 0x80 && u < 0xA0) {
        // Only the five unassigned bytes stand for themselves.
        return (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) ? int(u) : -1;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

void decodeCp1252Into(const char *bytes, qsizetype size, QChar *out)
{
    const unsigned char *s = reinterpret_cast<const unsigned char *>(bytes);
    char16_t *d = reinterpret_cast<char16_t *>(out);
    for (qsizetype i = 0; i < size; ++i)
        d[i] = kDecode[s[i]];
}

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    decodeCp1252Into(bytes.constData(), bytes.size(), out.data());
    return out;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    appendCp1252(out, text);
    return out;
}

void appendCp1252(QByteArray &out, QStringView text)
{
    const qsizetype n = text.size();
    const qsizetype start = out.size();
    out.resize(start + n);
    char *d = out.data() + start;
    qsizetype w = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            d[w++] = char(u);
            continue;
        }
        // A character beyond the basic plane is one character: one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        const int c = encodeChar(u);
        d[w++] = c < 0 ? '?' : char(c);
    }
    out.resize(start + w);
}

bool isCp1252Encodable(QChar c)
{
    return encodeChar(c.unicode()) >= 0;
}

QChar upperChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return QChar(char16_t(u - 32));
    if (u < 0x80)
        return c;
    // Latin-1 letters: à..þ map to À..Þ, except ÷; ß has no single upper case.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return QChar(char16_t(u - 32));
    switch (u) {
    case 0xFF: return QChar(char16_t(0x0178));
    case 0x0161: return QChar(char16_t(0x0160));
    case 0x0153: return QChar(char16_t(0x0152));
    case 0x017E: return QChar(char16_t(0x017D));
    default: return c;
    }
}

QChar lowerChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return QChar(char16_t(u + 32));
    if (u < 0x80)
        return c;
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return QChar(char16_t(u + 32));
    switch (u) {
    case 0x0178: return QChar(char16_t(0xFF));
    case 0x0160: return QChar(char16_t(0x0161));
    case 0x0152: return QChar(char16_t(0x0153));
    case 0x017D: return QChar(char16_t(0x017E));
    default: return c;
    }
}

QString upperCase(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = upperChar(c);
    return out;
}

QString lowerCase(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = lowerChar(c);
    return out;
}

bool sameIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && upperChar(a[i]) != upperChar(b[i]))
            return false;
    return true;
}

} // namespace platform
