#pragma once
// The English-to-Chinese translation table and its lookup.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// Written by every generate action from its "翻译" box, read only by TranslateWord.
extern bool TranslateEnabled;

// The table file: program folder + datas\对应关系.ini.
CWString TranslationTablePath();

// The word's entry in the table, whatever the flag; empty when it has none.
CWString LookUpTranslation(const CWString& word);

// With the flag on, the word's entry in the table (or the word itself when it
// has none or an empty one); with the flag off, the word.
CWString TranslateWord(const CWString& word);

}  // namespace rg_qelvane_app
