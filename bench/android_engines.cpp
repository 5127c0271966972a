// Cleaning and wrapping large Java sources (about 20,000 lines) with each
// Android engine. The sizes vary so the reported complexity shows whether the
// pattern searches stay linear in the source. A crafted class shows what one
// click costs at most.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/regex.h"
#include "support/bench_translation.h"
#include "support/crafted_java.h"
#include "tools/androidwrap/android_array_engine.h"
#include "tools/androidwrap/android_class_engine.h"
#include "tools/androidwrap/android_enum_engine.h"
#include "tools/androidwrap/android_interface_engine.h"
#include "tools/androidwrap/java_cleaning.h"

using namespace rg_qelvane_app;

namespace {

constexpr int kLines = 20000;

// The block's "#" replaced by the block's number, repeated until the text
// holds about `lines` lines.
CWString Repeated(std::u16string_view head, std::u16string_view block, std::u16string_view tail, int lines) {
    int blockLines = 0;
    for (char16_t c : block) blockLines += c == u'\n';
    CWString text(head);
    for (int i = 0; i * blockLines < lines; ++i)
        text += CWString(block).ReplacedAll(u"#", CWString::FromUtf8(std::to_string(i)));
    return text.append(tail);
}

// Written the way Android sources are: documentation comments, annotations,
// private members with bodies, line comments, generic and varargs parameters.
CWString JavaClass(int lines) {
    return Repeated(
        u"package com.example.widget;\r\n\r\nimport android.content.Context;\r\nimport java.util.List;\r\n\r\n"
        u"/**\r\n * A large widget.\r\n */\r\npublic class BigWidget extends View {\r\n",
        u"    /**\r\n"
        u"     * Returns value number #, scaled by the sum of the names' lengths.\r\n"
        u"     * @param x the input\r\n"
        u"     */\r\n"
        u"    public int getValue#(int x, String... names) {\r\n"
        u"        int total = x * #; // scaled\r\n"
        u"        for (int k = 0; k < names.length; k++) { total += names[k].length(); }\r\n"
        u"        return total;\r\n"
        u"    }\r\n"
        u"\r\n"
        u"    public List<String> items#;\r\n"
        u"    private int hidden# = #;\r\n"
        u"    public static String nameOf#(Context context, @NonNull String fallback) {\r\n"
        u"        return \"http://example.com/#\";\r\n"
        u"    }\r\n"
        u"\r\n"
        u"    @Deprecated\r\n"
        u"    public void old#() {\r\n"
        u"        hidden#++;\r\n"
        u"    }\r\n"
        u"\r\n"
        u"    private void helper#(int a) {\r\n"
        u"        hidden# = a; hidden# += 1;\r\n"
        u"    }\r\n"
        u"\r\n"
        u"    public BigWidget(int a#, long b) {\r\n"
        u"        super(a#);\r\n"
        u"    }\r\n",
        u"}\r\n", lines);
}

CWString JavaInterface(int lines) {
    return Repeated(
        u"package com.example.api;\r\n\r\nimport java.io.IOException;\r\n\r\n/** A large service. */\r\n"
        u"public interface BigService {\r\n",
        u"    /**\r\n"
        u"     * Fetches record number #.\r\n"
        u"     */\r\n"
        u"    Map<String, List<Integer>> fetch#(String key, int limit, String... tags) throws IOException;\r\n"
        u"\r\n"
        u"    /** @deprecated use fetch# */\r\n"
        u"    @Deprecated\r\n"
        u"    void oldFetch#(String key);\r\n"
        u"\r\n"
        u"    default int size#() { return #; } // has a body\r\n",
        u"}\r\n", lines);
}

CWString JavaEnum(int lines) {
    return Repeated(u"package com.example.state;\r\n\r\n/** Many states. */\r\npublic enum BigState {\r\n",
                    u"    /** State number #. */\r\n    STATE_#,\r\n    OTHER_STATE_#, // another one\r\n",
                    u"    LAST_STATE;\r\n}\r\n", lines);
}

void BM_CleanJavaInterfaceSource(benchmark::State& state) {
    CWString source = JavaClass(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(CleanJavaInterfaceSource(source));
    state.SetComplexityN(state.range(0));
}

void BM_CleanJavaClassSource(benchmark::State& state) {
    CWString source = JavaClass(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(CleanJavaClassSource(source));
    state.SetComplexityN(state.range(0));
}

void BM_InterfaceEngine(benchmark::State& state) {
    CWString source = JavaInterface(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, u"", u""));
    state.SetComplexityN(state.range(0));
}

void BM_EnumEngine(benchmark::State& state) {
    CWString source = JavaEnum(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, u"", u""));
    state.SetComplexityN(state.range(0));
}

void BM_ClassEngine(benchmark::State& state) {
    CWString source = JavaClass(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, u"", u"", false));
    state.SetComplexityN(state.range(0));
}

// The interface and enum engines fed the class: they clean all of it and
// search it for declarations they do not find.
void BM_InterfaceEngineOnClass(benchmark::State& state) {
    CWString source = JavaClass(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, u"", u""));
    state.SetComplexityN(state.range(0));
}

// One click on the crafted class, with the budget a parse button opens: the
// time until the window answers.
void BM_ClassEngineCraftedClick(benchmark::State& state) {
    CWString source = generator_test::CraftedStaticMethods(static_cast<int>(state.range(0)));
    bool cutShort = false;
    for (auto _ : state) {
        rg_qelvane_base::RegexSearchBudget budget;
        benchmark::DoNotOptimize(rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, u"", u"", false));
        cutShort = budget.CutShort();
    }
    state.counters["cut_short"] = cutShort;
}

// The three engines that translate, on the usual size with translation off
// (0) and on (1); the table holds the common Java types.
template <typename Parse>
void MeasureTranslation(benchmark::State& state, const CWString& source, Parse parse) {
    const CWString table =
        u"[translation]\r\nString=文本型\r\nint=整数型\r\nlong=长整数型\r\nvoid=空\r\n"
        u"Context=上下文\r\nIOException=输入输出异常\r\n";
    bench_support::SetTranslation(state.range(0) != 0, "qel-bench-android-engines", table);
    // Each run is one click: the window opens one look at the table around it.
    for (auto _ : state) {
        TranslationTableScope translationTable;
        benchmark::DoNotOptimize(parse(source));
    }
    bench_support::SetTranslation(false, "qel-bench-android-engines", table);
}

void BM_InterfaceEngineTranslation(benchmark::State& state) {
    MeasureTranslation(state, JavaInterface(kLines), [](const CWString& source) {
        return rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, u"", u"");
    });
}

void BM_EnumEngineTranslation(benchmark::State& state) {
    MeasureTranslation(state, JavaEnum(kLines), [](const CWString& source) {
        return rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, u"", u"");
    });
}

void BM_ClassEngineTranslation(benchmark::State& state) {
    MeasureTranslation(state, JavaClass(kLines), [](const CWString& source) {
        return rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, u"", u"", false);
    });
}

void BM_ArrayEngine(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rg_AnZhuoShuZuJieXiYinQing().RunArrayWrapping(u"整数类", u"辅助类", u"类", true));
}

}  // namespace

BENCHMARK(BM_CleanJavaInterfaceSource)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_CleanJavaClassSource)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_InterfaceEngine)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_EnumEngine)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_ClassEngine)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_InterfaceEngineOnClass)->Arg(kLines / 4)->Arg(kLines)->Arg(kLines * 4)->Complexity();
BENCHMARK(BM_ClassEngineCraftedClick)->Arg(8)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_InterfaceEngineTranslation)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumEngineTranslation)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassEngineTranslation)->ArgName("translate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrayEngine);

BENCHMARK_MAIN();
