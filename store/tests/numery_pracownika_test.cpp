#include <gtest/gtest.h>

#include "wspolne/blad_danych.h"
#include "store/testing/baza_testowa.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::BazaTestowa;
using testing::DialogiSkryptowe;

// 44051401359: a man born 1944-05-14; 04222900021: a woman born 2004-02-29.
class NumeryPracownika : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
        dialogi.komunikaty.clear();
    }

    engine::Dataset& P() { return *tdm->TPracownicy; }

    void Nowy(const char* nazwisko, const char* imie,
              std::initializer_list<std::pair<const char*, const char*>> teksty) {
        P().Insert();
        P().SetField("Nazwisko", Value::Text(nazwisko));
        P().SetField("Imie1", Value::Text(imie));
        for (const auto& [pole, tekst] : teksty)
            P().SetFieldText(pole, tekst);
    }

    std::vector<std::string> Pytania() const {
        std::vector<std::string> p;
        for (const auto& k : dialogi.komunikaty) {
            EXPECT_EQ(k.rodzaj, DialogiSkryptowe::Rodzaj::TakNie);
            EXPECT_EQ(k.domyslna, Odpowiedz::Nie);
            p.push_back(k.tekst);
        }
        return p;
    }
};

TEST_F(NumeryPracownika, EachProblemAsksOnceAndNoKeepsTheRecordBeingInserted) {
    Nowy("Nowak", "Jan",
         {{"Plec", "M"},
          {"PESEL", "04222900021"},
          {"DataUrodzenia", "2004-03-01"},
          {"Nip", "5260001253"}});
    dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak, Odpowiedz::Nie};
    EXPECT_THROW(P().Post(), OdmowaUzytkownika);
    EXPECT_EQ(Pytania(), (std::vector<std::string>{
                             "PESEL 04222900021 nie zgadza się z datą urodzenia. Zapisać mimo to?",
                             "PESEL 04222900021 nie zgadza się z płcią. Zapisać mimo to?",
                             "NIP 5260001253 jest niepoprawny (błędna cyfra kontrolna). Zapisać "
                             "mimo to?"}));
    EXPECT_EQ(P().State(), DatasetState::Insert);

    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak, Odpowiedz::Tak};
    P().Post();
    EXPECT_EQ(P().State(), DatasetState::Browse);
    EXPECT_EQ(P().Field("Nip").AsText(), "5260001253");
}

TEST_F(NumeryPracownika, ValidNumbersPostWithoutAQuestion) {
    Nowy("Nowak", "Anna", {{"PESEL", "04222900021"}, {"Nip", "526-000-12-52"}});
    P().Post();
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(NumeryPracownika, AValidPeselFillsOnlyEmptyBirthDateAndSex) {
    Nowy("Kowalski", "Jan", {{"PESEL", "44051401359"}});
    EXPECT_EQ(P().Field("DataUrodzenia"), Value::Date(engine::DayNumberFromCivil(1944, 5, 14)));
    EXPECT_EQ(P().Field("Plec").AsText(), "M");
    P().Cancel();

    Nowy("Kowalska", "Ewa", {{"DataUrodzenia", "1950-01-01"}, {"Plec", "K"}});
    P().SetFieldText("PESEL", "44051401358");  // wrong check digit: nothing filled
    P().SetFieldText("PESEL", "44051401359");
    EXPECT_EQ(P().Field("DataUrodzenia"), Value::Date(engine::DayNumberFromCivil(1950, 1, 1)));
    EXPECT_EQ(P().Field("Plec").AsText(), "K");
    P().Cancel();
}

TEST_F(NumeryPracownika, ABadCheckDigitAndATakenEmployeeNumberAsk) {
    Nowy("Kowalski", "Jan", {{"NumerPracownika", "77"}});
    P().Post();
    Nowy("Zieliński", "Piotr", {{"NumerPracownika", "77"}, {"PESEL", "44051401358"}});
    dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak};
    P().Post();
    EXPECT_EQ(Pytania(),
              (std::vector<std::string>{
                  "PESEL 44051401358 jest niepoprawny (błędna cyfra kontrolna). Zapisać mimo to?",
                  "Numer pracownika 77 ma już: Kowalski Jan. Zapisać mimo to?"}));
}

TEST_F(NumeryPracownika, AnEditThatLeavesTheNumbersAloneIsNotQuestioned) {
    Nowy("Zieliński", "Piotr", {{"PESEL", "44051401358"}});
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    P().Post();
    dialogi.komunikaty.clear();
    P().Edit();
    P().SetField("Imie2", Value::Text("Adam"));
    P().Post();
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

}  // namespace
}  // namespace mirta::store
