// The recipe download index as it arrives from the server, and what the
// download window does with its entries before offering them.
#include "FuzzSupport.h"

#include "internet/Rezeptdownload.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    const TRecipetype eintraege
        = Lies_Rezeptindex(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    Zaehle_Kategorien(eintraege);
    for (const TTRecipetype &e : eintraege) {
        Ist_Rezept_neu(e);
        Kategorien_der_Datei(e.Dateien.value(0));
    }
}
