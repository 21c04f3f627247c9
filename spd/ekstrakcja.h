#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "spd/pisarz_pozycji.h"
#include "spd/zrodla_spd.h"
#include "wspolne/dialogi.h"

namespace mirta::spd {

// What the extraction of one package header needs besides the personnel tables.
struct NaglowekEkstrakcji {
    std::string rodzaj;                      // the data kind letter as stored
    std::string katalogPlac;                 // directory of the payroll card files (kind "G")
    std::string nazwaKomorkiOrganizacyjnej;  // of the SPD parameters (kind "A")
};

struct KontekstEkstrakcji {
    ZrodlaSPD& zrodla;
    OdbiorcaRekordow& pisarz;
    compute::DataKal dataDanych;
    const NaglowekEkstrakcji& naglowek;
    store::Dialogi& dialogi;
    std::string katalogDanych;           // where a card file without directory is looked for
    std::function<void(double)> postep;  // share of the kind done, 0..1
};

// Fills one header: runs the extractor of its data kind. An unknown kind shows "Nieznany
// rodzaj żądanych danych:" and writes nothing; kind "G" reports its own stops and writes
// nothing then. Table errors are thrown.
void PobierzDaneRodzaju(KontekstEkstrakcji& k);

// The extractors, one per data kind.
void PobierzPracownikow(KontekstEkstrakcji& k);
void PobierzNieobecnosci(KontekstEkstrakcji& k);
void PobierzBadania(KontekstEkstrakcji& k);
void PobierzPrzebiegSluzby(KontekstEkstrakcji& k);
void PobierzPrzypisania(KontekstEkstrakcji& k);
void PobierzWyksztalcenie(KontekstEkstrakcji& k);
void PobierzKursy(KontekstEkstrakcji& k);
void PobierzWynagrodzenia(KontekstEkstrakcji& k);
void PobierzOrdery(KontekstEkstrakcji& k);
void PobierzCzasPracy(KontekstEkstrakcji& k);
void PobierzKary(KontekstEkstrakcji& k);
void PobierzUrlopyNagrodowe(KontekstEkstrakcji& k);
void PobierzWyroznienia(KontekstEkstrakcji& k);
void PobierzStruktureEtatow(KontekstEkstrakcji& k);

// Shared by the extractors.
// Runs `naPracownika` for every chosen employee, reporting the share done.
void DlaWybranych(KontekstEkstrakcji& k,
                  const std::function<void(const PracownikSPD&)>& naPracownika);
// "%02d"
std::string DwieCyfry(int x);
// "%15.2f"
std::string Kwota15(double x);
// A number as its field shows it: up to seven decimals, a decimal comma, no trailing zeros.
std::string TekstLiczby(double x);
// The text of the first character of a code, mapped through a list ("1" -> first text...).
std::string KodNaTekst(const std::string& kod, const std::vector<const char*>& teksty);
// The month before the data date: {year, month}.
std::pair<int, int> MiesiacPoprzedni(compute::DataKal d);

}  // namespace mirta::spd
