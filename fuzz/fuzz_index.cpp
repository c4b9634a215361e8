// The recipe index: read, merged with the recipe folder, saved, and loaded
// and saved again to the same bytes.
#include "FuzzSupport.h"

#include "core/Dateioperationen.h"
#include "core/Dateioperationen_p.h"

void fuzzOne(const uint8_t *data, size_t size)
{
    QList<std::pair<QString, QString>> index;
    QString grund;
    dateien::liesIndex(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), index, grund);

    // A few recipe files for the entries to meet.
    static bool ordner = false;
    if (!ordner) {
        ordner = true;
        for (const char *name : {"Recipes\\Pasta.KRP", "Recipes\\Brot.BRP", "Recipes\\Unter\\Suppe.URP"})
            fuzzing::put(QString::fromLatin1(name), reinterpret_cast<const uint8_t *>(""), 0);
    }
    fuzzing::put(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"), data, size);
    RezepteTotal.clear();
    Lade_RezeptdateiManager(Load);
    if (!Lade_RezeptdateiManager(Save))
        return;
    const QByteArray erste = fuzzing::get(QStringLiteral("PRGDATA/ENG/RMListe.hbr"));
    Lade_RezeptdateiManager(Load);
    Lade_RezeptdateiManager(Save);
    fuzzing::sameBytes("recipe index", erste, fuzzing::get(QStringLiteral("PRGDATA/ENG/RMListe.hbr")));
}
