// The change journal: what an edit, an insert and a delete leave in it, what a refused post and
// a password leave out, and the administrator's archive of old entries.
#include "store/dziennik_zmian.h"

#include <gtest/gtest.h>

#include "engine/paradox_table.h"
#include "store/testing/historia_testowa.h"

namespace mirta::store {
namespace {

using engine::Value;

class Dziennik : public testing::HistoriaTestowa {
protected:
    std::vector<WpisDziennika> Wpisy(const FiltrDziennika& f = {}) {
        return CzytajDziennik(engine::FileSystem::Real(), dir.Path(), f);
    }
    // "operation table field: old -> new" of each entry.
    std::vector<std::string> Opis(const std::vector<WpisDziennika>& w) {
        std::vector<std::string> t;
        for (const auto& e : w)
            t.push_back(e.uzytkownik + " " + e.operacja + " " + e.tabela + " " + e.pole + ": " +
                        e.stara + " -> " + e.nowa);
        return t;
    }
    int32_t NowyPracownik() {
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", Value::Text("Nowak"));
        p.SetField("Imie1", Value::Text("Jan"));
        p.SetField("Podzial", Value::Text("1"));
        p.Post();
        return static_cast<int32_t>(p.Field("Identyfikator").AsInteger());
    }
};

TEST_F(Dziennik, EditInsertAndDeleteAreRecordedWithUserKeyAndValues) {
    const int32_t id = NowyPracownik();
    std::vector<WpisDziennika> w = Wpisy({.pracownik = id});
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.front().uzytkownik, "ADMIN");
    EXPECT_EQ(w.front().operacja, "dopisanie");
    EXPECT_EQ(w.front().tabela, "Mirta.DB");
    const auto wstawione = Opis(w);
    EXPECT_NE(std::find(wstawione.begin(), wstawione.end(),
                        "ADMIN dopisanie Mirta.DB Nazwisko:  -> Nowak"),
              wstawione.end());

    const size_t przed = Wpisy().size();
    auto& p = *tdm->TPracownicy;
    p.Edit();
    p.SetField("Nazwisko", Value::Text("Nowacki"));
    p.Post();
    w = Wpisy();
    ASSERT_EQ(w.size(), przed + 1);
    EXPECT_EQ(Opis({w.back()}).front(), "ADMIN zmiana Mirta.DB Nazwisko: Nowak -> Nowacki");
    EXPECT_EQ(w.back().pracownik, id);
    EXPECT_EQ(w.back().klucz, std::to_string(id));

    // A refused post leaves nothing; the edit posted after the correction is one entry.
    p.Edit();
    p.SetField("Nazwisko", Value::Text("   "));
    EXPECT_EQ(testing::Blad([&] { p.Post(); }), " Nazwisko jest obowiązkowe !!!");
    EXPECT_EQ(Wpisy().size(), przed + 1);
    p.Cancel();
    EXPECT_EQ(Wpisy().size(), przed + 1);

    // A delete the rules refuse leaves nothing either.
    Stopien("kapitan");
    const size_t przedOdmowa = Wpisy().size();
    EXPECT_EQ(testing::Blad([&] { tdm->TSlowStopni->Delete(); }),
              " Nie można kasować tych danych !!!");
    EXPECT_EQ(Wpisy().size(), przedOdmowa);

    // An examination of the employee, entered and deleted.
    tdm1->Open(tdm1->TBadania);
    auto& b = *tdm1->TBadania;
    b.Insert();
    b.SetField("RodzajBadania", Value::Text("1"));
    b.SetField("WynikBadania", Value::Text("1"));
    b.SetField("DataBadania", Dzien(2026, 5, 5));
    b.SetField("DataNastepnegoBadania", Dzien(2027, 5, 5));
    b.Post();
    const size_t przedUsunieciem = Wpisy().size();
    b.Delete();
    w = Wpisy({.pracownik = id});
    ASSERT_GT(Wpisy().size(), przedUsunieciem);
    EXPECT_EQ(w.back().operacja, "usunięcie");
    const auto usuniete = Opis(w);
    EXPECT_NE(std::find(usuniete.begin(), usuniete.end(),
                        "ADMIN usunięcie Badania.db DataNastepnegoBadania: 2027-05-05 -> "),
              usuniete.end())
        << [&] {
               std::string t;
               for (const auto& l : usuniete)
                   t += l + "\n";
               return t;
           }();
}

TEST_F(Dziennik, PasswordsNeverReachTheJournal) {
    auto& h = *tdm->THasla;
    h.Insert();
    h.SetField("NazwaKrotka", Value::Text("NOWY"));
    h.SetField("Haslo", Value::Text("tajne"));
    h.SetField("NazwaPelna", Value::Text("Nowy Użytkownik"));
    h.Post();
    const auto w = Wpisy({.tabela = h.GetTable().Path().substr(dir.Path().size() + 1)});
    ASSERT_FALSE(w.empty());
    for (const auto& e : w) {
        EXPECT_EQ(e.pole.find("Haslo"), std::string::npos);
        EXPECT_EQ(e.nowa.find("tajne"), std::string::npos);
    }
}

TEST_F(Dziennik, FiltersAndTheArchiveOfOldEntries) {
    const std::string k = dir.Path();
    auto& fs = engine::FileSystem::Real();
    const double dzien = 86400000.0;
    auto wpis = [&](engine::CivilDate d, const char* kto, int32_t prac) {
        WpisDziennika w;
        w.kiedy = engine::DayNumberFromCivil(d.year, d.month, d.day) * dzien + 3600000;
        w.uzytkownik = kto;
        w.operacja = "zmiana";
        w.tabela = "Mirta.DB";
        w.pracownik = prac;
        w.pole = "Nazwisko";
        return w;
    };
    const size_t zLogowania = Wpisy().size();
    DopiszDoDziennika(fs, k,
                      {wpis({2025, 1, 5}, "KADRY", 1), wpis({2026, 3, 1}, "ADMIN", 2),
                       wpis({2026, 6, 30}, "KADRY", 1)});
    EXPECT_EQ(Wpisy({.uzytkownik = "kadry"}).size(), 2u);
    EXPECT_EQ(Wpisy({.pracownik = 1, .od = engine::CivilDate{2026, 1, 1}}).size(), 1u);
    EXPECT_EQ(Wpisy({.doDnia = engine::CivilDate{2026, 3, 1}}).size(), 2u);
    EXPECT_EQ(TekstChwili(Wpisy({.uzytkownik = "KADRY"}).front().kiedy), "2025-01-05 01:00:00");

    const std::string archiwum = k + "/DziennikArchiwum.DB";
    EXPECT_EQ(ArchiwizujDziennik(fs, k, {2026, 1, 1}, archiwum), 1u);
    EXPECT_EQ(Wpisy().size(), zLogowania + 2);
    auto a = engine::ParadoxTable::Open(fs, archiwum);
    EXPECT_EQ(a->RowCount(), 1u);
    // Nothing older left: nothing moves, the journal stays.
    EXPECT_EQ(ArchiwizujDziennik(fs, k, {2026, 1, 1}, archiwum), 0u);
    EXPECT_EQ(Wpisy().size(), zLogowania + 2);
}

}  // namespace
}  // namespace mirta::store
