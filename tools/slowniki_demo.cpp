#include "tools/slowniki_demo.h"

namespace mirta::tools {

const std::vector<Stopien>& SlownikStopni() {
    static const std::vector<Stopien> k = {
        {"strażak", "str.", 1790},
        {"starszy strażak", "st.st", 1830},
        {"sekcyjny", "sekc.", 1870},
        {"starszy sekcyjny", "st.sk", 1910},
        {"młodszy ogniomistrz", "mł.og", 1950},
        {"ogniomistrz", "ogn.", 1990},
        {"starszy ogniomistrz", "st.og", 2030},
        {"młodszy aspirant", "mł.as", 2070},
        {"aspirant", "asp.", 2110},
        {"starszy aspirant", "st.as", 2150},
        {"aspirant sztabowy", "asp.s", 2190},
        {"młodszy kapitan", "mł.kp", 2290},
        {"kapitan", "kpt.", 2340},
        {"starszy kapitan", "st.kp", 2390},
        {"młodszy brygadier", "mł.bg", 2440},
        {"brygadier", "bryg.", 2490},
        {"starszy brygadier", "st.bg", 2540},
        {"nadbrygadier", "nbryg", 2640},
    };
    return k;
}

const std::vector<Grupa>& SlownikGrup() {
    // Officers' pay groups first, then the civil categories.
    static const std::vector<Grupa> k = {
        {"Grupa uposażenia 1", "F01", 1.02},
        {"Grupa uposażenia 2", "F02", 1.10},
        {"Grupa uposażenia 3", "F03", 1.18},
        {"Grupa uposażenia 4", "F04", 1.26},
        {"Grupa uposażenia 5", "F05", 1.35},
        {"Grupa uposażenia 6", "F06", 1.45},
        {"Grupa uposażenia 7", "F07", 1.56},
        {"Grupa uposażenia 8", "F08", 1.70},
        {"Grupa uposażenia 9", "F09", 1.86},
        {"Grupa uposażenia 10", "F10", 2.05},
        {"Grupa uposażenia 11", "F11", 2.30},
        {"Grupa uposażenia 12", "F12", 2.60},
        {"Kategoria zaszeregowania I", "C01", 0.92},
        {"Kategoria zaszeregowania III", "C03", 0.98},
        {"Kategoria zaszeregowania V", "C05", 1.05},
        {"Kategoria zaszeregowania VII", "C07", 1.14},
        {"Kategoria zaszeregowania IX", "C09", 1.24},
        {"Kategoria zaszeregowania XI", "C11", 1.36},
        {"Kategoria zaszeregowania XIII", "C13", 1.50},
        {"Kategoria zaszeregowania XV", "C15", 1.68},
    };
    return k;
}

const std::vector<StanowiskoSl>& SlownikStanowisk() {
    // Pay group ids: 1..12 officers, 13..20 civil.
    static const std::vector<StanowiskoSl> k = {
        {"stażysta", "F001", '0', 1, 'N', true},
        {"ratownik", "F002", '0', 2, 'N', true},
        {"starszy ratownik", "F003", '0', 3, 'N', true},
        {"starszy ratownik-kierowca", "F004", '0', 4, 'N', true},
        {"dowódca zastępu", "F005", '0', 5, 'N', true},
        {"dowódca sekcji", "F006", '0', 6, 'N', true},
        {"zastępca dowódcy zmiany", "F007", '0', 7, 'N', true},
        {"dowódca zmiany", "F008", '0', 8, 'N', true},
        {"młodszy technik", "F009", '0', 4, 'N', true},
        {"starszy technik", "F010", '0', 6, 'N', true},
        {"inspektor", "F011", '0', 7, 'N', true},
        {"starszy inspektor", "F012", '0', 8, 'N', true},
        {"specjalista", "F013", '0', 9, 'N', true},
        {"zastępca dowódcy JRG", "F014", '0', 9, 'N', true},
        {"dowódca JRG", "F015", '0', 10, 'N', true},
        {"naczelnik wydziału", "F016", '0', 10, 'N', true},
        {"zastępca komendanta", "F017", '0', 11, 'N', true},
        {"komendant", "F018", '0', 12, 'N', true},
        {"pracownik gospodarczy", "C001", '0', 13, 'T', false},
        {"sprzątaczka", "C002", '0', 13, 'T', false},
        {"konserwator", "C003", '0', 14, 'T', false},
        {"kierowca", "C004", '0', 15, 'T', false},
        {"referent", "C005", '0', 15, 'T', false},
        {"starszy referent", "C006", '0', 16, 'T', false},
        {"informatyk", "C007", '0', 17, 'T', false},
        {"księgowa", "C008", '0', 17, 'T', false},
        {"główny księgowy", "C009", '0', 20, 'T', false},
        {"specjalista SC", "S001", '4', 17, 'T', false},
        {"starszy specjalista SC", "S002", '4', 18, 'T', false},
        {"główny specjalista SC", "S003", '3', 19, 'T', false},
        {"asystent SC", "S004", '5', 15, 'T', false},
        {"radca prawny", "S005", '3', 0, 'T', false},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikFormZatrudnienia() {
    static const std::vector<NazwaKod> k = {
        {"Służba stała", "SS"},
        {"Służba przygotowawcza", "SP"},
        {"Umowa na czas określony", "UCO"},
        {"Umowa na czas nieokreślony", "UCN"},
        {"Mianowanie w służbie cywilnej", "MSC"},
        {"Umowa zlecenie", "UZ"},
        {"Umowa o dzieło", "UD"},
    };
    return k;
}

const std::vector<RodzajUrlopuSl>& SlownikRodzajowUrlopu() {
    static const std::vector<RodzajUrlopuSl> k = {
        {"Urlop wypoczynkowy", "UW", 'R', 'W'},
        {"Urlop dodatkowy", "UD", 'R', 'D'},
        {"Urlop okolicznościowy", "UO", 'R', 'I'},
        {"Urlop macierzyński", "UM", 'K', 'I'},
        {"Urlop wychowawczy", "UWY", 'K', 'I'},
        {"Urlop na żądanie", "UNŻ", 'R', 'W'},
        {"Urlop szkoleniowy", "USZ", 'R', 'I'},
        {"Urlop zdrowotny", "UZD", 'K', 'I'},
        {"Urlop bezpłatny", "UB", 'K', 'I'},
        {"Urlop ojcowski", "UOJ", 'K', 'I'},
        {"Urlop nagrodowy", "UNG", 'R', 'I'},
        {"Urlop funkcjonariusza - zaległy", "UFZ", 'F', 'W'},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikPokrewienstw() {
    static const std::vector<NazwaKod> k = {
        {"Żona", ""},  {"Mąż", ""},    {"Syn", ""},     {"Córka", ""},
        {"Matka", ""}, {"Ojciec", ""}, {"Pasierb", ""},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikWydawcow() {
    static const std::vector<NazwaKod> k = {
        {"Komendant Miejski", ""},
        {"Komendant Wojewódzki", ""},
        {"Komendant Główny", ""},
        {"Minister Spraw Wewnętrznych", ""},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikPodstawZdarzen() {
    static const std::vector<NazwaKod> k = {
        {"art. 28 ust. 1 ustawy o służbie - przyjęcie do służby", ""},
        {"art. 31 ustawy o służbie - mianowanie na stanowisko", ""},
        {"art. 33 ustawy o służbie - przeniesienie na inne stanowisko", ""},
        {"art. 48 ustawy o służbie - nadanie stopnia", ""},
        {"art. 22 Kodeksu pracy - nawiązanie stosunku pracy", ""},
        {"art. 42 Kodeksu pracy - zmiana warunków pracy i płacy", ""},
        {"art. 43 ustawy o służbie - zwolnienie ze służby", ""},
        {"art. 30 Kodeksu pracy - rozwiązanie umowy o pracę", ""},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikRodzajowZdarzen() {
    static const std::vector<NazwaKod> k = {
        {"Przyjęcie do służby", ""}, {"Mianowanie na stałe", ""},       {"Zatrudnienie", ""},
        {"Przedłużenie umowy", ""},  {"Zmiana formy zatrudnienia", ""}, {"Zwolnienie", ""},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikRodzajowWyksztalcenia() {
    static const std::vector<NazwaKod> k = {
        {"podstawowe", "P"},
        {"zasadnicze zawodowe", "ZZ"},
        {"średnie ogólnokształcące", "SO"},
        {"średnie zawodowe", "SZ"},
        {"policealne", "PL"},
        {"wyższe I stopnia (licencjat, inżynier)", "W1"},
        {"wyższe II stopnia (magister)", "W2"},
        {"wyższe jednolite magisterskie", "WJ"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikStopniNaukowych() {
    static const std::vector<NazwaKod> k = {
        {"brak", "BR"},       {"technik", "T"},
        {"licencjat", "LIC"}, {"inżynier", "INŻ"},
        {"magister", "MGR"},  {"magister inżynier", "MGRIN"},
        {"doktor", "DR"},     {"robotnik wykwalif.", "RW"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikTytulowZawodowych() {
    static const std::vector<NazwaKod> k = {
        {"ogólny", "OG"},
        {"technik pożarnictwa", "TP"},
        {"inżynieria bezpieczeństwa", "IB"},
        {"administracja", "ADM"},
        {"ekonomia", "EK"},
        {"informatyka", "INF"},
        {"prawo", "PR"},
        {"mechanika pojazdowa", "MP"},
        {"zarządzanie kryzysowe", "ZK"},
        {"ratownictwo medyczne", "RM"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikRodzajowKursow() {
    static const std::vector<NazwaKod> k = {
        {"szkolenie podstawowe", "SP"},    {"kurs specjalistyczny", "KS"},
        {"kurs kwalifikacyjny", "KK"},     {"studia podyplomowe", "SPD"},
        {"szkolenie okresowe BHP", "BHP"}, {"uprawnienia kierowcy", "UK"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikOrderow() {
    static const std::vector<NazwaKod> k = {
        {"Brązowy Medal za Długoletnią Służbę", "BMDS"},
        {"Srebrny Medal za Długoletnią Służbę", "SMDS"},
        {"Złoty Medal za Długoletnią Służbę", "ZMDS"},
        {"Brązowy Krzyż Zasługi", "BKZ"},
        {"Srebrny Krzyż Zasługi", "SKZ"},
        {"Złoty Krzyż Zasługi", "ZKZ"},
        {"Brązowa Odznaka Zasłużony dla Ochrony Przeciwpożarowej", "BOZ"},
        {"Srebrna Odznaka Zasłużony dla Ochrony Przeciwpożarowej", "SOZ"},
        {"Złota Odznaka Zasłużony dla Ochrony Przeciwpożarowej", "ZOZ"},
        {"Medal za Ofiarność i Odwagę", "MOO"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikOrganowNadajacych() {
    static const std::vector<NazwaKod> k = {
        {"Prezydent Rzeczypospolitej Polskiej", "PRP"},
        {"Minister Spraw Wewnętrznych i Administracji", "MSWiA"},
        {"Komendant Główny", "KG"},
        {"Komendant Wojewódzki", "KW"},
        {"Komendant Miejski", "KM"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikKar() {
    static const std::vector<NazwaKod> k = {
        {"upomnienie", "UP"},
        {"nagana", "NA"},
        {"nagana z ostrzeżeniem", "NO"},
        {"ostrzeżenie o niepełnej przydatności do służby", "ONP"},
        {"obniżenie uposażenia zasadniczego", "OUZ"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikWyroznien() {
    static const std::vector<NazwaKod> k = {
        {"pochwała", "PO"},
        {"list gratulacyjny", "LG"},
        {"nagroda pieniężna", "NP"},
        {"krótkoterminowy urlop", "KU"},
        {"przedterminowe nadanie stopnia", "PNS"},
        {"nagroda rzeczowa", "NR"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikStatusowCywilnych() {
    static const std::vector<NazwaKod> k = {
        {"pracownik cywilny na stanowisku obsługi", ""},
        {"pracownik cywilny na stanowisku urzędniczym", ""},
        {"członek korpusu służby cywilnej", ""},
        {"urzędnik służby cywilnej", ""},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikGrupInwalidzkich() {
    static const std::vector<NazwaKod> k = {
        {"I grupa - całkowita niezdolność do pracy", "I"},
        {"II grupa - całkowita niezdolność do pracy", "II"},
        {"III grupa - częściowa niezdolność do pracy", "III"},
    };
    return k;
}

const std::vector<NazwaKod>& SlownikSwiadczen() {
    static const std::vector<NazwaKod> k = {
        {"emerytura mundurowa", "EM"},
        {"emerytura z ZUS", "EZ"},
        {"renta inwalidzka", "RI"},
        {"renta rodzinna", "RR"},
    };
    return k;
}

const std::vector<NazwaKod>& KomorkiNadrzedne() {
    // Upper case as the unit's statute writes them.
    static const std::vector<NazwaKod> k = {
        {"KIEROWNICTWO KOMENDY", "KK"},          {"PION OPERACYJNY - RATOWNICTWO I ŁĄCZNOŚĆ", "PO"},
        {"PION GŁÓWNEGO KSIĘGOWEGO", "PGK"},     {"PION SZKOLEŃ, KADR I PRZEWOŹNICTWA", "PSK"},
        {"PION ZAOPATRZENIA I ŻYWIENIA", "PZŻ"},
    };
    return k;
}

const std::vector<KomorkaSl>& KomorkiOrganizacyjne() {
    static const std::vector<KomorkaSl> k = {
        {1, "Komendant i zastępcy", "KMD"},
        {1, "Samodzielne stanowisko ds. kontroli", "SSK"},
        {2, "Jednostka Ratowniczo-Gaśnicza nr 1", "JRG1"},
        {2, "Jednostka Ratowniczo-Gaśnicza nr 2", "JRG2"},
        {2, "Wydział Operacyjno-Szkoleniowy", "WOS"},
        {2, "Stanowisko Kierowania", "SK"},
        {2, "Sekcja Łączności i Informatyki", "SŁI"},
        {3, "Wydział Kwatermistrzowsko-Techniczny", "WKT"},
        {3, "Sekcja Finansów", "SF"},
        {4, "Wydział Kadr", "WK"},
        {4, "Sekcja Kontrolno-Rozpoznawcza", "SKR"},
        {5, "Sekcja Gospodarcza", "SG"},
        {5, "Warsztat Samochodowy", "WS"},
    };
    return k;
}

const std::vector<std::string>& SposobyRozwiazaniaUmowy() {
    static const std::vector<std::string> k = {
        "za porozumieniem stron",
        "za wypowiedzeniem przez pracownika",
        "za wypowiedzeniem przez pracodawcę",
        "z upływem czasu, na który była zawarta",
        "bez wypowiedzenia z winy pracownika",
        "zwolnienie z zasadniczej służby wojskowej",
    };
    return k;
}

}  // namespace mirta::tools
