#include "wspolne/zapis_atomowy.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using mirta::wspolne::ZapisAtomowy;
using mirta::wspolne::ZapiszAtomowo;

namespace {

std::string Tresc(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class ZapisAtomowyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("zapis_atomowy_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    size_t Pliki() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_folder), {}));
    }
    fs::path m_folder;
};

TEST_F(ZapisAtomowyTest, ReplacesTheTargetWholeAndLeavesNothingElse) {
    const fs::path cel = m_folder / "lista.csv";
    ZapiszAtomowo(cel, "stary");
    ZapiszAtomowo(cel, "nowy plik");
    EXPECT_EQ(Tresc(cel), "nowy plik");
    EXPECT_EQ(Pliki(), 1u);
}

TEST_F(ZapisAtomowyTest, AWriterGivenUpLeavesTheOldFileAndNoTemporary) {
    const fs::path cel = m_folder / "lista.csv";
    ZapiszAtomowo(cel, "stary");
    {
        ZapisAtomowy zapis(cel);
        zapis.Dopisz("połowa");
    }
    EXPECT_EQ(Tresc(cel), "stary");
    EXPECT_EQ(Pliki(), 1u);
}

TEST_F(ZapisAtomowyTest, APlantedLinkIsReplacedNotFollowed) {
    const fs::path ofiara = m_folder / "ofiara";
    ZapiszAtomowo(ofiara, "nietknięty");
    const fs::path cel = m_folder / "raport.pdf";
    fs::create_symlink(ofiara, cel);
    ZapiszAtomowo(cel, "raport");
    EXPECT_FALSE(fs::is_symlink(cel));
    EXPECT_EQ(Tresc(cel), "raport");
    EXPECT_EQ(Tresc(ofiara), "nietknięty");
}

TEST_F(ZapisAtomowyTest, AProducerWritingByNameIsCommittedToo) {
    const fs::path cel = m_folder / "arkusz.xlsx";
    ZapisAtomowy zapis(cel);
    EXPECT_EQ(zapis.Tymczasowy().parent_path(), m_folder);
    {
        std::ofstream f(zapis.Tymczasowy(), std::ios::binary | std::ios::trunc);
        f << "z biblioteki";
    }
    zapis.Zatwierdz();
    EXPECT_EQ(Tresc(cel), "z biblioteki");
    EXPECT_EQ(Pliki(), 1u);
}

TEST_F(ZapisAtomowyTest, AFolderThatCannotBeWrittenIsAPolishError) {
    try {
        ZapiszAtomowo(m_folder / "brak" / "plik.txt", "x");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Nie można zapisać pliku"), std::string::npos);
    }
}

}  // namespace
