// The units list: what loads saves, reloads and saves to the same bytes.
#include "FuzzSupport.h"

#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    fuzzing::roundTrip<TTVariablenTotal>("units list", data, size, dateien::liesVariablen, dateien::schreibeVariablen);
}
