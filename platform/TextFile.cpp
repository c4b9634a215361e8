#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QDirIterator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// True when text is exactly what the bytes decode to (text.size() bytes).
bool encodesTo(const QString &text, const char *bytes)
{
    QChar buffer[32];
    const qsizetype n = text.size();
    decodeCp1252Into(bytes, n, buffer);
    return std::memcmp(buffer, text.constData(), size_t(n) * sizeof(QChar)) == 0;
}

// Our temporary files end in this marker and six random characters, so
// that the start-up can tell a leftover of ours from anything else.
constexpr char kTemporaryMarker[] = ".tw-save-";

mode_t newFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qsizetype>(size, 1 << 20)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// False with the cause in *error.
bool failed(int *error, int cause)
{
    if (error)
        *error = cause;
    return false;
}

// The atomic write: every byte goes to a temporary file in the target's
// folder and reaches the disk (each write checked, then fsync) before the
// rename replaces the target; on any failure the temporary file goes and
// the target stays as it was. A symlink (inside the base folder, see Paths)
// is written through, as the file it names.
bool writeNative(const QString &native, const QByteArray &bytes, int *error)
{
    // a path that leaves the base folder is refused (see Paths)
    if (native.isEmpty())
        return failed(error, EACCES);
    if (QFileInfo(native).isDir())
        return failed(error, EISDIR);
    ignoreFileSizeSignal();
    QFileInfo target(native);
    QString finalPath = native;
    if (target.isSymLink()) {
        finalPath = target.canonicalFilePath();
        if (finalPath.isEmpty())
            return failed(error, ENOENT);
        target = QFileInfo(finalPath);
    }
    const QByteArray finalName = QFile::encodeName(finalPath);
    QByteArray temporary = finalName + kTemporaryMarker + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failed(error, errno);
    struct stat old {};
    const mode_t mode = ::stat(finalName.constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int cause = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        cause = errno;
    }
    if (ok && ::rename(temporary.constData(), finalName.constData()) != 0) {
        ok = false;
        cause = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return failed(error, cause ? cause : EIO);
    }
    // The rename itself reaches the disk with its folder.
    const int dir = ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
} // namespace

bool readBytes(const QString &path, QByteArray &bytes)
{
    return readNative(nativePath(path), bytes);
}

bool writeBytes(const QString &path, const QByteArray &bytes, int *error)
{
    return writeNative(nativePath(path), bytes, error);
}

void ignoreFileSizeSignal()
{
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO)
        && current.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, nullptr);
    }
}

void splitLines(const QByteArray &bytes, QStringList &lines)
{
    lines.clear();
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    // Data files repeat many short lines (flags, counts, picture names). A
    // line equal to a recent one shares its text instead of allocating: the
    // allocations, not the decoding, are the cost of reading a file.
    constexpr qsizetype kShort = 24;
    constexpr std::size_t kSlots = 1024;
    std::vector<QString> recent(kSlots);
    static const QString empty = QStringLiteral("");
    qsizetype count = 0;
    for (const char *q = begin; (q = static_cast<const char *>(std::memchr(q, '\n', size_t(end - q)))); ++q)
        ++count;
    lines.reserve(count + 1);
    const char *p = begin;
    while (p < end) {
        const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *stop = nl ? nl : end;
        const char *lineEnd = (stop > p && stop[-1] == '\r') ? stop - 1 : stop;
        const qsizetype len = lineEnd - p;
        p = nl ? nl + 1 : end;
        if (len == 0) {
            lines.append(empty);
            continue;
        }
        QString *slot = nullptr;
        if (len <= kShort) {
            std::size_t h = 2166136261u;
            for (const char *c = lineEnd - len; c < lineEnd; ++c)
                h = (h ^ static_cast<unsigned char>(*c)) * 16777619u;
            slot = &recent[h % kSlots];
            if (slot->size() == len && encodesTo(*slot, lineEnd - len)) {
                lines.append(*slot);
                continue;
            }
        }
        QString line(len, Qt::Uninitialized);
        decodeCp1252Into(lineEnd - len, len, line.data());
        if (slot)
            *slot = line;
        lines.append(std::move(line));
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

bool writeLines(const QString &path, const QStringList &lines, int *error)
{
    return writeBytes(path, joinLines(lines), error);
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
    return writeNative(b, bytes, nullptr);
}

int removeStaleTemporaryFiles(const QString &folder)
{
    const QString root = nativePath(folder);
    if (root.isEmpty())
        return 0;
    static const QRegularExpression ours(QRegularExpression::escape(QLatin1String(kTemporaryMarker))
                                         + QStringLiteral("[A-Za-z0-9]{6}$"));
    int removed = 0;
    // Symlinked folders are not followed: what lies behind them is not ours.
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (ours.match(it.fileName()).hasMatch() && !it.fileInfo().isSymLink() && QFile::remove(path))
            ++removed;
    }
    return removed;
}

} // namespace platform
