#pragma once
// Readable failure messages for column records.
#include <ostream>

#include "tools/dbwrap/column_record.h"

namespace rg_qelvane_app {

inline void PrintTo(const rg_ShuJuKuBiaoJieGou& c, std::ostream* out) {
    *out << "{" << c.columnName.ToUtf8() << " | " << c.type.ToUtf8() << " | pk " << c.primaryKey << " | auto "
         << c.autoIncrement << " | null " << c.nullable << " | len " << c.maxLength.ToUtf8() << " | default "
         << c.defaultValue.ToUtf8() << " | " << c.comment.ToUtf8() << "}";
}

}  // namespace rg_qelvane_app
