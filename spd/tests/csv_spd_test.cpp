#include "spd/csv_spd.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/testing/temp_dir.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::spd {
namespace {

using engine::testing::ReadBytesOf;
using engine::testing::TempDir;
using store::testing::DialogiSkryptowe;

struct PrzypadekWartosci {
    const char* typ;
    const char* zawartosc;
    const char* zapis;
};

TEST(WartoscCSV, KodowanieKazdegoTypu) {
    const PrzypadekWartosci przypadki[] = {
        {"S", "Kowalski|Nowak", "\"KowalskiNowak\""},
        {"C", "Dom \"Pod Lipą\"", "\"Dom 'Pod Lipą'\""},
        {"S", "", "NULL"},
        {"S", "   ", "NULL"},
        {"N", "", "NULL"},
        {"D", "", "NULL"},
        {"N", "0,875", "0.875"},
        {"N", "        1234.50", "1234.50"},
        {"D", "2008-03-17", "2008-03-17"},
        {"X", "a\"b,c", "a\"b,c"},  // any other type is written as it is
        // Separators and line ends never get into a value, whatever its type.
        {"N", "1|5", "15"},
        {"D", "2008-03\r\n-17", "2008-03  -17"},
        {"S", "ul. Długa 5\r\nm. 3", "\"ul. Długa 5  m. 3\""},
        {"C", " a\tb ", "\"a b\""},
        {"S", "|", "NULL"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(WartoscCSV(p.typ, p.zawartosc), p.zapis) << p.typ << " [" << p.zawartosc << "]";
}

TEST(NazwaPlikuCSV, DataOkresuWedlugSposobuPrzesylania) {
    const compute::DataKal dzien{2008, 3, 17};
    const std::pair<const char*, const char*> przypadki[] = {
        {"M", "01PRACOWNICY_2008-03-01.CSV"}, {"K", "01PRACOWNICY_2008-03-01.CSV"},
        {"P", "01PRACOWNICY_2008-03-01.CSV"}, {"R", "01PRACOWNICY_2008-01-01.CSV"},
        {"D", "01PRACOWNICY_2008-03-17.CSV"}, {"T", "01PRACOWNICY_2008-03-17.CSV"},
    };
    for (const auto& [sposob, nazwa] : przypadki)
        EXPECT_EQ(NazwaPlikuCSV({"01 ", "PRACOWNICY_", sposob, dzien}), nazwa) << sposob;
}

// Two records of three columns, with the encodings that matter on the way.
std::vector<PoleCSV> DwaRekordy() {
    return {
        {1, "Identyfikator", "N", "12"},
        {2, " Nazwisko ", "S", "Kowalski|Nowak"},
        {3, "Wynagrodzenie", "N", "        1234.50"},
        {1, "Identyfikator", "N", "13"},
        {2, "Nazwisko", "S", "Wąs \"Ryży\""},
        {3, "Wynagrodzenie", "N", ""},
    };
}

TEST(ZapiszPlikCSV, BajtWBajtWStronieKodowej1250) {
    TempDir dir;
    DialogiSkryptowe dialogi;
    const auto sciezka =
        ZapiszPlikCSV(dir.Path(), {"01", "PRACOWNICY_", "M", {2008, 3, 17}}, DwaRekordy(), dialogi);
    ASSERT_TRUE(sciezka);
    EXPECT_EQ(*sciezka, dir.File("01PRACOWNICY_2008-03-01.CSV"));
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(ReadBytesOf(*sciezka),
              "\"Identyfikator\"|\"Nazwisko\"|\"Wynagrodzenie\"\r\n"
              "12|\"KowalskiNowak\"|1234.50\r\n"
              "13|\"W\xB9s 'Ry\xBFy'\"|NULL\r\n");
}

TEST(ZapiszPlikCSV, JedenRekordIJednaKolumna) {
    TempDir dir;
    DialogiSkryptowe dialogi;
    const std::vector<PoleCSV> pola = {{1, "Kod", "S", "Łódź"}};
    const auto sciezka = ZapiszPlikCSV(dir.Path(), {"01", "A_", "D", {2008, 3, 17}}, pola, dialogi);
    ASSERT_TRUE(sciezka);
    EXPECT_EQ(ReadBytesOf(*sciezka), "\"Kod\"\r\n\"\xA3\xF3\x64\x9F\"\r\n");
}

TEST(ZapiszPlikCSV, NaglowekBezWierszyNieTworzyPliku) {
    TempDir dir;
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(ZapiszPlikCSV(dir.Path(), {"01", "A_", "M", {2008, 3, 17}}, std::vector<PoleCSV>{},
                               dialogi));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST(ZapiszPlikCSV, NazwaZeSciezkaLubZnakiemZastrzezonymJestOdrzucana) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("wysylka/01"));
    const std::string folder = dir.File("wysylka");
    const PlikCSV zle[] = {
        {"01", "/../../ZLY_", "M", {2008, 3, 17}}, {"01", "..\\ZLY_", "M", {2008, 3, 17}},
        {"0/", "ZLY_", "M", {2008, 3, 17}},        {"01", "ZLY:", "M", {2008, 3, 17}},
        {"01", "ZLY*?", "M", {2008, 3, 17}},       {"01", "ZLY\n_", "M", {2008, 3, 17}},
    };
    for (const PlikCSV& plik : zle) {
        DialogiSkryptowe dialogi;
        EXPECT_FALSE(ZapiszPlikCSV(folder, plik, DwaRekordy(), dialogi)) << plik.nazwaPliku;
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst,
                  "Nie udało się wykreować pliku: " + folder + "/" + NazwaPlikuCSV(plik));
        EXPECT_EQ(dialogi.komunikaty[0].tytul, "Kontrola danych.");
    }
    size_t plikow = 0;
    for (const auto& wpis : std::filesystem::recursive_directory_iterator(dir.Path()))
        plikow += wpis.is_regular_file();
    EXPECT_EQ(plikow, 0u);
}

TEST(ZapiszPlikCSV, BrakFolderuJestZglaszany) {
    TempDir dir;
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(
        ZapiszPlikCSV(dir.File("brak"), {"01", "A_", "M", {2008, 3, 17}}, DwaRekordy(), dialogi));
    EXPECT_EQ(dialogi.Teksty(), std::vector<std::string>{"Nie udało się wykreować pliku: " +
                                                         dir.File("brak/01A_2008-03-01.CSV")});
}

}  // namespace
}  // namespace mirta::spd
