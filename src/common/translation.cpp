#include "common/translation.h"

#include "common/data_folder.h"
#include "platform/files.h"

namespace rg_qelvane_app {

bool TranslateEnabled = false;

TranslationTableScope* TranslationTableScope::open_ = nullptr;

TranslationTableScope::TranslationTableScope() : table_(TranslationTableFile(), kTranslationSection), outer_(open_) {
    open_ = this;
}

TranslationTableScope::~TranslationTableScope() { open_ = outer_; }

CWString LookUpTranslation(const CWString& word) {
    if (TranslationTableScope::open_) return TranslationTableScope::open_->table_.Read(word, u"");
    return rg_qelvane_base::ReadIniText(TranslationTableFile(), kTranslationSection, word, u"");
}

CWString TranslateWord(const CWString& word) {
    if (!TranslateEnabled) return word;
    CWString value = LookUpTranslation(word);
    return value.empty() ? word : value;
}

}  // namespace rg_qelvane_app
