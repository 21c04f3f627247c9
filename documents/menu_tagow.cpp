#include "documents/menu_tagow.h"

namespace mirta::documents {

namespace {

using P = PozycjaMenuTagow;

const P kPodmenu1[] = {
    P{"Imię 2,1 i nazwisko <<IMIE21 NAZWISKO>>", "<<IMIE21 NAZWISKO>>", "Imię 2,1 Nazwisko"},
    P{"Imię 1,2 i nazwisko <<IMIE12 NAZWISKO>>", "<<IMIE12 NAZWISKO>>", "Imię 1,2 Nazwisko"},
    P{"Imię 1 i nazwisko <<IMIE1 NAZWISKO>>", "<<IMIE1 NAZWISKO>>", "Imię 1 Nazwisko"},
    P{"Imię 2 i nazwisko <<IMIE2 NAZWISKO>>", "<<IMIE2 NAZWISKO>>", "Imię 2 Nazwisko"},
    P{"Nazwisko imię 2,1 <<NAZWISKO IMIE21>>", "<<NAZWISKO IMIE21>>", "Nazwisko Imię 2,1"},
    P{"Nazwisko imię 1,2 <<NAZWISKO IMIE12>>", "<<NAZWISKO IMIE12>>", "Nazwisko Imię 1,2"},
    P{"Nazwisko i imię 2 <<NAZWISKO IMIE2>>", "<<NAZWISKO IMIE2>>", "Nazwisko Imię 2"},
    P{"Nazwisko i imię 1 <<NAZWISKO IMIE1>>", "<<NAZWISKO IMIE1>>", "Nazwisko Imię 1"},
    P{"Imię 2 i 1 <<IMIE21>>", "<<IMIE21>>", "Imię 2,1"},
    P{"Imię 1 i 2 <<IMIE12>>", "<<IMIE12>>", "Imię 1,2"},
    P{"Imię 2 <<IMIE2>>", "<<IMIE2>>", "Imię 2"},
    P{"Imię 1 <<IMIE1>>", "<<IMIE1>>", "Imię 1"},
    P{"Nazwisko <<NAZWISKO>>", "<<NAZWISKO>>", "Nazwisko"},
    P{"Nazwisko rodowe <<NazwiskoRodowe>>", "<<NazwiskoRodowe>>", "Nazwisko rodowe"},
    P{"Imię ojca <<ImięOjca>>", "<<ImięOjca>>", "Imię ojca"},
    P{"Imię matki <<ImięMatki>>", "<<ImięMatki>>", "Imię matki"},
    P{"Nazwisko rodowe matki<<NazwiskoRodoweMatki>>", "<<NazwiskoRodoweMatki>>",
      "Nazwisko rodowe matki"},
    P{"Data urodzenia <<DataUrodzenia>>", "<<DataUrodzenia>>", "Data urodzenia"},
    P{"Miejsce urodzenia<<MiejsceUrodzenia>>", "<<MiejsceUrodzenia>>", "Miejsce urodzenia"},
    P{"Końcówka np:(pani/panu) <<i|u>>", "<<i|u>>", ""},
    P{"Końcówka np:(pani/pan) <<i| >>", "<<i| >>", ""},
};

const P kPodmenu2[] = {
    P{"Data zatrudnienia<<DataZatrudnienia>>", "<<DataZatrudnienia>>", "Data zatrudnienia"},
    P{"Data zwolnienia<<DataZwolnienia>>", "<<DataZwolnienia>>", "Data zwolnienia"},
    P{"Seria i nr dow. osob.<<DowSerNr>>", "<<DowSerNr>>", "Ser. Nr dowodu"},
    P{"Data wyst.dow.osob<<DowDatWyst>>", "<<DowDatWyst>>", "Data wyst.dow."},
    P{"Wystawca dowodu osob.<<DowWyst>>", "<<DowWys>>", "Wystwca dowodu osobistego"},
};

const P kPodmenu3[] = {
    P{"Data przetwarzania(01-12-2003) <<Data>>", "<<Data>>", "Data"},
    P{"Data przetwarzania(01 grudnia 2003) <<Data|Mies>>", "<<Data|Mies>>", "Miesiąc"},
    P{"Data komputerowa(01-12-2003) <<DataBiez>>", "<<DataBiez>>", "Data"},
    P{"Data komputerowa(01 grudnia 2003) <<DataBiez|Mies>>", "<<DataBiez|Mies>>", "Miesiąc"},
};

const P kPodmenu4[] = {
    P{"Nazwa stanowiska bieżącego <<Stanowisko|Nazwa>>", "<<Stanowisko|Nazwa>>", "Stanowisko"},
    P{"Data stanowiska bieżącego <<Stanowisko|Data>>", "<<Stanowisko|Data>>", "Data stanowiska"},
    P{"Nazwa stanowiska ostatnia <<Stanowisko|Nazwa|Kon>>", "<<Stanowisko|Nazwa|Kon>>",
      "Stanowisko"},
    P{"Data stanowiska ostatnia <<Stanowisko|Data|Kon>>", "<<Stanowisko|Data|Kon>>",
      "Data stanowiska"},
};

const P kPodmenu5[] = {
    P{"Data od  grupy płacowej bieżąca(01-12-2003) <<Grupa|Data>>", "<<Grupa|Data>>", "Data grupy"},
    P{"Data od  grupy płacowej ostatniej(01-12-2003) <<Grupa|Data|Kon>>", "<<Grupa|Data|Kon>>",
      "Data Grupy"},
    P{"Nazwa grupy płacowej (bieżąca) <<Grupa|Nazwa>>", "<<Grupa|Nazwa>>", "Grupa"},
    P{"Nazwa grupy płacowej ostatniej <<Grupa|Nazwa|Kon>>", "<<Grupa|Nazwa|Kon>>", "Grupa"},
    P{"Grupa ubruttowionie(bieżąca) <<Grupa|ZUS>>", "<<Grupa|ZUS>>", "ZUS"},
    P{"Grupa ubruttowienie(ostatnie) <<Grupa|ZUS|Kon>>", "<<Grupa|ZUS|Kon>>", "ZUS"},
    P{"Stawka grupy(bieżąca) <<Grupa|Stawka>>", "<<Grupa|Stawka>>", "Stawka grupy"},
    P{"Stawka grupy(ostatnia) <<Grupa|Stawka|Kon>>", "<<Grupa|Stawka|Kon>>", "Stawka grupy"},
    P{"Mnożnik grupy(bieżący) <<Grupa|Mnożnik>>", "<<Grupa|Mnożnik>>", "Mnożnik grupy"},
    P{"Mnożnik Grupy(ostatni) <<Grupa|Mnożnik|Kon>>", "<<Grupa|Mnożnik|Kon>>", "Mnożnik grupy"},
    P{"Płaca zasadnicza(bieżąca) <<Grupa|PlacaZas>>", "<<Grupa|PlacaZas>>", "Zasadnicze"},
    P{"Płaca zasadnicza(ostatnia) <<Grupa|PlacaZas|Kon>>", "<<Grupa|PlacaZas|Kon>>", "Zasadnicze"},
    P{"Płaca zasadnicza wyliczona(bieżąca) <<Grupa|PlacaKon>>", "<<Grupa|PlacaKon>>",
      "Grupa płaca"},
    P{"Płaca zasadnicza wyliczona(ostatnia) <<Grupa|PlacaKon|Kon>>", "<<Grupa|PlacaKon|Kon>>",
      "Grupa płaca"},
    P{"Płaca zasadnicza wyliczona słownie(bieżąca) <<Grupa|PlacaKon|Słow>>",
      "<<Grupa|PlacaKon|Słow>>", "Grupa płaca(słownie)"},
    P{"Płaca zasadnicza wyliczona słownie(ostatnia) <<Grupa|PlacaKon|Słow|Kon>>",
      "<<Grupa|PlacaKon|Słow|Kon>>", "Grupa płaca(słownie)"},
};

const P kPodmenu6[] = {
    P{"Numer decyzji(bieżący) <<Decyzja|Nr>>", "<<Decyzja|Nr>>", "Numer decyzji"},
    P{"Numer decyzji(ostatni) <<Decyzja|Nr|Kon>>", "<<Decyzja|Nr|Kon>>", "Numer decyzji"},
    P{"Data decyzji(01-12-2003 bieżąca) <<Decyzja|Data>>", "<<Decyzja|Data>>", "Data decyzji"},
    P{"Data decyzji(01-12-2003 ostatnia) <<Decyzja|Data|Kon>>", "<<Decyzja|Data|Kon>>",
      "Data decyzji"},
    P{"Data decyzji(01 grudnia 2003 bieżąca) <<Decyzja|Data|Mies>>", "<<Decyzja|Data|Mies>>",
      "Miesiąc decyzji"},
    P{"Data decyzji(01 grudnia 2003 ostatnia) <<Decyzja|Data|Mies|Kon>>",
      "<<Decyzja|Data|Mies|Kon>>", "Miesiąc decyzji"},
};

const P kPodmenu7[] = {
    P{"Nazwa stopnia(bieżąca) <<Stopień|Nazwa>>", "<<Stopień|Nazwa>>", "Stopień"},
    P{"Nazwa stopnia(ostatnia) <<Stopień|Nazwa|Kon>>", "<<Stopień|Nazwa|Kon>>", "Stopień"},
    P{"Kwota za stopień(bieżąca) <<Stopień|Kwota>>", "<<Stopień|Kwota>>", "Stopień kwota"},
    P{"Kwota za stopień(ostatnia) <<Stopień|Kwota|Kon>>", "<<Stopień|Kwota|Kon>>", "Stopień kwota"},
    P{"Data stopnia(bieżąca) <<Stopień|Data>>", "<<Stopień|Data>>", "Data stopnia"},
    P{"Data stopnia(ostatnia) <<Stopień|Data|Kon>>", "<<Stopień|Data|Kon>>", "Data stopnia"},
};

const P kPodmenu8[] = {
    P{"Kwota dodatku służbowego(bieżąca) <<DodatekSłużbowy|Kwota>>", "<<DodatekSłużbowy|Kwota>>",
      "Dodatek służbowy"},
    P{"Kwota dodatku służbowego(ostatnia) <<DodatekSłużbowy|Kwota|Kon>>",
      "<<DodatekSłużbowy|Kwota|Kon>>", "Dodatek służbowy"},
};

const P kPodmenu9[] = {
    P{"Kwota dodatku motywacynego(bieżąca) <<DodatekMotywacyjny|Kwota>>",
      "<<DodatekMotywacyjny|Kwota>>", "Dodatek motywacyjny"},
    P{"Kwota dodatku motywacynego(ostatnia) <<DodatekMotywacyjny|Kwota|Kon>>",
      "<<DodatekMotywacyjny|Kwota|Kon>>", "Dodatek motywacyjny"},
};

const P kPodmenu10[] = {
    P{"Kwota premi prac cywilnych(bieżąca) <<PremiaCyw|Kwota>>", "<<PremiaCyw|Kwota>>",
      "Kwota premii prac. cywilnych"},
    P{"Kwota premi prac cywilnych(ostatnia) <<PremiaCyw|Kwota|Kon>>", "<<PremiaCyw|Kwota|Kon>>",
      "Kwota premii prac. cywilnych"},
    P{"Procent premi prac cywilnych(bieżąca) <<PremiaCyw|Procent>>", "<<PremiaCyw|Procent>>",
      "% premii prac. cywilnych"},
    P{"Procent premi prac cywilnych(ostatnia) <<PremiaCyw|Kwota|Kon>>", "<<PremiaCyw|Kwota|Kon>>",
      "% premii prac. cywilnych"},
};

const P kPodmenu11[] = {
    P{"Procent wysługi <<ProcentWysługa>>", "<<ProcentWysługa>>", "Procent wysługi"},
    P{"Kwota wysługi <<KwotaWysługa>>", "<<KwotaWysługa>>", "Kwota wysługi"},
    P{"Dzień zmiany wysługi <<DzieńZmianaWysługa>>", "<<DzieńZmianaWysługa>>", "Data zm.wysługi"},
    P{"Płaca z grupy + wysługa <<Grupa|PlacaKon|Wysługa>>", "<<Grupa|PlacaKon|Wysługa>>",
      "Płaca wyliczona"},
    P{"Płaca z grupy + wysługa słownie <<Grupa|PlacaKon|Wysługa|Słow>>",
      "<<Grupa|PlacaKon|Wysługa|Słow>>", "Płaca słownie"},
    P{"Procent wysługi strażaka <<ProcentWysługa|Strażak>>", "<<ProcentWysługa|Strażak>>",
      "Procent wysługi strażaka"},
    P{"Kwota wysługi strażaka <<KwotaWysługa|Strażak>>", "<<KwotaWysługa|Strażak>>",
      "Kwota wysługi strażaka"},
    P{"Lata pracy do wysługi <<LataPracyWysługa>>", "<<LataPracyWysługa>>", "Lata pracy wysługa"},
    P{"Grupa płacowa + wysługa + dodatek za stopień <<Grupa|PlacaKon|Strażak>>",
      "<<Grupa|PlacaKon|Strażak>>", "Płaca strażaka"},
    P{"Grupa płacowa+wysługa+dodatek za stopień słownie <<Grupa|PlacaKon|Strażak|Słow>>",
      "<<Grupa|PlacaKon|Strażak|Słow>>", "Płaca strażaka słownie"},
    P{"Lata pracy do emerytury", "<<LataPracyEmerytura>>", "Lata pracy do emerytury"},
};

const PodmenuTagow kPodmenu[] = {
    {"Wklej symbol kadrowy", kPodmenu1},
    {"Wklej inny symbol kadrowy", kPodmenu2},
    {"Wklej symbol danych systemowych", kPodmenu3},
    {"Wklej symbol związany ze stanowiskiem", kPodmenu4},
    {"Wklej symbol związany z grupą płacową", kPodmenu5},
    {"Wklej symbol związany z decyzją personalną", kPodmenu6},
    {"Wklej symbol związany ze stopniem", kPodmenu7},
    {"Wklej symbol związany z dodatkiem służbowym", kPodmenu8},
    {"Wklej symbol związany z dodatkiem motywacyjnym", kPodmenu9},
    {"Wklej symbol z premią pracowników cywilnych", kPodmenu10},
    {"Wklej wyliczone dane płacowe", kPodmenu11},
};

const P kLiczbaPorzadkowa{"Liczba porządkowa tylko dla zestawień <<LP>>", "<<LP>>", " Lp "};

}  // namespace

std::span<const PodmenuTagow> PodmenuTagowEdytora() {
    return kPodmenu;
}

const PozycjaMenuTagow& PozycjaLiczbyPorzadkowej() {
    return kLiczbaPorzadkowa;
}

}  // namespace mirta::documents
