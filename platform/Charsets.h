#pragma once
// Text in the code pages other programs write: Windows code pages (single
// and double byte), the Mac and DOS ones, and the symbol fonts' own
// encodings. Our own data files stay Windows-1252 (CodePage.h); this is for
// reading what others wrote.
#include <QByteArrayView>
#include <QString>

namespace platform {

// Decodes bytes of a Windows code page number (1250, 1251, 932, 10000 for
// Mac Roman, 437 ...). Bytes the code page does not assign, and a multi-byte
// character cut off at the end, become U+FFFD. A code page this system cannot
// decode is read as Windows-1252.
QString decodeCodePage(int codePage, QByteArrayView bytes);
bool canDecodeCodePage(int codePage);

// The code page of a font character set number (RTF's \fcharset). 0 for the
// character sets that have none of their own: 1 (the default), 2 (symbol)
// and unknown numbers.
int codePageOfCharset(int charset);

enum class SymbolFont { Symbol, Wingdings, Other };
SymbolFont symbolFontOf(QStringView fontName);
// The character a byte of a symbol font shows, or a null QChar when this
// byte has no known Unicode equivalent.
QChar symbolFontChar(SymbolFont font, unsigned char byte);

} // namespace platform
