#pragma once
// The wx backend itself; program code sees only wx_backend.h.
#include <vector>

#include "platform/ui/backend.h"

class wxGUIEventLoop;

namespace rg_qelvane_base::wx {

class CWxFormPeer;

class CWxBackend : public CQelUiBackend {
public:
    CQelNativeWindow* CreateForm(CQelWinForm& form, const CQelFormSpec& spec) override;
    void ShowForm(CQelNativeWindow& form) override;
    CQelNativeWindow* CreateControl(CQelControl& control, CQelNativeWindow& parent, const CQelRect& rect) override;
    CQelWinForm* LastActiveForm() const override;
    int RunModal(CQelWinForm& form, CQelWinForm* owner) override;
    void EndModal(CQelWinForm& form) override;
    int RunMainLoop() override;
    void QuitMainLoop(int exitCode) override;
    int DisplayDpi() const override;
    int ShowMessage(CQelWinForm* owner, const CWString& text, int flags, const CWString& title) override;
    bool AskInput(CQelWinForm* owner, const CWString& prompt, const CWString& caption, const CWString& defaultText,
                  CWString& text) override;
    bool OpenFileDialog(CQelWinForm* owner, const CWString& filter, CWString& path) override;
    bool SetClipboardText(const CWString& text) override;
    CWString GetClipboardText() override;
    void PostToUiThread(std::function<void()> task) override;
    void RunLaterOnUiThread(int milliseconds, std::function<void()> task) override;
    void WaitRepainting(const std::function<bool()>& done) override;

    // Kept by the form peers.
    void NoteActivated(CWxFormPeer& form);
    void Forget(CWxFormPeer& form);

private:
    struct ModalRun {
        CQelWinForm* form;
        wxGUIEventLoop* loop;
    };
    std::vector<CWxFormPeer*> m_activation;  // oldest first
    std::vector<ModalRun> m_modalRuns;
};

}  // namespace rg_qelvane_base::wx
