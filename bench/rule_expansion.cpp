// The rule window on a large group: 100,000 pasted lines stored as one rule's
// values, and 100,000 rows generated from a template with five markers; how
// soon a group whose values double the line at each marker is refused; rows
// that grow to millions of characters and shrink again; a template of
// thousands of markers; long markers in a long template; templates of
// millions of one-character markers; and values full of characters that
// begin later markers without holding one.
#include <benchmark/benchmark.h>

#include <string>

#include "tools/rules/rule_expansion.h"

using namespace rg_qelvane_app;

namespace {

constexpr int kRows = 100000;
constexpr const char16_t* kMarkers[] = {u"{1}", u"{2}", u"{3}", u"{4}", u"{5}"};

// «value0», «value1», ... one per CR LF line, as a paste into the data box gives them.
CWString PastedColumn() {
    CWString text;
    for (int row = 0; row < kRows; ++row) text += u"value" + CWString::FromUtf8(std::to_string(row)) + u"\r\n";
    return text;
}

rg_GuiZeZhanKaiYinQing FiveColumns() {
    rg_GuiZeZhanKaiYinQing engine;
    for (const char16_t* marker : kMarkers) {
        engine.AddRule(marker);
        engine.StoreRuleData(PastedColumn());
    }
    return engine;
}

void StorePastedColumn(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    engine.AddRule(u"{1}");
    const CWString column = PastedColumn();
    for (auto _ : state) engine.StoreRuleData(column);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(StorePastedColumn)->Unit(benchmark::kMillisecond);

void GenerateFiveMarkers(benchmark::State& state) {
    const rg_GuiZeZhanKaiYinQing engine = FiveColumns();
    const CWString templateText = u"变量 {1} <公开 类型 = {2} 注释 = \"{3}\" 默认 = {4} 标签 = {5} >";
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"用户类", false, false));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(GenerateFiveMarkers)->Unit(benchmark::kMillisecond);

// 28 markers, each value holding the next marker twice.
void RefuseDoublingChain(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    for (int k = 1; k <= 28; ++k)
        engine.rules.push_back({CWString::Format(u"{%d}", {k}), {CWString::Format(u"{%d}{%d}", {k + 1, k + 1})}});
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(u"{1}", u"用户类", false, false));
}
BENCHMARK(RefuseDoublingChain)->Unit(benchmark::kMillisecond);

// "<1>" .. "<6>" hold ten copies of the next marker, "<7>" six "<8>", "<8>"
// nothing: each row passes 18 million characters before it ends as "x".
void GrowAndShrinkRows(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    for (int k = 1; k <= 7; ++k) {
        CWString value;
        for (int copy = 0; copy < (k < 7 ? 10 : 6); ++copy) value += CWString::Format(u"<%d>", {k + 1});
        engine.rules.push_back({CWString::Format(u"<%d>", {k}), rg_WenBenShuZuLei(100, value)});
    }
    engine.rules.push_back({u"<8>", rg_WenBenShuZuLei(100, u"")});
    engine.rules.push_back({u"<end>", rg_WenBenShuZuLei(100, u"x")});
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(u"<1><end>", u"", true, false));
}
BENCHMARK(GrowAndShrinkRows)->Unit(benchmark::kMillisecond);

// 2,000 markers in one template, 5,000 rows: the result passes the limit.
void ManyMarkers(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    CWString templateText;
    for (int k = 1; k <= 2000; ++k) {
        const CWString marker = CWString::Format(u"{%d}", {k});
        templateText += marker + u" ";
        engine.rules.push_back({marker, rg_WenBenShuZuLei(5000, u"value")});
    }
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"用户类", false, false));
}
BENCHMARK(ManyMarkers)->Unit(benchmark::kMillisecond);

// 2,000 "a", a "b" and a number: a marker whose every beginning the template repeats.
CWString LongMarker(int number) { return CWString(2000, u'a') + u"b" + CWString::FromUtf8(std::to_string(number)); }

// 200,000 "a" searched for 30 such markers, none found: one row, the template itself.
void LongMarkersInLongTemplate(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    for (int k = 1; k <= 30; ++k) engine.rules.push_back({LongMarker(k), {u"v"}});
    const CWString templateText(200000, u'a');
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"", true, false));
}
BENCHMARK(LongMarkersInLongTemplate)->Unit(benchmark::kMillisecond);

// "{0}" becomes "a", which could begin the long marker: 100 rows of 200,001
// characters replaced marker by marker, refused as too large.
void LongMarkerAfterItsBeginning(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    engine.rules.push_back({u"{0}", rg_WenBenShuZuLei(100, u"a")});
    engine.rules.push_back({LongMarker(1), rg_WenBenShuZuLei(100, u"x")});
    const CWString templateText = u"{0}" + CWString(200000, u'a');
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"", true, false));
}
BENCHMARK(LongMarkerAfterItsBeginning)->Unit(benchmark::kMillisecond);

// A template of "ab" repeated, the markers "a" and "b", one row: the result
// is the template's length and its CR LF (8 and 18 million characters).
void MillionsOfMarkers(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    engine.rules.push_back({u"a", {u"x"}});
    engine.rules.push_back({u"b", {u"y"}});
    CWString templateText;
    for (int64_t pair = 0; pair < state.range(0) / 2; ++pair) templateText += u"ab";
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"", true, false));
}
BENCHMARK(MillionsOfMarkers)->Arg(8000000)->Arg(18000000)->Unit(benchmark::kMillisecond);

// "{1}" .. "{30}", 100,000 rows, "{1}" holding six nested braces: 8.6 million characters.
void ThirtyMarkersAndNestedBraces(benchmark::State& state) {
    rg_GuiZeZhanKaiYinQing engine;
    CWString templateText = u"{1}";
    engine.rules.push_back({u"{1}", rg_WenBenShuZuLei(kRows, u"{a:{a:{a:{a:{a:{a:1}}}}}}")});
    for (int k = 2; k <= 30; ++k) {
        const CWString marker = CWString::Format(u"{%d}", {k});
        templateText += u" " + marker;
        engine.rules.push_back({marker, rg_WenBenShuZuLei(kRows, u"v")});
    }
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(templateText, u"", true, false));
}
BENCHMARK(ThirtyMarkersAndNestedBraces)->Unit(benchmark::kMillisecond);

// One value of that many "{" before a later marker: "{aaaaaaaa}", or one of
// 4,000 characters ("{" and "a").
void BracesBeforeALaterMarker(benchmark::State& state) {
    const CWString laterMarker = state.range(1) == 10 ? CWString(u"{aaaaaaaa}") : u"{" + CWString(3999, u'a');
    rg_GuiZeZhanKaiYinQing engine;
    engine.rules.push_back({u"{0}", {CWString(state.range(0), u'{')}});
    engine.rules.push_back({laterMarker, {u"v"}});
    for (auto _ : state) benchmark::DoNotOptimize(engine.Generate(u"<{0}>", u"", true, false));
}
BENCHMARK(BracesBeforeALaterMarker)->Args({7000000, 10})->Args({20000, 4000})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
