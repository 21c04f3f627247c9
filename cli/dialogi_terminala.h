#pragma once

#include <stdexcept>
#include <string>

#include "cli/command.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {

// A question the window would ask, met with nobody to answer it: no terminal and no --tak.
// The command stops after the Polish message; what() is that message.
class UnansweredQuestion : public std::runtime_error {
public:
    explicit UnansweredQuestion(const std::string& message) : std::runtime_error(message) {}
};

// Messages and questions of a command on the terminal. Messages go to the error output.
// A question takes Tak under --tak, is asked when somebody is at the terminal, and otherwise
// throws UnansweredQuestion, so that no command goes on with an answer nobody gave.
class DialogiTerminala final : public store::Dialogi {
public:
    DialogiTerminala(Terminal& terminal, bool tak) : m_terminal(terminal), m_tak(tak) {}

    void Blad(const std::string& tekst, const std::string& tytul) override;
    void Ostrzezenie(const std::string& tekst, const std::string& tytul) override;
    void Informacja(const std::string& tekst, const std::string& tytul) override;
    store::Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, store::Ikona ikona,
                            store::Odpowiedz domyslna) override;
    store::Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul,
                                  store::Ikona ikona, store::Odpowiedz domyslna) override;

    // Whether a question went unanswered, even if the exception was caught on its way.
    bool Unanswered() const { return m_unanswered; }

private:
    store::Odpowiedz Ask(const std::string& tekst, bool withCancel, store::Odpowiedz domyslna);
    // Says why the command stops, then stops it.
    [[noreturn]] void Refuse(const std::string& message);

    Terminal& m_terminal;
    bool m_tak;
    bool m_unanswered = false;
};

}  // namespace mirta::cli
