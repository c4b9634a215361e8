// Dictionary reading: entries per second, with and without their end marker.
// The time per entry must stay flat as the file grows (range 10,000 to 40,000).
#include <benchmark/benchmark.h>

#include <QStringList>

#include "core/Globals.h"
#include "reference/Lexikon.h"

namespace {

QStringList Datei(int eintraege, bool mitEnde)
{
    QStringList z{QStringLiteral("[TAFELWERKSTATT LEXIKON]"), QStringLiteral("380000"), QStringLiteral("Titel"),
                  QStringLiteral("2"), QStringLiteral("Begriffe"), QStringLiteral("Obst")};
    for (int i = 0; i < eintraege; ++i) {
        z << QStringLiteral("{GRUPPENART}") << QString::number(i % 2) << QStringLiteral("{GRAFIKFILENAME}")
          << QString() << QStringLiteral("{GRUPPE}") << QStringLiteral("Begriff %1").arg(i)
          << QStringLiteral("{TEXT}") << QStringLiteral("Eine Zeile Erklärung.")
          << QStringLiteral("Noch eine Zeile.") << QStringLiteral("{DIVERS}");
        if (mitEnde)
            z << QStringLiteral("{END}");
    }
    return z;
}

void BM_LexikonLesen(benchmark::State &state)
{
    GlobalVARInit();
    const QStringList z = Datei(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        Lies_Lexikon(z, -1);
        benchmark::DoNotOptimize(GlobalLexikon.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LexikonLesen)
    ->ArgsProduct({{10000, 40000}, {0, 1}})
    ->ArgNames({"entries", "endMarker"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
