#include "store/dziennik_zmian.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

#include "engine/field_text.h"
#include "engine/paradox_table.h"

namespace mirta::store {

namespace {

using engine::FieldDef;
using engine::FieldType;
using engine::Record;
using engine::Value;

constexpr double kMsDnia = 86400000.0;
constexpr size_t kDlugoscWartosci = 250;

enum Pole { Kiedy, Uzytkownik, Operacja, Tabela, Klucz, Pracownik, NazwaPola, Stara, Nowa };

std::string Male(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// At most `n` characters of UTF-8 text, cut on a character's boundary.
std::string Utnij(const std::string& s, size_t n) {
    size_t znaki = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && znaki++ == n)
            return s.substr(0, i);
    }
    return s;
}

bool PoleHasla(const std::string& nazwa) {
    return Male(nazwa).find("haslo") != std::string::npos;
}

std::string Sciezka(engine::FileSystem& fs, const std::string& katalog) {
    return engine::ResolvePath(fs, katalog + "/" + kPlikDziennika);
}

std::unique_ptr<engine::ParadoxTable> OtworzLubUtworz(engine::FileSystem& fs,
                                                      const std::string& sciezka) {
    if (fs.Exists(sciezka))
        return engine::ParadoxTable::Open(fs, sciezka);
    return engine::ParadoxTable::Create(fs, sciezka, PolaDziennika(), 0);
}

Record Wiersz(const WpisDziennika& w) {
    Record r(9);
    r[Kiedy] = Value::Timestamp(w.kiedy);
    r[Uzytkownik] = Value::Text(Utnij(w.uzytkownik, 10));
    r[Operacja] = Value::Text(w.operacja);
    r[Tabela] = Value::Text(Utnij(w.tabela, 40));
    r[Klucz] = Value::Text(Utnij(w.klucz, 80));
    r[Pracownik] = Value::Integer(w.pracownik);
    r[NazwaPola] = Value::Text(Utnij(w.pole, 40));
    r[Stara] = Value::Text(Utnij(w.stara, kDlugoscWartosci));
    r[Nowa] = Value::Text(Utnij(w.nowa, kDlugoscWartosci));
    return r;
}

std::string Tekst(const Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}

WpisDziennika Wpis(const Record& r) {
    WpisDziennika w;
    w.kiedy = r[Kiedy].IsNull() ? 0 : r[Kiedy].AsTimestamp();
    w.uzytkownik = Tekst(r[Uzytkownik]);
    w.operacja = Tekst(r[Operacja]);
    w.tabela = Tekst(r[Tabela]);
    w.klucz = Tekst(r[Klucz]);
    w.pracownik = r[Pracownik].IsNull() ? 0 : static_cast<int32_t>(r[Pracownik].AsInteger());
    w.pole = Tekst(r[NazwaPola]);
    w.stara = Tekst(r[Stara]);
    w.nowa = Tekst(r[Nowa]);
    return w;
}

double PoczatekDnia(engine::CivilDate d) {
    return engine::DayNumberFromCivil(d.year, d.month, d.day) * kMsDnia;
}

bool Przechodzi(const WpisDziennika& w, const FiltrDziennika& f) {
    if (f.pracownik && w.pracownik != *f.pracownik)
        return false;
    if (f.od && w.kiedy < PoczatekDnia(*f.od))
        return false;
    if (f.doDnia && w.kiedy >= PoczatekDnia(*f.doDnia) + kMsDnia)
        return false;
    if (!f.uzytkownik.empty() && Male(w.uzytkownik) != Male(f.uzytkownik))
        return false;
    if (!f.tabela.empty() && Male(w.tabela) != Male(f.tabela))
        return false;
    return true;
}

// What one dataset's operation changed, as entries.
class Rejestrator {
public:
    Rejestrator(engine::FileSystem& fs, std::string katalog, std::function<std::string()> kto)
        : m_fs(fs), m_katalog(std::move(katalog)), m_kto(std::move(kto)) {}

    void Przed(const engine::Dataset& ds, bool pusty) {
        m_przed = pusty ? Record(ds.StoredFieldCount()) : Zapisane(ds);
    }
    void Zapomnij() { m_przed.reset(); }
    void DoZapisu(const engine::Dataset& ds) { m_doZapisu = Zapisane(ds); }

    void PoZapisie(const engine::Dataset& ds) {
        if (!m_przed || !m_doZapisu)
            return;
        // The row written, with the number the table gave it; the buffer when the row left
        // the view and the cursor stands elsewhere.
        Record po = Zapisane(ds);
        for (int i = 0; i < ds.StoredFieldCount(); ++i)
            if (ds.Fields()[i].type != FieldType::AutoInc &&
                !engine::SameValue(po[i], (*m_doZapisu)[i]))
                po = *m_doZapisu;
        const bool nowy = std::all_of(m_przed->begin(), m_przed->end(),
                                      [](const Value& v) { return v.IsNull(); });
        std::vector<WpisDziennika> wpisy;
        for (int i = 0; i < ds.StoredFieldCount(); ++i) {
            const FieldDef& f = ds.Fields()[i];
            if (PoleHasla(f.name) || engine::SameValue((*m_przed)[i], po[i]))
                continue;
            wpisy.push_back(Zmiana(ds, po, nowy ? "dopisanie" : "zmiana", f, (*m_przed)[i], po[i]));
        }
        m_przed.reset();
        m_doZapisu.reset();
        Dopisz(wpisy);
    }

    void PoUsunieciu(const engine::Dataset& ds) {
        if (!m_przed)
            return;
        std::vector<WpisDziennika> wpisy;
        for (int i = 0; i < ds.StoredFieldCount(); ++i) {
            const FieldDef& f = ds.Fields()[i];
            if (PoleHasla(f.name) || (*m_przed)[i].IsNull())
                continue;
            wpisy.push_back(Zmiana(ds, *m_przed, "usunięcie", f, (*m_przed)[i], Value()));
        }
        m_przed.reset();
        Dopisz(wpisy);
    }

private:
    static Record Zapisane(const engine::Dataset& ds) {
        const engine::RowView biezacy = ds.Current();
        const Record& r = biezacy.Values();
        return Record(r.begin(), r.begin() + ds.StoredFieldCount());
    }

    WpisDziennika Zmiana(const engine::Dataset& ds, const Record& wiersz, const char* operacja,
                         const FieldDef& f, const Value& stara, const Value& nowa) {
        WpisDziennika w;
        w.kiedy = Teraz();
        w.uzytkownik = m_kto();
        w.operacja = operacja;
        w.tabela = std::filesystem::path(ds.GetTable().Path()).filename().string();
        w.klucz = Klucz(ds, wiersz);
        w.pracownik = PracownikWiersza(ds, wiersz);
        w.pole = f.name;
        w.stara = stara.IsNull() ? std::string() : engine::FormatFieldValue(f, stara);
        w.nowa = nowa.IsNull() ? std::string() : engine::FormatFieldValue(f, nowa);
        return w;
    }

    // The key fields, or for a table without a key its identifier, or its first field.
    static std::string Klucz(const engine::Dataset& ds, const Record& wiersz) {
        int n = ds.GetTable().KeyFieldCount();
        std::vector<int> pola;
        for (int i = 0; i < n; ++i)
            pola.push_back(i);
        if (pola.empty()) {
            const int id = ds.FindField("Identyfikator");
            pola.push_back(id >= 0 && id < ds.StoredFieldCount() ? id : 0);
        }
        std::string t;
        for (int i : pola) {
            if (!t.empty())
                t += "; ";
            t += wiersz[i].IsNull() ? std::string()
                                    : engine::FormatFieldValue(ds.Fields()[i], wiersz[i]);
        }
        return t;
    }

    static int32_t PracownikWiersza(const engine::Dataset& ds, const Record& wiersz) {
        int i = ds.FindField("IdentyfikatorPracownika");
        if (i < 0 && ds.Name() == "TPracownicy")
            i = ds.FindField("Identyfikator");
        if (i < 0 || i >= ds.StoredFieldCount() || wiersz[i].IsNull() ||
            wiersz[i].kind() != Value::Kind::Integer)
            return 0;
        return static_cast<int32_t>(wiersz[i].AsInteger());
    }

    void Dopisz(const std::vector<WpisDziennika>& wpisy) {
        if (!wpisy.empty())
            DopiszDoDziennika(m_fs, m_katalog, wpisy);
    }

    engine::FileSystem& m_fs;
    std::string m_katalog;
    std::function<std::string()> m_kto;
    std::optional<Record> m_przed;
    std::optional<Record> m_doZapisu;
};

}  // namespace

std::vector<FieldDef> PolaDziennika() {
    return {{"Kiedy", FieldType::Timestamp, 8},    {"Uzytkownik", FieldType::Alpha, 10},
            {"Operacja", FieldType::Alpha, 10},    {"Tabela", FieldType::Alpha, 40},
            {"Klucz", FieldType::Alpha, 80},       {"IdentyfikatorPracownika", FieldType::Long, 4},
            {"Pole", FieldType::Alpha, 40},        {"StaraWartosc", FieldType::Alpha, 255},
            {"NowaWartosc", FieldType::Alpha, 255}};
}

double Teraz() {
    const auto teraz = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(teraz);
    std::tm lokalny{};
    localtime_r(&t, &lokalny);
    const int32_t dzien =
        engine::DayNumberFromCivil(lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(teraz.time_since_epoch()).count() %
        1000;
    return dzien * kMsDnia +
           ((lokalny.tm_hour * 60 + lokalny.tm_min) * 60 + lokalny.tm_sec) * 1000.0 +
           static_cast<double>(ms);
}

std::string TekstChwili(double kiedy) {
    const auto dzien = static_cast<int32_t>(kiedy / kMsDnia);
    const auto ms = static_cast<int32_t>(kiedy - dzien * kMsDnia);
    return engine::FormatDate(dzien) + " " + engine::FormatTime(ms).substr(0, 8);
}

void DopiszDoDziennika(engine::FileSystem& fs, const std::string& katalog,
                       const std::vector<WpisDziennika>& wpisy) {
    auto t = OtworzLubUtworz(fs, Sciezka(fs, katalog));
    t->BeginBulk();
    for (const WpisDziennika& w : wpisy)
        t->Insert(Wiersz(w));
    t->EndBulk();
}

std::vector<WpisDziennika> CzytajDziennik(engine::FileSystem& fs, const std::string& katalog,
                                          const FiltrDziennika& filtr) {
    std::vector<WpisDziennika> wynik;
    const std::string sciezka = Sciezka(fs, katalog);
    if (!fs.Exists(sciezka))
        return wynik;
    engine::ParadoxOpenOptions tylkoOdczyt;
    tylkoOdczyt.readOnly = true;
    auto t = engine::ParadoxTable::Open(fs, sciezka, tylkoOdczyt);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        WpisDziennika w = Wpis(t->ReadRow(i));
        if (Przechodzi(w, filtr))
            wynik.push_back(std::move(w));
    }
    return wynik;
}

std::string PlikArchiwumDziennika(engine::CivilDate przed) {
    char nazwa[32];
    std::snprintf(nazwa, sizeof nazwa, "DziennikDo%04d%02d%02d.DB", przed.year, przed.month,
                  przed.day);
    return nazwa;
}

size_t ArchiwizujDziennik(engine::FileSystem& fs, const std::string& katalog,
                          engine::CivilDate przed, const std::string& plikArchiwum) {
    const std::string sciezka = Sciezka(fs, katalog);
    if (!fs.Exists(sciezka))
        return 0;
    const double granica = PoczatekDnia(przed);
    auto dziennik = engine::ParadoxTable::Open(fs, sciezka);
    std::vector<Record> stare, nowe;
    for (uint64_t i = 0; i < dziennik->RowCount(); ++i) {
        Record r = dziennik->ReadRow(i);
        const bool stary = !r[Kiedy].IsNull() && r[Kiedy].AsTimestamp() < granica;
        (stary ? stare : nowe).push_back(std::move(r));
    }
    if (stare.empty())
        return 0;
    // The archive first: an entry may be in both files after a failure, never in neither.
    {
        auto archiwum = OtworzLubUtworz(fs, plikArchiwum);
        archiwum->BeginBulk();
        for (const Record& r : stare)
            archiwum->Insert(r);
        archiwum->EndBulk();
    }
    const std::string tymczasowy = katalog + "/Dziennik.tmp.DB";
    {
        auto t = engine::ParadoxTable::Create(fs, tymczasowy, PolaDziennika(), 0);
        t->BeginBulk();
        for (const Record& r : nowe)
            t->Insert(r);
        t->EndBulk();
    }
    dziennik.reset();
    fs.Rename(tymczasowy, sciezka);
    return stare.size();
}

void PodlaczDziennik(engine::Dataset& ds, engine::FileSystem& fs, std::string katalog,
                     std::function<std::string()> uzytkownik) {
    auto r = std::make_shared<Rejestrator>(fs, std::move(katalog), std::move(uzytkownik));
    using E = engine::DatasetEvent;
    ds.AddHandler(E::AfterEdit, [r](engine::Dataset& d) { r->Przed(d, false); });
    ds.AddHandler(E::AfterInsert, [r](engine::Dataset& d) { r->Przed(d, true); });
    ds.AddHandler(E::BeforeDelete, [r](engine::Dataset& d) { r->Przed(d, false); });
    ds.AddHandler(E::AfterCancel, [r](engine::Dataset&) { r->Zapomnij(); });
    ds.AddHandler(E::BeforePost, [r](engine::Dataset& d) { r->DoZapisu(d); });
    ds.AddHandler(E::AfterPost, [r](engine::Dataset& d) { r->PoZapisie(d); });
    ds.AddHandler(E::AfterDelete, [r](engine::Dataset& d) { r->PoUsunieciu(d); });
}

}  // namespace mirta::store
