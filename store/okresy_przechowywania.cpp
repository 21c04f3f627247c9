#include "store/okresy_przechowywania.h"

#include <algorithm>

#include "engine/paradox_table.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {

namespace {

using compute::DataKal;
using engine::FieldType;
using engine::Value;

constexpr DataKal kOstatniDzien2018{2018, 12, 31};

std::string Sciezka(engine::FileSystem& fs, const std::string& katalog) {
    return engine::ResolvePath(fs, katalog + "/" + kPlikOkresowPrzechowywania);
}

DataKal KoniecRoku(int32_t rok) {
    return {rok, 12, 31};
}

// The same day `lata` years on, 29 February becoming 28 February.
DataKal PoLatach(DataKal d, int lata) {
    DataKal w{d.rok + lata, d.miesiac, d.dzien};
    if (!w.Poprawna())
        w.dzien = static_cast<uint8_t>(compute::DniMiesiaca(w.rok, w.miesiac));
    return w;
}

}  // namespace

std::vector<engine::FieldDef> PolaOkresowPrzechowywania() {
    return {{"Podzial", FieldType::Alpha, 1},
            {"Sposob", FieldType::Alpha, 1},
            {"Lata", FieldType::Short, 2}};
}

std::vector<ZasadaPrzechowywania> DomyslneZasadyPrzechowywania() {
    using S = SposobPrzechowywania;
    return {{"1", S::LataOdKoncaRoku, 50},
            {"2", S::KodeksPracy, 10},
            {"3", S::KodeksPracy, 10},
            {"4", S::LataOdKoncaRoku, 50}};
}

std::vector<ZasadaPrzechowywania> CzytajZasadyPrzechowywania(engine::FileSystem& fs,
                                                             const std::string& katalog) {
    std::vector<ZasadaPrzechowywania> zasady = DomyslneZasadyPrzechowywania();
    const std::string sciezka = Sciezka(fs, katalog);
    if (!fs.Exists(sciezka))
        return zasady;
    engine::ParadoxOpenOptions tylkoOdczyt;
    tylkoOdczyt.readOnly = true;
    auto t = engine::ParadoxTable::Open(fs, sciezka, tylkoOdczyt);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        const engine::Record r = t->ReadRow(i);
        ZasadaPrzechowywania z;
        z.kod = Przyciety(r[0]);
        z.sposob = TekstPola(r[1]) == "K" ? SposobPrzechowywania::KodeksPracy
                                          : SposobPrzechowywania::LataOdKoncaRoku;
        z.lata = LiczbaCalkowita(r[2]);
        auto it = std::find_if(zasady.begin(), zasady.end(),
                               [&](const ZasadaPrzechowywania& d) { return d.kod == z.kod; });
        if (it != zasady.end())
            *it = z;
        else
            zasady.push_back(z);
    }
    return zasady;
}

void ZapiszZasadyPrzechowywania(const SesjaUzytkownika& sesja, engine::FileSystem& fs,
                                const std::string& katalog,
                                const std::vector<ZasadaPrzechowywania>& zasady) {
    if (!sesja.Administrator)
        throw BladDanych("Nie masz uprawnień administratora systemu !!!");
    const std::string tymczasowy = katalog + "/OkresyPrzechowywania.tmp.DB";
    {
        auto t = engine::ParadoxTable::Create(fs, tymczasowy, PolaOkresowPrzechowywania(), 0);
        t->BeginBulk();
        for (const ZasadaPrzechowywania& z : zasady)
            t->Insert({Value::Text(z.kod),
                       Value::Text(z.sposob == SposobPrzechowywania::KodeksPracy ? "K" : "L"),
                       Value::Integer(z.lata)});
        t->EndBulk();
    }
    fs.Rename(tymczasowy, katalog + "/" + kPlikOkresowPrzechowywania);
}

std::string OpisZasady(const ZasadaPrzechowywania& z) {
    if (z.sposob == SposobPrzechowywania::KodeksPracy)
        return "Kodeks pracy: 10 lat od końca roku zwolnienia (zatrudnieni po 2018-12-31), "
               "inaczej 50 lat od zatrudnienia";
    return std::to_string(z.lata) + " lat od końca roku zwolnienia";
}

ZasadaPrzechowywania ZasadaDla(const std::vector<ZasadaPrzechowywania>& zasady,
                               const std::string& kod) {
    for (const ZasadaPrzechowywania& z : zasady)
        if (z.kod == kod)
            return z;
    return {kod, SposobPrzechowywania::LataOdKoncaRoku, 50};
}

std::optional<DataKal> KoniecPrzechowywania(const ZasadaPrzechowywania& z, DataKal zatrudnienie,
                                            DataKal zwolnienie) {
    if (zwolnienie.Pusta())
        return std::nullopt;
    if (z.sposob == SposobPrzechowywania::LataOdKoncaRoku)
        return KoniecRoku(zwolnienie.rok + z.lata);
    if (zatrudnienie.Pusta())
        return std::nullopt;
    if (kOstatniDzien2018 < zatrudnienie)
        return KoniecRoku(zwolnienie.rok + 10);
    return compute::PoprzedniDzien(PoLatach(zatrudnienie, 50));
}

std::vector<OkresAktPracownika> AktaDoZniszczenia(engine::Table& mirta,
                                                  const std::vector<ZasadaPrzechowywania>& zasady,
                                                  DataKal dzis, DataKal doDnia) {
    const int id = PoleTabeli(mirta, "Identyfikator");
    const int nazwisko = PoleTabeli(mirta, "Nazwisko");
    const int imie = PoleTabeli(mirta, "Imie1");
    const int pesel = PoleTabeli(mirta, "PESEL");
    const int podzial = PoleTabeli(mirta, "Podzial");
    const int zatr = PoleTabeli(mirta, "DataZatrudnienia");
    const int zwol = PoleTabeli(mirta, "DataZwolnienia");
    std::vector<OkresAktPracownika> wynik;
    for (uint64_t i = 0; i < mirta.RowCount(); ++i) {
        const engine::Record w =
            mirta.ReadFields(i, {id, nazwisko, imie, pesel, podzial, zatr, zwol});
        OkresAktPracownika o;
        o.zwolnienie = DataPola(w[zwol]);
        if (o.zwolnienie.Pusta() || dzis < o.zwolnienie)
            continue;
        if (Przyciety(w[nazwisko]) == kAnonim && Przyciety(w[pesel]).empty())
            continue;
        o.pracownik = LiczbaCalkowita(w[id]);
        o.nazwisko = Przyciety(w[nazwisko]) + " " + Przyciety(w[imie]);
        o.podzial = Przyciety(w[podzial]);
        o.zatrudnienie = DataPola(w[zatr]);
        const auto koniec =
            KoniecPrzechowywania(ZasadaDla(zasady, o.podzial), o.zatrudnienie, o.zwolnienie);
        if (!koniec || doDnia < compute::NastepnyDzien(*koniec))
            continue;
        o.koniec = *koniec;
        wynik.push_back(std::move(o));
    }
    std::stable_sort(
        wynik.begin(), wynik.end(), [](const OkresAktPracownika& a, const OkresAktPracownika& b) {
            return a.koniec != b.koniec ? a.koniec < b.koniec : a.nazwisko < b.nazwisko;
        });
    return wynik;
}

}  // namespace mirta::store
