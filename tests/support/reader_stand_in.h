#pragma once
// Stand-ins for the database reader: shell scripts that ask nothing of what
// they are sent and answer with replies written beforehand, in order, so a
// test can make any call fail the way a broken reader or server would.
#include <filesystem>
#include <string>

#include "platform/db/reader_protocol.h"
#include "support/temp_program_dir.h"

// A stand-in running `script` in `dir`; kSendReplies in it sends `replies` at once.
inline std::filesystem::path StandIn(const TempProgramDir& dir, const std::string& replies, const std::string& script) {
    dir.WriteBytes("replies", replies);
    dir.WriteBytes("stand-in", "#!/bin/sh\n" + script + "\n");
    std::filesystem::permissions(dir / "stand-in", std::filesystem::perms::owner_all);
    return dir / "stand-in";
}
inline const std::string kSendReplies = R"(cat "$(dirname "$0")/replies")";
// Then it stays, reading what it is sent, until the program lets go of it.
inline const std::string kStayUntilReleased = "; exec cat >/dev/null";

inline const std::string kConnected = rg_qelvane_windows_ShuJuKu::EncodeReply({true, {}});
