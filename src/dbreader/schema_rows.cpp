#include "dbreader/schema_rows.h"

#include <sql.h>
#include <sqlext.h>

namespace rg_qelvane_windows_ShuJuKu {

namespace {

std::vector<CQelField> Fields(std::initializer_list<std::pair<const char16_t*, int>> fields) {
    std::vector<CQelField> out;
    for (const auto& [name, type] : fields) out.push_back({name, type, {}});
    return out;
}

const CQelComVariant kNull = CQelComVariant::Null();

}  // namespace

rg_JiLuJiLei TablesSchema(const std::vector<CQelCatalogTable>& tables) {
    std::vector<rg_JiLuJiLei::Row> rows;
    for (const CQelCatalogTable& t : tables)
        rows.push_back({t.catalog, t.schema, t.name, t.type, kNull, t.description, kNull, kNull, kNull});
    return rg_JiLuJiLei(Fields({{u"TABLE_CATALOG", adVarWChar},
                                {u"TABLE_SCHEMA", adVarWChar},
                                {u"TABLE_NAME", adVarWChar},
                                {u"TABLE_TYPE", adVarWChar},
                                {u"TABLE_GUID", adGUID},
                                {u"DESCRIPTION", adVarWChar},
                                {u"TABLE_PROPID", adInteger},
                                {u"DATE_CREATED", adDate},
                                {u"DATE_MODIFIED", adDate}}),
                        std::move(rows));
}

rg_JiLuJiLei ColumnsSchema(const std::vector<CQelCatalogColumn>& columns) {
    std::vector<rg_JiLuJiLei::Row> rows;
    for (const CQelCatalogColumn& c : columns) {
        const bool hasDefault = !c.defaultValue.IsNull() && !c.defaultValue.IsEmpty();
        rows.push_back({c.catalog,  c.schema,       c.table, c.name,     kNull,     kNull, c.ordinal,
                        hasDefault, c.defaultValue, kNull,   c.nullable, c.adoType, kNull, c.maximumLength,
                        kNull,      c.precision,    c.scale, kNull,      kNull,     kNull, kNull,
                        kNull,      kNull,          kNull,   kNull,      kNull,     kNull, c.description});
    }
    return rg_JiLuJiLei(Fields({{u"TABLE_CATALOG", adVarWChar},
                                {u"TABLE_SCHEMA", adVarWChar},
                                {u"TABLE_NAME", adVarWChar},
                                {u"COLUMN_NAME", adVarWChar},
                                {u"COLUMN_GUID", adGUID},
                                {u"COLUMN_PROPID", adInteger},
                                {u"ORDINAL_POSITION", adInteger},
                                {u"COLUMN_HASDEFAULT", adBoolean},
                                {u"COLUMN_DEFAULT", adVarWChar},
                                {u"COLUMN_FLAGS", adInteger},
                                {u"IS_NULLABLE", adBoolean},
                                {u"DATA_TYPE", adSmallInt},
                                {u"TYPE_GUID", adGUID},
                                {u"CHARACTER_MAXIMUM_LENGTH", adInteger},
                                {u"CHARACTER_OCTET_LENGTH", adInteger},
                                {u"NUMERIC_PRECISION", adSmallInt},
                                {u"NUMERIC_SCALE", adSmallInt},
                                {u"DATETIME_PRECISION", adInteger},
                                {u"CHARACTER_SET_CATALOG", adVarWChar},
                                {u"CHARACTER_SET_SCHEMA", adVarWChar},
                                {u"CHARACTER_SET_NAME", adVarWChar},
                                {u"COLLATION_CATALOG", adVarWChar},
                                {u"COLLATION_SCHEMA", adVarWChar},
                                {u"COLLATION_NAME", adVarWChar},
                                {u"DOMAIN_CATALOG", adVarWChar},
                                {u"DOMAIN_SCHEMA", adVarWChar},
                                {u"DOMAIN_NAME", adVarWChar},
                                {u"DESCRIPTION", adVarWChar}}),
                        std::move(rows));
}

rg_JiLuJiLei PrimaryKeysSchema(const std::vector<CQelCatalogKey>& keys) {
    std::vector<rg_JiLuJiLei::Row> rows;
    for (const CQelCatalogKey& k : keys)
        rows.push_back({k.catalog, k.schema, k.table, k.column, kNull, kNull, k.ordinal, k.keyName});
    return rg_JiLuJiLei(Fields({{u"TABLE_CATALOG", adVarWChar},
                                {u"TABLE_SCHEMA", adVarWChar},
                                {u"TABLE_NAME", adVarWChar},
                                {u"COLUMN_NAME", adVarWChar},
                                {u"COLUMN_GUID", adGUID},
                                {u"COLUMN_PROPID", adInteger},
                                {u"ORDINAL", adInteger},
                                {u"PK_NAME", adVarWChar}}),
                        std::move(rows));
}

int AdoTypeOfSqlType(int sqlType) {
    switch (sqlType) {
        case SQL_CHAR: return adChar;
        case SQL_VARCHAR: return adVarChar;
        case SQL_LONGVARCHAR: return adLongVarChar;
        case SQL_WCHAR: return adWChar;
        case SQL_WVARCHAR: return adVarWChar;
        case SQL_WLONGVARCHAR: return adLongVarWChar;
        case SQL_DECIMAL:
        case SQL_NUMERIC: return adNumeric;
        case SQL_SMALLINT: return adSmallInt;
        case SQL_INTEGER: return adInteger;
        case SQL_REAL: return adSingle;
        case SQL_FLOAT:
        case SQL_DOUBLE: return adDouble;
        case SQL_BIT: return adBoolean;
        case SQL_TINYINT: return adTinyInt;
        case SQL_BIGINT: return adBigInt;
        case SQL_BINARY: return adBinary;
        case SQL_VARBINARY: return adVarBinary;
        case SQL_LONGVARBINARY: return adLongVarBinary;
        case SQL_TYPE_DATE:
        case SQL_DATE: return adDBDate;
        case SQL_TYPE_TIME:
        case SQL_TIME: return adDBTime;
        case SQL_TYPE_TIMESTAMP:
        case SQL_TIMESTAMP: return adDBTimeStamp;
        case SQL_GUID: return adGUID;
        default: return adVariant;
    }
}

}  // namespace rg_qelvane_windows_ShuJuKu
