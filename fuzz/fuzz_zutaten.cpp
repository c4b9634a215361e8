// Ingredient databases: what loads saves, reloads and saves to the same bytes.
#include "FuzzSupport.h"

#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    fuzzing::roundTrip<TZutatentotal>("ingredient database", data, size, dateien::liesZutaten, dateien::schreibeZutaten);
}
