// Education, family, distinctions and employment-end records.
#include <gtest/gtest.h>

#include "store/testing/historia_testowa.h"
#include "store/wyksztalcenie_rodzina.h"
#include "store/zakonczenie_zatrudnienia.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::Value;
using testing::Blad;
using testing::HistoriaTestowa;

class Rekordy : public HistoriaTestowa {
protected:
    void SetUp() override {
        HistoriaTestowa::SetUp();
        Pracownik("Wiśniewski");
    }
    static Value I(int64_t v) { return Value::Integer(v); }
    static Value T(const char* v) { return Value::Text(v); }
};

TEST_F(Rekordy, EducationAndCourses) {
    const std::string rok = "Niepoprawny rok ukończenia uczelni !!!";
    Sprawdz(tdm->TWyksztalcenie,
            {{nullptr, {}, "Nie wprowadzono roku ukończenia uczelni !!!"},
             {"RokUkonczenia", I(1949), rok},
             {"RokUkonczenia", I(2051), rok},
             {"RokUkonczenia", I(2050), "Nie wprowadzono nazwy uczelni !!!"},
             {"NazwaUczelni", T("SGSP"), "Nie wprowadzono rodzaju wykształcenia !!!"},
             {"RodzajWyksztalcenia", I(1), "Tytuł zawodowo naukowy jest konieczny do SPD !!!"},
             {"TytulNaukowy", I(1), ""}});
    EXPECT_EQ(tdm->TWyksztalcenie->Field("Strazackie").AsLogical(), false);
    EXPECT_EQ(tdm->TWyksztalcenie->Field("TekstStrazackie").AsText(), "Nie");

    const std::string kurs = "Niepoprawny rok ukończenia kursu / wykształcenia uzupełniającego !!!";
    Sprawdz(
        tdm->TKursy,
        {{nullptr, {}, "Nie wprowadzono roku ukończenia kursu / wykształcenia uzupełniającego !!!"},
         {"RokUkonczenia", I(1949), kurs},
         {"RokUkonczenia", I(1950),
          "Musisz wybrać rodzaj kursu / wykształcenia uzupełniającego !!!"},
         {"RodzajKursu", I(1), ""}});
}

TEST_F(Rekordy, FamilyChildNeedsBirthDate) {
    Sprawdz(
        tdm->TRodzina,
        {{nullptr, {}, "Musisz wybrać stopień pokrewieństwa !!!"},
         {"StopienPokrewienstwa", I(3), "Musisz wprowadzić poprawną datę urodzenia dziecka !!!"},
         {"StopienPokrewienstwa", I(4), "Musisz wprowadzić poprawną datę urodzenia dziecka !!!"},
         {"DataUrodzenia", Dzien(2012, 5, 1), "Nazwisko jest obowiązkowe !!!"},
         {"Nazwisko", T("Wiśniewska"), "Imię pierwsze jest obowiązkowe !!!"},
         {"Imie1", T("Zofia"), ""}});
    // A spouse needs no birth date.
    Sprawdz(tdm->TRodzina, {{"Imie1", T("Anna"), ""}},
            {{"StopienPokrewienstwa", I(1)}, {"Nazwisko", T("Wiśniewska")}});
}

TEST_F(Rekordy, OrdersPenaltiesAndDistinctions) {
    Sprawdz(tdm->TOrdery, {{nullptr, {}, "Data przyznania orderu musi być dobrze określona !!!"},
                           {"DataPrzyznania", Dzien(2020, 11, 11), "Musisz wybrać order !!!"},
                           {"IdOrderu", I(1), "Musisz wybrać organ nadający !!!"},
                           {"IdOrganu", I(1), ""}});
    // The awarding body of a penalty is optional.
    Sprawdz(tdm->TKary, {{nullptr, {}, "Data przyznania kary musi być dobrze określona !!!"},
                         {"DataPrzyznania", Dzien(2021, 2, 1), "Musisz wybrać rodzaj kary !!!"},
                         {"IdKary", I(2), ""}});
    Sprawdz(tdm->TWyroznienia,
            {{nullptr, {}, "Data przyznania wyróżnienia musi być dobrze określona !!!"},
             {"DataPrzyznania", Dzien(2022, 5, 4), "Rodzaj wyróżnienia jest obowiązkowy !!!"},
             {"IdWyroznienia", I(3), ""}});
    Dataset& w = *tdm->TWyroznienia;
    EXPECT_EQ(w.Field("KwotaNagrody").AsNumber(), 0.0);
    EXPECT_EQ(w.Field("IloscDniUrlopuDodatkowego").AsInteger(), 0);
    w.Edit();
    w.SetFieldText("KwotaNagrody", "1 250,5");
    w.Post();
    EXPECT_EQ(w.FieldText("KwotaNagrody"), "1 250,50");
}

TEST_F(Rekordy, SuspensionsNoticesDismissalsDecisions) {
    Dataset& z = *tdm1->TZawieszenia;
    z.Insert();
    EXPECT_TRUE(z.Field("CzyFunkcjonariusz").AsLogical());
    for (const char* pole :
         {"CzyWSluzbie", "DoWyslugi", "DoUrlopu", "DoNagrodyJubileuszowej", "DoEmerytury"})
        EXPECT_FALSE(z.Field(pole).AsLogical()) << pole;
    EXPECT_EQ(Blad([&] { z.SetField("Powod", T("7")); }),
              "Powód zawieszenia musi być z przedziału 1-6 !!!");
    z.Cancel();
    Sprawdz(
        tdm1->TZawieszenia,
        {{nullptr, {}, "Data zawieszenia musi być dobrze określona !!!"},
         {"DataZawieszenia", Dzien(2024, 1, 2), "Powód zawieszenia musi być z przedziału 1-6 !!!"},
         {"Powod", T("6"), "Klasyfikacja zawieszenia musi być z przedziału 1-4 !!!"},
         {"KlasyfikacjaZawieszenia", T("4"), ""}});
    EXPECT_EQ(z.FieldText("Powod"), "6-inny sposób zawieszenia");

    // A civil employee's suspension starts cleared.
    Pracownik("Zielińska", "2");
    tdm1->TZawieszenia->Insert();
    EXPECT_FALSE(tdm1->TZawieszenia->Field("CzyFunkcjonariusz").AsLogical());
    tdm1->TZawieszenia->Cancel();

    Sprawdz(tdm1->TWypowiedzenia,
            {{nullptr, {}, "Data od wypowiedzenia musi być dobrze określona !!!"},
             {"DataWypowiedzeniaOd", Dzien(2026, 5, 1),
              "Typ wypowiedzenia musi być z przedziału 1-2 !!!"},
             {"TypWypowiedzenia", T("1"), "Data do wypowiedzenia musi być dobrze określona !!!"},
             {"DataWypowiedzeniaDo", Dzien(2026, 4, 30),
              "Data do wypowiedzenia Do nie może być mniejsza od daty Od wypowiedzenia !!!"},
             {"DataWypowiedzeniaDo", Dzien(2026, 5, 1), ""}});
    Sprawdz(tdm1->TZwolnienia, {{nullptr, {}, "Data zwolnienia musi być dobrze określona !!!"},
                                {"DataZwolnienia", Dzien(2026, 7, 31),
                                 "Sposób zwolnienia musi być dobrze określony !!!"},
                                {"SposobZwolnienia", T("za porozumieniem stron"),
                                 "Przyczyna zwolnienia musi być dobrze określona !!!"},
                                {"PrzyczynaZwolnienia", T("przejście na emeryturę"), ""}});
    Sprawdz(tdm1->TDecyzja,
            {{nullptr, {}, " Data decyzji musi być dobrze określona !!!"},
             {"DataDecyzji", Dzien(2026, 7, 1), " Numer decyzji musi być dobrze określony !!!"},
             {"NrDecyzji", T("WK-12/2026"), ""}});
}

TEST_F(Rekordy, PreviousAndAdditionalEmployment) {
    tdm1->Open(tdm1->TPopZatrudnienie);
    tdm1->Open(tdm1->TDodZatrudnienie);
    Dataset& p = *tdm1->TPopZatrudnienie;
    p.Insert();
    EXPECT_FALSE(p.Field("WSluzbie").AsLogical());
    for (const char* pole : {"DoWyslugi", "DoUrlopu", "DoNagrodyJubileuszowej", "DoEmerytury"})
        EXPECT_TRUE(p.Field(pole).AsLogical()) << pole;
    p.Cancel();
    Sprawdz(tdm1->TPopZatrudnienie,
            {{nullptr, {}, "Data od poprzedniego zatrudnienia musi być dobrze określona !!!"},
             {"DataOd", Dzien(2001, 3, 1),
              "Data do poprzedniego zatrudnienia musi być dobrze określona !!!"},
             {"DataDo", Dzien(2001, 2, 28),
              "Data do poprzedniego zatrudnienia musi być nie mniejsza od daty od !!!"},
             {"DataDo", Dzien(2004, 5, 15), ""}});
    EXPECT_EQ(p.FieldText("DlugoscOkresu"), "Lat: 3 Miesięcy: 2 Dni: 15");

    Sprawdz(
        tdm1->TDodZatrudnienie,
        {{nullptr, {}, "Data od dla zgody na dodatkowe zatrudnienie musi być dobrze określona !!!"},
         {"DataOd", Dzien(2025, 1, 1), "'' nie jest poprawną wartością liczbową"},
         {"WymiarCzasuPracy", Value::Number(-0.5),
          "Wartość etatu nie może być mniejsza od zera !!!"},
         {"WymiarCzasuPracy", Value::Number(0.25), ""}},
        {{"NazwaZakladu", T("OSK")}});
    EXPECT_EQ(tdm1->TDodZatrudnienie->FieldText("WymiarCzasuPracy"), "0,25");
    Sprawdz(tdm1->TDodZatrudnienie,
            {{"DataDo", Dzien(2024, 12, 31),
              "Data do dodatkowego zatrudnienia nie może być mniejsza od datu od !!!"},
             {"DataDo", Value(), ""}},
            {{"DataOd", Dzien(2025, 1, 1)},
             {"NazwaZakladu", T("Szkoła")},
             {"WymiarCzasuPracy", Value::Number(0.125)}});
    EXPECT_EQ(tdm1->TDodZatrudnienie->FieldText("WymiarCzasuPracy"), "0,125");
}

TEST_F(Rekordy, ExaminationsAndPensions) {
    EXPECT_EQ(Blad([&] {
                  tdm1->TBadania->Insert();
                  tdm1->TBadania->SetField("WynikBadania", T("5"));
              }),
              "Wynik badania musi być z przedziału 1-4 !!!");
    tdm1->TBadania->Cancel();
    Sprawdz(tdm1->TBadania,
            {{nullptr, {}, "Data badania musi być dobrze określona !!!"},
             {"DataBadania", Dzien(2026, 3, 1), "Rodzaj badania musi być z przedziału 1-4 !!!"},
             {"RodzajBadania", T("2"), "Wynik badania musi być z przedziału 1-4 !!!"},
             {"WynikBadania", T("2"),
              "Przy wyniku \"zdolny z ograniczeniem czasowym\" data następnego badania musi być "
              "dobrze określona !!!"},
             {"DataNastepnegoBadania", Dzien(2026, 2, 1),
              "Data następnego badania nie może być mniejsza od daty badania !!!"},
             {"DataNastepnegoBadania", Dzien(2026, 9, 1), ""}});
    // Fit without limits needs no next date.
    Sprawdz(tdm1->TBadania, {{"WynikBadania", T("1"), ""}},
            {{"DataBadania", Dzien(2025, 3, 1)}, {"RodzajBadania", T("2")}});
    EXPECT_EQ(tdm1->TBadania->FieldText("WynikBadania"), "1 - zdolny");

    Sprawdz(tdm1->TEmRentGrInw,
            {{nullptr, {}, "Data przyznania emerytury / renty musi być dobrze określona !!!"},
             {"DataPrzyznania", Dzien(2020, 6, 1),
              "Grupa inwalidzka lub rodzaj świadczenia musi być określony !!!"},
             {"GrupaInwalidzka", I(2), ""}});
    Sprawdz(
        tdm1->TEmRentGrInw,
        {{"DataZawieszenia", Dzien(2021, 5, 31),
          "Data zawieszenia grupy inwalidzkiej nie może być wcześniejsza od daty przyznania !!!"},
         {"DataZawieszenia", Dzien(2021, 6, 1), ""}},
        {{"DataPrzyznania", Dzien(2021, 6, 1)}, {"RodzajSwiadczenia", I(1)}});
}

}  // namespace
}  // namespace mirta::store
