// The complete edition build (variant 0, with its prelude and ingredient
// check) from the generated master tree over the default installation,
// against a plain recursive copy of the files that edition ends up with.
// Both are timed in every iteration of the same run; the counters give the
// two times and their ratio.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "mastering/Edition.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "testing/Masterbaum.h"
#include "testing/Testing.h"

namespace {

qint64 Kopiere_rekursiv(const QString &von, const QString &nach)
{
    qint64 dateien = 0;
    QDirIterator it(von, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString ziel = nach + datei.mid(von.size());
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        if (QFile::copy(datei, ziel))
            ++dateien;
    }
    return dateien;
}

void BM_Editionsbau_gegen_Kopie(benchmark::State &state)
{
    TWS_Grundwerte();
    testing::BaseFolder base;
    base.copyInstallation();
    testing::MasterTree tree(base);
    tree.writeEditionSources();
    tree.makeEditionFolders(QStringLiteral("Edition_0"));
    Lade_Optionen(Save);
    platform::setShellRecorder([](const platform::ShellRequest &) { return true; });
    const QString edition = base.root() + QStringLiteral("Master/Edition_0");
    const QString kopie = base.root() + QStringLiteral("Kopie");

    double bau = 0, kopieren = 0;
    qint64 dateien = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        Protokoll.clear();
        Mastere_Edition(tree.root(), 0, -1, QStringLiteral("Vollversion A"), QString());
        const double b = uhr.nsecsElapsed() / 1e9;

        QDir(kopie).removeRecursively();
        uhr.restart();
        dateien = Kopiere_rekursiv(edition, kopie);
        const double k = uhr.nsecsElapsed() / 1e9;

        state.SetIterationTime(b);
        bau += b;
        kopieren += k;
    }
    const double n = double(state.iterations());
    state.counters["build_s"] = bau / n;
    state.counters["copy_s"] = kopieren / n;
    state.counters["ratio"] = kopieren > 0 ? bau / kopieren : 0;
    state.counters["files"] = double(dateien);
}
BENCHMARK(BM_Editionsbau_gegen_Kopie)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return Starte_Benchmarks(argc, argv);
}
