#pragma once

#include <string>
#include <string_view>

namespace mirta::compute {

struct NumerDomu {
    std::string dom;
    std::string mieszkanie;
    friend bool operator==(const NumerDomu&, const NumerDomu&) = default;
};

// "12/5", "12 m 5", "12,5" -> 12 and 5; "12A" -> 12A and no flat.
NumerDomu PodzielNumerDomu(std::string_view tekst);

// The address fields of an employee's master record.
struct DaneAdresowe {
    std::string kodPocztowy;
    std::string poczta;
    std::string miejscowosc;
    std::string ulica;
    std::string nrDomuIMieszkania;
    std::string kodPocztaZamieszkania;      // "00-950 Warszawa"
    std::string miejscowoscAdresZamieszka;  // "Długa 12/5"
    std::string telefonZamieszkania;
};

struct AdresPracownika {
    std::string kodPocztowy;
    std::string poczta;
    std::string miejscowosc;
    std::string ulica;
    std::string nrDomu;
    std::string nrMieszkania;
    std::string telefon;
    friend bool operator==(const AdresPracownika&, const AdresPracownika&) = default;
};

// The residence address when one is entered, else the registered one.
AdresPracownika AdresZDanych(const DaneAdresowe& dane);

}  // namespace mirta::compute
