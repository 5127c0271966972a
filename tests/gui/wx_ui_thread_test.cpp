#include <gtest/gtest.h>
#include <wx/app.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/ui/backend.h"

TEST(WxUiThread, ATaskPostedFromAnotherThreadRunsOnTheUiThreadFromTheEventLoop) {
    auto& backend = rg_qelvane_base::Backend();
    std::atomic<bool> finished = false;
    std::thread::id ranOn;
    std::thread worker([&] {
        backend.PostToUiThread([&] { ranOn = std::this_thread::get_id(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        finished = true;
    });
    backend.WaitRepainting([&] { return finished.load(); });
    worker.join();
    EXPECT_EQ(ranOn, std::thread::id());  // the wait runs paints only, no other work
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}
