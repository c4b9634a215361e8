#pragma once
// Data files: Windows-1252 text, CR LF written, LF accepted on reading.
// Nothing else in the program opens a data file by hand.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Reads the file (a system path, see Paths.h) into lines. A final line end
// does not give an extra empty line. False when the file cannot be read.
bool readLines(const QString &path, QStringList &lines);

// Writes the lines, each followed by CR LF, atomically: a temporary file in
// the same folder, written and synced to the disk, is renamed over the
// target. On failure (a full disk included) the old file stays as it was and
// false is returned.
bool writeLines(const QString &path, const QStringList &lines);

// Raw bytes, same rules.
bool readBytes(const QString &path, QByteArray &bytes);
bool writeBytes(const QString &path, const QByteArray &bytes);

// The conversions behind readLines and writeLines, for data that does not
// come from a file (a download in memory).
void splitLines(const QByteArray &bytes, QStringList &lines);
QByteArray joinLines(const QStringList &lines);

// Copies a file without ever truncating the target before the source was
// read, and never onto itself (that is a success that changes nothing).
bool copyFile(const QString &source, const QString &target);

// Removes the temporary files a save left when the program was killed
// between writing and renaming, in the folder and every folder below it.
// Only our own are touched. Returns how many went.
int removeStaleTemporaryFiles(const QString &folder);

} // namespace platform
