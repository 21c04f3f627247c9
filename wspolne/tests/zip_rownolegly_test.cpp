#include "wspolne/zip_rownolegly.h"
#include "wspolne/szesnastkowo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using mirta::wspolne::ZipRownolegly;

namespace {

class ZipRownoleglyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("zip_rownolegly_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path Zapisz(const std::string& nazwa, const std::string& tresc) {
        const fs::path p = m_folder / nazwa;
        std::ofstream(p, std::ios::binary) << tresc;
        return p;
    }

    fs::path m_folder;
};

// Python's zipfile (a reader of its own, which honours the UTF-8 flag) lists every entry with
// its bytes' hex, one "name<TAB>hex" line each.
std::map<std::string, std::string> CzytajPythonem(const fs::path& archiwum) {
    const std::string polecenie =
        "/usr/bin/python3 -c 'import sys,zipfile\n"
        "z=zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "for i in z.infolist(): print(i.filename+\"\\t\"+z.read(i).hex())' '" +
        archiwum.string() + "'";
    std::map<std::string, std::string> wpisy;
    FILE* p = ::popen(polecenie.c_str(), "r");
    if (!p)
        return wpisy;
    std::string wyjscie;
    char bufor[4096];
    size_t n = 0;
    while ((n = std::fread(bufor, 1, sizeof bufor, p)) > 0)
        wyjscie.append(bufor, n);
    EXPECT_EQ(::pclose(p), 0) << wyjscie;
    size_t poczatek = 0;
    for (size_t koniec; (koniec = wyjscie.find('\n', poczatek)) != std::string::npos;
         poczatek = koniec + 1) {
        const std::string linia = wyjscie.substr(poczatek, koniec - poczatek);
        const size_t tab = linia.find('\t');
        wpisy[linia.substr(0, tab)] = linia.substr(tab + 1);
    }
    return wpisy;
}

// Files of every kind that matters (empty, Polish name, larger than a core's share, random
// bytes that do not compress), a folder and a text made after the files were read: another
// reader finds each with its bytes, the callbacks saw the files' and the archive's bytes.
TEST_F(ZipRownoleglyTest, AnotherReaderFindsEveryEntryWithItsBytes) {
    std::mt19937 los(7);
    std::string losowe(300000, '\0');
    for (char& c : losowe)
        c = static_cast<char>(los());
    std::string csv;
    for (int i = 0; i < 20000; ++i)
        csv += "\"" + std::to_string(i) + "\";\"Wiśniewska\";\"2026-12-10\"\r\n";
    const std::map<std::string, std::string> pliki = {{"pusty.DB", ""},
                                                      {"Łódź-żółć.txt", "zażółć gęślą jaźń"},
                                                      {"duzy.csv", csv},
                                                      {"losowe.bin", losowe}};

    const fs::path archiwum = m_folder / "a.zip";
    ZipRownolegly zip(archiwum, 6);
    zip.DodajKatalog("SPD");
    std::map<std::string, size_t> przeczytane;
    for (const auto& [nazwa, tresc] : pliki)
        zip.DodajPlik(nazwa == "duzy.csv" ? "SPD/" + nazwa : nazwa, Zapisz(nazwa, tresc),
                      [&przeczytane, n = nazwa](std::string_view b) { przeczytane[n] = b.size(); });
    zip.DodajTekst("SPIS.txt", [&] { return "plików: " + std::to_string(przeczytane.size()); });
    std::string zapisane;
    double postep = 0;
    zip.Zamknij([&](std::string_view b) { zapisane += b; }, [&](double c) { postep = c; });

    std::ifstream f(archiwum, std::ios::binary);
    EXPECT_EQ(zapisane, std::string(std::istreambuf_iterator<char>(f), {}));
    EXPECT_EQ(postep, 1.0);
    const auto wpisy = CzytajPythonem(archiwum);
    ASSERT_EQ(wpisy.size(), pliki.size() + 2);
    EXPECT_EQ(wpisy.at("SPD/"), "");
    EXPECT_EQ(wpisy.at("SPIS.txt"), mirta::wspolne::Szesnastkowo("plików: 4"));
    for (const auto& [nazwa, tresc] : pliki) {
        EXPECT_EQ(wpisy.at(nazwa == "duzy.csv" ? "SPD/" + nazwa : nazwa),
                  mirta::wspolne::Szesnastkowo(tresc))
            << nazwa;
        EXPECT_EQ(przeczytane.at(nazwa), tresc.size()) << nazwa;
    }
    EXPECT_EQ(std::system(("unzip -tq '" + archiwum.string() + "' > /dev/null").c_str()), 0);
}

TEST_F(ZipRownoleglyTest, AFileThatCannotBeReadLeavesNoArchive) {
    const fs::path archiwum = m_folder / "a.zip";
    ZipRownolegly zip(archiwum, 1);
    zip.DodajPlik("jest.txt", Zapisz("jest.txt", "x"));
    zip.DodajPlik("brak.txt", m_folder / "brak.txt");
    try {
        zip.Zamknij();
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("brak.txt"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(archiwum));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), {}), 1);  // jest.txt alone
}

}  // namespace
