// mirta placowe: the payroll export of the main window, for the employees of the list under
// the filter given.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/opcje_filtru.h"
#include "engine/file_system.h"
#include "payroll/przegrywanie.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {

const std::vector<Option>& OpcjePlacowe() {
    static const std::vector<Option> opcje = [] {
        std::vector<Option> o = {
            {"--litery", "mazowia|latin2", "polskie litery w płacach (domyślnie mazowia)"},
            {"--numer", "identyfikator|kadry",
             "numer pracownika: identyfikator z kadr (domyślnie) albo numer pracownika"},
            {"--ponownie", "",
             "dopisuje także pracowników, których dane czekają już w plikach płacowych"}};
        const auto& filtr = OpcjeFiltru();
        o.insert(o.end(), filtr.begin(), filtr.end());
        return o;
    }();
    return opcje;
}

int RunPlacowe(Invocation& call) {
    payroll::OpcjePrzegrywania opcje;
    if (const std::string* litery = call.Value("--litery")) {
        if (*litery != "mazowia" && *litery != "latin2")
            return call.UsageError("Niepoprawne litery: " + *litery);
        opcje.litery =
            *litery == "mazowia" ? payroll::StandardLiter::Mazowia : payroll::StandardLiter::Latin2;
    }
    if (const std::string* numer = call.Value("--numer")) {
        if (*numer != "identyfikator" && *numer != "kadry")
            return call.UsageError("Niepoprawny numer: " + *numer);
        opcje.numer = *numer == "identyfikator" ? payroll::ZrodloNumeru::Identyfikator
                                                : payroll::ZrodloNumeru::NumerPracownika;
    }
    // The repeated employees are never asked about here: only this option writes them again.
    opcje.ponownie = call.Has("--ponownie");
    const auto filtr = CzytajFiltr(call);
    if (!filtr)
        return kExitUsage;
    if (auto brak = payroll::BrakujacyPlikPlacowy(engine::FileSystem::Real(), call.Opcje().dane)) {
        call.Term().err << *brak << std::endl;
        return kExitFailure;
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    s->tdm->Filtr() = *filtr;
    s->tdm->OdswiezListePracownikow();

    const payroll::WynikPrzegrania w =
        payroll::PrzegrajDanePlacowe(engine::FileSystem::Real(), call.Opcje().dane,
                                     *s->tdm->TPracownicy, s->tdm->Sesja(), opcje, call.Dialogi());
    using Stan = payroll::WynikPrzegrania::Stan;
    if (w.stan == Stan::Przegrano || w.stan == Stan::Przerwano)
        call.Term().out << "Dopisano wierszy: " << w.przegranych << " do " << payroll::kPlikMirta
                        << " i " << w.przegranych << " do " << payroll::kPlikPracList << '\n'
                        << payroll::PodsumowaniePrzegrania(w) << std::endl;
    if (w.pominietych > 0 && !opcje.ponownie.value_or(false))
        call.Term().err << "Pominięto pracowników, których dane są już w plikach płacowych: "
                        << w.pominietych << " (--ponownie dopisuje je ponownie)." << std::endl;
    if (w.stan == Stan::Rezygnacja)
        call.Term().err << "Nic nie przegrano." << std::endl;
    return w.stan == Stan::Przegrano ? kExitOk : kExitFailure;
}

}  // namespace mirta::cli
