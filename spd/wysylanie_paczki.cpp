#include "spd/wysylanie_paczki.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "compute/teksty.h"
#include "spd/csv_spd.h"
#include "spd/generowanie.h"
#include "spd/kontrola_przesylki.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "store/uprawnienia.h"
#include "store/udostepnienia.h"

namespace mirta::spd {

namespace {

struct NaglowekPaczki {
    int32_t harmonogram = 0;
    std::string nazwa, rodzaj, nazwaPliku, sposob;
};

std::vector<NaglowekPaczki> CzytajNaglowki(engine::Table& t) {
    const PolaTabeli p(t);
    const int h = p("IdentyfikatorHarmOryginal"), nazwa = p("Nazwa"), rodzaj = p("Rodzaj"),
              plik = p("NazwaPliku"), sposob = p("SposobPrzesylania");
    std::vector<NaglowekPaczki> naglowki;
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        const engine::Record w = t.ReadRow(r);
        naglowki.push_back({static_cast<int32_t>(CalkowitaLubZero(w[h])), Tekst(w[nazwa]),
                            Tekst(w[rodzaj]), Tekst(w[plik]), Tekst(w[sposob])});
    }
    return naglowki;
}

// The field rows of one header, in key order, read one by one.
// The employees of the package sent, in the register of disclosures; a failure to write the
// entry is told, the send itself succeeded.
void ZarejestrujWysylke(engine::Table& pozycje, const WpisRejestru& wpis, const std::string& nazwa,
                        store::Dialogi& dialogi) {
    try {
        const int pole = PolaTabeli(pozycje).Opcjonalne("IdentyfikatorPracownika");
        std::vector<int32_t> pracownicy;
        for (uint64_t i = 0; pole >= 0 && i < pozycje.RowCount(); ++i) {
            const int64_t id = CalkowitaLubZero(pozycje.ReadField(i, pole));
            if (id > 0)
                pracownicy.push_back(static_cast<int32_t>(id));
        }
        store::Udostepniono(store::kOdbiorcaSPD, store::kRodzajPrzesylka, wpis.katalog, nazwa,
                            std::move(pracownicy));
    } catch (const std::exception& e) {
        dialogi.Blad(e.what(), kTytulBleduSPD);
    }
}

class WierszePaczki {
public:
    WierszePaczki(engine::Table& t, int32_t harmonogram)
        : m_t(t), m_harmonogram(harmonogram), m_p(t) {
        m_pola = {m_p("IdentyfikatorHarmonogramu"),
                  m_p("IdentyfikatorPola"),
                  m_p("NazwaPola"),
                  m_p("TYP"),
                  m_p("Zawartosc"),
                  m_p("OpisDodatkowy"),
                  m_p("Wymagalnosc"),
                  m_p("Nazwisko"),
                  m_p("Imie1")};
        m_r = t.LowerBound({engine::Value::Integer(harmonogram)});
    }
    bool Nastepny(engine::Record& w) {
        if (m_r >= m_t.RowCount())
            return false;
        w = m_t.ReadFields(m_r, m_pola);
        if (CalkowitaLubZero(w[m_pola[0]]) != m_harmonogram)
            return false;
        ++m_r;
        return true;
    }
    const std::vector<int>& Pola() const { return m_pola; }

private:
    engine::Table& m_t;
    int32_t m_harmonogram;
    PolaTabeli m_p;
    std::vector<int> m_pola;
    uint64_t m_r = 0;
};

}  // namespace

ParametrySPD ParametryWysylki(engine::FileSystem& fs, const std::string& katalogDanych) {
    auto t = OtworzTabeleSPD(fs, katalogDanych, "TSPDParametry");
    ParametrySPD p = CzytajParametrySPD(*t).wysylka;
    const std::string sciezka(compute::Przytnij(p.sciezka));
    p.sciezka = sciezka.empty() ? katalogDanych : SciezkaWKatalogu(katalogDanych, sciezka);
    return p;
}

std::optional<std::string> GenerujIWyslijPlikiSPD(engine::FileSystem& fs,
                                                  const std::string& katalogDanych,
                                                  const WpisRejestru& wpis,
                                                  const store::SesjaUzytkownika& sesja,
                                                  store::Dialogi& dialogi,
                                                  const OpcjeWysylaniaPaczki& opcje) {
    if (const auto odmowa = store::OdmowaZmiany(sesja)) {
        dialogi.Blad(*odmowa, store::kTytulBledu);
        return std::nullopt;
    }
    auto krok = [&](const std::string& k) {
        if (opcje.krok)
            opcje.krok(k);
    };
    if (dialogi.TakNie("Czy chcesz wygenerować pliki do SPD ?", kTytulKontroliDanych,
                       store::Ikona::Pytanie, store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
        return std::nullopt;
    const std::string folderPaczki =
        SciezkaWKatalogu(katalogDanych, std::string(compute::Przytnij(wpis.katalog)));
    for (const std::string& plik : {std::string(compute::Przytnij(wpis.nazwaPlikuZarzadzajacego)),
                                    std::string("PozPrzesylki.db")}) {
        const std::string sciezka = folderPaczki + "/" + plik;
        if (!fs.Exists(engine::ResolvePath(fs, sciezka))) {
            dialogi.Blad("Brak pliku:" + std::string(compute::Przytnij(wpis.katalog)) + "\\" + plik,
                         kTytulKontroliDanych);
            return std::nullopt;
        }
    }
    if (const auto powod = PaczkaNiekompletna(katalogDanych, wpis.katalog)) {
        dialogi.Blad(*powod, kTytulKontroliDanych);
        return std::nullopt;
    }
    ParametrySPD parametry;
    std::unique_ptr<engine::Table> naglowki, pozycje;
    try {
        parametry = ParametryWysylki(fs, katalogDanych);
        naglowki = OtworzTabelePaczki(fs, folderPaczki, "TGlowkiPlikow");
        pozycje = OtworzTabelePaczki(fs, folderPaczki, "TPozPlikow");
    } catch (const std::exception& e) {
        dialogi.Blad(e.what(), kTytulKontroliDanych);
        return std::nullopt;
    }
    if (const auto blad = SprawdzKodyJednostki(parametry)) {
        dialogi.Blad(*blad, kTytulKontroliDanych);
        return std::nullopt;
    }
    const std::vector<NaglowekPaczki> lista = CzytajNaglowki(*naglowki);

    krok("Kontrola danych proszę czekać");
    KontrolaPrzesylki kontrola;
    for (const NaglowekPaczki& n : lista) {
        kontrola.Naglowek(n.nazwa, n.rodzaj);
        WierszePaczki wiersze(*pozycje, n.harmonogram);
        const auto& p = wiersze.Pola();
        engine::Record w;
        while (wiersze.Nastepny(w))
            kontrola.Pole({static_cast<int>(CalkowitaLubZero(w[p[1]])), Tekst(w[p[2]]),
                           Tekst(w[p[5]]), !w[p[6]].IsNull() && w[p[6]].AsLogical(), Tekst(w[p[4]]),
                           Tekst(w[p[7]]), Tekst(w[p[8]])});
    }
    if (!kontrola.Poprawna()) {
        if (opcje.pokazBledy)
            opcje.pokazBledy(kontrola.Zestawienie());
        if (dialogi.TakNie("Czy chcesz wygenerować pliki do SPD pomimo błędów ?",
                           kTytulKontroliDanych, store::Ikona::Pytanie,
                           store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
            return std::nullopt;
    }

    const std::string nazwa =
        IdentyfikatorWysylki(parametry, opcje.chwila.value_or(std::chrono::system_clock::now()));
    const std::string folder = FolderWysylki(parametry, nazwa);
    std::error_code ec;
    if (!std::filesystem::create_directories(folder, ec)) {
        dialogi.Blad("Nie udało się utworzyć folderu " + folder, kTytulBleduSPD);
        return std::nullopt;
    }
    krok("Zapis plików CSV");
    bool brakujePliku = false;
    for (const NaglowekPaczki& n : lista) {
        WierszePaczki wiersze(*pozycje, n.harmonogram);
        const auto& p = wiersze.Pola();
        bool sa = false;
        engine::Record w;
        const auto zapisany = ZapiszPlikCSV(
            folder, {parametry.kodSD, n.nazwaPliku, n.sposob, wpis.dataTworzenia},
            [&](PoleCSV& pole) {
                if (!wiersze.Nastepny(w))
                    return false;
                sa = true;
                pole = {static_cast<int>(CalkowitaLubZero(w[p[1]])), Tekst(w[p[2]]), Tekst(w[p[3]]),
                        Tekst(w[p[4]])};
                return true;
            },
            dialogi);
        brakujePliku = brakujePliku || (sa && !zapisany);
    }
    if (brakujePliku &&
        dialogi.TakNie("Nie wszystkie pliki CSV zostały zapisane. Czy wysłać przesyłkę bez nich ?",
                       kTytulKontroliDanych, store::Ikona::Pytanie,
                       store::Odpowiedz::Nie) != store::Odpowiedz::Tak)
        return std::nullopt;
    krok("Pakowanie i wysyłanie");
    if (!SpakujIWyslijSPD(nazwa, parametry, dialogi, opcje.wysylka))
        return std::nullopt;
    ZarejestrujWysylke(*pozycje, wpis, nazwa, dialogi);
    return nazwa;
}

}  // namespace mirta::spd
