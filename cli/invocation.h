#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/dialogi_terminala.h"

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::cli {

// A logged-in session. The data modules go before the messages they use.
struct Sesja {
    store::Dialogi& dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;

    ~Sesja();
};

// What a command handler gets: its operands and options, the terminal, the Dialogi every
// question goes through, and the login.
class Invocation {
public:
    Invocation(const Command& command, CommandLine line, Terminal& terminal);

    const Command& Polecenie() const { return m_command; }
    const std::vector<std::string>& Operands() const { return m_line.operands; }
    bool Has(std::string_view option) const;
    // The value of an option taking one; nullptr when it was not given.
    const std::string* Value(std::string_view option) const;
    // Every value of an option, in the order given; empty when it was not given.
    std::vector<std::string> Values(std::string_view option) const;
    const OpcjeSesji& Opcje() const { return m_line.sesja; }

    Terminal& Term() { return m_terminal; }
    DialogiTerminala& Dialogi() { return m_dialogi; }

    // The same login as the start window, with the global options and the password from
    // MIRTA_HASLO or the terminal; nullptr, after the message, when it fails.
    std::unique_ptr<Sesja> Zaloguj();

    // A wrong command line: the message (if any) and the usage on the error output.
    int UsageError(std::string_view message = {});

private:
    const Command& m_command;
    CommandLine m_line;
    Terminal& m_terminal;
    DialogiTerminala m_dialogi;
};

}  // namespace mirta::cli
