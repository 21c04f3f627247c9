#include <gtest/gtest.h>

#include <filesystem>

#include "store/katalog.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::BazaTestowa;
using testing::Blad;

class ZasadyWspolne : public BazaTestowa {
protected:
    // A posted employee, current in TPracownicy.
    void DodajPracownika(const std::string& nazwisko = "Kowalski") {
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", Value::Text(nazwisko));
        p.SetField("Imie1", Value::Text("Jan"));
        p.Post();
    }
};

TEST_F(ZasadyWspolne, EveryCatalogueComponentIsAMemberOpenedWhenTheCatalogueSays) {
    for (const auto& opis : KatalogTabel()) {
        if (opis.modul.empty())
            continue;
        SCOPED_TRACE(std::string(opis.komponent));
        DataModule& m = opis.modul == "TDM" ? static_cast<DataModule&>(*tdm) : *tdm1;
        TableComponent* c = m.Find(opis.komponent);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(&c->Module(), &m);
        if (opis.miejsce != MiejscePliku::Paczka) {
            EXPECT_EQ(c->IsOpen(), opis.otwieranie == Otwieranie::PrzyStarcie);
        }
    }
    tdm1->OpenAll(Otwieranie::PoZalogowaniu);
    EXPECT_TRUE(tdm1->TPopZatrudnienie.IsOpen());
    EXPECT_TRUE(tdm1->TDodZatrudnienie.IsOpen());
    // Second views share the file: a post through one is seen by the other.
    EXPECT_EQ(&tdm->TPracStop->GetTable(), &tdm->TPracStopRob->GetTable());
}

TEST_F(ZasadyWspolne, DetailRowsFollowTheCurrentEmployeeAcrossBothModules) {
    ASSERT_TRUE(Zaloguj());
    EXPECT_TRUE(tdm->TPracStop->IsEmpty());  // no employee yet: no rows
    DodajPracownika();
    const auto id = tdm->TPracownicy->Field("Identyfikator");
    tdm1->TChoroby->Insert();
    EXPECT_EQ(tdm1->TChoroby->Field("IdentyfikatorPracownika"), id);
    tdm1->TChoroby->Cancel();
    tdm->TOrdery->Insert();
    EXPECT_EQ(tdm->TOrdery->Field("IdPracownika"), id);
    tdm->TOrdery->Cancel();
}

TEST_F(ZasadyWspolne, GuardsRefuseBeforeTheOperationStarts) {
    DodajUzytkownika("GOSC", "g", true, /*aktualizowanie=*/false);
    ASSERT_TRUE(Zaloguj("GOSC", "g"));
    for (TableComponent* c : {&tdm->TPracownicy, &tdm->TWyksztalcenie, &tdm->TSlowPokrew,
                              &tdm1->TChoroby, &tdm1->TRodzUrlop}) {
        SCOPED_TRACE(c->Name());
        EXPECT_EQ(Blad([&] { (*c)->Insert(); }), kBrakPrawa);
        EXPECT_EQ((*c)->State(), DatasetState::Browse);
    }
    EXPECT_EQ(Blad([&] { tdm->TSlowPokrew->Edit(); }), kBrakPrawa);
    EXPECT_EQ(tdm->TSlowPokrew->State(), DatasetState::Browse);
}

TEST_F(ZasadyWspolne, PendingEmployeeChangesBlockDetailsAndLeaveTypes) {
    ASSERT_TRUE(Zaloguj());
    DodajPracownika();
    tdm->TPracownicy->Edit();
    for (TableComponent* c : {&tdm->TPracStop, &tdm1->TChoroby, &tdm1->TRodzUrlop})
        EXPECT_EQ(Blad([&] { (*c)->Insert(); }), "Zapisz lub porzuć zmiany dla pracownika !!!")
            << c->Name();
    tdm->TPracownicy->Cancel();
    tdm->TPracownicy->Insert();
    EXPECT_EQ(Blad([&] { tdm->TKursy->Insert(); }),
              "Zapisz lub porzuć dopis nowego pracownika !!!");
    EXPECT_EQ(Blad([&] { tdm1->TRodzUrlop->Edit(); }),
              "Zapisz lub porzuć dopis nowego pracownika !!!");
    tdm->TPracownicy->Cancel();

    tdm->TKomorkaNad->Insert();
    EXPECT_EQ(Blad([&] { tdm->TKomorkaPod->Insert(); }),
              "Musisz najpierw zapisać lub porzucić zmiany dla komórki nadrzędznej !!!");
    tdm->TKomorkaNad->Cancel();
}

TEST_F(ZasadyWspolne, ArchivedLeaveAndTheStaffingStructureGuards) {
    std::filesystem::copy_file(dir.File("UrN2026.DB"), dir.File("UrN2027.DB"));
    ASSERT_TRUE(Zaloguj());
    ASSERT_TRUE(tdm->Sesja().RokUrlopowyZamkniety);
    DodajPracownika();
    EXPECT_EQ(Blad([&] { tdm1->TUrlopNalez->Insert(); }),
              "Nie można zmieniać archiwalnych danych o urlopach należnych !!!");
    tdm1->Open(tdm1->TUrlopy);
    EXPECT_EQ(Blad([&] { tdm1->TUrlopy->Insert(); }),
              "Nie można zmieniać archiwalnych danych o urlopach !!!");

    tdm1->Open(tdm1->TGlowkaStrukturyEtatow);
    tdm1->Open(tdm1->TPozStrukturyEtatow);
    EXPECT_EQ(Blad([&] { tdm1->TPozStrukturyEtatow->Insert(); }),
              "Brak główek do struktury etatów !!!");
    tdm1->TGlowkaStrukturyEtatow->Insert();
    EXPECT_EQ(Blad([&] { tdm1->TPozStrukturyEtatow->Insert(); }),
              "Główka struktury jest aktualizowana !!!");
}

TEST_F(ZasadyWspolne, DeletesOfDictionariesAndEmployeesAreRefused) {
    ASSERT_TRUE(Zaloguj());
    DodajPracownika();
    for (TableComponent* c : {&tdm->TSlowPokrew, &tdm->TPracownicy, &tdm1->TRodzUrlop}) {
        const auto przed = (*c)->RecordCount();
        EXPECT_EQ(Blad([&] { (*c)->Delete(); }), kNieKasuj) << c->Name();
        EXPECT_EQ((*c)->RecordCount(), przed);
    }
}

TEST_F(ZasadyWspolne, DatesWithAMessageRefuseOthersAreEmptied) {
    ASSERT_TRUE(Zaloguj());
    auto& p = *tdm->TPracownicy;
    p.Insert();
    p.SetFieldText("DataUrodzenia", "1980-05-17");
    p.SetFieldText("DataZwolnienia", "2026-12-31");
    EXPECT_EQ(Blad([&] { p.SetFieldText("DataUrodzenia", "2026-02-30"); }),
              "Data urodzenia musi być dobrze określona !!!");
    EXPECT_EQ(p.FieldText("DataUrodzenia"), "1980-05-17");  // unchanged
    EXPECT_EQ(Blad([&] { p.SetFieldText("DataZatrudnienia", "    -  -  "); }),
              "Data zatrudnienia musi być dobrze określona !!!");
    EXPECT_EQ(Blad([&] { p.SetFieldText("DataZwolnienia", "2026-02-30"); }), "");
    EXPECT_TRUE(p.Field("DataZwolnienia").IsNull());
    p.SetFieldText("DataZwolnienia", "2024-02-29");  // leap year
    EXPECT_EQ(p.FieldText("DataZwolnienia"), "2024-02-29");
    p.SetFieldText("DataZwolnienia", "2100-02-29");  // not one
    EXPECT_TRUE(p.Field("DataZwolnienia").IsNull());
    p.Cancel();
}

TEST(CzytajDate, AcceptsOnlyRealDatesInTheMaskForm) {
    struct {
        const char* tekst;
        bool poprawna;
    } przypadki[] = {
        {"2026-12-10", true},   {"2026/12/10", true},
        {"2000-02-29", true},   {"1900-02-29", false},
        {"0000-01-01", false},  {"2026-13-01", false},
        {"2026-04-31", false},  {"", false},
        {"____-__-__", false},  {"2026-12-10x", false},
        {"20261-01-01", false},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(CzytajDate(p.tekst).has_value(), p.poprawna) << p.tekst;
}

TEST_F(ZasadyWspolne, NumberEntryRulesByField) {
    ASSERT_TRUE(Zaloguj());
    auto& podstawy = *tdm->TPodstawy;
    podstawy.Insert();
    podstawy.SetFieldText("PodstawaCywile", "-5");
    EXPECT_EQ(podstawy.Field("PodstawaCywile").AsNumber(), 0.0);
    podstawy.SetFieldText("PodstawaFunkcjonariusze", "1 234,50");  // grouped with blanks
    EXPECT_EQ(podstawy.Field("PodstawaFunkcjonariusze").AsNumber(), 1234.5);
    podstawy.SetFieldText("ZaokraglenieCywil", "-3");
    EXPECT_EQ(podstawy.Field("ZaokraglenieCywil").AsInteger(), 0);
    EXPECT_EQ(Blad([&] { podstawy.SetFieldText("PodstawaCywile", ""); }),
              "'' nie jest poprawną wartością liczbową");
    EXPECT_EQ(Blad([&] { podstawy.SetFieldText("PodstawaCywile", "1.5"); }),
              "'1.5' nie jest poprawną wartością liczbową");
    podstawy.Cancel();

    tdm->Open(tdm->TStawStopni);
    tdm->TSlowStopni->Insert();
    tdm->TSlowStopni->SetField("NazwaStopnia", Value::Text("szeregowy"));
    tdm->TSlowStopni->Post();
    auto& stawki = *tdm->TStawStopni;
    stawki.Insert();
    EXPECT_EQ(Blad([&] { stawki.SetFieldText("Wartosc", "0"); }),
              "Wartość musi być różna od zera !!!");
    stawki.SetFieldText("Wartosc", "-10,5");  // only zero is refused
    EXPECT_EQ(stawki.Field("Wartosc").AsNumber(), -10.5);
    stawki.Cancel();
}

TEST_F(ZasadyWspolne, PartTimeFactorAndPayGroupValues) {
    ASSERT_TRUE(Zaloguj());
    auto& p = *tdm->TPracownicy;
    p.Insert();
    EXPECT_EQ(Blad([&] { p.SetFieldText("Etat", "-0,5"); }),
              "Wartość etatu nie może być mniejsza od zera !!!");
    EXPECT_EQ(p.Field("Etat").AsNumber(), 1.0);
    p.SetFieldText("Etat", "0");
    EXPECT_EQ(p.Field("Etat").AsNumber(), 0.0);
    p.SetField("Nazwisko", Value::Text("Nowak"));
    p.SetField("Imie1", Value::Text("Jan"));
    p.Post();

    auto& g = *tdm->TPracGrup;
    g.Insert();
    EXPECT_EQ(Blad([&] { g.SetFieldText("PlacaZasadnicza", "-1"); }),
              "Wartość płacy zasadniczej nie może być ujemna !!!");
    g.SetFieldText("PlacaZasadnicza", "0");
    g.SetFieldText("Mnoznik", "0,000000001");
    EXPECT_EQ(g.Field("Mnoznik").AsNumber(), 0.0);
    g.Cancel();
}

TEST_F(ZasadyWspolne, ADuplicateKeyIsReportedWithComponentAndFileAndTheRecordKeepsItsValues) {
    ASSERT_TRUE(Zaloguj());
    DodajPracownika();
    tdm1->Open(tdm1->TUrlopy);
    auto& u = *tdm1->TUrlopy;
    for (int i = 0; i < 2; ++i) {
        u.Insert();
        u.SetFieldText("DataOd", "2026-07-01");
        u.SetFieldText("DataDo", "2026-07-14");
        u.SetField("RodzajUrlopu", Value::Integer(1));
        if (i == 0)
            u.Post();
    }
    EXPECT_EQ(Blad([&] { u.Post(); }),
              "  Dane powtarzają się lub są niepoprawne !!!\nDokładna specyfikacja błędu:\n"
              "Key violation.(unikalne wartości powtarzają się)\n Dla komponentu:TUrlopy\n"
              "Nazwa tabeli:WykUrl2026.DB");
    EXPECT_EQ(u.State(), DatasetState::Insert);
    EXPECT_EQ(u.FieldText("DataDo"), "2026-07-14");
    u.Cancel();
}

TEST_F(ZasadyWspolne, EditingStateIsPassedToObserversAfterEachOperation) {
    ASSERT_TRUE(Zaloguj());
    std::vector<CommandState> stany;
    auto sub = tdm->ObserveCommands([&](const CommandState& s) { stany.push_back(s); });
    tdm->TPracownicy->Insert();
    ASSERT_FALSE(stany.empty());
    EXPECT_TRUE(stany.back().editing);
    EXPECT_FALSE(stany.back().searchEnabled);
    EXPECT_FALSE(stany.back().printsEnabled);
    EXPECT_EQ(stany.back().component, "TPracownicy");
    tdm->TPracownicy->Cancel();
    EXPECT_FALSE(stany.back().editing);
    EXPECT_TRUE(stany.back().chooseEmployeesEnabled);
    EXPECT_TRUE(stany.back().printsEnabled);
}

TEST_F(ZasadyWspolne, IdentifiersOutOfAnInt16FieldAreRefusedInsteadOfWrapping) {
    ASSERT_TRUE(Zaloguj());
    auto& p = *tdm->TPracownicy;
    p.Insert();
    EXPECT_EQ(Blad([&] { UstawIdentyfikator(p, "KomorkaOrganizacyjna", 40000); }),
              "Identyfikator poza zakresem pola KomorkaOrganizacyjna !!!");
    EXPECT_EQ(Blad([&] { p.SetFieldText("IdStPracCyw", "32768"); }),
              "Identyfikator poza zakresem pola IdStPracCyw !!!");
    UstawIdentyfikator(p, "KomorkaOrganizacyjna", 32767);
    EXPECT_EQ(p.Field("KomorkaOrganizacyjna").AsInteger(), 32767);
    p.Cancel();
}

}  // namespace
}  // namespace mirta::store
