// The process entry: the toolkit, the display scale, the application object,
// the guarded start and the main loop.
#include <cstdio>
#include <new>

#include "app/startup.h"
#include "platform/ui/wx/wx_backend.h"

int main(int argc, char** argv) {
    rg_qelvane_base::wx::CWxSession session(argc, argv);
    if (!session.IsStarted()) {
        std::fprintf(stderr, "qelvane: no display to show its windows on\n");
        return -1;
    }
    rg_qelvane_app::InitialiseDisplayScale();
    try {
        rg_qelvane_app::rg_startup_class application;
        return rg_qelvane_app::RunApplication([&application] { return application.Start(); });
    } catch (const std::bad_alloc&) {
        return -1;
    }
}
