#pragma once

#include <string>

#include <gtest/gtest.h>

#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::store::testing {

// A new data directory with ADMIN logged in, and helpers that enter dictionary rows, rates
// and employees the way the windows do.
class HistoriaTestowa : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
    }

    static engine::Value Dzien(int r, int m, int d) {
        return engine::Value::Date(engine::DayNumberFromCivil(r, m, d));
    }
    static int32_t D(int r, int m, int d) { return engine::DayNumberFromCivil(r, m, d); }

    // Steps of one record: a field set, then the message the post gives (empty: it posts).
    struct Krok {
        const char* pole;
        engine::Value wartosc;
        std::string komunikat;
    };
    void Sprawdz(TableComponent& c, std::initializer_list<Krok> kroki,
                 std::initializer_list<std::pair<const char*, engine::Value>> poczatek = {}) {
        SCOPED_TRACE(c.Name());
        engine::Dataset& ds = *c;
        ds.Insert();
        for (const auto& [pole, wartosc] : poczatek)
            ds.SetField(pole, wartosc);
        for (const auto& k : kroki) {
            if (k.pole)
                ds.SetField(k.pole, k.wartosc);
            EXPECT_EQ(Blad([&] { ds.Post(); }), k.komunikat) << (k.pole ? k.pole : "");
            if (k.komunikat.empty())
                continue;
            // A refused post keeps the state and what was typed.
            EXPECT_EQ(ds.State(), engine::DatasetState::Insert);
            if (k.pole) {
                EXPECT_EQ(ds.Field(k.pole), k.wartosc);
            }
        }
        EXPECT_EQ(ds.State(), engine::DatasetState::Browse);
    }

    // A posted dictionary row; returns its identifier.
    int32_t Slownik(TableComponent& c, const char* pole, const std::string& nazwa,
                    const char* poleId,
                    std::initializer_list<std::pair<const char*, engine::Value>> inne = {}) {
        c->Insert();
        c->SetField(pole, engine::Value::Text(nazwa));
        for (const auto& [p, v] : inne)
            c->SetField(p, v);
        c->Post();
        return static_cast<int32_t>(c->Field(poleId).AsInteger());
    }
    int32_t Stopien(const std::string& nazwa) {
        return Slownik(tdm->TSlowStopni, "NazwaStopnia", nazwa, "IdentyfikatorStopnia");
    }
    int32_t Grupa(const std::string& nazwa, double mnoznik = 1.0) {
        return Slownik(tdm->TSlowGrup, "NazwaGrupy", nazwa, "IdentyfikatorGrupy",
                       {{"MnożnikGrupy", engine::Value::Number(mnoznik)}});
    }

    // A rate of the rank or group current in its dictionary (the rate table follows it).
    void Stawka(TableComponent& stawki, engine::Value data, double wartosc, const char* ub = "N") {
        tdm->Open(stawki);
        stawki->Insert();
        stawki->SetField("DataObowiazywania", data);
        stawki->SetField("Wartosc", engine::Value::Number(wartosc));
        stawki->SetField("Ubruttowienie", engine::Value::Text(ub));
        stawki->Post();
    }

    // A posted employee, current in TPracownicy.
    int32_t Pracownik(const std::string& nazwisko, const char* podzial = "1",
                      engine::Value zwolnienie = {}) {
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", engine::Value::Text(nazwisko));
        p.SetField("Imie1", engine::Value::Text("Jan"));
        p.SetField("Podzial", engine::Value::Text(podzial));
        if (std::string(podzial) != "1")
            p.SetField("IdStPracCyw", engine::Value::Integer(1));
        p.SetField("DataZwolnienia", zwolnienie);
        p.Post();
        return static_cast<int32_t>(p.Field("Identyfikator").AsInteger());
    }

    // A rank row of the current employee.
    void StopienPracownika(engine::Value data, int32_t stopien, const char* ub = "N") {
        if (m_wydawca == 0)
            m_wydawca = Slownik(tdm->TWydawcy, "Nazwa", "Komendant", "Identyfikator");
        auto& s = *tdm->TPracStop;
        s.Insert();
        s.SetField("DataOdKiedy", data);
        s.SetField("IdentyfikatorStopnia", engine::Value::Integer(stopien));
        s.SetField("Ubruttowienie", engine::Value::Text(ub));
        s.SetField("KtoWydal", engine::Value::Integer(m_wydawca));
        s.SetField("NrRozkazu", engine::Value::Text("12/2020"));
        s.Post();
    }

    int32_t m_wydawca = 0;
};

}  // namespace mirta::store::testing
