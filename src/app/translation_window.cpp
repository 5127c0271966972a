#include "app/translation_window.h"
#include "common/window_actions.h"

#include "app/batch_insert_window.h"
#include "common/data_folder.h"
#include "common/translation.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr int kEnglish = 0;
constexpr int kChinese = 1;
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
    m_rowEntries.clear();
    std::optional<std::vector<TranslationEntry>> entries = m_tableFile.Read(TranslationTableFile());
    if (!entries) {
        ShowInfo(*this, u"翻译表读取失败，本次打开不会保存！");
        return;
    }
    for (size_t entry = 0; entry < entries->size(); ++entry)
        AppendRow((*entries)[entry].english, (*entries)[entry].chinese, entry);
}

bool rg_win_FanYiGuanLi::SaveTable() {
    std::vector<TranslationRow> rows;
    rows.reserve(m_rowEntries.size());
    for (int row = 0, count = m_grid.GetRowCount(); row < count; ++row)
        rows.push_back({m_rowEntries[row], m_grid.GetCellText(row, kEnglish), m_grid.GetCellText(row, kChinese)});
    return m_tableFile.Write(TranslationTableFile(), rows);
}

void rg_win_FanYiGuanLi::AppendRow(const CWString& english, const CWString& chinese, std::optional<size_t> entry) {
    int row = m_grid.AddRow(english);
    m_grid.SetCellText(row, kChinese, chinese);
    m_rowEntries.push_back(entry);
}

void rg_win_FanYiGuanLi::OnClick(CQelControl& sender) {
    if (&sender == &m_batchInsert) {
        BatchInsert();
    } else if (&sender == &m_save) {
        bool saved = SaveTable();
        ShowInfo(*this, saved ? u"保存成功！" : u"保存失败！");
    } else if (&sender == &m_delete) {
        DeleteSelectedRows();
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
    for (size_t i = 0; i < english.size() && i < chinese.size(); ++i) AppendRow(english[i], chinese[i], std::nullopt);
}

// Before the first selected row, or at the end when none is selected.
void rg_win_FanYiGuanLi::InsertPlaceholderRow() {
    int row = m_grid.GetFirstSelectedRow();
    if (row < 0) row = m_grid.GetRowCount();
    m_grid.InsertRow(row, u"请输入内容");
    m_rowEntries.insert(m_rowEntries.begin() + row, std::nullopt);
}

void rg_win_FanYiGuanLi::DeleteSelectedRows() {
    const std::vector<int> selected = m_grid.GetSelectedRows();
    size_t kept = 0;
    auto next = selected.begin();
    for (size_t row = 0; row < m_rowEntries.size(); ++row) {
        if (next != selected.end() && static_cast<size_t>(*next) == row) ++next;
        else m_rowEntries[kept++] = m_rowEntries[row];
    }
    m_rowEntries.resize(kept);
    m_grid.DeleteSelectedRows();
}

}  // namespace rg_qelvane_app
