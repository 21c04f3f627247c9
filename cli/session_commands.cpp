// Commands that log in and print what the session sees.
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/opcje_filtru.h"
#include "engine/file_system.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"

namespace mirta::cli {

namespace {

std::string Data(const engine::CivilDate& d) {
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.year, d.month, d.day);
    return b;
}

}  // namespace

int RunZaloguj(Invocation& call) {
    auto s = call.Zaloguj();
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

int RunPracownicy(Invocation& call) {
    const auto filtr = CzytajFiltr(call);
    if (!filtr)
        return kExitUsage;
    auto s = call.Zaloguj();
    if (!s)
        return 1;
    s->tdm->Filtr() = *filtr;
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
