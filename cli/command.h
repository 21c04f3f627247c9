#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/value.h"

namespace mirta::cli {

class Invocation;

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;       // a wrong command line
inline constexpr int kExitUnanswered = 3;  // a question nobody could answer

// An option of one command: a flag when `value` is empty, else it takes a value, given as
// "--name VALUE" or "--name=VALUE".
struct Option {
    std::string name = {};   // with its dashes: "--kodowanie"
    std::string value = {};  // placeholder shown in the help: "NAZWA"
    std::string help = {};   // one Polish line
};

// One row of the command table: everything the help shows, and the handler.
struct Command {
    std::string name = {};
    std::string operands = {};  // as the usage line shows them: "OD DO LITERA"
    std::string summary = {};   // one Polish line for the list of commands
    std::vector<Option> options = {};
    size_t minOperands = 0;
    size_t maxOperands = 0;
    bool logsIn = false;    // runs on a data directory after the login of the global options
    std::string help = {};  // further Polish text for "mirta NAME --pomoc"
    int (*run)(Invocation&) = nullptr;
};

// Options of every command, given before or after its name.
struct OpcjeSesji {
    std::string dane = ".";
    std::string uzytkownik;
    std::optional<engine::CivilDate> data;
    bool tak = false;  // answers Tak to every question the window would ask
};

// The terminal a command talks to; tests give streams of their own.
struct Terminal {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool interactive;  // somebody can answer questions and type a password

    static Terminal& Real();
};

}  // namespace mirta::cli
