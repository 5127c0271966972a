#pragma once
// Database tables as Qelvane classes: one class per table, one variable per
// column. Column names and types pass through TranslateWord; table names,
// output names and json tags never do. A table whose columns could not be
// read gets no class: an empty one would pass for a table without columns.
#include <functional>

#include "tools/dbwrap/column_record.h"

namespace rg_qelvane_app {

// The columns of one table, read afresh for every table generated.
using ColumnReader = std::function<ColumnsRead(const CWString& table)>;

// Which tags the server classes carry on their variables.
struct CServerTags {
    bool gorm = false;  // key columns
    bool json = false;  // every column
};

// Plain classes: the variables alone.
CWString GeneratePlainClassCode(const rg_qelvane_base::rg_WenBenShuZuLei& tables, const ColumnReader& readColumns);
// Server classes: variables with output names and tags, and a method giving the table's name.
CWString GenerateGormJsonCode(const rg_qelvane_base::rg_WenBenShuZuLei& tables, const ColumnReader& readColumns,
                              CServerTags tags);

}  // namespace rg_qelvane_app
