// Random and hostile sources through every engine: each call must return and
// keep the output's fixed frame, whatever it is fed.
#include <random>

#include "support/generator_test.h"
#include "tools/gowrap/go_constants_engine.h"
#include "tools/gowrap/go_interface_engine.h"
#include "tools/gowrap/go_methods_engine.h"
#include "tools/gowrap/go_struct_engine.h"

using namespace rg_qelvane_app;
using namespace std::string_view_literals;

namespace {

const std::u16string_view kSeeds[] = {
    u"type Color int\r\nconst (\r\nRed Color = iota\r\nGreen\r\n)",
    u"type Store interface {\r\nGet(key string) (string, error)\r\nPut(k string, v []byte) error\r\n}",
    u"func (a *A) Run(b B,c C,d1,d2 D,e []E,f ...F) G {\r\nfunc Sum(a, b int) int {",
    u"type User struct {\r\nID int\r\nName, Email string\r\n*Base\r\n}",
};

// Pieces that steer the parsers into their corners.
const std::u16string_view kFragments[] = {
    u"func ", u"func (", u"(",  u")",  u"{", u"}",     u"[]",     u"...",       u",",      u" ",      u"\t", u"\r\n",
    u"\n",    u"//",     u"/*", u"*/", u"*", u"type ", u"const ", u"interface", u"struct", u"\u3000", u"名", u"\0"sv,
};

const std::u16string_view kHostile[] = {
    u"",
    u"      ",
    u"func ",
    u"func (",
    u"func ()",
    u"func ((((((",
    u"func ))))))",
    u"func ) ( {",
    u"func (a) ) ( , {",
    u"type  interface {\r\n(\r\n)\r\n}",
    u"type A interface {\r\n(,,,)\r\n)(\r\n}",
    u"type A struct {\r\n,,,\r\n, ,\r\n}",
    u"type A int\r\nconst (\r\n,\r\n \r\n)",
    u"SELECT * FROM users; -- not Go at all\r\n<html></html>",
    u"func A(\0) {\0\r\ntype \0 struct {\r\n\0\r\n}"sv,
};

class Engines {
public:
    void Feed(const CWString& source) {
        CWString output = rg_GOFangFaJieXiYinQing().ParseAndGenerate(source, u"", u"p", u"", false);
        EXPECT_TRUE(output.starts_with(generator_test::kHeader));
        rg_GOFangFaJieXiYinQing().ParseAndGenerate(source, u"C", u"p", u"M", true);
        rg_GOChangLiangJieXiYinQing().ParseAndGenerate(source, u"", u"p", u"");
        rg_GOJieKouJieXiYinQing().ParseAndGenerate(source, u"", u"p");
        rg_GOJieGouTiJieXiYinQing().ParseAndGenerate(source, u"", u"p", u"本地类");
    }
};

CWString Mutated(std::u16string_view seed, std::mt19937& random) {
    CWString text(seed);
    std::uniform_int_distribution<int> edits(1, 8);
    for (int n = edits(random); n > 0; --n) {
        size_t at = text.empty() ? 0 : std::uniform_int_distribution<size_t>(0, text.size())(random);
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0: {
                std::u16string_view piece = kFragments[random() % std::size(kFragments)];
                text.insert(at, piece);
                break;
            }
            case 1:
                if (at < text.size()) text.erase(at, std::uniform_int_distribution<size_t>(1, 6)(random));
                break;
            case 2:
                if (at < text.size()) text[at] = static_cast<char16_t>(random() % 0x80);
                break;
            default: text.insert(at, 1, static_cast<char16_t>(random() % 0x10000));
        }
    }
    return text;
}

TEST(GoEnginesFuzz, HostileSources) {
    Engines engines;
    for (std::u16string_view source : kHostile) engines.Feed(CWString(source));
}

// With translation on, every odd type and name also becomes a lookup key.
class GoEnginesFuzzTranslated : public generator_test::GeneratorTest {};

TEST_F(GoEnginesFuzzTranslated, HostileSourcesAsLookupKeys) {
    UseTranslations({u"int=整数", u"=空键", u"[]=括号", u"*=星", u"a=b=c"});
    Engines engines;
    for (std::u16string_view source : kHostile) engines.Feed(CWString(source));
    std::mt19937 random(99);
    for (int i = 0; i < 500; ++i) engines.Feed(Mutated(kSeeds[i % std::size(kSeeds)], random));
}

TEST(GoEnginesFuzz, HugeLines) {
    Engines engines;
    engines.Feed(CWString(100000, u'('));
    engines.Feed(u"func " + CWString(100000, u'x') + u"(a int) {");
    engines.Feed(u"type A interface {\r\nRun(" + CWString(100000, u',') + u")\r\n}");
    engines.Feed(u"type A struct {\r\n" + CWString(100000, u' ') + u"X int\r\n}");
}

TEST(GoEnginesFuzz, MutatedSources) {
    std::mt19937 random(20240601);
    Engines engines;
    for (int i = 0; i < 3000; ++i) engines.Feed(Mutated(kSeeds[i % std::size(kSeeds)], random));
}

TEST(GoEnginesFuzz, RandomFragmentSoup) {
    std::mt19937 random(7);
    Engines engines;
    for (int i = 0; i < 2000; ++i) {
        CWString text;
        for (int n = static_cast<int>(random() % 40); n > 0; --n)
            text.append(kFragments[random() % std::size(kFragments)]);
        engines.Feed(text);
    }
}

}  // namespace
