#pragma once
// One column of one table as the database parser reads it; the column grid
// shows these records and the table class generators turn them into fields.
#include <optional>
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

class rg_ShuJuKuBiaoJieGou {
public:
    CWString columnName;
    CWString type;  // what text this is depends on the kind of database
    bool primaryKey = false;
    bool autoIncrement = false;
    bool nullable = false;
    CWString maxLength;     // the database's own text, unconverted; empty if none
    CWString defaultValue;  // empty when the column has none
    CWString comment;       // no reader fills it; the plain generator writes it out

    bool operator==(const rg_ShuJuKuBiaoJieGou&) const = default;
};

// The columns of one table, in the order the database gives them.
using rg_ShuJuKuBiaoJieGouShuZu = std::vector<rg_ShuJuKuBiaoJieGou>;
// A table's columns as a read gives them: null when the read failed (a failed
// statement, a deadline, a lost reader), which must not pass for a table
// that really has no columns.
using ColumnsRead = std::optional<rg_ShuJuKuBiaoJieGouShuZu>;

}  // namespace rg_qelvane_app
