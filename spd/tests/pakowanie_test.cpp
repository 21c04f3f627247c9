#include "spd/pakowanie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/testing/temp_dir.h"
#include "spd/testing/uruchom.h"

namespace mirta::spd {
namespace {

using engine::testing::ReadBytesOf;
using engine::testing::TempDir;
using testing::Uruchom;

void Zapisz(const std::string& sciezka, const std::string& tresc) {
    std::ofstream(sciezka, std::ios::binary) << tresc;
}

TEST(SpakujPlikiCSV, KazdyPlikCSVBezWzgleduNaWielkoscLiter) {
    TempDir dir;
    const std::string folder = dir.File("wysylka");
    std::filesystem::create_directories(folder + "/podfolder.csv");
    Zapisz(folder + "/01A_2008-03-01.CSV", "\"A\"\r\n1\r\n");
    Zapisz(folder + "/01b_2008-03-01.csv", std::string(100000, 'x'));
    Zapisz(folder + "/01C_2008-03-01.Csv", "\"C\"\r\n\"\xB9\"\r\n");
    Zapisz(folder + "/notatki.txt", "nie do wysłania");
    const std::string archiwum = dir.File("wysylka.zip");

    // The MD5 taken while writing is the archive's.
    const std::string md5 = SpakujPlikiCSV(folder, archiwum);
    EXPECT_EQ(md5, Md5Pliku(archiwum));

    std::string lista;
    ASSERT_EQ(Uruchom({"unzip", "-tq", archiwum}), 0);
    ASSERT_EQ(Uruchom({"unzip", "-Z1", archiwum}, {}, &lista), 0);
    EXPECT_EQ(lista, "01A_2008-03-01.CSV\n01C_2008-03-01.Csv\n01b_2008-03-01.csv\n");
    for (const char* nazwa : {"01A_2008-03-01.CSV", "01b_2008-03-01.csv", "01C_2008-03-01.Csv"}) {
        std::string tresc;
        ASSERT_EQ(Uruchom({"unzip", "-p", archiwum, nazwa}, {}, &tresc), 0);
        EXPECT_EQ(tresc, ReadBytesOf(folder + "/" + nazwa)) << nazwa;
    }
}

TEST(SpakujPlikiCSV, BezPlikowCSVNieMaArchiwum) {
    TempDir dir;
    Zapisz(dir.File("notatki.txt"), "x");
    EXPECT_THROW(SpakujPlikiCSV(dir.Path(), dir.File("a.zip")), std::runtime_error);
    EXPECT_THROW(SpakujPlikiCSV(dir.File("brak"), dir.File("a.zip")), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.zip")));
}

TEST(SpakujPlikiCSV, ArchiwumWNieistniejacymFolderzeToBlad) {
    TempDir dir;
    Zapisz(dir.File("a.csv"), "x");
    EXPECT_THROW(SpakujPlikiCSV(dir.Path(), dir.File("brak/a.zip")), std::runtime_error);
}

TEST(Md5Pliku, ZgodneZMd5sum) {
    TempDir dir;
    std::string bajty;
    for (int i = 0; i < 200000; ++i)
        bajty += static_cast<char>((i * 7919) % 251);
    const std::pair<const char*, std::string> pliki[] = {
        {"pusty", ""}, {"abc", "abc"}, {"duzy", bajty}};
    for (const auto& [nazwa, tresc] : pliki) {
        Zapisz(dir.File(nazwa), tresc);
        std::string wynik;
        ASSERT_EQ(Uruchom({"md5sum", dir.File(nazwa)}, {}, &wynik), 0);
        const std::string md5 = Md5Pliku(dir.File(nazwa));
        EXPECT_EQ(md5.size(), 32u);
        EXPECT_EQ(md5, wynik.substr(0, 32)) << nazwa;
    }
    EXPECT_EQ(Md5Pliku(dir.File("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_THROW(Md5Pliku(dir.File("brak")), std::runtime_error);
}

}  // namespace
}  // namespace mirta::spd
