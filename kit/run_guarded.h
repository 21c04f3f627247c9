#pragma once

#include <exception>
#include <functional>
#include <string>

#include "wspolne/dialogi.h"

namespace mirta::kit {

// Shown when there is no memory left for what the user asked.
inline constexpr const char* kZbytMaleZasoby =
    "  Zbyt małe zasoby systemowe do uruchomienia tej opcji programu !!!";

// Runs `action`, which calls the core, and reports whatever it throws as an error box through
// `dialogi`, so that no exception reaches Qt. Every slot, event handler and model override
// that calls the core goes through here. A rule's refusal shows its exact message (and puts the
// cursor in the field it names); a failure
// of the table engine shows its message and writes its file, operation and detail to the
// program's log; a programming error writes its detail to the log and tells the user where
// the log is. Returns false when `action` threw (after reporting).
bool RunGuarded(store::Dialogi& dialogi, const std::function<void()>& action);

// Writes a failure the caller reports in its own words to the program's log: `context`, then
// the failure (an engine error with its file and operation).
void LogFailure(const std::string& context, const std::exception& failure);

// The message a programming error shows, naming the log that holds its detail.
std::string InternalErrorMessage();

}  // namespace mirta::kit
