// The vocabulary on a small unit made here: an officer, a civil employee who is a woman, an
// employee with no history, and an identifier nobody has.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "compute/kwota_slownie.h"
#include "documents/dane_tagow.h"
#include "documents/dokument_pracownika.h"
#include "documents/rtf_reader.h"
#include "documents/slownik_tagow.h"
#include "documents/substitution.h"
#include "store/szablony_wydrukow.h"
#include "store/testing/historia_testowa.h"
#include "store/zrodla_obliczen.h"

namespace mirta::documents {
namespace {

using engine::Value;
using Pola = std::initializer_list<std::pair<const char*, Value>>;

constexpr compute::DataKal kDzisKomputera{2026, 12, 11};

class SlownikTagowTest : public store::testing::HistoriaTestowa {
protected:
    static Value Id(int32_t id) { return Value::Integer(id); }
    static Value T(const char* t) { return Value::Text(t); }
    static Value N(double x) { return Value::Number(x); }

    // A row written straight into the component's file.
    uint64_t Wstaw(store::TableComponent& c, Pola pola) {
        if (!c.IsOpen())
            c.Module().Open(c);
        engine::Table& t = c->GetTable();
        engine::Record r(t.Fields().size());
        for (const auto& [p, v] : pola) {
            const int i = store::PoleTabeli(t, p);
            EXPECT_GE(i, 0) << p;
            r[i] = v;
        }
        const uint64_t w = t.Insert(r);
        t.Sync();
        return w;
    }
    int32_t Osoba(Pola pola) {
        engine::Table& t = tdm->TPracownicy->GetTable();
        const uint64_t w = Wstaw(tdm->TPracownicy, pola);
        return static_cast<int32_t>(t.ReadField(w, 0).AsInteger());
    }
    void Zatrudnienie(int32_t id, Value od) {
        Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                                   {"DataOd", od},
                                   {"IdentyfikatorFormyZatrudn", Id(1)}});
    }
    void GrupaPracownika(int32_t id) {
        Wstaw(tdm->TPracGrup, {{"IdentyfikatorPracownika", Id(id)},
                               {"DataOdKiedy", Dzien(2021, 1, 1)},
                               {"IdentyfikatorGrupy", Id(m_grupa)},
                               {"Ubruttowienie", T("N")},
                               {"Mnoznik", N(2.5)}});
    }

    void SetUp() override {
        HistoriaTestowa::SetUp();
        m_szeregowy = Stopien("szeregowy");
        m_kapral = Stopien("kapral");
        Stawka(tdm->TStawStopni, Dzien(2020, 1, 1), 300);
        m_grupa = Grupa("III", 2.5);
        Stawka(tdm->TStawGrup, Dzien(2020, 1, 1), 1234);
        tdm->Close(tdm->TStawStopni);
        tdm->Close(tdm->TStawGrup);
        m_stanowisko = Slownik(tdm->TSlowStanowisk, "NazwaStanowiska", "dowódca zmiany",
                               "IdentyfikatorStanowiska", {{"Ubruttowienie", T("N")}});
    }

    // Values of one employee, history rows selected as given.
    std::string W(int32_t id, const char* tag, WybraneWiersze wybrane = {}) {
        zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
        TagiPracownika tagi(*zrodla, id, wybrane, kDzisKomputera);
        EXPECT_NE(std::find(tagi.Tags().begin(), tagi.Tags().end(), tag), tagi.Tags().end()) << tag;
        return tagi.Value(tag).value_or("(brak)");
    }

    int32_t m_szeregowy = 0, m_kapral = 0, m_grupa = 0, m_stanowisko = 0;
    std::unique_ptr<store::ZrodlaObliczen> zrodla;
};

struct Oczekiwane {
    const char* tag;
    std::string wartosc;
};

TEST_F(SlownikTagowTest, AnOfficersFileWithCurrentAndFinalRecords) {
    const int32_t id = Osoba({{"Nazwisko", T("Wójcik")},
                              {"Imie1", T("Jan")},
                              {"Imie2", T("Paweł")},
                              {"Plec", T("M")},
                              {"Podzial", T("1")},
                              {"ImieOjca", T("Adam")},
                              {"DataUrodzenia", Dzien(1975, 3, 5)},
                              {"NumerDowoduOsobistego", T("ABC123456")}});
    Zatrudnienie(id, Dzien(2000, 1, 1));
    GrupaPracownika(id);
    for (auto [data, stopien] :
         {std::pair{Dzien(2015, 1, 1), m_szeregowy}, std::pair{Dzien(2021, 1, 1), m_kapral}})
        Wstaw(tdm->TPracStop, {{"IdentyfikatorPracownika", Id(id)},
                               {"DataOdKiedy", data},
                               {"IdentyfikatorStopnia", Id(stopien)},
                               {"Ubruttowienie", T("N")}});
    Wstaw(tdm->TStanowiska, {{"IdentyfikatorPracownika", Id(id)},
                             {"DataOd", Dzien(2021, 1, 1)},
                             {"IdentyfikatorStanowiska", Id(m_stanowisko)}});
    Wstaw(
        tdm->TDodSluzbowy,
        {{"IdentyfikatorPracownika", Id(id)}, {"DataOd", Dzien(2021, 1, 1)}, {"Wartosc", N(150)}});
    // 100 now; 200 from the middle of December, so 31 December reads another amount.
    Wstaw(tdm->TDodInny, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 1, 1)},
                          {"DataDo", Dzien(2026, 12, 15)},
                          {"Wartosc", N(100)}});
    Wstaw(tdm->TDodInny, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 12, 16)},
                          {"Wartosc", N(200)}});
    for (auto [data, numer] :
         {std::pair{Dzien(2021, 1, 4), "K-1/2021"}, std::pair{Dzien(2026, 11, 30), "K-12/2026"}})
        Wstaw(
            tdm1->TDecyzja,
            {{"IdentyfikatorPracownika", Id(id)}, {"DataDecyzji", data}, {"NrDecyzji", T(numer)}});

    // 26 years of service: 23 % of 3 090 (2.5 x 1 234 rounded to tens for officers).
    const Oczekiwane przypadki[] = {
        {"<<NAZWISKO IMIE12>>", "Wójcik Jan Paweł"},
        {"<<IMIE21 NAZWISKO>>", "Paweł Jan Wójcik"},
        {"<<i| >>", ""},
        {"<<i|u>>", "u"},
        {"<<ImięOjca>>", "Adam"},
        {"<<NazwiskoRodowe>>", ""},
        {"<<DataUrodzenia>>", "1975-03-05"},
        {"<<DataZwolnienia>>", ""},
        {"<<DowSerNr>>", "ABC123456"},
        {"<<Data>>", "10-12-2026"},
        {"<<Data|Mies>>", "10 grudnia 2026"},
        {"<<DataBiez>>", "11-12-2026"},
        {"<<DataBiez|Mies>>", "11 grudnia 2026"},
        {"<<Decyzja|Nr|Kon>>", "K-12/2026"},
        {"<<Decyzja|Data|Mies|Kon>>", "30 listopada 2026"},
        {"<<Stanowisko|Nazwa>>", "dowódca zmiany"},
        {"<<Stanowisko|Data|Kon>>", "01-01-2021"},
        {"<<Stopień|Nazwa|Kon>>", "kapral"},
        {"<<Stopień|Kwota|Kon>>", "300,00"},
        {"<<Stopień|Data|Kon>>", "01-01-2021"},
        {"<<Grupa|Nazwa>>", "III"},
        {"<<Grupa|ZUS>>", "Nie"},
        {"<<Grupa|Stawka>>", "1 234,00"},
        {"<<Grupa|Mnożnik|Kon>>", "2,5"},
        {"<<Grupa|PlacaZas>>", "0,00"},
        {"<<Grupa|PlacaKon>>", "3 090,00"},
        {"<<Grupa|PlacaKon|Słow>>", compute::KwotaSlownie(3090)},
        {"<<LataPracyWysługa>>", "26"},
        {"<<LataPracyEmerytura>>", "26"},
        {"<<ProcentWysługa|Strażak>>", "23,0"},
        {"<<KwotaWysługa|Strażak>>", "710,70"},
        {"<<DodatekSłużbowy|Kwota>>", "150,00"},
        {"<<DodatekMotywacyjny|Kwota>>", "100,00"},
        {"<<DodatekMotywacyjny|Kwota|Kon>>", "200,00"},
        {"<<Grupa|PlacaKon|Strażak>>", "4 350,70"},
        {"<<Grupa|PlacaKon|Strażak|Słow>>", compute::KwotaSlownie(4350.70)},
    };
    for (const auto& [tag, wartosc] : przypadki)
        EXPECT_EQ(W(id, tag), wartosc) << tag;

    // With the grids on the older rank and decision, the plain tags read those and the final
    // ones the latest.
    WybraneWiersze starsze;
    starsze.stopien = 0;
    starsze.decyzja = 0;
    EXPECT_EQ(W(id, "<<Stopień|Nazwa>>", starsze), "szeregowy");
    EXPECT_EQ(W(id, "<<Stopień|Nazwa|Kon>>", starsze), "kapral");
    EXPECT_EQ(W(id, "<<Stopień|Data>>", starsze), "01-01-2015");
    EXPECT_EQ(W(id, "<<Stopień|Kwota>>", starsze), "0,00");
    EXPECT_EQ(W(id, "<<Decyzja|Nr>>", starsze), "K-1/2021");
    EXPECT_EQ(W(id, "<<Decyzja|Data>>", starsze), "04-01-2021");
    // The grids' rows: the employee current in the list, the rank grid on its first row.
    auto& lista = *tdm->TPracownicy;
    lista.Refresh();
    for (lista.First(); !lista.Eof() && lista.Field("Identyfikator").AsInteger() != id;)
        lista.Next();
    ASSERT_FALSE(lista.Eof());
    tdm->TPracStop->Refresh();
    tdm->TPracStop->First();
    const WybraneWiersze zSiatek = WybraneZSiatek(*tdm, *tdm1);
    EXPECT_EQ(zSiatek.stopien, 0u);
    EXPECT_EQ(W(id, "<<Stopień|Nazwa>>", zSiatek), "szeregowy");
    tdm->TPracStop->Last();
    EXPECT_EQ(W(id, "<<Stopień|Nazwa>>", WybraneZSiatek(*tdm, *tdm1)), "kapral");
    // A selection past the end (a row deleted meanwhile) reads the last row.
    WybraneWiersze zaKoncem;
    zaKoncem.stopien = 7;
    EXPECT_EQ(W(id, "<<Stopień|Nazwa>>", zaKoncem), "kapral");
}

TEST_F(SlownikTagowTest, ACivilEmployeeWhoIsAWoman) {
    const int32_t id = Osoba(
        {{"Nazwisko", T("Zając")}, {"Imie1", T("Anna")}, {"Plec", T("K")}, {"Podzial", T("2")}});
    Zatrudnienie(id, Dzien(2010, 1, 1));
    GrupaPracownika(id);
    Wstaw(tdm->TPremie,
          {{"TypPremi", T("C")}, {"Rok", Id(2026)}, {"Miesiac", Id(1)}, {"Kwota", N(10)}});
    Wstaw(tdm->TPremPracCyw, {{"IdPracownika", Id(id)},
                              {"TypPremi", T("C")},
                              {"Rok", Id(2026)},
                              {"Miesiac", Id(12)},
                              {"Kwota", N(12.5)}});

    // 16 years: 16 % of 3 085; the employee's own December bonus rate of 12.5 %.
    const Oczekiwane przypadki[] = {
        {"<<IMIE12 NAZWISKO>>", "Anna Zając"},
        {"<<IMIE21>>", "Anna"},
        {"<<i| >>", "i"},
        {"<<i|u>>", "i"},
        {"<<Grupa|PlacaKon|Kon>>", "3 085,00"},
        {"<<ProcentWysługa>>", "16"},
        {"<<KwotaWysługa>>", "493,60"},
        {"<<PremiaCyw|Procent>>", "12,5"},
        {"<<PremiaCyw|Kwota>>", "385,63"},
        {"<<PremiaCyw|Kwota|Kon>>", "385,63"},
        {"<<Grupa|PlacaKon|Wysługa>>", "3 964,23"},
        {"<<Grupa|PlacaKon|Wysługa|Słow>>", compute::KwotaSlownie(3964.23)},
        {"<<Stopień|Data>>", "    .  .  "},
    };
    for (const auto& [tag, wartosc] : przypadki)
        EXPECT_EQ(W(id, tag), wartosc) << tag;

    // Pan followed by the suffix tags, in a document.
    Document d = ReadRtf("{\\rtf1\\ansi Pan<<i| >> <<NAZWISKO>>, Pan<<i|u>> przyznano\\par}");
    TagiPracownika tagi(*zrodla, id, {}, kDzisKomputera);
    WypelnijDokument(d, tagi);
    EXPECT_EQ(PlainText(d), "Pani Zając, Pani przyznano\n");
}

TEST_F(SlownikTagowTest, MissingRecordsAndEmptyFieldsGiveTheDocumentedEmptyForms) {
    const int32_t id = Osoba({{"Nazwisko", T("Nowak")}, {"Podzial", T("1")}});
    // A decision without a date: the record exists, its date is the placeholder.
    Wstaw(tdm1->TDecyzja, {{"IdentyfikatorPracownika", Id(id)}, {"NrDecyzji", T("7/2026")}});
    const Oczekiwane przypadki[] = {
        {"<<IMIE1 NAZWISKO>>", "Nowak"},
        {"<<Decyzja|Data>>", "__-__ - ____"},
        {"<<Decyzja|Nr>>", "7/2026"},
        {"<<Stanowisko|Nazwa>>", ""},
        {"<<Stanowisko|Data>>", ""},
        {"<<Stopień|Nazwa>>", ""},
        {"<<Stopień|Data>>", "    .  .  "},
        {"<<Stopień|Kwota>>", "0,00"},
        {"<<Grupa|Data|Kon>>", ""},
        {"<<Grupa|ZUS>>", ""},
        {"<<Grupa|Mnożnik>>", "0"},
        {"<<Grupa|PlacaKon|Słow>>", " zero złotych."},
        {"<<DodatekSłużbowy|Kwota|Kon>>", "0,00"},
        {"<<LataPracyWysługa>>", "0"},
    };
    for (const auto& [tag, wartosc] : przypadki)
        EXPECT_EQ(W(id, tag), wartosc) << tag;

    // Nobody of that identifier: every tag its empty form, nothing thrown.
    zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
    TagiPracownika nikt(*zrodla, 99999, {}, kDzisKomputera);
    EXPECT_FALSE(nikt.Znaleziony());
    for (const std::string& tag : nikt.Tags())
        EXPECT_TRUE(nikt.Value(tag).has_value()) << tag;
    EXPECT_EQ(nikt.Value("<<NAZWISKO>>"), "");
    EXPECT_EQ(nikt.Value("<<Grupa|PlacaKon|Strażak>>"), "0,00");
}

// A missing bonus rate is told when a bonus value is asked for, for any kind of employee,
// once in the operation; other pay values ask nothing.
TEST_F(SlownikTagowTest, AMissingBonusRateIsToldOnlyForTheBonusAndOnce) {
    const int32_t oficer = Osoba({{"Nazwisko", T("Nowak")}, {"Podzial", T("1")}});
    Zatrudnienie(oficer, Dzien(2010, 1, 1));
    GrupaPracownika(oficer);
    const std::string brak =
        "Brak wprowadzonej stawki premii pracowników cywilnej na rok: 2026 !!!";
    zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
    TagiPracownika tagi(*zrodla, oficer, {}, kDzisKomputera);
    for (const char* tag : {"<<Grupa|PlacaKon|Kon>>", "<<Grupa|PlacaKon|Strażak>>"})
        ASSERT_TRUE(tagi.Value(tag)) << tag;
    EXPECT_TRUE(zrodla->Komunikaty().Puste());
    EXPECT_EQ(tagi.Value("<<PremiaCyw|Procent>>"), "0");
    for (const char* tag :
         {"<<PremiaCyw|Kwota>>", "<<PremiaCyw|Kwota|Kon>>", "<<Grupa|PlacaKon|Wysługa>>"})
        ASSERT_TRUE(tagi.Value(tag)) << tag;
    ASSERT_EQ(zrodla->Komunikaty().Wszystkie().size(), 1u);
    EXPECT_EQ(zrodla->Komunikaty().Wszystkie()[0].tekst, brak);
}

TEST_F(SlownikTagowTest, SplitTagsAndAValueHoldingTagText) {
    const int32_t id =
        Osoba({{"Nazwisko", T("Kowal<<NAZWISKO>>")}, {"Imie1", T("Ewa")}, {"Plec", T("K")}});
    // Word processors split a tag where the formatting or a revision mark changes.
    Document d = ReadRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Pan{\\b <<i}| >> {\\i <<IMIE1 NAZ}WISKO>>"
        "{\\*\\revtbl x} i {<<nazwisko>>}\\par}");
    zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
    TagiPracownika tagi(*zrodla, id, {}, kDzisKomputera);
    WypelnijDokument(d, tagi);
    // The inserted surname's tag text is not scanned again.
    EXPECT_EQ(PlainText(d), "Pani Ewa Kowal<<NAZWISKO>> i Kowal<<NAZWISKO>>\n");
    EXPECT_EQ(SubstituteInText("<<LP>>. <<NAZWISKO>>", tagi, 3), "3. Kowal<<NAZWISKO>>");
}

TEST_F(SlownikTagowTest, EveryTagIsDescribedOnceAndParses) {
    std::set<std::string_view> widziane;
    for (const OpisTagu& t : OpisyTagow()) {
        EXPECT_TRUE(widziane.insert(t.tag).second) << t.tag;
        EXPECT_FALSE(t.opis.empty()) << t.tag;
    }
    EXPECT_EQ(widziane.size(), TagiDokumentow().size() + 1);  // and <<LP>>
    EXPECT_TRUE(widziane.count("<<Decyzja|Data|Mies|Kon>>"));
    EXPECT_TRUE(widziane.count("<<Grupa|PlacaKon|Słow|Kon>>"));
    EXPECT_FALSE(widziane.count("<<DodatekMotywacyjny|Kwota|Kon|Kon>>"));
}

TEST_F(SlownikTagowTest, DocumentNamesAndTheRegistryCheck) {
    const int32_t id = Osoba({{"Nazwisko", T("Nowak/Kowal")}, {"Imie1", T("Jan")}});
    zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
    TagiPracownika tagi(*zrodla, id, {}, kDzisKomputera);
    // Values in a file name lose the characters no file name may hold; the title's own
    // text (a folder) stays.
    EXPECT_EQ(NazwaDokumentu("karty/Karta <<NAZWISKO>> <<Data>>.rtf", tagi),
              "karty/Karta Nowak_Kowal 10-12-2026.rtf");
    EXPECT_EQ(NazwaDokumentu("  ", tagi), "");
    EXPECT_EQ(NazwaDokumentuPracownika(tagi.Dane(), id),
              "Nowak_Kowal_Jan_" + std::to_string(id) + ".rtf");
    EXPECT_EQ(BezpiecznaNazwa("a\\b:c*d?e\"f<g>h|i\tj"), "a_b_c_d_e_f_g_h_i_j");

    EXPECT_EQ(store::NazwaZbioruSzablonu("c:\\wzory\\decyzja"), "C:\\WZORY\\DECYZJA.RTF");
    EXPECT_EQ(store::NazwaZbioruSzablonu("a.rtf"), "A.RTF");
    EXPECT_EQ(store::NazwaZbioruSzablonu("żółw.rtf"), "ŻÓŁW.RTF");

    // The registry's rules, then the check before producing.
    auto& w = *tdm1->TWydruki;
    w.Insert();
    EXPECT_EQ(w.Field("IloscKolumn").AsInteger(), 1);
    EXPECT_EQ(store::testing::Blad([&] { w.Post(); }), "Nazwa wydruku musi być określona !!!");
    w.SetField("NazwaWydruku", T("Decyzja <<NAZWISKO>>"));
    w.SetField("NazwaZbioru", T(".rtf?"));
    EXPECT_EQ(store::testing::Blad([&] { w.Post(); }),
              "Nazwa zbioru wydruku musi być określona !!!");
    w.SetField("NazwaZbioru", T("decyzja"));
    w.SetField("Inicjacja", T("<Wym|Decyzje>"));
    w.Post();
    EXPECT_EQ(w.Field("NazwaZbioru").AsText(), "DECYZJA.RTF");

    const auto szablony = CzytajSzablony(*tdm1);
    ASSERT_EQ(szablony.size(), 1u);
    EXPECT_FALSE(KontrolaSzablonu(nullptr, *zrodla, id, dialogi));
    EXPECT_EQ(OstatniKomunikat(), " Brak wydruków potrzebnego typu !!!");
    EXPECT_FALSE(KontrolaSzablonu(&szablony[0], *zrodla, id, dialogi));
    EXPECT_EQ(OstatniKomunikat(), " Brak zbioru wydrukowego: DECYZJA.RTF !!!");
    { std::ofstream(dir.File("decyzja.rtf")) << "{\\rtf1 <<NAZWISKO>>\\par}"; }
    EXPECT_FALSE(KontrolaSzablonu(&szablony[0], *zrodla, id, dialogi));
    EXPECT_EQ(OstatniKomunikat(), "Brak danych o decyzjach !!!");
    EXPECT_EQ(dialogi.komunikaty.back().tytul, " Kontrola inicjacji wydruku.");
    Wstaw(tdm1->TDecyzja, {{"IdentyfikatorPracownika", Id(id)}, {"NrDecyzji", T("1/2026")}});
    zrodla = std::make_unique<store::ZrodlaObliczen>(*tdm, *tdm1);
    EXPECT_TRUE(KontrolaSzablonu(&szablony[0], *zrodla, id, dialogi));
    EXPECT_EQ(
        PlainText(DokumentPracownika(SciezkaSzablonu(dir.Path(), "DECYZJA.RTF"), *zrodla, id)),
        "Nowak/Kowal\n");
}

}  // namespace
}  // namespace mirta::documents
