// Questions a command meets: --tak answers them, a terminal is asked, and with neither the
// command stops with a message and its own exit status.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/invocation.h"
#include "cli/run.h"

namespace mirta::cli {
namespace {

using store::Ikona;
using store::Odpowiedz;

// Asks twice, as an operation that saves and then closes might, and prints the answers.
int Pytaj(Invocation& call) {
    auto& d = call.Dialogi();
    const Odpowiedz a = d.TakNie("Zapisać?", "Pytanie", Ikona::Pytanie, Odpowiedz::Nie);
    const Odpowiedz b =
        d.TakNieAnuluj(" Zamknąć rok ?", "Pytanie", Ikona::Pytanie, Odpowiedz::Anuluj);
    call.Term().out << static_cast<int>(a) << static_cast<int>(b) << '\n';
    return kExitOk;
}

// Swallows what the Dialogi throws, as careless code on the way might.
int PytajIPolknij(Invocation& call) {
    try {
        call.Dialogi().TakNie("Usunąć?", "", Ikona::Pytanie, Odpowiedz::Nie);
    } catch (...) {
    }
    return kExitOk;
}

const Command kTabela[] = {
    {.name = "pytaj", .summary = "pyta", .run = Pytaj},
    {.name = "polknij", .summary = "pyta", .run = PytajIPolknij},
};

struct Przebieg {
    int kod;
    std::string wyjscie, bledy;
};

Przebieg Uruchom(std::vector<std::string> args, bool terminal, const std::string& wpisane = "") {
    std::istringstream in(wpisane);
    std::ostringstream out, err;
    Terminal t{in, out, err, terminal};
    const int kod = Run(args, kTabela, t);
    return {kod, out.str(), err.str()};
}

constexpr int kTak = static_cast<int>(Odpowiedz::Tak);
constexpr int kNie = static_cast<int>(Odpowiedz::Nie);
constexpr int kAnuluj = static_cast<int>(Odpowiedz::Anuluj);

std::string Odpowiedzi(int a, int b) {
    return std::to_string(a) + std::to_string(b) + "\n";
}

TEST(Pytania, TakAnswersEveryQuestionAndSaysSo) {
    for (const auto& args :
         {std::vector<std::string>{"pytaj", "--tak"}, std::vector<std::string>{"--tak", "pytaj"}}) {
        const Przebieg p = Uruchom(args, false);
        EXPECT_EQ(p.kod, kExitOk);
        EXPECT_EQ(p.wyjscie, Odpowiedzi(kTak, kTak));
        EXPECT_EQ(p.bledy, "Zapisać? Tak (--tak)\n Zamknąć rok ? Tak (--tak)\n");
    }
}

TEST(Pytania, WithoutTerminalTheCommandRefuses) {
    const Przebieg p = Uruchom({"pytaj"}, false);
    EXPECT_EQ(p.kod, kExitUnanswered);
    EXPECT_EQ(p.wyjscie, "");  // nothing after the question
    EXPECT_EQ(p.bledy,
              "Polecenie zadaje pytanie: „Zapisać?”.\nBez terminala nie ma kto odpowiedzieć; "
              "dodaj --tak, aby odpowiedzieć „Tak”.\n");
    // Caught on its way or not, the question leaves its trace in the exit status.
    EXPECT_EQ(Uruchom({"polknij"}, false).kod, kExitUnanswered);
}

TEST(Pytania, TheTerminalIsAskedUntilItAnswers) {
    struct Przypadek {
        const char* wpisane;
        int a, b;
    } przypadki[] = {
        {"t\nn\n", kTak, kNie},
        {"TAK\nanuluj\n", kTak, kAnuluj},
        {"\n\n", kNie, kAnuluj},  // Enter takes the default
        {"może\nnie\nx\nt\n", kNie, kTak},
    };
    for (const auto& p : przypadki) {
        const Przebieg w = Uruchom({"pytaj"}, true, p.wpisane);
        EXPECT_EQ(w.kod, kExitOk) << p.wpisane;
        EXPECT_EQ(w.wyjscie, Odpowiedzi(p.a, p.b)) << p.wpisane;
    }
    const Przebieg w = Uruchom({"pytaj"}, true, "może\nn\n");
    EXPECT_EQ(w.bledy,
              "Zapisać? [t/N] Odpowiedz t (tak) albo n (nie).\nZapisać? [t/N]  Zamknąć rok ? "
              "[t/n/A] \nPytanie pozostało bez odpowiedzi.\n");
    EXPECT_EQ(w.kod, kExitUnanswered);  // the end of the input is no answer
}

}  // namespace
}  // namespace mirta::cli
