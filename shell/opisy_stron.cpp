// The pages of an employee's file: which table each page edits, with which fields, labels,
// code lists and dictionary buttons. StronyPracownika builds every page from here.
#include "shell/opisy_stron.h"

namespace mirta::shell {
namespace {

using R = RodzajKontrolki;

constexpr OpisKontrolki T(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta};
}
constexpr OpisKontrolki D(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = R::Data};
}
constexpr OpisKontrolki K(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = R::Kod};
}
constexpr OpisKontrolki Z(std::string_view pole, std::string_view napis) {
    return {.pole = pole, .etykieta = napis, .rodzaj = R::Znacznik};
}
constexpr OpisKontrolki O(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = R::Odczyt};
}
constexpr OpisKontrolki N(std::string_view tytul) {
    return {.etykieta = tytul, .rodzaj = R::Naglowek};
}
// A lookup field of the catalogue, with its "..." button.
constexpr OpisKontrolki L(std::string_view pole, std::string_view etykieta,
                          std::string_view okno = {}, int numer = 0,
                          Usuwanie usuwanie = Usuwanie::Brak) {
    return {.pole = pole,
            .etykieta = etykieta,
            .rodzaj = R::Slownik,
            .oknoWyboru = okno,
            .numerWyboru = numer,
            .usuwanie = usuwanie};
}
constexpr OpisKontrolki Obok(OpisKontrolki k) {
    k.obok = true;
    return k;
}

// A record's name in the three forms the navigator's hints use.
constexpr NazwaRekordu Meski(std::string_view m, std::string_view b, std::string_view d) {
    return {Rodzaj::Meski, m, b, d};
}
constexpr NazwaRekordu Zenski(std::string_view m, std::string_view b, std::string_view d) {
    return {Rodzaj::Zenski, m, b, d};
}
constexpr NazwaRekordu Nijaki(std::string_view m, std::string_view b, std::string_view d) {
    return {Rodzaj::Nijaki, m, b, d};
}

constexpr const char* kPodstawy = "TFPdstawyyZdarzenKadrowych";
constexpr const char* kStanowiska = "TFSlownikStanowisk";
constexpr const char* kOrgany = "TFSlownikOrganowNadajacych";
constexpr const char* kPelnaListaStanowisk = "NazwaStanowiska;KodStanowiska;GrupaStanowiskSC";

// The position dictionary's key field, shown in the grid by the position's name.
constexpr OpisKontrolki Stanowisko(std::string_view pole, std::string_view etykieta,
                                   std::string_view lista, int numer,
                                   Usuwanie usuwanie = Usuwanie::Brak) {
    return {.pole = pole,
            .etykieta = etykieta,
            .rodzaj = R::Slownik,
            .slownik = "TSlowStanowisk",
            .kluczSlownika = "IdentyfikatorStanowiska",
            .listaSlownika = lista,
            .kolumna = "NazwaStanowiska",
            .oknoWyboru = kStanowiska,
            .numerWyboru = numer,
            .usuwanie = usuwanie};
}

// ---- Employee record

constexpr NazwaRekordu kPracownik = Meski("pracownik", "pracownika", "pracownika");

constexpr OpisKontrolki kPersonalne[] = {
    N("Dane osobowe"),
    T("Nazwisko", "Nazwisko:"),
    T("Imie1", "Imię pierwsze:"),
    T("Imie2", "Imię drugie:"),
    T("NazwiskoRodowe", "Nazwisko rodowe:"),
    T("ImieOjca", "Imię ojca:"),
    T("ImieMatki", "Imię i nazwisko rodowe matki:"),
    Obok(T("NazwiskoRodoweMatki", "")),
    D("DataUrodzenia", "Data i miejsce urodzenia:"),
    Obok(T("MiejsceUrodzenia", "")),
    K("Plec", "Płeć:"),
    T("PESEL", "PESEL:"),
    T("Nip", "NIP:"),
    N("Dowód osobisty"),
    T("NumerDowoduOsobistego", "Seria i nr:"),
    D("DataWystawieniaDowodu", "Data wystawienia:"),
    Obok(D("DataWaznosciDowodu", "ważności:")),
    T("KtoWydalDowodosobisty", "Wystawiony przez:"),
    T("KodWystawcyDowodu", "Kod GUS:"),
    N("Zatrudnienie"),
    T("NumerPracownika", "Nr pracownika:"),
    T("NrEwidencyjny", "Numer ewidencyjny:"),
    K("Podzial", "Rodzaj pracownika:"),
    K("SystemSluzby", "System służby:"),
    T("Etat", "Wymiar zatrudnienia:"),
    D("DataZatrudnienia", "Data zatrudnienia, zwolnienia:"),
    Obok(D("DataZwolnienia", "")),
    {.pole = "KomorkaOrganizacyjna",
     .etykieta = "Komórka organizacyjna:",
     .rodzaj = R::Slownik,
     .slownik = "TKomorkaPod",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "Nazwa;Symbol",
     .oknoWyboru = "TFPoidzialOrganizacyjny",
     .numerWyboru = 1,
     .usuwanie = Usuwanie::Zawsze},
    L("NazwaStatusuPracownikaCywilnego",
      "Status pracownika cywilnego:", "TFSlownikStatusowPracownikaCywilnego", 1),
    N("Umowne daty do stażu"),
    D("DataDoWyslugi", "Umowna data do wysługi:"),
    D("DataDoSluzby", "służby:"),
    D("DataDoNagrodyJubileuszowe", "nagrody jubileuszowej:"),
    D("DataDoEmerytury", "emerytury:"),
};

constexpr OpisKontrolki kAdresowe[] = {
    N("Adres zameldowania:"),
    T("KodPocztowy", "Kod pocztowy:"),
    T("Poczta", "Poczta:"),
    T("Miejscowosc", "Miejscowość:"),
    T("Ulica", "Ulica:"),
    T("NrDomuiMieszkania", "Nr domu/lokalu:"),
    N("Adres zamieszkania:"),
    T("KodPocztaZamieszkania", "Kod pocztowy i poczta:"),
    T("MiejscowoscAdresZamieszka", "Adres:"),
    T("KodZamieszkania", "Kod GUS:"),
    T("TelefonZamieszkania", "Telefon:"),
    T("TelefonKomorkowy", "Telefon komórkowy:"),
    T("AdresMail", "Adres email:"),
    N("Dane osoby do powiadamiania"),
    T("OsobaPowiadamiania", "Imię i nazwisko:"),
    T("KodPocztaPowiadamiania", "Kod pocztowy i poczta:"),
    T("MiejscowoscAdresPowiadami", "Adres:"),
    T("TelefonPowiadamiania", "Telefon:"),
};

constexpr OpisTabeliStrony kTabPersonalne[] = {{.komponent = "TPracownicy",
                                                .rekord = kPracownik,
                                                .kontrolki = kPersonalne,
                                                .siatka = false,
                                                .nawigator = false}};
constexpr OpisTabeliStrony kTabAdresowe[] = {{.komponent = "TPracownicy",
                                              .rekord = kPracownik,
                                              .kontrolki = kAdresowe,
                                              .siatka = false,
                                              .nawigator = false}};

// ---- Pay pages

constexpr OpisKontrolki kStanowisko[] = {
    D("DataOd", "Data:"),
    Stanowisko("IdentyfikatorStanowiska", "Stanowisko:", kPelnaListaStanowisk, 1),
    L("NazwaPodstawy", "Podstawa:", kPodstawy, 2),
};
constexpr OpisKontrolki kStanowiskoEtatowe[] = {
    D("DataOd", "Data:"),
    Stanowisko("IdentyfikatorStanowiska", "Stanowisko etatowe:", kPelnaListaStanowisk, 2),
    L("NazwaPodstawy", "Podstawa:", kPodstawy, 3),
};
constexpr OpisTabeliStrony kTabStanowiska[] = {
    {.komponent = "TStanowiska",
     .tytul = "Stanowiska zajmowane",
     .rekord = Nijaki("stanowisko", "stanowisko", "stanowiska"),
     .kontrolki = kStanowisko},
    {.komponent = "TStanowiskaE",
     .tytul = "Stanowiska etatowe",
     .rekord = Nijaki("stanowisko etatowe", "stanowisko etatowe", "stanowiska etatowego"),
     .kontrolki = kStanowiskoEtatowe},
};

constexpr OpisKontrolki kStopien[] = {
    D("DataOdKiedy", "Data od:"),
    {.pole = "IdentyfikatorStopnia",
     .etykieta = "Stopień:",
     .rodzaj = R::Slownik,
     .slownik = "TSlowStopni",
     .kluczSlownika = "IdentyfikatorStopnia",
     .listaSlownika = "NazwaStopnia;Kod",
     .kolumna = "NazwaStopnia",
     .oknoWyboru = "TFRodzajeStopniWynagrodzen",
     .numerWyboru = 1},
    K("Ubruttowienie", "Objęci ZUS:"),
    L("NazwaWydawcy", "Przez kogo wydany rozkaz:", "TFWydawcy", 1),
    T("NrRozkazu", "Nr rozkazu:"),
    D("DataObowiazywaniaStopnia", "Do:"),
    L("NazwaPodstawy", "Podstawa prawna:", kPodstawy, 1),
};
constexpr KolumnaDodatkowa kKolumnyStopnia[] = {{.pole = "Stawka", .tytul = "Stawka"}};
constexpr OpisTabeliStrony kTabStopien[] = {{.komponent = "TPracStop",
                                             .rekord = Meski("stopień", "stopień", "stopnia"),
                                             .kontrolki = kStopien,
                                             .kolumnyDodatkowe = kKolumnyStopnia}};

constexpr OpisKontrolki kDodSluzbowy[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    T("Wartosc", "Wart.dod.służbowego:"),
};
constexpr OpisKontrolki kDodMotywacyjny[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    T("Wartosc", "Wart.dod.motywacyjnego:"),
};
constexpr OpisKontrolki kPremiaCywila[] = {
    T("Rok", "Rok:"),
    T("Miesiac", "Miesiąc:"),
    T("Kwota", "% premii prac.cyw.:"),
};
constexpr OpisTabeliStrony kTabDodatki[] = {
    {.komponent = "TDodSluzbowy",
     .tytul = "Dodatek służbowy",
     .rekord = Meski("dodatek służbowy", "dodatek służbowy", "dodatku służbowego"),
     .kontrolki = kDodSluzbowy},
    {.komponent = "TDodInny",
     .tytul = "Dodatek motywacyjny",
     .rekord = Meski("dodatek motywacyjny", "dodatek motywacyjny", "dodatku motywacyjnego"),
     .kontrolki = kDodMotywacyjny},
    {.komponent = "TPremPracCyw",
     .tytul = "Premia pracownika cywilnego",
     .rekord = Zenski("premia", "premię", "premii"),
     .kontrolki = kPremiaCywila,
     .siatkaTylkoDoOdczytu = true,
     .siatkaStale = true},
};

constexpr OpisKontrolki kNagroda[] = {
    K("RodzajNagrody", "Rodzaj nagrody:"),
    D("DataPrzyznania", "Data:"),
    T("Kwota", "Kwota:"),
    T("Komentarz", "Komentarz:"),
};
constexpr OpisTabeliStrony kTabNagrody[] = {{.komponent = "TNagrody",
                                             .rekord = Zenski("nagroda", "nagrodę", "nagrody"),
                                             .kontrolki = kNagroda}};

constexpr OpisKontrolki kUrlop[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    {.pole = "RodzajUrlopu",
     .etykieta = "Rodzaj urlopu:",
     .rodzaj = R::Slownik,
     .slownik = "TRodzUrlop",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "NazwaUrlopu;Symbol",
     .kolumna = "NazwaUrlopu",
     .oknoWyboru = "TFRodzajeUrlopow",
     .numerWyboru = 1},
    T("Ilosc", "Dni wpr.:"),
    T("Godziny", "Godziny wpr.:"),
};
constexpr KolumnaDodatkowa kKolumnyUrlopu[] = {
    {.pole = "IloscWyliczona", .tytul = "Ilość wyl."},
    {.pole = "IloscRzeczywistaDni", .tytul = "Dni"},
    {.pole = "IloscRzeczywistaGodz", .tytul = "Godziny"}};
constexpr OpisTabeliStrony kTabUrlopy[] = {{.komponent = "TUrlopy",
                                            .rekord = Meski("urlop", "urlop", "urlopu"),
                                            .kontrolki = kUrlop,
                                            .kolumnyDodatkowe = kKolumnyUrlopu}};

constexpr OpisKontrolki kChoroba[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    K("RodzajChoroby", "Rodzaj choroby/zwolnienia:"),
};
constexpr OpisKontrolki kNieobecnosc[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    K("RodzajNieobecnosci", "Rodzaj nieobecności:"),
};
constexpr OpisTabeliStrony kTabChoroby[] = {
    {.komponent = "TChoroby",
     .tytul = "Choroby",
     .rekord = Zenski("choroba", "chorobę", "choroby"),
     .kontrolki = kChoroba},
    {.komponent = "TNieobecnosci",
     .tytul = "Nieobecności",
     .rekord = Zenski("nieobecność", "nieobecność", "nieobecności"),
     .kontrolki = kNieobecnosc},
};

constexpr OpisKontrolki kGrupa[] = {
    D("DataOdKiedy", "Data:"),
    L("NazwaGrupy", "Grupa:", "TFRodzajeGrupiWynagrodzen", 1),
    K("Ubruttowienie", "Objęci ZUS:"),
    T("Mnoznik", "Mnożnik:"),
    T("PlacaZasadnicza", "Płaca zasadnicza:"),
};
constexpr KolumnaDodatkowa kKolumnyGrupy[] = {{.pole = "Stawka", .tytul = "Stawka"},
                                              {.pole = "PlacaKoncowa", .tytul = "Płaca końcowa"}};
constexpr OpisTabeliStrony kTabGrupa[] = {
    {.komponent = "TPracGrup",
     .rekord = Zenski("grupa płacowa", "grupę płacową", "grupy płacowej"),
     .kontrolki = kGrupa,
     .kolumnyDodatkowe = kKolumnyGrupy}};

// ---- Course of service

constexpr OpisKontrolki kZatrudnienie[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    {.pole = "IdentyfikatorFormyZatrudn",
     .etykieta = "Forma zatrudnienia:",
     .rodzaj = R::Slownik,
     .slownik = "TSlowFormZatr",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "NazwaFormyZatrudnienia;Symbol",
     .kolumna = "NazwaFormyZatrudnienia",
     .oknoWyboru = "TFSlownikFormZatrudnienia",
     .numerWyboru = 1},
    L("NazwaPodstawy", "Podstawa:", kPodstawy, 4),
    L("NazwaRodzaju", "Rodzaj:", "TFRodzajZdarzeniaKadrowego", 1),
};
constexpr OpisKontrolki kSzkodliwe[] = {
    D("DataOd", "Data od:"),
    K("GrupaSzkodliwosci", "Grupa szkodliwości:"),
};
constexpr OpisTabeliStrony kTabFormaZatr[] = {
    {.komponent = "TZatrudnienie",
     .tytul = "Forma zatrudnienia",
     .rekord = Zenski("forma zatrudnienia", "formę zatrudnienia", "formy zatrudnienia"),
     .kontrolki = kZatrudnienie},
    {.komponent = "TSzkodliwe",
     .tytul = "Grupa szkodliwości",
     .rekord = Zenski("grupa szkodliwości", "grupę szkodliwości", "grupy szkodliwości"),
     .kontrolki = kSzkodliwe},
};

constexpr OpisKontrolki kPoprzednie[] = {
    D("DataOd", "Okres pracy od:"),
    Obok(D("DataDo", "do:")),
    T("NazwaZakładuPracy", "Nazwa zakładu pracy:"),
    T("AdresZakładuPracy", "Adres zakładu:"),
    Stanowisko("Stanowisko", "Stanowisko ze słownika:", "NazwaStanowiska;KodStanowiska", 3,
               Usuwanie::GdyJestRekord),
    T("NazwaStanowiskaWpr", "Stanowisko:"),
    {.pole = "SposobRozwiazaniaUmowy",
     .etykieta = "Sposób rozwiązania umowy o pracę:",
     .rodzaj = R::Podpowiedzi},
    O("DlugoscOkresu", "Długość okresu:"),
    N("Zaliczać do:"),
    Z("WSluzbie", "W służbie"),
    Z("DoWyslugi", "Do wysługi"),
    Z("DoUrlopu", "Do urlopu"),
    Z("DoNagrodyJubileuszowej", "Do nagr. jubileuszowej"),
    Z("DoEmerytury", "Do emerytury"),
};
constexpr OpisTabeliStrony kTabPoprzednie[] = {
    {.komponent = "TPopZatrudnienie",
     .rekord =
         Nijaki("poprzednie zatrudnienie", "poprzednie zatrudnienie", "poprzedniego zatrudnienia"),
     .kontrolki = kPoprzednie,
     .nazwaSiatki = "DBGrid14"}};

constexpr OpisKontrolki kZawieszenie[] = {
    D("DataZawieszenia", "Data:"),
    K("Powod", "Powód zawieszenia:"),
    D("DataPowrotu", "Data przypuszczalnego powrotu:"),
    K("KlasyfikacjaZawieszenia", "Klasyfikacja zawieszenia:"),
    Z("CzyFunkcjonariusz", "Funkcjonariusz"),
    Z("CzyWSluzbie", "W służbie"),
    N("Czas zawieszenia liczony jest do:"),
    Z("DoWyslugi", "Do wysługi"),
    Z("DoUrlopu", "Do urlopu"),
    Z("DoNagrodyJubileuszowej", "Do nagrody jubileuszowej"),
    Z("DoEmerytury", "Do emerytury"),
};
constexpr OpisTabeliStrony kTabZawieszenia[] = {
    {.komponent = "TZawieszenia",
     .rekord = Nijaki("zawieszenie", "zawieszenie", "zawieszenia"),
     .kontrolki = kZawieszenie}};

constexpr OpisKontrolki kWypowiedzenie[] = {
    D("DataWypowiedzeniaOd", "Data od:"),
    K("TypWypowiedzenia", "Typ wypowiedzenia:"),
    D("DataWypowiedzeniaDo", "Data do:"),
    T("Opis", "Opis wypowiedzenia:"),
};
constexpr OpisTabeliStrony kTabWypowiedzenia[] = {
    {.komponent = "TWypowiedzenia",
     .rekord = Nijaki("wypowiedzenie", "wypowiedzenie", "wypowiedzenia"),
     .kontrolki = kWypowiedzenie}};

constexpr OpisKontrolki kZwolnienie[] = {
    D("DataZwolnienia", "Data:"),
    T("SposobZwolnienia", "Sposob zwolnienia:"),
    T("PrzyczynaZwolnienia", "Przyczyna zwolnienia:"),
};
constexpr OpisTabeliStrony kTabZwolnienia[] = {
    {.komponent = "TZwolnienia",
     .rekord = Nijaki("zwolnienie", "zwolnienie", "zwolnienia"),
     .kontrolki = kZwolnienie}};

constexpr OpisKontrolki kDecyzja[] = {
    D("DataDecyzji", "Data decyzji:"),
    T("NrDecyzji", "Nr decyzji:"),
};
constexpr OpisTabeliStrony kTabDecyzje[] = {{.komponent = "TDecyzja",
                                             .rekord = Zenski("decyzja", "decyzję", "decyzji"),
                                             .kontrolki = kDecyzja}};

constexpr OpisKontrolki kOrder[] = {
    D("DataPrzyznania", "Data przyznania:"),
    L("NazwaOrderu", "Order:", "TFSlownikOrderow", 1),
    L("NazwaOrganuNadającego", "Organ nadający:", kOrgany, 1),
    T("NumerLegitimacji", "Numer legitymacji:"),
};
constexpr OpisTabeliStrony kTabOrdery[] = {{.komponent = "TOrdery",
                                            .rekord = Meski("order", "order", "orderu"),
                                            .kontrolki = kOrder,
                                            .siatkaTylkoDoOdczytu = true,
                                            .siatkaOdnawiana = true}};

constexpr OpisKontrolki kKara[] = {
    D("DataPrzyznania", "Data przyznania:"),
    L("NazwaKary", "Kara:", "TFSlownikKar", 1),
    L("NazwaOrganuNadajacego", "Organ nadający:", kOrgany, 2),
};
constexpr OpisTabeliStrony kTabKary[] = {{.komponent = "TKary",
                                          .rekord = Zenski("kara", "karę", "kary"),
                                          .kontrolki = kKara,
                                          .siatkaTylkoDoOdczytu = true,
                                          .siatkaOdnawiana = true}};

constexpr OpisKontrolki kWyroznienie[] = {
    D("DataPrzyznania", "Data:"),
    L("NazwaWyroznienia", "Wyróżnienie:", "TFSlowWyroznien", 1),
    L("NazwaOrganuNadajacego", "Organ nadający:", kOrgany, 3),
    T("KwotaNagrody", "Kwota nagrody:"),
    T("IloscDniUrlopuDodatkowego", "dni urlopu dodatkowego:"),
    T("NumerLegitymacji", "nr legitymacji:"),
};
constexpr OpisTabeliStrony kTabWyroznienia[] = {
    {.komponent = "TWyroznienia",
     .rekord = Nijaki("wyróżnienie", "wyróżnienie", "wyróżnienia"),
     .kontrolki = kWyroznienie,
     .siatkaTylkoDoOdczytu = true,
     .siatkaOdnawiana = true}};

// ---- Family and education

constexpr OpisKontrolki kCzlonekRodziny[] = {
    L("NazwaStopniaPokrewienstwa", "Stop. pokrewieństwa:", "TFRodzajePokrewienst", 1),
    T("Nazwisko", "Nazwisko:"),
    T("Imie1", "Imię pierwsze:"),
    T("Imie2", "Imię drugie:"),
    D("DataUrodzenia", "Data urodzenia:"),
    D("DataZawarciaZwMalzenskieg", "Data zawarcia zw. małżeńskiego:"),
};
constexpr OpisTabeliStrony kTabRodzina[] = {
    {.komponent = "TRodzina",
     .rekord = Meski("członek rodziny", "członka rodziny", "członka rodziny"),
     .kontrolki = kCzlonekRodziny,
     .siatkaTylkoDoOdczytu = true}};

constexpr OpisKontrolki kWyksztalcenie[] = {
    T("RokUkonczenia", "Rok ukończenia:"),
    L("NazwaRodzajuWyksztalcenia", "Rodzaj wykształcenia:", "TFRodzajeWyksztalcenia", 1),
    T("NazwaUczelni", "Nazwa uczelni:"),
    L("NazwaTytuluNaukowego", "Tytuł naukowo/zawodowy:", "TFRodzajeStopniNaukowych", 1),
    L("NazwaTytuluZawodowego", "Kierunek wykształcenia:", "TFSlownikTytZawod", 1,
      Usuwanie::GdyJestRekord),
    D("DataUzyskania", "Data uzyskania:"),
    Z("Strazackie", "Wykształcenie strażackie"),
};
constexpr KolumnaDodatkowa kKolumnyWyksztalcenia[] = {
    {.pole = "TekstStrazackie", .tytul = "Strażackie"}};
constexpr OpisTabeliStrony kTabWyksztalcenie[] = {
    {.komponent = "TWyksztalcenie",
     .rekord = Nijaki("wykształcenie", "wykształcenie", "wykształcenia"),
     .kontrolki = kWyksztalcenie,
     .kolumnyDodatkowe = kKolumnyWyksztalcenia,
     .siatkaTylkoDoOdczytu = true}};

constexpr OpisKontrolki kKurs[] = {
    T("RokUkonczenia", "Rok ukończenia:"),
    T("NazwaKursu", "Nazwa kursu:"),
    D("DataNabycia", "Data nabycia:"),
    L("NazwaRodzajuKursu", "Rodzaj kursu:", "TFRodzajeKursow", 1),
    D("DataWaznosci", "Data ważności:"),
};
constexpr OpisTabeliStrony kTabKursy[] = {{.komponent = "TKursy",
                                           .rekord = Meski("kurs", "kurs", "kursu"),
                                           .kontrolki = kKurs,
                                           .siatkaTylkoDoOdczytu = true}};

// ---- Other records

constexpr OpisKontrolki kBadanie[] = {
    D("DataBadania", "Data bad.:"),
    K("RodzajBadania", "Rodzaj badania:"),
    K("WynikBadania", "Wynik badania:"),
    D("DataNastepnegoBadania", "Data następnego:"),
    T("PrzyczynaNiewykonania", "Przyczyna niewykonania:"),
};
constexpr OpisTabeliStrony kTabBadania[] = {{.komponent = "TBadania",
                                             .rekord = Nijaki("badanie", "badanie", "badania"),
                                             .kontrolki = kBadanie}};

constexpr OpisKontrolki kDodatkoweZatrudnienie[] = {
    D("DataOd", "Data od:"),
    D("DataDo", "Data do:"),
    T("WymiarCzasuPracy", "Etat:"),
    L("NazwaFormyZatrudnienia", "Forma zatrudnienia:", "TFSlownikFormZatrudnienia", 2),
    T("ZgodyUdzielil", "Zgody udzielił:"),
    T("NazwaZakladu", "Nazwa zakładu:"),
};
constexpr OpisTabeliStrony kTabDodatkoweZatrudnienie[] = {
    {.komponent = "TDodZatrudnienie",
     .rekord =
         Nijaki("dodatkowe zatrudnienie", "dodatkowe zatrudnienie", "dodatkowego zatrudnienia"),
     .kontrolki = kDodatkoweZatrudnienie}};

constexpr OpisKontrolki kRenta[] = {
    D("DataPrzyznania", "Przyznano:"),
    L("NazwaGrupyInwalidzkiej", "Grupa inwalidzka:", "TFSlownikGrupInwalidzkich", 1,
      Usuwanie::ZKomunikatem),
    L("NazwaRodzajuSwiadczenia", "Rodzaj świadczenia:", "TFSlownikRodzajowSwiadczenEmerytalnych", 1,
      Usuwanie::ZKomunikatem),
    T("NrRentyEmerytury", "Numer:"),
    T("Opis", "Opis:"),
    D("DataZawieszenia", "Zawieszono:"),
};
constexpr OpisTabeliStrony kTabRenta[] = {
    {.komponent = "TEmRentGrInw",
     .rekord = Nijaki("świadczenie", "świadczenie", "świadczenia"),
     .kontrolki = kRenta}};

constexpr const char* kPlacowe = "płacowe";
constexpr const char* kPrzebieg = "Przebieg pracy";
constexpr const char* kInne = "Inne";

constexpr OpisStrony kStrony[] = {
    {.tytul = "Dane personalne",
     .tabele = kTabPersonalne,
     .kolumny = 2,
     .pierwsza = true,
     .polaPlacowe = true},
    {.tytul = "adresowe", .tabele = kTabAdresowe, .kolumny = 2, .polaPlacowe = true},
    {.tytul = kPlacowe, .rodzaj = RodzajStrony::Kontener, .wTrybieUrlopowym = true},
    {.tytul = "Stanowiska", .rodzic = kPlacowe, .tabele = kTabStanowiska, .pierwsza = true},
    {.tytul = "Stopien", .rodzic = kPlacowe, .tabele = kTabStopien},
    {.tytul = "Dodatki", .rodzic = kPlacowe, .tabele = kTabDodatki},
    {.tytul = "Nagrody", .rodzic = kPlacowe, .tabele = kTabNagrody},
    // The leave page's fields are locked with the payroll identity's.
    {.tytul = "Urlopy",
     .rodzic = kPlacowe,
     .tabele = kTabUrlopy,
     .polaPlacowe = true,
     .wTrybieUrlopowym = true,
     .startTrybuUrlopowego = true},
    {.tytul = "Choroby / Nieobecności",
     .rodzic = kPlacowe,
     .tabele = kTabChoroby,
     .wTrybieUrlopowym = true,
     .zUrlopem = true},
    {.tytul = "Grupa płacowa", .rodzic = kPlacowe, .tabele = kTabGrupa},
    {.tytul = "Informacja zbiorcza",
     .rodzic = kPlacowe,
     .rodzaj = RodzajStrony::InformacjaZbiorcza},
    {.tytul = "Wynagr.", .rodzic = kPlacowe, .rodzaj = RodzajStrony::Wynagrodzenia},
    {.tytul = kPrzebieg, .rodzaj = RodzajStrony::Kontener},
    {.tytul = "Forma zatr.Grupa szk.", .rodzic = kPrzebieg, .tabele = kTabFormaZatr},
    {.tytul = "Poprzednie zatrudnienia",
     .rodzic = kPrzebieg,
     .tabele = kTabPoprzednie,
     .pierwsza = true},
    {.tytul = "Zawieszenia", .rodzic = kPrzebieg, .tabele = kTabZawieszenia},
    {.tytul = "Wypowiedzenia", .rodzic = kPrzebieg, .tabele = kTabWypowiedzenia},
    {.tytul = "Zwolnienia", .rodzic = kPrzebieg, .tabele = kTabZwolnienia},
    {.tytul = "Decyzje personalne", .rodzic = kPrzebieg, .tabele = kTabDecyzje},
    {.tytul = "Ordery", .rodzic = kPrzebieg, .tabele = kTabOrdery},
    {.tytul = "Kary", .rodzic = kPrzebieg, .tabele = kTabKary},
    {.tytul = "Wyróżnienia", .rodzic = kPrzebieg, .tabele = kTabWyroznienia},
    {.tytul = "Rodzina pracownika", .tabele = kTabRodzina},
    {.tytul = "Wykształcenie", .tabele = kTabWyksztalcenie},
    {.tytul = "Wykształcenie uzupełniające", .tabele = kTabKursy},
    {.tytul = kInne, .rodzaj = RodzajStrony::Kontener},
    {.tytul = "Badania lekarskie", .rodzic = kInne, .tabele = kTabBadania, .pierwsza = true},
    {.tytul = "Dodatkowe zatrudnienie", .rodzic = kInne, .tabele = kTabDodatkoweZatrudnienie},
    {.tytul = "Renta / emerytura / grupainwalidzka", .rodzic = kInne, .tabele = kTabRenta},
    {.tytul = kStronaAkt, .rodzaj = RodzajStrony::Osadzona},
};

constexpr std::string_view kStraz[] = {
    "TEmRentGrInw",  "TDodZatrudnienie", "TBadania",       "TKursy",        "TPracStop",
    "TZawieszenia",  "TWypowiedzenia",   "TZwolnienia",    "TDecyzja",      "TPopZatrudnienie",
    "TPracGrup",     "TRodzina",         "TWyksztalcenie", "TStanowiska",   "TStanowiskaE",
    "TZatrudnienie", "TSzkodliwe",       "TDodSluzbowy",   "TDodInny",      "TPremPracCyw",
    "TNagrody",      "TUrlopy",          "TChoroby",       "TNieobecnosci", "TOrdery",
    "TKary",         "TWyroznienia"};

constexpr std::string_view kPolaPlacowe[] = {"Nazwisko",
                                             "Imie1",
                                             "Imie2",
                                             "ImieOjca",
                                             "ImieMatki",
                                             "DataUrodzenia",
                                             "MiejsceUrodzenia",
                                             "Plec",
                                             "PESEL",
                                             "Nip",
                                             "NumerDowoduOsobistego",
                                             "KtoWydalDowodosobisty",
                                             "KodPocztowy",
                                             "Poczta",
                                             "Miejscowosc",
                                             "Ulica",
                                             "NrDomuiMieszkania",
                                             "DataZatrudnienia",
                                             "DataZwolnienia",
                                             "Etat"};

}  // namespace

std::span<const OpisStrony> OpisyStron() {
    return kStrony;
}

std::span<const std::string_view> KolejnoscStrazy() {
    return kStraz;
}

std::span<const std::string_view> PolaPlacowe() {
    return kPolaPlacowe;
}

const store::ListaKodow& ListaPola(std::string_view pole, int rok) {
    return pole == "GrupaSzkodliwosci" ? store::ListaGrupSzkodliwosci(rok) : store::Lista(pole);
}

kit::NavigatorHints PodpowiedziNawigatora(const NazwaRekordu& r) {
    const QString m = QString::fromUtf8(r.mianownik.data(), qsizetype(r.mianownik.size()));
    const QString b = QString::fromUtf8(r.biernik.data(), qsizetype(r.biernik.size()));
    const QString d = QString::fromUtf8(r.dopelniacz.data(), qsizetype(r.dopelniacz.size()));
    struct Formy {
        const char *pierwszy, *poprzedni, *nastepny, *ostatni;
    };
    const Formy f =
        r.rodzaj == Rodzaj::Meski    ? Formy{"Pierwszy", "Poprzedni", "Następny", "Ostatni"}
        : r.rodzaj == Rodzaj::Zenski ? Formy{"Pierwsza", "Poprzednia", "Następna", "Ostatnia"}
                                     : Formy{"Pierwsze", "Poprzednie", "Następne", "Ostatnie"};
    return {QString::fromUtf8(f.pierwszy) + ' ' + m,
            QString::fromUtf8(f.poprzedni) + ' ' + m,
            QString::fromUtf8(f.nastepny) + ' ' + m,
            QString::fromUtf8(f.ostatni) + ' ' + m,
            "Dodaj " + b,
            "Skasuj " + b,
            "Edytuj dane " + d,
            "Zapisz dane " + d,
            QString::fromUtf8("Porzuć zmiany"),
            QString::fromUtf8("Odśwież dane")};
}

}  // namespace mirta::shell
