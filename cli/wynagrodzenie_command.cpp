#include <cstdio>

#include "cli/obliczenia_pracownika.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

int RunWynagrodzenie(Invocation& call) {
    const auto id = IdentyfikatorZArgumentow(call.Operands());
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = call.Zaloguj();
    if (!s)
        return 1;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    const store::ObrazPracownika o = store::PoliczObrazPracownika(
        zrodla, *id, store::DataPrzetwarzania(zrodla), {.wynagrodzenie = true, .urlop = false});
    if (!o.dane.znaleziony) {
        std::fprintf(stderr, "Nie ma pracownika o identyfikatorze %d !!!\n", *id);
        return 1;
    }
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
    std::printf("Procent premii: %s\n", NajkrotszaLiczba(w.procentPremii).c_str());
    kwota("Premia", w.premia);
    kwota("Razem funkcjonariusz", w.razemFunkcjonariusz);
    kwota("Razem cywil", w.razemCywil);
    kwota("Razem", w.Razem());
    std::fflush(stdout);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    return 0;
}

}  // namespace mirta::cli
