#include "cli/run.h"

#include <unistd.h>

#include <exception>
#include <iostream>

#include "cli/command_line.h"
#include "cli/invocation.h"

namespace mirta::cli {

Terminal& Terminal::Real() {
    static Terminal terminal{std::cin, std::cout, std::cerr,
                             isatty(STDIN_FILENO) == 1 && isatty(STDERR_FILENO) == 1};
    return terminal;
}

int Run(std::span<const std::string> args, std::span<const Command> commands, Terminal& terminal) {
    CommandLine line = ParseCommandLine(args, commands);
    if (line.help && line.error.empty()) {
        if (line.command)
            PrintCommandHelp(*line.command, terminal.out);
        else
            PrintGeneralHelp(commands, terminal.out);
        return kExitOk;
    }
    if (!line.command) {
        terminal.err << line.error << "\n\n";
        PrintGeneralHelp(commands, terminal.err);
        return kExitUsage;
    }
    const Command& command = *line.command;
    const std::string error = line.error;
    Invocation call(command, std::move(line), terminal);
    if (!error.empty())
        return call.UsageError(error);
    int status = kExitFailure;
    try {
        status = command.run(call);
    } catch (const UnansweredQuestion&) {
        return kExitUnanswered;  // the Dialogi said why
    } catch (const std::exception& e) {
        terminal.err << "mirta " << command.name << ": " << e.what() << std::endl;
        status = kExitFailure;
    }
    return call.Dialogi().Unanswered() ? kExitUnanswered : status;
}

}  // namespace mirta::cli
