#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"

namespace mirta::cli {

// A command line taken apart. A command may be named by two words ("spd generuj"). Options may
// stand before or after the command's name and among its operands; "--" ends them, so that what
// follows ("-5", "--x") is an operand.
struct CommandLine {
    const Command* command = nullptr;  // none: the general help or an error
    OpcjeSesji sesja;
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;  // a flag maps to ""
    // Every value of an option given more than once, in order (options keeps the last).
    std::map<std::string, std::vector<std::string>, std::less<>> repeated;
    bool help = false;  // "--pomoc", "--help", "-h" or the word "pomoc" before a command
    std::string error;  // a Polish message when the line is wrong
};

CommandLine ParseCommandLine(std::span<const std::string> args, std::span<const Command> commands);

// "mirta NAME OPERANDS [--option VALUE] ..."
std::string UsageLine(const Command& command);
void PrintGeneralHelp(std::span<const Command> commands, std::ostream& out);
void PrintCommandHelp(const Command& command, std::ostream& out);

}  // namespace mirta::cli
