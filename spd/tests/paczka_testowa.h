#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "spd/generowanie.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "store/testing/baza_testowa.h"

namespace mirta::spd::testing {

using engine::Value;
using Pola = std::initializer_list<std::pair<const char*, Value>>;

// A new data directory with ADMIN logged in on 2026-12-10, helpers that write rows straight
// into the tables, and readers of a generated package.
class PaczkaTestowa : public store::testing::BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
    }

    static Value Dz(int r, int m, int d) {
        return Value::Date(engine::DayNumberFromCivil(r, m, d));
    }
    static Value T(const std::string& t) { return Value::Text(t); }
    static Value I(int64_t x) { return Value::Integer(x); }
    static compute::DataKal K(int r, int m, int d) {
        return {r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
    }

    static uint64_t Wstaw(engine::Table& t, Pola pola) {
        engine::Record r(t.Fields().size());
        const PolaTabeli p(t);
        for (const auto& [nazwa, v] : pola)
            r[p(nazwa)] = v;
        const uint64_t w = t.Insert(r);
        t.Sync();
        return w;
    }
    engine::Table& Tabela(const char* komponent) {
        store::TableComponent& c = *tdm->Find(komponent);
        if (!c.IsOpen())
            c.Module().Open(c);
        return c->GetTable();
    }
    // The identifier the table handed out to a new row; 0 for a table without one.
    static int32_t Identyfikator(engine::Table& t, uint64_t wiersz) {
        const auto& pola = t.Fields();
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].type == engine::FieldType::AutoInc)
                return static_cast<int32_t>(
                    CalkowitaLubZero(t.ReadField(wiersz, static_cast<int>(i))));
        return 0;
    }
    int32_t Wstaw(const char* komponent, Pola pola) {
        engine::Table& t = Tabela(komponent);
        return Identyfikator(t, Wstaw(t, pola));
    }
    int32_t WstawSPD(const char* komponent, Pola pola) {
        auto t = OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), komponent);
        return Identyfikator(*t, Wstaw(*t, pola));
    }
    // An employee in service since 2000, to which the pola add or override fields.
    int32_t Pracownik(const std::string& nazwisko, Pola pola = {}) {
        engine::Table& t = tdm->TPracownicy->GetTable();
        engine::Record r(t.Fields().size());
        const PolaTabeli p(t);
        r[p("Nazwisko")] = T(nazwisko);
        r[p("Imie1")] = T("Jan");
        r[p("Podzial")] = T("1");
        r[p("CharakterZatrudnienia")] = T("S");
        r[p("DataZatrudnienia")] = Dz(2000, 1, 1);
        r[p("DataUrodzenia")] = Dz(1975, 5, 6);
        for (const auto& [nazwa, v] : pola)
            r[p(nazwa)] = v;
        const uint64_t w = t.Insert(r);
        t.Sync();
        tdm->TPracownicy->Refresh();
        return static_cast<int32_t>(CalkowitaLubZero(t.ReadField(w, p("Identyfikator"))));
    }
    int32_t Wpis(const std::string& rodzaj, const std::string& sposob = "M", Pola pola = {}) {
        static int lp = 0;
        std::vector<std::pair<const char*, Value>> p = {{"Nazwa", T("Wpis " + rodzaj)},
                                                        {"Rodzaj", T(rodzaj)},
                                                        {"SposobPrzesylania", T(sposob)},
                                                        {"NazwaPliku", T(rodzaj + "_")},
                                                        {"LP", I(++lp)},
                                                        {"Aktywny", Value::Logical(true)}};
        p.insert(p.end(), pola.begin(), pola.end());
        auto t = OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "THarmonogramPrzesylek");
        engine::Record r(t->Fields().size());
        const PolaTabeli pt(*t);
        for (const auto& [nazwa, v] : p)
            r[pt(nazwa)] = v;
        const uint64_t w = t->Insert(r);
        t->Sync();
        return static_cast<int32_t>(CalkowitaLubZero(t->ReadField(w, pt("Identyfikator"))));
    }

    WynikGenerowania Generuj(std::vector<int32_t> wpisy, compute::DataKal d = {2026, 12, 10}) {
        Zaznaczenia z;
        for (int32_t w : wpisy)
            z.Zaznacz(w);
        dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        OpcjeGenerowania o;
        o.dataDanych = d;
        return GenerujPrzesylkeSPD(*tdm, *tdm1, z, dialogi, o);
    }

    // The values of every record of one header, record by record.
    std::vector<std::vector<std::string>> Rekordy(const WynikGenerowania& w, int32_t wpis) {
        auto t = OtworzTabelePaczki(engine::FileSystem::Real(),
                                    SciezkaWKatalogu(dir.Path(), w.folder), "TPozPlikow");
        const PolaTabeli p(*t);
        std::vector<std::vector<std::string>> rekordy;
        for (uint64_t r = 0; r < t->RowCount(); ++r) {
            const engine::Record x = t->ReadRow(r);
            if (CalkowitaLubZero(x[p("IdentyfikatorHarmonogramu")]) != wpis)
                continue;
            const auto numer = static_cast<size_t>(CalkowitaLubZero(x[p("IdentyfikatorWiersza")]));
            if (numer > rekordy.size())
                rekordy.resize(numer);
            rekordy[numer - 1].push_back(Tekst(x[p("Zawartosc")]));
        }
        return rekordy;
    }
};

}  // namespace mirta::spd::testing
