// Pasted ingredient text: the check pass and the transfer pass over any
// text, with the shipped units list and ingredient database. Every line the
// transfer pass leaves behind is named in its message, and no line is made
// up.
#include "FuzzSupport.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

#include "core/Dateioperationen.h"
#include "reference/Zutatentext.h"

namespace {
void fehler(const char *was)
{
    std::fprintf(stderr, "ingredient text: %s\n", was);
    std::abort();
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    static bool geladen = false;
    if (!geladen) {
        geladen = true;
        for (const char *name : {"Variablen200.hbr", "Lebensmittel.hbr"}) {
            QFile f(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/") + QLatin1String(name));
            const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            fuzzing::put(QStringLiteral("PRGDATA\\ENG\\") + QLatin1String(name),
                         reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
        }
        if (!Lade_Variablenlisten(Load) || !Lade_Zutaten(Load))
            fehler("the shipped units list or database does not load");
    }
    // As the import window hands its text over: one line per line break.
    const QStringList zeilen
        = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QLatin1Char('\n'));
    const TZutatenpruefung p = Pruefe_Zutatenzeilen(zeilen);
    if (p.Zeilen.size() > zeilen.size())
        fehler("the check pass made up lines");
    Pruefmeldung(p);
    for (const QString &z : p.Zeilen)
        Hat_Nichtgefunden_Marke(z);

    const TZutatenuebertragung u = Uebertrage_Zutatenzeilen(p.Zeilen);
    if (u.Registriert.size() + u.Verblieben.size() > p.Zeilen.size())
        fehler("the transfer pass made up lines");
    if (u.Verblieben.isEmpty() != u.Meldung.isEmpty())
        fehler("lines left behind without a message, or a message without them");
    for (const QString &z : u.Registriert)
        Zugeordnete_Zeile(z, QStringLiteral("Salt"));
}
