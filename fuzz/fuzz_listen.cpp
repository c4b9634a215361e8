// The comments file, the verb lists and the whole verb list: what loads
// saves, reloads and saves to the same bytes. The first byte picks the kind.
#include "FuzzSupport.h"

#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    if (size == 0)
        return;
    const uint8_t art = data[0] % 3;
    ++data;
    --size;
    if (art == 2) {
        fuzzing::roundTrip<TIAVERBEN>("verb list", data, size, dateien::liesVerben, dateien::schreibeVerben);
        return;
    }
    const QString kopf = art == 0 ? dateien::KopfKommentare : dateien::KopfVTotal;
    fuzzing::roundTrip<TString>(
        art == 0 ? "comments" : "whole verb list", data, size,
        [&kopf](const QByteArray &z, TString &out, QString &grund) { return dateien::liesListe(z, kopf, out, grund); },
        [&kopf](const TString &l) { return dateien::schreibeListe(kopf, l); });
}
