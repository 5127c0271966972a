// The translation window over a large table, on the wx backend as the program
// runs it: opening it, deleting one selected row, and a batch insert of 10,000
// lines, each until the toolkit has shown the result. Needs a display:
// xvfb-run -a build-bench/bench_translation_window
//
// Release build, Xvfb, on 8 shared cores under load (ms):
//                              grid over wx's list store   grid over a virtual list model
//   open, 10,000 entries                 678                     230 (the first window)
//   open, 30,000 entries               1,602                     120-175
//   open, 100,000 entries             16,094                     410-650
//   delete one of 100,000              6,009                      14-18
//   batch insert 10,000 lines            361                      66-161
//   the same into 100,000 entries      6,004                      86-126
//   open, 1,000,000 entries                                     4,600
//   delete one of 1,000,000                                       235
// Opening reads each line as the lookup does, keeping the first entry of
// each key, and a delete notes which rows go; at 1,000,000 entries both took
// some 1,500 ms and 120 ms more than when the window read lines on its own.
// The list store copied and searched every row's id at each insert and was
// rebuilt whole at each delete; the model's rows are asked for only as shown.
#include <benchmark/benchmark.h>

#include <wx/app.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/batch_insert_window.h"
#include "app/translation_window.h"
#include "platform/files.h"
#include "platform/ui/wx/wx_backend_impl.h"
#include "support/seams.h"
#include "toolkit_bench_main.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;

namespace {

constexpr int kBatchLines = 10000;

// A program folder whose table holds `entries` entries.
void WriteTable(int entries) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qel-bench-translation-window";
    std::filesystem::create_directories(folder / "datas");
    SetProgramDirForTests(folder);
    std::string text = "[translation]\r\n";
    for (int i = 0; i < entries; ++i) text += "Word" + std::to_string(i) + "=\xB4\xCA" + std::to_string(i) + "\r\n";
    std::ofstream(folder / "datas" / "对应关系.ini", std::ios::binary) << text;
}

// Until the toolkit has laid out and drawn what the action changed.
void LetTheToolkitShowIt() { wxTheApp->Yield(true); }

bool StartWx(benchmark::State& state) {
    if (displayStarted) {
        InstallBackend(std::make_unique<wx::CWxBackend>());
        return true;
    }
    state.SkipWithError("no display for the wx backend");
    return false;
}

void Open(benchmark::State& state) {
    if (!StartWx(state)) return;
    WriteTable(static_cast<int>(state.range(0)));
    rg_win_FanYiGuanLi window;
    for (auto _ : state) {
        window.CreateFormWindow();
        LetTheToolkitShowIt();
        state.PauseTiming();
        if (window.m_grid.GetRowCount() != state.range(0)) state.SkipWithError("rows missing");
        window.Close();
        wxTheApp->ProcessIdle();
        state.ResumeTiming();
    }
}

void DeleteOneRow(benchmark::State& state) {
    if (!StartWx(state)) return;
    WriteTable(static_cast<int>(state.range(0)));
    rg_win_FanYiGuanLi window;
    window.CreateFormWindow();
    LetTheToolkitShowIt();
    for (auto _ : state) {
        state.PauseTiming();
        window.m_grid.SelectRow(window.m_grid.GetRowCount() / 2, true);
        state.ResumeTiming();
        window.m_delete.RaiseEvent(CQelEvent::Click);
        LetTheToolkitShowIt();
    }
    if (window.m_grid.GetRowCount() != state.range(0) - static_cast<int>(state.iterations()))
        state.SkipWithError("wrong rows deleted");
    window.Close();
}

// Pastes the lines into the batch insert window from inside its modal run and presses its "保存".
void PasteOnceShown() {
    wxTheApp->CallAfter([] {
        auto* batch = dynamic_cast<rg_win_PiLiangChaRu*>(Backend().LastActiveForm());
        if (!batch) return;
        CWString english, chinese;
        for (int i = 0; i < kBatchLines; ++i) {
            english += u"Pasted" + CWString::FromUtf8(std::to_string(i)) + u"\r\n";
            chinese += u"词\r\n";
        }
        batch->m_english.SetControlText(english);
        batch->m_chinese.SetControlText(chinese);
        batch->m_save.RaiseEvent(CQelEvent::Click);
    });
}

void BatchInsert(benchmark::State& state) {
    if (!StartWx(state)) return;
    WriteTable(static_cast<int>(state.range(0)));
    rg_win_FanYiGuanLi window;
    for (auto _ : state) {
        state.PauseTiming();
        window.CreateFormWindow();
        LetTheToolkitShowIt();
        PasteOnceShown();
        state.ResumeTiming();
        window.m_batchInsert.RaiseEvent(CQelEvent::Click);
        LetTheToolkitShowIt();
        state.PauseTiming();
        if (window.m_grid.GetRowCount() != state.range(0) + kBatchLines) state.SkipWithError("lines missing");
        window.Close();
        wxTheApp->ProcessIdle();
        state.ResumeTiming();
    }
}

BENCHMARK(Open)->Arg(10000)->Arg(30000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(DeleteOneRow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BatchInsert)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithToolkit(argc, argv); }
