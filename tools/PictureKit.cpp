#include "PictureKit.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRawFont>

namespace kit {

namespace {
const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
// The colour emoji font carries bitmaps of this size; drawing at it and
// scaling the picture afterwards gives the sharpest results.
constexpr int kEmojiPixelSize = 109;

QFont emojiFont()
{
    QFont f(kEmojiFamily);
    f.setPixelSize(kEmojiPixelSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

// The emoji drawn once at full size and trimmed to its visible pixels.
QImage renderEmoji(const QString &emoji)
{
    QImage img(kEmojiPixelSize * 2, kEmojiPixelSize * 2, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(emojiFont());
        p.drawText(img.rect(), Qt::AlignCenter, emoji);
    }
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return QImage();
    return img.copy(left, top, right - left + 1, bottom - top + 1);
}

const QImage &cachedEmoji(const QString &emoji)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(emoji);
    if (it == cache.end())
        it = cache.insert(emoji, emojiSupported(emoji) ? renderEmoji(emoji) : QImage());
    return *it;
}
} // namespace

QImage canvas(int width, int height, bool transparent)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(transparent ? QColor(Qt::transparent) : colors::paper);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

bool emojiAvailable()
{
    static const bool available = [] {
        if (!QFontDatabase::families().contains(kEmojiFamily))
            return false;
        // The font must draw in colour, not as black outlines.
        const QImage tomato = renderEmoji(QStringLiteral("\U0001F345"));
        if (tomato.isNull())
            return false;
        for (int y = 0; y < tomato.height(); ++y)
            for (int x = 0; x < tomato.width(); ++x) {
                const QColor c = QColor::fromRgba(tomato.pixel(x, y));
                if (c.alpha() > 200 && c.red() > 180 && c.green() < 100 && c.blue() < 100)
                    return true;
            }
        return false;
    }();
    return available;
}

bool emojiSupported(const QString &emoji)
{
    if (emoji.isEmpty() || !emojiAvailable())
        return false;
    static const QRawFont raw = QRawFont::fromFont(emojiFont());
    if (!raw.isValid())
        return false;
    for (const char32_t code : emoji.toUcs4()) {
        if (code == 0xFE0F || code == 0x200D)
            continue; // joiners and presentation selectors have no picture of their own
        if (!raw.supportsCharacter(code))
            return false;
    }
    return true;
}

bool drawEmoji(QPainter &p, const QString &emoji, const QRectF &box, qreal opacity)
{
    const QImage &img = cachedEmoji(emoji);
    if (img.isNull() || box.width() < 1 || box.height() < 1)
        return false;
    QSizeF size = QSizeF(img.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
                        size.height());
    // Downscaling in one step with the smooth scaler keeps small icons crisp.
    const QImage scaled = img.scaled(qMax(1, qRound(size.width())), qMax(1, qRound(size.height())),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.save();
    p.setOpacity(p.opacity() * opacity);
    p.drawImage(target, scaled);
    p.restore();
    return true;
}

void tile(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border, qreal radius, qreal borderWidth)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, fill.lighter(106));
    g.setColorAt(1.0, fill.darker(104));
    const qreal half = borderWidth / 2;
    const QRectF inner = r.adjusted(half, half, -half, -half);
    p.setBrush(g);
    p.setPen(borderWidth > 0 ? QPen(border, borderWidth) : Qt::NoPen);
    p.drawRoundedRect(inner, radius, radius);
    p.restore();
}

void caption(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, int maxPixelSize, bool bold,
             Qt::Alignment align)
{
    p.save();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(bold);
    int size = maxPixelSize;
    const int minimum = qMin(maxPixelSize, 9);
    for (;; --size) {
        f.setPixelSize(size);
        if (size <= minimum || QFontMetricsF(f).horizontalAdvance(text) <= box.width())
            break;
    }
    p.setFont(f);
    p.setPen(colour);
    const QString shown = QFontMetricsF(f).elidedText(text, Qt::ElideRight, box.width());
    p.drawText(box, align, shown);
    p.restore();
}

void badge(QPainter &p, const QRectF &box, const QString &label, const QColor &fill)
{
    const qreal side = qMin(box.width(), box.height());
    const QRectF r(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(colors::ink, qMax(1.0, side / 24)));
    p.drawEllipse(r.adjusted(side / 16, side / 16, -side / 16, -side / 16));
    QString initials;
    for (const QString &word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (initials.size() < 2 && word[0].isLetterOrNumber())
            initials += word[0].toUpper();
    }
    p.restore();
    caption(p, r, initials.isEmpty() ? QStringLiteral("?") : initials, colors::inkDark, int(side * 0.42));
}

bool save(const QImage &image, const QString &path, QString &error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray format = suffix.toLatin1();
    if (format == "jpeg")
        format = "jpg";
    QImage out = image;
    if (format == "bmp" || format == "jpg") {
        // Neither keeps transparency: lay the picture on the window colour.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(colors::paper);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        out = flat;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, format);
    if (format == "jpg")
        writer.setQuality(88);
    if (!writer.write(out)) {
        error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

} // namespace kit
