#include "kopia/manifest.h"

#include <openssl/evp.h>

#include <charconv>
#include <cstdio>
#include <memory>
#include <vector>

#include "kopia/blad_kopii.h"
#include "wspolne/szesnastkowo.h"

namespace mirta::kopia {

namespace {

constexpr std::string_view kNaglowek = "MIRTA KOPIA 1";

bool Hex64(std::string_view s) {
    if (s.size() != 64)
        return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

EVP_MD_CTX* Ctx(void* p) {
    return static_cast<EVP_MD_CTX*>(p);
}

}  // namespace

std::string TekstManifestu(const std::vector<WpisManifestu>& wpisy) {
    std::string t(kNaglowek);
    t += '\n';
    for (const auto& w : wpisy)
        t += w.sha256 + ' ' + std::to_string(w.rozmiar) + ' ' + w.sciezka + '\n';
    return t;
}

std::vector<WpisManifestu> CzytajManifest(std::string_view tekst) {
    const BladKopii zly("Spis plików kopii jest uszkodzony.");
    std::vector<WpisManifestu> wpisy;
    size_t poczatek = 0;
    bool naglowek = true;
    while (poczatek < tekst.size()) {
        size_t koniec = tekst.find('\n', poczatek);
        if (koniec == std::string_view::npos)
            throw zly;  // every line ends with a newline: a cut file is not a manifest
        const std::string_view linia = tekst.substr(poczatek, koniec - poczatek);
        poczatek = koniec + 1;
        if (naglowek) {
            if (linia != kNaglowek)
                throw BladKopii(
                    "To nie jest kopia danych tego programu albo pochodzi z "
                    "nowszej jego wersji.");
            naglowek = false;
            continue;
        }
        const size_t s1 = linia.find(' ');
        const size_t s2 = s1 == std::string_view::npos ? s1 : linia.find(' ', s1 + 1);
        if (s2 == std::string_view::npos || s2 + 1 >= linia.size())
            throw zly;
        WpisManifestu w;
        w.sha256 = std::string(linia.substr(0, s1));
        const std::string_view rozmiar = linia.substr(s1 + 1, s2 - s1 - 1);
        const auto [p, ec] =
            std::from_chars(rozmiar.data(), rozmiar.data() + rozmiar.size(), w.rozmiar);
        if (!Hex64(w.sha256) || ec != std::errc() || p != rozmiar.data() + rozmiar.size())
            throw zly;
        w.sciezka = std::string(linia.substr(s2 + 1));
        wpisy.push_back(std::move(w));
    }
    if (naglowek)
        throw zly;
    return wpisy;
}

Sha256::Sha256() : m_ctx(EVP_MD_CTX_new()) {
    if (!m_ctx || EVP_DigestInit_ex(Ctx(m_ctx), EVP_sha256(), nullptr) != 1)
        throw BladKopii("Biblioteka kryptograficzna nie udostępnia SHA-256.");
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(Ctx(m_ctx));
}

void Sha256::Dodaj(const void* dane, size_t n) {
    EVP_DigestUpdate(Ctx(m_ctx), dane, n);
}

std::string Sha256::Hex() {
    unsigned char skrot[EVP_MAX_MD_SIZE];
    unsigned int dlugosc = 0;
    EVP_DigestFinal_ex(Ctx(m_ctx), skrot, &dlugosc);
    return wspolne::Szesnastkowo(skrot, dlugosc);
}

WpisManifestu OpiszPlik(const std::string& sciezkaNaDysku, std::string sciezkaWArchiwum) {
    struct Zamykacz {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Zamykacz> f(std::fopen(sciezkaNaDysku.c_str(), "rb"));
    if (!f)
        throw BladKopii("Nie można odczytać pliku " + sciezkaNaDysku + ".");
    Sha256 sha;
    WpisManifestu w;
    w.sciezka = std::move(sciezkaWArchiwum);
    std::vector<unsigned char> bufor(1 << 16);
    size_t n = 0;
    while ((n = std::fread(bufor.data(), 1, bufor.size(), f.get())) > 0) {
        sha.Dodaj(bufor.data(), n);
        w.rozmiar += n;
    }
    if (std::ferror(f.get()))
        throw BladKopii("Błąd odczytu pliku " + sciezkaNaDysku + ".");
    w.sha256 = sha.Hex();
    return w;
}

}  // namespace mirta::kopia
