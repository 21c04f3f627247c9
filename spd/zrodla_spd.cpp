#include "spd/zrodla_spd.h"

#include <algorithm>

#include "engine/collation.h"
#include "engine/dataset.h"
#include "store/filtr_pracownikow.h"
#include "store/katalog.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::spd {

namespace {

char Litera(const engine::Value& v) {
    const std::string t = Tekst(v);
    return t.empty() ? 0 : t[0];
}

}  // namespace

int PorownajWartosci(const engine::Value& a, const engine::Value& b) {
    if (a.IsNull() || b.IsNull())
        return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
    if (a.kind() == engine::Value::Kind::Text && b.kind() == engine::Value::Kind::Text)
        return engine::CollateCompare(a.AsText(), b.AsText());
    auto liczba = [](const engine::Value& v) {
        return v.kind() == engine::Value::Kind::Number || v.kind() == engine::Value::Kind::Timestamp
                   ? v.AsNumber()
                   : static_cast<double>(v.AsInteger());
    };
    const double x = liczba(a), y = liczba(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

void SortujWgPorzadku(std::vector<engine::Record>& wiersze, const engine::Table& t,
                      const store::OpisTabeli& opis) {
    if (opis.porzadek.empty() || opis.PorzadekJestKluczem())
        return;
    std::vector<int> pola;
    for (const std::string& nazwa : opis.PolaPorzadku())
        pola.push_back(PolaTabeli(t)(nazwa));
    std::stable_sort(wiersze.begin(), wiersze.end(),
                     [&](const engine::Record& a, const engine::Record& b) {
                         for (int p : pola)
                             if (const int c = PorownajWartosci(a[p], b[p]))
                                 return c < 0;
                         return false;
                     });
}

bool WybranyDoSPD(char charakter, char podzial, compute::DataKal zatrudniony,
                  compute::DataKal zwolniony, compute::DataKal data) {
    return charakter != 'U' && podzial != '4' && zatrudniony <= data &&
           (zwolniony.Pusta() || zwolniony >= data);
}

ZrodlaSPD::ZrodlaSPD(store::TDM& tdm, store::TDM1& tdm1)
    : m_tdm(tdm), m_tdm1(tdm1), m_obliczenia(tdm, tdm1) {}

ZrodlaSPD::~ZrodlaSPD() = default;

engine::Table& ZrodlaSPD::Tabela(std::string_view komponent) {
    store::TableComponent* c = m_tdm.Find(komponent);
    if (!c)
        throw engine::EngineError("Nieznana tabela " + std::string(komponent));
    return m_obliczenia.Tabela(*c);
}

const std::vector<engine::Record>& ZrodlaSPD::Wiersze(std::string_view komponent,
                                                      int32_t pracownik) {
    auto it = m_wiersze.find(komponent);
    if (it == m_wiersze.end())
        it = m_wiersze.emplace(std::string(komponent), WierszeOstatniego{-1, {}}).first;
    WierszeOstatniego& o = it->second;
    if (o.pracownik == pracownik)
        return o.wiersze;
    engine::Table& t = Tabela(komponent);
    o.pracownik = pracownik;
    // Most tables lead with the employee; Nagrody.DB keeps it last.
    int pole = store::PoleTabeli(t, "IdentyfikatorPracownika");
    if (pole < 0)
        pole = store::PoleTabeli(t, "IdPracownika");
    o.wiersze = store::WierszePracownika(t, pracownik, std::max(pole, 0));
    SortujWgPorzadku(o.wiersze, t, m_tdm.Find(komponent)->Opis());
    return o.wiersze;
}

std::vector<engine::Record> ZrodlaSPD::WierszeWPorzadku(std::string_view komponent) {
    engine::Table& t = Tabela(komponent);
    std::vector<engine::Record> wiersze;
    for (uint64_t r = 0; r < t.RowCount(); ++r)
        wiersze.push_back(t.ReadRow(r));
    const store::OpisTabeli& opis = m_tdm.Find(komponent)->Opis();
    if (opis.polaKlucza == 0 || !opis.PorzadekJestKluczem())
        SortujWgPorzadku(wiersze, t, opis);
    return wiersze;
}

int ZrodlaSPD::Pole(std::string_view komponent, std::string_view pole) {
    return PolaTabeli(Tabela(komponent))(pole);
}

const ZrodlaSPD::Slowo& ZrodlaSPD::Slowo_(std::string_view komponent, std::string_view poleLookup) {
    const std::string klucz = std::string(komponent) + "." + std::string(poleLookup);
    auto it = m_slowniki.find(klucz);
    if (it != m_slowniki.end())
        return it->second;
    store::TableComponent* c = m_tdm.Find(komponent);
    const store::OpisPola* opis = c ? c->Opis().Pole(poleLookup) : nullptr;
    if (!opis || opis->rodzaj != store::RodzajPola::Lookup)
        throw engine::EngineError("Brak słownika pola " + klucz);
    Slowo s;
    s.poleKlucza = Pole(komponent, opis->lookupPolaKlucza);
    engine::Table& slownik = Tabela(opis->lookupKomponent);
    const PolaTabeli p(slownik);
    const int kluczSlownika = p(opis->lookupPolaSlownika), wynik = p(opis->lookupPoleWyniku);
    for (uint64_t r = 0; r < slownik.RowCount(); ++r) {
        const engine::Record w = slownik.ReadFields(r, {kluczSlownika, wynik});
        s.nazwy.try_emplace(Tekst(w[kluczSlownika]), Tekst(w[wynik]));
    }
    return m_slowniki.emplace(klucz, std::move(s)).first->second;
}

std::string ZrodlaSPD::Slownik(std::string_view komponent, std::string_view poleLookup,
                               const engine::Record& wiersz) {
    const Slowo& s = Slowo_(komponent, poleLookup);
    const auto it = s.nazwy.find(Tekst(wiersz[s.poleKlucza]));
    return it == s.nazwy.end() ? std::string() : it->second;
}

bool ZrodlaSPD::WSlowniku(std::string_view komponent, std::string_view poleLookup,
                          const engine::Record& wiersz) {
    const Slowo& s = Slowo_(komponent, poleLookup);
    const engine::Value& v = wiersz[s.poleKlucza];
    return !v.IsNull() && s.nazwy.contains(Tekst(v));
}

const std::vector<PracownikSPD>& ZrodlaSPD::Wybrani(compute::DataKal dataDanych) {
    if (m_wybraniGotowi && m_dataWybranych == dataDanych)
        return m_wybrani;
    m_wybrani.clear();
    engine::Dataset pracownicy(m_tdm.TPracownicy->SharedTable(), "TPracownicySPD");
    pracownicy.SetIndexFields(m_tdm.TPracownicy.Opis().porzadek);
    const store::PolaFiltru polaFiltru(pracownicy);
    const compute::DataKal p = store::DataPrzetwarzania(m_obliczenia);
    const int32_t dataPrzetwarzania = engine::DayNumberFromCivil(p.rok, p.miesiac, p.dzien);
    const PolaTabeli pola(pracownicy.GetTable());
    const int id = pola("Identyfikator"), charakter = pola("CharakterZatrudnienia"),
              podzial = pola("Podzial"), zatrudniony = pola("DataZatrudnienia"),
              zwolniony = pola("DataZwolnienia"), numer = pola("NumerPracownika"),
              nazwisko = pola("Nazwisko"), imie = pola("Imie1"), urodzony = pola("DataUrodzenia");
    for (int64_t i = 0; i < pracownicy.RecordCount(); ++i) {
        const engine::RowView r = pracownicy.RowAt(i);
        if (!store::PracownikAktywny(r, polaFiltru, dataPrzetwarzania))
            continue;
        const engine::Record& w = r.Values();
        if (!WybranyDoSPD(Litera(w[charakter]), Litera(w[podzial]), Data(w[zatrudniony]),
                          Data(w[zwolniony]), dataDanych))
            continue;
        PracownikSPD prac;
        prac.identyfikator = static_cast<int32_t>(CalkowitaLubZero(w[id]));
        prac.wiersz.assign(w.begin(), w.begin() + pracownicy.StoredFieldCount());
        prac.pozycja = {prac.identyfikator, Tekst(w[numer]), Tekst(w[nazwisko]), Tekst(w[imie]),
                        w[urodzony]};
        m_wybrani.push_back(std::move(prac));
    }
    m_dataWybranych = dataDanych;
    m_wybraniGotowi = true;
    return m_wybrani;
}

}  // namespace mirta::spd
