// Every caption of every window is drawn whole, and opening the windows makes
// the toolkit complain of nothing.
//
// Windows are found through the main window: each of its buttons is clicked and
// every window that opens is measured, so a window behind a main-window button
// is covered as soon as it exists. A window shown modally holds up whoever
// opens it: add it to kModalWindows below, with the steps that open it from the
// main window; the last step is the click that shows it.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/fontenum.h>
#include <wx/toplevel.h>

#include "app/main_window.h"
#include "caption_room.h"
#include "support/temp_program_dir.h"
#include "toolkit_wait.h"
#include "wx_driver.h"

namespace ui_contract {

namespace {

using rg_qelvane_app::rg_my_main_window;

struct ModalWindow {
    const char* name;
    std::function<void(rg_my_main_window&)> open;
};

const ModalWindow kModalWindows[] = {
    {"批量插入",
     [](rg_my_main_window& w) {
         w.m_translationWindow.OpenWindow(w);
         ContractDriver().Click(w.m_translationWindow.m_batchInsert);
     }},
    {"规则配置",
     [](rg_my_main_window& w) {
         w.m_ruleGroupList.AddItem(u"组", 0);
         ContractDriver().DoubleClick(w.m_ruleGroupList, 0);
     }},
    {"提示词管理",
     [](rg_my_main_window& w) {
         w.m_aiChatWindow.OpenWindow(w);
         ContractDriver().Click(w.m_aiChatWindow.m_promptButton);
     }},
};

// Warnings and criticals the toolkit logs while it lives.
class ToolkitComplaints {
public:
    ToolkitComplaints() {
        for (const char* domain : kDomains)
            m_handlers.push_back(g_log_set_handler(
                domain, GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_FLAG_FATAL), &Note, this));
    }
    ~ToolkitComplaints() {
        for (size_t i = 0; i < m_handlers.size(); ++i) g_log_remove_handler(kDomains[i], m_handlers[i]);
    }
    std::string All() const {
        std::string all;
        for (const std::string& line : m_lines) all += line + "\n";
        return all;
    }

private:
    static constexpr const char* kDomains[] = {"Gtk", "Gdk", "GLib-GObject", "Pango"};
    static void Note(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer self) {
        static_cast<ToolkitComplaints*>(self)->m_lines.push_back(std::string(domain) + ": " + message);
    }
    std::vector<guint> m_handlers;
    std::vector<std::string> m_lines;
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

std::set<wxWindow*> TopLevels() { return {wxTopLevelWindows.begin(), wxTopLevelWindows.end()}; }

void CollectButtons(wxWindow* window, std::vector<wxButton*>& buttons) {
    if (auto* button = dynamic_cast<wxButton*>(window)) buttons.push_back(button);
    for (wxWindow* child : window->GetChildren())
        if (!child->IsTopLevel()) CollectButtons(child, buttons);
}

void Press(wxButton* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->HandleWindowEvent(event);
}

class CaptionFit : public ::testing::Test {
protected:
    void SetUp() override {
        // The program draws its texts in this face, which it needs installed
        // (scripts/install-packages.sh): in the toolkit's default faces, the
        // usual values of the database window overflow their edits even at
        // the smallest size, whatever else the machine has.
        ASSERT_TRUE(wxFontEnumerator::IsValidFacename("WenQuanYi Zen Hei")) << "fonts-wqy-zenhei is not installed";
        ContractDriver().Reset();
        main.CreateFormWindow();
        Settle();
    }
    void TearDown() override {
        main.Close();
        Settle();
        EXPECT_EQ(complaints.All(), "");
    }
    wxWindow* MainFrame() { return WxWindowOf(main); }

    TempProgramDir dir;
    ToolkitComplaints complaints;
    rg_my_main_window main;
};

// Values of the usual length, typed into every edit of each page of the database window.
struct TypedValue {
    rg_qelvane_base::rg_edit_box* edit;
    CWString value;
};

std::vector<TypedValue> UsualValues(rg_qelvane_app::rg_win_ShuJuKuFengZhuang& w, int kind) {
    const CWString address = u"192.168.1.100", port = u"65535", password = u"secret";
    // A database or user name of 16 characters. The MySQL and PostgreSQL pages'
    // name edits, 66 and 64 pixels wide, hold ten characters at the smallest
    // size; a longer name scrolls there.
    const CWString name = u"inventory_system", database = u"sales_2024", user = u"app_reader";
    auto serverPanel = [&](rg_qelvane_app::rg_control_MoShi& panel) {
        return std::vector<TypedValue>{{&panel.m_address, address},
                                       {&panel.m_port, port},
                                       {&panel.m_database, database},
                                       {&panel.m_user, user},
                                       {&panel.m_password, password}};
    };
    switch (kind) {
        case 0: return serverPanel(w.m_mySqlPanel);
        case 1: return serverPanel(w.m_postgreSqlPanel);
        case 2:
            return {{&w.m_oraclePanel.m_address, address},
                    {&w.m_oraclePanel.m_user, name},
                    {&w.m_oraclePanel.m_password, password}};
        case 3:
            return {{&w.m_sqlServerPanel.m_address, address},
                    {&w.m_sqlServerPanel.m_database, name},
                    {&w.m_sqlServerPanel.m_user, name},
                    {&w.m_sqlServerPanel.m_password, password}};
        case 4:
            return {{&w.m_accessPanel.m_path, u"/home/user/data/inventory.mdb"},
                    {&w.m_accessPanel.m_password, password}};
        default: return {{&w.m_sqlitePanel.m_path, u"/home/user/data/inventory_system.db"}};
    }
}

}  // namespace

TEST_F(CaptionFit, TheMainWindowAndEveryWindowItsButtonsOpen) {
    std::vector<std::string> cut = CaptionsCut(MainFrame());
    std::vector<wxButton*> buttons;
    CollectButtons(MainFrame(), buttons);
    int opened = 0;
    for (wxButton* button : buttons) {
        std::set<wxWindow*> before = TopLevels();
        Press(button);
        Settle();
        for (wxWindow* window : TopLevels()) {
            if (before.count(window)) continue;
            ++opened;
            for (std::string& line : CaptionsCut(window)) cut.push_back(std::move(line));
        }
    }
    EXPECT_GE(opened, 11) << "the eight tool windows, translation, database and AI windows";
    EXPECT_EQ(Lines(cut), "");
}

TEST_F(CaptionFit, TheDatabaseWindowsEditsShowTheirDefaultsAndUsualValuesWhole) {
    rg_qelvane_app::rg_win_ShuJuKuFengZhuang& window = main.m_databaseWindow;
    window.OpenWindow(main);
    Settle();
    for (int kind = 0; kind < 6; ++kind) {
        ASSERT_TRUE(ContractDriver().Select(window.m_kind, kind));
        Settle();
        EXPECT_EQ(Lines(CaptionsCut(WxWindowOf(window))), "") << "kind " << kind << " as created";
        for (const TypedValue& typed : UsualValues(window, kind))
            ASSERT_TRUE(ContractDriver().Type(*typed.edit, typed.value));
        Settle();
        EXPECT_EQ(Lines(CaptionsCut(WxWindowOf(window))), "") << "kind " << kind << " with usual values";
    }
}

TEST_F(CaptionFit, EveryModalWindow) {
    for (const ModalWindow& modal : kModalWindows) {
        std::vector<std::string> cut;
        bool shown = false;
        ContractDriver().DuringNextModal([&](rg_qelvane_base::CQelWinForm& form) {
            Settle();
            shown = true;
            cut = CaptionsCut(WxWindowOf(form));
        });
        modal.open(main);
        EXPECT_TRUE(shown) << modal.name;
        EXPECT_EQ(Lines(cut), "") << modal.name;
    }
}

}  // namespace ui_contract
