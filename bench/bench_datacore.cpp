// Start-up load of the recipe book (recipe index, every recipe file, the
// ingredient database) against a raw read of the same files.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QFileInfo>

#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <map>
#include <memory>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "Rezeptbuch.h"

namespace {

using rezeptbuch::Installation;
using rezeptbuch::kZutaten;

Installation &installation(int n)
{
    static std::map<int, std::unique_ptr<Installation>> alle;
    auto &p = alle[n];
    if (!p)
        p = std::make_unique<Installation>(n);
    p->aktiviere();
    return *p;
}

// As at start-up: the arrays hold their placeholders (freeing the previous
// run's data is not part of the load).
void leeren()
{
    GlobalVARInit();
    AktuellesRezept = -1;
}

void startladen(int n)
{
    if (!Lade_RezeptdateiManager(Load) || !Lade_Rezepte(Load | Alle, -1) || !Lade_Zutaten(Load)
        || RezepteTotal.size() != n)
        std::fprintf(stderr, "start-up load failed\n");
}

void rohLesen(const Installation &inst)
{
    qint64 summe = 0;
    for (const QString &d : inst.dateien) {
        QFile f(d);
        f.open(QIODevice::ReadOnly);
        summe += f.readAll().size();
    }
    benchmark::DoNotOptimize(summe);
}

void BM_Startladen(benchmark::State &state)
{
    const int n = int(state.range(0));
    installation(n);
    for (auto _ : state) {
        state.PauseTiming();
        leeren();
        state.ResumeTiming();
        startladen(n);
    }
    state.counters["recipes"] = n;
}
BENCHMARK(BM_Startladen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_RohLesen(benchmark::State &state)
{
    const Installation &inst = installation(int(state.range(0)));
    for (auto _ : state)
        rohLesen(inst);
}
BENCHMARK(BM_RohLesen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

template <typename F> double besteZeit(F f)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        leeren();
        const double t0 = rezeptbuch::prozessorzeitMs();
        f();
        best = std::min(best, (rezeptbuch::prozessorzeitMs() - t0) / 1000);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    // --write-book FOLDER N: only writes a book of N recipes into an existing
    // base folder (for measuring the whole program on it).
    if (argc == 4 && qstrcmp(argv[1], "--write-book") == 0) {
        platform::setBaseFolder(QString::fromLocal8Bit(argv[2]));
        Programmverzeichnis = platform::baseFolder();
        rezeptbuch::schreibe(QByteArray(argv[3]).toInt());
        return 0;
    }
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    for (int n : {1000, 10000, 50000}) {
        const Installation &inst = installation(n);
        const double laden = besteZeit([n] { startladen(n); });
        const double roh = besteZeit([&inst] { rohLesen(inst); });
        std::printf("start-up load of %5d recipes + index + %d ingredients: %7.1f ms; raw read %6.1f ms (processor time); ratio %.2f\n",
                    n, kZutaten, laden * 1000, roh * 1000, laden / roh);
        // Where the time goes.
        const double index = besteZeit([] { Lade_RezeptdateiManager(Load); });
        const double rezepte = besteZeit([] {
            Lade_RezeptdateiManager(Load);
            Lade_Rezepte(Load | Alle, -1);
        }) - index;
        const double zutaten = besteZeit([] { Lade_Zutaten(Load); });
        std::printf("  index and folder %.1f ms, recipe files %.1f ms, ingredient database %.1f ms\n", index * 1000,
                    rezepte * 1000, zutaten * 1000);
        // The heap the loaded recipes hold, against their files' size.
        qint64 bytes = 0;
        for (const QString &d : inst.dateien)
            if (d.contains(QLatin1String("/Recipes/")))
                bytes += QFileInfo(d).size();
        leeren();
        malloc_trim(0);
        const size_t vorher = mallinfo2().uordblks;
        Lade_RezeptdateiManager(Load);
        Lade_Rezepte(Load | Alle, -1);
        const size_t nachher = mallinfo2().uordblks;
        std::printf("  heap held by the recipes: %.0f bytes per recipe of %.0f bytes on disk\n",
                    double(nachher - vorher) / n, double(bytes) / n);
    }
    return 0;
}
