#pragma once

#include <string>

#include "store/engine/paradox_table.h"
#include "store/nowa_baza.h"

namespace mirta::bench {

// A large unit for the benchmarks: `pracownicy` employees with five ranks and two positions
// each; the division code runs through 1..`podzialow` (4 includes pensioners).
inline void ZbudujDuzaJednostke(const std::string& katalog, int pracownicy, int podzialow,
                                engine::CivilDate dzis = {2026, 12, 10}) {
    using engine::Value;
    auto& fs = engine::FileSystem::Real();
    store::UtworzNowaBaze(fs, katalog, dzis);
    auto otworz = [&](const char* plik) {
        return engine::ParadoxTable::Open(fs, katalog + "/" + plik);
    };
    auto wiersz = [](engine::Table& t) { return engine::Record(t.Fields().size()); };
    {
        auto slownik = otworz("SlStopni.db");
        for (int i = 0; i < 20; ++i) {
            auto r = wiersz(*slownik);
            r[0] = Value::Text("stopień " + std::to_string(i));
            slownik->Insert(r);
        }
        slownik->Sync();
        auto stanowiska = otworz("SlStanowisk.db");
        for (int i = 0; i < 200; ++i) {
            auto r = wiersz(*stanowiska);
            r[0] = Value::Text("stanowisko " + std::to_string(i));
            stanowiska->Insert(r);
        }
        stanowiska->Sync();
    }
    auto mirta = otworz("Mirta.DB");
    auto pracStop = otworz("PracStop.db");
    auto stan = otworz("Stanowiska.db");
    for (auto* t : {mirta.get(), pracStop.get(), stan.get()})
        t->BeginBulk();
    auto pole = [&](const char* nazwa) {
        const auto& pola = mirta->Fields();
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == nazwa)
                return static_cast<int>(i);
        return -1;
    };
    const int nazwisko = pole("Nazwisko"), imie = pole("Imie1"), podzial = pole("Podzial");
    for (int p = 1; p <= pracownicy; ++p) {
        auto r = wiersz(*mirta);
        r[nazwisko] = Value::Text("Nazwisko" + std::to_string(p * 7919 % pracownicy));
        r[imie] = Value::Text(p % 2 ? "Jan" : "Anna");
        r[podzial] = Value::Text(std::to_string(1 + p % podzialow));
        mirta->Insert(r);
        for (int k = 0; k < 5; ++k) {
            auto s = wiersz(*pracStop);
            s[0] = Value::Integer(p);
            s[1] = Value::Date(engine::DayNumberFromCivil(2000 + k * 4, 1, 1));
            s[2] = Value::Integer(1 + (p + k) % 20);
            pracStop->Insert(s);
        }
        for (int k = 0; k < 2; ++k) {
            auto s = wiersz(*stan);
            s[0] = Value::Integer(p);
            s[1] = Value::Date(engine::DayNumberFromCivil(2005 + k * 10, 1, 1));
            s[2] = Value::Integer(1 + (p + k) % 200);
            stan->Insert(s);
        }
    }
    for (auto* t : {mirta.get(), pracStop.get(), stan.get()})
        t->EndBulk();
}

}  // namespace mirta::bench
