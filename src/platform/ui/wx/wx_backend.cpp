#include "platform/ui/wx/wx_backend.h"

#include <algorithm>
#include <memory>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/evtloop.h>
#include <wx/gdicmn.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "platform/ui/headless/headless_backend.h"
#include "platform/ui/wx/wx_backend_impl.h"
#include "platform/ui/wx/wx_peers.h"
#include "platform/ui/wx/wx_text.h"

namespace rg_qelvane_base::wx {

namespace {
long FrameStyle(CQelBorderStyle border) {
    switch (border) {
        case CQelBorderStyle::Sizable: return wxDEFAULT_FRAME_STYLE;
        case CQelBorderStyle::FixedSingle: return wxDEFAULT_FRAME_STYLE & ~wxRESIZE_BORDER;
        case CQelBorderStyle::DialogFrame: return wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
    }
    return wxDEFAULT_FRAME_STYLE;
}

CWxFormPeer* PeerOf(const CQelWinForm* form) {
    return form ? dynamic_cast<CWxFormPeer*>(form->NativeWindow()) : nullptr;
}

// The program reads no command line and stops only when its main window goes.
class CQelWxApp : public wxApp {
public:
    bool OnInit() override {
        SetExitOnFrameDelete(false);
        return true;
    }
};
}  // namespace

CQelNativeWindow* CWxBackend::CreateForm(CQelWinForm& form, const CQelFormSpec& spec) {
    auto* owner = dynamic_cast<CWxFormPeer*>(spec.owner);
    long style = FrameStyle(spec.border);
    // An owned window stays above its owner and goes with it.
    if (owner) style |= wxFRAME_FLOAT_ON_PARENT;
    auto* frame = new CWxFrame(owner ? owner->Frame() : nullptr, ToWx(spec.caption), style);
    return new CWxFormPeer(form, frame, spec.clientWidth, spec.clientHeight);
}

void CWxBackend::ShowForm(CQelNativeWindow& form) {
    auto& peer = static_cast<CWxFormPeer&>(form);
    peer.Frame()->CentreOnScreen();
    peer.Frame()->Show();
    peer.Frame()->Raise();
    NoteActivated(peer);
}

CQelNativeWindow* CWxBackend::CreateControl(CQelControl& control, CQelNativeWindow& parent, const CQelRect& rect) {
    auto* parentPeer = dynamic_cast<CWxPeer*>(&parent);
    return parentPeer ? CreateControlPeer(control, *parentPeer, rect) : nullptr;
}

void CWxBackend::NoteActivated(CWxFormPeer& form) {
    Forget(form);
    m_activation.push_back(&form);
}

void CWxBackend::Forget(CWxFormPeer& form) { std::erase(m_activation, &form); }

CQelWinForm* CWxBackend::LastActiveForm() const {
    for (auto it = m_activation.rbegin(); it != m_activation.rend(); ++it)
        if (auto* form = static_cast<CQelWinForm*>((*it)->Control()); form && !form->IsClosing()) return form;
    return nullptr;
}

int CWxBackend::RunModal(CQelWinForm& form, CQelWinForm* owner) {
    CWxFormPeer* peer = PeerOf(&form);
    if (!peer) return 0;
    {
        wxWindowDisabler disabler(peer->Frame());
        wxGUIEventLoop loop;
        m_modalRuns.push_back({&form, &loop});
        if (form.HasNativeWindow()) loop.Run();
        std::erase_if(m_modalRuns, [&](const ModalRun& run) { return run.loop == &loop; });
    }
    if (CWxFormPeer* ownerPeer = PeerOf(owner)) {
        ownerPeer->Frame()->Raise();
        NoteActivated(*ownerPeer);
    }
    return 0;
}

void CWxBackend::EndModal(CQelWinForm& form) {
    for (const ModalRun& run : m_modalRuns)
        if (run.form == &form && run.loop->IsRunning()) run.loop->Exit(0);
}

void CWxBackend::PostToUiThread(std::function<void()> task) {
    // Queuing an event is safe from any thread; the task runs from the event loop.
    if (wxTheApp) wxTheApp->CallAfter(std::move(task));
}

namespace {

// Runs its task once and goes.
class COneShotTimer : public wxTimer {
public:
    explicit COneShotTimer(std::function<void()> task) : m_task(std::move(task)) {}
    void Notify() override {
        std::function<void()> task = std::move(m_task);
        delete this;
        task();
    }

private:
    std::function<void()> m_task;
};

}  // namespace

void CWxBackend::RunLaterOnUiThread(int milliseconds, std::function<void()> task) {
    (new COneShotTimer(std::move(task)))->StartOnce(milliseconds);
}

void CWxBackend::WaitRepainting(const std::function<bool()>& done) {
    // Outside any running loop (start-up, tests) a loop of its own does the yielding.
    std::unique_ptr<wxGUIEventLoop> ownLoop;
    std::unique_ptr<wxEventLoopActivator> activation;
    if (!wxEventLoopBase::GetActive()) {
        ownLoop = std::make_unique<wxGUIEventLoop>();
        activation = std::make_unique<wxEventLoopActivator>(ownLoop.get());
    }
    // Only the UI category: paints and sizes happen, clicks and keys wait.
    while (!done()) {
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
        wxMilliSleep(10);
    }
}

int CWxBackend::RunMainLoop() { return wxTheApp->MainLoop(); }

void CWxBackend::QuitMainLoop(int) {
    // The only code the program quits with is 0, which is wx's own.
    if (wxTheApp->IsMainLoopRunning()) wxTheApp->ExitMainLoop();
}

int CWxBackend::DisplayDpi() const {
#ifdef wxHAS_DPI_INDEPENDENT_PIXELS
    // The toolkit scales its pixels itself: the windows' own units are already right.
    return 96;
#else
    return wxGetDisplayPPI().y;
#endif
}

bool CWxBackend::SetClipboardText(const CWString& text) {
    wxClipboardLocker locker;
    if (!locker) return false;
    wxTheClipboard->Clear();
    return text.empty() || wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
}

CWString CWxBackend::GetClipboardText() {
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return {};
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return {};
    return FromWx(data.GetText());
}

// ---------------------------------------------------------------------------------------------

CWxSession::CWxSession(int& argc, char** argv) {
    wxApp::SetInstance(new CQelWxApp);
    if (!wxEntryStart(argc, argv)) return;
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return;
    }
    m_started = true;
    InstallBackend(std::make_unique<CWxBackend>());
}

CWxSession::~CWxSession() {
    if (!m_started) return;
    wxTheClipboard->Flush();
    wxTheApp->OnExit();
    // Windows still open close as the close box would close them, so their
    // handlers run while the windows are whole; the toolkit then deletes them.
    wxWindowList open = wxTopLevelWindows;
    for (wxWindow* window : open) {
        auto* frame = dynamic_cast<CWxFrame*>(window);
        if (frame && frame->peer && frame->peer->Control()) static_cast<CQelWinForm*>(frame->peer->Control())->Close();
    }
    wxEntryCleanup();
    InstallBackend(std::make_unique<headless::CHeadlessBackend>());
}

}  // namespace rg_qelvane_base::wx
