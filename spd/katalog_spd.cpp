#include "spd/katalog_spd.h"

#include <array>
#include <string>
#include <vector>

namespace mirta::spd {

namespace {

constexpr std::string_view kNA = "N/A";
constexpr std::string_view kDlugosc = "Długość wartości pola";
constexpr std::string_view kFormat = "Format";
constexpr std::string_view kSlownik = "Słownik";
constexpr std::string_view kData = "RRRR-MM-DD";
constexpr std::string_view kWalidacjaLiczby =
    "Walidacja względem formatu i maksymalnej długości pola";
constexpr std::string_view kWalidacjaLiczbyKropka =
    "Walidacja względem formatu i maksymalnej długości pola.";
constexpr std::string_view kIdDziedzinowy = "Identyfikator z systemu dziedzinowego";
constexpr std::string_view kFkPracownika = "FK (Pracownik.id) UK1";
constexpr std::string_view kOrganNadajacy = "Organ nadający kary wyróżnienia";
constexpr std::string_view kOpisOrganuKary =
    "Organ który nadał karę, np. Prezydent RP, Minister, Komendant Główny RIR, Prezes, itp..";
constexpr std::string_view kOpisOrderu =
    "Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy oder/odznaczenie";

constexpr KolumnaSPD K(std::string_view nazwa, std::string_view typ, int dlugosc,
                       std::string_view opis, std::string_view slownik, bool wymagalnosc,
                       std::string_view format, std::string_view walidacje,
                       std::string_view wiezy = {}, int poKropce = 0) {
    return {nazwa, typ, dlugosc, poKropce, opis, slownik, wymagalnosc, format, walidacje, wiezy};
}

// Column 1 of every kind but the employee; only its check text differs.
constexpr KolumnaSPD Id(std::string_view walidacje = {}) {
    return K("ID", "S", 100, kIdDziedzinowy, kNA, true, kNA, walidacje, "PK");
}
constexpr KolumnaSPD IdPracownika(std::string_view opis) {
    return K("ID pracownika", "S", 100, opis, kNA, true, kNA, kDlugosc, kFkPracownika);
}
constexpr KolumnaSPD Tekst(std::string_view nazwa, int dlugosc, std::string_view opis,
                           bool wymagalnosc = false) {
    return K(nazwa, "S", dlugosc, opis, kNA, wymagalnosc, kNA, kDlugosc);
}
constexpr KolumnaSPD Data(std::string_view nazwa, std::string_view opis, bool wymagalnosc = false,
                          std::string_view wiezy = {}, std::string_view format = kData) {
    return K(nazwa, "D", 8, opis, kNA, wymagalnosc, format, kFormat, wiezy);
}
constexpr KolumnaSPD Slownikowa(std::string_view nazwa, int dlugosc, std::string_view opis,
                                std::string_view slownik, bool wymagalnosc,
                                std::string_view wiezy = {}) {
    return K(nazwa, "S", dlugosc, opis, slownik, wymagalnosc, kNA, kSlownik, wiezy);
}
constexpr KolumnaSPD Miesiac(std::string_view wiezy = {}) {
    return K("Numer miesiąca", "N", 2, "Numer miesiąca", "Miesiąc", true, "NN", kSlownik, wiezy);
}
constexpr KolumnaSPD Rok(std::string_view format, std::string_view walidacje,
                         std::string_view wiezy = {}) {
    return K("Rok", "N", 4, "Rok", kNA, true, format, walidacje, wiezy);
}

constexpr KolumnaSPD kPracownik[] = {
    K("ID", "S", 100, "Unikalny identyfikator pracownika RIR w systemie dziedzinowym", kNA, true,
      kNA, kDlugosc, "PK"),
    K("PESEL", "N", 11, "Identyfikator pracownika RIR w systemie dziedzinowym", kNA, false,
      "NNNNNNNNNNN", kFormat),
    Tekst("Imię", 50, "Imię pracownika RIR", true),
    Tekst("Nazwisko", 100, "Nazwisko pracownika RIR", true),
    Tekst("Imię ojca", 50, "Imię ojca pracownika RIR"),
    Tekst("Numer ewidencyjny", 20, "Numer ewidencyjny pracownika RIR"),
    K("Płeć", "C", 1, "Płeć pracownika RIR, K-kobieta, M-meżczyzna", "Płeć-K,M", true, "C",
      "Długość wartości pola i dozwolona wartość"),
    Data("Data urodzenia", "Data urodzenia pracownika RIR", true),
    K("Planowany rok przejścia na emeryturę", "N", 4, "Planowany rok przejścia na emeryturę", kNA,
      false, "RRRR", kFormat),
    Data("Data przeliczeniowa służby",
         "Data wykorzystana do wyznaczenia stażu służby(dotyczy tylko funkcjonariusza)"),
    Data("Data przeliczeniowa pracy i służby",
         "Data wykorzystana do wyznaczenia stażu pracy(dotyczy funkcjonariusza i pracownika "
         "cywilnego)"),
    Data("Data przeliczeniowa jubileuszu",
         "Data wykorzystana do wyznaczenia jubileuszu(dotyczy funkcjonariusza i pracownika "
         "cywilnego)"),
    K("Limit godzin urlopu na rok", "N", 0, "Limit godzin urlopu dla danego pracownika na rok", kNA,
      false, kNA, {}),
    Tekst("Numer telefonu stacjonarnego", 15, "Numer telefonu stacjonarnego"),
    Tekst("Numer telefonu komórkowego", 15, "Numer telefonu komórkowego"),
    Tekst("Miejscowość zameldowania", 255, "Nazwa miejscowości zameldowania"),
    K("Kod pocztowy zameldowania", "C", 6, "Kod pocztowy miejscowości zameldowania", kNA, false,
      "NN-NNN", kDlugosc),
    Tekst("Ulica Zameldowania", 255, "Nazwa ulicy Zameldowania"),
    Tekst("Nr domu Zameldowania", 10, "Numer domu Zameldowania"),
    Tekst("Nr lokalu Zameldowania", 10, "Numer lokalu Zameldowania"),
    Tekst("Miejscowość zamieszkania", 255, "Nazwa miejscowości zamieszkania"),
    K("Kod pocztowy Zamieszkania", "C", 6, "Kod pocztowy miejscowości Zamieszkania", kNA, false,
      "NN-NNN", kDlugosc),
    Tekst("Ulica Zamieszkania", 255, "Nazwa ulicy Zamieszkania"),
    Tekst("Nr domu Zamieszkania", 10, "Numer domu Zamieszkania"),
    Tekst("Nr lokalu Zamieszkania", 10, "Numer lokalu Zamieszkania"),
    Tekst("Miejscowość korenspondencyjny", 255, "Nazwa miejscowości korenspondencyjny"),
    K("Kod pocztowy korenspondencyjny", "C", 6, "Kod pocztowy miejscowości Korenspondencyjny", kNA,
      false, "NN-NNN", kDlugosc),
    Tekst("Ulica Korenspondencyjny", 255, "Nazwa ulicy korenspondencyjny"),
    Tekst("Nr domu korenspondencyjny", 10, "Numer domu korenspondencyjny"),
    Tekst("Nr lokalu korenspondencyjny", 10, "Numer lokalu korenspondencyjny"),
    Tekst("Numer dowodu osobistego", 20, "Numer dowodu osobistego"),
    Tekst("Nazwa organu wydającego dowód osobisty", 100, "Nazwa organu wydającego dowód osobisty"),
    Data("Data wydania dowodu osobistego", "Data wydania dowodu osobistego"),
    Data("Data ważności dowodu osobistego", "Data ważności dowodu osobistego"),
    Tekst("Numer paszportu", 20, "Numer paszportu"),
    Tekst("Nazwa organu wydającego paszport", 100, "Nazwa organu wydającego paszport"),
    Data("Data wydania paszportu", "Data wydania paszportu"),
    Data("Data ważności paszportu", "Data ważności paszportu"),
    Tekst("Adres email", 100, "Adres email"),
    Slownikowa("Stopień służbowy", 50, "Aktualny stopien służbowy funkcjonariusza RIR (np.strażak",
               "Stopień służbowy", false),
    Slownikowa("Status pracownika cywilnego", 100, "Status pracownika cywilnego",
               "Status pracownika cywilnego", false),
    K("Typ pracownika", "C", 1,
      "Stosunek służbowy pracownika względem RIR, F-funkcjonariusz, C - pracownik cywilny", "F,C",
      true, "C", "Długość wartości pola i dozwolona wartość"),
    Slownikowa("Kategoria zaszeregowania", 50,
               "Kategoria zaszeregowania pracownika RIR w tabeli grup zaszeregowania "
               "wynagrodzenia,np1,2 ..",
               "Kategoria zaszeregowania", true),
};

// The four absence kinds share their names; the leave differs in a few attributes.
constexpr std::string_view kOpisIdNieobecnosci =
    "Identyfikator pracownika RIR w systemie dziedzinowym";
constexpr KolumnaSPD kUrlop[] = {
    Id(kDlugosc),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczą "
                 "nieobecności"),
    Slownikowa("Rodzaj nieobecności", 100, "Rodzaj nieobecności", "Rodzaj nieobecności", true),
    Data("Data nieobecności od", "Data rozpoczęcia nieobecności", true, "UK2"),
    Data("Data nieobecności do", "Data zakończenia nieobecności", true, "UK3"),
};
constexpr KolumnaSPD kChoroba[] = {
    Id(),
    IdPracownika(kOpisIdNieobecnosci),
    Slownikowa("Rodzaj nieobecności", 100, "Rodzaj nieobecności", "Rodzaj nieobecności", true),
    Data("Data nieobecności od", "Data rozpoczęcia nieobecności", true, "UK2"),
    Data("Data nieobecności do", "Data zakończenia nieobecności", true),
};
constexpr KolumnaSPD kInnaNieobecnosc[] = {
    Id(),
    IdPracownika(kOpisIdNieobecnosci),
    K("Rodzaj nieobecności", "S", 100, "Rodzaj nieobecności", kNA, true, kNA, {}),
    Data("Data nieobecności od", "Data rozpoczęcia nieobecności", true, "UK2"),
    Data("Data nieobecności do", "Data zakończenia nieobecności", true),
};

constexpr KolumnaSPD kBadanie[] = {
    Id(),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy badanie"),
    Slownikowa("Rodzaj badania", 50,
               "Rodzaj przeprowodzanego badania pracownika RIR, nP: - wstępne, -okresowe",
               "Rodzaj badania okresowego", true, "UK2"),
    Data("Data badania", "Data przepracowanego badania pracownika RIR", true, "UK3"),
    Data("Data ważności badania", "Termin upływu ważności przeprowadzonego badania pracownika RIR",
         true),
    Slownikowa("Przyczyna niewykonania badań profilaktycznych", 50,
               "Nazwa przyczyny niewykonania badania profilaktycznego",
               "Przyczyny niewykonania badania profilaktycznego", false),
};

constexpr std::string_view kOpisIdSluzby =
    "Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy przebieg służby";
constexpr KolumnaSPD kRodzajZdarzenia =
    Slownikowa("Rodzaj zdarzenia kadrowego", 100,
               "Rodzaj zdarzenia kadrowego majęcego miejsca w przebiegu służby/pracy pracownika "
               "RIR",
               "Rodzaj zdarzenia kadrowego", true, "UK2");
constexpr KolumnaSPD kZdarzenieOd =
    Data("Data zdarzenia od", "Początek zdarzenia kadrowego", true, "UK4");
constexpr KolumnaSPD kZdarzenieDo = Data("Data zdarzenia do", "Data końca zdarzenia kadrowego");
constexpr KolumnaSPD kPrzebieg[] = {
    Id(),
    IdPracownika(kOpisIdSluzby),
    kRodzajZdarzenia,
    K("Powód zdarzenia kadrowego", "S", 100, "Powód zdarzenia kadrowego", kNA, true, kNA, {},
      "UK3"),
    kZdarzenieOd,
    kZdarzenieDo,
};
constexpr KolumnaSPD kStanowisko[] = {
    Id(kDlugosc),
    IdPracownika(kOpisIdSluzby),
    kRodzajZdarzenia,
    Slownikowa("Powód zdarzenia kadrowego", 100, "Powód zdarzenia kadrowego",
               "Rodzaj zdarzenia kadrowego", true, "UK3"),
    kZdarzenieOd,
    kZdarzenieDo,
};

constexpr std::string_view kOpisSystemuSluzby =
    "Rozkład czasu pracy/służby, np.: codzienny, zmianowy";
constexpr KolumnaSPD kPrzypisanie[] = {
    Id(),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy "
                 "przypisanie organizacyjne"),
    Slownikowa("Komórka organizacyjna", 255,
               "Nazwa komórki organizacyjnej wynikająca z regulaminu organizacyjnego",
               "Komórka organizacyjna", false),
    Slownikowa("Stanowisko zajmowane", 255, "Stanowisko zajmowane przez pracownika RIR",
               "Stanowisko służbowe", false, "UK2"),
    Slownikowa("Stanowisko etatowe", 255,
               "Stanowisko w strukturze organizacyjnej do którego przypisany jest pracownik",
               "Stanowisko służbowe", true, "UK3"),
    Slownikowa("Rodzaj służby", 50, "Rodzaj służby pracownika RIR, np.Słuzba stała ...",
               "Rodzaj służby", false),
    K("Wymiar etatu", "N", 3, "Wymiar etatu na jaki jest zatrudniony pracownik, np. 7/8 = 0,875",
      kNA, true, kNA, kWalidacjaLiczby, {}, 2),
    Slownikowa("Nazwa systemu służby", 50, kOpisSystemuSluzby, "System służby", false),
};

constexpr KolumnaSPD kWyksztalcenie[] = {
    Id(),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy "
                 "wytkształcenie"),
    Data("Data uzyskania wykształcenia", "Data uzyskania wykształcenia przez pracownika RIR", true),
    Slownikowa("Tytuł zawodowo naukowy", 255, "Tytuł naukowo zawodowy pracownika RIR",
               "Tytuł zawodowo naukowy", true, "UK2"),
    Slownikowa("Kierunek wykształcenia", 255, "Kierunek wykształcenia pracownika RIR",
               "Kierunek wykształcenia", false, "UK3"),
};

constexpr KolumnaSPD kKurs[] = {
    Id(),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczą "
                 "kwalifikacje zawodowe i szkolenia specjalistyczne"),
    Data("Data nabycia kwalifikacji", "Data nabycia kwalifikacji", true),
    Data("Data ważności kwalifikacji", "Data ważności kwalifikacji"),
    Slownikowa("Kwalifikacje zawodowe", 255, "Nazwa kwalifikacji zawodowych",
               "Rodzaj kwalifikacji zawodowych", true, "UK2"),
};

constexpr KolumnaSPD kSkladnik[] = {
    Id(),
    IdPracownika("Identyfikator pracownika RIR w systemie dziedzinowym, którego dotyczy "
                 "wynagrodzenie"),
    Miesiac("UK2"),
    Rok("RRR", kFormat, "UK3"),
    Slownikowa("Składnik wynagrodzenia", 255,
               "Składnik wynagrodzenia np:Uposażenie zasadnicze,Dodatek za stopień",
               "Słownik wynagrodzenia", true, "UK4"),
    K("Kwota wynagrodzenia", "N", 13, "Kwota składnika wynagrodzeń", kNA, true, kNA,
      kWalidacjaLiczby, {}, 2),
};

constexpr KolumnaSPD kOrder[] = {
    Id(),
    IdPracownika(kOpisOrderu),
    Slownikowa("Nazwa orderu/odznaczenia", 100,
               "Nazwa orderu/odznaczenia np:Krzyż Wielki Orderu Orodzenia Polski ...",
               "Rodzaj orderu odznaczenia", true),
    Data("Data przyznania", "Data przyznania orderu/odznaczenia", false, {}, "RRR-MM-DD"),
    Slownikowa("Organ nadający", 100,
               "Organ który nadał wyróżnienie, np: Prezydent RP,Minister, Komendant główny "
               "RIR,Prezes, itp..",
               kOrganNadajacy, false),
    K("Numer legitymacji", "S", 255, "Numer legitymacji potwierdzający nadanie orderu/odznaczenia",
      kNA, false, kNA, kDlugosc, "UK.2"),
};

constexpr KolumnaSPD kKara[] = {
    Id(),
    IdPracownika(kOpisOrderu),
    Slownikowa("Rodzaj kary", 100,
               "Rodzaj przyznanej pracownikowi kary, np.:upomnienie;upomnienie na piśmie...",
               "Rodzaj kary", false, "UK2"),
    Data("Data przyznania", "Data przyznania kary", true, "UK3", "RRRR"),
    Slownikowa("Organ nadający", 100, kOpisOrganuKary, kOrganNadajacy, false, "UK4"),
};

constexpr KolumnaSPD kUrlopNagrodowy[] = {
    Id(),
    IdPracownika(kOpisOrderu),
    K("Wymiar urlopu", "N", 5, "Wymiar przyznanego urlopu w dniach", kNA, true, kNA,
      kWalidacjaLiczbyKropka),
    Data("Data przyznania", "Data przyznania urlopu", true, "UK2"),
    Slownikowa("Organ nadający", 100, kOpisOrganuKary, kOrganNadajacy, false, "UK3"),
};

constexpr KolumnaSPD kWyroznienie[] = {
    Id(),
    IdPracownika(kOpisOrderu),
    Slownikowa("Rodzaj wyróżnienia", 100,
               "Rodzaj przyznanego pracownikowi wyróżnienia, np.:krótkoterminowy, płatny "
               "dodatkowy urlop ",
               "Rodzaj wyróżnienia", true, "UK2"),
    Data("Data przyznania", "Data przyznania wyróżnienia", true, "UK3"),
    Slownikowa("Organ nadający", 100, kOpisOrganuKary, kOrganNadajacy, false, "UK4"),
    K("Kwota nagrody", "N", 13, "Kwota przyznanej pracownikowi nagrody pieniężnej", kNA, false, kNA,
      kWalidacjaLiczbyKropka, {}, 2),
    Tekst("Numer dyplomu", 255, "Numer dyplomu potwierdzający nadanie wyróżnienia"),
};

constexpr KolumnaSPD kStanowiskoEtatowe[] = {
    Id(),
    Slownikowa("Komórka organizacyjna", 255,
               "Nazwa komórki organizacyjnej wynikająca z regulaminu organizacyjnego",
               "Komórka organizacyjna", true, "UK1"),
    Miesiac("UK2"),
    Rok("RRRR", "SFormat", "UK3"),
    Slownikowa("Stanowisko etatowe", 255, "Stanowisko w strukturze organizacyjnej, ",
               "Stanowisko służbowe", true, "UK4"),
    Slownikowa("System służby", 50, kOpisSystemuSluzby, "System służby", true, "UK5"),
    K("Typ pracownika", "C", 1,
      "Stosunek służbowy pracownika względem RIR:  F - funkcjonariusz, C - cywil", "F,C", true, "C",
      "Długość wartości pola iDopuszczalna wartość pola", "UK6"),
    K("Status pracownika cywilnego", "S", 100, "Nazwa statusu pracownika cywilnego, np.Urzędnik SC",
      "Status pracownika cywilnego", false, {}, kSlownik, "UK7"),
    K("Limit etatów", "N", 6,
      "Limit etatów dla danego stanowiska wynikający z regulaminu jednostki organizacyjnych", kNA,
      true, kNA, kWalidacjaLiczby, {}, 2),
};

// Working time: four columns, then the planned and the worked hours of days 1 to 31.
const std::vector<KolumnaSPD>& KolumnyCzasuPracy() {
    static const std::vector<KolumnaSPD> kolumny = [] {
        static std::array<std::string, 62> nazwy;
        std::vector<KolumnaSPD> k = {Id(), IdPracownika(kOpisOrderu), Miesiac(),
                                     Rok("RRRR", kFormat)};
        for (int dzien = 1; dzien <= 31; ++dzien) {
            const std::string numer = (dzien < 10 ? "0" : "") + std::to_string(dzien);
            std::string& planowana = nazwy[static_cast<size_t>(2 * dzien - 2)];
            std::string& przepracowana = nazwy[static_cast<size_t>(2 * dzien - 1)];
            planowana = "Dzień " + numer + " planowana liczba godzin";
            przepracowana = "Dzień " + numer + " przepracowana liczba godzin";
            for (const auto& [nazwa, opis] :
                 {std::pair<const std::string&, std::string_view>{
                      planowana, "Czas pracy wg ustalonego harmonogramu pracy"},
                  {przepracowana, "Czas pracy rzeczywiście przepracowany"}})
                k.push_back(K(nazwa, "N", 2, opis, kNA, false, kNA,
                              "Wartość pola musi być z zakresu <0,24>"));
        }
        return k;
    }();
    return kolumny;
}

constexpr RodzajDanychSPD kRodzaje[] = {
    {'P', "Pracownicy", "Pracownik."},
    {'N', "Nieobecności", "Nieobecności."},
    {'L', "Badania lekarskie", "Badania lekarskie."},
    {'S', "Przebieg służby", "Przebieg służby."},
    {'O', "Przypisanie organizacyjne", "Przypisanie organizacyjne."},
    {'W', "Wykształcenie", "Wykształcenie."},
    {'Z', "Wykształcenie uzupełniające", "Wykształcenie uzupełniające."},
    {'G', "Wynagrodzenia", "Wynagrodzenia."},
    {'R', "Ordery Odznaczenia", "Ordery i odznaczenia."},
    {'C', "Czas pracy", "Czas pracy."},
    {'K', "Kara", "Kary."},
    {'U', "Urlop nagrodowy", "Urlop nagrodowy."},
    {'I', "Wyróżnienie", "Wyróżnienia."},
    {'A', "Struktura etatów", "Struktura etatów."},
};

}  // namespace

std::span<const RodzajDanychSPD> RodzajeDanychSPD() {
    return kRodzaje;
}

const RodzajDanychSPD* ZnajdzRodzajDanych(std::string_view rodzaj) {
    if (rodzaj.empty())
        return nullptr;
    for (const auto& r : kRodzaje)
        if (r.litera == rodzaj.front())
            return &r;
    return nullptr;
}

std::string_view NazwaRodzajuDanych(std::string_view rodzaj) {
    const RodzajDanychSPD* r = ZnajdzRodzajDanych(rodzaj);
    return r ? r->nazwa : "??????";
}

std::span<const KolumnaSPD> KolumnySPD(PodrodzajSPD podrodzaj) {
    switch (podrodzaj) {
        case PodrodzajSPD::Pracownik:
            return kPracownik;
        case PodrodzajSPD::Urlop:
            return kUrlop;
        case PodrodzajSPD::Choroba:
            return kChoroba;
        case PodrodzajSPD::Nieobecnosc:
        case PodrodzajSPD::Zawieszenie:
            return kInnaNieobecnosc;
        case PodrodzajSPD::BadanieLekarskie:
            return kBadanie;
        case PodrodzajSPD::PrzebiegPracy:
        case PodrodzajSPD::Stopien:
            return kPrzebieg;
        case PodrodzajSPD::Stanowisko:
            return kStanowisko;
        case PodrodzajSPD::PrzypisanieOrganizacyjne:
            return kPrzypisanie;
        case PodrodzajSPD::Wyksztalcenie:
            return kWyksztalcenie;
        case PodrodzajSPD::Kurs:
            return kKurs;
        case PodrodzajSPD::SkladnikWynagrodzenia:
            return kSkladnik;
        case PodrodzajSPD::Order:
            return kOrder;
        case PodrodzajSPD::CzasPracy:
            return KolumnyCzasuPracy();
        case PodrodzajSPD::Kara:
            return kKara;
        case PodrodzajSPD::UrlopNagrodowy:
            return kUrlopNagrodowy;
        case PodrodzajSPD::Wyroznienie:
            return kWyroznienie;
        case PodrodzajSPD::StanowiskoEtatowe:
            return kStanowiskoEtatowe;
    }
    return {};
}

}  // namespace mirta::spd
