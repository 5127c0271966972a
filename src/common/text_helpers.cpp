#include "common/text_helpers.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

CWString LowerFirstLetter(const CWString& text) {
    CWString out = text;
    if (!out.empty()) out[0] = AsciiLower(out[0]);
    return out;
}

CWString UpperFirstLetter(const CWString& text) {
    CWString out = text;
    if (!out.empty()) out[0] = AsciiUpper(out[0]);
    return out;
}

bool IsLowerInitial(const CWString& text) {
    if (text.empty()) return false;
    CWString bare = text.RemovedAll(u"*");
    return bare.empty() || AsciiLower(bare[0]) == bare[0];
}

}  // namespace rg_qelvane_app
