#include "app/startup.h"

#include "platform/ui/backend.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/scale.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr char16_t kGuardTitle[] = u"运行时异常";

void ReportStartupFailure(const CWString& text) { ShowMessageBox(nullptr, text, MB_ICONERROR, kGuardTitle); }
}  // namespace

bool rg_startup_class::Start() {
    if (m_mainWindow.CreateFormWindow()) MainWindowHandle = m_mainWindow.WindowHandle();
    return true;
}

void InitialiseDisplayScale() { SetDisplayScale(ScaleFromDpi(Backend().DisplayDpi())); }

std::optional<bool> RunStartupGuarded(const std::function<bool()>& start) {
    // Under a debugger the exception should reach the debugger.
    if (IsDebuggerPresent()) return start();
    try {
        return start();
    } catch (const CQelException& e) {
        ReportStartupFailure(CWString::Format(u"俘获到异常,代码值为: %d, 描述为: %s", {e.Code(), e.Description()}));
    } catch (...) {
        ReportStartupFailure(u"程序在运行时抛出了未被管理的异常");
    }
    return std::nullopt;
}

int RunApplication(const std::function<bool()>& start) {
    std::optional<bool> started = RunStartupGuarded(start);
    if (!started || !*started) return -1;
    if (!MainWindowHandle) return 0;
    return Backend().RunMainLoop();
}

}  // namespace rg_qelvane_app
