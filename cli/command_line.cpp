#include "cli/command_line.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "cli/values.h"

namespace mirta::cli {

namespace {

// The options every command takes.
const Option kGlobalOptions[] = {
    {"--dane", "KATALOG", "katalog danych (domyślnie bieżący)"},
    {"--uzytkownik", "NAZWA", "użytkownik, który się loguje; hasło z MIRTA_HASLO albo z terminala"},
    {"--data", "RRRR-MM-DD", "data przetwarzania (domyślnie dzisiejsza)"},
    {"--tak", "", "odpowiada „Tak” na każde pytanie, które zadałoby okno"},
    {"--pomoc", "", "opis polecenia (także --help, -h)"},
};
const Option kEndOfOptions[] = {
    {"--", "", "kończy opcje: dalsze słowa są argumentami, także gdy zaczynają się od „-”"},
};

bool IsHelpOption(std::string_view arg) {
    return arg == "--pomoc" || arg == "--help" || arg == "-h";
}

// "-5", "-" and "-,5" are operands: negative numbers need no "--" before them.
bool LooksLikeOption(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-')
        return false;
    return arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1]));
}

const Option* FindOption(std::span<const Option> options, std::string_view name) {
    const auto it = std::find_if(options.begin(), options.end(),
                                 [&](const Option& o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
}

const Command* FindCommand(std::span<const Command> commands, std::string_view name) {
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const Command& c) { return c.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

// Stores a global option's value; false, with the message, when it is not one.
bool SetGlobal(OpcjeSesji& sesja, std::string_view name, const std::string& value,
               std::string& error) {
    if (name == "--dane") {
        sesja.dane = value;
    } else if (name == "--uzytkownik") {
        sesja.uzytkownik = value;
    } else {
        const auto data = ParseDate(value);
        if (!data) {
            error = "Niepoprawna data: " + value + " (RRRR-MM-DD)";
            return false;
        }
        sesja.data = engine::CivilDate{data->rok, data->miesiac, data->dzien};
    }
    return true;
}

void PrintOptions(std::span<const Option> options, std::ostream& out) {
    for (const auto& o : options) {
        std::string left = o.name + (o.value.empty() ? "" : " " + o.value);
        left.resize(std::max<size_t>(left.size() + 2, 24), ' ');
        out << "  " << left << o.help << '\n';
    }
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string> args, std::span<const Command> commands) {
    CommandLine line;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !LooksLikeOption(arg)) {
            if (line.command) {
                line.operands.push_back(arg);
            } else if (arg == "pomoc" && !line.help) {
                line.help = true;
            } else if (!(line.command = FindCommand(commands, arg))) {
                if (i + 1 < args.size())
                    line.command = FindCommand(commands, arg + " " + args[i + 1]);
                if (!line.command) {
                    line.error = "Nieznane polecenie: " + arg;
                    return line;
                }
                ++i;
            }
            continue;
        }
        if (IsHelpOption(arg)) {
            line.help = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        // After its name, a command's own option wins over a global one of the same name
        // (mirta dziennik --uzytkownik filters by the user; the login's comes before).
        const Option* option = line.command ? FindOption(line.command->options, name) : nullptr;
        const bool global = !option && FindOption(kGlobalOptions, name);
        if (!option)
            option = FindOption(kGlobalOptions, name);
        if (!option) {
            line.error = line.command ? "Polecenie " + line.command->name + " nie zna opcji " + name
                                      : "Nieznana opcja: " + name;
            return line;
        }
        std::string value;
        if (option->value.empty()) {
            if (equals != std::string::npos) {
                line.error = "Opcja " + name + " nie przyjmuje wartości";
                return line;
            }
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            line.error = "Opcja " + name + " wymaga wartości " + option->value;
            return line;
        }
        if (name == "--tak")
            line.sesja.tak = true;
        else if (global && !SetGlobal(line.sesja, name, value, line.error))
            return line;
        else if (!global) {
            line.options[name] = value;
            line.repeated[name].push_back(value);
        }
    }
    if (line.help)
        return line;
    if (!line.command) {
        line.error = "Podaj polecenie.";
    } else if (line.operands.size() < line.command->minOperands) {
        line.error = "Za mało argumentów polecenia " + line.command->name;
    } else if (line.operands.size() > line.command->maxOperands) {
        line.error = "Za dużo argumentów polecenia " + line.command->name + ": " +
                     line.operands[line.command->maxOperands];
    }
    return line;
}

std::string UsageLine(const Command& command) {
    std::string usage = "mirta " + command.name;
    if (!command.operands.empty())
        usage += " " + command.operands;
    for (const auto& o : command.options)
        usage += " [" + o.name + (o.value.empty() ? "" : " " + o.value) + "]";
    return usage;
}

void PrintGeneralHelp(std::span<const Command> commands, std::ostream& out) {
    out << "mirta - kadry jednostki, polecenia wsadowe\n\nUżycie:\n";
    for (const auto& c : commands)
        out << "  " << UsageLine(c) << "\n      " << c.summary << (c.logsIn ? " *" : "") << '\n';
    out << "\n* polecenie na katalogu danych, po zalogowaniu:\n"
           "  mirta [--dane KATALOG] --uzytkownik NAZWA [--data RRRR-MM-DD] POLECENIE ...\n"
           "  hasło ze zmiennej MIRTA_HASLO albo wpisane na terminalu\n";
    out << "\nOpcje wspólne (przed nazwą polecenia albo po niej):\n";
    PrintOptions(kGlobalOptions, out);
    PrintOptions(kEndOfOptions, out);
    out << "\nmirta POLECENIE --pomoc opisuje polecenie.\n"
           "Wyniki idą na standardowe wyjście, komunikaty na wyjście błędów. Kody wyjścia: 0 "
           "powodzenie,\n1 błąd, 2 niepoprawne wywołanie, 3 pytanie bez odpowiedzi (bez "
           "terminala i bez --tak).\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
    out << "Użycie: " << UsageLine(command) << "\n  " << command.summary << '\n';
    if (!command.options.empty()) {
        out << "\nOpcje:\n";
        PrintOptions(command.options, out);
    }
    if (!command.help.empty())
        out << '\n' << command.help << (command.help.back() == '\n' ? "" : "\n");
    if (command.logsIn)
        out << "\nPolecenie loguje się jak okno startowe:\n  mirta [--dane KATALOG] --uzytkownik "
               "NAZWA [--data RRRR-MM-DD] "
            << command.name
            << " ...\nHasło ze zmiennej MIRTA_HASLO albo wpisane na terminalu; bez terminala i "
               "bez\nMIRTA_HASLO polecenie odmawia.\n";
    out << "\nOpcje wspólne: mirta --pomoc.\n";
}

}  // namespace mirta::cli
