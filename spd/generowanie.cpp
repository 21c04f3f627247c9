#include "spd/generowanie.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "compute/teksty_dat.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "spd/csv_spd.h"
#include "spd/ekstrakcja.h"
#include "spd/katalog_spd.h"
#include "spd/pisarz_pozycji.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/zrodla_spd.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/uprawnienia.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::spd {

namespace {

using engine::Value;

constexpr int kBlokPozycjiKb = 32;

struct Chwila {
    compute::DataKal data;
    int32_t milisekundy = 0;  // since midnight
};

Chwila Lokalna(std::chrono::system_clock::time_point t) {
    const std::time_t s = std::chrono::system_clock::to_time_t(t);
    std::tm czas{};
    localtime_r(&s, &czas);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000;
    return {{czas.tm_year + 1900, static_cast<uint8_t>(czas.tm_mon + 1),
             static_cast<uint8_t>(czas.tm_mday)},
            ((czas.tm_hour * 60 + czas.tm_min) * 60 + czas.tm_sec) * 1000 +
                static_cast<int32_t>(ms < 0 ? ms + 1000 : ms)};
}

Value Dzien(compute::DataKal d) {
    return Value::Date(engine::DayNumberFromCivil(d.rok, d.miesiac, d.dzien));
}

// "SPD\R%04d%02d%02dT%02d%02d%02d%03d": the data date and the time to hundredths.
std::string NazwaFolderu(compute::DataKal d, int32_t ms) {
    char b[64];
    std::snprintf(b, sizeof b, "R%04d%02d%02dT%02d%02d%02d%03d", d.rok, d.miesiac, d.dzien,
                  ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000 / 10);
    return b;
}

std::optional<compute::DataKal> UstalDateDanych(const store::TDM& tdm, compute::DataKal dzis,
                                                store::Dialogi& dialogi) {
    const engine::CivilDate p = tdm.Sesja().DataPrzetwarzania;
    const compute::DataKal przetwarzania{p.year, static_cast<uint8_t>(p.month),
                                         static_cast<uint8_t>(p.day)};
    if (przetwarzania == dzis)
        return dzis;
    const store::Odpowiedz o =
        dialogi.TakNie("Data przetwarzania:" + compute::TekstDaty(przetwarzania, ' ', true) +
                           " niezgodna z datą bieżącą:" + compute::TekstDaty(dzis, ' ', true) +
                           "\n  Czy użyć daty bieżącej ?",
                       kTytulKontroliDanych, store::Ikona::Pytanie, store::Odpowiedz::Tak);
    return o == store::Odpowiedz::Tak ? dzis : przetwarzania;
}

// Fields of the schedule row copied by name into a header row.
engine::Record Naglowek(const engine::Table& harmonogram, const engine::Table& naglowki,
                        const WpisHarmonogramu& w) {
    engine::Record r(naglowki.Fields().size());
    const PolaTabeli doNaglowka(naglowki);
    const auto& pola = harmonogram.Fields();
    for (size_t i = 0; i < pola.size() && i < w.wiersz.size(); ++i) {
        const int cel = doNaglowka.Opcjonalne(pola[i].name);
        if (cel >= 0 && pola[i].type != engine::FieldType::AutoInc)
            r[cel] = w.wiersz[i];
    }
    return r;
}

uint64_t WierszNaglowka(engine::Table& naglowki, int pole, int32_t harmonogram) {
    for (uint64_t r = 0; r < naglowki.RowCount(); ++r)
        if (CalkowitaLubZero(naglowki.ReadField(r, pole)) == harmonogram)
            return r;
    throw engine::EngineError("Brak nagłówka przesyłki", naglowki.Path());
}

void UstawZnacznik(engine::Table& naglowki, int pole, int32_t harmonogram, int znacznik) {
    const uint64_t r = WierszNaglowka(naglowki, pole, harmonogram);
    engine::Record w = naglowki.ReadRow(r);
    w[znacznik] = Value::Logical(true);
    naglowki.Update(r, std::move(w));
    naglowki.Sync();
}

// Removes the shipment-log rows of one register entry.
void UsunWpisyDziennika(engine::Table& przesylki, int32_t rejestr) {
    const int pole = PolaTabeli(przesylki)("IdentyfikatorPrzesylki");
    for (uint64_t r = przesylki.RowCount(); r-- > 0;)
        if (CalkowitaLubZero(przesylki.ReadField(r, pole)) == rejestr)
            przesylki.Delete(r);
    przesylki.Sync();
}

// The unfinished mark is on disk, synced with the folder that holds it and the folder above,
// before a row is extracted: a package cut short by a power cut is never taken for a whole
// one. When it cannot be written, the empty package folder goes and nothing is generated.
bool ZapiszZnacznik(const std::string& katalog, const std::string& folder,
                    store::Dialogi& dialogi) {
    try {
        wspolne::ZapiszAtomowo(
            folder + "/" + kZnacznikNiedokonczonej,
            "Przesyłka nie została wygenerowana do końca; nie można jej wysłać.\n");
        wspolne::SynchronizujFolder(KatalogSPD(katalog));
        return true;
    } catch (const std::exception& e) {
        std::error_code ec;
        std::filesystem::remove(folder, ec);
        dialogi.Blad("Nie można zapisać znacznika przesyłki niedokończonej w folderze " + folder +
                         "; przesyłki nie wygenerowano.\n" + e.what(),
                     kTytulKontroliDanych);
        return false;
    }
}

std::string OpisBledu(const std::exception& e) {
    if (const auto* b = dynamic_cast<const engine::EngineError*>(&e))
        return b->Describe();
    return e.what();
}

constexpr const char* kBladOtwierania =
    "Błąd otwierania tabel na wyłączność !!!\n Dokładna specyfikacja błędu:\n";
constexpr const char* kBladObslugi =
    "Błąd obsługi tabel na wyłączność !!!\n Dokładna specyfikacja błędu:\n";

// The package being made: when, where, and the tables it reads and writes.
struct Paczka {
    compute::DataKal data;
    int32_t czas = 0;  // milliseconds since midnight
    std::string nazwa;
    std::string folder;
    std::unique_ptr<engine::Table> harmonogram, rejestr, przesylki, naglowki, pozycje, parametry;
};

// The package's folder under SPD\, named after the data date and the time; two packages in
// the same hundredth of a second: the second waits for the next one. False when it cannot be
// made.
bool ZalozFolder(const std::string& katalog, std::chrono::system_clock::time_point teraz,
                 Paczka& p) {
    for (int proba = 0;; ++proba) {
        p.czas = Lokalna(teraz).milisekundy;
        p.nazwa = NazwaFolderu(p.data, p.czas);
        p.folder = KatalogSPD(katalog) + "/" + p.nazwa;
        std::error_code ec;
        if (std::filesystem::create_directory(p.folder, ec))
            return true;
        if (ec || proba >= 100)
            return false;
        teraz += std::chrono::milliseconds(10);
    }
}

// The SPD tables of the data directory and the package's own two, made in its folder.
void OtworzTabele(engine::FileSystem& fs, const std::string& katalog, Paczka& p) {
    p.harmonogram = OtworzTabeleSPD(fs, katalog, "THarmonogramPrzesylek");
    p.rejestr = OtworzTabeleSPD(fs, katalog, "TRejPrzesylek");
    p.przesylki = OtworzTabeleSPD(fs, katalog, "TPrzesylki");
    p.parametry = OtworzTabeleSPD(fs, katalog, "TSPDParametry");
    p.naglowki =
        OtworzTabeleSPD(fs, katalog, "TGlowkiPlikow")->CreateLike(p.folder + "/ZarzPrzesylki.db");
    // The field rows of a large unit run to a million and more: the largest blocks the format
    // has give the table room for them.
    const auto wzor = OtworzTabeleSPD(fs, katalog, "TPozPlikow");
    engine::ParadoxCreateOptions duzeBloki;
    duzeBloki.blockSizeKb = kBlokPozycjiKb;
    p.pozycje = engine::ParadoxTable::Create(fs, p.folder + "/PozPrzesylki.db", wzor->Fields(),
                                             wzor->KeyFieldCount(), duzeBloki);
}

// The columns of the header table the generation sets.
struct PolaNaglowka {
    explicit PolaNaglowka(const engine::Table& naglowki)
        : pola(naglowki),
          oryginal(pola("IdentyfikatorHarmOryginal")),
          wykonano(pola("Wykonano")),
          zakonczono(pola("Zakonczono")) {}
    PolaTabeli pola;
    int oryginal, wykonano, zakonczono;
};

// One header row per chosen entry, nothing done yet.
void WpiszNaglowki(Paczka& p, const PolaNaglowka& pn,
                   const std::vector<const WpisHarmonogramu*>& wybrane) {
    for (const WpisHarmonogramu* w : wybrane) {
        engine::Record r = Naglowek(*p.harmonogram, *p.naglowki, *w);
        r[pn.oryginal] = Value::Integer(w->identyfikator);
        r[pn.wykonano] = Value::Logical(false);
        r[pn.zakonczono] = Value::Logical(false);
        r[pn.pola("DataDanych")] = Dzien(p.data);
        r[pn.pola("DataWykonania")] = Dzien(p.data);
        r[pn.pola("CzasWykonania")] = Value::Time(p.czas);
        p.naglowki->Insert(r);
    }
    p.naglowki->Sync();
}

// The package's row in the register; its identifier.
int32_t WpiszDoRejestru(Paczka& p, const store::TDM& tdm, const std::string& folderRejestru) {
    const PolaTabeli pr(*p.rejestr);
    engine::Record wpis(p.rejestr->Fields().size());
    wpis[pr("KtoUtworzyl")] = Value::Text(DopasujDoPola(tdm.Sesja().NazwaPelna, 50));
    wpis[pr("NazwaPlikuZarzadzajacego")] = Value::Text("ZarzPrzesylki.db");
    wpis[pr("DataTworzenia")] = Dzien(p.data);
    wpis[pr("CzasTworzenia")] = Value::Time(p.czas);
    wpis[pr("KatalogPlikuZarzadzajaceg")] = Value::Text(folderRejestru);
    const uint64_t w = p.rejestr->Insert(wpis);
    p.rejestr->Sync();
    return static_cast<int32_t>(CalkowitaLubZero(p.rejestr->ReadField(w, pr("Identyfikator"))));
}

// The entry's shipment-log row, so that it is no longer due.
void WpiszDoDziennika(Paczka& p, const WpisHarmonogramu& w, int32_t rejestr) {
    const PolaTabeli pp(*p.przesylki);
    engine::Record log(p.przesylki->Fields().size());
    log[pp("IdentyfikatHarmonogramu")] = Value::Integer(w.identyfikator);
    log[pp("IdentyfikatorPrzesylki")] = Value::Integer(rejestr);
    log[pp("DataPrzesylki")] = Dzien(p.data);
    log[pp("CzasPrzesylki")] = Value::Time(p.czas);
    p.przesylki->Insert(log);
    p.przesylki->Sync();
}

// Every chosen entry: marked done, logged, its data extracted into the field rows, marked
// finished. Throws on the first failure.
void WypelnijNaglowki(Paczka& p, const PolaNaglowka& pn,
                      const std::vector<const WpisHarmonogramu*>& wybrane, ZrodlaSPD& zrodla,
                      const ParametryRekordu& par, const std::string& katalog,
                      store::Dialogi& dialogi, const OpcjeGenerowania& opcje,
                      WynikGenerowania& wynik) {
    for (size_t i = 0; i < wybrane.size(); ++i) {
        const WpisHarmonogramu& w = *wybrane[i];
        UstawZnacznik(*p.naglowki, pn.oryginal, w.identyfikator, pn.wykonano);
        WpiszDoDziennika(p, w, wynik.rejestr);

        const RodzajDanychSPD* rodzaj = ZnajdzRodzajDanych(w.rodzaj);
        const std::string podpis = rodzaj ? std::string(rodzaj->podpis) : std::string();
        const double n = static_cast<double>(wybrane.size());
        if (opcje.postep)
            opcje.postep(podpis, static_cast<double>(i) / n);
        PisarzPozycji pisarz(*p.pozycje, w.identyfikator, w.rodzaj.starts_with("G"));
        const NaglowekEkstrakcji naglowek{w.rodzaj, w.katalogPlac, par.nazwaKomorkiOrganizacyjnej};
        KontekstEkstrakcji k{zrodla, pisarz, p.data, naglowek, dialogi, katalog, [&](double czesc) {
                                 if (opcje.postep)
                                     opcje.postep(podpis, (static_cast<double>(i) + czesc) / n);
                             }};
        PobierzDaneRodzaju(k);
        pisarz.Zakoncz();
        wynik.naglowki.push_back(
            {w.identyfikator, w.nazwa, w.rodzaj, pisarz.Rekordy(), pisarz.Wiersze()});
        UstawZnacznik(*p.naglowki, pn.oryginal, w.identyfikator, pn.zakonczono);
    }
}

// The message of a generation cut short; the result says so.
WynikGenerowania& Przerwano(WynikGenerowania& wynik, store::Dialogi& dialogi,
                            const std::string& tekst) {
    dialogi.Blad(tekst, kTytulKontroliDanych);
    wynik.stan = WynikGenerowania::Stan::Przerwano;
    return wynik;
}

}  // namespace

WynikGenerowania GenerujPrzesylkeSPD(store::TDM& tdm, store::TDM1& tdm1,
                                     const Zaznaczenia& zaznaczone, store::Dialogi& dialogi,
                                     const OpcjeGenerowania& opcje) {
    WynikGenerowania wynik;
    if (const auto odmowa = store::OdmowaZmiany(tdm.Sesja())) {
        dialogi.Blad(*odmowa, store::kTytulBledu);
        wynik.stan = WynikGenerowania::Stan::Przerwano;
        return wynik;
    }
    if (dialogi.TakNie("Czy chcesz wygenerować pliki przesyłki do SPD ?", kTytulKontroliDanych,
                       store::Ikona::Pytanie, store::Odpowiedz::Tak) != store::Odpowiedz::Tak)
        return wynik;
    const auto teraz = opcje.chwila.value_or(std::chrono::system_clock::now());
    Paczka p;
    p.data =
        opcje.dataDanych ? *opcje.dataDanych : *UstalDateDanych(tdm, Lokalna(teraz).data, dialogi);
    wynik.dataDanych = p.data;

    const std::string& katalog = tdm.DataDirectory();
    if (!ZalozFolder(katalog, teraz, p))
        return Przerwano(wynik, dialogi, "Błąd kreowania folderu:SPD\\" + p.nazwa);
    wynik.folder = "SPD\\" + p.nazwa;
    if (!ZapiszZnacznik(katalog, p.folder, dialogi)) {
        wynik.stan = WynikGenerowania::Stan::Przerwano;
        return wynik;
    }

    try {
        OtworzTabele(tdm.Fs(), katalog, p);
    } catch (const std::exception& e) {
        return Przerwano(wynik, dialogi, kBladOtwierania + OpisBledu(e));
    }

    const std::vector<WpisHarmonogramu> wpisy = CzytajHarmonogram(*p.harmonogram);
    std::vector<const WpisHarmonogramu*> wybrane;
    for (const auto& w : wpisy)
        if (zaznaczone.Zaznaczony(w.identyfikator))
            wybrane.push_back(&w);

    const PolaNaglowka pn(*p.naglowki);
    try {
        WpiszNaglowki(p, pn, wybrane);
        wynik.rejestr = WpiszDoRejestru(p, tdm, wynik.folder);
    } catch (const std::exception& e) {
        return Przerwano(wynik, dialogi, kBladObslugi + OpisBledu(e));
    }

    const ParametryRekordu par = CzytajParametrySPD(*p.parametry);
    ZrodlaSPD zrodla(tdm, tdm1);
    try {
        WypelnijNaglowki(p, pn, wybrane, zrodla, par, katalog, dialogi, opcje, wynik);
    } catch (const std::exception& e) {
        // The entries are due again: their log rows go.
        std::string blad = OpisBledu(e);
        try {
            UsunWpisyDziennika(*p.przesylki, wynik.rejestr);
        } catch (const std::exception& e2) {
            blad += "\nNie udało się usunąć wpisów dziennika przesyłek: " + OpisBledu(e2);
        }
        return Przerwano(wynik, dialogi,
                         kBladObslugi + blad + "\nPrzesyłka " + wynik.folder +
                             " jest niedokończona i nie zostanie wysłana.");
    }
    if (opcje.postep)
        opcje.postep({}, 1.0);
    std::error_code ec;
    std::filesystem::remove(p.folder + "/" + kZnacznikNiedokonczonej, ec);
    wspolne::SynchronizujFolder(p.folder);
    wynik.stan = WynikGenerowania::Stan::Wygenerowano;
    return wynik;
}

std::optional<std::string> PaczkaNiekompletna(const std::string& katalogDanych,
                                              const std::string& folderRejestru) {
    const std::string folder = SciezkaWKatalogu(katalogDanych, folderRejestru);
    // Fails closed: only a mark known to be absent lets a package go; a link counts as a mark.
    std::error_code ec;
    const auto stan = std::filesystem::symlink_status(folder + "/" + kZnacznikNiedokonczonej, ec);
    if (ec && ec != std::errc::no_such_file_or_directory)
        return "Nie można ustalić, czy przesyłka " + folderRejestru +
               " została wygenerowana do końca (" + ec.message() + "); nie można jej wysłać.";
    if (std::filesystem::exists(stan))
        return "Przesyłka " + folderRejestru +
               " nie została wygenerowana do końca (generowanie przerwał błąd); nie można jej "
               "wysłać. Wygeneruj przesyłkę ponownie.";
    return std::nullopt;
}

}  // namespace mirta::spd
