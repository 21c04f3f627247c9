#include "spd/generowanie.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "compute/zaokraglij.h"
#include "engine/dbf_table.h"
#include "engine/testing/fault_file_system.h"
#include "spd/ekstrakcja.h"
#include "spd/tests/paczka_testowa.h"
#include "spd/wysylanie_paczki.h"
#include "spd/zrodla_spd.h"
#include "store/katalog.h"
#include "tools/demo.h"

namespace mirta::spd {
namespace {

using testing::PaczkaTestowa;
using Rekord = std::vector<std::string>;

// A unit made by the demo generator: years of leave files and months of salary cards.
class GenerowanieDemo : public PaczkaTestowa {
protected:
    void SetUp() override {
        tools::OpcjeDemo opcje;
        opcje.pracownicy = 60;
        opcje.lata = 4;
        tools::UtworzDemo(engine::FileSystem::Real(), dir.Path(), opcje);
        Otworz();
        ASSERT_TRUE(Zaloguj());
    }

    int32_t WpisRodzaju(const std::string& rodzaj) {
        auto t = OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "THarmonogramPrzesylek");
        for (const auto& w : CzytajHarmonogram(*t))
            if (w.rodzaj == rodzaj)
                return w.identyfikator;
        ADD_FAILURE() << rodzaj;
        return 0;
    }

    // The leave records as a walk per employee makes them: every leave file opened anew for
    // each employee and read whole.
    std::vector<Rekord> UrlopyPracownikPoPracowniku(compute::DataKal d) {
        ZrodlaSPD z(*tdm, *tdm1);
        std::vector<Rekord> rekordy;
        std::vector<std::pair<std::string, int>> pliki = {{"Urlopy.db", 2005}};
        for (int rok = store::kPierwszyRokPlikowUrlopow; rok <= store::kOstatniRokPlikowUrlopow;
             ++rok)
            if (std::filesystem::exists(dir.File(store::PlikUrlopowWykorzystanych(rok))))
                pliki.emplace_back(store::PlikUrlopowWykorzystanych(rok), rok);
        for (const PracownikSPD& p : z.Wybrani(d)) {
            std::set<std::pair<int32_t, std::string>> wyslane;
            for (const auto& [plik, rok] : pliki) {
                auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(plik));
                const PolaTabeli pola(*t);
                for (uint64_t r = 0; r < t->RowCount(); ++r) {
                    const engine::Record w = t->ReadRow(r);
                    if (CalkowitaLubZero(w[pola("IdentyfikatorPracownika")]) != p.identyfikator)
                        continue;
                    const std::string kod = Tekst(w[pola("RodzajUrlopu")]);
                    const engine::Value& od = w[pola("DataOd")];
                    if (!wyslane.emplace(od.IsNull() ? 0 : od.AsDay(), kod).second)
                        continue;
                    const auto* rodzaj = z.Obliczenia().RodzajUrlopu(
                        static_cast<int32_t>(CalkowitaLubZero(w[pola("RodzajUrlopu")])));
                    rekordy.push_back({"URLOP" + std::to_string(p.identyfikator) + "R" +
                                           std::to_string(rok) + "D" + TekstDaty(Data(od)) + kod,
                                       std::to_string(p.identyfikator), rodzaj ? rodzaj->nazwa : "",
                                       TekstDaty(Data(od)), TekstDaty(Data(w[pola("DataDo")]))});
                }
            }
        }
        // The package stores empty dates empty.
        for (Rekord& r : rekordy)
            for (size_t i = 3; i < 5; ++i)
                if (r[i] == kPustaData)
                    r[i].clear();
        return rekordy;
    }

    // The salary records as a walk per employee makes them: the card file opened and read
    // whole for every employee.
    std::vector<Rekord> WynagrodzeniaPracownikPoPracowniku(compute::DataKal d) {
        ZrodlaSPD z(*tdm, *tdm1);
        auto skladniki =
            OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TSPDWynagrodzenia");
        const PolaTabeli ps(*skladniki);
        const auto [rokKarty, miesiacKarty] = MiesiacPoprzedni(d);
        std::vector<Rekord> rekordy;
        for (const PracownikSPD& p : z.Wybrani(d)) {
            const auto numer = Calkowita(p.wiersz[z.PoleMirty("NumerPracownika")]);
            if (!numer || *numer <= 0)
                continue;
            auto karta =
                engine::DbfTable::Open(engine::FileSystem::Real(),
                                       dir.File(store::PlikKartotekiPlac(rokKarty, miesiacKarty)));
            const PolaTabeli pk(*karta);
            for (uint64_t s = 0; s < skladniki->RowCount(); ++s) {  // LP order in the demo
                const engine::Record sk = skladniki->ReadRow(s);
                double suma = 0;
                for (uint64_t r = 0; r < karta->RowCount(); ++r) {
                    const engine::Record w = karta->ReadRow(r);
                    if (Calkowita(w[pk("KR_NRP")]) == numer &&
                        std::to_string(CalkowitaLubZero(w[pk("KR_NRS")])) ==
                            Przyciety(sk[ps("NumerSkladnikaPlace")]))
                        suma += Liczba(w[pk("KR_" + DwieCyfry(miesiacKarty))]);
                }
                suma = compute::Zaokraglij(suma, 2);
                if (std::abs(suma) <= 0.009)
                    continue;
                const std::string id = std::to_string(p.identyfikator);
                rekordy.push_back({id + ";" + DwieCyfry(d.miesiac) + ";" + std::to_string(d.rok) +
                                       ";" + Tekst(sk[ps("KodSkladnika")]) +
                                       Przyciety(sk[ps("NumerSkladnikaPlace")]),
                                   id, DwieCyfry(d.miesiac), std::to_string(d.rok),
                                   Tekst(sk[ps("NazwaSkladnika")]), Kwota15(suma)});
            }
        }
        return rekordy;
    }
};

TEST_F(GenerowanieDemo, UrlopyJednymPrzebiegiemJakPracownikPoPracowniku) {
    const int32_t wpis = WpisRodzaju("N");
    const WynikGenerowania w = Generuj({wpis});
    ASSERT_EQ(w.stan, WynikGenerowania::Stan::Wygenerowano);
    std::vector<Rekord> urlopy;
    for (const Rekord& r : Rekordy(w, wpis))
        if (r[0].starts_with("URLOP"))
            urlopy.push_back(r);
    const std::vector<Rekord> oczekiwane = UrlopyPracownikPoPracowniku(w.dataDanych);
    EXPECT_GT(oczekiwane.size(), 100u);
    EXPECT_EQ(urlopy, oczekiwane);
    std::set<std::string> identyfikatory;
    for (const Rekord& r : urlopy)
        EXPECT_TRUE(identyfikatory.insert(r[0]).second) << r[0];
}

TEST_F(GenerowanieDemo, WynagrodzeniaJednymPrzebiegiemJakPracownikPoPracowniku) {
    const int32_t wpis = WpisRodzaju("G");
    const WynikGenerowania w = Generuj({wpis});
    const std::vector<Rekord> oczekiwane = WynagrodzeniaPracownikPoPracowniku(w.dataDanych);
    EXPECT_GT(oczekiwane.size(), 50u);
    EXPECT_EQ(Rekordy(w, wpis), oczekiwane);
}

// The unfinished mark cannot be written (a file-size limit of nothing, as a full disk or a
// quota would do): nothing is generated, neither the register nor the log gets a row, no
// package folder is left and the user is told why.
TEST_F(GenerowanieDemo, BezZnacznikaNiedokonczonejNicNiePowstaje) {
    auto foldery = [&] {
        std::set<std::string> nazwy;
        for (const auto& wpis : std::filesystem::directory_iterator(dir.File("SPD")))
            if (wpis.is_directory())
                nazwy.insert(wpis.path().filename().string());
        return nazwy;
    };
    const auto przed = foldery();
    Zaznaczenia z;
    z.Zaznacz(WpisRodzaju("P"));
    OpcjeGenerowania o;
    o.dataDanych = compute::DataKal{2026, 12, 10};
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit stary{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &stary), 0);
    const rlimit zero{0, stary.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &zero), 0);
    const WynikGenerowania w = GenerujPrzesylkeSPD(*tdm, *tdm1, z, dialogi, o);
    ::setrlimit(RLIMIT_FSIZE, &stary);

    EXPECT_EQ(w.stan, WynikGenerowania::Stan::Przerwano);
    EXPECT_EQ(w.rejestr, 0);
    EXPECT_TRUE(w.naglowki.empty());
    ASSERT_FALSE(dialogi.komunikaty.empty());
    EXPECT_TRUE(dialogi.komunikaty.back().tekst.starts_with(
        "Nie można zapisać znacznika przesyłki niedokończonej"))
        << dialogi.komunikaty.back().tekst;
    EXPECT_EQ(foldery(), przed);
    EXPECT_EQ(OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TRejPrzesylek")->RowCount(),
              0u);
    EXPECT_EQ(OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TPrzesylki")->RowCount(),
              0u);
}

// Only a mark known to be absent lets a package go: a folder that cannot be looked into, a
// mark that is a link (even a dangling one), or a folder path that is no folder is refused.
TEST(PaczkaNiekompletna, StanNieznanyJestOdmowa) {
    engine::testing::TempDir dir;
    std::filesystem::create_directories(dir.File("SPD/R1"));
    EXPECT_FALSE(PaczkaNiekompletna(dir.Path(), "SPD\\R1").has_value());

    std::filesystem::create_symlink("nie-ma", dir.File("SPD/R1/NIEDOKONCZONA.TXT"));
    EXPECT_TRUE(PaczkaNiekompletna(dir.Path(), "SPD\\R1").has_value());

    std::ofstream(dir.File("SPD/R2")) << "plik zamiast folderu";
    const auto plik = PaczkaNiekompletna(dir.Path(), "SPD\\R2");
    ASSERT_TRUE(plik.has_value());
    EXPECT_TRUE(plik->starts_with("Nie można ustalić, czy przesyłka SPD\\R2")) << *plik;

    // A folder its user may not look into: the check runs as an unprivileged user.
    std::filesystem::create_directories(dir.File("SPD/R3"));
    std::filesystem::permissions(dir.File("SPD"), std::filesystem::perms(0711));
    std::filesystem::permissions(dir.File("SPD/R3"), std::filesystem::perms(0700));
    const bool root = ::geteuid() == 0;
    if (!root)
        std::filesystem::permissions(dir.File("SPD/R3"), std::filesystem::perms::none);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        try {
            const auto powod = PaczkaNiekompletna(dir.Path(), "SPD\\R3");
            ::_exit(powod && powod->starts_with("Nie można ustalić") ? 0 : 1);
        } catch (...) {
            ::_exit(3);
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::filesystem::permissions(dir.File("SPD/R3"), std::filesystem::perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

engine::testing::FaultFileSystem& Awaria() {
    static engine::testing::FaultFileSystem fs;
    return fs;
}

// A disk that fills up while the third header's rows are written.
TEST_F(GenerowanieDemo, AwariaWTrakcieZostawiaWpisyNalezneIPaczkeNiedokonczona) {
    tdm1.reset();
    tdm.reset();
    Awaria().FailWritesAfter(-1);
    Awaria().OnlyPathsContaining("PozPrzesylki");
    tdm = std::make_unique<store::TDM>(Awaria(), dir.Path(), dialogi, kDzis);
    tdm1 = std::make_unique<store::TDM1>(*tdm);
    ASSERT_TRUE(Zaloguj());

    const std::vector<int32_t> wpisy = {WpisRodzaju("P"), WpisRodzaju("L"), WpisRodzaju("S"),
                                        WpisRodzaju("W")};
    Zaznaczenia z;
    for (int32_t w : wpisy)
        z.Zaznacz(w);
    OpcjeGenerowania o;
    o.dataDanych = compute::DataKal{2026, 12, 10};
    o.postep = [](const std::string& podpis, double) {
        if (podpis == "Przebieg służby.")
            Awaria().FailWritesAfter(0);
    };
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    const WynikGenerowania w = GenerujPrzesylkeSPD(*tdm, *tdm1, z, dialogi, o);
    Awaria().FailWritesAfter(-1);
    tdm1.reset();
    tdm.reset();
    Otworz();
    ASSERT_TRUE(Zaloguj());

    EXPECT_EQ(w.stan, WynikGenerowania::Stan::Przerwano);
    ASSERT_EQ(w.naglowki.size(), 2u);  // employees and examinations were filled
    EXPECT_NE(w.rejestr, 0);
    EXPECT_TRUE(dialogi.komunikaty.back().tekst.starts_with(
        "Błąd obsługi tabel na wyłączność !!!\n Dokładna specyfikacja błędu:\n"));
    // No log row of this run is left: every entry is due again as if never generated.
    auto log = OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TPrzesylki");
    EXPECT_EQ(log->RowCount(), 0u);
    EXPECT_TRUE(PaczkaNiekompletna(dir.Path(), w.folder).has_value());

    // Sending it is refused before anything is written.
    const auto rejestr =
        CzytajRejestr(*OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TRejPrzesylek"));
    ASSERT_EQ(rejestr.size(), 1u);
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    EXPECT_FALSE(GenerujIWyslijPlikiSPD(engine::FileSystem::Real(), dir.Path(), rejestr[0],
                                        tdm->Sesja(), dialogi));
    EXPECT_NE(dialogi.komunikaty.back().tekst.find("nie została wygenerowana do końca"),
              std::string::npos);

    // A full generation afterwards is whole and enters the log.
    const WynikGenerowania drugi = Generuj(wpisy);
    EXPECT_EQ(drugi.stan, WynikGenerowania::Stan::Wygenerowano);
    EXPECT_FALSE(PaczkaNiekompletna(dir.Path(), drugi.folder).has_value());
    EXPECT_EQ(OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TPrzesylki")->RowCount(),
              wpisy.size());
}

}  // namespace
}  // namespace mirta::spd
