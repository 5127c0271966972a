// The order the reader gives an Access file's tables schema in: the
// providers' own, as near as it can be told here.
#include <gtest/gtest.h>

#include "dbreader/access_table_order.h"

using namespace rg_qelvane_windows_ShuJuKu;

namespace {

struct Given {
    CWString type, name;
};

std::vector<CWString> Sorted(const std::vector<Given>& given) {
    std::vector<CQelCatalogTable> tables;
    for (const Given& table : given) tables.push_back({{}, {}, table.name, table.type, {}});
    SortInAccessOrder(tables);
    std::vector<CWString> names;
    for (const CQelCatalogTable& table : tables) names.push_back(table.name);
    return names;
}

std::vector<Given> Tables(std::initializer_list<CWString> names) {
    std::vector<Given> tables;
    for (const CWString& name : names) tables.push_back({u"TABLE", name});
    return tables;
}

TEST(AccessTableOrder, SortsByTypeThenNameAsTheProvidersCompareText) {
    struct Case {
        const char* rule;
        std::vector<Given> given;  // in the file's order
        std::vector<CWString> sorted;
    };
    const Case cases[] = {
        {"punctuation, blanks and symbols, by code, before digits",
         Tables({u"1", u"~", u"_a", u" a", u"#a"}),
         {u" a", u"#a", u"_a", u"~", u"1"}},
        {"punctuation, blanks and symbols beyond ASCII too, by code",
         Tables({u"a", u"（", u"1", u"—", u"\u3000", u"×", u"、", u"\u00a0", u"~"}),
         {u"~", u"\u00a0", u"×", u"—", u"\u3000", u"、", u"（", u"1", u"a"}},
        {"digits before letters, by value", Tables({u"b", u"2", u"A", u"10"}), {u"10", u"2", u"A", u"b"}},
        {"letters without regard to case", Tables({u"beta", u"Gamma", u"ALPHA"}), {u"ALPHA", u"beta", u"Gamma"}},
        {"other characters after the letters, by code, case folded",
         Tables({u"表", u"É2", u"z", u"Ω", u"é"}),
         {u"z", u"é", u"É2", u"Ω", u"表"}},
        {"a name that begins another comes first",
         Tables({u"Orders", u"Order Details", u"Order"}),
         {u"Order", u"Order Details", u"Orders"}},
        {"names equal in the order keep the file's order",
         Tables({u"ab", u"AB", u"a", u"Ab"}),
         {u"a", u"ab", u"AB", u"Ab"}},
        {"the type comes first",
         {{u"VIEW", u"a"}, {u"TABLE", u"b"}, {u"SYSTEM TABLE", u"MSysObjects"}, {u"LINK", u"c"}, {u"TABLE", u"a"}},
         {u"c", u"MSysObjects", u"a", u"b", u"a"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Sorted(c.given), c.sorted) << c.rule;
}

}  // namespace
