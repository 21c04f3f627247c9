// The command table: one row per command, in the order of the help.
#include "cli/commands.h"
#include "cli/opcje_filtru.h"

#include "cli/run.h"

namespace mirta::cli {

namespace {

const Command kCommands[] = {
    {.name = "dump",
     .operands = "PLIK",
     .summary = "wypisuje tabelę Paradox lub dBase w postaci kanonicznej",
     .options = {{"--kodowanie", "NAZWA",
                  "strona kodowa tekstu w miejsce podanej w nagłówku (852, 1250, mazovia...)"}},
     .minOperands = 1,
     .maxOperands = 1,
     .help = "Pierwszy wiersz wymienia pola (NAZWA:TYP), dalej po wierszu na rekord w kolejności "
             "bloków.\nTabela bez strony kodowej w nagłówku (Paradox 3) jest czytana w 437, "
             "o ile --kodowanie\nnie wskaże innej; opcja dotyczy też nazw pól.",
     .run = RunDump},
    {.name = "slownie",
     .operands = "KWOTA",
     .summary = "wypisuje kwotę słownie",
     .minOperands = 1,
     .maxOperands = 1,
     .help = "Kwota z przecinkiem dziesiętnym, np. 1234,56; ujemna po --: mirta slownie -- -5.",
     .run = RunSlownie},
    {.name = "zaokraglij",
     .operands = "LICZBA MIEJSCA",
     .summary = "zaokrągla liczbę do podanej liczby miejsc",
     .minOperands = 2,
     .maxOperands = 2,
     .help = "Połówki od zera; MIEJSCA ujemne zaokrąglają do dziesiątek, setek...",
     .run = RunZaokraglij},
    {.name = "okres",
     .operands = "OD DO",
     .summary = "wypisuje długość okresu (lata, miesiące, dni)",
     .minOperands = 2,
     .maxOperands = 2,
     .help = "Daty RRRR-MM-DD; obie włącznie.",
     .run = RunOkres},
    {.name = "wyrazenie",
     .operands = "TEKST",
     .summary = "oblicza wyrażenie albo wypisuje kod błędu",
     .minOperands = 1,
     .maxOperands = 1,
     .help = "Błąd wyrażenia: „błąd KOD” i kod wyjścia 1.",
     .run = RunWyrazenie},
    {.name = "data-slownie",
     .operands = "DATA",
     .summary = "wypisuje datę z nazwą miesiąca",
     .minOperands = 1,
     .maxOperands = 1,
     .run = RunDataSlownie},
    {.name = "nowa-baza",
     .operands = "KATALOG",
     .summary = "tworzy pusty katalog danych ze wszystkimi tabelami",
     .minOperands = 1,
     .maxOperands = 1,
     .help = "Użytkownik ADMIN z pustym hasłem. Katalog z tabelami programu pozostaje "
             "nietknięty.",
     .run = RunNowaBaza},
    {.name = "demo",
     .operands = "KATALOG",
     .summary = "tworzy katalog danych z przykładową jednostką",
     .options = {{"--pracownicy", "N", "liczba osób (1-100000, domyślnie 300)"},
                 {"--lata", "N", "lata historii (1-60, domyślnie 10)"},
                 {"--ziarno", "S", "ziarno losowania: to samo daje te same pliki"}},
     .minOperands = 1,
     .maxOperands = 1,
     .run = RunDemo},
    {.name = "zaloguj",
     .summary = "loguje i wypisuje sesję: użytkownika, uprawnienia, datę i rok urlopowy",
     .logsIn = true,
     .run = RunZaloguj},
    {.name = "pracownicy",
     .summary = "wypisuje listę pracowników po zalogowaniu",
     .options = OpcjeFiltru(),
     .logsIn = true,
     .help = "Kolumny jak lista pracowników okna głównego, w kolejności nazwisk.",
     .run = RunPracownicy},
    {.name = "kalendarz",
     .operands = "RRRR MM",
     .summary = "wypisuje dni i godziny miesiąca kalendarza (brakujący miesiąc tworzy)",
     .minOperands = 2,
     .maxOperands = 2,
     .logsIn = true,
     .help = "Brakujący miesiąc powstaje tylko, gdy użytkownik może zmieniać dane.",
     .run = RunKalendarz},
    {.name = "dni",
     .operands = "OD DO LITERA",
     .summary = "liczy dni kalendarza o statusie R, W lub S od daty do daty włącznie",
     .minOperands = 3,
     .maxOperands = 3,
     .logsIn = true,
     .help = "Zamiast liczby dni kod 10000-10003 (zła data od, zła data do, data do przed "
             "1990,\nrok poza kalendarzem) i kod wyjścia 1.",
     .run = RunDni},
    {.name = "placowe",
     .summary = "dopisuje pracowników z listy do plików płac ROVANTE\\MIRTA.DBF i PRACLIST.DBF",
     .options = OpcjePlacowe(),
     .logsIn = true,
     .help = "Jak „Przegrywanie danych do płac.” okna głównego, dla pracowników listy pod "
             "filtrem\nz opcji; pytanie okna zadaje na terminalu albo odpowiada na nie --tak.",
     .run = RunPlacowe},
};

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace mirta::cli
