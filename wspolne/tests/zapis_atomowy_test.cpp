#include "wspolne/zapis_atomowy.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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
    // Every entry of the folder: a link as "-> target", a file as its content.
    std::map<std::string, std::string> Stan() const {
        std::map<std::string, std::string> stan;
        for (const auto& wpis : fs::directory_iterator(m_folder))
            stan[wpis.path().filename().string()] =
                wpis.is_symlink() ? "-> " + fs::read_symlink(wpis.path()).string()
                                  : Tresc(wpis.path());
        return stan;
    }
    fs::path m_folder;
};

// Runs `proba` in a child process and answers its exit status; 77 means it could not set up.
int WProcesieDziecka(const std::function<int()>& proba) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(proba());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A failed write must leave the old target whole and nothing else in the folder.
int StaryPlikINicWiecej(const fs::path& folder, const fs::path& cel, const std::string& stary) {
    if (Tresc(cel) != stary)
        return 1;
    return std::distance(fs::directory_iterator(folder), {}) == 1 ? 0 : 2;
}

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

// The names the earlier writers used beside a target (its own name, name.tmp, .name.tmp),
// each planted as a link to a victim and as a file: the target gets the new bytes as a file of
// its own, and neither the victim nor any other planted file is changed.
TEST_F(ZapisAtomowyTest, PlantedLinksAndFilesAtEveryOldNameAreNeverFollowedNorOverwritten) {
    const fs::path ofiara = m_folder / "ofiara";
    for (const std::string nazwa : {"raport.pdf", "raport.pdf.tmp", ".raport.pdf.tmp"}) {
        for (const bool link : {true, false}) {
            SCOPED_TRACE(nazwa + (link ? " link" : " plik"));
            fs::remove_all(m_folder);
            fs::create_directories(m_folder);
            ZapiszAtomowo(ofiara, "nietknięty");
            if (link)
                fs::create_symlink(ofiara, m_folder / nazwa);
            else
                ZapiszAtomowo(m_folder / nazwa, "podrzucony");
            std::map<std::string, std::string> oczekiwany = Stan();
            oczekiwany["raport.pdf"] = "raport";
            ZapiszAtomowo(m_folder / "raport.pdf", "raport");
            EXPECT_FALSE(fs::is_symlink(m_folder / "raport.pdf"));
            EXPECT_EQ(Stan(), oczekiwany);
        }
    }
}

// A full disk (a small tmpfs) or a file-size limit mid-write: the old target stays whole and
// no temporary file is left.
TEST_F(ZapisAtomowyTest, AWriteThatRunsOutOfRoomLeavesTheOldFileAndNothingElse) {
    const std::string stary(20000, 's');
    const std::string nowy(200000, 'n');
    const int pelnyDysk = WProcesieDziecka([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", m_folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            return 77;
        const fs::path cel = m_folder / "kopia.zip";
        ZapiszAtomowo(cel, stary);
        try {
            ZapiszAtomowo(cel, nowy);
            return 3;
        } catch (const std::runtime_error&) {
        }
        return StaryPlikINicWiecej(m_folder, cel, stary);
    });
    if (pelnyDysk != 77)
        EXPECT_EQ(pelnyDysk, 0) << "on a full tmpfs";

    const int limit = WProcesieDziecka([&] {
        const fs::path cel = m_folder / "kopia.zip";
        ZapiszAtomowo(cel, stary);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{static_cast<rlim_t>(stary.size()), RLIM_INFINITY};
        if (::setrlimit(RLIMIT_FSIZE, &r) != 0)
            return 77;
        try {
            ZapiszAtomowo(cel, nowy);
            return 3;
        } catch (const std::runtime_error&) {
        }
        return StaryPlikINicWiecej(m_folder, cel, stary);
    });
    EXPECT_EQ(limit, 0) << "over the file-size limit";
}

// Killed after writing and before the rename: the target is the old file, whole, and the
// folder holds nothing else.
TEST_F(ZapisAtomowyTest, AKillBetweenWriteAndRenameLeavesTheOldFileAndNothingElse) {
    const fs::path cel = m_folder / "lista.csv";
    const fs::path sasiad = m_folder / "inny.csv";
    ZapiszAtomowo(cel, "stary");
    ZapiszAtomowo(sasiad, "sąsiad");
    int rura[2];
    ASSERT_EQ(::pipe(rura), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ZapisAtomowy zapis(cel);
        zapis.Dopisz(std::string(1 << 20, 'n'));
        (void)!::write(rura[1], "x", 1);
        ::pause();
        zapis.Zatwierdz();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(rura[0], &c, 1), 1);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(rura[0]);
    ::close(rura[1]);
    EXPECT_EQ(Stan(),
              (std::map<std::string, std::string>{{"inny.csv", "sąsiad"}, {"lista.csv", "stary"}}));
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
