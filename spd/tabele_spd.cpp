#include "spd/tabele_spd.h"

#include <vector>

#include "spd/pola_tabeli.h"
#include "store/katalog.h"
#include "store/otwarcie_tabel.h"

namespace mirta::spd {

namespace {

const store::OpisTabeli& Opis(std::string_view komponent, store::MiejscePliku miejsce) {
    for (const store::OpisTabeli& o : store::KatalogTabel())
        if (o.modul == "TDM1" && o.komponent == komponent && o.miejsce == miejsce)
            return o;
    throw engine::EngineError("Brak tabeli SPD " + std::string(komponent));
}

}  // namespace

std::string KatalogSPD(const std::string& katalogDanych) {
    return katalogDanych + "/SPD";
}

std::string SciezkaWKatalogu(const std::string& katalogDanych, const std::string& zapisana) {
    std::string sciezka = zapisana;
    for (char& c : sciezka)
        if (c == '\\')
            c = '/';
    if (!sciezka.empty() && sciezka.front() == '/')
        return sciezka;
    return katalogDanych + "/" + sciezka;
}

std::unique_ptr<engine::Table> OtworzTabeleSPD(engine::FileSystem& fs,
                                               const std::string& katalogDanych,
                                               std::string_view komponent) {
    std::vector<std::string> uwagi;
    return store::OtworzTabele(fs, Opis(komponent, store::MiejscePliku::Spd),
                               KatalogSPD(katalogDanych), uwagi);
}

std::unique_ptr<engine::Table> OtworzTabelePaczki(engine::FileSystem& fs, const std::string& folder,
                                                  std::string_view komponent) {
    std::vector<std::string> uwagi;
    return store::OtworzTabele(fs, Opis(komponent, store::MiejscePliku::Paczka), folder, uwagi);
}

ParametryRekordu CzytajParametrySPD(engine::Table& t) {
    ParametryRekordu p;
    if (t.RowCount() == 0)
        return p;
    const engine::Record w = t.ReadRow(0);
    const PolaTabeli pola(t);
    auto tekst = [&](const char* nazwa) { return Tekst(w[pola(nazwa)]); };
    p.wysylka = {tekst("Sciezka"), tekst("NumerJednostki"), tekst("KodObszaru"),
                 tekst("KodSD"),   tekst("UzytkownikSPD"),  tekst("HasloSPD"),
                 tekst("FTPSPD"),  tekst("PortSPD"),        tekst("SciezkaSPD")};
    p.nazwaKomorkiOrganizacyjnej = tekst("NazwaKomorkiOrganizacyjne");
    return p;
}

}  // namespace mirta::spd
