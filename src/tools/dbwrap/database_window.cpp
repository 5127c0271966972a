#include "tools/dbwrap/database_window.h"

#include "common/generate_click.h"
#include "common/list_helpers.h"
#include "common/window_actions.h"
#include "platform/ui/clipboard.h"
#include "tools/dbwrap/database_kind_table.h"
#include "tools/dbwrap/table_class_generators.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

constexpr char16_t kNotConnected[] = u"连接";
constexpr char16_t kConnected[] = u"断开";

struct GridColumn {
    const char16_t* title;
    int width;
};
constexpr GridColumn kGridColumns[] = {{u"序号", 100}, {u"字段名称", 200}, {u"字段类型", 200}, {u"最大长度", 100},
                                       {u"主键", 100}, {u"自增", 100},     {u"是否为空", 100}, {u"默认值", 100}};

CWString YesWhen(bool flag) { return flag ? u"是" : u""; }

// The kind box's entries as the box takes them: each kind's name, then its
// index as the entry's data, a line each.
CWString KindBoxListText() {
    CWString text;
    for (const DatabaseKindTraits& traits : AllDatabaseKinds()) {
        if (!text.empty()) text += u"\n";
        text += Joined({traits.name, u"\n", CWString::Format(u"%d", {KindBoxIndex(traits.kind)})});
    }
    return text;
}

// Tables left out of a wrap because their columns could not be read: the
// count, and the first few by name, so the user knows what is missing.
CWString UnreadTablesNotice(const rg_WenBenShuZuLei& tables) {
    constexpr std::size_t kNamesShown = 5;
    CWString names;
    for (std::size_t index = 0; index < tables.size() && index < kNamesShown; ++index) {
        if (index > 0) names += u"、";
        names += tables[index];
    }
    if (tables.size() > kNamesShown) names += u"等";
    return CWString::Format(u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共%d个）：%s",
                            {static_cast<int>(tables.size()), names});
}

}  // namespace

rg_win_ShuJuKuFengZhuang::rg_win_ShuJuKuFengZhuang() : CQelWinForm(u"数据库封装") {
    HearConnectComplete();
    m_database.OnDisconnect([this](auto&) { OnDisconnected(); });
}

void rg_win_ShuJuKuFengZhuang::HearConnectComplete() {
    m_database.OnConnectComplete([this](auto&, int status) { OnDatabaseEvent(status); });
}

rg_win_ShuJuKuFengZhuang::~rg_win_ShuJuKuFengZhuang() {
    // The controls go with this object: a connection still open closes unheard.
    m_database.OnConnectComplete(nullptr);
    m_database.OnDisconnect(nullptr);
    m_database.Close();
}

void rg_win_ShuJuKuFengZhuang::HookEvents() {
    Bind(CQelEvent::Created, this, &rg_win_ShuJuKuFengZhuang::OnCreatedEvent);
    Bind(CQelEvent::Destroyed, this, &rg_win_ShuJuKuFengZhuang::CloseDatabaseEvent);
    for (CQelControl* box : {static_cast<CQelControl*>(&m_json), static_cast<CQelControl*>(&m_gorm),
                             static_cast<CQelControl*>(&m_translate), static_cast<CQelControl*>(&m_selectAll),
                             static_cast<CQelControl*>(&m_serverCode), static_cast<CQelControl*>(&m_plainCode)})
        box->Bind(CQelEvent::Click, this, &rg_win_ShuJuKuFengZhuang::OnSelectAll);
    for (rg_button1* button : {&m_copy, &m_wrapTicked, &m_refresh, &m_connect})
        button->Bind(CQelEvent::Click, this, &rg_win_ShuJuKuFengZhuang::OnClick);
    // A click on a check mark only ticks: the output the user generated stays.
    m_tables.Bind(CQelEvent::SelectionChanged, this, &rg_win_ShuJuKuFengZhuang::OnTableSelected);
    m_kind.Bind(CQelEvent::SelectionChanged, this, &rg_win_ShuJuKuFengZhuang::OnKindChanged);
}

void rg_win_ShuJuKuFengZhuang::BuildControls() {
    m_structureGroup.Create(*this, 101, {196, 70, 584, 152}, u"表结构", kToolWindowFont);
    m_grid.Create(m_structureGroup, 102, {8, 18, 566, 122}, u"", kToolWindowFont, CQelStyle::StaticEdge);
    m_wrapGroup.Create(*this, 103, {196, 232, 592, 48}, u"封装控制", kToolWindowFont);
    m_json.Create(m_wrapGroup, 104, {280, 16, 65, 24}, u"Json）", kToolWindowFont);
    m_gorm.Create(m_wrapGroup, 105, {217, 16, 56, 24}, u"Gorm", kToolWindowFont);
    m_translate.Create(m_wrapGroup, 106, {349, 16, 48, 24}, u"翻译", kToolWindowFont);
    m_copy.Create(m_wrapGroup, 107, {497, 11, 87, 32}, u"复制", kToolWindowFont);
    m_wrapTicked.Create(m_wrapGroup, 108, {403, 11, 87, 32}, u"封装选中表", kToolWindowFont);
    m_serverCode.Create(m_wrapGroup, 109, {102, 16, 109, 24}, u"服务器代码（", kToolWindowFont);
    m_plainCode.Create(m_wrapGroup, 110, {16, 16, 80, 24}, u"普通代码", kToolWindowFont);
    m_plainCode.SetCheck(true);
    m_outputGroup.Create(*this, 111, {196, 294, 593, 298}, u"Qelvane代码", kToolWindowFont);
    m_output.Create(m_outputGroup, 112, {6, 16, 581, 271}, u"", kToolWindowFont,
                    CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll | CQelStyle::StaticEdge);
    m_tablesGroup.Create(*this, 113, {13, 70, 176, 520}, u"数据库表", kToolWindowFont);
    m_refresh.Create(m_tablesGroup, 114, {87, 483, 80, 32}, u"刷新", kToolWindowFont);
    m_selectAll.Create(m_tablesGroup, 115, {8, 488, 48, 24}, u"全选", kToolWindowFont);
    // Table names are often wider than the list: it scrolls sideways.
    m_tables.Create(m_tablesGroup, 116, {8, 20, 160, 452}, u"", kToolWindowFont,
                    CQelStyle::HScroll | CQelStyle::StaticEdge);
    m_settingsGroup.Create(*this, 117, {10, 5, 779, 56}, u"数据库设置", kToolWindowFont);
    m_pages.Create(m_settingsGroup, 118, {129, 17, 588, 32});
    for (const auto& [panel, id, kind] : KindPanels()) {
        panel.SetPageNumber(KindBoxIndex(kind));
        panel.Create(m_pages, id, {0, 0, 584, 32});
        if (&panel == &m_postgreSqlPanel) m_postgreSqlPanel.SetPort(5432);
        if (&panel == &m_mySqlPanel) m_mySqlPanel.SetPort(3306);
    }
    m_connect.Create(m_settingsGroup, 125, {720, 17, 53, 32}, kNotConnected, kToolWindowFont);
    m_kind.SetListText(KindBoxListText());
    m_kind.Enable(true);
    m_kind.Create(m_settingsGroup, 126, {58, 21, 68, 24}, u"", kToolWindowFont, CQelStyle::DropDownList);
    m_kind.SetCurSel(KindBoxIndex(DatabaseKind::kMySql));
    m_kindLabel.Create(m_settingsGroup, 127, {11, 21, 40, 24}, u"类型：", kToolWindowFont);
}

// A connection left open by an earlier opening is closed; its tables are gone with the old list.
void rg_win_ShuJuKuFengZhuang::OnCreatedEvent(CQelControl&) {
    if (ConnectionIsOpen()) m_database.Close();
    m_pages.ShowPage(KindBoxIndex(DatabaseKind::kMySql));
}

// Only the server connection: an SQLite file stays open until the next connect.
// A connect still running is given up unheard: once the window is gone,
// nothing of it may be shown, and nothing of it stays open.
void rg_win_ShuJuKuFengZhuang::CloseDatabaseEvent(CQelControl&) {
    if (m_database.GetState() == rg_qelvane_windows_ShuJuKu::adStateConnecting) {
        m_database.OnConnectComplete(nullptr);
        m_database.Close();
        HearConnectComplete();
    } else if (ConnectionIsOpen()) {
        m_database.Close();
    }
}

// Only the panel changes: a connection, its tables and the output stay.
void rg_win_ShuJuKuFengZhuang::OnKindChanged(CQelControl& sender) {
    if (&sender == &m_kind) m_pages.ShowPage(m_kind.GetCurSel());
}

// The other boxes are read when generating.
void rg_win_ShuJuKuFengZhuang::OnSelectAll(CQelControl& sender) {
    if (&sender != &m_selectAll) return;
    bool ticked = m_selectAll.IsChecked();
    for (int index = 0; index < m_tables.GetItemCount(); ++index) m_tables.SetCheck(index, ticked);
}

void rg_win_ShuJuKuFengZhuang::OnTableSelected(CQelControl& sender) {
    if (&sender != &m_tables) return;
    int index = m_tables.GetCurSel();
    if (index < 0) return;  // -1 would stand for the ticked tables
    ShowTableColumns(m_tables.GetListItemText(index));
    WrapSelectedTables(index);
}

void rg_win_ShuJuKuFengZhuang::OnDatabaseEvent(int status) {
    switch (status) {
        case rg_qelvane_windows_ShuJuKu::adStatusOK:
            m_connect.SetControlText(kConnected);
            ShowInfo(*this, u"数据库连接成功！");
            RefreshTableList();
            break;
        case rg_qelvane_windows_ShuJuKu::adStatusErrorsOccurred:
            ShowInfo(*this, u"数据库连接错误（请检查驱动）！");
            break;
        case rg_qelvane_windows_ShuJuKu::adStatusCancel: ShowInfo(*this, u"数据库连接取消！"); break;
        default: break;
    }
}

// The generated text stays: it may be all the user came for.
void rg_win_ShuJuKuFengZhuang::OnDisconnected() {
    m_connect.SetControlText(kNotConnected);
    ClearGridAll(m_grid);
    m_tables.ClearItems();
}

void rg_win_ShuJuKuFengZhuang::OnClick(CQelControl& sender) {
    if (&sender == &m_copy) {
        CopyToClipboard(*this, m_output.GetControlText(), u"复制成功！");
    } else if (&sender == &m_wrapTicked) {
        WrapSelectedTables(-1);
    } else if (&sender == &m_refresh) {
        if (SqliteSelected()) {
            m_tables.ClearItems();
            AddTables(m_parser.ListTables());
        } else {
            RefreshTableList();
        }
    } else if (&sender == &m_connect) {
        if (m_connect.GetControlText() == kNotConnected) OpenDatabase();
        else Disconnect();
    }
}

void rg_win_ShuJuKuFengZhuang::OpenDatabase() {
    if (!m_kind.HasNativeWindow()) return;
    const std::optional<DatabaseKind> kind = SelectedKind();
    switch (ConnectDatabase({m_database, m_sqlite, m_parser}, kind, PanelValues(kind))) {
        case ConnectOutcome::kSqliteOpened:
            ShowInfo(*this, u"数据库连接成功！");
            AddTables(m_parser.ListTables());
            m_connect.SetControlText(kConnected);
            break;
        case ConnectOutcome::kSqliteFailed: ShowInfo(*this, u"打开失败！"); break;
        case ConnectOutcome::kNothing:
        case ConnectOutcome::kAdoOpening: break;  // the outcome comes as ConnectComplete
    }
}

std::array<rg_win_ShuJuKuFengZhuang::KindPanel, kDatabaseKindCount> rg_win_ShuJuKuFengZhuang::KindPanels() {
    return {{{m_postgreSqlPanel, 119, DatabaseKind::kPostgreSql},
             {m_sqlitePanel, 120, DatabaseKind::kSqlite},
             {m_accessPanel, 121, DatabaseKind::kAccess},
             {m_sqlServerPanel, 122, DatabaseKind::kSqlServer},
             {m_oraclePanel, 123, DatabaseKind::kOracle},
             {m_mySqlPanel, 124, DatabaseKind::kMySql}}};
}

std::optional<DatabaseKind> rg_win_ShuJuKuFengZhuang::SelectedKind() const {
    return DatabaseKindAt(m_kind.GetCurSel());
}

// Whether the kind selected now is read from an SQLite file rather than through ADO.
bool rg_win_ShuJuKuFengZhuang::SqliteSelected() const {
    const std::optional<DatabaseKind> kind = SelectedKind();
    return kind && TraitsOf(*kind).connection == KindConnection::kSqliteFile;
}

// The edits of the kind's panel, as typed; none without a kind.
DatabasePanelValues rg_win_ShuJuKuFengZhuang::PanelValues(std::optional<DatabaseKind> kind) {
    for (const KindPanel& page : KindPanels())
        if (page.kind == kind) return page.panel.Values();
    return {};
}

// By the kind selected now, which need not be the kind connected.
void rg_win_ShuJuKuFengZhuang::Disconnect() {
    if (SqliteSelected()) {
        m_sqlite.Close();
        rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei::Shutdown();
        ClearGridAll(m_grid);
        m_tables.ClearItems();
        m_connect.SetControlText(kNotConnected);
    } else if (ConnectionIsOpen()) {
        m_database.Close();  // OnDisconnected does the rest
    }
}

void rg_win_ShuJuKuFengZhuang::RefreshTableList() {
    m_tables.ClearItems();
    if (ConnectionIsOpen()) AddTables(m_parser.ListTables());
}

void rg_win_ShuJuKuFengZhuang::AddTables(const rg_WenBenShuZuLei& names) {
    for (const CWString& name : names) m_tables.AddItem(name);
}

// Columns that could not be read show as none. The wrap that follows reads the
// table again, and tells the user when that read fails as well.
void rg_win_ShuJuKuFengZhuang::ShowTableColumns(const CWString& table) {
    const rg_ShuJuKuBiaoJieGouShuZu columns = m_parser.ReadColumns(table).value_or(rg_ShuJuKuBiaoJieGouShuZu{});
    ClearGridAll(m_grid);
    for (const GridColumn& column : kGridColumns) m_grid.AddColumn(column.title, 50);
    for (int index = 0; const GridColumn& column : kGridColumns) m_grid.SetColumnWidth(index++, column.width);
    for (int number = 1; const rg_ShuJuKuBiaoJieGou& column : columns) {
        int row = m_grid.AddRow(CWString::Format(u"%d", {number++}));
        const CWString cells[] = {column.columnName,
                                  column.type,
                                  column.maxLength,
                                  YesWhen(column.primaryKey),
                                  YesWhen(column.autoIncrement),
                                  YesWhen(column.nullable),
                                  column.defaultValue};
        for (int cell = 1; const CWString& text : cells) m_grid.SetCellText(row, cell++, text);
    }
}

void rg_win_ShuJuKuFengZhuang::WrapSelectedTables(int index) {
    GenerateClick click(m_translate);
    rg_WenBenShuZuLei names =
        index != -1 ? rg_WenBenShuZuLei{m_tables.GetListItemText(index)} : GetCheckedItemTexts(m_tables);
    rg_WenBenShuZuLei unread;
    ColumnReader readColumns = [this, &unread](const CWString& table) {
        ColumnsRead columns = m_parser.ReadColumns(table);
        if (!columns) unread.push_back(table);
        return columns;
    };
    CWString text;
    if (m_plainCode.IsChecked()) text = GeneratePlainClassCode(names, readColumns);
    else if (m_serverCode.IsChecked())
        text = GenerateGormJsonCode(names, readColumns, {.gorm = m_gorm.IsChecked(), .json = m_json.IsChecked()});
    m_output.SetControlText(text);
    if (!unread.empty()) ShowInfo(*this, UnreadTablesNotice(unread));
}

bool rg_win_ShuJuKuFengZhuang::ConnectionIsOpen() const {
    return m_database.GetState() == rg_qelvane_windows_ShuJuKu::adStateOpen;
}

}  // namespace rg_qelvane_app
