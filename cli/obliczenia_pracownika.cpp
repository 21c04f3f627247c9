#include "cli/obliczenia_pracownika.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "compute/zaokraglij.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {

ObrazPolecenia PoliczObrazDlaPolecenia(Invocation& call, store::CzesciObrazu czesci) {
    ObrazPolecenia p;
    const auto id = IdentyfikatorZArgumentow(call.Operands());
    if (!id) {
        p.kodBledu = call.UsageError("Niepoprawny identyfikator pracownika.");
        return p;
    }
    p.sesja = call.Zaloguj();
    if (!p.sesja) {
        p.kodBledu = kExitFailure;
        return p;
    }
    p.zrodla = std::make_unique<store::ZrodlaObliczen>(*p.sesja->tdm, *p.sesja->tdm1);
    p.data = store::DataPrzetwarzania(*p.zrodla);
    p.obraz = store::PoliczObrazPracownika(*p.zrodla, *id, p.data, czesci);
    if (!p.obraz.dane.znaleziony) {
        std::fprintf(stderr, "Nie ma pracownika o identyfikatorze %d !!!\n", *id);
        p.kodBledu = kExitFailure;
    }
    return p;
}

int ObrazPolecenia::Zakoncz() {
    std::fflush(stdout);
    zrodla->Komunikaty().Pokaz(sesja->dialogi);
    return kExitOk;
}

std::optional<int32_t> IdentyfikatorZArgumentow(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty())
        return std::nullopt;
    int32_t id = 0;
    const char* koniec = args[0].data() + args[0].size();
    auto [p, ec] = std::from_chars(args[0].data(), koniec, id);
    if (ec != std::errc() || p != koniec || id <= 0)
        return std::nullopt;
    return id;
}

std::string DataCli(compute::DataKal d) {
    if (!d.Poprawna())
        return "brak";
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.rok, d.miesiac, d.dzien);
    return b;
}

std::string TekstKwotyCli(double kwota) {
    char b[64];
    std::snprintf(b, sizeof b, "%.2f", compute::Zaokraglij(kwota, 2));
    std::string t = b;
    return t == "-0.00" ? "0.00" : t;
}

std::string NajkrotszaLiczba(double x) {
    char b[64];
    auto [p, ec] = std::to_chars(b, b + sizeof b, x);
    return ec == std::errc() ? std::string(b, p) : std::to_string(x);
}

}  // namespace mirta::cli
