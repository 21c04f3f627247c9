#include "rodo/dane_osoby.h"

#include <openssl/evp.h>
#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "engine/field_text.h"
#include "engine/paradox_table.h"
#include "rodo/akta_osoby.h"
#include "rodo/podpisy_stron.h"
#include "store/dziennik_zmian.h"
#include "store/katalog.h"
#include "store/otwarcie_tabel.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"
#include "wspolne/szesnastkowo.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::rodo {

namespace {

using engine::FieldDef;
using engine::FieldType;
using engine::Record;
using engine::Value;

std::string Male(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The field that names the employee a row belongs to; -1 for a table of no one employee.
int PolePracownika(const store::OpisTabeli& opis, const engine::Table& t) {
    const auto& pola = t.Fields();
    for (const char* nazwa : {"IdentyfikatorPracownika", "IdPracownika"})
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == nazwa)
                return static_cast<int>(i);
    if (opis.komponent == "TPracownicy")
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == "Identyfikator")
                return static_cast<int>(i);
    return -1;
}

bool PlikUrlopow(std::string_view plik) {
    const std::string m = Male(std::string(plik));
    return m == "urlopy.db" || m == "urlnalez.db";
}

// The leave files of every year the directory holds, the base files first.
std::vector<std::string> PlikiUrlopow(engine::FileSystem& fs, const std::string& katalog) {
    std::vector<std::string> pliki;
    auto dodaj = [&](const std::string& plik) {
        if (fs.Exists(engine::ResolvePath(fs, katalog + "/" + plik)))
            pliki.push_back(plik);
    };
    dodaj("UrlNalez.db");
    dodaj("Urlopy.db");
    for (int rok = store::kPierwszyRokPlikowUrlopow; rok <= store::kOstatniRokPlikowUrlopow;
         ++rok) {
        dodaj(store::PlikUrlopowNaleznych(rok));
        dodaj(store::PlikUrlopowWykorzystanych(rok));
    }
    return pliki;
}

TabelaOsoby Tabela(const store::OpisTabeli& opis, engine::Table& t, int pole, int32_t id,
                   std::string plik) {
    TabelaOsoby wynik;
    wynik.plik = std::move(plik);
    wynik.tytul = TytulTabeli(opis.komponent);
    if (wynik.tytul.empty())
        wynik.tytul = wynik.plik;
    wynik.pola = t.Fields();
    for (const FieldDef& f : wynik.pola)
        wynik.podpisy.push_back(PodpisPola(opis.komponent, f.name));
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        const Value v = t.ReadField(i, pole);
        if (!v.IsNull() && v.kind() == Value::Kind::Integer && v.AsInteger() == id)
            wynik.wiersze.push_back(t.ReadRow(i));
    }
    return wynik;
}

FieldDef Tekstowe(const char* nazwa, int rozmiar) {
    return {nazwa, FieldType::Alpha, rozmiar};
}

TabelaOsoby Dziennik(store::TDM& tdm, int32_t id) {
    TabelaOsoby t;
    t.plik = store::kPlikDziennika;
    t.tytul = "Dziennik zmian";
    t.pola = {Tekstowe("Kiedy", 19),         Tekstowe("Uzytkownik", 10),  Tekstowe("Operacja", 10),
              Tekstowe("Tabela", 40),        Tekstowe("Klucz", 80),       Tekstowe("Pole", 40),
              Tekstowe("StaraWartosc", 255), Tekstowe("NowaWartosc", 255)};
    t.podpisy = {"Kiedy", "Użytkownik", "Operacja", "Tabela", "Klucz", "Pole", "Było", "Jest"};
    store::FiltrDziennika f;
    f.pracownik = id;
    for (const store::WpisDziennika& w : store::CzytajDziennik(tdm.Fs(), tdm.DataDirectory(), f))
        t.wiersze.push_back({Value::Text(store::TekstChwili(w.kiedy)), Value::Text(w.uzytkownik),
                             Value::Text(w.operacja), Value::Text(w.tabela), Value::Text(w.klucz),
                             Value::Text(w.pole), Value::Text(w.stara), Value::Text(w.nowa)});
    return t;
}

TabelaOsoby Udostepnienia(store::TDM& tdm, int32_t id) {
    TabelaOsoby t;
    t.plik = store::kPlikUdostepnien;
    t.tytul = "Udostępnienia danych";
    t.pola = {Tekstowe("Kiedy", 19),  Tekstowe("Uzytkownik", 10), Tekstowe("Odbiorca", 30),
              Tekstowe("Rodzaj", 20), Tekstowe("Opis", 120),      Tekstowe("Cel", 255)};
    t.podpisy = {"Kiedy", "Użytkownik", "Komu", "Co", "Opis", "Dokąd"};
    store::FiltrUdostepnien f;
    f.pracownik = id;
    for (const store::Udostepnienie& u :
         store::CzytajUdostepnienia(tdm.Fs(), tdm.DataDirectory(), f))
        t.wiersze.push_back({Value::Text(store::TekstChwili(u.kiedy)), Value::Text(u.uzytkownik),
                             Value::Text(u.odbiorca), Value::Text(u.rodzaj), Value::Text(u.opis),
                             Value::Text(u.cel)});
    return t;
}

std::vector<ZrodloDanychOsoby>& Zrodla() {
    static std::vector<ZrodloDanychOsoby> z{ZrodloAktOsobowych()};
    return z;
}

std::string Sha256(const std::string& dane) {
    unsigned char wynik[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    EVP_Digest(dane.data(), dane.size(), wynik, &n, EVP_sha256(), nullptr);
    return wspolne::Szesnastkowo(wynik, n);
}

std::string PoleCsv(const std::string& t) {
    if (t.find_first_of(",\"\r\n") == std::string::npos)
        return t;
    std::string w = "\"";
    for (char c : t) {
        if (c == '"')
            w += '"';
        w += c;
    }
    return w + "\"";
}

std::string BezRozszerzenia(const std::string& plik) {
    return std::filesystem::path(plik).stem().string();
}

}  // namespace

DaneOsoby ZbierzDaneOsoby(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik) {
    engine::Table& mirta = tdm.TPracownicy->GetTable();
    DaneOsoby d;
    d.pracownik = pracownik;
    std::set<std::string> widziane;
    bool jest = false;
    for (store::DataModule* modul :
         {static_cast<store::DataModule*>(&tdm), static_cast<store::DataModule*>(&tdm1)}) {
        for (store::TableComponent* c : modul->Components()) {
            const store::OpisTabeli& opis = c->Opis();
            if (opis.drugiWidok || opis.format != store::FormatPliku::Paradox ||
                (opis.miejsce != store::MiejscePliku::Dane &&
                 opis.miejsce != store::MiejscePliku::Placowy) ||
                PlikUrlopow(opis.plik))
                continue;
            std::unique_ptr<engine::Table> wlasna;
            engine::Table* t = nullptr;
            if (c->IsOpen()) {
                t = &(*c)->GetTable();
            } else {
                // A table its window opens, when the directory has it.
                if (opis.miejsce != store::MiejscePliku::Dane ||
                    !tdm.Fs().Exists(engine::ResolvePath(
                        tdm.Fs(), tdm.DataDirectory() + "/" + std::string(opis.plik))))
                    continue;
                std::vector<std::string> uwagi;
                wlasna = store::OtworzTabele(tdm.Fs(), opis, tdm.DataDirectory(), uwagi);
                t = wlasna.get();
            }
            if (!widziane.insert(Male(t->Path())).second)
                continue;
            const int pole = PolePracownika(opis, *t);
            if (pole < 0)
                continue;
            TabelaOsoby tab = Tabela(opis, *t, pole, pracownik,
                                     std::filesystem::path(t->Path()).filename().string());
            if (t == &mirta) {
                jest = !tab.wiersze.empty();
                if (jest) {
                    const auto& w = tab.wiersze.front();
                    const int n = store::PoleTabeli(mirta, "Nazwisko");
                    const int i = store::PoleTabeli(mirta, "Imie1");
                    d.nazwisko = store::Przyciety(w[n]) + " " + store::Przyciety(w[i]);
                }
                d.tabele.insert(d.tabele.begin(), std::move(tab));
            } else {
                d.tabele.push_back(std::move(tab));
            }
        }
    }
    if (!jest)
        throw store::BladDanych("Nie ma pracownika o identyfikatorze " + std::to_string(pracownik) +
                                " !!!");
    // The leave of every year: the processing year's files through the module's tables, the
    // others opened for the reading.
    for (const std::string& plik : PlikiUrlopow(tdm.Fs(), tdm.DataDirectory())) {
        const store::OpisTabeli* opis = store::ZnajdzTabele(plik);
        if (!opis)
            continue;
        std::vector<std::string> uwagi;
        auto t = store::OtworzTabele(tdm.Fs(), *opis, tdm.DataDirectory(), uwagi, plik);
        if (!widziane.insert(Male(t->Path())).second)
            continue;
        const int pole = PolePracownika(*opis, *t);
        if (pole < 0)
            continue;
        TabelaOsoby tab = Tabela(*opis, *t, pole, pracownik,
                                 std::filesystem::path(t->Path()).filename().string());
        tab.tytul += " (" + tab.plik + ")";
        d.tabele.push_back(std::move(tab));
    }
    d.tabele.push_back(Dziennik(tdm, pracownik));
    d.tabele.push_back(Udostepnienia(tdm, pracownik));
    for (const ZrodloDanychOsoby& z : Zrodla())
        if (z.dopisz)
            z.dopisz(tdm, tdm1, pracownik, d);
    return d;
}

void DodajZrodloDanychOsoby(ZrodloDanychOsoby zrodlo) {
    Zrodla().push_back(std::move(zrodlo));
}

const std::vector<ZrodloDanychOsoby>& ZrodlaDanychOsoby() {
    return Zrodla();
}

std::string WartoscMaszynowa(const FieldDef& pole, const Value& v) {
    if (v.IsNull())
        return {};
    switch (v.kind()) {
        case Value::Kind::Null:
            return {};
        case Value::Kind::Text:
            return v.AsText();
        case Value::Kind::Integer:
            return std::to_string(v.AsInteger());
        case Value::Kind::Number: {
            char bufor[64];
            const auto r = std::to_chars(bufor, bufor + sizeof bufor, v.AsNumber());
            return std::string(bufor, r.ptr);
        }
        case Value::Kind::Logical:
            return v.AsLogical() ? "T" : "F";
        case Value::Kind::Date:
            return engine::FormatDate(v.AsDay());
        case Value::Kind::Time:
            return engine::FormatTime(v.AsMilliseconds()).substr(0, 8);
        case Value::Kind::Timestamp:
            return store::TekstChwili(v.AsTimestamp());
        case Value::Kind::Bytes:
            return engine::FormatFieldValue(pole, v);
    }
    return {};
}

std::string CsvTabeli(const TabelaOsoby& t) {
    std::string csv;
    for (size_t i = 0; i < t.pola.size(); ++i)
        csv += (i ? "," : "") + PoleCsv(t.pola[i].name);
    csv += "\r\n";
    for (const Record& r : t.wiersze) {
        for (size_t i = 0; i < t.pola.size(); ++i)
            csv += (i ? "," : "") + PoleCsv(WartoscMaszynowa(t.pola[i], r[i]));
        csv += "\r\n";
    }
    return csv;
}

std::vector<std::string> NazwyPlikowArchiwum(const DaneOsoby& d) {
    std::vector<std::string> nazwy;
    for (size_t i = 0; i < d.tabele.size(); ++i) {
        char numer[24];
        std::snprintf(numer, sizeof numer, "%02zu_", i + 1);
        nazwy.push_back(numer + BezRozszerzenia(d.tabele[i].plik) + ".csv");
    }
    return nazwy;
}

std::string ManifestArchiwum(const DaneOsoby& d, const std::vector<std::string>& csv) {
    const auto nazwy = NazwyPlikowArchiwum(d);
    std::string m = "Dane osobowe pracownika\r\n";
    m += "Identyfikator: " + std::to_string(d.pracownik) + "\r\n";
    m += "Nazwisko i imię: " + d.nazwisko + "\r\n";
    m += "Utworzono: " + store::TekstChwili(store::Teraz()) + "\r\n";
    m += "Pliki CSV: UTF-8, pola rozdzielone przecinkiem, pierwszy wiersz - nazwy pól.\r\n";
    for (size_t i = 0; i < d.tabele.size(); ++i) {
        const TabelaOsoby& t = d.tabele[i];
        m += "\r\n" + nazwy[i] + "\r\n";
        m += "  Tabela: " + t.plik + "\r\n";
        m += "  Tytuł: " + t.tytul + "\r\n";
        m += "  Wierszy: " + std::to_string(t.wiersze.size()) + "\r\n";
        m += "  SHA-256: " + Sha256(csv[i]) + "\r\n";
        for (size_t k = 0; k < t.pola.size(); ++k)
            m += "  " + t.pola[k].name + ": " + t.podpisy[k] + "\r\n";
    }
    return m;
}

void SprawdzPrawoEksportu(const store::SesjaUzytkownika& sesja) {
    if (!sesja.Aktualizowanie)
        throw store::BladDanych("Nie masz prawa do zmiany danych !!!");
}

void ZapiszArchiwumDanychOsoby(const store::SesjaUzytkownika& sesja, const DaneOsoby& d,
                               const std::string& plik) {
    SprawdzPrawoEksportu(sesja);
    std::vector<std::string> csv;
    for (const TabelaOsoby& t : d.tabele)
        csv.push_back(CsvTabeli(t));
    const std::string manifest = ManifestArchiwum(d, csv);
    const auto nazwy = NazwyPlikowArchiwum(d);

    wspolne::ZapisAtomowy zapis(plik);
    int kod = 0;
    zip_t* zip = zip_open(zapis.Tymczasowy().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &kod);
    if (!zip)
        throw std::runtime_error("Nie można utworzyć archiwum " + plik + ".");
    auto dodaj = [&](const std::string& nazwa, const std::string& tresc) {
        zip_source_t* z = zip_source_buffer(zip, tresc.data(), tresc.size(), 0);
        if (!z || zip_file_add(zip, nazwa.c_str(), z, ZIP_FL_ENC_UTF_8) < 0) {
            if (z)
                zip_source_free(z);
            const std::string blad = zip_strerror(zip);
            zip_discard(zip);
            throw std::runtime_error("Błąd zapisu archiwum " + plik + ": " + blad + ".");
        }
    };
    dodaj("MANIFEST.txt", manifest);
    for (size_t i = 0; i < csv.size(); ++i)
        dodaj(nazwy[i], csv[i]);
    if (zip_close(zip) != 0) {
        const std::string blad = zip_strerror(zip);
        zip_discard(zip);
        throw std::runtime_error("Błąd zapisu archiwum " + plik + ": " + blad + ".");
    }
    zapis.Zatwierdz();
    store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajEksport,
                        "Dane osobowe pracownika (archiwum CSV)", plik, {d.pracownik});
}

}  // namespace mirta::rodo
