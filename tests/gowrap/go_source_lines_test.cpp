#include <gtest/gtest.h>

#include "support/generator_test.h"
#include "tools/gowrap/go_interface_engine.h"
#include "tools/gowrap/go_source_lines.h"

using namespace rg_qelvane_app;

namespace {

struct ScanCase {
    const char* what;
    std::u16string_view source;
    rg_WenBenShuZuLei withBlocksRemoved;
    rg_WenBenShuZuLei withBlocksKept;
};

const ScanCase kScanCases[] = {
    {"empty source", u"", {}, {}},
    {"blank lines vanish", u"  \r\n\r\n\t\r\na\r\n \u3000 ", {u"a"}, {u"a"}},
    {"trailing comment keeps the blank before it", u"  Red = 1 // first\r\n", {u"Red = 1 "}, {u"Red = 1 "}},
    {"indented comment line vanishes", u"   // note\r\nB", {u"B"}, {u"B"}},
    {"comment start inside a string cuts the line", u"X = \"http://a\"", {u"X = \"http:"}, {u"X = \"http:"}},
    {"one-line block opens a block that the next */ closes",
     u"/* a */\r\nB\r\nC */\r\nD",
     {u"D"},
     {u"/* a */", u"B", u"C */", u"D"}},
    {"block never closed drops the rest", u"A\r\n/* x\r\nB\r\nC", {u"A"}, {u"A", u"/* x", u"B", u"C"}},
    {"a // line inside a block reaches the result",
     u"/*\r\nX // y\r\n*/\r\nZ",
     {u"X ", u"Z"},
     {u"/*", u"X ", u"*/", u"Z"}},
    {"code before a one-line block comment is lost with it",
     u"A = 1 /* one */\r\nB\r\n*/\r\nC",
     {u"C"},
     {u"A = 1 /* one */", u"B", u"*/", u"C"}},
    {"LF alone does not end a line", u"A\nB\r\nC", {u"A\nB", u"C"}, {u"A\nB", u"C"}},
};

class ScanLines : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanLines, BothScanners) {
    const ScanCase& c = GetParam();
    EXPECT_EQ(SplitGoSourceLines(CWString(c.source)), c.withBlocksRemoved) << c.what;
    CWString source(c.source);
    EXPECT_EQ(rg_GOJieKouJieXiYinQing::SplitSourceLines(source), c.withBlocksKept) << c.what;
}

INSTANTIATE_TEST_SUITE_P(GoSourceLines, ScanLines, ::testing::ValuesIn(kScanCases));

TEST(GoSourceLines, InterfaceScannerTrimsItsSourceInPlace) {
    CWString source = u"\r\n  type A interface {\r\n}\r\n ";
    rg_GOJieKouJieXiYinQing::SplitSourceLines(source);
    EXPECT_EQ(source, u"type A interface {\r\n}");
}

}  // namespace
