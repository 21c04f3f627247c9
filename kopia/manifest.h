#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirta::kopia {

// The archive's list of its files: what restore checks every byte against.
inline constexpr const char* kNazwaManifestu = "MANIFEST-KOPII.txt";

struct WpisManifestu {
    std::string sciezka;  // inside the archive, with '/'
    uint64_t rozmiar = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
};

// First line "MIRTA KOPIA 1", then "SHA256 ROZMIAR ŚCIEŻKA" per file.
std::string TekstManifestu(const std::vector<WpisManifestu>& wpisy);
// Throws BladKopii when the text is not a manifest of this program.
std::vector<WpisManifestu> CzytajManifest(std::string_view tekst);

// SHA-256 computed piece by piece.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Dodaj(const void* dane, size_t n);
    std::string Hex();  // ends the computation

private:
    void* m_ctx;
};

// Every file's digest and size, reading it once.
WpisManifestu OpiszPlik(const std::string& sciezkaNaDysku, std::string sciezkaWArchiwum);

}  // namespace mirta::kopia
