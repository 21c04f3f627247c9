#include "bench/duza_jednostka.h"

#include <filesystem>

#include "engine/paradox_table.h"
#include "store/katalog.h"
#include "store/nowa_baza.h"
#include "tools/demo.h"

namespace mirta::bench {

std::string ZbudujDuzaJednostke(const std::string& katalog, int pracownicy, int podzialow,
                                engine::CivilDate dzis) {
    using engine::Value;
    auto& fs = engine::FileSystem::Real();
    std::filesystem::remove_all(katalog);
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
    return katalog;
}

std::string UtworzDuzaJednostkeDemo(const std::string& nazwa) {
    const std::string katalog = (std::filesystem::temp_directory_path() / nazwa).string();
    std::filesystem::remove_all(katalog);
    tools::OpcjeDemo opcje;
    opcje.pracownicy = kPracownicyDemo;
    opcje.lata = 20;
    opcje.dzis = kDzisDuzejJednostki;
    tools::UtworzDemo(engine::FileSystem::Real(), katalog, opcje);
    return katalog;
}

OtwartaJednostka::OtwartaJednostka(std::string katalogDanych) : katalog(std::move(katalogDanych)) {
    tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), katalog, dialogi,
                                       kDzisDuzejJednostki);
    tdm1 = std::make_unique<store::TDM1>(*tdm);
    const store::DaneStartowe d{kDzisDuzejJednostki, "ADMIN", ""};
    tdm->UstawIteracjeHasel(1000);
    tdm->FunkcjaStartowa(&d);
    tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
}

size_t OtwartaJednostka::Przeczytaj(const std::vector<std::string>& pliki) {
    auto& fs = engine::FileSystem::Real();
    size_t n = 0;
    for (const auto& p : pliki) {
        // The payroll program's tables may live in its own directory.
        std::string sciezka = engine::ResolvePath(fs, katalog + "/" + p);
        if (p == "Mirta.DB")
            sciezka = tdm->TPracownicy->GetTable().Path();
        else if (p == "Kalendarz.DB")
            sciezka = tdm->TKalendarz->GetTable().Path();
        if (!fs.Exists(sciezka))
            continue;
        auto t = engine::ParadoxTable::Open(fs, sciezka);
        for (uint64_t i = 0; i < t->RowCount(); ++i)
            n += t->ReadRow(i).size();
    }
    return n;
}

std::vector<std::string> ZPlikamiLat(std::vector<std::string> pliki) {
    for (int rok = store::kPierwszyRokPlikowUrlopow; rok <= 2049; ++rok)
        pliki.push_back(store::PlikUrlopowWykorzystanych(rok));
    return pliki;
}

}  // namespace mirta::bench
