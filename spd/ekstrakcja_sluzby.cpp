#include <map>

#include "spd/ekstrakcja.h"

namespace mirta::spd {

namespace {

const std::map<std::string, std::string> kSystemySluzby = {
    {"0", "0 - cywil"},
    {"1", "1-codzienny, funkcje wykonawcze"},
    {"2", "2 - zmianowy"},
    {"3", "3-codzienny, funkcje dowódcze"},
    {"4", "4-Inny bez dodatkowego urlopu"},
};

// One service-history table walked into records of a sub-kind.
struct HistoriaSluzby {
    std::string_view komponent;
    PodrodzajSPD podrodzaj;
    const char* znacznik;
    const char* poleOd;
    const char* poleKodu;
    const char* poleDo;       // own end date, or nullptr
    const char* poleRodzaju;  // lookup of the event kind, or nullptr
    const char* stalyRodzaj;  // the event kind when there is no lookup
};

constexpr HistoriaSluzby kHistorie[] = {
    {"TZatrudnienie", PodrodzajSPD::PrzebiegPracy, "PRZEBIEGPRACY", "DataOd",
     "IdentyfikatorFormyZatrudn", "DataDo", "NazwaRodzaju", nullptr},
    {"TStanowiska", PodrodzajSPD::Stanowisko, "STANOWISKO", "DataOd", "IdentyfikatorStanowiska",
     nullptr, nullptr, "Awans w stanowisku"},
    {"TPracStop", PodrodzajSPD::Stopien, "STOPIEN", "DataOdKiedy", "IdentyfikatorStopnia",
     "DataObowiazywaniaStopnia", nullptr, "Awans w stopniu"},
};

void Historia(KontekstEkstrakcji& k, const PracownikSPD& p, const HistoriaSluzby& h) {
    ZrodlaSPD& z = k.zrodla;
    const int od = z.Pole(h.komponent, h.poleOd), kod = z.Pole(h.komponent, h.poleKodu);
    const int doDnia = h.poleDo ? z.Pole(h.komponent, h.poleDo) : -1;
    const auto& wiersze = z.Wiersze(h.komponent, p.identyfikator);
    for (size_t i = 0; i < wiersze.size(); ++i) {
        const engine::Record& w = wiersze[i];
        // The end: the own end date, else the day before the next record starts.
        std::string koniec;
        if (doDnia >= 0 && !w[doDnia].IsNull())
            koniec = TekstDaty(Data(w[doDnia]));
        else if (i + 1 < wiersze.size())
            koniec = TekstDaty(compute::PoprzedniDzien(Data(wiersze[i + 1][od])));
        const std::string rodzaj =
            h.poleRodzaju ? z.Slownik(h.komponent, h.poleRodzaju, w) : h.stalyRodzaj;
        k.pisarz.Rekord(
            h.podrodzaj,
            {h.znacznik + std::to_string(p.identyfikator) + "D" + TekstDaty(Data(w[od])) +
                 Tekst(w[kod]),
             std::to_string(p.identyfikator), rodzaj, z.Slownik(h.komponent, "NazwaPodstawy", w),
             TekstDaty(Data(w[od])), koniec},
            p.pozycja);
    }
}

}  // namespace

void PobierzPrzebiegSluzby(KontekstEkstrakcji& k) {
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const HistoriaSluzby& h : kHistorie)
            Historia(k, p, h);
    });
}

void PobierzPrzypisania(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    std::map<std::string, std::string> komorki;
    {
        engine::Table& t = z.Tabela("TKomorkaPod");
        const PolaTabeli pola(t);
        const int id = pola("Identyfikator"), nazwa = pola("Nazwa");
        for (uint64_t r = 0; r < t.RowCount(); ++r) {
            const engine::Record w = t.ReadFields(r, {id, nazwa});
            komorki.try_emplace(Tekst(w[id]), Tekst(w[nazwa]));
        }
    }
    const int komorka = z.PoleMirty("KomorkaOrganizacyjna"), etat = z.PoleMirty("Etat"),
              system = z.PoleMirty("SystemSluzby");
    const int od = z.Pole("TZatrudnienie", "DataOd"),
              forma = z.Pole("TZatrudnienie", "IdentyfikatorFormyZatrudn");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        const auto& zatrudnienia = z.Wiersze("TZatrudnienie", p.identyfikator);
        if (zatrudnienia.empty())
            return;
        const engine::Record& ostatnie = zatrudnienia.back();
        auto ostatniaNazwa = [&](std::string_view komponent) {
            const auto& w = z.Wiersze(komponent, p.identyfikator);
            return w.empty() ? std::string() : z.Slownik(komponent, "NazwaStanowiska", w.back());
        };
        const auto nazwaKomorki = komorki.find(Tekst(p.wiersz[komorka]));
        const auto nazwaSystemu = kSystemySluzby.find(Tekst(p.wiersz[system]));
        k.pisarz.Rekord(
            PodrodzajSPD::PrzypisanieOrganizacyjne,
            {"PRZYPISANIEORGANIZACYJNE" + std::to_string(p.identyfikator) + "D" +
                 TekstDaty(Data(ostatnie[od])) + Tekst(ostatnie[forma]),
             std::to_string(p.identyfikator),
             nazwaKomorki == komorki.end() ? std::string() : nazwaKomorki->second,
             ostatniaNazwa("TStanowiska"), ostatniaNazwa("TStanowiskaE"),
             z.Slownik("TZatrudnienie", "NazwaFormyZatrudnienia", ostatnie),
             p.wiersz[etat].IsNull() ? std::string() : TekstLiczby(Liczba(p.wiersz[etat])),
             nazwaSystemu == kSystemySluzby.end() ? std::string() : nazwaSystemu->second},
            p.pozycja);
    });
}

}  // namespace mirta::spd
