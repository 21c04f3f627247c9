#include "store/stawki.h"

#include <algorithm>
#include <new>

#include "store/pola_rekordu.h"
#include "store/tdm.h"

namespace mirta::store {
namespace {

using engine::Value;

int32_t Liczba32(const Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}

// The rates of a rate table by owner identifier, each list in variant and date order.
std::unordered_map<int32_t, std::vector<compute::WpisStawki>> CzytajStawki(TDM& tdm,
                                                                           TableComponent& stawki,
                                                                           const char* poleId) {
    const bool otwarta = stawki.IsOpen();
    if (!otwarta)
        tdm.Open(stawki);
    std::unordered_map<int32_t, std::vector<compute::WpisStawki>> wynik;
    try {
        engine::Table& t = stawki->GetTable();
        const int id = stawki->FieldIndex(poleId), ub = stawki->FieldIndex("Ubruttowienie"),
                  data = stawki->FieldIndex("DataObowiazywania"),
                  wartosc = stawki->FieldIndex("Wartosc");
        for (uint64_t r = 0; r < t.RowCount(); ++r) {
            const engine::Record w = t.ReadRow(r);
            compute::WpisStawki s;
            s.dzien = w[data].IsNull() ? 0 : w[data].AsDay();
            s.wartosc = w[wartosc].IsNull() ? 0 : w[wartosc].AsNumber();
            const std::string u = TekstPola(w[ub]);
            s.ubruttowienie = u.empty() ? 'T' : u[0];
            wynik[Liczba32(w[id])].push_back(s);
        }
    } catch (...) {
        if (!otwarta)
            tdm.Close(stawki);
        throw;
    }
    if (!otwarta)
        tdm.Close(stawki);
    for (auto& [klucz, lista] : wynik)
        std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) {
            return a.ubruttowienie != b.ubruttowienie ? a.ubruttowienie < b.ubruttowienie
                                                      : a.dzien < b.dzien;
        });
    return wynik;
}

}  // namespace

void DaneStopniiGrup::PrzeladujJesliZmienione(TDM& tdm) {
    if (!m_zmienione)
        return;
    Zbuduj(tdm);
    m_zmienione = false;
    for (TableComponent* widok :
         {&tdm.TPracStop, &tdm.TPracStopRob, &tdm.TPracGrup, &tdm.TPracGrupRob})
        if (widok->IsOpen() && !(*widok)->Editing())
            (*widok)->Refresh();
}

void DaneStopniiGrup::Zbuduj(TDM& tdm) {
    m_stopnie.clear();
    m_grupy.clear();
    m_indeksStopni.clear();
    m_indeksGrup.clear();
    try {
        auto stawki = CzytajStawki(tdm, tdm.TStawStopni, "IdentyfikatorStopnia");
        engine::Dataset& sl = *tdm.TSlowStopni;
        for (int64_t i = 0; i < sl.RecordCount(); ++i) {
            const engine::RowView w = sl.RowAt(i);
            Stopien s;
            s.IdentyfikatorStopnia = Liczba32(w["IdentyfikatorStopnia"]);
            s.NazwaStopnia = TekstPola(w["NazwaStopnia"]);
            if (auto it = stawki.find(s.IdentyfikatorStopnia); it != stawki.end())
                s.stawki = it->second;
            m_indeksStopni.try_emplace(s.IdentyfikatorStopnia, m_stopnie.size());
            m_stopnie.push_back(std::move(s));
        }
    } catch (const std::bad_alloc&) {
        m_stopnie = {};
        m_indeksStopni = {};
        tdm.Dialogi_().Blad("Błąd przydziału pamięci dla stopni !!!", kTytulBledu);
    }
    try {
        auto stawki = CzytajStawki(tdm, tdm.TStawGrup, "IdentyfikatorGrupy");
        engine::Dataset& sl = *tdm.TSlowGrup;
        for (int64_t i = 0; i < sl.RecordCount(); ++i) {
            const engine::RowView w = sl.RowAt(i);
            Grupa g;
            g.IdentyfikatorGrupy = Liczba32(w["IdentyfikatorGrupy"]);
            g.NazwaGrupy = TekstPola(w["NazwaGrupy"]);
            g.KodGrupy = TekstPola(w["KodGrupy"]);
            if (auto it = stawki.find(g.IdentyfikatorGrupy); it != stawki.end())
                g.stawki = it->second;
            m_indeksGrup.try_emplace(g.IdentyfikatorGrupy, m_grupy.size());
            m_grupy.push_back(std::move(g));
        }
    } catch (const std::bad_alloc&) {
        m_grupy = {};
        m_indeksGrup = {};
        tdm.Dialogi_().Blad("Błąd przydziału pamięci dla grup !!!", kTytulBledu);
    }
}

double DaneStopniiGrup::StawkaStopnia(int32_t stopien, char ubruttowienie, int32_t dzien,
                                      bool najnowsza) const {
    auto it = m_indeksStopni.find(stopien);
    if (it == m_indeksStopni.end())
        return 0;
    return compute::StawkaNaDzien(m_stopnie[it->second].stawki, ubruttowienie, dzien, najnowsza);
}

double DaneStopniiGrup::StawkaGrupy(int32_t grupa, char ubruttowienie, int32_t dzien,
                                    bool najnowsza) const {
    auto it = m_indeksGrup.find(grupa);
    if (it == m_indeksGrup.end())
        return 0;
    return compute::StawkaNaDzien(m_grupy[it->second].stawki, ubruttowienie, dzien, najnowsza);
}

std::string DaneStopniiGrup::NazwaStopnia(int32_t stopien) const {
    auto it = m_indeksStopni.find(stopien);
    return it == m_indeksStopni.end() ? std::string() : m_stopnie[it->second].NazwaStopnia;
}

DaneStopniiGrup::Grupa* DaneStopniiGrup::ZnajdzGrupe(int32_t grupa) {
    auto it = m_indeksGrup.find(grupa);
    return it == m_indeksGrup.end() ? nullptr : &m_grupy[it->second];
}

void DaneStopniiGrup::ZerujStatystyki() {
    for (auto& g : m_grupy) {
        g.liczniki.fill(0);
        g.sumy.fill(0);
    }
}

const std::vector<compute::PozPodstawWyn>& PodstawyWynagrodzen::Pozycje(TDM& tdm) {
    if (m_wczytane)
        return m_pozycje;
    m_pozycje.clear();
    engine::Dataset& ds = *tdm.TPodstawy;
    auto liczba = [](const Value& v) { return v.IsNull() ? 0.0 : v.AsNumber(); };
    for (int64_t i = 0; i < ds.RecordCount(); ++i) {
        const engine::RowView w = ds.RowAt(i);
        compute::PozPodstawWyn p;
        p.dataOd = w["DataOd"].IsNull() ? 0 : w["DataOd"].AsDay();
        p.PodstawaFunkcjonariusze = liczba(w["PodstawaFunkcjonariusze"]);
        p.PodstawaCywile = liczba(w["PodstawaCywile"]);
        p.Rezerwa1 = liczba(w["Rezerwa1"]);
        p.Rezerwa2 = liczba(w["Rezerwa2"]);
        p.ZaokraglenieFunkcjonarius = Liczba32(w["ZaokraglenieFunkcjonarius"]);
        p.ZaokraglenieCywil = Liczba32(w["ZaokraglenieCywil"]);
        p.Zaokraglenie1 = Liczba32(w["Zaokraglenie1"]);
        p.Zaokraglenie2 = Liczba32(w["Zaokraglenie2"]);
        m_pozycje.push_back(p);
    }
    m_wczytane = true;
    return m_pozycje;
}

std::optional<compute::PozPodstawWyn> PodstawyWynagrodzen::NaDzien(TDM& tdm, int32_t dzien) {
    return compute::PodstawaNaDzien(Pozycje(tdm), dzien);
}

}  // namespace mirta::store
