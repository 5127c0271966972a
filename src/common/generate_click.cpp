#include "common/generate_click.h"

namespace rg_qelvane_app {

GenerateClick::GenerateClick(const rg_qelvane_base::rg_check_box& translateBox) {
    TranslateEnabled = translateBox.IsChecked();
    if (TranslateEnabled) table_.emplace();
}

}  // namespace rg_qelvane_app
