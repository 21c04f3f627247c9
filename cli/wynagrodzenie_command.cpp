#include <cstdio>

#include "cli/obliczenia_pracownika.h"

namespace mirta::cli {

int RunWynagrodzenie(Invocation& call) {
    ObrazPolecenia p = PoliczObrazDlaPolecenia(call, {.wynagrodzenie = true, .urlop = false});
    if (!p)
        return p.kodBledu;
    const store::ObrazPracownika& o = p.obraz;
    const store::WynagrodzeniePracownika& w = o.wynagrodzenie;
    auto kwota = [](const char* nazwa, double x) {
        std::printf("%s: %s\n", nazwa, TekstKwotyCli(x).c_str());
    };
    std::printf("Podzial: %s\n", o.dane.podzial ? std::string(1, o.dane.podzial).c_str() : "");
    for (const auto& r : w.stopnie)
        std::printf("Stopień %s %d %c: Stawka %s\n", DataCli(r.dataOdKiedy).c_str(),
                    r.identyfikator, r.ubruttowienie, TekstKwotyCli(r.stawka).c_str());
    for (const auto& r : w.grupy)
        std::printf("Grupa %s %d %c: Stawka %s PlacaKoncowa %s\n", DataCli(r.dataOdKiedy).c_str(),
                    r.identyfikator, r.ubruttowienie, TekstKwotyCli(r.stawka).c_str(),
                    TekstKwotyCli(r.placaKoncowa).c_str());
    kwota("Płaca zasadnicza", w.placaZasadnicza);
    kwota("Dodatek za stopień", w.dodatekZaStopien);
    kwota("Dodatek służbowy", w.dodatekSluzbowy);
    kwota("Dodatek motywacyjny", w.dodatekMotywacyjny);
    std::printf("Procent stażowy funkcjonariusza: %.1f\n", w.procentFunkcjonariusza);
    kwota("Dodatek stażowy funkcjonariusza", w.dodatekStazowyFunkcjonariusza);
    std::printf("Procent stażowy cywila: %d\n", w.procentCywila);
    kwota("Dodatek stażowy cywila", w.dodatekStazowyCywila);
    // The bonus is printed, so its missing rate is told.
    store::ZglosBrakPremii(p.zrodla->Komunikaty(), w);
    std::printf("Procent premii: %s\n", NajkrotszaLiczba(w.procentPremii).c_str());
    kwota("Premia", w.premia);
    kwota("Razem funkcjonariusz", w.razemFunkcjonariusz);
    kwota("Razem cywil", w.razemCywil);
    kwota("Razem", w.Razem());
    return p.Zakoncz();
}

}  // namespace mirta::cli
