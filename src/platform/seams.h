#pragma once
// Where tests change what the platform does, all in one place. The platform
// reads each seam where it acts; the program never sets one, so each keeps
// its default there. Tests set them through the scoped objects of their own
// support library (tests/support/seams.h).
#include <atomic>
#include <filesystem>

namespace rg_qelvane_base {

// What tests make refuse, as a full disk, a locked file or a busy clipboard
// would, to check that every action says so and keeps the user's data.
enum class CQelFault : unsigned {
    Move = 1u << 0,            // MovePath
    CreateFolder = 1u << 1,    // CreateDirectoryChain
    Delete = 1u << 2,          // DeleteDirectoryTree, DeleteFilePath
    Read = 1u << 3,            // every whole-file read
    ClipboardWrite = 1u << 4,  // SetClipboardText on the headless backend
};

struct CQelSeams {
    // The program's folder (tests run in temporary ones); empty: the folder of the running executable.
    std::filesystem::path programDir;
    // The CQelFault bits of what refuses.
    unsigned refused = 0;
    // The database layer's own deadlines, an open's and every statement's, so
    // that a reader that hangs is given up quickly; 0: the real ones.
    std::atomic<long long> databaseDeadlineMilliseconds = 0;
    // Started in the database reader's place, to see what the program makes
    // of a reader that misbehaves; empty: the reader beside the program.
    std::filesystem::path databaseReader;
};

CQelSeams& Seams();

inline bool IsFaultInjected(CQelFault fault) { return (Seams().refused & static_cast<unsigned>(fault)) != 0; }

}  // namespace rg_qelvane_base
