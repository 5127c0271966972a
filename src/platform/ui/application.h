#pragma once
// Process-level services of a window program: the application object, the
// platform's exception and the debugger test of the start-up guard.
#include <exception>

#include "platform/text.h"

namespace rg_qelvane_base {

// The platform's exception: an integer code and a description.
class CQelException : public std::exception {
public:
    CQelException(int code, CWString description) : m_code(code), m_description(std::move(description)) {}
    int Code() const { return m_code; }
    const CWString& Description() const { return m_description; }
    const char* what() const noexcept override { return "CQelException"; }

private:
    int m_code;
    CWString m_description;
};

// The process's one application object: it publishes itself before any of
// its members (the windows) are built.
class CQelUserApp {
public:
    CQelUserApp();
    virtual ~CQelUserApp();
    CQelUserApp(const CQelUserApp&) = delete;
    CQelUserApp& operator=(const CQelUserApp&) = delete;

    // Null before one is made and after it is gone.
    static CQelUserApp* Instance();
};

// True while a debugger is attached to the process.
bool IsDebuggerPresent();

}  // namespace rg_qelvane_base
