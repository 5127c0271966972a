#pragma once
// The one way a test waits for something another thread, process or the
// toolkit brings about: it looks at the thing itself, again and again, for as
// long as the slowest machine may need, and fails saying what never came.
//
//   EXPECT_TRUE(WaitFor("the reader's threads to end", [&] { return ThreadCount() == threads; }));
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Far longer than anything waited for takes on a loaded machine, far shorter
// than the test run's own time limit.
inline constexpr std::chrono::seconds kGenerousWait{60};

// Waits until `done` holds, with `turn` (the toolkit's events, the posted tasks)
// run between two looks. After kGenerousWait it adds a failure naming `what`
// and gives false.
inline bool WaitFor(
    const std::string& what, const std::function<bool()>& done,
    const std::function<void()>& turn = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }) {
    const auto giveUp = std::chrono::steady_clock::now() + kGenerousWait;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            ADD_FAILURE() << "waited " << kGenerousWait.count() << " s for " << what;
            return false;
        }
        turn();
    }
    return true;
}
