// TranslateWord against a table of 20,000 entries: a lookup once the table is
// cached, with the file's time ahead of the clock, and right after the table
// was saved again.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/translation.h"
#include "support/seams.h"

using namespace rg_qelvane_app;

namespace {

constexpr int kEntries = 20000;
constexpr int kWordsPerRun = 10000;

struct Table {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qel-bench-translate";
    std::vector<CWString> words;
    std::string text;
    Table() {
        std::filesystem::create_directories(folder / "datas");
        rg_qelvane_base::SetProgramDirForTests(folder);
        text = "[translation]\r\n";
        for (int i = 0; i < kEntries; ++i) {
            std::string word = "Word" + std::to_string(i);
            text += word + "=\xB4\xCA" + std::to_string(i) + "\r\n";
            if (i % (kEntries / kWordsPerRun) == 0) words.push_back(CWString::FromUtf8(word));
        }
        Save();
        TranslateEnabled = true;
    }
    void Save() const { std::ofstream(folder / "datas" / "对应关系.ini", std::ios::binary) << text; }
};

Table& SharedTable() {
    static Table table;
    return table;
}

void TenThousandWordsCached(benchmark::State& state) {
    Table& table = SharedTable();
    // Let the file's time fall out of the window in which a rewrite could go unseen.
    std::filesystem::last_write_time(table.folder / "datas" / "对应关系.ini",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::seconds(10));
    for (auto _ : state)
        for (const CWString& word : table.words) benchmark::DoNotOptimize(TranslateWord(word));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(table.words.size()));
}
BENCHMARK(TenThousandWordsCached)->Unit(benchmark::kMillisecond);

// A copied file or a clock set back: the file's time lies an hour ahead.
void TenThousandWordsWithAFileTimeAhead(benchmark::State& state) {
    Table& table = SharedTable();
    std::filesystem::last_write_time(table.folder / "datas" / "对应关系.ini",
                                     std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    for (auto _ : state)
        for (const CWString& word : table.words) benchmark::DoNotOptimize(TranslateWord(word));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(table.words.size()));
}
BENCHMARK(TenThousandWordsWithAFileTimeAhead)->Unit(benchmark::kMillisecond);

void TenThousandWordsAfterASave(benchmark::State& state) {
    Table& table = SharedTable();
    for (auto _ : state) {
        table.Save();
        for (const CWString& word : table.words) benchmark::DoNotOptimize(TranslateWord(word));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(table.words.size()));
}
BENCHMARK(TenThousandWordsAfterASave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
