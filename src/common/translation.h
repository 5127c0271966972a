#pragma once
// The English-to-Chinese translation table and its lookup.
#include "platform/ini.h"
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// Set by each generate click from its window's "翻译" box (GenerateClick),
// read only by TranslateWord.
extern bool TranslateEnabled;

// The section of the table file that holds the entries.
inline constexpr std::u16string_view kTranslationSection = u"translation";

// One user action's look at the table, such as a click on a generate button:
// the file is checked once when the scope opens, and every lookup while it is
// open uses the table as it stood then, instead of checking the file for each
// word. A save made between two clicks is therefore seen at the next click.
// The scope opened last is the one that counts; the one open before it counts
// again once it closes.
class TranslationTableScope {
public:
    TranslationTableScope();
    ~TranslationTableScope();
    TranslationTableScope(const TranslationTableScope&) = delete;
    TranslationTableScope& operator=(const TranslationTableScope&) = delete;

private:
    friend CWString LookUpTranslation(const CWString& word);

    static TranslationTableScope* open_;
    rg_qelvane_base::IniSection table_;
    TranslationTableScope* outer_;
};

// The word's entry in the table, whatever the flag; empty when it has none.
CWString LookUpTranslation(const CWString& word);

// With the flag on, the word's entry in the table (or the word itself when it
// has none or an empty one); with the flag off, the word.
CWString TranslateWord(const CWString& word);

}  // namespace rg_qelvane_app
