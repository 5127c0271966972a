// The ODBC side of the connection: connect with a login timeout, run a
// statement and fetch all of it, and the catalogue calls in ADO's shape.
#include <optional>

#include <sql.h>
#include <sqlext.h>

#include "dbreader/database_link.h"
#include "dbreader/schema_rows.h"

namespace rg_qelvane_windows_ShuJuKu {

namespace {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC's wide characters are UTF-16 code units");

SQLWCHAR* Wide(const CWString& text) { return reinterpret_cast<SQLWCHAR*>(const_cast<char16_t*>(text.c_str())); }

class CEnvironment {
public:
    CEnvironment() {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_handle))) m_handle = SQL_NULL_HENV;
        else SQLSetEnvAttr(m_handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    }
    ~CEnvironment() {
        if (m_handle) SQLFreeHandle(SQL_HANDLE_ENV, m_handle);
    }
    CEnvironment(const CEnvironment&) = delete;
    CEnvironment& operator=(const CEnvironment&) = delete;
    SQLHENV Handle() const { return m_handle; }

private:
    SQLHENV m_handle = SQL_NULL_HENV;
};

// A statement handle freed on every way out.
class CStatement {
public:
    explicit CStatement(SQLHDBC connection) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_handle))) m_handle = SQL_NULL_HSTMT;
    }
    ~CStatement() {
        if (m_handle) SQLFreeHandle(SQL_HANDLE_STMT, m_handle);
    }
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;
    SQLHSTMT Handle() const { return m_handle; }

private:
    SQLHSTMT m_handle = SQL_NULL_HSTMT;
};

// One column's value of the current row as text; Null for SQL NULL.
std::optional<CWString> ReadText(SQLHSTMT statement, SQLUSMALLINT column) {
    CWString text;
    SQLWCHAR buffer[1024];
    for (;;) {
        SQLLEN length = 0;
        const SQLRETURN result = SQLGetData(statement, column, SQL_C_WCHAR, buffer, sizeof buffer, &length);
        if (result == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(result)) return text;
        if (length == SQL_NULL_DATA) return std::nullopt;
        const std::size_t room = sizeof buffer / sizeof buffer[0] - 1;
        const std::size_t got = (length == SQL_NO_TOTAL || static_cast<std::size_t>(length) / 2 > room)
                                    ? room
                                    : static_cast<std::size_t>(length) / 2;
        text.append(reinterpret_cast<const char16_t*>(buffer), got);
        if (result == SQL_SUCCESS) break;  // with info: more follows
    }
    return text;
}

CQelComVariant ReadBit(SQLHSTMT statement, SQLUSMALLINT column) {
    unsigned char bit = 0;
    SQLLEN length = 0;
    if (!SQL_SUCCEEDED(SQLGetData(statement, column, SQL_C_BIT, &bit, sizeof bit, &length))) return {};
    return length == SQL_NULL_DATA ? CQelComVariant::Null() : CQelComVariant(bit != 0);
}

CQelComVariant ReadValue(SQLHSTMT statement, SQLUSMALLINT column, int sqlType) {
    // Some drivers give a bit as a raw byte when asked for text.
    if (sqlType == SQL_BIT) return ReadBit(statement, column);
    const std::optional<CWString> text = ReadText(statement, column);
    if (!text) return CQelComVariant::Null();
    switch (sqlType) {
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT: {
            try {
                return CQelComVariant(std::stoll(text->ToUtf8()));
            } catch (...) {
                return CQelComVariant(*text);
            }
        }
        default: return CQelComVariant(*text);
    }
}

SQLLEN NumericAttribute(SQLHSTMT statement, SQLUSMALLINT column, SQLUSMALLINT attribute) {
    SQLLEN value = 0;
    if (!SQL_SUCCEEDED(SQLColAttributeW(statement, column, attribute, nullptr, 0, nullptr, &value))) return 0;
    return value;
}

CWString TextAttribute(SQLHSTMT statement, SQLUSMALLINT column, SQLUSMALLINT attribute) {
    SQLWCHAR buffer[512] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLColAttributeW(statement, column, attribute, buffer, sizeof buffer, &length, nullptr)))
        return {};
    return CWString(reinterpret_cast<const char16_t*>(buffer));
}

// The whole result of a statement that has run; closed when it has no
// columns, and when fetching fails before the last row (the server went):
// part of a result must not pass for all of it.
rg_JiLuJiLei FetchAll(SQLHSTMT statement) {
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(statement, &count)) || count <= 0) return {};
    std::vector<CQelField> fields;
    std::vector<int> sqlTypes;
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        SQLWCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        SQLDescribeColW(statement, i, name, sizeof name / sizeof name[0], &nameLength, &type, &size, &digits,
                        &nullable);
        sqlTypes.push_back(type);
        CQelField field{CWString(reinterpret_cast<const char16_t*>(name)), AdoTypeOfSqlType(type), {}};
        field.Properties = {
            {u"BASECOLUMNNAME", TextAttribute(statement, i, SQL_DESC_BASE_COLUMN_NAME)},
            {u"BASETABLENAME", TextAttribute(statement, i, SQL_DESC_BASE_TABLE_NAME)},
            {u"ISAUTOINCREMENT", NumericAttribute(statement, i, SQL_DESC_AUTO_UNIQUE_VALUE) == SQL_TRUE},
        };
        fields.push_back(std::move(field));
    }
    std::vector<rg_JiLuJiLei::Row> rows;
    SQLRETURN fetched;
    while (SQL_SUCCEEDED(fetched = SQLFetch(statement))) {
        rg_JiLuJiLei::Row row;
        for (SQLUSMALLINT i = 1; i <= count; ++i) row.push_back(ReadValue(statement, i, sqlTypes[i - 1]));
        rows.push_back(std::move(row));
    }
    if (fetched != SQL_NO_DATA) return {};
    return rg_JiLuJiLei(std::move(fields), std::move(rows));
}

CWString Text(const CQelComVariant& value) { return CQelComVariant::ToText(value); }

int Number(const CQelComVariant& value) { return rg_qelvane_base::TextToInt(Text(value)); }

bool IsCharacterType(int sqlType) {
    switch (sqlType) {
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_LONGVARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_WLONGVARCHAR:
        case SQL_BINARY:
        case SQL_VARBINARY:
        case SQL_LONGVARBINARY: return true;
        default: return false;
    }
}

class COdbcLink : public CQelDatabaseLink {
public:
    ~COdbcLink() override {
        if (m_connected) SQLDisconnect(m_connection);
        if (m_connection) SQLFreeHandle(SQL_HANDLE_DBC, m_connection);
    }

    bool Connect(const CWString& connection, int loginTimeoutSeconds) {
        if (!m_environment.Handle() ||
            !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_environment.Handle(), &m_connection))) {
            m_connection = SQL_NULL_HDBC;
            return false;
        }
        SQLSetConnectAttr(m_connection, SQL_ATTR_LOGIN_TIMEOUT,
                          reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
        SQLSetConnectAttr(m_connection, SQL_ATTR_CONNECTION_TIMEOUT,
                          reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
        m_connected = SQL_SUCCEEDED(SQLDriverConnectW(m_connection, nullptr, Wide(connection), SQL_NTS, nullptr, 0,
                                                      nullptr, SQL_DRIVER_NOPROMPT));
        return m_connected;
    }

    rg_JiLuJiLei Execute(const CWString& sql) override {
        CStatement statement(m_connection);
        if (!statement.Handle() || !SQL_SUCCEEDED(SQLExecDirectW(statement.Handle(), Wide(sql), SQL_NTS))) return {};
        return FetchAll(statement.Handle());
    }

    rg_JiLuJiLei OpenSchema(int schema) override {
        switch (schema) {
            case adSchemaTables: return TablesSchema(Tables());
            case adSchemaColumns: return ColumnsSchema(Columns());
            case adSchemaPrimaryKeys: return PrimaryKeysSchema(PrimaryKeys());
            default: return {};
        }
    }

private:
    template <typename Call>
    rg_JiLuJiLei Catalogue(Call call) {
        CStatement statement(m_connection);
        if (!statement.Handle() || !SQL_SUCCEEDED(call(statement.Handle()))) return {};
        return FetchAll(statement.Handle());
    }

    // The catalogue results are read by position: their names differ between ODBC versions.
    std::vector<CQelCatalogTable> Tables() {
        auto rows = Catalogue([](SQLHSTMT s) { return SQLTablesW(s, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0); });
        std::vector<CQelCatalogTable> tables;
        for (; !rows.IsEOF(); rows.MoveNext())
            tables.push_back({rows.GetFieldValue(0), rows.GetFieldValue(1), Text(rows.GetFieldValue(2)),
                              Text(rows.GetFieldValue(3)), rows.GetFieldValue(4)});
        return tables;
    }

    std::vector<CQelCatalogColumn> Columns() {
        auto rows =
            Catalogue([](SQLHSTMT s) { return SQLColumnsW(s, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0); });
        std::vector<CQelCatalogColumn> columns;
        for (; !rows.IsEOF(); rows.MoveNext()) {
            const int sqlType = Number(rows.GetFieldValue(4));
            const CQelComVariant size = rows.GetFieldValue(6);
            CQelCatalogColumn column;
            column.catalog = rows.GetFieldValue(0);
            column.schema = rows.GetFieldValue(1);
            column.table = Text(rows.GetFieldValue(2));
            column.name = Text(rows.GetFieldValue(3));
            column.adoType = AdoTypeOfSqlType(sqlType);
            column.maximumLength = IsCharacterType(sqlType) ? size : CQelComVariant::Null();
            column.precision = IsCharacterType(sqlType) ? CQelComVariant::Null() : size;
            column.scale = rows.GetFieldValue(8);
            column.nullable = Number(rows.GetFieldValue(10)) != SQL_NO_NULLS;
            column.description = rows.GetFieldValue(11);
            column.defaultValue = rows.GetFieldValue(12);
            column.ordinal = Number(rows.GetFieldValue(16));
            columns.push_back(std::move(column));
        }
        return columns;
    }

    // ODBC asks for the keys table by table.
    std::vector<CQelCatalogKey> PrimaryKeys() {
        std::vector<CQelCatalogKey> keys;
        for (const CQelCatalogTable& table : Tables()) {
            if (table.type != u"TABLE") continue;
            const CWString catalog = Text(table.catalog), schema = Text(table.schema);
            auto rows = Catalogue([&](SQLHSTMT s) {
                return SQLPrimaryKeysW(s, table.catalog.IsNull() ? nullptr : Wide(catalog), SQL_NTS,
                                       table.schema.IsNull() ? nullptr : Wide(schema), SQL_NTS, Wide(table.name),
                                       SQL_NTS);
            });
            for (; !rows.IsEOF(); rows.MoveNext())
                keys.push_back({rows.GetFieldValue(0), rows.GetFieldValue(1), Text(rows.GetFieldValue(2)),
                                Text(rows.GetFieldValue(3)), Number(rows.GetFieldValue(4)), rows.GetFieldValue(5)});
        }
        return keys;
    }

    CEnvironment m_environment;
    SQLHDBC m_connection = SQL_NULL_HDBC;
    bool m_connected = false;
};

}  // namespace

std::unique_ptr<CQelDatabaseLink> ConnectOdbc(const CWString& connection, int loginTimeoutSeconds) {
    auto link = std::make_unique<COdbcLink>();
    if (connection.empty() || !link->Connect(connection, loginTimeoutSeconds)) return nullptr;
    return link;
}

}  // namespace rg_qelvane_windows_ShuJuKu
