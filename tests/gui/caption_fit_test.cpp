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
#include <wx/toplevel.h>

#include "caption_room.h"
#include "shell/main_window.h"
#include "support/temp_program_dir.h"
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
