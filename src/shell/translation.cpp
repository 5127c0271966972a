#include "shell/translation.h"

#include "platform/files.h"
#include "platform/ini.h"

namespace rg_qelvane_app {

bool TranslateEnabled = false;

CWString TranslationTablePath() { return rg_qelvane_base::GetProgramDir() + u"datas\\对应关系.ini"; }

CWString LookUpTranslation(const CWString& word) {
    return rg_qelvane_base::ReadIniText(TranslationTablePath(), u"translation", word, u"");
}

CWString TranslateWord(const CWString& word) {
    if (!TranslateEnabled) return word;
    CWString value = LookUpTranslation(word);
    return value.empty() ? word : value;
}

}  // namespace rg_qelvane_app
