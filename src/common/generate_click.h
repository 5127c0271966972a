#pragma once
// One click on a generate button of a window with a "翻译" box.
#include <optional>

#include "common/translation.h"
#include "platform/ui/controls.h"

namespace rg_qelvane_app {

// Lives for one click on a generate button, around the generator's run. It
// sets TranslateEnabled from the window's "翻译" box; the flag keeps that value
// until the next click of any window. A ticked click looks at the translation
// table once, as it stands when the click begins, and the whole run looks its
// words up there, so a save made meanwhile counts from the next click. An
// unticked click translates nothing and so never looks at the table.
class GenerateClick {
public:
    explicit GenerateClick(const rg_qelvane_base::rg_check_box& translateBox);

private:
    std::optional<TranslationTableScope> table_;
};

}  // namespace rg_qelvane_app
