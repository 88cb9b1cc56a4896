#pragma once

// The main of a Google Benchmark program that drives the window's widgets: offscreen, since the
// measurements need no screen and none of its noise, with the web engine and the program's look prepared
// as the program prepares them.

#include "window/listing_scheme.h"
#include "window/program_look.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace vellumo::bench {

inline int RunOffscreenBenchmarks(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    PrepareWebEngine();
    QApplication application(argc, argv);
    UseProgramLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vellumo::bench
