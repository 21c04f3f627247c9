#include "wspolne/zapis_atomowy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

namespace mirta::wspolne {

namespace {

[[noreturn]] void Blad(const std::filesystem::path& cel, int kod) {
    throw std::runtime_error("Nie można zapisać pliku " + cel.string() + " (" + std::strerror(kod) +
                             ").");
}

std::string LosowyPrzyrostek() {
    static thread_local std::mt19937_64 los{std::random_device{}()};
    static constexpr char kZnaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s(12, ' ');
    for (char& c : s)
        c = kZnaki[los() % (sizeof kZnaki - 1)];
    return s;
}

void ZapiszWszystko(int fd, std::string_view bajty, const std::filesystem::path& cel) {
    while (!bajty.empty()) {
        const ssize_t n = ::write(fd, bajty.data(), bajty.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Blad(cel, errno);
        }
        bajty.remove_prefix(static_cast<size_t>(n));
    }
}

}  // namespace

ZapisAtomowy::ZapisAtomowy(std::filesystem::path cel)
    : m_cel(std::move(cel)),
      m_folder(m_cel.has_parent_path() ? m_cel.parent_path() : std::filesystem::path(".")) {
    m_fd = ::open(m_folder.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0644);
    if (m_fd >= 0)
        return;
    // No unnamed files here (an older kernel or another file system): named from the start.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        Blad(m_cel, errno);
    NadajNazwe();
}

void ZapisAtomowy::NadajNazwe() {
    char proc[64];
    if (m_fd >= 0)
        std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", m_fd);
    for (int proba = 0; proba < 100; ++proba) {
        std::filesystem::path nazwa =
            m_folder / ("." + m_cel.filename().string() + "." + LosowyPrzyrostek() + ".tmp");
        if (m_fd >= 0) {
            // linkat never replaces what is there, like O_EXCL.
            if (::linkat(AT_FDCWD, proc, AT_FDCWD, nazwa.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                m_tymczasowy = std::move(nazwa);
                return;
            }
        } else {
            const int fd =
                ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd >= 0) {
                m_fd = fd;
                m_tymczasowy = std::move(nazwa);
                return;
            }
        }
        if (errno != EEXIST)
            Blad(m_cel, errno);
    }
    Blad(m_cel, EEXIST);
}

ZapisAtomowy::~ZapisAtomowy() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_zatwierdzony && !m_tymczasowy.empty())
        ::unlink(m_tymczasowy.c_str());
}

const std::filesystem::path& ZapisAtomowy::Tymczasowy() {
    if (m_tymczasowy.empty())
        NadajNazwe();
    return m_tymczasowy;
}

void ZapisAtomowy::Dopisz(std::string_view bajty) {
    ZapiszWszystko(m_fd, bajty, m_cel);
}

void ZapisAtomowy::Zatwierdz() {
    if (m_tymczasowy.empty())
        NadajNazwe();
    ::close(m_fd);
    m_fd = -1;
    // Reopened by name: a producer writing by name may have replaced the file we made, and the
    // name is ours alone (made exclusively, unguessable).
    const int fd = ::open(m_tymczasowy.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        Blad(m_cel, errno);
    const int wynik = ::fsync(fd);
    const int kod = errno;
    ::close(fd);
    if (wynik != 0)
        Blad(m_cel, kod);
    if (::rename(m_tymczasowy.c_str(), m_cel.c_str()) != 0)
        Blad(m_cel, errno);
    m_zatwierdzony = true;
    SynchronizujFolder(m_folder);
}

void ZapiszAtomowo(const std::filesystem::path& cel, std::string_view bajty) {
    ZapisAtomowy zapis(cel);
    zapis.Dopisz(bajty);
    zapis.Zatwierdz();
}

void SynchronizujFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;  // a folder we cannot open for reading cannot be synced; the rename stands
    ::fsync(fd);
    ::close(fd);
}

}  // namespace mirta::wspolne
