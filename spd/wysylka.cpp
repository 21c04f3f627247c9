#include "spd/wysylka.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdexcept>

#include "compute/teksty.h"
#include "spd/pakowanie.h"
#include "spd/skrypt_ssh.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::spd {

namespace {

bool TylkoLiteryICyfry(std::string_view tekst) {
    for (char c : tekst) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || !std::isalnum(b))
            return false;
    }
    return true;
}

std::string NieudaneWyslanie(const std::string& nazwa, const std::string& powod) {
    return "Nie powiodło się wysłanie danych o identyfikatorze " + nazwa + ".\n" + powod;
}

bool ZapiszPlik(const std::string& sciezka, std::string_view tresc) {
    try {
        wspolne::ZapiszAtomowo(sciezka, tresc);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

std::optional<std::string> SprawdzKodyJednostki(const ParametrySPD& p) {
    const std::pair<const char*, const std::string*> kody[] = {
        {"Numer jednostki", &p.numerJednostki},
        {"Kod obszaru", &p.kodObszaru},
        {"Kod SD", &p.kodSD},
    };
    for (const auto& [etykieta, wartosc] : kody) {
        if (!TylkoLiteryICyfry(compute::Przytnij(*wartosc)))
            return std::string(etykieta) + " może zawierać tylko litery i cyfry: \"" + *wartosc +
                   "\".";
    }
    return std::nullopt;
}

std::string IdentyfikatorWysylki(const ParametrySPD& p,
                                 std::chrono::system_clock::time_point chwila) {
    const std::time_t sekundy = std::chrono::system_clock::to_time_t(chwila);
    const auto milisekundy =
        std::chrono::duration_cast<std::chrono::milliseconds>(chwila.time_since_epoch()).count() %
        1000;
    std::tm czas{};
    localtime_r(&sekundy, &czas);
    char data[64];
    std::snprintf(data, sizeof data, "%04d%02d%02d%02d%02d%02d%06d", czas.tm_year + 1900,
                  czas.tm_mon + 1, czas.tm_mday, czas.tm_hour, czas.tm_min, czas.tm_sec,
                  static_cast<int>(milisekundy < 0 ? milisekundy + 1000 : milisekundy));
    return p.numerJednostki + p.kodObszaru + kWersjaInterfejsu +
           std::string(compute::Przytnij(p.kodSD)) + data;
}

std::string FolderRoboczySPD(const ParametrySPD& p) {
    const std::string_view sciezka = compute::Przytnij(p.sciezka);
    if (!sciezka.empty())
        return std::string(sciezka);
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

std::string FolderWysylki(const ParametrySPD& p, const std::string& nazwa) {
    return FolderRoboczySPD(p) + "/" + nazwa;
}

bool SpakujIWyslijSPD(const std::string& nazwa, const ParametrySPD& p, store::Dialogi& dialogi,
                      const OpcjeWysylki& opcje) {
    const std::string w = FolderRoboczySPD(p);
    std::error_code ec;
    if (!std::filesystem::is_directory(w, ec)) {
        dialogi.Blad("Nie udało się ustlić katalogu bieżącego:" + w, "Kontrola przetwarzania.");
        return false;
    }
    // The name becomes file names on both sides and an argument of the script's lines.
    if (nazwa.empty() || !TylkoLiteryICyfry(nazwa)) {
        dialogi.Blad(NieudaneWyslanie(nazwa, "Identyfikator może zawierać tylko litery i cyfry."),
                     kTytulBleduSPD);
        return false;
    }
    const ParametryPolaczenia polaczenie{p.uzytkownikSPD, p.hasloSPD, p.ftpSPD, p.portSPD,
                                         p.sciezkaSPD};
    if (const auto powod = SprawdzParametryPolaczenia(polaczenie)) {
        dialogi.Blad(NieudaneWyslanie(nazwa, *powod), kTytulBleduSPD);
        return false;
    }
    const std::string baza = w + "/" + nazwa;
    std::string md5;
    try {
        md5 = SpakujPlikiCSV(baza, baza + ".zip");
    } catch (const std::exception& e) {
        dialogi.Blad("Nie powiodła się próba utworzenia pliku " + nazwa + ".zip.\n" + e.what(),
                     kTytulBleduSPD);
        return false;
    }
    if (md5.empty() || !ZapiszPlik(baza + ".md5", md5)) {
        dialogi.Blad("Nie powiodła się próba utworzenia pliku " + nazwa + ".md5.", kTytulBleduSPD);
        return false;
    }
    if (!ZapiszPlik(baza + ".sem", "")) {
        dialogi.Blad("Nie powiodła się próba utworzenia pliku " + nazwa + ".sem.", kTytulBleduSPD);
        return false;
    }
    // The script on disk is for the user to read and holds no password; the client runs the
    // full one from memory, so a kill or a power cut during the upload leaves no secret behind.
    const std::string skrypt = w + "/" + kSkryptWysylki;
    if (!ZapiszPlik(skrypt, TrescSkryptu(polaczenie, nazwa, HasloWSkrypcie::Pominiete))) {
        dialogi.Blad(std::string("Nie powiodła się próba utworzenia pliku ") + kSkryptWysylki + ".",
                     kTytulBleduSPD);
        return false;
    }
    std::optional<std::string> blad;
    try {
        OpcjeKlienta klient;
        klient.znaneKlucze = w + "/" + kZnaneKlucze;
        klient.folderLokalny = w;
        klient.dialogi = &dialogi;
        klient.postep = opcje.postep;
        klient.anuluj = opcje.anuluj;
        WykonajSkrypt(CzytajSkrypt(TrescSkryptu(polaczenie, nazwa)), skrypt, klient);
    } catch (const BladWysylki& e) {
        blad = e.what();
    } catch (const BladSkryptu& e) {
        blad = e.what();
    }
    if (blad) {
        dialogi.Blad(NieudaneWyslanie(nazwa, *blad), kTytulBleduSPD);
        return false;
    }
    dialogi.Ostrzezenie("Pomyślnie zakończono wysyłanie danych o identyfikatorze " + nazwa + ".",
                        "Sukces.");
    return true;
}

}  // namespace mirta::spd
