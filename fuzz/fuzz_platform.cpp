// The platform layer: line splitting and joining, the code page, masks and
// the path resolver on any text.
#include "FuzzSupport.h"

#include <cstdlib>

#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Lines: joined once, split and joined again gives the same bytes.
    QStringList zeilen;
    platform::splitLines(bytes, zeilen);
    const QByteArray erste = platform::joinLines(zeilen);
    platform::splitLines(erste, zeilen);
    fuzzing::sameBytes("lines", erste, platform::joinLines(zeilen));

    // The code page: every byte decodes, and the text encodes to the bytes.
    const QString text = platform::decodeCp1252(bytes);
    fuzzing::sameBytes("code page", bytes, platform::encodeCp1252(text));
    if (platform::upperCase(text).size() != text.size() || platform::lowerCase(text).size() != text.size())
        std::abort();

    // Paths and masks: the first line is a mask, the others names and paths.
    const QString maske = zeilen.value(0);
    for (qsizetype i = 1; i < zeilen.size() && i < 16; ++i) {
        const QString &zeile = zeilen[i];
        platform::matchesMask(zeile, maske);
        const QString innen = platform::resolveInsideBase(zeile);
        if (!innen.isEmpty() && !innen.startsWith(platform::baseFolder()))
            std::abort();
        platform::nativePath(zeile);
    }
}
