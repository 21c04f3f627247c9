#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/dbf_table.h"
#include "engine/paradox_table.h"
#include "payroll/kolumny_dbf.h"
#include "payroll/przegrywanie.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::payroll::testing {

using engine::Value;

inline Value T(const char* s) {
    return Value::Text(s);
}
inline Value Dzien(int r, int m, int d) {
    return Value::Date(engine::DayNumberFromCivil(r, m, d));
}

// A new data directory (with the payroll program's empty files) whose employees the test
// writes straight into Mirta.DB before logging in.
class JednostkaPlacowa : public store::testing::BazaTestowa {
protected:
    using Pola = std::initializer_list<std::pair<const char*, Value>>;

    // Adds one employee; call Zacznij() after the last one.
    void Dodaj(Pola pola) {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Mirta.DB"));
        const auto& defs = t->Fields();
        engine::Record r(defs.size());
        for (const auto& [nazwa, v] : pola) {
            size_t i = 0;
            while (i < defs.size() && defs[i].name != nazwa)
                ++i;
            ASSERT_LT(i, defs.size()) << nazwa;
            r[i] = v;
        }
        t->Insert(r);
        t->Sync();
    }

    void Zacznij() {
        Otworz();
        ASSERT_TRUE(Zaloguj());
    }

    // The export as the window runs it, the question answered yes; `powtorzeni`, when given,
    // answers the question about employees already in the files.
    WynikPrzegrania Przegraj(OpcjePrzegrywania opcje = {},
                             engine::FileSystem& fs = engine::FileSystem::Real(),
                             std::optional<store::Odpowiedz> powtorzeni = std::nullopt) {
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        if (powtorzeni)
            dialogi.odpowiedzi.push_back(*powtorzeni);
        return PrzegrajDanePlacowe(fs, dir.Path(), *tdm->TPracownicy, tdm->Sesja(), opcje, dialogi);
    }
    static OpcjePrzegrywania Ponownie(OpcjePrzegrywania opcje = {}) {
        opcje.ponownie = true;
        return opcje;
    }

    std::string Plik(const char* nazwa) const { return dir.Path() + "/ROVANTE/" + nazwa; }

    // The stored bytes of a file's live records.
    std::vector<std::string> Rekordy(const char* nazwa) const {
        auto t = engine::DbfTable::Open(engine::FileSystem::Real(), Plik(nazwa));
        std::vector<std::string> r;
        for (uint64_t i = 0; i < t->RecordCount(); ++i) {
            std::string rekord;
            t->ReadRawRecords(i, 1, rekord);
            r.push_back(rekord);
        }
        return r;
    }

    // A column's bytes, padding included, of record `i` of the file.
    std::string Pole(const char* nazwa, size_t i, const char* kolumna) const {
        auto t = engine::DbfTable::Open(engine::FileSystem::Real(), Plik(nazwa));
        const int k = ZnajdzKolumne(*t, kolumna);
        EXPECT_GE(k, 0) << kolumna;
        const auto& c = t->Columns()[size_t(k)];
        return Rekordy(nazwa).at(i).substr(c.offset, size_t(c.length));
    }

    std::vector<std::string> Nazwiska(const char* plik, const char* kolumna) const {
        std::vector<std::string> n;
        for (size_t i = 0; i < Rekordy(plik).size(); ++i) {
            std::string p = Pole(plik, i, kolumna);
            n.push_back(std::string(engine::TrimSpaces(p)));
        }
        return n;
    }
};

inline void Zapisz(const std::string& sciezka, const std::string& bajty) {
    std::ofstream out(sciezka, std::ios::binary | std::ios::trunc);
    out.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
}

// Left-aligned and padded with spaces, as dBase keeps character values.
inline std::string Lewo(std::string s, size_t szerokosc) {
    s.resize(szerokosc, ' ');
    return s;
}
inline std::string Prawo(const std::string& s, size_t szerokosc) {
    return std::string(szerokosc - s.size(), ' ') + s;
}

}  // namespace mirta::payroll::testing
