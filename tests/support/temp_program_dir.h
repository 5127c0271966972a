#pragma once
// A fresh, empty program folder for one test; removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/files.h"
#include "support/seams.h"

class TempProgramDir {
public:
    TempProgramDir() {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() / ("qel-test-" + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
        rg_qelvane_base::SetProgramDirForTests(folder_);
    }
    ~TempProgramDir() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path operator/(const std::string& relative) const { return folder_ / relative; }

    void WriteBytes(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories((folder_ / relative).parent_path());
        std::ofstream(folder_ / relative, std::ios::binary) << bytes;
    }
    std::string ReadBytes(const std::string& relative) const {
        std::ifstream in(folder_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path folder_;
};
