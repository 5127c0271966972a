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
            control->Bind(CQelEvent::SelectionChanged, [this](CQelControl& s) { log.push_back("select:" + NameOf(s)); });
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

}  // namespace ui_contract
