// The interactive recipe file: what loads into the kitchen saves, reloads
// and saves to the same bytes. Items the ingredient database lacks are
// dropped on load, so the shipped database is there to meet them.
#include "FuzzSupport.h"

#include <QFile>

#include "core/Dateioperationen.h"
#include "interactive/IADatei.h"
#include "interactive/IAModell.h"

namespace {
const QString Datei = QStringLiteral("Recipes\\IAKochen\\Fuzz.IAK");

void neueKueche()
{
    RezepteTotal = TRezepteTotal(1);
    AktuellesRezept = 0;
    IARezepttext.clear();
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    static bool datenbank = false;
    if (!datenbank) {
        datenbank = true;
        for (const char *name : {"Lebensmittel.hbr", "Lebensmittel_ALL.hbr"}) {
            QFile f(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/") + QLatin1String(name));
            const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            fuzzing::put(QStringLiteral("PRGDATA\\ENG\\") + QLatin1String(name),
                         reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
        }
        Lade_Zutaten(Load);
        IADateiname = QStringLiteral("Fuzz.IAK");
    }
    neueKueche();
    fuzzing::put(Datei, data, size);
    if (!Lade_IARezept())
        return;
    if (!Speichere_IARezept())
        fuzzing::sameBytes("interactive recipe save", QByteArray("saved"), QByteArray());
    const QByteArray erste = fuzzing::get(QStringLiteral("Recipes/IAKochen/Fuzz.IAK"));
    neueKueche();
    if (!Lade_IARezept())
        fuzzing::sameBytes("interactive recipe reload", erste, QByteArray());
    Speichere_IARezept();
    fuzzing::sameBytes("interactive recipe", erste, fuzzing::get(QStringLiteral("Recipes/IAKochen/Fuzz.IAK")));
}
