// The wx tests need the toolkit running on a display (xvfb-run -a test_gui).
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/ui/wx/wx_backend.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    rg_qelvane_base::wx::CWxSession session(argc, argv);
    // Listing the tests needs no display.
    if (!session.IsStarted() && !GTEST_FLAG_GET(list_tests)) {
        std::fprintf(stderr, "test_gui needs a display: run it under xvfb-run -a\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
