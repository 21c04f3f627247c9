#pragma once

#include <memory>
#include <string>

#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "store/nowa_baza.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::store::testing {

// A new data directory of 2026 with both data modules open; Zaloguj() logs ADMIN in.
class BazaTestowa : public ::testing::Test {
protected:
    static constexpr engine::CivilDate kDzis{2026, 12, 10};

    void SetUp() override {
        UtworzNowaBaze(engine::FileSystem::Real(), dir.Path(), kDzis);
        Otworz();
    }

    void Otworz() {
        tdm1.reset();
        tdm.reset();
        tdm = std::make_unique<TDM>(engine::FileSystem::Real(), dir.Path(), dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<TDM1>(*tdm);
    }

    bool Zaloguj(const std::string& nazwa = "ADMIN", const std::string& haslo = "",
                 engine::CivilDate data = kDzis) {
        DaneStartowe d{data, nazwa, haslo};
        return tdm->FunkcjaStartowa(&d);
    }

    // Adds a user straight into Hasla.DB, as the users' window would.
    void DodajUzytkownika(const std::string& nazwa, const std::string& haslo, bool przegladanie,
                          bool aktualizowanie = true) {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Hasla.DB"));
        engine::Record r(t->Fields().size());
        r[0] = engine::Value::Text(nazwa);
        if (!haslo.empty())
            r[1] = engine::Value::Text(haslo);
        r[2] = engine::Value::Text("Użytkownik " + nazwa);
        r[3] = engine::Value::Logical(przegladanie);
        r[4] = engine::Value::Logical(aktualizowanie);
        for (int i = 5; i <= 9; ++i)
            r[i] = engine::Value::Logical(false);
        r[10] = engine::Value::Integer(0);
        t->Insert(r);
        t->Sync();
        Otworz();
    }

    std::string OstatniKomunikat() const {
        return dialogi.komunikaty.empty() ? std::string() : dialogi.komunikaty.back().tekst;
    }

    engine::testing::TempDir dir;
    DialogiSkryptowe dialogi;
    std::unique_ptr<TDM> tdm;
    std::unique_ptr<TDM1> tdm1;
};

// The message of the BladDanych `f` throws; "" when it throws none.
template <typename F>
std::string Blad(F&& f) {
    try {
        f();
    } catch (const BladDanych& e) {
        return e.what();
    }
    return "";
}

}  // namespace mirta::store::testing
