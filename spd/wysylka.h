#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "spd/klient_sftp.h"
#include "wspolne/dialogi.h"

namespace mirta::spd {

// The fields of the SPD parameters record that a send uses.
struct ParametrySPD {
    std::string sciezka;  // SPD working directory; empty means the current directory
    std::string numerJednostki;
    std::string kodObszaru;
    std::string kodSD;
    std::string uzytkownikSPD;
    std::string hasloSPD;
    std::string ftpSPD;
    std::string portSPD;
    std::string sciezkaSPD;
};

inline constexpr const char* kWersjaInterfejsu = "10";
inline constexpr const char* kSkryptWysylki = "ssh.txt";
inline constexpr const char* kZnaneKlucze = "known_hosts";
inline constexpr const char* kTytulBleduSPD = "Błąd SPD.";

// The unit number, area code and SD code go into file names and the send identifier, so
// only letters and digits are accepted; the message for the first one that fails.
std::optional<std::string> SprawdzKodyJednostki(const ParametrySPD& p);

// Unit number, area code, interface version, SD code, date "%04d%02d%02d" and time
// "%02d%02d%02d%06d" (milliseconds in six digits), in local time.
std::string IdentyfikatorWysylki(const ParametrySPD& p,
                                 std::chrono::system_clock::time_point chwila);

// The trimmed working directory, or the current directory when it is empty.
std::string FolderRoboczySPD(const ParametrySPD& p);
// Working directory + "/" + name: where the CSV files of one send are written.
std::string FolderWysylki(const ParametrySPD& p, const std::string& nazwa);

struct OpcjeWysylki {
    std::function<void(const PostepWysylki&)> postep;
    const std::atomic<bool>* anuluj = nullptr;
};

// Packs the CSV files of the send folder into name.zip, writes name.md5 and the empty
// name.sem beside it (each through the atomic writer), writes ssh.txt without the password
// for the user to read and runs the full script from memory with the SFTP client. Every
// failure is shown through `dialogi` with the caption "Błąd SPD." and answered false; the
// success message only when every file arrived. An unknown server key is asked about through
// `dialogi` on the calling thread, so a window that runs the send on a worker thread must hand
// that question to its own thread.
bool SpakujIWyslijSPD(const std::string& nazwa, const ParametrySPD& p, store::Dialogi& dialogi,
                      const OpcjeWysylki& opcje = {});

}  // namespace mirta::spd
