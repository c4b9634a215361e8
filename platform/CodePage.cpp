#include "platform/CodePage.h"

namespace platform {

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int encodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b < 0xA0)
            d[i] = QChar(kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b));
        else
            d[i] = QChar(char16_t(b));
    }
    return out;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.resize(text.size());
    char *d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int c = encodeChar(text[i].unicode());
        d[i] = c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
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

} // namespace platform
