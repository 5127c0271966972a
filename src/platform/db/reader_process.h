#pragma once
// A running database reader (qelvane-dbreader, found beside the running
// program): one ODBC connection or Access file in a process of its own, so
// that a driver or a damaged file that hangs, crashes or eats memory takes
// nothing of the program with it.
//
// One request at a time: Send, then Pump until the reply has come or the
// stream has ended, then TakeReply. Pump may run on another thread than the
// rest, as long as only one thread pumps; Kill may come from any thread.
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include <sys/types.h>

#include "platform/db/reader_protocol.h"

namespace rg_qelvane_windows_ShuJuKu {

class CQelDatabaseReader {
public:
    using Clock = std::chrono::steady_clock;

    // Null when the reader cannot be started. Start it on a thread that lives
    // as long as the program (the UI thread): it ends when that thread ends.
    static std::unique_ptr<CQelDatabaseReader> Start();
    // Lets the reader end (its input ends), killing it when it does not end
    // at once, and reaps it.
    ~CQelDatabaseReader();
    CQelDatabaseReader(const CQelDatabaseReader&) = delete;
    CQelDatabaseReader& operator=(const CQelDatabaseReader&) = delete;

    // Queues the request for Pump to send; false when the reader is gone.
    bool Send(const CQelReaderRequest& request);
    // Reads what the reader sends until `until`; true once the reply has come
    // whole or nothing more can come (the reader is gone, or began a frame
    // longer than any reply).
    bool Pump(Clock::time_point until);
    // The reply that has come whole; null while it has not, or when what came
    // is not a reply.
    std::optional<CQelReaderReply> TakeReply();
    // Ends the reader at once (SIGKILL) and reaps it; later sends fail.
    void Kill();

private:
    CQelDatabaseReader(pid_t pid, int channel) : m_pid(pid), m_channel(channel) {}
    // Reaps the reader once it has ended, waiting for it up to `timeout`; true when reaped.
    bool Reap(std::chrono::milliseconds timeout);

    std::mutex m_processLock;  // over m_pid
    pid_t m_pid;               // 0 once reaped
    int m_channel;             // a socket joined to the reader's standard input and output
    std::string m_sending;     // requests not yet taken by the reader
    std::string m_received;
    bool m_ended = false;  // nothing more is read: the reader's output has ended, or is no reply
};

}  // namespace rg_qelvane_windows_ShuJuKu
