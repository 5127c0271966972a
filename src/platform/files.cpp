#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/encoding.h"
#include "platform/seams.h"

namespace fs = std::filesystem;

namespace rg_qelvane_base {

namespace {

fs::path ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

CWString FolderText(const fs::path& folder) {
    CWString text = CWString::FromUtf8(folder.string()).ReplacedAll(u"/", u"\\");
    if (text.empty() || text.back() != u'\\') text += u'\\';
    return text;
}

// Every data path starts here, so it is worked out once.
const CWString& ExecutableFolderText() {
    static const CWString folder = FolderText(ExecutableFolder());
    return folder;
}

// The file a path names after following symbolic links (a dangling link names
// the file it would point at); the path itself when it is no link.
fs::path LinkTarget(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
        fs::path next = fs::read_symlink(path, ec);
        if (ec) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// A process id has at most 7 digits (Linux caps pid_max at 2^22).
constexpr std::string_view kTemporaryMark = ".saving-";
static_assert(kTemporaryMark.size() + 7 == kTemporaryNameExtra);

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the folder's entries durable. Some file systems cannot sync a folder;
// the data itself is on disk by then, so this is best effort.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Only a file that is not there reads as empty: a path that cannot be looked
// at (a loop of links, a folder without permission) may well hold one.
std::optional<std::string> EmptyWhenMissing(int error) {
    return error == ENOENT ? std::optional(std::string()) : std::nullopt;
}

}  // namespace

CWString GetProgramDir() {
    const fs::path& seam = Seams().programDir;
    return seam.empty() ? ExecutableFolderText() : FolderText(seam);
}

fs::path ToNativePath(std::u16string_view path) {
    std::u16string native(path);
    for (auto& c : native)
        if (c == u'\\') c = u'/';
    while (native.size() > 1 && native.back() == u'/') native.pop_back();
    return fs::path(Utf16ToUtf8(native));
}

bool CreateDirectoryChain(const CWString& path) {
    if (path.empty() || IsFaultInjected(CQelFault::CreateFolder)) return false;
    std::error_code ec;
    fs::path native = ToNativePath(path);
    fs::create_directories(native, ec);
    return fs::is_directory(native, ec);
}

bool PathExists(const CWString& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return fs::exists(fs::symlink_status(ToNativePath(path), ec));
}

bool DeleteDirectoryTree(const CWString& path) {
    if (IsFaultInjected(CQelFault::Delete)) return false;
    std::error_code ec;
    fs::path native = ToNativePath(path);
    fs::file_status status = fs::symlink_status(native, ec);
    // A link is removed itself, never what it points at, in the folder's place as
    // below it (remove_all does the same).
    if (fs::is_symlink(status)) return fs::remove(native, ec) && !ec;
    if (!fs::is_directory(status)) return false;
    fs::remove_all(native, ec);
    return !ec;
}

bool MovePath(const CWString& from, const CWString& to) {
    if (IsFaultInjected(CQelFault::Move)) return false;
    std::error_code ec;
    fs::path source = ToNativePath(from), target = ToNativePath(to);
    if (!fs::exists(fs::symlink_status(source, ec)) || fs::exists(fs::symlink_status(target, ec))) return false;
    fs::rename(source, target, ec);
    return !ec;
}

bool DeleteFilePath(const CWString& path) {
    if (IsFaultInjected(CQelFault::Delete)) return false;
    std::error_code ec;
    fs::path native = ToNativePath(path);
    if (!fs::is_regular_file(fs::symlink_status(native, ec)) && !fs::is_symlink(fs::symlink_status(native, ec)))
        return false;
    return fs::remove(native, ec) && !ec;
}

std::optional<std::string> TryReadFileBytes(const CWString& path) {
    if (IsFaultInjected(CQelFault::Read)) return std::nullopt;
    fs::path native = ToNativePath(path);
    struct stat status {};
    if (::stat(native.c_str(), &status) != 0) return EmptyWhenMissing(errno);
    // A folder cannot be read; a pipe would wait for a writer.
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return EmptyWhenMissing(errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (count == 0) break;
        bytes.append(buffer, static_cast<size_t>(count));
    }
    ::close(fd);
    return bytes;
}

std::string ReadFileBytes(const CWString& path) { return TryReadFileBytes(path).value_or(std::string()); }

bool WriteFileBytes(const CWString& path, std::string_view bytes) {
    if (path.empty()) return false;
    fs::path target = LinkTarget(ToNativePath(path));
    fs::path folder = target.parent_path();
    struct stat existing {};
    bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) return false;
    mode_t mode = replacing ? existing.st_mode & 07777 : 0666;
    fs::path temporary = target;
    temporary += std::string(kTemporaryMark) + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    // The creation mode went through the umask; the replaced file's own mode is kept whole.
    bool written = WriteAll(fd, bytes) && (!replacing || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written) {
        // The temporary's entry is on disk before the rename, and the rename after it.
        SyncFolder(folder);
        written = ::rename(temporary.c_str(), target.c_str()) == 0;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool CQelMem::WriteFile(const CWString& path) const { return WriteFileBytes(path, bytes_); }

CQelMem TextToUtf8Bytes(std::u16string_view text, bool addNul) {
    std::string bytes = Utf16ToUtf8(text);
    if (addNul) bytes += '\0';
    return CQelMem(std::move(bytes));
}

std::optional<CWString> TryLoadTextFile(const CWString& path, LineEncoding unmarked) {
    std::optional<std::string> bytes = TryReadFileBytes(path);
    if (!bytes) return std::nullopt;
    std::u16string text = DecodeTextFile(*bytes, unmarked);
    size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos) text.resize(nul);
    return CWString(std::move(text));
}

CWString CWString::LoadTextFile(const CWString& path, LineEncoding unmarked) {
    return TryLoadTextFile(path, unmarked).value_or(CWString());
}

bool CWString::SaveTextFile(const CWString& text, const CWString& path) {
    return WriteFileBytes(path, Utf16ToAnsi(text));
}

}  // namespace rg_qelvane_base
