// qelvane-dbreader: holds one ODBC connection or one Access file for the
// program that started it, and answers its requests (platform/db/
// reader_protocol.h) on standard input and output until input ends.
//
// The program kills it when a call runs past its deadline, and a damaged file
// may crash it inside MDBTools: either way the program just sees the call
// fail. What it cannot stop from outside, it limits here: the memory it may
// take, and its life after the program's.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "dbreader/database_link.h"
#include "platform/db/reader_protocol.h"

namespace {

using namespace rg_qelvane_windows_ShuJuKu;

// Room for the drivers and the largest results; a damaged file that makes
// MDBTools allocate without end fails here instead of taking the machine's
// memory (it has no swap to fall back on).
constexpr rlim_t MemoryLimitBytes = rlim_t(2) << 30;

void LimitMemory() {
    const rlimit limit{MemoryLimitBytes, MemoryLimitBytes};
    setrlimit(RLIMIT_AS, &limit);
}

// A reader whose program has gone ends with it, even in the middle of a call.
void EndWithTheProgram() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1) _exit(0);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The next request from standard input; null when input ends or is not a request.
std::optional<CQelReaderRequest> ReadRequest(std::string& pending) {
    for (;;) {
        if (const auto body = FirstFrameBody(pending)) {
            auto request = DecodeRequest(*body);
            pending.erase(0, FrameHeaderSize + body->size());
            return request;
        }
        if (BeginsOverlongFrame(pending)) return std::nullopt;
        char buffer[65536];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return std::nullopt;
        pending.append(buffer, static_cast<std::size_t>(got));
    }
}

CQelReaderReply Answer(std::unique_ptr<CQelDatabaseLink>& link, const CQelReaderRequest& request) {
    switch (request.call) {
        case CQelReaderCall::ConnectOdbc:
            link = ConnectOdbc(request.text, request.number);
            return {link != nullptr, {}};
        case CQelReaderCall::OpenAccess: link = OpenAccessFile(request.path); return {link != nullptr, {}};
        case CQelReaderCall::Execute:
            if (!link) return {};
            return {true, link->Execute(request.text)};
        case CQelReaderCall::OpenSchema:
            if (!link) return {};
            return {true, link->OpenSchema(request.number)};
    }
    return {};
}

}  // namespace

int main() {
    LimitMemory();
    EndWithTheProgram();
    // Replies go out on the original standard output; whatever a driver or
    // MDBTools prints goes to standard error, where it cannot break a reply.
    const int replies = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    std::unique_ptr<CQelDatabaseLink> link;
    std::string pending;
    while (const auto request = ReadRequest(pending))
        if (!WriteAll(replies, EncodeReply(Answer(link, *request)))) break;
    return 0;
}
