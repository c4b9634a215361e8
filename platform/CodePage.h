#pragma once
// Windows-1252 text and the code page's own upper and lower case.
#include <QByteArray>
#include <QString>

namespace platform {

QString decodeCp1252(const QByteArray &bytes);
// A character the code page cannot hold becomes "?".
QByteArray encodeCp1252(const QString &text);
bool isCp1252Encodable(QChar c);

// Case as the code page maps it: one character to one character, so the
// length never changes ("ß" stays, "ÿ" <-> "Ÿ"). QString::toUpper is wrong here.
QChar upperChar(QChar c);
QChar lowerChar(QChar c);
QString upperCase(const QString &text);
QString lowerCase(const QString &text);

} // namespace platform
