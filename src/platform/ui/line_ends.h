#pragma once
// Multi-line edits hold CR LF text; toolkits and pasted text often use LF alone.
#include "platform/text.h"

namespace rg_qelvane_base {

// Every LF that has no CR before it becomes CR LF; existing CR LF pairs stay.
CWString ToCrLf(std::u16string_view text);
// Every CR LF becomes LF; lone CRs and LFs stay.
CWString ToLf(std::u16string_view text);

}  // namespace rg_qelvane_base
