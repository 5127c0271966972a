#include "platform/ui/control.h"

#include "platform/ui/backend.h"
#include "platform/ui/form.h"
#include "platform/ui/scale.h"

namespace rg_qelvane_base {

namespace {
CQelRect Scaled(const CQelRect& r) {
    return {ScaleLength(r.x), ScaleLength(r.y), ScaleLength(r.width), ScaleLength(r.height)};
}
}  // namespace

CQelNativeWindow::~CQelNativeWindow() {
    if (m_control && m_control->m_native == this) m_control->m_native = nullptr;
}

CQelControl::~CQelControl() {
    if (m_native) {
        CQelNativeWindow* native = m_native;
        DetachNative();
        native->DestroyWindow();
    }
    if (m_form && m_form != this) m_form->RemoveCreatedControl(*this);
}

bool CQelControl::Create(CQelControl& parent, int id, CQelRect rect, const CWString& text, const CWString& font,
                         unsigned style) {
    if (m_native || m_kind == CQelControlKind::Form) return false;
    m_parent = &parent;
    m_id = id;
    m_text = text;
    m_font = font;
    m_style = style;
    CQelWinForm* form = parent.Form();
    if (!parent.m_native || !form) return false;
    CQelNativeWindow* native = Backend().CreateControl(*this, *parent.m_native, Scaled(rect));
    if (!native) return false;
    AttachNative(native);
    if (m_form && m_form != form) m_form->RemoveCreatedControl(*this);
    m_form = form;
    form->AddCreatedControl(*this);
    if (!m_font.empty()) native->SetFont(ParseFontDescription(m_font));
    OnNativeCreated();
    return true;
}

void CQelControl::Bind(CQelEvent event, Handler handler) {
    m_handlers[static_cast<size_t>(event)] = std::move(handler);
}

void CQelControl::RaiseEvent(CQelEvent event) {
    // A copy, so a handler may rebind or close the window that raised it.
    Handler handler = m_handlers[static_cast<size_t>(event)];
    if (handler) handler(*this);
}

CWString CQelControl::GetControlText() const { return m_native ? m_native->GetText() : m_text; }

void CQelControl::SetControlText(const CWString& text) {
    if (!m_native) {
        m_text = text;
        return;
    }
    m_native->SetText(text);
    if (m_kind == CQelControlKind::Edit) RaiseEvent(CQelEvent::TextChanged);
}

void CQelControl::SetControlFont(const CWString& description) {
    m_font = description;
    if (m_native) m_native->SetFont(ParseFontDescription(description));
}

void CQelControl::SetStaticEdgeBorder() {
    m_style |= CQelStyle::StaticEdge;
    if (m_native) m_native->SetStaticEdge();
}

void CQelControl::Enable(bool enabled) {
    m_enabled = enabled;
    if (m_native) m_native->Enable(enabled);
}

void CQelControl::Move(CQelRect rect) {
    if (m_native) m_native->Move(Scaled(rect));
}

void CQelControl::Show(bool visible) {
    if (m_native) m_native->Show(visible);
}

CQelWinForm* CQelControl::Form() const {
    if (m_kind == CQelControlKind::Form) return static_cast<CQelWinForm*>(const_cast<CQelControl*>(this));
    return m_form;
}

void CQelControl::AttachNative(CQelNativeWindow* native) { m_native = native; }

void CQelControl::DetachNative() {
    if (!m_native) return;
    m_native->m_control = nullptr;
    m_native = nullptr;
}

}  // namespace rg_qelvane_base
