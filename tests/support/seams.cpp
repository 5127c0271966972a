#include "support/seams.h"

namespace rg_qelvane_base {

void SetProgramDirForTests(const std::filesystem::path& folder) { Seams().programDir = folder; }

CInjectedFault::CInjectedFault(CQelFault fault) : m_fault(fault) { Seams().refused |= static_cast<unsigned>(fault); }

CInjectedFault::~CInjectedFault() { Seams().refused &= ~static_cast<unsigned>(m_fault); }

}  // namespace rg_qelvane_base

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::Seams;

CQelShortDeadlines::CQelShortDeadlines(std::chrono::milliseconds deadline) {
    Seams().databaseDeadlineMilliseconds = deadline.count();
}

CQelShortDeadlines::~CQelShortDeadlines() { Seams().databaseDeadlineMilliseconds = 0; }

CQelReaderStandIn::CQelReaderStandIn(std::filesystem::path program) { Seams().databaseReader = std::move(program); }

CQelReaderStandIn::~CQelReaderStandIn() { Seams().databaseReader.clear(); }

}  // namespace rg_qelvane_windows_ShuJuKu
