#pragma once
// data/ holds the installation's text files in UTF-8 with LF line ends; the
// program reads Windows-1252 with CR LF. Pictures and other binary files
// are copied unchanged.
#include <QByteArray>
#include <QString>

namespace installation {

// Converts one UTF-8 text file to Windows-1252 with CR LF line ends.
// On failure returns false with the 1-based line and the reason.
bool convertText(const QByteArray &utf8, QByteArray &out, int &errorLine, QString &reason);

// Files whose bytes must not be touched (by extension).
bool isBinaryFile(const QString &fileName);

// Converts every file below dataFolder into the same relative path below
// outputFolder. On failure returns false and sets error to
// "<relative path>:<line>: reason".
bool convertDataTree(const QString &dataFolder, const QString &outputFolder, QString &error, int *fileCount = nullptr);

} // namespace installation
