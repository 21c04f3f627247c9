#include "akta/akta_osobowe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <tuple>

#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "kopia/manifest.h"
#include "store/czesci_akt.h"
#include "store/dziennik_zmian.h"
#include "store/katalog.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::akta {

namespace fs = std::filesystem;
using engine::Record;
using engine::Value;

namespace {

constexpr const char* kBrakPrawa = "Nie masz prawa do zmiany danych !!!";
constexpr const char* kBrakAdministratora = "Nie masz uprawnień administratora systemu !!!";
constexpr uint64_t kNajwiekszyPlik = 512ull << 20;
constexpr size_t kDlugoscTytulu = 120;

enum Pole {
    PId,
    PPracownik,
    PCzesc,
    PNumer,
    PTytul,
    PDataDokumentu,
    PDataZlozenia,
    PKto,
    PPlik,
    PRozmiar,
    PSha,
    kPol
};

Value Tekst(const std::string& s) {
    return s.empty() ? Value() : Value::Text(s);
}
std::string Tekst(const Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}
Value Data(engine::CivilDate d) {
    if (!engine::IsValidCivil(d.year, d.month, d.day))
        return {};
    return Value::Date(engine::DayNumberFromCivil(d.year, d.month, d.day));
}
engine::CivilDate Data(const Value& v) {
    return v.IsNull() ? engine::CivilDate{} : engine::CivilFromDayNumber(v.AsDay());
}
int32_t Liczba(const Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}
std::string TekstDaty(engine::CivilDate d) {
    const Value v = Data(d);
    return v.IsNull() ? std::string() : engine::FormatDate(v.AsDay());
}

DokumentAkt ZWiersza(const Record& r) {
    DokumentAkt d;
    d.identyfikator = Liczba(r[PId]);
    d.pracownik = Liczba(r[PPracownik]);
    d.czesc = Tekst(r[PCzesc]);
    d.numer = Liczba(r[PNumer]);
    d.tytul = Tekst(r[PTytul]);
    d.dataDokumentu = Data(r[PDataDokumentu]);
    d.dataZlozenia = Data(r[PDataZlozenia]);
    d.ktoZlozyl = Tekst(r[PKto]);
    d.nazwaPliku = Tekst(r[PPlik]);
    d.rozmiar = r[PRozmiar].IsNull() ? 0 : static_cast<uint64_t>(r[PRozmiar].AsNumber());
    d.sha256 = Tekst(r[PSha]);
    return d;
}

Record Wiersz(const DokumentAkt& d) {
    Record r(kPol);
    if (d.identyfikator != 0)
        r[PId] = Value::Integer(d.identyfikator);
    r[PPracownik] = Value::Integer(d.pracownik);
    r[PCzesc] = Tekst(d.czesc);
    r[PNumer] = Value::Integer(d.numer);
    r[PTytul] = Tekst(d.tytul);
    r[PDataDokumentu] = Data(d.dataDokumentu);
    r[PDataZlozenia] = Data(d.dataZlozenia);
    r[PKto] = Tekst(d.ktoZlozyl);
    r[PPlik] = Tekst(d.nazwaPliku);
    r[PRozmiar] = Value::Number(static_cast<double>(d.rozmiar));
    r[PSha] = Tekst(d.sha256);
    return r;
}

// One line of at most the field's length: control characters (a tab or line break pasted
// into a title) become spaces.
std::string CzystyTytul(std::string t) {
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    size_t znaki = 0;
    for (size_t i = 0; i < t.size(); ++i)
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && znaki++ == kDlugoscTytulu)
            return t.substr(0, i);
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    while (!t.empty() && t.front() == ' ')
        t.erase(0, 1);
    return t;
}

std::string Male(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

engine::CivilDate Dzisiaj() {
    const std::time_t t = std::time(nullptr);
    std::tm lokalny{};
    localtime_r(&t, &lokalny);
    return {lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday};
}

// A folder that is a real folder, not a link to one elsewhere; made when missing and asked.
void ZwyklyFolder(const fs::path& p, bool utworz) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            throw BladAkt("„" + p.string() +
                          "” nie jest zwykłym folderem (dowiązanie lub plik); akt nie zapisano.");
        return;
    }
    if (errno != ENOENT)
        throw BladAkt("Nie można odczytać folderu " + p.string() + ": " + std::strerror(errno) +
                      ".");
    if (!utworz)
        return;
    if (::mkdir(p.c_str(), 0750) != 0 && errno != EEXIST)
        throw BladAkt("Nie można utworzyć folderu " + p.string() + ": " + std::strerror(errno) +
                      ".");
    ZwyklyFolder(p, false);
}

bool Istnieje(const fs::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0;
}

// The whole file, without following a link; nullopt when it is missing or no plain file.
std::optional<std::string> CzytajBezDowiazan(const fs::path& p, uint64_t limit) {
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > limit) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bajty;
    bajty.reserve(static_cast<size_t>(st.st_size));
    char bufor[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bajty.append(bufor, static_cast<size_t>(n));
        if (bajty.size() > limit)
            break;
    }
    ::close(fd);
    return bajty;
}

}  // namespace

// ---- File kinds and names

std::optional<RodzajPliku> RodzajZRozszerzenia(std::string_view sciezka) {
    const std::string roz = Male(fs::path(std::string(sciezka)).extension().string());
    if (roz == ".pdf")
        return RodzajPliku::Pdf;
    if (roz == ".jpg" || roz == ".jpeg")
        return RodzajPliku::Jpeg;
    if (roz == ".png")
        return RodzajPliku::Png;
    if (roz == ".tif" || roz == ".tiff")
        return RodzajPliku::Tiff;
    if (roz == ".odt")
        return RodzajPliku::Odt;
    if (roz == ".docx")
        return RodzajPliku::Docx;
    if (roz == ".rtf")
        return RodzajPliku::Rtf;
    return std::nullopt;
}

std::string_view RozszerzenieRodzaju(RodzajPliku r) {
    switch (r) {
        case RodzajPliku::Pdf:
            return "pdf";
        case RodzajPliku::Jpeg:
            return "jpg";
        case RodzajPliku::Png:
            return "png";
        case RodzajPliku::Tiff:
            return "tif";
        case RodzajPliku::Odt:
            return "odt";
        case RodzajPliku::Docx:
            return "docx";
        case RodzajPliku::Rtf:
            return "rtf";
    }
    return "";
}

bool ZgodnaZawartosc(RodzajPliku r, std::string_view p) {
    switch (r) {
        case RodzajPliku::Pdf:
            return p.starts_with("%PDF-");
        case RodzajPliku::Jpeg:
            return p.starts_with("\xFF\xD8\xFF");
        case RodzajPliku::Png:
            return p.starts_with("\x89PNG\r\n\x1A\n");
        case RodzajPliku::Tiff:
            return p.starts_with(std::string_view("II*\0", 4)) ||
                   p.starts_with(std::string_view("MM\0*", 4));
        case RodzajPliku::Odt:
        case RodzajPliku::Docx:
            return p.starts_with("PK\x03\x04");
        case RodzajPliku::Rtf:
            return p.starts_with("{\\rtf");
    }
    return false;
}

std::string FiltrPlikowAkt() {
    return "Dokumenty (*.pdf *.jpg *.jpeg *.png *.tif *.tiff *.odt *.docx *.rtf)";
}

bool BezpiecznaNazwaPliku(std::string_view nazwa) {
    if (nazwa.empty() || nazwa.size() > 40 || nazwa.front() == '.' || nazwa.front() == '-')
        return false;
    int kropki = 0;
    for (char c : nazwa) {
        const bool dozwolony = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.';
        if (!dozwolony || static_cast<unsigned char>(c) >= 0x80)
            return false;
        kropki += c == '.';
    }
    return kropki == 1;
}

std::string Sha256(std::string_view bajty) {
    kopia::Sha256 sha;
    sha.Dodaj(bajty.data(), bajty.size());
    return sha.Hex();
}

// ---- The tables

AktaOsobowe::AktaOsobowe(engine::FileSystem& fs, std::string katalogDanych,
                         const store::SesjaUzytkownika& sesja)
    : m_fs(fs), m_katalog(std::move(katalogDanych)), m_sesja(sesja) {}

std::string AktaOsobowe::SciezkaTabeli(const char* plik) const {
    return engine::ResolvePath(m_fs, m_katalog + "/" + plik);
}

void AktaOsobowe::ZapewnijCzesci() const {
    const std::string sciezka = SciezkaTabeli(kPlikCzesci);
    if (m_fs.Exists(sciezka))
        return;
    const store::OpisTabeli* opis = store::ZnajdzTabele(kPlikCzesci);
    auto t = engine::ParadoxTable::Create(m_fs, sciezka, opis->PolaPliku(), opis->polaKlucza);
    for (const auto& c : store::DomyslneCzesciAkt())
        t->Insert({Value::Text(std::string(c.czesc)), Value::Text(std::string(c.nazwa))});
    t->Sync();
}

std::unique_ptr<engine::Table> AktaOsobowe::Otworz(bool doZapisu) const {
    const std::string sciezka = SciezkaTabeli(kPlikAkt);
    if (!m_fs.Exists(sciezka)) {
        if (!doZapisu)
            return nullptr;
        ZapewnijCzesci();
        const store::OpisTabeli* opis = store::ZnajdzTabele(kPlikAkt);
        return engine::ParadoxTable::Create(m_fs, sciezka, opis->PolaPliku(), opis->polaKlucza);
    }
    if (doZapisu)
        ZapewnijCzesci();
    engine::ParadoxOpenOptions opcje;
    opcje.readOnly = !doZapisu;
    auto t = engine::ParadoxTable::Open(m_fs, sciezka, opcje);
    const auto oczekiwane = store::ZnajdzTabele(kPlikAkt)->PolaPliku();
    bool zgodna = t->Fields().size() == oczekiwane.size();
    for (size_t i = 0; zgodna && i < oczekiwane.size(); ++i)
        zgodna =
            t->Fields()[i].name == oczekiwane[i].name && t->Fields()[i].type == oczekiwane[i].type;
    if (!zgodna)
        throw BladAkt("Tabela " + std::string(kPlikAkt) + " ma inną budowę niż oczekiwana.");
    return t;
}

std::vector<CzescAkt> AktaOsobowe::Czesci() const {
    std::vector<CzescAkt> wynik;
    const std::string sciezka = SciezkaTabeli(kPlikCzesci);
    if (m_fs.Exists(sciezka)) {
        engine::ParadoxOpenOptions opcje;
        opcje.readOnly = true;
        auto t = engine::ParadoxTable::Open(m_fs, sciezka, opcje);
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            Record r = t->ReadRow(i);
            if (r.size() >= 2 && !Tekst(r[0]).empty())
                wynik.push_back({Tekst(r[0]), Tekst(r[1])});
        }
    } else {
        for (const auto& c : store::DomyslneCzesciAkt())
            wynik.push_back({std::string(c.czesc), std::string(c.nazwa)});
    }
    return wynik;
}

std::string AktaOsobowe::NazwaCzesci(std::string_view czesc) const {
    for (const CzescAkt& c : Czesci())
        if (c.czesc == czesc)
            return c.nazwa;
    return {};
}

std::vector<DokumentAkt> AktaOsobowe::Dokumenty(int32_t pracownik) const {
    std::vector<DokumentAkt> wynik;
    auto t = Otworz(false);
    if (!t)
        return wynik;
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        DokumentAkt d = ZWiersza(t->ReadRow(i));
        if (pracownik == 0 || d.pracownik == pracownik)
            wynik.push_back(std::move(d));
    }
    std::sort(wynik.begin(), wynik.end(), [](const DokumentAkt& a, const DokumentAkt& b) {
        return std::tie(a.pracownik, a.czesc, a.numer, a.identyfikator) <
               std::tie(b.pracownik, b.czesc, b.numer, b.identyfikator);
    });
    return wynik;
}

std::optional<DokumentAkt> AktaOsobowe::Dokument(int32_t identyfikator) const {
    auto t = Otworz(false);
    if (!t)
        return std::nullopt;
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        if (Liczba(t->ReadField(i, PId)) == identyfikator)
            return ZWiersza(t->ReadRow(i));
    }
    return std::nullopt;
}

std::vector<DokumentAkt> AktaOsobowe::TakieSame(int32_t pracownik, const std::string& sha) const {
    std::vector<DokumentAkt> wynik;
    for (DokumentAkt& d : Dokumenty(pracownik))
        if (d.sha256 == sha)
            wynik.push_back(std::move(d));
    return wynik;
}

int32_t AktaOsobowe::NastepnyNumer(engine::Table& t, int32_t pracownik,
                                   const std::string& czesc) const {
    int32_t najwiekszy = 0;
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        if (Liczba(t.ReadField(i, PPracownik)) == pracownik &&
            Tekst(t.ReadField(i, PCzesc)) == czesc)
            najwiekszy = std::max(najwiekszy, Liczba(t.ReadField(i, PNumer)));
    }
    return najwiekszy + 1;
}

void AktaOsobowe::SprawdzCzesc(const std::string& czesc) const {
    for (const CzescAkt& c : Czesci())
        if (c.czesc == czesc)
            return;
    throw BladAkt("Nieznana część akt: „" + czesc + "” !!!");
}

void AktaOsobowe::WymagajZmiany() const {
    if (!m_sesja.Aktualizowanie)
        throw BladAkt(kBrakPrawa);
}

void AktaOsobowe::Dziennik(const char* operacja, const DokumentAkt& d, const std::string& pole,
                           const std::string& stara, const std::string& nowa) const {
    store::WpisDziennika w;
    w.kiedy = store::Teraz();
    w.uzytkownik = m_sesja.NazwaKrotka;
    w.operacja = operacja;
    w.tabela = kPlikAkt;
    w.klucz = std::to_string(d.identyfikator);
    w.pracownik = d.pracownik;
    w.pole = pole;
    w.stara = stara;
    w.nowa = nowa;
    store::DopiszDoDziennika(m_fs, m_katalog, {w});
}

// ---- Files

fs::path AktaOsobowe::FolderPracownika(int32_t pracownik, bool utworz) const {
    if (pracownik <= 0)
        throw BladAkt("Niepoprawny identyfikator pracownika.");
    const fs::path akta = fs::path(m_katalog) / kFolderAkt;
    ZwyklyFolder(akta, utworz);
    const fs::path folder = akta / std::to_string(pracownik);
    ZwyklyFolder(folder, utworz);
    return folder;
}

fs::path AktaOsobowe::SciezkaPliku(const DokumentAkt& d) const {
    if (!BezpiecznaNazwaPliku(d.nazwaPliku))
        throw BladAkt("Niedozwolona nazwa pliku dokumentu: „" + d.nazwaPliku + "”.");
    return FolderPracownika(d.pracownik, false) / d.nazwaPliku;
}

std::string AktaOsobowe::CzytajPlik(const DokumentAkt& d) const {
    const fs::path p = SciezkaPliku(d);
    auto bajty = CzytajBezDowiazan(p, d.rozmiar);
    if (!bajty)
        throw BladAkt("Brak pliku dokumentu " + p.string() + " (albo nie jest zwykłym plikiem).");
    if (bajty->size() != d.rozmiar || Sha256(*bajty) != d.sha256)
        throw BladAkt("Plik dokumentu " + p.string() +
                      " nie zgadza się z sumą kontrolną zapisaną w aktach.");
    return std::move(*bajty);
}

DokumentAkt AktaOsobowe::Dodaj(int32_t pracownik, const fs::path& plik, const NowyDokument& d) {
    WymagajZmiany();
    const auto rodzaj = RodzajZRozszerzenia(plik.string());
    if (!rodzaj)
        throw BladAkt("Akta przyjmują pliki PDF, JPEG, PNG, TIFF, ODT, DOCX i RTF; „" +
                      plik.filename().string() + "” nim nie jest.");
    std::error_code ec;
    if (!fs::is_regular_file(plik, ec))
        throw BladAkt("Nie ma pliku " + plik.string() + ".");
    if (fs::file_size(plik, ec) > kNajwiekszyPlik)
        throw BladAkt("Plik " + plik.string() + " jest za duży (ponad 512 MB).");
    std::ifstream we(plik, std::ios::binary);
    std::string bajty((std::istreambuf_iterator<char>(we)), std::istreambuf_iterator<char>());
    if (!we.good() && !we.eof())
        throw BladAkt("Nie można odczytać pliku " + plik.string() + ".");
    NowyDokument opis = d;
    if (opis.tytul.empty())
        opis.tytul = plik.stem().string();
    return DodajBajty(pracownik, bajty, *rodzaj, opis);
}

DokumentAkt AktaOsobowe::DodajBajty(int32_t pracownik, std::string_view bajty, RodzajPliku rodzaj,
                                    const NowyDokument& d) {
    WymagajZmiany();
    return Zapisz(pracownik, bajty, rodzaj, d, nullptr);
}

DokumentAkt AktaOsobowe::DodajZNumerem(int32_t pracownik, std::string_view bajty,
                                       RodzajPliku rodzaj, const DokumentAkt& opis) {
    WymagajZmiany();
    return Zapisz(pracownik, bajty, rodzaj, {opis.czesc, opis.tytul, opis.dataDokumentu}, &opis);
}

DokumentAkt AktaOsobowe::Zapisz(int32_t pracownik, std::string_view bajty, RodzajPliku rodzaj,
                                const NowyDokument& nowy, const DokumentAkt* pochodzenie) {
    SprawdzCzesc(nowy.czesc);
    if (!ZgodnaZawartosc(rodzaj, bajty.substr(0, 16)))
        throw BladAkt("Zawartość pliku nie odpowiada jego rodzajowi (" +
                      std::string(RozszerzenieRodzaju(rodzaj)) + "); dokumentu nie dodano.");
    auto t = Otworz(true);
    DokumentAkt d;
    d.pracownik = pracownik;
    d.czesc = nowy.czesc;
    d.tytul = CzystyTytul(nowy.tytul);
    if (d.tytul.empty())
        d.tytul = "Dokument";
    d.dataDokumentu = nowy.dataDokumentu;
    d.dataZlozenia = m_sesja.DataPrzetwarzania.year > 0 ? m_sesja.DataPrzetwarzania : Dzisiaj();
    d.ktoZlozyl = m_sesja.NazwaKrotka.substr(0, 10);
    d.rozmiar = bajty.size();
    d.sha256 = Sha256(bajty);
    d.numer = NastepnyNumer(*t, pracownik, d.czesc);
    const int32_t numer = pochodzenie ? pochodzenie->numer : 0;
    if (pochodzenie && pochodzenie->dataZlozenia.year > 0)
        d.dataZlozenia = pochodzenie->dataZlozenia;
    if (pochodzenie && !pochodzenie->ktoZlozyl.empty())
        d.ktoZlozyl = CzystyTytul(pochodzenie->ktoZlozyl).substr(0, 10);
    if (numer > 0) {
        for (uint64_t i = 0; i < t->RowCount(); ++i)
            if (Liczba(t->ReadField(i, PPracownik)) == pracownik &&
                Tekst(t->ReadField(i, PCzesc)) == d.czesc &&
                Liczba(t->ReadField(i, PNumer)) == numer)
                throw BladAkt("Numer " + std::to_string(numer) + " części " + d.czesc +
                              " jest już zajęty.");
        d.numer = numer;
    }

    // The name is ours: the digest's beginning, numbered on when taken.
    const fs::path folder = FolderPracownika(pracownik, true);
    const std::string roz(RozszerzenieRodzaju(rodzaj));
    const std::string rdzen = "dok-" + d.sha256.substr(0, 16);
    d.nazwaPliku = rdzen + "." + roz;
    for (int n = 2; Istnieje(folder / d.nazwaPliku); ++n)
        d.nazwaPliku = rdzen + "-" + std::to_string(n) + "." + roz;
    const fs::path cel = folder / d.nazwaPliku;
    {
        wspolne::ZapisAtomowy zapis(cel);
        zapis.Dopisz(bajty);
        zapis.Zatwierdz();
    }
    try {
        const uint64_t wiersz = t->Insert(Wiersz(d));
        t->Sync();
        d.identyfikator = Liczba(t->ReadField(wiersz, PId));
    } catch (...) {
        std::error_code ec;
        fs::remove(cel, ec);
        throw;
    }
    Dziennik("dopisanie", d, "NazwaPliku", "",
             d.czesc + " " + std::to_string(d.numer) + ": " + d.tytul + " (" + d.nazwaPliku + ")");
    return d;
}

DokumentAkt AktaOsobowe::Zmien(int32_t identyfikator, const NowyDokument& nowy) {
    WymagajZmiany();
    SprawdzCzesc(nowy.czesc);
    auto t = Otworz(true);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        if (Liczba(t->ReadField(i, PId)) != identyfikator)
            continue;
        const DokumentAkt byl = ZWiersza(t->ReadRow(i));
        DokumentAkt d = byl;
        if (nowy.czesc != byl.czesc) {
            d.czesc = nowy.czesc;
            d.numer = NastepnyNumer(*t, d.pracownik, d.czesc);
        }
        d.tytul = CzystyTytul(nowy.tytul);
        if (d.tytul.empty())
            throw BladAkt("Podaj tytuł dokumentu !!!");
        d.dataDokumentu = nowy.dataDokumentu;
        t->Update(i, Wiersz(d));
        t->Sync();
        if (d.czesc != byl.czesc)
            Dziennik("zmiana", d, "Czesc", byl.czesc + " " + std::to_string(byl.numer),
                     d.czesc + " " + std::to_string(d.numer));
        if (d.tytul != byl.tytul)
            Dziennik("zmiana", d, "Tytul", byl.tytul, d.tytul);
        if (!(d.dataDokumentu == byl.dataDokumentu))
            Dziennik("zmiana", d, "DataDokumentu", TekstDaty(byl.dataDokumentu),
                     TekstDaty(d.dataDokumentu));
        return d;
    }
    throw BladAkt("Nie ma dokumentu nr " + std::to_string(identyfikator) + " w aktach.");
}

void AktaOsobowe::Usun(int32_t identyfikator) {
    if (!m_sesja.Administrator)
        throw BladAkt(kBrakAdministratora);
    auto t = Otworz(true);
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        if (Liczba(t->ReadField(i, PId)) != identyfikator)
            continue;
        const DokumentAkt d = ZWiersza(t->ReadRow(i));
        std::string gdzie = "brak pliku";
        if (BezpiecznaNazwaPliku(d.nazwaPliku)) {
            const fs::path plik = FolderPracownika(d.pracownik, false) / d.nazwaPliku;
            if (Istnieje(plik)) {
                const fs::path kosz = fs::path(m_katalog) / kFolderAkt / kFolderKosza;
                ZwyklyFolder(kosz, true);
                const fs::path folder = kosz / std::to_string(d.pracownik);
                ZwyklyFolder(folder, true);
                fs::path cel = folder / d.nazwaPliku;
                for (int n = 2; Istnieje(cel); ++n)
                    cel = folder / (std::to_string(n) + "-" + d.nazwaPliku);
                // rename moves a planted link itself, never what it points at
                if (::rename(plik.c_str(), cel.c_str()) != 0)
                    throw BladAkt("Nie można przenieść pliku " + plik.string() +
                                  " do kosza: " + std::strerror(errno) + ".");
                wspolne::SynchronizujFolder(folder);
                wspolne::SynchronizujFolder(plik.parent_path());
                gdzie = cel.lexically_relative(m_katalog).generic_string();
            }
        }
        t->Delete(i);
        t->Sync();
        Dziennik(
            "usunięcie", d, "NazwaPliku",
            d.czesc + " " + std::to_string(d.numer) + ": " + d.tytul + " (" + d.nazwaPliku + ")",
            gdzie);
        return;
    }
    throw BladAkt("Nie ma dokumentu nr " + std::to_string(identyfikator) + " w aktach.");
}

std::vector<Niezgodnosc> AktaOsobowe::Sprawdz(int32_t pracownik, bool sumy) const {
    std::vector<Niezgodnosc> wynik;
    for (const DokumentAkt& d : Dokumenty(pracownik)) {
        if (!BezpiecznaNazwaPliku(d.nazwaPliku) || d.pracownik <= 0) {
            wynik.push_back({d, "niedozwolona nazwa pliku „" + d.nazwaPliku + "”"});
            continue;
        }
        const fs::path p =
            fs::path(m_katalog) / kFolderAkt / std::to_string(d.pracownik) / d.nazwaPliku;
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            wynik.push_back({d, "brak pliku " + d.nazwaPliku});
            continue;
        }
        if (!S_ISREG(st.st_mode)) {
            wynik.push_back({d, d.nazwaPliku + " nie jest zwykłym plikiem"});
            continue;
        }
        if (static_cast<uint64_t>(st.st_size) != d.rozmiar) {
            wynik.push_back({d, d.nazwaPliku + ": rozmiar " + std::to_string(st.st_size) +
                                    " zamiast " + std::to_string(d.rozmiar) + " bajtów"});
            continue;
        }
        if (!sumy)
            continue;
        // The folder itself may be a planted link: read through the checked path only.
        try {
            FolderPracownika(d.pracownik, false);
        } catch (const BladAkt&) {
            wynik.push_back({d, "folder akt pracownika nie jest zwykłym folderem"});
            continue;
        }
        auto bajty = CzytajBezDowiazan(p, d.rozmiar);
        if (!bajty || Sha256(*bajty) != d.sha256)
            wynik.push_back({d, d.nazwaPliku + ": inna suma SHA-256 (plik zmieniony)"});
    }
    return wynik;
}

size_t AktaOsobowe::UsunAktaPracownika(int32_t pracownik) {
    if (!m_sesja.Administrator)
        throw BladAkt(kBrakAdministratora);
    size_t usuniete = 0;
    if (auto t = Otworz(false)) {
        t.reset();
        t = Otworz(true);
        for (uint64_t i = t->RowCount(); i-- > 0;) {
            if (Liczba(t->ReadField(i, PPracownik)) != pracownik)
                continue;
            const DokumentAkt d = ZWiersza(t->ReadRow(i));
            t->Delete(i);
            Dziennik("usunięcie", d, "NazwaPliku",
                     d.czesc + " " + std::to_string(d.numer) + ": " + d.tytul, "");
            ++usuniete;
        }
        t->Sync();
    }
    // The folders go too, the recycled copies with them; remove_all never follows links.
    const fs::path akta = fs::path(m_katalog) / kFolderAkt;
    for (const fs::path& folder :
         {akta / std::to_string(pracownik), akta / kFolderKosza / std::to_string(pracownik)}) {
        std::error_code ec;
        fs::remove_all(folder, ec);
        if (ec)
            throw BladAkt("Nie można usunąć folderu " + folder.string() + ": " + ec.message() +
                          ".");
    }
    return usuniete;
}

// ---- The employee

std::optional<OsobaAkt> ZnajdzOsobe(engine::Table& pracownicy, int32_t identyfikator) {
    const auto& pola = pracownicy.Fields();
    auto indeks = [&](std::string_view nazwa) {
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == nazwa)
                return static_cast<int>(i);
        return -1;
    };
    const int id = indeks("Identyfikator");
    if (id < 0)
        return std::nullopt;
    for (uint64_t i = 0; i < pracownicy.RowCount(); ++i) {
        if (Liczba(pracownicy.ReadField(i, id)) != identyfikator)
            continue;
        const Record r = pracownicy.ReadRow(i);
        auto pole = [&](std::string_view nazwa) {
            const int k = indeks(nazwa);
            return k < 0 ? Value() : r[k];
        };
        OsobaAkt o;
        o.identyfikator = identyfikator;
        o.nazwisko = Tekst(pole("Nazwisko"));
        o.imie = Tekst(pole("Imie1"));
        o.pesel = Tekst(pole("PESEL"));
        o.dataUrodzenia = Data(pole("DataUrodzenia"));
        return o;
    }
    return std::nullopt;
}

}  // namespace mirta::akta
