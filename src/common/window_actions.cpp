#include "common/window_actions.h"

#include "platform/regex.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

void ShowInfo(const CQelControl& window, const CWString& text) { ShowMessageBox(&window, text, MB_OK, kInfoTitle); }

void PasteSourceFromClipboard(rg_edit_box& source) { source.SetControlText(ReadClipboardText()); }

void CopyToClipboard(const CQelControl& window, const CWString& text, const CWString& done) {
    ShowInfo(window, SetClipboardText(text) ? done : CWString(u"复制失败！"));
}

void CopyOutputToClipboard(const CQelControl& window, const rg_edit_box& output) {
    CopyToClipboard(window, output.GetControlText(), u"复制成功，去粘贴！");
}

void RunParseAction(const CQelControl& window, rg_edit_box& output, const std::function<CWString()>& parse) {
    RegexSearchBudget budget;
    output.SetControlText(parse());
    if (budget.CutShort()) ShowInfo(window, u"源码未能完整解析，只显示了已解析的部分！");
}

}  // namespace rg_qelvane_app
