#include "tools/gowrap/go_methods_engine.h"

#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

struct Inputs {
    std::u16string_view className = u"";
    std::u16string_view packageName = u"pkg";
    std::u16string_view methodName = u"";
    bool noBraceCheck = false;
};

CWString Generate(std::u16string_view source, const Inputs& in = {}) {
    return rg_GOFangFaJieXiYinQing().ParseAndGenerate(
        CWString(source), CWString(in.className), CWString(in.packageName), CWString(in.methodName), in.noBraceCheck);
}

// The output after the header line.
CWString Body(std::u16string_view source, const Inputs& in = {}) {
    CWString output = Generate(source, in);
    CWString header = kHeader + u"\r\n";
    EXPECT_TRUE(output.starts_with(header)) << U8(output);
    return output.Mid(static_cast<long long>(header.size()));
}

CWString Comment(std::u16string_view message) { return CWString(u"\r\n# ") + CWString(message) + u"\r\n"; }

using GoMethods = generator_test::GeneratorTest;

TEST_F(GoMethods, WorkedExampleWithReceiver) {
    CWString expected =
        CrLfLines({kHeader, u"方法 Run <公开 静态 类型= G @嵌入式方法 = \"\" >", u"参数 欲操作本对象 <类型 = A >",
                   u"参数 b <类型 = B >", u"参数 c <类型 = C >", u"参数 d1 <类型 = D >", u"参数 d2 <类型 = D >",
                   u"参数 e <类型 = E[] >", u"参数 f <类型 = F @可扩展 = \"\" >", u"{",
                   u"  @ @<欲操作本对象>.Run(@<b>,@<c>,@<d1>,@<d2>,@<e>,@<f>)", u"}"});
    EXPECT_EQ(U8(Generate(u"func (a A) Run(b B,c C,d1,d2 D,e []E,f ...F) G {")), U8(expected));
}

TEST_F(GoMethods, WorkedExamplePackageFunction) {
    CWString expected = CrLfLines({u"方法 Sum <公开 静态 类型= int @嵌入式方法 = \"\" >", u"参数 a <类型 = int >",
                                   u"参数 b <类型 = int >", u"{", u"  @ mathx.Sum(@<a>,@<b>)", u"}"});
    EXPECT_EQ(U8(Body(u"func Sum(a, b int) int {", {.packageName = u"mathx"})), U8(expected));
}

CWString Block(std::u16string_view name) {
    return CrLfLines({CWString(u"方法 ") + CWString(name) + u" <公开 静态 @嵌入式方法 = \"\" >", u"{",
                      CWString(u"  @ pkg.") + CWString(name) + u"()", u"}"});
}

struct OutputCase {
    const char* what;
    std::u16string_view source;
    Inputs inputs;
    CWString body;
};

const OutputCase kOutputCases[] = {
    {"empty source", u"", {}, u""},
    {"no func line", u"type A struct{}\r\nfunc(x) {}", {}, u""},
    {"two blocks follow each other", u"func A() {\r\n\treturn\r\n}\r\nfunc B() {", {}, Block(u"A") + Block(u"B")},
    {"a refused line sits between blocks",
     u"func A() {\r\nfunc b() {\r\nfunc C() {",
     {},
     Block(u"A") + Comment(u"b 首字母为小写,不导出") + Block(u"C")},
    {"unexported even with a method name", u"func run() {", {.methodName = u"Go"}, Comment(u"run 首字母为小写,不导出")},
    {"several results", u"func F() (int, error) {", {}, Comment(u"F,不支持多返回值方法封装")},
    {"several results replace the unexported message",
     u"func f() (int, error) {",
     {},
     Comment(u"f,不支持多返回值方法封装")},
    {"func later in the line", u"x := func (a int) {", {}, Comment(u"GO方法应该以 func 开头")},
    {"commented-out signature", u"// func Old() {", {}, Comment(u"GO方法应该以 func 开头")},
    {"no brace", u"func Max(a, b int) int", {}, Comment(u"GO方法签名应该以 { 结尾")},
    {"no brace, check off",
     u"func Max(a, b int) int",
     {.noBraceCheck = true},
     CrLfLines({u"方法 Max <公开 静态 类型= int @嵌入式方法 = \"\" >", u"参数 a <类型 = int >", u"参数 b <类型 = int >",
                u"{", u"  @ pkg.Max(@<a>,@<b>)", u"}"})},
    {"brace with the check off becomes the result",
     u"func Max() int {",
     {.noBraceCheck = true},
     CrLfLines({u"方法 Max <公开 静态 类型= { @嵌入式方法 = \"\" >", u"{", u"  @ pkg.Max()", u"}"})},
    {"pointer receiver loses its star, other types keep it",
     u"func (s *Srv) Get(k *Key) *Val {",
     {},
     CrLfLines({u"方法 Get <公开 静态 类型= *Val @嵌入式方法 = \"\" >", u"参数 欲操作本对象 <类型 = Srv >",
                u"参数 k <类型 = *Key >", u"{", u"  @ @<欲操作本对象>.Get(@<k>)", u"}"})},
    {"receiver without a name",
     u"func (Srv) Ping() {",
     {},
     CrLfLines({u"方法 Ping <公开 静态 @嵌入式方法 = \"\" >", u"参数 欲操作本对象 <类型 = Srv >", u"{",
                u"  @ @<欲操作本对象>.Ping()", u"}"})},
    {"class and method names replace receiver and output name",
     u"func (s *Srv) Get() {\r\nfunc Now() {",
     {.className = u"Server", .packageName = u"p", .methodName = u"Do"},
     CrLfLines({u"方法 Do <公开 静态 @嵌入式方法 = \"\" >", u"参数 欲操作本对象 <类型 = Server >", u"{",
                u"  @ @<欲操作本对象>.Get()", u"}", u"方法 Do <公开 静态 @嵌入式方法 = \"\" >", u"{", u"  @ p.Now()",
                u"}"})},
    {"empty package",
     u"func A() {",
     {.packageName = u""},
     CrLfLines({u"方法 A <公开 静态 @嵌入式方法 = \"\" >", u"{", u"  @ .A()", u"}"})},
    {"unnamed slice parameter",
     u"func Write([]byte) {",
     {},
     CrLfLines({u"方法 Write <公开 静态 @嵌入式方法 = \"\" >", u"参数 bytes <类型 = byte[] >", u"{",
                u"  @ pkg.Write(@<bytes>)", u"}"})},
    {"unnamed parameters are their own types",
     u"func Run(int, string) {",
     {},
     CrLfLines({u"方法 Run <公开 静态 @嵌入式方法 = \"\" >", u"参数 int <类型 = int >", u"参数 string <类型 = string >",
                u"{", u"  @ pkg.Run(@<int>,@<string>)", u"}"})},
    {"named result",
     u"func Size(n int) (r int) {",
     {},
     CrLfLines({u"方法 Size <公开 静态 类型= int @嵌入式方法 = \"\" >", u"参数 n <类型 = int >", u"{",
                u"  @ pkg.Size(@<n>)", u"}"})},
    {"parenthesised result",
     u"func One() (int) {",
     {},
     CrLfLines({u"方法 One <公开 静态 类型= int @嵌入式方法 = \"\" >", u"{", u"  @ pkg.One()", u"}"})},
    {"missing parameter list", u"func Run {", {}, Comment(u"GO方法签名的括号不完整,无法封装")},
    {"receiver never closed", u"func (s *Srv Get {", {}, Comment(u"GO方法签名的括号不完整,无法封装")},
    {"receiver without a method list", u"func (s Srv) Get {", {}, Comment(u"GO方法签名的括号不完整,无法封装")},
    {"parameter list never closed", u"func Run(a int {", {}, Comment(u"GO方法签名的括号不完整,无法封装")},
    {"LF alone keeps everything on one line", u"func A() {\nfunc B() {", {}, Block(u"A")},
};

class MethodsOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(MethodsOutput, Generates) {
    const OutputCase& c = GetParam();
    EXPECT_EQ(U8(Body(c.source, c.inputs)), U8(c.body)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(GoMethods, MethodsOutput, ::testing::ValuesIn(kOutputCases));

TEST_F(GoMethods, TranslatesTypesButNotNames) {
    UseTranslations({u"string=文本", u"Put=放入", u"s=值"});
    CWString expected = CrLfLines({u"方法 Put <公开 静态 类型= 文本 @嵌入式方法 = \"\" >", u"参数 s <类型 = 文本 >",
                                   u"{", u"  @ pkg.Put(@<s>)", u"}"});
    EXPECT_EQ(U8(Body(u"func Put(s string) string {")), U8(expected));
}

TEST(ConvertSliceTypeSuffix, MovesALeadingSliceMarkToTheEnd) {
    struct Case {
        std::u16string_view in, out;
    };
    const Case cases[] = {{u"[]E", u"E[]"},   {u"[][]int", u"[]int[]"},
                          {u"*[]T", u"*[]T"}, {u"map[K][]V", u"map[K][]V"},
                          {u"...F", u"...F"}, {u"", u""}};
    for (const Case& c : cases) {
        CWString type(c.in);
        EXPECT_EQ(ConvertSliceTypeSuffix(type), c.out);
        EXPECT_EQ(type, c.out);
    }
}

}  // namespace
