#include "platform/files.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

#include "platform/encoding.h"

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
CWString& ProgramDir() {
    static CWString folder = FolderText(ExecutableFolder());
    return folder;
}

}  // namespace

CWString GetProgramDir() { return ProgramDir(); }

void SetProgramDirForTests(const fs::path& folder) { ProgramDir() = FolderText(folder); }

fs::path ToNativePath(std::u16string_view path) {
    std::u16string native(path);
    for (auto& c : native)
        if (c == u'\\') c = u'/';
    while (native.size() > 1 && native.back() == u'/') native.pop_back();
    return fs::path(Utf16ToUtf8(native));
}

bool IsSafeEntryName(std::u16string_view name) {
    if (name.find_first_not_of(u'.') == std::u16string_view::npos) return false;
    for (char16_t c : name)
        if (c < 32 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) return false;
    return true;
}

bool CreateDirectoryChain(const CWString& path) {
    if (path.empty()) return false;
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
    std::error_code ec;
    fs::path native = ToNativePath(path);
    if (!fs::is_directory(fs::symlink_status(native, ec))) return false;
    // remove_all removes a link itself, never what it points at.
    fs::remove_all(native, ec);
    return !ec;
}

bool MovePath(const CWString& from, const CWString& to) {
    std::error_code ec;
    fs::path source = ToNativePath(from), target = ToNativePath(to);
    if (!fs::exists(fs::symlink_status(source, ec)) || fs::exists(fs::symlink_status(target, ec))) return false;
    fs::rename(source, target, ec);
    return !ec;
}

bool DeleteFilePath(const CWString& path) {
    std::error_code ec;
    fs::path native = ToNativePath(path);
    if (!fs::is_regular_file(fs::symlink_status(native, ec)) && !fs::is_symlink(fs::symlink_status(native, ec)))
        return false;
    return fs::remove(native, ec) && !ec;
}

std::string ReadFileBytes(const CWString& path) {
    // A folder opens but throws on reading; a pipe would wait for a writer.
    std::error_code ec;
    fs::path native = ToNativePath(path);
    if (!fs::is_regular_file(native, ec)) return {};
    std::ifstream in(native, std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const CWString& path, std::string_view bytes) {
    if (path.empty()) return false;
    fs::path target = ToNativePath(path);
    fs::path temporary = target;
    temporary += ".saving-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (!ec) return true;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

bool CQelMem::WriteFile(const CWString& path) const { return WriteFileBytes(path, bytes_); }

CQelMem TextToUtf8Bytes(std::u16string_view text, bool addNul) {
    std::string bytes = Utf16ToUtf8(text);
    if (addNul) bytes += '\0';
    return CQelMem(std::move(bytes));
}

CWString CWString::LoadTextFile(const CWString& path, int encoding) {
    std::string bytes = ReadFileBytes(path);
    std::u16string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        text = Utf16LeToText(std::string_view(bytes).substr(2));
    } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        std::string_view body = std::string_view(bytes).substr(3);
        text = Utf8ToUtf16(body.substr(0, body.find('\0')));
    } else if (encoding == 0) {
        text = Utf16LeToText(bytes);
    } else if (encoding == 1) {
        text = Utf8ToUtf16(std::string_view(bytes).substr(0, bytes.find('\0')));
    } else if (encoding == 2 || encoding == -1) {
        text = AnsiToUtf16(std::string_view(bytes).substr(0, bytes.find('\0')));
    }
    size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos) text.resize(nul);
    return CWString(std::move(text));
}

bool CWString::SaveTextFile(const CWString& text, const CWString& path) {
    return WriteFileBytes(path, Utf16ToAnsi(text));
}

}  // namespace rg_qelvane_base
