#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/engine/value.h"

namespace mirta::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;  // one line, Polish
    int (*run)(const Args& args);
};

// Runs the command named by args[0]; prints help for none, "--help" or an unknown name.
int Run(const Args& args);

// Exit code for a wrong command line, after printing the command's usage.
int UsageError(const char* commandName);

// Global options of the commands that log in (given before the command name).
struct OpcjeSesji {
    std::string dane = ".";
    std::string uzytkownik;
    std::optional<engine::CivilDate> data;
};
const OpcjeSesji& Opcje();

// Command handlers, one file per group.
int RunDump(const Args& args);
int RunSlownie(const Args& args);
int RunZaokraglij(const Args& args);
int RunOkres(const Args& args);
int RunWyrazenie(const Args& args);
int RunDataSlownie(const Args& args);
int RunNowaBaza(const Args& args);
int RunDemo(const Args& args);
int RunZaloguj(const Args& args);
int RunPracownicy(const Args& args);

}  // namespace mirta::cli
