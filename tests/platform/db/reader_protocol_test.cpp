// The replies of the database reader as the program reads them: every kind of
// value comes through unchanged, and a reply damaged anywhere is no reply.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/db/reader_protocol.h"

using namespace rg_qelvane_windows_ShuJuKu;

namespace {

std::string Number(std::uint32_t n) {
    std::string bytes(sizeof n, '\0');
    std::memcpy(bytes.data(), &n, sizeof n);
    return bytes;
}

std::string Body(const std::string& frame) { return frame.substr(FrameHeaderSize); }

}  // namespace

TEST(ReaderProtocol, EveryKindOfValueComesThroughUnchanged) {
    const rg_JiLuJiLei::Row values = {CQelComVariant(), CQelComVariant::Null(), true, false, -7LL, 0.25, u"", u"表名"};
    std::vector<CWString> names;
    for (std::size_t i = 0; i < values.size(); ++i)
        names.push_back(rg_qelvane_base::Joined({u"f", CWString::FromUtf8(std::to_string(i))}));
    const auto reply = DecodeReply(Body(EncodeReply({true, rg_JiLuJiLei::FromRows(names, {values, {u"short row"}})})));
    ASSERT_TRUE(reply && reply->ok);
    rg_JiLuJiLei rows = reply->rows;
    ASSERT_EQ(rows.GetRecordCount(), 2);
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(rows.GetFieldValue(names[i]), values[i]) << i;
    rows.MoveNext();
    EXPECT_EQ(rows.GetFieldValue(u"f0"), CQelComVariant(u"short row"));
    EXPECT_TRUE(rows.GetFieldValue(u"f1").IsEmpty());
}

TEST(ReaderProtocol, ADamagedReplyIsNoReply) {
    // One field "a" of type 3 with the property "p" = true, and one row whose
    // value is true, as the reader lays them out.
    const std::string reply = std::string("\x01\x01", 2) + Number(1) + Number(2) + std::string("a\0", 2) + Number(3) +
                              Number(1) + Number(2) + std::string("p\0", 2) + "\x02\x01" + Number(1) + "\x02\x01";
    const auto whole = DecodeReply(reply);
    ASSERT_TRUE(whole && whole->ok);
    ASSERT_EQ(whole->rows.GetField(0).Properties.size(), 1u);
    EXPECT_EQ(whole->rows.GetField(0).Properties[0].Value, CQelComVariant(true));
    EXPECT_EQ(whole->rows.GetFieldValue(u"a"), CQelComVariant(true));
    struct Case {
        const char* what;
        std::size_t offset;
        std::string bytes;
    };
    const Case cases[] = {
        {"reply flag neither 0 nor 1", 0, "\x02"},
        {"open flag neither 0 nor 1", 1, "\xff"},
        {"property flag neither 0 nor 1", 27, "\x02"},
        {"value flag neither 0 nor 1", 33, "\x02"},
        {"unknown value tag", 32, "\x09"},
        {"more fields than the body holds", 2, Number(3)},
        {"more properties than the body holds", 16, Number(0xFFFFFFFF)},
        {"more rows than the body holds", 28, Number(2)},
        {"text of an odd number of bytes", 6, Number(1)},
        {"text longer than the body", 20, Number(0x7FFFFFFE)},
    };
    for (const Case& c : cases) {
        std::string damaged = reply;
        damaged.replace(c.offset, c.bytes.size(), c.bytes);
        EXPECT_FALSE(DecodeReply(damaged)) << c.what;
    }
}
