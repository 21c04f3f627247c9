#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "store/engine/dbf_dump.h"
#include "store/engine/file_system.h"

namespace mirta::engine::testing {

inline std::string DbfFixtures() {
    return std::string(MIRTA_FIXTURES) + "/dbase";
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string DumpOf(const std::string& path) {
    std::string out;
    DumpDbf(FileSystem::Real(), path, nullptr, out);
    return out;
}

// A fresh directory per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("mirta_dbf_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                  std::to_string(::getpid()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

}  // namespace mirta::engine::testing
