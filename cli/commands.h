#pragma once

#include <memory>
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

}  // namespace mirta::cli

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::cli {

// A logged-in session: messages go to the terminal. Destroyed modules first.
struct Sesja {
    std::unique_ptr<store::Dialogi> dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
};
// The same login as the start window, with the global options and the password from
// MIRTA_HASLO (or the terminal); nullptr, after the message, when it fails.
std::unique_ptr<Sesja> Zaloguj();

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
int RunKalendarz(const Args& args);
int RunDni(const Args& args);
int RunStaz(const Args& args);
int RunUrlop(const Args& args);
int RunWynagrodzenie(const Args& args);
int RunZamknijRok(const Args& args);

}  // namespace mirta::cli
