#pragma once
// The layout that the Android interface and enum windows share. Each of them
// names itself in three texts and brings its own parse step.
#include "tools/androidwrap/android_window_parts.h"

namespace rg_qelvane_app {

struct AndroidSourceWindowTexts {
    const char16_t* caption;
    const char16_t* nameLabel;
    const char16_t* sourceGroup;
};

class AndroidSourceWindow : public SourceToolWindow {
protected:
    explicit AndroidSourceWindow(const AndroidSourceWindowTexts& texts);
    void BuildControls() override;

private:
    AndroidSourceWindowTexts m_texts;
};

}  // namespace rg_qelvane_app
