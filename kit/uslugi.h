#pragma once

#include "wspolne/dialogi.h"

// The data modules are only passed on here: the kit never reads them.
namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::kit {

class AutomaticEdit;

// What a window of the program is handed instead of four arguments: the two data modules, the
// dialogs and the window-wide automatic-edit option. All of them outlive the window.
struct Uslugi {
    store::TDM& tdm;
    store::TDM1& tdm1;
    store::Dialogi& dialogi;
    AutomaticEdit& edycja;
};

}  // namespace mirta::kit
