#include "tools/nazwiska.h"

#include <cstdio>

#include "engine/value.h"

namespace mirta::tools {

namespace {

using engine::CivilFromDayNumber;
using engine::DayNumberFromCivil;

// Most people live near the unit; a few came from far away.
const std::vector<Miejscowosc> kMiejscowosci = {
    {"Łomża", "18-400", "Łomża", "0985446", "86"},
    {"Łomża", "18-404", "Łomża", "0985446", "86"},
    {"Zambrów", "18-300", "Zambrów", "0984917", "86"},
    {"Kolno", "18-500", "Kolno", "0984886", "86"},
    {"Piątnica", "18-421", "Piątnica Poduchowna", "0395283", "86"},
    {"Śniadowo", "18-411", "Śniadowo", "0395708", "86"},
    {"Nowogród", "18-414", "Nowogród", "0984870", "86"},
    {"Jedwabne", "18-420", "Jedwabne", "0984851", "86"},
    {"Stawiski", "18-520", "Stawiski", "0984911", "86"},
    {"Miastkowo", "18-413", "Miastkowo", "0395090", "86"},
    {"Zbójna", "18-525", "Zbójna", "0394030", "86"},
    {"Wizna", "18-430", "Wizna", "0395863", "86"},
    {"Grajewo", "19-200", "Grajewo", "0984560", "86"},
    {"Wysokie Mazowieckie", "18-200", "Wysokie Mazowieckie", "0984963", "86"},
    {"Ostrołęka", "07-410", "Ostrołęka", "0969628", "29"},
    {"Białystok", "15-950", "Białystok", "0922410", "85"},
    {"Łapy", "18-100", "Łapy", "0985333", "85"},
    {"Źródła", "16-020", "Czarna Białostocka", "0390710", "85"},
    {"Łódź", "90-001", "Łódź", "0958296", "42"},
    {"Ćmielów", "27-440", "Ćmielów", "0798806", "15"},
    {"Świdnica", "58-100", "Świdnica", "0986860", "74"},
    {"Żagań", "68-100", "Żagań", "0985252", "68"},
    {"Warszawa", "00-950", "Warszawa", "0918123", "22"},
};

// Villages have no street names; the house number alone follows the village.
bool Wies(const Miejscowosc& m) {
    const std::string n = m.nazwa;
    return n == "Piątnica" || n == "Miastkowo" || n == "Zbójna" || n == "Wizna" || n == "Źródła";
}

const char* const kImionaMeskie[] = {
    "Jan",      "Andrzej",    "Piotr",    "Krzysztof", "Tomasz",    "Paweł",      "Michał",
    "Marcin",   "Łukasz",     "Grzegorz", "Józef",     "Stanisław", "Wojciech",   "Marek",
    "Rafał",    "Jarosław",   "Mirosław", "Zbigniew",  "Kazimierz", "Adam",       "Dariusz",
    "Sławomir", "Przemysław", "Radosław", "Bogusław",  "Zdzisław",  "Bartłomiej", "Maciej",
    "Mateusz",  "Kamil",      "Dawid",    "Jędrzej",   "Ryszard",   "Leszek",     "Artur",
    "Cezary",   "Mieczysław", "Tadeusz",  "Witold",    "Wiesław",   "Henryk",     "Jakub",
};

const char* const kImionaZenskie[] = {
    "Anna",      "Małgorzata", "Agnieszka", "Katarzyna", "Joanna",   "Elżbieta",   "Barbara",
    "Ewa",       "Dorota",     "Bożena",    "Jadwiga",   "Halina",   "Grażyna",    "Urszula",
    "Iwona",     "Beata",      "Renata",    "Jolanta",   "Teresa",   "Danuta",     "Żaneta",
    "Łucja",     "Aleksandra", "Natalia",   "Zofia",     "Wiesława", "Bronisława", "Stanisława",
    "Mirosława", "Marzena",    "Monika",    "Justyna",   "Sylwia",   "Magdalena",  "Krystyna",
    "Jagoda",    "Kinga",      "Edyta",     "Honorata",  "Genowefa",
};

// Male forms; the female form is derived.
const char* const kNazwiska[] = {
    "Kowalski",    "Nowak",      "Wiśniewski",    "Wójcik",      "Kowalczyk",     "Kamiński",
    "Lewandowski", "Zieliński",  "Szymański",     "Woźniak",     "Dąbrowski",     "Kozłowski",
    "Jankowski",   "Mazur",      "Wojciechowski", "Kwiatkowski", "Krawczyk",      "Kaczmarek",
    "Piotrowski",  "Grabowski",  "Zając",         "Pawłowski",   "Michalski",     "Król",
    "Wieczorek",   "Jabłoński",  "Wróbel",        "Nowakowski",  "Majewski",      "Olszewski",
    "Stępień",     "Malinowski", "Jaworski",      "Adamczyk",    "Dudek",         "Nowicki",
    "Pawlak",      "Górski",     "Witkowski",     "Walczak",     "Sikora",        "Baran",
    "Rutkowski",   "Michalak",   "Szewczyk",      "Ostrowski",   "Tomaszewski",   "Pietrzak",
    "Zalewski",    "Wróblewski", "Marciniak",     "Jasiński",    "Zawadzki",      "Bąk",
    "Jakubowski",  "Sadowski",   "Duda",          "Włodarczyk",  "Wilk",          "Chmielewski",
    "Borkowski",   "Sokołowski", "Szczepański",   "Sawicki",     "Lis",           "Kucharski",
    "Mazurek",     "Kubiak",     "Kalinowski",    "Wysocki",     "Maciejewski",   "Czarnecki",
    "Kołodziej",   "Urbański",   "Sobczak",       "Konieczny",   "Głowacki",      "Zakrzewski",
    "Krupa",       "Ćwikliński", "Śliwiński",     "Świątek",     "Żak",           "Żmuda",
    "Źródlewski",  "Łukasik",    "Łęcki",         "Gołębiowski", "Ślęzak",        "Żółtowski",
    "Ciećwierz",   "Kuźmiński",  "Grzęda",        "Gąsiorowski", "Więckowski",    "Bączek",
    "Ośko",        "Jóźwiak",    "Dziedzic",      "Kurpiewski",  "Dzięgielewski",
};

const char* const kUlice[] = {
    "Polna",        "Leśna",           "Słoneczna",        "Krótka",
    "Szkolna",      "Ogrodowa",        "Lipowa",           "Łąkowa",
    "Brzozowa",     "Kościuszki",      "Mickiewicza",      "Sienkiewicza",
    "Piłsudskiego", "Żeromskiego",     "Słowackiego",      "Wojska Polskiego",
    "Długa",        "Zielona",         "Źródlana",         "Świerkowa",
    "Jagiellońska", "Żwirki i Wigury", "Nowogrodzka",      "Rybaki",
    "Dworna",       "Księżnej Anny",   "Szosa Zambrowska", "Aleja Legionów",
    "Wiejska",      "Kopernika",
};

}  // namespace

std::string Adres::Linia() const {
    if (ulica.empty())
        return std::string(miejscowosc->nazwa) + " " + nrDomu;
    return ulica + " " + nrDomu;
}

std::string Adres::ZUlica() const {
    if (ulica.empty() || ulica.rfind("Aleja", 0) == 0 || ulica.rfind("Szosa", 0) == 0)
        return Linia();
    return "ul. " + Linia();
}

std::string Adres::KodIPoczta() const {
    return kodPocztowy + " " + miejscowosc->poczta;
}

const std::vector<Miejscowosc>& Miejscowosci() {
    return kMiejscowosci;
}

const Miejscowosc& MiejscowoscJednostki() {
    return kMiejscowosci.front();
}

std::string LosujImie(Losowanie& los, char plec) {
    return plec == 'K' ? los.Wybierz(kImionaZenskie) : los.Wybierz(kImionaMeskie);
}

std::string FormaNazwiska(const std::string& meskie, char plec) {
    if (plec != 'K')
        return meskie;
    auto konczySie = [&](const std::string& k) {
        return meskie.size() > k.size() &&
               meskie.compare(meskie.size() - k.size(), k.size(), k) == 0;
    };
    if (konczySie("ski") || konczySie("cki") || konczySie("dzki"))
        return meskie.substr(0, meskie.size() - 1) + "a";
    if (konczySie("ny"))
        return meskie.substr(0, meskie.size() - 1) + "a";
    return meskie;
}

std::string LosujNazwisko(Losowanie& los, char plec) {
    return FormaNazwiska(los.Wybierz(kNazwiska), plec);
}

Adres LosujAdres(Losowanie& los, const Miejscowosc* gdzie) {
    Adres a;
    if (gdzie == nullptr) {
        // Three quarters live in the unit's town or the nearest ones.
        const size_t blisko = 14;
        a.miejscowosc = los.Szansa(0.85)
                            ? &kMiejscowosci[static_cast<size_t>(los.Liczba(0, blisko - 1))]
                            : &los.Wybierz(kMiejscowosci);
    } else {
        a.miejscowosc = gdzie;
    }
    a.kodPocztowy = a.miejscowosc->kodPocztowy;
    if (Wies(*a.miejscowosc)) {
        a.nrDomu = std::to_string(los.Liczba(1, 120));
    } else {
        a.ulica = los.Wybierz(kUlice);
        a.nrDomu = std::to_string(los.Liczba(1, 90));
        if (los.Szansa(0.15))
            a.nrDomu += static_cast<char>('a' + los.Liczba(0, 2));
        if (los.Szansa(0.55))
            a.nrDomu.append("/").append(std::to_string(los.Liczba(1, 60)));
    }
    return a;
}

std::string Pesel(Losowanie& los, int32_t dataUrodzenia, char plec) {
    const auto d = CivilFromDayNumber(dataUrodzenia);
    int miesiac = d.month;
    if (d.year >= 2000 && d.year < 2100)
        miesiac += 20;
    else if (d.year < 1900)
        miesiac += 80;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", d.year % 100, miesiac, d.day);
    std::string p = buf;
    p += los.Cyfry(3);
    int plecCyfra = static_cast<int>(los.Liczba(0, 4)) * 2;
    if (plec != 'K')
        plecCyfra += 1;
    p += static_cast<char>('0' + plecCyfra);
    static const int kWagi[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += (p[i] - '0') * kWagi[i];
    p += static_cast<char>('0' + (10 - suma % 10) % 10);
    return p;
}

std::string Nip(Losowanie& los) {
    static const int kWagi[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    for (;;) {
        // The first three digits name a tax office and never start with 0.
        std::string n = std::to_string(los.Liczba(1, 9)) + los.Cyfry(8);
        int suma = 0;
        for (int i = 0; i < 9; ++i)
            suma += (n[i] - '0') * kWagi[i];
        if (suma % 11 == 10)
            continue;
        n += static_cast<char>('0' + suma % 11);
        return n.substr(0, 3) + "-" + n.substr(3, 3) + "-" + n.substr(6, 2) + "-" + n.substr(8, 2);
    }
}

std::string NumerDowodu(Losowanie& los) {
    std::string s;
    s += static_cast<char>('A' + los.Liczba(0, 25));
    s += static_cast<char>('A' + los.Liczba(0, 25));
    s += static_cast<char>('A' + los.Liczba(0, 25));
    s += '0';  // check digit, set below
    s += los.Cyfry(5);
    static const int kWagi[9] = {7, 3, 1, 9, 7, 3, 1, 7, 3};
    int suma = 0;
    for (int i = 0; i < 9; ++i) {
        if (i == 3)
            continue;
        const int v = i < 3 ? s[i] - 'A' + 10 : s[i] - '0';
        suma += v * kWagi[i];
    }
    s[3] = static_cast<char>('0' + suma % 10);
    return s;
}

std::string NumerKonta(Losowanie& los) {
    // Account number with its two check digits: (bban + "PL00") mod 97.
    const std::string bban = los.Cyfry(24);
    const std::string doSprawdzenia = bban + "252100";
    int reszta = 0;
    for (char c : doSprawdzenia)
        reszta = (reszta * 10 + (c - '0')) % 97;
    char kontrolne[4];
    std::snprintf(kontrolne, sizeof kontrolne, "%02d", 98 - reszta);
    const std::string nrb = std::string(kontrolne) + bban;
    std::string wynik = nrb.substr(0, 2);
    for (size_t i = 2; i < nrb.size(); i += 4)
        wynik.append(" ").append(nrb, i, 4);
    return wynik;
}

std::string TelefonKomorkowy(Losowanie& los) {
    static const char* const kPoczatki[] = {"50", "51", "53", "60", "66", "69", "72", "78", "88"};
    std::string t = los.Wybierz(kPoczatki) + los.Cyfry(1);
    return t + " " + los.Cyfry(3) + " " + los.Cyfry(3);
}

std::string BezOgonkow(const std::string& tekst) {
    static const std::pair<const char*, char> kZamiany[] = {
        {"ą", 'a'}, {"ć", 'c'}, {"ę", 'e'}, {"ł", 'l'}, {"ń", 'n'}, {"ó", 'o'},
        {"ś", 's'}, {"ź", 'z'}, {"ż", 'z'}, {"Ą", 'a'}, {"Ć", 'c'}, {"Ę", 'e'},
        {"Ł", 'l'}, {"Ń", 'n'}, {"Ó", 'o'}, {"Ś", 's'}, {"Ź", 'z'}, {"Ż", 'z'},
    };
    std::string wynik;
    for (size_t i = 0; i < tekst.size();) {
        bool zamienione = false;
        for (const auto& [z, na] : kZamiany) {
            if (tekst.compare(i, 2, z) == 0) {
                wynik += na;
                i += 2;
                zamienione = true;
                break;
            }
        }
        if (zamienione)
            continue;
        const char c = tekst[i++];
        if (c >= 'A' && c <= 'Z')
            wynik += static_cast<char>(c - 'A' + 'a');
        else if (c == ' ')
            wynik += '.';
        else
            wynik += c;
    }
    return wynik;
}

Osoba LosujOsobe(Losowanie& los, char plec, int32_t dataUrodzenia, int32_t dzis) {
    Osoba o;
    o.plec = plec;
    o.imie1 = LosujImie(los, plec);
    if (los.Szansa(0.7)) {
        do {
            o.imie2 = LosujImie(los, plec);
        } while (o.imie2 == o.imie1);
    }
    const std::string rodowe = los.Wybierz(kNazwiska);
    o.nazwisko = FormaNazwiska(rodowe, plec);
    if (plec == 'K' && los.Szansa(0.6)) {
        // A married woman often carries her husband's surname; the maiden one is kept.
        o.nazwiskoRodowe = o.nazwisko;
        o.nazwisko = LosujNazwisko(los, 'K');
        if (los.Szansa(0.15))
            o.nazwisko = o.nazwiskoRodowe + "-" + o.nazwisko;
    } else if (plec == 'K') {
        o.nazwiskoRodowe = o.nazwisko;
    }
    o.imieOjca = LosujImie(los, 'M');
    o.imieMatki = LosujImie(los, 'K');
    o.nazwiskoRodoweMatki = LosujNazwisko(los, 'K');
    o.dataUrodzenia = dataUrodzenia;
    o.miejsceUrodzenia = los.Wybierz(kMiejscowosci).nazwa;
    o.pesel = Pesel(los, dataUrodzenia, plec);
    o.nip = Nip(los);

    // Identity cards are valid for ten years; the current one was issued within the last ten.
    o.dowod = NumerDowodu(los);
    o.dataWydaniaDowodu = dzis - static_cast<int32_t>(los.Liczba(30, 3600));
    const auto wydany = CivilFromDayNumber(o.dataWydaniaDowodu);
    o.dataWaznosciDowodu = DayNumberFromCivil(
        wydany.year + 10, wydany.month, wydany.month == 2 && wydany.day == 29 ? 28 : wydany.day);
    o.zameldowania = LosujAdres(los);
    o.zamieszkania = los.Szansa(0.8) ? o.zameldowania : LosujAdres(los);
    o.ktoWydalDowod = (Wies(*o.zameldowania.miejscowosc) ? "Urząd Gminy " : "Urząd Miasta ") +
                      std::string(o.zameldowania.miejscowosc->nazwa);
    if (o.ktoWydalDowod.size() > 30)  // the card's field is short; clerks abbreviate
        o.ktoWydalDowod = "UM " + std::string(o.zameldowania.miejscowosc->nazwa);
    o.kodWystawcyDowodu = o.zameldowania.miejscowosc->kodGus;
    if (los.Szansa(0.6))
        o.telefon = std::string(o.zamieszkania.miejscowosc->kierunkowy) + " " + los.Cyfry(3) + " " +
                    los.Cyfry(2) + " " + los.Cyfry(2);
    o.telefonKomorkowy = TelefonKomorkowy(los);
    if (los.Szansa(0.7))
        o.email = BezOgonkow(o.imie1 + " " + o.nazwisko) + "@poczta.example.pl";
    o.kontoBankowe = NumerKonta(los);

    // Spouse or parent to be notified.
    const char plecPowiadamianej = los.Szansa(0.5) ? 'K' : 'M';
    o.osobaPowiadamiania =
        LosujImie(los, plecPowiadamianej) + " " + FormaNazwiska(rodowe, plecPowiadamianej);
    o.adresPowiadamiania = o.zamieszkania;
    o.telefonPowiadamiania = TelefonKomorkowy(los);
    return o;
}

}  // namespace mirta::tools
