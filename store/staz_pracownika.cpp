#include "store/staz_pracownika.h"

#include <filesystem>
#include <set>

#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {
namespace {

using compute::RodzajStazu;
using engine::Record;

// Field positions of one table.
class Kolumny {
public:
    explicit Kolumny(const engine::Table& t) : m_tabela(t) {}
    int operator()(std::string_view nazwa) const { return PoleTabeli(m_tabela, nazwa); }

private:
    const engine::Table& m_tabela;
};

bool Logiczne(const engine::Value& v) {
    return !v.IsNull() && v.AsLogical();
}

void CzytajPracownika(ZrodlaObliczen& z, DaneKadrowePracownika& d) {
    engine::Table& t = z.Tabela(z.Tdm().TPracownicy);
    const Kolumny k(t);
    // A dozen of the master record's sixty fields.
    static constexpr const char* kPola[] = {"Podzial",
                                            "Etat",
                                            "SystemSluzby",
                                            "DataUrodzenia",
                                            "DataZatrudnienia",
                                            "DataZwolnienia",
                                            "DataDoWyslugi",
                                            "DataDoSluzby",
                                            "DataDoNagrodyJubileuszowe",
                                            "DataDoEmerytury"};
    std::vector<int> pola{0};
    for (const char* p : kPola)
        pola.push_back(k(p));
    const auto wiersze = WierszePracownika(t, d.identyfikator, 0, &pola);
    if (wiersze.empty())
        return;
    const Record& w = wiersze.front();
    d.znaleziony = true;
    d.podzial = PierwszaLitera(w[k("Podzial")], 0);
    d.etatPusty = PustePole(w[k("Etat")]);
    d.etat = LiczbaRzeczywista(w[k("Etat")]);
    d.systemSluzby = TekstPola(w[k("SystemSluzby")]);
    d.dataUrodzenia = DataPola(w[k("DataUrodzenia")]);
    d.dataZatrudnienia = DataPola(w[k("DataZatrudnienia")]);
    d.dataZwolnienia = DataPola(w[k("DataZwolnienia")]);
    d.staz.dataDoWyslugi = DataPola(w[k("DataDoWyslugi")]);
    d.staz.dataDoSluzby = DataPola(w[k("DataDoSluzby")]);
    d.staz.dataDoNagrodyJubileuszowe = DataPola(w[k("DataDoNagrodyJubileuszowe")]);
    d.staz.dataDoEmerytury = DataPola(w[k("DataDoEmerytury")]);
}

void CzytajZatrudnienie(ZrodlaObliczen& z, DaneKadrowePracownika& d) {
    engine::Table& t = z.Tabela(z.Tdm().TZatrudnienie);
    const Kolumny k(t);
    const int od = k("DataOd"), doDnia = k("DataDo"), forma = k("IdentyfikatorFormyZatrudn");
    for (const Record& w : z.Wiersze(t, d.identyfikator))
        d.staz.zatrudnienie.push_back(
            {DataPola(w[od]), DataPola(w[doDnia]), LiczbaCalkowita(w[forma])});
}

void CzytajPoprzednieZatrudnienie(ZrodlaObliczen& z, DaneKadrowePracownika& d) {
    engine::Table& t = z.Tabela(z.Tdm1().TPopZatrudnienie);
    const Kolumny k(t);
    const int od = k("DataOd"), doDnia = k("DataDo"), wyslugi = k("DoWyslugi"),
              sluzbie = k("WSluzbie"), nagrody = k("DoNagrodyJubileuszowej"),
              emerytury = k("DoEmerytury");
    for (const Record& w : z.Wiersze(t, d.identyfikator))
        d.staz.poprzednieZatrudnienie.push_back({DataPola(w[od]), DataPola(w[doDnia]),
                                                 Logiczne(w[wyslugi]), Logiczne(w[sluzbie]),
                                                 Logiczne(w[nagrody]), Logiczne(w[emerytury])});
}

// Unpaid leave of the base file and of every year's file: the import of 2006 copies base
// rows into the year file, so a row with the same start and type counts once.
void CzytajUrlopyBezplatne(ZrodlaObliczen& z, DaneKadrowePracownika& d) {
    std::set<std::pair<int32_t, int32_t>> widziane;
    for (engine::Table* t : z.PlikiUrlopowWszystkichLat()) {
        const Kolumny k(*t);
        const int od = k("DataOd"), doDnia = k("DataDo"), rodzaj = k("RodzajUrlopu");
        for (const Record& w : z.Wiersze(*t, d.identyfikator)) {
            const int32_t typ = LiczbaCalkowita(w[rodzaj]);
            if (typ != compute::kRodzajUrlopuBezplatnego)
                continue;
            const int32_t start = w[od].IsNull() ? 0 : w[od].AsDay();
            if (!widziane.emplace(start, typ).second)
                continue;
            d.staz.urlopy.push_back({DataPola(w[od]), DataPola(w[doDnia]), typ});
            d.plikiUrlopow.push_back(std::filesystem::path(t->Path()).filename().string());
        }
    }
}

void CzytajSzkodliwosc(ZrodlaObliczen& z, DaneKadrowePracownika& d) {
    engine::Table& t = z.Tabela(z.Tdm().TSzkodliwe);
    const auto& wiersze = z.Wiersze(t, d.identyfikator);
    if (!wiersze.empty())
        d.grupaSzkodliwosci = PierwszaLitera(wiersze.back()[Kolumny(t)("GrupaSzkodliwosci")], 0);
}

compute::DataKal DataUmowna(const compute::DaneStazu& s, RodzajStazu r) {
    switch (r) {
        case RodzajStazu::Wysluga:
            return s.dataDoWyslugi;
        case RodzajStazu::Sluzba:
            return s.dataDoSluzby;
        case RodzajStazu::NagrodaJubileuszowa:
            return s.dataDoNagrodyJubileuszowe;
        case RodzajStazu::Emerytura:
            return s.dataDoEmerytury;
    }
    return {};
}

}  // namespace

compute::DataKal DataPola(const engine::Value& v) {
    if (v.IsNull() || v.kind() != engine::Value::Kind::Date)
        return {};
    return compute::DataZNumeruDnia(v.AsDay());
}

DaneKadrowePracownika CzytajDaneKadrowe(ZrodlaObliczen& zrodla, int32_t pracownik) {
    DaneKadrowePracownika d;
    d.identyfikator = pracownik;
    CzytajPracownika(zrodla, d);
    if (!d.znaleziony)
        return d;
    CzytajZatrudnienie(zrodla, d);
    CzytajPoprzednieZatrudnienie(zrodla, d);
    CzytajUrlopyBezplatne(zrodla, d);
    CzytajSzkodliwosc(zrodla, d);
    return d;
}

StazRodzaju PoliczStazRodzaju(const DaneKadrowePracownika& dane, RodzajStazu rodzaj,
                              compute::DataKal data, compute::SladSkladnikow* slad) {
    StazRodzaju w;
    w.skladniki = compute::Skladniki(dane.staz, rodzaj, data, slad);
    w.dataUmowna = DataUmowna(dane.staz, rodzaj);
    // As compute::Staz, from the parts already counted.
    w.staz = w.dataUmowna.Pusta()
                 ? w.skladniki.zatrudnienie + w.skladniki.poprzednie - w.skladniki.urlopBezplatny
                 : compute::DlugoscOkresu(w.dataUmowna, data);
    return w;
}

StazPracownika PoliczStaz(const DaneKadrowePracownika& dane, compute::DataKal data) {
    StazPracownika s;
    s.data = data;
    for (RodzajStazu r : {RodzajStazu::Wysluga, RodzajStazu::Sluzba,
                          RodzajStazu::NagrodaJubileuszowa, RodzajStazu::Emerytura})
        s.rodzaje[static_cast<size_t>(r)] = PoliczStazRodzaju(dane, r, data);
    const int32_t lata = s.Rodzaj(RodzajStazu::Wysluga).staz.lata;
    s.procentCywila = compute::ProcentWyslugiCywila(lata);
    s.procentFunkcjonariusza = compute::ProcentWyslugiFunkcjonariusza(lata);
    s.dataNastepnegoWzrostu = compute::DataNastepnegoWzrostu(dane.staz, data.rok);
    s.dataBazowa = {
        compute::DataBazowaStazu(dane.staz, RodzajStazu::Wysluga, data.rok),
        compute::DataBazowaStazu(dane.staz, RodzajStazu::Sluzba, data.rok),
        compute::DataBazowaStazu(dane.staz, RodzajStazu::NagrodaJubileuszowa, data.rok)};
    return s;
}

}  // namespace mirta::store
