#pragma once
// The seams of the platform (platform/seams.h) as tests set them: each
// object holds its seam while it lives.
#include <chrono>
#include <filesystem>

#include "platform/seams.h"

namespace rg_qelvane_base {

// Points the program folder elsewhere until the next call.
void SetProgramDirForTests(const std::filesystem::path& folder);

// Makes the operation refuse.
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

namespace rg_qelvane_windows_ShuJuKu {

// Shortens the database layer's deadlines, an open's and every statement's.
class CQelShortDeadlines {
public:
    explicit CQelShortDeadlines(std::chrono::milliseconds deadline);
    ~CQelShortDeadlines();
    CQelShortDeadlines(const CQelShortDeadlines&) = delete;
    CQelShortDeadlines& operator=(const CQelShortDeadlines&) = delete;
};

// Starts `program` in the database reader's place.
class CQelReaderStandIn {
public:
    explicit CQelReaderStandIn(std::filesystem::path program);
    ~CQelReaderStandIn();
    CQelReaderStandIn(const CQelReaderStandIn&) = delete;
    CQelReaderStandIn& operator=(const CQelReaderStandIn&) = delete;
};

}  // namespace rg_qelvane_windows_ShuJuKu
