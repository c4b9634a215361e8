#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/CodePage.h"
#include "platform/Paths.h"

namespace platform {

bool readBytes(const QString &path, QByteArray &bytes)
{
    const QString n = nativePath(path);
    if (n.isEmpty())
        return false;
    QFile f(n);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString n = nativePath(path);
    if (n.isEmpty())
        return false;
    QSaveFile f(n);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool readLines(const QString &path, QStringList &lines)
{
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return false;
    lines.clear();
    const QString text = decodeCp1252(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = n;
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == QLatin1Char('\r'))
            --stop;
        lines.append(text.mid(start, stop - start));
        start = end + 1;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    qsizetype total = 0;
    for (const QString &l : lines)
        total += l.size() + 2;
    QString text;
    text.reserve(total);
    for (const QString &l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    return writeBytes(path, encodeCp1252(text));
}

bool copyFile(const QString &source, const QString &target)
{
    const QString a = nativePath(source);
    const QString b = nativePath(target);
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath() && QFileInfo::exists(b))
        return QFileInfo(a).isFile();
    QByteArray bytes;
    if (!readBytes(a, bytes))
        return false;
    return writeBytes(b, bytes);
}

} // namespace platform
