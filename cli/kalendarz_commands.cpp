#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/values.h"
#include "compute/data_kal.h"
#include "compute/zakres_lat.h"
#include "store/kalendarz.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {
namespace {

constexpr const char* kMiesiace[] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                     "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                     "Wrzesień", "Październik", "Listopad", "Grudzień"};

// Hours as the calendar window shows them: a decimal comma, no trailing zeros.
std::string Godziny(double g) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", g);
    std::string t = b;
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.')
        t.pop_back();
    for (char& c : t)
        if (c == '.')
            c = ',';
    return t;
}

const char* OpisKodu(int32_t kod) {
    switch (kod) {
        case store::kDniZlaDataOd:
            return "niepoprawna data od";
        case store::kDniZlaDataDo:
            return "niepoprawna data do";
        case store::kDniDataDoPrzed1990:
            return "data do przed 1990 rokiem";
        default:
            return "rok poza zakresem kalendarza";
    }
}

}  // namespace

int RunKalendarz(Invocation& call) {
    const auto rokArg = ParseInteger(call.Operands()[0], -100000, 100000);
    const auto miesiacArg = ParseInteger(call.Operands()[1], 1, 12);
    if (!rokArg || !miesiacArg)
        return call.UsageError();
    const int rok = static_cast<int>(*rokArg), miesiac = static_cast<int>(*miesiacArg);
    auto s = call.Zaloguj();
    if (!s)
        return 1;
    // As the calendar window: a month that cannot be made is an error of the reading.
    if (!store::PrzygotujMiesiac(*s->tdm, rok, miesiac)) {
        s->dialogi.Blad(" Niespodziewany błąd odczytu danych !!!", store::kTytulBledu);
        return 1;
    }
    const engine::Dataset& k = *s->tdm->TKalendarz;
    const engine::Value& v = k.Field("PrzebiegPracy");
    const std::string przebieg = v.IsNull() ? std::string() : v.AsText();
    std::printf("Kalendarz %04d-%02d (%s)\n", rok, miesiac, kMiesiace[miesiac - 1]);
    std::printf("Dzień\tDzień tygodnia\tStatus\tGodziny\n");
    int robocze = 0, wolne = 0, swieta = 0;
    double suma = 0;
    for (int d = 1; d <= static_cast<int>(przebieg.size()) && d <= 31; ++d) {
        const char litera = przebieg[static_cast<size_t>(d - 1)];
        if (litera == 'Z')
            continue;
        const engine::Value& g = k.Field("G" + std::to_string(d));
        const double godziny = g.IsNull() ? 0 : g.AsNumber();
        const compute::DataKal data{rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(d)};
        std::printf("%d\t%s\t%c\t%s\n", d,
                    std::string(store::SkrotDniaTygodnia(compute::DzienTygodnia(data))).c_str(),
                    litera, Godziny(godziny).c_str());
        robocze += litera == 'R';
        wolne += litera == 'W';
        swieta += litera == 'S';
        suma += godziny;
    }
    std::printf("Dni robocze: %d, wolne: %d, święta: %d, godziny: %s\n", robocze, wolne, swieta,
                Godziny(suma).c_str());
    return 0;
}

// Dates that are no dates give the count's own codes, as the program's callers see them.
int RunDni(Invocation& call) {
    const auto& args = call.Operands();
    if (args[2].size() != 1)
        return call.UsageError("LITERA to jedna litera: R, W albo S");
    auto s = call.Zaloguj();
    if (!s)
        return 1;
    const int32_t wynik = store::LiczDniKalendarza(*s->tdm, compute::DataZTekstu(args[0]),
                                                   compute::DataZTekstu(args[1]), args[2][0]);
    std::printf("%d\n", wynik);
    std::fflush(stdout);  // the number before the code's explanation
    if (!store::JestLiczbaDni(wynik)) {
        std::fprintf(stderr, "Kod %d: %s (lata %d - %d)\n", wynik, OpisKodu(wynik),
                     store::kPierwszyRokKalendarza, compute::kOstatniRok);
        return 1;
    }
    return 0;
}

}  // namespace mirta::cli
