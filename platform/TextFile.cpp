#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#include "platform/CodePage.h"
#include "platform/Paths.h"

namespace platform {

namespace {
bool readNative(const QString &native, QByteArray &bytes)
{
    if (native.isEmpty())
        return false;
    QFile f(native);
    // A folder opens on this platform; it is not a file to read.
    if (QFileInfo(native).isDir() || !f.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    bytes = std::move(data);
    return true;
}

bool writeNative(const QString &native, const QByteArray &bytes)
{
    if (native.isEmpty() || QFileInfo(native).isDir())
        return false;
    QSaveFile f(native);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
} // namespace

bool readBytes(const QString &path, QByteArray &bytes)
{
    return readNative(nativePath(path), bytes);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    return writeNative(nativePath(path), bytes);
}

void splitLines(const QByteArray &bytes, QStringList &lines)
{
    lines.clear();
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    const char *p = begin;
    // Typical data lines are short; a rough count saves regrowing the list.
    lines.reserve(bytes.size() / 32 + 1);
    while (p < end) {
        const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *stop = nl ? nl : end;
        const char *lineEnd = (stop > p && stop[-1] == '\r') ? stop - 1 : stop;
        const qsizetype len = lineEnd - p;
        QString line(len, Qt::Uninitialized);
        decodeCp1252Into(p, len, line.data());
        lines.append(std::move(line));
        p = nl ? nl + 1 : end;
    }
}

bool readLines(const QString &path, QStringList &lines)
{
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return false;
    splitLines(bytes, lines);
    return true;
}

QByteArray joinLines(const QStringList &lines)
{
    qsizetype total = 0;
    for (const QString &l : lines)
        total += l.size() + 2;
    QByteArray out;
    out.reserve(total);
    for (const QString &l : lines) {
        appendCp1252(out, l);
        out.append("\r\n", 2);
    }
    return out;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, joinLines(lines));
}

bool copyFile(const QString &source, const QString &target)
{
    const QString a = nativePath(source);
    const QString b = nativePath(target);
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (!fa.isFile())
        return false;
    if (fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath())
        return true;
    QByteArray bytes;
    if (!readNative(a, bytes))
        return false;
    return writeNative(b, bytes);
}

} // namespace platform
