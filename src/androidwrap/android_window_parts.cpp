#include "androidwrap/android_window_parts.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

void PasteAndroidSource(rg_edit_box& source) { source.SetControlText(ReadClipboardText()); }

void CopyAndroidOutput(const CQelWinForm& window, const rg_edit_box& output) {
    SetClipboardText(output.GetControlText());
    ShowAndroidNotice(window, u"复制成功，去粘贴！");
}

void ShowAndroidNotice(const CQelWinForm& window, const CWString& text) {
    ShowMessageBox(&window, text, MB_OK, u"信息:");
}

}  // namespace rg_qelvane_app
