// One click's searches share one time budget: a crafted paste ends with what
// was found and says so, a large real class is parsed to its end.
#include <string>

#include "platform/regex.h"
#include "support/crafted_java.h"
#include "support/generator_test.h"
#include "tools/androidwrap/android_class_engine.h"

using namespace rg_qelvane_app;
using generator_test::CraftedStaticMethods;
using generator_test::kHeader;
using generator_test::U8;
using rg_qelvane_base::RegexSearchBudget;

namespace {

CWString Numbered(std::u16string_view block, int i) {
    return CWString(block).ReplacedAll(u"#", CWString::FromUtf8(std::to_string(i)));
}

// A class written the way Android sources are, about `lines` lines long.
CWString LargeClass(int lines) {
    constexpr std::u16string_view kMembers =
        u"    /**\r\n     * Value number #.\r\n     */\r\n"
        u"    public int getValue#(int x, String... names) {\r\n        return x * #; // scaled\r\n    }\r\n"
        u"    public List<String> items#;\r\n    private int hidden# = #;\r\n"
        u"    public static String nameOf#(Context context, @NonNull String fallback) {\r\n"
        u"        return \"#\";\r\n    }\r\n"
        u"    @Deprecated\r\n    public void old#() {\r\n        hidden#++;\r\n    }\r\n"
        u"    public Big(int a#, long b) {\r\n        super(a#);\r\n    }\r\n";
    CWString text = u"package com.example;\r\nimport android.view.View;\r\npublic class Big extends View {\r\n";
    for (int i = 0; i * 20 < lines; ++i) text += Numbered(kMembers, i);
    return text + u"}\r\n";
}

}  // namespace

using AndroidParseBudget = generator_test::GeneratorTest;

TEST_F(AndroidParseBudget, CraftedClassEndsWithWhatItFoundAndIsReported) {
    RegexSearchBudget budget;
    CWString output = rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(CraftedStaticMethods(8), u"", u"", false);
    EXPECT_TRUE(budget.CutShort());
    // How far the parse got depends on the machine: a busy one may spend the
    // budget before the class is even found. Either way the output is whole.
    if (output.starts_with(kHeader)) EXPECT_TRUE(output.ends_with(u"\r\n}"));
    else EXPECT_EQ(U8(output), "找不到类");
}

TEST_F(AndroidParseBudget, LargeRealClassIsParsedToTheEnd) {
    // Whether real sources stay far below a second is the benchmark's business;
    // here no search of such a source may give up, however busy the machine.
    RegexSearchBudget unhurried(std::chrono::minutes(1), std::chrono::minutes(1));
    CWString output = rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(LargeClass(20000), u"", u"", false);
    EXPECT_FALSE(unhurried.CutShort());
    for (std::u16string_view last :
         {u"\t方法 items999 <", u"\t方法 创建1000 <", u"\t方法 nameOf999 <", u"\t方法 getValue999 <"})
        EXPECT_TRUE(output.Contains(last)) << U8(CWString(last));
}
