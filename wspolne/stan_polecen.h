#pragma once

#include <string>

namespace mirta::store {

// What the main window enables after a change of a data module's tables; the module tells
// its observers (engine::Subscription) after every operation.
struct CommandState {
    std::string component;  // the table whose change this reports
    bool editing = false;   // a table of the module's list is in edit or insert state
    bool searchEnabled = true;
    bool chooseEmployeesEnabled = true;
    bool printsEnabled = true;
};

}  // namespace mirta::store
