#pragma once
// The order in which the Access providers give the rows of the tables schema:
// by type, then by name (catalogue and schema are always null in an Access
// file), names compared as Windows compares text for these providers. Only an
// approximation can be made here: character by character, punctuation,
// blanks and symbols (by their code) before digits, digits before letters,
// letters without regard to case, and any other character after the letters
// by its code, case folded; a name that begins another comes before it.
// Names equal in this order keep the order the file gives them.
//
// Kept in a header so that the order is tested without a reader process.
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "dbreader/schema_rows.h"
#include "platform/text.h"

namespace rg_qelvane_windows_ShuJuKu {

namespace access_table_order {

// Unicode's character classes and case folding, the same whatever locale the
// process runs in; null on a system without the C.UTF-8 locale, which then
// classes and folds ASCII alone.
inline locale_t UnicodeLocale() {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return unicode;
}

inline wint_t Folded(char16_t c) {
    const locale_t unicode = UnicodeLocale();
    return unicode ? towlower_l(c, unicode) : rg_qelvane_base::AsciiLower(c);
}

// Blanks count as spaces in every locale, so the space class holds them too.
inline bool IsPunctuationBlankOrSymbol(char16_t c) {
    const locale_t unicode = UnicodeLocale();
    return unicode && (iswpunct_l(c, unicode) || iswspace_l(c, unicode));
}

// Where a character sorts: its group first, then its place in the group.
struct CSortKey {
    int group;
    wint_t place;
    auto operator<=>(const CSortKey&) const = default;
};

inline CSortKey SortKey(char16_t c) {
    if (c >= u'0' && c <= u'9') return {1, c};
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) return {2, rg_qelvane_base::AsciiLower(c)};
    if (c < 0x80 || IsPunctuationBlankOrSymbol(c)) return {0, c};
    return {3, Folded(c)};
}

}  // namespace access_table_order

inline bool ComesBeforeInAccessOrder(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        return access_table_order::SortKey(x) < access_table_order::SortKey(y);
    });
}

inline void SortInAccessOrder(std::vector<CQelCatalogTable>& tables) {
    std::stable_sort(tables.begin(), tables.end(), [](const CQelCatalogTable& a, const CQelCatalogTable& b) {
        if (ComesBeforeInAccessOrder(a.type, b.type)) return true;
        if (ComesBeforeInAccessOrder(b.type, a.type)) return false;
        return ComesBeforeInAccessOrder(a.name, b.name);
    });
}

}  // namespace rg_qelvane_windows_ShuJuKu
