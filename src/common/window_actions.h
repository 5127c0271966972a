#pragma once
// What every tool window does the same way: its notices, and the paste and
// copy buttons around the source and output boxes, and the parse button of
// the tools that take pasted source apart.
#include <functional>

#include "platform/ui/controls.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The title of every notice and question the program shows.
inline constexpr char16_t kInfoTitle[] = u"信息:";
// The font of most controls; check boxes and a few others keep the default one.
inline constexpr char16_t kToolWindowFont[] = u", 11, 0, 0, 0, 0, 0";

// The Go and Android tool windows' labels, and their source and output boxes:
// long source lines wrap; generated lines never do. Where a box has the thin
// sunken border, SetStaticEdgeBorder gives it once the box is created.
inline constexpr unsigned kToolLabelStyle = rg_qelvane_base::CQelStyle::AlignRight;
inline constexpr unsigned kSourceEditStyle =
    rg_qelvane_base::CQelStyle::MultiLine | rg_qelvane_base::CQelStyle::VScroll;
inline constexpr unsigned kOutputEditStyle = kSourceEditStyle | rg_qelvane_base::CQelStyle::HScroll;

// A notice with an OK button, owned by the window of `window`.
void ShowInfo(const rg_qelvane_base::CQelControl& window, const CWString& text);
// The source box's text becomes the clipboard's (empty when it holds no text).
void PasteSourceFromClipboard(rg_qelvane_base::rg_edit_box& source);
// Puts the text on the clipboard and shows `done`, or "复制失败！" when the
// clipboard refused it (another program holding it open).
void CopyToClipboard(const rg_qelvane_base::CQelControl& window, const CWString& text, const CWString& done);
// The tool windows' copy button: the output box's text, then "复制成功，去粘贴！".
void CopyOutputToClipboard(const rg_qelvane_base::CQelControl& window, const rg_qelvane_base::rg_edit_box& output);

// One click on a parse button: `parse` runs with one time budget for all its
// searches, its text replaces the output, and when a search was cut short
// one notice tells the user that the output may be incomplete.
void RunParseAction(const rg_qelvane_base::CQelControl& window, rg_qelvane_base::rg_edit_box& output,
                    const std::function<CWString()>& parse);

}  // namespace rg_qelvane_app
