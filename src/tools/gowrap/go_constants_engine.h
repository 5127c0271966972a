#pragma once
// A Go constant group (a named type and a "const (" block of that type) to one
// Qelvane value class holding a constant per Go constant.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

// What the scan hands to the generator: the Go type and its constants.
class rg_GOChangLiangShuJu {
public:
    CWString typeName;
    rg_WenBenShuZuLei constantNames;

    bool operator==(const rg_GOChangLiangShuJu&) const = default;
};

class rg_GOChangLiangJieXiYinQing {
public:
    // The generated class, or the message that refuses the source.
    CWString ParseAndGenerate(const CWString& source, const CWString& className, const CWString& packageName,
                              const CWString& localTypeName);

    CWString CheckSource(const rg_WenBenShuZuLei& lines) const;
    // Fills in the class name from the Go type when it was left empty.
    rg_GOChangLiangShuJu ScanConstants(const rg_WenBenShuZuLei& lines);
    CWString GenerateClass(const rg_GOChangLiangShuJu& data) const;

    CWString result;
    CWString source;
    CWString className;
    CWString packageName;
    CWString localTypeName;
};

}  // namespace rg_qelvane_app
