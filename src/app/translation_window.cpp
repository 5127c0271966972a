#include "app/translation_window.h"
#include "common/window_actions.h"

#include "app/batch_insert_window.h"
#include "common/translation.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/line_file.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr const char16_t* kSection = u"[translation]";
constexpr int kEnglish = 0;
constexpr int kChinese = 1;

// GB18030, LF or CR LF read, CR LF written.
constexpr LineFileFormat kTableFormat{LineEncoding::Ansi, LineEnd::CrLfOrLf};
}  // namespace

rg_win_FanYiGuanLi::rg_win_FanYiGuanLi() : CQelWinForm(u"翻译管理") {}

void rg_win_FanYiGuanLi::HookEvents() {
    Bind(CQelEvent::Created, [this](CQelControl&) { LoadTable(); });
    for (rg_button1* button : {&m_batchInsert, &m_delete, &m_insert, &m_save})
        button->Bind(CQelEvent::Click, this, &rg_win_FanYiGuanLi::OnClick);
}

void rg_win_FanYiGuanLi::BuildControls() {
    m_batchInsert.Create(*this, 101, {21, 550, 136, 40}, u"批量插入", kToolWindowFont);
    m_delete.Create(*this, 102, {325, 550, 136, 40}, u"删除", kToolWindowFont);
    m_insert.Create(*this, 103, {173, 550, 136, 40}, u"插入", kToolWindowFont);
    m_save.Create(*this, 104, {653, 550, 136, 40}, u"保存", kToolWindowFont);
    m_contentGroup.Create(*this, 105, {13, 6, 776, 536}, u"内容", kToolWindowFont);
    m_grid.SetColumnsText(u"0\n-1\n0\n200\n英文\n0\n-1\n0\n200\n中文");
    m_grid.Create(m_contentGroup, 106, {8, 24, 760, 504}, u"", kToolWindowFont, CQelStyle::EditableCells);
}

void rg_win_FanYiGuanLi::LoadTable() {
    m_keptLines.clear();
    std::optional<rg_WenBenShuZuLei> table = m_tableFile.Read(TranslationTablePath(), kTableFormat);
    if (!table) {
        ShowInfo(*this, u"翻译表读取失败，本次打开不会保存！");
        return;
    }
    for (const CWString& line : *table) {
        CWString trimmed = line.Trimmed();
        if (trimmed.empty() || EqualsIgnoringAsciiCase(trimmed, kSection)) continue;
        // An entry splits at "=" into exactly two non-empty parts: "Name=" and
        // "a=b=c" are none, while "a==b" is (a, b). A line the lookup reads as
        // no entry ("[]string=切片" is a section line to it) is no row either.
        rg_WenBenShuZuLei parts = SplitText(trimmed, u"=");
        if (parts.size() != 2 || !IsReadAsIniEntry(parts[kEnglish], parts[kChinese])) {
            m_keptLines.push_back(line);
            continue;
        }
        int row = m_grid.AddRow(parts[kEnglish]);
        m_grid.SetCellText(row, kChinese, parts[kChinese]);
    }
}

// A row the lookup would not read as an entry is kept at the very end, where
// it cannot hide the entries and kept lines behind it.
bool rg_win_FanYiGuanLi::SaveTable() {
    rg_WenBenShuZuLei lines = {kSection}, unread;
    for (int row = 0; row < m_grid.GetRowCount(); ++row) {
        CWString english = m_grid.GetCellText(row, kEnglish), chinese = m_grid.GetCellText(row, kChinese);
        (IsReadAsIniEntry(english, chinese) ? lines : unread).push_back(english + u"=" + chinese);
    }
    lines.insert(lines.end(), m_keptLines.begin(), m_keptLines.end());
    lines.insert(lines.end(), unread.begin(), unread.end());
    return m_tableFile.Write(TranslationTablePath(), lines, kTableFormat);
}

void rg_win_FanYiGuanLi::OnClick(CQelControl& sender) {
    if (&sender == &m_batchInsert) {
        BatchInsert();
    } else if (&sender == &m_save) {
        bool saved = SaveTable();
        ShowInfo(*this, saved ? u"保存成功！" : u"保存失败！");
    } else if (&sender == &m_delete) {
        m_grid.DeleteSelectedRows();
    } else if (&sender == &m_insert) {
        InsertPlaceholderRow();
    }
}

void rg_win_FanYiGuanLi::BatchInsert() {
    rg_win_PiLiangChaRu batchWindow;
    CQelCreateRecord record;
    record.dialogFrame = true;
    batchWindow.ShowModal(record);
    const rg_WenBenShuZuLei& english = batchWindow.m_englishLines;
    const rg_WenBenShuZuLei& chinese = batchWindow.m_chineseLines;
    for (size_t i = 0; i < english.size() && i < chinese.size(); ++i) {
        int row = m_grid.AddRow(english[i]);
        m_grid.SetCellText(row, kChinese, chinese[i]);
    }
}

// Before the first selected row, or at the end when none is selected.
void rg_win_FanYiGuanLi::InsertPlaceholderRow() {
    int row = m_grid.GetFirstSelectedRow();
    m_grid.InsertRow(row < 0 ? m_grid.GetRowCount() : row, u"请输入内容");
}

}  // namespace rg_qelvane_app
