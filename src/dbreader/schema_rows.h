#pragma once
// The three schema record sets in ADO's shape (field names, field order, ADO
// data-type codes), built from what a catalogue reports, whoever reads it:
// the ODBC catalogue calls, or the Access file itself.
#include <vector>

#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

struct CQelCatalogTable {
    CQelComVariant catalog, schema;
    CWString name;
    CWString type;  // "TABLE", "VIEW", "SYSTEM TABLE", "LINK", ...
    CQelComVariant description;
};

struct CQelCatalogColumn {
    CQelComVariant catalog, schema;
    CWString table, name;
    int ordinal = 0;
    CQelComVariant defaultValue;  // Null without a default
    bool nullable = true;
    int adoType = adEmpty;
    CQelComVariant maximumLength;  // Null for types without a length
    CQelComVariant precision, scale;
    CQelComVariant description;
};

struct CQelCatalogKey {
    CQelComVariant catalog, schema;
    CWString table, column;
    int ordinal = 0;
    CQelComVariant keyName;
};

rg_JiLuJiLei TablesSchema(const std::vector<CQelCatalogTable>& tables);
rg_JiLuJiLei ColumnsSchema(const std::vector<CQelCatalogColumn>& columns);
rg_JiLuJiLei PrimaryKeysSchema(const std::vector<CQelCatalogKey>& keys);

// The ADO data-type code of an ODBC SQL data type.
int AdoTypeOfSqlType(int sqlType);

}  // namespace rg_qelvane_windows_ShuJuKu
