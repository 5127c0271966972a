#include "platform/ui/dialogs.h"

#include "platform/ui/backend.h"

namespace rg_qelvane_base {

namespace {
CQelWinForm* OwnerOf(const CQelControl* window) {
    CQelWinForm* form = window ? window->Form() : nullptr;
    return form && form->HasNativeWindow() && !form->IsClosing() ? form : nullptr;
}
}  // namespace

int ShowMessageBox(const CQelControl* window, const CWString& text, int flags, const CWString& title) {
    return Backend().ShowMessage(OwnerOf(window), text, flags, title);
}

bool ShowInputBox(const CQelControl* window, CWString& text, const CWString& prompt, const CWString& title,
                  const CWString& defaultText) {
    CWString caption = title.empty() ? CWString(kInputBoxCaption) : title;
    CWString typed;
    if (Backend().AskInput(OwnerOf(window), prompt, caption, defaultText, typed)) {
        text = typed;
        return true;
    }
    text.clear();
    return false;
}

bool ShowOpenFileDialog(const CQelControl* window, const CWString& filter, CWString& path) {
    CWString chosen;
    if (!Backend().OpenFileDialog(OwnerOf(window), filter, chosen)) return false;
    path = chosen;
    return true;
}

}  // namespace rg_qelvane_base
