#pragma once

#include <string>

#include "cli/invocation.h"

namespace mirta::cli {

// The backup of the session's data directory into `katalogKopii`, reported as mirta kopia
// reports it; false after the message when it failed.
bool WykonajKopie(Invocation& call, Sesja& s, const std::string& katalogKopii);

}  // namespace mirta::cli
