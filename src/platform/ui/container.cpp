#include "platform/ui/container.h"

#include "platform/ui/form.h"

namespace rg_qelvane_base {

void rg_ZuJianBuJuQi::OnNativeCreated() {
    HookEvents();
    BuildControls();
}

void rg_ZuJianBuJuQi::ShowPage(int page) {
    if (!HasNativeWindow() || !Form()) return;
    for (CQelControl* control : Form()->CreatedControls()) {
        if (control->Parent() != this || control->Kind() != CQelControlKind::Container) continue;
        control->Show(static_cast<rg_ZuJianBuJuQi*>(control)->PageNumber() == page);
    }
}

}  // namespace rg_qelvane_base
