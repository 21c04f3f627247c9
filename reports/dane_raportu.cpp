#include "reports/dane_raportu.h"

#include "engine/field_text.h"
#include "reports/wybory.h"
#include "store/data_module.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "store/zrodla_obliczen.h"

namespace mirta::reports {

int DaneRaportu::Pole(store::TableComponent& c, std::string_view pole) {
    return store::PoleTabeli(m_zrodla.Tabela(c), pole);
}

const std::vector<engine::Record>& DaneRaportu::Wiersze(store::TableComponent& c,
                                                        int32_t pracownik) {
    engine::Table& t = m_zrodla.Tabela(c);
    int pole = store::PoleTabeli(t, "IdentyfikatorPracownika");
    if (pole < 0)
        pole = store::PoleTabeli(t, "IdPracownika");
    if (pole <= 0)
        return m_zrodla.Wiersze(t, pracownik);
    // The employee is not the file's first field, so his rows are not found by key: the file
    // is read once and its rows grouped by employee, in the file's order.
    auto [it, nowy] = m_pogrupowane.try_emplace(&t);
    if (nowy)
        for (uint64_t i = 0; i < t.RowCount(); ++i) {
            engine::Record r = t.ReadRow(i);
            const int32_t id = store::LiczbaCalkowita(r[pole]);
            it->second[id].push_back(std::move(r));
        }
    static const std::vector<engine::Record> kBrak;
    auto w = it->second.find(pracownik);
    return w == it->second.end() ? kBrak : w->second;
}

const std::map<std::string, std::string>& DaneRaportu::Slownik(store::TableComponent& c,
                                                               std::string_view pole) {
    const std::string klucz = c.Name() + "." + std::string(pole);
    auto it = m_slowniki.find(klucz);
    if (it != m_slowniki.end())
        return it->second;
    std::map<std::string, std::string>& mapa = m_slowniki[klucz];
    const store::OpisPola* opis = c.Opis().Pole(pole);
    store::TableComponent* slownik = m_zrodla.Tdm().Find(opis->lookupKomponent);
    if (!slownik)
        return mapa;
    engine::Table& t = m_zrodla.Tabela(*slownik);
    const int k = store::PoleTabeli(t, opis->lookupPolaSlownika);
    const int w = store::PoleTabeli(t, opis->lookupPoleWyniku);
    if (k < 0 || w < 0)
        return mapa;
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        const engine::Value v = t.ReadField(i, k);
        if (!v.IsNull())
            mapa.emplace(v.ToString(), store::Przyciety(t.ReadField(i, w)));
    }
    return mapa;
}

const engine::Value& DaneRaportu::Wartosc(store::TableComponent& c, const engine::Record& r,
                                          std::string_view pole) {
    static const engine::Value kPusta;
    const int i = Pole(c, pole);
    return i >= 0 && size_t(i) < r.size() ? r[i] : kPusta;
}

std::string DaneRaportu::Tekst(store::TableComponent& c, const engine::Record& r,
                               std::string_view pole) {
    const store::OpisPola* opis = c.Opis().Pole(pole);
    if (opis && opis->rodzaj == store::RodzajPola::Lookup) {
        const engine::Value& klucz = Wartosc(c, r, opis->lookupPolaKlucza);
        if (klucz.IsNull())
            return {};
        const auto& mapa = Slownik(c, pole);
        auto it = mapa.find(klucz.ToString());
        return it == mapa.end() ? std::string() : it->second;
    }
    const int i = Pole(c, pole);
    if (i < 0 || size_t(i) >= r.size() || r[i].IsNull())
        return {};
    if (r[i].kind() == engine::Value::Kind::Text)
        return store::Przyciety(r[i]);
    return engine::FormatFieldValue(m_zrodla.Tabela(c).Fields()[i], r[i]);
}

compute::DataKal DaneRaportu::Data(store::TableComponent& c, const engine::Record& r,
                                   std::string_view pole) {
    const engine::Value& v = Wartosc(c, r, pole);
    if (v.IsNull() || v.kind() != engine::Value::Kind::Date)
        return {};
    const engine::CivilDate d = engine::CivilFromDayNumber(v.AsDay());
    return {d.year, uint8_t(d.month), uint8_t(d.day)};
}

std::string DaneRaportu::NazwaJednostki() {
    store::TableComponent& c = m_zrodla.Tdm().TParametryFirmy;
    engine::Table& t = m_zrodla.Tabela(c);
    const int i = store::PoleTabeli(t, "NazwaPelna");
    if (i < 0 || t.RowCount() == 0)
        return {};
    return store::Przyciety(t.ReadField(0, i));
}

std::optional<int> DaneRaportu::MinimalnyLewyMargines() {
    store::TableComponent& c = m_zrodla.Tdm().TParDruk;
    engine::Table& t = m_zrodla.Tabela(c);
    const int i = store::PoleTabeli(t, "MinimalnyLewyMargines");
    if (i < 0 || t.RowCount() == 0 || t.ReadField(0, i).IsNull())
        return std::nullopt;
    return static_cast<int>(store::LiczbaCalkowita(t.ReadField(0, i)));
}

namespace {

// Puts the list's filter back when the run ends, however it ends.
class PrzywrocenieFiltru {
public:
    explicit PrzywrocenieFiltru(store::TDM& tdm) : m_tdm(tdm), m_filtr(tdm.Filtr()) {}
    ~PrzywrocenieFiltru() {
        m_tdm.Filtr() = m_filtr;
        m_tdm.OdswiezListePracownikow();
    }

private:
    store::TDM& m_tdm;
    store::FiltrPracownikow m_filtr;
};

}  // namespace

std::vector<engine::RowView> PracownicyWydruku(store::TDM& tdm, const ParametryWydruku& p) {
    const Wybor& w = Wybory()[p.numer - 1];
    PrzywrocenieFiltru przywrocenie(tdm);
    store::FiltrPracownikow& f = tdm.Filtr();
    f.FiltrKomorki = p.komorka.has_value() && w.zakres == Zakres::Jednostka;
    f.KomorkaFiltru = p.komorka.value_or(-1);
    f.NazwaKomorkiFiltru = p.nazwaKomorki;
    if (p.numer == 6)
        f.FiltrWlaczony = false;
    tdm.OdswiezListePracownikow();
    engine::Dataset& lista = *tdm.TPracownicy;
    std::vector<engine::RowView> wynik;
    for (int64_t i = 0; i < lista.RecordCount(); ++i) {
        engine::RowView r = lista.RowAt(i);
        if (w.zakres == Zakres::Pracownik &&
            store::LiczbaCalkowita(r["Identyfikator"]) != p.biezacyPracownik)
            continue;
        wynik.push_back(std::move(r));
    }
    return wynik;
}

}  // namespace mirta::reports
