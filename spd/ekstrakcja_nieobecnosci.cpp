#include <set>

#include "spd/ekstrakcja.h"
#include "store/katalog.h"

namespace mirta::spd {

namespace {

const std::vector<const char*> kRodzajeChorob = {
    "zwolnienie lekarskie", "opieka nad członkiem rodziny", "pobyt w szpitalu"};
const std::vector<const char*> kRodzajeNieobecnosci = {"nieobecność usprawiedliwiona",
                                                       "nieobecność nieusprawiedliwiona"};
const std::vector<const char*> kPowodyZawieszen = {"urlop wychowawczy", "urlop bezpłatny",
                                                   "służba wojskowa",   "areszt tymczasowy",
                                                   "inny zakład pracy", "inny sposób zawieszenia"};
const std::vector<const char*> kRodzajeBadan = {"wstępne", "okresowe", "kontrolne",
                                                "orzeczenie komisji lekarskiej"};

// The year a leave file is tagged with: its year for WykUrl<Y>.DB, 2005 for the base file.
int RokPlikuUrlopow(const std::string& sciezka) {
    const size_t ukosnik = sciezka.find_last_of("/\\");
    const std::string nazwa = sciezka.substr(ukosnik == std::string::npos ? 0 : ukosnik + 1);
    for (int rok = store::kPierwszyRokPlikowUrlopow; rok <= store::kOstatniRokPlikowUrlopow; ++rok)
        if (nazwa.size() == store::PlikUrlopowWykorzystanych(rok).size() &&
            std::equal(nazwa.begin(), nazwa.end(), store::PlikUrlopowWykorzystanych(rok).begin(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return rok;
    return store::kPierwszyRokPlikowUrlopow - 1;
}

std::string IdNieobecnosci(const char* znacznik, int32_t pracownik, int rok, compute::DataKal od,
                           const std::string& kod) {
    return znacznik + std::to_string(pracownik) + "R" + std::to_string(rok) + "D" + TekstDaty(od) +
           kod;
}

// Leave of the base file (tag 2005) and of every year's file (tag of the year), each file
// read once by key. The 2006 import copied base rows into the year file: a row with the same
// start and type is sent once, under its first file's tag, so its identifier stays the same
// from package to package.
void Urlopy(KontekstEkstrakcji& k, const PracownikSPD& p) {
    store::ZrodlaObliczen& o = k.zrodla.Obliczenia();
    std::set<std::pair<int32_t, std::string>> wyslane;
    for (engine::Table* t : o.PlikiUrlopowWszystkichLat()) {
        const int rok = RokPlikuUrlopow(t->Path());
        const PolaTabeli pola(*t);
        const int od = pola("DataOd"), doDnia = pola("DataDo"), rodzaj = pola("RodzajUrlopu");
        for (const engine::Record& w : o.Wiersze(*t, p.identyfikator)) {
            const std::string kod = Tekst(w[rodzaj]);
            const int32_t start = w[od].kind() == engine::Value::Kind::Date ? w[od].AsDay() : 0;
            if (!wyslane.emplace(start, kod).second)
                continue;
            const auto typ = Calkowita(w[rodzaj]);
            const store::RodzajUrlopuOpis* opis =
                typ ? o.RodzajUrlopu(static_cast<int32_t>(*typ)) : nullptr;
            k.pisarz.Rekord(PodrodzajSPD::Urlop,
                            {IdNieobecnosci("URLOP", p.identyfikator, rok, Data(w[od]), kod),
                             std::to_string(p.identyfikator), opis ? opis->nazwa : std::string(),
                             TekstDaty(Data(w[od])), TekstDaty(Data(w[doDnia]))},
                            p.pozycja);
        }
    }
}

// Sickness, other absences and suspensions: one record per row, the kind from a code.
void Nieobecnosci(KontekstEkstrakcji& k, const PracownikSPD& p, std::string_view komponent,
                  PodrodzajSPD podrodzaj, const char* znacznik, const char* poleOd,
                  const char* poleDo, const char* poleKodu,
                  const std::vector<const char*>& teksty) {
    ZrodlaSPD& z = k.zrodla;
    const int od = z.Pole(komponent, poleOd), doDnia = z.Pole(komponent, poleDo),
              kod = z.Pole(komponent, poleKodu);
    for (const engine::Record& w : z.Wiersze(komponent, p.identyfikator)) {
        const compute::DataKal poczatek = Data(w[od]);
        k.pisarz.Rekord(
            podrodzaj,
            {IdNieobecnosci(znacznik, p.identyfikator, poczatek.rok, poczatek, Tekst(w[kod])),
             std::to_string(p.identyfikator), KodNaTekst(Tekst(w[kod]), teksty),
             TekstDaty(poczatek), TekstDaty(Data(w[doDnia]))},
            p.pozycja);
    }
}

}  // namespace

void PobierzNieobecnosci(KontekstEkstrakcji& k) {
    DlaWybranych(k, [&](const PracownikSPD& p) {
        Urlopy(k, p);
        Nieobecnosci(k, p, "TChoroby", PodrodzajSPD::Choroba, "CHOROBA", "DataOd", "DataDo",
                     "RodzajChoroby", kRodzajeChorob);
        Nieobecnosci(k, p, "TNieobecnosci", PodrodzajSPD::Nieobecnosc, "NIEOB", "DataOd", "DataDo",
                     "RodzajNieobecnosci", kRodzajeNieobecnosci);
        Nieobecnosci(k, p, "TZawieszenia", PodrodzajSPD::Zawieszenie, "ZAWIESZENIA",
                     "DataZawieszenia", "DataPowrotu", "Powod", kPowodyZawieszen);
    });
}

void PobierzBadania(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const int data = z.Pole("TBadania", "DataBadania"),
              rodzaj = z.Pole("TBadania", "RodzajBadania"),
              nastepne = z.Pole("TBadania", "DataNastepnegoBadania"),
              przyczyna = z.Pole("TBadania", "PrzyczynaNiewykonania");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TBadania", p.identyfikator)) {
            const compute::DataKal d = Data(w[data]);
            k.pisarz.Rekord(
                PodrodzajSPD::BadanieLekarskie,
                {IdNieobecnosci("BADLEK", p.identyfikator, d.rok, d, Tekst(w[rodzaj])),
                 std::to_string(p.identyfikator), KodNaTekst(Tekst(w[rodzaj]), kRodzajeBadan),
                 TekstDaty(d), TekstDaty(Data(w[nastepne])), Tekst(w[przyczyna])},
                p.pozycja);
        }
    });
}

}  // namespace mirta::spd
