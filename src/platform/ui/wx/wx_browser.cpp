// The browser control over wx's web view (WebKitGTK here, Edge WebView2 on
// Windows). The view starts empty; the control then hands it its options and
// its start address.
#include <wx/webview.h>

#ifdef __WXGTK__
#include <webkit2/webkit2.h>
#endif

#include "platform/ui/wx/wx_peers.h"
#include "platform/ui/wx/wx_text.h"

namespace rg_qelvane_base::wx {

namespace {

// wx has no switch for script; WebKitGTK keeps it among the view's settings.
void EnableScript(wxWebView& view, bool on) {
#ifdef __WXGTK__
    if (auto* native = static_cast<WebKitWebView*>(view.GetNativeBackend()))
        webkit_settings_set_enable_javascript(webkit_web_view_get_settings(native), on);
#endif
}

class CWxBrowserPeer : public CWxPeer {
public:
    CWxBrowserPeer(CQelControl& control, wxWebView* view, wxPoint origin) : CWxPeer(control, view, origin) {}

    void Navigate(const CWString& address) override { View()->LoadURL(ToWx(address)); }
    // Autofill and password saving have no switch in the toolkit: they stay the engine's own.
    void SetBrowserOptions(const CQelBrowserOptions& options) override {
        View()->EnableContextMenu(options.defaultContextMenus);
        View()->EnableAccessToDevTools(options.devTools);
        EnableScript(*View(), options.script);
    }

private:
    wxWebView* View() const { return static_cast<wxWebView*>(m_window); }
};

}  // namespace

CWxPeer* CreateBrowserPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect) {
    if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return nullptr;
    wxWebView* view = wxWebView::New(container, wxID_ANY, wxWebViewDefaultURLStr, origin + wxPoint(rect.x, rect.y),
                                     wxSize(rect.width, rect.height));
    return view ? new CWxBrowserPeer(control, view, origin) : nullptr;
}

}  // namespace rg_qelvane_base::wx
