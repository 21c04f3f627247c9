#include "store/zamkniecie_roku.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>

#include "engine/file_system.h"
#include "store/katalog.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/uprawnienia.h"
#include "store/urlop_nalezny.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using engine::Value;

constexpr const char* kTytul = kTytulZamknieciaRoku;
// Temporary files are named after the final ones with this before the extension.
constexpr const char* kPrzyrostekTymczasowy = "_nowy";

std::string BezRozszerzenia(const std::string& plik) {
    return plik.substr(0, plik.rfind('.'));
}

// A new table built under a temporary name and moved into place when complete.
class NowyPlik {
public:
    NowyPlik(engine::FileSystem& fs, std::string katalog, std::string plik)
        : m_fs(fs), m_katalog(std::move(katalog)), m_plik(std::move(plik)) {}

    std::string SciezkaTymczasowa() const {
        return m_katalog + "/" + BezRozszerzenia(m_plik) + kPrzyrostekTymczasowy + ".DB";
    }
    // Moves every file of the temporary table (indexes first, the .DB last, as its presence
    // is what others test).
    void PrzeniesNaMiejsce() {
        const std::string tymczasowa = BezRozszerzenia(m_plik) + kPrzyrostekTymczasowy + ".";
        std::vector<std::string> rozszerzenia;
        for (const std::string& nazwa : m_fs.List(m_katalog))
            if (nazwa.rfind(tymczasowa, 0) == 0)
                rozszerzenia.push_back(nazwa.substr(tymczasowa.size()));
        std::stable_partition(rozszerzenia.begin(), rozszerzenia.end(),
                              [](const std::string& r) { return r != "DB"; });
        for (const std::string& r : rozszerzenia) {
            const std::string cel = m_katalog + "/" + BezRozszerzenia(m_plik) + "." + r;
            m_fs.Rename(m_katalog + "/" + tymczasowa + r, cel);
            m_przeniesione.push_back(cel);
        }
    }
    // Removes the temporary files and whatever was already moved into place.
    void Usun() noexcept {
        const std::string tymczasowa = BezRozszerzenia(m_plik) + kPrzyrostekTymczasowy + ".";
        try {
            for (const std::string& nazwa : m_fs.List(m_katalog))
                if (nazwa.rfind(tymczasowa, 0) == 0)
                    m_fs.Remove(m_katalog + "/" + nazwa);
            for (const std::string& p : m_przeniesione)
                if (m_fs.Exists(p))
                    m_fs.Remove(p);
        } catch (const std::exception&) {
            // Nothing more can be done; the error being reported says what failed.
        }
    }

private:
    engine::FileSystem& m_fs;
    std::string m_katalog;
    std::string m_plik;
    std::vector<std::string> m_przeniesione;
};

bool Istnieje(engine::FileSystem& fs, const std::string& katalog, const std::string& plik) {
    return fs.Exists(engine::ResolvePath(fs, katalog + "/" + plik));
}

void ZapiszWiersze(engine::Table& t, int rok, const std::vector<WierszZamkniecia>& wiersze) {
    auto p = [&](const char* n) { return PoleTabeli(t, n); };
    const int id = p("IdentyfikatorPracownika"), r = p("Rok"), nal = p("UrlopNalezny"),
              dod = p("UrlopDodatkowy"), zd = p("UrlopZaleglyPoprzedniRok"),
              zg = p("GodzUrlopZalegly"), dd = p("DniZalegleDodatkowy"),
              dg = p("GodzinyZalegleDodatkowy"), prz = p("Przelicznik"), sys = p("SystemSluzby");
    t.BeginBulk();
    for (const WierszZamkniecia& w : wiersze) {
        engine::Record rekord(t.Fields().size());
        rekord[id] = Value::Integer(w.pracownik);
        rekord[r] = Value::Integer(rok);
        rekord[nal] = Value::Integer(w.urlopNalezny);
        rekord[dod] = Value::Integer(w.urlopDodatkowy);
        rekord[zd] = Value::Integer(w.zaleglyDni);
        rekord[zg] = Value::Integer(w.zaleglyGodziny);
        rekord[dd] = Value::Integer(w.zaleglyDodatkowyDni);
        rekord[dg] = Value::Integer(w.zaleglyDodatkowyGodziny);
        if (!w.etatPusty)
            rekord[prz] = Value::Number(w.etat);
        if (!w.systemSluzby.empty())
            rekord[sys] = Value::Text(w.systemSluzby);
        t.Insert(rekord);
    }
    t.EndBulk();
}

// Builds both files of year n under temporary names and moves them into place.
void UtworzPlikiRoku(TDM1& tdm1, ZrodlaObliczen& zrodla, int n,
                     const std::vector<WierszZamkniecia>& wiersze) {
    engine::FileSystem& fs = tdm1.Fs();
    const std::string& katalog = tdm1.DataDirectory();
    NowyPlik nalezne(fs, katalog, PlikUrlopowNaleznych(n));
    NowyPlik wykorzystane(fs, katalog, PlikUrlopowWykorzystanych(n));
    try {
        {
            auto t = zrodla.Tabela(tdm1.TUrlopNalez).CreateLike(nalezne.SciezkaTymczasowa());
            ZapiszWiersze(*t, n, wiersze);
        }
        zrodla.Tabela(tdm1.TUrlopy).CreateLike(wykorzystane.SciezkaTymczasowa())->Sync();
        wykorzystane.PrzeniesNaMiejsce();
        nalezne.PrzeniesNaMiejsce();
    } catch (...) {
        nalezne.Usun();
        wykorzystane.Usun();
        throw;
    }
}

bool NaprawPolowiczneZamkniecie(TDM1& tdm1, Dialogi& dialogi, int n) {
    const std::string plik = PlikUrlopowWykorzystanych(n);
    const std::string pytanie = "Rok urlopowy " + std::to_string(n - 1) +
                                " zamknięto niepełnie: brak pliku " + plik +
                                ".\nCzy utworzyć brakujący, pusty plik ?";
    if (dialogi.TakNie(pytanie, kTytul, Ikona::Pytanie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return false;
    ZrodlaObliczen zrodla(tdm1.Tdm(), tdm1);
    NowyPlik nowy(tdm1.Fs(), tdm1.DataDirectory(), plik);
    try {
        zrodla.Tabela(tdm1.TUrlopy).CreateLike(nowy.SciezkaTymczasowa())->Sync();
        nowy.PrzeniesNaMiejsce();
    } catch (const std::exception& e) {
        nowy.Usun();
        dialogi.Blad(std::string("Nie udało się utworzyć pliku ") + plik + ": " + e.what(), kTytul);
        return false;
    }
    dialogi.Informacja("Utworzono brakujący plik " + plik + ".", kTytul);
    return true;
}

}  // namespace

int RokDocelowyZamkniecia(int rokPrzetwarzania) {
    return rokPrzetwarzania >= kPierwszyRokPlikowUrlopow ? rokPrzetwarzania + 1
                                                         : kPierwszyRokPlikowUrlopow;
}

bool ZamkniecieNiepelne(const TDM1& tdm1, int rokPrzetwarzania) {
    const int n = RokDocelowyZamkniecia(rokPrzetwarzania);
    return Istnieje(tdm1.Fs(), tdm1.DataDirectory(), PlikUrlopowNaleznych(n)) &&
           !Istnieje(tdm1.Fs(), tdm1.DataDirectory(), PlikUrlopowWykorzystanych(n));
}

std::vector<WierszZamkniecia> WierszeZamkniecia(ZrodlaObliczen& zrodla, int rokPrzetwarzania) {
    const int n = RokDocelowyZamkniecia(rokPrzetwarzania);
    const DataKal poczatek{n, 1, 1}, koniec{n - 1, 12, 31};
    engine::Table& pracownicy = zrodla.Tabela(zrodla.Tdm().TPracownicy);
    const int id = PoleTabeli(pracownicy, "Identyfikator");
    std::vector<WierszZamkniecia> wynik;
    wynik.reserve(pracownicy.RowCount());
    for (uint64_t i = 0; i < pracownicy.RowCount(); ++i) {
        const DaneKadrowePracownika dane =
            CzytajDaneKadrowe(zrodla, LiczbaCalkowita(pracownicy.ReadField(i, id)));
        const compute::ParaUrlopow uprawnienie =
            UprawnienieUrlopowe(dane, nullptr, poczatek, false, rokPrzetwarzania);
        const compute::ZestawienieUrlopu z =
            ZestawienieUrlopuPracownika(zrodla, dane, koniec, rokPrzetwarzania);
        WierszZamkniecia w;
        w.pracownik = dane.identyfikator;
        w.urlopNalezny = uprawnienie.wypoczynkowy.dni;
        w.urlopDodatkowy = uprawnienie.dodatkowy.dni;
        w.zaleglyDni = z.razemPozostaly.wypoczynkowy.dni;
        w.zaleglyGodziny = z.razemPozostaly.wypoczynkowy.godziny;
        w.zaleglyDodatkowyDni = z.razemPozostaly.dodatkowy.dni;
        w.zaleglyDodatkowyGodziny = z.razemPozostaly.dodatkowy.godziny;
        w.etatPusty = dane.etatPusty;
        w.etat = dane.etat;
        w.systemSluzby = dane.systemSluzby;
        wynik.push_back(std::move(w));
    }
    return wynik;
}

std::string TekstWierszaZamkniecia(const WierszZamkniecia& w) {
    char etat[32] = "";
    if (!w.etatPusty)
        std::snprintf(etat, sizeof etat, "%g", w.etat);
    return std::to_string(w.pracownik) + ": urlop należny " + std::to_string(w.urlopNalezny) +
           ", dodatkowy " + std::to_string(w.urlopDodatkowy) + ", zaległy " +
           std::to_string(w.zaleglyDni) + "/" + std::to_string(w.zaleglyGodziny) +
           ", zaległy dodatkowy " + std::to_string(w.zaleglyDodatkowyDni) + "/" +
           std::to_string(w.zaleglyDodatkowyGodziny) + ", etat " + etat + ", system " +
           w.systemSluzby;
}

std::string PodsumowanieZamkniecia(const std::vector<WierszZamkniecia>& wiersze, int rokDocelowy) {
    int pracownikow = 0, dni = 0, dodatkowych = 0, ponadNalezny = 0, dniPonad = 0;
    for (const WierszZamkniecia& w : wiersze) {
        const int wypoczynkowy = std::max(w.zaleglyDni, 0);
        const int dodatkowy = std::max(w.zaleglyDodatkowyDni, 0);
        if (wypoczynkowy + dodatkowy > 0)
            ++pracownikow;
        dni += wypoczynkowy;
        dodatkowych += dodatkowy;
        if (w.zaleglyDni < 0 || w.zaleglyDodatkowyDni < 0) {
            ++ponadNalezny;
            dniPonad -= std::min(w.zaleglyDni, 0) + std::min(w.zaleglyDodatkowyDni, 0);
        }
    }
    std::string tekst =
        "Pracowników w roku " + std::to_string(rokDocelowy) + ": " +
        std::to_string(wiersze.size()) +
        ".\nPrzeniesiono urlop zaległy pracowników: " + std::to_string(pracownikow) +
        ", dni: " + std::to_string(dni) + " wypoczynkowego i " + std::to_string(dodatkowych) +
        " dodatkowego.";
    if (ponadNalezny > 0)
        tekst +=
            "\nWykorzystali więcej, niż należało, pracownicy: " + std::to_string(ponadNalezny) +
            " (razem dni: " + std::to_string(dniPonad) + ").";
    return tekst;
}

WynikZamkniecia ZamknijRokUrlopowy(TDM& tdm, TDM1& tdm1, Dialogi& dialogi,
                                   const std::function<bool()>& kopia) {
    const SesjaUzytkownika& s = tdm.Sesja();
    std::optional<std::string> odmowa = OdmowaAdministracji(s);
    if (!odmowa)
        odmowa = OdmowaZmiany(s);
    if (odmowa) {
        dialogi.Blad(*odmowa, kTytulBledu);
        return WynikZamkniecia::Przerwano;
    }
    const int n = RokDocelowyZamkniecia(s.DataPrzetwarzania.year);
    engine::FileSystem& fs = tdm1.Fs();
    const std::string& katalog = tdm1.DataDirectory();
    const bool saNalezne = Istnieje(fs, katalog, PlikUrlopowNaleznych(n));
    const bool saWykorzystane = Istnieje(fs, katalog, PlikUrlopowWykorzystanych(n));
    if (ZamkniecieNiepelne(tdm1, s.DataPrzetwarzania.year))
        return NaprawPolowiczneZamkniecie(tdm1, dialogi, n) ? WynikZamkniecia::Naprawiono
                                                            : WynikZamkniecia::Przerwano;
    if (s.RokUrlopowyZamkniety) {
        dialogi.Blad("Przeglądasz dane archiwalne, zamknięcie nie jest możliwe !!!", kTytulBledu);
        return WynikZamkniecia::Przerwano;
    }
    if (saNalezne || saWykorzystane) {
        dialogi.Blad("Urlopy za rok: " + std::to_string(n) + " już wygenerowano !!!", kTytulBledu);
        return WynikZamkniecia::Przerwano;
    }
    if (dialogi.TakNie("Czy chcesz zamknąć urlopowy rok:" + std::to_string(n - 1) + " ?", kTytul,
                       Ikona::Pytanie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return WynikZamkniecia::Przerwano;
    if (kopia) {
        const Odpowiedz o =
            dialogi.TakNieAnuluj("Czy przed zamknięciem roku wykonać kopię zapasową danych ?",
                                 kTytul, Ikona::Pytanie, Odpowiedz::Tak);
        if (o == Odpowiedz::Anuluj || (o == Odpowiedz::Tak && !kopia()))
            return WynikZamkniecia::Przerwano;
    }
    ZrodlaObliczen zrodla(tdm, tdm1);
    std::vector<WierszZamkniecia> wiersze;
    try {
        wiersze = WierszeZamkniecia(zrodla, s.DataPrzetwarzania.year);
        UtworzPlikiRoku(tdm1, zrodla, n, wiersze);
    } catch (const std::exception& e) {
        zrodla.Komunikaty().Pokaz(dialogi);
        dialogi.Blad(std::string("Zamknięcie roku do urlopów nie powiodło się; nie utworzono "
                                 "plików roku ") +
                         std::to_string(n) + ".\n" + e.what(),
                     kTytul);
        return WynikZamkniecia::Przerwano;
    }
    zrodla.Komunikaty().Pokaz(dialogi);
    dialogi.Informacja("Zamknięcie roku do urlopów zakończyło się poprwanie.\n" +
                           PodsumowanieZamkniecia(wiersze, n) +
                           "\n Należy ponownie uruchomić program.",
                       kTytul);
    return WynikZamkniecia::Zamknieto;
}

}  // namespace mirta::store
