#include "spd/pakowanie.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "wspolne/szesnastkowo.h"
#include "wspolne/zip_rownolegly.h"

namespace mirta::spd {

namespace {

bool KonczySieNaCsv(const std::string& nazwa) {
    if (nazwa.size() < 4)
        return false;
    std::string koncowka = nazwa.substr(nazwa.size() - 4);
    std::transform(koncowka.begin(), koncowka.end(), koncowka.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return koncowka == ".csv";
}

std::string Md5Hex(EVP_MD_CTX* ctx) {
    unsigned char skrot[EVP_MAX_MD_SIZE];
    unsigned int dlugosc = 0;
    EVP_DigestFinal_ex(ctx, skrot, &dlugosc);
    return wspolne::Szesnastkowo(skrot, dlugosc);
}

}  // namespace

std::vector<std::string> PlikiCSV(const std::string& folder) {
    std::vector<std::string> nazwy;
    std::error_code ec;
    for (const auto& wpis : std::filesystem::directory_iterator(folder, ec)) {
        const std::string nazwa = wpis.path().filename().string();
        if (KonczySieNaCsv(nazwa) && wpis.is_regular_file(ec))
            nazwy.push_back(nazwa);
    }
    std::sort(nazwy.begin(), nazwy.end());
    return nazwy;
}

std::string SpakujPlikiCSV(const std::string& folder, const std::string& archiwum) {
    const std::vector<std::string> nazwy = PlikiCSV(folder);
    if (nazwy.empty())
        throw std::runtime_error("brak plików CSV w folderze " + folder);
    // Level 6, what zip tools use: a few per cent larger than 9 on CSV text, much faster.
    wspolne::ZipRownolegly zip(archiwum, 6);
    for (const std::string& nazwa : nazwy)
        zip.DodajPlik(nazwa, folder + "/" + nazwa);
    // The archive's MD5 is taken from its bytes as they are written.
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) != 1)
        throw std::runtime_error("MD5 niedostępne");
    zip.Zamknij(
        [&](std::string_view bajty) { EVP_DigestUpdate(ctx.get(), bajty.data(), bajty.size()); });
    return Md5Hex(ctx.get());
}

std::string Md5Pliku(const std::string& sciezka) {
    struct Zamykacz {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Zamykacz> f(std::fopen(sciezka.c_str(), "rb"));
    if (!f)
        throw std::runtime_error("nie można otworzyć pliku " + sciezka);
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) != 1)
        throw std::runtime_error("MD5 niedostępne");
    std::vector<unsigned char> bufor(1 << 16);
    size_t n = 0;
    while ((n = std::fread(bufor.data(), 1, bufor.size(), f.get())) > 0)
        EVP_DigestUpdate(ctx.get(), bufor.data(), n);
    if (std::ferror(f.get()))
        throw std::runtime_error("błąd odczytu pliku " + sciezka);
    return Md5Hex(ctx.get());
}

}  // namespace mirta::spd
