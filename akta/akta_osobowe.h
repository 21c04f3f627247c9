#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "engine/value.h"
#include "store/sesja.h"

namespace mirta::engine {
class Table;
}

// The electronic personnel file: every document of an employee, copied into
// AKTA/<identifier>/ of the data directory under a name the program makes, and described by a
// row of AktaOsobowe.DB (part, number within the part, title, dates, who filed it, size and
// SHA-256). The parts come from the dictionary CzesciAkt.DB.
namespace mirta::akta {

inline constexpr const char* kPlikAkt = "AktaOsobowe.DB";
inline constexpr const char* kPlikCzesci = "CzesciAkt.DB";
inline constexpr const char* kFolderAkt = "AKTA";
// Removed documents, per employee: AKTA/KOSZ/<identifier>/.
inline constexpr const char* kFolderKosza = "KOSZ";
inline constexpr const char* kTytulAkt = "Akta osobowe.";

// An operation on the personnel file that cannot be done; the text is the Polish message.
class BladAkt : public std::runtime_error {
public:
    explicit BladAkt(const std::string& tekst) : std::runtime_error(tekst) {}
};

struct CzescAkt {
    std::string czesc;  // "A" ... "E"
    std::string nazwa;
};

struct DokumentAkt {
    int32_t identyfikator = 0;  // the row's own number, never reused
    int32_t pracownik = 0;
    std::string czesc;
    int32_t numer = 0;  // within the part, from 1
    std::string tytul;
    engine::CivilDate dataDokumentu;  // all zero: none
    engine::CivilDate dataZlozenia;
    std::string ktoZlozyl;
    std::string nazwaPliku;  // inside AKTA/<pracownik>/
    uint64_t rozmiar = 0;
    std::string sha256;
};

// The document kinds a personnel file takes, by the extension of the file given.
enum class RodzajPliku { Pdf, Jpeg, Png, Tiff, Odt, Docx, Rtf };
std::optional<RodzajPliku> RodzajZRozszerzenia(std::string_view sciezka);
std::string_view RozszerzenieRodzaju(RodzajPliku r);  // "pdf", "jpg" ...
// Whether the bytes begin as a file of that kind does.
bool ZgodnaZawartosc(RodzajPliku r, std::string_view poczatek);
// For file dialogs: "Dokumenty (*.pdf *.jpg ...)".
std::string FiltrPlikowAkt();

// A name the program made: letters, digits, '-' and one '.', nothing that can leave a folder.
bool BezpiecznaNazwaPliku(std::string_view nazwa);

// What someone files.
struct NowyDokument {
    std::string czesc;
    std::string tytul;
    engine::CivilDate dataDokumentu;
};

// A document whose stored file does not match its row.
struct Niezgodnosc {
    DokumentAkt dokument;
    std::string opis;  // "brak pliku", "inna suma SHA-256" ...
};

// The personnel files of one data directory, for the logged-in user. Adding, changing and
// moving documents need the right to change data, removing needs the administrator; the
// refusals are the system's messages. The tables are made (the parts with their default rows)
// when a data directory without them is first written to.
class AktaOsobowe {
public:
    AktaOsobowe(engine::FileSystem& fs, std::string katalogDanych,
                const store::SesjaUzytkownika& sesja);

    const std::string& KatalogDanych() const { return m_katalog; }
    const store::SesjaUzytkownika& Sesja() const { return m_sesja; }

    // The dictionary's parts in their order; the defaults while it has no file.
    std::vector<CzescAkt> Czesci() const;
    std::string NazwaCzesci(std::string_view czesc) const;

    // One employee's documents by part and number; every document when `pracownik` is 0.
    std::vector<DokumentAkt> Dokumenty(int32_t pracownik) const;
    std::optional<DokumentAkt> Dokument(int32_t identyfikator) const;
    // Documents of the employee with these bytes' digest (to warn before filing one twice).
    std::vector<DokumentAkt> TakieSame(int32_t pracownik, const std::string& sha256) const;

    // Copies the file in (never moved or linked) with the next number of its part.
    DokumentAkt Dodaj(int32_t pracownik, const std::filesystem::path& plik, const NowyDokument& d);
    // The same for bytes made by the program (a produced document), of kind `rodzaj`.
    DokumentAkt DodajBajty(int32_t pracownik, std::string_view bajty, RodzajPliku rodzaj,
                           const NowyDokument& d);
    // A document moved to another part takes that part's next number.
    DokumentAkt Zmien(int32_t identyfikator, const NowyDokument& d);
    // Moves the file to AKTA/KOSZ/<pracownik>/ and removes the row; the journal records it.
    void Usun(int32_t identyfikator);

    // Where the document's file lies; BladAkt when its name is not one the program makes.
    std::filesystem::path SciezkaPliku(const DokumentAkt& d) const;
    // The file's bytes, read without following a link, checked against size and digest.
    std::string CzytajPlik(const DokumentAkt& d) const;

    // Every document (or one employee's) against its file: missing, of another size or digest,
    // or not a plain file. Without `sumy` the digests are not computed (a quick check of
    // presence and size, for checks run before every export).
    std::vector<Niezgodnosc> Sprawdz(int32_t pracownik = 0, bool sumy = true) const;

    // For the data-protection tools: removes the employee's files and rows (the folder is
    // deleted, not moved to the recycle folder). Returns the number of documents removed.
    size_t UsunAktaPracownika(int32_t pracownik);

    // Files a document with a given part and number (the hand-over import), keeping when and by
    // whom it was filed; BladAkt when the number is taken. Number 0: the part's next one.
    DokumentAkt DodajZNumerem(int32_t pracownik, std::string_view bajty, RodzajPliku rodzaj,
                              const DokumentAkt& opis);

private:
    std::string SciezkaTabeli(const char* plik) const;
    std::unique_ptr<engine::Table> Otworz(bool doZapisu) const;
    void ZapewnijCzesci() const;
    std::filesystem::path FolderPracownika(int32_t pracownik, bool utworz) const;
    int32_t NastepnyNumer(engine::Table& t, int32_t pracownik, const std::string& czesc) const;
    void SprawdzCzesc(const std::string& czesc) const;
    void WymagajZmiany() const;
    DokumentAkt Zapisz(int32_t pracownik, std::string_view bajty, RodzajPliku rodzaj,
                       const NowyDokument& d, const DokumentAkt* pochodzenie);
    void Dziennik(const char* operacja, const DokumentAkt& d, const std::string& pole,
                  const std::string& stara, const std::string& nowa) const;

    engine::FileSystem& m_fs;
    std::string m_katalog;
    const store::SesjaUzytkownika& m_sesja;
};

// SHA-256 of bytes, 64 lower-case hexadecimal digits.
std::string Sha256(std::string_view bajty);

// The employee's name and identity as the personnel file shows it and the hand-over checks.
struct OsobaAkt {
    int32_t identyfikator = 0;
    std::string nazwisko, imie, pesel;
    engine::CivilDate dataUrodzenia;
    std::string NazwiskoImie() const { return nazwisko + " " + imie; }
};
// From the employee table (Mirta.DB) by identifier; nothing when there is no such employee.
std::optional<OsobaAkt> ZnajdzOsobe(engine::Table& pracownicy, int32_t identyfikator);

}  // namespace mirta::akta
