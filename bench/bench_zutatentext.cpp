// The import's ingredient text conversion: a pasted list of 200 lines,
// checked and transferred against the shipped ingredient database and units
// list (the build's installation tree, or the folder given in
// TW_INSTALLATION).
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "platform/Paths.h"
#include "reference/Zutatentext.h"

namespace {

constexpr int kZeilen = 200;

// Lines as recipes on the web write them: numbers glued to units, spelled-out
// units and numbers, ranges, fractions, eggs, salt, comments and names the
// database lacks.
QStringList eingefuegt()
{
    static const QStringList vorlagen{
        QStringLiteral("200g flour"),
        QStringLiteral("2 tablespoons olive oil"),
        QStringLiteral("1-2 cups milk"),
        QStringLiteral("a pinch of salt"),
        QStringLiteral("3 eggs"),
        QStringLiteral("1 1/2 tsp baking powder"),
        QStringLiteral("salt"),
        QStringLiteral("pepper"),
        QStringLiteral("half lemon"),
        QStringLiteral("\t250  ml   cream"),
        QStringLiteral("4 cloves garlic, finely chopped"),
        QStringLiteral("1 kg potatoes"),
        QStringLiteral("*** For the sauce ***"),
        QStringLiteral("two onions"),
        QStringLiteral("100 g butter"),
        QStringLiteral("1 can chopped tomatoes"),
        QStringLiteral("3 tablespoons sugar"),
        QStringLiteral("Zest of %1 lemons"),
        QStringLiteral("%1 g something unheard of"),
        QString(),
    };
    QStringList z;
    for (int i = 0; i < kZeilen; ++i) {
        QString zeile = vorlagen[i % vorlagen.size()];
        zeile.replace(QLatin1String("%1"), QString::number(i));
        z << zeile;
    }
    return z;
}

void BM_Pruefen(benchmark::State &state)
{
    const QStringList zeilen = eingefuegt();
    for (auto _ : state)
        benchmark::DoNotOptimize(Pruefe_Zutatenzeilen(zeilen));
}
BENCHMARK(BM_Pruefen)->Unit(benchmark::kMillisecond);

void BM_PruefenUndUebertragen(benchmark::State &state)
{
    const QStringList zeilen = eingefuegt();
    for (auto _ : state) {
        const TZutatenpruefung p = Pruefe_Zutatenzeilen(zeilen);
        benchmark::DoNotOptimize(Uebertrage_Zutatenzeilen(p.Zeilen));
    }
}
BENCHMARK(BM_PruefenUndUebertragen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString ordner = qEnvironmentVariable("TW_INSTALLATION");
    if (ordner.isEmpty())
        ordner = QCoreApplication::applicationDirPath() + QStringLiteral("/../installation");
    GlobalSystemInit();
    GlobalVARInit();
    platform::setBaseFolder(QDir(ordner).absolutePath());
    Programmverzeichnis = platform::baseFolder();
    if (!Lade_Zutaten(Load | Alle) || !Lade_Variablenlisten(Load)) {
        std::fprintf(stderr, "no installation in %s (build the target 'installation' first)\n", qPrintable(ordner));
        return 1;
    }
    const TZutatenpruefung p = Pruefe_Zutatenzeilen(eingefuegt());
    std::printf("%d ingredients, %d units, %d replacements, %d synonyms; %s\n", int(Zutatentotal.size()),
                int(VariablenTotal[0].Einheiten.size()), int(VariablenTotal[0].RICWerte.size()),
                int(VariablenTotal[0].RICDATA.size()), qPrintable(Pruefmeldung(p)));
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    return 0;
}
