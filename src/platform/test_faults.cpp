#include "platform/test_faults.h"

namespace rg_qelvane_base {

namespace {
unsigned injected = 0;
unsigned Bit(CQelFault fault) { return static_cast<unsigned>(fault); }
}  // namespace

bool IsFaultInjected(CQelFault fault) { return (injected & Bit(fault)) != 0; }

CInjectedFault::CInjectedFault(CQelFault fault) : m_fault(fault) { injected |= Bit(fault); }

CInjectedFault::~CInjectedFault() { injected &= ~Bit(m_fault); }

}  // namespace rg_qelvane_base
