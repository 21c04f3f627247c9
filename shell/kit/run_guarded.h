#pragma once

#include <functional>

#include "store/dialogi.h"

namespace mirta::kit {

// Runs `action`, which calls the core, and reports whatever it throws as an error box through
// `dialogi`, so that no exception reaches Qt. A rule's refusal shows its exact message. Every
// slot, event handler and model override that calls the core goes through here.
// Returns false when `action` threw (after reporting).
bool RunGuarded(store::Dialogi& dialogi, const std::function<void()>& action);

}  // namespace mirta::kit
