// Which backend the controls talk to. It lives beside the headless backend
// because that one is in use until the program installs the real windows.
#include "platform/ui/backend.h"

#include "platform/ui/headless/headless_backend.h"

namespace rg_qelvane_base {

namespace {
std::unique_ptr<CQelUiBackend>& Current() {
    static std::unique_ptr<CQelUiBackend> backend;
    return backend;
}

// The layers beside the windows reach the UI thread through the base: it is
// the backend in use, whichever that is when they ask.
const struct CBackendAsUiThread {
    CBackendAsUiThread() {
        InstallUiThread([]() -> CQelUiThread& { return Backend(); });
    }
} backendAsUiThread;

}  // namespace

CQelUiBackend& Backend() {
    if (!Current()) Current() = std::make_unique<headless::CHeadlessBackend>();
    return *Current();
}

void InstallBackend(std::unique_ptr<CQelUiBackend> backend) {
    // The old backend's windows go first, while the old backend can still tear them down.
    Current().reset();
    Current() = std::move(backend);
}

}  // namespace rg_qelvane_base
