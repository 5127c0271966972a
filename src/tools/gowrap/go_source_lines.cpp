#include "tools/gowrap/go_source_lines.h"

namespace rg_qelvane_app {

rg_WenBenShuZuLei CutGoSourceLines(std::u16string_view source) { return rg_qelvane_base::SplitText(source, u"\r\n"); }

rg_WenBenShuZuLei ScanGoSourceLines(std::u16string_view source, GoBlockComments blocks) {
    rg_WenBenShuZuLei kept;
    bool insideBlock = false;
    for (const CWString& piece : CutGoSourceLines(source)) {
        CWString line = piece.Trimmed();
        size_t comment = line.find(u"//");
        if (comment == 0) continue;
        if (comment != CWString::npos) {
            // The block state is deliberately left alone: a "//" line is taken
            // as code even inside a block comment.
            kept.push_back(line.Left(static_cast<long long>(comment)));
            continue;
        }
        if (blocks == GoBlockComments::KeptAsLines) {
            kept.push_back(std::move(line));
        } else if (insideBlock) {
            if (line.Contains(u"*/")) insideBlock = false;
        } else if (line.Contains(u"/*")) {
            // A block opened on this line stays open even when it also closes here.
            insideBlock = true;
        } else {
            kept.push_back(std::move(line));
        }
    }
    return kept;
}

rg_WenBenShuZuLei SplitGoSourceLines(const CWString& source) {
    return ScanGoSourceLines(source, GoBlockComments::Removed);
}

}  // namespace rg_qelvane_app
