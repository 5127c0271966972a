#include "platform/db/record_set.h"

#include <algorithm>

#include "platform/db/value_cells.h"

namespace rg_qelvane_windows_ShuJuKu {

rg_JiLuJiLei::rg_JiLuJiLei(std::vector<CQelField> fields, std::vector<Row> rows)
    : m_open(true), m_fields(std::move(fields)), m_rowCount(rows.size()) {
    for (const Row& row : rows) {
        const std::size_t given = std::min(row.size(), m_fields.size());
        for (std::size_t i = 0; i < m_fields.size(); ++i) AppendCell(m_cells, i < given ? row[i] : CQelComVariant());
    }
}

rg_JiLuJiLei rg_JiLuJiLei::FromCells(std::vector<CQelField> fields, std::size_t rowCount, std::string cells) {
    rg_JiLuJiLei rows(std::move(fields), {});
    rows.m_rowCount = rowCount;
    rows.m_cells = std::move(cells);
    return rows;
}

rg_JiLuJiLei rg_JiLuJiLei::FromRows(const std::vector<CWString>& names, std::vector<Row> rows) {
    std::vector<CQelField> fields;
    for (const CWString& name : names) fields.push_back({name, adVarWChar, {}});
    return rg_JiLuJiLei(std::move(fields), std::move(rows));
}

int rg_JiLuJiLei::GetRecordCount() const { return static_cast<int>(m_rowCount); }

int rg_JiLuJiLei::FieldIndex(std::u16string_view name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (rg_qelvane_base::EqualsIgnoringAsciiCase(m_fields[i].Name, name)) return static_cast<int>(i);
    return -1;
}

CQelComVariant rg_JiLuJiLei::GetFieldValue(std::u16string_view name) const { return GetFieldValue(FieldIndex(name)); }

CQelComVariant rg_JiLuJiLei::GetFieldValue(int index) const {
    if (IsEOF() || index < 0 || index >= GetFieldCount()) return {};
    return ReadCell(std::string_view(m_cells).substr(m_rowStart + CellsLengthInRow(index)));
}

bool rg_JiLuJiLei::IsEOF() const { return m_position >= m_rowCount; }

void rg_JiLuJiLei::MoveNext() {
    if (IsEOF()) return;
    m_rowStart += CellsLengthInRow(m_fields.size());
    ++m_position;
}

std::size_t rg_JiLuJiLei::CellsLengthInRow(std::size_t fields) const {
    return *CellsLength(std::string_view(m_cells).substr(m_rowStart), fields);
}

void rg_JiLuJiLei::Close() { *this = rg_JiLuJiLei(); }

int rg_JiLuJiLei::GetFieldCount() const { return static_cast<int>(m_fields.size()); }

CQelField rg_JiLuJiLei::GetField(int index) const {
    if (index < 0 || index >= GetFieldCount()) return {};
    return m_fields[index];
}

}  // namespace rg_qelvane_windows_ShuJuKu
