#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mirta::store {

class Dialogi;
class TDM;
class TDM1;
class ZrodlaObliczen;

inline constexpr const char* kTytulZamknieciaRoku = "Zamknięcie roku do urlopów.";

// The year whose leave-due file marks the processing year closed: the next one, and 2006 for
// every year kept in the base files.
int RokDocelowyZamkniecia(int rokPrzetwarzania);

// The processing year was closed by an older version without its new leave-taken file.
bool ZamkniecieNiepelne(const TDM1& tdm1, int rokPrzetwarzania);

// One row of the new year's leave-due file.
struct WierszZamkniecia {
    int32_t pracownik = 0;
    int32_t urlopNalezny = 0;  // at 1 January of the new year, computed
    int32_t urlopDodatkowy = 0;
    int32_t zaleglyDni = 0;  // annual leave left at 31 December, carried over
    int32_t zaleglyGodziny = 0;
    int32_t zaleglyDodatkowyDni = 0;
    int32_t zaleglyDodatkowyGodziny = 0;
    bool etatPusty = true;
    double etat = 0;
    std::string systemSluzby;
};

// The rows for every employee (dismissed ones too), in the order of the employee file;
// nothing is written. Messages raised go to the sources.
std::vector<WierszZamkniecia> WierszeZamkniecia(ZrodlaObliczen& zrodla, int rokPrzetwarzania);
// "123: urlop należny 26, dodatkowy 0, zaległy 3/4, zaległy dodatkowy 0/0, etat 1, system S"
std::string TekstWierszaZamkniecia(const WierszZamkniecia& w);

// What the closing carried over into `rokDocelowy`: employees and the days of leave left
// (annual and additional); employees who took more than was due are counted apart.
std::string PodsumowanieZamkniecia(const std::vector<WierszZamkniecia>& wiersze, int rokDocelowy);

enum class WynikZamkniecia {
    Zamknieto,   // both files of the new year are in place; the program must start again
    Naprawiono,  // a half-closed year got its missing leave-taken file
    Przerwano,   // refused, answered no or failed; the messages were shown
};

// The closing of the processing year for the administrator: checks, the question, both new
// files built under temporary names and moved into place only when complete (the leave-taken
// file first, the leave-due file, which marks the year closed, last). On failure nothing of
// the new year is left and the error is shown. A year closed by an older version without its
// leave-taken file is repaired after a question.
// `kopia`, when given, is offered once the closing is agreed: it makes a backup of the data
// directory and tells whether it succeeded (after its own messages); a failed or cancelled
// backup stops the closing.
WynikZamkniecia ZamknijRokUrlopowy(TDM& tdm, TDM1& tdm1, Dialogi& dialogi,
                                   const std::function<bool()>& kopia = {});

}  // namespace mirta::store
