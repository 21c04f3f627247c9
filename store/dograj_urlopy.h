#pragma once

#include <optional>

namespace mirta::store {

class Dialogi;
class TDM1;

// Counts of the import of the 2006 leave rows.
struct WynikDograniaUrlopow {
    int dopisane = 0;
    int powtorzone = 0;
    int bledne = 0;
};

// Copies the leave rows of 2006 kept by an earlier version in the base leave file into the
// 2006 year file, through the leave table and its rules (a refused row is counted, not
// shown), then shows the counts. Only with a processing date in 2006; otherwise nothing
// happens (nullopt). A user without the right to change data, or a leave row being edited,
// stops it with a message (nullopt).
std::optional<WynikDograniaUrlopow> DograjUrlopy(TDM1& tdm1, Dialogi& dialogi);

}  // namespace mirta::store
