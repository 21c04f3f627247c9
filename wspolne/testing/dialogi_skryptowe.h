#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "wspolne/dialogi.h"

namespace mirta::store::testing {

// Records every message and answers questions from a queue; a question with an empty queue
// is a test fault.
class DialogiSkryptowe final : public Dialogi {
public:
    enum class Rodzaj { Blad, Ostrzezenie, Informacja, Komunikat, TakNie, TakNieAnuluj };
    struct Komunikat {
        Rodzaj rodzaj;
        std::string tekst;
        std::string tytul;
        Ikona ikona = Ikona::Brak;
        Odpowiedz domyslna = Odpowiedz::Ok;
    };

    std::vector<Komunikat> komunikaty;
    std::deque<Odpowiedz> odpowiedzi;

    void Blad(const std::string& tekst, const std::string& tytul) override {
        komunikaty.push_back({Rodzaj::Blad, tekst, tytul, Ikona::Blad});
    }
    void Ostrzezenie(const std::string& tekst, const std::string& tytul) override {
        komunikaty.push_back({Rodzaj::Ostrzezenie, tekst, tytul, Ikona::Ostrzezenie});
    }
    void Informacja(const std::string& tekst, const std::string& tytul) override {
        komunikaty.push_back({Rodzaj::Informacja, tekst, tytul, Ikona::Informacja});
    }
    void Komunikat(const std::string& tekst, const std::string& tytul) override {
        komunikaty.push_back({Rodzaj::Komunikat, tekst, tytul, Ikona::Brak});
    }
    Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, Ikona ikona,
                     Odpowiedz domyslna) override {
        komunikaty.push_back({Rodzaj::TakNie, tekst, tytul, ikona, domyslna});
        return Nastepna();
    }
    Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul, Ikona ikona,
                           Odpowiedz domyslna) override {
        komunikaty.push_back({Rodzaj::TakNieAnuluj, tekst, tytul, ikona, domyslna});
        return Nastepna();
    }

    // Texts of the messages so far, in order.
    std::vector<std::string> Teksty() const {
        std::vector<std::string> t;
        for (const auto& k : komunikaty)
            t.push_back(k.tekst);
        return t;
    }

private:
    Odpowiedz Nastepna() {
        if (odpowiedzi.empty())
            throw std::logic_error("DialogiSkryptowe: pytanie bez przygotowanej odpowiedzi");
        Odpowiedz o = odpowiedzi.front();
        odpowiedzi.pop_front();
        return o;
    }
};

}  // namespace mirta::store::testing
