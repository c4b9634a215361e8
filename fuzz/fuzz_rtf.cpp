// Rich text: any bytes read without a fault; what we save reads back and
// saves again to the same bytes.
#include "FuzzSupport.h"

#include <QTextDocument>

#include "platform/Rtf.h"

namespace {
QByteArray Wiedergelesen(const QByteArray &rtf, const char *was)
{
    QTextDocument dokument;
    if (!platform::rtfToDocument(rtf, &dokument))
        fuzzing::sameBytes(was, rtf, QByteArray());
    return platform::documentToRtf(&dokument);
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    QTextDocument dokument;
    platform::rtfToDocument(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &dokument);
    // Whatever was read, foreign files and plain text included, is saved as
    // it reads back: the first save already gives the bytes of every later one.
    const QByteArray erste = platform::documentToRtf(&dokument);
    fuzzing::sameBytes("rich text", erste, Wiedergelesen(erste, "rich text reread"));
}
