#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/dbf_dump.h"
#include "engine/file_system.h"
#include "engine/testing/shared_fixtures.h"
#include "engine/testing/temp_dir.h"

namespace mirta::engine::testing {

inline std::string DbfFixtures() {
    return SharedFixturesDir() + "/dbase";
}

inline std::string ReadBytes(const std::string& path) {
    return ReadBytesOf(path);
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

}  // namespace mirta::engine::testing
