// Deleting 10,000 selected rows (every other one) of a 20,000-row grid, as
// "删除" in the translation window does, on the headless and the wx backend.
// The wx run needs a display (xvfb-run -a build-bench/bench_grid_delete).
// Release, Xvfb, loaded machine: wx 64 ms with the grid over wx's list store,
// 10-16 ms over the virtual list model (showing the rows left anew).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/ui/headless/headless_backend.h"
#include "platform/ui/report_list.h"
#include "platform/ui/wx/wx_backend_impl.h"
#include "toolkit_bench_main.h"

using namespace rg_qelvane_base;

namespace {

constexpr int kRows = 20000;

class GridWindow : public CQelWinForm {
public:
    GridWindow() : CQelWinForm(u"grid") {}
    rg_ChaoJiLieBiaoKuang grid;

protected:
    void BuildControls() override {
        grid.SetColumnsText(u"0\n-1\n0\n200\n英文\n0\n-1\n0\n200\n中文");
        grid.Create(*this, 106, {8, 24, 760, 504}, u"", u"", CQelStyle::EditableCells);
    }
};

void Fill(rg_ChaoJiLieBiaoKuang& grid) {
    grid.DeleteAllRows();
    for (int i = 0; i < kRows; ++i) {
        int row = grid.AddRow(u"Word" + CWString::FromUtf8(std::to_string(i)));
        grid.SetCellText(row, 1, u"词");
        if (i % 2 == 0) grid.SelectRow(row, true);
    }
}

void DeleteHalfOfTheRows(benchmark::State& state, std::unique_ptr<CQelUiBackend> (*makeBackend)()) {
    std::unique_ptr<CQelUiBackend> backend = makeBackend();
    if (!backend) {
        state.SkipWithError("no display for the wx backend");
        return;
    }
    InstallBackend(std::move(backend));
    GridWindow window;
    window.CreateFormWindow();
    for (auto _ : state) {
        state.PauseTiming();
        Fill(window.grid);
        state.ResumeTiming();
        window.grid.DeleteSelectedRows();
    }
    if (window.grid.GetRowCount() != kRows / 2) state.SkipWithError("wrong rows deleted");
    window.Close();
}

std::unique_ptr<CQelUiBackend> Headless() { return std::make_unique<headless::CHeadlessBackend>(); }
std::unique_ptr<CQelUiBackend> Wx() { return displayStarted ? std::make_unique<wx::CWxBackend>() : nullptr; }

BENCHMARK_CAPTURE(DeleteHalfOfTheRows, headless, Headless)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(DeleteHalfOfTheRows, wx, Wx)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithToolkit(argc, argv); }
