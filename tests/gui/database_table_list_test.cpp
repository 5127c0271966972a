// The database window's table list on the real toolkit: names wider than the
// list can be scrolled into view, and the list keeps its place and size.
#include <gtest/gtest.h>

#include <gtk/gtk.h>
#include <wx/checklst.h>

#include "toolkit_wait.h"
#include "tools/dbwrap/database_window.h"
#include "wx_driver.h"

namespace ui_contract {

TEST(WxDatabaseWindow, TheTableListScrollsSidewaysToShowLongNamesWhole) {
    rg_qelvane_app::rg_win_ShuJuKuFengZhuang w;
    ASSERT_TRUE(w.CreateFormWindow());
    const CWString longest = u"infra_codegen_column_of_a_long_name";
    for (const char16_t* name : {u"system_mail_account", longest.c_str(), u"users"}) w.m_tables.AddItem(name);
    for (int number = 0; number < 40; ++number) w.m_tables.AddItem(CWString::Format(u"table_%d", {number}));
    Settle();
    auto* list = static_cast<wxCheckListBox*>(WxWindowOf(w.m_tables));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->GetPosition(), wxPoint(13 + 8, 70 + 20));
    EXPECT_EQ(list->GetSize(), wxSize(160, 452));

    auto* scrolled = GTK_SCROLLED_WINDOW(list->m_widget);
    EXPECT_FALSE(gtk_scrolled_window_get_overlay_scrolling(scrolled)) << "a bar drawn only under the pointer";
    EXPECT_TRUE(gtk_widget_get_mapped(gtk_scrolled_window_get_hscrollbar(scrolled)));
    GtkAdjustment* sideways = gtk_scrolled_window_get_hadjustment(scrolled);
    EXPECT_GE(gtk_adjustment_get_upper(sideways), list->GetTextExtent(wxString::FromUTF8(longest.ToUtf8())).x)
        << "the whole of the longest name within reach";
    EXPECT_LT(gtk_adjustment_get_page_size(sideways), gtk_adjustment_get_upper(sideways));
    w.Close();
}

}  // namespace ui_contract
