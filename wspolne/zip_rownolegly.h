#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace mirta::wspolne {

// A standard zip archive (deflate, no zip64) whose entries are deflated on every core while one
// thread writes them in the order they were added, through the atomic writer: the archive
// appears only when written whole. Each file is read once; whoever needs its checksum sees
// its bytes then, and the archive's own bytes as they are written.
class ZipRownolegly {
public:
    // `poziom`: the deflate level, 1 (fastest) to 9.
    ZipRownolegly(std::filesystem::path cel, int poziom);
    ~ZipRownolegly();
    ZipRownolegly(const ZipRownolegly&) = delete;
    ZipRownolegly& operator=(const ZipRownolegly&) = delete;

    // A file's bytes under `nazwa`. `przeczytany` (optional) gets them on a worker thread,
    // before they are compressed: one pass over the file for a checksum too.
    void DodajPlik(std::string nazwa, std::filesystem::path zrodlo,
                   std::function<void(std::string_view)> przeczytany = {});
    // A text made only once every entry added before it was read (a manifest of their sums).
    void DodajTekst(std::string nazwa, std::function<std::string()> tresc);
    // A folder entry ("nazwa/").
    void DodajKatalog(std::string nazwa);

    // Compresses, writes and commits the archive. `zapisane` (optional) sees every byte of the
    // archive in order; `postep` gets the share of entries written, 0 to 1. Throws
    // std::runtime_error with a Polish message; the target is then untouched.
    void Zamknij(const std::function<void(std::string_view)>& zapisane = {},
                 const std::function<void(double)>& postep = {});

private:
    struct Stan;
    std::unique_ptr<Stan> m;
};

}  // namespace mirta::wspolne
