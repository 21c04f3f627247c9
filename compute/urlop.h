#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"

namespace mirta::compute {

// A leave amount: days and, from 2006, hours.
struct DniGodziny {
    int32_t dni = 0;
    int32_t godziny = 0;

    friend bool operator==(const DniGodziny&, const DniGodziny&) = default;
    friend DniGodziny operator+(DniGodziny a, DniGodziny b) {
        return {a.dni + b.dni, a.godziny + b.godziny};
    }
};
// "26/0"
std::string TekstDniGodzin(DniGodziny x);

// Annual ("wypoczynkowy") and additional ("dodatkowy") leave side by side.
struct ParaUrlopow {
    DniGodziny wypoczynkowy;
    DniGodziny dodatkowy;

    friend bool operator==(const ParaUrlopow&, const ParaUrlopow&) = default;
    friend ParaUrlopow operator+(ParaUrlopow a, ParaUrlopow b) {
        return {a.wypoczynkowy + b.wypoczynkowy, a.dodatkowy + b.dodatkowy};
    }
};
// "Urlop wypoczynkowy: 26/0, dodatkowy: 0/0, razem: 26/0"; in running text the first letter
// is small.
std::string TekstParyUrlopow(const ParaUrlopow& p, bool wTekscie = false);

// Day counts of the leave taken of one kind.
struct StatystykaUrlopu {
    int32_t kalendarzowe = 0;
    int32_t robocze = 0;         // 'R' days
    int32_t wolneSoboty = 0;     // 'W' days
    int32_t swieta = 0;          // 'S' days
    int32_t swietaWUrlopie = 0;  // 'S' days of leave whose type says how its days count
};

// The leave balance at a date.
struct ZestawienieUrlopu {
    ParaUrlopow nalezny;
    ParaUrlopow zalegly;
    ParaUrlopow razemNalezny;
    ParaUrlopow pozostalyBiezacy;
    ParaUrlopow pozostalyZalegly;
    ParaUrlopow razemPozostaly;
    ParaUrlopow wykorzystany;
    StatystykaUrlopu wypoczynkowy;  // statistics of the annual leave taken
    StatystykaUrlopu dodatkowy;
};

// The leave-due window's text for the balance at `data` (lines parted by '\n').
std::string TekstUrlopowNaleznych(const ZestawienieUrlopu& z, DataKal data);

// Years whose leave rows get a computed amount.
inline constexpr int32_t kPierwszyRokLiczeniaDni = 1990;
// Leave years from which the year's own files hold the leave (days and hours).
inline constexpr int32_t kPierwszyRokGodzinUrlopu = 2006;
// Leave years from which civil employees' annual leave follows the labour code in force.
inline constexpr int32_t kPierwszyRokKodeksowegoUrlopuCywila = 2003;

// What an employee's leave entitlement is computed from, at one date.
struct DaneUprawnienia {
    char podzial = 0;  // '1' officer, '2' and '3' civil, others none
    OkresLMD wysluga;  // at the date
    OkresLMD sluzba;   // at the date
    bool maPoprzednieZatrudnienie = false;
    DataKal dataUrodzenia;
    char grupaSzkodliwosci = 0;  // of the last harm record; 0: none
};

// 1 for leave years up to 2005 and for an empty Etat, else Etat.
double CzynnikEtatu(int32_t rokPrzetwarzania, double etat, bool etatPusty);

// Entitlement computed from the employee's data (not hand-entered values) at `data`.
DniGodziny UrlopWypoczynkowy(const DaneUprawnienia& d, DataKal data, double czynnikEtatu);
DniGodziny UrlopDodatkowy(const DaneUprawnienia& d, DataKal data);

// Deducts a used amount from a balance with `godzinyDnia` hours a day (8 when not above 0).
// The year's entitlement may go negative; from the carry-over only what is there is taken.
// Returns what is left of the used amount.
DniGodziny OdliczUrlop(DniGodziny& saldo, DniGodziny uzyty, int32_t godzinyDnia,
                       bool zRokuBiezacego);

// How a leave type counts: 'R', 'K', 'F' or 0 for days; 'W', 'D' or 'I' for the entitlement.
struct TypUrlopu {
    char rodzajDni = 0;
    char rodzajUrlopu = 'I';
};

// Days of one calendar letter ('R', 'W', 'S') from a to b; a code of 10000 or more means no
// count and is read as 0.
using LicznikDni = std::function<int32_t(DataKal a, DataKal b, char litera)>;

// A leave row with its type and its own amount (IloscRzeczywistaDni / IloscRzeczywistaGodz).
struct PozycjaUrlopu {
    DataKal dataOd;
    DataKal dataDo;
    TypUrlopu typ;
    DniGodziny ilosc;
};

// The amount a leave row takes: the typed days or hours when either is set, else the working
// days ('R', or 'F' from 2006) or the calendar days of the row; nothing for dates outside
// 1990..kOstatniRok.
struct IloscUrlopu {
    int32_t wyliczona = 0;  // IloscWyliczona
    DniGodziny rzeczywista;
};
IloscUrlopu PoliczIloscUrlopu(DataKal od, DataKal doDnia, TypUrlopu typ, bool iloscPodana,
                              int32_t ilosc, bool godzinyPodane, int32_t godziny,
                              const LicznikDni& liczDni);

// Whether a type counts against the entitlement in the processing year.
bool LiczySieDoWypoczynkowego(TypUrlopu t, int32_t rokPrzetwarzania);
bool LiczySieDoDodatkowego(TypUrlopu t, int32_t rokPrzetwarzania);

// The balance at r for leave years from 2006: entitlement, carry-over of the year's leave-due
// row (RzDniZalegleWypocz, GodzUrlopZalegly, DniZalegleDodatkowy, GodzinyZalegleDodatkowy) and
// the leave rows of the year's file.
ZestawienieUrlopu ZestawienieOdRoku2006(ParaUrlopow nalezny, ParaUrlopow zalegly,
                                        std::span<const PozycjaUrlopu> urlopy, DataKal r,
                                        int32_t rokPrzetwarzania, double czynnikEtatu,
                                        const LicznikDni& liczDni);

// A leave-due row of the years up to 2005 (carry-over by age).
struct WierszUrlopuNaleznego {
    int32_t rok = 0;
    int32_t zaleglyPoprzedni = 0;
    int32_t zalegly2 = 0;
    int32_t zalegly3 = 0;
};

// The balance at r for leave years up to 2005 (days only). `uprawnienie` gives the annual and
// additional entitlement at a date.
ZestawienieUrlopu ZestawienieDoRoku2005(std::span<const WierszUrlopuNaleznego> nalezne,
                                        std::span<const PozycjaUrlopu> urlopy, DataKal r,
                                        int32_t rokPrzetwarzania,
                                        const std::function<ParaUrlopow(DataKal)>& uprawnienie,
                                        const LicznikDni& liczDni);

}  // namespace mirta::compute
