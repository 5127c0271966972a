#include <gtest/gtest.h>

#include <functional>

#include "platform/db/value_cells.h"
#include "support/column_records.h"
#include "tools/dbwrap/record_rows.h"

using namespace rg_qelvane_app;
using rg_qelvane_base::CQelComVariant;
using rg_qelvane_windows_ShuJuKu::CQelField;

namespace {

const CQelComVariant kNull = CQelComVariant::Null();

// `row` `times` times, then `last`, laid out as a reply brings them.
rg_JiLuJiLei Repeated(const std::vector<CWString>& names, const rg_JiLuJiLei::Row& row, int times,
                      const std::vector<rg_JiLuJiLei::Row>& last = {}) {
    std::vector<CQelField> fields;
    for (const CWString& name : names) fields.push_back({name, rg_qelvane_windows_ShuJuKu::adVarWChar, {}});
    auto cellsOf = [](const rg_JiLuJiLei::Row& values) {
        std::string cells;
        for (const CQelComVariant& value : values) rg_qelvane_windows_ShuJuKu::AppendCell(cells, value);
        return cells;
    };
    const std::string once = cellsOf(row);
    std::string cells;
    cells.reserve(once.size() * times);
    for (int i = 0; i < times; ++i) cells += once;
    for (const rg_JiLuJiLei::Row& values : last) cells += cellsOf(values);
    return rg_JiLuJiLei::FromCells(std::move(fields), times + last.size(), std::move(cells));
}

rg_ShuJuKuBiaoJieGou Column(CWString name, CWString type, bool key, bool autoIncrement, bool nullable,
                            CWString length = {}, CWString defaultValue = {}) {
    return {std::move(name),   std::move(type),         key, autoIncrement, nullable,
            std::move(length), std::move(defaultValue), {}};
}

const std::vector<CWString> kCatalogueFields = {u"字段名称", u"字段类型", u"最大长度", u"是否为空",
                                                u"默认值",   u"是否主键", u"是否自增"};
const std::vector<CWString> kAccessColumnFields = {u"TABLE_NAME", u"COLUMN_NAME"};
const std::vector<CWString> kAccessKeyFields = {u"TABLE_NAME", u"COLUMN_NAME"};

// How many records a read built; none when it failed.
std::size_t Built(const ColumnsRead& read) { return read ? read->size() : 0; }

// The Access reader on a columns rowset, with an answered keys rowset and no query.
ColumnsRead AccessColumnsOf(rg_JiLuJiLei& columns) {
    AccessRowsets rowsets;
    rowsets.columns = std::move(columns);
    rowsets.primaryKeys = rg_JiLuJiLei::FromRows(kAccessKeyFields, {});
    return AccessColumnsFromRows(rowsets, u"t");
}

TEST(RecordRowsTest, SqlServerRowsRepeatAColumnOncePerKeyRow) {
    auto rows = rg_JiLuJiLei::FromRows(kCatalogueFields, {
                                                             {u"id", u"int", kNull, u"NO", kNull, u"YES", 1},
                                                             {u"id", u"int", kNull, u"NO", kNull, u"YES", 1},
                                                             {u"name", u"nvarchar", 50, u"YES", u"(N'x')", u"NO", 0},
                                                             {u"body", u"nvarchar", -1, u"YES", u"((0))", u"NO", kNull},
                                                         });
    EXPECT_EQ(SqlServerColumnsFromRows(rows),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"int", 1, 1, 0), Column(u"id", u"int", 1, 1, 0),
                                         Column(u"name", u"nvarchar", 0, 0, 1, u"50", u"(N'x')"),
                                         Column(u"body", u"nvarchar", 0, 0, 1, u"-1", u"((0))")}));
    EXPECT_FALSE(rows.IsOpen());
}

TEST(RecordRowsTest, OracleAndPostgreSqlUseTheirOwnYesWords) {
    // Oracle's field names come back in capitals; Oracle never marks auto-increment.
    auto oracle = rg_JiLuJiLei::FromRows({u"字段名称", u"字段类型", u"最大长度", u"是否为空", u"默认值", u"是否主键"},
                                         {
                                             {u"ID", u"NUMBER", 22, u"N", kNull, u"是"},
                                             {u"NAME", u"VARCHAR2", 40, u"Y", u"'x' ", u"否"},
                                             {u"FLAG", u"CHAR", 1, u"YES", kNull, u"YES"},
                                         });
    EXPECT_EQ(OracleColumnsFromRows(oracle),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"ID", u"NUMBER", 1, 0, 0, u"22"),
                                         Column(u"NAME", u"VARCHAR2", 0, 0, 1, u"40", u"'x' "),
                                         Column(u"FLAG", u"CHAR", 0, 0, 0, u"1")}));

    auto postgres = rg_JiLuJiLei::FromRows(
        kCatalogueFields, {
                              {u"id", u"integer", kNull, u"NO", u"nextval('t_id_seq'::regclass)", u"是", u"是"},
                              {u"name", u"character varying", 20, u"YES", kNull, u"否", u"否"},
                          });
    EXPECT_EQ(PostgreSqlColumnsFromRows(postgres),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"integer", 1, 1, 0, u"", u"nextval('t_id_seq'::regclass)"),
                                         Column(u"name", u"character varying", 0, 0, 1, u"20")}));
}

TEST(RecordRowsTest, MySqlRowsSplitTheTypeAndMarkEveryKeyColumn) {
    auto rows =
        rg_JiLuJiLei::FromRows({u"Field", u"Type", u"Null", u"Key", u"Default", u"Extra"},
                               {
                                   {u"a", u"int(11) unsigned", u"NO", u"PRI", kNull, u"on update auto_increment x"},
                                   {u"b", u"varchar(20)", u"NO", u"PRI", u"x", u""},
                                   {u"c", u"text", u"YES", u"MUL", kNull, u""},
                               });
    EXPECT_EQ(MySqlColumnsFromRows(rows), (rg_ShuJuKuBiaoJieGouShuZu{Column(u"a", u"int", 1, 1, 0, u"11"),
                                                                     Column(u"b", u"varchar", 1, 0, 0, u"20", u"x"),
                                                                     Column(u"c", u"text", 0, 0, 1)}));
}

TEST(RecordRowsTest, AccessMarksTheLastKeyRowAndTheLastAutoIncrementField) {
    AccessRowsets rowsets;
    rowsets.columns = rg_JiLuJiLei::FromRows(
        {u"TABLE_NAME", u"COLUMN_NAME", u"DATA_TYPE", u"IS_NULLABLE", u"COLUMN_DEFAULT", u"CHARACTER_MAXIMUM_LENGTH"},
        {
            {u"Orders", u"No", 3, false, kNull, kNull},
            {u"Other", u"x", 3, true, kNull, kNull},
            {u"Orders", u"Line", 2, false, u"0", kNull},
            {u"Orders", u"Note", 202, true, kNull, 255},
            {u"orders", u"lower", 130, true, kNull, kNull},
            {u"Orders", u"Odd", 999, kNull, kNull, kNull},
        });
    rowsets.primaryKeys = rg_JiLuJiLei::FromRows({u"TABLE_NAME", u"COLUMN_NAME"},
                                                 {{u"Orders", u"No"}, {u"Other", u"x"}, {u"Orders", u"Line"}});
    rowsets.emptyQuery = rg_JiLuJiLei(
        {CQelField{u"No", 3, {{u"ISAUTOINCREMENT", true}}}, CQelField{u"Line", 2, {{u"ISAUTOINCREMENT", false}}},
         CQelField{u"Note", 202, {{u"isautoincrement", true}}}},
        {});
    EXPECT_EQ(AccessColumnsFromRows(rowsets, u"Orders"),
              (rg_ShuJuKuBiaoJieGouShuZu{
                  Column(u"No", u"Integer", 0, 1, 0), Column(u"Line", u"SmallInt", 1, 0, 0, u"", u"0"),
                  Column(u"Note", u"VarWChar", 0, 0, 1, u"255"), Column(u"Odd", u"未知类型", 0, 0, 0)}));
}

TEST(RecordRowsTest, TableNamesKeepTheirOrderAndAccessListsOnlyTables) {
    auto names = rg_JiLuJiLei::FromRows({u"TABLE_NAME"}, {{u"b"}, {u"a"}, {u"b"}, {kNull}});
    EXPECT_EQ(TableNamesFromRows(names, u"table_name"), (rg_WenBenShuZuLei{u"b", u"a", u"b", u""}));
    auto tables = rg_JiLuJiLei::FromRows({u"TABLE_NAME", u"TABLE_TYPE"}, {{u"MSysObjects", u"SYSTEM TABLE"},
                                                                          {u"Asset Items", u"TABLE"},
                                                                          {u"q", u"VIEW"},
                                                                          {u"t", u"table"},
                                                                          {u"l", u"LINK"}});
    EXPECT_EQ(AccessTableNamesFromRows(tables), (rg_WenBenShuZuLei{u"Asset Items"}));
}

TEST(RecordRowsTest, MoreRowsThanTheStatementCanGiveGiveNothing) {
    auto accessColumns = [](rg_JiLuJiLei& rows) { return Built(AccessColumnsOf(rows)); };
    struct Case {
        const char* what;
        std::vector<CWString> fields;
        rg_JiLuJiLei::Row row;  // read as one name or record
        int most;
        std::function<std::size_t(rg_JiLuJiLei&)> read;
    };
    const Case cases[] = {
        {"MySQL columns",
         {u"Field", u"Type"},
         {u"c", u"int"},
         MostColumnsInATable,
         [](rg_JiLuJiLei& rows) { return Built(MySqlColumnsFromRows(rows)); }},
        {"catalogue columns",
         {u"字段名称"},
         {u"c"},
         MostColumnsInATable,
         [](rg_JiLuJiLei& rows) { return Built(PostgreSqlColumnsFromRows(rows)); }},
        {"Access columns", kAccessColumnFields, {u"t", u"c"}, MostColumnsInATable, accessColumns},
        {"table names",
         {u"table_name"},
         {u"t"},
         MostTablesInACatalogue,
         [](rg_JiLuJiLei& rows) { return TableNamesFromRows(rows, u"table_name").size(); }},
        {"Access tables",
         {u"TABLE_NAME", u"TABLE_TYPE"},
         {u"t", u"TABLE"},
         MostTablesInACatalogue,
         [](rg_JiLuJiLei& rows) { return AccessTableNamesFromRows(rows).size(); }},
    };
    for (const Case& c : cases) {
        rg_JiLuJiLei tooMany = Repeated(c.fields, c.row, c.most + 1);
        EXPECT_EQ(c.read(tooMany), 0u) << c.what;
    }
    // The Access columns rowset holds every table's columns: only the table's own rows count.
    rg_JiLuJiLei others = Repeated(kAccessColumnFields, {u"other", u"c"}, MostColumnsInATable + 1, {{u"t", u"c"}});
    EXPECT_EQ(accessColumns(others), 1u);
}

TEST(RecordRowsTest, ClosedOrNullRowsGiveNothingOrEmptyRecords) {
    rg_JiLuJiLei closed;
    EXPECT_EQ(MySqlColumnsFromRows(closed), std::nullopt);
    EXPECT_TRUE(TableNamesFromRows(closed, u"table_name").empty());
    AccessRowsets none;
    EXPECT_EQ(AccessColumnsFromRows(none, u"t"), std::nullopt);
    // A field the rows lack, or NULL everywhere, reads as empty and flags 0.
    auto nulls = rg_JiLuJiLei::FromRows(kCatalogueFields, {{kNull, kNull, kNull, kNull, kNull, kNull, kNull}, {}});
    EXPECT_EQ(SqlServerColumnsFromRows(nulls), (rg_ShuJuKuBiaoJieGouShuZu(2)));
    auto wrongFields = rg_JiLuJiLei::FromRows({u"other"}, {{u"x"}});
    EXPECT_EQ(TableNamesFromRows(wrongFields, u"table_name"), (rg_WenBenShuZuLei{u""}));
}

// A column read that failed must not pass for a table without columns: a
// failed call (a closed record set) and rows that are no answer give null,
// an answer without rows gives no records.
TEST(RecordRowsTest, AFailedColumnReadIsToldApartFromATableWithoutColumns) {
    using Reader = std::function<ColumnsRead(rg_JiLuJiLei&)>;
    const struct {
        const char* what;
        std::vector<CWString> fields;
        Reader read;
    } readers[] = {
        {"MySQL", {u"Field", u"Type"}, MySqlColumnsFromRows},
        {"PostgreSQL", kCatalogueFields, PostgreSqlColumnsFromRows},
        {"SQL Server", kCatalogueFields, SqlServerColumnsFromRows},
        {"Oracle", kCatalogueFields, OracleColumnsFromRows},
        {"Access", kAccessColumnFields, AccessColumnsOf},
    };
    for (const auto& reader : readers) {
        rg_JiLuJiLei failed;
        EXPECT_EQ(reader.read(failed), std::nullopt) << reader.what;
        rg_JiLuJiLei noRows = rg_JiLuJiLei::FromRows(reader.fields, {});
        EXPECT_EQ(reader.read(noRows), rg_ShuJuKuBiaoJieGouShuZu{}) << reader.what;
        rg_JiLuJiLei::Row row(reader.fields.size(), u"c");
        row.front() = u"t";  // the Access rows name their table first
        rg_JiLuJiLei tooMany = Repeated(reader.fields, row, MostColumnsInATable + 1);
        EXPECT_EQ(reader.read(tooMany), std::nullopt) << reader.what;
    }

    // Access reads three record sets: any of them failing fails the read,
    // but a query not run (a name that cannot be quoted) only loses the mark.
    const auto accessRowsets = [] {
        AccessRowsets rowsets;
        rowsets.columns = rg_JiLuJiLei::FromRows(kAccessColumnFields, {{u"t", u"id"}});
        rowsets.primaryKeys = rg_JiLuJiLei::FromRows(kAccessKeyFields, {{u"t", u"id"}});
        rowsets.emptyQuery = rg_JiLuJiLei({CQelField{u"id", 3, {{u"ISAUTOINCREMENT", true}}}}, {});
        return rowsets;
    };
    const struct {
        const char* what;
        std::function<void(AccessRowsets&)> change;
        ColumnsRead expected;
    } accessCases[] = {
        {"all answered", [](AccessRowsets&) {}, rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"未知类型", 1, 1, 0)}},
        {"query not run", [](AccessRowsets& r) { r.emptyQuery.reset(); },
         rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"未知类型", 1, 0, 0)}},
        {"columns failed", [](AccessRowsets& r) { r.columns.Close(); }, std::nullopt},
        {"keys failed", [](AccessRowsets& r) { r.primaryKeys.Close(); }, std::nullopt},
        {"query failed", [](AccessRowsets& r) { r.emptyQuery->Close(); }, std::nullopt},
    };
    for (const auto& c : accessCases) {
        AccessRowsets rowsets = accessRowsets();
        c.change(rowsets);
        EXPECT_EQ(AccessColumnsFromRows(rowsets, u"t"), c.expected) << c.what;
    }
}

}  // namespace
