// Recipe files: what loads saves, reloads and saves to the same bytes. The
// first byte picks the category's extension (its value modulo 5) and whether
// the file is read as the start-up reads it, with values shared through a
// store (values 5 to 9).
#include "FuzzSupport.h"

#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    if (size == 0)
        return;
    static const char *const endungen[] = {".KRP", ".BRP", ".DRP", ".SRP", ".TXT"};
    const QString datei = QStringLiteral("Rezept") + QLatin1String(endungen[data[0] % 5]);
    const bool mitSpeicher = (data[0] / 5) % 2 == 1;
    dateien::Textspeicher speicher;
    fuzzing::roundTrip<TTRezepteTotal>(
        "recipe file", data + 1, size - 1,
        [&](const QByteArray &z, TTRezepteTotal &out, QString &grund) {
            return dateien::liesRezept(z, datei, out, grund, mitSpeicher ? &speicher : nullptr);
        },
        dateien::schreibeRezept);
}
