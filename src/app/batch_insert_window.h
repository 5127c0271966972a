#pragma once
// Pairs pasted English words with pasted Chinese texts, line by line, for the
// translation table. Shown modally; the caller reads the two line lists after
// the run and then throws the window away.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_PiLiangChaRu : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_PiLiangChaRu();

    // After the run: both empty, or the same number of lines, paired by position.
    rg_qelvane_base::rg_WenBenShuZuLei m_englishLines;
    rg_qelvane_base::rg_WenBenShuZuLei m_chineseLines;

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_label1 m_hint;
    rg_qelvane_base::rg_button1 m_save;
    rg_qelvane_base::rg_label1 m_arrow;
    rg_qelvane_base::rg_FenZuKuang m_chineseGroup;
    rg_qelvane_base::rg_edit_box m_chinese;
    rg_qelvane_base::rg_FenZuKuang m_englishGroup;
    rg_qelvane_base::rg_edit_box m_english;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnSave(rg_qelvane_base::CQelControl& sender);
};

}  // namespace rg_qelvane_app
