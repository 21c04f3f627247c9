#include "tools/demo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "engine/dbf_table.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/temp_dir.h"
#include "store/katalog.h"
#include "tools/kariera.h"

namespace mirta::tools {
namespace {

namespace fs = std::filesystem;
using engine::Record;
using engine::Value;

// A table read whole, with fields by name.
struct Tabela {
    std::vector<engine::FieldDef> pola;
    std::vector<Record> wiersze;

    size_t Pole(const std::string& nazwa) const {
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == nazwa)
                return i;
        ADD_FAILURE() << "brak pola " << nazwa;
        return 0;
    }
};

Tabela Czytaj(const std::string& katalog, const std::string& plik) {
    auto& system = engine::FileSystem::Real();
    const std::string sciezka = engine::ResolvePath(system, katalog + "/" + plik);
    std::unique_ptr<engine::Table> t;
    if (plik.size() > 4 && (plik.substr(plik.size() - 4) == ".DBF"))
        t = engine::DbfTable::Open(system, sciezka);
    else
        t = engine::ParadoxTable::Open(system, sciezka);
    Tabela wynik{t->Fields(), {}};
    for (uint64_t i = 0; i < t->RowCount(); ++i)
        wynik.wiersze.push_back(t->ReadRow(i));
    return wynik;
}

class DemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = new engine::testing::TempDir();
        OpcjeDemo opcje;
        opcje.pracownicy = 40;
        opcje.lata = 3;
        opcje.ziarno = 77;
        UtworzDemo(engine::FileSystem::Real(), Katalog(), opcje);
    }
    static void TearDownTestSuite() {
        delete s_katalog;
        s_katalog = nullptr;
    }
    static std::string Katalog() { return s_katalog->File("demo"); }

    static engine::testing::TempDir* s_katalog;
};

engine::testing::TempDir* DemoTest::s_katalog = nullptr;

std::map<std::string, std::string> ZawartoscKatalogu(const std::string& katalog) {
    std::map<std::string, std::string> pliki;
    for (const auto& e : fs::recursive_directory_iterator(katalog))
        if (e.is_regular_file())
            pliki[fs::relative(e.path(), katalog).string()] =
                engine::testing::ReadBytesOf(e.path().string());
    return pliki;
}

TEST_F(DemoTest, TheSameSeedGivesByteIdenticalFilesAndAnotherSeedOthers) {
    engine::testing::TempDir inny;
    OpcjeDemo opcje;
    opcje.pracownicy = 40;
    opcje.lata = 3;
    opcje.ziarno = 77;
    UtworzDemo(engine::FileSystem::Real(), inny.File("a"), opcje);
    opcje.ziarno = 78;
    UtworzDemo(engine::FileSystem::Real(), inny.File("b"), opcje);

    const auto pierwszy = ZawartoscKatalogu(Katalog());
    const auto drugi = ZawartoscKatalogu(inny.File("a"));
    ASSERT_EQ(pierwszy.size(), drugi.size());
    for (const auto& [plik, bajty] : pierwszy) {
        auto it = drugi.find(plik);
        ASSERT_NE(it, drugi.end()) << plik;
        EXPECT_TRUE(it->second == bajty) << plik << " differs";
    }
    EXPECT_NE(ZawartoscKatalogu(inny.File("b")).at("Mirta.DB"), pierwszy.at("Mirta.DB"));
}

TEST_F(DemoTest, EveryTableOfTheCatalogueOpensAndReadsBack) {
    for (const auto& p : store::PlikiNowejBazy(2026)) {
        SCOPED_TRACE(p.plik);
        const Tabela t = Czytaj(Katalog(), p.plik);
        EXPECT_EQ(t.pola.size(), p.opis->PolaPliku().size());
    }
    // The leave pairs of every kept year, closed years included.
    for (int rok = 2024; rok <= 2026; ++rok) {
        EXPECT_FALSE(Czytaj(Katalog(), store::PlikUrlopowNaleznych(rok)).wiersze.empty()) << rok;
        EXPECT_FALSE(Czytaj(Katalog(), store::PlikUrlopowWykorzystanych(rok)).wiersze.empty())
            << rok;
    }
    EXPECT_FALSE(Czytaj(Katalog(), store::PlikKartotekiPlac(2026, 11)).wiersze.empty());
    EXPECT_EQ(Czytaj(Katalog(), "Mirta.DB").wiersze.size(), 40u);
}

// The record rules of the employee master and its history, checked on every row.
TEST_F(DemoTest, EmployeesAndHistoriesObeyTheRecordRules) {
    const Tabela mirta = Czytaj(Katalog(), "Mirta.DB");
    std::map<int64_t, char> podzial;
    std::set<char> podzialy;
    for (const auto& w : mirta.wiersze) {
        EXPECT_FALSE(w[mirta.Pole("Nazwisko")].IsNull());
        EXPECT_FALSE(w[mirta.Pole("Imie1")].IsNull());
        const std::string plec = w[mirta.Pole("Plec")].AsText();
        EXPECT_TRUE(plec == "K" || plec == "M");
        const char pd = w[mirta.Pole("Podzial")].AsText().at(0);
        podzial[w[mirta.Pole("Identyfikator")].AsInteger()] = pd;
        podzialy.insert(pd);
        // Civil staff need a status for SPD; officers and pensioners carry none.
        EXPECT_EQ(w[mirta.Pole("IdStPracCyw")].IsNull(), pd == '1' || pd == '4');
        const Value& zwolniony = w[mirta.Pole("DataZwolnienia")];
        if (!zwolniony.IsNull()) {
            EXPECT_GE(zwolniony.AsDay(), w[mirta.Pole("DataZatrudnienia")].AsDay());
        }
    }
    EXPECT_EQ(podzialy, (std::set<char>{'1', '2', '3', '4'}));

    const Tabela stopnie = Czytaj(Katalog(), "PracStop.db");
    EXPECT_FALSE(stopnie.wiersze.empty());
    for (const auto& w : stopnie.wiersze) {
        EXPECT_GE(w[stopnie.Pole("DataObowiazywaniaStopnia")].AsDay(),
                  w[stopnie.Pole("DataOdKiedy")].AsDay());
        EXPECT_FALSE(w[stopnie.Pole("KtoWydal")].IsNull());
        EXPECT_FALSE(w[stopnie.Pole("NrRozkazu")].IsNull());
    }
    const Tabela formy = Czytaj(Katalog(), "Zatrudnienie.db");
    for (const auto& w : formy.wiersze) {
        const Value& doDnia = w[formy.Pole("DataDo")];
        if (w[formy.Pole("IdentyfikatorFormyZatrudn")].AsInteger() == 3) {
            EXPECT_FALSE(doDnia.IsNull());
        }
        if (!doDnia.IsNull()) {
            EXPECT_GE(doDnia.AsDay(), w[formy.Pole("DataOd")].AsDay());
        }
    }
    // A post with a pay group brings a pay-group row of the same day.
    const Tabela stanowiska = Czytaj(Katalog(), "Stanowiska.db");
    const Tabela grupy = Czytaj(Katalog(), "PracGrup.db");
    std::set<std::pair<int64_t, int32_t>> dniGrup;
    for (const auto& w : grupy.wiersze)
        dniGrup.insert({w[grupy.Pole("IdentyfikatorPracownika")].AsInteger(),
                        w[grupy.Pole("DataOdKiedy")].AsDay()});
    for (const auto& w : stanowiska.wiersze)
        EXPECT_TRUE(dniGrup.count({w[stanowiska.Pole("IdentyfikatorPracownika")].AsInteger(),
                                   w[stanowiska.Pole("DataOd")].AsDay()}));
}

TEST_F(DemoTest, LeaveRowsLieInTheYearOfTheirFile) {
    const Tabela rodzaje = Czytaj(Katalog(), "RodzUrlop.db");
    bool bezplatny = false;
    for (const auto& w : rodzaje.wiersze)
        if (w[rodzaje.Pole("Identyfikator")].AsInteger() == 9)
            bezplatny = w[rodzaje.Pole("NazwaUrlopu")].AsText() == "Urlop bezpłatny";
    EXPECT_TRUE(bezplatny);
    for (int rok = 2024; rok <= 2026; ++rok) {
        const Tabela urlopy = Czytaj(Katalog(), store::PlikUrlopowWykorzystanych(rok));
        for (const auto& w : urlopy.wiersze) {
            const int32_t od = w[urlopy.Pole("DataOd")].AsDay(),
                          doDnia = w[urlopy.Pole("DataDo")].AsDay();
            EXPECT_LE(od, doDnia);
            EXPECT_EQ(Rok(od), rok);
            EXPECT_EQ(Rok(doDnia), rok);
            EXPECT_FALSE(w[urlopy.Pole("RodzajUrlopu")].IsNull());
        }
        const Tabela nalezne = Czytaj(Katalog(), store::PlikUrlopowNaleznych(rok));
        for (const auto& w : nalezne.wiersze)
            EXPECT_EQ(w[nalezne.Pole("Rok")].AsInteger(), rok);
    }
}

TEST_F(DemoTest, OtherRecordsObeyTheirRules) {
    const Tabela badania = Czytaj(Katalog(), "Badania.db");
    for (const auto& w : badania.wiersze) {
        const Value& nastepne = w[badania.Pole("DataNastepnegoBadania")];
        if (w[badania.Pole("WynikBadania")].AsText() == "2") {
            EXPECT_FALSE(nastepne.IsNull());
        }
        if (!nastepne.IsNull()) {
            EXPECT_GE(nastepne.AsDay(), w[badania.Pole("DataBadania")].AsDay());
        }
    }
    const Tabela rodzina = Czytaj(Katalog(), "StanRodz.db");
    for (const auto& w : rodzina.wiersze) {
        const int64_t st = w[rodzina.Pole("StopienPokrewienstwa")].AsInteger();
        if (st == 3 || st == 4) {
            EXPECT_FALSE(w[rodzina.Pole("DataUrodzenia")].IsNull());
        }
    }
    const Tabela wyksztalcenie = Czytaj(Katalog(), "Wykszt.DB");
    for (const auto& w : wyksztalcenie.wiersze) {
        EXPECT_FALSE(w[wyksztalcenie.Pole("TytulNaukowy")].IsNull());
        const int64_t rok = w[wyksztalcenie.Pole("RokUkonczenia")].AsInteger();
        EXPECT_TRUE(rok >= 1950 && rok <= 2050) << rok;
    }
    const Tabela kalendarz = Czytaj(Katalog(), "Kalendarz.DB");
    for (const auto& w : kalendarz.wiersze) {
        EXPECT_EQ(w[kalendarz.Pole("IdentyfikatorKalendarza")].AsInteger(), 20000);
        EXPECT_EQ(w[kalendarz.Pole("PrzebiegPracy")].AsText().size(), 31u);
    }
    const Tabela hasla = Czytaj(Katalog(), "Hasla.DB");
    bool admin = false;
    for (const auto& w : hasla.wiersze)
        admin = admin ||
                (w[hasla.Pole("NazwaKrotka")].AsText() == "ADMIN" &&
                 w[hasla.Pole("Haslo")].IsNull() && w[hasla.Pole("Administrator")].AsLogical());
    EXPECT_TRUE(admin);
}

// The payroll program reads the shared tables with its own Paradox code.
TEST_F(DemoTest, SharedAndKeyedTablesReadTheSameInAnotherParadoxReader) {
    for (const char* plik : {"Mirta.DB", "Kalendarz.DB", "Parametry.DB", "PracStop.db",
                             "WykUrl2026.DB", "CzasPracy.DB"}) {
        SCOPED_TRACE(plik);
        const std::string sciezka =
            engine::ResolvePath(engine::FileSystem::Real(), Katalog() + "/" + plik);
        const auto wiersze = engine::testing::ReadWithPxlib(sciezka);
        EXPECT_EQ(wiersze.size(), Czytaj(Katalog(), plik).wiersze.size());
    }
}

TEST_F(DemoTest, DumpsShowEveryPolishLetter) {
    std::string wszystko;
    for (const char* plik : {"Mirta.DB", "KomNad.db", "Komorki.db", "SlStopni.db", "StanRodz.db",
                             "SlPokrew.db", "Wykszt.DB", "SlStanowisk.db"}) {
        std::ostringstream out;
        engine::DumpParadox(engine::FileSystem::Real(),
                            engine::ResolvePath(engine::FileSystem::Real(), Katalog() + "/" + plik),
                            nullptr, out);
        wszystko += out.str();
    }
    for (const char* litera :
         {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż", "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"})
        EXPECT_NE(wszystko.find(litera), std::string::npos) << litera;
}

}  // namespace
}  // namespace mirta::tools
