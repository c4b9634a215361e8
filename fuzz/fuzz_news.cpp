// The news file: load and save (which reloads), twice, to the same bytes.
#include "FuzzSupport.h"

#include "core/Globals.h"
#include "internet/News.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    const QString datei = fuzzing::put(QStringLiteral("PRGDATA\\ENG\\NEWS.HRB"), data, size);
    if (!Lade_News(Load | Save, datei))
        return;
    const QByteArray erste = fuzzing::get(QStringLiteral("PRGDATA/ENG/NEWS.HRB"));
    if (!Lade_News(Load | Save, datei))
        fuzzing::sameBytes("news reload", erste, QByteArray());
    fuzzing::sameBytes("news file", erste, fuzzing::get(QStringLiteral("PRGDATA/ENG/NEWS.HRB")));
}
