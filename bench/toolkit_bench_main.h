#pragma once
// The entry of a benchmark that measures the real toolkit where it has a
// display (`xvfb-run -a`), and only the headless figures where it has none.
#include <benchmark/benchmark.h>

#include "platform/ui/wx/wx_backend.h"

// Whether the real toolkit started: the toolkit's figures are taken only then.
inline bool displayStarted = false;

inline int RunBenchmarksWithToolkit(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    rg_qelvane_base::wx::CWxSession session(argc, argv);
    displayStarted = session.IsStarted();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
