#pragma once

#include <string>

#include "wspolne/dialogi.h"

namespace mirta::shell {

inline constexpr const char* kUszkodzenieKatalogu =
    "Nastąpiło uszkodzenie dostępu do zbiorów. Zamykam program !!!";

// Placed around an operation that may change the working directory (an external program, a
// folder chooser). Every relative table name of the program depends on the working directory
// being the data directory, so the guard puts it back and, when it cannot, tells the user and
// ends the program.
class KontrolaKatalogu {
public:
    explicit KontrolaKatalogu(store::Dialogi& dialogi);
    ~KontrolaKatalogu();
    KontrolaKatalogu(const KontrolaKatalogu&) = delete;
    KontrolaKatalogu& operator=(const KontrolaKatalogu&) = delete;

    const std::string& Zapamietany() const { return m_katalog; }

private:
    store::Dialogi& m_dialogi;
    std::string m_katalog;
};

}  // namespace mirta::shell
