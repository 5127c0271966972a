#pragma once
// What the Android source windows share besides the source tool window.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

inline constexpr char16_t kAndroidPasteText[] = u"粘贴安卓源码";

}  // namespace rg_qelvane_app
