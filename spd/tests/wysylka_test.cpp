#include "spd/wysylka.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "spd/csv_spd.h"
#include "spd/skrypt_ssh.h"
#include "spd/testing/serwer_sftp_testowy.h"
#include "engine/testing/temp_dir.h"
#include "wspolne/testing/dialogi_skryptowe.h"
#include "wspolne/testing/program_zewnetrzny.h"

namespace mirta::spd {
namespace {

using engine::testing::ReadBytesOf;
using engine::testing::TempDir;
using store::Odpowiedz;
using store::testing::DialogiSkryptowe;
using testing::SerwerSftpTestowy;
using testing::Uruchom;

bool Zawiera(const std::string& tekst, const std::string& fragment) {
    return tekst.find(fragment) != std::string::npos;
}

// Files under `folder` holding the password as it is or as the script's address encodes it.
std::vector<std::string> PlikiZHaslem(const std::string& folder, const std::string& haslo) {
    std::vector<std::string> pliki;
    for (const auto& wpis : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string tresc = wpis.is_regular_file() ? ReadBytesOf(wpis.path().string()) : "";
        if (Zawiera(tresc, haslo) || Zawiera(tresc, KodujProcentowo(haslo)))
            pliki.push_back(wpis.path().string());
    }
    return pliki;
}

// Names appearing (created, linked or renamed) and files closed after writing in the server's
// upload folder, in the order it happened.
class ObserwatorFolderu {
public:
    explicit ObserwatorFolderu(const std::string& folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(m_fd, folder.c_str(), IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~ObserwatorFolderu() { ::close(m_fd); }

    std::vector<std::string> Zdarzenia() {
        std::vector<std::string> zdarzenia;
        alignas(inotify_event) char bufor[1 << 16];
        for (ssize_t n; (n = ::read(m_fd, bufor, sizeof bufor)) > 0;) {
            for (char* p = bufor; p < bufor + n;) {
                const auto* z = reinterpret_cast<const inotify_event*>(p);
                zdarzenia.push_back(
                    std::string(z->mask & IN_CLOSE_WRITE ? "zapisano " : "pojawił się ") + z->name);
                p += sizeof(inotify_event) + z->len;
            }
        }
        return zdarzenia;
    }

private:
    int m_fd;
};

class WysylkaSftp : public ::testing::Test {
protected:
    void SetUp() override {
        const auto powod = SerwerSftpTestowy::Niedostepny();
        MIRTA_WYMAGA_PROGRAMU(!powod, "serwer SFTP (OpenSSH): " << powod.value_or(""));
        std::filesystem::create_directories(m_dir.File("serwer"));
        m_serwer = std::make_unique<SerwerSftpTestowy>(m_dir.File("serwer"));
        m_w = m_dir.File("spd");
        std::filesystem::create_directories(m_w);
        m_p = {m_w,
               "1234567",
               "K",
               "01",
               SerwerSftpTestowy::kUzytkownik,
               SerwerSftpTestowy::kHaslo,
               "127.0.0.1",
               std::to_string(m_serwer->Port()),
               m_serwer->FolderPrzesylek()};
        m_nazwa = IdentyfikatorWysylki(m_p, std::chrono::system_clock::now());
    }

    void TearDown() override {
        if (HasFailure() && m_serwer)
            std::cerr << "Dziennik sshd:\n" << m_serwer->Dziennik();
    }

    // The send folder with two CSV files; `duzeWiersze` rows of random text make the
    // archive large enough to be cut in the middle.
    void PrzygotujPaczke(int duzeWiersze = 0) {
        const std::string folder = FolderWysylki(m_p, m_nazwa);
        std::filesystem::create_directories(folder);
        DialogiSkryptowe dialogi;
        const std::vector<PoleCSV> pracownicy = {{1, "Identyfikator", "N", "1"},
                                                 {2, "Nazwisko", "S", "Żółkiewska"},
                                                 {1, "Identyfikator", "N", "2"},
                                                 {2, "Nazwisko", "S", "Nowak"}};
        ASSERT_TRUE(
            ZapiszPlikCSV(folder, {"01", "PRACOWNICY_", "M", {2008, 3, 17}}, pracownicy, dialogi));
        std::mt19937 los(17);
        int wiersz = 0;
        ASSERT_TRUE(ZapiszPlikCSV(
            folder, {"01", "STANOWISKA_", "D", {2008, 3, 17}},
            [&](PoleCSV& pole) {
                if (wiersz == std::max(duzeWiersze, 1))
                    return false;
                std::string tekst(1000, ' ');
                for (char& c : tekst)
                    c = static_cast<char>('A' + los() % 58);
                pole = {1, "Opis", "C", tekst};
                ++wiersz;
                return true;
            },
            dialogi));
    }

    void ZnanyKlucz() { std::ofstream(m_w + "/known_hosts") << m_serwer->LiniaZnanegoKlucza(); }

    bool Wyslij(DialogiSkryptowe& dialogi, const OpcjeWysylki& opcje = {}) {
        return SpakujIWyslijSPD(m_nazwa, m_p, dialogi, opcje);
    }

    std::vector<std::string> PlikiNaSerwerze() const {
        std::vector<std::string> nazwy;
        for (const auto& wpis : std::filesystem::directory_iterator(m_serwer->FolderPrzesylek()))
            nazwy.push_back(wpis.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

    // A failed send shows one error naming the send and its reason, leaves nothing under a
    // final name on the server and the password in no file.
    void OczekujBledu(const DialogiSkryptowe& dialogi, const std::string& powod) {
        ASSERT_FALSE(dialogi.komunikaty.empty());
        const auto& ostatni = dialogi.komunikaty.back();
        EXPECT_EQ(ostatni.rodzaj, DialogiSkryptowe::Rodzaj::Blad);
        EXPECT_EQ(ostatni.tytul, "Błąd SPD.");
        EXPECT_TRUE(Zawiera(
            ostatni.tekst, "Nie powiodło się wysłanie danych o identyfikatorze " + m_nazwa + ".\n"))
            << ostatni.tekst;
        EXPECT_TRUE(Zawiera(ostatni.tekst, powod)) << ostatni.tekst;
        for (const auto& k : dialogi.komunikaty)
            EXPECT_NE(k.tytul, "Sukces.");
        for (const std::string& plik : PlikiNaSerwerze())
            for (const char* rozszerzenie : {".zip", ".md5", ".sem"})
                EXPECT_NE(plik, m_nazwa + rozszerzenie);
        EXPECT_EQ(PlikiZHaslem(m_w, SerwerSftpTestowy::kHaslo), std::vector<std::string>{});
    }

    TempDir m_dir;
    std::unique_ptr<SerwerSftpTestowy> m_serwer;
    std::string m_w;
    ParametrySPD m_p;
    std::string m_nazwa;
};

TEST_F(WysylkaSftp, PaczkaDocieraCalaWKolejnosciZipMd5Sem) {
    PrzygotujPaczke(300);
    ZnanyKlucz();
    ObserwatorFolderu obserwator(m_serwer->FolderPrzesylek());
    std::string skryptWTrakcie;
    std::vector<std::string> zHaslemWTrakcie;
    PostepWysylki ostatniZip;
    OpcjeWysylki opcje;
    opcje.postep = [&](const PostepWysylki& postep) {
        if (skryptWTrakcie.empty()) {
            skryptWTrakcie = ReadBytesOf(m_w + "/ssh.txt");
            zHaslemWTrakcie = PlikiZHaslem(m_w, SerwerSftpTestowy::kHaslo);
        }
        if (postep.plik == m_nazwa + ".zip")
            ostatniZip = postep;
    };
    DialogiSkryptowe dialogi;

    ASSERT_TRUE(Wyslij(dialogi, opcje));

    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].rodzaj, DialogiSkryptowe::Rodzaj::Ostrzezenie);
    EXPECT_EQ(dialogi.komunikaty[0].tekst,
              "Pomyślnie zakończono wysyłanie danych o identyfikatorze " + m_nazwa + ".");
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Sukces.");

    EXPECT_EQ(PlikiNaSerwerze(),
              (std::vector<std::string>{m_nazwa + ".md5", m_nazwa + ".sem", m_nazwa + ".zip"}));
    EXPECT_EQ(obserwator.Zdarzenia(),
              (std::vector<std::string>{
                  "pojawił się " + m_nazwa + ".zip.part", "zapisano " + m_nazwa + ".zip.part",
                  "pojawił się " + m_nazwa + ".zip", "pojawił się " + m_nazwa + ".md5.part",
                  "zapisano " + m_nazwa + ".md5.part", "pojawił się " + m_nazwa + ".md5",
                  "pojawił się " + m_nazwa + ".sem.part", "zapisano " + m_nazwa + ".sem.part",
                  "pojawił się " + m_nazwa + ".sem"}));
    const std::string serwer = m_serwer->FolderPrzesylek() + "/" + m_nazwa;
    const std::string lokalny = m_w + "/" + m_nazwa;
    for (const char* rozszerzenie : {".zip", ".md5", ".sem"})
        EXPECT_EQ(ReadBytesOf(serwer + rozszerzenie), ReadBytesOf(lokalny + rozszerzenie))
            << rozszerzenie;
    std::string md5sum;
    ASSERT_EQ(Uruchom({"md5sum", serwer + ".zip"}, {}, &md5sum), 0);
    EXPECT_EQ(ReadBytesOf(serwer + ".md5"), md5sum.substr(0, 32));
    EXPECT_EQ(ReadBytesOf(serwer + ".sem"), "");
    EXPECT_EQ(Uruchom({"unzip", "-tq", serwer + ".zip"}), 0);

    const uint64_t rozmiarZip = std::filesystem::file_size(lokalny + ".zip");
    EXPECT_EQ(ostatniZip.wyslano, rozmiarZip);
    EXPECT_EQ(ostatniZip.rozmiar, rozmiarZip);
    // The script left for the user to read has every line but the password.
    EXPECT_TRUE(
        Zawiera(skryptWTrakcie, std::string("open sftp://") + SerwerSftpTestowy::kUzytkownik +
                                    "@127.0.0.1:" + std::to_string(m_serwer->Port()) + "\r\n"))
        << skryptWTrakcie;
    EXPECT_EQ(zHaslemWTrakcie, std::vector<std::string>{});
    EXPECT_TRUE(Zawiera(skryptWTrakcie, "\r\nCD " + m_serwer->FolderPrzesylek() + "\r\nput " +
                                            m_nazwa + ".zip \r\nput " + m_nazwa + ".md5 \r\nput " +
                                            m_nazwa + ".sem \r\nclose\r\nexit\r\n"))
        << skryptWTrakcie;
    EXPECT_EQ(ReadBytesOf(m_w + "/ssh.txt"), skryptWTrakcie);
    EXPECT_EQ(PlikiZHaslem(m_w, SerwerSftpTestowy::kHaslo), std::vector<std::string>{});
}

TEST_F(WysylkaSftp, NieznanyKluczTrzebaPrzyjac) {
    PrzygotujPaczke();
    std::string odcisk;
    ASSERT_EQ(
        Uruchom({"ssh-keygen", "-l", "-E", "sha256", "-f", m_dir.File("serwer/host_ed25519.pub")},
                {}, &odcisk),
        0);
    odcisk = odcisk.substr(odcisk.find("SHA256:"));
    odcisk = odcisk.substr(0, odcisk.find(' '));

    DialogiSkryptowe odmowa;
    odmowa.odpowiedzi = {Odpowiedz::Nie};
    EXPECT_FALSE(Wyslij(odmowa));
    ASSERT_EQ(odmowa.komunikaty.size(), 2u);
    EXPECT_EQ(odmowa.komunikaty[0].rodzaj, DialogiSkryptowe::Rodzaj::TakNie);
    EXPECT_EQ(odmowa.komunikaty[0].domyslna, Odpowiedz::Nie);
    EXPECT_TRUE(Zawiera(odmowa.komunikaty[0].tekst, odcisk)) << odmowa.komunikaty[0].tekst;
    OczekujBledu(odmowa, "Nie przyjęto klucza serwera 127.0.0.1:");
    EXPECT_TRUE(PlikiNaSerwerze().empty());
    EXPECT_FALSE(std::filesystem::exists(m_w + "/known_hosts"));

    DialogiSkryptowe zgoda;
    zgoda.odpowiedzi = {Odpowiedz::Tak};
    EXPECT_TRUE(Wyslij(zgoda));
    EXPECT_EQ(zgoda.komunikaty.back().tytul, "Sukces.");
    EXPECT_TRUE(Zawiera(
        ReadBytesOf(m_w + "/known_hosts"),
        m_serwer->LiniaZnanegoKlucza().substr(m_serwer->LiniaZnanegoKlucza().find("ssh-ed25519"))));

    // Once stored, the key is not asked about again.
    m_nazwa = IdentyfikatorWysylki(m_p, std::chrono::system_clock::now() + std::chrono::hours(1));
    PrzygotujPaczke();
    DialogiSkryptowe bezPytan;
    EXPECT_TRUE(Wyslij(bezPytan));
    EXPECT_EQ(bezPytan.komunikaty.size(), 1u);
}

TEST_F(WysylkaSftp, ZmienionyKluczJestOdrzucanyBezPytania) {
    PrzygotujPaczke();
    const std::string obcy = m_serwer->LiniaObcegoKlucza();
    std::ofstream(m_w + "/known_hosts") << obcy;
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(Wyslij(dialogi));
    EXPECT_EQ(dialogi.komunikaty.size(), 1u);
    OczekujBledu(dialogi, "jest inny niż zapamiętany");
    EXPECT_EQ(ReadBytesOf(m_w + "/known_hosts"), obcy);
    EXPECT_TRUE(PlikiNaSerwerze().empty());
}

TEST_F(WysylkaSftp, ZleHaslo) {
    PrzygotujPaczke();
    ZnanyKlucz();
    m_p.hasloSPD = "zle haslo";
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(Wyslij(dialogi));
    OczekujBledu(dialogi, "odrzucił użytkownika mirta_sftp_test lub jego hasło");
    EXPECT_TRUE(PlikiNaSerwerze().empty());
}

TEST_F(WysylkaSftp, BrakFolderuNaSerwerze) {
    PrzygotujPaczke();
    ZnanyKlucz();
    m_p.sciezkaSPD = m_serwer->FolderPrzesylek() + "/brak";
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(Wyslij(dialogi));
    OczekujBledu(dialogi, "Brak folderu na serwerze: " + m_p.sciezkaSPD);
    EXPECT_TRUE(PlikiNaSerwerze().empty());
}

TEST_F(WysylkaSftp, ZerwanePolaczenieWTrakciePrzesylania) {
    PrzygotujPaczke(3000);
    ZnanyKlucz();
    bool zerwane = false;
    OpcjeWysylki opcje;
    opcje.postep = [&](const PostepWysylki& postep) {
        if (!zerwane && postep.wyslano >= 256 * 1024) {
            ASSERT_GT(postep.rozmiar, 1024u * 1024);
            m_serwer->ZerwijPolaczenia();
            zerwane = true;
        }
    };
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(Wyslij(dialogi, opcje));
    EXPECT_TRUE(zerwane);
    OczekujBledu(dialogi, "Przerwano przesyłanie pliku " + m_nazwa + ".zip");
}

TEST_F(WysylkaSftp, AnulowanieUsuwaCzescPliku) {
    PrzygotujPaczke(3000);
    ZnanyKlucz();
    std::atomic<bool> anuluj = false;
    OpcjeWysylki opcje;
    opcje.anuluj = &anuluj;
    opcje.postep = [&](const PostepWysylki& postep) {
        if (postep.wyslano >= 128 * 1024)
            anuluj = true;
    };
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(Wyslij(dialogi, opcje));
    OczekujBledu(dialogi, "Wysyłanie przerwał użytkownik.");
    EXPECT_TRUE(PlikiNaSerwerze().empty());
}

TEST(SpakujIWyslijSPD, ZnakSterujacyWParametrachNieTworzySkryptu) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("N"));
    std::ofstream(dir.File("N/a.CSV")) << "x";
    const ParametrySPD p{dir.Path(),  "1234567", "K", "01", "u", "h\r\nput /etc/shadow",
                         "127.0.0.1", "22",      "/"};
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(SpakujIWyslijSPD("N", p, dialogi));
    EXPECT_EQ(dialogi.Teksty(),
              std::vector<std::string>{
                  "Nie powiodło się wysłanie danych o identyfikatorze N.\nPole \"Hasło\" "
                  "parametrów wysyłki zawiera niedozwolony znak sterujący."});
    EXPECT_FALSE(std::filesystem::exists(dir.File("ssh.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("N.zip")));
}

TEST(SpakujIWyslijSPD, IdentyfikatorTylkoZLiterICyfr) {
    TempDir dir;
    const ParametrySPD p{dir.Path(), "1234567", "K", "01", "u", "h", "127.0.0.1", "22", "/"};
    for (const char* nazwa : {"", "../N", "N 1", "N.zip"}) {
        DialogiSkryptowe dialogi;
        EXPECT_FALSE(SpakujIWyslijSPD(nazwa, p, dialogi));
        EXPECT_EQ(dialogi.Teksty(),
                  std::vector<std::string>{"Nie powiodło się wysłanie danych o identyfikatorze " +
                                           std::string(nazwa) +
                                           ".\nIdentyfikator może zawierać tylko litery i cyfry."});
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(SpakujIWyslijSPD, BrakPlikowCSVToBladArchiwum) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("N"));
    const ParametrySPD p{dir.Path(), "1234567", "K", "01", "u", "h", "127.0.0.1", "22", "/"};
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(SpakujIWyslijSPD("N", p, dialogi));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(
        Zawiera(dialogi.komunikaty[0].tekst, "Nie powiodła się próba utworzenia pliku N.zip."));
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Błąd SPD.");
    EXPECT_FALSE(std::filesystem::exists(dir.File("N.md5")));
}

TEST(SpakujIWyslijSPD, BrakFolderuRoboczego) {
    TempDir dir;
    const ParametrySPD p{dir.File("brak"), "1234567", "K", "01", "u", "h", "127.0.0.1", "22", "/"};
    DialogiSkryptowe dialogi;
    EXPECT_FALSE(SpakujIWyslijSPD("N", p, dialogi));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst,
              "Nie udało się ustlić katalogu bieżącego:" + dir.File("brak"));
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Kontrola przetwarzania.");
}

TEST(IdentyfikatorWysylki, JednostkaObszarWersjaKodDataICzas) {
    const ParametrySPD p{"", "1234567", "K", "01 ", "", "", "", "", ""};
    std::tm czas{};
    czas.tm_year = 2008 - 1900;
    czas.tm_mon = 2;
    czas.tm_mday = 17;
    czas.tm_hour = 14;
    czas.tm_min = 5;
    czas.tm_sec = 9;
    czas.tm_isdst = -1;
    const auto chwila =
        std::chrono::system_clock::from_time_t(std::mktime(&czas)) + std::chrono::milliseconds(250);
    EXPECT_EQ(IdentyfikatorWysylki(p, chwila), "1234567K100120080317140509000250");
    EXPECT_NE(IdentyfikatorWysylki(p, chwila + std::chrono::milliseconds(1)),
              IdentyfikatorWysylki(p, chwila));
}

TEST(SprawdzKodyJednostki, TylkoLiteryICyfry) {
    EXPECT_FALSE(SprawdzKodyJednostki({"", "1234567", "K", "01", "", "", "", "", ""}));
    EXPECT_EQ(SprawdzKodyJednostki({"", "12/4567", "K", "01", "", "", "", "", ""}).value_or(""),
              "Numer jednostki może zawierać tylko litery i cyfry: \"12/4567\".");
    EXPECT_TRUE(SprawdzKodyJednostki({"", "1234567", "&", "01", "", "", "", "", ""}));
    EXPECT_TRUE(SprawdzKodyJednostki({"", "1234567", "K", "0.", "", "", "", "", ""}));
}

}  // namespace
}  // namespace mirta::spd
