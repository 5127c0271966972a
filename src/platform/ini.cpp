#include "platform/ini.h"

#include <sys/stat.h>
#include <time.h>

#include <optional>
#include <unordered_map>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_base {

// Sections and keys by lower-cased name; the first occurrence wins.
struct ParsedSection {
    std::unordered_map<CWString, CWString> values;
};
struct ParsedIni {
    std::unordered_map<CWString, ParsedSection> sections;
};

namespace {

constexpr size_t kMaxValueLength = 10239;  // the service's 10,240-character buffer

// Without the blanks around it; a view, for tables are read a line at a time.
std::u16string_view TrimmedView(std::u16string_view text) {
    while (!text.empty() && IsTrimmedAway(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmedAway(text.back())) text.remove_suffix(1);
    return text;
}

// A section or key name as the parsed file holds it: without the blanks
// around it, lower-cased.
CWString NameKey(std::u16string_view name) {
    CWString out(TrimmedView(name));
    for (auto& c : out) c = AsciiLower(c);
    return out;
}

std::u16string_view Unquoted(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The code unit at `at`, of `unit` bytes.
char16_t UnitAt(std::string_view bytes, size_t at, size_t unit) {
    char16_t low = static_cast<unsigned char>(bytes[at]);
    return unit == 1 ? low : static_cast<char16_t>(low | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::string& nativePath) {
    struct stat st {};
    if (::stat(nativePath.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size,
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

std::shared_ptr<const ParsedIni> Parse(std::string_view bytes) {
    IniFileLines file = IniFileLines::Cut(bytes, LineEncoding::Ansi);
    IniReader reader;
    for (size_t line = 0; line < file.lines.size(); ++line) reader.Take(file.Text(bytes, line));
    return reader.Table();
}

long long NowNs() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// File times advance in coarse ticks (a few milliseconds), so a file rewritten
// within the tick in which it was read can keep size and time. Such a "racy"
// read is compared once more when the tick is safely over. A time far from now
// (a copied file, a clock set back) is not racy: any rewrite gives the file
// the present time, and so a new identity.
constexpr long long kRacyWindowNs = 50000000LL;  // well above the kernel's timestamp tick

struct CacheEntry {
    std::string nativePath;
    FileIdentity identity;      // of the file when `bytes` were read
    std::string bytes;          // what `ini` was parsed from
    long long recheckAtNs = 0;  // a racy read is compared once more from then on; 0: trusted
    std::shared_ptr<const ParsedIni> ini;
};

bool IsRacy(long long modifiedNs, long long nowNs) {
    return modifiedNs > nowNs - kRacyWindowNs && modifiedNs < nowNs + kRacyWindowNs;
}

// The bytes are read and compared once per identity of the file (and once
// more after a racy read), never per lookup.
std::shared_ptr<const ParsedIni> Load(const CWString& file) {
    static const auto empty = std::make_shared<const ParsedIni>();
    static std::unordered_map<CWString, CacheEntry> cache;
    auto it = cache.find(file);
    if (it == cache.end()) it = cache.emplace(file, CacheEntry{ToNativePath(file).string(), {}, {}, 0, empty}).first;
    CacheEntry& entry = it->second;

    FileIdentity identity = IdentityOf(entry.nativePath);
    if (!identity.exists) {
        entry = {entry.nativePath, {}, {}, 0, empty};
        return empty;
    }
    long long now = NowNs();
    bool sameFile = entry.identity == identity;
    if (sameFile && (entry.recheckAtNs == 0 || now < entry.recheckAtNs)) return entry.ini;
    std::optional<std::string> bytes = TryReadFileBytes(file);
    if (!bytes) {
        // Unreadable now: no values, and the next lookup tries again.
        entry = {entry.nativePath, {}, {}, 0, empty};
        return empty;
    }
    if (entry.ini == empty || *bytes != entry.bytes) {
        entry.ini = Parse(*bytes);
        entry.bytes = std::move(*bytes);
    }
    entry.identity = identity;
    entry.recheckAtNs = !sameFile && IsRacy(identity.modifiedNs, now) ? identity.modifiedNs + kRacyWindowNs : 0;
    return entry.ini;
}

}  // namespace

IniFileLines IniFileLines::Cut(std::string_view bytes, LineEncoding unmarked) {
    const TextFileEncoding encoding = DecideTextFileEncoding(bytes, unmarked);
    IniFileLines file{encoding, encoding.marked ? ByteOrderMark(encoding.encoding).size() : 0, {}};
    // In UTF-16 a line end is a code unit: its bytes may also stand across two characters.
    const size_t unit = encoding.encoding == LineEncoding::Utf16Le ? 2 : 1;
    size_t begin = file.bodyBegin;
    for (size_t at = begin; at + unit <= bytes.size(); at += unit) {
        char16_t c = UnitAt(bytes, at, unit);
        if (c != u'\r' && c != u'\n') continue;
        size_t next = at + unit;
        if (c == u'\r' && next + unit <= bytes.size() && UnitAt(bytes, next, unit) == u'\n') next += unit;
        file.lines.push_back({begin, at, next});
        begin = next;
        at = next - unit;
    }
    if (begin < bytes.size()) file.lines.push_back({begin, bytes.size(), bytes.size()});
    return file;
}

CWString IniFileLines::Text(std::string_view bytes, size_t line) const {
    const Line& span = lines[line];
    return CWString(DecodeText(bytes.substr(span.begin, span.end - span.begin), encoding.encoding));
}

IniLine ReadIniLine(std::u16string_view text) {
    std::u16string_view line = TrimmedView(text);
    if (line.empty() || line[0] == u';') return {};
    if (line[0] == u'[') {
        size_t close = line.find(u']');
        return {IniLine::Kind::Section,
                CWString(TrimmedView(line.substr(1, close == std::u16string_view::npos ? close : close - 1))),
                {}};
    }
    size_t eq = line.find(u'=');
    if (eq == std::u16string_view::npos) return {};
    std::u16string_view value = Unquoted(TrimmedView(line.substr(eq + 1))).substr(0, kMaxValueLength);
    return {IniLine::Kind::Entry, CWString(TrimmedView(line.substr(0, eq))), CWString(value)};
}

IniReader::IniReader() : m_ini(std::make_shared<ParsedIni>()) {}

IniReader::Reading IniReader::Take(std::u16string_view text) {
    Reading reading{ReadIniLine(text)};
    const IniLine& line = reading.line;
    if (line.kind == IniLine::Kind::Section) {
        // A repeated section is not read: the first one holds the answers.
        auto [it, inserted] = m_ini->sections.try_emplace(NameKey(line.name));
        m_section = inserted ? &it->second : nullptr;
        m_sectionName = inserted ? &it->first : nullptr;
    } else if (line.kind == IniLine::Kind::Entry && m_section && !line.name.empty()) {
        // An empty key is never looked up.
        reading.read = m_section->values.try_emplace(NameKey(line.name), line.value).second;
    }
    reading.section = m_sectionName;
    return reading;
}

std::shared_ptr<const ParsedIni> IniReader::Table() const { return m_ini; }

IniSection::IniSection(const CWString& file, std::u16string_view section) : ini_(Load(file)), values_(nullptr) {
    auto found = ini_->sections.find(NameKey(section));
    if (found != ini_->sections.end()) values_ = &found->second;
}

CWString IniSection::Read(std::u16string_view key, std::u16string_view defaultValue) const {
    if (key.empty()) return {};
    if (!values_) return CWString(defaultValue);
    auto found = values_->values.find(NameKey(key));
    return found == values_->values.end() ? CWString(defaultValue) : found->second;
}

CWString ReadIniText(const CWString& file, std::u16string_view section, std::u16string_view key,
                     std::u16string_view defaultValue) {
    if (file.empty() || section.empty() || key.empty()) return {};
    return IniSection(file, section).Read(key, defaultValue);
}

bool IsReadAsIniEntry(std::u16string_view key, std::u16string_view value) {
    for (std::u16string_view part : {key, value})
        if (part.find_first_of(u"\r\n") != std::u16string_view::npos) return false;
    CWString name = CWString(key).Trimmed();
    if (name.empty() || name.find(u'=') != CWString::npos) return false;
    return name[0] != u'[' && name[0] != u';';
}

}  // namespace rg_qelvane_base
