// The dictionary windows: names, menu texts, tables, grid columns and navigator hints.
#include "store/ui/opisy_okien_slownikow.h"

#include <string>

namespace mirta::store::ui {
namespace {

using R = Rodzaj;
using U = Uklad;

constexpr KolumnaSlownika kRodzWyk[] = {
    {"NazwaRodzajuWykształcenia", "Nazwa rodzaju wykształcenia", 380},
    {"KodWyksztalcenia", "Kod", 60}};
constexpr KolumnaSlownika kStNauk[] = {{"NazwaStopniaNaukowego", "Nazwa stopnia naukowego", 300},
                                       {"Kod", "Kod", 60}};
constexpr KolumnaSlownika kTytZaw[] = {{"NazwaTytuluZawodowego", "Nazwa tytułu zawodowego", 300},
                                       {"Kod", "Kod", 60}};
constexpr KolumnaSlownika kRodzKurs[] = {{"NazwaRodzajuKursu", "Nazwa rodzaju kursu", 300},
                                         {"Kod", "Kod", 60}};
constexpr KolumnaSlownika kPokrew[] = {{"NazwaPokrewienstwa", "Stopień pokrewieństwa", 300}};
constexpr KolumnaSlownika kStopnie[] = {{"NazwaStopnia", "Nazwa stopnia", 300}, {"Kod", "Kod", 60}};
constexpr KolumnaSlownika kGrupy[] = {{"NazwaGrupy", "Nazwa grupy", 260},
                                      {"MnożnikGrupy", "Mnożnik", 90, true},
                                      {"KodGrupy", "Kod grupy", 120}};
constexpr KolumnaSlownika kStanowiska[] = {
    {"NazwaStanowiska", "Nazwa stanowiska", 210},
    {"KodStanowiska", "Kod", 60},
    {"GrupaStanowiskSC", "Grupa stanowisk S.C.", 340, false, true},
    {"NazwaGrupyPlacowej", "Grupa płacowa", 230},
    {"Ubruttowienie", "ZUS", 50, false, true}};
constexpr KolumnaSlownika kFormy[] = {{"NazwaFormyZatrudnienia", "Nazwa formy zatrudnienia", 320},
                                      {"Symbol", "Symbol", 90}};
constexpr KolumnaSlownika kWydawcy[] = {{"Nazwa", "Nazwa wydawcy rozkazów", 300}};
constexpr KolumnaSlownika kGrupyInw[] = {
    {"NazwaGrupyInwalidzkiej", "Nazwa grupy inwalidzkiej", 340}, {"Kod", "Kod", 90}};
constexpr KolumnaSlownika kSwiadcz[] = {{"RodzajSwiadczenia", "Rodzaj świadczenia", 340},
                                        {"Kod", "Kod", 90}};
constexpr KolumnaSlownika kUrlopy[] = {{"NazwaUrlopu", "Nazwa urlopu", 300},
                                       {"Symbol", "Symbol", 70},
                                       {"RodzajDni", "Rodzaj dni", 80, false, true},
                                       {"RodzajUrlopu", "Rodzaj urlopu", 90, false, true}};
constexpr KolumnaSlownika kOrdery[] = {{"NazwaOrderu", "Nazwa orderu", 380},
                                       {"KodOrderu", "Kod orderu", 120}};
constexpr KolumnaSlownika kOrgany[] = {{"NazwaOrganuNadajacego", "Nazwa organu nadającego", 380},
                                       {"KodOrganuNadajacego", "Kod organu", 120}};
constexpr KolumnaSlownika kKary[] = {{"NazwaKary", "Nazwa kary", 380},
                                     {"KodKary", "Kod kary", 120}};
constexpr KolumnaSlownika kWyroznienia[] = {{"NazwaWyroznienia", "Nazwa wyróżnienia", 380},
                                            {"KodWyroznienia", "Kod wyróżnienia", 120}};
constexpr KolumnaSlownika kStatusy[] = {
    {"NazwaStatPracCywilnego", "Nazwa statusu pracownika cywilnego", 400}};
constexpr KolumnaSlownika kPowody[] = {{"Powod", "Podstawa zdarzenia kadrowego", 400}};
constexpr KolumnaSlownika kRodzajeZd[] = {
    {"NazwaZdarzeniaKadrowego", "Rodzaj zdarzenia kadrowego", 400}};
constexpr KolumnaSlownika kPodstawy[] = {{"DataOd", "Obowiązuje od", 100},
                                         {"PodstawaFunkcjonariusze", "Funkcjonariusze", 120, true},
                                         {"ZaokraglenieFunkcjonarius", "Zaokr.", 60, true},
                                         {"PodstawaCywile", "Cywile", 120, true},
                                         {"ZaokraglenieCywil", "Zaokr.", 60, true},
                                         {"Ubruttowienie", "ZUS", 50}};
constexpr KolumnaSlownika kPremie[] = {{"Rok", "Rok premi cywili", 120, true},
                                       {"Kwota", "Procent premii", 120, true},
                                       {"Uwagi", "Uwagi", 300}};
constexpr KolumnaSlownika kStawki[] = {{"DataObowiazywania", "Obowiązuje od", 110},
                                       {"Wartosc", "Wartość", 120, true},
                                       {"Ubruttowienie", "Objęci ZUS", 90, false, true}};

constexpr Encja kBezNazwy{};

constexpr OpisOknaSlownika kOkna[] = {
    {OknoSlownika::Stopnie,
     "TFRodzajeStopniWynagrodzen",
     "Rodzaje stopni i wynagrodzeń",
     "TSlowStopni",
     U::ZeStawkami,
     {R::Meski, "stopień", "stopień", "stopnia"},
     kStopnie,
     560,
     560},
    {OknoSlownika::Grupy,
     "TFRodzajeGrupiWynagrodzen",
     "Rodzaje grup i wynagrodzeń",
     "TSlowGrup",
     U::ZeStawkami,
     {R::Zenski, "grupa", "grupę", "grupy"},
     kGrupy,
     560,
     560},
    {OknoSlownika::Stanowiska,
     "TFSlownikStanowisk",
     "Słownik stanowisk",
     "TSlowStanowisk",
     U::Stanowiska,
     {R::Nijaki, "stanowisko", "stanowisko", "stanowiska"},
     kStanowiska,
     940,
     520},
    {OknoSlownika::FormyZatrudnienia,
     "TFSlownikFormZatrudnienia",
     "Słownik form zatrudnienia",
     "TSlowFormZatr",
     U::Prosty,
     {R::Zenski, "forma zatrudnienia", "formę zatrudnienia", "formy zatrudnienia"},
     kFormy,
     500,
     400},
    {OknoSlownika::GrupyInwalidzkie,
     "TFSlownikGrupInwalidzkich",
     "Słownik grup inwalidzkich",
     "TSlGrupInw",
     U::Prosty,
     {R::Zenski, "grupa inwalidzka", "grupę inwalidzką", "grupy inwalidzkiej"},
     kGrupyInw,
     520,
     400},
    {OknoSlownika::Swiadczenia,
     "TFSlownikRodzajowSwiadczenEmerytalnych",
     "Słownik rodzajów emerytur / rent",
     "TSlRodzSw",
     U::Prosty,
     {R::Meski, "rodzaj świadczenia", "rodzaj świadczenia", "rodzaju świadczenia"},
     kSwiadcz,
     520,
     400},
    {OknoSlownika::StatusyCywili,
     "TFSlownikStatusowPracownikaCywilnego",
     "Słownik statusów pracowników cywilnych",
     "TSlowStatPracCyw",
     U::Prosty,
     {R::Meski, "status pracownika cywilnego", "status pracownika cywilnego",
      "statusu pracownika cywilnego"},
     kStatusy,
     520,
     400},
    {OknoSlownika::Wydawcy,
     "TFWydawcy",
     "Wystawcy rozkazów",
     "TWydawcy",
     U::Prosty,
     {R::Meski, "wydawca rozkazów", "wydawcę rozkazów", "wydawcy rozkazów"},
     kWydawcy,
     460,
     400},
    {OknoSlownika::RodzajeWyksztalcenia,
     "TFRodzajeWyksztalcenia",
     "Rodzaje wykształceń",
     "TRodzWyk",
     U::Prosty,
     {R::Meski, "rodzaj wykształceń", "rodzaj wykształceń", "rodzaju wykształceń"},
     kRodzWyk,
     520,
     400},
    {OknoSlownika::StopnieNaukowe,
     "TFRodzajeStopniNaukowych",
     "Rodzaje stopni naukowych",
     "TStNaukowe",
     U::Prosty,
     {R::Meski, "stopień naukowy", "stopień naukowy", "stopnia naukowego"},
     kStNauk,
     460,
     400},
    {OknoSlownika::TytulyZawodowe,
     "TFSlownikTytZawod",
     "Rodzaje tytułów zawodowych",
     "TTytZawod",
     U::Prosty,
     {R::Meski, "tytuł zawodowy", "tytuł zawodowy", "tytułu zawodowego"},
     kTytZaw,
     460,
     400},
    {OknoSlownika::RodzajeKursow,
     "TFRodzajeKursow",
     "Rodzaje kursów i studiów podyplomowych",
     "TRodzajeKursow",
     U::Prosty,
     {R::Meski, "rodzaj kursu", "rodzaj kursu", "rodzaju kursu"},
     kRodzKurs,
     480,
     400},
    {OknoSlownika::Pokrewienstwa,
     "TFRodzajePokrewienst",
     "Rodzaje pokrewieństw",
     "TSlowPokrew",
     U::Prosty,
     {R::Meski, "stopień pokrewieństwa", "stopień pokrewieństwa", "stopnia pokrewieństwa"},
     kPokrew,
     440,
     400},
    {OknoSlownika::RodzajeUrlopow,
     "TFRodzajeUrlopow",
     "Rodzaje urlopów",
     "TRodzUrlop",
     U::Urlopy,
     {R::Meski, "rodzaj urlopu", "rodzaj urlopu", "rodzaju urlopu"},
     kUrlopy,
     600,
     480},
    {OknoSlownika::PodstawyWynagrodzen,
     "TFPodstawyWynagrodzen",
     "Podstawy wynagrodzeń w grupach płacowych",
     "TPodstawy",
     U::Podstawy,
     {R::Zenski, "podstawa", "podstawę", "podstawy"},
     kPodstawy,
     620,
     480},
    {OknoSlownika::PremieCywili,
     "TFPremieCywili",
     "Premia pracowników cywilnych",
     "TPremie",
     U::Premie,
     {R::Meski, "rok premii", "rok premii", "roku premii"},
     kPremie,
     580,
     400},
    {OknoSlownika::Ordery, "TFSlownikOrderow", "Słownik orderów", "TSlowOrderow", U::Prosty,
     kBezNazwy, kOrdery, 560, 400},
    {OknoSlownika::OrganyNadajace, "TFSlownikOrganowNadajacych", "Słownik organów nadających",
     "TSlowOrganowNadajacych", U::Prosty, kBezNazwy, kOrgany, 560, 400},
    {OknoSlownika::Kary, "TFSlownikKar", "Słownik kar", "TSlowKar", U::Prosty, kBezNazwy, kKary,
     560, 400},
    {OknoSlownika::Wyroznienia, "TFSlowWyroznien", "Słownik wyróżnień", "TSlowWyr", U::Prosty,
     kBezNazwy, kWyroznienia, 560, 400},
    {OknoSlownika::PodstawyZdarzen,
     "TFPdstawyyZdarzenKadrowych",
     "Podstawy zdarzeń kadrowych",
     "TPowodZdarzeniaKadrowego",
     U::Prosty,
     {R::Zenski, "podstawa zdarzenia kadrowego", "podstawę zdarzenia kadrowego",
      "podstawy zdarzenia kadrowego"},
     kPowody,
     520,
     400},
    {OknoSlownika::RodzajeZdarzen,
     "TFRodzajZdarzeniaKadrowego",
     "Rodzaje zdarzeń kadrowych",
     "TRodzajZdarzeniaKadrowego",
     U::Prosty,
     {R::Meski, "rodzaj zdarzenia kadrowego", "rodzaj zdarzenia kadrowego",
      "rodzaju zdarzenia kadrowego"},
     kRodzajeZd,
     520,
     400},
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
