// Taking a command line apart, on a table of its own.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mirta::cli {
namespace {

int Nic(Invocation&) {
    return kExitOk;
}

const Command kTabela[] = {
    {.name = "licz",
     .operands = "A [B]",
     .summary = "liczy",
     .options = {{"--znak", "Z", "znak"}, {"--cicho", "", "bez komunikatów"}},
     .minOperands = 1,
     .maxOperands = 2,
     .run = Nic},
    {.name = "sesja", .summary = "loguje", .logsIn = true, .run = Nic},
};

CommandLine Parsuj(std::vector<std::string> args) {
    return ParseCommandLine(args, kTabela);
}

TEST(CommandLine, OptionsStandAnywhereUntilTheDoubleDash) {
    struct Przypadek {
        std::vector<std::string> args;
        std::vector<std::string> operandy;
        bool cicho;
        std::string znak;
    } przypadki[] = {
        {{"licz", "5"}, {"5"}, false, ""},
        {{"licz", "--cicho", "5", "--znak", "x"}, {"5"}, true, "x"},
        {{"licz", "5", "--znak=-y", "6"}, {"5", "6"}, false, "-y"},
        {{"licz", "--znak", "--cicho", "5"}, {"5"}, false, "--cicho"},  // a value is taken whole
        {{"licz", "--", "-5"}, {"-5"}, false, ""},
        {{"licz", "--", "--cicho", "--"}, {"--cicho", "--"}, false, ""},
        {{"--", "licz", "5"}, {"5"}, false, ""},
        {{"licz", "-5", "-"}, {"-5", "-"}, false, ""},  // negative numbers need no "--"
        {{"licz", "-0,5"}, {"-0,5"}, false, ""},
    };
    for (const auto& p : przypadki) {
        const CommandLine l = Parsuj(p.args);
        const std::string opis = ::testing::PrintToString(p.args);
        ASSERT_EQ(l.error, "") << opis;
        ASSERT_NE(l.command, nullptr) << opis;
        EXPECT_EQ(l.command->name, "licz");
        EXPECT_EQ(l.operands, p.operandy) << opis;
        EXPECT_EQ(l.options.count("--cicho") == 1, p.cicho) << opis;
        EXPECT_EQ(l.options.count("--znak") ? l.options.at("--znak") : "", p.znak) << opis;
    }
}

TEST(CommandLine, GlobalOptionsBeforeOrAfterTheCommand) {
    for (const auto& args : {std::vector<std::string>{"--dane", "/d", "--uzytkownik", "KADRY",
                                                      "--data", "2026-12-10", "--tak", "sesja"},
                             std::vector<std::string>{"sesja", "--tak", "--data=2026-12-10",
                                                      "--dane=/d", "--uzytkownik", "KADRY"}}) {
        const CommandLine l = Parsuj(args);
        ASSERT_EQ(l.error, "");
        EXPECT_EQ(l.sesja.dane, "/d");
        EXPECT_EQ(l.sesja.uzytkownik, "KADRY");
        ASSERT_TRUE(l.sesja.data.has_value());
        EXPECT_EQ(*l.sesja.data, (engine::CivilDate{2026, 12, 10}));
        EXPECT_TRUE(l.sesja.tak);
    }
    EXPECT_FALSE(Parsuj({"sesja"}).sesja.tak);
    EXPECT_EQ(Parsuj({"sesja"}).sesja.dane, ".");
}

TEST(CommandLine, WrongLinesSayWhatIsWrong) {
    struct Przypadek {
        std::vector<std::string> args;
        std::string blad;
    } przypadki[] = {
        {{}, "Podaj polecenie."},
        {{"policz"}, "Nieznane polecenie: policz"},
        {{"licz"}, "Za mało argumentów polecenia licz"},
        {{"licz", "1", "2", "3"}, "Za dużo argumentów polecenia licz: 3"},
        {{"licz", "1", "--glosno"}, "Polecenie licz nie zna opcji --glosno"},
        {{"--znak", "x", "licz", "1"}, "Nieznana opcja: --znak"},
        {{"licz", "1", "--znak"}, "Opcja --znak wymaga wartości Z"},
        {{"licz", "1", "--cicho=tak"}, "Opcja --cicho nie przyjmuje wartości"},
        {{"sesja", "--data", "2026-02-30"}, "Niepoprawna data: 2026-02-30 (RRRR-MM-DD)"},
        {{"sesja", "--data", "jutro"}, "Niepoprawna data: jutro (RRRR-MM-DD)"},
        {{"sesja", "--", "--tak"}, "Za dużo argumentów polecenia sesja: --tak"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Parsuj(p.args).error, p.blad) << ::testing::PrintToString(p.args);
}

TEST(CommandLine, HelpForEveryCommandAndForAll) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--pomoc"}, {"pomoc"}, {"-h"}, {"--help"}}) {
        const CommandLine l = Parsuj(args);
        EXPECT_TRUE(l.help);
        EXPECT_EQ(l.command, nullptr);
        EXPECT_EQ(l.error, "");
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"licz", "--pomoc"}, {"pomoc", "licz"}, {"--pomoc", "licz"}}) {
        const CommandLine l = Parsuj(args);
        EXPECT_TRUE(l.help);
        ASSERT_NE(l.command, nullptr);
        EXPECT_EQ(l.command->name, "licz");
        EXPECT_EQ(l.error, "");  // the missing operand does not matter for the help
    }
    std::ostringstream pomoc;
    PrintCommandHelp(kTabela[0], pomoc);
    EXPECT_EQ(pomoc.str().rfind("Użycie: mirta licz A [B] [--znak Z] [--cicho]\n  liczy\n", 0), 0u)
        << pomoc.str();
    EXPECT_EQ(UsageLine(kTabela[1]), "mirta sesja");
}

}  // namespace
}  // namespace mirta::cli
