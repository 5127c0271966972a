#pragma once
// The one test hook for refusals: tests make the file layer and the headless
// backend refuse what a full disk, a locked file or a busy clipboard would
// refuse, and check that every action says so and keeps the user's data.
// Nothing in the program itself sets a fault.
namespace rg_qelvane_base {

enum class CQelFault : unsigned {
    Move = 1u << 0,            // MovePath
    CreateFolder = 1u << 1,    // CreateDirectoryChain
    Delete = 1u << 2,          // DeleteDirectoryTree, DeleteFilePath
    Read = 1u << 3,            // every whole-file read
    ClipboardWrite = 1u << 4,  // SetClipboardText on the headless backend
};

bool IsFaultInjected(CQelFault fault);

// Refuses the operation while the object lives.
class CInjectedFault {
public:
    explicit CInjectedFault(CQelFault fault);
    ~CInjectedFault();
    CInjectedFault(const CInjectedFault&) = delete;
    CInjectedFault& operator=(const CInjectedFault&) = delete;

private:
    CQelFault m_fault;
};

}  // namespace rg_qelvane_base
