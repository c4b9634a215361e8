// The dictionary: whatever loads saves, reloads and saves to the same bytes.
#include "FuzzSupport.h"

#include "core/Globals.h"
#include "platform/TextFile.h"
#include "reference/Lexikon.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    QStringList zeilen;
    platform::splitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), zeilen);
    if (!Lies_Lexikon(zeilen, -1))
        return;
    const QByteArray erste = platform::joinLines(Lexikonzeilen());
    platform::splitLines(erste, zeilen);
    if (!Lies_Lexikon(zeilen, -1))
        fuzzing::sameBytes("dictionary reload", erste, QByteArray());
    fuzzing::sameBytes("dictionary", erste, platform::joinLines(Lexikonzeilen()));
    // The group filter reads a subset of the same entries.
    platform::splitLines(erste, zeilen);
    Lies_Lexikon(zeilen, 1);
}
