#pragma once
// A file of lines that the program rewrites whole (a list of names, the
// markers of a rule group). A line that cannot be
// shown as text (a zero byte in it, bytes that are no text in the file's
// encoding) is damage from elsewhere: it is read as its bytes and written back
// after the shown lines, so a save never drops a line that the file held.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/encoding.h"
#include "platform/text.h"

namespace rg_qelvane_base {

enum class LineEnd {
    Lf,
    CrLf,
    // Read at LF, a CR before it dropped; written as CR LF.
    CrLfOrLf,
};

struct LineFileFormat {
    // Used when the file has no byte-order mark; a file with one is read as
    // the mark says (DecideTextFileEncoding) and written back in that
    // encoding, behind its mark.
    LineEncoding encoding;
    LineEnd lineEnd;
};

// A file of lines as a window shows it and rewrites it whole. The lines it
// cannot show are kept from the last read for every write after it, as is the
// encoding a byte-order mark named, and a file that could not be read is never
// rewritten: the window holds only part of it, or nothing.
class ShownLineFile {
public:
    // Reads the file afresh: the lines it can show, in file order, without
    // their line ends; empty when it is missing, nullopt when it exists or may
    // exist (its path cannot be looked at) but cannot be read.
    std::optional<rg_WenBenShuZuLei> Read(const CWString& path, LineFileFormat format);
    // `lines`, then the lines the last read could not show, each followed by
    // the line end, so that a read gives back `lines`; false when the last read
    // could not read the file, or the file could not be written.
    bool Write(const CWString& path, const rg_WenBenShuZuLei& lines, LineFileFormat format) const;

private:
    // Each damaged line as its bytes, without its line end.
    std::vector<std::string> m_damagedLines;
    // The encoding the file's byte-order mark named; none for a file without one.
    std::optional<LineEncoding> m_markedEncoding;
    bool m_unreadable = false;
};

// The lines trimmed, the empty ones dropped: the names of a list file.
rg_WenBenShuZuLei TrimmedNames(const rg_WenBenShuZuLei& lines);

}  // namespace rg_qelvane_base
