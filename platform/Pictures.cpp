#include "platform/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <algorithm>

#include "platform/Paths.h"

namespace platform {

namespace {
// Image readers report damaged files through qWarning (and libpng and
// libjpeg through them). A damaged picture is an empty picture here, so
// their complaints are kept quiet while one file is decoded.
QtMessageHandler g_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

class QuietDecoding
{
public:
    QuietDecoding() { g_previousHandler = qInstallMessageHandler(quietHandler); }
    ~QuietDecoding() { qInstallMessageHandler(g_previousHandler); }
    QuietDecoding(const QuietDecoding &) = delete;
    QuietDecoding &operator=(const QuietDecoding &) = delete;
};

QImage decode(const QString &native)
{
    if (native.isEmpty() || !QFileInfo(native).isFile())
        return QImage();
    QuietDecoding quiet;
    // The reader falls back to the contents when the extension lies (a PNG
    // saved as ".bmp").
    return QImageReader(native).read();
}
} // namespace

QImage makeTransparent(const QImage &source)
{
    if (source.isNull())
        return source;
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    // Pixel (1, 1) keys the transparent colour; a picture smaller than 2x2
    // takes its nearest pixel.
    const int kx = std::min(1, image.width() - 1);
    const int ky = std::min(1, image.height() - 1);
    const QRgb key = image.pixel(kx, ky) & 0x00FFFFFFu;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == key)
                line[x] = key; // alpha 0, colour kept
    }
    return image;
}

QImage loadImage(const QString &path, bool transparent)
{
    if (path.isEmpty())
        return QImage();
    const QImage image = decode(nativePath(path));
    return transparent ? makeTransparent(image) : image;
}

QPixmap loadPixmap(const QString &path, bool transparent)
{
    const QImage image = loadImage(path, transparent);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QStringList pictureExtensions()
{
    QSet<QString> seen;
    QStringList out;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString ext = QString::fromLatin1(format).toLower();
        if (!seen.contains(ext)) {
            seen.insert(ext);
            out << ext;
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace platform
