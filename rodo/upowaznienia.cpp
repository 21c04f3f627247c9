#include "rodo/upowaznienia.h"

#include <map>

#include "compute/teksty_dat.h"
#include "engine/paradox_table.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"

namespace mirta::rodo {

namespace {

using engine::FieldType;
using engine::Value;

enum Pole { Uzytkownik, Nadane, Cofniete, Zakres };

std::string Sciezka(store::TDM& tdm) {
    return engine::ResolvePath(tdm.Fs(), tdm.DataDirectory() + "/" + kPlikUpowaznien);
}

Value Data(compute::DataKal d) {
    if (d.Pusta())
        return Value();
    return Value::Date(engine::DayNumberFromCivil(d.rok, d.miesiac, d.dzien));
}

std::map<int32_t, Upowaznienie> Zapisane(store::TDM& tdm) {
    std::map<int32_t, Upowaznienie> wynik;
    const std::string sciezka = Sciezka(tdm);
    if (!tdm.Fs().Exists(sciezka))
        return wynik;
    engine::ParadoxOpenOptions tylkoOdczyt;
    tylkoOdczyt.readOnly = true;
    auto t = engine::ParadoxTable::Open(tdm.Fs(), sciezka, tylkoOdczyt);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        const engine::Record r = t->ReadRow(i);
        Upowaznienie u;
        u.uzytkownik = store::LiczbaCalkowita(r[Uzytkownik]);
        u.nadane = store::DataPola(r[Nadane]);
        u.cofniete = store::DataPola(r[Cofniete]);
        u.zakres = store::TekstPola(r[Zakres]);
        wynik[u.uzytkownik] = u;
    }
    return wynik;
}

}  // namespace

std::vector<engine::FieldDef> PolaUpowaznien() {
    return {{"IdentyfikatorUzytkownika", FieldType::Long, 4},
            {"DataNadania", FieldType::Date, 4},
            {"DataCofniecia", FieldType::Date, 4},
            {"Zakres", FieldType::Alpha, 120}};
}

std::string ZakresUprawnien(bool przegladanie, bool aktualizowanie, bool administrator,
                            bool trybUrlopowy) {
    std::string z;
    auto dodaj = [&](const char* t) { z += (z.empty() ? "" : ", ") + std::string(t); };
    if (przegladanie)
        dodaj("przeglądanie");
    if (aktualizowanie)
        dodaj("zmiana danych");
    if (administrator)
        dodaj("administracja");
    if (trybUrlopowy)
        dodaj("tylko urlopy i nieobecności");
    return z.empty() ? "brak uprawnień" : z;
}

std::vector<Upowaznienie> CzytajUpowaznienia(store::TDM& tdm) {
    const auto zapisane = Zapisane(tdm);
    engine::Table& hasla = tdm.THasla->GetTable();
    auto pole = [&](const char* n) { return store::PoleTabeli(hasla, n); };
    const int id = pole("Identyfikator"), krotka = pole("NazwaKrotka"), pelna = pole("NazwaPelna"),
              przeg = pole("Przegladanie"), akt = pole("Aktualizowanie"),
              adm = pole("Administrator"), url = pole("Pole2");
    auto logiczne = [](const Value& v) { return !v.IsNull() && v.AsLogical(); };
    std::vector<Upowaznienie> wynik;
    for (uint64_t i = 0; i < hasla.RowCount(); ++i) {
        const engine::Record r = hasla.ReadRow(i);
        Upowaznienie u;
        u.uzytkownik = store::LiczbaCalkowita(r[id]);
        if (auto it = zapisane.find(u.uzytkownik); it != zapisane.end())
            u = it->second;
        u.nazwaKrotka = store::Przyciety(r[krotka]);
        u.nazwaPelna = store::Przyciety(r[pelna]);
        u.zakresBiezacy = ZakresUprawnien(logiczne(r[przeg]), logiczne(r[akt]), logiczne(r[adm]),
                                          url >= 0 && logiczne(r[url]));
        wynik.push_back(std::move(u));
    }
    return wynik;
}

void ZapiszUpowaznienie(store::TDM& tdm, int32_t uzytkownik, compute::DataKal nadane,
                        compute::DataKal cofniete) {
    if (!tdm.Sesja().Administrator)
        throw store::BladDanych("Nie masz uprawnień administratora systemu !!!");
    if (!cofniete.Pusta() && nadane.Pusta())
        throw store::BladDanych("Podaj datę nadania upoważnienia !!!", "DataNadania");
    if (!cofniete.Pusta() && cofniete < nadane)
        throw store::BladDanych(
            "Data cofnięcia upoważnienia jest wcześniejsza niż data nadania !!!", "DataCofniecia");
    std::vector<Upowaznienie> wszystkie = CzytajUpowaznienia(tdm);
    bool jest = false;
    for (Upowaznienie& u : wszystkie)
        if (u.uzytkownik == uzytkownik) {
            u.nadane = nadane;
            u.cofniete = cofniete;
            u.zakres = u.zakresBiezacy;
            jest = true;
        }
    if (!jest)
        throw store::BladDanych("Nie ma użytkownika o identyfikatorze " +
                                std::to_string(uzytkownik) + " !!!");
    const std::string tymczasowy = tdm.DataDirectory() + "/Upowaznienia.tmp.DB";
    {
        auto t = engine::ParadoxTable::Create(tdm.Fs(), tymczasowy, PolaUpowaznien(), 0);
        t->BeginBulk();
        for (const Upowaznienie& u : wszystkie)
            if (!u.nadane.Pusta() || !u.cofniete.Pusta())
                t->Insert({Value::Integer(u.uzytkownik), Data(u.nadane), Data(u.cofniete),
                           Value::Text(u.zakres)});
        t->EndBulk();
    }
    tdm.Fs().Rename(tymczasowy, tdm.DataDirectory() + "/" + kPlikUpowaznien);
}

}  // namespace mirta::rodo
