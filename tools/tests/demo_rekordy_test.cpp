// The demo unit read through the data modules: every record of the leave, education, family
// and employment-end pages passes its rules, and every page has something to show.
#include <gtest/gtest.h>

#include <map>

#include "engine/testing/temp_dir.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/testing/dialogi_skryptowe.h"
#include "tools/demo.h"

namespace mirta::tools {
namespace {

TEST(DemoRekordy, EveryRecordPassesItsRulesAndEveryPageHasData) {
    engine::testing::TempDir katalog;
    OpcjeDemo opcje;
    opcje.pracownicy = 80;
    opcje.lata = 3;
    UtworzDemo(engine::FileSystem::Real(), katalog.Path(), opcje);

    store::testing::DialogiSkryptowe dialogi;
    store::TDM tdm(engine::FileSystem::Real(), katalog.Path(), dialogi, opcje.dzis);
    store::TDM1 tdm1(tdm);
    store::DaneStartowe start{opcje.dzis, "ADMIN", ""};
    ASSERT_TRUE(tdm.FunkcjaStartowa(&start));
    tdm.Filtr().BezFiltru = true;
    tdm.OdswiezListePracownikow();
    tdm1.OpenAll(store::Otwieranie::PoZalogowaniu);
    tdm1.Open(tdm1.TUrlopy);

    std::vector<store::TableComponent*> tabele = {
        &tdm1.TUrlopy,          &tdm1.TUrlopNalez,  &tdm1.TChoroby,
        &tdm1.TNieobecnosci,    &tdm1.TZawieszenia, &tdm1.TWypowiedzenia,
        &tdm1.TZwolnienia,      &tdm1.TDecyzja,     &tdm1.TPopZatrudnienie,
        &tdm1.TDodZatrudnienie, &tdm1.TBadania,     &tdm1.TEmRentGrInw,
        &tdm.TWyksztalcenie,    &tdm.TKursy,        &tdm.TRodzina,
        &tdm.TOrdery,           &tdm.TKary,         &tdm.TWyroznienia};
    std::map<std::string, int> wiersze;
    int dzieci = 0, badaniaPrzyszle = 0;
    engine::Dataset& prac = *tdm.TPracownicy;
    for (prac.First(); !prac.Eof(); prac.Next()) {
        for (store::TableComponent* c : tabele) {
            engine::Dataset& ds = **c;
            for (int64_t i = 0; i < ds.RecordCount(); ++i) {
                ds.MoveTo(i);
                ds.Edit();
                try {
                    ds.Post();
                } catch (const std::exception& e) {
                    ADD_FAILURE() << c->Name() << " " << prac.FieldText("Nazwisko") << ": "
                                  << e.what();
                    ds.Cancel();
                }
                ++wiersze[c->Name()];
                if (c == &tdm.TRodzina) {
                    const int64_t st = ds.Field("StopienPokrewienstwa").AsInteger();
                    dzieci += st == 3 || st == 4;
                }
                if (c == &tdm1.TBadania && !ds.Field("DataNastepnegoBadania").IsNull() &&
                    ds.Field("DataNastepnegoBadania").AsDay() > tdm.DzienPrzetwarzania())
                    ++badaniaPrzyszle;
            }
        }
    }
    for (store::TableComponent* c : tabele)
        EXPECT_GT(wiersze[c->Name()], 0) << c->Name();
    EXPECT_GT(dzieci, 0);
    EXPECT_GT(badaniaPrzyszle, 0);
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

}  // namespace
}  // namespace mirta::tools
