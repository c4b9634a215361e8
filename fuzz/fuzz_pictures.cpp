// Pictures: any bytes under a picture name load or give an empty picture.
#include "FuzzSupport.h"

#include "platform/Pictures.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    // The first byte picks the extension, so that a reader that trusts the
    // name meets contents of another kind.
    static const char *const endungen[] = {"png", "bmp", "jpg", "gif", "ico", "xpm"};
    const char *endung = size > 0 ? endungen[data[0] % 6] : "png";
    const QString datei = fuzzing::put(QStringLiteral("Grafiken\\ENG\\PNG\\bild.") + QLatin1String(endung), data, size);
    const QImage bild = platform::loadImage(datei, true);
    if (!bild.isNull() && bild.format() != QImage::Format_ARGB32)
        std::abort();
}
