#pragma once

#include <span>
#include <string>

#include "cli/command.h"

namespace mirta::cli {

// The command table, in the order of the help.
std::span<const Command> Commands();

// Runs a command line against `commands` on `terminal`: the help, a usage error (2), or the
// command's own status; an exception out of a command is its failure (1), a question nobody
// could answer is 3.
int Run(std::span<const std::string> args, std::span<const Command> commands, Terminal& terminal);
inline int Run(std::span<const std::string> args) {
    return Run(args, Commands(), Terminal::Real());
}

}  // namespace mirta::cli
