#include "platform/ui/application.h"

#include <fstream>
#include <string>

namespace rg_qelvane_base {

namespace {
CQelUserApp* g_application = nullptr;
}

CQelUserApp::CQelUserApp() { g_application = this; }

CQelUserApp::~CQelUserApp() {
    if (g_application == this) g_application = nullptr;
}

CQelUserApp* CQelUserApp::Instance() { return g_application; }

bool IsDebuggerPresent() {
#ifdef __linux__
    // A traced process names its tracer here; 0 means none.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("TracerPid:", 0) == 0) return std::stoi(line.substr(10)) != 0;
#endif
    return false;
}

}  // namespace rg_qelvane_base
