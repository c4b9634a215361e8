// Key-value files: load, save, load, save gives the same bytes; the getters
// take any key.
#include "FuzzSupport.h"

#include "internet/Wertdatei.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    const QString datei = fuzzing::put(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), data, size);
    TString werte;
    if (LoadValueFile(datei, werte) != 0)
        return;
    // Every key of the file, read back both ways.
    for (const QString &zeile : std::as_const(werte)) {
        const QString schluessel = zeile.section(QLatin1Char('='), 0, 0);
        GetValueInt(schluessel, werte);
        GetValueStr(schluessel, werte);
    }
    if (SaveValueFile(datei, werte) != 0)
        return;
    const QByteArray erste = fuzzing::get(QStringLiteral("PRGDATA/ENG/VERSION.HRB"));
    if (LoadValueFile(datei, werte) != 0 || SaveValueFile(datei, werte) != 0)
        fuzzing::sameBytes("key-value reload", erste, QByteArray());
    fuzzing::sameBytes("key-value file", erste, fuzzing::get(QStringLiteral("PRGDATA/ENG/VERSION.HRB")));
}
