#include "store/katalog.h"
#include "store/czesci_akt.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace mirta::store {

// The constants as written, with keys still to be worked out (katalog_tabel.cpp).
std::span<const OpisTabeli> SurowyKatalogTabel();

namespace {

int RozmiarWPliku(const OpisPola& pole, FormatPliku format) {
    using engine::FieldType;
    switch (pole.typ) {
        case FieldType::Alpha:
            return pole.rozmiar;
        case FieldType::Date:
            return format == FormatPliku::Dbase ? 8 : 4;
        case FieldType::Time:
            return 4;
        case FieldType::Number:
            return format == FormatPliku::Dbase ? pole.rozmiar : 8;
        case FieldType::Short:
            return 2;
        case FieldType::Long:
        case FieldType::AutoInc:
            return 4;
        case FieldType::Logical:
            return 1;
        default:
            return pole.rozmiar;
    }
}

std::vector<std::string> Podziel(std::string_view lista) {
    std::vector<std::string> wynik;
    while (!lista.empty()) {
        size_t koniec = lista.find(';');
        wynik.emplace_back(lista.substr(0, koniec));
        if (koniec == std::string_view::npos)
            break;
        lista.remove_prefix(koniec + 1);
    }
    return wynik;
}

// The shortest prefix of the stored fields that holds every index field, so that the key is
// unique wherever the index order is; cut short at an autoinc field, unique by itself.
int KluczZPorzadku(const OpisTabeli& opis) {
    std::vector<const OpisPola*> zapisane;
    for (const auto& p : opis.pola)
        if (p.rodzaj == RodzajPola::Zapisane)
            zapisane.push_back(&p);
    int pokrycie = 0;
    for (const auto& nazwa : opis.PolaPorzadku()) {
        auto it = std::find_if(zapisane.begin(), zapisane.end(),
                               [&](const OpisPola* p) { return p->nazwa == nazwa; });
        pokrycie = std::max(pokrycie, static_cast<int>(it - zapisane.begin()) + 1);
    }
    pokrycie = std::min<int>(pokrycie, static_cast<int>(zapisane.size()));
    for (int i = 0; i < pokrycie; ++i)
        if (zapisane[i]->typ == engine::FieldType::AutoInc)
            return i + 1;
    return pokrycie;
}

bool RowneBezWielkosci(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ZaczynaSieBezWielkosci(std::string_view tekst, std::string_view poczatek) {
    return tekst.size() >= poczatek.size() &&
           RowneBezWielkosci(tekst.substr(0, poczatek.size()), poczatek);
}

bool SameCyfry(std::string_view s, size_t ile) {
    return s.size() == ile &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "UrN2026.DB" -> "UrlNalez.db" and the like; the name itself otherwise.
std::string_view NazwaOgolna(std::string_view plik) {
    auto wzor = [&](std::string_view przedrostek, std::string_view rozszerzenie, size_t cyfr) {
        if (!ZaczynaSieBezWielkosci(plik, przedrostek) || plik.size() < przedrostek.size() + cyfr)
            return false;
        std::string_view reszta = plik.substr(przedrostek.size());
        return SameCyfry(reszta.substr(0, cyfr), cyfr) &&
               RowneBezWielkosci(reszta.substr(cyfr), rozszerzenie);
    };
    if (wzor("UrN", ".DB", 4))
        return "UrlNalez.db";
    if (wzor("WykUrl", ".DB", 4))
        return "Urlopy.db";
    if (wzor("KART", ".DBF", 4))
        return "KART.DBF";
    return plik;
}

}  // namespace

std::vector<engine::FieldDef> OpisTabeli::PolaPliku() const {
    std::vector<engine::FieldDef> wynik;
    for (const auto& p : pola) {
        if (p.rodzaj != RodzajPola::Zapisane)
            continue;
        engine::FieldDef def;
        def.name = std::string(p.nazwa);
        def.type = p.typ;
        def.size = RozmiarWPliku(p, format);
        def.decimals = p.miejscaDziesietne;
        wynik.push_back(std::move(def));
    }
    return wynik;
}

std::vector<std::string> OpisTabeli::PolaPorzadku() const {
    return Podziel(porzadek);
}

bool OpisTabeli::PorzadekJestKluczem() const {
    auto nazwy = PolaPorzadku();
    if (nazwy.empty() || static_cast<int>(nazwy.size()) != polaKlucza)
        return false;
    auto zapisane = PolaPliku();
    for (size_t i = 0; i < nazwy.size(); ++i)
        if (zapisane[i].name != nazwy[i])
            return false;
    return true;
}

const OpisPola* OpisTabeli::Pole(std::string_view nazwa) const {
    for (const auto& p : pola)
        if (p.nazwa == nazwa)
            return &p;
    return nullptr;
}

std::span<const OpisTabeli> KatalogTabel() {
    static const std::vector<OpisTabeli> katalog = [] {
        auto surowy = SurowyKatalogTabel();
        std::vector<OpisTabeli> wynik(surowy.begin(), surowy.end());
        for (auto& opis : wynik)
            if (opis.polaKlucza < 0)
                opis.polaKlucza = KluczZPorzadku(opis);
        return wynik;
    }();
    return katalog;
}

const OpisTabeli* ZnajdzTabele(std::string_view plik) {
    size_t ukosnik = plik.find_last_of("/\\");
    if (ukosnik != std::string_view::npos)
        plik.remove_prefix(ukosnik + 1);
    std::string_view ogolna = NazwaOgolna(plik);
    for (const auto& opis : KatalogTabel())
        if (RowneBezWielkosci(opis.plik, ogolna))
            return &opis;
    return nullptr;
}

const OpisTabeli* ZnajdzKomponent(std::string_view modul, std::string_view komponent) {
    for (const auto& opis : KatalogTabel())
        if (opis.komponent == komponent && (modul.empty() || opis.modul == modul))
            return &opis;
    return nullptr;
}

std::span<const CzescAktDomyslna> DomyslneCzesciAkt() {
    static constexpr CzescAktDomyslna kCzesci[] = {
        {"A", "Dokumenty związane z ubieganiem się o zatrudnienie"},
        {"B", "Dokumenty dotyczące nawiązania stosunku pracy i przebiegu zatrudnienia"},
        {"C", "Dokumenty związane z ustaniem zatrudnienia"},
        {"D", "Dokumenty związane z ukaraniem karą porządkową"},
        {"E", "Dokumenty związane z kontrolą trzeźwości i kontrolą na obecność środków "
              "działających podobnie do alkoholu"},
    };
    return kCzesci;
}

std::string PlikUrlopowNaleznych(int rok) {
    if (rok < kPierwszyRokPlikowUrlopow)
        return "UrlNalez.db";
    return "UrN" + std::to_string(rok) + ".DB";
}

std::string PlikUrlopowWykorzystanych(int rok) {
    if (rok < kPierwszyRokPlikowUrlopow)
        return "Urlopy.db";
    return "WykUrl" + std::to_string(rok) + ".DB";
}

std::string PlikKartotekiPlac(int rok, int miesiac) {
    char nazwa[32];
    std::snprintf(nazwa, sizeof nazwa, "KART%02d%02d.DBF", rok % 100, miesiac);
    return nazwa;
}

std::vector<PlikDoUtworzenia> PlikiNowejBazy(int rok) {
    std::vector<PlikDoUtworzenia> wynik;
    for (const auto& opis : KatalogTabel()) {
        if (opis.drugiWidok || opis.miejsce == MiejscePliku::Paczka ||
            opis.miejsce == MiejscePliku::KartotekaPlac)
            continue;
        std::string katalog;
        if (opis.miejsce == MiejscePliku::Spd)
            katalog = "SPD/";
        if (opis.miejsce == MiejscePliku::Rovante)
            katalog = "ROVANTE/";
        wynik.push_back({&opis, katalog + std::string(opis.plik)});
        if (opis.komponent == "TUrlopy" && rok >= kPierwszyRokPlikowUrlopow)
            wynik.push_back({&opis, PlikUrlopowWykorzystanych(rok)});
        if (opis.komponent == "TUrlopNalez" && rok >= kPierwszyRokPlikowUrlopow)
            wynik.push_back({&opis, PlikUrlopowNaleznych(rok)});
    }
    return wynik;
}

}  // namespace mirta::store
