// mirta placowe: the payroll export of the main window, for the employees of the list under
// the filter given.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/opcje_filtru.h"
#include "payroll/przegrywanie.h"
#include "store/engine/file_system.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {

namespace {

// Messages on stderr; the window's question answered by --tak or by the user at the terminal.
class DialogiPlacowe final : public store::Dialogi {
public:
    explicit DialogiPlacowe(bool tak) : m_tak(tak) {}

    void Blad(const std::string& tekst, const std::string&) override { Wypisz(tekst); }
    void Ostrzezenie(const std::string& tekst, const std::string&) override { Wypisz(tekst); }
    void Informacja(const std::string& tekst, const std::string&) override { Wypisz(tekst); }
    store::Odpowiedz TakNie(const std::string& tekst, const std::string&, store::Ikona,
                            store::Odpowiedz) override {
        if (m_tak)
            return store::Odpowiedz::Tak;
        std::fprintf(stderr, "%s [t/n] ", tekst.c_str());
        std::string odpowiedz;
        std::getline(std::cin, odpowiedz);
        return odpowiedz == "t" || odpowiedz == "T" || odpowiedz == "tak" || odpowiedz == "Tak"
                   ? store::Odpowiedz::Tak
                   : store::Odpowiedz::Nie;
    }
    store::Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul,
                                  store::Ikona ikona, store::Odpowiedz domyslna) override {
        return TakNie(tekst, tytul, ikona, domyslna);
    }

private:
    static void Wypisz(const std::string& tekst) { std::fprintf(stderr, "%s\n", tekst.c_str()); }
    bool m_tak;
};

}  // namespace

int RunPlacowe(const Args& args) {
    payroll::OpcjePrzegrywania opcje;
    store::FiltrPracownikow filtr;
    bool tak = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool wartosc = i + 1 < args.size();
        if (a == "--") {
            if (i + 1 != args.size())
                return UsageError("placowe");  // the command takes no other arguments
            break;
        }
        if (a == "--tak")
            tak = true;
        else if (a == "--litery" && wartosc &&
                 (args[i + 1] == "mazowia" || args[i + 1] == "latin2"))
            opcje.litery = args[++i] == "mazowia" ? payroll::StandardLiter::Mazowia
                                                  : payroll::StandardLiter::Latin2;
        else if (a == "--numer" && wartosc &&
                 (args[i + 1] == "identyfikator" || args[i + 1] == "kadry"))
            opcje.numer = args[++i] == "identyfikator" ? payroll::ZrodloNumeru::Identyfikator
                                                       : payroll::ZrodloNumeru::NumerPracownika;
        else if (!CzytajOpcjeFiltru(args, i, filtr))
            return UsageError("placowe");
    }
    if (!tak && !isatty(STDIN_FILENO)) {
        std::fprintf(stderr,
                     "Przegrywanie danych do płac wymaga potwierdzenia: podaj --tak albo uruchom "
                     "polecenie w terminalu.\n");
        return 2;
    }
    if (auto brak = payroll::BrakujacyPlikPlacowy(engine::FileSystem::Real(), Opcje().dane)) {
        std::fprintf(stderr, "%s\n", brak->c_str());
        return 1;
    }
    auto s = Zaloguj();
    if (!s)
        return 1;
    s->tdm->Filtr() = filtr;
    s->tdm->OdswiezListePracownikow();

    DialogiPlacowe dialogi(tak);
    const payroll::WynikPrzegrania w = payroll::PrzegrajDanePlacowe(
        engine::FileSystem::Real(), Opcje().dane, *s->tdm->TPracownicy, opcje, dialogi);
    using Stan = payroll::WynikPrzegrania::Stan;
    if (w.stan == Stan::Przegrano || w.stan == Stan::Przerwano)
        std::printf("Dopisano wierszy: %lld do %s i %lld do %s\n",
                    static_cast<long long>(w.przegranych), std::string(payroll::kPlikMirta).c_str(),
                    static_cast<long long>(w.przegranych),
                    std::string(payroll::kPlikPracList).c_str());
    if (w.stan == Stan::Rezygnacja)
        std::fprintf(stderr, "Nic nie przegrano.\n");
    return w.stan == Stan::Przegrano ? 0 : 1;
}

}  // namespace mirta::cli
