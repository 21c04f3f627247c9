#pragma once

#include <filesystem>
#include <string_view>

namespace mirta::wspolne {

// A file written whole or not at all. The bytes go to a temporary file beside the target: a file
// without a name where the file system has them (so a writer killed before it commits leaves
// nothing), given a name nobody can guess when it is committed or asked for, made with O_EXCL
// (so a planted file or link is never followed); then synced, renamed over the target and the
// folder synced. Until Zatwierdz() the target is untouched; a writer destroyed before it
// removes its temporary file. Errors throw std::runtime_error with a Polish message naming the
// target.
class ZapisAtomowy {
public:
    explicit ZapisAtomowy(std::filesystem::path cel);
    ~ZapisAtomowy();
    ZapisAtomowy(const ZapisAtomowy&) = delete;
    ZapisAtomowy& operator=(const ZapisAtomowy&) = delete;

    void Dopisz(std::string_view bajty);
    // For a producer that writes by name (a PDF or XLSX writer, an archive library): it writes
    // here, over the temporary file; Zatwierdz() then syncs and renames what it wrote.
    const std::filesystem::path& Tymczasowy();
    const std::filesystem::path& Cel() const { return m_cel; }
    void Zatwierdz();

private:
    void NadajNazwe();

    std::filesystem::path m_cel;
    std::filesystem::path m_folder;
    std::filesystem::path m_tymczasowy;
    int m_fd = -1;
    bool m_zatwierdzony = false;
};

// The whole file at once.
void ZapiszAtomowo(const std::filesystem::path& cel, std::string_view bajty);

// Syncs a folder, so that a file made or renamed in it survives a power cut.
void SynchronizujFolder(const std::filesystem::path& folder);

}  // namespace mirta::wspolne
