// Commands that print the texts and numbers of the computation library, exactly as the
// program shows them.
#include <charconv>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "compute/data_kal.h"
#include "compute/kwota_slownie.h"
#include "compute/okres_lmd.h"
#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "compute/wyrazenie.h"
#include "compute/zaokraglij.h"

namespace mirta::cli {

namespace {

using namespace mirta::compute;

bool CzytajDate(const std::string& tekst, DataKal& data) {
    data = DataZTekstu(tekst);
    if (data.Poprawna())
        return true;
    std::fprintf(stderr, "Niepoprawna data: %s\n", tekst.c_str());
    return false;
}

}  // namespace

int RunSlownie(const Args& args) {
    if (args.size() != 1)
        return UsageError("slownie");
    const auto kwota = CzytajLiczbe(args[0]);
    if (!kwota)
        return UsageError("slownie");
    std::printf("%s\n", KwotaSlownie(*kwota).c_str());
    return 0;
}

int RunZaokraglij(const Args& args) {
    if (args.size() != 2)
        return UsageError("zaokraglij");
    const auto liczba = CzytajLiczbe(args[0]);
    int miejsca = 0;
    const std::string& m = args[1];
    const auto r = std::from_chars(m.data(), m.data() + m.size(), miejsca);
    if (!liczba || r.ec != std::errc() || r.ptr != m.data() + m.size())
        return UsageError("zaokraglij");
    char bufor[64];
    const auto w = std::to_chars(bufor, bufor + sizeof bufor, Zaokraglij(*liczba, miejsca));
    std::printf("%.*s\n", static_cast<int>(w.ptr - bufor), bufor);
    return 0;
}

int RunOkres(const Args& args) {
    if (args.size() != 2)
        return UsageError("okres");
    DataKal od, doDnia;
    if (!CzytajDate(args[0], od) || !CzytajDate(args[1], doDnia))
        return 2;
    std::printf("%s\n", TekstOkresu(DlugoscOkresu(od, doDnia)).c_str());
    return 0;
}

int RunWyrazenie(const Args& args) {
    if (args.size() != 1)
        return UsageError("wyrazenie");
    int32_t blad = 0;
    const long double wynik = ObliczWyrazenie(args[0], blad);
    if (blad != 0) {
        std::printf("błąd %d\n", static_cast<int>(blad));
        return 1;
    }
    char bufor[128];
    const auto w =
        std::to_chars(bufor, bufor + sizeof bufor, wynik, std::chars_format::general, 15);
    std::printf("%.*s\n", static_cast<int>(w.ptr - bufor), bufor);
    return 0;
}

int RunDataSlownie(const Args& args) {
    if (args.size() != 1)
        return UsageError("data-slownie");
    const DataKal data = DataZTekstu(args[0]);
    std::printf("%s\n", TekstDaty(data, 'U', true).c_str());
    return data.Poprawna() ? 0 : 1;
}

}  // namespace mirta::cli
