// The dictionary windows' texts, targets and name checks.
#include "store/slowniki.h"

namespace mirta::store {
namespace {

constexpr const char* kNazwaPusta = "Nazwa nie może być pusta !!!";

constexpr CelSlownika kCeleRodzWyk[] = {
    {.tryb = 1, .komponent = "TWyksztalcenie", .pole = "RodzajWyksztalcenia"}};
constexpr CelSlownika kCeleStNauk[] = {
    {.tryb = 1, .komponent = "TWyksztalcenie", .pole = "TytulNaukowy"}};
constexpr CelSlownika kCeleTytZaw[] = {
    {.tryb = 1, .komponent = "TWyksztalcenie", .pole = "TytulZawodowy"}};
constexpr CelSlownika kCeleRodzKurs[] = {{.tryb = 1, .komponent = "TKursy", .pole = "RodzajKursu"}};
constexpr CelSlownika kCeleSlPokrew[] = {
    {.tryb = 1, .komponent = "TRodzina", .pole = "StopienPokrewienstwa"}};
constexpr CelSlownika kCeleSlStopni[] = {
    {.tryb = 1, .komponent = "TPracStop", .pole = "IdentyfikatorStopnia"}};
constexpr CelSlownika kCeleSlGrup[] = {
    {.tryb = 1, .komponent = "TPracGrup", .pole = "IdentyfikatorGrupy"}};
constexpr CelSlownika kCeleSlStanowisk[] = {
    {.tryb = 1, .komponent = "TStanowiska", .pole = "IdentyfikatorStanowiska"},
    {.tryb = 2, .komponent = "TStanowiskaE", .pole = "IdentyfikatorStanowiska"},
    {.tryb = 3, .komponent = "TPopZatrudnienie", .pole = "Stanowisko"}};
constexpr CelSlownika kCeleFormyZtr[] = {
    {.tryb = 1, .komponent = "TZatrudnienie", .pole = "IdentyfikatorFormyZatrudn"},
    {.tryb = 2, .komponent = "TDodZatrudnienie", .pole = "FormaZatrudnienia"}};
constexpr CelSlownika kCeleWydawcy[] = {{.tryb = 1, .komponent = "TPracStop", .pole = "KtoWydal"}};
constexpr CelSlownika kCeleGrupInwal[] = {
    {.tryb = 1, .komponent = "TEmRentGrInw", .pole = "GrupaInwalidzka"}};
constexpr CelSlownika kCeleSwiadcz[] = {
    {.tryb = 1, .komponent = "TEmRentGrInw", .pole = "RodzajSwiadczenia"}};
constexpr CelSlownika kCeleRodzUrlop[] = {
    {.tryb = 1, .komponent = "TUrlopy", .pole = "RodzajUrlopu"}};
constexpr CelSlownika kCeleOrderow[] = {{.tryb = 1, .komponent = "TOrdery", .pole = "IdOrderu"}};
constexpr CelSlownika kCeleOrganow[] = {
    {.tryb = 1, .komponent = "TOrdery", .pole = "IdOrganu"},
    {.tryb = 2, .komponent = "TKary", .pole = "IdOrganuNadajacego"},
    {.tryb = 3, .komponent = "TWyroznienia", .pole = "IdOrganuNadajacego"}};
constexpr CelSlownika kCeleKar[] = {{.tryb = 1, .komponent = "TKary", .pole = "IdKary"}};
constexpr CelSlownika kCeleWyroznien[] = {
    {.tryb = 1, .komponent = "TWyroznienia", .pole = "IdWyroznienia"}};
constexpr CelSlownika kCeleStatusow[] = {
    {.tryb = 1, .komponent = "TPracownicy", .pole = "IdStPracCyw"}};
constexpr CelSlownika kCelePowodow[] = {
    {.tryb = 1, .komponent = "TPracStop", .pole = "IdPodstawy"},
    {.tryb = 2, .komponent = "TStanowiska", .pole = "IdPodstawy"},
    {.tryb = 3, .komponent = "TStanowiskaE", .pole = "IdPodstawy"},
    {.tryb = 4, .komponent = "TZatrudnienie", .pole = "IdPodstawy"}};
constexpr CelSlownika kCeleRodzajow[] = {
    {.tryb = 1, .komponent = "TZatrudnienie", .pole = "IdRodzaju"}};

constexpr OpisSlownika kSlowniki[] = {
    {.tytulOkna = "Słownik rodzajów wykształceń",
     .komponent = "TRodzWyk",
     .poleNazwy = "NazwaRodzajuWykształcenia",
     .poleIdentyfikatora = "IdentyfikatorRodzajeWyksz",
     .pytanieZapisu = " Czy zapisać dane o rodzaju wykształcenia ?",
     .pytanieDopisu = "Czy dopisać nowy rodzaj wykształcenia ?",
     .tytulPytan = " Kontrola danych wykształceniach.",
     .najpierwZapisz = " Najpierw zapisz dane o rodzaju wykształcenia !!!",
     .cele = kCeleRodzWyk,
     .komunikatNazwy = kNazwaPusta},
    {.tytulOkna = "Wprowadzanie stopni i tytułów naukowych",
     .komponent = "TStNaukowe",
     .poleNazwy = "NazwaStopniaNaukowego",
     .poleIdentyfikatora = "IdentyfikatorStopniaNauko",
     .pytanieZapisu = " Czy zapisać dane o stopniu naukowym ?",
     .pytanieDopisu = "Czy dopisać nowy stopień naukowy ?",
     .tytulPytan = " Kontrola danych o stopniach naukowych.",
     .najpierwZapisz = " Najpierw zapisz dane o stopniu naukowym !!!",
     .cele = kCeleStNauk,
     .komunikatNazwy = kNazwaPusta},
    {.tytulOkna = "Słownik tytułów zawodowych",
     .komponent = "TTytZawod",
     .poleNazwy = "NazwaTytuluZawodowego",
     .poleIdentyfikatora = "IdentyfikatorTytuluZawodo",
     .pytanieZapisu = " Czy zapisać dane o tytule zawodowym ?",
     .pytanieDopisu = "Czy dopisać nowy tytuł zawodowy ?",
     .tytulPytan = " Kontrola danych o tytułach zawodowych.",
     .najpierwZapisz = " Najpierw zapisz dane o tytule zawodowym !!!",
     .cele = kCeleTytZaw,
     .komunikatNazwy = kNazwaPusta},
    {.tytulOkna = "Słownik rodzajów kursów i studiów podyplomowych.",
     .komponent = "TRodzajeKursow",
     .poleNazwy = "NazwaRodzajuKursu",
     .poleIdentyfikatora = "IdentyfikatorRodzajuKursu",
     .pytanieZapisu = " Czy zapisać dane o rodzaju kursu / studium podyplomowego ?",
     .pytanieDopisu = "Czy dopisać nowy rodzaj kursu / studium podyplomowego ?",
     .tytulPytan = " Kontrola danych o rodzajach kursów / studiów podyplomowych.",
     .najpierwZapisz = " Najpierw zapisz dane o rodzaju kursu !!!",
     .cele = kCeleRodzKurs,
     .komunikatNazwy = kNazwaPusta},
    {.tytulOkna = "Słownik rodzajów pokrewieństw",
     .komponent = "TSlowPokrew",
     .poleNazwy = "NazwaPokrewienstwa",
     .poleIdentyfikatora = "IdentyfikatorPokrewienstw",
     .pytanieZapisu = " Czy zapisać dane o stopniu pokrewieństwa ?",
     .pytanieDopisu = "Czy dopisać nowy stopień pokrewieństwa ?",
     .tytulPytan = " Kontrola danych o stopniach pokrewieństwa.",
     .najpierwZapisz = " Najpierw zapisz dane o stopniu pokrewieństwa !!!",
     .cele = kCeleSlPokrew,
     .komunikatNazwy = kNazwaPusta},
    {.tytulOkna = "Rodzaje stopni i przypadającym im wynagrodzeń.",
     .komponent = "TSlowStopni",
     .poleNazwy = "NazwaStopnia",
     .poleIdentyfikatora = "IdentyfikatorStopnia",
     .pytanieZapisu = " Czy zapisać dane o stopniu ?",
     .pytanieDopisu = "Czy dopisać nowy stopień ?",
     .tytulPytan = " Kontrola danych o stopniach i stawkach.",
     .najpierwZapisz = " Najpierw zapisz dane o stopniu !!!",
     .cele = kCeleSlStopni,
     .komunikatNazwy = kNazwaPusta,
     .komponentStawek = "TStawStopni",
     .pytanieZapisuStawki = " Czy zapisać dane o stawce ?",
     .pytanieDopisuStawki = "Czy dopisać nową stawkę ?",
     .najpierwZapiszStawke = " Najpierw zapisz dane o stawce !!!"},
    {.tytulOkna = "Wprowadzanie grup i wynagrodzeń",
     .komponent = "TSlowGrup",
     .poleNazwy = "NazwaGrupy",
     .poleIdentyfikatora = "IdentyfikatorGrupy",
     .pytanieZapisu = " Czy zapisać dane o grupie ?",
     .pytanieDopisu = "Czy dopisać nową grupę ?",
     .tytulPytan = " Kontrola danych o grupach i stawkach.",
     .najpierwZapisz = " Najpierw zapisz dane o grupie !!!",
     .cele = kCeleSlGrup,
     .komunikatNazwy = kNazwaPusta,
     .komponentStawek = "TStawGrup",
     .pytanieZapisuStawki = " Czy zapisać dane o stawce ?",
     .pytanieDopisuStawki = "Czy dopisać nową stawkę ?",
     .najpierwZapiszStawke = " Najpierw zapisz dane o stawce !!!"},
    {.tytulOkna = "Aktualizacja słownika stanowisk.",
     .komponent = "TSlowStanowisk",
     .poleNazwy = "NazwaStanowiska",
     .poleIdentyfikatora = "IdentyfikatorStanowiska",
     .pytanieZapisu = " Czy zapisać dane o stanowisku ?",
     .pytanieDopisu = "Czy dopisać nowe stanowisko ?",
     .tytulPytan = " Kontrola danych o stanowiskach.",
     .najpierwZapisz = " Najpierw zapisz dane o stanowisku !!!",
     .cele = kCeleSlStanowisk,
     .komunikatNazwy = "Musisz podać nazwę stanowiska !!!"},
    {.tytulOkna = "Słownik form zatrudnienia.",
     .komponent = "TSlowFormZatr",
     .poleNazwy = "NazwaFormyZatrudnienia",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o formie zatrudnienia ?",
     .pytanieDopisu = "Czy dopisać nową formę zatrudnienia ?",
     .tytulPytan = " Kontrola danych o formach zatrudnienia.",
     .najpierwZapisz = " Najpierw zapisz dane o formie zatrudnienia !!!",
     .cele = kCeleFormyZtr,
     .komunikatNazwy = "Musisz podać nazwę formy zatrudnienia !!!"},
    {.tytulOkna = "Wydawcy rozkazów.",
     .komponent = "TWydawcy",
     .poleNazwy = "Nazwa",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o wydawcy rozkazów ?",
     .pytanieDopisu = "Czy dopisać nowego wydawcę rozkazów ?",
     .tytulPytan = " Kontrola danych.",
     .najpierwZapisz = " Najpierw zapisz dane o wydawcy rozkazów !!!",
     .cele = kCeleWydawcy,
     .komunikatNazwy = "Nazwa wydawcy rozkazu musi być określona !!!"},
    {.tytulOkna = "Słownik grup inwalidzkich.",
     .komponent = "TSlGrupInw",
     .poleNazwy = "NazwaGrupyInwalidzkiej",
     .poleIdentyfikatora = "IdentyfikatorGrupyInwalid",
     .pytanieZapisu = " Czy zapisać dane o grupie inwalidzkiej ?",
     .pytanieDopisu = "Czy dopisać nową grupę inwalidzką ?",
     .tytulPytan = " Kontrola danych o grupach inwalidzkich.",
     .najpierwZapisz = " Najpierw zapisz dane o grupach inwalidzkich !!!",
     .cele = kCeleGrupInwal,
     .komunikatNazwy = "Nazwa grupy inwalidzkiej musi być wprowadzona !!!"},
    {.tytulOkna = "Słownik rodzajów świadczeń emerytalnych / rentowych.",
     .komponent = "TSlRodzSw",
     .poleNazwy = "RodzajSwiadczenia",
     .poleIdentyfikatora = "IdentyfikatorSwiadczenia",
     .pytanieZapisu = "Czy zapisać dane o rodzaju świadczenia emerytalno / rentowego ?",
     .pytanieDopisu = "Czy dopisać nowy rodzaj świadczenia emerytalno / rentowego ?",
     .tytulPytan = "Kontrola danych o świadczeniach emerytalno / rentowych.",
     .najpierwZapisz = " Najpierw zapisz dane o rodzaju świadczeń emerytalno / rentowych !!!",
     .cele = kCeleSwiadcz,
     .komunikatNazwy = "Nazwa rodzaju świadczenia musi być wprowadzona !!!"},
    // The leave types' own rules belong to the leave records.
    {.tytulOkna = "Rodzaje urlopów.",
     .komponent = "TRodzUrlop",
     .poleNazwy = "NazwaUrlopu",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o rodzaju urlopu ?",
     .pytanieDopisu = "Czy dopisać nowy rodzaj urlopu ?",
     .tytulPytan = " Kontrola danych o rodzajach urlopu.",
     .najpierwZapisz = " Najpierw zapisz dane o rodzaju urlopu !!!",
     .cele = kCeleRodzUrlop,
     .komunikatNazwy = {}},
    {.tytulOkna = "Słownik orderów.",
     .komponent = "TSlowOrderow",
     .poleNazwy = "NazwaOrderu",
     .poleIdentyfikatora = "IdentyfikatorOrderu",
     .pytanieZapisu = " Czy zapisać dane o orderze ?",
     .pytanieDopisu = "Czy dopisać nowy order ?",
     .tytulPytan = " Kontrola danych o orderach.",
     .najpierwZapisz = " Najpierw zapisz dane o orderze !!!",
     .cele = kCeleOrderow,
     .komunikatNazwy = "Nazwa orderu jest obowiązkowa !!!"},
    {.tytulOkna = "Słownik organów nadających",
     .komponent = "TSlowOrganowNadajacych",
     .poleNazwy = "NazwaOrganuNadajacego",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o organie nadającym ?",
     .pytanieDopisu = "Czy dopisać nowy organ nadający ?",
     .tytulPytan = " Kontrola danych o organach nadających.",
     .najpierwZapisz = " Najpierw zapisz dane o organie nadającym !!!",
     .cele = kCeleOrganow,
     .komunikatNazwy = "Nazwa organu nadającego jest obowiązkowa !!!"},
    {.tytulOkna = "Słownik kar.",
     .komponent = "TSlowKar",
     .poleNazwy = "NazwaKary",
     .poleIdentyfikatora = "IdentyfikatorKary",
     .pytanieZapisu = " Czy zapisać dane o karze ?",
     .pytanieDopisu = "Czy dopisać nową karę ?",
     .tytulPytan = " Kontrola danych o karach.",
     .najpierwZapisz = " Najpierw zapisz dane o karach !!!",
     .cele = kCeleKar,
     .komunikatNazwy = "Nazwa kary jest obowiązkowa !!!",
     .nazwaPrzycieta = true},
    {.tytulOkna = "Słownik wyróżnień.",
     .komponent = "TSlowWyr",
     .poleNazwy = "NazwaWyroznienia",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o wyróżnieniu ?",
     .pytanieDopisu = "Czy dopisać nowe wyróżnienie ?",
     .tytulPytan = " Kontrola danych o wyróżnieniach.",
     .najpierwZapisz = " Najpierw zapisz dane o wyróżnieniu !!!",
     .cele = kCeleWyroznien,
     .komunikatNazwy = "Nazwa wyróżnienia jest obowiązkowa !!!",
     .nazwaPrzycieta = true},
    {.tytulOkna = "Słownik statusów pracownika cywilnego.",
     .komponent = "TSlowStatPracCyw",
     .poleNazwy = "NazwaStatPracCywilnego",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o statusie pracownika cywilnego ?",
     .pytanieDopisu = "Czy dopisać nowy status pracownika cywilnego ?",
     .tytulPytan = " Kontrola danych o statusach pracowników cywilnych.",
     .najpierwZapisz = " Najpierw zapisz dane o statusie pracownika cywilnego !!!",
     .cele = kCeleStatusow,
     .komunikatNazwy = "Nazwa statusu pracownika cywilnego nie może być pusta !!!"},
    {.tytulOkna = "Podstawy zdarzeń kadrowych",
     .komponent = "TPowodZdarzeniaKadrowego",
     .poleNazwy = "Powod",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o powodzie zdarzenia kadrowego ?",
     .pytanieDopisu = "Czy dopisać nowy powód zdarzenia kadroego ?",
     .tytulPytan = " Kontrola danych o powodach zdarzeń kadrowych.",
     .najpierwZapisz = " Najpierw zapisz dane o podstawie zdarzenia kadrowego !!!",
     .cele = kCelePowodow,
     .komunikatNazwy = "Nazwa powodu zdarzenia kadrowego musi być wypełniona !!!",
     .nazwaPrzycieta = true},
    {.tytulOkna = "Rodzaje zdarzeń kadrowych.",
     .komponent = "TRodzajZdarzeniaKadrowego",
     .poleNazwy = "NazwaZdarzeniaKadrowego",
     .poleIdentyfikatora = "Identyfikator",
     .pytanieZapisu = " Czy zapisać dane o rodzaju zdarzenia kadrowego ?",
     .pytanieDopisu = "Czy dopisać nowy rodzaj zdarzenia kadroego ?",
     .tytulPytan = " Kontrola danych o rodzajach zdarzeń kadrowych.",
     .najpierwZapisz = " Najpierw zapisz dane o rodzaju zdarzenia kadrowego !!!",
     .cele = kCeleRodzajow,
     .komunikatNazwy = "Nazwa rodzaju zdarzenia kadrowego musi być wypełniona !!!",
     .nazwaPrzycieta = true},
    {.tytulOkna = "Podstawy wynagrodzeń",
     .komponent = "TPodstawy",
     .poleNazwy = {},
     .poleIdentyfikatora = {},
     .pytanieZapisu = " Czy zapisać dane o podstawie ?",
     .pytanieDopisu = "Czy dopisać nową podstawę ?",
     .tytulPytan = " Kontrola danych o podstawach.",
     .najpierwZapisz = {},
     .cele = {},
     .komunikatNazwy = {}},
    {.tytulOkna = "Roczne procenty premii pracowników cywilnych.",
     .komponent = "TPremie",
     .poleNazwy = {},
     .poleIdentyfikatora = {},
     .pytanieZapisu = " Czy zapisać dane o premii pracowników cywilnych ?",
     .pytanieDopisu = "Czy dopisać nowy rok premii pracowników cywilnych ?",
     .tytulPytan = " Kontrola danych o premiach pracowników cywilnych.",
     .najpierwZapisz = {},
     .cele = {},
     .komunikatNazwy = {}},
};

}  // namespace

std::span<const OpisSlownika> Slowniki() {
    return kSlowniki;
}

const OpisSlownika* ZnajdzSlownik(std::string_view komponent) {
    for (const auto& s : kSlowniki)
        if (s.komponent == komponent ||
            (!s.komponentStawek.empty() && s.komponentStawek == komponent))
            return &s;
    return nullptr;
}

}  // namespace mirta::store
