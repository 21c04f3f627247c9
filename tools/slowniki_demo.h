#pragma once

#include <string>
#include <vector>

namespace mirta::tools {

// Dictionary contents as a unit of the service keeps them. A record refers to a dictionary
// row by its identifier, which the table hands out in insertion order starting at 1, so the
// position in these lists (plus one) is the identifier. Rows a new data directory already
// holds (leave types, employment forms, relationships) come first in the same order.

struct Stopien {
    std::string nazwa, kod;
    double stawka2026;  // monthly rank rate today; earlier years are derived
};
struct Grupa {
    std::string nazwa, kod;
    double mnoznik;
};
struct StanowiskoSl {
    std::string nazwa, kod;
    char grupaSC;  // civil-service position group, '0' = not applicable
    int grupa;     // pay group id, 0 = none
    char ubruttowienie;
    bool funkcjonariusza;
};
struct RodzajUrlopuSl {
    std::string nazwa, symbol;
    char rodzajDni, rodzajUrlopu;
};
struct KomorkaSl {
    int nadrzedna;  // id of the superior cell
    std::string nazwa, symbol;
};
struct NazwaKod {
    std::string nazwa, kod;
};

const std::vector<Stopien>& SlownikStopni();
const std::vector<Grupa>& SlownikGrup();
const std::vector<StanowiskoSl>& SlownikStanowisk();
const std::vector<NazwaKod>& SlownikFormZatrudnienia();  // nazwa, symbol
const std::vector<RodzajUrlopuSl>& SlownikRodzajowUrlopu();
const std::vector<NazwaKod>& SlownikPokrewienstw();
const std::vector<NazwaKod>& SlownikWydawcow();
const std::vector<NazwaKod>& SlownikPodstawZdarzen();
const std::vector<NazwaKod>& SlownikRodzajowZdarzen();
const std::vector<NazwaKod>& SlownikRodzajowWyksztalcenia();
const std::vector<NazwaKod>& SlownikStopniNaukowych();
const std::vector<NazwaKod>& SlownikTytulowZawodowych();
const std::vector<NazwaKod>& SlownikRodzajowKursow();
const std::vector<NazwaKod>& SlownikOrderow();
const std::vector<NazwaKod>& SlownikOrganowNadajacych();
const std::vector<NazwaKod>& SlownikKar();
const std::vector<NazwaKod>& SlownikWyroznien();
const std::vector<NazwaKod>& SlownikStatusowCywilnych();
const std::vector<NazwaKod>& SlownikGrupInwalidzkich();
const std::vector<NazwaKod>& SlownikSwiadczen();
const std::vector<NazwaKod>& KomorkiNadrzedne();  // nazwa, symbol
const std::vector<KomorkaSl>& KomorkiOrganizacyjne();
const std::vector<std::string>& SposobyRozwiazaniaUmowy();

// Identifiers the generator relies on (positions in the lists above, plus one).
namespace id {
inline constexpr int kFormaSluzbaStala = 1;
inline constexpr int kFormaSluzbaPrzygotowawcza = 2;
inline constexpr int kFormaCzasOkreslony = 3;
inline constexpr int kFormaCzasNieokreslony = 4;
inline constexpr int kFormaMianowanieSC = 5;
inline constexpr int kFormaZlecenie = 6;
inline constexpr int kFormaDzielo = 7;

inline constexpr int kUrlopWypoczynkowy = 1;
inline constexpr int kUrlopDodatkowy = 2;
inline constexpr int kUrlopOkolicznosciowy = 3;
inline constexpr int kUrlopMacierzynski = 4;
inline constexpr int kUrlopWychowawczy = 5;
inline constexpr int kUrlopNaZadanie = 6;
inline constexpr int kUrlopSzkoleniowy = 7;
inline constexpr int kUrlopZdrowotny = 8;
inline constexpr int kUrlopBezplatny = 9;
inline constexpr int kUrlopOjcowski = 10;
inline constexpr int kUrlopNagrodowy = 11;

inline constexpr int kPokrewienstwoZona = 1;
inline constexpr int kPokrewienstwoMaz = 2;
inline constexpr int kPokrewienstwoSyn = 3;
inline constexpr int kPokrewienstwoCorka = 4;
}  // namespace id

}  // namespace mirta::tools
