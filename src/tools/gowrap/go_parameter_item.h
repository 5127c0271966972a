#pragma once
// One parameter of a Go function, method or interface method.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

class rg_GOCanShuXiang {
public:
    CWString name;
    CWString type;
    // A Go variadic parameter ("...T"); the interface tool never sets it.
    bool variadic = false;

    bool operator==(const rg_GOCanShuXiang&) const = default;
};

}  // namespace rg_qelvane_app
