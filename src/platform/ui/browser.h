#pragma once
// The embedded browser. The start address and the options are kept by the
// control and handed to each new web view; the toolkit may lack some options
// (WebKitGTK has no autofill or password-saving switch), which are then only kept.
#include "platform/ui/control.h"

namespace rg_qelvane_base {

struct CQelBrowserOptions {
    bool passwordAutosave = false;
    bool generalAutofill = false;
    bool defaultContextMenus = true;
    bool devTools = true;
    bool script = true;
    bool operator==(const CQelBrowserOptions&) const = default;
};

class rg_EdgeLiuLanKuang : public CQelControl {
public:
    rg_EdgeLiuLanKuang() : CQelControl(CQelControlKind::Browser) {}

    // Goes to `address` now, or as soon as the web view exists. An address
    // without a colon gets "https://" in front; an empty one is refused (false).
    bool Navigate(const CWString& address);

    void EnablePasswordAutosave(bool on);
    void EnableGeneralAutofill(bool on);
    void EnableDefaultContextMenus(bool on);
    void EnableDevTools(bool on);
    void EnableScript(bool on);

protected:
    void OnNativeCreated() override;

private:
    void ApplyOptions();
    CWString m_address;
    CQelBrowserOptions m_options;
};

}  // namespace rg_qelvane_base
