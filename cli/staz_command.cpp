#include <cstdio>
#include <optional>

#include "cli/obliczenia_pracownika.h"
#include "compute/teksty_dat.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/wyprowadzenie_stazu.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

namespace {

int Wyprowadzenie(Sesja& s, int32_t id, std::optional<compute::RodzajStazu> rodzaj) {
    store::ZrodlaObliczen zrodla(*s.tdm, *s.tdm1);
    const compute::DataKal data = store::DataPrzetwarzania(zrodla);
    bool pierwszy = true;
    for (const compute::RodzajStazu r :
         {compute::RodzajStazu::Wysluga, compute::RodzajStazu::Sluzba,
          compute::RodzajStazu::NagrodaJubileuszowa, compute::RodzajStazu::Emerytura}) {
        if (rodzaj && r != *rodzaj)
            continue;
        const store::WyprowadzenieStazu w = store::WyprowadzStaz(zrodla, id, r, data);
        if (!w.znaleziony) {
            std::fprintf(stderr, "Nie ma pracownika o identyfikatorze %d !!!\n", id);
            return 1;
        }
        if (!pierwszy)
            std::printf("\n");
        pierwszy = false;
        for (const std::string& linia : store::TekstWyprowadzenia(w))
            std::printf("%s\n", linia.c_str());
    }
    std::fflush(stdout);
    zrodla.Komunikaty().Pokaz(s.dialogi);
    return 0;
}

}  // namespace

int RunStaz(Invocation& call) {
    if (call.Has("--wyprowadzenie")) {
        const auto id = IdentyfikatorZArgumentow(call.Operands());
        if (!id)
            return call.UsageError("Niepoprawny identyfikator pracownika.");
        std::optional<compute::RodzajStazu> rodzaj;
        if (const std::string* r = call.Value("--rodzaj")) {
            rodzaj = store::RodzajStazuZNazwy(*r);
            if (!rodzaj)
                return call.UsageError("--rodzaj: wysluga, sluzba, nagroda albo emerytura.");
        }
        auto s = call.Zaloguj();
        if (!s)
            return 1;
        return Wyprowadzenie(*s, *id, rodzaj);
    }
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
