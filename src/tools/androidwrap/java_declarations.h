#pragma once
// Whether cleaned source declares exactly one interface, enum or class, and
// its name. Every further match of the declaration pattern counts as another
// declaration: a nested one, and equally the words "interface X" in a comment
// or a string.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// Empty when there is exactly one declaration, else the message for the user.
CWString CheckSingleInterface(const CWString& cleanedSource);
CWString CheckSingleEnum(const CWString& cleanedSource);
CWString CheckSingleClass(const CWString& cleanedSource);

// The declared name when there is exactly one declaration, else empty.
CWString FindInterfaceName(const CWString& cleanedSource);
CWString FindEnumName(const CWString& cleanedSource);
CWString FindClassName(const CWString& cleanedSource);

}  // namespace rg_qelvane_app
