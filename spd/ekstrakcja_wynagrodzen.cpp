#include <map>

#include "compute/teksty.h"
#include "compute/zaokraglij.h"
#include "spd/csv_spd.h"
#include "spd/ekstrakcja.h"
#include "spd/tabele_spd.h"
#include "engine/dbf_table.h"
#include "store/katalog.h"
#include "store/tdm.h"

namespace mirta::spd {

namespace {

constexpr double kNajmniejszaKwota = 0.009;

struct Skladnik {
    std::string nazwa;
    std::string kod;
    std::string numer;  // card line number, trimmed
};

struct WierszKarty {
    int64_t numerSkladnika;
    double kwota;
};

std::vector<Skladnik> CzytajSkladniki(KontekstEkstrakcji& k) {
    auto t = OtworzTabeleSPD(k.zrodla.Tdm().Fs(), k.katalogDanych, "TSPDWynagrodzenia");
    const PolaTabeli p(*t);
    const int lp = p("LP"), nazwa = p("NazwaSkladnika"), kod = p("KodSkladnika"),
              numer = p("NumerSkladnikaPlace");
    std::vector<std::pair<engine::Record, Skladnik>> wiersze;
    for (uint64_t r = 0; r < t->RowCount(); ++r) {
        engine::Record w = t->ReadRow(r);
        Skladnik s{Tekst(w[nazwa]), Tekst(w[kod]), Przyciety(w[numer])};
        wiersze.emplace_back(std::move(w), std::move(s));
    }
    std::stable_sort(wiersze.begin(), wiersze.end(), [&](const auto& a, const auto& b) {
        return PorownajWartosci(a.first[lp], b.first[lp]) < 0;
    });
    std::vector<Skladnik> skladniki;
    for (auto& [w, s] : wiersze)
        skladniki.push_back(std::move(s));
    return skladniki;
}

// The card file of the month before the data date: its path as the header names it.
std::string SciezkaKartoteki(const KontekstEkstrakcji& k, int rok, int miesiac) {
    const std::string plik = store::PlikKartotekiPlac(rok, miesiac);
    const std::string katalog(compute::Przytnij(k.naglowek.katalogPlac));
    if (katalog.empty())
        return k.katalogDanych + "/" + plik;
    return SciezkaWKatalogu(k.katalogDanych, katalog) + "/" + plik;
}

}  // namespace

// The card file is read once, its rows grouped by the payroll number; every employee's sums
// are then added up in the file's order, as a walk of the file per employee would.
void PobierzWynagrodzenia(KontekstEkstrakcji& k) {
    const std::vector<Skladnik> skladniki = CzytajSkladniki(k);
    if (skladniki.empty()) {
        k.dialogi.Blad("Brak w parametrach składników wynagrodzeń !!!", kTytulKontroliDanych);
        k.dialogi.Blad("Błąd tworzenia danych wynagrodzeń !!!", kTytulKontroliDanych);
        return;
    }
    const auto [rokKarty, miesiacKarty] = MiesiacPoprzedni(k.dataDanych);
    const std::string sciezka = SciezkaKartoteki(k, rokKarty, miesiacKarty);
    engine::FileSystem& fs = k.zrodla.Tdm().Fs();
    const std::string plik = engine::ResolvePath(fs, sciezka);
    if (!fs.Exists(plik)) {
        k.dialogi.Blad("Brak zbioru kartoreki: " + sciezka, kTytulKontroliDanych);
        return;
    }
    if (miesiacKarty < 1 || miesiacKarty > 12) {
        k.dialogi.Blad("Nieznanepole wartości kartoteki płacowej !!!", kTytulKontroliDanych);
        return;
    }
    std::unique_ptr<engine::DbfTable> karta;
    try {
        engine::DbfOptions opcje;
        opcje.readOnly = true;
        karta = engine::DbfTable::Open(fs, plik, opcje);
    } catch (const std::exception& e) {
        k.dialogi.Blad("Błąd otwierania tabel:" + sciezka +
                           " na wyłączność !!!\n Dokładna specyfikacja błędu:\n" + e.what(),
                       kTytulKontroliDanych);
        return;
    }
    const PolaTabeli p(*karta);
    const int nrp = p("KR_NRP"), nrs = p("KR_NRS"), kolumna = p("KR_" + DwieCyfry(miesiacKarty));
    std::map<int64_t, std::vector<WierszKarty>> karty;
    for (uint64_t r = 0; r < karta->RowCount(); ++r) {
        const engine::Record w = karta->ReadFields(r, {nrp, nrs, kolumna});
        const auto numer = Calkowita(w[nrp]);
        const auto skladnik = Calkowita(w[nrs]);
        if (numer && skladnik)
            karty[*numer].push_back({*skladnik, Liczba(w[kolumna])});
    }
    karta.reset();

    const std::string miesiac = DwieCyfry(k.dataDanych.miesiac);
    const std::string rok = std::to_string(k.dataDanych.rok);
    const int numerPola = k.zrodla.PoleMirty("NumerPracownika");
    std::vector<double> sumy(skladniki.size());
    DlaWybranych(k, [&](const PracownikSPD& pr) {
        const auto numer = Calkowita(pr.wiersz[numerPola]);
        if (!numer || *numer <= 0)
            return;
        std::fill(sumy.begin(), sumy.end(), 0.0);
        if (const auto it = karty.find(*numer); it != karty.end())
            for (const WierszKarty& w : it->second)
                for (size_t s = 0; s < skladniki.size(); ++s)
                    if (skladniki[s].numer == std::to_string(w.numerSkladnika))
                        sumy[s] += w.kwota;
        for (size_t s = 0; s < skladniki.size(); ++s) {
            const double suma = compute::Zaokraglij(sumy[s], 2);
            if (!(std::abs(suma) > kNajmniejszaKwota))
                continue;
            k.pisarz.Rekord(
                PodrodzajSPD::SkladnikWynagrodzenia,
                {std::to_string(pr.identyfikator) + ";" + miesiac + ";" + rok + ";" +
                     skladniki[s].kod + skladniki[s].numer,
                 std::to_string(pr.identyfikator), miesiac, rok, skladniki[s].nazwa, Kwota15(suma)},
                pr.pozycja);
        }
    });
}

}  // namespace mirta::spd
