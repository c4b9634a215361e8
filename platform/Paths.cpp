#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>

#include "platform/CodePage.h"

namespace platform {

namespace {
QString g_base;

// "\" becomes "/", and doubled separators collapse.
QString withSlashes(const QString &path)
{
    QString out;
    out.reserve(path.size());
    for (QChar c : path) {
        if (c == QLatin1Char('\\'))
            c = QLatin1Char('/');
        if (c == QLatin1Char('/') && out.endsWith(QLatin1Char('/')))
            continue;
        out += c;
    }
    return out;
}

QString join(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The entry of folder whose name equals name ignoring case. Should a folder
// hold several spellings, the smallest one wins, so the choice is stable.
QString findEntry(const QString &folder, const QString &name)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString found;
    while (it.hasNext()) {
        it.next();
        const QString entry = it.fileName();
        if (sameIgnoringCase(entry, name) && (found.isEmpty() || entry < found))
            found = entry;
    }
    return found;
}

bool exists(const QString &native)
{
    return QFileInfo::exists(native);
}

// Glob match of '*' and '?' in the code page's case, without backtracking
// blow-up: the classic two-pointer walk.
bool globMatch(QStringView name, QStringView mask)
{
    qsizetype n = 0, m = 0, starM = -1, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == QLatin1Char('*')) {
            starM = m++;
            starN = n;
        } else if (m < mask.size()
                   && (mask[m] == QLatin1Char('?') || upperChar(mask[m]) == upperChar(name[n]))) {
            ++m;
            ++n;
        } else if (starM >= 0) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == QLatin1Char('*'))
        ++m;
    return m == mask.size();
}

// True when the path, with every symlink resolved, stays in the base folder.
// The deepest part that exists decides, since what does not exist yet would
// be created below it; a dangling symlink leads nowhere we can check.
bool staysInBase(const QString &native)
{
    const QString base = QFileInfo(g_base).canonicalFilePath();
    if (base.isEmpty())
        return true;
    QString p = native;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    for (;;) {
        const QFileInfo fi(p);
        if (fi.isSymLink() && !fi.exists())
            return false;
        if (fi.exists()) {
            const QString real = fi.canonicalFilePath();
            return real == base || real.startsWith(base + QLatin1Char('/'));
        }
        const QString parent = fi.path();
        if (parent == p || parent.isEmpty())
            return true;
        p = parent;
    }
}
} // namespace

void setBaseFolder(const QString &folder)
{
    QString f = QDir(folder).absolutePath();
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    g_base = f;
}

QString baseFolder()
{
    return g_base;
}

bool isSafeRelativePath(const QString &relative)
{
    const QString p = withSlashes(relative);
    if (p.isEmpty() || p.startsWith(QLatin1Char('/')))
        return false;
    if (p.size() >= 2 && p[1] == QLatin1Char(':'))
        return false;
    const QStringList parts = p.split(QLatin1Char('/'));
    for (const QString &part : parts)
        if (part == QLatin1String(".."))
            return false;
    return true;
}

QString resolveInsideBase(const QString &relative)
{
    if (!isSafeRelativePath(relative))
        return QString();
    return nativePath(relative);
}

QString nativePath(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QString p = withSlashes(path);
    QString root;
    QString rest;
    bool inBase = false;
    if (!g_base.isEmpty() && (p.startsWith(g_base) || p + QLatin1Char('/') == g_base)) {
        root = g_base;
        rest = p.mid(g_base.size());
        inBase = true;
    } else if (p.startsWith(QLatin1Char('/'))) {
        // Outside the base folder (a file the user chose): resolve from "/".
        root = QStringLiteral("/");
        rest = p.mid(1);
    } else {
        root = g_base.isEmpty() ? QDir::currentPath() + QLatin1Char('/') : g_base;
        rest = p;
        inBase = !g_base.isEmpty();
    }

    // Lexical clean-up first; ".." that climbs out of the base is refused.
    QStringList parts;
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty()) {
                if (inBase)
                    return QString();
                continue; // "/.." is "/"
            }
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    const bool trailing = rest.endsWith(QLatin1Char('/')) && !parts.isEmpty();

    // Most paths are spelt right: one stat and done.
    QString out = root + parts.join(QLatin1Char('/'));
    if (parts.isEmpty() || exists(out)) {
        if (inBase && !staysInBase(out))
            return QString();
        return trailing ? out + QLatin1Char('/') : out;
    }

    // Each component in turn: the exact spelling if it exists, else an entry
    // that differs only in case. Below a missing folder nothing can exist.
    QString current = root;
    bool missing = false;
    for (const QString &part : parts) {
        QString next = join(current, part);
        if (!missing && !exists(next)) {
            const QString found = findEntry(current, part);
            if (found.isEmpty())
                missing = true;
            else
                next = join(current, found);
        }
        current = next;
    }
    if (inBase && !staysInBase(current))
        return QString();
    return trailing ? current + QLatin1Char('/') : current;
}

bool fileExists(const QString &path)
{
    const QString n = nativePath(path);
    return !n.isEmpty() && QFileInfo(n).isFile();
}

bool folderExists(const QString &path)
{
    const QString n = nativePath(path);
    return !n.isEmpty() && QFileInfo(n).isDir();
}

bool removeFile(const QString &path)
{
    const QString n = nativePath(path);
    if (n.isEmpty())
        return false;
    const QFileInfo fi(n);
    if (!fi.exists() && !fi.isSymLink())
        return true;
    if (fi.isDir())
        return false;
    return QFile::remove(n);
}

bool renameFile(const QString &from, const QString &to)
{
    const QString a = nativePath(from);
    const QString b = nativePath(to);
    if (a.isEmpty() || b.isEmpty() || !QFileInfo::exists(a))
        return false;
    if (a == b)
        return true;
    return std::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0;
}

bool makeFolder(const QString &path)
{
    const QString n = nativePath(path);
    return !n.isEmpty() && QDir().mkpath(n);
}

bool matchesMask(const QString &name, const QString &mask)
{
    if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
        return true;
    // As on the original platform, "x*.*" also takes names without a dot.
    if (mask.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.'))
        && globMatch(name, QStringView(mask).chopped(2)))
        return true;
    return globMatch(name, mask);
}

namespace {
// Sorted by their upper case, then as they are; each name upper-cased once.
void sortIgnoringCase(QStringList &names)
{
    QList<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString &name : names)
        keyed.append({upperCase(name), std::move(name)});
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto &[upper, name] : keyed)
        names.append(std::move(name));
}
} // namespace

QStringList listFiles(const QString &folder, const QString &mask)
{
    const QString n = nativePath(folder);
    QStringList out;
    if (n.isEmpty())
        return out;
    // Everything but folders, hidden and special files included. The kind
    // comes with the listing; only a symlink or a name of unknown kind is
    // looked up (a dangling symlink counts as a file).
    DIR *dir = opendir(QFile::encodeName(n).constData());
    if (!dir)
        return out;
    const int fd = dirfd(dir);
    while (const dirent *e = readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        bool folder = e->d_type == DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st;
            folder = fstatat(fd, e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (folder)
            continue;
        const QString name = QFile::decodeName(e->d_name);
        if (matchesMask(name, mask))
            out << name;
    }
    closedir(dir);
    sortIgnoringCase(out);
    return out;
}

QStringList listFolders(const QString &folder)
{
    const QString n = nativePath(folder);
    QStringList out;
    if (n.isEmpty() || !QFileInfo(n).isDir())
        return out;
    QDirIterator it(n, QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        out << it.fileName();
    }
    sortIgnoringCase(out);
    return out;
}

} // namespace platform
