#pragma once
// Field values laid end to end, each in about the bytes it holds: how a record
// set keeps its rows, and how they come from the database reader. Rows of
// NULLs or empty values then cost a byte each, not a variant's room each.
//
// A cell is a tag byte and then, by tag: nothing (empty, NULL), one byte 0 or
// 1 (a flag), 8 bytes (an integer, a real), or a length of 4 bytes and that
// many bytes of UTF-16 (a text). Numbers are in the machine's order.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/variant.h"

namespace rg_qelvane_windows_ShuJuKu {

void AppendCell(std::string& cells, const rg_qelvane_base::CQelComVariant& value);

// The length of the first `count` cells of `cells`; null when they are not all
// there whole, or one of them is no cell (an unknown tag, a flag other than 0
// or 1, a text of an odd number of bytes).
std::optional<std::size_t> CellsLength(std::string_view cells, std::size_t count);

// The value of the first cell of `cells`, which CellsLength has found whole.
rg_qelvane_base::CQelComVariant ReadCell(std::string_view cells);

}  // namespace rg_qelvane_windows_ShuJuKu
