// Start-up load of the recipe book (recipe index, every recipe file, the
// ingredient database) against a raw read of the same files.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {

constexpr int kZutaten = 5000;

QStringList rezeptdatei(int i)
{
    const int kat = i % AnzahlKategorien;
    QStringList z{QStringLiteral("[TAFELWERKSTATT 2.0]"), Kategorieabschnitte[kat],
                  QStringLiteral("Recipe number %1 with a longer name").arg(i), QString::number(i % 2),
                  QStringLiteral("45321.750000"), QString::number(1 + i % 5), QStringLiteral("4 persons"),
                  QStringLiteral("45 minutes"), QStringLiteral("cooking pot,skillet,"), QStringLiteral("picture.png"),
                  QStringLiteral("quick,vegetarian,"), QStringLiteral("7.50"), QString(), QString()};
    for (int r = 0; r < 29; ++r)
        z << QString();
    z << QStringLiteral("1") << QStringLiteral("A short description of the dish.");
    z << QStringLiteral("[ZUTATEN]:") << QStringLiteral("8");
    for (int k = 0; k < 8; ++k)
        z << QStringLiteral("Ingredient %1").arg((i * 7 + k) % kZutaten) << QString::number(k % 19)
          << QString::number(50 * (k + 1)) << QStringLiteral("g");
    z << QStringLiteral("[ZUTATENLISTE]:") << QStringLiteral("8");
    for (int k = 0; k < 8; ++k)
        z << QString::number(50 * (k + 1)) << QStringLiteral("g") << QStringLiteral("Ingredient %1").arg((i * 7 + k) % kZutaten);
    z << QStringLiteral("[REZEPTLISTE]:") << QStringLiteral("6");
    for (int k = 0; k < 6; ++k)
        z << QStringLiteral("Step %1: stir the pot gently and let it simmer for a few minutes.").arg(k + 1);
    z << QStringLiteral("[EINKAUFSLISTE]:") << QStringLiteral("8");
    for (int k = 0; k < 8; ++k)
        z << QStringLiteral("%1 g Ingredient %2").arg(50 * (k + 1)).arg((i * 7 + k) % kZutaten);
    z << QStringLiteral("[DELUXELISTE]:") << QStringLiteral("0") << QStringLiteral("[BEMERKUNGSLISTE]:")
      << QStringLiteral("2") << QStringLiteral("Serve hot.") << QStringLiteral("Keeps two days.") << QStringLiteral("[EOF]");
    return z;
}

// Setting up writes straight to the file: the resolver's case-insensitive
// search for a new name would list the growing folder for every file.
QString schreibeDirekt(const QString &relativ, const QStringList &zeilen)
{
    QString native = platform::baseFolder() + relativ;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFile f(native);
    f.open(QIODevice::WriteOnly);
    f.write(platform::encodeCp1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return native;
}

// A base folder with n recipes, their index and the ingredient database.
struct Installation {
    QTemporaryDir dir;
    QStringList dateien; // native paths of every file the load reads

    explicit Installation(int n)
    {
        platform::setBaseFolder(dir.path());
        Programmverzeichnis = platform::baseFolder();
        platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
        platform::makeFolder(QStringLiteral("Recipes"));
        QStringList index{QStringLiteral("[TAFELWERKSTATT RM]"), QString::number(n)};
        for (int i = 0; i < n; ++i) {
            const int kat = i % AnzahlKategorien;
            const QString rel = QStringLiteral("Recipes\\Recipe %1%2").arg(i).arg(Dateiendung_aus_Kategorie(kat));
            dateien << schreibeDirekt(rel, rezeptdatei(i));
            index << rel << QStringLiteral("Recipe number %1 with a longer name").arg(i) << QString::number(kat);
        }
        index << QStringLiteral("[EOF]");
        dateien << schreibeDirekt(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"), index);

        QStringList db{QStringLiteral("[TAFELWERKSTATT 2.00]"), QString::number(kZutaten)};
        for (int i = 0; i < kZutaten; ++i) {
            db << QStringLiteral("Ingredient %1").arg(i) << QStringLiteral("ingredient %1").arg(i)
               << QStringLiteral("INGREDIENT %1").arg(i) << QString::number(i % 19) << QString::number(i % 5 == 0 ? 0 : 1)
               << QString() << QStringLiteral("Ingredient%1.png").arg(i) << QStringLiteral("g") << QString()
               << QStringLiteral("Ingredients %1").arg(i);
            for (int s = 5; s < 12; ++s)
                db << QString();
        }
        db << QStringLiteral("[EOF]");
        dateien << schreibeDirekt(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr"), db);
    }

    void aktiviere() const
    {
        platform::setBaseFolder(dir.path());
        Programmverzeichnis = platform::baseFolder();
    }
};

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
BENCHMARK(BM_Startladen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RohLesen(benchmark::State &state)
{
    const Installation &inst = installation(int(state.range(0)));
    for (auto _ : state)
        rohLesen(inst);
}
BENCHMARK(BM_RohLesen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

template <typename F> double besteZeit(F f)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        leeren();
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int n : {1000, 10000}) {
        const Installation &inst = installation(n);
        const double laden = besteZeit([n] { startladen(n); });
        const double roh = besteZeit([&inst] { rohLesen(inst); });
        std::printf("start-up load of %5d recipes + index + %d ingredients: %7.1f ms; raw read %6.1f ms; ratio %.2f\n",
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
    }
    return 0;
}
