#include "documents/dane_tagow.h"

#include <string_view>

#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"

namespace mirta::documents {

namespace {

using engine::Record;
using engine::Value;

// The fields of one table's rows by name; a field the file lacks reads empty.
class Pola {
public:
    explicit Pola(const engine::Table& t) : m_tabela(t) {}
    const Value& operator()(const Record& r, std::string_view nazwa) const {
        static const Value kPusta;
        const int i = store::PoleTabeli(m_tabela, nazwa);
        return i < 0 || static_cast<size_t>(i) >= r.size() ? kPusta : r[i];
    }

private:
    const engine::Table& m_tabela;
};

void CzytajPracownika(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm().TPracownicy);
    const auto wiersze = store::WierszePracownika(t, id);
    if (wiersze.empty())
        return;
    const Record& r = wiersze.front();
    const Pola p(t);
    auto tekst = [&](std::string_view pole) { return store::Przyciety(p(r, pole)); };
    d.znaleziony = true;
    d.nazwisko = tekst("Nazwisko");
    d.imie1 = tekst("Imie1");
    d.imie2 = tekst("Imie2");
    d.plec = tekst("Plec");
    d.nazwiskoRodowe = tekst("NazwiskoRodowe");
    d.imieOjca = tekst("ImieOjca");
    d.imieMatki = tekst("ImieMatki");
    d.nazwiskoRodoweMatki = tekst("NazwiskoRodoweMatki");
    d.miejsceUrodzenia = tekst("MiejsceUrodzenia");
    d.dowodWystawca = tekst("KtoWydalDowodosobisty");
    d.dowodSeriaNumer = tekst("NumerDowoduOsobistego");
    d.dataUrodzenia = store::DataPola(p(r, "DataUrodzenia"));
    d.dataZatrudnienia = store::DataPola(p(r, "DataZatrudnienia"));
    d.dataZwolnienia = store::DataPola(p(r, "DataZwolnienia"));
    d.dataWystawieniaDowodu = store::DataPola(p(r, "DataWystawieniaDowodu"));
}

void CzytajStanowiska(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm().TStanowiska);
    const Pola p(t);
    for (const Record& r : z.Wiersze(t, id))
        d.stanowiska.push_back(
            {store::DataPola(p(r, "DataOd")),
             z.Tdm().NazwaStanowiska(store::LiczbaCalkowita(p(r, "IdentyfikatorStanowiska")))});
}

// The rates come from the picture, computed row by row from the same rows in the same order.
void CzytajStopnie(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm().TPracStop);
    const Pola p(t);
    const auto& wiersze = z.Wiersze(t, id);
    const auto& policzone = d.obraz.wynagrodzenie.stopnie;
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const int32_t stopien = store::LiczbaCalkowita(p(wiersze[i], "IdentyfikatorStopnia"));
        d.stopnie.push_back({store::DataPola(p(wiersze[i], "DataOdKiedy")),
                             z.Tdm().Stawki().NazwaStopnia(stopien),
                             i < policzone.size() ? policzone[i].stawka : 0.0, stopien,
                             store::Przyciety(p(wiersze[i], "Ubruttowienie")),
                             store::DataPola(p(wiersze[i], "DataObowiazywaniaStopnia"))});
    }
}

void CzytajGrupy(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm().TPracGrup);
    const Pola p(t);
    const auto& wiersze = z.Wiersze(t, id);
    const auto& policzone = d.obraz.wynagrodzenie.grupy;
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const Record& r = wiersze[i];
        DaneTagow::Grupa g;
        g.dataOdKiedy = store::DataPola(p(r, "DataOdKiedy"));
        g.identyfikator = store::LiczbaCalkowita(p(r, "IdentyfikatorGrupy"));
        if (auto* grupa = z.Tdm().Stawki().ZnajdzGrupe(g.identyfikator))
            g.nazwa = grupa->NazwaGrupy;
        g.ubruttowienie = store::Przyciety(p(r, "Ubruttowienie"));
        if (!p(r, "Mnoznik").IsNull())
            g.mnoznik = p(r, "Mnoznik").AsNumber();
        g.placaZasadnicza = store::LiczbaRzeczywista(p(r, "PlacaZasadnicza"));
        if (i < policzone.size()) {
            g.stawka = policzone[i].stawka;
            g.placaKoncowa = policzone[i].placaKoncowa;
        }
        d.grupy.push_back(std::move(g));
    }
}

void CzytajDecyzje(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm1().TDecyzja);
    const Pola p(t);
    for (const Record& r : z.Wiersze(t, id))
        d.decyzje.push_back(
            {store::DataPola(p(r, "DataDecyzji")), store::Przyciety(p(r, "NrDecyzji"))});
}

void CzytajDodatkiSluzbowe(store::ZrodlaObliczen& z, int32_t id, DaneTagow& d) {
    engine::Table& t = z.Tabela(z.Tdm().TDodSluzbowy);
    const Pola p(t);
    for (const Record& r : z.Wiersze(t, id))
        d.dodatkiSluzbowe.push_back(store::LiczbaRzeczywista(p(r, "Wartosc")));
}

}  // namespace

DaneTagow CzytajDaneTagow(store::ZrodlaObliczen& zrodla, int32_t pracownik) {
    DaneTagow d;
    d.dataPrzetwarzania = store::DataPrzetwarzania(zrodla);
    CzytajPracownika(zrodla, pracownik, d);
    if (!d.znaleziony)
        return d;
    d.obraz = store::PoliczObrazPracownika(zrodla, pracownik, d.dataPrzetwarzania,
                                           {.wynagrodzenie = true, .urlop = false});
    CzytajStanowiska(zrodla, pracownik, d);
    CzytajStopnie(zrodla, pracownik, d);
    CzytajGrupy(zrodla, pracownik, d);
    CzytajDecyzje(zrodla, pracownik, d);
    CzytajDodatkiSluzbowe(zrodla, pracownik, d);
    return d;
}

}  // namespace mirta::documents
