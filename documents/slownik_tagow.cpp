#include "documents/slownik_tagow.h"

#include <chrono>
#include <unordered_map>

#include "compute/kwota_slownie.h"
#include "compute/stawki.h"
#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "documents/dane_tagow.h"
#include "documents/formaty_wartosci.h"
#include "documents/tag.h"
#include "store/listy_kodow.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/wynagrodzenie.h"
#include "store/zrodla_obliczen.h"

namespace mirta::documents {

using compute::DataKal;
using compute::RodzajStazu;

struct TagiPracownika::Kontekst {
    store::ZrodlaObliczen& zrodla;
    DaneTagow dane;
    WybraneWiersze wybrane;
    DataKal dzis;
    std::optional<store::WynagrodzeniePracownika> grudzien;

    const store::WynagrodzeniePracownika& Placa() const { return dane.obraz.wynagrodzenie; }
    // Pay on 31 December of the processing year: the year-end motivation allowance and the
    // December bonus.
    const store::WynagrodzeniePracownika& Grudzien() {
        if (!grudzien) {
            grudzien.emplace();
            if (dane.znaleziony)
                grudzien = store::PoliczWynagrodzenie(zrodla, dane.obraz.dane, dane.obraz.staz,
                                                      {dane.dataPrzetwarzania.rok, 12, 31});
        }
        return *grudzien;
    }
};

namespace {

using K = TagiPracownika::Kontekst;

// Pay whose bonus a tag uses: a missing bonus rate is told.
const store::WynagrodzeniePracownika& ZPremia(K& k, const store::WynagrodzeniePracownika& w) {
    store::ZglosBrakPremii(k.zrodla.Komunikaty(), w);
    return w;
}

// ---- Value formats ----

// D: day-month-year; the placeholder for an empty date of an existing record.
std::string D(DataKal d) {
    return compute::TekstDaty(d, 'U');
}
// DW: the day, the month's genitive name and the year.
std::string DW(DataKal d) {
    return compute::TekstDaty(d, 'U', true);
}
// T of a date field: "yyyy-mm-dd", an empty field empty.
std::string TDaty(DataKal d) {
    return d.Poprawna() ? compute::TekstDaty(d) : std::string();
}
// A: the amount picture; a rate of -1 (a row whose rate could not be located) counts as 0.
std::string A(double kwota) {
    return compute::TekstKwoty(compute::StawkaDoSumy(kwota));
}
// W: the amount in words, with the same rule.
std::string W(double kwota) {
    return compute::KwotaSlownie(compute::StawkaDoSumy(kwota));
}
// Parts joined by single spaces, empty parts left out.
std::string Zlacz(std::initializer_list<const std::string*> czesci) {
    std::string wynik;
    for (const std::string* c : czesci) {
        if (c->empty())
            continue;
        if (!wynik.empty())
            wynik += ' ';
        wynik += *c;
    }
    return wynik;
}

// The selected row of a history (the last one when none is selected), or the last one.
template <typename T>
const T* Wiersz(const std::vector<T>& wiersze, std::optional<size_t> wybrany, bool ostatni) {
    if (wiersze.empty())
        return nullptr;
    if (!ostatni && wybrany && *wybrany < wiersze.size())
        return &wiersze[*wybrany];
    return &wiersze.back();
}

const DaneTagow::Stanowisko* Stanowisko(K& k, bool kon) {
    return Wiersz(k.dane.stanowiska, k.wybrane.stanowisko, kon);
}
const DaneTagow::Stopien* Stopien(K& k, bool kon) {
    return Wiersz(k.dane.stopnie, k.wybrane.stopien, kon);
}
const DaneTagow::Grupa* Grupa(K& k, bool kon) {
    return Wiersz(k.dane.grupy, k.wybrane.grupa, kon);
}
const DaneTagow::Decyzja* Decyzja(K& k, bool kon) {
    return Wiersz(k.dane.decyzje, k.wybrane.decyzja, kon);
}

std::string SlowoPlci(const K& k, const char* mezczyzna) {
    return k.dane.plec == "K" ? "i" : mezczyzna;
}

int LataStazu(const K& k, RodzajStazu r) {
    return k.dane.znaleziony ? k.dane.obraz.staz.Rodzaj(r).staz.lata : 0;
}

// ---- The vocabulary ----

// One tag, or with `para` two: the selected row of a history and, with "|Kon" added, its
// last row. Tags are written here without their "<<" and ">>".
struct Wpis {
    std::string_view tag;
    std::string_view opis;
    std::string (*wartosc)(K&, bool kon);
    bool para = false;
};

const Wpis kSlownik[] = {
    // Personal data.
    {"NAZWISKO", "nazwisko", [](K& k, bool) { return k.dane.nazwisko; }},
    {"IMIE1", "pierwsze imię", [](K& k, bool) { return k.dane.imie1; }},
    {"IMIE2", "drugie imię", [](K& k, bool) { return k.dane.imie2; }},
    {"IMIE12", "imiona: pierwsze i drugie",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie1, &k.dane.imie2});
     }},
    {"IMIE21", "imiona: drugie i pierwsze",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie2, &k.dane.imie1});
     }},
    {"NAZWISKO IMIE1", "nazwisko i pierwsze imię",
     [](K& k, bool) {
         return Zlacz({&k.dane.nazwisko, &k.dane.imie1});
     }},
    {"NAZWISKO IMIE2", "nazwisko i drugie imię",
     [](K& k, bool) {
         return Zlacz({&k.dane.nazwisko, &k.dane.imie2});
     }},
    {"NAZWISKO IMIE12", "nazwisko, pierwsze i drugie imię",
     [](K& k, bool) {
         return Zlacz({&k.dane.nazwisko, &k.dane.imie1, &k.dane.imie2});
     }},
    {"NAZWISKO IMIE21", "nazwisko, drugie i pierwsze imię",
     [](K& k, bool) {
         return Zlacz({&k.dane.nazwisko, &k.dane.imie2, &k.dane.imie1});
     }},
    {"IMIE1 NAZWISKO", "pierwsze imię i nazwisko",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie1, &k.dane.nazwisko});
     }},
    {"IMIE2 NAZWISKO", "drugie imię i nazwisko",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie2, &k.dane.nazwisko});
     }},
    {"IMIE12 NAZWISKO", "pierwsze i drugie imię, nazwisko",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie1, &k.dane.imie2, &k.dane.nazwisko});
     }},
    {"IMIE21 NAZWISKO", "drugie i pierwsze imię, nazwisko",
     [](K& k, bool) {
         return Zlacz({&k.dane.imie2, &k.dane.imie1, &k.dane.nazwisko});
     }},
    {"i| ", "„i” dla kobiety, inaczej nic (Pan/Pani)", [](K& k, bool) { return SlowoPlci(k, ""); }},
    {"i|u", "„i” dla kobiety, inaczej „u” (Panu/Pani)",
     [](K& k, bool) { return SlowoPlci(k, "u"); }},
    {"NazwiskoRodowe", "nazwisko rodowe", [](K& k, bool) { return k.dane.nazwiskoRodowe; }},
    {"ImięOjca", "imię ojca", [](K& k, bool) { return k.dane.imieOjca; }},
    {"ImięMatki", "imię matki", [](K& k, bool) { return k.dane.imieMatki; }},
    {"NazwiskoRodoweMatki", "nazwisko rodowe matki",
     [](K& k, bool) { return k.dane.nazwiskoRodoweMatki; }},
    {"DataUrodzenia", "data urodzenia (rrrr-mm-dd)",
     [](K& k, bool) { return TDaty(k.dane.dataUrodzenia); }},
    {"DataZatrudnienia", "data zatrudnienia (rrrr-mm-dd)",
     [](K& k, bool) { return TDaty(k.dane.dataZatrudnienia); }},
    {"DataZwolnienia", "data zwolnienia (rrrr-mm-dd)",
     [](K& k, bool) { return TDaty(k.dane.dataZwolnienia); }},
    {"MiejsceUrodzenia", "miejsce urodzenia", [](K& k, bool) { return k.dane.miejsceUrodzenia; }},
    {"DowWys", "kto wydał dowód osobisty", [](K& k, bool) { return k.dane.dowodWystawca; }},
    {"DowDatWyst", "data wystawienia dowodu osobistego (rrrr-mm-dd)",
     [](K& k, bool) { return TDaty(k.dane.dataWystawieniaDowodu); }},
    {"DowSerNr", "seria i numer dowodu osobistego",
     [](K& k, bool) { return k.dane.dowodSeriaNumer; }},

    // Dates and decisions.
    {"Data", "data przetwarzania (dd-mm-rrrr)",
     [](K& k, bool) { return D(k.dane.dataPrzetwarzania); }},
    {"Data|Mies", "data przetwarzania z nazwą miesiąca",
     [](K& k, bool) { return DW(k.dane.dataPrzetwarzania); }},
    {"DataBiez", "data komputera (dd-mm-rrrr)", [](K& k, bool) { return D(k.dzis); }},
    {"DataBiez|Mies", "data komputera z nazwą miesiąca", [](K& k, bool) { return DW(k.dzis); }},
    {"Decyzja|Nr", "numer decyzji personalnej",
     [](K& k, bool kon) -> std::string {
         return Decyzja(k, kon) ? Decyzja(k, kon)->numer : std::string();
     },
     true},
    {"Decyzja|Data", "data decyzji personalnej (dd-mm-rrrr)",
     [](K& k, bool kon) -> std::string {
         return Decyzja(k, kon) ? D(Decyzja(k, kon)->data) : std::string();
     },
     true},
    {"Decyzja|Data|Mies", "data decyzji personalnej z nazwą miesiąca",
     [](K& k, bool kon) -> std::string {
         return Decyzja(k, kon) ? DW(Decyzja(k, kon)->data) : std::string();
     },
     true},

    // Position, rank and pay group.
    {"Stanowisko|Nazwa", "nazwa stanowiska",
     [](K& k, bool kon) -> std::string {
         return Stanowisko(k, kon) ? Stanowisko(k, kon)->nazwa : std::string();
     },
     true},
    {"Stanowisko|Data", "data objęcia stanowiska (dd-mm-rrrr)",
     [](K& k, bool kon) -> std::string {
         return Stanowisko(k, kon) ? D(Stanowisko(k, kon)->dataOd) : std::string();
     },
     true},
    {"Stopień|Nazwa", "nazwa stopnia",
     [](K& k, bool kon) -> std::string {
         return Stopien(k, kon) ? Stopien(k, kon)->nazwa : std::string();
     },
     true},
    {"Stopień|Kwota", "dodatek za stopień",
     [](K& k, bool kon) -> std::string { return A(Stopien(k, kon) ? Stopien(k, kon)->stawka : 0); },
     true},
    {"Stopień|Data", "data nadania stopnia (dd-mm-rrrr)",
     [](K& k, bool kon) -> std::string {
         return Stopien(k, kon) ? D(Stopien(k, kon)->dataOdKiedy) : std::string("    .  .  ");
     },
     true},
    {"Grupa|Nazwa", "nazwa grupy płacowej",
     [](K& k, bool kon) -> std::string {
         return Grupa(k, kon) ? Grupa(k, kon)->nazwa : std::string();
     },
     true},
    {"Grupa|Data", "data od grupy płacowej (dd-mm-rrrr)",
     [](K& k, bool kon) -> std::string {
         return Grupa(k, kon) ? D(Grupa(k, kon)->dataOdKiedy) : std::string();
     },
     true},
    {"Grupa|ZUS", "ubruttowienie grupy płacowej (Tak, Nie)",
     [](K& k, bool kon) -> std::string {
         return Grupa(k, kon)
                    ? std::string(store::Lista("Ubruttowienie").Tekst(Grupa(k, kon)->ubruttowienie))
                    : std::string();
     },
     true},
    {"Grupa|Stawka", "stawka grupy płacowej",
     [](K& k, bool kon) -> std::string { return A(Grupa(k, kon) ? Grupa(k, kon)->stawka : 0); },
     true},
    {"Grupa|Mnożnik", "mnożnik grupy płacowej",
     [](K& k, bool kon) -> std::string {
         return !Grupa(k, kon)           ? std::string("0")
                : Grupa(k, kon)->mnoznik ? store::TekstMnoznika(*Grupa(k, kon)->mnoznik)
                                         : std::string();
     },
     true},
    {"Grupa|PlacaZas", "płaca zasadnicza wpisana",
     [](K& k, bool kon) -> std::string {
         return A(Grupa(k, kon) ? Grupa(k, kon)->placaZasadnicza : 0);
     },
     true},
    {"Grupa|PlacaKon", "płaca zasadnicza wyliczona",
     [](K& k, bool kon) -> std::string {
         return A(Grupa(k, kon) ? Grupa(k, kon)->placaKoncowa : 0);
     },
     true},
    {"Grupa|PlacaKon|Słow", "płaca zasadnicza wyliczona słownie",
     [](K& k, bool kon) -> std::string {
         return W(Grupa(k, kon) ? Grupa(k, kon)->placaKoncowa : 0);
     },
     true},

    // Seniority, allowances and totals at the processing date.
    {"LataPracyWysługa", "pełne lata stażu do wysługi",
     [](K& k, bool) { return std::to_string(LataStazu(k, RodzajStazu::Wysluga)); }},
    {"LataPracyEmerytura", "pełne lata stażu do emerytury",
     [](K& k, bool) { return std::to_string(LataStazu(k, RodzajStazu::Emerytura)); }},
    {"ProcentWysługa", "procent dodatku za wysługę (pracownik cywilny)",
     [](K& k, bool) { return std::to_string(k.Placa().procentCywila); }},
    {"KwotaWysługa", "kwota dodatku za wysługę (pracownik cywilny)",
     [](K& k, bool) { return A(k.Placa().dodatekStazowyCywila); }},
    {"ProcentWysługa|Strażak", "procent dodatku za wysługę (funkcjonariusz)",
     [](K& k, bool) { return ProcentJednoMiejsce(k.Placa().procentFunkcjonariusza); }},
    {"KwotaWysługa|Strażak", "kwota dodatku za wysługę (funkcjonariusz)",
     [](K& k, bool) { return A(k.Placa().dodatekStazowyFunkcjonariusza); }},
    {"DzieńZmianaWysługa", "dzień wzrostu wysługi (dzień i miesiąc)",
     [](K& k, bool) {
         return k.dane.znaleziony
                    ? compute::TekstDniaIMiesiaca(k.dane.obraz.staz.dataNastepnegoWzrostu, false)
                    : std::string();
     }},
    {"DodatekSłużbowy|Kwota", "dodatek służbowy",
     [](K& k, bool kon) -> std::string {
         return A(Wiersz(k.dane.dodatkiSluzbowe, k.wybrane.dodatekSluzbowy, kon)
                      ? *Wiersz(k.dane.dodatkiSluzbowe, k.wybrane.dodatekSluzbowy, kon)
                      : 0);
     },
     true},
    {"DodatekMotywacyjny|Kwota", "dodatek motywacyjny na dzień przetwarzania",
     [](K& k, bool) { return A(k.Placa().dodatekMotywacyjny); }},
    {"DodatekMotywacyjny|Kwota|Kon", "dodatek motywacyjny na 31 grudnia roku przetwarzania",
     [](K& k, bool) { return A(k.Grudzien().dodatekMotywacyjny); }},
    {"PremiaCyw|Procent", "procent premii pracowników cywilnych (miesiąc przetwarzania)",
     [](K& k, bool) { return NajkrotszaLiczba(ZPremia(k, k.Placa()).procentPremii); }},
    {"PremiaCyw|Kwota", "kwota premii pracowników cywilnych (miesiąc przetwarzania)",
     [](K& k, bool) { return A(ZPremia(k, k.Placa()).premia); }},
    {"PremiaCyw|Kwota|Kon", "kwota premii pracowników cywilnych (grudzień)",
     [](K& k, bool) { return A(ZPremia(k, k.Grudzien()).premia); }},
    {"Grupa|PlacaKon|Wysługa", "razem: płaca, wysługa i premia (pracownik cywilny)",
     [](K& k, bool) { return A(ZPremia(k, k.Placa()).razemCywil); }},
    {"Grupa|PlacaKon|Wysługa|Słow", "razem pracownika cywilnego słownie",
     [](K& k, bool) { return W(ZPremia(k, k.Placa()).razemCywil); }},
    {"Grupa|PlacaKon|Strażak", "razem: płaca, wysługa, stopień, dodatki (funkcjonariusz)",
     [](K& k, bool) { return A(k.Placa().razemFunkcjonariusz); }},
    {"Grupa|PlacaKon|Strażak|Słow", "razem funkcjonariusza słownie",
     [](K& k, bool) { return W(k.Placa().razemFunkcjonariusz); }},
};

// Every tag spelled out, with the entry that computes it.
struct Tag {
    std::string tekst;
    std::string opis;
    const Wpis* wpis;
    bool kon;
};
const std::vector<Tag>& Tagi() {
    static const auto kTagi = [] {
        std::vector<Tag> tagi;
        for (const Wpis& w : kSlownik) {
            const std::string tag(w.tag), opis(w.opis);
            if (!w.para) {
                tagi.push_back({"<<" + tag + ">>", opis, &w, false});
                continue;
            }
            tagi.push_back({"<<" + tag + ">>", opis + " (wiersz bieżący)", &w, false});
            tagi.push_back({"<<" + tag + "|Kon>>", opis + " (wiersz ostatni)", &w, true});
        }
        return tagi;
    }();
    return kTagi;
}

const Tag* Znajdz(std::string_view tag) {
    static const auto kIndeks = [] {
        std::unordered_map<std::string_view, const Tag*> indeks;
        for (const Tag& t : Tagi())
            indeks.emplace(t.tekst, &t);
        return indeks;
    }();
    const auto it = kIndeks.find(tag);
    return it == kIndeks.end() ? nullptr : it->second;
}

}  // namespace

std::span<const OpisTagu> OpisyTagow() {
    static const auto kOpisy = [] {
        std::vector<OpisTagu> opisy;
        for (const Tag& t : Tagi())
            opisy.push_back({t.tekst, t.opis});
        opisy.push_back({kRowNumberTag, "liczba porządkowa wiersza (tylko zestawienia)"});
        return opisy;
    }();
    return kOpisy;
}

const std::vector<std::string>& TagiDokumentow() {
    static const auto kTagi = [] {
        std::vector<std::string> tagi;
        for (const Tag& t : Tagi())
            tagi.push_back(t.tekst);
        return tagi;
    }();
    return kTagi;
}

WybraneWiersze WybraneZSiatek(store::TDM& tdm, store::TDM1& tdm1) {
    auto pozycja = [](store::TableComponent& c) -> std::optional<size_t> {
        if (!c.IsOpen() || c->RecordCount() == 0 || c->RecNo() < 0)
            return std::nullopt;
        return static_cast<size_t>(c->RecNo());
    };
    WybraneWiersze w;
    w.stanowisko = pozycja(tdm.TStanowiska);
    w.stopien = pozycja(tdm.TPracStop);
    w.grupa = pozycja(tdm.TPracGrup);
    w.decyzja = pozycja(tdm1.TDecyzja);
    w.dodatekSluzbowy = pozycja(tdm.TDodSluzbowy);
    return w;
}

DataKal DzisiejszaData() {
    const auto dzien = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day ymd(dzien);
    return {static_cast<int>(ymd.year()), static_cast<uint8_t>(unsigned(ymd.month())),
            static_cast<uint8_t>(unsigned(ymd.day()))};
}

TagiPracownika::TagiPracownika(store::ZrodlaObliczen& zrodla, int32_t pracownik,
                               WybraneWiersze wybrane, std::optional<DataKal> dzis)
    : m_kontekst(new Kontekst{zrodla, CzytajDaneTagow(zrodla, pracownik), wybrane,
                              dzis.value_or(DzisiejszaData()), std::nullopt}) {}

TagiPracownika::~TagiPracownika() = default;

std::optional<std::string> TagiPracownika::Value(std::string_view tag) {
    const Tag* t = Znajdz(tag);
    if (!t)
        return std::nullopt;
    return t->wpis->wartosc(*m_kontekst, t->kon);
}

bool TagiPracownika::Znaleziony() const {
    return m_kontekst->dane.znaleziony;
}

const DaneTagow& TagiPracownika::Dane() const {
    return m_kontekst->dane;
}

}  // namespace mirta::documents
