// Delivered files taken over at start-up: any bytes as a delivered file
// never crash the take-over, and the user's file it merges into still reads
// afterwards. The first byte picks the delivered file.
#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "core/Dateioperationen.h"
#include "core/Dateioperationen_p.h"

namespace {
struct Lieferung {
    const char *datei;   // the delivered file
    const char *eigene;  // the user's file it goes into
    void (*uebernehme)();
    bool (*pruefe)(const QByteArray &, QString &);
};

bool Zutaten(const QByteArray &z, QString &g)
{
    TZutatentotal t;
    return dateien::liesZutaten(z, t, g);
}
bool Variablen(const QByteArray &z, QString &g)
{
    TTVariablenTotal v;
    return dateien::liesVariablen(z, v, g);
}
bool Verben(const QByteArray &z, QString &g)
{
    TIAVERBEN v;
    return dateien::liesVerben(z, v, g);
}
bool Kommentare(const QByteArray &z, QString &g)
{
    TString l;
    return dateien::liesListe(z, dateien::KopfKommentare, l, g);
}

const Lieferung Lieferungen[] = {
    {"LM_Share.hbr", "Lebensmittel_ALL.hbr", Uebernehme_Neue_Zutaten, Zutaten},
    {"Lebensmittel_Neu.hbr", "Lebensmittel.hbr", Uebernehme_Neue_Zutaten, Zutaten},
    {"IAVariablenliste_NEU.hbr", "IAVariablenliste.hbr", Uebernehme_Neue_Verbliste, Verben},
    {"RICNEU.hbr", "Variablen200.hbr", Uebernehme_Neue_Einheiteneintraege, Variablen},
    {"RICWerteNEU.hbr", "Variablen200.hbr", Uebernehme_Neue_Einheiteneintraege, Variablen},
    {"Kommentare_neu.hbr", "Kommentare.hbr", Uebernehme_Neue_Kommentare, Kommentare},
};

// The shipped user files, put back before every run.
QByteArray Ausgeliefert(const char *name)
{
    QFile f(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void fuzzOne(const uint8_t *data, size_t size)
{
    if (size == 0)
        return;
    const Lieferung &l = Lieferungen[data[0] % std::size(Lieferungen)];
    static QHash<QString, QByteArray> eigene;
    const QString eigen = QLatin1String(l.eigene);
    if (!eigene.contains(eigen))
        eigene.insert(eigen, Ausgeliefert(l.eigene));
    const QByteArray vorher = eigene.value(eigen);
    const QString ordner = QStringLiteral("PRGDATA\\ENG\\");
    QDir(platform::baseFolder() + QStringLiteral("PRGDATA/ENG")).removeRecursively();
    fuzzing::put(ordner + eigen, reinterpret_cast<const uint8_t *>(vorher.constData()), size_t(vorher.size()));
    fuzzing::put(ordner + QLatin1String(l.datei), data + 1, size - 1);
    l.uebernehme();
    QString grund;
    const QByteArray nachher = fuzzing::get(QStringLiteral("PRGDATA/ENG/") + eigen);
    if (!l.pruefe(nachher, grund)) {
        std::fprintf(stderr, "%s no longer reads after taking %s over: %s\n", l.eigene, l.datei, qPrintable(grund));
        std::abort();
    }
}
