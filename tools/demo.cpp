#include "tools/demo.h"

#include <ctime>

#include "engine/paradox_format.h"
#include "store/nowa_baza.h"
#include "tools/demo_wewn.h"

namespace mirta::tools {

namespace {

bool KonczySieNa(std::string nazwa, const std::string& koncowka) {
    for (auto& c : nazwa)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return nazwa.size() >= koncowka.size() &&
           nazwa.compare(nazwa.size() - koncowka.size(), koncowka.size(), koncowka) == 0;
}

// The table files carry the time of their last change: Paradox the Unix seconds in the
// header, dBase the date. Stamping the demo's own "today" makes a seed give the same bytes
// on any day.
void UstalCzasPlikow(engine::FileSystem& fs, const std::string& katalog, engine::CivilDate dzis) {
    const int64_t dni = engine::DayNumberFromCivil(dzis.year, dzis.month, dzis.day) -
                        engine::DayNumberFromCivil(1970, 1, 1);
    const uint32_t sekundy = static_cast<uint32_t>(dni * 86400 + 12 * 3600);
    const uint8_t paradox[4] = {static_cast<uint8_t>(sekundy), static_cast<uint8_t>(sekundy >> 8),
                                static_cast<uint8_t>(sekundy >> 16),
                                static_cast<uint8_t>(sekundy >> 24)};
    const uint8_t dbase[3] = {static_cast<uint8_t>(dzis.year - 1900),
                              static_cast<uint8_t>(dzis.month), static_cast<uint8_t>(dzis.day)};
    for (const std::string& podkatalog : {katalog, katalog + "/SPD", katalog + "/ROVANTE"}) {
        for (const auto& nazwa : fs.List(podkatalog)) {
            const std::string sciezka = podkatalog + "/" + nazwa;
            if (KonczySieNa(nazwa, ".db")) {
                auto plik = fs.Open(sciezka, engine::OpenMode::ReadWrite);
                plik->WriteAt(engine::paradox::kFileUpdateTime, paradox, sizeof paradox);
                plik->Sync();
            } else if (KonczySieNa(nazwa, ".dbf")) {
                auto plik = fs.Open(sciezka, engine::OpenMode::ReadWrite);
                plik->WriteAt(1, dbase, sizeof dbase);
                plik->Sync();
            }
        }
    }
}

}  // namespace

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
    ZapiszDefinicjeWydrukow(k);
    ZapiszKartotekiPlac(k, ludzie);
    ZapiszSzablony(k);
    // The SPD working directory the parameters name: sends land there.
    fs.CreateDirectories(katalog + "/SPD/WYSLANE");
    UstalCzasPlikow(fs, katalog, opcje.dzis);
    return liczniki;
}

}  // namespace mirta::tools
