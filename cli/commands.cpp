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
             "filtrem\nz opcji; pytanie okna zadaje na terminalu albo odpowiada na nie --tak. "
             "Pracowników,\nktórych dane czekają już w plikach płacowych, pomija; dopisuje ich "
             "ponownie\ntylko z --ponownie. Na końcu wypisuje, ilu dopisano, pominięto i nie "
             "przegrano.",
     .run = RunPlacowe},
    {.name = "staz",
     .operands = "ID",
     .summary = "wypisuje staż pracownika na dzień przetwarzania",
     .options = {{"--wyprowadzenie", "",
                  "okresy liczone, scalone, przerwy, urlop bezpłatny i wynik"},
                 {"--rodzaj", "RODZAJ",
                  "wysluga, sluzba, nagroda albo emerytura (domyślnie każdy)"}},
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .help = "Z --wyprowadzenie: jak policzono staż, z tej samej rachuby co jego wartość.",
     .run = RunStaz},
    {.name = "urlop",
     .operands = "ID",
     .summary = "wypisuje urlop należny, zaległy i wykorzystany pracownika",
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .run = RunUrlop},
    {.name = "wynagrodzenie",
     .operands = "ID",
     .summary = "wypisuje składniki i sumy wynagrodzenia pracownika",
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .run = RunWynagrodzenie},
    {.name = "zamknij-rok",
     .summary = "zamyka rok urlopowy daty przetwarzania (administrator)",
     .options = {{"--na-probe", "", "tylko wypisuje, co rok przeniesie; niczego nie zapisuje"},
                 {"--kopia", "KATALOG", "proponuje przed zamknięciem kopię danych do KATALOG"}},
     .logsIn = true,
     .help = "Pytanie okna zadaje na terminalu albo odpowiada na nie --tak.",
     .run = RunZamknijRok},
    {.name = "dograj-urlopy",
     .summary = "dogrywa urlopy 2006 roku z pliku wspólnego poprzedniej wersji (rok 2006)",
     .logsIn = true,
     .help = "Jak „Dograj urlopy z poprzedniego roku.”: wiersze już dograne liczy jako "
             "powtórzone,\nodrzucone przez zasady urlopów jako błędne; wypisuje trzy liczby.",
     .run = RunDograjUrlopy},
    {.name = "dokument",
     .operands = "SZABLON.RTF ID WYNIK.RTF",
     .summary = "wypełnia szablon RTF danymi pracownika i zapisuje dokument",
     .minOperands = 3,
     .maxOperands = 3,
     .logsIn = true,
     .help = "Symbole <<...>> szablonu zastępuje danymi pracownika na dzień przetwarzania;\n"
             "wierszem bieżącym historii jest ostatni. Istniejący WYNIK.RTF zastępuje po "
             "pytaniu\n(albo --tak).",
     .run = RunDokument},
    {.name = "dokumenty",
     .operands = "SZABLON.RTF KATALOG-WYNIKOW",
     .summary = "wypełnia szablon RTF dla każdego pracownika z listy, po pliku na osobę",
     .options = OpcjeFiltru(),
     .minOperands = 2,
     .maxOperands = 2,
     .logsIn = true,
     .help = "Nazwa pliku z nazwy wydruku szablonu w Wydruki.DB, a bez niej NAZWISKO_IMIĘ_ID.rtf."
             "\nIstniejące pliki zastępuje po jednym pytaniu (albo --tak).",
     .run = RunDokumenty},
    {.name = "tagi",
     .summary = "wypisuje symbole szablonów z krótkim opisem",
     .help = "Symbol i opis rozdziela tabulator; <<LP>> działa tylko w zestawieniach.",
     .run = RunTagi},
    {.name = "sprawdz-szablon",
     .operands = "SZABLON.RTF",
     .summary = "wypisuje tekst <<...>> szablonu, który nie jest znanym symbolem",
     .minOperands = 1,
     .maxOperands = 1,
     .help = "Numer wiersza (akapitu) i tekst, rozdzielone tabulatorem; kod wyjścia 1, gdy "
             "jest\njakiś nieznany symbol.",
     .run = RunSprawdzSzablon},
    {.name = "raport",
     .operands = "NUMER PLIK",
     .summary = "zapisuje wydruk okna „Wydruki i zestawienia” (PDF, TXT, CSV, HTM, XLSX, QRP)",
     .options = OpcjeRaportu(),
     .maxOperands = 2,
     .logsIn = true,
     .help = "NUMER 1-19 w kolejności okna (mirta raport --lista), dla listy pracowników pod\n"
             "filtrem z opcji. Rozszerzenie PLIKU musi odpowiadać formatowi (HTM, nie HTML).",
     .run = RunRaport},
    {.name = "spd harmonogram",
     .summary = "wypisuje harmonogram SPD z wpisami należnymi na dzień przetwarzania",
     .logsIn = true,
     .help = "Kolumny: identyfikator, rodzaj danych, nazwa, częstotliwość, aktywny, data "
             "ostatniej przesyłki,\nnależny („*”) albo nie („-”).",
     .run = RunSpdHarmonogram},
    {.name = "spd generuj",
     .summary = "generuje przesyłkę SPD z należnych albo wskazanych wpisów harmonogramu",
     .options =
         {{"--wpis", "ID", "wpis harmonogramu (można powtarzać albo podać ID,ID,...)"},
          {"--nalezne", "", "także wszystkie wpisy należne"},
          {"--data-danych", "RRRR-MM-DD",
           "data danych przesyłki (domyślnie data przetwarzania albo, po pytaniu, dzisiejsza)"},
          {"--bez-kontroli", "", "bez kontroli danych przed eksportem (mirta sprawdz)"}},
     .logsIn = true,
     .help = "Bez --wpis zaznacza wpisy należne. Wypisuje liczbę rekordów i wierszy każdego "
             "nagłówka,\na w ostatnim wierszu identyfikator rejestru, tabulator i folder "
             "przesyłki (SPD\\R...).\nPytanie okna zadaje na terminalu albo odpowiada na nie "
             "--tak.",
     .run = RunSpdGeneruj},
    {.name = "spd przesylki",
     .summary = "wypisuje rejestr wygenerowanych przesyłek SPD",
     .logsIn = true,
     .run = RunSpdPrzesylki},
    {.name = "spd mapowanie",
     .summary = "wypisuje dane do mapowania słowników SPD",
     .logsIn = true,
     .run = RunSpdMapowanie},
    {.name = "spd parametry",
     .operands = "[POLE=WARTOSC ...]",
     .summary = "wypisuje albo zmienia parametry SPD",
     .maxOperands = 20,
     .logsIn = true,
     .help = "Hasło pokazuje jako ***. Hasło SPD zmienia samo słowo HasloSPD, biorąc je ze "
             "zmiennej\nMIRTA_SPD_HASLO (nigdy z wiersza polecenia). Zmiana wymaga prawa do "
             "zmiany danych.",
     .run = RunSpdParametry},
    {.name = "spd wyslij",
     .operands = "REJESTR-ID",
     .summary = "sprawdza, zapisuje pliki CSV, pakuje i wysyła przesyłkę z rejestru",
     .options = {{"--przyjmij-klucz", "", "przyjmuje i zapamiętuje nieznany klucz serwera"}},
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .help = "Przesyłki niedokończonej nie wysyła. Pytania okna zadaje na terminalu albo "
             "odpowiada\nna nie --tak; nieznany klucz serwera przyjmuje tylko "
             "--przyjmij-klucz.",
     .run = RunSpdWyslij},
    {.name = "kopia",
     .operands = "KATALOG-KOPII",
     .summary = "zapisuje kopię katalogu danych do archiwum zip i ją sprawdza",
     .options = {{"--zachowaj", "N", "zostawia N najnowszych kopii w katalogu, starsze usuwa"},
                 {"--z-paczkami", "", "także foldery przesyłek w SPD\\"}},
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .help = "Archiwum mirta-kopia-RRRR-MM-DD-GGMMSS.zip ze spisem rozmiarów i sum SHA-256 "
             "plików,\nz tabelami programu płacowego (PLACE\\, gdy leżą poza katalogiem "
             "danych), SPD\\ i ROVANTE\\.\nPo zapisie archiwum jest czytane i porównywane "
             "ze spisem; ostatni wiersz to jego ścieżka.",
     .run = RunKopia},
    {.name = "odtworz",
     .operands = "ARCHIWUM NOWY-KATALOG",
     .summary = "odtwarza kopię danych do nowego katalogu (administrator)",
     .minOperands = 2,
     .maxOperands = 2,
     .logsIn = true,
     .help = "NOWY-KATALOG nie może istnieć. Każdy plik jest porównywany ze spisem kopii; "
             "archiwum\nuszkodzone albo niezgodne ze spisem nie zostaje odtworzone (kod "
             "wyjścia 1).",
     .run = RunOdtworz},
    {.name = "dziennik",
     .summary = "wypisuje dziennik zmian danych (kiedy, kto, operacja, dane, pracownik, pole, "
                "było, jest, klucz)",
     .options = {{"--pracownik", "ID", "tylko zmiany danych tego pracownika"},
                 {"--od", "DATA", "od dnia RRRR-MM-DD"},
                 {"--do", "DATA", "do dnia RRRR-MM-DD włącznie"},
                 {"--uzytkownik", "NAZWA", "tylko zmiany tego użytkownika (po nazwie polecenia)"},
                 {"--tabela", "PLIK", "tylko zmiany tej tabeli, np. Mirta.DB"},
                 {"--archiwizuj-przed", "DATA",
                  "przenosi starsze wpisy do pliku DziennikDoRRRRMMDD.DB (administrator)"}},
     .logsIn = true,
     .help = "Wiersz na zmienione pole, kolumny rozdzielone tabulatorem, od najstarszego.\n"
             "--uzytkownik przed nazwą polecenia to użytkownik, który się loguje; po niej - "
             "filtr.\nPytanie archiwizacji zadaje na terminalu albo odpowiada na nie --tak.",
     .run = RunDziennik},
    {.name = "terminy",
     .operands = "[PLIK]",
     .summary = "wypisuje, co przypada pracownikom w najbliższych dniach",
     .options = {{"--dni", "N", "długość okresu od dnia przetwarzania (domyślnie 60)"},
                 {"--format", "FORMAT", "zapisuje wydruk do PLIKU: pdf, txt, csv, htm, xlsx, qrp"}},
     .maxOperands = 1,
     .logsIn = true,
     .help = "Wzrost dodatku stażowego, nagroda jubileuszowa, wyższy urlop dodatkowy, badanie\n"
             "lekarskie, ważność dowodu, koniec umowy na czas określony, staż emerytalny.\n"
             "Wiersz: data, identyfikator, nazwisko i imię, co przypada, opis (tabulatory).\n"
             "Z --format zapisuje zestawienie jako wydruk; rozszerzenie PLIKU musi odpowiadać\n"
             "formatowi.",
     .run = RunTerminy},
    {.name = "rodo dane",
     .operands = "ID PLIK",
     .summary = "zapisuje wszystkie dane osobowe pracownika (prawo dostępu)",
     .options = {{"--format", "FORMAT", "pdf - wydruk, zip - pliki CSV z manifestem"}},
     .minOperands = 2,
     .maxOperands = 2,
     .logsIn = true,
     .help = "Każdy wiersz każdej tabeli dotyczący pracownika: dane osobowe, historie, urlopy\n"
             "wszystkich lat, rodzina, wykształcenie, badania, wpisy dziennika zmian i rejestru\n"
             "udostępnień. Wymaga prawa do zmiany danych; zapis trafia do rejestru udostępnień.",
     .run = RunRodoDane},
    {.name = "rodo udostepnienia",
     .summary = "wypisuje rejestr udostępnień danych osobowych",
     .options = {{"--pracownik", "ID", "tylko udostępnienia danych tego pracownika"},
                 {"--od", "DATA", "od dnia RRRR-MM-DD"},
                 {"--do", "DATA", "do dnia RRRR-MM-DD włącznie"}},
     .logsIn = true,
     .help =
         "Wiersz: numer, kiedy, użytkownik, komu, co, opis, plik lub przesyłka, identyfikatory\n"
         "pracowników (po przecinku); kolumny rozdzielone tabulatorem.",
     .run = RunRodoUdostepnienia},
    {.name = "rodo okresy",
     .operands = "[KOD=LATA ...]",
     .summary = "wypisuje okresy przechowywania akt; z argumentami je zmienia (administrator)",
     .maxOperands = 20,
     .logsIn = true,
     .help = "KOD to rodzaj pracownika jak w Mirta.DB (1 funkcjonariusz, 2 pracownik cywilny,\n"
             "3 członek korpusu służby cywilnej, 4 emeryt), LATA - liczba lat od końca roku\n"
             "zwolnienia, która zastępuje zasadę tego rodzaju.",
     .run = RunRodoOkresy},
    {.name = "rodo do-usuniecia",
     .summary = "wypisuje byłych pracowników, których okres przechowywania akt minął",
     .logsIn = true,
     .help = "Wiersz: identyfikator, nazwisko i imię, koniec zatrudnienia, koniec\n"
             "przechowywania (tabulatory).",
     .run = RunRodoDoUsuniecia},
    {.name = "rodo anonimizuj",
     .operands = "ID",
     .summary = "anonimizuje dane pracownika po okresie przechowywania (administrator)",
     .options = {{"--kopia", "KATALOG", "proponuje przed anonimizacją kopię danych do KATALOG"}},
     .minOperands = 1,
     .maxOperands = 1,
     .logsIn = true,
     .help = "Pytanie z nazwiskiem pracownika zadaje na terminalu albo odpowiada na nie --tak.\n"
             "Wypisuje zmienione pliki.",
     .run = RunRodoAnonimizuj},
    {.name = "sprawdz",
     .summary = "sprawdza przed eksportem do SPD, co zrobiłoby przesyłkę błędną",
     .options = {{"--wpis", "ID", "wpis harmonogramu (można powtarzać albo podać ID,ID,...)"},
                 {"--nalezne", "", "wpisy należne na dzień przetwarzania"},
                 {"--data-danych", "RRRR-MM-DD", "data danych (domyślnie data przetwarzania)"}},
     .logsIn = true,
     .help = "Bez --wpis i --nalezne sprawdza wszystkie aktywne wpisy harmonogramu. Szuka\n"
             "nakładających się okresów zatrudnienia i przerw między nimi, rekordów po dacie\n"
             "zwolnienia, pustych wartości wymaganych przez przesyłkę, pracowników cywilnych\n"
             "bez statusu i urlopów, których dni nie da się policzyć. Wiersz: identyfikator,\n"
             "nazwisko i imię, rodzaj usterki, tabela, opis (tabulatory). Kod wyjścia: 0 brak\n"
             "usterek, 1 są usterki, 2 kontrola się nie odbyła.",
     .run = RunSprawdz},
    {.name = "napraw",
     .operands = "[TABELA ...]",
     .summary = "sprawdza tabele katalogu danych i naprawia uszkodzone (administrator)",
     .options = {{"--na-probe", "", "tylko wypisuje, co jest uszkodzone; niczego nie zmienia"},
                 {"--kopia", "KATALOG", "proponuje przed naprawą kopię danych do KATALOG"}},
     .maxOperands = 1000,
     .logsIn = true,
     .help = "Bez nazw sprawdza wszystkie tabele katalogu (cztery wspólne w katalogu płac).\n"
             "Sprawdza nagłówek z blokami, łańcuch bloków, typy pól, indeks główny i\n"
             "pomocnicze, a w plikach dBase licznik i długość rekordu z długością pliku.\n"
             "Naprawa odbudowuje indeksy, a tabelę z uszkodzonym nagłówkiem lub łańcuchem\n"
             "zapisuje od nowa z rekordów, które dają się odczytać; uszkodzony plik zostaje\n"
             "obok pod nową nazwą. Pyta przed naprawą (albo --tak). Loguje się tylko tabelą\n"
             "Hasla.DB. Kod wyjścia: 0 wszystko sprawne, 1 naprawiono (albo do naprawy),\n"
             "2 jest coś, czego nie można naprawić.",
     .run = RunNapraw},
};

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace mirta::cli
