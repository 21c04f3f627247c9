#include "documents/informacja_zbiorcza.h"

#include <string>
#include <vector>

#include "compute/okres_lmd.h"
#include "compute/stawki.h"
#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "documents/dane_tagow.h"
#include "documents/formaty_wartosci.h"
#include "store/pola_rekordu.h"

namespace mirta::documents {

namespace {

using compute::RodzajStazu;

// A line as labels and values; the formatted rendering makes values (and the names) bold.
struct Kawalek {
    std::string tekst;
    bool wartosc = false;
};
struct Wiersz {
    std::vector<Kawalek> kawalki;
    bool naglowek = false;
};

std::string Zl(double kwota) {
    return compute::TekstKwoty(kwota);
}

const char* EtykietaPodzialu(char podzial) {
    switch (podzial) {
        case '1':
            return "Funkcjonariusz. Pan";
        case '2':
            return "Pracownik cywilny. Pan";
        case '3':
            return "Pracownik służby cywilnej. Pan";
        case '4':
            return "Emeryt pobierający świadczenia.";
        default:
            return nullptr;
    }
}

char Podzial(const DaneTagow& d) {
    return d.obraz.dane.podzial;
}

Wiersz Naglowek(const DaneTagow& d) {
    Wiersz w;
    w.naglowek = true;
    const char* etykieta = EtykietaPodzialu(Podzial(d));
    if (!etykieta)
        return w;
    const std::string ostatniStopien = d.stopnie.empty() ? "" : d.stopnie.back().nazwa;
    const std::string stanowisko = d.stanowiska.empty() ? "" : d.stanowiska.back().nazwa;
    const std::string i = d.plec == "K" ? "i" : "";
    w.kawalki.push_back({etykieta + i + " " + ostatniStopien + " "});
    w.kawalki.push_back({ImionaINazwisko(d), true});
    if (Podzial(d) != '4')
        w.kawalki.push_back({" " + stanowisko + "."});
    return w;
}

void Placa(const DaneTagow& d, bool sformatowany, std::vector<Wiersz>& w) {
    const store::WynagrodzeniePracownika& p = d.obraz.wynagrodzenie;
    const std::string grupa = d.grupy.empty() ? "" : d.grupy.back().nazwa;
    const std::string dzien =
        compute::TekstDniaIMiesiaca(d.obraz.staz.dataNastepnegoWzrostu, false);
    const std::string dataSlownie = compute::TekstDaty(d.dataPrzetwarzania, 'U', true);
    w.push_back({{{"Posiada w dniu: "},
                  {dataSlownie, true},
                  {sformatowany ? " roku uposażenie miesięczne w wysokości:"
                                : " uposażenie miesięczne w wysokości:"}}});
    auto dodatekStazowy = [&] {
        w.push_back({{{"Dodatek za wysługę lat w wysokości "},
                      {std::to_string(p.procentCywila), true},
                      {"%   "},
                      {Zl(p.dodatekStazowyCywila), true},
                      {" zł"}}});
        w.push_back({{{"Wysługa wzrasta co roku w dniu: "},
                      {dzien, true},
                      {" każdego roku, aż do wysokości 20%."}}});
        w.push_back({{{"Łącznie : "}, {Zl(p.razemCywil), true}, {" zł."}}});
    };
    switch (Podzial(d)) {
        case '1':
            w.push_back({{{"Uposażenie zasadnicze według grupy "},
                          {grupa, true},
                          {": "},
                          {Zl(p.placaZasadnicza), true},
                          {" zł."}}});
            w.push_back(
                {{{"Wzrost uposażenia zas. z tytułu wysługi "},
                  {std::to_string(d.obraz.staz.Rodzaj(RodzajStazu::Wysluga).staz.lata), true},
                  {" lat wynoszący "},
                  {ProcentJednoMiejsce(p.procentFunkcjonariusza), true},
                  {"% aktualizowany od dnia "},
                  {dzien, true},
                  {" w wysokości: "},
                  {Zl(p.dodatekStazowyFunkcjonariusza), true},
                  {" zł."}}});
            w.push_back({{{"Dodatek za posiadany stopień służbowy: "},
                          {Zl(compute::StawkaDoSumy(p.dodatekZaStopien)), true},
                          {" zł."}}});
            if (sformatowany)
                w.push_back({});
            w.push_back(
                {{{"Dodatek służbowy w wysokości: "}, {Zl(p.dodatekSluzbowy), true}, {" zł."}}});
            if (sformatowany)
                w.push_back({});
            w.push_back({{{"Dodatek motywacyjny w wysokości: "},
                          {Zl(p.dodatekMotywacyjny), true},
                          {" zł."}}});
            w.push_back({{{"Łącznie : "}, {Zl(p.razemFunkcjonariusz), true}, {" zł."}}});
            break;
        case '2': {
            const auto& mnoznik = d.grupy.empty() ? std::nullopt : d.grupy.back().mnoznik;
            w.push_back({{{"Wynagrodzenie zasadnicze wg mnożnika "},
                          {mnoznik ? store::TekstMnoznika(*mnoznik) : "", true},
                          {"   "},
                          {Zl(p.placaZasadnicza), true},
                          {" zł"}}});
            w.push_back({{{"Premia dla pracowników cywilnych: "},
                          {NajkrotszaLiczba(p.procentPremii), true},
                          {" % ="},
                          {Zl(p.premia), true},
                          {" zł"}}});
            dodatekStazowy();
            break;
        }
        case '3':
            w.push_back({{{"Wynagrodzenie zasadnicze wg "},
                          {grupa, true},
                          {" kat. zaszeregowania   "},
                          {Zl(p.placaZasadnicza), true},
                          {" zł"}}});
            dodatekStazowy();
            break;
    }
}

void LataPracy(const DaneTagow& d, std::vector<Wiersz>& w) {
    const auto& staz = d.obraz.staz;
    auto okres = [](compute::OkresLMD o) { return compute::TekstOkresu(o); };
    w.push_back({{{"Lata pracy."}}});
    w.push_back({{{"Urlop bezpłatny: "},
                  {okres(staz.Rodzaj(RodzajStazu::Wysluga).skladniki.urlopBezplatny), true}}});
    auto rodzaj = [&](const char* etykieta, RodzajStazu r) {
        const store::StazRodzaju& s = staz.Rodzaj(r);
        w.push_back({{{etykieta},
                      {okres(s.skladniki.poprzednie), true},
                      {" w firmie: "},
                      {okres(s.skladniki.zatrudnienie), true},
                      {"    RAZEM: "},
                      {okres(s.staz), true}}});
    };
    rodzaj("Do wysługi poza firmą: ", RodzajStazu::Wysluga);
    rodzaj("Do nagr.jubil. poza firmą: ", RodzajStazu::NagrodaJubileuszowa);
    if (Podzial(d) == '1')
        rodzaj("Do służby poza firmą: ", RodzajStazu::Sluzba);
    rodzaj("Do emeryt.poza firmą: ", RodzajStazu::Emerytura);
}

std::vector<Wiersz> Wiersze(const DaneTagow& d, bool sformatowany) {
    std::vector<Wiersz> w;
    switch (Podzial(d)) {
        case 0:
            w.push_back({{{"Nie wprowadzono podziału dla pracownika."}}});
            return w;
        case '1':
        case '2':
        case '3':
            break;
        case '4':
            w.push_back({{{"Emeryt pobierający świadczenia."}}});
            return w;
        default:
            w.push_back({{{"Niewłaściwy kod podziału dla pracownika."}}});
            return w;
    }
    w.push_back(Naglowek(d));
    Placa(d, sformatowany, w);
    LataPracy(d, w);
    return w;
}

}  // namespace

std::string ImionaINazwisko(const DaneTagow& d) {
    std::string wynik;
    for (const std::string* c : {&d.imie1, &d.imie2, &d.nazwisko}) {
        if (c->empty())
            continue;
        if (!wynik.empty())
            wynik += ' ';
        wynik += *c;
    }
    return wynik;
}

std::string NaglowekPracownika(const DaneTagow& dane) {
    std::string tekst;
    for (const Kawalek& k : Naglowek(dane).kawalki)
        tekst += k.tekst;
    return tekst;
}

bool InformacjaZbiorczaZPremia(const DaneTagow& dane) {
    return Podzial(dane) == '2' || Podzial(dane) == '3';
}

Document InformacjaZbiorcza(const DaneTagow& dane, Rendering rendering) {
    const bool sformatowany = rendering == Rendering::Sformatowany;
    Document d;
    d.fonts.push_back(CzcionkaCE(0, "DejaVu Sans", "fswiss"));
    for (const Wiersz& w : Wiersze(dane, sformatowany)) {
        Paragraph p;
        p.format.alignment = sformatowany && w.naglowek ? Alignment::Left : Alignment::Right;
        for (const Kawalek& k : w.kawalki) {
            Run r;
            r.text = k.tekst;
            r.format.bold = sformatowany && k.wartosc;
            if (!r.text.empty())
                p.runs.push_back(std::move(r));
        }
        d.body.emplace_back(std::move(p));
    }
    return d;
}

}  // namespace mirta::documents
