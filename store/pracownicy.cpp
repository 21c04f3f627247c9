#include "store/pracownicy.h"

#include <limits>
#include <memory>

#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

void TPracownicyNewRecord(Dataset& ds) {
    ds.SetField("Etat", Value::Number(1.0));
    for (auto [pole, kod] : {std::pair{"SystemZatrudnienia", "Z"},
                             {"CharakterZatrudnienia", "S"},
                             {"UmyslowyFizyczny", "U"},
                             {"KosztyUzyskaniaPrzychodu", "E"},
                             {"UlgaPodatkowa", "T"},
                             {"Podzial", "1"},
                             {"SystemSluzby", "1"}})
        ds.SetField(pole, Value::Text(kod));
}

void TPracownicyBeforePost(Dataset& ds) {
    if (Przyciety(ds.Field("Nazwisko")).empty())
        throw BladDanych(" Nazwisko jest obowiązkowe !!!", "Nazwisko");
    const std::string imie = Przyciety(ds.Field("Imie1"));
    if (imie.empty())
        throw BladDanych(" Imię pierwsze jest obowiązkowe !!!", "Imie1");
    if (PustePole(ds, "Plec")) {
        const char ostatnia = imie.back();
        ds.SetField("Plec", Value::Text(ostatnia == 'a' || ostatnia == 'A' ? "K" : "M"));
    }
    for (const char* pole : {"LiczbaOsobDoZasilkuRodzin", "LiczbaOsobDoZasilkuPieleg"}) {
        const Value& v = ds.Field(pole);
        if (v.IsNull() || v.AsInteger() < 0)
            ds.SetField(pole, Value::Integer(0));
    }
    if (PustePole(ds, "SystemSluzby"))
        ds.SetField("SystemSluzby", Value::Text("1"));
    if (PustePole(ds, "Podzial"))
        ds.SetField("Podzial", Value::Text("1"));
    const std::string podzial = ds.Field("Podzial").AsText();
    if (podzial == "1" || podzial == "4")
        ds.SetField("IdStPracCyw", Value());
    else if (PustePole(ds, "IdStPracCyw"))
        throw BladDanych("Status pracownika cywilnego jest konieczna do SPD !!!", "IdStPracCyw");
}

int32_t Pracownik(const Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}

}  // namespace

// ---- Current rank and position

void BiezaceStopnieIStanowiska::UstawTabele(engine::Table* pracStop, engine::Table* stanowiska) {
    if (pracStop == m_stopnie.tabela && stanowiska == m_stanowiska.tabela)
        return;
    auto ustaw = [](Zrodlo& z, engine::Table* t, const char* pole) {
        z = Zrodlo{};
        z.tabela = t;
        if (!t)
            return;
        const auto& pola = t->Fields();
        for (size_t i = 0; i < pola.size(); ++i) {
            if (pola[i].name == "IdentyfikatorPracownika")
                z.pracownik = static_cast<int>(i);
            else if (pola[i].name ==
                     (std::string_view(pole) == "IdentyfikatorStopnia" ? "DataOdKiedy" : "DataOd"))
                z.data = static_cast<int>(i);
            else if (pola[i].name == pole)
                z.identyfikator = static_cast<int>(i);
        }
    };
    ustaw(m_stopnie, pracStop, "IdentyfikatorStopnia");
    ustaw(m_stanowiska, stanowiska, "IdentyfikatorStanowiska");
    m_zbudowane = false;
}

void BiezaceStopnieIStanowiska::Skanuj(
    Zrodlo& z, uint64_t od, uint64_t _do, int32_t tylkoPracownik, bool zakresKlucza,
    std::unordered_map<int32_t, std::pair<int32_t, int32_t>>& najpozniejsze) {
    for (uint64_t r = od; r < _do; ++r) {
        const int32_t p = Pracownik(z.tabela->ReadField(r, z.pracownik));
        if (tylkoPracownik != 0 && p != tylkoPracownik) {
            if (zakresKlucza)
                break;  // a key range ends at the first other employee
            continue;
        }
        const Value d = z.tabela->ReadField(r, z.data);
        const int32_t data = d.IsNull() ? std::numeric_limits<int32_t>::min() : d.AsDay();
        const int32_t id = Pracownik(z.tabela->ReadField(r, z.identyfikator));
        auto [it, nowy] = najpozniejsze.try_emplace(p, data, id);
        // The index orders by date, then identifier: the last row is the greatest pair.
        if (!nowy && std::pair(data, id) > it->second)
            it->second = {data, id};
    }
}

void BiezaceStopnieIStanowiska::Zbuduj() {
    m_wpisy.clear();
    m_nieaktualne.clear();
    for (Zrodlo* z : {&m_stopnie, &m_stanowiska}) {
        if (!z->tabela || z->pracownik < 0 || z->data < 0 || z->identyfikator < 0)
            continue;
        std::unordered_map<int32_t, std::pair<int32_t, int32_t>> najpozniejsze;
        Skanuj(*z, 0, z->tabela->RowCount(), 0, false, najpozniejsze);
        for (const auto& [p, para] : najpozniejsze) {
            Wpis& w = m_wpisy[p];
            (z == &m_stopnie ? w.stopien : w.stanowisko) = para.second;
        }
        z->stamp = z->tabela->LastStamp();
        z->wiersze = z->tabela->RowCount();
    }
    m_zbudowane = true;
}

void BiezaceStopnieIStanowiska::Przelicz(int32_t pracownik) {
    Wpis w;
    for (Zrodlo* z : {&m_stopnie, &m_stanowiska}) {
        if (!z->tabela || z->pracownik < 0 || z->data < 0 || z->identyfikator < 0)
            continue;
        std::unordered_map<int32_t, std::pair<int32_t, int32_t>> najpozniejsze;
        if (z->tabela->KeyFieldCount() >= 1 && z->pracownik == 0) {
            const uint64_t od = z->tabela->LowerBound({Value::Integer(pracownik)});
            Skanuj(*z, od, z->tabela->RowCount(), pracownik, true, najpozniejsze);
        } else {
            Skanuj(*z, 0, z->tabela->RowCount(), pracownik, false, najpozniejsze);
        }
        if (auto it = najpozniejsze.find(pracownik); it != najpozniejsze.end())
            (z == &m_stopnie ? w.stopien : w.stanowisko) = it->second.second;
        z->stamp = z->tabela->LastStamp();
        z->wiersze = z->tabela->RowCount();
    }
    if (w.stopien == 0 && w.stanowisko == 0)
        m_wpisy.erase(pracownik);
    else
        m_wpisy[pracownik] = w;
    m_nieaktualne.erase(pracownik);
}

bool BiezaceStopnieIStanowiska::Aktualne() const {
    for (const Zrodlo* z : {&m_stopnie, &m_stanowiska}) {
        if (z->tabela &&
            (z->tabela->LastStamp() != z->stamp || z->tabela->RowCount() != z->wiersze))
            return false;
    }
    return true;
}

BiezaceStopnieIStanowiska::Wpis BiezaceStopnieIStanowiska::Dla(int32_t pracownik) {
    if (pracownik == 0)
        return {};
    if (!m_nieaktualne.empty()) {
        // Our own writes moved the stamps; recompute the employees they touched first.
        auto lista = m_nieaktualne;
        for (int32_t p : lista)
            Przelicz(p);
    }
    if (!m_zbudowane || !Aktualne())
        Zbuduj();
    auto it = m_wpisy.find(pracownik);
    return it == m_wpisy.end() ? Wpis{} : it->second;
}

void BiezaceStopnieIStanowiska::Uniewaznij(int32_t pracownik) {
    if (m_zbudowane && pracownik != 0)
        m_nieaktualne.insert(pracownik);
}

// ---- Wiring

void PodlaczPracownikow(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    UstawPoleKodowe(c, "Plec", Lista("Plec"), " Dopuszczalne: K - kobieta, M  - Mężczyzna !!!");
    UstawPoleKodowe(c, "Podzial", Lista("Podzial"), "Możesz wpisać jedynie 1,2,3 lub 4 !!!");
    // The refusal lists the texts the field may take.
    const ListaKodow& systemy = Lista("SystemSluzby");
    std::string dozwolone = "Możesz wpisać jedynie:";
    for (const PozycjaKodu& p : systemy.pozycje)
        dozwolone += "\n" + std::string(p.tekst);
    UstawPoleKodowe(c, "SystemSluzby", systemy, dozwolone);
    ds.AddHandler(DatasetEvent::NewRecord, TPracownicyNewRecord);
    ds.AddHandler(DatasetEvent::BeforePost, TPracownicyBeforePost);
    TDM* t = &tdm;
    ds.AddHandler(DatasetEvent::AfterPost, [t](Dataset&) {
        // Their calculated amounts depend on Podzial and DataZwolnienia.
        for (TableComponent* widok : {&t->TPracGrup, &t->TPracStop})
            if (widok->IsOpen() && !(*widok)->Editing())
                (*widok)->Refresh();
    });
    const int id = ds.FieldIndex("Identyfikator");
    c.AddCalculation([t, id](engine::RowView& row) {
        const int32_t p = Pracownik(row.At(id));
        row.Set("AktualnyStopien", Value::Text(t->AktualnyStopien(p)));
        row.Set("AktualneStanowisko", Value::Text(t->AktualneStanowisko(p)));
    });
    auto pola = std::make_shared<PolaFiltru>(ds);
    ds.SetFilter(
        [t, pola](const engine::RowView& row) {
            return PokazPracownika(t->Filtr(), row, *pola, t->DzienPrzetwarzania());
        },
        pola->Wszystkie());
}

void PodlaczHistorieDoPracownikow(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    const int pole = ds.FieldIndex("IdentyfikatorPracownika");
    // The employee whose row is being changed or deleted, read before the operation.
    auto przed = std::make_shared<int32_t>(0);
    auto zapamietaj = [przed, pole](Dataset& d) {
        *przed = d.RecNo() >= 0 ? Pracownik(d.Field(pole)) : 0;
    };
    ds.AddHandler(DatasetEvent::BeforeEdit, zapamietaj);
    ds.AddHandler(DatasetEvent::BeforeDelete, zapamietaj);
    ds.AddHandler(DatasetEvent::BeforeInsert, [przed](Dataset&) { *przed = 0; });
    TDM* t = &tdm;
    ds.AddHandler(DatasetEvent::BeforePost,
                  [t, pole](Dataset& d) { t->Biezace().Uniewaznij(Pracownik(d.Field(pole))); });
    auto po = [t, przed, pole](Dataset& d) {
        t->Biezace().Uniewaznij(*przed);
        if (d.RecNo() >= 0)
            t->Biezace().Uniewaznij(Pracownik(d.Field(pole)));
    };
    ds.AddHandler(DatasetEvent::AfterPost, po);
    ds.AddHandler(DatasetEvent::AfterDelete, po);
}

}  // namespace mirta::store
