#pragma once
// The start every benchmark program shares: the offscreen platform unless
// another is named (set before the application is made), Google Benchmark's
// reading of its arguments, and its run of every registered case. A program
// that needs nothing else calls Starte_Benchmarks.
#include <QApplication>
#include <benchmark/benchmark.h>

inline void Offscreen_wenn_ungesetzt()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// False (after saying so) when an argument is not Google Benchmark's.
inline bool Lies_Benchmarkargumente(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    return !benchmark::ReportUnrecognizedArguments(argc, argv);
}

inline void Fuehre_Benchmarks_aus()
{
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

inline int Starte_Benchmarks(int argc, char **argv)
{
    Offscreen_wenn_ungesetzt();
    QApplication app(argc, argv);
    if (!Lies_Benchmarkargumente(argc, argv))
        return 1;
    Fuehre_Benchmarks_aus();
    return 0;
}
