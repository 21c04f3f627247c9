#include "payroll/przegrywanie.h"

#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"
#include "engine/dataset.h"
#include "engine/dbf_table.h"
#include "engine/file_system.h"
#include "store/udostepnienia.h"

namespace mirta::payroll {

namespace {

using Stan = WynikPrzegrania::Stan;

// Names listed in the warning about characters; the rest are counted.
constexpr size_t kNazwiskWOstrzezeniu = 20;

std::string Sciezka(const std::string& katalog, std::string_view plik) {
    return katalog + "/" + std::string(plik);
}

// "Kowalski Jan (identyfikator 12)", as the user finds the employee in the list.
std::string OpisPracownika(const engine::RowView& r) {
    std::string opis = r.Text("Nazwisko");
    const std::string imie = r.Text("Imie1");
    if (!imie.empty())
        opis += " " + imie;
    return opis + " (identyfikator " + r.Text("Identyfikator") + ")";
}

// The two payroll files opened for appending and locked against other writers.
struct PlikiDoDopisania {
    std::unique_ptr<engine::DbfTable> mirta, praclist;

    PlikiDoDopisania(engine::FileSystem& fs, const std::string& katalog) {
        mirta = engine::DbfTable::Open(fs, Sciezka(katalog, kPlikMirta));
        praclist = engine::DbfTable::Open(fs, Sciezka(katalog, kPlikPracList));
        mirta->HoldLock();
        try {
            praclist->HoldLock();
        } catch (...) {
            mirta->ReleaseLock();
            throw;
        }
    }
    ~PlikiDoDopisania() {
        praclist->ReleaseLock();
        mirta->ReleaseLock();
    }
    PlikiDoDopisania(const PlikiDoDopisania&) = delete;
    PlikiDoDopisania& operator=(const PlikiDoDopisania&) = delete;
};

void OstrzezOZnakach(store::Dialogi& dialogi, const std::vector<std::string>& pracownicy) {
    if (pracownicy.empty())
        return;
    std::string tekst =
        "Niektórych znaków nie ma w wybranym standardzie polskich liter płac; zapisano je "
        "jako \"?\". Dotyczy to pracowników:";
    for (size_t i = 0; i < pracownicy.size() && i < kNazwiskWOstrzezeniu; ++i)
        tekst += "\n" + pracownicy[i];
    if (pracownicy.size() > kNazwiskWOstrzezeniu)
        tekst += "\ni innych: " + std::to_string(pracownicy.size() - kNazwiskWOstrzezeniu);
    dialogi.Ostrzezenie(tekst, kTytulKontroliDanych);
}

// Takes back what an interrupted append may have left counted; says what could not be undone.
std::string Wycofaj(engine::DbfTable& tabela, uint64_t wiersze) {
    try {
        tabela.TakeBackAppends(wiersze);
        return {};
    } catch (const std::exception& e) {
        return "\nNie udało się wycofać wiersza tego pracownika z pliku " + tabela.Path() + ": " +
               e.what() + "\nPliki MIRTA.DBF i PRACLIST.DBF mogą się teraz różnić.";
    }
}

// The employees whose rows reached the payroll files, in the register of disclosures.
void ZarejestrujPrzegranie(const engine::Dataset& pracownicy, int64_t przegranych,
                           store::Dialogi& dialogi) {
    if (przegranych <= 0)
        return;
    try {
        std::vector<int32_t> lista;
        for (int64_t i = 0; i < przegranych; ++i)
            lista.push_back(static_cast<int32_t>(pracownicy.RowAt(i)["Identyfikator"].AsInteger()));
        store::Udostepniono(store::kOdbiorcaPlac, store::kRodzajEksport,
                            "Przegranie danych do płac",
                            std::string(kPlikMirta) + ", " + std::string(kPlikPracList), lista);
    } catch (const std::exception& e) {
        dialogi.Blad(e.what(), store::kTytulBledu);
    }
}

}  // namespace

std::optional<std::string> BrakujacyPlikPlacowy(engine::FileSystem& fs,
                                                const std::string& katalogDanych) {
    for (std::string_view plik : {kPlikMirta, kPlikPracList, kPlikKodPol})
        if (!fs.Exists(engine::ResolvePath(fs, Sciezka(katalogDanych, plik))))
            return "Brak pliku:" + std::string(plik);
    return std::nullopt;
}

WynikPrzegrania PrzegrajDanePlacowe(engine::FileSystem& fs, const std::string& katalogDanych,
                                    const engine::Dataset& pracownicy,
                                    const OpcjePrzegrywania& opcje, store::Dialogi& dialogi,
                                    const PostepPrzegrywania& postep) {
    WynikPrzegrania wynik;
    if (dialogi.TakNie("Czy chcesz przegrać dane do płac ?", "Kontrola.", store::Ikona::Pytanie,
                       store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
        return wynik;

    std::unique_ptr<PlikiDoDopisania> pliki;
    std::unique_ptr<TlumaczLiter> tlumacz;
    std::unique_ptr<WierszePlacowe> wiersze;
    try {
        engine::DbfOptions doOdczytu;
        doOdczytu.readOnly = true;
        const std::optional<std::string> kody = KodyStandardu(
            *engine::DbfTable::Open(fs, Sciezka(katalogDanych, kPlikKodPol), doOdczytu),
            opcje.litery);
        if (!kody) {
            dialogi.Blad("Brak standartu polskich liter !!!", kTytulKontroliDanych);
            wynik.stan = Stan::BrakStandardu;
            return wynik;
        }
        if (postep.poczatek)
            postep.poczatek(pracownicy.RecordCount());
        pliki = std::make_unique<PlikiDoDopisania>(fs, katalogDanych);
        tlumacz = std::make_unique<TlumaczLiter>(*kody, opcje.litery);
        wiersze = std::make_unique<WierszePlacowe>(*pliki->mirta, *pliki->praclist, pracownicy,
                                                   *tlumacz, opcje.numer);
    } catch (const std::exception& e) {
        dialogi.Blad("Nie przegrano danych do płac.\n" + std::string(e.what()), store::kTytulBledu);
        wynik.stan = Stan::Przerwano;
        return wynik;
    }

    engine::DbfTable& mirta = *pliki->mirta;
    engine::DbfTable& praclist = *pliki->praclist;
    std::vector<std::string> zeZnakamiZastapionymi;
    std::string pracownik;
    std::string blad;
    try {
        for (int64_t i = 0; i < pracownicy.RecordCount(); ++i) {
            pracownik.clear();
            const engine::RowView r = pracownicy.RowAt(i);
            pracownik = OpisPracownika(r);
            const ParaWierszy para = wiersze->Zbuduj(r);
            const uint64_t przedMirta = mirta.RecordCount();
            const uint64_t przedLista = praclist.RecordCount();
            bool mirtaDopisana = false;
            try {
                mirta.Insert(para.mirta);
                mirtaDopisana = true;
                praclist.Insert(para.praclist);
            } catch (const std::exception& e) {
                std::string opis = e.what() + Wycofaj(mirta, przedMirta);
                if (mirtaDopisana)
                    opis += Wycofaj(praclist, przedLista);
                throw std::runtime_error(opis);
            }
            if (para.zastapiono)
                zeZnakamiZastapionymi.push_back(pracownik);
            ++wynik.przegranych;
            if (postep.krok)
                postep.krok(wynik.przegranych);
        }
        wynik.stan = Stan::Przegrano;
    } catch (const std::exception& e) {
        blad = "Przegrywanie danych do płac przerwane. Przegrano dane pracowników: " +
               std::to_string(wynik.przegranych) + ".";
        if (!pracownik.empty())
            blad += "\nNie udało się przegrać danych pracownika: " + pracownik + ".";
        blad += "\n" + std::string(e.what());
        wynik.stan = Stan::Przerwano;
    }
    // The payroll program may have its files back while the user reads the messages.
    pliki.reset();
    ZarejestrujPrzegranie(pracownicy, wynik.przegranych, dialogi);
    if (!blad.empty())
        dialogi.Blad(blad, store::kTytulBledu);
    OstrzezOZnakach(dialogi, zeZnakamiZastapionymi);
    return wynik;
}

}  // namespace mirta::payroll
