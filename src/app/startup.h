#pragma once
// The application object and the start-up sequence of the process.
#include <functional>
#include <optional>

#include "app/main_window.h"
#include "platform/ui/application.h"

namespace rg_qelvane_app {

class rg_startup_class : public rg_qelvane_base::CQelUserApp {
public:
    // Creates the main window (unowned, centred, 800 x 600 client) and records
    // its handle in MainWindowHandle when that worked. Always true.
    bool Start();

private:
    rg_my_main_window m_mainWindow;
};

// Works out the display scale for every window to come.
void InitialiseDisplayScale();

// Runs `start` under the guard: a platform exception or any other one is
// reported in an error box without owner, and gives no result.
std::optional<bool> RunStartupGuarded(const std::function<bool()>& start);

// The guarded start, then the main loop while the main window exists.
// Returns the process's exit code: -1 after a caught exception or a refused
// start, 0 without a main window, else the main loop's code.
int RunApplication(const std::function<bool()>& start);

}  // namespace rg_qelvane_app
