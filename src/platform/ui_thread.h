#pragma once
// The thread that runs the windows, as the layers beside the window layer see
// it: the database connection waits on it while its reader works, and hands
// it what is to happen there later. The window layer installs its backend in
// use as this thread before the program starts; a program without windows
// has only a thread that waits.
#include <functional>

namespace rg_qelvane_base {

class CQelUiThread {
public:
    virtual ~CQelUiThread() = default;

    // Callable from any thread: runs `task` later on the UI thread, from the
    // event loop (the headless backend keeps it until the test driver runs it).
    virtual void PostToUiThread(std::function<void()> task) = 0;
    // On the UI thread: runs `task` from the event loop once `milliseconds` have passed.
    virtual void RunLaterOnUiThread(int milliseconds, std::function<void()> task) = 0;
    // On the UI thread: returns once `done` gives true, which another thread
    // brings about. Meanwhile windows keep painting and their close boxes
    // work, but neither other user input nor posted tasks are handled (they
    // wait until afterwards).
    virtual void WaitRepainting(const std::function<bool()>& done) = 0;
};

// The UI thread in use, as the installed finder gives it at each call.
CQelUiThread& UiThread();
void InstallUiThread(CQelUiThread& (*inUse)());

}  // namespace rg_qelvane_base
