#include "spd/klient_sftp.h"

#include <fcntl.h>
#include <libssh/libssh.h>
#include <libssh/sftp.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "spd/skrypt_ssh.h"

namespace mirta::spd {

namespace {

// Each write waits for the server's answer, so fewer and larger writes go faster; OpenSSH's
// server takes messages of up to 256 KiB.
constexpr size_t kPorcja = 192 * 1024;
constexpr const char* kKoncowkaTymczasowa = ".part";

std::string Polacz(const std::string& folder, const std::string& nazwa) {
    if (folder.empty() || folder == "/")
        return folder + nazwa;
    return folder + "/" + nazwa;
}

std::string NazwaBezFolderu(const std::string& sciezka) {
    const size_t ukosnik = sciezka.find_last_of("/\\");
    return ukosnik == std::string::npos ? sciezka : sciezka.substr(ukosnik + 1);
}

struct Zamykacz {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class SesjaSftp {
public:
    explicit SesjaSftp(const OpcjeKlienta& opcje) : m_opcje(opcje), m_ssh(ssh_new()) {
        if (!m_ssh)
            throw BladWysylki(EtapWysylki::Polaczenie, "Brak pamięci na połączenie.");
    }

    void Otworz(const LiniaSkryptu& open) {
        m_adres = open.adres.serwer + ":" + std::to_string(open.port);
        Nawiaz(open);
        SprawdzKluczSerwera();
        Zaloguj(open.adres);
        m_sftp = sftp_new(m_ssh);
        if (!m_sftp || sftp_init(m_sftp) != SSH_OK)
            throw BladWysylki(EtapWysylki::Polaczenie,
                              "Serwer " + m_adres + " nie udostępnia SFTP: " + BladSsh());
        m_folder = Kanoniczna(".").value_or("");
    }

    ~SesjaSftp() {
        // The SFTP session must go before the connection it runs on.
        if (m_sftp)
            sftp_free(m_sftp);
        if (ssh_is_connected(m_ssh))
            ssh_disconnect(m_ssh);
        ssh_free(m_ssh);
    }

    SesjaSftp(const SesjaSftp&) = delete;
    SesjaSftp& operator=(const SesjaSftp&) = delete;

    void Cd(const std::string& folder) {
        if (folder.empty())
            return;
        const std::string sciezka = folder.front() == '/' ? folder : Polacz(m_folder, folder);
        const std::optional<std::string> kanoniczna = Kanoniczna(sciezka);
        sftp_attributes atrybuty = kanoniczna ? sftp_stat(m_sftp, kanoniczna->c_str()) : nullptr;
        const bool katalog = atrybuty && atrybuty->type == SSH_FILEXFER_TYPE_DIRECTORY;
        if (atrybuty)
            sftp_attributes_free(atrybuty);
        if (!katalog)
            throw BladWysylki(EtapWysylki::Folder, "Brak folderu na serwerze: " + folder + ".");
        m_folder = *kanoniczna;
    }

    void Put(const std::string& plik) {
        const std::string lokalna =
            plik.front() == '/' ? plik : Polacz(m_opcje.folderLokalny, plik);
        std::unique_ptr<std::FILE, Zamykacz> f(std::fopen(lokalna.c_str(), "rb"));
        struct stat st {};
        if (!f || fstat(fileno(f.get()), &st) != 0)
            throw BladWysylki(EtapWysylki::Przesylanie,
                              "Nie można odczytać pliku " + lokalna + ".");
        const std::string docelowa = Polacz(m_folder, NazwaBezFolderu(plik));
        // The receiver must never see half a file under the final name.
        const std::string tymczasowa = docelowa + kKoncowkaTymczasowa;
        sftp_file zdalny =
            sftp_open(m_sftp, tymczasowa.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!zdalny)
            throw BladWysylki(EtapWysylki::Przesylanie, "Nie można utworzyć pliku " + tymczasowa +
                                                            " na serwerze: " + BladSsh());
        PostepWysylki postep{plik, 0, static_cast<uint64_t>(st.st_size)};
        if (m_opcje.postep)
            m_opcje.postep(postep);
        std::vector<char> bufor(kPorcja);
        size_t n = 0;
        while ((n = std::fread(bufor.data(), 1, bufor.size(), f.get())) > 0) {
            if (m_opcje.anuluj && m_opcje.anuluj->load()) {
                sftp_close(zdalny);
                Usun(tymczasowa);
                throw BladWysylki(EtapWysylki::Przerwanie, "Wysyłanie przerwał użytkownik.");
            }
            for (size_t wyslane = 0; wyslane < n;) {
                const ssize_t w = sftp_write(zdalny, bufor.data() + wyslane, n - wyslane);
                if (w <= 0) {
                    const std::string powod = BladSsh();
                    sftp_close(zdalny);
                    Usun(tymczasowa);
                    throw BladWysylki(EtapWysylki::Przesylanie,
                                      "Przerwano przesyłanie pliku " + plik + ": " + powod);
                }
                wyslane += static_cast<size_t>(w);
            }
            postep.wyslano += n;
            if (m_opcje.postep)
                m_opcje.postep(postep);
        }
        const bool odczytany = !std::ferror(f.get());
        const bool zamkniety = sftp_close(zdalny) == SSH_NO_ERROR;
        if (!odczytany || !zamkniety || postep.wyslano != postep.rozmiar ||
            RozmiarZdalny(tymczasowa) != postep.rozmiar ||
            sftp_rename(m_sftp, tymczasowa.c_str(), docelowa.c_str()) != SSH_OK) {
            const std::string powod = !odczytany || postep.wyslano != postep.rozmiar
                                          ? "błąd odczytu pliku lokalnego"
                                          : BladSsh();
            Usun(tymczasowa);
            throw BladWysylki(EtapWysylki::Przesylanie,
                              "Nie udało się przesłać pliku " + plik + ": " + powod);
        }
    }

private:
    std::string BladSsh() const { return ssh_get_error(m_ssh); }

    void Nawiaz(const LiniaSkryptu& open) {
        const int port = open.port;
        const int tak = 1;
        const bool nie = false;
        const long limit = m_opcje.limitCzasuSekund;
        std::string serwer = open.adres.serwer;
        if (serwer.size() > 2 && serwer.front() == '[')
            serwer = serwer.substr(1, serwer.size() - 2);
        // Nagle's delay on every synchronous write makes an upload many times slower.
        if (ssh_options_set(m_ssh, SSH_OPTIONS_HOST, serwer.c_str()) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_PORT, &port) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_USER, open.adres.uzytkownik.c_str()) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_PROCESS_CONFIG, &nie) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_KNOWNHOSTS, m_opcje.znaneKlucze.c_str()) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, "/dev/null") != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_NODELAY, &tak) != SSH_OK ||
            ssh_options_set(m_ssh, SSH_OPTIONS_TIMEOUT, &limit) != SSH_OK)
            throw BladWysylki(EtapWysylki::Polaczenie,
                              "Błędne parametry połączenia z " + m_adres + ": " + BladSsh());
        if (ssh_connect(m_ssh) != SSH_OK)
            throw BladWysylki(EtapWysylki::Polaczenie,
                              "Nie udało się połączyć z serwerem " + m_adres + ": " + BladSsh());
    }

    std::string OdciskKlucza() {
        ssh_key klucz = nullptr;
        if (ssh_get_server_publickey(m_ssh, &klucz) != SSH_OK)
            return "?";
        unsigned char* skrot = nullptr;
        size_t dlugosc = 0;
        std::string odcisk = "?";
        if (ssh_get_publickey_hash(klucz, SSH_PUBLICKEY_HASH_SHA256, &skrot, &dlugosc) == 0) {
            char* tekst = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, skrot, dlugosc);
            if (tekst) {
                odcisk = tekst;
                ssh_string_free_char(tekst);
            }
            ssh_clean_pubkey_hash(&skrot);
        }
        ssh_key_free(klucz);
        return odcisk;
    }

    void SprawdzKluczSerwera() {
        const std::string odcisk = OdciskKlucza();
        switch (ssh_session_is_known_server(m_ssh)) {
            case SSH_KNOWN_HOSTS_OK:
                return;
            case SSH_KNOWN_HOSTS_CHANGED:
            case SSH_KNOWN_HOSTS_OTHER:
                throw BladWysylki(EtapWysylki::KluczSerwera,
                                  "Klucz serwera " + m_adres + " jest inny niż zapamiętany (" +
                                      odcisk +
                                      "). Połączenie odrzucono: serwer mógł zostać podmieniony.");
            case SSH_KNOWN_HOSTS_NOT_FOUND:
            case SSH_KNOWN_HOSTS_UNKNOWN:
                break;
            case SSH_KNOWN_HOSTS_ERROR:
            default:
                throw BladWysylki(
                    EtapWysylki::KluczSerwera,
                    "Nie udało się sprawdzić klucza serwera " + m_adres + ": " + BladSsh());
        }
        const bool przyjety =
            m_opcje.dialogi &&
            m_opcje.dialogi->TakNie("Serwer " + m_adres +
                                        " nie jest jeszcze znany.\nOdcisk jego klucza (SHA-256): " +
                                        odcisk + "\nCzy przyjąć ten klucz i zapamiętać go?",
                                    kTytulKluczaSerwera, store::Ikona::Pytanie,
                                    store::Odpowiedz::Nie) == store::Odpowiedz::Tak;
        if (!przyjety)
            throw BladWysylki(EtapWysylki::KluczSerwera,
                              "Nie przyjęto klucza serwera " + m_adres + " (" + odcisk + ").");
        if (ssh_session_update_known_hosts(m_ssh) != SSH_OK)
            throw BladWysylki(EtapWysylki::KluczSerwera,
                              "Nie udało się zapamiętać klucza serwera w pliku " +
                                  m_opcje.znaneKlucze + ": " + BladSsh());
    }

    void Zaloguj(const ParametryPolaczenia& konto) {
        int wynik = ssh_userauth_none(m_ssh, nullptr);
        const int metody = ssh_userauth_list(m_ssh, nullptr);
        if (wynik != SSH_AUTH_SUCCESS && wynik != SSH_AUTH_ERROR &&
            (metody & SSH_AUTH_METHOD_PASSWORD))
            wynik = ssh_userauth_password(m_ssh, nullptr, konto.haslo.c_str());
        // Servers that check passwords through PAM often ask for them interactively.
        if (wynik == SSH_AUTH_DENIED && (metody & SSH_AUTH_METHOD_INTERACTIVE))
            wynik = OdpowiedzInteraktywnie(konto.haslo);
        if (wynik == SSH_AUTH_SUCCESS)
            return;
        if (wynik == SSH_AUTH_ERROR)
            throw BladWysylki(EtapWysylki::Polaczenie,
                              "Serwer " + m_adres + " przerwał połączenie: " + BladSsh());
        throw BladWysylki(
            EtapWysylki::Uwierzytelnienie,
            "Serwer " + m_adres + " odrzucił użytkownika " + konto.uzytkownik + " lub jego hasło.");
    }

    int OdpowiedzInteraktywnie(const std::string& haslo) {
        int wynik = ssh_userauth_kbdint(m_ssh, nullptr, nullptr);
        for (int runda = 0; wynik == SSH_AUTH_INFO && runda < 5; ++runda) {
            const int pytania = ssh_userauth_kbdint_getnprompts(m_ssh);
            for (int i = 0; i < pytania; ++i) {
                char echo = 0;
                ssh_userauth_kbdint_getprompt(m_ssh, i, &echo);
                ssh_userauth_kbdint_setanswer(m_ssh, i, echo ? "" : haslo.c_str());
            }
            wynik = ssh_userauth_kbdint(m_ssh, nullptr, nullptr);
        }
        return wynik == SSH_AUTH_INFO ? SSH_AUTH_DENIED : wynik;
    }

    std::optional<std::string> Kanoniczna(const std::string& sciezka) {
        char* kanoniczna = sftp_canonicalize_path(m_sftp, sciezka.c_str());
        if (!kanoniczna)
            return std::nullopt;
        std::string w = kanoniczna;
        ssh_string_free_char(kanoniczna);
        return w;
    }

    std::optional<uint64_t> RozmiarZdalny(const std::string& sciezka) {
        sftp_attributes atrybuty = sftp_stat(m_sftp, sciezka.c_str());
        if (!atrybuty)
            return std::nullopt;
        const uint64_t rozmiar = atrybuty->size;
        sftp_attributes_free(atrybuty);
        return rozmiar;
    }

    // Best effort: after a dropped connection the part stays, but never under the final name.
    void Usun(const std::string& sciezka) {
        if (ssh_is_connected(m_ssh))
            sftp_unlink(m_sftp, sciezka.c_str());
    }

    const OpcjeKlienta& m_opcje;
    std::string m_adres;
    ssh_session m_ssh;
    sftp_session m_sftp = nullptr;
    std::string m_folder;
};

std::string CzytajPlik(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        throw BladWysylki(EtapWysylki::Skrypt, "Nie można odczytać skryptu " + sciezka + ".");
    std::ostringstream tresc;
    tresc << plik.rdbuf();
    return tresc.str();
}

}  // namespace

void WykonajSkrypt(const std::string& sciezkaSkryptu, const OpcjeKlienta& opcje) {
    std::vector<LiniaSkryptu> linie;
    try {
        linie = CzytajSkrypt(CzytajPlik(sciezkaSkryptu));
    } catch (const BladSkryptu& e) {
        throw BladWysylki(EtapWysylki::Skrypt,
                          "Błąd w skrypcie " + sciezkaSkryptu + ": " + e.what() + ".");
    }
    WykonajSkrypt(linie, sciezkaSkryptu, opcje);
}

void WykonajSkrypt(const std::vector<LiniaSkryptu>& linie, const std::string& sciezkaSkryptu,
                   const OpcjeKlienta& opcje) {
    std::unique_ptr<SesjaSftp> sesja;
    auto wymagajSesji = [&]() -> SesjaSftp& {
        if (!sesja)
            throw BladWysylki(EtapWysylki::Skrypt,
                              "Błąd w skrypcie " + sciezkaSkryptu + ": polecenie przed open.");
        return *sesja;
    };
    for (const LiniaSkryptu& linia : linie) {
        switch (linia.polecenie) {
            case Polecenie::Open:
                sesja = std::make_unique<SesjaSftp>(opcje);
                sesja->Otworz(linia);
                break;
            case Polecenie::Cd:
                wymagajSesji().Cd(linia.argument);
                break;
            case Polecenie::Put:
                wymagajSesji().Put(linia.argument);
                break;
            case Polecenie::Close:
                sesja.reset();
                break;
            case Polecenie::Exit:
                return;
        }
    }
}

}  // namespace mirta::spd
