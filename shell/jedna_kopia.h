#pragma once

#include <QString>

namespace mirta::shell {

inline constexpr const char* kDrugaKopia = "Aplikacja już jest na tym komputerze uruchomiona !!!";

// One copy of the program per user on this computer: an advisory lock on a file in the user's
// runtime folder, held for the life of the object. The kernel drops the lock when the process
// ends, so a copy that crashed never blocks the next start.
class JednaKopia {
public:
    explicit JednaKopia(const QString& plikBlokady = DomyslnyPlikBlokady());
    ~JednaKopia();
    JednaKopia(const JednaKopia&) = delete;
    JednaKopia& operator=(const JednaKopia&) = delete;

    // False when another copy (another process, or another object here) holds the lock.
    bool Uzyskana() const { return m_fd >= 0; }

    // $XDG_RUNTIME_DIR/mirta.lock, or mirta-<uid>.lock in the temporary folder.
    static QString DomyslnyPlikBlokady();

private:
    int m_fd = -1;
};

}  // namespace mirta::shell
