#include "tools/dbwrap/record_rows.h"

#include <limits>

#include "tools/dbwrap/column_types.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelComVariant;

namespace {

// For record sets whose rows are not all kept.
constexpr int kAnyRows = std::numeric_limits<int>::max();

// False when the record set is no answer: a failed call's, which is closed,
// or one of more than `mostRows` rows, which is closed unread.
template <typename ReadRow>
bool ForEachRow(rg_JiLuJiLei& rows, int mostRows, ReadRow readRow) {
    const bool answered = rows.IsOpen() && rows.GetRecordCount() <= mostRows;
    if (!answered) rows.Close();
    for (int i = 0; i < rows.GetRecordCount(); ++i) {
        readRow();
        rows.MoveNext();
    }
    rows.Close();
    return answered;
}

CWString FieldText(const rg_JiLuJiLei& rows, std::u16string_view field) {
    return CQelComVariant::ToText(rows.GetFieldValue(field));
}

// The catalogue queries name their result columns alike; only the words that
// mean "yes" differ between kinds.
struct CatalogueWords {
    std::u16string_view keyYes;
    std::u16string_view nullableYes;
    std::u16string_view autoIncrementYes;  // empty: the kind never says
};

ColumnsRead CatalogueColumnsFromRows(rg_JiLuJiLei& rows, const CatalogueWords& words) {
    rg_ShuJuKuBiaoJieGouShuZu columns;
    const bool answered = ForEachRow(rows, MostColumnsInATable, [&] {
        rg_ShuJuKuBiaoJieGou column;
        column.columnName = FieldText(rows, u"字段名称");
        column.type = FieldText(rows, u"字段类型");
        column.maxLength = FieldText(rows, u"最大长度");
        column.nullable = FieldText(rows, u"是否为空") == words.nullableYes;
        column.defaultValue = FieldText(rows, u"默认值");
        column.primaryKey = FieldText(rows, u"是否主键") == words.keyYes;
        if (!words.autoIncrementYes.empty())
            column.autoIncrement = FieldText(rows, u"是否自增") == words.autoIncrementYes;
        columns.push_back(std::move(column));
    });
    if (!answered) return std::nullopt;
    return columns;
}

}  // namespace

rg_WenBenShuZuLei TableNamesFromRows(rg_JiLuJiLei& rows, const CWString& field) {
    rg_WenBenShuZuLei names;
    ForEachRow(rows, MostTablesInACatalogue, [&] { names.push_back(FieldText(rows, field)); });
    return names;
}

rg_WenBenShuZuLei AccessTableNamesFromRows(rg_JiLuJiLei& tablesRowset) {
    rg_WenBenShuZuLei names;
    ForEachRow(tablesRowset, MostTablesInACatalogue, [&] {
        if (FieldText(tablesRowset, u"TABLE_TYPE") == u"TABLE") names.push_back(FieldText(tablesRowset, u"TABLE_NAME"));
    });
    return names;
}

ColumnsRead MySqlColumnsFromRows(rg_JiLuJiLei& rows) {
    rg_ShuJuKuBiaoJieGouShuZu columns;
    const bool answered = ForEachRow(rows, MostColumnsInATable, [&] {
        rg_ShuJuKuBiaoJieGou column;
        column.columnName = FieldText(rows, u"Field");
        TypeAndLength split = SplitTypeAndLength(FieldText(rows, u"Type"));
        column.type = std::move(split.type);
        column.maxLength = std::move(split.maxLength);
        column.primaryKey = FieldText(rows, u"Key") == u"PRI";
        column.nullable = FieldText(rows, u"Null") == u"YES";
        column.defaultValue = FieldText(rows, u"Default");
        column.autoIncrement = FieldText(rows, u"Extra").Contains(u"auto_increment");
        columns.push_back(std::move(column));
    });
    if (!answered) return std::nullopt;
    return columns;
}

ColumnsRead PostgreSqlColumnsFromRows(rg_JiLuJiLei& rows) {
    return CatalogueColumnsFromRows(rows, {u"是", u"YES", u"是"});
}

ColumnsRead SqlServerColumnsFromRows(rg_JiLuJiLei& rows) {
    return CatalogueColumnsFromRows(rows, {u"YES", u"YES", u"1"});
}

ColumnsRead OracleColumnsFromRows(rg_JiLuJiLei& rows) { return CatalogueColumnsFromRows(rows, {u"是", u"Y", u""}); }

ColumnsRead AccessColumnsFromRows(AccessRowsets& rowsets, const CWString& table) {
    rg_ShuJuKuBiaoJieGouShuZu columns;
    rg_JiLuJiLei& columnRows = rowsets.columns;
    // Every table's columns are in it: one record more than a table can have
    // is as many as are built.
    const bool columnsAnswered = ForEachRow(columnRows, kAnyRows, [&] {
        if (columns.size() > MostColumnsInATable || FieldText(columnRows, u"TABLE_NAME") != table) return;
        rg_ShuJuKuBiaoJieGou column;
        column.columnName = FieldText(columnRows, u"COLUMN_NAME");
        column.type = AdoTypeName(rg_qelvane_base::TextToInt(FieldText(columnRows, u"DATA_TYPE")));
        column.nullable = FieldText(columnRows, u"IS_NULLABLE") == u"-1";
        column.defaultValue = FieldText(columnRows, u"COLUMN_DEFAULT");
        column.maxLength = FieldText(columnRows, u"CHARACTER_MAXIMUM_LENGTH");
        columns.push_back(std::move(column));
    });

    CWString keyName;
    rg_JiLuJiLei& keyRows = rowsets.primaryKeys;
    const bool keysAnswered = ForEachRow(keyRows, kAnyRows, [&] {
        if (FieldText(keyRows, u"TABLE_NAME") == table) keyName = FieldText(keyRows, u"COLUMN_NAME");
    });

    if (!columnsAnswered || !keysAnswered) return std::nullopt;

    CWString autoIncrementName;
    if (rowsets.emptyQuery) {
        rg_JiLuJiLei& query = *rowsets.emptyQuery;
        if (!query.IsOpen()) return std::nullopt;
        for (int i = 0; i < query.GetFieldCount(); ++i) {
            const auto field = query.GetField(i);
            for (size_t j = 0; j < field.Properties.size(); ++j) {
                const auto& property = field.Properties[j];
                if (property.Name == u"ISAUTOINCREMENT" && CQelComVariant::ToBool(property.Value))
                    autoIncrementName = field.Name;
            }
        }
        query.Close();
    }

    // No key row (or no such field) leaves the name empty and marks nothing,
    // not even a column whose name read as empty.
    for (auto& column : columns) {
        column.primaryKey = !keyName.empty() && column.columnName == keyName;
        column.autoIncrement = !autoIncrementName.empty() && column.columnName == autoIncrementName;
    }
    if (columns.size() > MostColumnsInATable) return std::nullopt;
    return columns;
}

}  // namespace rg_qelvane_app
