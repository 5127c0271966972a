#pragma once
// A file of lines that the program rewrites whole (a list of names, the
// markers of a rule group, the translation table). A line that cannot be
// shown as text (a zero byte in it, bytes that are no text in the file's
// encoding) is damage from elsewhere: it is read as its bytes and written back
// after the shown lines, so a save never drops a line that the file held.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_base {

enum class LineEncoding { Utf8, Ansi };

enum class LineEnd {
    Lf,
    CrLf,
    // Read at LF, a CR before it dropped; written as CR LF.
    CrLfOrLf,
};

struct LineFileFormat {
    // Used when the file has no byte-order mark; a file with one is read as
    // the mark says and written in this encoding.
    LineEncoding encoding;
    LineEnd lineEnd;
};

struct LineFile {
    // In file order, as they stand, without their line ends.
    rg_WenBenShuZuLei lines;
    // The lines that cannot be shown, each as its bytes without its line end.
    std::vector<std::string> damagedLines;
};

// Empty when the file is missing; nullopt when it exists but cannot be read.
std::optional<LineFile> ReadLineFile(const CWString& path, LineFileFormat format);
// Every line, then every damaged line, each followed by the line end; false
// when the file could not be written.
bool WriteLineFile(const CWString& path, const LineFile& file, LineFileFormat format);

// The lines trimmed, the empty ones dropped: the names of a list file.
rg_WenBenShuZuLei TrimmedNames(const rg_WenBenShuZuLei& lines);

}  // namespace rg_qelvane_base
