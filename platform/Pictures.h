#pragma once
// Pictures are loaded by file name; the reader is chosen by the file's
// contents and extension (every format Qt's image plugins know).
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace platform {

// A missing or unreadable file gives a null image, never a crash.
// With transparent set, every pixel of the colour of pixel (1, 1) becomes
// transparent.
QImage loadImage(const QString &path, bool transparent = false);
QPixmap loadPixmap(const QString &path, bool transparent = false);

// The transparency step alone: every pixel of the colour of pixel (1, 1)
// gets alpha 0 (ARGB32 result).
QImage makeTransparent(const QImage &image);

// The file extensions the picture readers know ("png", "jpg", "tif" ...),
// for open-dialog filters.
QStringList pictureExtensions();

} // namespace platform
