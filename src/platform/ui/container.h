#pragma once
// A layout container: a child window that holds controls of its own, built
// like a form each time its native window is made. Containers inside a
// container are numbered pages of which ShowPage shows one.
#include "platform/ui/control.h"

namespace rg_qelvane_base {

class rg_ZuJianBuJuQi : public CQelControl {
public:
    rg_ZuJianBuJuQi() : CQelControl(CQelControlKind::Container) {}

    // Its number as a page of the container it is created in (-1: none).
    void SetPageNumber(int page) { m_page = page; }
    int PageNumber() const { return m_page; }
    // Shows the child containers numbered `page` and hides the others.
    void ShowPage(int page);

protected:
    virtual void HookEvents() {}
    virtual void BuildControls() {}
    void OnNativeCreated() override;

private:
    int m_page = -1;
};

}  // namespace rg_qelvane_base
