#include "platform/ui_thread.h"

#include <chrono>
#include <thread>

namespace rg_qelvane_base {

namespace {

// Without windows there is nothing to paint and no event loop: a wait just
// waits, and a task handed on is dropped, as no loop would ever run it.
class CWindowlessThread final : public CQelUiThread {
public:
    void PostToUiThread(std::function<void()> /*task*/) override {}
    void RunLaterOnUiThread(int /*milliseconds*/, std::function<void()> /*task*/) override {}
    void WaitRepainting(const std::function<bool()>& done) override {
        while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
};

CQelUiThread& Windowless() {
    static CWindowlessThread thread;
    return thread;
}

// Constant-initialized, so it holds a thread before any code runs. The window
// layer replaces it from a static initializer in the file that defines
// Backend(), which every program with windows links; nothing asks for the UI
// thread before main, so nothing sees the change.
CQelUiThread& (*inUseFinder)() = &Windowless;

}  // namespace

CQelUiThread& UiThread() { return inUseFinder(); }

void InstallUiThread(CQelUiThread& (*inUse)()) { inUseFinder = inUse; }

}  // namespace rg_qelvane_base
