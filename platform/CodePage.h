#pragma once
// Windows-1252 text and the code page's own upper and lower case.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace platform {

QString decodeCp1252(const QByteArray &bytes);
// Decodes size bytes into out, which has room for size characters.
void decodeCp1252Into(const char *bytes, qsizetype size, QChar *out);
// A character the code page cannot hold becomes "?" (one "?" also for a
// character outside the basic plane, which takes two UTF-16 units).
QByteArray encodeCp1252(const QString &text);
void appendCp1252(QByteArray &out, QStringView text);
bool isCp1252Encodable(QChar c);

// Case as the code page maps it: one character to one character, so the
// length never changes ("ß" stays, "ÿ" <-> "Ÿ"). QString::toUpper is wrong here.
QChar upperChar(QChar c);
QChar lowerChar(QChar c);
QString upperCase(const QString &text);
QString lowerCase(const QString &text);
// Equal in the code page's upper case (file names, masks).
bool sameIgnoringCase(QStringView a, QStringView b);

} // namespace platform
