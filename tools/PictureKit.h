#pragma once
// Drawing helpers shared by every picture of the installation: one palette
// around the window colour, tiles, captions, emoji from the colour emoji
// font (with drawn stand-ins when the font is missing) and saving by suffix.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace kit {

// The window colour TColor $00A6D7E5 and its neighbours.
namespace colors {
inline const QColor paper{229, 215, 166};
inline const QColor paperLight{243, 234, 204};
inline const QColor paperDark{206, 188, 132};
inline const QColor cream{252, 247, 232};
inline const QColor ink{104, 68, 36};
inline const QColor inkDark{70, 44, 20};
inline const QColor wood{181, 128, 74};
inline const QColor woodLight{214, 168, 110};
inline const QColor red{168, 52, 38};
inline const QColor redLight{242, 196, 184};
inline const QColor green{78, 128, 48};
inline const QColor greenLight{206, 230, 178};
inline const QColor gold{232, 168, 48};
inline const QColor goldLight{252, 226, 150};
inline const QColor blue{46, 98, 168};
inline const QColor steel{150, 158, 166};
inline const QColor steelLight{214, 220, 226};
} // namespace colors

// A new transparent (or paper-filled) ARGB canvas.
QImage canvas(int width, int height, bool transparent = true);

// A painter with antialiasing and smooth picture scaling switched on.
void prepare(QPainter &p);

// True when the colour emoji font is installed and renders in colour.
bool emojiAvailable();
// True when the font has a picture for every character of the emoji.
bool emojiSupported(const QString &emoji);

// Draws an emoji centred in box, keeping its aspect ratio. Returns false
// (and draws nothing) when the font cannot draw it.
bool drawEmoji(QPainter &p, const QString &emoji, const QRectF &box, qreal opacity = 1.0);

// A rounded tile with a soft vertical gradient and a border.
void tile(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border, qreal radius, qreal borderWidth = 1.0);

// A line of text shrunk until it fits the box (down to a legible minimum),
// elided beyond that.
void caption(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, int maxPixelSize,
             bool bold = true, Qt::Alignment align = Qt::AlignCenter);

// The drawn stand-in for a missing emoji: a round badge with initials.
void badge(QPainter &p, const QRectF &box, const QString &label, const QColor &fill);

// Saves by the file's suffix (png, bmp, jpg, ico). Formats without alpha are
// flattened onto the window colour first. Creates missing folders.
bool save(const QImage &image, const QString &path, QString &error);

} // namespace kit
