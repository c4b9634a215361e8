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
// target. On failure (a full disk included) the old file stays as it was,
// false is returned and *error, when given, holds the cause as an errno
// value: ENOSPC, EDQUOT or EFBIG (the disk is full, or the file-size limit
// is reached), EACCES, EPERM or EROFS (the folder may not be written),
// ENOENT (no such folder), EISDIR (a folder in the file's place) ...
bool writeLines(const QString &path, const QStringList &lines, int *error = nullptr);

// Raw bytes, same rules.
bool readBytes(const QString &path, QByteArray &bytes);
bool writeBytes(const QString &path, const QByteArray &bytes, int *error = nullptr);

// A write beyond the file-size limit (ulimit -f) raises SIGXFSZ, whose
// default action ends the process and every unsaved edit with it. This sets
// the signal to be ignored (unless the process handles it itself), so that
// such a write fails with EFBIG as on a full disk. The writers above call it
// before each write; the start-up calls it for every other writer.
void ignoreFileSizeSignal();

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
