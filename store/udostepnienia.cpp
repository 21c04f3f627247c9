#include "store/udostepnienia.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>

#include "engine/paradox_table.h"
#include "store/dziennik_zmian.h"

namespace mirta::store {

namespace {

using engine::FieldType;
using engine::Record;
using engine::Value;

constexpr double kMsDnia = 86400000.0;

enum Pole { Numer, Kiedy, Uzytkownik, Odbiorca, Rodzaj, Opis, Cel, LiczbaOsob };

// At most `n` characters of UTF-8 text, cut on a character's boundary.
std::string Utnij(const std::string& s, size_t n) {
    size_t znaki = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && znaki++ == n)
            return s.substr(0, i);
    }
    return s;
}

std::string Tekst(const Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}

int32_t Liczba(const Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}

std::string Sciezka(engine::FileSystem& fs, const std::string& katalog, const char* plik) {
    return engine::ResolvePath(fs, katalog + "/" + plik);
}

std::unique_ptr<engine::ParadoxTable> OtworzLubUtworz(engine::FileSystem& fs,
                                                      const std::string& sciezka,
                                                      const std::vector<engine::FieldDef>& pola) {
    if (fs.Exists(sciezka))
        return engine::ParadoxTable::Open(fs, sciezka);
    return engine::ParadoxTable::Create(fs, sciezka, pola, 0);
}

Record Wiersz(const Udostepnienie& u) {
    Record r(8);
    r[Numer] = Value::Integer(u.numer);
    r[Kiedy] = Value::Timestamp(u.kiedy);
    r[Uzytkownik] = Value::Text(Utnij(u.uzytkownik, 10));
    r[Odbiorca] = Value::Text(Utnij(u.odbiorca, 30));
    r[Rodzaj] = Value::Text(Utnij(u.rodzaj, 20));
    r[Opis] = Value::Text(Utnij(u.opis, 120));
    r[Cel] = Value::Text(Utnij(u.cel, 255));
    r[LiczbaOsob] = Value::Integer(static_cast<int64_t>(u.pracownicy.size()));
    return r;
}

Udostepnienie Wpis(const Record& r) {
    Udostepnienie u;
    u.numer = Liczba(r[Numer]);
    u.kiedy = r[Kiedy].IsNull() ? 0 : r[Kiedy].AsTimestamp();
    u.uzytkownik = Tekst(r[Uzytkownik]);
    u.odbiorca = Tekst(r[Odbiorca]);
    u.rodzaj = Tekst(r[Rodzaj]);
    u.opis = Tekst(r[Opis]);
    u.cel = Tekst(r[Cel]);
    return u;
}

// Entry number -> employees, from the second table.
std::map<int32_t, std::vector<int32_t>> Osoby(engine::FileSystem& fs, const std::string& katalog) {
    std::map<int32_t, std::vector<int32_t>> wynik;
    const std::string sciezka = Sciezka(fs, katalog, kPlikOsobUdostepnien);
    if (!fs.Exists(sciezka))
        return wynik;
    engine::ParadoxOpenOptions tylkoOdczyt;
    tylkoOdczyt.readOnly = true;
    auto t = engine::ParadoxTable::Open(fs, sciezka, tylkoOdczyt);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        const Record r = t->ReadRow(i);
        wynik[Liczba(r[0])].push_back(Liczba(r[1]));
    }
    return wynik;
}

double PoczatekDnia(engine::CivilDate d) {
    return engine::DayNumberFromCivil(d.year, d.month, d.day) * kMsDnia;
}

struct Rejestr {
    engine::FileSystem* fs = nullptr;
    std::string katalog;
    std::string uzytkownik;
    const void* wlasciciel = nullptr;
};

std::mutex& Zamek() {
    static std::mutex m;
    return m;
}

Rejestr& Biezacy() {
    static Rejestr r;
    return r;
}

}  // namespace

std::vector<engine::FieldDef> PolaUdostepnien() {
    return {{"Numer", FieldType::Long, 4},        {"Kiedy", FieldType::Timestamp, 8},
            {"Uzytkownik", FieldType::Alpha, 10}, {"Odbiorca", FieldType::Alpha, 30},
            {"Rodzaj", FieldType::Alpha, 20},     {"Opis", FieldType::Alpha, 120},
            {"Cel", FieldType::Alpha, 255},       {"LiczbaOsob", FieldType::Long, 4}};
}

std::vector<engine::FieldDef> PolaOsobUdostepnien() {
    return {{"Numer", FieldType::Long, 4}, {"IdentyfikatorPracownika", FieldType::Long, 4}};
}

int32_t ZapiszUdostepnienie(engine::FileSystem& fs, const std::string& katalog,
                            Udostepnienie wpis) {
    auto naglowki = OtworzLubUtworz(fs, Sciezka(fs, katalog, kPlikUdostepnien), PolaUdostepnien());
    auto osoby =
        OtworzLubUtworz(fs, Sciezka(fs, katalog, kPlikOsobUdostepnien), PolaOsobUdostepnien());
    // Both tables only grow, so the last rows hold the highest numbers; employees of an entry
    // cut short keep theirs, so the next entry gets a new one.
    int32_t numer = 0;
    if (naglowki->RowCount() > 0)
        numer = std::max(numer, Liczba(naglowki->ReadField(naglowki->RowCount() - 1, Numer)));
    if (osoby->RowCount() > 0)
        numer = std::max(numer, Liczba(osoby->ReadField(osoby->RowCount() - 1, 0)));
    wpis.numer = numer + 1;
    if (wpis.kiedy == 0)
        wpis.kiedy = Teraz();
    std::sort(wpis.pracownicy.begin(), wpis.pracownicy.end());
    wpis.pracownicy.erase(std::unique(wpis.pracownicy.begin(), wpis.pracownicy.end()),
                          wpis.pracownicy.end());
    osoby->BeginBulk();
    for (int32_t p : wpis.pracownicy)
        osoby->Insert({Value::Integer(wpis.numer), Value::Integer(p)});
    osoby->EndBulk();
    naglowki->Insert(Wiersz(wpis));
    naglowki->Sync();
    return wpis.numer;
}

void UstawRejestrUdostepnien(engine::FileSystem& fs, std::string katalog, std::string uzytkownik,
                             const void* wlasciciel) {
    std::lock_guard<std::mutex> blokada(Zamek());
    Biezacy() = {&fs, std::move(katalog), std::move(uzytkownik), wlasciciel};
}

void ZakonczRejestrUdostepnien(const void* wlasciciel) {
    std::lock_guard<std::mutex> blokada(Zamek());
    if (Biezacy().wlasciciel == wlasciciel)
        Biezacy() = {};
}

void Udostepniono(std::string odbiorca, std::string rodzaj, std::string opis, std::string cel,
                  std::vector<int32_t> pracownicy) {
    std::lock_guard<std::mutex> blokada(Zamek());
    const Rejestr& r = Biezacy();
    if (!r.fs)
        return;
    Udostepnienie u;
    u.uzytkownik = r.uzytkownik;
    u.odbiorca = std::move(odbiorca);
    u.rodzaj = std::move(rodzaj);
    u.opis = std::move(opis);
    u.cel = std::move(cel);
    u.pracownicy = std::move(pracownicy);
    try {
        ZapiszUdostepnienie(*r.fs, r.katalog, std::move(u));
    } catch (const std::exception& e) {
        throw std::runtime_error(
            "Dane zostały przekazane, ale nie udało się zapisać wpisu w "
            "rejestrze udostępnień: " +
            std::string(e.what()));
    }
}

std::vector<Udostepnienie> CzytajUdostepnienia(engine::FileSystem& fs, const std::string& katalog,
                                               const FiltrUdostepnien& filtr) {
    std::vector<Udostepnienie> wynik;
    const std::string sciezka = Sciezka(fs, katalog, kPlikUdostepnien);
    if (!fs.Exists(sciezka))
        return wynik;
    auto osoby = Osoby(fs, katalog);
    engine::ParadoxOpenOptions tylkoOdczyt;
    tylkoOdczyt.readOnly = true;
    auto t = engine::ParadoxTable::Open(fs, sciezka, tylkoOdczyt);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        Udostepnienie u = Wpis(t->ReadRow(i));
        if (filtr.od && u.kiedy < PoczatekDnia(*filtr.od))
            continue;
        if (filtr.doDnia && u.kiedy >= PoczatekDnia(*filtr.doDnia) + kMsDnia)
            continue;
        if (auto it = osoby.find(u.numer); it != osoby.end())
            u.pracownicy = it->second;
        if (filtr.pracownik &&
            !std::binary_search(u.pracownicy.begin(), u.pracownicy.end(), *filtr.pracownik))
            continue;
        wynik.push_back(std::move(u));
    }
    return wynik;
}

void PrzepiszUdostepnieniaOsoby(engine::FileSystem& fs, const std::string& katalog,
                                int32_t pracownik,
                                const std::function<std::string(const std::string&)>& czysc) {
    const std::string sciezka = Sciezka(fs, katalog, kPlikUdostepnien);
    if (!fs.Exists(sciezka))
        return;
    std::set<int32_t> numery;
    for (const auto& [numer, lista] : Osoby(fs, katalog))
        if (std::find(lista.begin(), lista.end(), pracownik) != lista.end())
            numery.insert(numer);
    if (numery.empty())
        return;
    std::vector<Record> wiersze;
    {
        auto t = engine::ParadoxTable::Open(fs, sciezka);
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            Record r = t->ReadRow(i);
            if (numery.count(Liczba(r[Numer])))
                for (int p : {Opis, Cel})
                    r[p] = Value::Text(czysc(Tekst(r[p])));
            wiersze.push_back(std::move(r));
        }
    }
    const std::string tymczasowy = katalog + "/Udostepnienia.tmp.DB";
    {
        auto t = engine::ParadoxTable::Create(fs, tymczasowy, PolaUdostepnien(), 0);
        t->BeginBulk();
        for (const Record& r : wiersze)
            t->Insert(r);
        t->EndBulk();
    }
    fs.Rename(tymczasowy, sciezka);
}

}  // namespace mirta::store
