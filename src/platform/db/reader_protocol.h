#pragma once
// The messages between the program and its database reader
// (qelvane-dbreader), the small program of ours that holds every ODBC
// connection and reads every Access file, each in a process of its own.
//
// Every message is a frame: the length of its body (4 bytes, in the
// machine's order: both ends run on the same machine) and the body. The
// program sends one request at a time and waits for its one reply: a flag
// (connected, or the call could be made) and a whole record set.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

enum class CQelReaderCall : std::uint8_t {
    ConnectOdbc = 1,  // text: the ODBC connection string; number: the login timeout in seconds
    OpenAccess = 2,   // path: the file, in the file system's bytes
    Execute = 3,      // text: the statement
    OpenSchema = 4,   // number: the schema
};

struct CQelReaderRequest {
    CQelReaderCall call = CQelReaderCall::Execute;
    CWString text;
    std::string path;
    int number = 0;
};

struct CQelReaderReply {
    bool ok = false;
    rg_JiLuJiLei rows;
};

// Each encoding is a whole frame, ready to send.
std::string EncodeRequest(const CQelReaderRequest& request);
std::string EncodeReply(const CQelReaderReply& reply);

// The body of the first frame in `bytes` once it has come whole.
std::optional<std::string_view> FirstFrameBody(std::string_view bytes);
constexpr std::size_t FrameHeaderSize = 4;

// The longest body a frame may have. The largest replies the reader really
// sends are catalogues: the columns of an Access file of 1,000 tables of 20
// columns take under 3 MB, so this holds some 20 times that. A header that
// claims more comes from a broken reader, and waiting for it would cost the
// program that much memory.
constexpr std::uint32_t MaxFrameBodySize = 64u << 20;
// True once `bytes` begins with the header of a frame longer than that: no
// message, however much follows.
bool BeginsOverlongFrame(std::string_view bytes);

// Null for a body that is not such a message. Decoding a reply takes no
// more than a few times the body's length in memory, whatever it holds.
std::optional<CQelReaderRequest> DecodeRequest(std::string_view body);
std::optional<CQelReaderReply> DecodeReply(std::string_view body);

}  // namespace rg_qelvane_windows_ShuJuKu
