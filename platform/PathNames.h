#pragma once
// Comparing paths as the system writes them with paths from the file
// dialogs: "\" and "/" are one separator and letter case does not count
// ("/base/GFXZUTAT/ENG/Apple.png" names the same file as
// "/base/gfxzutat\ENG\apple.png").
#include <QString>

namespace platform {

// The spelling paths are compared in: "/" separators, "." and ".." and
// doubled separators resolved, code-page upper case.
QString comparablePath(const QString &path);

// True when both name the same file: equal comparable spellings, or both
// resolve (case-insensitively, see nativePath) to one existing file.
bool samePath(const QString &a, const QString &b);

} // namespace platform
