#pragma once
// Turning what a database says about a column's type into the record's type
// and maximum length.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The name of an ADO data type code (Access columns); "未知类型" for the rest.
CWString AdoTypeName(int code);

struct TypeAndLength {
    CWString type;
    CWString maxLength;
};

// "varchar(255)" gives varchar and 255, "decimal(10,2)" decimal and 10,2,
// "int unsigned" stays whole with no length. Only the first "(" and the first
// ")" count; a type that starts with "(" keeps its whole text as the type.
TypeAndLength SplitTypeAndLength(const CWString& typeText);

}  // namespace rg_qelvane_app
