#include "store/otwarcie_tabel.h"

#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_header.h"
#include "engine/paradox_table.h"
#include "store/katalogi_plac.h"
#include "store/zgodnosc_struktury.h"

namespace mirta::store {

namespace {

constexpr std::string_view kNieznanaStrona = ", której program nie zna: ";

}  // namespace

std::vector<std::string> UwagiOStronieKodowej(const std::vector<std::string>& uwagi) {
    std::vector<std::string> wynik;
    for (const std::string& u : uwagi)
        if (u.find(kNieznanaStrona) != std::string::npos)
            wynik.push_back(u);
    return wynik;
}

std::unique_ptr<engine::Table> OtworzTabele(engine::FileSystem& fs, const OpisTabeli& opis,
                                            const std::string& katalog,
                                            std::vector<std::string>& uwagi,
                                            std::string_view plik) {
    std::string nazwa(plik.empty() ? opis.plik : plik);
    std::string sciezka = engine::ResolvePath(fs, katalog + "/" + nazwa);
    if (!fs.Exists(sciezka))
        throw engine::EngineError("Brak tabeli " + nazwa + " w katalogu " + katalog, sciezka,
                                  "otwarcie tabeli");
    std::unique_ptr<engine::Table> tabela;
    if (opis.format == FormatPliku::Dbase)
        tabela = engine::DbfTable::Open(fs, sciezka);
    else
        tabela = engine::ParadoxTable::Open(fs, sciezka);
    auto zgodnosc = SprawdzStrukture(*tabela, opis, nazwa);
    if (!zgodnosc.bledy.empty()) {
        std::string komunikat = "Struktura tabeli " + nazwa +
                                " różni się od oczekiwanej; tabeli nie otwarto i nie zmieniono:";
        for (const auto& b : zgodnosc.bledy)
            komunikat += "\n" + b;
        throw engine::EngineError(komunikat, sciezka, "otwarcie tabeli");
    }
    uwagi.insert(uwagi.end(), zgodnosc.uwagi.begin(), zgodnosc.uwagi.end());
    if (const auto* px = dynamic_cast<const engine::ParadoxTable*>(tabela.get());
        px && px->TextCodePage().Number() != px->FileHeader().codePage)
        uwagi.push_back("Tabela " + nazwa + " ma w nagłówku stronę kodową " +
                        std::to_string(px->FileHeader().codePage) + std::string(kNieznanaStrona) +
                        "polskie litery mogą być odczytane błędnie, a zapis do tej tabeli jest "
                        "zablokowany.");
    return tabela;
}

engine::Table* TabeleStartowe::Tabela(std::string_view komponent) const {
    for (const auto& t : tabele)
        if (t.opis->komponent == komponent)
            return t.tabela.get();
    return nullptr;
}

TabeleStartowe OtworzTabeleStartowe(engine::FileSystem& fs, const std::string& katalogDanych) {
    TabeleStartowe wynik;
    engine::Table* parametryKadr = nullptr;
    for (const auto& opis : KatalogTabel()) {
        if (opis.otwieranie != Otwieranie::PrzyStarcie || opis.drugiWidok)
            continue;
        std::string katalog = katalogDanych;
        if (opis.miejsce == MiejscePliku::Placowy) {
            if (!parametryKadr)
                throw engine::EngineError("ParametryKadr.db musi być otwarta przed " +
                                          std::string(opis.plik));
            katalog = UstawKatalogiPlac(*parametryKadr, katalogDanych);
        }
        auto tabela = OtworzTabele(fs, opis, katalog, wynik.uwagi);
        if (opis.komponent == "TParametry")
            parametryKadr = tabela.get();
        wynik.tabele.push_back({&opis, std::move(tabela)});
    }
    return wynik;
}

}  // namespace mirta::store
