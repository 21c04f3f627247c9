#pragma once

#include <sys/types.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "spd/testing/uruchom.h"

namespace mirta::spd::testing {

// A private OpenSSH server on 127.0.0.1 and a free port, with a host key made for it and
// password (or key) login for one test user, serving SFTP. Stopped with everything it started.
class SerwerSftpTestowy {
public:
    static constexpr const char* kUzytkownik = "mirta_sftp_test";
    // Characters that must survive the script's address line.
    static constexpr const char* kHaslo = "Tajne: ąę@/%x y";

    // Why the server cannot run here, or nothing.
    static std::optional<std::string> Niedostepny();

    explicit SerwerSftpTestowy(const std::string& folder);
    ~SerwerSftpTestowy();
    SerwerSftpTestowy(const SerwerSftpTestowy&) = delete;
    SerwerSftpTestowy& operator=(const SerwerSftpTestowy&) = delete;

    int Port() const { return m_port; }
    // A folder the test user may write to, for the uploads.
    const std::string& FolderPrzesylek() const { return m_przesylki; }
    // The known-hosts line of the server's key, and of some other key.
    std::string LiniaZnanegoKlucza() const;
    std::string LiniaObcegoKlucza() const;
    // A private key the server also accepts for the test user, for OpenSSH's own client.
    std::string KluczKlienta() const { return m_folder + "/klient_ed25519"; }
    // Kills every session process, so connections drop at once; the server keeps listening.
    void ZerwijPolaczenia();
    std::string Dziennik() const;

private:
    std::string LiniaKlucza(const std::string& plikPubliczny) const;

    std::string m_folder;
    std::string m_przesylki;
    int m_port = 0;
    pid_t m_pid = -1;
    int m_stderr = -1;
    mutable std::mutex m_mutex;
    std::string m_dziennik;
    std::thread m_czytanie;
};

}  // namespace mirta::spd::testing
