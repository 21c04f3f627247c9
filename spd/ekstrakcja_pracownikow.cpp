#include <cstdio>

#include "compute/adres.h"
#include "compute/teksty.h"
#include "spd/ekstrakcja.h"
#include "store/obraz_pracownika.h"

namespace mirta::spd {

namespace {

constexpr int kRokBezEmerytury = 2000;

std::string MiejscowoscLubPoczta(const compute::AdresPracownika& a) {
    const std::string miejscowosc(compute::Przytnij(a.miejscowosc));
    return miejscowosc.empty() ? std::string(compute::Przytnij(a.poczta)) : miejscowosc;
}

// Column 9: the year of the last pension record's grant, when after 2000.
std::string RokEmerytury(ZrodlaSPD& z, int32_t id) {
    const auto& wiersze = z.Wiersze("TEmRentGrInw", id);
    if (wiersze.empty())
        return {};
    const compute::DataKal d = Data(wiersze.back()[z.Pole("TEmRentGrInw", "DataPrzyznania")]);
    return d.rok > kRokBezEmerytury ? std::to_string(d.rok) : std::string();
}

std::string OstatniaNazwa(ZrodlaSPD& z, std::string_view komponent, std::string_view lookup,
                          int32_t id) {
    const auto& wiersze = z.Wiersze(komponent, id);
    return wiersze.empty() ? std::string() : z.Slownik(komponent, lookup, wiersze.back());
}

}  // namespace

void PobierzPracownikow(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    auto pole = [&](std::string_view nazwa) { return z.PoleMirty(nazwa); };
    const int pesel = pole("PESEL"), imie = pole("Imie1"), nazwisko = pole("Nazwisko"),
              imieOjca = pole("ImieOjca"), nrEw = pole("NrEwidencyjny"), plec = pole("Plec"),
              urodzony = pole("DataUrodzenia"), system = pole("SystemSluzby"),
              telefon = pole("TelefonZamieszkania"), komorka = pole("TelefonKomorkowy"),
              kod = pole("KodPocztowy"), poczta = pole("Poczta"), miejscowosc = pole("Miejscowosc"),
              ulica = pole("Ulica"), dom = pole("NrDomuiMieszkania"),
              kodZam = pole("KodPocztaZamieszkania"), adresZam = pole("MiejscowoscAdresZamieszka"),
              dowod = pole("NumerDowoduOsobistego"), wydal = pole("KtoWydalDowodosobisty"),
              wystawiony = pole("DataWystawieniaDowodu"), wazny = pole("DataWaznosciDowodu"),
              mail = pole("AdresMail"), podzial = pole("Podzial");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        const engine::Record& w = p.wiersz;
        const store::ObrazPracownika obraz =
            store::PoliczObrazPracownika(z.Obliczenia(), p.identyfikator, k.dataDanych,
                                         {.wynagrodzenie = false, .urlop = false});
        const auto& bazowe = obraz.staz.dataBazowa;  // Wysluga, Sluzba, NagrodaJubileuszowa
        const std::string systemSluzby = Tekst(w[system]);

        compute::DaneAdresowe dane{Tekst(w[kod]),      Tekst(w[poczta]), Tekst(w[miejscowosc]),
                                   Tekst(w[ulica]),    Tekst(w[dom]),    Tekst(w[kodZam]),
                                   Tekst(w[adresZam]), Tekst(w[telefon])};
        const compute::NumerDomu numer = compute::PodzielNumerDomu(dane.nrDomuIMieszkania);
        const compute::AdresPracownika zameldowania{
            dane.kodPocztowy, dane.poczta,      dane.miejscowosc,        dane.ulica,
            numer.dom,        numer.mieszkanie, dane.telefonZamieszkania};
        const compute::AdresPracownika zamieszkania = compute::AdresZDanych(dane);

        auto dataPola = [&](int i) {
            return w[i].IsNull() ? std::string() : TekstDaty(Data(w[i]));
        };
        std::vector<std::string> v = {
            std::to_string(p.identyfikator),
            Tekst(w[pesel]),
            Tekst(w[imie]),
            Tekst(w[nazwisko]),
            Tekst(w[imieOjca]),
            Tekst(w[nrEw]),
            Tekst(w[plec]),
            TekstDaty(Data(w[urodzony])),
            RokEmerytury(z, p.identyfikator),
            systemSluzby.empty() || systemSluzby == "0" ? std::string() : TekstDaty(bazowe[1]),
            TekstDaty(bazowe[0]),
            TekstDaty(bazowe[2]),
            {},
            Tekst(w[telefon]),
            Tekst(w[komorka]),
            MiejscowoscLubPoczta(zameldowania),
            zameldowania.kodPocztowy,
            zameldowania.ulica,
            zameldowania.nrDomu,
            zameldowania.nrMieszkania,
            MiejscowoscLubPoczta(zamieszkania),
            zamieszkania.kodPocztowy,
            zamieszkania.ulica,
            zamieszkania.nrDomu,
            zamieszkania.nrMieszkania,
            {},
            {},
            {},
            {},
            {},
            Tekst(w[dowod]),
            Tekst(w[wydal]),
            dataPola(wystawiony),
            dataPola(wazny),
            {},
            {},
            {},
            {},
            Tekst(w[mail]),
            systemSluzby == "0" ? std::string()
                                : OstatniaNazwa(z, "TPracStop", "NazwaStopnia", p.identyfikator),
            std::string(
                compute::Przytnij(z.Slownik("TPracownicy", "NazwaStatusuPracownikaCywilnego", w))),
            Tekst(w[podzial]) == "1" ? "F" : "C",
            OstatniaNazwa(z, "TPracGrup", "NazwaGrupy", p.identyfikator),
        };
        k.pisarz.Rekord(PodrodzajSPD::Pracownik, v, p.pozycja);
    });
}

}  // namespace mirta::spd
