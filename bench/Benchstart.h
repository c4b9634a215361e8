#pragma once
// The start of a benchmark program that needs nothing but the windows'
// classes: a widget application on the offscreen platform (unless another
// is named) and Google Benchmark's run of every registered case.
#include <QApplication>
#include <benchmark/benchmark.h>

inline int Starte_Benchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
