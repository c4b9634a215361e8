// The options file: what loads saves, reloads and saves to the same bytes.
#include "FuzzSupport.h"

#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    GlobalVARInit();
    QStringList z;
    QString grund;
    platform::splitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), z);
    if (!dateien::pruefeKopf(z, dateien::KopfOptionen, grund))
        return;
    dateien::liesOptionen(z);
    const QByteArray erste = platform::joinLines(dateien::schreibeOptionen());
    platform::splitLines(erste, z);
    if (!dateien::pruefeKopf(z, dateien::KopfOptionen, grund))
        fuzzing::sameBytes("options reread", erste, QByteArray());
    dateien::liesOptionen(z);
    fuzzing::sameBytes("options", erste, platform::joinLines(dateien::schreibeOptionen()));
}
