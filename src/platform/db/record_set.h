#pragma once
// A record set: the whole result of a statement or a schema request, fetched
// at once (a client-side cursor), so the record count is the real count and
// nothing more is read from the server afterwards. It is a plain value: it can
// also be built from recorded rows, which is how row handling of databases
// without a server here is tested.
//
// Failures never throw: a closed or failed record set has no fields and no
// rows, its record count is 0 and every field reads as an empty variant.
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/variant.h"

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::CQelComVariant;
using rg_qelvane_base::CWString;

// ADO data-type codes the layer reports for fields and in the columns schema.
enum CQelAdoType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// The schema record sets a connection can open.
enum CQelAdoSchema : int { adSchemaColumns = 4, adSchemaTables = 20, adSchemaPrimaryKeys = 28 };

// One dynamic property of a field (the Access auto-increment pass reads
// "ISAUTOINCREMENT").
struct CQelFieldProperty {
    CWString Name;
    CQelComVariant Value;
};

// One field (column) of a record set: Fields.Item(i) in ADO terms.
struct CQelField {
    CWString Name;
    int Type = adEmpty;
    std::vector<CQelFieldProperty> Properties;
};

class rg_JiLuJiLei {
public:
    using Row = std::vector<CQelComVariant>;

    // A closed record set: no fields, no rows.
    rg_JiLuJiLei() = default;
    // An open record set positioned on its first row; a row shorter than the
    // field list reads empty for the missing fields, and a longer one keeps
    // only as many values as there are fields.
    rg_JiLuJiLei(std::vector<CQelField> fields, std::vector<Row> rows);
    // An open record set of rows already laid out as cells (value_cells.h):
    // `rowCount` rows of one cell per field, whole, as CellsLength finds them.
    static rg_JiLuJiLei FromCells(std::vector<CQelField> fields, std::size_t rowCount, std::string cells);
    // Recorded rows with field names only (type adVarWChar, no properties).
    static rg_JiLuJiLei FromRows(const std::vector<CWString>& names, std::vector<Row> rows);

    bool IsOpen() const { return m_open; }
    // The number of rows; 0 when closed.
    int GetRecordCount() const;
    // The named field of the current row; the name matches without regard to
    // ASCII case, as ADO does. Empty when closed, past the last row, or when
    // no field has that name.
    CQelComVariant GetFieldValue(std::u16string_view name) const;
    CQelComVariant GetFieldValue(int index) const;
    // True past the last row (and when closed).
    bool IsEOF() const;
    void MoveNext();
    // Drops the rows and fields; the record set reads as closed afterwards.
    void Close();

    // Fields.Count and Fields.Item(index); an empty field when out of range.
    int GetFieldCount() const;
    CQelField GetField(int index) const;

private:
    int FieldIndex(std::u16string_view name) const;
    // Where the current row's first `fields` cells end, counted from its start.
    std::size_t CellsLengthInRow(std::size_t fields) const;

    bool m_open = false;
    std::vector<CQelField> m_fields;
    std::string m_cells;  // every row's values (value_cells.h), one per field, row after row
    std::size_t m_rowCount = 0;
    std::size_t m_position = 0;  // the current row
    std::size_t m_rowStart = 0;  // where its cells begin
};

}  // namespace rg_qelvane_windows_ShuJuKu
