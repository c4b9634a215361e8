#include "DataConversion.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "platform/CodePage.h"

namespace installation {

bool isBinaryFile(const QString &fileName)
{
    static const QStringList binary = {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                       QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("gif"),
                                       QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("webp"),
                                       QStringLiteral("pdf"), QStringLiteral("exe"), QStringLiteral("zip")};
    return binary.contains(QFileInfo(fileName).suffix().toLower());
}

bool convertText(const QByteArray &utf8, QByteArray &out, int &errorLine, QString &reason)
{
    QByteArray bytes = utf8;
    // A byte-order mark would become three stray characters in the code page.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    out.clear();
    out.reserve(bytes.size() + bytes.size() / 16);
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        ++lineNumber;
        qsizetype end = bytes.indexOf('\n', start);
        const bool hasEnd = end >= 0;
        if (!hasEnd)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        // Files saved with CR LF already must not end up with CR CR LF.
        if (raw.endsWith('\r'))
            raw.chop(1);

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            errorLine = lineNumber;
            reason = QStringLiteral("the text is not valid UTF-8");
            return false;
        }
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (!platform::isCp1252Encodable(line[i])) {
                const char32_t code = line[i].isHighSurrogate() && i + 1 < line.size()
                                          ? QChar::surrogateToUcs4(line[i], line[i + 1])
                                          : line[i].unicode();
                const QString shown = line[i].isSurrogate() ? line.mid(i, 2) : QString(line[i]);
                errorLine = lineNumber;
                reason = QStringLiteral("character \"%1\" (U+%2) in column %3 has no Windows-1252 code")
                            .arg(shown)
                            .arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')))
                            .arg(i + 1);
                return false;
            }
        }
        out += platform::encodeCp1252(line);
        if (hasEnd)
            out += "\r\n";
        start = end + 1;
    }
    return true;
}

bool convertDataTree(const QString &dataFolder, const QString &outputFolder, QString &error, int *fileCount)
{
    const QDir data(QDir(dataFolder).absolutePath());
    if (!data.exists()) {
        error = QStringLiteral("%1: the data folder does not exist").arg(dataFolder);
        return false;
    }
    QStringList files;
    QDirIterator it(data.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << data.relativeFilePath(it.next());
    files.sort(); // the first error reported does not depend on the folder order

    int count = 0;
    for (const QString &relative : std::as_const(files)) {
        QFile in(data.filePath(relative));
        if (!in.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1: cannot be read (%2)").arg(relative, in.errorString());
            return false;
        }
        const QByteArray bytes = in.readAll();
        QByteArray converted;
        if (isBinaryFile(relative)) {
            converted = bytes;
        } else {
            int line = 0;
            QString why;
            if (!convertText(bytes, converted, line, why)) {
                error = QStringLiteral("%1:%2: %3").arg(data.filePath(relative)).arg(line).arg(why);
                return false;
            }
        }
        const QString target = QDir(outputFolder).filePath(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(converted) != converted.size() || !out.commit()) {
            error = QStringLiteral("%1: cannot be written (%2)").arg(target, out.errorString());
            return false;
        }
        ++count;
    }
    if (fileCount)
        *fileCount = count;
    return true;
}

} // namespace installation
