#include "store/katalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirta::store {
namespace {

using engine::FieldType;

// "Name:A30" for text of 30, ":D" date, ":T" time, ":N" number, ":S" int16, ":I" int32,
// ":+" autoinc, ":L" logical; dBase character columns ":C<width>".
std::string Zapis(const engine::FieldDef& f, FormatPliku format) {
    switch (f.type) {
        case FieldType::Alpha:
            return f.name + (format == FormatPliku::Dbase ? ":C" : ":A") + std::to_string(f.size);
        case FieldType::Date:
            return f.name + ":D";
        case FieldType::Time:
            return f.name + ":T";
        case FieldType::Number:
            return f.name + ":N";
        case FieldType::Short:
            return f.name + ":S";
        case FieldType::Long:
            return f.name + ":I";
        case FieldType::AutoInc:
            return f.name + ":+";
        case FieldType::Logical:
            return f.name + ":L";
        default:
            return f.name + ":?";
    }
}

std::vector<std::string> Zapisane(const char* plik) {
    const OpisTabeli* opis = ZnajdzTabele(plik);
    if (!opis)
        return {"brak w katalogu"};
    std::vector<std::string> wynik;
    for (const auto& f : opis->PolaPliku())
        wynik.push_back(Zapis(f, opis->format));
    return wynik;
}

std::vector<std::string> Seria(const char* przedrostek, const char* typ, int od, int doN,
                               bool dwieCyfry = false) {
    std::vector<std::string> wynik;
    for (int i = od; i <= doN; ++i) {
        std::string numer = std::to_string(i);
        if (dwieCyfry && i < 10)
            numer = "0" + numer;
        wynik.push_back(przedrostek + numer + ":" + typ);
    }
    return wynik;
}

std::vector<std::string> Razem(std::initializer_list<std::vector<std::string>> czesci) {
    std::vector<std::string> wynik;
    for (const auto& c : czesci)
        wynik.insert(wynik.end(), c.begin(), c.end());
    return wynik;
}

// Field lists typed from the record descriptions, independently of the catalogue's constants.
TEST(Katalog, FieldListsOfTablesEasyToGetWrong) {
    EXPECT_EQ(Zapisane("Mirta.DB"), (std::vector<std::string>{"Identyfikator:+",
                                                              "NumerPracownika:I",
                                                              "Nazwisko:A30",
                                                              "Imie1:A15",
                                                              "Imie2:A15",
                                                              "KodPocztowy:A6",
                                                              "Miejscowosc:A20",
                                                              "Poczta:A20",
                                                              "Ulica:A20",
                                                              "NrDomuiMieszkania:A17",
                                                              "DataUrodzenia:D",
                                                              "ImieOjca:A15",
                                                              "ImieMatki:A15",
                                                              "UmyslowyFizyczny:A1",
                                                              "Etat:N",
                                                              "SystemZatrudnienia:A1",
                                                              "KosztyUzyskaniaPrzychodu:A1",
                                                              "DataZatrudnienia:D",
                                                              "DataZwolnienia:D",
                                                              "KontoKosztow:A12",
                                                              "UlgaPodatkowa:A1",
                                                              "NumerDowoduOsobistego:A10",
                                                              "NumerKontaBankowego:A60",
                                                              "Plec:A1",
                                                              "MiejsceUrodzenia:A20",
                                                              "PESEL:A13",
                                                              "UrzadSkarbowy:S",
                                                              "KtoWydalDowodosobisty:A30",
                                                              "CharakterZatrudnienia:A1",
                                                              "Nip:A13",
                                                              "KodUbezpieczenia:A6",
                                                              "Kraj:S",
                                                              "Gmina:S",
                                                              "NumerListy:I",
                                                              "DrugiKodUbezpieczenia:A6",
                                                              "LiczbaOsobDoZasilkuRodzin:S",
                                                              "LiczbaOsobDoZasilkuPieleg:S",
                                                              "NazwiskoRodoweMatki:A30",
                                                              "NazwiskoRodowe:A30",
                                                              "DataWystawieniaDowodu:D",
                                                              "KodPocztaZamieszkania:A35",
                                                              "MiejscowoscAdresZamieszka:A50",
                                                              "TelefonZamieszkania:A20",
                                                              "OsobaPowiadamiania:A30",
                                                              "KodPocztaPowiadamiania:A35",
                                                              "MiejscowoscAdresPowiadami:A50",
                                                              "TelefonPowiadamiania:A20",
                                                              "NrEwidencyjny:A12",
                                                              "Podzial:A1",
                                                              "KomorkaOrganizacyjna:S",
                                                              "SystemSluzby:A1",
                                                              "KodZamieszkania:A7",
                                                              "KodWystawcyDowodu:A7",
                                                              "DataDoWyslugi:D",
                                                              "DataDoSluzby:D",
                                                              "DataDoNagrodyJubileuszowe:D",
                                                              "DataDoEmerytury:D",
                                                              "TelefonKomorkowy:A20",
                                                              "DataWaznosciDowodu:D",
                                                              "AdresMail:A100",
                                                              "IdStPracCyw:S"}));

    EXPECT_EQ(Zapisane("CzasPracy.DB"),
              Razem({{"IdPracownika:I", "Rok:S", "Miesiac:S", "Identyfikator:+", "Status:A31"},
                     Seria("P", "S", 1, 31),
                     Seria("W", "S", 1, 31),
                     {"PodStatus:A31"}}));

    EXPECT_EQ(Zapisane("DaneGrida.DB"),
              (std::vector<std::string>{
                  "IdentyfikatorGrida:I", "NumerPola:S",         "SzerokoscPola:S",
                  "NazwaPola:A50",        "AlignmentPola:S",     "RozmiarFontuPola:S",
                  "CharSetFontuPola:S",   "PitchFontuPola:S",    "KolorPola:I",
                  "KolorFontPola:I",      "NazwaFontuPola:A50",  "BoldPola:L",
                  "ItalicPola:L",         "UnderlinePola:L",     "StrikeOutPola:L",
                  "NazwaTytul:A50",       "AlgnmentTytul:S",     "RozmiarFontuTytul:S",
                  "CharSetFontuTytul:S",  "PitchFontuTytul:S",   "KolorTytul:I",
                  "KolorFontTytul:I",     "NazwaFontuTytul:A50", "BoldTytul:L",
                  "ItalicTytul:L",        "UnderlineTytul:L",    "StrikeOutTytul:L"}));

    EXPECT_EQ(Zapisane("PozPrzesylki.db"), (std::vector<std::string>{"IdentyfikatorHarmonogramu:I",
                                                                     "IdentyfikatorWiersza:I",
                                                                     "IdentyfikatorPola:S",
                                                                     "NazwaPola:A50",
                                                                     "NazwaSlownika:A100",
                                                                     "Dlugosc:S",
                                                                     "OpisDodatkowy:A200",
                                                                     "Wartosc:N",
                                                                     "Wiezy:A100",
                                                                     "Uwagi:A100",
                                                                     "TYP:A1",
                                                                     "Wymagalnosc:L",
                                                                     "Format:A50",
                                                                     "Walidacje:A50",
                                                                     "Zawartosc:A255",
                                                                     "PoKropce:S",
                                                                     "IdentyfikatorPracownika:I",
                                                                     "IdentyfikatorSystemu:I",
                                                                     "KodSystemu:A30",
                                                                     "NazwaSystemu:A50",
                                                                     "NumerPracownika:A20",
                                                                     "Nazwisko:A50",
                                                                     "Imie1:A50",
                                                                     "DataUrodzenia:D"}));

    EXPECT_EQ(Zapisane("ParametrySPD.DB"),
              (std::vector<std::string>{
                  "Identyfikator:+", "NumerJednostki:A7", "KodObszaru:A1", "KodSD:A2",
                  "Rezerwa1:A100", "Rezerwa2:A100", "Rezerwa3:A100", "Rezerwa4:A100",
                  "Sciezka:A255", "NazwaKomorkiOrganizacyjne:A255", "UzytkownikSPD:A100",
                  "HasloSPD:A100", "FTPSPD:A100", "PortSPD:A100", "SciezkaSPD:A100"}));

    EXPECT_EQ(Zapisane("Kalendarz.DB"),
              Razem({{"IdentyfikatorKalendarza:S", "Rok:S", "Miesiac:S", "PrzebiegPracy:A31"},
                     Seria("G", "N", 1, 31)}));

    EXPECT_EQ(Zapisane("MIRTA.DBF"),
              (std::vector<std::string>{
                  "K_NRP:N",      "K_NAZW:C30",   "K_IMIE1:C15",   "K_IMIE2:C15",  "K_AK:C6",
                  "K_AM:C20",     "K_AP:C20",     "K_AU:C20",      "K_AD:C17",     "K_DATU:D",
                  "K_IMIE3:C15",  "K_IMIE4:C15",  "K_FZ:C1",       "K_WE:N",       "K_SZ:C1",
                  "K_CZ:C1",      "K_DATZAT:D",   "K_DATZW:D",     "K_GZ:C4",      "K_KO:C8",
                  "K_KT:C12",     "K_PD:C3",      "K_ZUS:C1",      "K_SP:C4",      "K_DOW:C10",
                  "K_WOJ:C10",    "K_WYKSZ:C4",   "K_NAZB:C20",    "K_NRKONT:C60", "K_ROZ:C2",
                  "K_PLEC:C1",    "K_MIEJUR:C20", "K_WSKS:C1",     "K_PESEL:C13",  "K_URZAD:C2",
                  "K_WYDDOW:C30", "K_INF:C1",     "K_CHAR_ZAT:C1", "K_NIP:C13",    "K_KOD_UB:C6",
                  "K_NRKONT1:C60"}));
}

TEST(Katalog, FieldsThatAreNotStoredAreDeclaredButLeftOutOfTheFile) {
    const OpisTabeli* mirta = ZnajdzTabele("Mirta.DB");
    ASSERT_NE(mirta, nullptr);
    ASSERT_NE(mirta->Pole("AktualnyStopien"), nullptr);
    EXPECT_EQ(mirta->Pole("AktualnyStopien")->rodzaj, RodzajPola::Wyliczane);
    const OpisPola* status = mirta->Pole("NazwaStatusuPracownikaCywilnego");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->rodzaj, RodzajPola::Lookup);
    EXPECT_EQ(status->lookupKomponent, "TSlowStatPracCyw");
    ASSERT_NE(ZnajdzTabele("CzasPracy.DB")->Pole("RazemPlan"), nullptr);
    EXPECT_EQ(ZnajdzTabele("CzasPracy.DB")->Pole("RazemPlan")->rodzaj, RodzajPola::Wyliczane);
}

TEST(Katalog, KeysAreUniquePrefixesOfTheFieldOrder) {
    struct Przypadek {
        const char* plik;
        int klucz;
    } przypadki[] = {
        {"Mirta.DB", 1},      // index by name is not unique: the autoinc identifier
        {"PrPracCyw.DB", 4},  // employee, kind, year, month
        {"RejPrzes.db", 3},   // up to its identifier
        {"Hasla.DB", 1},      // the short user name
        {"CzasPracy.DB", 3},  // one card per employee and month
        {"Nagrody.DB", 5},    // the index fields are spread over the whole record
        {"ParametryKadr.db", 0}, {"PracStop.db", 3},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.plik);
        ASSERT_NE(ZnajdzTabele(p.plik), nullptr);
        EXPECT_EQ(ZnajdzTabele(p.plik)->polaKlucza, p.klucz);
    }
    // Every index field lies within the key or the key ends at an autoinc field.
    for (const auto& opis : KatalogTabel()) {
        auto pola = opis.PolaPliku();
        ASSERT_LE(opis.polaKlucza, static_cast<int>(pola.size())) << opis.plik;
        bool autoinc = false;
        for (int i = 0; i < opis.polaKlucza; ++i)
            autoinc |= pola[i].type == FieldType::AutoInc;
        if (autoinc || opis.porzadek.empty() || opis.komponent == "TPremPracCyw")
            continue;
        for (const auto& nazwa : opis.PolaPorzadku()) {
            bool wKluczu = false;
            for (int i = 0; i < opis.polaKlucza; ++i)
                wKluczu |= pola[i].name == nazwa;
            EXPECT_TRUE(wKluczu || opis.komponent == "THasla") << opis.plik << " " << nazwa;
        }
    }
}

TEST(Katalog, FileNamesAreFoundWhateverTheirCaseAndYear) {
    struct Przypadek {
        const char* plik;
        const char* komponent;  // nullptr: not in the catalogue
    } przypadki[] = {
        {"urlopy.DB", "TUrlopy"},
        {"WykUrl2026.DB", "TUrlopy"},
        {"urn2026.db", "TUrlopNalez"},
        {"KART0812.DBF", "TSPDKartoteka"},
        {"SPD\\harmonogram.db", "THarmonogramPrzesylek"},
        {"ROVANTE/mirta.dbf", ""},
        {"MIRTA.DB", "TPracownicy"},
        {"UrN26.DB", nullptr},
        {"WykUrl2026.DBF", nullptr},
        {"Nieznana.db", nullptr},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.plik);
        const OpisTabeli* opis = ZnajdzTabele(p.plik);
        if (!p.komponent) {
            EXPECT_EQ(opis, nullptr);
            continue;
        }
        ASSERT_NE(opis, nullptr);
        EXPECT_EQ(opis->komponent, p.komponent);
    }
    EXPECT_EQ(PlikKartotekiPlac(2008, 12), "KART0812.DBF");
    EXPECT_EQ(PlikUrlopowNaleznych(2005), "UrlNalez.db");
    EXPECT_EQ(PlikUrlopowWykorzystanych(2006), "WykUrl2006.DB");
}

}  // namespace
}  // namespace mirta::store
