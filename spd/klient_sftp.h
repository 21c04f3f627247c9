#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "spd/skrypt_ssh.h"
#include "wspolne/dialogi.h"

namespace mirta::spd {

// The step of an upload that failed, so the message can say what went wrong.
enum class EtapWysylki {
    Skrypt,            // the script could not be read
    Polaczenie,        // no connection to the server
    KluczSerwera,      // unknown key not accepted, or a changed key
    Uwierzytelnienie,  // user or password refused
    Folder,            // the target folder is missing
    Przesylanie,       // a file did not arrive whole
    Przerwanie,        // the user cancelled
};

class BladWysylki : public std::runtime_error {
public:
    BladWysylki(EtapWysylki etap, const std::string& powod)
        : std::runtime_error(powod), m_etap(etap) {}
    EtapWysylki Etap() const { return m_etap; }

private:
    EtapWysylki m_etap;
};

// The caption of the question whether to accept an unknown server key.
inline constexpr const char* kTytulKluczaSerwera = "Klucz serwera SFTP.";

struct PostepWysylki {
    std::string plik;  // the local name being sent
    uint64_t wyslano = 0;
    uint64_t rozmiar = 0;
};

struct OpcjeKlienta {
    std::string znaneKlucze;            // known-hosts file, created on the first accepted key
    std::string folderLokalny;          // where the files named by put are
    store::Dialogi* dialogi = nullptr;  // asks whether to accept an unknown server key
    std::function<void(const PostepWysylki&)> postep;
    const std::atomic<bool>* anuluj = nullptr;
    long limitCzasuSekund = 30;
};

// Runs the lines of an upload script in order: open connects and logs in (the server's key
// checked against the known-hosts file), CD changes the server folder, put sends a file
// under a temporary name and renames it when it is whole, close and exit end the session.
// Throws BladWysylki naming the failed step; a file that failed is never left under its
// final name.
void WykonajSkrypt(const std::string& sciezkaSkryptu, const OpcjeKlienta& opcje);
// The same for lines already in memory, so a password never has to be in a file; `nazwa`
// names the script in messages.
void WykonajSkrypt(const std::vector<LiniaSkryptu>& linie, const std::string& nazwa,
                   const OpcjeKlienta& opcje);

}  // namespace mirta::spd
