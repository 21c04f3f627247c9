#include "tools/demo.h"

#include "store/nowa_baza.h"
#include "tools/demo_wewn.h"

namespace mirta::tools {

LicznikiDemo UtworzDemo(engine::FileSystem& fs, const std::string& katalog,
                        const OpcjeDemo& opcje) {
    store::UtworzNowaBaze(fs, katalog, opcje.dzis);

    LicznikiDemo liczniki;
    KontekstDemo k{fs, katalog, {}, liczniki};
    k.kariera.dzis = engine::DayNumberFromCivil(opcje.dzis.year, opcje.dzis.month, opcje.dzis.day);
    k.kariera.pierwszyRok = opcje.dzis.year - std::max(1, opcje.lata) + 1;
    k.kariera.rokKart = std::max(k.kariera.pierwszyRok, opcje.dzis.year - 2);

    Losowanie los(opcje.ziarno);
    Losowanie losLudzi = los.Potomny(2);

    // The mix of a unit: mostly officers, then civil staff, pensioners and contractors.
    std::vector<Pracownik> ludzie;
    ludzie.reserve(static_cast<size_t>(opcje.pracownicy));
    for (int i = 0; i < opcje.pracownicy; ++i) {
        Losowanie osobny = losLudzi.Potomny(static_cast<uint64_t>(i) + 1);
        const auto kategoria = static_cast<Kategoria>(osobny.Waga({60, 15, 7, 12, 6}));
        ludzie.push_back(LosujPracownika(osobny, kategoria, i + 1, k.kariera));
    }

    ZapiszSlowniki(k);
    ZapiszKalendarz(k);
    ZapiszOrganizacje(k, ludzie);
    ZapiszPracownikow(k, ludzie);
    ZapiszUstawienia(k);
    ZapiszKartotekiPlac(k, ludzie);
    return liczniki;
}

}  // namespace mirta::tools
