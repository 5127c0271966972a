#pragma once
// A form with one control of each kind, for the window tests of every backend.
#include <functional>
#include <string>
#include <vector>

#include "platform_ui/contract_driver.h"

namespace ui_contract {

// One control of each kind, a log of what reached the handlers, and the
// order of the creation steps.
class SampleWindow : public CQelWinForm {
public:
    explicit SampleWindow(const CWString& caption = u"样例") : CQelWinForm(caption) {}

    rg_button1 button;
    rg_label1 label;
    rg_FenZuKuang group;
    rg_edit_box source;
    rg_edit_box line;
    rg_check_box check;
    rg_radio_box1 radioA;
    rg_radio_box1 radioB;
    rg_combo_box combo;
    rg_list_box list;

    std::vector<std::string> steps;
    std::vector<std::string> log;
    bool controlsExistedWhenCreated = false;
    CWString lineTextWhenDestroyed;
    std::function<void()> onButton;

protected:
    void HookEvents() override {
        steps.push_back("hook");
        for (CQelControl* control : std::vector<CQelControl*>{&button, &check, &radioA, &radioB})
            control->Bind(CQelEvent::Click, this, &SampleWindow::OnClick);
        for (CQelControl* control : std::vector<CQelControl*>{&check, &radioA, &radioB})
            control->Bind(CQelEvent::CheckChanged, [this](CQelControl& s) { log.push_back("checked:" + NameOf(s)); });
        for (CQelControl* control : std::vector<CQelControl*>{&source, &line})
            control->Bind(CQelEvent::TextChanged, [this](CQelControl& s) { log.push_back("change:" + NameOf(s)); });
        for (CQelControl* control : std::vector<CQelControl*>{&list, &combo})
            control->Bind(CQelEvent::SelectionChanged,
                          [this](CQelControl& s) { log.push_back("select:" + NameOf(s)); });
        list.Bind(CQelEvent::DoubleClick, [this](CQelControl& s) { log.push_back("double:" + NameOf(s)); });
        Bind(CQelEvent::Created, [this](CQelControl&) {
            steps.push_back("created");
            controlsExistedWhenCreated = button.HasNativeWindow() && list.HasNativeWindow();
        });
        Bind(CQelEvent::Destroyed, [this](CQelControl&) { lineTextWhenDestroyed = line.GetControlText(); });
    }

    void BuildControls() override {
        steps.push_back("build");
        const CWString font = u", 11, 0, 0, 0, 0, 0";
        button.Create(*this, 101, {10, 10, 120, 40}, u"按钮", font);
        label.Create(*this, 102, {140, 10, 90, 24}, u"标签：", font, CQelStyle::AlignRight);
        group.Create(*this, 103, {10, 60, 400, 300}, u"源码", font);
        source.Create(group, 104, {9, 21, 380, 270}, u"", font, CQelStyle::MultiLine | CQelStyle::VScroll);
        source.SetStaticEdgeBorder();
        line.Create(*this, 105, {240, 10, 150, 31}, u"初始", font);
        check.Create(*this, 106, {420, 10, 80, 24}, u"翻译");
        radioA.Create(*this, 107, {420, 40, 80, 24}, u"甲");
        radioB.Create(*this, 108, {420, 70, 80, 24}, u"乙");
        combo.SetListText(u"甲\n0\n乙\n5\n丙\n9");
        combo.Create(*this, 109, {420, 100, 150, 30}, u"", font, CQelStyle::DropDownList);
        list.Create(*this, 110, {420, 140, 300, 200}, u"", font, CQelStyle::VScroll);
    }

private:
    void OnClick(CQelControl& sender) {
        log.push_back("click:" + NameOf(sender));
        if (&sender == &button && onButton) onButton();
    }

    std::string NameOf(const CQelControl& c) const {
        if (&c == &button) return "button";
        if (&c == &source) return "source";
        if (&c == &line) return "line";
        if (&c == &check) return "check";
        if (&c == &radioA) return "radioA";
        if (&c == &radioB) return "radioB";
        if (&c == &combo) return "combo";
        if (&c == &list) return "list";
        return "?";
    }
};

// A page of a page holder, with its own controls and handlers.
class SamplePanel : public rg_ZuJianBuJuQi {
public:
    explicit SamplePanel(const CWString& text) : m_text(text) {}
    rg_button1 open;
    rg_edit_box path;
    int clicks = 0;

protected:
    void HookEvents() override {
        open.Bind(CQelEvent::Click, [this](CQelControl& sender) { clicks += &sender == &open; });
    }
    void BuildControls() override {
        open.Create(*this, 101, {324, 2, 80, 26}, u"打开");
        path.Create(*this, 103, {78, 4, 240, 24}, m_text, u", 11, 0, 0, 0, 0, 0");
    }

private:
    CWString m_text;
};

// The list kinds of the database and translation windows, and a page holder.
class ListsWindow : public CQelWinForm {
public:
    ListsWindow() : CQelWinForm(u"列表") {}

    rg_FenZuKuang tablesGroup;
    rg_XuanZeLieBiaoKuang tables;
    rg_ChaoJiLieBiaoKuang grid;
    rg_FenZuKuang settings;
    rg_ZuJianBuJuQi pages;
    SamplePanel first{u"第一页"};
    SamplePanel second{u"第二页"};
    std::vector<std::string> log;

protected:
    void HookEvents() override {
        tables.Bind(CQelEvent::SelectionChanged, [this](CQelControl&) { log.push_back("select"); });
        tables.Bind(CQelEvent::CheckChanged, [this](CQelControl&) { log.push_back("check"); });
    }
    void BuildControls() override {
        tablesGroup.Create(*this, 113, {13, 70, 176, 520}, u"数据库表");
        tables.Create(tablesGroup, 116, {8, 20, 160, 452});
        grid.SetColumnsText(u"0\n-1\n0\n200\n英文\n0\n-1\n0\n200\n中文");
        grid.Create(*this, 106, {196, 70, 584, 300}, u"", u"", CQelStyle::EditableCells);
        settings.Create(*this, 117, {10, 5, 779, 56}, u"数据库设置");
        pages.Create(settings, 118, {129, 17, 588, 32});
        second.SetPageNumber(1);
        second.Create(pages, 119, {0, 0, 584, 32});
        first.SetPageNumber(0);
        first.Create(pages, 124, {0, 0, 584, 32});
        pages.ShowPage(0);
    }
};

}  // namespace ui_contract
