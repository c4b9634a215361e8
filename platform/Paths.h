#pragma once
// The path resolver. The system writes its paths as the base folder followed
// by a backslash path in whatever letter case ("PRGDATA\ENG\Lebensmittel_All.hbr").
// Every file access goes through nativePath(), which finds the file on a
// case-sensitive file system.
#include <QString>
#include <QStringList>

namespace platform {

// The base folder (native, absolute, ending with "/").
void setBaseFolder(const QString &folder);
QString baseFolder();

// Turns a system path (absolute, or relative to the base folder; "\" or "/")
// into a native path. Each component that does not exist in the given
// spelling is matched case-insensitively, so a write reuses an existing
// spelling. Returns an empty string for a path that starts in the base
// folder but would leave it, by ".." or through a symlink (a dangling one
// included).
QString nativePath(const QString &path);

// For paths that come from data files or the network: relative to the base
// folder, never leaving it. ".." components, absolute paths and drive letters
// are refused with an empty result.
bool isSafeRelativePath(const QString &relative);
QString resolveInsideBase(const QString &relative);

bool fileExists(const QString &path);      // a file, not a folder
bool folderExists(const QString &path);
bool removeFile(const QString &path);      // true when the file is gone afterwards
bool renameFile(const QString &from, const QString &to); // replaces the target
bool makeFolder(const QString &path);      // with parents

// Masks ("*.KRP", "*.*", "Wizard*.png") match case-insensitively; "*.*" also
// matches names without a dot. Hidden files are included.
bool matchesMask(const QString &name, const QString &mask);
// File names (not folders) in a folder matching the mask, sorted ignoring
// case as the original file system lists them.
QStringList listFiles(const QString &folder, const QString &mask);
QStringList listFolders(const QString &folder);

} // namespace platform
