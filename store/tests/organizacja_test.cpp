#include <gtest/gtest.h>

#include "store/etaty.h"
#include "store/organizacja.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::BazaTestowa;
using testing::Blad;

// Three superior cells (in name order A, B, C); A and C have two cells each, B none; the
// employee works in the second cell of C.
class Organizacja : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
        for (const char* n : {"C Ochrona", "A Dowództwo", "B Logistyka"})
            nad[n[0] - 'A'] = Dodaj(tdm->TKomorkaNad, n, 0);
        a1 = Dodaj(tdm->TKomorkaPod, "Sekretariat", nad[0]);
        a2 = Dodaj(tdm->TKomorkaPod, "Kancelaria", nad[0]);
        c1 = Dodaj(tdm->TKomorkaPod, "Patrol", nad[2]);
        c2 = Dodaj(tdm->TKomorkaPod, "Konwój", nad[2]);
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", Value::Text("Nowak"));
        p.SetField("Imie1", Value::Text("Jan"));
        p.SetField("KomorkaOrganizacyjna", Value::Integer(c2));
        p.Post();
        pracownik = static_cast<int32_t>(p.Field("Identyfikator").AsInteger());
    }

    int32_t Dodaj(TableComponent& c, const char* nazwa, int32_t nadrzedna) {
        c->Insert();
        c->SetField("Nazwa", Value::Text(nazwa));
        if (nadrzedna)
            c->SetField("KomNadrzedna", Value::Integer(nadrzedna));
        c->Post();
        return static_cast<int32_t>(c->Field("Identyfikator").AsInteger());
    }

    static int32_t Id(TableComponent& c) {
        return static_cast<int32_t>(c->Field("Identyfikator").AsInteger());
    }

    int32_t nad[3] = {};
    int32_t a1 = 0, a2 = 0, c1 = 0, c2 = 0;
    int32_t pracownik = 0;
};

TEST_F(Organizacja, CellsNeedANameAndAreNeverDeleted) {
    for (auto* c : {&tdm->TKomorkaNad, &tdm->TKomorkaPod}) {
        (*c)->Insert();
        (*c)->SetField("Symbol", Value::Text("X1"));
        EXPECT_EQ(Blad([&] { (*c)->Post(); }),
                  c == &tdm->TKomorkaNad ? "Musisz podać nazwę komórki nadrzędnej !!!"
                                         : "Musisz podać nazwę komórki organizacyjnej !!!");
        EXPECT_EQ((*c)->State(), DatasetState::Insert);
        (*c)->Cancel();
        EXPECT_EQ(Blad([&] { (*c)->Delete(); }), kNieKasuj);
    }
}

TEST_F(Organizacja, ModeOnePreselectsTheEmployeesCellUnderItsSuperiorCell) {
    {
        PodzialOrganizacyjny okno(*tdm, PodzialOrganizacyjny::Tryb::KomorkaPracownika);
        EXPECT_TRUE(okno.UzyjDostepne());
        EXPECT_EQ(Id(tdm->TKomorkaNad), nad[2]);
        EXPECT_EQ(tdm->TKomorkaNad->RecNo(), 2);
        EXPECT_EQ(Id(tdm->TKomorkaPod), c2);
        EXPECT_EQ(tdm->TKomorkaPod->RecordCount(), 2);  // linked: only C's cells

        tdm->TKomorkaPod->First();
        ASSERT_EQ(Id(tdm->TKomorkaPod), c2);  // "Konwój" sorts first
        tdm->TKomorkaPod->Next();
        ASSERT_TRUE(okno.Uzyj());
        EXPECT_EQ(tdm->TPracownicy->State(), DatasetState::Edit);
        EXPECT_EQ(tdm->TPracownicy->Field("KomorkaOrganizacyjna").AsInteger(), c1);
        tdm->TPracownicy->Post();
    }
    // Unlinked again: a cell of any superior cell is found.
    EXPECT_EQ(tdm->TKomorkaPod->RecordCount(), 4);
    KomorkaPodrzedna k;
    k.Wypelnij(*tdm, a2);
    EXPECT_EQ(k.nazwa, "Kancelaria");
    EXPECT_EQ(k.komNadrzedna, nad[0]);
    EXPECT_EQ(NazwaKomorkiPracownika(*tdm, pracownik), "Patrol");
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(Organizacja, ModeTwoHandsTheCellToTheFilter) {
    tdm->Filtr().KomorkaFiltru = -1;
    tdm->TKomorkaNad->First();
    {
        PodzialOrganizacyjny okno(*tdm, PodzialOrganizacyjny::Tryb::FiltrRaportu);
        EXPECT_EQ(Id(tdm->TKomorkaNad), nad[0]);  // nothing preselected
        EXPECT_EQ(Id(tdm->TKomorkaPod), a2);
        tdm->TKomorkaPod->Last();
        ASSERT_TRUE(okno.Uzyj());
    }
    EXPECT_EQ(tdm->Filtr().KomorkaFiltru, a1);
    EXPECT_EQ(tdm->Filtr().NazwaKomorkiFiltru, "Sekretariat");
    tdm->TKomorkaNad->Last();
    PodzialOrganizacyjny okno(*tdm, PodzialOrganizacyjny::Tryb::FiltrRaportu);
    EXPECT_EQ(Id(tdm->TKomorkaNad), nad[0]);
    EXPECT_EQ(Id(tdm->TKomorkaPod), a1);
    EXPECT_EQ(tdm->TPracownicy->State(), DatasetState::Browse);
}

TEST_F(Organizacja, UseIsRefusedInOrderAndChangesNothing) {
    PodzialOrganizacyjny okno(*tdm, PodzialOrganizacyjny::Tryb::KomorkaPracownika);
    auto& nadrzedne = *tdm->TKomorkaNad;
    auto& komorki = *tdm->TKomorkaPod;
    komorki.Edit();
    nadrzedne.Edit();
    EXPECT_EQ(Blad([&] { okno.Uzyj(); }), " Najpierw zapisz dane o komórce nadrzędnej !!!");
    nadrzedne.Cancel();
    EXPECT_EQ(Blad([&] { okno.Uzyj(); }), " Najpierw zapisz dane o komórce organizacyjnej !!!");
    komorki.Cancel();
    nadrzedne.First();
    nadrzedne.Next();  // B: no cells
    ASSERT_EQ(Id(tdm->TKomorkaNad), nad[1]);
    EXPECT_EQ(Blad([&] { okno.Uzyj(); }), " W komórce nadrzędnej brak komórek organizacyjnych !!!");
    EXPECT_EQ(tdm->TPracownicy->State(), DatasetState::Browse);
    EXPECT_EQ(tdm->TPracownicy->Field("KomorkaOrganizacyjna").AsInteger(), c2);

    // A cell added in the window belongs to the current superior cell.
    const int32_t nowa = Dodaj(tdm->TKomorkaPod, "Magazyn", 0);
    EXPECT_EQ(tdm->TKomorkaPod->Field("KomNadrzedna").AsInteger(), nad[1]);
    EXPECT_TRUE(okno.Uzyj());
    EXPECT_EQ(tdm->TPracownicy->Field("KomorkaOrganizacyjna").AsInteger(), nowa);
    tdm->TPracownicy->Cancel();

    PodzialOrganizacyjny glowne(*tdm, PodzialOrganizacyjny::Tryb::Utrzymanie);
    EXPECT_FALSE(glowne.UzyjDostepne());
    EXPECT_FALSE(glowne.Uzyj());
}

TEST_F(Organizacja, UseInModeOneRunsTheEmployeeRecordsGuard) {
    DodajUzytkownika("PODGLAD", "podglad", true, false);
    ASSERT_TRUE(Zaloguj("PODGLAD", "podglad"));
    PodzialOrganizacyjny okno(*tdm, PodzialOrganizacyjny::Tryb::KomorkaPracownika);
    EXPECT_EQ(Blad([&] { okno.Uzyj(); }), kBrakPrawa);
    EXPECT_EQ(tdm->TPracownicy->State(), DatasetState::Browse);
}

TEST_F(Organizacja, TheCellRecordSearchesOnlyForANewIdentifier) {
    KomorkaPodrzedna k;
    k.Wypelnij(*tdm, c1);
    EXPECT_EQ(k.identyfikator, c1);
    EXPECT_EQ(k.komNadrzedna, nad[2]);
    EXPECT_EQ(k.nazwa, "Patrol");
    tdm->TKomorkaPod->First();
    const int32_t pierwsza = Id(tdm->TKomorkaPod);
    ASSERT_NE(pierwsza, c1);
    k.Wypelnij(*tdm, c1);
    EXPECT_EQ(Id(tdm->TKomorkaPod), pierwsza);  // no search: the table did not move

    k.Wypelnij(*tdm, 0);
    EXPECT_EQ(k.identyfikator, 0);
    EXPECT_EQ(k.komNadrzedna, 0);
    EXPECT_EQ(k.nazwa, "");
    EXPECT_TRUE(dialogi.komunikaty.empty());

    k.Wypelnij(*tdm, 999);
    EXPECT_EQ(k.identyfikator, 0);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst,
              "Nie udało się znaleźć wartości: 999 pola: Identyfikator w tabeli: TKomorkaPod");
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Błąd danych.");
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Blad);

    EXPECT_EQ(KomorkaPodrzedna::ZPola(*tdm, Value()).identyfikator, 0);
    EXPECT_EQ(KomorkaPodrzedna::ZPola(*tdm, Value::Integer(0)).nazwa, "");
    EXPECT_EQ(KomorkaPodrzedna::ZPola(*tdm, Value::Integer(a1)).nazwa, "Sekretariat");
    EXPECT_EQ(dialogi.komunikaty.size(), 1u);
}

TEST_F(Organizacja, TheCellNameOfAnEmployee) {
    EXPECT_EQ(NazwaKomorkiPracownika(*tdm, pracownik), "Konwój");
    EXPECT_EQ(NazwaKomorkiBiezacegoPracownika(*tdm), "Konwój");
    auto& p = *tdm->TPracownicy;
    p.Insert();
    p.SetField("Nazwisko", Value::Text("Bez"));
    p.SetField("Imie1", Value::Text("Komórki"));
    p.Post();
    EXPECT_EQ(NazwaKomorkiBiezacegoPracownika(*tdm), "");
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(NazwaKomorkiPracownika(*tdm, 4242), "???");
    EXPECT_EQ(OstatniKomunikat(),
              "Nie udało się znaleźć wartości: 4242 pola: Identyfikator w tabeli: TPracownicy");
}

// ---- Staffing structure

class StrukturaEtatowTest : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
        okno = std::make_unique<StrukturaEtatow>(*tdm1);
        okno->PoZmianieStanu([this] { ++zmiany; });
    }
    void TearDown() override { okno.reset(); }

    engine::Dataset& Glowki() { return *tdm1->TGlowkaStrukturyEtatow; }
    engine::Dataset& Pozycje() { return *tdm1->TPozStrukturyEtatow; }

    void DodajGlowke(int rok, int miesiac) {
        Glowki().Insert();
        Glowki().SetField("Rok", Value::Integer(rok));
        Glowki().SetField("Miesiac", Value::Integer(miesiac));
        Glowki().Post();
    }

    std::unique_ptr<StrukturaEtatow> okno;
    int zmiany = 0;
};

TEST_F(StrukturaEtatowTest, HeadersNeedAYearFrom2000AndAMonth) {
    struct Przypadek {
        Value rok, miesiac;
        const char* blad;
    } const przypadki[] = {
        {Value::Integer(1999), Value::Integer(5), "Niewłaściwy rok struktury etatów !!!"},
        {Value(), Value::Integer(5), "Niewłaściwy rok struktury etatów !!!"},
        {Value::Integer(2000), Value::Integer(0), "Miesiąc musi być z zakresu 1 - 12 !!!"},
        {Value::Integer(2000), Value::Integer(13), "Miesiąc musi być z zakresu 1 - 12 !!!"},
        {Value::Integer(2000), Value(), "Miesiąc musi być z zakresu 1 - 12 !!!"},
        {Value::Integer(2000), Value::Integer(1), ""},
    };
    for (const auto& p : przypadki) {
        Glowki().Insert();
        Glowki().SetField("Rok", p.rok);
        Glowki().SetField("Miesiac", p.miesiac);
        EXPECT_EQ(Blad([&] { Glowki().Post(); }), p.blad);
        Glowki().Cancel();
    }
    EXPECT_EQ(Glowki().RecordCount(), 1);
    EXPECT_EQ(Blad([&] { Glowki().Delete(); }), kNieKasuj);
}

TEST_F(StrukturaEtatowTest, PositionsAreCheckedInOrderAndCorrected) {
    DodajGlowke(2026, 12);
    struct Przypadek {
        const char* stanowisko;
        const char* system;
        const char* typ;  // typed into the column
        const char* status;
        const char* blad;
    } const przypadki[] = {
        {"   ", "", "X", "", "Stanowisko etatowe jest obowiązkowe !!!"},
        {"Referent", "", "X", "", "System służby jest obowiązkowy !!!"},
        {"Referent", "codzienny", "X", "",
         "Dopuszczalne typy pracowników: F - funkcjonariusz, "
         "C- cywil !!!"},
        {"Referent", "codzienny", "", "",
         "Dopuszczalne typy pracowników: F - funkcjonariusz, "
         "C- cywil !!!"},
        {"Referent", "codzienny", "C - cywil", "",
         "Status pracownika cywilnego jest obowiązkowy !!!"},
    };
    for (const auto& p : przypadki) {
        Pozycje().Insert();
        Pozycje().SetField("StanowiskoEtatowe", Value::Text(p.stanowisko));
        if (*p.system)
            Pozycje().SetField("SystemSluzby", Value::Text(p.system));
        Pozycje().SetFieldText("TypPracownika", p.typ);
        EXPECT_EQ(Blad([&] { Pozycje().Post(); }), p.blad) << p.typ;
        Pozycje().Cancel();
    }

    Pozycje().Insert();
    Pozycje().SetField("StanowiskoEtatowe", Value::Text("Dyżurny"));
    Pozycje().SetField("SystemSluzby", Value::Text("zmianowy"));
    Pozycje().SetFieldText("TypPracownika", "F - funkcjonariusz");
    EXPECT_EQ(Pozycje().Field("TypPracownika").AsText(), "F");
    Pozycje().SetField("StatusPracownikaCywilnego", Value::Text("mianowany"));
    Pozycje().SetField("LimitEtatow", Value::Number(-1));
    Pozycje().Post();
    EXPECT_TRUE(Pozycje().Field("StatusPracownikaCywilnego").IsNull());
    EXPECT_EQ(Pozycje().Field("LimitEtatow").AsNumber(), 0.0);
    EXPECT_EQ(Pozycje().Field("IloscEtatow").AsNumber(), 0.0);
    EXPECT_EQ(Pozycje().Field("IdGlowki").AsInteger(), Glowki().Field("Identyfikator").AsInteger());

    Pozycje().Insert();
    Pozycje().SetField("StanowiskoEtatowe", Value::Text("Referent"));
    Pozycje().SetField("SystemSluzby", Value::Text("codzienny"));
    Pozycje().SetFieldText("TypPracownika", "C - cywil");
    Pozycje().SetField("StatusPracownikaCywilnego", Value::Text("mianowany"));
    Pozycje().SetField("LimitEtatow", Value::Number(2.5));
    Pozycje().Post();
    EXPECT_EQ(Pozycje().Field("TypPracownika").AsText(), "C");
    EXPECT_EQ(Pozycje().Field("StatusPracownikaCywilnego").AsText(), "mianowany");
    EXPECT_EQ(Pozycje().Field("LimitEtatow").AsNumber(), 2.5);
    EXPECT_EQ(Pozycje().RecordCount(), 2);
    Pozycje().Delete();  // positions can be deleted
    EXPECT_EQ(Pozycje().RecordCount(), 1);
}

TEST_F(StrukturaEtatowTest, HeadersAndPositionsLockEachOther) {
    EXPECT_EQ(Blad([&] { Pozycje().Insert(); }), "Brak główek do struktury etatów !!!");
    EXPECT_TRUE(okno->GlowkiDostepne());
    EXPECT_TRUE(okno->PozycjeDostepne());

    Glowki().Insert();
    EXPECT_FALSE(okno->PozycjeDostepne());
    EXPECT_TRUE(okno->GlowkiDostepne());
    EXPECT_GT(zmiany, 0);
    Glowki().SetField("Rok", Value::Integer(2026));
    Glowki().SetField("Miesiac", Value::Integer(3));
    EXPECT_EQ(Blad([&] { Pozycje().Insert(); }), "Główka struktury jest aktualizowana !!!");
    Glowki().Post();
    EXPECT_TRUE(okno->PozycjeDostepne());

    zmiany = 0;
    Pozycje().Insert();
    EXPECT_EQ(zmiany, 1);
    EXPECT_FALSE(okno->GlowkiDostepne());
    EXPECT_EQ(Blad([&] { Glowki().Edit(); }), "Pozycja struktury jest aktualizowana !!!");
    Pozycje().Cancel();
    EXPECT_EQ(zmiany, 2);
    EXPECT_TRUE(okno->GlowkiDostepne());

    okno.reset();
    EXPECT_FALSE(tdm1->TGlowkaStrukturyEtatow.IsOpen());
    EXPECT_FALSE(tdm1->TPozStrukturyEtatow.IsOpen());
}

TEST_F(StrukturaEtatowTest, WithoutTheRightToChangeDataNothingChanges) {
    DodajGlowke(2026, 12);
    okno.reset();
    DodajUzytkownika("PODGLAD", "podglad", true, false);
    ASSERT_TRUE(Zaloguj("PODGLAD", "podglad"));
    okno = std::make_unique<StrukturaEtatow>(*tdm1);
    EXPECT_EQ(Blad([&] { Glowki().Insert(); }), kBrakPrawa);
    EXPECT_EQ(Blad([&] { Pozycje().Insert(); }), kBrakPrawa);
}

}  // namespace
}  // namespace mirta::store
