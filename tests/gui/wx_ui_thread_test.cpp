#include <gtest/gtest.h>
#include <wx/app.h>

#include <atomic>
#include <thread>

#include "platform/ui/backend.h"

TEST(WxUiThread, ATaskPostedFromAnotherThreadRunsOnTheUiThreadFromTheEventLoop) {
    auto& backend = rg_qelvane_base::Backend();
    std::atomic<bool> posted = false;
    std::thread::id ranOn;
    std::thread worker([&] {
        backend.PostToUiThread([&] { ranOn = std::this_thread::get_id(); });
        posted = true;
    });
    // The wait goes round its loop more than once with the task waiting.
    int turnsWithTheTaskWaiting = 0;
    backend.WaitRepainting([&] { return posted && ++turnsWithTheTaskWaiting > 3; });
    worker.join();
    EXPECT_EQ(ranOn, std::thread::id());  // the wait runs paints only, no other work
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}
