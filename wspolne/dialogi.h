#pragma once

#include <string>

namespace mirta::store {

enum class Ikona { Brak, Blad, Ostrzezenie, Informacja, Pytanie };
enum class Odpowiedz { Ok, Tak, Nie, Anuluj };

// Messages and questions for the user. The shell shows message boxes; tests script the answers.
// Core code calls it only at the end of a user operation, never from a fetch or a paint.
class Dialogi {
public:
    virtual ~Dialogi() = default;

    // Stop icon, OK.
    virtual void Blad(const std::string& tekst, const std::string& tytul) = 0;
    virtual void Ostrzezenie(const std::string& tekst, const std::string& tytul) = 0;
    virtual void Informacja(const std::string& tekst, const std::string& tytul) = 0;
    // No icon, OK. Where no icon can be shown it is an information.
    virtual void Komunikat(const std::string& tekst, const std::string& tytul) {
        Informacja(tekst, tytul);
    }
    // Answers Tak or Nie.
    virtual Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, Ikona ikona,
                             Odpowiedz domyslna) = 0;
    // Answers Tak, Nie or Anuluj.
    virtual Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul, Ikona ikona,
                                   Odpowiedz domyslna) = 0;
};

// The caption of error boxes raised by record rules and the login.
inline constexpr const char* kTytulBledu = "Błąd";

}  // namespace mirta::store
