// Redrawing the kitchen after one change: twelve items on the shelf, six in
// the kitchen with three devices in their history, a full verb board and the
// recipe lines, on the default installation's pictures. After the runs a
// summary prints the median and the worst of 100 redraws, with and without
// painting the window.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Globals.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IARezepttext.h"
#include "interactive/IATabellen.h"
#include "platform/Paths.h"

namespace {

void kueche()
{
    GlobalVARInit();
    RezepteTotal = TRezepteTotal(1);
    AktuellesRezept = 0;
    TTRezepteTotal &r = RezepteTotal[0];
    r.Rezeptname = QStringLiteral("Gemüseauflauf");
    for (int i = 0; i < 18; ++i) {
        TTIAZutatenliste z;
        z.Zutatname = z.Anzeigename = QStringLiteral("Zutat %1").arg(i);
        z.Menge = QStringLiteral("200");
        z.Einheit = QStringLiteral("g");
        z.Ort = i < 12 ? 0 : 1;
        z.Grafik = Zutatengruppengrafik(i % AnzahlZutatengruppen);
        z.Geraete = {-1, -1, i % 16, (i + 3) % 16, (i + 7) % 16};
        r.IAZutaten.append(z);
    }
    IAVERBEN.clear();
    for (int v = 0; v < 30; ++v) {
        TTIAVERBEN verb;
        verb.Text = QStringLiteral(" ... in Stücke schneiden und %1 Minuten ruhen lassen").arg(v);
        verb.Symbol = v % AnzahlVerbsymbole;
        verb.Geraete.fill(1);
        IAVERBEN.append(verb);
    }
    IARezepttext.clear();
    for (int s = 0; s < 40; ++s) {
        TTIARezepttext z;
        z.Satz = QStringLiteral("Die Kartoffeln schälen, in Würfel schneiden und %1 Minuten kochen.").arg(s);
        IARezepttext.append(z);
    }
    IAStatus.Geraet = 11;
    IAStatus.AlleVerben = 1;
    IAStatus.Temperatur = 180;
    IAStatus.Zeit = 30;
}

// One change (an item selected or unselected), then everything drawn again.
void neuZeichnen(int n, bool malen)
{
    TTIAZutatenliste &z = RezepteTotal[0].IAZutaten[12 + n % 6];
    z.Auswahl = z.Auswahl ? 0 : 2;
    IAStatus.Auswahlmodus = 2;
    FIAMain->Aktualisiere();
    FIAMain->Zeige_Zutatenregal();
    FIAMain->Zeige_Kochgeraet();
    FIAMain->Zeige_Verbleiste();
    if (malen)
        benchmark::DoNotOptimize(FIAMain->grab());
}

void BM_Neuzeichnen(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state)
        neuZeichnen(n++, state.range(0) != 0);
}
BENCHMARK(BM_Neuzeichnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void zusammenfassung(bool malen)
{
    std::vector<double> ms;
    QElapsedTimer erster;
    erster.start();
    neuZeichnen(0, malen);
    const double ersterMs = erster.nsecsElapsed() / 1e6;
    for (int n = 1; n <= 100; ++n) {
        QElapsedTimer t;
        t.start();
        neuZeichnen(n, malen);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-32s first %.2f ms; next 100: median %.2f ms, worst %.2f ms\n",
                malen ? "kitchen redraw with painting:" : "kitchen redraw (controls):", ersterMs, ms[50], ms.back());
}

} // namespace

int main(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    platform::setBaseFolder(QStringLiteral(TW_INSTALLATION_DIR));
    Programmverzeichnis = platform::baseFolder();
    FIAMain = new TFIAMain;
    FIARezepttext = new TFIARezepttext;
    kueche();
    FIAMain->Oeffne_InteraktivesKochen();
    kueche();
    // The first redraw after opening loads the items' pictures.
    FIAMain->show();
    FIAMain->P0->show();
    FIAMain->P2->show();
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    zusammenfassung(false);
    zusammenfassung(true);
    return 0;
}
