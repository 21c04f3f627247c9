#include "rodo/anonimizacja.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "compute/teksty_dat.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "rodo/dane_osoby.h"
#include "store/dziennik_zmian.h"
#include "store/katalog.h"
#include "store/okresy_przechowywania.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"

namespace mirta::rodo {

namespace {

namespace fs = std::filesystem;
using engine::FieldType;
using engine::Record;
using engine::Value;
using store::BladDanych;

// The master record's fields that go: the names become "ANONIM", the rest empty.
constexpr const char* kNazwyMirta[] = {"Nazwisko", "Imie1"};
constexpr const char* kPusteMirta[] = {"Imie2",
                                       "KodPocztowy",
                                       "Miejscowosc",
                                       "Poczta",
                                       "Ulica",
                                       "NrDomuiMieszkania",
                                       "ImieOjca",
                                       "ImieMatki",
                                       "NumerDowoduOsobistego",
                                       "NumerKontaBankowego",
                                       "MiejsceUrodzenia",
                                       "PESEL",
                                       "KtoWydalDowodosobisty",
                                       "Nip",
                                       "NazwiskoRodoweMatki",
                                       "NazwiskoRodowe",
                                       "DataWystawieniaDowodu",
                                       "KodPocztaZamieszkania",
                                       "MiejscowoscAdresZamieszka",
                                       "TelefonZamieszkania",
                                       "OsobaPowiadamiania",
                                       "KodPocztaPowiadamiania",
                                       "MiejscowoscAdresPowiadami",
                                       "TelefonPowiadamiania",
                                       "KodZamieszkania",
                                       "KodWystawcyDowodu",
                                       "TelefonKomorkowy",
                                       "DataWaznosciDowodu",
                                       "AdresMail"};
// Values that identify the person wherever they stand inside a text of their rows.
constexpr const char* kTajneMirta[] = {"Nazwisko",
                                       "NazwiskoRodowe",
                                       "NazwiskoRodoweMatki",
                                       "PESEL",
                                       "Nip",
                                       "NumerDowoduOsobistego",
                                       "NumerKontaBankowego",
                                       "Ulica",
                                       "MiejscowoscAdresZamieszka",
                                       "MiejscowoscAdresPowiadami",
                                       "TelefonZamieszkania",
                                       "TelefonKomorkowy",
                                       "TelefonPowiadamiania",
                                       "AdresMail",
                                       "OsobaPowiadamiania"};
// Values that identify only as a whole field (a first name inside another word is no trace).
constexpr const char* kCaleMirta[] = {"Imie1", "Imie2", "ImieOjca", "ImieMatki",
                                      "MiejsceUrodzenia"};
// The payroll export's columns: names, then the other personal ones.
constexpr const char* kNazwyDbf[] = {"K_NAZW", "K_IMIE1", "PL_NAZ", "PL_IMIE1"};
constexpr const char* kPusteDbf[] = {"K_IMIE2",   "K_IMIE3",  "K_IMIE4", "K_AK",     "K_AM",
                                     "K_AP",      "K_AU",     "K_AD",    "K_DOW",    "K_NAZB",
                                     "K_NRKONT",  "K_MIEJUR", "K_PESEL", "K_WYDDOW", "K_NIP",
                                     "K_NRKONT1", "PL_IMIE2"};

// Lower case of ASCII and the Polish letters, for comparing what other programs stored.
std::string Male(std::string_view t) {
    static const std::pair<const char*, const char*> kPolskie[] = {
        {"Ą", "ą"}, {"Ć", "ć"}, {"Ę", "ę"}, {"Ł", "ł"}, {"Ń", "ń"},
        {"Ó", "ó"}, {"Ś", "ś"}, {"Ź", "ź"}, {"Ż", "ż"}};
    std::string w;
    for (size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c < 0x80) {
            w += static_cast<char>(std::tolower(c));
            continue;
        }
        bool zamieniono = false;
        for (const auto& [duza, mala] : kPolskie)
            if (t.substr(i, 2) == duza) {
                w += mala;
                ++i;
                zamieniono = true;
                break;
            }
        if (!zamieniono)
            w += static_cast<char>(c);
    }
    return w;
}

std::string Przyciety(std::string_view t) {
    const auto a = t.find_first_not_of(" \t\r\n");
    if (a == std::string_view::npos)
        return {};
    const auto b = t.find_last_not_of(" \t\r\n");
    return std::string(t.substr(a, b - a + 1));
}

// What identifies the person in texts.
class Slady {
public:
    void Wewnatrz(const std::string& wartosc) {
        const std::string m = Male(Przyciety(wartosc));
        if (m.size() >= 3)
            m_wewnatrz.insert(m);
        else if (!m.empty())
            m_cale.insert(m);
    }
    void Cale(const std::string& wartosc) {
        const std::string m = Male(Przyciety(wartosc));
        if (!m.empty())
            m_cale.insert(m);
    }
    bool Zawiera(const std::string& tekst) const {
        const std::string m = Male(tekst);
        if (m_cale.count(Przyciety(m)))
            return true;
        return std::any_of(m_wewnatrz.begin(), m_wewnatrz.end(),
                           [&](const std::string& s) { return m.find(s) != std::string::npos; });
    }
    // The text with every identifying part replaced by "ANONIM".
    std::string Zastap(const std::string& tekst) const {
        std::string w = tekst;
        const std::string anonim = store::kAnonim;
        for (const std::string& s : m_wewnatrz) {
            // Lower case keeps the byte lengths of ASCII and the Polish letters; the search goes
            // on after each replacement, which may itself hold the text sought.
            for (size_t od = 0;;) {
                const size_t p = Male(w).find(s, od);
                if (p == std::string::npos)
                    break;
                w.replace(p, s.size(), anonim);
                od = p + anonim.size();
            }
        }
        return m_cale.count(Male(Przyciety(w))) ? std::string(store::kAnonim) : w;
    }

private:
    std::set<std::string> m_wewnatrz;
    std::set<std::string> m_cale;
};

bool PoleNazwy(const std::string& nazwa) {
    return nazwa.find("Nazwisko") != std::string::npos || nazwa.rfind("Imie", 0) == 0 ||
           nazwa.rfind("Imię", 0) == 0;
}

int Pole(const engine::Table& t, std::string_view nazwa) {
    return store::PoleTabeli(t, nazwa);
}

int PolePracownika(const engine::Table& t) {
    for (const char* nazwa : {"IdentyfikatorPracownika", "IdPracownika"})
        if (const int i = Pole(t, nazwa); i >= 0)
            return i;
    return -1;
}

bool Tego(const Value& v, int32_t id) {
    return !v.IsNull() && (v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Number) &&
           static_cast<int64_t>(v.AsNumber()) == id;
}

std::string Klucz(const std::string& sciezka) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(sciezka, ec);
    if (ec)
        p = fs::absolute(sciezka);
    return Male(p.string());
}

// The tables the data modules hold open, by their file; changes go through them so that their
// views see the change.
std::map<std::string, engine::Table*> OtwarteTabele(store::TDM& tdm, store::TDM1& tdm1) {
    std::map<std::string, engine::Table*> wynik;
    for (store::DataModule* m :
         {static_cast<store::DataModule*>(&tdm), static_cast<store::DataModule*>(&tdm1)})
        for (store::TableComponent* c : m->Components())
            if (c->IsOpen())
                wynik.emplace(Klucz((*c)->GetTable().Path()), &(*c)->GetTable());
    return wynik;
}

class Anonimizacja {
public:
    Anonimizacja(store::TDM& tdm, store::TDM1& tdm1, int32_t id)
        : m_tdm(tdm), m_tdm1(tdm1), m_id(id), m_otwarte(OtwarteTabele(tdm, tdm1)) {}

    // The master record goes last: should anything fail before, the person is still found
    // as they were and the anonymisation can run again.
    WynikAnonimizacji Wykonaj() {
        ZbierzSlady();
        Rodzina();
        Katalog(m_tdm.DataDirectory());
        Dziennik();
        store::PrzepiszUdostepnieniaOsoby(
            m_tdm.Fs(), m_tdm.DataDirectory(), m_id,
            [this](const std::string& t) { return m_slady.Zastap(t); });
        m_wynik.pliki.push_back(store::kPlikUdostepnien);
        for (const ZrodloDanychOsoby& z : ZrodlaDanychOsoby())
            if (z.anonimizuj)
                z.anonimizuj(m_tdm, m_tdm1, m_id);
        Pracownik();
        return std::move(m_wynik);
    }

private:
    void Zapisz(engine::Table& t, uint64_t i, Record r) {
        t.Update(i, std::move(r));
        ++m_wynik.wierszy;
    }

    void Zmieniono(engine::Table& t) {
        std::error_code ec;
        std::string rel = fs::relative(t.Path(), m_tdm.DataDirectory(), ec).string();
        if (ec || rel.empty())
            rel = t.Path();
        if (std::find(m_wynik.pliki.begin(), m_wynik.pliki.end(), rel) == m_wynik.pliki.end())
            m_wynik.pliki.push_back(rel);
    }

    void ZbierzSlady() {
        engine::Table& t = m_tdm.TPracownicy->GetTable();
        m_gotowe.insert(Klucz(t.Path()));
        const int id = Pole(t, "Identyfikator");
        for (uint64_t i = 0; i < t.RowCount(); ++i) {
            if (!Tego(t.ReadField(i, id), m_id))
                continue;
            const Record r = t.ReadRow(i);
            for (const char* n : kTajneMirta)
                if (const int k = Pole(t, n); k >= 0)
                    m_slady.Wewnatrz(store::TekstPola(r[k]));
            for (const char* n : kCaleMirta)
                if (const int k = Pole(t, n); k >= 0)
                    m_slady.Cale(store::TekstPola(r[k]));
            m_pesel = store::Przyciety(r[Pole(t, "PESEL")]);
            m_numer = store::LiczbaCalkowita(r[Pole(t, "NumerPracownika")]);
            return;
        }
    }

    void Pracownik() {
        engine::Table& t = m_tdm.TPracownicy->GetTable();
        const int id = Pole(t, "Identyfikator");
        for (uint64_t i = 0; i < t.RowCount(); ++i) {
            if (!Tego(t.ReadField(i, id), m_id))
                continue;
            Record r = t.ReadRow(i);
            for (const char* n : kNazwyMirta)
                if (const int k = Pole(t, n); k >= 0)
                    r[k] = Value::Text(store::kAnonim);
            for (const char* n : kPusteMirta)
                if (const int k = Pole(t, n); k >= 0)
                    r[k] = Value();
            Zapisz(t, i, std::move(r));
            t.Sync();
            Zmieniono(t);
            return;
        }
    }

    void Rodzina() {
        engine::Table& t = m_tdm.TRodzina->GetTable();
        m_gotowe.insert(Klucz(t.Path()));
        const int prac = PolePracownika(t);
        const int urodzenie = Pole(t, "DataUrodzenia");
        bool zmiana = false;
        // The members' names are traces of the person too, in every other table.
        for (uint64_t i = 0; i < t.RowCount(); ++i)
            if (Tego(t.ReadField(i, prac), m_id)) {
                const Record r = t.ReadRow(i);
                if (const int k = Pole(t, "Nazwisko"); k >= 0)
                    m_slady.Wewnatrz(store::TekstPola(r[k]));
            }
        for (uint64_t i = 0; i < t.RowCount(); ++i) {
            if (!Tego(t.ReadField(i, prac), m_id))
                continue;
            Record r = t.ReadRow(i);
            for (const char* n : {"Nazwisko", "Imie1"})
                if (const int k = Pole(t, n); k >= 0)
                    r[k] = Value::Text(store::kAnonim);
            if (const int k = Pole(t, "Imie2"); k >= 0)
                r[k] = Value();
            if (urodzenie >= 0 && !r[urodzenie].IsNull()) {
                const auto d = engine::CivilFromDayNumber(r[urodzenie].AsDay());
                r[urodzenie] = Value::Date(engine::DayNumberFromCivil(d.year, 1, 1));
            }
            // A key field may have changed: the row moves, so it is looked at again.
            const uint64_t przed = t.RowCount();
            Zapisz(t, i, std::move(r));
            zmiana = true;
            if (t.RowCount() != przed)
                i = 0;
        }
        if (zmiana) {
            t.Sync();
            Zmieniono(t);
        }
    }

    // Every other table under the data directory: the rows of the person lose what identifies
    // them; the package copies and the payroll export's files included.
    void Katalog(const std::string& katalog) {
        std::error_code ec;
        std::vector<fs::path> pliki;
        for (auto it = fs::recursive_directory_iterator(katalog, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_regular_file(ec))
                continue;
            const std::string roz = Male(it->path().extension().string());
            if (roz == ".db" || roz == ".dbf")
                pliki.push_back(it->path());
        }
        std::sort(pliki.begin(), pliki.end());
        for (const fs::path& p : pliki) {
            const std::string klucz = Klucz(p.string());
            if (m_gotowe.count(klucz) || Dziennika(p))
                continue;
            m_gotowe.insert(klucz);
            // A file of that name the catalogue does not know may be anything: it is left alone
            // when it does not open as a table.
            const bool znany = store::ZnajdzTabele(p.filename().string()) != nullptr;
            try {
                if (Male(p.extension().string()) == ".dbf")
                    TabelaDbf(p.string());
                else
                    TabelaParadox(p.string(), klucz);
            } catch (const engine::EngineError&) {
                if (znany)
                    throw;
            }
        }
    }

    static bool Dziennika(const fs::path& p) {
        const std::string n = Male(p.filename().string());
        return n == Male(store::kPlikDziennika) || n.rfind("dziennikdo", 0) == 0 ||
               n == Male(store::kPlikUdostepnien) || n == Male(store::kPlikOsobUdostepnien);
    }

    void TabelaParadox(const std::string& sciezka, const std::string& klucz) {
        std::unique_ptr<engine::Table> wlasna;
        engine::Table* t = nullptr;
        if (auto it = m_otwarte.find(klucz); it != m_otwarte.end()) {
            t = it->second;
        } else {
            wlasna = engine::ParadoxTable::Open(m_tdm.Fs(), sciezka);
            t = wlasna.get();
        }
        const int prac = PolePracownika(*t);
        if (prac < 0)
            return;
        const auto& pola = t->Fields();
        bool zmiana = false;
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            if (!Tego(t->ReadField(i, prac), m_id))
                continue;
            Record r = t->ReadRow(i);
            bool wiersz = false;
            for (size_t k = 0; k < pola.size(); ++k) {
                if ((pola[k].type != FieldType::Alpha && pola[k].type != FieldType::Memo) ||
                    r[k].IsNull() || !m_slady.Zawiera(r[k].AsText()))
                    continue;
                r[k] = PoleNazwy(pola[k].name) ? Value::Text(store::kAnonim) : Value();
                wiersz = true;
            }
            if (!wiersz)
                continue;
            const uint64_t przed = t->RowCount();
            Zapisz(*t, i, std::move(r));
            zmiana = true;
            if (t->RowCount() != przed)
                i = 0;
        }
        if (zmiana) {
            t->Sync();
            Zmieniono(*t);
        }
    }

    // The payroll export's files hold no identifier of ours for sure (the number may be the
    // personnel number): a row is the person's by the PESEL, or by the number and the name of
    // a row already found so.
    void TabelaDbf(const std::string& sciezka) {
        auto t = engine::DbfTable::Open(m_tdm.Fs(), sciezka);
        const int pesel = Pole(*t, "K_PESEL");
        const int nrp = std::max(Pole(*t, "K_NRP"), Pole(*t, "PL_NRP"));
        const int nazw = std::max(Pole(*t, "K_NAZW"), Pole(*t, "PL_NAZ"));
        if (nazw < 0)
            return;
        bool zmiana = false;
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            Record r = t->ReadRow(i);
            const std::string nazwisko = store::Przyciety(r[nazw]);
            bool tego = pesel >= 0 && !m_pesel.empty() && store::Przyciety(r[pesel]) == m_pesel;
            if (!tego && nrp >= 0 && !r[nrp].IsNull()) {
                const auto numer = static_cast<int64_t>(r[nrp].AsNumber());
                tego = (numer == m_id || (m_numer != 0 && numer == m_numer)) &&
                       (m_nazwiskaDbf.count(nazwisko) || m_slady.Zawiera(nazwisko));
            }
            if (!tego)
                continue;
            m_nazwiskaDbf.insert(nazwisko);
            for (const char* n : kNazwyDbf)
                if (const int k = Pole(*t, n); k >= 0)
                    r[k] = Value::Text(store::kAnonim);
            for (const char* n : kPusteDbf)
                if (const int k = Pole(*t, n); k >= 0)
                    r[k] = Value::Text("");
            Zapisz(*t, i, std::move(r));
            zmiana = true;
        }
        if (zmiana) {
            t->Sync();
            Zmieniono(*t);
        }
    }

    // The journal and its archives are rebuilt: the person's entries without their values, and
    // one entry that the anonymisation happened.
    void Dziennik() {
        const std::string katalog = m_tdm.DataDirectory();
        std::vector<std::string> pliki;
        for (const std::string& n : m_tdm.Fs().List(katalog)) {
            const std::string m = Male(n);
            if (m == Male(store::kPlikDziennika) ||
                (m.rfind("dziennikdo", 0) == 0 && m.size() > 3 && m.substr(m.size() - 3) == ".db"))
                pliki.push_back(n);
        }
        for (const std::string& n : pliki)
            PrzepiszDziennik(katalog + "/" + n);
        store::WpisDziennika w;
        w.kiedy = store::Teraz();
        w.uzytkownik = m_tdm.Sesja().NazwaKrotka;
        w.operacja = kOperacjaAnonimizacji;
        w.pole = "anonimizacja danych osobowych";
        w.tabela = m_tdm.TPracownicy.FileName();
        w.klucz = std::to_string(m_id);
        w.pracownik = m_id;
        store::DopiszDoDziennika(m_tdm.Fs(), katalog, {w});
        if (pliki.empty())
            m_wynik.pliki.push_back(store::kPlikDziennika);
    }

    void PrzepiszDziennik(const std::string& sciezka) {
        std::vector<Record> wiersze;
        std::vector<engine::FieldDef> pola;
        bool zmiana = false;
        {
            auto t = engine::ParadoxTable::Open(m_tdm.Fs(), sciezka);
            pola = t->Fields();
            const int prac = PolePracownika(*t);
            for (uint64_t i = 0; i < t->RowCount(); ++i) {
                Record r = t->ReadRow(i);
                if (prac >= 0 && Tego(r[prac], m_id)) {
                    for (size_t k = 0; k < pola.size(); ++k)
                        if (pola[k].name == "StaraWartosc" || pola[k].name == "NowaWartosc") {
                            zmiana = zmiana || !r[k].IsNull();
                            r[k] = Value();
                        } else if (pola[k].type == FieldType::Alpha && !r[k].IsNull() &&
                                   m_slady.Zawiera(r[k].AsText())) {
                            r[k] = Value::Text(m_slady.Zastap(r[k].AsText()));
                            zmiana = true;
                        }
                }
                wiersze.push_back(std::move(r));
            }
        }
        if (!zmiana)
            return;
        const std::string tymczasowy = sciezka + ".anonim.DB";
        {
            auto t = engine::ParadoxTable::Create(m_tdm.Fs(), tymczasowy, pola, 0);
            t->BeginBulk();
            for (const Record& r : wiersze)
                t->Insert(r);
            t->EndBulk();
        }
        m_tdm.Fs().Rename(tymczasowy, sciezka);
        m_wynik.pliki.push_back(fs::path(sciezka).filename().string());
    }

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    int32_t m_id;
    std::map<std::string, engine::Table*> m_otwarte;
    std::set<std::string> m_gotowe;
    Slady m_slady;
    std::string m_pesel;
    int32_t m_numer = 0;
    std::set<std::string> m_nazwiskaDbf;
    WynikAnonimizacji m_wynik;
};

struct Osoba {
    std::string nazwisko;
    std::string pesel;
    std::string podzial;
    compute::DataKal zatrudnienie, zwolnienie;
};

std::optional<Osoba> CzytajOsobe(store::TDM& tdm, int32_t id) {
    engine::Table& t = tdm.TPracownicy->GetTable();
    const int pole = Pole(t, "Identyfikator");
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        if (!Tego(t.ReadField(i, pole), id))
            continue;
        const Record r = t.ReadRow(i);
        Osoba o;
        o.nazwisko =
            store::Przyciety(r[Pole(t, "Nazwisko")]) + " " + store::Przyciety(r[Pole(t, "Imie1")]);
        o.pesel = store::Przyciety(r[Pole(t, "PESEL")]);
        o.podzial = store::Przyciety(r[Pole(t, "Podzial")]);
        o.zatrudnienie = store::DataPola(r[Pole(t, "DataZatrudnienia")]);
        o.zwolnienie = store::DataPola(r[Pole(t, "DataZwolnienia")]);
        return o;
    }
    return std::nullopt;
}

compute::DataKal Dzis(store::TDM& tdm) {
    const auto& d = tdm.Sesja().DataPrzetwarzania;
    return {d.year, static_cast<uint8_t>(d.month), static_cast<uint8_t>(d.day)};
}

}  // namespace

std::string OsobaDoAnonimizacji(store::TDM& tdm, int32_t pracownik) {
    const auto o = CzytajOsobe(tdm, pracownik);
    if (!o)
        throw BladDanych("Nie ma pracownika o identyfikatorze " + std::to_string(pracownik) +
                         " !!!");
    return o->nazwisko + " (identyfikator " + std::to_string(pracownik) + ")";
}

void SprawdzAnonimizacje(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik) {
    if (!tdm.Sesja().Administrator)
        throw BladDanych("Nie masz uprawnień administratora systemu !!!");
    const auto o = CzytajOsobe(tdm, pracownik);
    if (!o)
        throw BladDanych("Nie ma pracownika o identyfikatorze " + std::to_string(pracownik) +
                         " !!!");
    if (o->nazwisko.rfind(store::kAnonim, 0) == 0 && o->pesel.empty())
        throw BladDanych("Dane pracownika o identyfikatorze " + std::to_string(pracownik) +
                         " są już zanonimizowane !!!");
    const auto zasady = store::CzytajZasadyPrzechowywania(tdm.Fs(), tdm.DataDirectory());
    const auto koniec = store::KoniecPrzechowywania(store::ZasadaDla(zasady, o->podzial),
                                                    o->zatrudnienie, o->zwolnienie);
    const compute::DataKal dzis = Dzis(tdm);
    if (o->zwolnienie.Pusta() || dzis < o->zwolnienie)
        throw BladDanych("Pracownik " + o->nazwisko +
                         " nie jest zwolniony: jego akt nie wolno "
                         "anonimizować !!!");
    if (!koniec || !(*koniec < dzis))
        throw BladDanych("Okres przechowywania akt pracownika " + o->nazwisko +
                         (koniec ? " trwa do " + compute::TekstDaty(*koniec) : " nie jest znany") +
                         " !!!");
    if (tdm.EditingInProgress() || tdm1.EditingInProgress())
        throw BladDanych("Najpierw zapisz albo anuluj zmiany w danych !!!");
}

WynikAnonimizacji Anonimizuj(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik) {
    SprawdzAnonimizacje(tdm, tdm1, pracownik);
    WynikAnonimizacji w = Anonimizacja(tdm, tdm1, pracownik).Wykonaj();
    for (store::DataModule* m :
         {static_cast<store::DataModule*>(&tdm), static_cast<store::DataModule*>(&tdm1)})
        for (store::TableComponent* c : m->Components())
            if (c->IsOpen())
                (*c)->Refresh();
    return w;
}

}  // namespace mirta::rodo
