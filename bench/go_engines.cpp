// Each Go engine on about 1 MB of source: 10,000 signatures, interface
// methods, constants or struct fields, with translation on and off.
#include <benchmark/benchmark.h>

#include <string>

#include "support/bench_translation.h"
#include "tools/gowrap/go_constants_engine.h"
#include "tools/gowrap/go_interface_engine.h"
#include "tools/gowrap/go_methods_engine.h"
#include "tools/gowrap/go_struct_engine.h"

using namespace rg_qelvane_app;

namespace {

constexpr int kItems = 10000;

CWString Numbered(std::u16string_view pattern, int i) {
    return CWString(pattern).ReplacedAll(u"#", CWString::FromUtf8(std::to_string(i)));
}

CWString Source(std::u16string_view first, std::u16string_view line, std::u16string_view last) {
    CWString text(first);
    for (int i = 0; i < kItems; ++i) text.append(Numbered(line, i)).append(u"\r\n");
    return text.append(last);
}

const CWString& MethodsSource() {
    static const CWString text = Source(
        u"",
        u"func (s *Service#) Handle#(ctx Context, ids []int64, name, label string, opts ...Option) *Result# {\r\n"
        u"\treturn nil // body lines are skipped\r\n}",
        u"");
    return text;
}
const CWString& InterfaceSource() {
    static const CWString text =
        Source(u"type Store interface {\r\n",
               u"\tPut#(key string, value []byte, ttl Duration, tags ...string) error // note #", u"}");
    return text;
}
const CWString& ConstantsSource() {
    static const CWString text = Source(u"type Color int\r\nconst (\r\n",
                                        u"\tColorNumber# Color = iota // the colour numbered # in the palette", u")");
    return text;
}
const CWString& StructSource() {
    static const CWString text = Source(u"type Record struct {\r\n",
                                        u"\tFieldNumber#, OtherField# map[string]int64 // field # of the record", u"}");
    return text;
}

// Translation on reads a table whose entries match most types.
void SetTranslation(bool on) {
    bench_support::SetTranslation(on, "qel-bench-go-engines",
                                  u"[translation]\r\nstring=文本\r\nint64=长整数\r\nerror=错误\r\nColor=颜色\r\n");
}

template <typename Generate>
void Measure(benchmark::State& state, const CWString& source, Generate generate) {
    SetTranslation(state.range(0) != 0);
    // Each run is one click: the window opens one look at the table around it.
    for (auto _ : state) {
        TranslationTableScope translationTable;
        benchmark::DoNotOptimize(generate(source));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(source.size() * sizeof(char16_t)));
    state.SetItemsProcessed(state.iterations() * kItems);
}

void Methods(benchmark::State& state) {
    Measure(state, MethodsSource(), [](const CWString& source) {
        return rg_GOFangFaJieXiYinQing().ParseAndGenerate(source, u"", u"svc", u"", false);
    });
}
void Interface(benchmark::State& state) {
    Measure(state, InterfaceSource(),
            [](const CWString& source) { return rg_GOJieKouJieXiYinQing().ParseAndGenerate(source, u"", u"kv"); });
}
void Constants(benchmark::State& state) {
    Measure(state, ConstantsSource(), [](const CWString& source) {
        return rg_GOChangLiangJieXiYinQing().ParseAndGenerate(source, u"", u"img", u"");
    });
}
void Struct(benchmark::State& state) {
    Measure(state, StructSource(), [](const CWString& source) {
        return rg_GOJieGouTiJieXiYinQing().ParseAndGenerate(source, u"", u"model", u"本地类");
    });
}

BENCHMARK(Methods)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Interface)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Constants)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Struct)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
