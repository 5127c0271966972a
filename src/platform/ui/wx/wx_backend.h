#pragma once
// Starting the real windows: while a session object lives, wxWidgets runs and
// the wx backend is the one in use.

namespace rg_qelvane_base::wx {

class CWxSession {
public:
    // Reads no option of its own; false from IsStarted when there is no display.
    CWxSession(int& argc, char** argv);
    // Leaves copied text on the system clipboard, then stops wxWidgets.
    ~CWxSession();
    CWxSession(const CWxSession&) = delete;
    CWxSession& operator=(const CWxSession&) = delete;

    bool IsStarted() const { return m_started; }

private:
    bool m_started = false;
};

}  // namespace rg_qelvane_base::wx
