#include "spd/testing/serwer_sftp_testowy.h"

#include <arpa/inet.h>
#include <crypt.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <shadow.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace mirta::spd::testing {

namespace {

constexpr const char* kSshd = "/usr/sbin/sshd";

int WolnyPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dlugosc = sizeof adres;
    if (::bind(s, reinterpret_cast<sockaddr*>(&adres), sizeof adres) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
        ::close(s);
        throw std::runtime_error("brak wolnego portu");
    }
    ::close(s);
    return ntohs(adres.sin_port);
}

// Parent of every process, read from /proc.
std::map<pid_t, pid_t> Rodzice() {
    std::map<pid_t, pid_t> rodzice;
    for (const auto& wpis : std::filesystem::directory_iterator("/proc")) {
        const std::string nazwa = wpis.path().filename().string();
        if (nazwa.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(wpis.path() / "stat");
        std::string tekst((std::istreambuf_iterator<char>(stat)), {});
        const size_t nawias = tekst.rfind(')');
        if (nawias == std::string::npos)
            continue;
        std::istringstream reszta(tekst.substr(nawias + 2));
        char stan = 0;
        pid_t rodzic = 0;
        reszta >> stan >> rodzic;
        rodzice[std::stoi(nazwa)] = rodzic;
    }
    return rodzice;
}

bool HasloUstawione() {
    const spwd* wpis = ::getspnam(SerwerSftpTestowy::kUzytkownik);
    if (!wpis || !wpis->sp_pwdp)
        return false;
    crypt_data dane{};
    const char* skrot = ::crypt_r(SerwerSftpTestowy::kHaslo, wpis->sp_pwdp, &dane);
    return skrot && std::string(skrot) == wpis->sp_pwdp;
}

// The test user and its password, made once per machine; parallel tests take turns, as
// chpasswd refuses to run while /etc/shadow is locked. SHA-512 rather than the default
// yescrypt keeps every login of the tests fast.
void PrzygotujUzytkownika() {
    const int blokada = ::open("/tmp/mirta_sftp_test.lock", O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ::flock(blokada, LOCK_EX);
    std::string blad;
    if (!::getpwnam(SerwerSftpTestowy::kUzytkownik) &&
        Uruchom({"useradd", "-M", "-d", "/nonexistent", "-s", "/bin/sh",
                 SerwerSftpTestowy::kUzytkownik}) != 0)
        blad = "useradd nie powiódł się";
    if (blad.empty() && !HasloUstawione() &&
        Uruchom({"chpasswd", "-c", "SHA512"}, std::string(SerwerSftpTestowy::kUzytkownik) + ":" +
                                                  SerwerSftpTestowy::kHaslo + "\n") != 0)
        blad = "chpasswd nie powiódł się";
    ::flock(blokada, LOCK_UN);
    ::close(blokada);
    if (!blad.empty())
        throw std::runtime_error(blad);
}

}  // namespace

std::optional<std::string> SerwerSftpTestowy::Niedostepny() {
    if (::access(kSshd, X_OK) != 0)
        return std::string("brak ") + kSshd + " (pakiet openssh-server)";
    if (::geteuid() != 0)
        return "serwer SSH z logowaniem hasłem wymaga konta testowego, a tworzyć konta może "
               "tylko root";
    return std::nullopt;
}

SerwerSftpTestowy::SerwerSftpTestowy(const std::string& folder) : m_folder(folder) {
    PrzygotujUzytkownika();
    // The privilege-separation folder is gone on a machine where the service never ran.
    std::filesystem::create_directories("/run/sshd");
    std::filesystem::permissions("/run/sshd", std::filesystem::perms(0755));
    for (const char* klucz : {"host_ed25519", "obcy_ed25519", "klient_ed25519"}) {
        if (Uruchom(
                {"ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", m_folder + "/" + klucz}) != 0)
            throw std::runtime_error("ssh-keygen nie powiódł się");
    }
    m_przesylki = m_folder + "/przesylki";
    std::filesystem::create_directories(m_przesylki);
    const passwd* konto = ::getpwnam(kUzytkownik);
    if (!konto || ::chown(m_przesylki.c_str(), konto->pw_uid, konto->pw_gid) != 0)
        throw std::runtime_error("nie można oddać folderu użytkownikowi testowemu");
    std::filesystem::permissions(m_folder, std::filesystem::perms(0755));

    std::filesystem::copy_file(m_folder + "/klient_ed25519.pub", m_folder + "/authorized_keys");

    m_port = WolnyPort();
    const std::string konfiguracja = m_folder + "/sshd_config";
    std::ofstream(konfiguracja) << "Port " << m_port << "\n"
                                << "ListenAddress 127.0.0.1\n"
                                << "HostKey " << m_folder << "/host_ed25519\n"
                                << "PidFile " << m_folder << "/sshd.pid\n"
                                << "AuthorizedKeysFile " << m_folder << "/authorized_keys\n"
                                << "StrictModes no\n"
                                << "PasswordAuthentication yes\n"
                                << "KbdInteractiveAuthentication no\n"
                                << "PubkeyAuthentication yes\n"
                                << "PermitRootLogin no\n"
                                << "UsePAM no\n"
                                << "AllowUsers " << kUzytkownik << "\n"
                                << "Subsystem sftp internal-sftp\n";

    int rura[2];
    if (::pipe2(rura, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_adddup2(&akcje, rura[1], 2);
    const std::vector<std::string> argumenty = {kSshd, "-D", "-e", "-f", konfiguracja};
    std::vector<char*> argv = Argv(argumenty);
    const int blad = posix_spawn(&m_pid, kSshd, &akcje, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&akcje);
    ::close(rura[1]);
    if (blad != 0) {
        ::close(rura[0]);
        throw std::runtime_error("nie można uruchomić sshd");
    }
    m_stderr = rura[0];

    // Ready when it says it listens; no guessing with sleeps.
    const std::string gotowy = "Server listening on 127.0.0.1 port " + std::to_string(m_port);
    const auto termin = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string dziennik;
    while (dziennik.find(gotowy) == std::string::npos) {
        const auto zostalo = std::chrono::duration_cast<std::chrono::milliseconds>(
            termin - std::chrono::steady_clock::now());
        pollfd p{m_stderr, POLLIN, 0};
        char bufor[4096];
        ssize_t n = 0;
        if (zostalo.count() <= 0 || ::poll(&p, 1, static_cast<int>(zostalo.count())) <= 0 ||
            (n = ::read(m_stderr, bufor, sizeof bufor)) <= 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            ::close(m_stderr);
            throw std::runtime_error("sshd nie wystartował:\n" + dziennik);
        }
        dziennik.append(bufor, static_cast<size_t>(n));
    }
    m_dziennik = dziennik;
    m_czytanie = std::thread([this] {
        char bufor[4096];
        for (ssize_t n; (n = ::read(m_stderr, bufor, sizeof bufor)) > 0;) {
            std::lock_guard lock(m_mutex);
            m_dziennik.append(bufor, static_cast<size_t>(n));
        }
    });
}

SerwerSftpTestowy::~SerwerSftpTestowy() {
    ZerwijPolaczenia();
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
    m_czytanie.join();
    ::close(m_stderr);
}

void SerwerSftpTestowy::ZerwijPolaczenia() {
    const std::map<pid_t, pid_t> rodzice = Rodzice();
    std::vector<pid_t> potomkowie{m_pid};
    for (size_t i = 0; i < potomkowie.size(); ++i) {
        for (const auto& [pid, rodzic] : rodzice)
            if (rodzic == potomkowie[i])
                potomkowie.push_back(pid);
    }
    for (size_t i = 1; i < potomkowie.size(); ++i)
        ::kill(potomkowie[i], SIGKILL);
}

std::string SerwerSftpTestowy::LiniaKlucza(const std::string& plikPubliczny) const {
    std::ifstream plik(plikPubliczny);
    std::string typ;
    std::string klucz;
    plik >> typ >> klucz;
    return "[127.0.0.1]:" + std::to_string(m_port) + " " + typ + " " + klucz + "\n";
}

std::string SerwerSftpTestowy::LiniaZnanegoKlucza() const {
    return LiniaKlucza(m_folder + "/host_ed25519.pub");
}

std::string SerwerSftpTestowy::LiniaObcegoKlucza() const {
    return LiniaKlucza(m_folder + "/obcy_ed25519.pub");
}

std::string SerwerSftpTestowy::Dziennik() const {
    std::lock_guard lock(m_mutex);
    return m_dziennik;
}

}  // namespace mirta::spd::testing
