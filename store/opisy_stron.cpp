// The pages of an employee's file: which table each page edits, with which fields, labels,
// code lists and dictionary buttons. StronyPracownika builds every page from here.
#include "store/opisy_stron.h"

namespace mirta::store {
namespace {

constexpr OpisKontrolki PoleTekstu(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta};
}
constexpr OpisKontrolki PoleDaty(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = RodzajKontrolki::Data};
}
constexpr OpisKontrolki PoleKodu(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = RodzajKontrolki::Kod};
}
constexpr OpisKontrolki Znacznik(std::string_view pole, std::string_view napis) {
    return {.pole = pole, .etykieta = napis, .rodzaj = RodzajKontrolki::Znacznik};
}
constexpr OpisKontrolki PoleOdczytu(std::string_view pole, std::string_view etykieta) {
    return {.pole = pole, .etykieta = etykieta, .rodzaj = RodzajKontrolki::Odczyt};
}
constexpr OpisKontrolki NaglowekGrupy(std::string_view tytul) {
    return {.etykieta = tytul, .rodzaj = RodzajKontrolki::Naglowek};
}
// A lookup field of the catalogue, with its "..." button.
constexpr OpisKontrolki PoleSlownika(std::string_view pole, std::string_view etykieta,
                                     std::string_view okno = {}, int numer = 0,
                                     Usuwanie usuwanie = Usuwanie::Brak) {
    return {.pole = pole,
            .etykieta = etykieta,
            .rodzaj = RodzajKontrolki::Slownik,
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
            .rodzaj = RodzajKontrolki::Slownik,
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
    NaglowekGrupy("Dane osobowe"),
    PoleTekstu("Nazwisko", "Nazwisko:"),
    PoleTekstu("Imie1", "Imię pierwsze:"),
    PoleTekstu("Imie2", "Imię drugie:"),
    PoleTekstu("NazwiskoRodowe", "Nazwisko rodowe:"),
    PoleTekstu("ImieOjca", "Imię ojca:"),
    PoleTekstu("ImieMatki", "Imię i nazwisko rodowe matki:"),
    Obok(PoleTekstu("NazwiskoRodoweMatki", "")),
    PoleDaty("DataUrodzenia", "Data i miejsce urodzenia:"),
    Obok(PoleTekstu("MiejsceUrodzenia", "")),
    PoleKodu("Plec", "Płeć:"),
    PoleTekstu("PESEL", "PESEL:"),
    PoleTekstu("Nip", "NIP:"),
    NaglowekGrupy("Dowód osobisty"),
    PoleTekstu("NumerDowoduOsobistego", "Seria i nr:"),
    PoleDaty("DataWystawieniaDowodu", "Data wystawienia:"),
    Obok(PoleDaty("DataWaznosciDowodu", "ważności:")),
    PoleTekstu("KtoWydalDowodosobisty", "Wystawiony przez:"),
    PoleTekstu("KodWystawcyDowodu", "Kod GUS:"),
    NaglowekGrupy("Zatrudnienie"),
    PoleTekstu("NumerPracownika", "Nr pracownika:"),
    PoleTekstu("NrEwidencyjny", "Numer ewidencyjny:"),
    PoleKodu("Podzial", "Rodzaj pracownika:"),
    PoleKodu("SystemSluzby", "System służby:"),
    PoleTekstu("Etat", "Wymiar zatrudnienia:"),
    PoleDaty("DataZatrudnienia", "Data zatrudnienia, zwolnienia:"),
    Obok(PoleDaty("DataZwolnienia", "")),
    {.pole = "KomorkaOrganizacyjna",
     .etykieta = "Komórka organizacyjna:",
     .rodzaj = RodzajKontrolki::Slownik,
     .slownik = "TKomorkaPod",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "Nazwa;Symbol",
     .oknoWyboru = "TFPoidzialOrganizacyjny",
     .numerWyboru = 1,
     .usuwanie = Usuwanie::Zawsze},
    PoleSlownika("NazwaStatusuPracownikaCywilnego",
                 "Status pracownika cywilnego:", "TFSlownikStatusowPracownikaCywilnego", 1),
    NaglowekGrupy("Umowne daty do stażu"),
    PoleDaty("DataDoWyslugi", "Umowna data do wysługi:"),
    PoleDaty("DataDoSluzby", "służby:"),
    PoleDaty("DataDoNagrodyJubileuszowe", "nagrody jubileuszowej:"),
    PoleDaty("DataDoEmerytury", "emerytury:"),
};

constexpr OpisKontrolki kAdresowe[] = {
    NaglowekGrupy("Adres zameldowania:"),
    PoleTekstu("KodPocztowy", "Kod pocztowy:"),
    PoleTekstu("Poczta", "Poczta:"),
    PoleTekstu("Miejscowosc", "Miejscowość:"),
    PoleTekstu("Ulica", "Ulica:"),
    PoleTekstu("NrDomuiMieszkania", "Nr domu/lokalu:"),
    NaglowekGrupy("Adres zamieszkania:"),
    PoleTekstu("KodPocztaZamieszkania", "Kod pocztowy i poczta:"),
    PoleTekstu("MiejscowoscAdresZamieszka", "Adres:"),
    PoleTekstu("KodZamieszkania", "Kod GUS:"),
    PoleTekstu("TelefonZamieszkania", "Telefon:"),
    PoleTekstu("TelefonKomorkowy", "Telefon komórkowy:"),
    PoleTekstu("AdresMail", "Adres email:"),
    NaglowekGrupy("Dane osoby do powiadamiania"),
    PoleTekstu("OsobaPowiadamiania", "Imię i nazwisko:"),
    PoleTekstu("KodPocztaPowiadamiania", "Kod pocztowy i poczta:"),
    PoleTekstu("MiejscowoscAdresPowiadami", "Adres:"),
    PoleTekstu("TelefonPowiadamiania", "Telefon:"),
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
    PoleDaty("DataOd", "Data:"),
    Stanowisko("IdentyfikatorStanowiska", "Stanowisko:", kPelnaListaStanowisk, 1),
    PoleSlownika("NazwaPodstawy", "Podstawa:", kPodstawy, 2),
};
constexpr OpisKontrolki kStanowiskoEtatowe[] = {
    PoleDaty("DataOd", "Data:"),
    Stanowisko("IdentyfikatorStanowiska", "Stanowisko etatowe:", kPelnaListaStanowisk, 2),
    PoleSlownika("NazwaPodstawy", "Podstawa:", kPodstawy, 3),
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
    PoleDaty("DataOdKiedy", "Data od:"),
    {.pole = "IdentyfikatorStopnia",
     .etykieta = "Stopień:",
     .rodzaj = RodzajKontrolki::Slownik,
     .slownik = "TSlowStopni",
     .kluczSlownika = "IdentyfikatorStopnia",
     .listaSlownika = "NazwaStopnia;Kod",
     .kolumna = "NazwaStopnia",
     .oknoWyboru = "TFRodzajeStopniWynagrodzen",
     .numerWyboru = 1},
    PoleKodu("Ubruttowienie", "Objęci ZUS:"),
    PoleSlownika("NazwaWydawcy", "Przez kogo wydany rozkaz:", "TFWydawcy", 1),
    PoleTekstu("NrRozkazu", "Nr rozkazu:"),
    PoleDaty("DataObowiazywaniaStopnia", "Do:"),
    PoleSlownika("NazwaPodstawy", "Podstawa prawna:", kPodstawy, 1),
};
constexpr KolumnaDodatkowa kKolumnyStopnia[] = {{.pole = "Stawka", .tytul = "Stawka"}};
constexpr OpisTabeliStrony kTabStopien[] = {{.komponent = "TPracStop",
                                             .rekord = Meski("stopień", "stopień", "stopnia"),
                                             .kontrolki = kStopien,
                                             .kolumnyDodatkowe = kKolumnyStopnia}};

constexpr OpisKontrolki kDodSluzbowy[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    PoleTekstu("Wartosc", "Wart.dod.służbowego:"),
};
constexpr OpisKontrolki kDodMotywacyjny[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    PoleTekstu("Wartosc", "Wart.dod.motywacyjnego:"),
};
constexpr OpisKontrolki kPremiaCywila[] = {
    PoleTekstu("Rok", "Rok:"),
    PoleTekstu("Miesiac", "Miesiąc:"),
    PoleTekstu("Kwota", "% premii prac.cyw.:"),
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
    PoleKodu("RodzajNagrody", "Rodzaj nagrody:"),
    PoleDaty("DataPrzyznania", "Data:"),
    PoleTekstu("Kwota", "Kwota:"),
    PoleTekstu("Komentarz", "Komentarz:"),
};
constexpr OpisTabeliStrony kTabNagrody[] = {{.komponent = "TNagrody",
                                             .rekord = Zenski("nagroda", "nagrodę", "nagrody"),
                                             .kontrolki = kNagroda}};

constexpr OpisKontrolki kUrlop[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    {.pole = "RodzajUrlopu",
     .etykieta = "Rodzaj urlopu:",
     .rodzaj = RodzajKontrolki::Slownik,
     .slownik = "TRodzUrlop",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "NazwaUrlopu;Symbol",
     .kolumna = "NazwaUrlopu",
     .oknoWyboru = "TFRodzajeUrlopow",
     .numerWyboru = 1},
    PoleTekstu("Ilosc", "Dni wpr.:"),
    PoleTekstu("Godziny", "Godziny wpr.:"),
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
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    PoleKodu("RodzajChoroby", "Rodzaj choroby/zwolnienia:"),
};
constexpr OpisKontrolki kNieobecnosc[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    PoleKodu("RodzajNieobecnosci", "Rodzaj nieobecności:"),
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
    PoleDaty("DataOdKiedy", "Data:"),
    PoleSlownika("NazwaGrupy", "Grupa:", "TFRodzajeGrupiWynagrodzen", 1),
    PoleKodu("Ubruttowienie", "Objęci ZUS:"),
    PoleTekstu("Mnoznik", "Mnożnik:"),
    PoleTekstu("PlacaZasadnicza", "Płaca zasadnicza:"),
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
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    {.pole = "IdentyfikatorFormyZatrudn",
     .etykieta = "Forma zatrudnienia:",
     .rodzaj = RodzajKontrolki::Slownik,
     .slownik = "TSlowFormZatr",
     .kluczSlownika = "Identyfikator",
     .listaSlownika = "NazwaFormyZatrudnienia;Symbol",
     .kolumna = "NazwaFormyZatrudnienia",
     .oknoWyboru = "TFSlownikFormZatrudnienia",
     .numerWyboru = 1},
    PoleSlownika("NazwaPodstawy", "Podstawa:", kPodstawy, 4),
    PoleSlownika("NazwaRodzaju", "Rodzaj:", "TFRodzajZdarzeniaKadrowego", 1),
};
constexpr OpisKontrolki kSzkodliwe[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleKodu("GrupaSzkodliwosci", "Grupa szkodliwości:"),
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
    PoleDaty("DataOd", "Okres pracy od:"),
    Obok(PoleDaty("DataDo", "do:")),
    PoleTekstu("NazwaZakładuPracy", "Nazwa zakładu pracy:"),
    PoleTekstu("AdresZakładuPracy", "Adres zakładu:"),
    Stanowisko("Stanowisko", "Stanowisko ze słownika:", "NazwaStanowiska;KodStanowiska", 3,
               Usuwanie::GdyJestRekord),
    PoleTekstu("NazwaStanowiskaWpr", "Stanowisko:"),
    {.pole = "SposobRozwiazaniaUmowy",
     .etykieta = "Sposób rozwiązania umowy o pracę:",
     .rodzaj = RodzajKontrolki::Podpowiedzi},
    PoleOdczytu("DlugoscOkresu", "Długość okresu:"),
    NaglowekGrupy("Zaliczać do:"),
    Znacznik("WSluzbie", "W służbie"),
    Znacznik("DoWyslugi", "Do wysługi"),
    Znacznik("DoUrlopu", "Do urlopu"),
    Znacznik("DoNagrodyJubileuszowej", "Do nagr. jubileuszowej"),
    Znacznik("DoEmerytury", "Do emerytury"),
};
constexpr OpisTabeliStrony kTabPoprzednie[] = {
    {.komponent = "TPopZatrudnienie",
     .rekord =
         Nijaki("poprzednie zatrudnienie", "poprzednie zatrudnienie", "poprzedniego zatrudnienia"),
     .kontrolki = kPoprzednie,
     .nazwaSiatki = "DBGrid14"}};

constexpr OpisKontrolki kZawieszenie[] = {
    PoleDaty("DataZawieszenia", "Data:"),
    PoleKodu("Powod", "Powód zawieszenia:"),
    PoleDaty("DataPowrotu", "Data przypuszczalnego powrotu:"),
    PoleKodu("KlasyfikacjaZawieszenia", "Klasyfikacja zawieszenia:"),
    Znacznik("CzyFunkcjonariusz", "Funkcjonariusz"),
    Znacznik("CzyWSluzbie", "W służbie"),
    NaglowekGrupy("Czas zawieszenia liczony jest do:"),
    Znacznik("DoWyslugi", "Do wysługi"),
    Znacznik("DoUrlopu", "Do urlopu"),
    Znacznik("DoNagrodyJubileuszowej", "Do nagrody jubileuszowej"),
    Znacznik("DoEmerytury", "Do emerytury"),
};
constexpr OpisTabeliStrony kTabZawieszenia[] = {
    {.komponent = "TZawieszenia",
     .rekord = Nijaki("zawieszenie", "zawieszenie", "zawieszenia"),
     .kontrolki = kZawieszenie}};

constexpr OpisKontrolki kWypowiedzenie[] = {
    PoleDaty("DataWypowiedzeniaOd", "Data od:"),
    PoleKodu("TypWypowiedzenia", "Typ wypowiedzenia:"),
    PoleDaty("DataWypowiedzeniaDo", "Data do:"),
    PoleTekstu("Opis", "Opis wypowiedzenia:"),
};
constexpr OpisTabeliStrony kTabWypowiedzenia[] = {
    {.komponent = "TWypowiedzenia",
     .rekord = Nijaki("wypowiedzenie", "wypowiedzenie", "wypowiedzenia"),
     .kontrolki = kWypowiedzenie}};

constexpr OpisKontrolki kZwolnienie[] = {
    PoleDaty("DataZwolnienia", "Data:"),
    PoleTekstu("SposobZwolnienia", "Sposob zwolnienia:"),
    PoleTekstu("PrzyczynaZwolnienia", "Przyczyna zwolnienia:"),
};
constexpr OpisTabeliStrony kTabZwolnienia[] = {
    {.komponent = "TZwolnienia",
     .rekord = Nijaki("zwolnienie", "zwolnienie", "zwolnienia"),
     .kontrolki = kZwolnienie}};

constexpr OpisKontrolki kDecyzja[] = {
    PoleDaty("DataDecyzji", "Data decyzji:"),
    PoleTekstu("NrDecyzji", "Nr decyzji:"),
};
constexpr OpisTabeliStrony kTabDecyzje[] = {{.komponent = "TDecyzja",
                                             .rekord = Zenski("decyzja", "decyzję", "decyzji"),
                                             .kontrolki = kDecyzja}};

constexpr OpisKontrolki kOrder[] = {
    PoleDaty("DataPrzyznania", "Data przyznania:"),
    PoleSlownika("NazwaOrderu", "Order:", "TFSlownikOrderow", 1),
    PoleSlownika("NazwaOrganuNadającego", "Organ nadający:", kOrgany, 1),
    PoleTekstu("NumerLegitimacji", "Numer legitymacji:"),
};
constexpr OpisTabeliStrony kTabOrdery[] = {{.komponent = "TOrdery",
                                            .rekord = Meski("order", "order", "orderu"),
                                            .kontrolki = kOrder,
                                            .siatkaTylkoDoOdczytu = true,
                                            .siatkaOdnawiana = true}};

constexpr OpisKontrolki kKara[] = {
    PoleDaty("DataPrzyznania", "Data przyznania:"),
    PoleSlownika("NazwaKary", "Kara:", "TFSlownikKar", 1),
    PoleSlownika("NazwaOrganuNadajacego", "Organ nadający:", kOrgany, 2),
};
constexpr OpisTabeliStrony kTabKary[] = {{.komponent = "TKary",
                                          .rekord = Zenski("kara", "karę", "kary"),
                                          .kontrolki = kKara,
                                          .siatkaTylkoDoOdczytu = true,
                                          .siatkaOdnawiana = true}};

constexpr OpisKontrolki kWyroznienie[] = {
    PoleDaty("DataPrzyznania", "Data:"),
    PoleSlownika("NazwaWyroznienia", "Wyróżnienie:", "TFSlowWyroznien", 1),
    PoleSlownika("NazwaOrganuNadajacego", "Organ nadający:", kOrgany, 3),
    PoleTekstu("KwotaNagrody", "Kwota nagrody:"),
    PoleTekstu("IloscDniUrlopuDodatkowego", "dni urlopu dodatkowego:"),
    PoleTekstu("NumerLegitymacji", "nr legitymacji:"),
};
constexpr OpisTabeliStrony kTabWyroznienia[] = {
    {.komponent = "TWyroznienia",
     .rekord = Nijaki("wyróżnienie", "wyróżnienie", "wyróżnienia"),
     .kontrolki = kWyroznienie,
     .siatkaTylkoDoOdczytu = true,
     .siatkaOdnawiana = true}};

// ---- Family and education

constexpr OpisKontrolki kCzlonekRodziny[] = {
    PoleSlownika("NazwaStopniaPokrewienstwa", "Stop. pokrewieństwa:", "TFRodzajePokrewienst", 1),
    PoleTekstu("Nazwisko", "Nazwisko:"),
    PoleTekstu("Imie1", "Imię pierwsze:"),
    PoleTekstu("Imie2", "Imię drugie:"),
    PoleDaty("DataUrodzenia", "Data urodzenia:"),
    PoleDaty("DataZawarciaZwMalzenskieg", "Data zawarcia zw. małżeńskiego:"),
};
constexpr OpisTabeliStrony kTabRodzina[] = {
    {.komponent = "TRodzina",
     .rekord = Meski("członek rodziny", "członka rodziny", "członka rodziny"),
     .kontrolki = kCzlonekRodziny,
     .siatkaTylkoDoOdczytu = true}};

constexpr OpisKontrolki kWyksztalcenie[] = {
    PoleTekstu("RokUkonczenia", "Rok ukończenia:"),
    PoleSlownika("NazwaRodzajuWyksztalcenia", "Rodzaj wykształcenia:", "TFRodzajeWyksztalcenia", 1),
    PoleTekstu("NazwaUczelni", "Nazwa uczelni:"),
    PoleSlownika("NazwaTytuluNaukowego", "Tytuł naukowo/zawodowy:", "TFRodzajeStopniNaukowych", 1),
    PoleSlownika("NazwaTytuluZawodowego", "Kierunek wykształcenia:", "TFSlownikTytZawod", 1,
                 Usuwanie::GdyJestRekord),
    PoleDaty("DataUzyskania", "Data uzyskania:"),
    Znacznik("Strazackie", "Wykształcenie strażackie"),
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
    PoleTekstu("RokUkonczenia", "Rok ukończenia:"),
    PoleTekstu("NazwaKursu", "Nazwa kursu:"),
    PoleDaty("DataNabycia", "Data nabycia:"),
    PoleSlownika("NazwaRodzajuKursu", "Rodzaj kursu:", "TFRodzajeKursow", 1),
    PoleDaty("DataWaznosci", "Data ważności:"),
};
constexpr OpisTabeliStrony kTabKursy[] = {{.komponent = "TKursy",
                                           .rekord = Meski("kurs", "kurs", "kursu"),
                                           .kontrolki = kKurs,
                                           .siatkaTylkoDoOdczytu = true}};

// ---- Other records

constexpr OpisKontrolki kBadanie[] = {
    PoleDaty("DataBadania", "Data bad.:"),
    PoleKodu("RodzajBadania", "Rodzaj badania:"),
    PoleKodu("WynikBadania", "Wynik badania:"),
    PoleDaty("DataNastepnegoBadania", "Data następnego:"),
    PoleTekstu("PrzyczynaNiewykonania", "Przyczyna niewykonania:"),
};
constexpr OpisTabeliStrony kTabBadania[] = {{.komponent = "TBadania",
                                             .rekord = Nijaki("badanie", "badanie", "badania"),
                                             .kontrolki = kBadanie}};

constexpr OpisKontrolki kDodatkoweZatrudnienie[] = {
    PoleDaty("DataOd", "Data od:"),
    PoleDaty("DataDo", "Data do:"),
    PoleTekstu("WymiarCzasuPracy", "Etat:"),
    PoleSlownika("NazwaFormyZatrudnienia", "Forma zatrudnienia:", "TFSlownikFormZatrudnienia", 2),
    PoleTekstu("ZgodyUdzielil", "Zgody udzielił:"),
    PoleTekstu("NazwaZakladu", "Nazwa zakładu:"),
};
constexpr OpisTabeliStrony kTabDodatkoweZatrudnienie[] = {
    {.komponent = "TDodZatrudnienie",
     .rekord =
         Nijaki("dodatkowe zatrudnienie", "dodatkowe zatrudnienie", "dodatkowego zatrudnienia"),
     .kontrolki = kDodatkoweZatrudnienie}};

constexpr OpisKontrolki kRenta[] = {
    PoleDaty("DataPrzyznania", "Przyznano:"),
    PoleSlownika("NazwaGrupyInwalidzkiej", "Grupa inwalidzka:", "TFSlownikGrupInwalidzkich", 1,
                 Usuwanie::ZKomunikatem),
    PoleSlownika("NazwaRodzajuSwiadczenia", "Rodzaj świadczenia:",
                 "TFSlownikRodzajowSwiadczenEmerytalnych", 1, Usuwanie::ZKomunikatem),
    PoleTekstu("NrRentyEmerytury", "Numer:"),
    PoleTekstu("Opis", "Opis:"),
    PoleDaty("DataZawieszenia", "Zawieszono:"),
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

const ListaKodow& ListaPola(std::string_view pole, int rok) {
    return pole == "GrupaSzkodliwosci" ? ListaGrupSzkodliwosci(rok) : Lista(pole);
}

}  // namespace mirta::store
