#pragma once
// Texts across the wx boundary.
#include <wx/string.h>

#include "platform/text.h"

namespace rg_qelvane_base::wx {

inline wxString ToWx(const CWString& text) { return wxString::FromUTF8(text.ToUtf8()); }

inline CWString FromWx(const wxString& text) {
    wxScopedCharBuffer utf8 = text.utf8_str();
    return CWString::FromUtf8(std::string_view(utf8.data(), utf8.length()));
}

}  // namespace rg_qelvane_base::wx
