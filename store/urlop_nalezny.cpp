#include "store/urlop_nalezny.h"

#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using compute::DniGodziny;
using compute::ParaUrlopow;

std::optional<int32_t> Opcjonalna(const engine::Value& v) {
    if (PustePole(v))
        return std::nullopt;
    return LiczbaCalkowita(v);
}

compute::DaneUprawnienia DaneUprawnienia(const DaneKadrowePracownika& d, DataKal data) {
    compute::DaneUprawnienia u;
    u.podzial = d.podzial;
    u.wysluga = compute::Staz(d.staz, compute::RodzajStazu::Wysluga, data);
    u.sluzba = compute::Staz(d.staz, compute::RodzajStazu::Sluzba, data);
    u.maPoprzednieZatrudnienie = !d.staz.poprzednieZatrudnienie.empty();
    u.dataUrodzenia = d.dataUrodzenia;
    u.grupaSzkodliwosci = d.grupaSzkodliwosci;
    return u;
}

}  // namespace

std::vector<compute::PozycjaUrlopu> PozycjeUrlopow(ZrodlaObliczen& zrodla, engine::Table& plik,
                                                   int32_t pracownik) {
    const int od = PoleTabeli(plik, "DataOd"), doDnia = PoleTabeli(plik, "DataDo"),
              rodzaj = PoleTabeli(plik, "RodzajUrlopu"), ilosc = PoleTabeli(plik, "Ilosc"),
              godziny = PoleTabeli(plik, "Godziny");
    std::vector<compute::PozycjaUrlopu> pozycje;
    for (const engine::Record& w : zrodla.Wiersze(plik, pracownik)) {
        compute::PozycjaUrlopu p;
        p.dataOd = DataPola(w[od]);
        p.dataDo = DataPola(w[doDnia]);
        if (!PustePole(w[rodzaj])) {
            if (const RodzajUrlopuOpis* r = zrodla.RodzajUrlopu(LiczbaCalkowita(w[rodzaj])))
                p.typ = r->typ;
            else
                zrodla.Komunikaty().Dodaj(KomunikatyObliczen::Rodzaj::Blad,
                                          "Bląd obsługi rodzajów urlopów !!!", kTytulBledu);
        }
        p.ilosc = compute::PoliczIloscUrlopu(p.dataOd, p.dataDo, p.typ, !PustePole(w[ilosc]),
                                             LiczbaCalkowita(w[ilosc]), !PustePole(w[godziny]),
                                             LiczbaCalkowita(w[godziny]), zrodla.Licznik())
                      .rzeczywista;
        pozycje.push_back(p);
    }
    return pozycje;
}

std::vector<WierszUrlopuNaleznegoZapisany> WierszeUrlopuNaleznego(ZrodlaObliczen& zrodla,
                                                                  int32_t pracownik) {
    engine::Table& t = zrodla.Tabela(zrodla.Tdm1().TUrlopNalez);
    auto p = [&](const char* n) { return PoleTabeli(t, n); };
    const int rok = p("Rok"), nd = p("UrlopNaleznyDni"), ng = p("UrlopNaleznyGodz"),
              dd = p("UrlopDodatkowyDni"), dg = p("UrlopDodatkowyGodz"),
              z1 = p("UrlopZaleglyPoprzedniRok"), z2 = p("UrlopZalegly2LataWstecz"),
              z3 = p("UrlopZalegly3LataWstecz"), gz = p("GodzUrlopZalegly"),
              dzd = p("DniZalegleDodatkowy"), gzd = p("GodzinyZalegleDodatkowy");
    std::vector<WierszUrlopuNaleznegoZapisany> wynik;
    for (const engine::Record& w : zrodla.Wiersze(t, pracownik)) {
        WierszUrlopuNaleznegoZapisany r;
        r.rok = LiczbaCalkowita(w[rok]);
        r.naleznyDni = Opcjonalna(w[nd]);
        r.naleznyGodz = Opcjonalna(w[ng]);
        r.dodatkowyDni = Opcjonalna(w[dd]);
        r.dodatkowyGodz = Opcjonalna(w[dg]);
        r.zaleglyPoprzedni = LiczbaCalkowita(w[z1]);
        r.zalegly2 = LiczbaCalkowita(w[z2]);
        r.zalegly3 = LiczbaCalkowita(w[z3]);
        r.godzZalegly = LiczbaCalkowita(w[gz]);
        r.dniZalegleDodatkowy = LiczbaCalkowita(w[dzd]);
        r.godzinyZalegleDodatkowy = LiczbaCalkowita(w[gzd]);
        wynik.push_back(r);
    }
    return wynik;
}

ParaUrlopow UprawnienieUrlopowe(const DaneKadrowePracownika& dane,
                                const WierszUrlopuNaleznegoZapisany* pierwszy, DataKal data,
                                bool zZapisanych, int32_t rokPrzetwarzania) {
    const compute::DaneUprawnienia u = DaneUprawnienia(dane, data);
    ParaUrlopow p;
    if (zZapisanych && pierwszy && (pierwszy->naleznyDni || pierwszy->naleznyGodz))
        p.wypoczynkowy = {pierwszy->naleznyDni.value_or(0), pierwszy->naleznyGodz.value_or(0)};
    else
        p.wypoczynkowy = compute::UrlopWypoczynkowy(
            u, data, compute::CzynnikEtatu(rokPrzetwarzania, dane.etat, dane.etatPusty));
    if (zZapisanych && pierwszy && (pierwszy->dodatkowyDni || pierwszy->dodatkowyGodz))
        p.dodatkowy = {pierwszy->dodatkowyDni.value_or(0), pierwszy->dodatkowyGodz.value_or(0)};
    else
        p.dodatkowy = compute::UrlopDodatkowy(u, data);
    return p;
}

compute::ZestawienieUrlopu ZestawienieUrlopuPracownika(ZrodlaObliczen& zrodla,
                                                       const DaneKadrowePracownika& dane,
                                                       DataKal data, int32_t rokPrzetwarzania) {
    const auto nalezne = WierszeUrlopuNaleznego(zrodla, dane.identyfikator);
    const WierszUrlopuNaleznegoZapisany* pierwszy = nalezne.empty() ? nullptr : &nalezne.front();
    const auto urlopy =
        PozycjeUrlopow(zrodla, zrodla.Tabela(zrodla.Tdm1().TUrlopy), dane.identyfikator);
    auto uprawnienie = [&](DataKal d) {
        return UprawnienieUrlopowe(dane, pierwszy, d, true, rokPrzetwarzania);
    };
    if (data.rok >= compute::kPierwszyRokGodzinUrlopu) {
        ParaUrlopow zalegly;
        if (pierwszy) {
            zalegly.wypoczynkowy = {
                pierwszy->zaleglyPoprzedni + pierwszy->zalegly2 + pierwszy->zalegly3,
                pierwszy->godzZalegly};
            zalegly.dodatkowy = {pierwszy->dniZalegleDodatkowy, pierwszy->godzinyZalegleDodatkowy};
        }
        return compute::ZestawienieOdRoku2006(
            uprawnienie(data), zalegly, urlopy, data, rokPrzetwarzania,
            compute::CzynnikEtatu(rokPrzetwarzania, dane.etat, dane.etatPusty), zrodla.Licznik());
    }
    std::vector<compute::WierszUrlopuNaleznego> wiersze;
    for (const auto& w : nalezne)
        wiersze.push_back({w.rok, w.zaleglyPoprzedni, w.zalegly2, w.zalegly3});
    return compute::ZestawienieDoRoku2005(wiersze, urlopy, data, rokPrzetwarzania, uprawnienie,
                                          zrodla.Licznik());
}

ObliczenieUrlopuNaleznego ObliczenieNaleznegoZDanych(TDM1& tdm1) {
    return [&tdm1](int32_t pracownik, int32_t dzien) -> std::optional<UrlopNaleznyDni> {
        ZrodlaObliczen zrodla(tdm1.Tdm(), tdm1);
        const DaneKadrowePracownika dane = CzytajDaneKadrowe(zrodla, pracownik);
        for (const auto& k : zrodla.Komunikaty().Wszystkie())
            tdm1.ZbierzKomunikat(k.tekst);
        if (!dane.znaleziony)
            return std::nullopt;
        const engine::CivilDate c = engine::CivilFromDayNumber(dzien);
        const DataKal data{c.year, static_cast<uint8_t>(c.month), static_cast<uint8_t>(c.day)};
        const ParaUrlopow p =
            UprawnienieUrlopowe(dane, nullptr, data, false, tdm1.Sesja().DataPrzetwarzania.year);
        return UrlopNaleznyDni{p.wypoczynkowy.dni, p.dodatkowy.dni};
    };
}

}  // namespace mirta::store
