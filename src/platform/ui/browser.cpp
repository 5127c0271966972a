#include "platform/ui/browser.h"

#include "platform/ui/backend.h"

namespace rg_qelvane_base {

bool rg_EdgeLiuLanKuang::Navigate(const CWString& address) {
    if (address.empty()) return false;
    m_address = address.Contains(u":") ? address : CWString(u"https://" + address);
    if (NativeWindow()) NativeWindow()->Navigate(m_address);
    return true;
}

void rg_EdgeLiuLanKuang::EnablePasswordAutosave(bool on) {
    m_options.passwordAutosave = on;
    ApplyOptions();
}

void rg_EdgeLiuLanKuang::EnableGeneralAutofill(bool on) {
    m_options.generalAutofill = on;
    ApplyOptions();
}

void rg_EdgeLiuLanKuang::EnableDefaultContextMenus(bool on) {
    m_options.defaultContextMenus = on;
    ApplyOptions();
}

void rg_EdgeLiuLanKuang::EnableDevTools(bool on) {
    m_options.devTools = on;
    ApplyOptions();
}

void rg_EdgeLiuLanKuang::EnableScript(bool on) {
    m_options.script = on;
    ApplyOptions();
}

void rg_EdgeLiuLanKuang::ApplyOptions() {
    if (NativeWindow()) NativeWindow()->SetBrowserOptions(m_options);
}

void rg_EdgeLiuLanKuang::OnNativeCreated() {
    ApplyOptions();
    if (!m_address.empty()) NativeWindow()->Navigate(m_address);
}

}  // namespace rg_qelvane_base
