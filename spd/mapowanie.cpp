#include "spd/mapowanie.h"

#include <vector>

#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"
#include "spd/zrodla_spd.h"
#include "store/tdm.h"

namespace mirta::spd {

namespace {

constexpr const char* kRegula = "---------------------------";
constexpr const char* kKoniecSekcji = "==================================";

class Listing {
public:
    explicit Listing(ZrodlaSPD& z) : m_z(z) { m_tekst = "Dane do mapowania.\n\n"; }

    void Sekcja(const char* tytul) {
        if (m_sekcje++ > 0)
            m_tekst += std::string(kKoniecSekcji) + "\n\n";
        m_tekst += std::string(tytul) + "\n" + kRegula + "\n";
    }
    void Linia(const std::string& tekst) { m_tekst += tekst + "\n"; }
    void Linie(std::initializer_list<const char*> linie) {
        for (const char* l : linie)
            Linia(l);
    }
    // Every name of a dictionary, in its order, as stored.
    void Slownik(const char* komponent, const char* pole) {
        const int p = m_z.Pole(komponent, pole);
        for (const engine::Record& w : m_z.WierszeWPorzadku(komponent))
            Linia(Tekst(w[p]));
    }
    void Wiersze(engine::Table& t, const char* pole) {
        const int p = PolaTabeli(t)(pole);
        std::vector<engine::Record> wiersze;
        for (uint64_t r = 0; r < t.RowCount(); ++r)
            wiersze.push_back(t.ReadRow(r));
        if (const store::OpisTabeli* opis = store::ZnajdzTabele("SPDWynagrodzenia.DB"))
            SortujWgPorzadku(wiersze, t, *opis);
        for (const engine::Record& w : wiersze)
            Linia(Tekst(w[p]));
    }
    std::string Zakoncz() { return m_tekst + kKoniecSekcji + "\n\n"; }

private:
    ZrodlaSPD& m_z;
    std::string m_tekst;
    int m_sekcje = 0;
};

}  // namespace

std::string DaneDoMapowania(store::TDM& tdm, store::TDM1& tdm1) {
    ZrodlaSPD z(tdm, tdm1);
    Listing l(z);
    l.Sekcja("Stopień służbowy");
    l.Slownik("TSlowStopni", "NazwaStopnia");
    l.Sekcja("System służby");
    l.Linie({"0 - cywil", "1-codzienny, funkcje wykonawcze", "2 - zmianowy",
             "3-codzienny, funkcje dowódcze", "4-Inny bez dodatkowego urlopu"});
    l.Sekcja("Status pracownika cywilnego");
    l.Slownik("TSlowStatPracCyw", "NazwaStatPracCywilnego");
    {
        engine::Table& pozycje = z.Tabela("TPozStrukturyEtatow");
        const int status = PolaTabeli(pozycje)("StatusPracownikaCywilnego");
        for (uint64_t r = 0; r < pozycje.RowCount(); ++r) {
            const std::string s = Tekst(pozycje.ReadField(r, status));
            if (!s.empty())
                l.Linia(s);
        }
    }
    l.Sekcja("Rodzaj służby");
    l.Slownik("TSlowFormZatr", "NazwaFormyZatrudnienia");
    l.Sekcja("Kwalifikacje zawodowe");
    l.Slownik("TRodzajeKursow", "NazwaRodzajuKursu");
    l.Sekcja("Wyróżnienia");
    l.Slownik("TSlowWyr", "NazwaWyroznienia");
    l.Sekcja("Kary dyscyplinarne");
    l.Slownik("TSlowKar", "NazwaKary");
    l.Sekcja("Ordery i odznaczenia");
    l.Slownik("TSlowOrderow", "NazwaOrderu");
    l.Sekcja("Organ nadający");
    l.Slownik("TSlowOrganowNadajacych", "NazwaOrganuNadajacego");
    l.Sekcja("Nieobecności");
    l.Slownik("TRodzUrlop", "NazwaUrlopu");
    l.Linie({"zwolnienie lekarskie", "opieka nad członkiem rodziny", "pobyt w szpitalu",
             "nieobecność usprawiedliwiona", "nieobecność nieusprawiedliwiona", "urlop wychowawczy",
             "urlop bezpłatny", "służba wojskowa", "areszt tymczasowy", "inny zakład pracy",
             "inny sposób zawieszenia"});
    l.Sekcja("Składniki wynagrodzenia");
    {
        auto skladniki = OtworzTabeleSPD(tdm.Fs(), tdm.DataDirectory(), "TSPDWynagrodzenia");
        l.Wiersze(*skladniki, "NazwaSkladnika");
    }
    l.Sekcja("Rodzaj badania");
    l.Linie({"wstępne", "okresowe", "kontrolne", "orzeczenie komisji lekarskiej"});
    l.Sekcja("Przyczyna niewykonania");
    l.Linia("Wpisywane bezpośrednio, brak słownika");
    l.Sekcja("Zdarzenia kadrowe");
    l.Linie({"RODZAJE ZDARZEŃ KADROWYCH", "Awans w stanowisku", "Awans w stopniu"});
    l.Slownik("TRodzajZdarzeniaKadrowego", "NazwaZdarzeniaKadrowego");
    l.Linia("PODSTAWY ZDARZEŃ KADROWYCH");
    l.Slownik("TPowodZdarzeniaKadrowego", "Powod");
    l.Sekcja("Tytuł naukowy");
    l.Slownik("TStNaukowe", "NazwaStopniaNaukowego");
    l.Sekcja("Kierunek wykształcenia");
    l.Slownik("TTytZawod", "NazwaTytuluZawodowego");
    l.Sekcja("Stanowisko");
    l.Slownik("TSlowStanowisk", "NazwaStanowiska");
    return l.Zakoncz();
}

}  // namespace mirta::spd
