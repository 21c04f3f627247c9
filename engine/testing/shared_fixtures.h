#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Files written by other programs live beside the repository, not in it: ../shared/fixtures,
// or where MIRTA_FIXTURES_DIR points (at configure time, or in the environment of the run).
// The tests that read them form the interoperability suite; each starts with
// MIRTA_REQUIRE_SHARED_FIXTURES(), so that a clone alone reports them as skipped, saying why.

namespace mirta::engine::testing {

inline std::string SharedFixturesDir() {
    if (const char* dir = std::getenv("MIRTA_FIXTURES_DIR"); dir && *dir)
        return dir;
    return MIRTA_FIXTURES;
}

inline bool SharedFixturesPresent() {
    return std::filesystem::is_directory(std::filesystem::path(SharedFixturesDir()) / "paradox");
}

}  // namespace mirta::engine::testing

#define MIRTA_REQUIRE_SHARED_FIXTURES()                                                      \
    do {                                                                                     \
        if (!::mirta::engine::testing::SharedFixturesPresent())                              \
            GTEST_SKIP() << "interoperability test: no shared fixtures in \""                \
                         << ::mirta::engine::testing::SharedFixturesDir()                    \
                         << "\" (put them in ../shared/fixtures or set MIRTA_FIXTURES_DIR)"; \
    } while (0)
