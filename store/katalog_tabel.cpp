// The structure of every table: file names, fields in file order with their sizes, index
// orders, keys and links. Existing files are checked against these, new ones made from them.
#include "store/katalog.h"

namespace mirta::store {
namespace {

using engine::FieldType;

constexpr OpisPola Tekst(std::string_view n, int rozmiar) { return {n, FieldType::Alpha, rozmiar}; }
constexpr OpisPola Data(std::string_view n) { return {n, FieldType::Date}; }
constexpr OpisPola Czas(std::string_view n) { return {n, FieldType::Time}; }
constexpr OpisPola Liczba(std::string_view n) { return {n, FieldType::Number}; }
constexpr OpisPola Int16(std::string_view n) { return {n, FieldType::Short}; }
constexpr OpisPola Int32(std::string_view n) { return {n, FieldType::Long}; }
constexpr OpisPola AutoInc(std::string_view n) { return {n, FieldType::AutoInc}; }
constexpr OpisPola Logiczne(std::string_view n) { return {n, FieldType::Logical}; }
constexpr OpisPola Obce(OpisPola p) {
    p.nazwaObca = true;
    return p;
}
constexpr OpisPola Lookup(std::string_view n, FieldType typ, int rozmiar, std::string_view pole,
                          std::string_view komponent, std::string_view poleSlownika,
                          std::string_view wynik) {
    return {n, typ, rozmiar, 0, RodzajPola::Lookup, pole, komponent, poleSlownika, wynik};
}
constexpr OpisPola LookupTekst(std::string_view n, int rozmiar, std::string_view pole,
                               std::string_view komponent, std::string_view poleSlownika,
                               std::string_view wynik) {
    return Lookup(n, FieldType::Alpha, rozmiar, pole, komponent, poleSlownika, wynik);
}
constexpr OpisPola Wyliczane(std::string_view n, FieldType typ, int rozmiar = 0) {
    return {n, typ, rozmiar, 0, RodzajPola::Wyliczane};
}
// dBase columns.
constexpr OpisPola Znakowe(std::string_view n, int szerokosc) { return {n, FieldType::Alpha, szerokosc}; }
constexpr OpisPola Numeryczne(std::string_view n, int szerokosc, int miejsca) {
    return {n, FieldType::Number, szerokosc, miejsca};
}
constexpr OpisPola DataDbf(std::string_view n) { return {n, FieldType::Date, 8}; }

constexpr Powiazanie kDoPracownika{"IdentyfikatorPracownika", "TPracownicy", "Identyfikator"};
constexpr Powiazanie kDoPracownikaId{"IdPracownika", "TPracownicy", "Identyfikator"};

// Lookups shared by several record kinds.
constexpr OpisPola kNazwaPodstawy = LookupTekst("NazwaPodstawy", 100, "IdPodstawy",
                                                "TPowodZdarzeniaKadrowego", "Identyfikator", "Powod");

// ---- Employee master and service history (TDM) ----

constexpr OpisPola kParametryKadr[] = {
    Int16("Identyfikator"), Tekst("SciezkaPlac", 100), Logiczne("AktualizacjaDanychPlacowy")};

constexpr OpisPola kMirta[] = {
    AutoInc("Identyfikator"), Int32("NumerPracownika"), Tekst("Nazwisko", 30),
    Tekst("Imie1", 15), Tekst("Imie2", 15), Tekst("KodPocztowy", 6), Tekst("Miejscowosc", 20),
    Tekst("Poczta", 20), Tekst("Ulica", 20), Tekst("NrDomuiMieszkania", 17),
    Data("DataUrodzenia"), Tekst("ImieOjca", 15), Tekst("ImieMatki", 15),
    Tekst("UmyslowyFizyczny", 1), Liczba("Etat"), Tekst("SystemZatrudnienia", 1),
    Tekst("KosztyUzyskaniaPrzychodu", 1), Data("DataZatrudnienia"), Data("DataZwolnienia"),
    Tekst("KontoKosztow", 12), Tekst("UlgaPodatkowa", 1), Tekst("NumerDowoduOsobistego", 10),
    Tekst("NumerKontaBankowego", 60), Tekst("Plec", 1), Tekst("MiejsceUrodzenia", 20),
    Tekst("PESEL", 13), Int16("UrzadSkarbowy"), Tekst("KtoWydalDowodosobisty", 30),
    Tekst("CharakterZatrudnienia", 1), Tekst("Nip", 13), Tekst("KodUbezpieczenia", 6),
    Int16("Kraj"), Int16("Gmina"), Int32("NumerListy"), Tekst("DrugiKodUbezpieczenia", 6),
    Int16("LiczbaOsobDoZasilkuRodzin"), Int16("LiczbaOsobDoZasilkuPieleg"),
    Tekst("NazwiskoRodoweMatki", 30), Tekst("NazwiskoRodowe", 30), Data("DataWystawieniaDowodu"),
    Tekst("KodPocztaZamieszkania", 35), Tekst("MiejscowoscAdresZamieszka", 50),
    Tekst("TelefonZamieszkania", 20), Tekst("OsobaPowiadamiania", 30),
    Tekst("KodPocztaPowiadamiania", 35), Tekst("MiejscowoscAdresPowiadami", 50),
    Tekst("TelefonPowiadamiania", 20), Tekst("NrEwidencyjny", 12), Tekst("Podzial", 1),
    Int16("KomorkaOrganizacyjna"), Tekst("SystemSluzby", 1), Tekst("KodZamieszkania", 7),
    Tekst("KodWystawcyDowodu", 7), Data("DataDoWyslugi"), Data("DataDoSluzby"),
    Data("DataDoNagrodyJubileuszowe"), Wyliczane("AktualneStanowisko", FieldType::Alpha, 30),
    Wyliczane("AktualnyStopien", FieldType::Alpha, 30), Data("DataDoEmerytury"),
    Tekst("TelefonKomorkowy", 20), Data("DataWaznosciDowodu"), Tekst("AdresMail", 100),
    Int16("IdStPracCyw"),
    LookupTekst("NazwaStatusuPracownikaCywilnego", 100, "IdStPracCyw", "TSlowStatPracCyw",
                "Identyfikator", "NazwaStatPracCywilnego")};

constexpr OpisPola kPracStop[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOdKiedy"), Int16("IdentyfikatorStopnia"),
    Tekst("Ubruttowienie", 1), Int16("KtoWydal"), Tekst("NrRozkazu", 20),
    Data("DataObowiazywaniaStopnia"), Int16("IdPodstawy"),
    LookupTekst("NazwaStopnia", 30, "IdentyfikatorStopnia", "TSlowStopni", "IdentyfikatorStopnia",
                "NazwaStopnia"),
    LookupTekst("NazwaWydawcy", 30, "KtoWydal", "TWydawcy", "Identyfikator", "Nazwa"),
    kNazwaPodstawy, Wyliczane("Stawka", FieldType::Number)};

constexpr OpisPola kPracGrup[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOdKiedy"), Int16("IdentyfikatorGrupy"),
    Tekst("Ubruttowienie", 1), Liczba("Mnoznik"), Liczba("PlacaZasadnicza"),
    LookupTekst("NazwaGrupy", 30, "IdentyfikatorGrupy", "TSlowGrup", "IdentyfikatorGrupy",
                "NazwaGrupy"),
    Wyliczane("Stawka", FieldType::Number), Wyliczane("PlacaKoncowa", FieldType::Number)};

constexpr OpisPola kStanowiska[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Int16("IdentyfikatorStanowiska"),
    Int16("IdPodstawy"),
    LookupTekst("NazwaStanowiska", 30, "IdentyfikatorStanowiska", "TSlowStanowisk",
                "IdentyfikatorStanowiska", "NazwaStanowiska"),
    Lookup("GrupaStanowiska", FieldType::Long, 0, "IdentyfikatorStanowiska", "TSlowStanowisk",
           "IdentyfikatorStanowiska", "GrupaPlacowa"),
    LookupTekst("Ubruttowienie", 1, "IdentyfikatorStanowiska", "TSlowStanowisk",
                "IdentyfikatorStanowiska", "Ubruttowienie"),
    kNazwaPodstawy};

constexpr OpisPola kStanowiskaEtatowe[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Int16("IdentyfikatorStanowiska"),
    Int16("IdPodstawy"),
    LookupTekst("NazwaStanowiska", 30, "IdentyfikatorStanowiska", "TSlowStanowisk",
                "IdentyfikatorStanowiska", "NazwaStanowiska"),
    kNazwaPodstawy};

constexpr OpisPola kZatrudnienie[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Int16("IdentyfikatorFormyZatrudn"),
    Data("DataDo"), Int16("IdPodstawy"), Int16("IdRodzaju"),
    LookupTekst("NazwaFormyZatrudnienia", 40, "IdentyfikatorFormyZatrudn", "TSlowFormZatr",
                "Identyfikator", "NazwaFormyZatrudnienia"),
    kNazwaPodstawy,
    LookupTekst("NazwaRodzaju", 100, "IdRodzaju", "TRodzajZdarzeniaKadrowego", "Identyfikator",
                "NazwaZdarzeniaKadrowego")};

constexpr OpisPola kSzkodliwe[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Tekst("GrupaSzkodliwosci", 1)};

constexpr OpisPola kDodatek[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Data("DataDo"), Liczba("Wartosc")};

constexpr OpisPola kNagrody[] = {
    Tekst("RodzajNagrody", 1), Data("DataPrzyznania"), Tekst("Komentarz", 150), Liczba("Kwota"),
    Int32("IdentyfikatorPracownika")};

constexpr OpisPola kPrPracCyw[] = {
    Int32("IdPracownika"), Tekst("TypPremi", 1), Int16("Rok"), Int16("Miesiac"),
    Liczba("Kwota"), Tekst("Uwagi", 30)};

// ---- Education, family, distinctions (TDM) ----

constexpr OpisPola kWykszt[] = {
    Int32("IdentyfikatorPracownika"), Int16("RokUkonczenia"), Tekst("NazwaUczelni", 100),
    Int16("RodzajWyksztalcenia"), Int16("TytulNaukowy"), Int16("TytulZawodowy"),
    Logiczne("Strazackie"), Data("DataUzyskania"),
    LookupTekst("NazwaRodzajuWyksztalcenia", 60, "RodzajWyksztalcenia", "TRodzWyk",
                "IdentyfikatorRodzajeWyksz", "NazwaRodzajuWykształcenia"),
    LookupTekst("NazwaTytuluNaukowego", 30, "TytulNaukowy", "TStNaukowe",
                "IdentyfikatorStopniaNauko", "NazwaStopniaNaukowego"),
    LookupTekst("NazwaTytuluZawodowego", 30, "TytulZawodowy", "TTytZawod",
                "IdentyfikatorTytuluZawodo", "NazwaTytuluZawodowego"),
    Wyliczane("TekstStrazackie", FieldType::Alpha, 3)};

constexpr OpisPola kKursy[] = {
    Int32("IdentyfikatorPracownika"), Int16("RodzajKursu"), Int16("RokUkonczenia"),
    Tekst("NazwaKursu", 100), Data("DataWaznosci"), Data("DataNabycia"),
    LookupTekst("NazwaRodzajuKursu", 30, "RodzajKursu", "TRodzajeKursow",
                "IdentyfikatorRodzajuKursu", "NazwaRodzajuKursu")};

constexpr OpisPola kStanRodz[] = {
    Int32("IdentyfikatorPracownika"), Int16("StopienPokrewienstwa"),
    Data("DataZawarciaZwMalzenskieg"), Data("DataUrodzenia"), Tekst("Nazwisko", 30),
    Tekst("Imie1", 15), Tekst("Imie2", 15),
    LookupTekst("NazwaStopniaPokrewienstwa", 20, "StopienPokrewienstwa", "TSlowPokrew",
                "IdentyfikatorPokrewienstw", "NazwaPokrewienstwa")};

constexpr OpisPola kOrdery[] = {
    Int32("IdPracownika"), Data("DataPrzyznania"), Int32("IdOrderu"), Int32("IdOrganu"),
    Tekst("NumerLegitimacji", 255),
    LookupTekst("NazwaOrderu", 100, "IdOrderu", "TSlowOrderow", "IdentyfikatorOrderu",
                "NazwaOrderu"),
    LookupTekst("NazwaOrganuNadającego", 100, "IdOrganu", "TSlowOrganowNadajacych",
                "Identyfikator", "NazwaOrganuNadajacego")};

constexpr OpisPola kKary[] = {
    Int32("IdPracownika"), Data("DataPrzyznania"), Int32("IdKary"), Int32("IdOrganuNadajacego"),
    AutoInc("Identyfikator"),
    LookupTekst("NazwaKary", 100, "IdKary", "TSlowKar", "IdentyfikatorKary", "NazwaKary"),
    LookupTekst("NazwaOrganuNadajacego", 100, "IdOrganuNadajacego", "TSlowOrganowNadajacych",
                "Identyfikator", "NazwaOrganuNadajacego")};

constexpr OpisPola kWyroznienia[] = {
    Int32("IdPracownika"), Data("DataPrzyznania"), Int32("IdWyroznienia"),
    Int32("IdOrganuNadajacego"), Liczba("KwotaNagrody"), Int16("IloscDniUrlopuDodatkowego"),
    Tekst("NumerLegitymacji", 255), AutoInc("Identyfikator"),
    LookupTekst("NazwaWyroznienia", 100, "IdWyroznienia", "TSlowWyr", "Identyfikator",
                "NazwaWyroznienia"),
    LookupTekst("NazwaOrganuNadajacego", 100, "IdOrganuNadajacego", "TSlowOrganowNadajacych",
                "Identyfikator", "NazwaOrganuNadajacego")};

// ---- Calendar and work-time cards ----

constexpr OpisPola kCzasPracy[] = {
    Int32("IdPracownika"), Int16("Rok"), Int16("Miesiac"), AutoInc("Identyfikator"),
    Tekst("Status", 31),
    Int16("P1"), Int16("P2"), Int16("P3"), Int16("P4"), Int16("P5"), Int16("P6"), Int16("P7"),
    Int16("P8"), Int16("P9"), Int16("P10"), Int16("P11"), Int16("P12"), Int16("P13"),
    Int16("P14"), Int16("P15"), Int16("P16"), Int16("P17"), Int16("P18"), Int16("P19"),
    Int16("P20"), Int16("P21"), Int16("P22"), Int16("P23"), Int16("P24"), Int16("P25"),
    Int16("P26"), Int16("P27"), Int16("P28"), Int16("P29"), Int16("P30"), Int16("P31"),
    Int16("W1"), Int16("W2"), Int16("W3"), Int16("W4"), Int16("W5"), Int16("W6"), Int16("W7"),
    Int16("W8"), Int16("W9"), Int16("W10"), Int16("W11"), Int16("W12"), Int16("W13"),
    Int16("W14"), Int16("W15"), Int16("W16"), Int16("W17"), Int16("W18"), Int16("W19"),
    Int16("W20"), Int16("W21"), Int16("W22"), Int16("W23"), Int16("W24"), Int16("W25"),
    Int16("W26"), Int16("W27"), Int16("W28"), Int16("W29"), Int16("W30"), Int16("W31"),
    Tekst("PodStatus", 31), Wyliczane("RazemPlan", FieldType::Long),
    Wyliczane("RazemWykonanie", FieldType::Long)};

constexpr OpisPola kKalendarz[] = {
    Int16("IdentyfikatorKalendarza"), Int16("Rok"), Int16("Miesiac"), Tekst("PrzebiegPracy", 31),
    Liczba("G1"), Liczba("G2"), Liczba("G3"), Liczba("G4"), Liczba("G5"), Liczba("G6"),
    Liczba("G7"), Liczba("G8"), Liczba("G9"), Liczba("G10"), Liczba("G11"), Liczba("G12"),
    Liczba("G13"), Liczba("G14"), Liczba("G15"), Liczba("G16"), Liczba("G17"), Liczba("G18"),
    Liczba("G19"), Liczba("G20"), Liczba("G21"), Liczba("G22"), Liczba("G23"), Liczba("G24"),
    Liczba("G25"), Liczba("G26"), Liczba("G27"), Liczba("G28"), Liczba("G29"), Liczba("G30"),
    Liczba("G31"),
};

// ---- Organisation ----

constexpr OpisPola kKomNad[] = {Tekst("Nazwa", 100), Tekst("Symbol", 10), AutoInc("Identyfikator")};

constexpr OpisPola kKomorki[] = {
    Int16("KomNadrzedna"), Tekst("Nazwa", 100), Tekst("Symbol", 10), AutoInc("Identyfikator")};

constexpr OpisPola kGlStrEtatow[] = {Int16("Rok"), Int16("Miesiac"), AutoInc("Identyfikator")};

constexpr OpisPola kPozStrEtatow[] = {
    Int32("IdGlowki"), Tekst("StanowiskoEtatowe", 255), Tekst("SystemSluzby", 50),
    Tekst("TypPracownika", 1), Tekst("StatusPracownikaCywilnego", 100), Liczba("LimitEtatow"),
    AutoInc("Identyfikator"), Liczba("IloscEtatow"), Tekst("KomorkaOrganizacyjna", 255)};

// ---- Dictionaries and rates ----

constexpr OpisPola kSlStopni[] = {
    Tekst("NazwaStopnia", 30), AutoInc("IdentyfikatorStopnia"), Tekst("Kod", 5)};
constexpr OpisPola kStawStop[] = {
    Int16("IdentyfikatorStopnia"), Tekst("Ubruttowienie", 1), Data("DataObowiazywania"),
    Liczba("Wartosc")};
constexpr OpisPola kSlGrup[] = {
    Tekst("NazwaGrupy", 30), AutoInc("IdentyfikatorGrupy"), Liczba("MnożnikGrupy"),
    Tekst("KodGrupy", 20)};
constexpr OpisPola kStawGrup[] = {
    Int16("IdentyfikatorGrupy"), Tekst("Ubruttowienie", 1), Data("DataObowiazywania"),
    Liczba("Wartosc")};
constexpr OpisPola kPodstawy[] = {
    Data("DataOd"), Liczba("PodstawaFunkcjonariusze"), Liczba("PodstawaCywile"),
    Liczba("Rezerwa1"), Liczba("Rezerwa2"), Int16("ZaokraglenieFunkcjonarius"),
    Int16("ZaokraglenieCywil"), Int16("Zaokraglenie1"), Int16("Zaokraglenie2"),
    Tekst("Ubruttowienie", 1)};
constexpr OpisPola kPremie[] = {
    Tekst("TypPremi", 1), Int16("Rok"), Int16("Miesiac"), Liczba("Kwota"), Tekst("Uwagi", 50),
    Liczba("InnaKwota")};
constexpr OpisPola kSlStanowisk[] = {
    Tekst("NazwaStanowiska", 30), Tekst("KodStanowiska", 10), AutoInc("IdentyfikatorStanowiska"),
    Tekst("GrupaStanowiskSC", 1), Int32("GrupaPlacowa"), Tekst("Ubruttowienie", 1),
    LookupTekst("NazwaGrupyPlacowej", 30, "GrupaPlacowa", "TSlowGrup", "IdentyfikatorGrupy",
                "NazwaGrupy")};
constexpr OpisPola kFormyZtr[] = {
    Tekst("NazwaFormyZatrudnienia", 40), Tekst("Symbol", 10), AutoInc("Identyfikator")};
constexpr OpisPola kWydawcy[] = {Tekst("Nazwa", 30), AutoInc("Identyfikator")};
constexpr OpisPola kRodzWyk[] = {
    Tekst("NazwaRodzajuWykształcenia", 60), AutoInc("IdentyfikatorRodzajeWyksz"),
    Tekst("KodWyksztalcenia", 5)};
constexpr OpisPola kStNauk[] = {
    Tekst("NazwaStopniaNaukowego", 30), AutoInc("IdentyfikatorStopniaNauko"), Tekst("Kod", 5)};
constexpr OpisPola kTytZaw[] = {
    Tekst("NazwaTytuluZawodowego", 30), AutoInc("IdentyfikatorTytuluZawodo"), Tekst("Kod", 5)};
constexpr OpisPola kRodzKurs[] = {
    Tekst("NazwaRodzajuKursu", 30), AutoInc("IdentyfikatorRodzajuKursu"), Tekst("Kod", 5)};
constexpr OpisPola kSlPokrew[] = {
    Tekst("NazwaPokrewienstwa", 20), AutoInc("IdentyfikatorPokrewienstw")};
constexpr OpisPola kSlOrderow[] = {
    Tekst("NazwaOrderu", 100), Tekst("KodOrderu", 100), AutoInc("IdentyfikatorOrderu")};
constexpr OpisPola kSlOrgNadajacych[] = {
    Tekst("NazwaOrganuNadajacego", 100), Tekst("KodOrganuNadajacego", 100),
    AutoInc("Identyfikator")};
constexpr OpisPola kSlKar[] = {
    Tekst("NazwaKary", 100), Tekst("KodKary", 100), AutoInc("IdentyfikatorKary")};
constexpr OpisPola kSlWyroznien[] = {
    Tekst("NazwaWyroznienia", 100), Tekst("KodWyroznienia", 100), AutoInc("Identyfikator")};
constexpr OpisPola kSlStatPracCyw[] = {
    Tekst("NazwaStatPracCywilnego", 100), AutoInc("Identyfikator")};
constexpr OpisPola kPowodZdKadr[] = {Tekst("Powod", 100), AutoInc("Identyfikator")};
constexpr OpisPola kRodzZdKadrowego[] = {
    Tekst("NazwaZdarzeniaKadrowego", 100), AutoInc("Identyfikator")};
constexpr OpisPola kSlSwiadcz[] = {
    Tekst("RodzajSwiadczenia", 50), AutoInc("IdentyfikatorSwiadczenia"), Tekst("Kod", 20)};
constexpr OpisPola kSlGrupInwal[] = {
    Tekst("NazwaGrupyInwalidzkiej", 50), AutoInc("IdentyfikatorGrupyInwalid"), Tekst("Kod", 20)};

// ---- Payroll program's tables and work tables ----

constexpr OpisPola kParametry[] = {
    AutoInc("Identyfikator"),
    // The payroll program's own fields; this system neither reads nor writes them.
    Obce(Tekst("KatalogPlac1", 120)), Obce(Tekst("KatalogPlac2", 120)),
    Obce(Tekst("Znacznik1", 1)), Obce(Tekst("Znacznik2", 1)), Obce(Int32("Stempel1")),
    Obce(Int32("Stempel2")), Obce(Int32("Stempel3")), Obce(Int32("Stempel4")),
    Obce(Logiczne("Flaga")),
    Tekst("NazwaPelna", 120), Tekst("NazwaSkrocona", 60), Tekst("REGON", 20), Tekst("Kraj", 10),
    Tekst("Wojewodztwo", 20), Tekst("Powiat", 20), Tekst("Gmina", 20), Tekst("Ulica", 30),
    Tekst("NrDomu", 10), Tekst("NrLokalu", 10), Tekst("Miejscowosc", 20),
    Tekst("KodPocztowy", 6), Tekst("Poczta", 20), Tekst("NIPFirmy", 20)};

constexpr OpisPola kParDruk[] = {
    Int16("PIT1StronaLewyMargines"), Int16("PIT2StronaLewyMargines"),
    Int16("MinimalnyLewyMargines")};

constexpr OpisPola kStrRob[] = {
    Int32("KluczIntPol1"), Int32("KluczIntPol2"), Tekst("KluczStringPol3", 100),
    Tekst("KluczStringPol4", 100), Int32("KluczIntPol5"), Int32("KluczIntPol6"),
    Tekst("KluczStringPol7", 100), Tekst("KluczStringPol8", 100), Tekst("OpisString1", 100),
    Tekst("OpisString2", 100), Tekst("OpisString3", 240), Tekst("OpisString4", 240),
    Data("OpisData1"), Data("OpisData2"), Data("OpisData3"), Data("OpisData4"),
    Int32("OpisInt1"), Int32("OpisInt2"), Int32("OpisInt3"), Int32("OpisInt4"),
    Liczba("OpisWartosc1"), Liczba("OpisWartosc2"), Liczba("OpisWartosc3"),
    Liczba("OpisWartosc4")};

// ---- Users, grid layouts, report definitions, templates ----

constexpr OpisPola kHasla[] = {
    Tekst("NazwaKrotka", 10), Tekst("Haslo", 10), Tekst("NazwaPelna", 30),
    Logiczne("Przegladanie"), Logiczne("Aktualizowanie"), Logiczne("Administrator"),
    Logiczne("Pole1"), Logiczne("Pole2"), Logiczne("Pole3"), Logiczne("Pole4"), Int32("Pole10"),
    AutoInc("Identyfikator")};

constexpr OpisPola kIdGrid[] = {
    Tekst("NazwaFormy", 50), Tekst("NazwaGrida", 50), Int16("IdentyfikatorUzytkownika"),
    AutoInc("Identyfikator")};

constexpr OpisPola kDaneGrida[] = {
    Int32("IdentyfikatorGrida"), Int16("NumerPola"), Int16("SzerokoscPola"),
    Tekst("NazwaPola", 50), Int16("AlignmentPola"), Int16("RozmiarFontuPola"),
    Int16("CharSetFontuPola"), Int16("PitchFontuPola"), Int32("KolorPola"),
    Int32("KolorFontPola"), Tekst("NazwaFontuPola", 50), Logiczne("BoldPola"),
    Logiczne("ItalicPola"), Logiczne("UnderlinePola"), Logiczne("StrikeOutPola"),
    Tekst("NazwaTytul", 50), Int16("AlgnmentTytul"), Int16("RozmiarFontuTytul"),
    Int16("CharSetFontuTytul"), Int16("PitchFontuTytul"), Int32("KolorTytul"),
    Int32("KolorFontTytul"), Tekst("NazwaFontuTytul", 50), Logiczne("BoldTytul"),
    Logiczne("ItalicTytul"), Logiczne("UnderlineTytul"), Logiczne("StrikeOutTytul")};

constexpr OpisPola kNazwWyd[] = {
    Tekst("NazwaWydruku", 80), Logiczne("Portret"), AutoInc("IdentyfikatorWydruku")};

constexpr OpisPola kPozWyd[] = {
    Int32("IdentyfikatorWydruku"), Int16("NumerKolumny"), Int16("NumerWiersza"),
    Int16("SzerokoscPola"), Tekst("OpisZawartosci", 80), Int16("AlignmentPola"),
    Int16("RozmiarFontuPola"), Int16("CharSetFontuPola"), Int16("PitchFontuPola"),
    Int32("KolorPola"), Int32("KolorFontPola"), Tekst("NazwaFontuPola", 50),
    Logiczne("BoldPola"), Logiczne("ItalicPola"), Logiczne("UnderlinePola"),
    Logiczne("StrikeOutPola"), Tekst("NazwaTytul", 80), Int16("AlgnmentTytul"),
    Int16("RozmiarFontuTytul"), Int16("CharSetFontuTytul"), Int16("PitchFontuTytul"),
    Int32("KolorTytul"), Int32("KolorFontTytul"), Tekst("NazwaFontuTytul", 50),
    Logiczne("BoldTytul"), Logiczne("ItalicTytul"), Logiczne("UnderlineTytul"),
    Logiczne("StrikeOutTytul")};

constexpr OpisPola kWydruki[] = {
    Tekst("NazwaWydruku", 100), Tekst("NazwaZbioru", 100), Tekst("IdentyfikatorSystemowy", 2),
    Int16("IloscKolumn"), Logiczne("Portret"), Logiczne("Zawijanie"), Logiczne("Edytor"),
    Tekst("Inicjacja", 200)};

// ---- Leave and absences (TDM1) ----

constexpr OpisPola kRodzUrlop[] = {
    Tekst("NazwaUrlopu", 50), Tekst("RodzajDni", 1), AutoInc("Identyfikator"),
    Tekst("Symbol", 7), Tekst("RodzajUrlopu", 1)};

constexpr OpisPola kUrlopy[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Int16("RodzajUrlopu"), Int16("Ilosc"),
    Data("DataDo"), Int16("Godziny"), Wyliczane("NazwaUrlopu", FieldType::Alpha, 50),
    Wyliczane("SymbolUrlopu", FieldType::Alpha, 7), Wyliczane("IloscWyliczona", FieldType::Short),
    Wyliczane("IloscRzeczywistaDni", FieldType::Short),
    Wyliczane("IloscRzeczywistaGodz", FieldType::Short)};

constexpr OpisPola kUrlNalez[] = {
    Int32("IdentyfikatorPracownika"), Int16("Rok"), Int16("UrlopNalezny"),
    Int16("UrlopDodatkowy"), Int16("UrlopZaleglyPoprzedniRok"), Int16("UrlopZalegly2LataWstecz"),
    Int16("UrlopZalegly3LataWstecz"), Int16("DniZalegleDodatkowy"),
    Int16("GodzinyZalegleDodatkowy"), Int16("GodzUrlopZalegly"), Int16("UrlopNaleznyDni"),
    Int16("UrlopNaleznyGodz"), Int16("UrlopDodatkowyDni"), Int16("UrlopDodatkowyGodz"),
    Liczba("Przelicznik"), Tekst("SystemSluzby", 1),
    Wyliczane("RzDniZalegleWypocz", FieldType::Long)};

constexpr OpisPola kChoroby[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Tekst("RodzajChoroby", 1), Data("DataDo")};
constexpr OpisPola kNieobecnosci[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Tekst("RodzajNieobecnosci", 1),
    Data("DataDo")};

// ---- Employment-end and other records (TDM1) ----

constexpr OpisPola kZawieszenia[] = {
    Int32("IdentyfikatorPracownika"), Data("DataZawieszenia"), Tekst("Powod", 1),
    Data("DataPowrotu"), Tekst("KlasyfikacjaZawieszenia", 1), Logiczne("CzyFunkcjonariusz"),
    Logiczne("CzyWSluzbie"), Logiczne("DoWyslugi"), Logiczne("DoUrlopu"),
    Logiczne("DoNagrodyJubileuszowej"), Logiczne("DoEmerytury")};
constexpr OpisPola kWypowiedzenia[] = {
    Int32("IdentyfikatorPracownika"), Data("DataWypowiedzeniaOd"), Tekst("TypWypowiedzenia", 1),
    Data("DataWypowiedzeniaDo"), Tekst("Opis", 100)};
constexpr OpisPola kZwolnienia[] = {
    Int32("IdentyfikatorPracownika"), Data("DataZwolnienia"), Tekst("SposobZwolnienia", 50),
    Tekst("PrzyczynaZwolnienia", 100)};
constexpr OpisPola kDecyzje[] = {
    Int32("IdentyfikatorPracownika"), Data("DataDecyzji"), Tekst("NrDecyzji", 20)};
constexpr OpisPola kPopZatr[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Tekst("NazwaZakładuPracy", 50),
    Data("DataDo"), Tekst("AdresZakładuPracy", 100), Int16("Stanowisko"), Logiczne("WSluzbie"),
    Logiczne("DoWyslugi"), Logiczne("DoUrlopu"), Logiczne("DoNagrodyJubileuszowej"),
    Logiczne("DoEmerytury"), Tekst("SposobRozwiazaniaUmowy", 50), Tekst("NazwaStanowiskaWpr", 20),
    LookupTekst("NazwaStanowiska", 30, "Stanowisko", "TSlowStanowisk", "IdentyfikatorStanowiska",
                "NazwaStanowiska"),
    Wyliczane("DlugoscOkresu", FieldType::Alpha, 30)};
constexpr OpisPola kDodZatrudn[] = {
    Int32("IdentyfikatorPracownika"), Data("DataOd"), Tekst("NazwaZakladu", 100), Data("DataDo"),
    Int16("FormaZatrudnienia"), Liczba("WymiarCzasuPracy"), Tekst("ZgodyUdzielil", 40),
    LookupTekst("NazwaFormyZatrudnienia", 40, "FormaZatrudnienia", "TSlowFormZatr",
                "Identyfikator", "NazwaFormyZatrudnienia")};
constexpr OpisPola kBadania[] = {
    Int32("IdentyfikatorPracownika"), Tekst("RodzajBadania", 1), Data("DataBadania"),
    Tekst("WynikBadania", 1), Data("DataNastepnegoBadania"), Tekst("PrzyczynaNiewykonania", 30)};
constexpr OpisPola kEmInw[] = {
    Int32("IdentyfikatorPracownika"), Data("DataPrzyznania"), Data("DataZawieszenia"),
    Int16("GrupaInwalidzka"), Int16("RodzajSwiadczenia"), Tekst("NrRentyEmerytury", 30),
    Tekst("Opis", 50),
    LookupTekst("NazwaGrupyInwalidzkiej", 50, "GrupaInwalidzka", "TSlGrupInw",
                "IdentyfikatorGrupyInwalid", "NazwaGrupyInwalidzkiej"),
    LookupTekst("NazwaRodzajuSwiadczenia", 50, "RodzajSwiadczenia", "TSlRodzSw",
                "IdentyfikatorSwiadczenia", "RodzajSwiadczenia")};
constexpr OpisPola kPodpowiedzi[] = {Tekst("TypDanych", 1), Tekst("Opis", 255)};

// ---- SPD export ----

constexpr OpisPola kRejPrzes[] = {
    Tekst("KtoUtworzyl", 50), Tekst("NazwaPlikuZarzadzajacego", 200), AutoInc("Identyfikator"),
    Data("DataTworzenia"), Czas("CzasTworzenia"), Tekst("KatalogPlikuZarzadzajaceg", 200)};

constexpr OpisPola kHarmonogram[] = {
    Tekst("Nazwa", 50), Tekst("Rodzaj", 1), AutoInc("Identyfikator"),
    Tekst("SposobPrzesylania", 1), Tekst("NazwaPliku", 200),
    Tekst("IdentyfikatorSystemuDzied", 100), Int16("Rok"), Int16("Miesiac"), Int16("Dzien"),
    Int16("DzienOkresu"), Czas("Godzina"), Int16("LP"), Tekst("KatalogPlac", 255),
    Tekst("KatalogPit", 255), Logiczne("Aktywny"),
    Wyliczane("OpisWykonania", FieldType::Alpha, 50),
    Wyliczane("Zaznaczony", FieldType::Alpha, 1)};

constexpr OpisPola kPrzesylki[] = {
    Int32("IdentyfikatHarmonogramu"), Int32("IdentyfikatorPrzesylki"), Data("DataPrzesylki"),
    Czas("CzasPrzesylki")};

// The schedule's fields, then the header's own.
constexpr OpisPola kZarzPrzesylki[] = {
    Tekst("Nazwa", 50), Tekst("Rodzaj", 1), Tekst("SposobPrzesylania", 1),
    Tekst("NazwaPliku", 200), Tekst("IdentyfikatorSystemuDzied", 100), Int16("Rok"),
    Int16("Miesiac"), Int16("Dzien"), Int16("DzienOkresu"), Czas("Godzina"), Int16("LP"),
    Tekst("KatalogPlac", 255), Tekst("KatalogPit", 255), Logiczne("Aktywny"),
    AutoInc("Identyfikator"), Int32("IdentyfikatorHarmOryginal"), Logiczne("Wykonano"),
    Logiczne("Zakonczono"), Data("DataDanych"), Data("DataWykonania"), Czas("CzasWykonania"),
    Wyliczane("OpisWykonania", FieldType::Alpha, 50)};

constexpr OpisPola kPozPrzesylki[] = {
    Int32("IdentyfikatorHarmonogramu"), Int32("IdentyfikatorWiersza"), Int16("IdentyfikatorPola"),
    Tekst("NazwaPola", 50), Tekst("NazwaSlownika", 100), Int16("Dlugosc"),
    Tekst("OpisDodatkowy", 200), Liczba("Wartosc"), Tekst("Wiezy", 100), Tekst("Uwagi", 100),
    Tekst("TYP", 1), Logiczne("Wymagalnosc"), Tekst("Format", 50), Tekst("Walidacje", 50),
    Tekst("Zawartosc", 255), Int16("PoKropce"), Int32("IdentyfikatorPracownika"),
    Int32("IdentyfikatorSystemu"), Tekst("KodSystemu", 30), Tekst("NazwaSystemu", 50),
    Tekst("NumerPracownika", 20), Tekst("Nazwisko", 50), Tekst("Imie1", 50),
    Data("DataUrodzenia")};

constexpr OpisPola kSPDWynagrodzenia[] = {
    Int16("LP"), Tekst("NazwaSkladnika", 100), Tekst("KodSkladnika", 100),
    Tekst("NumerSkladnikaPlace", 5), Int32("IdentyfikatorSkladnika"), AutoInc("Identyfikator")};

constexpr OpisPola kParametrySPD[] = {
    AutoInc("Identyfikator"), Tekst("NumerJednostki", 7), Tekst("KodObszaru", 1),
    Tekst("KodSD", 2), Tekst("Rezerwa1", 100), Tekst("Rezerwa2", 100), Tekst("Rezerwa3", 100),
    Tekst("Rezerwa4", 100), Tekst("Sciezka", 255), Tekst("NazwaKomorkiOrganizacyjne", 255),
    Tekst("UzytkownikSPD", 100), Tekst("HasloSPD", 100), Tekst("FTPSPD", 100),
    Tekst("PortSPD", 100), Tekst("SciezkaSPD", 100)};

// ---- The payroll program's dBase files ----

constexpr OpisPola kKart[] = {
    Znakowe("KR_ROK", 2), Numeryczne("KR_NRP", 10, 0), Znakowe("KR_KD", 1),
    Numeryczne("KR_LPDR", 6, 0), Znakowe("KR_KS", 1), Znakowe("KR_NRS", 4),
    Numeryczne("KR_NRL", 6, 0), DataDbf("KR_DAT"), Numeryczne("KR_PR", 12, 2),
    Numeryczne("KR_S11", 12, 2), Numeryczne("KR_S12", 12, 2),
    Numeryczne("KR_01", 12, 2), Numeryczne("KR_02", 12, 2), Numeryczne("KR_03", 12, 2),
    Numeryczne("KR_04", 12, 2), Numeryczne("KR_05", 12, 2), Numeryczne("KR_06", 12, 2),
    Numeryczne("KR_07", 12, 2), Numeryczne("KR_08", 12, 2), Numeryczne("KR_09", 12, 2),
    Numeryczne("KR_10", 12, 2), Numeryczne("KR_11", 12, 2), Numeryczne("KR_12", 12, 2),
    Numeryczne("PIT_GRU", 12, 2), Numeryczne("PIT_STY", 12, 2)};

constexpr OpisPola kKodPol[] = {Znakowe("KODY", 50), Znakowe("STANDART", 1)};

constexpr OpisPola kMirtaDbf[] = {
    Numeryczne("K_NRP", 10, 0), Znakowe("K_NAZW", 30), Znakowe("K_IMIE1", 15),
    Znakowe("K_IMIE2", 15), Znakowe("K_AK", 6), Znakowe("K_AM", 20), Znakowe("K_AP", 20),
    Znakowe("K_AU", 20), Znakowe("K_AD", 17), DataDbf("K_DATU"), Znakowe("K_IMIE3", 15),
    Znakowe("K_IMIE4", 15), Znakowe("K_FZ", 1), Numeryczne("K_WE", 10, 4), Znakowe("K_SZ", 1),
    Znakowe("K_CZ", 1), DataDbf("K_DATZAT"), DataDbf("K_DATZW"), Znakowe("K_GZ", 4),
    Znakowe("K_KO", 8), Znakowe("K_KT", 12), Znakowe("K_PD", 3), Znakowe("K_ZUS", 1),
    Znakowe("K_SP", 4), Znakowe("K_DOW", 10), Znakowe("K_WOJ", 10), Znakowe("K_WYKSZ", 4),
    Znakowe("K_NAZB", 20), Znakowe("K_NRKONT", 60), Znakowe("K_ROZ", 2), Znakowe("K_PLEC", 1),
    Znakowe("K_MIEJUR", 20), Znakowe("K_WSKS", 1), Znakowe("K_PESEL", 13), Znakowe("K_URZAD", 2),
    Znakowe("K_WYDDOW", 30), Znakowe("K_INF", 1), Znakowe("K_CHAR_ZAT", 1), Znakowe("K_NIP", 13),
    Znakowe("K_KOD_UB", 6), Znakowe("K_NRKONT1", 60)};

constexpr OpisPola kPracList[] = {
    Numeryczne("PL_NRL", 6, 0), Numeryczne("PL_NRP", 10, 0), Znakowe("PL_NAZ", 30),
    Znakowe("PL_IMIE1", 15), Znakowe("PL_IMIE2", 15), Znakowe("PL_INDL", 1), Znakowe("PL_PD", 3),
    Znakowe("PL_ZUS", 1), Numeryczne("PL_WE", 10, 4), Znakowe("PL_SZ", 1), Znakowe("PL_CZ", 1)};

// Key not given: the smallest unique prefix is worked out from the index order.
constexpr int kKluczZPorzadku = -1;
// Package headers are copies of schedule entries, which may agree in every field before the
// identifier; keyed up to it, copying a marked entry never fails on a duplicate.
constexpr int kKluczNaglowka = 15;
// dBase files of the payroll program: Latin 2 (852), the export's second choice and the one
// a reader can show without knowing the payroll program's settings.
constexpr unsigned char kJezykLatin2 = 0x64;

using M = MiejscePliku;
using O = Otwieranie;

const OpisTabeli kTabele[] = {
    // TDM. ParametryKadr.db first: it names the payroll directory of the next tables.
    {.plik = "ParametryKadr.db", .modul = "TDM", .komponent = "TParametry", .polaKlucza = 0,
     .pola = kParametryKadr},
    {.plik = "Mirta.DB", .miejsce = M::Placowy, .modul = "TDM", .komponent = "TPracownicy",
     .porzadek = "Nazwisko;Imie1;Imie2", .polaKlucza = 1, .pola = kMirta},
    {.plik = "PracStop.db", .modul = "TDM", .komponent = "TPracStop",
     .porzadek = "IdentyfikatorPracownika;DataOdKiedy;IdentyfikatorStopnia",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kPracStop},
    {.plik = "PracStop.db", .modul = "TDM", .komponent = "TPracStopRob",
     .porzadek = "IdentyfikatorPracownika;DataOdKiedy;IdentyfikatorStopnia",
     .polaKlucza = kKluczZPorzadku, .drugiWidok = true, .pola = kPracStop},
    {.plik = "PracGrup.db", .modul = "TDM", .komponent = "TPracGrup",
     .porzadek = "IdentyfikatorPracownika;DataOdKiedy;IdentyfikatorGrupy",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kPracGrup},
    {.plik = "PracGrup.db", .modul = "TDM", .komponent = "TPracGrupRob",
     .porzadek = "IdentyfikatorPracownika;DataOdKiedy;IdentyfikatorGrupy",
     .polaKlucza = kKluczZPorzadku, .drugiWidok = true, .pola = kPracGrup},
    {.plik = "Stanowiska.db", .modul = "TDM", .komponent = "TStanowiska",
     .porzadek = "IdentyfikatorPracownika;DataOd;IdentyfikatorStanowiska",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kStanowiska},
    {.plik = "Stanowiska.db", .modul = "TDM", .komponent = "TStanowiskaRob",
     .porzadek = "IdentyfikatorPracownika;DataOd;IdentyfikatorStanowiska",
     .polaKlucza = kKluczZPorzadku, .drugiWidok = true, .pola = kStanowiska},
    {.plik = "StanowiskaEtatowe.db", .modul = "TDM", .komponent = "TStanowiskaE",
     .porzadek = "IdentyfikatorPracownika;DataOd;IdentyfikatorStanowiska",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kStanowiskaEtatowe},
    {.plik = "Zatrudnienie.db", .modul = "TDM", .komponent = "TZatrudnienie",
     .porzadek = "IdentyfikatorPracownika;DataOd;IdentyfikatorFormyZatrudn",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kZatrudnienie},
    {.plik = "Szkodliwe.db", .modul = "TDM", .komponent = "TSzkodliwe",
     .porzadek = "IdentyfikatorPracownika;DataOd", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kSzkodliwe},
    {.plik = "DodSluz.db", .modul = "TDM", .komponent = "TDodSluzbowy",
     .porzadek = "IdentyfikatorPracownika;DataOd", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kDodatek},
    {.plik = "DodInny.db", .modul = "TDM", .komponent = "TDodInny",
     .porzadek = "IdentyfikatorPracownika;DataOd", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kDodatek},
    {.plik = "Nagrody.DB", .modul = "TDM", .komponent = "TNagrody",
     .porzadek = "IdentyfikatorPracownika;RodzajNagrody;DataPrzyznania;Komentarz",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kNagrody},
    // One bonus row per employee, kind and month: the index alone names an employee's rows.
    {.plik = "PrPracCyw.DB", .modul = "TDM", .komponent = "TPremPracCyw",
     .porzadek = "IdPracownika", .polaKlucza = 4, .powiazanie = kDoPracownikaId,
     .pola = kPrPracCyw},
    {.plik = "Wykszt.DB", .modul = "TDM", .komponent = "TWyksztalcenie",
     .porzadek = "IdentyfikatorPracownika;RokUkonczenia;NazwaUczelni;RodzajWyksztalcenia;"
                 "TytulNaukowy;TytulZawodowy",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kWykszt},
    {.plik = "Kursy.DB", .modul = "TDM", .komponent = "TKursy",
     .porzadek = "IdentyfikatorPracownika;RodzajKursu;RokUkonczenia;NazwaKursu",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kKursy},
    {.plik = "StanRodz.db", .modul = "TDM", .komponent = "TRodzina",
     .porzadek = "IdentyfikatorPracownika;DataUrodzenia;StopienPokrewienstwa;"
                 "DataZawarciaZwMalzenskieg;Nazwisko;Imie1",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kStanRodz},
    {.plik = "Ordery.db", .modul = "TDM", .komponent = "TOrdery",
     .porzadek = "IdPracownika;DataPrzyznania;IdOrderu", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownikaId, .pola = kOrdery},
    {.plik = "Kary.db", .modul = "TDM", .komponent = "TKary",
     .porzadek = "IdPracownika;DataPrzyznania;IdKary", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownikaId, .pola = kKary},
    {.plik = "Wyroznienia.DB", .modul = "TDM", .komponent = "TWyroznienia",
     .porzadek = "IdPracownika;DataPrzyznania;IdWyroznienia", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownikaId, .pola = kWyroznienia},
    {.plik = "CzasPracy.DB", .modul = "TDM", .komponent = "TCzasPracy",
     .porzadek = "IdPracownika;Rok;Miesiac", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownikaId, .otwieranie = O::PrzezWlasciciela, .pola = kCzasPracy},
    {.plik = "Kalendarz.DB", .miejsce = M::Placowy, .modul = "TDM", .komponent = "TKalendarz",
     .porzadek = "IdentyfikatorKalendarza;Rok;Miesiac", .polaKlucza = kKluczZPorzadku,
     .pola = kKalendarz},
    {.plik = "KomNad.db", .modul = "TDM", .komponent = "TKomorkaNad", .porzadek = "Nazwa;Symbol",
     .polaKlucza = kKluczZPorzadku, .pola = kKomNad},
    {.plik = "Komorki.db", .modul = "TDM", .komponent = "TKomorkaPod",
     .porzadek = "KomNadrzedna;Nazwa;Symbol", .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"KomNadrzedna", "TKomorkaNad", "Identyfikator", true}, .pola = kKomorki},
    {.plik = "SlStopni.db", .modul = "TDM", .komponent = "TSlowStopni",
     .porzadek = "Kod;NazwaStopnia", .polaKlucza = kKluczZPorzadku, .pola = kSlStopni},
    {.plik = "StawStop.DB", .modul = "TDM", .komponent = "TStawStopni",
     .porzadek = "IdentyfikatorStopnia;Ubruttowienie;DataObowiazywania",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorStopnia", "TSlowStopni", "IdentyfikatorStopnia"},
     .otwieranie = O::PrzezWlasciciela, .pola = kStawStop},
    {.plik = "SlGrup.db", .modul = "TDM", .komponent = "TSlowGrup", .porzadek = "NazwaGrupy",
     .polaKlucza = kKluczZPorzadku, .pola = kSlGrup},
    {.plik = "StawGrup.DB", .modul = "TDM", .komponent = "TStawGrup",
     .porzadek = "IdentyfikatorGrupy;Ubruttowienie;DataObowiazywania",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorGrupy", "TSlowGrup", "IdentyfikatorGrupy"},
     .otwieranie = O::PrzezWlasciciela, .pola = kStawGrup},
    {.plik = "Podstawy.db", .modul = "TDM", .komponent = "TPodstawy",
     .porzadek = "DataOd;Ubruttowienie", .polaKlucza = kKluczZPorzadku, .pola = kPodstawy},
    {.plik = "Premie.db", .modul = "TDM", .komponent = "TPremie", .porzadek = "TypPremi;Rok;Miesiac",
     .polaKlucza = kKluczZPorzadku, .pola = kPremie},
    {.plik = "SlStanowisk.db", .modul = "TDM", .komponent = "TSlowStanowisk",
     .porzadek = "NazwaStanowiska;KodStanowiska", .polaKlucza = kKluczZPorzadku,
     .pola = kSlStanowisk},
    {.plik = "FormyZtr.db", .modul = "TDM", .komponent = "TSlowFormZatr",
     .porzadek = "NazwaFormyZatrudnienia;Symbol", .polaKlucza = kKluczZPorzadku,
     .pola = kFormyZtr},
    {.plik = "Wydawcy.db", .modul = "TDM", .komponent = "TWydawcy", .porzadek = "Nazwa",
     .polaKlucza = kKluczZPorzadku, .pola = kWydawcy},
    {.plik = "RodzWyk.db", .modul = "TDM", .komponent = "TRodzWyk",
     .porzadek = "NazwaRodzajuWykształcenia", .polaKlucza = kKluczZPorzadku, .pola = kRodzWyk},
    {.plik = "StNauk.DB", .modul = "TDM", .komponent = "TStNaukowe",
     .porzadek = "NazwaStopniaNaukowego", .polaKlucza = kKluczZPorzadku, .pola = kStNauk},
    {.plik = "TytZaw.db", .modul = "TDM", .komponent = "TTytZawod",
     .porzadek = "NazwaTytuluZawodowego", .polaKlucza = kKluczZPorzadku, .pola = kTytZaw},
    {.plik = "RodzKurs.db", .modul = "TDM", .komponent = "TRodzajeKursow",
     .porzadek = "NazwaRodzajuKursu", .polaKlucza = kKluczZPorzadku, .pola = kRodzKurs},
    {.plik = "SlPokrew.db", .modul = "TDM", .komponent = "TSlowPokrew",
     .porzadek = "NazwaPokrewienstwa", .polaKlucza = kKluczZPorzadku, .pola = kSlPokrew},
    {.plik = "SlOrderow.DB", .modul = "TDM", .komponent = "TSlowOrderow",
     .porzadek = "NazwaOrderu", .polaKlucza = kKluczZPorzadku, .pola = kSlOrderow},
    {.plik = "SlOrgNadajacych.DB", .modul = "TDM", .komponent = "TSlowOrganowNadajacych",
     .porzadek = "NazwaOrganuNadajacego", .polaKlucza = kKluczZPorzadku,
     .pola = kSlOrgNadajacych},
    {.plik = "SlKar.DB", .modul = "TDM", .komponent = "TSlowKar", .porzadek = "NazwaKary",
     .polaKlucza = kKluczZPorzadku, .pola = kSlKar},
    {.plik = "SlWyroznien.db", .modul = "TDM", .komponent = "TSlowWyr",
     .porzadek = "NazwaWyroznienia", .polaKlucza = kKluczZPorzadku, .pola = kSlWyroznien},
    {.plik = "SlStatPracCyw.db", .modul = "TDM", .komponent = "TSlowStatPracCyw",
     .porzadek = "NazwaStatPracCywilnego", .polaKlucza = kKluczZPorzadku,
     .pola = kSlStatPracCyw},
    {.plik = "PowodZdKadr.db", .modul = "TDM", .komponent = "TPowodZdarzeniaKadrowego",
     .porzadek = "Powod", .polaKlucza = kKluczZPorzadku, .pola = kPowodZdKadr},
    {.plik = "RodzZdKadrowego.db", .modul = "TDM", .komponent = "TRodzajZdarzeniaKadrowego",
     .porzadek = "NazwaZdarzeniaKadrowego", .polaKlucza = kKluczZPorzadku,
     .pola = kRodzZdKadrowego},
    {.plik = "Parametry.DB", .miejsce = M::Placowy, .modul = "TDM",
     .komponent = "TParametryFirmy", .polaKlucza = 0, .pola = kParametry},
    {.plik = "ParDruk.DB", .miejsce = M::Placowy, .modul = "TDM", .komponent = "TParDruk",
     .polaKlucza = 0, .pola = kParDruk},
    // Users: unique short names; a second user of the same name could never be told apart
    // at login from the first one with an equal password.
    {.plik = "Hasla.DB", .modul = "TDM", .komponent = "THasla", .porzadek = "NazwaKrotka;Haslo",
     .polaKlucza = 1, .pola = kHasla},

    // TDM1.
    {.plik = "Urlopy.db", .modul = "TDM1", .komponent = "TUrlopy",
     .porzadek = "IdentyfikatorPracownika;DataOd;RodzajUrlopu", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .otwieranie = O::PrzezWlasciciela, .pola = kUrlopy},
    {.plik = "Urlopy.DB", .modul = "TDM1", .komponent = "TUrlopyRoboczy",
     .porzadek = "IdentyfikatorPracownika;DataOd;RodzajUrlopu", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .drugiWidok = true, .pola = kUrlopy},
    {.plik = "UrlNalez.db", .modul = "TDM1", .komponent = "TUrlopNalez",
     .porzadek = "IdentyfikatorPracownika;Rok", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kUrlNalez},
    {.plik = "UrlNalez.DB", .modul = "TDM1", .komponent = "TUrlopNaleznyRoboczy",
     .porzadek = "IdentyfikatorPracownika;Rok", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .drugiWidok = true, .pola = kUrlNalez},
    {.plik = "Choroby.db", .modul = "TDM1", .komponent = "TChoroby",
     .porzadek = "IdentyfikatorPracownika;DataOd;RodzajChoroby", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kChoroby},
    {.plik = "Nieobecnosci.DB", .modul = "TDM1", .komponent = "TNieobecnosci",
     .porzadek = "IdentyfikatorPracownika;DataOd;RodzajNieobecnosci",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kNieobecnosci},
    {.plik = "RodzUrlop.db", .modul = "TDM1", .komponent = "TRodzUrlop",
     .porzadek = "NazwaUrlopu;Symbol;RodzajDni", .polaKlucza = kKluczZPorzadku,
     .pola = kRodzUrlop},
    {.plik = "Zawieszenia.db", .modul = "TDM1", .komponent = "TZawieszenia",
     .porzadek = "IdentyfikatorPracownika;DataZawieszenia", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kZawieszenia},
    {.plik = "Wypowiedzenia.db", .modul = "TDM1", .komponent = "TWypowiedzenia",
     .porzadek = "IdentyfikatorPracownika;DataWypowiedzeniaOd;TypWypowiedzenia",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kWypowiedzenia},
    {.plik = "Zwolnienia.db", .modul = "TDM1", .komponent = "TZwolnienia",
     .porzadek = "IdentyfikatorPracownika;DataZwolnienia", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kZwolnienia},
    {.plik = "Decyzje.db", .modul = "TDM1", .komponent = "TDecyzja",
     .porzadek = "IdentyfikatorPracownika;DataDecyzji", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .pola = kDecyzje},
    {.plik = "PopZatr.db", .modul = "TDM1", .komponent = "TPopZatrudnienie",
     .porzadek = "IdentyfikatorPracownika;DataOd;NazwaZakładuPracy",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika,
     .otwieranie = O::PoZalogowaniu, .pola = kPopZatr},
    {.plik = "DodZatrudn.db", .modul = "TDM1", .komponent = "TDodZatrudnienie",
     .porzadek = "IdentyfikatorPracownika;DataOd;NazwaZakladu", .polaKlucza = kKluczZPorzadku,
     .powiazanie = kDoPracownika, .otwieranie = O::PoZalogowaniu, .pola = kDodZatrudn},
    {.plik = "Badania.db", .modul = "TDM1", .komponent = "TBadania",
     .porzadek = "IdentyfikatorPracownika;DataBadania;RodzajBadania",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kBadania},
    {.plik = "EmInw.DB", .modul = "TDM1", .komponent = "TEmRentGrInw",
     .porzadek = "IdentyfikatorPracownika;DataPrzyznania;DataZawieszenia;GrupaInwalidzka;"
                 "RodzajSwiadczenia",
     .polaKlucza = kKluczZPorzadku, .powiazanie = kDoPracownika, .pola = kEmInw},
    {.plik = "Podpowiedzi.DB", .modul = "TDM1", .komponent = "TPodpowiedzi",
     .porzadek = "TypDanych;Opis", .polaKlucza = kKluczZPorzadku, .pola = kPodpowiedzi},
    {.plik = "GlStrEtatow.db", .modul = "TDM1", .komponent = "TGlowkaStrukturyEtatow",
     .porzadek = "Rok;Miesiac", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .pola = kGlStrEtatow},
    {.plik = "PozStrEtatow.DB", .modul = "TDM1", .komponent = "TPozStrukturyEtatow",
     .porzadek = "IdGlowki;KomorkaOrganizacyjna;StanowiskoEtatowe;SystemSluzby;TypPracownika",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdGlowki", "TGlowkaStrukturyEtatow", "Identyfikator"},
     .otwieranie = O::PrzezWlasciciela, .pola = kPozStrEtatow},
    {.plik = "SlSwiadcz.db", .modul = "TDM1", .komponent = "TSlRodzSw",
     .porzadek = "RodzajSwiadczenia", .polaKlucza = kKluczZPorzadku, .pola = kSlSwiadcz},
    {.plik = "SLGrupInwal.db", .modul = "TDM1", .komponent = "TSlGrupInw",
     .porzadek = "NazwaGrupyInwalidzkiej", .polaKlucza = kKluczZPorzadku, .pola = kSlGrupInwal},
    {.plik = "StrRob.DB", .modul = "TDM1", .komponent = "TRoboczy",
     .porzadek = "KluczIntPol1;KluczIntPol2;KluczStringPol3;KluczStringPol4;KluczIntPol5;"
                 "KluczIntPol6;KluczStringPol7;KluczStringPol8",
     .polaKlucza = kKluczZPorzadku, .pola = kStrRob},
    {.plik = "IdGrid.db", .modul = "TDM1", .komponent = "TGridy",
     .porzadek = "NazwaFormy;NazwaGrida;IdentyfikatorUzytkownika", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .pola = kIdGrid},
    {.plik = "DaneGrida.DB", .modul = "TDM1", .komponent = "TDaneGrid",
     .porzadek = "IdentyfikatorGrida;NumerPola", .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorGrida", "TGridy", "Identyfikator"},
     .otwieranie = O::PrzezWlasciciela, .pola = kDaneGrida},
    {.plik = "NazwWyd.db", .modul = "TDM1", .komponent = "TNazwyWyd", .porzadek = "NazwaWydruku",
     .polaKlucza = kKluczZPorzadku, .otwieranie = O::PrzezWlasciciela, .pola = kNazwWyd},
    {.plik = "PozWyd.db", .modul = "TDM1", .komponent = "TPozWyd",
     .porzadek = "IdentyfikatorWydruku;NumerKolumny;NumerWiersza", .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorWydruku", "TNazwyWyd", "IdentyfikatorWydruku"},
     .otwieranie = O::PrzezWlasciciela, .pola = kPozWyd},
    {.plik = "Wydruki.DB", .modul = "TDM1", .komponent = "TWydruki",
     .porzadek = "NazwaWydruku;NazwaZbioru;IdentyfikatorSystemowy",
     .polaKlucza = kKluczZPorzadku, .pola = kWydruki},

    // TDM1, SPD export. The package register is keyed up to its identifier: two packages
    // may be made in the same millisecond as far as the file knows.
    {.plik = "RejPrzes.db", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TRejPrzesylek",
     .porzadek = "DataTworzenia;CzasTworzenia", .polaKlucza = 3,
     .otwieranie = O::PrzezWlasciciela, .pola = kRejPrzes},
    {.plik = "Harmonogram.DB", .miejsce = M::Spd, .modul = "TDM1",
     .komponent = "THarmonogramPrzesylek", .porzadek = "LP;Nazwa", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .pola = kHarmonogram},
    {.plik = "Przesylki.db", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TPrzesylki",
     .porzadek = "IdentyfikatHarmonogramu;DataPrzesylki;CzasPrzesylki",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatHarmonogramu", "TGlowkiPlikow", "IdentyfikatorHarmOryginal"},
     .otwieranie = O::PrzezWlasciciela, .pola = kPrzesylki},
    {.plik = "Przesylki.DB", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TPrzesHarm",
     .porzadek = "IdentyfikatHarmonogramu;DataPrzesylki;CzasPrzesylki",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatHarmonogramu", "THarmonogramPrzesylek", "Identyfikator"},
     .otwieranie = O::PrzezWlasciciela, .drugiWidok = true, .pola = kPrzesylki},
    {.plik = "ZarzPrzesylki.db", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TGlowkiPlikow",
     .porzadek = "LP;Nazwa", .polaKlucza = kKluczNaglowka, .otwieranie = O::PrzezWlasciciela,
     .pola = kZarzPrzesylki},
    {.plik = "PozPrzesylki.db", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TPozPlikow",
     .porzadek = "IdentyfikatorHarmonogramu;IdentyfikatorWiersza;IdentyfikatorPola",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorHarmonogramu", "TGlowkiPlikow", "IdentyfikatorHarmOryginal"},
     .otwieranie = O::PrzezWlasciciela, .pola = kPozPrzesylki},
    {.plik = "ZarzPrzesylki.db", .miejsce = M::Paczka, .modul = "TDM1",
     .komponent = "TGlowkiPlikow", .porzadek = "LP;Nazwa", .polaKlucza = kKluczNaglowka,
     .otwieranie = O::PrzezWlasciciela, .pola = kZarzPrzesylki},
    {.plik = "PozPrzesylki.db", .miejsce = M::Paczka, .modul = "TDM1", .komponent = "TPozPlikow",
     .porzadek = "IdentyfikatorHarmonogramu;IdentyfikatorWiersza;IdentyfikatorPola",
     .polaKlucza = kKluczZPorzadku,
     .powiazanie = {"IdentyfikatorHarmonogramu", "TGlowkiPlikow", "IdentyfikatorHarmOryginal"},
     .otwieranie = O::PrzezWlasciciela, .pola = kPozPrzesylki},
    {.plik = "SPDWynagrodzenia.DB", .miejsce = M::Spd, .modul = "TDM1",
     .komponent = "TSPDWynagrodzenia", .porzadek = "LP", .polaKlucza = kKluczZPorzadku,
     .otwieranie = O::PrzezWlasciciela, .pola = kSPDWynagrodzenia},
    {.plik = "ParametrySPD.DB", .miejsce = M::Spd, .modul = "TDM1", .komponent = "TSPDParametry",
     .polaKlucza = 0, .otwieranie = O::PrzezWlasciciela, .pola = kParametrySPD},
    {.plik = "KART.DBF", .miejsce = M::KartotekaPlac, .format = FormatPliku::Dbase,
     .modul = "TDM1", .komponent = "TSPDKartoteka", .polaKlucza = 0,
     .otwieranie = O::PrzezWlasciciela, .pola = kKart, .bajtJezyka = kJezykLatin2},

    // The payroll export's own files.
    {.plik = "MIRTA.DBF", .miejsce = M::Rovante, .format = FormatPliku::Dbase, .polaKlucza = 0,
     .otwieranie = O::PrzezWlasciciela, .pola = kMirtaDbf, .bajtJezyka = kJezykLatin2},
    {.plik = "PRACLIST.DBF", .miejsce = M::Rovante, .format = FormatPliku::Dbase,
     .polaKlucza = 0, .otwieranie = O::PrzezWlasciciela, .pola = kPracList,
     .bajtJezyka = kJezykLatin2},
    {.plik = "KODPOL.DBF", .miejsce = M::Rovante, .format = FormatPliku::Dbase, .polaKlucza = 0,
     .otwieranie = O::PrzezWlasciciela, .pola = kKodPol, .bajtJezyka = kJezykLatin2},
};

}  // namespace

std::span<const OpisTabeli> SurowyKatalogTabel() { return kTabele; }

}  // namespace mirta::store
