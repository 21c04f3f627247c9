// The dictionary windows: names, menu texts, tables, grid columns and navigator hints.
#include "store/ui/opisy_okien_slownikow.h"

#include <string>

namespace mirta::store::ui {
namespace {

using U = Uklad;

constexpr KolumnaSlownika kRodzWyk[] = {
    {.pole = "NazwaRodzajuWykształcenia", .tytul = "Nazwa rodzaju wykształcenia", .szerokosc = 380},
    {.pole = "KodWyksztalcenia", .tytul = "Kod", .szerokosc = 60}};
constexpr KolumnaSlownika kStNauk[] = {
    {.pole = "NazwaStopniaNaukowego", .tytul = "Nazwa stopnia naukowego", .szerokosc = 300},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 60}};
constexpr KolumnaSlownika kTytZaw[] = {
    {.pole = "NazwaTytuluZawodowego", .tytul = "Nazwa tytułu zawodowego", .szerokosc = 300},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 60}};
constexpr KolumnaSlownika kRodzKurs[] = {
    {.pole = "NazwaRodzajuKursu", .tytul = "Nazwa rodzaju kursu", .szerokosc = 300},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 60}};
constexpr KolumnaSlownika kPokrew[] = {
    {.pole = "NazwaPokrewienstwa", .tytul = "Stopień pokrewieństwa", .szerokosc = 300}};
constexpr KolumnaSlownika kStopnie[] = {
    {.pole = "NazwaStopnia", .tytul = "Nazwa stopnia", .szerokosc = 300},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 60}};
constexpr KolumnaSlownika kGrupy[] = {
    {.pole = "NazwaGrupy", .tytul = "Nazwa grupy", .szerokosc = 260},
    {.pole = "MnożnikGrupy", .tytul = "Mnożnik", .szerokosc = 90, .liczba = true},
    {.pole = "KodGrupy", .tytul = "Kod grupy", .szerokosc = 120}};
constexpr KolumnaSlownika kStanowiska[] = {
    {.pole = "NazwaStanowiska", .tytul = "Nazwa stanowiska", .szerokosc = 210},
    {.pole = "KodStanowiska", .tytul = "Kod", .szerokosc = 60},
    {.pole = "GrupaStanowiskSC", .tytul = "Grupa stanowisk S.C.", .szerokosc = 340, .kod = true},
    {.pole = "NazwaGrupyPlacowej", .tytul = "Grupa płacowa", .szerokosc = 230},
    {.pole = "Ubruttowienie", .tytul = "ZUS", .szerokosc = 50, .kod = true}};
constexpr KolumnaSlownika kFormy[] = {
    {.pole = "NazwaFormyZatrudnienia", .tytul = "Nazwa formy zatrudnienia", .szerokosc = 320},
    {.pole = "Symbol", .tytul = "Symbol", .szerokosc = 90}};
constexpr KolumnaSlownika kWydawcy[] = {
    {.pole = "Nazwa", .tytul = "Nazwa wydawcy rozkazów", .szerokosc = 300}};
constexpr KolumnaSlownika kGrupyInw[] = {
    {.pole = "NazwaGrupyInwalidzkiej", .tytul = "Nazwa grupy inwalidzkiej", .szerokosc = 340},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 90}};
constexpr KolumnaSlownika kSwiadcz[] = {
    {.pole = "RodzajSwiadczenia", .tytul = "Rodzaj świadczenia", .szerokosc = 340},
    {.pole = "Kod", .tytul = "Kod", .szerokosc = 90}};
constexpr KolumnaSlownika kUrlopy[] = {
    {.pole = "NazwaUrlopu", .tytul = "Nazwa urlopu", .szerokosc = 300},
    {.pole = "Symbol", .tytul = "Symbol", .szerokosc = 70},
    {.pole = "RodzajDni", .tytul = "Rodzaj dni", .szerokosc = 80, .kod = true},
    {.pole = "RodzajUrlopu", .tytul = "Rodzaj urlopu", .szerokosc = 90, .kod = true}};
constexpr KolumnaSlownika kOrdery[] = {
    {.pole = "NazwaOrderu", .tytul = "Nazwa orderu", .szerokosc = 380},
    {.pole = "KodOrderu", .tytul = "Kod orderu", .szerokosc = 120}};
constexpr KolumnaSlownika kOrgany[] = {
    {.pole = "NazwaOrganuNadajacego", .tytul = "Nazwa organu nadającego", .szerokosc = 380},
    {.pole = "KodOrganuNadajacego", .tytul = "Kod organu", .szerokosc = 120}};
constexpr KolumnaSlownika kKary[] = {{.pole = "NazwaKary", .tytul = "Nazwa kary", .szerokosc = 380},
                                     {.pole = "KodKary", .tytul = "Kod kary", .szerokosc = 120}};
constexpr KolumnaSlownika kWyroznienia[] = {
    {.pole = "NazwaWyroznienia", .tytul = "Nazwa wyróżnienia", .szerokosc = 380},
    {.pole = "KodWyroznienia", .tytul = "Kod wyróżnienia", .szerokosc = 120}};
constexpr KolumnaSlownika kStatusy[] = {{.pole = "NazwaStatPracCywilnego",
                                         .tytul = "Nazwa statusu pracownika cywilnego",
                                         .szerokosc = 400}};
constexpr KolumnaSlownika kPowody[] = {
    {.pole = "Powod", .tytul = "Podstawa zdarzenia kadrowego", .szerokosc = 400}};
constexpr KolumnaSlownika kRodzajeZd[] = {
    {.pole = "NazwaZdarzeniaKadrowego", .tytul = "Rodzaj zdarzenia kadrowego", .szerokosc = 400}};
constexpr KolumnaSlownika kPodstawy[] = {
    {.pole = "DataOd", .tytul = "Obowiązuje od", .szerokosc = 100},
    {.pole = "PodstawaFunkcjonariusze",
     .tytul = "Funkcjonariusze",
     .szerokosc = 120,
     .liczba = true},
    {.pole = "ZaokraglenieFunkcjonarius", .tytul = "Zaokr.", .szerokosc = 60, .liczba = true},
    {.pole = "PodstawaCywile", .tytul = "Cywile", .szerokosc = 120, .liczba = true},
    {.pole = "ZaokraglenieCywil", .tytul = "Zaokr.", .szerokosc = 60, .liczba = true},
    {.pole = "Ubruttowienie", .tytul = "ZUS", .szerokosc = 50}};
constexpr KolumnaSlownika kPremie[] = {
    {.pole = "Rok", .tytul = "Rok premi cywili", .szerokosc = 120, .liczba = true},
    {.pole = "Kwota", .tytul = "Procent premii", .szerokosc = 120, .liczba = true},
    {.pole = "Uwagi", .tytul = "Uwagi", .szerokosc = 300}};
constexpr KolumnaSlownika kStawki[] = {
    {.pole = "DataObowiazywania", .tytul = "Obowiązuje od", .szerokosc = 110},
    {.pole = "Wartosc", .tytul = "Wartość", .szerokosc = 120, .liczba = true},
    {.pole = "Ubruttowienie", .tytul = "Objęci ZUS", .szerokosc = 90, .kod = true}};

constexpr Encja kBezNazwy{};

constexpr OpisOknaSlownika kOkna[] = {
    {.okno = OknoSlownika::Stopnie,
     .nazwa = "TFRodzajeStopniWynagrodzen",
     .tekstMenu = "Rodzaje stopni i wynagrodzeń",
     .komponent = "TSlowStopni",
     .uklad = U::ZeStawkami,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "stopień",
               .biernik = "stopień",
               .dopelniacz = "stopnia"},
     .kolumny = kStopnie,
     .szerokosc = 560,
     .wysokosc = 560},
    {.okno = OknoSlownika::Grupy,
     .nazwa = "TFRodzajeGrupiWynagrodzen",
     .tekstMenu = "Rodzaje grup i wynagrodzeń",
     .komponent = "TSlowGrup",
     .uklad = U::ZeStawkami,
     .encja = {.rodzaj = Rodzaj::Zenski,
               .mianownik = "grupa",
               .biernik = "grupę",
               .dopelniacz = "grupy"},
     .kolumny = kGrupy,
     .szerokosc = 560,
     .wysokosc = 560},
    {.okno = OknoSlownika::Stanowiska,
     .nazwa = "TFSlownikStanowisk",
     .tekstMenu = "Słownik stanowisk",
     .komponent = "TSlowStanowisk",
     .uklad = U::Stanowiska,
     .encja = {.rodzaj = Rodzaj::Nijaki,
               .mianownik = "stanowisko",
               .biernik = "stanowisko",
               .dopelniacz = "stanowiska"},
     .kolumny = kStanowiska,
     .szerokosc = 940,
     .wysokosc = 520},
    {.okno = OknoSlownika::FormyZatrudnienia,
     .nazwa = "TFSlownikFormZatrudnienia",
     .tekstMenu = "Słownik form zatrudnienia",
     .komponent = "TSlowFormZatr",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Zenski,
               .mianownik = "forma zatrudnienia",
               .biernik = "formę zatrudnienia",
               .dopelniacz = "formy zatrudnienia"},
     .kolumny = kFormy,
     .szerokosc = 500,
     .wysokosc = 400},
    {.okno = OknoSlownika::GrupyInwalidzkie,
     .nazwa = "TFSlownikGrupInwalidzkich",
     .tekstMenu = "Słownik grup inwalidzkich",
     .komponent = "TSlGrupInw",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Zenski,
               .mianownik = "grupa inwalidzka",
               .biernik = "grupę inwalidzką",
               .dopelniacz = "grupy inwalidzkiej"},
     .kolumny = kGrupyInw,
     .szerokosc = 520,
     .wysokosc = 400},
    {.okno = OknoSlownika::Swiadczenia,
     .nazwa = "TFSlownikRodzajowSwiadczenEmerytalnych",
     .tekstMenu = "Słownik rodzajów emerytur / rent",
     .komponent = "TSlRodzSw",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rodzaj świadczenia",
               .biernik = "rodzaj świadczenia",
               .dopelniacz = "rodzaju świadczenia"},
     .kolumny = kSwiadcz,
     .szerokosc = 520,
     .wysokosc = 400},
    {.okno = OknoSlownika::StatusyCywili,
     .nazwa = "TFSlownikStatusowPracownikaCywilnego",
     .tekstMenu = "Słownik statusów pracowników cywilnych",
     .komponent = "TSlowStatPracCyw",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "status pracownika cywilnego",
               .biernik = "status pracownika cywilnego",
               .dopelniacz = "statusu pracownika cywilnego"},
     .kolumny = kStatusy,
     .szerokosc = 520,
     .wysokosc = 400},
    {.okno = OknoSlownika::Wydawcy,
     .nazwa = "TFWydawcy",
     .tekstMenu = "Wystawcy rozkazów",
     .komponent = "TWydawcy",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "wydawca rozkazów",
               .biernik = "wydawcę rozkazów",
               .dopelniacz = "wydawcy rozkazów"},
     .kolumny = kWydawcy,
     .szerokosc = 460,
     .wysokosc = 400},
    {.okno = OknoSlownika::RodzajeWyksztalcenia,
     .nazwa = "TFRodzajeWyksztalcenia",
     .tekstMenu = "Rodzaje wykształceń",
     .komponent = "TRodzWyk",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rodzaj wykształceń",
               .biernik = "rodzaj wykształceń",
               .dopelniacz = "rodzaju wykształceń"},
     .kolumny = kRodzWyk,
     .szerokosc = 520,
     .wysokosc = 400},
    {.okno = OknoSlownika::StopnieNaukowe,
     .nazwa = "TFRodzajeStopniNaukowych",
     .tekstMenu = "Rodzaje stopni naukowych",
     .komponent = "TStNaukowe",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "stopień naukowy",
               .biernik = "stopień naukowy",
               .dopelniacz = "stopnia naukowego"},
     .kolumny = kStNauk,
     .szerokosc = 460,
     .wysokosc = 400},
    {.okno = OknoSlownika::TytulyZawodowe,
     .nazwa = "TFSlownikTytZawod",
     .tekstMenu = "Rodzaje tytułów zawodowych",
     .komponent = "TTytZawod",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "tytuł zawodowy",
               .biernik = "tytuł zawodowy",
               .dopelniacz = "tytułu zawodowego"},
     .kolumny = kTytZaw,
     .szerokosc = 460,
     .wysokosc = 400},
    {.okno = OknoSlownika::RodzajeKursow,
     .nazwa = "TFRodzajeKursow",
     .tekstMenu = "Rodzaje kursów i studiów podyplomowych",
     .komponent = "TRodzajeKursow",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rodzaj kursu",
               .biernik = "rodzaj kursu",
               .dopelniacz = "rodzaju kursu"},
     .kolumny = kRodzKurs,
     .szerokosc = 480,
     .wysokosc = 400},
    {.okno = OknoSlownika::Pokrewienstwa,
     .nazwa = "TFRodzajePokrewienst",
     .tekstMenu = "Rodzaje pokrewieństw",
     .komponent = "TSlowPokrew",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "stopień pokrewieństwa",
               .biernik = "stopień pokrewieństwa",
               .dopelniacz = "stopnia pokrewieństwa"},
     .kolumny = kPokrew,
     .szerokosc = 440,
     .wysokosc = 400},
    {.okno = OknoSlownika::RodzajeUrlopow,
     .nazwa = "TFRodzajeUrlopow",
     .tekstMenu = "Rodzaje urlopów",
     .komponent = "TRodzUrlop",
     .uklad = U::Urlopy,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rodzaj urlopu",
               .biernik = "rodzaj urlopu",
               .dopelniacz = "rodzaju urlopu"},
     .kolumny = kUrlopy,
     .szerokosc = 600,
     .wysokosc = 480},
    {.okno = OknoSlownika::PodstawyWynagrodzen,
     .nazwa = "TFPodstawyWynagrodzen",
     .tekstMenu = "Podstawy wynagrodzeń w grupach płacowych",
     .komponent = "TPodstawy",
     .uklad = U::Podstawy,
     .encja = {.rodzaj = Rodzaj::Zenski,
               .mianownik = "podstawa",
               .biernik = "podstawę",
               .dopelniacz = "podstawy"},
     .kolumny = kPodstawy,
     .szerokosc = 620,
     .wysokosc = 480},
    {.okno = OknoSlownika::PremieCywili,
     .nazwa = "TFPremieCywili",
     .tekstMenu = "Premia pracowników cywilnych",
     .komponent = "TPremie",
     .uklad = U::Premie,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rok premii",
               .biernik = "rok premii",
               .dopelniacz = "roku premii"},
     .kolumny = kPremie,
     .szerokosc = 580,
     .wysokosc = 400},
    {.okno = OknoSlownika::Ordery,
     .nazwa = "TFSlownikOrderow",
     .tekstMenu = "Słownik orderów",
     .komponent = "TSlowOrderow",
     .uklad = U::Prosty,
     .encja = kBezNazwy,
     .kolumny = kOrdery,
     .szerokosc = 560,
     .wysokosc = 400},
    {.okno = OknoSlownika::OrganyNadajace,
     .nazwa = "TFSlownikOrganowNadajacych",
     .tekstMenu = "Słownik organów nadających",
     .komponent = "TSlowOrganowNadajacych",
     .uklad = U::Prosty,
     .encja = kBezNazwy,
     .kolumny = kOrgany,
     .szerokosc = 560,
     .wysokosc = 400},
    {.okno = OknoSlownika::Kary,
     .nazwa = "TFSlownikKar",
     .tekstMenu = "Słownik kar",
     .komponent = "TSlowKar",
     .uklad = U::Prosty,
     .encja = kBezNazwy,
     .kolumny = kKary,
     .szerokosc = 560,
     .wysokosc = 400},
    {.okno = OknoSlownika::Wyroznienia,
     .nazwa = "TFSlowWyroznien",
     .tekstMenu = "Słownik wyróżnień",
     .komponent = "TSlowWyr",
     .uklad = U::Prosty,
     .encja = kBezNazwy,
     .kolumny = kWyroznienia,
     .szerokosc = 560,
     .wysokosc = 400},
    {.okno = OknoSlownika::PodstawyZdarzen,
     .nazwa = "TFPdstawyyZdarzenKadrowych",
     .tekstMenu = "Podstawy zdarzeń kadrowych",
     .komponent = "TPowodZdarzeniaKadrowego",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Zenski,
               .mianownik = "podstawa zdarzenia kadrowego",
               .biernik = "podstawę zdarzenia kadrowego",
               .dopelniacz = "podstawy zdarzenia kadrowego"},
     .kolumny = kPowody,
     .szerokosc = 520,
     .wysokosc = 400},
    {.okno = OknoSlownika::RodzajeZdarzen,
     .nazwa = "TFRodzajZdarzeniaKadrowego",
     .tekstMenu = "Rodzaje zdarzeń kadrowych",
     .komponent = "TRodzajZdarzeniaKadrowego",
     .uklad = U::Prosty,
     .encja = {.rodzaj = Rodzaj::Meski,
               .mianownik = "rodzaj zdarzenia kadrowego",
               .biernik = "rodzaj zdarzenia kadrowego",
               .dopelniacz = "rodzaju zdarzenia kadrowego"},
     .kolumny = kRodzajeZd,
     .szerokosc = 520,
     .wysokosc = 400},
};

QString Tekst(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

std::span<const OpisOknaSlownika> OpisyOkienSlownikow() {
    return kOkna;
}

const OpisOknaSlownika& OpisOkna(OknoSlownika okno) {
    for (const auto& o : kOkna)
        if (o.okno == okno)
            return o;
    return kOkna[0];
}

std::span<const KolumnaSlownika> KolumnyStawek() {
    return kStawki;
}

kit::NavigatorHints PodpowiedziNawigatora(const Encja& e) {
    if (!e.mianownik)
        return {"Pierwszy", "Poprzedni", "Następny",    "Ostatni",       "Dodaj ",
                "Skasuj",   "Edytuj ",   "Zapisz dane", "Porzuć zmiany", "Odśwież dane"};
    const std::string m = e.mianownik, b = e.biernik, d = e.dopelniacz;
    const char* const meskie[] = {"Pierwszy ", "Poprzedni ", "Następny ", "Ostatni "};
    const char* const zenskie[] = {"Pierwsza ", "Poprzednia ", "Następna ", "Ostatnia "};
    const char* const nijakie[] = {"Pierwsze ", "Poprzednie ", "Następne ", "Ostatnie "};
    const char* const* p = e.rodzaj == Rodzaj::Meski    ? meskie
                           : e.rodzaj == Rodzaj::Zenski ? zenskie
                                                        : nijakie;
    return {Tekst(p[0] + m),           Tekst(p[1] + m),
            Tekst(p[2] + m),           Tekst(p[3] + m),
            Tekst("Dodaj " + b),       Tekst("Skasuj " + b),
            Tekst("Edytuj dane " + d), Tekst("Zapisz dane " + d),
            "Porzuć zmiany",           "Odśwież dane"};
}

}  // namespace mirta::store::ui
