#include "platform/db/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <thread>

#include "platform/seams.h"

extern char** environ;

namespace rg_qelvane_windows_ShuJuKu {

namespace {

// Beside the running executable: the program's own build or installation,
// whatever folder the program takes its data from.
std::filesystem::path ReaderPath() {
    const std::filesystem::path& standIn = rg_qelvane_base::Seams().databaseReader;
    if (!standIn.empty()) return standIn;
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "qelvane-dbreader";
}

// Runs the reader with `channel` as its standard input and output and no
// other descriptor of the program; 0 when it cannot start. What the drivers
// and MDBTools print is nobody's to read (a damaged file can make MDBTools
// warn by the megabyte): it goes nowhere, not onto the program's own
// standard error.
pid_t Spawn(const std::filesystem::path& reader, int channel) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, channel, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    std::string path = reader.string();
    char* arguments[] = {path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, &attributes, arguments, environ) != 0) pid = 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int MillisecondsUntil(CQelDatabaseReader::Clock::time_point until) {
    if (until == CQelDatabaseReader::Clock::time_point::max()) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - CQelDatabaseReader::Clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, 1 << 30));
}

}  // namespace

std::unique_ptr<CQelDatabaseReader> CQelDatabaseReader::Start() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return nullptr;
    // The reader's end must not already be one of the standard descriptors it is given as.
    if (ends[1] <= STDERR_FILENO) {
        const int moved = fcntl(ends[1], F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        close(ends[1]);
        ends[1] = moved;
    }
    const pid_t pid = ends[1] < 0 ? 0 : Spawn(ReaderPath(), ends[1]);
    if (ends[1] >= 0) close(ends[1]);
    if (!pid) {
        close(ends[0]);
        return nullptr;
    }
    fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    return std::unique_ptr<CQelDatabaseReader>(new CQelDatabaseReader(pid, ends[0]));
}

CQelDatabaseReader::~CQelDatabaseReader() {
    shutdown(m_channel, SHUT_WR);
    if (!Reap(std::chrono::milliseconds(200))) Kill();
    close(m_channel);
}

bool CQelDatabaseReader::Send(const CQelReaderRequest& request) {
    if (m_ended) return false;
    m_sending += EncodeRequest(request);
    return true;
}

// One piece at a time, with the deadline and the frame looked at before each:
// a reader that never stops sending is given up on time all the same, and a
// header longer than any reply is not waited out.
bool CQelDatabaseReader::Pump(Clock::time_point until) {
    while (!m_ended && !FirstFrameBody(m_received)) {
        if (BeginsOverlongFrame(m_received)) {
            m_ended = true;
            break;
        }
        if (Clock::now() >= until) return false;
        pollfd channel{m_channel, static_cast<short>(POLLIN | (m_sending.empty() ? 0 : POLLOUT)), 0};
        const int ready = poll(&channel, 1, MillisecondsUntil(until));
        if (ready < 0 && errno != EINTR) m_ended = true;
        if (ready <= 0) continue;
        if (channel.revents & POLLOUT) {
            const ssize_t sent = send(m_channel, m_sending.data(), m_sending.size(), MSG_NOSIGNAL);
            if (sent > 0) m_sending.erase(0, static_cast<std::size_t>(sent));
            else if (errno != EAGAIN && errno != EINTR) m_ended = true;
        }
        if (channel.revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[65536];
            const ssize_t got = recv(m_channel, buffer, sizeof buffer, 0);
            if (got > 0) m_received.append(buffer, static_cast<std::size_t>(got));
            else if (got == 0 || (errno != EAGAIN && errno != EINTR)) m_ended = true;
        }
    }
    return true;
}

std::optional<CQelReaderReply> CQelDatabaseReader::TakeReply() {
    const auto body = FirstFrameBody(m_received);
    if (!body) return std::nullopt;
    auto reply = DecodeReply(*body);
    m_received.erase(0, FrameHeaderSize + body->size());
    return reply;
}

void CQelDatabaseReader::Kill() {
    std::lock_guard lock(m_processLock);
    if (!m_pid) return;
    kill(m_pid, SIGKILL);
    while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_pid = 0;
}

bool CQelDatabaseReader::Reap(std::chrono::milliseconds timeout) {
    const auto until = Clock::now() + timeout;
    for (;;) {
        {
            std::lock_guard lock(m_processLock);
            if (!m_pid) return true;
            const pid_t ended = waitpid(m_pid, nullptr, WNOHANG);
            // ECHILD: someone else reaped it already.
            if (ended == m_pid || (ended < 0 && errno == ECHILD)) {
                m_pid = 0;
                return true;
            }
        }
        if (Clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace rg_qelvane_windows_ShuJuKu
