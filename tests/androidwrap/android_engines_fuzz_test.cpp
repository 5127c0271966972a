// Random and hostile sources through every Android engine: each call must
// return, and a generated text keeps its fixed frame, whatever it is fed.
#include <random>

#include "support/generator_test.h"
#include "tools/androidwrap/android_array_engine.h"
#include "tools/androidwrap/android_class_engine.h"
#include "tools/androidwrap/android_enum_engine.h"
#include "tools/androidwrap/android_interface_engine.h"

using namespace rg_qelvane_app;
using namespace std::string_view_literals;

namespace {

const std::u16string_view kSeeds[] = {
    u"package a.b;\r\nimport x.Y;\r\n/** doc */\r\npublic interface Api {\r\nString get(String k) throws E;\r\n"
    u"void put(String k, byte[] v, String... rest);\r\n}",
    u"package p;\r\npublic enum Color { RED(1), GREEN(2), BLUE;\r\nprivate final int v;\r\n}",
    u"package p;\r\npublic class A {\r\npublic int x;\r\npublic A(int a) {\r\n}\r\npublic static A of() {\r\n}\r\n"
    u"@Deprecated\r\npublic void old() {}\r\npublic List<String> names(Map<K, V> m) throws E {\r\n}\r\n}",
    u"/** @deprecated */\r\n@Override public abstract void gone(int a);\r\ninterface B { void f(); }",
};

// Pieces that steer the cleaners and patterns into their corners.
const std::u16string_view kFragments[] = {
    u"/**",   u"*/",       u"/*",      u"//",          u"*",           u"(",         u")",       u"{",
    u"}",     u";",        u",",       u"...",         u"<",           u">",         u"[]",      u" ",
    u"\t",    u"\r\n",     u"\n",      u"public ",     u"private ",    u"static ",   u"class ",  u"interface ",
    u"enum ", u"package ", u"import ", u"@Deprecated", u"@deprecated", u"@NonNull ", u"throws ", u"void ",
    u"ABC",   u"名",       u"\u3000",  u"\0"sv,        u"\xD800"sv,
};

const std::u16string_view kHostile[] = {
    u"",
    u"   ",
    u"class",
    u"class A",
    u"class A {",
    u"public A(",
    u"public static ( ) {",
    u"interface A { void (;",
    u"interface A { ,,, f(,,,); }",
    u"enum A { ( ) ; , }",
    u"/** @deprecated",
    u"/**/**/**/",
    u"private ",
    u"@Deprecated",
    u"package ;",
    u"class A {\0}"sv,
};

// A generated class ends with its brace; a refusal is one message.
void ExpectFrame(const CWString& output) {
    EXPECT_TRUE(output.starts_with(generator_test::kHeader) ? output.ends_with(u"\r\n}") : !output.empty());
}

void Feed(const CWString& source) {
    for (const CWString& name : {CWString(), CWString(u"N")}) {
        ExpectFrame(rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, name, u""));
        ExpectFrame(rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, name, u"p"));
        ExpectFrame(rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, name, u"", true));
    }
    CWString family = rg_AnZhuoShuZuJieXiYinQing().RunArrayWrapping(source.Left(40), source.Mid(40, 10), u"类", true);
    EXPECT_TRUE(family.starts_with(generator_test::kHeader));
}

CWString Mutated(std::u16string_view seed, std::mt19937& random) {
    CWString text(seed);
    int edits = std::uniform_int_distribution<int>(1, 12)(random);
    for (int e = 0; e < edits; ++e) {
        size_t at = std::uniform_int_distribution<size_t>(0, text.size())(random);
        switch (random() % 3) {
            case 0: text.insert(at, kFragments[random() % std::size(kFragments)]); break;
            case 1: text.erase(at, std::uniform_int_distribution<size_t>(0, 8)(random)); break;
            default:
                text.insert(at, 1, static_cast<char16_t>(std::uniform_int_distribution<int>(0, 0xFFFF)(random)));
                break;
        }
    }
    return text;
}

}  // namespace

class AndroidEnginesFuzz : public generator_test::GeneratorTest {};

TEST_F(AndroidEnginesFuzz, HostileSources) {
    for (std::u16string_view source : kHostile) Feed(CWString(source));
}

TEST_F(AndroidEnginesFuzz, MutatedSources) {
    UseTranslations({u"int=整数型", u"String=文本型", u"RED=红"});
    std::mt19937 random(20240501);
    for (int round = 0; round < 300; ++round) Feed(Mutated(kSeeds[round % std::size(kSeeds)], random));
}

TEST_F(AndroidEnginesFuzz, RandomFragmentSoup) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        CWString text;
        int pieces = std::uniform_int_distribution<int>(0, 80)(random);
        for (int p = 0; p < pieces; ++p) text += kFragments[random() % std::size(kFragments)];
        Feed(text);
    }
}
