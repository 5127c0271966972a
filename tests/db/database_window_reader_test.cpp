// The database window when a wrap's column reads fail part-way through: a
// failed statement, a reader that ends, a reader that freezes until the
// statement deadline. Stand-in readers answer in order whatever they are
// asked, so each reply below is the answer to the window's next call.
#include "platform/ui/clipboard.h"
#include "support/processes.h"
#include "support/reader_stand_in.h"
#include "support/tool_window_test.h"
#include "tools/dbwrap/database_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using namespace rg_qelvane_windows_ShuJuKu;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

const std::vector<CWString> kMySqlColumnFields = {u"Field", u"Type", u"Null", u"Key", u"Default", u"Extra"};

std::string Answer(rg_JiLuJiLei rows) { return EncodeReply({true, std::move(rows)}); }

// Connected, eight tables listed, then the columns of the first three: one
// column, a statement that failed, and a table that really has none. What
// the window asks after that, the reader no longer answers.
std::string ShopReplies() {
    std::vector<rg_JiLuJiLei::Row> tables;
    for (const char16_t* name : {u"t1", u"t2", u"t3", u"t4", u"t5", u"t6", u"t7", u"t8"}) tables.push_back({name});
    return kConnected + Answer(rg_JiLuJiLei::FromRows({u"Tables_in_db"}, std::move(tables))) +
           Answer(rg_JiLuJiLei::FromRows(kMySqlColumnFields, {{u"id", u"int(11)", u"NO", u"PRI", u"", u""}})) +
           Answer(rg_JiLuJiLei()) + Answer(rg_JiLuJiLei::FromRows(kMySqlColumnFields, {}));
}

// Then it ends, once it has taken `count` requests: the last reply it sent
// answers the last of them, and the next request finds it gone.
std::string EndAfterRequests(int count) {
    return "; for request in $(seq " + std::to_string(count) +
           "); do length=$(head -c 4 | od -An -tu4) && head -c $length >/dev/null; done";
}

class DatabaseWindowReadFailures : public generator_test::ToolWindowTest {
protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(window.CreateFormWindow());
        Type(window.m_mySqlPanel.m_address, u"127.0.0.1");
        Type(window.m_mySqlPanel.m_database, u"db");
    }
    void Connect() {
        ClearShownBoxes();
        Click(window.m_connect);
        ExpectOneNotice(u"数据库连接成功！");
        ASSERT_EQ(window.m_tables.GetItemCount(), 8);
    }

    rg_win_ShuJuKuFengZhuang window;
};

TEST_F(DatabaseWindowReadFailures, OnlyTablesReadWholeAreWrappedAndTheOthersNamed) {
    const struct {
        const char* what;
        std::string script;
    } readers[] = {
        {"the reader ends", kSendReplies + EndAfterRequests(5)},
        {"the reader freezes", kSendReplies + kStayUntilReleased},
    };
    const CQelShortDeadlines shortened(std::chrono::milliseconds(1500));
    for (const auto& reader : readers) {
        SCOPED_TRACE(reader.what);
        const CQelReaderStandIn standIn(StandIn(programDir_, ShopReplies(), reader.script));
        Connect();
        for (int index = 0; index < window.m_tables.GetItemCount(); ++index) ClickCheckMark(window.m_tables, index);
        ClearShownBoxes();
        Click(window.m_wrapTicked);
        ExpectOneNotice(u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共6个）：t2、t4、t5、t6、t7等");
        const CWString read =
            CrLfLines({kHeader, u"", u"类 t1 <公开>", u"{", u"\t变量 id <公开 类型 = int 注释 = \"\">", u"}",
                       u"类 t3 <公开>", u"{", u"}"});
        EXPECT_EQ(U8(window.m_output.GetControlText()), U8(read));
        ClearShownBoxes();
        Click(window.m_copy);
        ExpectOneNotice(u"复制成功！");
        EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), U8(read));

        // Disconnecting and connecting again still work; this reader answers
        // the grid's read of a clicked table, but not the wrap's.
        Click(window.m_connect);
        EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
        Connect();
        ClearShownBoxes();
        Select(window.m_tables, 0);
        ExpectOneNotice(u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共1个）：t1");
        EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""})));
        EXPECT_EQ(window.m_grid.GetRowCount(), 1);
        Click(window.m_connect);
        EXPECT_TRUE(ChildProcesses().empty());
    }
}

}  // namespace
