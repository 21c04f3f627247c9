// The dictionary windows' texts, targets and name checks.
#include "store/slowniki.h"

namespace mirta::store {
namespace {

constexpr const char* kNazwaPusta = "Nazwa nie może być pusta !!!";

constexpr CelSlownika kCeleRodzWyk[] = {{1, "TWyksztalcenie", "RodzajWyksztalcenia"}};
constexpr CelSlownika kCeleStNauk[] = {{1, "TWyksztalcenie", "TytulNaukowy"}};
constexpr CelSlownika kCeleTytZaw[] = {{1, "TWyksztalcenie", "TytulZawodowy"}};
constexpr CelSlownika kCeleRodzKurs[] = {{1, "TKursy", "RodzajKursu"}};
constexpr CelSlownika kCeleSlPokrew[] = {{1, "TRodzina", "StopienPokrewienstwa"}};
constexpr CelSlownika kCeleSlStopni[] = {{1, "TPracStop", "IdentyfikatorStopnia"}};
constexpr CelSlownika kCeleSlGrup[] = {{1, "TPracGrup", "IdentyfikatorGrupy"}};
constexpr CelSlownika kCeleSlStanowisk[] = {{1, "TStanowiska", "IdentyfikatorStanowiska"},
                                            {2, "TStanowiskaE", "IdentyfikatorStanowiska"},
                                            {3, "TPopZatrudnienie", "Stanowisko"}};
constexpr CelSlownika kCeleFormyZtr[] = {{1, "TZatrudnienie", "IdentyfikatorFormyZatrudn"},
                                         {2, "TDodZatrudnienie", "FormaZatrudnienia"}};
constexpr CelSlownika kCeleWydawcy[] = {{1, "TPracStop", "KtoWydal"}};
constexpr CelSlownika kCeleGrupInwal[] = {{1, "TEmRentGrInw", "GrupaInwalidzka"}};
constexpr CelSlownika kCeleSwiadcz[] = {{1, "TEmRentGrInw", "RodzajSwiadczenia"}};
constexpr CelSlownika kCeleRodzUrlop[] = {{1, "TUrlopy", "RodzajUrlopu"}};
constexpr CelSlownika kCeleOrderow[] = {{1, "TOrdery", "IdOrderu"}};
constexpr CelSlownika kCeleOrganow[] = {{1, "TOrdery", "IdOrganu"},
                                        {2, "TKary", "IdOrganuNadajacego"},
                                        {3, "TWyroznienia", "IdOrganuNadajacego"}};
constexpr CelSlownika kCeleKar[] = {{1, "TKary", "IdKary"}};
constexpr CelSlownika kCeleWyroznien[] = {{1, "TWyroznienia", "IdWyroznienia"}};
constexpr CelSlownika kCeleStatusow[] = {{1, "TPracownicy", "IdStPracCyw"}};
constexpr CelSlownika kCelePowodow[] = {{1, "TPracStop", "IdPodstawy"},
                                        {2, "TStanowiska", "IdPodstawy"},
                                        {3, "TStanowiskaE", "IdPodstawy"},
                                        {4, "TZatrudnienie", "IdPodstawy"}};
constexpr CelSlownika kCeleRodzajow[] = {{1, "TZatrudnienie", "IdRodzaju"}};

constexpr OpisSlownika kSlowniki[] = {
    {"Słownik rodzajów wykształceń", "TRodzWyk", "NazwaRodzajuWykształcenia",
     "IdentyfikatorRodzajeWyksz", " Czy zapisać dane o rodzaju wykształcenia ?",
     "Czy dopisać nowy rodzaj wykształcenia ?", " Kontrola danych wykształceniach.",
     " Najpierw zapisz dane o rodzaju wykształcenia !!!", kCeleRodzWyk, kNazwaPusta},
    {"Wprowadzanie stopni i tytułów naukowych", "TStNaukowe", "NazwaStopniaNaukowego",
     "IdentyfikatorStopniaNauko", " Czy zapisać dane o stopniu naukowym ?",
     "Czy dopisać nowy stopień naukowy ?", " Kontrola danych o stopniach naukowych.",
     " Najpierw zapisz dane o stopniu naukowym !!!", kCeleStNauk, kNazwaPusta},
    {"Słownik tytułów zawodowych", "TTytZawod", "NazwaTytuluZawodowego",
     "IdentyfikatorTytuluZawodo", " Czy zapisać dane o tytule zawodowym ?",
     "Czy dopisać nowy tytuł zawodowy ?", " Kontrola danych o tytułach zawodowych.",
     " Najpierw zapisz dane o tytule zawodowym !!!", kCeleTytZaw, kNazwaPusta},
    {"Słownik rodzajów kursów i studiów podyplomowych.", "TRodzajeKursow", "NazwaRodzajuKursu",
     "IdentyfikatorRodzajuKursu", " Czy zapisać dane o rodzaju kursu / studium podyplomowego ?",
     "Czy dopisać nowy rodzaj kursu / studium podyplomowego ?",
     " Kontrola danych o rodzajach kursów / studiów podyplomowych.",
     " Najpierw zapisz dane o rodzaju kursu !!!", kCeleRodzKurs, kNazwaPusta},
    {"Słownik rodzajów pokrewieństw", "TSlowPokrew", "NazwaPokrewienstwa",
     "IdentyfikatorPokrewienstw", " Czy zapisać dane o stopniu pokrewieństwa ?",
     "Czy dopisać nowy stopień pokrewieństwa ?", " Kontrola danych o stopniach pokrewieństwa.",
     " Najpierw zapisz dane o stopniu pokrewieństwa !!!", kCeleSlPokrew, kNazwaPusta},
    {"Rodzaje stopni i przypadającym im wynagrodzeń.", "TSlowStopni", "NazwaStopnia",
     "IdentyfikatorStopnia", " Czy zapisać dane o stopniu ?", "Czy dopisać nowy stopień ?",
     " Kontrola danych o stopniach i stawkach.", " Najpierw zapisz dane o stopniu !!!",
     kCeleSlStopni, kNazwaPusta, false, "TStawStopni", " Czy zapisać dane o stawce ?",
     "Czy dopisać nową stawkę ?", " Najpierw zapisz dane o stawce !!!"},
    {"Wprowadzanie grup i wynagrodzeń", "TSlowGrup", "NazwaGrupy", "IdentyfikatorGrupy",
     " Czy zapisać dane o grupie ?", "Czy dopisać nową grupę ?",
     " Kontrola danych o grupach i stawkach.", " Najpierw zapisz dane o grupie !!!", kCeleSlGrup,
     kNazwaPusta, false, "TStawGrup", " Czy zapisać dane o stawce ?", "Czy dopisać nową stawkę ?",
     " Najpierw zapisz dane o stawce !!!"},
    {"Aktualizacja słownika stanowisk.", "TSlowStanowisk", "NazwaStanowiska",
     "IdentyfikatorStanowiska", " Czy zapisać dane o stanowisku ?", "Czy dopisać nowe stanowisko ?",
     " Kontrola danych o stanowiskach.", " Najpierw zapisz dane o stanowisku !!!", kCeleSlStanowisk,
     "Musisz podać nazwę stanowiska !!!"},
    {"Słownik form zatrudnienia.", "TSlowFormZatr", "NazwaFormyZatrudnienia", "Identyfikator",
     " Czy zapisać dane o formie zatrudnienia ?", "Czy dopisać nową formę zatrudnienia ?",
     " Kontrola danych o formach zatrudnienia.", " Najpierw zapisz dane o formie zatrudnienia !!!",
     kCeleFormyZtr, "Musisz podać nazwę formy zatrudnienia !!!"},
    {"Wydawcy rozkazów.", "TWydawcy", "Nazwa", "Identyfikator",
     " Czy zapisać dane o wydawcy rozkazów ?", "Czy dopisać nowego wydawcę rozkazów ?",
     " Kontrola danych.", " Najpierw zapisz dane o wydawcy rozkazów !!!", kCeleWydawcy,
     "Nazwa wydawcy rozkazu musi być określona !!!"},
    {"Słownik grup inwalidzkich.", "TSlGrupInw", "NazwaGrupyInwalidzkiej",
     "IdentyfikatorGrupyInwalid", " Czy zapisać dane o grupie inwalidzkiej ?",
     "Czy dopisać nową grupę inwalidzką ?", " Kontrola danych o grupach inwalidzkich.",
     " Najpierw zapisz dane o grupach inwalidzkich !!!", kCeleGrupInwal,
     "Nazwa grupy inwalidzkiej musi być wprowadzona !!!"},
    {"Słownik rodzajów świadczeń emerytalnych / rentowych.", "TSlRodzSw", "RodzajSwiadczenia",
     "IdentyfikatorSwiadczenia", "Czy zapisać dane o rodzaju świadczenia emerytalno / rentowego ?",
     "Czy dopisać nowy rodzaj świadczenia emerytalno / rentowego ?",
     "Kontrola danych o świadczeniach emerytalno / rentowych.",
     " Najpierw zapisz dane o rodzaju świadczeń emerytalno / rentowych !!!", kCeleSwiadcz,
     "Nazwa rodzaju świadczenia musi być wprowadzona !!!"},
    // The leave types' own rules belong to the leave records.
    {"Rodzaje urlopów.",
     "TRodzUrlop",
     "NazwaUrlopu",
     "Identyfikator",
     " Czy zapisać dane o rodzaju urlopu ?",
     "Czy dopisać nowy rodzaj urlopu ?",
     " Kontrola danych o rodzajach urlopu.",
     " Najpierw zapisz dane o rodzaju urlopu !!!",
     kCeleRodzUrlop,
     {}},
    {"Słownik orderów.", "TSlowOrderow", "NazwaOrderu", "IdentyfikatorOrderu",
     " Czy zapisać dane o orderze ?", "Czy dopisać nowy order ?", " Kontrola danych o orderach.",
     " Najpierw zapisz dane o orderze !!!", kCeleOrderow, "Nazwa orderu jest obowiązkowa !!!"},
    {"Słownik organów nadających", "TSlowOrganowNadajacych", "NazwaOrganuNadajacego",
     "Identyfikator", " Czy zapisać dane o organie nadającym ?",
     "Czy dopisać nowy organ nadający ?", " Kontrola danych o organach nadających.",
     " Najpierw zapisz dane o organie nadającym !!!", kCeleOrganow,
     "Nazwa organu nadającego jest obowiązkowa !!!"},
    {"Słownik kar.", "TSlowKar", "NazwaKary", "IdentyfikatorKary", " Czy zapisać dane o karze ?",
     "Czy dopisać nową karę ?", " Kontrola danych o karach.", " Najpierw zapisz dane o karach !!!",
     kCeleKar, "Nazwa kary jest obowiązkowa !!!", true},
    {"Słownik wyróżnień.", "TSlowWyr", "NazwaWyroznienia", "Identyfikator",
     " Czy zapisać dane o wyróżnieniu ?", "Czy dopisać nowe wyróżnienie ?",
     " Kontrola danych o wyróżnieniach.", " Najpierw zapisz dane o wyróżnieniu !!!", kCeleWyroznien,
     "Nazwa wyróżnienia jest obowiązkowa !!!", true},
    {"Słownik statusów pracownika cywilnego.", "TSlowStatPracCyw", "NazwaStatPracCywilnego",
     "Identyfikator", " Czy zapisać dane o statusie pracownika cywilnego ?",
     "Czy dopisać nowy status pracownika cywilnego ?",
     " Kontrola danych o statusach pracowników cywilnych.",
     " Najpierw zapisz dane o statusie pracownika cywilnego !!!", kCeleStatusow,
     "Nazwa statusu pracownika cywilnego nie może być pusta !!!"},
    {"Podstawy zdarzeń kadrowych", "TPowodZdarzeniaKadrowego", "Powod", "Identyfikator",
     " Czy zapisać dane o powodzie zdarzenia kadrowego ?",
     "Czy dopisać nowy powód zdarzenia kadroego ?",
     " Kontrola danych o powodach zdarzeń kadrowych.",
     " Najpierw zapisz dane o podstawie zdarzenia kadrowego !!!", kCelePowodow,
     "Nazwa powodu zdarzenia kadrowego musi być wypełniona !!!", true},
    {"Rodzaje zdarzeń kadrowych.", "TRodzajZdarzeniaKadrowego", "NazwaZdarzeniaKadrowego",
     "Identyfikator", " Czy zapisać dane o rodzaju zdarzenia kadrowego ?",
     "Czy dopisać nowy rodzaj zdarzenia kadroego ?",
     " Kontrola danych o rodzajach zdarzeń kadrowych.",
     " Najpierw zapisz dane o rodzaju zdarzenia kadrowego !!!", kCeleRodzajow,
     "Nazwa rodzaju zdarzenia kadrowego musi być wypełniona !!!", true},
    {"Podstawy wynagrodzeń",
     "TPodstawy",
     {},
     {},
     " Czy zapisać dane o podstawie ?",
     "Czy dopisać nową podstawę ?",
     " Kontrola danych o podstawach.",
     {},
     {},
     {}},
    {"Roczne procenty premii pracowników cywilnych.",
     "TPremie",
     {},
     {},
     " Czy zapisać dane o premii pracowników cywilnych ?",
     "Czy dopisać nowy rok premii pracowników cywilnych ?",
     " Kontrola danych o premiach pracowników cywilnych.",
     {},
     {},
     {}},
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
