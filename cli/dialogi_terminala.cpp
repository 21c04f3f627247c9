#include "cli/dialogi_terminala.h"

#include <istream>
#include <ostream>

namespace mirta::cli {

namespace {

using store::Odpowiedz;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The message boxes' texts often start with blanks; the terminal shows them as they are.
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

void DialogiTerminala::Blad(const std::string& tekst, const std::string&) {
    m_terminal.err << tekst << std::endl;
}

void DialogiTerminala::Ostrzezenie(const std::string& tekst, const std::string&) {
    m_terminal.err << tekst << std::endl;
}

void DialogiTerminala::Informacja(const std::string& tekst, const std::string&) {
    m_terminal.err << tekst << std::endl;
}

Odpowiedz DialogiTerminala::TakNie(const std::string& tekst, const std::string&, store::Ikona,
                                   Odpowiedz domyslna) {
    return Ask(tekst, false, domyslna);
}

Odpowiedz DialogiTerminala::TakNieAnuluj(const std::string& tekst, const std::string&, store::Ikona,
                                         Odpowiedz domyslna) {
    return Ask(tekst, true, domyslna);
}

void DialogiTerminala::Refuse(const std::string& message) {
    m_unanswered = true;
    m_terminal.err << message << std::endl;
    throw UnansweredQuestion(message);
}

Odpowiedz DialogiTerminala::Ask(const std::string& tekst, bool withCancel, Odpowiedz domyslna) {
    if (m_tak) {
        m_terminal.err << tekst << " Tak (--tak)" << std::endl;
        return Odpowiedz::Tak;
    }
    if (!m_terminal.interactive) {
        Refuse("Polecenie zadaje pytanie: „" + Trimmed(tekst) +
               "”.\nBez terminala nie ma kto odpowiedzieć; dodaj --tak, aby odpowiedzieć "
               "„Tak”.");
    }
    const std::string choices = withCancel ? (domyslna == Odpowiedz::Tak   ? "[T/n/a]"
                                              : domyslna == Odpowiedz::Nie ? "[t/N/a]"
                                                                           : "[t/n/A]")
                                           : (domyslna == Odpowiedz::Tak ? "[T/n]" : "[t/N]");
    for (;;) {
        m_terminal.err << tekst << ' ' << choices << ' ' << std::flush;
        std::string answer;
        if (!std::getline(m_terminal.in, answer)) {
            m_terminal.err << std::endl;
            Refuse("Pytanie pozostało bez odpowiedzi.");
        }
        answer = Lower(Trimmed(answer));
        if (answer.empty())
            return withCancel || domyslna == Odpowiedz::Tak ? domyslna : Odpowiedz::Nie;
        if (answer == "t" || answer == "tak")
            return Odpowiedz::Tak;
        if (answer == "n" || answer == "nie")
            return Odpowiedz::Nie;
        if (withCancel && (answer == "a" || answer == "anuluj"))
            return Odpowiedz::Anuluj;
        m_terminal.err << (withCancel ? "Odpowiedz t (tak), n (nie) albo a (anuluj)."
                                      : "Odpowiedz t (tak) albo n (nie).")
                       << std::endl;
    }
}

}  // namespace mirta::cli
