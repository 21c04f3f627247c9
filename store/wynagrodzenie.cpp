#include "store/wynagrodzenie.h"

#include <optional>
#include <string>

#include "compute/stawki.h"
#include "compute/zaokraglij.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using engine::Record;

int32_t Dzien(DataKal d) {
    return static_cast<int32_t>(compute::NumerDnia(d));
}

// Where a history row's rate is looked up: before the next row of the employee, else before
// the dismissal, else the newest rate.
struct KoniecOkresu {
    int32_t dzien = 0;
    bool najnowsza = true;
};
KoniecOkresu Koniec(const std::vector<Record>& wiersze, size_t i, int data,
                    DataKal dataZwolnienia) {
    if (i + 1 < wiersze.size() && !wiersze[i + 1][data].IsNull())
        return {wiersze[i + 1][data].AsDay(), false};
    if (dataZwolnienia.Poprawna())
        return {Dzien(dataZwolnienia), false};
    return {};
}

void CzytajStopnie(ZrodlaObliczen& z, const DaneKadrowePracownika& d, WynagrodzeniePracownika& w) {
    engine::Table& t = z.Tabela(z.Tdm().TPracStop);
    const int data = PoleTabeli(t, "DataOdKiedy"), id = PoleTabeli(t, "IdentyfikatorStopnia"),
              ub = PoleTabeli(t, "Ubruttowienie"),
              obowiazywanie = PoleTabeli(t, "DataObowiazywaniaStopnia");
    const auto wiersze = z.Wiersze(t, d.identyfikator);
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const Record& r = wiersze[i];
        WierszStopnia s{DataPola(r[data]), LiczbaCalkowita(r[id]), PierwszaLitera(r[ub], 'T')};
        if (obowiazywanie >= 0)
            s.dataObowiazywania = DataPola(r[size_t(obowiazywanie)]);
        const KoniecOkresu k = Koniec(wiersze, i, data, d.dataZwolnienia);
        s.stawka =
            z.Tdm().Stawki().StawkaStopnia(s.identyfikator, s.ubruttowienie, k.dzien, k.najnowsza);
        w.stopnie.push_back(s);
    }
}

void CzytajGrupy(ZrodlaObliczen& z, const DaneKadrowePracownika& d, WynagrodzeniePracownika& w) {
    engine::Table& t = z.Tabela(z.Tdm().TPracGrup);
    const int data = PoleTabeli(t, "DataOdKiedy"), id = PoleTabeli(t, "IdentyfikatorGrupy"),
              ub = PoleTabeli(t, "Ubruttowienie"), mnoznik = PoleTabeli(t, "Mnoznik"),
              zasadnicza = PoleTabeli(t, "PlacaZasadnicza");
    const auto wiersze = z.Wiersze(t, d.identyfikator);
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const Record& r = wiersze[i];
        WierszGrupy g{DataPola(r[data]), LiczbaCalkowita(r[id]), PierwszaLitera(r[ub], 'T')};
        const double m = LiczbaRzeczywista(r[mnoznik]), pz = LiczbaRzeczywista(r[zasadnicza]);
        compute::PlacaGrupy p;
        const auto podstawa = r[data].IsNull()
                                  ? std::nullopt
                                  : z.Tdm().PodstawyWyn().NaDzien(z.Tdm(), r[data].AsDay());
        if (podstawa) {
            p = compute::PlacaZPodstawy(*podstawa, w.funkcjonariusz, m, pz);
        } else {
            const KoniecOkresu k = Koniec(wiersze, i, data, d.dataZwolnienia);
            p = compute::PlacaZeStawki(z.Tdm().Stawki().StawkaGrupy(
                                           g.identyfikator, g.ubruttowienie, k.dzien, k.najnowsza),
                                       w.funkcjonariusz, m, pz);
        }
        g.stawka = p.stawka;
        g.placaKoncowa = p.placaKoncowa;
        w.grupy.push_back(g);
    }
}

// Wartosc of the last allowance row; with a date, of the last one in force on it.
double Dodatek(ZrodlaObliczen& z, TableComponent& c, int32_t pracownik,
               std::optional<DataKal> naDzien) {
    engine::Table& t = z.Tabela(c);
    const int od = PoleTabeli(t, "DataOd"), doDnia = PoleTabeli(t, "DataDo"),
              wartosc = PoleTabeli(t, "Wartosc");
    double wynik = 0;
    for (const Record& r : z.Wiersze(t, pracownik)) {
        if (naDzien) {
            const DataKal a = DataPola(r[od]), b = DataPola(r[doDnia]);
            if (!a.Poprawna() || *naDzien < a || (b.Poprawna() && b < *naDzien))
                continue;
        }
        wynik = LiczbaRzeczywista(r[wartosc]);
    }
    return wynik;
}

// The employee's own monthly rate, else the year's rate of the bonus table.
std::optional<double> ProcentPremii(ZrodlaObliczen& z, int32_t pracownik, int rok, int miesiac) {
    engine::Table& wlasne = z.Tabela(z.Tdm().TPremPracCyw);
    const int r1 = PoleTabeli(wlasne, "Rok"), m1 = PoleTabeli(wlasne, "Miesiac"),
              k1 = PoleTabeli(wlasne, "Kwota");
    for (const Record& r : z.Wiersze(wlasne, pracownik))
        if (LiczbaCalkowita(r[r1]) == rok && LiczbaCalkowita(r[m1]) == miesiac)
            return LiczbaRzeczywista(r[k1]);
    engine::Table& premie = z.Tabela(z.Tdm().TPremie);
    const int r2 = PoleTabeli(premie, "Rok"), k2 = PoleTabeli(premie, "Kwota");
    for (uint64_t i = 0; i < premie.RowCount(); ++i)
        if (LiczbaCalkowita(premie.ReadField(i, r2)) == rok)
            return LiczbaRzeczywista(premie.ReadField(i, k2));
    return std::nullopt;
}

}  // namespace

double RazemFunkcjonariusz(double placa, double procentStazowy, double stopien, double sluzbowy,
                           double motywacyjny) {
    placa = compute::StawkaDoSumy(placa);
    const double stazowy = compute::Zaokraglij(placa * procentStazowy * 0.01, 2);
    return compute::Zaokraglij(
        stazowy + placa + compute::StawkaDoSumy(stopien) + sluzbowy + motywacyjny, 2);
}

double RazemCywil(double placa, int procentStazowy, double procentPremii) {
    placa = compute::StawkaDoSumy(placa);
    const double stazowy = compute::Zaokraglij(placa * procentStazowy * 0.01, 2);
    const double premia = compute::Zaokraglij(placa * procentPremii * 0.01, 2);
    return stazowy + placa + premia;
}

void ZglosBrakPremii(KomunikatyObliczen& komunikaty, const WynagrodzeniePracownika& w) {
    if (w.brakStawkiPremii)
        komunikaty.Dodaj(KomunikatyObliczen::Rodzaj::Ostrzezenie,
                         "Brak wprowadzonej stawki premii pracowników cywilnej na rok: " +
                             std::to_string(w.brakStawkiPremii) + " !!!",
                         "Kontrola danych.");
}

WynagrodzeniePracownika PoliczWynagrodzenie(ZrodlaObliczen& zrodla,
                                            const DaneKadrowePracownika& dane,
                                            const StazPracownika& staz, DataKal data) {
    TDM& tdm = zrodla.Tdm();
    if (tdm.Stawki().Zmienione())
        tdm.Stawki().PrzeladujJesliZmienione(tdm);
    WynagrodzeniePracownika w;
    w.funkcjonariusz = dane.podzial == '1';
    CzytajStopnie(zrodla, dane, w);
    CzytajGrupy(zrodla, dane, w);
    const int32_t id = dane.identyfikator;
    w.placaZasadnicza = w.grupy.empty() ? 0 : w.grupy.back().placaKoncowa;
    w.dodatekZaStopien = w.stopnie.empty() ? 0 : w.stopnie.back().stawka;
    w.dodatekSluzbowy = Dodatek(zrodla, tdm.TDodSluzbowy, id, std::nullopt);
    w.dodatekMotywacyjny = Dodatek(zrodla, tdm.TDodInny, id, data);
    w.procentFunkcjonariusza = staz.procentFunkcjonariusza;
    w.procentCywila = staz.procentCywila;
    const double placa = compute::StawkaDoSumy(w.placaZasadnicza);
    w.dodatekStazowyFunkcjonariusza =
        compute::Zaokraglij(placa * w.procentFunkcjonariusza * 0.01, 2);
    w.dodatekStazowyCywila = compute::Zaokraglij(placa * w.procentCywila * 0.01, 2);
    const auto premia = ProcentPremii(zrodla, id, data.rok, data.miesiac);
    if (!premia)
        w.brakStawkiPremii = data.rok;
    w.procentPremii = premia.value_or(0);
    w.premia = compute::Zaokraglij(placa * w.procentPremii * 0.01, 2);
    w.razemFunkcjonariusz =
        RazemFunkcjonariusz(w.placaZasadnicza, w.procentFunkcjonariusza, w.dodatekZaStopien,
                            w.dodatekSluzbowy, w.dodatekMotywacyjny);
    w.razemCywil = RazemCywil(w.placaZasadnicza, w.procentCywila, w.procentPremii);
    return w;
}

}  // namespace mirta::store
