#include "platform/ui/form.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/backend.h"
#include "platform/ui/scale.h"

namespace rg_qelvane_base {

CQelWindowHandle MainWindowHandle = nullptr;

CQelWinForm::CQelWinForm(const CWString& caption) : CQelControl(CQelControlKind::Form) { m_text = caption; }

CQelWinForm::~CQelWinForm() {
    // No handler may run now: the derived window is already gone.
    if (CQelNativeWindow* native = TearDown(Ending::Silent)) native->DestroyWindow();
}

bool CQelWinForm::MakeNativeWindow(const CQelCreateRecord& record, bool modal) {
    if (HasNativeWindow()) return false;
    if (!record.caption.empty()) m_text = record.caption;
    CQelFormSpec spec;
    spec.owner = record.owner && record.owner != this ? record.owner->NativeWindow() : nullptr;
    spec.caption = m_text;
    spec.clientWidth = ScaleLength(ClientWidth());
    spec.clientHeight = ScaleLength(ClientHeight());
    spec.border = record.dialogFrame ? CQelBorderStyle::DialogFrame : m_border;
    CQelNativeWindow* native = Backend().CreateForm(*this, spec);
    if (!native) return false;
    AttachNative(native);
    m_modal = modal;
    HookEvents();
    BuildControls();
    RaiseEvent(CQelEvent::Created);
    if (NativeWindow()) Backend().ShowForm(*NativeWindow());
    return true;
}

bool CQelWinForm::CreateFormWindow(const CQelCreateRecord& record) { return MakeNativeWindow(record, false); }

void CQelWinForm::OpenWindow(CQelWinForm& owner) {
    CQelCreateRecord record;
    record.owner = &owner;
    MakeNativeWindow(record, false);
}

int CQelWinForm::ShowModal(const CQelCreateRecord& record) {
    CQelCreateRecord withOwner = record;
    if (!withOwner.owner) withOwner.owner = Backend().LastActiveForm();
    if (!MakeNativeWindow(withOwner, true)) return -1;
    if (!NativeWindow()) return 0;  // closed while it was being built
    return Backend().RunModal(*this, withOwner.owner);
}

void CQelWinForm::Close() {
    if (CQelNativeWindow* native = TearDown(Ending::Closed)) native->DestroyWindow();
}

void CQelWinForm::NativeFormGone() { TearDown(Ending::Gone); }

CQelNativeWindow* CQelWinForm::TearDown(Ending ending) {
    if (!NativeWindow() || m_tearingDown) return nullptr;
    m_tearingDown = true;
    if (ending == Ending::Closed) RaiseEvent(CQelEvent::Destroyed);
    CQelNativeWindow* native = NativeWindow();
    std::vector<CQelControl*> created;
    created.swap(m_created);
    for (CQelControl* control : created) {
        control->DetachNative();
        control->m_form = nullptr;
    }
    DetachNative();
    if (m_modal) {
        m_modal = false;
        Backend().EndModal(*this);
    }
    if (ending == Ending::Gone) RaiseEvent(CQelEvent::Destroyed);
    m_tearingDown = false;
    if (native && native == MainWindowHandle) {
        MainWindowHandle = nullptr;
        Backend().QuitMainLoop(0);
    }
    return native;
}

CQelRect CQelWinForm::GetClientRect() const {
    if (!NativeWindow()) return {};
    // Back in the windows' own units, so a rectangle made from it scales like any other.
    CQelRect r = NativeWindow()->GetClientRect();
    auto unscale = [](int v) { return static_cast<int>(std::lround(v / DisplayScale())); };
    return {unscale(r.x), unscale(r.y), unscale(r.width), unscale(r.height)};
}

void CQelWinForm::AddCreatedControl(CQelControl& control) { m_created.push_back(&control); }

void CQelWinForm::RemoveCreatedControl(CQelControl& control) {
    m_created.erase(std::remove(m_created.begin(), m_created.end(), &control), m_created.end());
}

}  // namespace rg_qelvane_base
