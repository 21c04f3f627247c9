#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "store/blad_danych.h"
#include "store/engine/file_system.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {
namespace {

// Messages go to the terminal; questions are not asked by the commands here.
class DialogiTerminala final : public store::Dialogi {
public:
    void Blad(const std::string& tekst, const std::string&) override {
        std::fprintf(stderr, "%s\n", tekst.c_str());
    }
    void Ostrzezenie(const std::string& tekst, const std::string&) override {
        std::fprintf(stderr, "%s\n", tekst.c_str());
    }
    void Informacja(const std::string& tekst, const std::string&) override {
        std::printf("%s\n", tekst.c_str());
    }
    store::Odpowiedz TakNie(const std::string& tekst, const std::string&, store::Ikona,
                            store::Odpowiedz domyslna) override {
        std::fprintf(stderr, "%s\n", tekst.c_str());
        return domyslna;
    }
    store::Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string&, store::Ikona,
                                  store::Odpowiedz domyslna) override {
        std::fprintf(stderr, "%s\n", tekst.c_str());
        return domyslna;
    }
};

engine::CivilDate Dzis() {
    auto d = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return {int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))};
}

// Read from the terminal with echo off; the password never appears on the command line.
std::string CzytajBezEcha(const char* zacheta) {
    std::fprintf(stderr, "%s", zacheta);
    termios stary{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &stary) == 0;
    if (terminal) {
        termios nowy = stary;
        nowy.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &nowy);
    }
    std::string tekst;
    std::getline(std::cin, tekst);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &stary);
        std::fprintf(stderr, "\n");
    }
    return tekst;
}

}  // namespace

std::unique_ptr<Sesja> Zaloguj() {
    const OpcjeSesji& o = Opcje();
    if (o.uzytkownik.empty()) {
        std::fprintf(stderr, "Podaj użytkownika: --uzytkownik NAZWA\n");
        return nullptr;
    }
    auto s = std::make_unique<Sesja>();
    s->dialogi = std::make_unique<DialogiTerminala>();
    s->tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), o.dane, *s->dialogi, Dzis());
    s->tdm1 = std::make_unique<store::TDM1>(*s->tdm);
    store::DaneStartowe dane;
    dane.data = o.data.value_or(Dzis());
    dane.nazwa = o.uzytkownik;
    if (const char* h = std::getenv("MIRTA_HASLO"))
        dane.haslo = h;
    else
        dane.haslo = CzytajBezEcha("Hasło: ");
    if (!s->tdm->FunkcjaStartowa(&dane) || !s->tdm->Sesja().Zalogowany())
        return nullptr;
    s->tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
    if (s->tdm->Sesja().MusiUstawicHaslo) {
        if (std::getenv("MIRTA_HASLO") || !isatty(STDIN_FILENO)) {
            std::fprintf(stderr,
                         "Użytkownik nie ma hasła; ustaw je przy najbliższym "
                         "logowaniu z terminala.\n");
        } else {
            std::string nowe = CzytajBezEcha("Ustaw nowe hasło: ");
            if (CzytajBezEcha("Powtórz nowe hasło: ") != nowe) {
                std::fprintf(stderr, "Hasła się różnią; hasła nie zmieniono.\n");
            } else {
                try {
                    s->tdm->UstawHaslo(s->tdm->Sesja().Identyfikator, nowe);
                } catch (const store::BladDanych& e) {
                    std::fprintf(stderr, "%s\n", e.what());
                }
            }
        }
    }
    return s;
}

namespace {

std::string Data(const engine::CivilDate& d) {
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.year, d.month, d.day);
    return b;
}

}  // namespace

int RunZaloguj(const Args& args) {
    if (!args.empty())
        return UsageError("zaloguj");
    auto s = Zaloguj();
    if (!s)
        return 1;
    const auto& se = s->tdm->Sesja();
    std::string prawa;
    auto dodaj = [&](bool jest, const char* nazwa) {
        if (jest)
            prawa += (prawa.empty() ? "" : ", ") + std::string(nazwa);
    };
    dodaj(se.Przegladanie, "przeglądanie");
    dodaj(se.Aktualizowanie, "modyfikacja danych");
    dodaj(se.Administrator, "administracja systemem");
    dodaj(se.TrybUrlopowy, "tylko godziny pracy i nieobecności");
    std::printf("Użytkownik: %s (%s), identyfikator %d\n", se.NazwaKrotka.c_str(),
                se.NazwaPelna.c_str(), se.Identyfikator);
    std::printf("Uprawnienia: %s\n", prawa.c_str());
    std::printf("Data przetwarzania: %s\n", Data(se.DataPrzetwarzania).c_str());
    std::printf("Rok urlopowy: %d (%s)\n", se.DataPrzetwarzania.year,
                se.RokUrlopowyZamkniety ? "zamknięty" : "otwarty");
    return 0;
}

int RunPracownicy(const Args& args) {
    store::FiltrPracownikow f;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--umowy")
            f.PokazUmowy = true;
        else if (a == "--zwolnieni")
            f.PokazZwolnionych = true;
        else if (a == "--bez-funkcjonariuszy")
            f.PokazFunkcjonariuszy = false;
        else if (a == "--bez-cywilow")
            f.PokazCywilow = false;
        else if (a == "--bez-sluzby-cywilnej")
            f.PokazSluzbeCywilna = false;
        else if (a == "--emeryci")
            f.PokazEmerytow = true;
        else if (a == "--komorka" && i + 1 < args.size()) {
            f.FiltrKomorki = true;
            f.KomorkaFiltru = std::atoi(args[++i].c_str());
        } else
            return UsageError("pracownicy");
    }
    auto s = Zaloguj();
    if (!s)
        return 1;
    s->tdm->Filtr() = f;
    s->tdm->OdswiezListePracownikow();
    static constexpr const char* kKolumny[] = {
        "AktualnyStopien", "AktualneStanowisko", "Nazwisko",         "Imie1",          "Imie2",
        "PESEL",           "ImieOjca",           "DataZatrudnienia", "DataZwolnienia", "Podzial",
        "Identyfikator",   "NumerPracownika"};
    std::printf(
        "Stopień\tStanowisko\tNazwisko\tImię pierwsze\tdrugie\tPESEL\tImię ojca\t"
        "Data zatrudnienia\tData zwolnienia\t \tIdentyfikator\tNumer pracownika\n");
    auto& p = *s->tdm->TPracownicy;
    for (int64_t i = 0; i < p.RecordCount(); ++i) {
        engine::RowView r = p.RowAt(i);
        std::string wiersz;
        for (const char* k : kKolumny)
            wiersz += (wiersz.empty() && k == kKolumny[0] ? "" : "\t") + r.Text(k);
        std::printf("%s\n", wiersz.c_str());
    }
    return 0;
}

}  // namespace mirta::cli
