// The ingredient list search over 20,000 ingredients, one run per keystroke
// while a search text grows letter by letter: the matching alone, and the
// window's check list (a view over the model and its search filter). After the runs a summary prints
// the median and the worst keystroke of each.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Globals.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"

namespace {

constexpr int kZutaten = 20000;
const QString kText = QStringLiteral("tomato sauce fine");

TZutatentotal zutaten()
{
    static const QStringList teile{QStringLiteral("Tomato"),  QStringLiteral("Crème"),  QStringLiteral("Sauce"),
                                   QStringLiteral("fine"),    QStringLiteral("Pepper"), QStringLiteral("Flour"),
                                   QStringLiteral("Brötchen"), QStringLiteral("Apple"), QStringLiteral("Beef"),
                                   QStringLiteral("Onion"),   QStringLiteral("Garlic"), QStringLiteral("Fraîche")};
    TZutatentotal z(kZutaten);
    for (int i = 0; i < kZutaten; ++i) {
        z[i].Zutatname = teile[i % teile.size()] + QLatin1Char(' ') + teile[(i / 7) % teile.size()]
                         + QStringLiteral(" %1").arg(i);
        z[i].Kategorie = i % AnzahlZutatengruppen;
        z[i].Status = i % 50 == 0 ? 4 : 1;
    }
    return z;
}

void BM_Suche(benchmark::State &state)
{
    TZutatentotal z = zutaten();
    const QString text = kText.left(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Ermittle_Zutatensuche(z, text, TZutatensuchart()));
}
BENCHMARK(BM_Suche)->DenseRange(0, 17, 1)->Unit(benchmark::kMillisecond);

void BM_SucheMitListe(benchmark::State &state)
{
    TZutatentotal z = zutaten();
    TZutatenliste liste(z, true);
    const QString text = kText.left(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.Suche(text));
}
BENCHMARK(BM_SucheMitListe)->DenseRange(0, 17, 1)->Unit(benchmark::kMillisecond);

// The first keystroke after opening (the search forms are made then) and
// the median and worst of the following ones, over the text typed five times.
void zusammenfassung(bool mitListe)
{
    TZutatentotal z = zutaten();
    TZutatenliste liste(z, true);
    std::vector<double> ms;
    double erster = -1;
    for (int runde = 0; runde < 5; ++runde)
        for (int n = 0; n <= kText.size(); ++n) {
            QElapsedTimer t;
            t.start();
            if (mitListe)
                liste.Suche(kText.left(n));
            else
                Ermittle_Zutatensuche(z, kText.left(n), TZutatensuchart());
            const double dauer = t.nsecsElapsed() / 1e6;
            if (erster < 0)
                erster = dauer;
            else
                ms.push_back(dauer);
        }
    std::sort(ms.begin(), ms.end());
    std::printf("%-30s over %d ingredients: first keystroke %.2f ms; next %zu: median %.2f ms, worst %.2f ms\n",
                mitListe ? "search and list, per keystroke" : "search, per keystroke", kZutaten, erster,
                ms.size(), ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    zusammenfassung(false);
    zusammenfassung(true);
    return 0;
}
