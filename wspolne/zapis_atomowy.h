#pragma once

#include <filesystem>
#include <string_view>

namespace mirta::wspolne {

// A file written whole or not at all. The bytes go to a temporary file with a name nobody can
// guess, made with O_EXCL beside the target (so a planted file or link is never followed), then
// synced, renamed over the target and the folder synced. Until Zatwierdz() the target is
// untouched; a writer destroyed before it removes its temporary file. Errors throw
// std::runtime_error with a Polish message naming the target.
class ZapisAtomowy {
public:
    explicit ZapisAtomowy(std::filesystem::path cel);
    ~ZapisAtomowy();
    ZapisAtomowy(const ZapisAtomowy&) = delete;
    ZapisAtomowy& operator=(const ZapisAtomowy&) = delete;

    void Dopisz(std::string_view bajty);
    // For a producer that writes by name (a PDF or XLSX writer, an archive library): it writes
    // here, over the empty temporary file; Zatwierdz() then syncs and renames what it wrote.
    const std::filesystem::path& Tymczasowy() const { return m_tymczasowy; }
    const std::filesystem::path& Cel() const { return m_cel; }
    void Zatwierdz();

private:
    std::filesystem::path m_cel;
    std::filesystem::path m_tymczasowy;
    int m_fd = -1;
    bool m_zatwierdzony = false;
};

// The whole file at once.
void ZapiszAtomowo(const std::filesystem::path& cel, std::string_view bajty);

// Syncs a folder, so that a file made or renamed in it survives a power cut.
void SynchronizujFolder(const std::filesystem::path& folder);

}  // namespace mirta::wspolne
