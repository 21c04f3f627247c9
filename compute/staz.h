#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"

namespace mirta::compute {

enum class RodzajStazu {
    Wysluga,              // for the seniority raise
    Sluzba,               // length of service
    NagrodaJubileuszowa,  // jubilee award
    Emerytura,            // retirement
};

// A record of employment in this unit.
struct RekordZatrudnienia {
    DataKal dataOd;
    DataKal dataDo;  // empty while it lasts
    int32_t identyfikatorFormyZatrudn = 0;
};

// A record of previous employment with the kinds of seniority it counts for.
struct RekordPoprzedniegoZatrudnienia {
    DataKal dataOd;
    DataKal dataDo;
    bool doWyslugi = false;
    bool wSluzbie = false;
    bool doNagrodyJubileuszowej = false;
    bool doEmerytury = false;
};

struct RekordUrlopu {
    DataKal dataOd;
    DataKal dataDo;
    int32_t rodzajUrlopu = 0;
};

// The leave type that is unpaid leave, whatever its name.
inline constexpr int32_t kRodzajUrlopuBezplatnego = 9;
// Employment forms below this one are service.
inline constexpr int32_t kPierwszaFormaPozaSluzba = 3;

// What seniority is computed from: the override dates of the master record and the
// employee's records, each list in its table's index order (start date first).
struct DaneStazu {
    DataKal dataDoWyslugi;
    DataKal dataDoSluzby;
    DataKal dataDoNagrodyJubileuszowe;
    DataKal dataDoEmerytury;
    std::vector<RekordZatrudnienia> zatrudnienie;
    std::vector<RekordPoprzedniegoZatrudnienia> poprzednieZatrudnienie;
    std::vector<RekordUrlopu> urlopy;
};

// What the computations below did with each record, written down as they go when asked (the
// derivation a clerk can check); the sums are the computation's own.
enum class LosRekordu {
    Liczony,
    PoDacie,        // starts after the date counted to
    PozaSluzba,     // an employment form that is not service, for Sluzba
    NieDopuszczony  // previous employment not admitted for the kind
};
struct RekordWSladzie {
    DataKal dataOd;
    DataKal dataDo;
    LosRekordu los = LosRekordu::Liczony;
};
// A period of records joined, its end cut at the date counted to (an open one ends there).
struct OkresWSladzie {
    DataKal od;
    DataKal doDnia;
    OkresLMD dlugosc;
};
struct SladScalania {
    std::vector<RekordWSladzie> rekordy;  // as entered, in the order given
    std::vector<OkresWSladzie> okresy;    // as summed
};
// Each unpaid leave counted, by its position in the list given, with the days deducted.
struct UrlopWSladzie {
    size_t indeks = 0;
    DataKal od;
    DataKal doDnia;
    OkresLMD dlugosc;
};

// Employment up to r with contiguous records joined; overlapping records count in full.
OkresLMD ScaloneZatrudnienie(std::span<const RekordZatrudnienia> rekordy, RodzajStazu rodzaj,
                             DataKal r, SladScalania* slad = nullptr);
// Without a kind every record counts.
OkresLMD ScalonePoprzednieZatrudnienie(std::span<const RekordPoprzedniegoZatrudnienia> rekordy,
                                       std::optional<RodzajStazu> rodzaj, DataKal r,
                                       SladScalania* slad = nullptr);
// Unpaid leave taken up to r.
OkresLMD UrlopBezplatny(std::span<const RekordUrlopu> urlopy, DataKal r,
                        std::vector<UrlopWSladzie>* slad = nullptr);

struct SkladnikiStazu {
    OkresLMD zatrudnienie;    // in this unit
    OkresLMD poprzednie;      // previous employment admitted for the kind
    OkresLMD urlopBezplatny;  // deducted
};
struct SladSkladnikow {
    SladScalania zatrudnienie;
    SladScalania poprzednie;
    std::vector<UrlopWSladzie> urlopy;
};
SkladnikiStazu Skladniki(const DaneStazu& dane, RodzajStazu rodzaj, DataKal r,
                         SladSkladnikow* slad = nullptr);

// Seniority of a kind at r: from the override date when one is set, else employment plus
// admitted previous employment less unpaid leave.
OkresLMD Staz(const DaneStazu& dane, RodzajStazu rodzaj, DataKal r);

// Seniority-raise percentage from whole years of Wysluga.
int ProcentWyslugiCywila(int32_t lata);
double ProcentWyslugiFunkcjonariusza(int32_t lata);

// The day on which a seniority of p at 31 December of rok next completes a full year,
// plus one (the first day of the changed raise), and the full years it then counts.
struct WzrostStazu {
    DataKal data;
    int32_t lata = 0;
};
WzrostStazu NastepnyWzrost(OkresLMD p, int32_t rok);

// The date of the next increase of Wysluga for the year rok.
DataKal DataNastepnegoWzrostu(const DaneStazu& dane, int32_t rok);
// The date from which the whole years of a kind's seniority are counted, for the year rok.
DataKal DataBazowaStazu(const DaneStazu& dane, RodzajStazu rodzaj, int32_t rok);

}  // namespace mirta::compute
