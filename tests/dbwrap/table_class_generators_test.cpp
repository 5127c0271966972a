// The two table class generators on column records, exact to the character.
#include <map>

#include "support/generator_test.h"
#include "tools/dbwrap/table_class_generators.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

rg_ShuJuKuBiaoJieGou Column(const CWString& name, const CWString& type, bool key = false) {
    rg_ShuJuKuBiaoJieGou column;
    column.columnName = name;
    column.type = type;
    column.primaryKey = key;
    return column;
}

// Tables by name; a table not listed has no columns.
ColumnReader Schema(std::map<CWString, rg_ShuJuKuBiaoJieGouShuZu> tables) {
    return [tables = std::move(tables)](const CWString& table) {
        auto found = tables.find(table);
        return found == tables.end() ? rg_ShuJuKuBiaoJieGouShuZu{} : found->second;
    };
}

const ColumnReader kUserTable = Schema({{u"user", {Column(u"id", u"int", 1), Column(u"name", u"varchar")}}});

using TableClassGenerators = generator_test::GeneratorTest;

TEST_F(TableClassGenerators, PlainClassOfOneTable) {
    EXPECT_EQ(U8(GeneratePlainClassCode({u"user"}, kUserTable)),
              U8(CrLfLines({kHeader, u"", u"类 user <公开>", u"{", u"\t变量 id <公开 类型 = int 注释 = \"\">",
                            u"\t变量 name <公开 类型 = varchar 注释 = \"\">", u"}"})));
}

TEST_F(TableClassGenerators, ServerClassWithBothTags) {
    EXPECT_EQ(U8(GenerateGormJsonCode({u"user"}, kUserTable, {.gorm = true, .json = true})),
              U8(CrLfLines({kHeader, u"", u"类 user <公开>", u"{",
                            u"\t变量 id <公开 类型 = int @输出名 = \"Id\" @服务器.标签 = \"gorm:\\\"primarykey\\\" "
                            u"json:\\\"id\\\"\" 注释 = \"\">",
                            u"\t变量 name <公开 类型 = varchar @输出名 = \"Name\" @服务器.标签 = \"json:\\\"name\\\"\" "
                            u"注释 = \"\">",
                            u"\t方法 表名 <公开 类型 = 文本型  @强制输出 = 真 @输出名 = \"TableName\">", u"\t{",
                            u"\t\t返回 (\"user\")", u"\t}", u"", u"}"})));
}

TEST_F(TableClassGenerators, TagByBoxesAndKey) {
    const CWString both = u"@服务器.标签 = \"gorm:\\\"primarykey\\\" json:\\\"id\\\"\"";
    const CWString gorm = u"@服务器.标签 = \"gorm:\\\"primarykey\\\"\"";
    const CWString json = u"@服务器.标签 = \"json:\\\"id\\\"\"";
    struct Case {
        bool gorm, key, json;
        CWString tag;
    } cases[] = {
        {true, true, true, both},  {true, true, false, gorm},  {true, false, true, json}, {true, false, false, u""},
        {false, true, true, json}, {false, false, true, json}, {false, true, false, u""}, {false, false, false, u""},
    };
    for (const Case& c : cases) {
        ColumnReader table = Schema({{u"t", {Column(u"id", u"int", c.key)}}});
        CWString text = GenerateGormJsonCode({u"t"}, table, {.gorm = c.gorm, .json = c.json});
        CWString line = u"\t变量 id <公开 类型 = int @输出名 = \"Id\" " + c.tag + u" 注释 = \"\">\r\n";
        EXPECT_TRUE(text.Contains(line)) << c.gorm << c.key << c.json << "\n" << U8(text);
    }
}

TEST_F(TableClassGenerators, TablesWithoutColumnsAndNoTablesAtAll) {
    ColumnReader none = Schema({});
    EXPECT_EQ(U8(GeneratePlainClassCode({}, none)), U8(CrLfLines({kHeader, u""})));
    EXPECT_EQ(U8(GenerateGormJsonCode({}, none, {})), U8(CrLfLines({kHeader, u""})));
    EXPECT_EQ(U8(GeneratePlainClassCode({u"a", u"b"}, none)),
              U8(CrLfLines({kHeader, u"", u"类 a <公开>", u"{", u"}", u"类 b <公开>", u"{", u"}"})));
    EXPECT_EQ(U8(GenerateGormJsonCode({u"a"}, none, {})),
              U8(CrLfLines({kHeader, u"", u"类 a <公开>", u"{",
                            u"\t方法 表名 <公开 类型 = 文本型  @强制输出 = 真 @输出名 = \"TableName\">", u"\t{",
                            u"\t\t返回 (\"a\")", u"\t}", u"", u"}"})));
}

// Only what was read whole is written: a class without members would pass for
// a table without columns.
TEST_F(TableClassGenerators, ATableWhoseColumnsCouldNotBeReadGetsNoClass) {
    const ColumnReader failsOnB = [](const CWString& table) -> ColumnsRead {
        if (table == u"b") return std::nullopt;
        return rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"int")};
    };
    EXPECT_EQ(U8(GeneratePlainClassCode({u"a", u"b", u"c"}, failsOnB)),
              U8(CrLfLines({kHeader, u"", u"类 a <公开>", u"{", u"\t变量 id <公开 类型 = int 注释 = \"\">", u"}",
                            u"类 c <公开>", u"{", u"\t变量 id <公开 类型 = int 注释 = \"\">", u"}"})));
    EXPECT_EQ(U8(GenerateGormJsonCode({u"b"}, failsOnB, {.gorm = true, .json = true})), U8(CrLfLines({kHeader, u""})));
}

TEST_F(TableClassGenerators, NamesWithBlanksQuotesAndPercentGoInUnchanged) {
    ColumnReader odd = Schema({{u"my \"t\" %s", {Column(u"first name", u"char(10)"), Column(u"a\"b%d", u"x")}}});
    CWString plain = GeneratePlainClassCode({u"my \"t\" %s"}, odd);
    EXPECT_TRUE(plain.Contains(u"类 my \"t\" %s <公开>\r\n")) << U8(plain);
    EXPECT_TRUE(plain.Contains(u"\t变量 first name <公开 类型 = char(10) 注释 = \"\">\r\n"));
    EXPECT_TRUE(plain.Contains(u"\t变量 a\"b%d <公开 类型 = x 注释 = \"\">\r\n"));
    CWString server = GenerateGormJsonCode({u"my \"t\" %s"}, odd, {.json = true});
    EXPECT_TRUE(server.Contains(u"@输出名 = \"First name\" @服务器.标签 = \"json:\\\"first name\\\"\"")) << U8(server);
    EXPECT_TRUE(server.Contains(u"\t\t返回 (\"my \"t\" %s\")\r\n"));
}

TEST_F(TableClassGenerators, TranslationReachesNamesAndTypesOnly) {
    UseTranslations({u"user=用户", u"id=编号", u"int=整数", u"name=名称"});
    CWString server = GenerateGormJsonCode({u"user"}, kUserTable, {.json = true});
    EXPECT_TRUE(server.Contains(u"类 user <公开>")) << U8(server);
    EXPECT_TRUE(server.Contains(u"\t变量 编号 <公开 类型 = 整数 @输出名 = \"Id\" @服务器.标签 = \"json:\\\"id\\\"\""));
    EXPECT_TRUE(server.Contains(u"\t\t返回 (\"user\")"));
    EXPECT_TRUE(GeneratePlainClassCode({u"user"}, kUserTable).Contains(u"\t变量 名称 <公开 类型 = varchar 注释"));
    TranslateEnabled = false;
    EXPECT_TRUE(GeneratePlainClassCode({u"user"}, kUserTable).Contains(u"\t变量 id <公开 类型 = int 注释"));
}

}  // namespace
