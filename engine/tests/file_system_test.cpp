#include "engine/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_error.h"

namespace mirta::engine {
namespace {

class TempDir {
public:
    TempDir() {
        m_path = std::filesystem::temp_directory_path() /
                 ("mirta_fs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

TEST(ResolvePath, FindsFilesWhateverTheCaseAndSeparator) {
    TempDir dir;
    FileSystem& fs = FileSystem::Real();
    fs.CreateDirectories(dir.Path() + "/Rovante");
    fs.Open(dir.Path() + "/Rovante/MIRTA.DBF", OpenMode::Create);
    fs.Open(dir.Path() + "/Urlopy.db", OpenMode::Create);

    EXPECT_EQ(ResolvePath(fs, dir.Path() + "\\ROVANTE\\mirta.dbf"),
              dir.Path() + "/Rovante/MIRTA.DBF");
    EXPECT_EQ(ResolvePath(fs, dir.Path() + "/URLOPY.DB"), dir.Path() + "/Urlopy.db");
    // A missing file keeps the spelling it was asked for.
    EXPECT_EQ(ResolvePath(fs, dir.Path() + "/rovante/Nowy.DB"), dir.Path() + "/Rovante/Nowy.DB");
}

TEST(File, ReadsWritesAndReportsMissingFiles) {
    TempDir dir;
    FileSystem& fs = FileSystem::Real();
    auto file = fs.Open(dir.Path() + "/a.bin", OpenMode::Create);
    file->WriteAt(4, "xyz", 3);
    EXPECT_EQ(file->Size(), 7u);
    char buf[8] = {};
    EXPECT_EQ(file->ReadAt(4, buf, 8), 3u);
    EXPECT_THROW(file->ReadExact(4, buf, 8, "test"), CorruptFile);
    EXPECT_THROW(fs.Open(dir.Path() + "/none.db", OpenMode::Read), EngineError);
    EXPECT_EQ(ReplaceExtension("x/A.DB", ".PX"), "x/A.PX");
}

}  // namespace
}  // namespace mirta::engine
