#include "tools/androidwrap/android_class_engine.h"
#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class AndroidClass : public generator_test::GeneratorTest {
protected:
    static CWString Run(const CWString& source, const CWString& name = u"", const CWString& package = u"",
                        bool noCreate = false) {
        return rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, name, package, noCreate);
    }
    // The members the engine finds in a class A of package p holding `body`.
    static std::vector<rg_AnZhuoFangFaXiang> Methods(std::u16string_view body) {
        rg_AnZhuoLeiJieXiYinQing engine;
        engine.ParseJavaClass(u"package p;\r\npublic class A {\r\n" + CWString(body) + u"\r\n}", u"", u"", false);
        return engine.classItem.methods;
    }
};

const CWString kCounter = CrLfLines({
    u"package com.example;",
    u"import android.view.View;",
    u"/** A counter. */",
    u"public class Counter {",
    u"    public int count;",
    u"    public List<String> names;",
    u"    public int limit = 10;",
    u"    private int hidden;",
    u"    public Counter() {",
    u"        count = 0;",
    u"    }",
    u"    public Counter(int start, String... labels) {",
    u"        count = start;",
    u"    }",
    u"    public static Counter parse(String text) {",
    u"        return null;",
    u"    }",
    u"    public int next(int step) {",
    u"        return count += step;",
    u"    }",
    u"    public void reset() {",
    u"        count = 0;",
    u"    }",
    u"    @Deprecated",
    u"    public void old() {",
    u"        count--;",
    u"    }",
    u"}",
});

}  // namespace

TEST_F(AndroidClass, WorkedExample) {
    CWString expected = CrLfLines({
                            kHeader,
                            u"",
                            u"类 Counter <公开 @别名 = \"com.example.Counter\" >",
                            u"{",
                            u"\t方法 count <公开 静态 属性读 类型 = int @禁止流程检查 = 真>",
                            u"\t参数 欲操作本对象 <类型 = Counter>",
                            u"\t{",
                            u"\t\t @ return @<欲操作本对象>.count;",
                            u"\t}",
                            u"",
                            u"\t方法 names <公开 静态 属性读 类型 = List<String> @禁止流程检查 = 真>",
                            u"\t参数 欲操作本对象 <类型 = Counter>",
                            u"\t{",
                            u"\t\t @ return @<欲操作本对象>.names;",
                            u"\t}",
                            u"",
                            u"\t方法 创建 <公开 静态 类型 = Counter @嵌入式方法 = \"\">",
                            u"\t{",
                            u"\t\t@ new com.example.Counter()",
                            u"\t}",
                            u"",
                            u"\t方法 创建2 <公开 静态 类型 = Counter @嵌入式方法 = \"\">",
                            u"\t参数 start <类型 = int  >",
                            u"\t参数 labels <类型 = String @可扩展 = \"\" >",
                            u"\t{",
                            u"\t\t@ new com.example.Counter(@<start>,@<labels>)",
                            u"\t}",
                            u"",
                            u"\t方法 parse <公开 静态  @嵌入式方法 = \"\">",
                            u"\t参数 text <类型 = String  >",
                            u"\t{",
                            u"\t\t@ com.example.Counter.parse(@<text>)",
                            u"\t}",
                            u"",
                            u"\t方法 next <公开 静态 类型 = int @嵌入式方法 = \"\">",
                            u"\t参数 欲操作本对象 <类型 = Counter>",
                            u"\t参数 step <类型 = int  >",
                            u"\t{",
                            u"\t\t @ @<欲操作本对象>.next(@<step>)",
                            u"\t}",
                            u"",
                            u"\t方法 reset <公开 静态  @嵌入式方法 = \"\">",
                            u"\t参数 欲操作本对象 <类型 = Counter>",
                            u"\t{",
                            u"\t\t @ @<欲操作本对象>.reset()",
                            u"\t}",
                            u"",
                            u"",
                        }) +
                        u"}";
    EXPECT_EQ(U8(Run(kCounter)), U8(expected));
}

TEST_F(AndroidClass, NoCreateChangesOnlyTheClassLine) {
    CWString plain = Run(kCounter, u"", u"", false);
    CWString forbidden = Run(kCounter, u"", u"", true);
    EXPECT_EQ(U8(forbidden),
              U8(plain.ReplacedAll(u"\"com.example.Counter\" >", u"\"com.example.Counter\" @禁止创建对象 = 真>")));
}

TEST_F(AndroidClass, NameAndPackageBoxes) {
    CWString output = Run(kCounter, u" Tally ", u" org.t ");
    EXPECT_TRUE(output.Contains(u"类 Tally <公开 @别名 = \"org.t.Counter\" >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t方法 创建 <公开 静态 类型 = Tally @嵌入式方法 = \"\">\r\n"));
    EXPECT_TRUE(output.Contains(u"\t\t@ new org.t.Counter()\r\n"));
    EXPECT_TRUE(output.Contains(u"\t\t@ org.t.Counter.parse(@<text>)\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 欲操作本对象 <类型 = Tally>\r\n"));
    EXPECT_TRUE(Run(u"class A {}").Contains(u"类 A <公开 @别名 = \".A\" >\r\n"));
}

TEST_F(AndroidClass, TranslatesTypesOnly) {
    UseTranslations({u"int=整数型", u"String=文本型", u"Counter=计数器", u"count=计数", u"next=下一个"});
    CWString output = Run(kCounter);
    EXPECT_TRUE(output.Contains(u"\t方法 count <公开 静态 属性读 类型 = 整数型 @禁止流程检查 = 真>\r\n"));
    EXPECT_TRUE(output.Contains(u"\t方法 创建 <公开 静态 类型 = 计数器 @嵌入式方法 = \"\">\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 labels <类型 = 文本型 @可扩展 = \"\" >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t方法 next <公开 静态 类型 = 整数型 @嵌入式方法 = \"\">\r\n"));
    EXPECT_TRUE(output.Contains(u"类 Counter <公开 @别名 = \"com.example.Counter\" >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 欲操作本对象 <类型 = Counter>\r\n"));
    EXPECT_TRUE(output.Contains(u"@<欲操作本对象>.count;"));
}

TEST_F(AndroidClass, RefusedSourcesGiveOnlyTheMessage) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"", u"找不到类"},
        {u"public interface A {}", u"找不到类"},
        {u"public class A {\r\nstatic class B {}\r\n}", u"检测到多个类，目前仅支持一个类的封装"},
        {u"class A {}\r\nclass B {}", u"检测到多个类，目前仅支持一个类的封装"},
    };
    for (const auto& [source, message] : cases) EXPECT_EQ(U8(Run(CWString(source))), U8(CWString(message)));
}

TEST_F(AndroidClass, EmptyClassHasAnEmptyBody) {
    EXPECT_EQ(U8(Run(u"package p;\r\npublic class A {\r\n}")),
              U8(CrLfLines({kHeader, u"", u"类 A <公开 @别名 = \"p.A\" >", u"{", u""}) + u"}"));
}

TEST_F(AndroidClass, WhichMethodsAreFound) {
    using M = rg_AnZhuoFangFaXiang;
    using P = rg_AnZhuoFangFaCanShuXiang;
    struct Case {
        std::u16string_view body;
        std::vector<M> methods;
    };
    const Case cases[] = {
        {u"public A() throws IOException {\r\n}", {}},
        {u"public final static int f() {\r\n}", {}},
        {u"public abstract void g();", {}},
        {u"protected void h() {\r\n}", {}},
        {u"public int[] values() {\r\n}", {{u"values", u"int[]", {}, M::kInstanceMethod}}},
        {u"public static void a() {}\r\npublic static void b() {}\r\npublic static void c() {}",
         {{u"a", u"", {}, M::kStaticMethod}, {u"b", u"", {}, M::kStaticMethod}, {u"c", u"", {}, M::kStaticMethod}}},
        {u"public void f(final int x, Map<String, Integer> m) {\r\n}",
         {{u"f", u"", {P{u"m", u"Integer>", false}}, M::kInstanceMethod}}},
        {u"public String name(String... parts) throws E {\r\n}",
         {{u"name", u"String", {P{u"parts", u"String", true}}, M::kInstanceMethod}}},
        {u"public void run() {\r\n}\r\npublic A(int a) {\r\n}\r\npublic static int max() {\r\n}",
         {{u"A", u"", {P{u"a", u"int", false}}, M::kConstructor},
          {u"max", u"", {}, M::kStaticMethod},
          {u"run", u"", {}, M::kInstanceMethod}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Methods(c.body), c.methods) << U8(CWString(c.body));
}

TEST_F(AndroidClass, WhichFieldsBecomeReadProperties) {
    rg_AnZhuoLeiJieXiYinQing engine;
    engine.ParseJavaClass(CrLfLines({u"class A {", u"public int x = 1;", u"public static int y;", u"public int[] z;",
                                     u"public List<String> names;", u"public Map<K,V> map;", u"public long id;", u"}"}),
                          u"", u"", false);
    EXPECT_EQ(engine.classItem.fields,
              (std::vector<rg_AnZhuoShuXingXiang>{{u"names", u"List<String>"}, {u"id", u"long"}}));
}
