#pragma once
// Shared by the tool window tests: the headless backend, the check that a
// click showed exactly one notice, and the names of table-driven cases.
#include "support/generator_test.h"
#include "support/headless_driver.h"

namespace generator_test {

class ToolWindowTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        rg_qelvane_base::headless::UseHeadlessBackend();
    }
    static void ExpectOneNotice(std::u16string_view text) {
        using rg_qelvane_base::headless::CShownBox;
        const auto& boxes = rg_qelvane_base::headless::ShownBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        const CShownBox& box = boxes.front();
        EXPECT_EQ(box.kind, CShownBox::Kind::Message);
        EXPECT_EQ(U8(box.text), U8(CWString(text)));
        EXPECT_EQ(U8(box.title), "信息:");
        EXPECT_EQ(box.flags, 0);
    }
};

// Names each case of a table-driven suite after its `name`.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

}  // namespace generator_test
