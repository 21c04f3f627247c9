// Every code list of the records: the one place their texts are written.
#include "store/listy_kodow.h"

#include <stdexcept>

namespace mirta::store {
namespace {

constexpr const char* kIksy = "XXXXXX";

// ---- Employee

constexpr PozycjaKodu kPlec[] = {{.kod = "K", .tekst = "Kobieta"},
                                 {.kod = "M", .tekst = "Mężczyzna"}};
constexpr PozycjaKodu kPodzial[] = {{.kod = "1", .tekst = "1 - funkcjonariusz"},
                                    {.kod = "2", .tekst = "2 - pracownik cywilny"},
                                    {.kod = "3", .tekst = "3 - pracownik służby cywilnej"},
                                    {.kod = "4", .tekst = "4 - emeryt pobierający świadczenia"}};
constexpr PozycjaKodu kSystemSluzby[] = {{.kod = "0", .tekst = "0 - cywil"},
                                         {.kod = "1", .tekst = "1-codzienny, funkcje wykonawcze"},
                                         {.kod = "2", .tekst = "2 - zmianowy"},
                                         {.kod = "3", .tekst = "3-codzienny, funkcje dowódcze"},
                                         {.kod = "4", .tekst = "4-Inny bez dodatkowego urlopu"}};

// ---- Pay and service history

// Rates, positions and salary bases: the amount applies to people covered by social insurance.
constexpr PozycjaKodu kUbruttowienie[] = {{.kod = "T", .tekst = "Tak"},
                                          {.kod = "N", .tekst = "Nie"}};
constexpr PozycjaKodu kRodzajNagrody[] = {{.kod = "1", .tekst = "1 - uznaniowa"},
                                          {.kod = "2", .tekst = "2 - regulaminowa"},
                                          {.kod = "3", .tekst = "3 - roczna"},
                                          {.kod = "4", .tekst = "4 - jubileuszowa"}};
constexpr PozycjaKodu kGrupaSzkodliwosciDo2006[] = {
    {.kod = "0", .tekst = "0 - nie dotyczy"},
    {.kod = "1", .tekst = "1 - I st. uciążliwości"},
    {.kod = "2", .tekst = "2 - II st. uciążliwości"},
    {.kod = "3", .tekst = "3 - III st. uciążliwości"},
    {.kod = "4", .tekst = "4 - IV st uciążliwości"}};
constexpr PozycjaKodu kGrupaSzkodliwosciOd2007[] = {
    {.kod = "0", .tekst = "0 - nie dotyczy"},
    {.kod = "1", .tekst = "1 - służba codzienna, funkcje wykonawcze"},
    {.kod = "2", .tekst = "2 - służba codzienna, funkcje dowódcze"},
    {.kod = "3", .tekst = "3 - zmianowy rozkład czasu służby"},
    {.kod = "4", .tekst = "4 - zmianowy rozkład czasu służby"}};

// ---- Dictionaries

constexpr PozycjaKodu kGrupaStanowiskSC[] = {
    {.kod = "0", .tekst = "0 - nie dotyczy"},
    {.kod = "1", .tekst = "1 - wyższe stanowiska"},
    {.kod = "2", .tekst = "2-stanowiska średniego szczebla zarządzania w S.C."},
    {.kod = "3", .tekst = "3 - stanowiska koordynujące i samodzielne w S.C."},
    {.kod = "4", .tekst = "4 - stanowiska specjalistyczne w S.C."},
    {.kod = "5", .tekst = "5 - stanowiska wspomagające w S.C."}};
// How the days of a leave type are counted.
constexpr PozycjaKodu kRodzajDni[] = {{.kod = "R", .tekst = "R - dni robocze"},
                                      {.kod = "K", .tekst = "K - dni kalendarzowe"},
                                      {.kod = "F", .tekst = "F-urlop funkcjonariusza"}};
// The kind of a leave type (RodzUrlop.db, not the leave type of a leave row).
constexpr PozycjaKodu kRodzajUrlopu[] = {{.kod = "I", .tekst = "I - inny"},
                                         {.kod = "D", .tekst = "D - dodatkowy"},
                                         {.kod = "W", .tekst = "W-wypoczynkowy"}};

// ---- Absences

constexpr PozycjaKodu kRodzajChoroby[] = {{.kod = "1", .tekst = "1 - chorobowe"},
                                          {.kod = "2", .tekst = "2-opieka nad członkiem rodziny"},
                                          {.kod = "3", .tekst = "3 - pobyt w szpitalu"}};
constexpr PozycjaKodu kRodzajNieobecnosci[] = {
    {.kod = "1", .tekst = "1 - nieobecność usprawiedliwiona"},
    {.kod = "2", .tekst = "2-nieobecność nieusprawiedliwiona"}};

// ---- Employment end, examinations

constexpr PozycjaKodu kPowod[] = {{.kod = "1", .tekst = "1-urlop wychowawczy"},
                                  {.kod = "2", .tekst = "2-urlop bezpłatny"},
                                  {.kod = "3", .tekst = "3-służba wojskowa"},
                                  {.kod = "4", .tekst = "4-areszt tymczasowy"},
                                  {.kod = "5", .tekst = "5-inny zakład pracy"},
                                  {.kod = "6", .tekst = "6-inny sposób zawieszenia"}};
constexpr PozycjaKodu kKlasyfikacjaZawieszenia[] = {{.kod = "1", .tekst = "1-50 % uposażenia"},
                                                    {.kod = "2", .tekst = "2-urlop wychowawczy"},
                                                    {.kod = "3", .tekst = "3-urlop bezpłatny"},
                                                    {.kod = "4", .tekst = "4-inne"}};
constexpr PozycjaKodu kTypWypowiedzenia[] = {{.kod = "1", .tekst = "1 - umowy o pracę"},
                                             {.kod = "2", .tekst = "2 - z mianowania"}};
constexpr PozycjaKodu kRodzajBadania[] = {{.kod = "1", .tekst = "1 - wstępne"},
                                          {.kod = "2", .tekst = "2 - okresowe"},
                                          {.kod = "3", .tekst = "3 - kontrolne"},
                                          {.kod = "4", .tekst = "4-orzeczenie komisji lekarskiej"}};
constexpr PozycjaKodu kWynikBadania[] = {
    {.kod = "1", .tekst = "1 - zdolny"},
    {.kod = "2", .tekst = "2 - zdolny z ograniczeniem czasowym"},
    {.kod = "3", .tekst = "3-niezdolny do służby na zajmowanym stanowisku"},
    {.kod = "4", .tekst = "4 - niezdolny do służby"}};

constexpr ListaKodow kListy[] = {
    {.nazwa = "Plec", .pozycje = kPlec, .nieznany = kIksy, .pustyJakNieznany = false},
    {.nazwa = "Podzial", .pozycje = kPodzial, .nieznany = kIksy, .pustyJakNieznany = false},
    {.nazwa = "SystemSluzby", .pozycje = kSystemSluzby, .nieznany = kIksy},
    {.nazwa = "Ubruttowienie", .pozycje = kUbruttowienie},
    {.nazwa = "RodzajNagrody", .pozycje = kRodzajNagrody},
    {.nazwa = "GrupaSzkodliwosciDo2006", .pozycje = kGrupaSzkodliwosciDo2006, .nieznany = kIksy},
    {.nazwa = "GrupaSzkodliwosciOd2007", .pozycje = kGrupaSzkodliwosciOd2007, .nieznany = kIksy},
    {.nazwa = "GrupaStanowiskSC", .pozycje = kGrupaStanowiskSC},
    {.nazwa = "RodzajDni", .pozycje = kRodzajDni},
    {.nazwa = "RodzajUrlopu", .pozycje = kRodzajUrlopu},
    {.nazwa = "RodzajChoroby", .pozycje = kRodzajChoroby},
    {.nazwa = "RodzajNieobecnosci", .pozycje = kRodzajNieobecnosci},
    {.nazwa = "Powod", .pozycje = kPowod},
    {.nazwa = "KlasyfikacjaZawieszenia", .pozycje = kKlasyfikacjaZawieszenia},
    {.nazwa = "TypWypowiedzenia", .pozycje = kTypWypowiedzenia},
    {.nazwa = "RodzajBadania", .pozycje = kRodzajBadania},
    {.nazwa = "WynikBadania", .pozycje = kWynikBadania},
};

}  // namespace

std::string ListaKodow::Tekst(std::string_view kod) const {
    if (kod.empty())
        return pustyJakNieznany ? std::string(nieznany) : std::string();
    for (const PozycjaKodu& p : pozycje)
        if (p.kod == kod)
            return std::string(p.tekst);
    return std::string(nieznany);
}

bool ListaKodow::Zawiera(std::string_view kod) const {
    for (const PozycjaKodu& p : pozycje)
        if (p.kod == kod)
            return true;
    return false;
}

const ListaKodow* ZnajdzListe(std::string_view nazwa) {
    for (const ListaKodow& l : kListy)
        if (l.nazwa == nazwa)
            return &l;
    return nullptr;
}

const ListaKodow& Lista(std::string_view nazwa) {
    if (const ListaKodow* l = ZnajdzListe(nazwa))
        return *l;
    throw std::logic_error("Brak listy kodów: " + std::string(nazwa));
}

const ListaKodow& ListaGrupSzkodliwosci(int rokPrzetwarzania) {
    return Lista(rokPrzetwarzania <= 2006 ? "GrupaSzkodliwosciDo2006" : "GrupaSzkodliwosciOd2007");
}

std::span<const ListaKodow> WszystkieListy() {
    return kListy;
}

}  // namespace mirta::store
