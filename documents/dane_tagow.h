#pragma once

// What the tags of one employee read: the master record's fields, the rows of the history
// tables the tags name, and the computed picture at the processing date. Read by identifier,
// without moving any cursor a window is bound to.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "store/obraz_pracownika.h"

namespace mirta::store {
class ZrodlaObliczen;
}

namespace mirta::documents {

struct DaneTagow {
    bool znaleziony = false;

    // Master record, texts as the fields hold them (ends trimmed).
    std::string nazwisko, imie1, imie2, plec;
    std::string nazwiskoRodowe, imieOjca, imieMatki, nazwiskoRodoweMatki, miejsceUrodzenia;
    std::string dowodWystawca, dowodSeriaNumer;
    compute::DataKal dataUrodzenia, dataZatrudnienia, dataZwolnienia, dataWystawieniaDowodu;

    // History rows in table order (the order of their grids).
    struct Stanowisko {
        compute::DataKal dataOd;
        std::string nazwa;
    };
    struct Stopien {
        compute::DataKal dataOdKiedy;
        std::string nazwa;
        double stawka = 0;  // as computed for the row; -1 when no rate could be located
        int32_t identyfikator = 0;
        std::string ubruttowienie;           // the stored code
        compute::DataKal dataObowiazywania;  // DataObowiazywaniaStopnia: the rank's end
    };
    struct Grupa {
        compute::DataKal dataOdKiedy;
        int32_t identyfikator = 0;
        std::string nazwa;
        std::string ubruttowienie;  // the stored code
        std::optional<double> mnoznik;
        double placaZasadnicza = 0;
        double stawka = 0;
        double placaKoncowa = 0;
    };
    struct Decyzja {
        compute::DataKal data;
        std::string numer;
    };
    std::vector<Stanowisko> stanowiska;
    std::vector<Stopien> stopnie;
    std::vector<Grupa> grupy;
    std::vector<Decyzja> decyzje;
    std::vector<double> dodatkiSluzbowe;  // Wartosc of each service-allowance row

    // Seniority and pay at the processing date.
    store::ObrazPracownika obraz;
    compute::DataKal dataPrzetwarzania;
};

// Everything above for one employee; `znaleziony` false when there is no such employee.
// REQUIRES: someone is logged in.
DaneTagow CzytajDaneTagow(store::ZrodlaObliczen& zrodla, int32_t pracownik);

}  // namespace mirta::documents
