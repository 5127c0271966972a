#pragma once
// One flat Go struct to a Qelvane class whose variables stand for the
// exported fields.
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

// One field: the Go name and the Go type as written.
class rg_GOShuXingXiang {
public:
    CWString name;
    CWString type;

    bool operator==(const rg_GOShuXingXiang&) const = default;
};

class rg_GOJieGouTiShuJu {
public:
    CWString structName;
    std::vector<rg_GOShuXingXiang> fields;

    bool operator==(const rg_GOJieGouTiShuJu&) const = default;
};

class rg_GOJieGouTiJieXiYinQing {
public:
    // The generated class, or the message that refuses the source.
    CWString ParseAndGenerate(const CWString& source, const CWString& className, const CWString& packageName,
                              const CWString& aliasKind);

    CWString CheckSource(const rg_WenBenShuZuLei& lines) const;
    // Fills in the class name from the struct name when it was left empty.
    rg_GOJieGouTiShuJu ParseFields(const rg_WenBenShuZuLei& lines);
    CWString GenerateClass(const rg_GOJieGouTiShuJu& data) const;

    CWString output;
    CWString source;
    CWString className;
    CWString packageName;
    CWString aliasKind;
};

}  // namespace rg_qelvane_app
