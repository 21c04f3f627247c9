#include "akta/przekazanie.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "kopia/kopia_danych.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::akta {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNaglowek = "MIRTA AKTA 1";
constexpr const char* kSpisPdf = "spis.pdf";
constexpr const char* kSpisCsv = "spis.csv";
constexpr const char* kFolderDokumentow = "dokumenty/";
constexpr uint64_t kNajwiekszySpis = 4 << 20;
constexpr uint64_t kNajwiekszyDokument = 512ull << 20;

std::string JednaLinia(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return s;
}

std::string Data(engine::CivilDate d) {
    if (!engine::IsValidCivil(d.year, d.month, d.day))
        return "";
    return engine::FormatDate(engine::DayNumberFromCivil(d.year, d.month, d.day));
}

std::optional<engine::CivilDate> CzytajDate(const std::string& s) {
    if (s.empty())
        return engine::CivilDate{};
    int r = 0, m = 0, d = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' ||
        std::sscanf(s.c_str(), "%4d-%2d-%2d", &r, &m, &d) != 3 || !engine::IsValidCivil(r, m, d))
        return std::nullopt;
    return engine::CivilDate{r, m, d};
}

template <typename T>
std::optional<T> CzytajLiczbe(const std::string& s) {
    T v{};
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size())
        return std::nullopt;
    return v;
}

bool Hex64(const std::string& s) {
    return s.size() == 64 && std::all_of(s.begin(), s.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f');
           });
}

std::vector<std::string> Pola(const std::string& linia) {
    std::vector<std::string> p;
    size_t od = 0;
    for (;;) {
        const size_t tab = linia.find('\t', od);
        p.push_back(linia.substr(od, tab == std::string::npos ? std::string::npos : tab - od));
        if (tab == std::string::npos)
            return p;
        od = tab + 1;
    }
}

struct Spis {
    OsobaAkt osoba;
    std::vector<DokumentAkt> dokumenty;
    std::vector<std::string> nazwy;  // in the archive, one per document
};

std::string TekstSpisu(const SpisAkt& s) {
    std::string t = std::string(kNaglowek) + "\n";
    t += "OSOBA\t" + std::to_string(s.osoba.identyfikator) + "\t" + JednaLinia(s.osoba.nazwisko) +
         "\t" + JednaLinia(s.osoba.imie) + "\t" + JednaLinia(s.osoba.pesel) + "\t" +
         Data(s.osoba.dataUrodzenia) + "\n";
    for (const DokumentAkt& d : s.dokumenty)
        t += "DOKUMENT\t" + d.czesc + "\t" + std::to_string(d.numer) + "\t" + d.sha256 + "\t" +
             std::to_string(d.rozmiar) + "\t" + Data(d.dataDokumentu) + "\t" +
             Data(d.dataZlozenia) + "\t" + JednaLinia(d.ktoZlozyl) + "\t" + kFolderDokumentow +
             NazwaWPrzekazaniu(d) + "\t" + JednaLinia(d.tytul) + "\n";
    return t;
}

BladAkt Zly(const fs::path& archiwum, const std::string& powod) {
    return BladAkt("Archiwum " + archiwum.string() + " nie jest poprawnym przekazaniem akt: " +
                   powod + ". Niczego nie zaimportowano.");
}

Spis CzytajSpis(const std::string& tekst, const fs::path& archiwum) {
    std::istringstream we(tekst);
    std::string linia;
    if (!std::getline(we, linia) || linia != kNaglowek)
        throw Zly(archiwum, "brak nagłówka spisu");
    Spis s;
    bool osoba = false;
    std::set<std::string> nazwy;
    while (std::getline(we, linia)) {
        if (linia.empty())
            continue;
        const auto p = Pola(linia);
        if (p[0] == "OSOBA" && p.size() == 6 && !osoba) {
            const auto id = CzytajLiczbe<int32_t>(p[1]);
            const auto ur = CzytajDate(p[5]);
            if (!id || !ur)
                throw Zly(archiwum, "zły opis osoby");
            s.osoba = {*id, p[2], p[3], p[4], *ur};
            osoba = true;
        } else if (p[0] == "DOKUMENT" && p.size() == 10) {
            DokumentAkt d;
            const auto numer = CzytajLiczbe<int32_t>(p[2]);
            const auto rozmiar = CzytajLiczbe<uint64_t>(p[4]);
            const auto dataDok = CzytajDate(p[5]);
            const auto dataZl = CzytajDate(p[6]);
            if (p[1].size() != 1 || !numer || *numer <= 0 || !Hex64(p[3]) || !rozmiar ||
                *rozmiar > kNajwiekszyDokument || !dataDok || !dataZl ||
                !p[8].starts_with(kFolderDokumentow) || !kopia::BezpiecznaSciezka(p[8]) ||
                !RodzajZRozszerzenia(p[8]) || !nazwy.insert(p[8]).second)
                throw Zly(archiwum, "zły wiersz spisu: " + JednaLinia(linia).substr(0, 120));
            d.czesc = p[1];
            d.numer = *numer;
            d.sha256 = p[3];
            d.rozmiar = *rozmiar;
            d.dataDokumentu = *dataDok;
            d.dataZlozenia = *dataZl;
            d.ktoZlozyl = p[7];
            d.tytul = p[9];
            s.dokumenty.push_back(std::move(d));
            s.nazwy.push_back(p[8]);
        } else {
            throw Zly(archiwum, "nieznany wiersz spisu");
        }
    }
    if (!osoba)
        throw Zly(archiwum, "brak opisu osoby");
    return s;
}

class Zip {
public:
    Zip(const fs::path& sciezka, int tryb) : m_sciezka(sciezka) {
        int kod = 0;
        m_zip = zip_open(sciezka.c_str(), tryb, &kod);
        if (!m_zip) {
            zip_error_t blad;
            zip_error_init_with_code(&blad, kod);
            m_blad = zip_error_strerror(&blad);
            zip_error_fini(&blad);
        }
    }
    ~Zip() {
        if (m_zip)
            zip_discard(m_zip);
    }
    Zip(const Zip&) = delete;
    Zip& operator=(const Zip&) = delete;

    zip_t* operator*() const { return m_zip; }
    const std::string& Blad() const { return m_blad; }
    void Zamknij() {
        if (zip_close(m_zip) != 0)
            throw BladAkt("Błąd zapisu archiwum " + m_sciezka.string() + ": " +
                          zip_strerror(m_zip) + ".");
        m_zip = nullptr;
    }

    // Adds bytes that must live until Zamknij().
    void Dodaj(const std::string& nazwa, const std::string& bajty) {
        zip_source_t* z = zip_source_buffer(m_zip, bajty.data(), bajty.size(), 0);
        if (!z || zip_file_add(m_zip, nazwa.c_str(), z, ZIP_FL_ENC_UTF_8) < 0) {
            if (z)
                zip_source_free(z);
            throw BladAkt("Błąd zapisu archiwum " + m_sciezka.string() + " (" + nazwa +
                          "): " + zip_strerror(m_zip) + ".");
        }
    }

    // The entry's bytes, at most `limit` of them; nullopt when it is missing or longer.
    std::optional<std::string> Czytaj(const std::string& nazwa, uint64_t limit) {
        const zip_int64_t i = zip_name_locate(m_zip, nazwa.c_str(), 0);
        if (i < 0)
            return std::nullopt;
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> f(
            zip_fopen_index(m_zip, static_cast<zip_uint64_t>(i), 0), &zip_fclose);
        if (!f)
            return std::nullopt;
        std::string bajty;
        char bufor[1 << 16];
        for (;;) {
            const zip_int64_t n = zip_fread(f.get(), bufor, sizeof bufor);
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            bajty.append(bufor, static_cast<size_t>(n));
            if (bajty.size() > limit)
                return std::nullopt;
        }
        return bajty;
    }

private:
    fs::path m_sciezka;
    zip_t* m_zip = nullptr;
    std::string m_blad;
};

// Reads and checks every document of the list; throws naming the first that fails.
void SprawdzDokumenty(Zip& zip, const Spis& s, const fs::path& archiwum,
                      const std::function<void(size_t, std::string&&)>& dalej) {
    for (size_t i = 0; i < s.dokumenty.size(); ++i) {
        const DokumentAkt& d = s.dokumenty[i];
        auto bajty = zip.Czytaj(s.nazwy[i], d.rozmiar);
        if (!bajty)
            throw Zly(archiwum, "brak pliku " + s.nazwy[i] + " albo jest dłuższy niż w spisie");
        if (bajty->size() != d.rozmiar || Sha256(*bajty) != d.sha256)
            throw Zly(archiwum, "plik " + s.nazwy[i] + " nie zgadza się z sumą SHA-256 spisu");
        if (dalej)
            dalej(i, std::move(*bajty));
    }
}

std::string Male(std::string s) {
    // Polish capitals are two bytes in UTF-8; comparing names ignores the ASCII case only.
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool TaSamaOsoba(const OsobaAkt& a, const OsobaAkt& b) {
    if (!a.pesel.empty() && !b.pesel.empty())
        return a.pesel == b.pesel;
    const bool daty = a.dataUrodzenia.year == 0 || b.dataUrodzenia.year == 0 ||
                      a.dataUrodzenia == b.dataUrodzenia;
    return daty && Male(a.nazwisko) == Male(b.nazwisko) && Male(a.imie) == Male(b.imie);
}

}  // namespace

WynikEksportu EksportujAkta(const AktaOsobowe& akta, const SpisAkt& spis, const fs::path& archiwum,
                            const DrukPdf& pdf) {
    if (!akta.Sesja().Aktualizowanie)
        throw BladAkt("Nie masz prawa do zmiany danych !!!");
    // Every document first: a changed file stops the hand-over before anything is written.
    std::vector<std::string> bajty;
    WynikEksportu w;
    for (const DokumentAkt& d : spis.dokumenty) {
        bajty.push_back(akta.CzytajPlik(d));
        w.bajtow += d.rozmiar;
    }
    w.dokumentow = spis.dokumenty.size();
    const std::string tekstSpisu = TekstSpisu(spis);
    const std::string csv = CsvSpisu(spis);
    const std::string spisPdf = pdf ? pdf(spis) : "";

    wspolne::ZapisAtomowy zapis(archiwum);
    {
        Zip zip(zapis.Tymczasowy(), ZIP_CREATE | ZIP_TRUNCATE);
        if (!*zip)
            throw BladAkt("Nie można utworzyć archiwum " + archiwum.string() + ": " + zip.Blad() +
                          ".");
        zip.Dodaj(kNazwaSpisuPrzekazania, tekstSpisu);
        zip.Dodaj(kSpisCsv, csv);
        if (!spisPdf.empty())
            zip.Dodaj(kSpisPdf, spisPdf);
        for (size_t i = 0; i < spis.dokumenty.size(); ++i)
            zip.Dodaj(kFolderDokumentow + NazwaWPrzekazaniu(spis.dokumenty[i]), bajty[i]);
        zip.Zamknij();
    }
    // Read back before it gets its name.
    {
        Zip zip(zapis.Tymczasowy(), ZIP_RDONLY | ZIP_CHECKCONS);
        if (!*zip)
            throw BladAkt("Zapisane archiwum jest uszkodzone: " + zip.Blad() + ".");
        auto tekst = zip.Czytaj(kNazwaSpisuPrzekazania, kNajwiekszySpis);
        if (!tekst)
            throw BladAkt("Zapisane archiwum nie ma spisu dokumentów.");
        SprawdzDokumenty(zip, CzytajSpis(*tekst, archiwum), archiwum, {});
    }
    zapis.Zatwierdz();
    return w;
}

WynikImportu ImportujAkta(AktaOsobowe& akta, const fs::path& archiwum, const OsobaAkt& osoba) {
    if (!akta.Sesja().Aktualizowanie)
        throw BladAkt("Nie masz prawa do zmiany danych !!!");
    Zip zip(archiwum, ZIP_RDONLY | ZIP_CHECKCONS);
    if (!*zip)
        throw BladAkt("Nie można otworzyć archiwum " + archiwum.string() + ": " + zip.Blad() + ".");
    auto tekst = zip.Czytaj(kNazwaSpisuPrzekazania, kNajwiekszySpis);
    if (!tekst)
        throw Zly(archiwum, "brak spisu " + std::string(kNazwaSpisuPrzekazania));
    const Spis s = CzytajSpis(*tekst, archiwum);
    if (!TaSamaOsoba(s.osoba, osoba))
        throw BladAkt("Archiwum zawiera akta innej osoby (" + s.osoba.NazwiskoImie() +
                      (s.osoba.pesel.empty() ? "" : ", PESEL " + s.osoba.pesel) + ") niż " +
                      osoba.NazwiskoImie() + ". Niczego nie zaimportowano.");
    // Nothing but what the list names (and the two tables of contents) may be in it.
    const zip_int64_t wpisow = zip_get_num_entries(*zip, 0);
    std::set<std::string> znane(s.nazwy.begin(), s.nazwy.end());
    znane.insert({kNazwaSpisuPrzekazania, kSpisPdf, kSpisCsv, kFolderDokumentow});
    for (zip_int64_t i = 0; i < wpisow; ++i) {
        const char* nazwa = zip_get_name(*zip, static_cast<zip_uint64_t>(i), 0);
        if (!nazwa || !znane.count(nazwa))
            throw Zly(archiwum, std::string("plik spoza spisu: ") + (nazwa ? nazwa : "?"));
    }
    std::set<std::string> czesci;
    for (const CzescAkt& c : akta.Czesci())
        czesci.insert(c.czesc);
    for (const DokumentAkt& d : s.dokumenty)
        if (!czesci.count(d.czesc))
            throw Zly(archiwum, "nieznana część akt „" + d.czesc + "”");
    SprawdzDokumenty(zip, s, archiwum, {});

    WynikImportu w;
    const std::vector<DokumentAkt> sa = akta.Dokumenty(osoba.identyfikator);
    SprawdzDokumenty(zip, s, archiwum, [&](size_t i, std::string&& bajty) {
        const DokumentAkt& d = s.dokumenty[i];
        const bool juzJest = std::any_of(sa.begin(), sa.end(), [&](const DokumentAkt& x) {
            return x.sha256 == d.sha256 && x.czesc == d.czesc;
        });
        if (juzJest) {
            ++w.pominiete;
            return;
        }
        const bool zajety = std::any_of(sa.begin(), sa.end(), [&](const DokumentAkt& x) {
            return x.czesc == d.czesc && x.numer == d.numer;
        });
        const RodzajPliku rodzaj = *RodzajZRozszerzenia(s.nazwy[i]);
        DokumentAkt opis = d;
        if (zajety) {
            opis.numer = 0;
            ++w.przenumerowane;
        }
        akta.DodajZNumerem(osoba.identyfikator, bajty, rodzaj, opis);
        ++w.dodane;
    });
    return w;
}

}  // namespace mirta::akta
