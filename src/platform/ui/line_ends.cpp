#include "platform/ui/line_ends.h"

namespace rg_qelvane_base {

CWString ToCrLf(std::u16string_view text) {
    CWString out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) out += u'\r';
        out += text[i];
    }
    return out;
}

CWString ToLf(std::u16string_view text) {
    CWString out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace rg_qelvane_base
