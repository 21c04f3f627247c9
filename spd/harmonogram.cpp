#include "spd/harmonogram.h"

#include <algorithm>
#include <cstdio>

#include "engine/collation.h"
#include "spd/pola_tabeli.h"

namespace mirta::spd {

namespace {

std::optional<int> Mala(const engine::Value& v) {
    const auto x = Calkowita(v);
    return x ? std::optional<int>(static_cast<int>(*x)) : std::nullopt;
}

std::string TekstLiczby(std::optional<int> x) {
    return x ? std::to_string(*x) : std::string();
}

// 1 Monday ... 7 Sunday.
int NumerDniaTygodnia(compute::DataKal d) {
    // Day 1 (0001-01-01) was a Monday.
    return static_cast<int>((compute::NumerDnia(d) - 1) % 7) + 1;
}

}  // namespace

std::vector<WpisHarmonogramu> CzytajHarmonogram(engine::Table& t) {
    const PolaTabeli p(t);
    const int nazwa = p("Nazwa"), rodzaj = p("Rodzaj"), id = p("Identyfikator"),
              sposob = p("SposobPrzesylania"), plik = p("NazwaPliku"),
              system = p("IdentyfikatorSystemuDzied"), rok = p("Rok"), miesiac = p("Miesiac"),
              dzien = p("Dzien"), dzienOkresu = p("DzienOkresu"), godzina = p("Godzina"),
              lp = p("LP"), plac = p("KatalogPlac"), pit = p("KatalogPit"), aktywny = p("Aktywny");
    std::vector<WpisHarmonogramu> wpisy;
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        engine::Record w = t.ReadRow(r);
        WpisHarmonogramu e;
        e.identyfikator = static_cast<int32_t>(CalkowitaLubZero(w[id]));
        e.nazwa = Tekst(w[nazwa]);
        e.rodzaj = Tekst(w[rodzaj]);
        e.sposobPrzesylania = Tekst(w[sposob]);
        e.nazwaPliku = Tekst(w[plik]);
        e.identyfikatorSystemuDzied = Tekst(w[system]);
        e.rok = Mala(w[rok]);
        e.miesiac = Mala(w[miesiac]);
        e.dzien = Mala(w[dzien]);
        e.dzienOkresu = Mala(w[dzienOkresu]);
        if (w[godzina].kind() == engine::Value::Kind::Time)
            e.godzina = w[godzina].AsMilliseconds();
        e.lp = Mala(w[lp]);
        e.katalogPlac = Tekst(w[plac]);
        e.katalogPit = Tekst(w[pit]);
        e.aktywny = !w[aktywny].IsNull() && w[aktywny].AsLogical();
        e.wiersz = std::move(w);
        wpisy.push_back(std::move(e));
    }
    // The index order: LP (empty first), then the name in Polish collation.
    std::stable_sort(wpisy.begin(), wpisy.end(), [](const auto& a, const auto& b) {
        if (a.lp != b.lp)
            return a.lp < b.lp;
        return engine::CollationKey(a.nazwa) < engine::CollationKey(b.nazwa);
    });
    return wpisy;
}

std::string OpisWykonania(const std::string& sposob, std::optional<int32_t> godzina,
                          std::optional<int> dzien, std::optional<int> miesiac,
                          std::optional<int> dzienOkresu) {
    if (sposob == "D") {
        std::string czas;
        if (godzina) {
            char bufor[16];
            std::snprintf(bufor, sizeof bufor, "%02d:%02d", *godzina / 3600000,
                          *godzina / 60000 % 60);
            czas = bufor;
        }
        return "Codziennie do godziny:" + czas;
    }
    if (sposob == "T")
        return TekstLiczby(dzienOkresu) + " dnia tygodnia";
    if (sposob == "M")
        return TekstLiczby(dzien) + " dnia miesiąca";
    const char* okres = sposob == "K"   ? " miesiąca kwartału"
                        : sposob == "P" ? " miesiąca pólrocza"
                        : sposob == "R" ? " miesiąca roku"
                                        : nullptr;
    if (!okres)
        return {};
    return TekstLiczby(dzien) + " dnia " + TekstLiczby(miesiac) + okres;
}

std::string OpisWykonania(const WpisHarmonogramu& w) {
    return OpisWykonania(w.sposobPrzesylania, w.godzina, w.dzien, w.miesiac, w.dzienOkresu);
}

std::map<int32_t, compute::DataKal> OstatnieWysylki(engine::Table& t) {
    const PolaTabeli p(t);
    const int harm = p("IdentyfikatHarmonogramu"), data = p("DataPrzesylki");
    std::map<int32_t, compute::DataKal> ostatnie;
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        const engine::Record w = t.ReadFields(r, {harm, data});
        const auto id = static_cast<int32_t>(CalkowitaLubZero(w[harm]));
        compute::DataKal& d = ostatnie[id];
        d = std::max(d, Data(w[data]));
    }
    return ostatnie;
}

bool WpisNalezny(const WpisHarmonogramu& w, compute::DataKal dzis,
                 std::optional<compute::DataKal> ostatnia) {
    if (!w.aktywny)
        return false;
    const int dzienOkresu = w.dzienOkresu.value_or(0);
    if (w.sposobPrzesylania == "D")
        return true;
    if (w.sposobPrzesylania == "M") {
        if (!ostatnia)
            return dzis.dzien >= dzienOkresu;
        return !(compute::DataKal{dzis.rok, dzis.miesiac, 1} < *ostatnia);
    }
    if (w.sposobPrzesylania == "T") {
        const int dzienTygodnia = NumerDniaTygodnia(dzis);
        if (!ostatnia)
            return dzienTygodnia >= dzienOkresu;
        if (dzis < *ostatnia)
            return false;
        const int64_t odOstatniej = compute::NumerDnia(dzis) - compute::NumerDnia(*ostatnia);
        if (dzienTygodnia >= odOstatniej)
            return false;
        return dzienTygodnia >= dzienOkresu;
    }
    return false;
}

bool Zaznaczenia::Zaznaczony(int32_t identyfikator) const {
    return std::find(m_lista.begin(), m_lista.end(), identyfikator) != m_lista.end();
}

void Zaznaczenia::Zaznacz(int32_t identyfikator) {
    if (!Zaznaczony(identyfikator))
        m_lista.push_back(identyfikator);
}

void Zaznaczenia::Odznacz(int32_t identyfikator) {
    std::erase(m_lista, identyfikator);
}

Zaznaczenia Zaznaczenia::Nalezne(const std::vector<WpisHarmonogramu>& harmonogram,
                                 const std::map<int32_t, compute::DataKal>& ostatnie,
                                 compute::DataKal dzis) {
    Zaznaczenia z;
    for (const auto& w : harmonogram) {
        const auto it = ostatnie.find(w.identyfikator);
        if (WpisNalezny(w, dzis, it == ostatnie.end() ? std::nullopt : std::optional(it->second)))
            z.Zaznacz(w.identyfikator);
    }
    return z;
}

std::vector<WpisHarmonogramu> Zaznaczenia::Wybrane(
    const std::vector<WpisHarmonogramu>& harmonogram) const {
    std::vector<WpisHarmonogramu> wybrane;
    for (const WpisHarmonogramu& w : harmonogram)
        if (Zaznaczony(w.identyfikator))
            wybrane.push_back(w);
    return wybrane;
}

Zaznaczenia Zaznaczenia::Wszystkie(const std::vector<WpisHarmonogramu>& harmonogram) {
    Zaznaczenia z;
    for (const auto& w : harmonogram)
        if (w.aktywny)
            z.Zaznacz(w.identyfikator);
    return z;
}

}  // namespace mirta::spd
