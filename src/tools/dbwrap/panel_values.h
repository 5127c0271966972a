#pragma once
// What the connect operation reads of a connection panel.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The texts of the connection panels' edits exactly as typed; each kind uses
// the ones its panel has (the file path for Access and SQLite).
struct DatabasePanelValues {
    CWString address;
    CWString port;  // converted as _wtoi does: no number gives 0
    CWString database;
    CWString user;
    CWString password;
    CWString filePath;
};

}  // namespace rg_qelvane_app
