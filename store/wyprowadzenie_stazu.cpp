#include "store/wyprowadzenie_stazu.h"

#include <algorithm>

#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "store/tdm.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {

namespace {

using compute::DataKal;
using compute::LosRekordu;
using compute::OkresLMD;
using compute::RodzajStazu;

std::string Data(DataKal d) {
    return d.Pusta() ? std::string("(trwa)    ") : compute::TekstDaty(d);
}

std::string Okres(DataKal od, DataKal doDnia) {
    return Data(od) + " – " + Data(doDnia);
}

std::string Los(LosRekordu los) {
    switch (los) {
        case LosRekordu::Liczony:
            return "liczony";
        case LosRekordu::PoDacie:
            return "pominięty: zaczyna się po dniu obliczenia";
        case LosRekordu::PozaSluzba:
            return "pominięty: forma zatrudnienia poza służbą";
        case LosRekordu::NieDopuszczony:
            return "pominięty: nie zaliczany do tego stażu";
    }
    return {};
}

// The records as entered, the periods they were joined into, and what lies between them:
// an overlap counts twice, a gap not at all.
void Scalanie(std::vector<std::string>& t, const std::string& tytul, const compute::SladScalania& s,
              OkresLMD suma) {
    t.push_back(tytul + " – rekordy jak wprowadzone:");
    if (s.rekordy.empty())
        t.push_back("  brak");
    for (const auto& r : s.rekordy)
        t.push_back("  " + Okres(r.dataOd, r.dataDo) + "   " + Los(r.los));
    if (s.rekordy.empty())
        return;
    t.push_back(tytul + " – okresy po scaleniu:");
    if (s.okresy.empty())
        t.push_back("  brak");
    for (size_t i = 0; i < s.okresy.size(); ++i) {
        const auto& o = s.okresy[i];
        if (i > 0) {
            const auto& p = s.okresy[i - 1];
            if (!(p.doDnia < o.od))
                t.push_back("  nakładanie się: " + Okres(o.od, std::min(p.doDnia, o.doDnia)) +
                            " (liczone w obu okresach)");
            else if (compute::NastepnyDzien(p.doDnia) < o.od)
                t.push_back("  przerwa: " +
                            Okres(compute::NastepnyDzien(p.doDnia), compute::PoprzedniDzien(o.od)) +
                            " (nie liczona)");
        }
        t.push_back("  " + Okres(o.od, o.doDnia) + "   " + compute::TekstOkresu(o.dlugosc));
    }
    t.push_back("  Razem: " + compute::TekstOkresu(suma));
}

}  // namespace

std::string NazwaRodzajuStazu(RodzajStazu rodzaj) {
    switch (rodzaj) {
        case RodzajStazu::Wysluga:
            return "Wysługa lat (dodatek stażowy)";
        case RodzajStazu::Sluzba:
            return "Staż służby";
        case RodzajStazu::NagrodaJubileuszowa:
            return "Staż do nagrody jubileuszowej";
        case RodzajStazu::Emerytura:
            return "Staż do emerytury";
    }
    return {};
}

std::optional<RodzajStazu> RodzajStazuZNazwy(std::string_view nazwa) {
    if (nazwa == "wysluga")
        return RodzajStazu::Wysluga;
    if (nazwa == "sluzba")
        return RodzajStazu::Sluzba;
    if (nazwa == "nagroda")
        return RodzajStazu::NagrodaJubileuszowa;
    if (nazwa == "emerytura")
        return RodzajStazu::Emerytura;
    return std::nullopt;
}

namespace {

// Surname and first names, as the employee list shows them.
std::string NazwaPracownika(ZrodlaObliczen& zrodla, int32_t pracownik) {
    engine::Table& t = zrodla.Tabela(zrodla.Tdm().TPracownicy);
    const auto wiersze = WierszePracownika(t, pracownik);
    std::string nazwa;
    if (wiersze.empty())
        return nazwa;
    for (const char* pole : {"Nazwisko", "Imie1", "Imie2"}) {
        const int i = PoleTabeli(t, pole);
        if (i < 0 || wiersze.front()[size_t(i)].IsNull())
            continue;
        const std::string_view s = compute::Przytnij(wiersze.front()[size_t(i)].AsText());
        if (!s.empty())
            nazwa += (nazwa.empty() ? "" : " ") + std::string(s);
    }
    return nazwa;
}

}  // namespace

WyprowadzenieStazu WyprowadzStaz(ZrodlaObliczen& zrodla, int32_t pracownik, RodzajStazu rodzaj,
                                 DataKal data) {
    WyprowadzenieStazu w;
    w.pracownik = pracownik;
    w.rodzaj = rodzaj;
    w.data = data;
    const DaneKadrowePracownika dane = CzytajDaneKadrowe(zrodla, pracownik);
    w.znaleziony = dane.znaleziony;
    if (!dane.znaleziony)
        return w;
    w.nazwa = NazwaPracownika(zrodla, pracownik);
    w.plikiUrlopow = dane.plikiUrlopow;
    w.wynik = PoliczStazRodzaju(dane, rodzaj, data, &w.slad);
    return w;
}

std::vector<std::string> TekstWyprowadzenia(const WyprowadzenieStazu& w) {
    std::vector<std::string> t;
    const std::string id = "identyfikator " + std::to_string(w.pracownik);
    t.push_back(NazwaRodzajuStazu(w.rodzaj) + ", " +
                (w.nazwa.empty() ? id : w.nazwa + " (" + id + ")") + ", na dzień " +
                compute::TekstDaty(w.data));
    const compute::SkladnikiStazu& s = w.wynik.skladniki;
    Scalanie(t, "Zatrudnienie w jednostce", w.slad.zatrudnienie, s.zatrudnienie);
    Scalanie(t, "Poprzednie zatrudnienie", w.slad.poprzednie, s.poprzednie);
    t.push_back("Urlop bezpłatny odliczony:");
    if (w.slad.urlopy.empty())
        t.push_back("  brak");
    for (const auto& u : w.slad.urlopy) {
        const std::string plik =
            u.indeks < w.plikiUrlopow.size() ? w.plikiUrlopow[u.indeks] : std::string("?");
        t.push_back("  " + Okres(u.od, u.doDnia) + "   " + compute::TekstOkresu(u.dlugosc) +
                    "   plik " + plik + ", rok " + std::to_string(u.od.rok));
    }
    if (!w.slad.urlopy.empty())
        t.push_back("  Razem: " + compute::TekstOkresu(s.urlopBezplatny));
    if (w.wynik.dataUmowna.Pusta()) {
        t.push_back("Data umowna: brak");
        t.push_back("Staż = zatrudnienie + poprzednie zatrudnienie − urlop bezpłatny");
    } else {
        t.push_back("Data umowna: " + compute::TekstDaty(w.wynik.dataUmowna) +
                    " – staż liczony od niej; składniki powyżej tylko dla informacji");
    }
    t.push_back("Wynik: " + compute::TekstOkresu(w.wynik.staz));
    return t;
}

}  // namespace mirta::store
