// The graphics list as it arrives from the server: it reads whole or gives
// nothing, and every entry it gives has a path.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "internet/Grafikdownload.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const TTGraphictype &e : Lies_Grafikliste_aus_Bytes(bytes))
        if (e.Pfad.isEmpty()) {
            std::fprintf(stderr, "graphics list: an entry without a path\n");
            std::abort();
        }
}
