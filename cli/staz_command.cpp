#include <cstdio>

#include "cli/obliczenia_pracownika.h"
#include "compute/teksty_dat.h"

namespace mirta::cli {

int RunStaz(Invocation& call) {
    ObrazPolecenia p = PoliczObrazDlaPolecenia(call, {.wynagrodzenie = false, .urlop = false});
    if (!p)
        return p.kodBledu;
    const store::ObrazPracownika& o = p.obraz;
    const compute::DataKal data = p.data;
    static constexpr const char* kRodzaje[] = {"Wysluga", "Sluzba", "NagrodaJubileuszowa",
                                               "Emerytura"};
    std::printf("Data: %s\n", DataCli(data).c_str());
    for (size_t i = 0; i < 4; ++i) {
        const store::StazRodzaju& r = o.staz.rodzaje[i];
        std::printf("%s: %s\n", kRodzaje[i], compute::TekstOkresu(r.staz).c_str());
        std::printf("  Zatrudnienie: %s\n", compute::TekstOkresu(r.skladniki.zatrudnienie).c_str());
        std::printf("  Poprzednie zatrudnienie: %s\n",
                    compute::TekstOkresu(r.skladniki.poprzednie).c_str());
        std::printf("  Urlop bezpłatny: %s\n",
                    compute::TekstOkresu(r.skladniki.urlopBezplatny).c_str());
        std::printf("  Data umowna: %s\n", DataCli(r.dataUmowna).c_str());
    }
    std::printf("Procent stażowy cywila: %d\n", o.staz.procentCywila);
    std::printf("Procent stażowy funkcjonariusza: %.1f\n", o.staz.procentFunkcjonariusza);
    std::printf("Data następnego wzrostu: %s (%s)\n", DataCli(o.staz.dataNastepnegoWzrostu).c_str(),
                compute::TekstDniaIMiesiaca(o.staz.dataNastepnegoWzrostu, false).c_str());
    for (size_t i = 0; i < 3; ++i)
        std::printf("Data bazowa %s %d: %s\n", kRodzaje[i], data.rok,
                    DataCli(o.staz.dataBazowa[i]).c_str());
    return p.Zakoncz();
}

}  // namespace mirta::cli
