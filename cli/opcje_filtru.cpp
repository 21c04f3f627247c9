#include "cli/opcje_filtru.h"

#include <cstdint>
#include <string>

#include "cli/invocation.h"
#include "cli/values.h"

namespace mirta::cli {

const std::vector<Option>& OpcjeFiltru() {
    static const std::vector<Option> opcje = {
        {"--umowy", "", "także umowy zlecenia"},
        {"--zwolnieni", "", "także zwolnieni"},
        {"--bez-funkcjonariuszy", "", "bez funkcjonariuszy"},
        {"--bez-cywilow", "", "bez pracowników cywilnych"},
        {"--bez-sluzby-cywilnej", "", "bez członków korpusu służby cywilnej"},
        {"--emeryci", "", "także emeryci"},
        {"--komorka", "N", "tylko komórka organizacyjna o identyfikatorze N"}};
    return opcje;
}

std::optional<store::FiltrPracownikow> CzytajFiltr(Invocation& call) {
    store::FiltrPracownikow f;
    f.PokazUmowy = call.Has("--umowy");
    f.PokazZwolnionych = call.Has("--zwolnieni");
    f.PokazFunkcjonariuszy = !call.Has("--bez-funkcjonariuszy");
    f.PokazCywilow = !call.Has("--bez-cywilow");
    f.PokazSluzbeCywilna = !call.Has("--bez-sluzby-cywilnej");
    f.PokazEmerytow = call.Has("--emeryci");
    if (const std::string* komorka = call.Value("--komorka")) {
        const auto id = ParseInteger(*komorka, 0, INT32_MAX);
        if (!id) {
            call.UsageError("Niepoprawna komórka: " + *komorka);
            return std::nullopt;
        }
        f.FiltrKomorki = true;
        f.KomorkaFiltru = static_cast<int32_t>(*id);
    }
    return f;
}

}  // namespace mirta::cli
