#pragma once
// The translation table of the engine benchmarks: a small table in a program
// folder of the benchmark's own, and the flag a "翻译" box sets.
#include <filesystem>
#include <string>

#include "common/data_folder.h"
#include "common/translation.h"
#include "support/seams.h"

namespace bench_support {

// The first call writes `table` (the file's whole text) as the table; every
// call turns translation on or off.
inline void SetTranslation(bool on, const std::string& folderName, const rg_qelvane_base::CWString& table) {
    static const bool written = [&] {
        std::filesystem::path folder = std::filesystem::temp_directory_path() / folderName;
        std::filesystem::create_directories(folder / "datas");
        rg_qelvane_base::SetProgramDirForTests(folder);
        return rg_qelvane_base::CWString::SaveTextFile(table, rg_qelvane_app::TranslationTableFile());
    }();
    (void)written;
    rg_qelvane_app::TranslateEnabled = on;
}

}  // namespace bench_support
