// The overview search as a user types: "garlic" letter by letter into the
// search box of the real main window (offscreen) with 20,000 recipes loaded;
// each key press includes the filter, the list update and the repaint.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <memory>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "recipes/F_Main.h"
#include "Rezeptbuch.h"

namespace {

constexpr int kRezepte = 20000;
const QString kWort = QStringLiteral("garlic");

std::unique_ptr<rezeptbuch::Installation> g_buch;

void laden()
{
    g_buch = std::make_unique<rezeptbuch::Installation>(kRezepte);
    GlobalVARInit();
    Setze_GlobalOptionen();
    AktuellesRezept = -1;
    if (!Lade_RezeptdateiManager(Load) || !Lade_Rezepte(Load | Alle, -1) || RezepteTotal.size() != kRezepte)
        std::fprintf(stderr, "loading the recipe book failed\n");
    FMain = new TFMain;
    FMain->resize(900, 640);
    Programmstart(false);
    FMain->show();
    QCoreApplication::processEvents();
}

// The processor time of the last key press: on a busy machine the wall time
// also counts the waits for a processor.
double g_cpu = 0;

// Milliseconds of one key press, from the key to the repainted list.
double taste(QChar c)
{
    const double c0 = rezeptbuch::prozessorzeitMs();
    const auto t0 = std::chrono::steady_clock::now();
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(FMain->ESuche, &druck);
    QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(FMain->ESuche, &los);
    // The list's new layout and the repaint of the window.
    QCoreApplication::processEvents();
    g_cpu = rezeptbuch::prozessorzeitMs() - c0;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

QVector<double> g_cpuZeiten;

QVector<double> tippe()
{
    QVector<double> zeiten;
    for (QChar c : kWort) {
        zeiten << taste(c);
        g_cpuZeiten << g_cpu;
    }
    FMain->ESuche->clear();
    QCoreApplication::processEvents();
    return zeiten;
}

void BM_Wort_tippen(benchmark::State &state)
{
    QVector<double> alle;
    for (auto _ : state)
        alle += tippe();
    std::sort(alle.begin(), alle.end());
    state.counters["worst_ms"] = alle.last();
    state.counters["median_ms"] = alle[alle.size() / 2];
}
BENCHMARK(BM_Wort_tippen)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    laden();
    // The search texts are built while the program is idle, in slices; the
    // first typing then finds them ready.
    const auto heap = [] {
        const struct mallinfo2 m = mallinfo2();
        return double(m.uordblks + m.hblkhd);
    };
    const double heapVorher = heap();
    const auto t0 = std::chrono::steady_clock::now();
    while (!FMain->Suchtexte_bereit())
        QCoreApplication::processEvents();
    const double suchtexte = heap() - heapVorher;
    const double vorbau = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    const QVector<double> erste = tippe();
    Fuehre_Benchmarks_aus();
    QVector<double> zeiten;
    g_cpuZeiten.clear();
    QVector<QVector<double>> jeBuchstabe(kWort.size());
    for (int i = 0; i < 20; ++i) {
        const QVector<double> runde = tippe();
        zeiten += runde;
        for (int k = 0; k < runde.size(); ++k)
            jeBuchstabe[k] << runde[k];
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("median by letter:");
    for (QVector<double> &b : jeBuchstabe) {
        std::sort(b.begin(), b.end());
        std::printf(" %.2f", b[b.size() / 2]);
    }
    std::printf(" ms\n");
    std::printf("\"%s\" typed over %d recipes: worst key press %.2f ms, median %.2f ms (%lld key presses)\n",
                qPrintable(kWort), kRezepte, zeiten.last(), zeiten[zeiten.size() / 2], qint64(zeiten.size()));
    std::sort(g_cpuZeiten.begin(), g_cpuZeiten.end());
    std::printf("processor time of a key press: worst %.2f ms, median %.2f ms\n", g_cpuZeiten.last(),
                g_cpuZeiten[g_cpuZeiten.size() / 2]);
    std::printf("search texts built while idle in %.0f ms, holding %.1f MB (%.0f bytes a recipe); then the very "
                "first typing:",
                vorbau, suchtexte / 1e6, suchtexte / kRezepte);
    for (double t : erste)
        std::printf(" %.1f", t);
    std::printf(" ms\n");
    delete FMain;
    return 0;
}
