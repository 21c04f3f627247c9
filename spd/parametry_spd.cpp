#include "spd/parametry_spd.h"

#include <filesystem>

#include "compute/teksty.h"
#include "spd/pisarz_pozycji.h"
#include "spd/pola_tabeli.h"
#include "spd/skrypt_ssh.h"
#include "spd/tabele_spd.h"
#include "spd/wysylka.h"

namespace mirta::spd {

const std::vector<std::string>& PolaParametrowSPD() {
    static const std::vector<std::string> pola = {
        "NumerJednostki", "KodObszaru", "KodSD",  "Sciezka", "NazwaKomorkiOrganizacyjne",
        "UzytkownikSPD",  kPoleHasla,   "FTPSPD", "PortSPD", "SciezkaSPD"};
    return pola;
}

std::map<std::string, std::string> CzytajPolaParametrow(engine::FileSystem& fs,
                                                        const std::string& katalogDanych) {
    auto t = OtworzTabeleSPD(fs, katalogDanych, "TSPDParametry");
    std::map<std::string, std::string> pola;
    const PolaTabeli p(*t);
    const engine::Record w = t->RowCount() ? t->ReadRow(0) : engine::Record(t->Fields().size());
    for (const std::string& nazwa : PolaParametrowSPD())
        pola[nazwa] = Tekst(w[p(nazwa)]);
    return pola;
}

std::optional<std::string> SprawdzPolaParametrow(const std::map<std::string, std::string>& pola,
                                                 const std::string& katalogDanych) {
    auto pole = [&](const char* n) {
        const auto it = pola.find(n);
        return it == pola.end() ? std::string() : it->second;
    };
    const std::string sciezka(compute::Przytnij(pole("Sciezka")));
    std::error_code ec;
    if (!sciezka.empty() &&
        !std::filesystem::is_directory(SciezkaWKatalogu(katalogDanych, sciezka), ec))
        return "Brak folderu: " + pole("Sciezka");
    ParametrySPD p;
    p.numerJednostki = pole("NumerJednostki");
    p.kodObszaru = pole("KodObszaru");
    p.kodSD = pole("KodSD");
    if (auto blad = SprawdzKodyJednostki(p))
        return blad;
    const ParametryPolaczenia polaczenie{pole("UzytkownikSPD"), pole(kPoleHasla), pole("FTPSPD"),
                                         pole("PortSPD"), pole("SciezkaSPD")};
    // An address or port left empty is allowed until the first send.
    for (const auto& [nazwa, wartosc] : pola)
        for (char c : wartosc)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                return "Pole " + nazwa + " nie może zawierać znaków sterujących.";
    if (!polaczenie.serwer.empty())
        if (auto blad = SprawdzParametryPolaczenia(polaczenie))
            return blad;
    return std::nullopt;
}

std::optional<std::string> ZmienParametrySPD(engine::FileSystem& fs,
                                             const std::string& katalogDanych,
                                             const store::SesjaUzytkownika& sesja,
                                             const std::map<std::string, std::string>& zmiany) {
    if (!sesja.Aktualizowanie)
        return std::string(kBrakPrawaZmiany);
    auto t = OtworzTabeleSPD(fs, katalogDanych, "TSPDParametry");
    const PolaTabeli p(*t);
    std::map<std::string, std::string> pola = CzytajPolaParametrow(fs, katalogDanych);
    for (const auto& [nazwa, wartosc] : zmiany) {
        if (!pola.contains(nazwa))
            return "Nieznane pole parametrów SPD: " + nazwa;
        const int szerokosc = t->Fields()[static_cast<size_t>(p(nazwa))].size;
        if (DopasujDoPola(wartosc, szerokosc) != wartosc)
            return "Wartość pola " + nazwa + " jest za długa (najwyżej " +
                   std::to_string(szerokosc) + " znaków) albo ma znaki spoza polskiego alfabetu.";
        pola[nazwa] = wartosc;
    }
    if (auto blad = SprawdzPolaParametrow(pola, katalogDanych))
        return blad;
    engine::Record w = t->RowCount() ? t->ReadRow(0) : engine::Record(t->Fields().size());
    for (const auto& [nazwa, wartosc] : zmiany)
        w[p(nazwa)] = wartosc.empty() ? engine::Value() : engine::Value::Text(wartosc);
    if (t->RowCount())
        t->Update(0, std::move(w));
    else
        t->Insert(w);
    t->Sync();
    return std::nullopt;
}

std::optional<std::string> SprawdzSkladnikWynagrodzen(const std::string& lp, const std::string& kod,
                                                      const std::string& numer,
                                                      const std::string& nazwa) {
    if (compute::Przytnij(lp).empty())
        return "Liczba porządkowa składnika wynagrodzeń jest obowiązkowa !!!";
    if (compute::Przytnij(kod).empty())
        return "Kod składnika wynagrodzeń do SPD nie może być pusty !!!";
    if (compute::Przytnij(numer).empty())
        return "Numer składnika wynagrodzeń do SPD nie może być pusty !!!";
    if (compute::Przytnij(nazwa).empty())
        return "Nazwa składnika wynagrodzeń do SPD nie może być pusta !!!";
    return std::nullopt;
}

}  // namespace mirta::spd
