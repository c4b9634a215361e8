// Reading and writing a 10 MB data file, and a raw read of the same bytes
// for scale.
#include "bench/Benchstart.h"
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>


#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {
constexpr qint64 kFileSize = 10 * 1024 * 1024;

// A temporary base folder with a 10 MB Windows-1252 data file of
// ingredient-like lines.
struct DataFile {
    QTemporaryDir dir;
    QString path = QStringLiteral("PRGDATA\\ENG\\Lebensmittel_All.hbr");
    QString native;

    DataFile()
    {
        platform::setBaseFolder(dir.path());
        platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
        const char *const names[] = {"K\xe4se, gerieben", "M\xf6hren", "Gr\xfcnkohl", "Wei\xdf" "brot",
                                     "Cr\xe8me fra\xee" "che", "Zucker", "Apfel (Boskop)", "S\xfc\xdfkartoffel"};
        QByteArray data;
        data.reserve(kFileSize + 256);
        for (int i = 0; data.size() < kFileSize; ++i) {
            data += names[i % 8];
            data += ' ';
            data += QByteArray::number(i);
            data += "\r\n";
            data += QByteArray::number(i % 19);
            data += "\r\nGFXZUTAT\\ENG\\Zutat";
            data += QByteArray::number(i % 500);
            data += ".png\r\n250 g; Stra\xdf" "e \x80 1,99\r\n";
        }
        native = platform::nativePath(path);
        QFile f(native);
        f.open(QIODevice::WriteOnly);
        f.write(data);
    }
};

DataFile &dataFile()
{
    static DataFile file;
    return file;
}

void BM_RawRead(benchmark::State &state)
{
    DataFile &file = dataFile();
    for (auto _ : state) {
        QFile f(file.native);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

void BM_ReadLines(benchmark::State &state)
{
    DataFile &file = dataFile();
    QStringList lines;
    for (auto _ : state) {
        platform::readLines(file.path, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
    state.counters["lines"] = double(lines.size());
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_WriteLines(benchmark::State &state)
{
    DataFile &file = dataFile();
    QStringList lines;
    platform::readLines(file.path, lines);
    const QString copy = QStringLiteral("PRGDATA\\ENG\\Kopie.hbr");
    for (auto _ : state)
        platform::writeLines(copy, lines);
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_WriteLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    return 0;
}
