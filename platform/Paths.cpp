#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/CodePage.h"

namespace platform {

namespace {
QString g_base;

QString withSlashes(QString p)
{
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.contains(QLatin1String("//")))
        p.replace(QLatin1String("//"), QLatin1String("/"));
    return p;
}

// Finds the entry of folder whose name equals name ignoring case.
QString findEntry(const QString &folder, const QString &name)
{
    QDir dir(folder);
    if (!dir.exists())
        return QString();
    const QString upper = upperCase(name);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (upperCase(e) == upper)
            return e;
    return QString();
}

// Resolves components after an existing root folder.
QString resolveComponents(const QString &root, const QStringList &parts)
{
    QString current = root;
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        const QString exact = current.endsWith(QLatin1Char('/')) ? current + part : current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QString found = findEntry(current, part);
        current = found.isEmpty() ? exact
                                  : (current.endsWith(QLatin1Char('/')) ? current + found
                                                                        : current + QLatin1Char('/') + found);
    }
    return current;
}

bool leavesBase(const QStringList &parts)
{
    int depth = 0;
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            --depth;
        else if (!part.isEmpty() && part != QLatin1String("."))
            ++depth;
        if (depth < 0)
            return true;
    }
    return false;
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
    QString p = withSlashes(path);
    QString root;
    QString rest;
    if (!g_base.isEmpty() && (p.startsWith(g_base) || p + QLatin1Char('/') == g_base)) {
        root = g_base;
        rest = p.mid(g_base.size());
    } else if (p.startsWith(QLatin1Char('/'))) {
        // Outside the base folder (a file the user chose): resolve from "/".
        if (QFileInfo::exists(p))
            return p;
        root = QStringLiteral("/");
        rest = p.mid(1);
    } else {
        root = g_base.isEmpty() ? QDir::currentPath() + QLatin1Char('/') : g_base;
        rest = p;
    }
    const QStringList parts = rest.split(QLatin1Char('/'));
    if (root == g_base && leavesBase(parts))
        return QString();
    if (parts.contains(QLatin1String(".."))) {
        const QString cleaned = QDir::cleanPath(root + rest);
        return cleaned;
    }
    QString out = resolveComponents(root.endsWith(QLatin1Char('/')) && root.size() > 1 ? root.chopped(1) : root, parts);
    if (rest.endsWith(QLatin1Char('/')) && !out.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return out;
}

bool fileExists(const QString &path)
{
    const QString n = nativePath(path);
    if (n.isEmpty())
        return false;
    QFileInfo fi(n);
    return fi.exists() && fi.isFile();
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
    if (!QFileInfo::exists(n))
        return true;
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
    return ::rename(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0;
}

bool makeFolder(const QString &path)
{
    const QString n = nativePath(path);
    return !n.isEmpty() && QDir().mkpath(n);
}

qint64 fileSize(const QString &path)
{
    const QString n = nativePath(path);
    if (n.isEmpty())
        return -1;
    QFileInfo fi(n);
    return fi.isFile() ? fi.size() : -1;
}

bool matchesMask(const QString &name, const QString &mask)
{
    if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
        return true;
    // As on the original platform, "x*.*" also takes names without a dot.
    if (mask.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.'))
        && matchesMask(name, mask.chopped(2)))
        return true;
    const QString pattern = QRegularExpression::wildcardToRegularExpression(
        mask, QRegularExpression::UnanchoredWildcardConversion);
    QRegularExpression re(QLatin1String("\\A(?:") + pattern + QLatin1String(")\\z"),
                          QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

QStringList listFiles(const QString &folder, const QString &mask)
{
    const QString n = nativePath(folder);
    QStringList out;
    if (n.isEmpty())
        return out;
    QDir dir(n);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &e : entries)
        if (matchesMask(e, mask))
            out << e;
    return out;
}

QStringList listFolders(const QString &folder)
{
    const QString n = nativePath(folder);
    if (n.isEmpty())
        return {};
    return QDir(n).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace platform
