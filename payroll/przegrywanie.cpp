#include "payroll/przegrywanie.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

#include "engine/dataset.h"
#include "engine/dbf_pair_append.h"
#include "engine/dbf_table.h"
#include "engine/file_system.h"
#include "payroll/powtorzenia.h"
#include "store/otwarte_w_placach.h"
#include "store/sesja.h"
#include "store/udostepnienia.h"
#include "store/uprawnienia.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"

namespace mirta::payroll {

namespace {

using Stan = WynikPrzegrania::Stan;

// Names listed in the warning about characters; the rest are counted.
constexpr size_t kNazwiskWOstrzezeniu = 20;
// Employees whose pairs are counted together: the flushes of a run do not grow with the unit.
constexpr uint64_t kParNaZatwierdzenie = 5000;
// Both files' counts while a commit is under way, for settling a cut at the next run.
constexpr std::string_view kDziennikPrzegrywania = "PRZEGRYWANIE.JNL";

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

// The payroll program may have its files open (often over a network share): written only
// after the user agrees, never silently.
bool PlikiPlacoweDoZapisu(engine::FileSystem& fs, const std::string& katalog,
                          store::Dialogi& dialogi) {
    std::vector<store::PlikPlacowy> pliki;
    for (std::string_view plik : {kPlikMirta, kPlikPracList})
        pliki.push_back({engine::ResolvePath(fs, Sciezka(katalog, plik)), std::string(plik)});
    return store::ZapisMimoOtwarciaWPlacach(pliki, dialogi);
}

// Whether the employees already waiting in the files are written again: as the options say,
// else the user's answer (default no). Nobody waiting: everybody is written.
bool DopisacPowtorzonych(engine::FileSystem& fs, const std::string& katalog,
                         const engine::Dataset& pracownicy, const OpcjePrzegrywania& opcje,
                         store::Dialogi& dialogi) {
    if (opcje.ponownie)
        return *opcje.ponownie;
    const int64_t powtorzonych =
        PoliczPowtorzonych(fs, Sciezka(katalog, kPlikMirta), pracownicy, opcje.numer);
    if (powtorzonych == 0)
        return true;
    return dialogi.TakNie(PytanieOPowtorzenie(powtorzonych), "Kontrola.", store::Ikona::Pytanie,
                          store::Odpowiedz::Nie) == store::Odpowiedz::Tak;
}

// The employees whose rows reached the payroll files, in the register of disclosures.
// `dopisani` in the order their pairs were appended; the first `przegranych` are counted.
void ZarejestrujPrzegranie(std::vector<int32_t> dopisani, int64_t przegranych,
                           store::Dialogi& dialogi) {
    if (przegranych <= 0)
        return;
    try {
        std::vector<int32_t> lista(std::move(dopisani));
        lista.resize(std::min(lista.size(), static_cast<size_t>(przegranych)));
        store::Udostepniono(store::kOdbiorcaPlac, store::kRodzajEksport,
                            "Przegranie danych do płac",
                            std::string(kPlikMirta) + ", " + std::string(kPlikPracList), lista);
    } catch (const std::exception& e) {
        dialogi.Blad(e.what(), store::kTytulBledu);
    }
}

}  // namespace

std::string PodsumowaniePrzegrania(const WynikPrzegrania& w) {
    return "Dopisano do plików płacowych pracowników: " + std::to_string(w.przegranych) +
           ".\nPominięto (dane już w plikach płacowych): " + std::to_string(w.pominietych) +
           ".\nNie przegrano (błąd zapisu): " + std::to_string(w.nieprzegranych) + ".";
}

std::optional<std::string> BrakujacyPlikPlacowy(engine::FileSystem& fs,
                                                const std::string& katalogDanych) {
    for (std::string_view plik : {kPlikMirta, kPlikPracList, kPlikKodPol})
        if (!fs.Exists(engine::ResolvePath(fs, Sciezka(katalogDanych, plik))))
            return "Brak pliku:" + std::string(plik);
    return std::nullopt;
}

WynikPrzegrania PrzegrajDanePlacowe(engine::FileSystem& fs, const std::string& katalogDanych,
                                    const engine::Dataset& pracownicy,
                                    const store::SesjaUzytkownika& sesja,
                                    const OpcjePrzegrywania& opcje, store::Dialogi& dialogi,
                                    const PostepPrzegrywania& postep) {
    WynikPrzegrania wynik;
    if (const auto odmowa = store::OdmowaZmiany(sesja)) {
        dialogi.Blad(*odmowa, store::kTytulBledu);
        wynik.stan = Stan::BrakPrawa;
        return wynik;
    }
    if (dialogi.TakNie("Czy chcesz przegrać dane do płac ?", "Kontrola.", store::Ikona::Pytanie,
                       store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
        return wynik;
    if (!PlikiPlacoweDoZapisu(fs, katalogDanych, dialogi))
        return wynik;

    std::unique_ptr<PlikiDoDopisania> pliki;
    std::unique_ptr<TlumaczLiter> tlumacz;
    std::unique_ptr<WierszePlacowe> wiersze;
    std::unique_ptr<WierszeWPlacach> obecne;
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
        // Asked before the files are locked: the payroll program keeps working meanwhile.
        const bool ponownie = DopisacPowtorzonych(fs, katalogDanych, pracownicy, opcje, dialogi);
        if (postep.poczatek)
            postep.poczatek(pracownicy.RecordCount());
        pliki = std::make_unique<PlikiDoDopisania>(fs, katalogDanych);
        tlumacz = std::make_unique<TlumaczLiter>(*kody, opcje.litery);
        wiersze = std::make_unique<WierszePlacowe>(*pliki->mirta, *pliki->praclist, pracownicy,
                                                   *tlumacz, opcje.numer);
        // Read again under the lock: the payroll program may have taken rows since.
        if (!ponownie)
            obecne = std::make_unique<WierszeWPlacach>(*pliki->mirta);
    } catch (const std::exception& e) {
        dialogi.Blad("Nie przegrano danych do płac.\n" + std::string(e.what()), store::kTytulBledu);
        wynik.stan = Stan::Przerwano;
        return wynik;
    }

    std::vector<std::string> zeZnakamiZastapionymi;
    std::vector<int32_t> dopisani;
    std::string pracownik;
    std::string blad;
    std::unique_ptr<engine::DbfPairAppend> pary;
    // Pairs are counted in both files together, once per so many employees and at the end.
    auto zatwierdz = [&] {
        pary->Commit();
        wynik.przegranych = static_cast<int64_t>(pary->Committed());
    };
    try {
        pary = std::make_unique<engine::DbfPairAppend>(
            fs, Sciezka(katalogDanych, kDziennikPrzegrywania), *pliki->mirta, *pliki->praclist);
        for (int64_t i = 0; i < pracownicy.RecordCount(); ++i) {
            pracownik.clear();
            const engine::RowView r = pracownicy.RowAt(i);
            if (obecne && obecne->Jest(r, opcje.numer)) {
                ++wynik.pominietych;
                if (postep.krok)
                    postep.krok(static_cast<int64_t>(pary->Committed() + pary->Uncommitted()) +
                                wynik.pominietych);
                continue;
            }
            pracownik = OpisPracownika(r);
            const ParaWierszy para = wiersze->Zbuduj(r);
            pary->Append(para.mirta, para.praclist);
            dopisani.push_back(static_cast<int32_t>(r["Identyfikator"].AsInteger()));
            if (para.zastapiono)
                zeZnakamiZastapionymi.push_back(pracownik);
            if (pary->Uncommitted() >= kParNaZatwierdzenie)
                zatwierdz();
            if (postep.krok)
                postep.krok(static_cast<int64_t>(pary->Committed() + pary->Uncommitted()) +
                            wynik.pominietych);
        }
        pracownik.clear();
        zatwierdz();
        wynik.stan = Stan::Przegrano;
    } catch (const std::exception& e) {
        // The whole pairs before the failure are counted; a failing commit counts nothing.
        std::string doZatwierdzenia;
        if (pary) {
            try {
                zatwierdz();
            } catch (const std::exception& z) {
                doZatwierdzenia = std::string("\n") + z.what();
            }
        }
        blad = "Przegrywanie danych do płac przerwane. Przegrano dane pracowników: " +
               std::to_string(wynik.przegranych) + ".";
        if (!pracownik.empty())
            blad += "\nNie udało się przegrać danych pracownika: " + pracownik + ".";
        blad += "\n" + std::string(e.what()) + doZatwierdzenia;
        wynik.stan = Stan::Przerwano;
        wynik.nieprzegranych = pracownicy.RecordCount() - wynik.przegranych - wynik.pominietych;
    }
    pary.reset();
    // The payroll program may have its files back while the user reads the messages.
    pliki.reset();
    ZarejestrujPrzegranie(std::move(dopisani), wynik.przegranych, dialogi);
    if (!blad.empty())
        dialogi.Blad(blad, store::kTytulBledu);
    OstrzezOZnakach(dialogi, zeZnakamiZastapionymi);
    return wynik;
}

}  // namespace mirta::payroll
