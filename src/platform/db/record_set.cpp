#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

rg_JiLuJiLei::rg_JiLuJiLei(std::vector<CQelField> fields, std::vector<Row> rows)
    : m_open(true), m_fields(std::move(fields)), m_rows(std::move(rows)) {}

rg_JiLuJiLei rg_JiLuJiLei::FromRows(const std::vector<CWString>& names, std::vector<Row> rows) {
    std::vector<CQelField> fields;
    for (const CWString& name : names) fields.push_back({name, adVarWChar, {}});
    return rg_JiLuJiLei(std::move(fields), std::move(rows));
}

int rg_JiLuJiLei::GetRecordCount() const { return static_cast<int>(m_rows.size()); }

int rg_JiLuJiLei::FieldIndex(std::u16string_view name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (rg_qelvane_base::EqualsIgnoringAsciiCase(m_fields[i].Name, name)) return static_cast<int>(i);
    return -1;
}

CQelComVariant rg_JiLuJiLei::GetFieldValue(std::u16string_view name) const {
    return GetFieldValue(FieldIndex(name));
}

CQelComVariant rg_JiLuJiLei::GetFieldValue(int index) const {
    if (IsEOF() || index < 0) return {};
    const Row& row = m_rows[m_position];
    return static_cast<std::size_t>(index) < row.size() ? row[index] : CQelComVariant{};
}

bool rg_JiLuJiLei::IsEOF() const { return m_position >= m_rows.size(); }

void rg_JiLuJiLei::MoveNext() {
    if (!IsEOF()) ++m_position;
}

void rg_JiLuJiLei::Close() { *this = rg_JiLuJiLei(); }

int rg_JiLuJiLei::GetFieldCount() const { return static_cast<int>(m_fields.size()); }

CQelField rg_JiLuJiLei::GetField(int index) const {
    if (index < 0 || index >= GetFieldCount()) return {};
    return m_fields[index];
}

}  // namespace rg_qelvane_windows_ShuJuKu
