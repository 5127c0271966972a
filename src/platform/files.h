#pragma once
// Files and folders. Paths are written with "\" as everywhere in the program;
// these services turn them into native paths.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/text.h"

namespace rg_qelvane_base {

// A growable byte buffer; files are written from it and read into it.
class CQelMem {
public:
    CQelMem() = default;
    explicit CQelMem(std::string bytes) : bytes_(std::move(bytes)) {}
    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }
    // Replaces the file whole; false for an empty path or a failed write.
    bool WriteFile(const CWString& path) const;

private:
    std::string bytes_;
};

CQelMem TextToUtf8Bytes(std::u16string_view text, bool addNul);

// The program's folder, ending with "\".
CWString GetProgramDir();

std::filesystem::path ToNativePath(std::u16string_view path);

// A file system holds names of up to this many bytes, counted in UTF-8 as they are stored.
inline constexpr size_t kLongestEntryName = 255;
// WriteFileBytes writes through a temporary beside the file, named as the file
// followed by ".saving-" and the process id: at most this many bytes longer.
inline constexpr size_t kTemporaryNameExtra = 15;

bool CreateDirectoryChain(const CWString& path);
bool PathExists(const CWString& path);
// Deletes the folder and everything below it; links are removed, never followed,
// and a link in the folder's place is removed itself.
bool DeleteDirectoryTree(const CWString& path);
// Fails when the source is missing or the target exists.
bool MovePath(const CWString& from, const CWString& to);
bool DeleteFilePath(const CWString& path);

// The whole file; nothing when the file is missing, nullopt when it exists
// but cannot be read (no permission, a folder, a read error) or its path
// cannot be looked at (a loop of links, a folder on the way that denies it or
// is a file).
std::optional<std::string> TryReadFileBytes(const CWString& path);
// The whole file, or nothing when it is missing or unreadable.
std::string ReadFileBytes(const CWString& path);
// LoadTextFile, telling an unreadable file (nullopt) from a missing one (empty text).
std::optional<CWString> TryLoadTextFile(const CWString& path, LineEncoding unmarked);
// Writes beside the target, flushes it to disk and renames it over the
// target, so a crash, a power cut or a full disk never leaves half a file.
// A symbolic link stays a link: the file it points at is replaced, and the
// replaced file's permissions are kept.
bool WriteFileBytes(const CWString& path, std::string_view bytes);

}  // namespace rg_qelvane_base
