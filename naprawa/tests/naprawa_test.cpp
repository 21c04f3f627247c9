// Damage done by the tests to the tables of a demo unit, then checked and repaired. Every record
// of an undamaged block must come through, pxlib must read (and attach the index of) what the
// repair wrote, python3-dbf the repaired dBase file; a check on trial and the repair of sound
// tables change no byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "engine/dbf_table.h"
#include "engine/paradox_index.h"
#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/shared_fixtures.h"
#include "engine/testing/temp_dir.h"
#include "naprawa/naprawa.h"
#include "store/dziennik_zmian.h"
#include "tools/demo.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::naprawa {
namespace {

namespace fs = std::filesystem;
using engine::paradox::GetU16;
using engine::paradox::PutU16;
using engine::paradox::PutU32;

std::string Czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Zapisz(const fs::path& p, const std::string& bajty) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bajty;
}

std::map<std::string, std::string> Pliki(const fs::path& katalog) {
    std::map<std::string, std::string> m;
    for (const auto& w : fs::recursive_directory_iterator(katalog))
        if (w.is_regular_file())
            m[w.path().lexically_relative(katalog).generic_string()] = Czytaj(w.path());
    return m;
}

std::string Tekst(const engine::Record& r) {
    std::string t;
    for (const auto& v : r)
        t += (v.IsNull()                              ? std::string("-")
              : v.kind() == engine::Value::Kind::Text ? v.AsText()
                                                      : std::to_string(v.AsNumber())) +
             "|";
    return t;
}

// Rows of each data block, in chain order.
std::vector<std::pair<uint16_t, std::vector<std::string>>> WierszeBlokow(const std::string& p) {
    engine::ParadoxOpenOptions o;
    o.readOnly = true;
    auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), p, o);
    std::vector<std::pair<uint16_t, std::vector<std::string>>> bloki;
    uint64_t i = 0;
    t->ForEachRawRecordInBlock([&](const uint8_t*, uint16_t blok) {
        if (bloki.empty() || bloki.back().first != blok)
            bloki.push_back({blok, {}});
        bloki.back().second.push_back(Tekst(t->ReadRow(i++)));
    });
    return bloki;
}

std::multiset<std::string> Wiersze(const std::string& p) {
    auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), p);
    std::multiset<std::string> w;
    for (uint64_t i = 0; i < t->RowCount(); ++i)
        w.insert(Tekst(t->ReadRow(i)));
    return w;
}

// The keyed table of the directory with the most data blocks: the one the damage is done to.
std::string NajwiekszaTabela(const std::string& katalog) {
    std::string najwieksza;
    size_t najwiecej = 0;
    for (const auto& w : fs::directory_iterator(katalog)) {
        const std::string p = w.path().string();
        if (w.path().extension() != ".DB" && w.path().extension() != ".db")
            continue;
        engine::ParadoxOpenOptions o;
        o.readOnly = true;
        if (!engine::ParadoxTable::Open(engine::FileSystem::Real(), p, o)->FileHeader().Keyed())
            continue;
        const size_t bloki = WierszeBlokow(p).size();
        if (bloki > najwiecej) {
            najwiecej = bloki;
            najwieksza = w.path().filename().string();
        }
    }
    return najwieksza;
}

// The demo unit is made once; each test works on its own copy.
class Naprawa : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_wzor = new engine::testing::TempDir;
        tools::OpcjeDemo opcje;
        opcje.pracownicy = 60;
        opcje.lata = 3;
        opcje.ziarno = 31;
        tools::UtworzDemo(engine::FileSystem::Real(), s_wzor->File("demo"), opcje);
        // A few rows of the payroll export, written as the export writes them.
        auto dbf = engine::DbfTable::Open(engine::FileSystem::Real(),
                                          s_wzor->File("demo/ROVANTE/PRACLIST.DBF"));
        for (int i = 0; i < 5; ++i) {
            engine::Record r(dbf->Fields().size());
            for (size_t k = 0; k < r.size(); ++k)
                if (dbf->Fields()[k].type == engine::FieldType::Alpha)
                    r[k] = engine::Value::Text("W" + std::to_string(i));
            dbf->Insert(r);
        }
        s_tabela = new std::string(NajwiekszaTabela(s_wzor->File("demo")));
    }
    static void TearDownTestSuite() {
        delete s_tabela;
        s_tabela = nullptr;
        delete s_wzor;
        s_wzor = nullptr;
    }
    void SetUp() override {
        fs::copy(s_wzor->File("demo"), m_tmp.File("dane"), fs::copy_options::recursive);
    }
    std::string Dane() const { return m_tmp.File("dane"); }
    std::string Plik(const std::string& n) const { return Dane() + "/" + n; }

    std::vector<WynikTabeli> Napraw(const std::vector<std::string>& tabele,
                                    std::vector<store::Odpowiedz> odpowiedzi = {
                                        store::Odpowiedz::Tak}) {
        store::testing::DialogiSkryptowe dialogi;
        dialogi.odpowiedzi.assign(odpowiedzi.begin(), odpowiedzi.end());
        PrzebiegNaprawy p;
        p.uzytkownik = "ADMIN";
        return SprawdzINapraw(engine::FileSystem::Real(), Dane(),
                              TabeleDoSprawdzenia(engine::FileSystem::Real(), Dane(), tabele),
                              dialogi, p);
    }

    static engine::testing::TempDir* s_wzor;
    static std::string* s_tabela;
    engine::testing::TempDir m_tmp;
};
engine::testing::TempDir* Naprawa::s_wzor = nullptr;
std::string* Naprawa::s_tabela = nullptr;

TEST_F(Naprawa, RekordyNieuszkodzonychBlokowPrzetrwajaNaprawe) {
    const std::string wzor = s_wzor->File("demo/") + *s_tabela;
    const auto bloki = WierszeBlokow(wzor);
    ASSERT_GE(bloki.size(), 6u) << "the damage needs a table of several blocks";
    const std::string bajty = Czytaj(wzor);
    const size_t naglowek = GetU16(reinterpret_cast<const uint8_t*>(bajty.data()) + 2);
    const size_t rozmiarBloku = static_cast<size_t>(static_cast<uint8_t>(bajty[5])) * 1024;
    auto poczatekBloku = [&](uint16_t n) { return naglowek + (n - 1u) * rozmiarBloku; };

    struct Przypadek {
        const char* nazwa;
        std::function<void(std::string&)> psuj;
        std::set<uint16_t> utraconeBloki;  // whose rows may be gone
        std::string ustalenie;             // part of a finding
        std::string utracone;              // part of what the report says was lost, or ""
    };
    const uint16_t trzeci = bloki[2].first;
    uint16_t ostatni = 0;  // the file's last block
    for (const auto& b : bloki)
        ostatni = std::max(ostatni, b.first);
    const std::vector<Przypadek> przypadki = {
        {"zmieniony licznik",
         [&](std::string& b) {
             auto* p = reinterpret_cast<uint8_t*>(b.data());
             PutU32(p + 6, engine::paradox::GetU32(p + 6) + 7);
         },
         {},
         "nagłówek podaje",
         ""},
        {"obcięty plik",
         [&](std::string& b) {
             const size_t rekord = GetU16(reinterpret_cast<const uint8_t*>(b.data()));
             b.resize(poczatekBloku(ostatni) + 6 + rekord / 2);
         },
         {ostatni},
         "obcięty",
         "za końcem obciętego pliku"},
        {"zerwany wskaźnik łańcucha",
         [&](std::string& b) {
             PutU16(reinterpret_cast<uint8_t*>(b.data()) + poczatekBloku(bloki[1].first), 60000);
         },
         {},
         "wskazuje poza plik",
         ""},
        {"śmieci w środku",
         [&](std::string& b) {
             std::mt19937 los(7);
             for (size_t i = 0; i < rozmiarBloku; ++i)
                 b[poczatekBloku(trzeci) + i] = static_cast<char>(los());
         },
         {trzeci},
         "blok " + std::to_string(trzeci),
         "blok " + std::to_string(trzeci)},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        fs::remove_all(Dane());
        fs::copy(s_wzor->File("demo"), Dane(), fs::copy_options::recursive);
        std::string zepsute = bajty;
        c.psuj(zepsute);
        Zapisz(Plik(*s_tabela), zepsute);

        const auto wyniki = Napraw({*s_tabela});
        ASSERT_EQ(wyniki.size(), 1u);
        const WynikTabeli& w = wyniki[0];
        std::string ustalenia;
        for (const auto& u : w.ustalenia)
            ustalenia += u + "\n";
        EXPECT_NE(ustalenia.find(c.ustalenie), std::string::npos) << ustalenia;
        ASSERT_TRUE(w.naprawiona) << TekstRaportu(wyniki, true);
        EXPECT_EQ(KodWyniku(wyniki), 1);

        // Every row of an undamaged block is there, and nothing else.
        const auto po = Wiersze(Plik(*s_tabela));
        std::multiset<std::string> oczekiwane, mozliwe;
        for (const auto& [blok, wiersze] : bloki)
            for (const auto& r : wiersze)
                (c.utraconeBloki.count(blok) ? mozliwe : oczekiwane).insert(r);
        for (const auto& r : oczekiwane)
            EXPECT_EQ(po.count(r), oczekiwane.count(r)) << r;
        for (const auto& r : po)
            EXPECT_TRUE(oczekiwane.count(r) || mozliwe.count(r)) << "invented: " << r;
        if (!c.utracone.empty()) {
            std::string utracone;
            for (const auto& u : w.utracone)
                utracone += u + "\n";
            EXPECT_NE(utracone.find(c.utracone), std::string::npos) << utracone;
        }
        // The damaged original stays beside the table, byte for byte.
        ASSERT_FALSE(w.kopiaUszkodzonej.empty());
        EXPECT_EQ(Czytaj(Plik(w.kopiaUszkodzonej)), zepsute);
        // Another reader reads the repaired table and attaches its index.
        EXPECT_EQ(engine::testing::ReadWithPxlib(Plik(*s_tabela)).size(), po.size());
        EXPECT_EQ(engine::testing::ReadWithPxlibIndex(
                      Plik(*s_tabela), engine::ReplaceExtension(Plik(*s_tabela), ".PX"))
                      .size(),
                  po.size());
        // Checked again, it is sound; the journal names the repair.
        EXPECT_EQ(
            SprawdzTabele(engine::FileSystem::Real(),
                          TabeleDoSprawdzenia(engine::FileSystem::Real(), Dane(), {*s_tabela})[0])
                .stan,
            StanTabeli::Zdrowa);
        const auto dziennik = store::CzytajDziennik(engine::FileSystem::Real(), Dane());
        ASSERT_FALSE(dziennik.empty());
        EXPECT_EQ(dziennik.back().operacja, "naprawa");
        EXPECT_EQ(dziennik.back().tabela, *s_tabela);
    }
}

// An index left from before a change of the data: rebuilt, the data untouched.
TEST_F(Naprawa, NieaktualneIndeksyOdbudowaneZDanych) {
    const std::string tabela = Plik(*s_tabela);
    std::map<std::string, std::string> stare;
    for (const auto& i : engine::paradox::ListIndexFiles(engine::FileSystem::Real(), tabela))
        stare[i] = Czytaj(i);
    {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), tabela);
        for (int i = 0; i < 3; ++i)
            t->Delete(t->RowCount() / 2);
        t->Sync();
    }
    const std::string dane = Czytaj(tabela);
    const auto wiersze = Wiersze(tabela);
    for (const auto& [i, b] : stare)
        Zapisz(i, b);

    const auto wyniki = Napraw({*s_tabela});
    std::string ustalenia;
    for (const auto& u : wyniki[0].ustalenia)
        ustalenia += u + "\n";
    EXPECT_NE(ustalenia.find("indeks główny (.PX) nie odpowiada danym"), std::string::npos)
        << ustalenia;
    ASSERT_TRUE(wyniki[0].naprawiona);
    EXPECT_TRUE(wyniki[0].utracone.empty());
    EXPECT_EQ(Czytaj(tabela), dane) << "an index repair leaves the data alone";
    EXPECT_EQ(Wiersze(tabela), wiersze);
    EXPECT_EQ(SprawdzTabele(engine::FileSystem::Real(),
                            TabeleDoSprawdzenia(engine::FileSystem::Real(), Dane(), {*s_tabela})[0])
                  .stan,
              StanTabeli::Zdrowa);
    EXPECT_EQ(
        engine::testing::ReadWithPxlibIndex(tabela, engine::ReplaceExtension(tabela, ".PX")).size(),
        wiersze.size());
}

// A secondary index that no longer matches the data, in a table the payroll program's engine
// wrote (it has one): rebuilt from the data, which stay as they are.
TEST_F(Naprawa, NieaktualnyIndeksPomocniczy) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    const fs::path zrodlo = fs::path(engine::testing::SharedFixturesDir()) / "paradox/dbdemos";
    for (const char* plik : {"reservat.db", "reservat.mb", "reservat.px", "reservat.x02",
                             "reservat.y02", "reservat.x03", "reservat.y03"})
        fs::copy_file(zrodlo / plik, fs::path(Dane()) / plik);
    const TabelaDoSprawdzenia t{"reservat.db", Plik("reservat.db"), nullptr};
    ASSERT_EQ(SprawdzTabele(engine::FileSystem::Real(), t).stan, StanTabeli::Zdrowa);

    std::string x = Czytaj(Plik("reservat.x02"));
    const size_t pierwszy = GetU16(reinterpret_cast<const uint8_t*>(x.data()) + 2) + 6;
    std::swap(x[pierwszy + 1], x[pierwszy + 2]);
    x[pierwszy + 3] = static_cast<char>(x[pierwszy + 3] ^ 0x11);
    Zapisz(Plik("reservat.x02"), x);
    const std::string dane = Czytaj(Plik("reservat.db"));

    WynikTabeli w = SprawdzTabele(engine::FileSystem::Real(), t);
    ASSERT_EQ(w.stan, StanTabeli::DoNaprawy);
    ASSERT_FALSE(w.ustalenia.empty());
    EXPECT_EQ(w.ustalenia[0], "indeks reservat.x02 nie odpowiada danym (jest nieaktualny)");
    NaprawTabele(engine::FileSystem::Real(), t, w, Dane(), "ADMIN");
    EXPECT_TRUE(w.naprawiona);
    EXPECT_EQ(Czytaj(Plik("reservat.db")), dane);
    EXPECT_EQ(SprawdzTabele(engine::FileSystem::Real(), t).stan, StanTabeli::Zdrowa);
}

std::string Polecenie(const std::string& p) {
    std::string wyjscie;
    FILE* f = popen((p + " 2>&1").c_str(), "r");
    char bufor[4096];
    size_t n;
    while (f && (n = fread(bufor, 1, sizeof bufor, f)) > 0)
        wyjscie.append(bufor, n);
    if (f)
        pclose(f);
    return wyjscie;
}

// The dBase export's count set from the file's length, whole records only; python3-dbf
// reads the result.
TEST_F(Naprawa, PlikDbaseZLicznikiemIUcietymRekordem) {
    const std::string plik = Plik("ROVANTE/PRACLIST.DBF");
    const std::string wzor = Czytaj(plik);
    const size_t rekord = GetU16(reinterpret_cast<const uint8_t*>(wzor.data()) + 10);
    struct Przypadek {
        const char* nazwa;
        std::function<void(std::string&)> psuj;
        int zostaje;
        const char* ustalenie;
    };
    const std::vector<Przypadek> przypadki = {
        {"zły licznik", [](std::string& b) { b[4] = static_cast<char>(b[4] + 3); }, 5,
         "nagłówek podaje 8 rekordów, a plik mieści 5"},
        {"urwany ostatni rekord", [&](std::string& b) { b.resize(b.size() - 1 - rekord / 2); }, 4,
         "ostatni rekord jest niepełny"},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        std::string zepsute = wzor;
        c.psuj(zepsute);
        Zapisz(plik, zepsute);
        const auto wyniki = Napraw({"PRACLIST.DBF"});
        ASSERT_EQ(wyniki.size(), 1u);
        std::string ustalenia;
        for (const auto& u : wyniki[0].ustalenia)
            ustalenia += u + "\n";
        EXPECT_NE(ustalenia.find(c.ustalenie), std::string::npos) << ustalenia;
        ASSERT_TRUE(wyniki[0].naprawiona);
        EXPECT_EQ(Czytaj(Dane() + "/ROVANTE/" + wyniki[0].kopiaUszkodzonej), zepsute);
        const std::string naprawiony = Czytaj(plik);
        EXPECT_EQ(naprawiony.back(), '\x1a');
        EXPECT_EQ(
            naprawiony.substr(0, naprawiony.size() - 1),
            wzor.substr(0, naprawiony.size() - 1).replace(4, 1, 1, static_cast<char>(c.zostaje)))
            << "only the count and the end mark change";
        EXPECT_EQ(
            Polecenie(
                "/usr/bin/python3 -W ignore -c \"import dbf, sys; t = dbf.Table(sys.argv[1]); "
                "t.open(); print(len(t), len([r for r in t]))\" " +
                plik),
            std::to_string(c.zostaje) + " " + std::to_string(c.zostaje) + "\n");
        Zapisz(plik, wzor);
    }
}

// A check on trial, on damaged and sound tables alike, and the repair of sound tables, leave
// every byte of the directory as it was.
TEST_F(Naprawa, NaProbieIZdroweTabeleBezZmian) {
    const auto przed = Pliki(Dane());
    const auto zdrowe = Napraw({});
    EXPECT_EQ(KodWyniku(zdrowe), 0) << TekstRaportu(zdrowe, false);
    EXPECT_GT(zdrowe.size(), 50u);
    EXPECT_EQ(Pliki(Dane()), przed);

    std::string t = Czytaj(Plik(*s_tabela));
    t[6] = static_cast<char>(t[6] + 1);
    Zapisz(Plik(*s_tabela), t);
    std::string d = Czytaj(Plik("ROVANTE/PRACLIST.DBF"));
    d.resize(d.size() - 3);
    Zapisz(Plik("ROVANTE/PRACLIST.DBF"), d);
    const auto uszkodzone = Pliki(Dane());
    store::testing::DialogiSkryptowe dialogi;
    PrzebiegNaprawy p;
    p.naProbe = true;
    const auto wyniki =
        SprawdzINapraw(engine::FileSystem::Real(), Dane(),
                       TabeleDoSprawdzenia(engine::FileSystem::Real(), Dane()), dialogi, p);
    EXPECT_EQ(KodWyniku(wyniki), 1);
    EXPECT_TRUE(dialogi.komunikaty.empty()) << "nothing is asked on trial";
    EXPECT_EQ(Pliki(Dane()), uszkodzone);
    const std::string raport = TekstRaportu(wyniki, false);
    EXPECT_NE(raport.find(*s_tabela + ": do naprawy"), std::string::npos) << raport;
    EXPECT_NE(raport.find("ROVANTE/PRACLIST.DBF: do naprawy"), std::string::npos) << raport;

    // Answered Nie, the repair changes nothing either.
    Napraw({}, {store::Odpowiedz::Nie});
    EXPECT_EQ(Pliki(Dane()), uszkodzone);
}

TEST_F(Naprawa, TylkoAdministratorINazwyZKatalogu) {
    EXPECT_NO_THROW(SprawdzAdministratora(engine::FileSystem::Real(), Dane(), "ADMIN", ""));
    EXPECT_THROW(SprawdzAdministratora(engine::FileSystem::Real(), Dane(), "ADMIN", "zle"),
                 BladNaprawy);
    EXPECT_THROW(TabeleDoSprawdzenia(engine::FileSystem::Real(), Dane(), {"Obca.DB"}), BladNaprawy);
}

}  // namespace
}  // namespace mirta::naprawa
