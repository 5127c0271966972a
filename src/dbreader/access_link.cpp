// Access files through MDBTools' own library, read-only. Its ODBC driver has
// no primary-key catalogue call, reports neither lengths nor nullability in
// its column catalogue, and cannot tell an auto-increment column, so the
// catalogue comes from the file itself and statements run through MDBTools'
// SQL engine, whose tables still know their auto-increment columns.
// glib first: the MDBTools headers include it inside their extern "C".
#include <glib.h>
#include <mdbsql.h>

#include <optional>

#include "dbreader/access_table_order.h"
#include "dbreader/database_link.h"
#include "dbreader/schema_rows.h"

namespace rg_qelvane_windows_ShuJuKu {

namespace {

using rg_qelvane_base::CWString;

CWString FromMdb(const char* text) { return text ? CWString::FromUtf8(text) : CWString(); }

CQelComVariant Property(const MdbColumn* column, const char* name) {
    const char* value = mdb_col_get_prop(column, name);
    return value ? CQelComVariant(FromMdb(value)) : CQelComVariant::Null();
}

// The codes the Jet and ACE providers report for each kind of Access column.
int AdoTypeOfMdbType(int mdbType) {
    switch (mdbType) {
        case MDB_BOOL: return adBoolean;
        case MDB_BYTE: return adUnsignedTinyInt;
        case MDB_INT: return adSmallInt;
        case MDB_LONGINT: return adInteger;
        case MDB_MONEY: return adCurrency;
        case MDB_FLOAT: return adSingle;
        case MDB_DOUBLE: return adDouble;
        case MDB_DATETIME: return adDate;
        case MDB_BINARY:
        case MDB_OLE: return adBinary;
        case MDB_TEXT:
        case MDB_MEMO: return adWChar;
        case MDB_REPID: return adGUID;
        case MDB_NUMERIC: return adNumeric;
        default: return adVariant;
    }
}

CQelComVariant MaximumLength(const MdbHandle* file, const MdbColumn* column) {
    switch (column->col_type) {
        // Text is stored in UTF-16 from Jet 4 on: two bytes a character.
        case MDB_TEXT: return file->f->jet_version == MDB_VER_JET3 ? column->col_size : column->col_size / 2;
        case MDB_MEMO: return 536870910;
        case MDB_BINARY: return column->col_size;
        case MDB_OLE: return 1073741823;
        default: return CQelComVariant::Null();
    }
}

template <typename T>
T* At(GPtrArray* array, unsigned index) {
    return static_cast<T*>(g_ptr_array_index(array, index));
}

CWString TableType(MdbCatalogEntry* entry) {
    switch (entry->object_type) {
        case MDB_TABLE: return mdb_is_system_table(entry) ? u"SYSTEM TABLE" : u"TABLE";
        case MDB_QUERY: return u"VIEW";
        case MDB_LINKED_TABLE: return u"LINK";
        default: return {};
    }
}

// A table definition read from the file, freed on every way out.
class CTable {
public:
    explicit CTable(MdbCatalogEntry* entry) : m_table(mdb_read_table(entry)) {
        if (m_table) mdb_read_columns(m_table);
    }
    ~CTable() {
        if (m_table) mdb_free_tabledef(m_table);
    }
    CTable(const CTable&) = delete;
    CTable& operator=(const CTable&) = delete;
    MdbTableDef* operator->() const { return m_table; }
    // MDBTools leaves the column list null when it cannot read it: no columns then.
    unsigned ColumnCount() const { return m_table && m_table->columns ? m_table->columns->len : 0; }

private:
    MdbTableDef* m_table;
};

class CAccessLink : public CQelDatabaseLink {
public:
    explicit CAccessLink(MdbSQL* sql) : m_sql(sql) {}
    ~CAccessLink() override { mdb_sql_exit(m_sql); }

    rg_JiLuJiLei Execute(const CWString& text) override {
        const MdbSQL* ran = mdb_sql_run_query(m_sql, text.ToUtf8().c_str());
        rg_JiLuJiLei rows = ran && !mdb_sql_has_error(m_sql) && m_sql->cur_table ? Fetch() : rg_JiLuJiLei();
        mdb_sql_reset(m_sql);
        return rows;
    }

    // The file is read-only here, so each schema is read from it once.
    rg_JiLuJiLei OpenSchema(int schema) override {
        switch (schema) {
            case adSchemaTables: return Cached(m_tables, [this] { return TablesSchema(Tables()); });
            case adSchemaColumns: return Cached(m_columns, [this] { return ColumnsSchema(Columns()); });
            case adSchemaPrimaryKeys: return Cached(m_keys, [this] { return PrimaryKeysSchema(PrimaryKeys()); });
            default: return {};
        }
    }

private:
    rg_JiLuJiLei Fetch() {
        MdbTableDef* table = m_sql->cur_table;
        std::vector<CQelField> fields;
        for (unsigned i = 0; i < m_sql->num_columns; ++i) {
            const CWString name = FromMdb(At<MdbSQLColumn>(m_sql->columns, i)->name);
            const MdbColumn* column = Column(table, name);
            fields.push_back({name,
                              column ? AdoTypeOfMdbType(column->col_type) : adVariant,
                              {{u"BASECOLUMNNAME", name},
                               {u"BASETABLENAME", FromMdb(table->name)},
                               {u"ISAUTOINCREMENT", column && column->is_long_auto}}});
        }
        std::vector<rg_JiLuJiLei::Row> rows;
        mdb_sql_bind_all(m_sql);
        while (mdb_fetch_row(table)) {
            rg_JiLuJiLei::Row row;
            for (unsigned i = 0; i < m_sql->num_columns; ++i)
                row.emplace_back(FromMdb(static_cast<const char*>(At<MdbSQLColumn>(m_sql->columns, i)->bind_addr)));
            rows.push_back(std::move(row));
        }
        return rg_JiLuJiLei(std::move(fields), std::move(rows));
    }

    static const MdbColumn* Column(MdbTableDef* table, const CWString& name) {
        for (unsigned i = 0; table->columns && i < table->columns->len; ++i) {
            const MdbColumn* column = At<MdbColumn>(table->columns, i);
            if (FromMdb(column->name) == name) return column;
        }
        return nullptr;
    }

    std::vector<MdbCatalogEntry*> Entries(int objectType) const {
        std::vector<MdbCatalogEntry*> entries;
        MdbHandle* file = m_sql->mdb;
        for (unsigned i = 0; file->catalog && i < file->catalog->len; ++i) {
            MdbCatalogEntry* entry = At<MdbCatalogEntry>(file->catalog, i);
            if (objectType == MDB_ANY || entry->object_type == objectType) entries.push_back(entry);
        }
        return entries;
    }

    // In the providers' order, not the catalogue's.
    std::vector<CQelCatalogTable> Tables() const {
        std::vector<CQelCatalogTable> tables;
        for (MdbCatalogEntry* entry : Entries(MDB_ANY)) {
            const CWString type = TableType(entry);
            if (!type.empty())
                tables.push_back({CQelComVariant::Null(), CQelComVariant::Null(), FromMdb(entry->object_name), type,
                                  CQelComVariant::Null()});
        }
        SortInAccessOrder(tables);
        return tables;
    }

    // Every column of every user table.
    std::vector<CQelCatalogColumn> Columns() const {
        std::vector<CQelCatalogColumn> columns;
        for (MdbCatalogEntry* entry : Entries(MDB_TABLE)) {
            if (!mdb_is_user_table(entry)) continue;
            CTable table(entry);
            for (unsigned i = 0; i < table.ColumnCount(); ++i) {
                const MdbColumn* column = At<MdbColumn>(table->columns, i);
                CQelCatalogColumn out;
                out.catalog = out.schema = CQelComVariant::Null();
                out.table = FromMdb(entry->object_name);
                out.name = FromMdb(column->name);
                out.ordinal = static_cast<int>(i) + 1;
                out.defaultValue = Property(column, "DefaultValue");
                out.nullable = CQelComVariant::ToText(Property(column, "Required")) != u"yes";
                out.adoType = AdoTypeOfMdbType(column->col_type);
                out.maximumLength = MaximumLength(m_sql->mdb, column);
                if (column->col_type == MDB_NUMERIC) {
                    out.precision = column->col_prec;
                    out.scale = column->col_scale;
                }
                out.description = Property(column, "Description");
                columns.push_back(std::move(out));
            }
        }
        return columns;
    }

    std::vector<CQelCatalogKey> PrimaryKeys() const {
        std::vector<CQelCatalogKey> keys;
        for (MdbCatalogEntry* entry : Entries(MDB_TABLE)) {
            if (!mdb_is_user_table(entry)) continue;
            CTable table(entry);
            if (!table.ColumnCount()) continue;
            mdb_read_indices(table.operator->());  // into table->indices
            for (unsigned i = 0; table->indices && i < table->indices->len; ++i) {
                const MdbIndex* index = At<MdbIndex>(table->indices, i);
                if (index->index_type != 1) continue;  // 1: the primary key
                for (unsigned k = 0; k < index->num_keys; ++k) {
                    const int number = index->key_col_num[k];  // counted from 1
                    if (number < 1 || static_cast<unsigned>(number) > table.ColumnCount()) continue;
                    keys.push_back({CQelComVariant::Null(), CQelComVariant::Null(), FromMdb(entry->object_name),
                                    FromMdb(At<MdbColumn>(table->columns, number - 1)->name), static_cast<int>(k) + 1,
                                    CQelComVariant(FromMdb(index->name))});
                }
            }
        }
        return keys;
    }

    template <typename Read>
    static rg_JiLuJiLei Cached(std::optional<rg_JiLuJiLei>& cache, Read read) {
        if (!cache) cache = read();
        return *cache;
    }

    MdbSQL* m_sql;
    std::optional<rg_JiLuJiLei> m_tables, m_columns, m_keys;
};

}  // namespace

std::unique_ptr<CQelDatabaseLink> OpenAccessFile(const std::string& path) {
    MdbSQL* sql = mdb_sql_init();
    if (!sql) return nullptr;
    std::string file = path;
    if (!mdb_sql_open(sql, file.data()) || !mdb_read_catalog(sql->mdb, MDB_ANY)) {
        mdb_sql_exit(sql);
        return nullptr;
    }
    return std::make_unique<CAccessLink>(sql);
}

}  // namespace rg_qelvane_windows_ShuJuKu
