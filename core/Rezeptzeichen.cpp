#include "core/Rezeptzeichen.h"

#include <QStringList>

#include "core/Grundoperationen.h"

namespace {

// The vulgar fractions of the Number Forms block.
const char *Bruch(char32_t c)
{
    switch (c) {
    case 0x2150: return "1/7";
    case 0x2151: return "1/9";
    case 0x2152: return "1/10";
    case 0x2153: return "1/3";
    case 0x2154: return "2/3";
    case 0x2155: return "1/5";
    case 0x2156: return "2/5";
    case 0x2157: return "3/5";
    case 0x2158: return "4/5";
    case 0x2159: return "1/6";
    case 0x215A: return "5/6";
    case 0x215B: return "1/8";
    case 0x215C: return "3/8";
    case 0x215D: return "5/8";
    case 0x215E: return "7/8";
    case 0x2189: return "0/3";
    default: return nullptr;
    }
}

bool Unsichtbar(char32_t c)
{
    if (c == u'\t' || c == u'\n')
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control: // C0 and C1 controls
    case QChar::Other_Format:  // U+FEFF, U+200B..U+200F, U+00AD, U+2060, tags ...
        return true;
    default:
        break;
    }
    // combining grapheme joiner, variation selectors
    return c == 0x034F || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

bool Leerraum(char32_t c)
{
    if (c == u' ')
        return false;
    const QChar::Category k = QChar::category(c);
    return k == QChar::Separator_Space || k == QChar::Separator_Line || k == QChar::Separator_Paragraph;
}

} // namespace

qsizetype Rezeptzeichen_Ersatz(QStringView text, qsizetype i, QString &ersatz)
{
    ersatz.clear();
    const QChar c = text.at(i);
    char32_t u = c.unicode();
    qsizetype laenge = 1;
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        u = QChar::surrogateToUcs4(c, text.at(i + 1));
        laenge = 2;
    }
    if (Unsichtbar(u))
        return laenge;
    if (Leerraum(u)) {
        ersatz = QStringLiteral(" ");
        return laenge;
    }
    if (u == 0x2044 || u == 0x2215) { // fraction and division slash
        ersatz = QStringLiteral("/");
        return laenge;
    }
    if (const char *b = Bruch(u)) {
        ersatz = QLatin1String(b);
        // the character before it, invisible ones passed over
        qsizetype j = i - 1;
        while (j >= 0 && Unsichtbar(text.at(j).unicode()))
            --j;
        if (j >= 0 && text.at(j).isDigit())
            ersatz.prepend(QLatin1Char(' '));
        return laenge;
    }
    return 0;
}

QString Bereinige_Rezeptzeichen(const QString &text)
{
    QString aus;
    aus.reserve(text.size());
    QString ersatz;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype n = Rezeptzeichen_Ersatz(text, i, ersatz)) {
            aus += ersatz;
            i += n;
        } else {
            aus += text.at(i++);
        }
    }
    return aus;
}

qsizetype Erste_nicht_speicherbare_Zeile(const QStringList &zeilen, QString &zeichen)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        zeichen = Nicht_speicherbare_Zeichen(zeilen[i]);
        if (!zeichen.isEmpty())
            return i;
    }
    zeichen.clear();
    return -1;
}
